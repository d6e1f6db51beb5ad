#include "main/project/line_scrambling.h"

#include "main/lang/awl_ascii.h"

namespace tavrin::project {

bool isScrambleMarker(std::string_view line) {
  const auto c = static_cast<unsigned char>(lang::columnOf(line, 10));
  return (c >= 1 && c <= 31) || c == '2';
}

bool isScrambledLine(std::string_view line) {
  if (line.empty() || line[0] == ' ') return false;
  constexpr std::size_t kMarkColumns[] = {4, 9, 49, 50, 51};
  for (std::size_t column : kMarkColumns)
    if (lang::columnOf(line, column) != ' ') return true;
  return false;
}

void unscrambleLine(std::string& line) {
  for (std::size_t i = kFirstScrambledColumn; i < line.size(); ++i) {
    const unsigned char key = kScrambleKey[(i - kFirstScrambledColumn) % kScrambleKey.size()];
    line[i] = static_cast<char>(static_cast<unsigned char>(line[i]) + key);
  }
}

}  // namespace tavrin::project
