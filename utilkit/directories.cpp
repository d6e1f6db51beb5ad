// Whole directories: copying a tree into another directory and removing a tree.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "utilkit/library_paths.h"
#include "utilkit/path_separators.h"
#include "utilkit/utilkit40.h"

namespace fs = std::filesystem;
using namespace tavrin::utilkit;

namespace {

// The entries of a directory, read completely before any is handled, so that what the walk
// creates or removes cannot disturb it. False when the directory cannot be read.
bool listEntries(const fs::path& directory, std::vector<fs::path>& entries) {
  std::error_code ec;
  fs::directory_iterator it(directory, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec))
    entries.push_back(it->path());
  std::sort(entries.begin(), entries.end());
  return !ec;
}

bool isSameOrInside(const fs::path& inner, const fs::path& outer) {
  const auto mismatch = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return mismatch.first == outer.end();
}

// Names beginning with '.' are left out of a copy, as the directory walk always did.
// A symbolic link to a directory is not followed: it could lead back up into the tree.
bool copyTree(const fs::path& target, const fs::path& source) {
  std::vector<fs::path> entries;
  if (!listEntries(source, entries)) return false;
  for (const fs::path& entry : entries) {
    const std::string name = entry.filename().native();
    if (name.starts_with('.')) continue;
    std::error_code ec;
    const fs::file_status linkStatus = fs::symlink_status(entry, ec);
    if (ec) return false;
    const fs::path to = target / name;
    if (fs::is_directory(linkStatus)) {
      fs::create_directory(to, ec);
      if (ec || !fs::is_directory(to, ec) || !copyTree(to, entry)) return false;
    } else if (fs::is_symlink(linkStatus) && fs::is_directory(fs::status(entry, ec))) {
      continue;
    } else if (!copyFileReplacingTarget(to, entry)) {
      return false;
    }
  }
  return true;
}

void reportPath(char* out, const fs::path& path) {
  if (out == nullptr) return;
  const std::string& text = path.native();
  const std::size_t n = std::min<std::size_t>(text.size(), U_MAX_PATH - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

// Every entry goes, dot names included, so that the directory itself can be removed; links are
// removed as links, never followed.
bool removeTree(const fs::path& directory, char* pathOut) {
  std::vector<fs::path> entries;
  if (!listEntries(directory, entries)) return false;
  for (const fs::path& entry : entries) {
    std::error_code ec;
    const fs::file_status linkStatus = fs::symlink_status(entry, ec);
    if (ec) return false;
    if (fs::is_directory(linkStatus)) {
      reportPath(pathOut, entry);
      if (!removeTree(entry, pathOut)) return false;
    } else if (!fs::remove(entry, ec) || ec) {
      return false;
    }
  }
  std::error_code ec;
  return fs::remove(directory, ec) && !ec;
}

}  // namespace

extern "C" {

// A target that is the source or lies inside it is refused before anything is written: the copy
// would walk into its own output.
unsigned char U_DateienMitUnterverzeichnissenKopieren(const char* target, const char* source,
                                                      unsigned char nested) {
  if (target == nullptr || source == nullptr) return 0;
  if (endsWithSeparator(target) || endsWithSeparator(source)) return 0;
  try {
    const fs::path from = existingPath(source);
    const fs::path to = existingPath(target);
    std::error_code ec;
    if (!fs::is_directory(from, ec)) return 0;
    const fs::path realFrom = fs::canonical(from, ec);
    if (ec) return 0;
    const fs::path realTo = fs::weakly_canonical(to, ec);
    if (ec || isSameOrInside(realTo, realFrom)) return 0;
    if (nested == 0 && !fs::exists(fs::symlink_status(to, ec))) {
      fs::create_directory(to, ec);
      if (ec) return 0;
    }
    if (!fs::is_directory(to, ec)) return 0;
    return copyTree(to, from) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

// The result is true only when the directory is gone. `path` shows how far the removal got.
unsigned char U_VerzeichnisTotalLoeschen(const char* directory, unsigned char nested, char* path) {
  if (directory == nullptr || endsWithSeparator(directory)) return 0;
  try {
    const fs::path root = existingPath(directory);
    std::error_code ec;
    if (!fs::is_directory(fs::symlink_status(root, ec))) return 0;
    if (nested == 0) reportPath(path, root);
    return removeTree(root, path) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
