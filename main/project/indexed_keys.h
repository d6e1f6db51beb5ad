// Numbered keys of a profile section: "P1" .. "P6", "Editor 0", "variable000", ...
//
// Contents
//   IndexedValue       one numbered key's index and value
//   readIndexedKeys    every key of the pattern's shape, by index
//   writeIndexedKeys   a list written from its first index, stale entries removed
//   deleteIndexedKeys  every key of the pattern's shape removed
//
// The lists are found by looking at every key of the section, so an entry after a gap is read
// too. Writing puts each value in place of the key it replaces (so the lines keep their order
// and whatever stands between them) and then removes the keys of the pattern that the list no
// longer has: entries beyond its end and other spellings of the same number ("P01" beside
// "P1"). Keys of other shapes and every other line of the file are not touched.
#ifndef MAIN_PROJECT_INDEXED_KEYS_H
#define MAIN_PROJECT_INDEXED_KEYS_H

#include <string>
#include <string_view>
#include <vector>

#include "main/project/project_settings_keys.h"
#include "platform/ini_document.h"

namespace tavrin::project {

struct IndexedValue {
  int index = 0;
  std::string value;
  bool operator==(const IndexedValue&) const = default;
};

// In ascending index, each index once (the key of the first spelling in the file), only
// indices inside `range` (when it is used).
std::vector<IndexedValue> readIndexedKeys(const platform::IniDocument& document,
                                          std::string_view section, std::string_view pattern,
                                          IndexRange range = {});

// values[i] under index firstIndex + i. False when a value cannot be stored in a line (it holds
// CR or LF); the others are written all the same.
bool writeIndexedKeys(platform::IniDocument& document, std::string_view section,
                      std::string_view pattern, int firstIndex,
                      const std::vector<std::string>& values);

void deleteIndexedKeys(platform::IniDocument& document, std::string_view section,
                       std::string_view pattern);

}  // namespace tavrin::project

#endif
