// The message and status texts of block files and the ASCII import (Windows-1252). Every text
// stands here once; "%s" marks where a name or path goes (see withArgument).
//
// Contents
//   withArgument      a text with its "%s" filled in
//   reading, saving   the texts of block files
//   ASCII import      the texts of the listing import
//   projects          the texts of opening, closing, saving and deleting projects
#ifndef MAIN_PROJECT_PROJECT_MESSAGES_H
#define MAIN_PROJECT_PROJECT_MESSAGES_H

#include <string>
#include <string_view>

#include "platform/cp1252.h"

namespace tavrin::project {

// The first "%s" of `pattern` replaced by `value` (the value is taken as it is, never as a
// format).
std::string withArgument(std::string_view pattern, std::string_view value);

namespace msg {

using platform::literals::operator""_cp1252;

// Reading and saving a block file.
inline constexpr const char* kLoadingBlock = "Lade Baustein '%s' ..."_cp1252;
inline constexpr const char* kBlockNotSavedCorrectly =
    "Geladener Baustein %s ist nicht korrekt abgespeichert !"_cp1252;
inline constexpr const char* kBlockTooLong =
    "Der Baustein %s hat mehr als 4199 Zeilen.\nDie restlichen Zeilen wurden nicht geladen !"_cp1252;
inline constexpr const char* kSavingBlock = "Abspeichern von '%s' ..."_cp1252;
inline constexpr const char* kBlockEmpty = "%s wird nicht abgespeichert (ist leer) !"_cp1252;

// ASCII import. The menu command's file dialog and the status text while the caller closes the
// editor windows come first.
inline constexpr const char* kImportDialogTitle = "ASCII-Import"_cp1252;
inline constexpr const char* kImportDialogFilter = "ASCII-Dateien (*.AWL)|*.AWL"_cp1252;
inline constexpr const char* kClosingEditorWindows = "Schliessen aller Editorfenster."_cp1252;
inline constexpr const char* kImportNotAwl =
    "Die ausgewaehlte Datei, ist keine AWL- Datei!\nEs koennen nur Datei mit der Endung AWL, "
    "welche\nvom DOS- Simulator exportiert wurden, ausgewertet werden.\nAbbruch!"_cp1252;
inline constexpr const char* kImportFileDoesNotExist = "Die Datei '%s' besteht nicht!"_cp1252;
inline constexpr const char* kImportFileMissing = "Datei '%s' ist nicht vorhanden!"_cp1252;
inline constexpr const char* kImportCannotOpen =
    "Konnte Datei '%s'\nnicht oeffnen.\nAbbruch!"_cp1252;
inline constexpr const char* kImportReadFailed = "Fehler beim Lesen der Datei: %s\nAbbruch!"_cp1252;
inline constexpr const char* kImportBadContents =
    "Fehler beim Lesen der Datei\n%s\nAbbruch!"_cp1252;
inline constexpr const char* kImportWriteFailed =
    "Fehler beim Beschreiben der Datei\n%s\nAbbruch!"_cp1252;
inline constexpr const char* kImportDiskFull =
    "Fehler beim Beschreiben der Datei\n%s\n\nZu wenig Speicherplatz vorhanden!"_cp1252;
inline constexpr const char* kImportOverwrite = "Soll die Datei '%s' ueberschrieben werden?"_cp1252;
inline constexpr const char* kImportEvaluating = "Auswerten von Datei: %s"_cp1252;
inline constexpr const char* kImportFinished = "Ascii- Import beendet!"_cp1252;
inline constexpr const char* kImportNoBlocks = "Keine Bausteine in der Datei '%s'gefunden."_cp1252;

// Projects: the product's caption, then opening or creating, closing, saving, saving under a
// new name, deleting, and the desktop save. The titles and filters are those of the file
// dialogs the windows show before they call the project functions.
inline constexpr const char* kProductCaption = "Tavrin-S5 V1.77"_cp1252;
inline constexpr const char* kProjectCaption = "%s - %s"_cp1252;
inline constexpr const char* kOpenProjectTitle = "Projekt öffnen/erzeugen"_cp1252;
inline constexpr const char* kProjectFileFilter = "Projektdateien (*.prj)|*.prj"_cp1252;
inline constexpr const char* kProjectFileGone =
    "Die Projektdatei [%s]\nist nicht mehr vorhanden!"_cp1252;
inline constexpr const char* kNotAProjectFile =
    "Die ausgewählte Datei         \n'%s'\nist keine Projektdatei!        "_cp1252;
inline constexpr const char* kUmlautInProjectPath =
    "Im Projektnamen und im Pfad duerfen keine Umlaute enthalten sein!\nAbbruch!"_cp1252;
inline constexpr const char* kCannotEnterProjectDirectory =
    "Konnte das Projekt-Verzeichnis\n'%s'\nnicht einstellen!\nAbbruch!"_cp1252;
inline constexpr const char* kProjectDirectoryExists =
    "Das Projektverzeichnis existiert schon.\nAbbruch!"_cp1252;
inline constexpr const char* kProjectDirectoryNotCreated =
    "Das Projektverzeichnis konnte nicht angelegt werden."_cp1252;
inline constexpr const char* kCannotCreateProjectFile = "Kann Projektdatei nicht erzeugen."_cp1252;
inline constexpr const char* kOpenBlocksHint =
    "Mit der [F3]-Taste können Sie die Bausteine öffnen!"_cp1252;
inline constexpr const char* kProjectSaved = "Projekt wurde abgespeichert."_cp1252;
inline constexpr const char* kSaveProjectAsTitle = "Projekt speichern unter..."_cp1252;
inline constexpr const char* kSaveAsTargetExists =
    "Das Projekt\n%s\nist bereits vorhanden!\nAbbruch!"_cp1252;
inline constexpr const char* kSaveAsNoSpace =
    "Es ist nicht genuegend Speicherplatz auf dem Ziellaufwerk vorhanden\num das gesamte Projekt "
    "zu speichern."_cp1252;
inline constexpr const char* kSaveAsNoDirectory =
    "Konnte Verzeichnis für Projekt\n%s\nnicht anlegen!\nAbbruch!"_cp1252;
inline constexpr const char* kSaveAsWindowsOpen =
    "Abbruch, da nicht alle Fenster geschlossen werden konnten!"_cp1252;
inline constexpr const char* kCopyProjectFileFailed =
    "Fehler beim Kopieren der Projektdatei!\nAbbruch!"_cp1252;
inline constexpr const char* kCopyBlocksFailed =
    "Fehler beim Kopieren der Bausteine!\nAbbruch!"_cp1252;
inline constexpr const char* kCopySymbolFileFailed =
    "Fehler beim Kopieren der Symbolikdatei!"_cp1252;
inline constexpr const char* kSaveAsFinished = "Projekt speichern unter.. beendet"_cp1252;
inline constexpr const char* kDeleteProjectTitle = "Projekt löschen"_cp1252;
inline constexpr const char* kDeleteOnlyProjects =
    "Es können nur Projekte geloescht werden."_cp1252;
inline constexpr const char* kDeleteOpenProject =
    "Ein geoeffnetes Projekt kann nicht geloescht werden."_cp1252;
inline constexpr const char* kDeleteProjectQuestion =
    "Wollen Sie wirklich das Projekt '%s' loeschen?"_cp1252;
inline constexpr const char* kProjectDeleted = "Das Projekt wurde geloescht."_cp1252;
inline constexpr const char* kProjectDirectoryNotDeleted =
    "Das Projektverzeichnis konnte nicht geloescht werden."_cp1252;
inline constexpr const char* kDesktopNotSaved = "Kann Desktop-Daten nicht sichern."_cp1252;

}  // namespace msg

}  // namespace tavrin::project

#endif
