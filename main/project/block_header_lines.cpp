#include "main/project/block_header_lines.h"

namespace tavrin::project {

std::string blankTemplate(std::string_view pattern) {
  return fillTemplate(pattern, pattern.size(), {});
}

std::string fillTemplate(std::string_view pattern, std::size_t column, std::string_view text) {
  std::string line(pattern);
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '#') continue;
    const bool inText =
        i >= column && i - column < text.size() &&
        pattern.substr(column, i - column + 1).find_first_not_of('#') == std::string_view::npos;
    line[i] = inText ? text[i - column] : ' ';
  }
  return line;
}

std::string networkHeader(unsigned number) {
  return std::string(kNetworkPrefix) + std::to_string(number);
}

}  // namespace tavrin::project
