// Case-blind lookup of the last path component in its directory.
#include "utilkit/case_insensitive_name.h"

#include <string>

namespace tavrin::utilkit {

namespace {

char asciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
  return true;
}

}  // namespace

std::filesystem::path resolveNameCase(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) return path;
  const std::string wanted = path.filename().native();
  if (wanted.empty()) return path;
  const std::filesystem::path parent = path.parent_path();
  std::filesystem::directory_iterator it(parent.empty() ? "." : parent, ec);
  std::string best;
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().native();
    if (sameIgnoringCase(name, wanted) && (best.empty() || name < best)) best = name;
  }
  return best.empty() ? path : parent / best;
}

}  // namespace tavrin::utilkit
