// Profile files on disk, read and written key by key like Windows profile-string files.
//
// Contents
//   loadIniFile / saveIniFile        a whole IniDocument from and to a path
//   readProfileString / readProfileInt
//   readProfileSectionNames / readProfileKeyNames
//   writeProfileString / writeProfileInt
//   deleteProfileKey / deleteProfileSection
//
// Each free function parses the file afresh, so a change made by another program in between is
// seen; code that reads many keys loads one IniDocument instead. A missing file reads as empty
// (every read gives its default). A write creates the file when it is missing and replaces it
// with a file written beside it and renamed (see replaceFileContents), so that a crash never
// leaves half a settings file; a write or delete that changes nothing leaves the file alone.
// The semantics of names, values, numbers and line endings are those of IniDocument.
#ifndef PLATFORM_INI_PROFILE_H
#define PLATFORM_INI_PROFILE_H

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_bytes.h"
#include "platform/ini_document.h"

namespace tavrin::platform {

struct IniFileLoad {
  IniDocument document;
  bool exists = false;
  std::string error;  // the file exists but cannot be read; document is then empty
  bool ok() const { return error.empty(); }
};

IniFileLoad loadIniFile(const std::filesystem::path& file);
IoStatus saveIniFile(const std::filesystem::path& file, const IniDocument& document);

std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue);
int readProfileInt(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, int defaultValue);
std::vector<std::string> readProfileSectionNames(const std::filesystem::path& file);
std::vector<std::string> readProfileKeyNames(const std::filesystem::path& file,
                                             std::string_view section);

IoStatus writeProfileString(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view value);
IoStatus writeProfileInt(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, int value);
// Deleting what is not there succeeds and does not create the file.
IoStatus deleteProfileKey(const std::filesystem::path& file, std::string_view section,
                          std::string_view key);
IoStatus deleteProfileSection(const std::filesystem::path& file, std::string_view section);

}  // namespace tavrin::platform

#endif
