// The contents of a project file (*.PRJ): the project's own options, its times, its special
// function blocks and the state of its windows.
//
// Contents
//   kOwnColoursValue, kSystemColoursValue   the two spellings of "farben"
//   ProjectFileData             everything this program keeps in a project file
//   readProjectFileData         at opening
//   hasProjectKeys              does a file hold a project at all?
//   writeProjectFileData        at saving
//   startNewProject             the values a new project file gets
//   readSpecialFbs / writeSpecialFbs   "SonderFB%d" of section "Sonstiges"
//   symbolFileOf                where the project's symbol file lies
//   ProjectSymbolSettings, symbolSettingsOf   that file and how its symbols are shown
//
// The editors of the desktop are written at program end (writeEditorEntries of
// project_desktop.h) and never read back. The analog modules' keys belong to their library.
#ifndef MAIN_PROJECT_PROJECT_FILE_H
#define MAIN_PROJECT_PROJECT_FILE_H

#include <bitset>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "main/project/project_desktop.h"
#include "main/project/settings_values.h"
#include "platform/ini_document.h"

namespace tavrin::project {

inline constexpr std::string_view kOwnColoursValue = "Tavrin";
inline constexpr std::string_view kSystemColoursValue = "Windows";

struct ProjectFileData {
  SettingsValues values{SettingsFile::Project};
  std::bitset<256> specialFbs;
  ProjectDesktop desktop;
  bool operator==(const ProjectFileData&) const = default;
};

ProjectFileData readProjectFileData(const platform::IniDocument& document);

// True when the file holds any key that opening reads: "adressen" or "farben" of "projekt", a
// footer text, or the creation or change date.
bool hasProjectKeys(const platform::IniDocument& document);

// The stored single values, the special function blocks and the desktop. False when a text
// cannot be stored in a line (it holds CR or LF); everything else is written all the same.
bool writeProjectFileData(platform::IniDocument& document, const ProjectFileData& data);

// The twelve footer texts empty, "adressen" "dezimal", "farben" "Windows" for the system colours
// or "Tavrin" for the program's own, "Erstellt" and "Geaendert" `today` ("dd.mm.yyyy").
void startNewProject(ProjectFileData& data, std::string_view today, bool systemColours);

// Keys "SonderFB0", "SonderFB1", ... in turn until one is missing or its value does not begin
// with "FB" and a digit; a number 0..255 sets its flag, others are passed over.
std::bitset<256> readSpecialFbs(const platform::IniDocument& document);
// One key per set flag, "FB%d", numbered from 0 in ascending FB number; the special-FB keys
// beyond them are removed, every other key of the section stays.
void writeSpecialFbs(platform::IniDocument& document, const std::bitset<256>& specialFbs);

// The file "SymbolikDatei" names, relative to the project directory (a name written with '\'
// is mapped into it, an existing file is found whatever its case); nothing when the key is
// empty.
std::optional<std::filesystem::path> symbolFileOf(const SettingsValues& values,
                                                  const std::filesystem::path& projectDirectory);

struct ProjectSymbolSettings {
  std::optional<std::filesystem::path> file;  // symbolFileOf
  bool showSymbols = false;                   // "SymbolikAktiv"
  bool autoComment = false;                   // "AutomatischeKommentierung"
  bool replaceOldComment = false;             // "SymOldKommentarLoeschen"
  bool operator==(const ProjectSymbolSettings&) const = default;
};

// The project's symbol file and its display settings. When the file does not exist, showing
// symbols and automatic commenting are off (and so is replacing old comments, a part of it).
ProjectSymbolSettings symbolSettingsOf(const SettingsValues& values,
                                       const std::filesystem::path& projectDirectory);

}  // namespace tavrin::project

#endif
