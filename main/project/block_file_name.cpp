#include "main/project/block_file_name.h"

#include <string>

#include "platform/file_lookup.h"

namespace tavrin::project {

std::optional<std::filesystem::path> blockFileName(const std::filesystem::path& directory,
                                                   std::string_view blockName) {
  if (blockName.size() >= 4 && blockName[blockName.size() - 4] == '.') blockName.remove_suffix(4);
  if (directory.empty() || blockName.empty()) return std::nullopt;
  std::string fileName(blockName);
  fileName += kBlockFileExtension;
  return platform::resolvePath(directory, fileName);
}

}  // namespace tavrin::project
