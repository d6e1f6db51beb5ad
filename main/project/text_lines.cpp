#include "main/project/text_lines.h"

namespace tavrin::project {

std::vector<std::string> splitTextLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = line.substr(0, line.find('\0'));
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace tavrin::project
