// The program directory: home of TAVRIN.INI, the controller type files, the welcome text, the
// trace and backup files.
//
// Contents
//   EnvironmentLookup, processEnvironment   where environment variables come from
//   ProgramDirSources, systemProgramDirSources   everything the directory is derived from
//   programDirectoryPath      which directory it is
//   dataDirectoryPath         which installed data folder seeds it
//   prepareProgramDirectory   create it and seed it
//
// The directory is $TAVRIN_HOME when that is set and not empty, else $XDG_CONFIG_HOME/tavrin
// (only an absolute XDG_CONFIG_HOME counts, as the XDG rules say), else $HOME/.config/tavrin.
// The data folder is $TAVRIN_DATA_DIR when set and not empty, else share/tavrin/data beside the
// directory that holds the executable (an installed /usr/bin/tavrin32 reads /usr/share/tavrin/
// data), else the data folder of the source tree the program was built from.
//
// Seeding copies every file of the data folder (subfolders too) that the program directory does
// not have yet, comparing names without regard to case as every file lookup does. It never
// overwrites a file, so the user's edits survive, and it runs on every start, so files that a
// new version ships arrive in an existing directory too.
#ifndef PLATFORM_PROGRAM_DIR_H
#define PLATFORM_PROGRAM_DIR_H

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::platform {

// The value of an environment variable, or nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;
EnvironmentLookup processEnvironment();

struct ProgramDirSources {
  EnvironmentLookup environment;
  std::filesystem::path executable;      // the running program; empty when unknown
  std::filesystem::path builtInDataDir;  // the source tree's data folder
};
// The process environment, /proc/self/exe and the data folder known at build time.
ProgramDirSources systemProgramDirSources();

// Nothing when none of TAVRIN_HOME, XDG_CONFIG_HOME and HOME gives a directory.
std::optional<std::filesystem::path> programDirectoryPath(const EnvironmentLookup& environment);
std::filesystem::path dataDirectoryPath(const ProgramDirSources& sources);

struct ProgramDirectory {
  std::filesystem::path directory;
  std::filesystem::path dataDirectory;
  std::vector<std::filesystem::path> seeded;  // copied this time, relative to the directory
  std::vector<std::string> problems;          // what could not be seeded; not fatal
  std::string error;                          // the directory itself is unusable
  bool ok() const { return error.empty(); }
};

ProgramDirectory prepareProgramDirectory(const ProgramDirSources& sources);

}  // namespace tavrin::platform

#endif
