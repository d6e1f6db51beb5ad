#include "platform/file_lookup.h"

#include <string>
#include <vector>

#include "platform/ascii_case.h"

namespace tavrin::platform {

namespace fs = std::filesystem;

namespace {

bool fits(const fs::file_status& status, bool needDirectory) {
  return needDirectory ? fs::is_directory(status) : fs::exists(status);
}

// The name of the entry in `dir` that stands for `name`, if any.
std::optional<std::string> findEntry(const fs::path& dir, const std::string& name,
                                     bool needDirectory) {
  std::error_code ec;
  const fs::path exact = dir / name;
  const fs::file_status status =
      needDirectory ? fs::status(exact, ec) : fs::symlink_status(exact, ec);
  if (fits(status, needDirectory)) return name;

  std::optional<std::string> best;
  const fs::path listed =
      dir.empty() ? fs::path(".") : dir;  // a relative path from the current directory
  for (fs::directory_iterator it(listed, ec), end; !ec && it != end; it.increment(ec)) {
    std::string candidate = it->path().filename().string();
    if (!equalsIgnoreAsciiCase(candidate, name)) continue;
    std::error_code statusError;
    const fs::file_status candidateStatus =
        needDirectory ? it->status(statusError) : it->symlink_status(statusError);
    if (statusError || !fits(candidateStatus, needDirectory)) continue;
    if (!best || candidate < *best) best = std::move(candidate);
  }
  return best;
}

struct Walk {
  fs::path found;                      // the matched part, in the case found on disk
  std::vector<std::string> unmatched;  // the rest, as given
};

Walk walk(const fs::path& base, const fs::path& relative) {
  std::vector<std::string> parts;
  for (const fs::path& part : relative.relative_path()) {
    const std::string text = part.string();
    if (!text.empty() && text != ".") parts.push_back(text);
  }
  Walk result{relative.is_absolute() ? relative.root_path() : base, {}};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::optional<std::string> entry =
        parts[i] == ".." ? parts[i] : findEntry(result.found, parts[i], i + 1 < parts.size());
    if (!entry) {
      result.unmatched.assign(parts.begin() + static_cast<std::ptrdiff_t>(i), parts.end());
      break;
    }
    result.found /= *entry;
  }
  return result;
}

}  // namespace

std::optional<fs::path> findExistingPath(const fs::path& base, const fs::path& relative) {
  Walk result = walk(base, relative);
  if (!result.unmatched.empty()) return std::nullopt;
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(result.found, ec))) return std::nullopt;
  return std::move(result.found);
}

fs::path resolvePath(const fs::path& base, const fs::path& relative) {
  Walk result = walk(base, relative);
  for (const std::string& part : result.unmatched)
    result.found /= part;
  return std::move(result.found);
}

}  // namespace tavrin::platform
