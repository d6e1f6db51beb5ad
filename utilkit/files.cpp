// Files: existence, size, deletion, counting by pattern, and whether a directory takes new files.
// Names are found whatever their case; a name with '*' or '?' stands for the first match.
#include <climits>
#include <cstdio>
#include <optional>
#include <string>

#include "utilkit/case_insensitive_name.h"
#include "utilkit/library_paths.h"
#include "utilkit/name_pattern.h"
#include "utilkit/utilkit40.h"

namespace fs = std::filesystem;
using namespace tavrin::utilkit;

namespace {

bool isFile(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  return fs::exists(status) && !fs::is_directory(status);
}

// The files of `directory` whose names match `pattern`, in byte order of their names.
template <typename Visit>
void forEachMatchingFile(const fs::path& directory, const std::string& pattern, Visit visit) {
  std::error_code ec;
  fs::directory_iterator it(directory.empty() ? fs::path(".") : directory, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().native();
    if (matchesNamePattern(name, pattern) && isFile(it->path())) visit(it->path());
  }
}

std::optional<fs::path> findFile(const char* name) {
  const fs::path path = toPath(name);
  if (isFile(path)) return path;
  const std::string last = path.filename().native();
  if (!hasWildcards(last)) {
    fs::path resolved = resolveNameCase(path);
    if (isFile(resolved)) return resolved;
    return std::nullopt;
  }
  std::optional<fs::path> first;
  forEachMatchingFile(resolveNameCase(path.parent_path()), last, [&](const fs::path& match) {
    if (!first || match.filename() < first->filename()) first = match;
  });
  return first;
}

}  // namespace

extern "C" {

unsigned char U_DateiVorhanden(const char* name) {
  if (name == nullptr) return 0;
  try {
    return findFile(name) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

// Any accessible entry counts, as the name's users expect of an access check.
unsigned char U_VerzeichnisVorhanden(const char* path) {
  if (path == nullptr || path[0] == '\0') return 0;
  try {
    std::error_code ec;
    return fs::exists(fs::status(existingPath(path), ec)) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

unsigned char U_DateiLoeschen(const char* name) {
  if (name == nullptr) return 0;
  try {
    const fs::path path = resolveNameCase(toPath(name));
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(path, ec))) return 0;
    return fs::remove(path, ec) && !ec ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

// A size beyond 32 bits reads as the largest 32-bit value.
uint32_t U_GetFileSizeBytes(const char* name) {
  if (name == nullptr) return 0;
  try {
    const std::optional<fs::path> file = findFile(name);
    if (!file) return 0;
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(*file, ec);
    if (ec) return 0;
    return size > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(size);
  } catch (...) {
    return 0;
  }
}

// The pattern is the directory text followed by "*.<extension>", so the directory should end in
// a separator; the directory part of the pattern is found whatever its case.
short U_GetAnzahlDateienImPfad(const char* directory, const char* extension) {
  if (directory == nullptr || extension == nullptr) return 0;
  try {
    const fs::path pattern = toPath((std::string(directory) + "*." + extension).c_str());
    int count = 0;
    forEachMatchingFile(resolveNameCase(pattern.parent_path()), pattern.filename().native(),
                        [&](const fs::path&) {
                          if (count < SHRT_MAX) ++count;
                        });
    return static_cast<short>(count);
  } catch (...) {
    return 0;
  }
}

// Tries to create a probe file in the directory; a directory that refuses it is read-only
// (a missing one too). A separator is put between directory and probe name when missing.
unsigned char U_IstVerzeichnisSchreibgeschuetzt(const char* directory) {
  if (directory == nullptr) return 1;
  try {
    std::string probe = directory[0] != '\0' ? existingPath(directory).native() : std::string();
    if (!probe.empty() && probe.back() != '/') probe += '/';
    probe += "_12__ZELK.OOO";
    std::FILE* file = std::fopen(probe.c_str(), "w");
    if (file == nullptr) return 1;
    std::fclose(file);
    std::remove(probe.c_str());
    return 0;
  } catch (...) {
    return 1;
  }
}

// The free space of a drive is not measured: callers only rely on the result 0 and the flag.
uint32_t U_GetFreierSpeicherAufLW(char /*drive*/, unsigned char* flag) {
  if (flag != nullptr) *flag = 1;
  return 0;
}

}  // extern "C"
