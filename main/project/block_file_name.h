// Where a block's source file lies.
//
// Contents
//   kBlockFileExtension   ".AWL"
//   blockFileName         "<directory>/<NAME>.AWL", an existing file in the case found on disk
#ifndef MAIN_PROJECT_BLOCK_FILE_NAME_H
#define MAIN_PROJECT_BLOCK_FILE_NAME_H

#include <filesystem>
#include <optional>
#include <string_view>

namespace tavrin::project {

inline constexpr std::string_view kBlockFileExtension = ".AWL";

// The file of block `blockName` ("PB001") in the project directory. A four-character extension
// on the name (a '.' four characters from its end, as in "PB001.AWL") is removed first. When a
// file of that name exists whatever the case of its letters (pb001.awl), that file is named;
// otherwise the name is formed as given. Nothing without a directory (no open project) or
// without a name.
std::optional<std::filesystem::path> blockFileName(const std::filesystem::path& directory,
                                                   std::string_view blockName);

}  // namespace tavrin::project

#endif
