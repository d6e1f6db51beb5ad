// Whole-file reads and crash-safe whole-file writes of byte strings.
//
// Contents
//   IoStatus              success, or the text of what went wrong
//   FileBytes             result of readFileBytes: the bytes, whether the file exists
//   readFileBytes         read a whole file; a missing file is not an error
//   replaceFileContents   write a file so that a crash leaves either the old or the new bytes
//
// Settings and project files are small and are always rewritten whole. The new bytes go to a
// fresh file in the same directory, are flushed to disk and then renamed over the old name: a
// rename within one file system is atomic, so a reader (or the next start after a crash) sees
// either the complete old file or the complete new one, never a half-written settings file.
#ifndef PLATFORM_FILE_BYTES_H
#define PLATFORM_FILE_BYTES_H

#include <filesystem>
#include <string>
#include <string_view>

namespace tavrin::platform {

struct [[nodiscard]] IoStatus {
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

struct FileBytes {
  std::string bytes;
  bool exists = false;  // false when the file was missing (then bytes is empty and error too)
  std::string error;    // a file that exists but cannot be read
  bool ok() const { return error.empty(); }
};

FileBytes readFileBytes(const std::filesystem::path& path);

// Creates the file when it is missing (permission bits from the process umask); an existing
// file keeps its permission bits, and its owner where the process may set it. A symbolic link
// is followed, so the link stays and its target gets the new bytes. The directory must exist.
IoStatus replaceFileContents(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tavrin::platform

#endif
