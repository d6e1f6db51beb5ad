#include "main/project/indexed_keys.h"

#include <algorithm>

#include "platform/ascii_case.h"

namespace tavrin::project {

std::vector<IndexedValue> readIndexedKeys(const platform::IniDocument& document,
                                          std::string_view section, std::string_view pattern,
                                          IndexRange range) {
  std::vector<IndexedValue> found;
  for (const std::string& name : document.keyNames(section)) {
    const std::optional<int> index = matchIndexedName(pattern, name);
    if (!index || (range.used() && !range.contains(*index))) continue;
    const bool seen = std::any_of(found.begin(), found.end(),
                                  [&](const IndexedValue& v) { return v.index == *index; });
    if (seen) continue;
    found.push_back({*index, document.readString(section, name, "")});
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const IndexedValue& a, const IndexedValue& b) { return a.index < b.index; });
  return found;
}

bool writeIndexedKeys(platform::IniDocument& document, std::string_view section,
                      std::string_view pattern, int firstIndex,
                      const std::vector<std::string>& values) {
  bool allWritten = true;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int index = firstIndex + static_cast<int>(i);
    if (!document.writeString(section, indexedName(pattern, index), values[i])) allWritten = false;
  }
  const int end = firstIndex + static_cast<int>(values.size());
  for (const std::string& name : document.keyNames(section)) {
    const std::optional<int> index = matchIndexedName(pattern, name);
    if (!index) continue;
    const bool listed = *index >= firstIndex && *index < end &&
                        platform::equalsIgnoreAsciiCase(name, indexedName(pattern, *index));
    if (!listed) document.deleteKey(section, name);
  }
  return allWritten;
}

void deleteIndexedKeys(platform::IniDocument& document, std::string_view section,
                       std::string_view pattern) {
  for (const std::string& name : document.keyNames(section))
    if (matchIndexedName(pattern, name)) document.deleteKey(section, name);
}

}  // namespace tavrin::project
