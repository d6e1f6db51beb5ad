#include "main/project/block_file_lines.h"

#include <algorithm>

#include "main/project/text_lines.h"
#include "platform/file_bytes.h"
#include "platform/file_lookup.h"

namespace tavrin::project {

std::optional<std::vector<std::string>> readBlockFileLines(const std::filesystem::path& path,
                                                           bool skipToFirstNetwork) {
  const std::optional<std::filesystem::path> found = platform::findExistingPath({}, path);
  if (!found) return std::nullopt;
  const platform::FileBytes file = platform::readFileBytes(*found);
  if (!file.exists || !file.ok()) return std::nullopt;
  std::vector<std::string> lines = splitTextLines(file.bytes);
  for (std::string& line : lines)
    if (line.size() > kFileLineWidth) line.resize(kFileLineWidth);
  if (skipToFirstNetwork) {
    const auto network = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
      return line.starts_with("NETZWERK");
    });
    lines.erase(lines.begin(), network == lines.end() ? network : network + 1);
  }
  return lines;
}

}  // namespace tavrin::project
