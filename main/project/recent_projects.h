// The list of recently opened projects: the last items of the first menu.
//
// Contents
//   kRecentProjectCount, kRecentPathLength, kFirstRecentCommand
//   RecentProjects            the list, most recent first
//     read / writeTo          the keys "P1" .. "P6" of section "LetzteProjekte"
//     moveToFront, remove     opening and forgetting a project
//     commandOf, indexOfCommand   the menu commands 24311 .. 24316
//   recentProjectAvailable    whether an entry may be shown
//
// Reading takes every key "P1" to "P6" that is present, in number order, and passes over a key
// that is missing or names a project that no longer exists: the entries after it are still
// read. A path on drive A or B (removable media) is taken without looking. Each path stands
// in the list once; a path longer than 248 characters cannot be held and is not taken.
#ifndef MAIN_PROJECT_RECENT_PROJECTS_H
#define MAIN_PROJECT_RECENT_PROJECTS_H

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_document.h"

namespace tavrin::project {

inline constexpr std::size_t kRecentProjectCount = 6;
inline constexpr std::size_t kRecentPathLength = 248;
inline constexpr int kFirstRecentCommand = 24311;

// True for a path on drive A or B ("A:\PROJEKT\X.PRJ"), and for a project file that exists:
// a native path as it is, a path written with '\' or another drive letter under
// `programDirectory` (see foreign_path.h).
bool recentProjectAvailable(std::string_view path, const std::filesystem::path& programDirectory);

class RecentProjects {
 public:
  using Available = std::function<bool(std::string_view path)>;

  static RecentProjects read(const platform::IniDocument& document, const Available& available);
  // "P1" .. "Pn" for the n entries; the keys of the entries the list no longer has are
  // removed. False when a path cannot be stored in a line.
  bool writeTo(platform::IniDocument& document) const;

  const std::vector<std::string>& entries() const { return entries_; }
  // An entry already in the list moves to the front, the others shift down; a new path is
  // inserted at the front and the oldest beyond six drops out. False (the list unchanged) for
  // an empty path or one longer than kRecentPathLength.
  bool moveToFront(std::string_view path);
  bool remove(std::string_view path);

  static int commandOf(std::size_t index) { return kFirstRecentCommand + static_cast<int>(index); }
  // The entry a menu command opens, when the list has it.
  std::optional<std::size_t> indexOfCommand(int command) const;

  bool operator==(const RecentProjects&) const = default;

 private:
  std::vector<std::string> entries_;
};

}  // namespace tavrin::project

#endif
