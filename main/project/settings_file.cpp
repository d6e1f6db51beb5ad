#include "main/project/settings_file.h"

#include <algorithm>
#include <cstdio>

#include "main/project/indexed_keys.h"
#include "platform/file_lookup.h"
#include "platform/ini_profile.h"

namespace tavrin::project {

namespace {

bool anyColourStored(const SettingsValues& values) {
  for (std::size_t i = 0; i < kColourCount; ++i)
    if (values.isStored(static_cast<Setting>(static_cast<std::size_t>(kFirstColour) + i)))
      return true;
  return false;
}

std::string colourCountText() {
  char text[16];
  std::snprintf(text, sizeof text, "%03u", static_cast<unsigned>(kColourCount));
  return text;
}

// Loads the file, lets `edit` change it and writes it back; an unreadable file stays alone.
template <typename Edit>
platform::IoStatus editSettingsFile(const std::filesystem::path& programDirectory, Edit edit) {
  const std::filesystem::path file = settingsFilePath(programDirectory);
  platform::IniFileLoad load = platform::loadIniFile(file);
  if (!load.ok()) return {load.error};
  const std::string before = load.document.bytes();
  if (!edit(load.document)) return {"a setting cannot be stored in a line of " + file.string()};
  if (load.exists && load.document.bytes() == before) return {};
  return platform::saveIniFile(file, load.document);
}

}  // namespace

std::filesystem::path settingsFilePath(const std::filesystem::path& programDirectory) {
  return platform::resolvePath(programDirectory, std::string(kSettingsFileName));
}

ProgramSettings readProgramSettings(const platform::IniDocument& document,
                                    const std::filesystem::path& programDirectory) {
  ProgramSettings settings;
  settings.values = SettingsValues::read(document, SettingsFile::Program);
  const SettingsKey& ip = settingsKey(Setting::IniIpList);
  for (const IndexedValue& entry : readIndexedKeys(document, ip.section, ip.key, ip.keyIndex)) {
    if (entry.value.empty()) continue;
    auto& list = settings.adapterAddresses;
    if (std::find(list.begin(), list.end(), entry.value) == list.end()) list.push_back(entry.value);
  }
  settings.recentProjects = RecentProjects::read(document, [&](std::string_view path) {
    return recentProjectAvailable(path, programDirectory);
  });
  return settings;
}

bool writeProgramSettings(platform::IniDocument& document, const ProgramSettings& settings) {
  bool allWritten = settings.values.writeTo(document);
  if (anyColourStored(settings.values)) {
    const SettingsKey& count = settingsKey(Setting::IniFarbenAnzahl);
    allWritten = document.writeString(count.section, count.key, colourCountText()) && allWritten;
  }
  const SettingsKey& ip = settingsKey(Setting::IniIpList);
  allWritten = writeIndexedKeys(document, ip.section, ip.key, ip.keyIndex.first,
                                settings.adapterAddresses) &&
               allWritten;
  return settings.recentProjects.writeTo(document) && allWritten;
}

SettingsFileRead readSettingsFile(const std::filesystem::path& programDirectory) {
  SettingsFileRead read;
  const platform::IniFileLoad load = platform::loadIniFile(settingsFilePath(programDirectory));
  read.exists = load.exists;
  read.error = load.error;
  read.settings = readProgramSettings(load.document, programDirectory);
  return read;
}

platform::IoStatus writeSettingsFile(const std::filesystem::path& programDirectory,
                                     const ProgramSettings& settings) {
  return editSettingsFile(programDirectory, [&](platform::IniDocument& document) {
    return writeProgramSettings(document, settings);
  });
}

platform::IoStatus writeRecentProjects(const std::filesystem::path& programDirectory,
                                       const RecentProjects& recent) {
  return editSettingsFile(
      programDirectory, [&](platform::IniDocument& document) { return recent.writeTo(document); });
}

}  // namespace tavrin::project
