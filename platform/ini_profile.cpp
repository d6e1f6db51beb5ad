#include "platform/ini_profile.h"

namespace tavrin::platform {

namespace {

// Loads, applies `edit` and saves when the bytes changed.
template <typename Edit>
IoStatus editFile(const std::filesystem::path& file, Edit edit) {
  IniFileLoad load = loadIniFile(file);
  if (!load.ok()) return {load.error};
  const std::string before = load.document.bytes();
  if (!edit(load.document)) return {"cannot store this section or key name in " + file.string()};
  if (load.exists && load.document.bytes() == before) return {};
  return saveIniFile(file, load.document);
}

}  // namespace

IniFileLoad loadIniFile(const std::filesystem::path& file) {
  FileBytes read = readFileBytes(file);
  IniFileLoad load;
  load.exists = read.exists;
  load.error = std::move(read.error);
  if (load.ok()) load.document = IniDocument::parse(read.bytes);
  return load;
}

IoStatus saveIniFile(const std::filesystem::path& file, const IniDocument& document) {
  return replaceFileContents(file, document.bytes());
}

std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
  return loadIniFile(file).document.readString(section, key, defaultValue);
}

int readProfileInt(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, int defaultValue) {
  return loadIniFile(file).document.readInt(section, key, defaultValue);
}

std::vector<std::string> readProfileSectionNames(const std::filesystem::path& file) {
  return loadIniFile(file).document.sectionNames();
}

std::vector<std::string> readProfileKeyNames(const std::filesystem::path& file,
                                             std::string_view section) {
  return loadIniFile(file).document.keyNames(section);
}

IoStatus writeProfileString(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view value) {
  return editFile(file, [&](IniDocument& doc) { return doc.writeString(section, key, value); });
}

IoStatus writeProfileInt(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, int value) {
  return editFile(file, [&](IniDocument& doc) { return doc.writeInt(section, key, value); });
}

IoStatus deleteProfileKey(const std::filesystem::path& file, std::string_view section,
                          std::string_view key) {
  IniFileLoad load = loadIniFile(file);
  if (!load.ok()) return {load.error};
  if (!load.document.deleteKey(section, key)) return {};
  return saveIniFile(file, load.document);
}

IoStatus deleteProfileSection(const std::filesystem::path& file, std::string_view section) {
  IniFileLoad load = loadIniFile(file);
  if (!load.ok()) return {load.error};
  if (!load.document.deleteSection(section)) return {};
  return saveIniFile(file, load.document);
}

}  // namespace tavrin::platform
