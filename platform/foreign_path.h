// Paths written for the other platform, as they appear in settings, project files and commands.
//
// Contents
//   isForeignPath     does a written path use '\' or a drive letter?
//   mapForeignPath    the same name under a base directory, with '/' separators
//   locateForeignPath mapForeignPath, then the case-insensitive lookup of file_lookup.h
//
// There are no drives here: "C:\TRACE_S5.TXT", "\ORDNER\DATEI.TXT" and "A:DATEI" mean the same
// name under a base directory that the caller chooses (the program directory or the project
// directory): <base>/TRACE_S5.TXT, <base>/ORDNER/DATEI.TXT, <base>/DATEI. In such a path both
// '\' and '/' separate components, empty and "." components are dropped, and ".." goes up one
// component but never above the base (as "C:\..\X" is "C:\X"). A UNC name ("\\server\share\x")
// is taken the same way. A path without '\' and without a drive letter is a native one: an
// absolute path stays as it is, a relative one is relative to the base. A native name whose
// second character is ':' ("a:b") is read as a drive letter; such names do not occur in projects.
#ifndef PLATFORM_FOREIGN_PATH_H
#define PLATFORM_FOREIGN_PATH_H

#include <filesystem>
#include <string_view>

namespace tavrin::platform {

bool isForeignPath(std::string_view written);
std::filesystem::path mapForeignPath(std::string_view written, const std::filesystem::path& base);
std::filesystem::path locateForeignPath(std::string_view written,
                                        const std::filesystem::path& base);

}  // namespace tavrin::platform

#endif
