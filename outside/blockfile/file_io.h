// Reading a whole S5D file and replacing one without ever leaving half a file, with the
// outcome as a status value of the public header.
//
// Contents
//   FileRead              the bytes of a file, or the status of why they could not be read
//   readFile              read a regular file whole, creating a missing one (0 bytes) on request
//   replaceFile           write a temporary file beside the target, then rename it over it
//   canonicalPath         the absolute path without symbolic links of an existing file
//   statusForOpenError    errno of opening a file -> status
//   statusForWriteError   errno of writing or renaming -> status
#ifndef OUTSIDE_BLOCKFILE_FILE_IO_H
#define OUTSIDE_BLOCKFILE_FILE_IO_H

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrin::blockfile {

struct FileRead {
  int status = 0;  // S5D_OK or the reason
  std::vector<std::uint8_t> bytes;
};

FileRead readFile(const std::string& path, bool createMissing);

// The new file takes the old one's permission bits (and owner, where the process may set it).
// On failure the temporary file is removed and the target is as it was.
int replaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

std::optional<std::string> canonicalPath(const std::string& path);

int statusForOpenError(int error);
int statusForWriteError(int error);

}  // namespace tavrin::blockfile

#endif
