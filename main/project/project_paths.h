// Names and places of projects.
//
// Contents
//   kProjectFileExtension   ".PRJ"
//   isProjectFileName       does a name end in ".PRJ" (any case)?
//   hasExtension            does the last component have one?
//   hasNonAsciiByte         a byte of 128 or above anywhere in a path
//   NewProjectLocation, newProjectLocation   D/NAME.PRJ -> D/NAME/NAME.PRJ
//   projectDirectoryOf      the directory that holds a project file
//   findProjectFile         an existing project file, whatever the case of its name
#ifndef MAIN_PROJECT_PROJECT_PATHS_H
#define MAIN_PROJECT_PROJECT_PATHS_H

#include <filesystem>
#include <optional>
#include <string_view>

namespace tavrin::project {

inline constexpr std::string_view kProjectFileExtension = ".PRJ";

bool isProjectFileName(const std::filesystem::path& path);
bool hasExtension(const std::filesystem::path& path);
bool hasNonAsciiByte(std::string_view text);

// A project named NAME chosen in directory D lives in D/NAME, its file is D/NAME/NAME.PRJ.
// ".PRJ" is appended to a chosen name without an extension.
struct NewProjectLocation {
  std::filesystem::path directory;
  std::filesystem::path projectFile;
};
NewProjectLocation newProjectLocation(const std::filesystem::path& chosen);

std::filesystem::path projectDirectoryOf(const std::filesystem::path& projectFile);

// The file itself when it exists, else a file of its directory whose name differs only in
// ASCII case; nothing when neither exists. A relative path is taken from the current directory.
std::optional<std::filesystem::path> findProjectFile(const std::filesystem::path& path);

}  // namespace tavrin::project

#endif
