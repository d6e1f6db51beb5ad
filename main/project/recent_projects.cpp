#include "main/project/recent_projects.h"

#include <algorithm>

#include "main/project/indexed_keys.h"
#include "main/project/project_settings_keys.h"
#include "platform/foreign_path.h"

namespace tavrin::project {

namespace {

const SettingsKey& listKey() {
  return settingsKey(Setting::IniLetzteProjekte);
}

bool onRemovableDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         (path[0] == 'A' || path[0] == 'a' || path[0] == 'B' || path[0] == 'b');
}

}  // namespace

bool recentProjectAvailable(std::string_view path, const std::filesystem::path& programDirectory) {
  if (path.empty()) return false;
  if (onRemovableDrive(path)) return true;
  std::error_code error;
  return std::filesystem::is_regular_file(platform::locateForeignPath(path, programDirectory),
                                          error);
}

RecentProjects RecentProjects::read(const platform::IniDocument& document,
                                    const Available& available) {
  RecentProjects list;
  const SettingsKey& key = listKey();
  for (const IndexedValue& entry : readIndexedKeys(document, key.section, key.key, key.keyIndex)) {
    const std::string& path = entry.value;
    if (path.empty() || path.size() > kRecentPathLength) continue;
    if (std::find(list.entries_.begin(), list.entries_.end(), path) != list.entries_.end())
      continue;
    if (!available(path)) continue;
    list.entries_.push_back(path);
  }
  return list;
}

bool RecentProjects::writeTo(platform::IniDocument& document) const {
  const SettingsKey& key = listKey();
  return writeIndexedKeys(document, key.section, key.key, key.keyIndex.first, entries_);
}

bool RecentProjects::moveToFront(std::string_view path) {
  if (path.empty() || path.size() > kRecentPathLength) return false;
  remove(path);
  entries_.insert(entries_.begin(), std::string(path));
  if (entries_.size() > kRecentProjectCount) entries_.resize(kRecentProjectCount);
  return true;
}

bool RecentProjects::remove(std::string_view path) {
  const auto found = std::find(entries_.begin(), entries_.end(), path);
  if (found == entries_.end()) return false;
  entries_.erase(found);
  return true;
}

std::optional<std::size_t> RecentProjects::indexOfCommand(int command) const {
  if (command < kFirstRecentCommand) return std::nullopt;
  const auto index = static_cast<std::size_t>(command - kFirstRecentCommand);
  if (index >= entries_.size()) return std::nullopt;
  return index;
}

}  // namespace tavrin::project
