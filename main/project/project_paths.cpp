#include "main/project/project_paths.h"

#include "platform/ascii_case.h"
#include "platform/file_lookup.h"

namespace tavrin::project {

bool isProjectFileName(const std::filesystem::path& path) {
  return platform::equalsIgnoreAsciiCase(path.extension().string(), kProjectFileExtension);
}

bool hasExtension(const std::filesystem::path& path) {
  return path.has_extension();
}

bool hasNonAsciiByte(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 128) return true;
  return false;
}

NewProjectLocation newProjectLocation(const std::filesystem::path& chosen) {
  std::filesystem::path file = chosen.filename();
  if (!file.has_extension()) file += std::string(kProjectFileExtension);
  const std::filesystem::path directory = chosen.parent_path() / file.stem();
  return {directory, directory / file};
}

std::filesystem::path projectDirectoryOf(const std::filesystem::path& projectFile) {
  return projectFile.parent_path();
}

std::optional<std::filesystem::path> findProjectFile(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error).lexically_normal();
  if (error || !absolute.has_filename()) return std::nullopt;
  const auto found = platform::findExistingPath(absolute.parent_path(), absolute.filename());
  if (!found || !std::filesystem::is_regular_file(*found, error)) return std::nullopt;
  return found;
}

}  // namespace tavrin::project
