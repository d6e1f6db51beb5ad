// The lines of a block file for the parts that scan blocks without loading a document (the
// parameter lookup, the analyses).
//
// Contents
//   kFileLineWidth       the most characters a handed-out line has
//   readBlockFileLines   the lines of a block file, optionally from behind its first network
#ifndef MAIN_PROJECT_BLOCK_FILE_LINES_H
#define MAIN_PROJECT_BLOCK_FILE_LINES_H

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavrin::project {

inline constexpr std::size_t kFileLineWidth = 89;

// The file's lines without their line ends (LF or CR LF), each cut to 89 characters and not
// padded. With `skipToFirstNetwork` the lines up to and including the first one that begins
// with "NETZWERK" are left out (all of them when there is none). The file is found whatever
// the case of its name. Nothing when the file is missing or cannot be read.
std::optional<std::vector<std::string>> readBlockFileLines(const std::filesystem::path& path,
                                                           bool skipToFirstNetwork = false);

}  // namespace tavrin::project

#endif
