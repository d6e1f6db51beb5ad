// Where the files the engine reads and writes lie.
//
// Contents
//   programDirectory     the program directory, or the current directory when there is none
//   programFile          a file of the program directory (trace, backup)
//   namedFile            a file the caller names (S5D files)
//
// Names written for the other platform ("C:\TRACE_S5.TXT", "\S5\PROG.S5D") mean the same name
// under the program directory; an existing file is found whatever the case of its name.
#ifndef SIMCORE_PROGRAM_FILES_H
#define SIMCORE_PROGRAM_FILES_H

#include <filesystem>
#include <string_view>

namespace tavrin::simcore {

std::filesystem::path programDirectory();

// A relative native name lies in the program directory too.
std::filesystem::path programFile(std::string_view written);

// A native name stays as given (a relative one is relative to the current directory).
std::filesystem::path namedFile(std::string_view written);

}  // namespace tavrin::simcore

#endif
