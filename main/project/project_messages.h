// The message and status texts of block files and the ASCII import (Windows-1252). Every text
// stands here once; "%s" marks where a name or path goes (see withArgument).
//
// Contents
//   withArgument      a text with its "%s" filled in
//   reading, saving   the texts of block files
//   ASCII import      the texts of the listing import
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

}  // namespace msg

}  // namespace tavrin::project

#endif
