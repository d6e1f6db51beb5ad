#include "platform/foreign_path.h"

#include <string>
#include <vector>

#include "platform/file_lookup.h"

namespace tavrin::platform {

namespace fs = std::filesystem;

namespace {

bool hasDriveLetter(std::string_view written) {
  if (written.size() < 2 || written[1] != ':') return false;
  const char c = written[0];
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The components below the base, ".." already applied.
std::vector<std::string_view> foreignComponents(std::string_view written) {
  if (hasDriveLetter(written)) written.remove_prefix(2);
  std::vector<std::string_view> parts;
  while (!written.empty()) {
    const std::size_t end = written.find_first_of("\\/");
    const std::string_view part = written.substr(0, end);
    written.remove_prefix(end == std::string_view::npos ? written.size() : end + 1);
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  return parts;
}

}  // namespace

bool isForeignPath(std::string_view written) {
  return written.find('\\') != std::string_view::npos || hasDriveLetter(written);
}

fs::path mapForeignPath(std::string_view written, const fs::path& base) {
  if (written.empty()) return base;
  if (!isForeignPath(written)) {
    const fs::path native(written);
    return native.is_absolute() ? native : base / native;
  }
  fs::path mapped = base;
  for (const std::string_view part : foreignComponents(written))
    mapped /= fs::path(part);
  return mapped;
}

fs::path locateForeignPath(std::string_view written, const fs::path& base) {
  if (!isForeignPath(written)) {
    const fs::path native(written);
    if (native.is_absolute()) return resolvePath(native.root_path(), native.relative_path());
    return resolvePath(base, native);
  }
  fs::path relative;
  for (const std::string_view part : foreignComponents(written))
    relative /= fs::path(part);
  return resolvePath(base, relative);
}

}  // namespace tavrin::platform
