// The settings file TAVRIN.INI in the program directory: the options that are the same for
// every project.
//
// Contents
//   kSettingsFileName, settingsFilePath
//   ProgramSettings      the single keys, the known TCP/IP adapter addresses, the recent projects
//   SettingsFileRead     what reading found
//   readSettingsFile     once at start
//   writeSettingsFile    at program end (when "TavrinIniSichern" is set) and by the dialogs
//   writeRecentProjects  only the recent-project keys
//
// Each write loads the file, changes the keys it owns one by one and writes the file back
// crash-safe, so comments, unknown keys and the keys of other programs stay as they were. A
// file that exists but cannot be read is never written: its contents would be lost.
#ifndef MAIN_PROJECT_SETTINGS_FILE_H
#define MAIN_PROJECT_SETTINGS_FILE_H

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "main/project/recent_projects.h"
#include "main/project/settings_values.h"
#include "platform/file_bytes.h"
#include "platform/ini_document.h"

namespace tavrin::project {

inline constexpr std::string_view kSettingsFileName = "TAVRIN.INI";

// The settings file of `programDirectory`, an existing one found whatever the case of its name.
std::filesystem::path settingsFilePath(const std::filesystem::path& programDirectory);

struct ProgramSettings {
  SettingsValues values{SettingsFile::Program};
  // "IP0", "IP1", ...: every non-empty address once, in number order.
  std::vector<std::string> adapterAddresses;
  RecentProjects recentProjects;
  bool operator==(const ProgramSettings&) const = default;
};

// The settings a document holds. `programDirectory` is where paths of the recent list written
// with '\' are looked for.
ProgramSettings readProgramSettings(const platform::IniDocument& document,
                                    const std::filesystem::path& programDirectory);
// Every stored single value, the colour count "022" when a colour is stored, the adapter list
// ("IP%d" from 0) and the recent list. False when a value cannot be stored in a line.
bool writeProgramSettings(platform::IniDocument& document, const ProgramSettings& settings);

struct SettingsFileRead {
  ProgramSettings settings;
  bool exists = false;
  std::string error;  // the file exists but cannot be read: the settings are the defaults
  bool ok() const { return error.empty(); }
};

SettingsFileRead readSettingsFile(const std::filesystem::path& programDirectory);
platform::IoStatus writeSettingsFile(const std::filesystem::path& programDirectory,
                                     const ProgramSettings& settings);
platform::IoStatus writeRecentProjects(const std::filesystem::path& programDirectory,
                                       const RecentProjects& recent);

}  // namespace tavrin::project

#endif
