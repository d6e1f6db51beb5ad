#include "main/project/block_line_filter.h"

#include "main/lang/awl_ascii.h"
#include "main/project/line_scrambling.h"

namespace tavrin::project {

namespace {

constexpr std::size_t kBitColumn = 37;

bool isZeroOrOne(char c) {
  return c == '0' || c == '1';
}

bool keepsEmptyLineAfter(std::string_view label) {
  return label == "BEZ " || label.starts_with("NAME");
}

}  // namespace

std::optional<FilteredLine> BlockLineFilter::filter(std::string_view fileLine) {
  std::string line(fileLine.substr(0, lang::kLineWidth));

  if (!dataBlock_ && !line.empty() && isZeroOrOne(line[0]) &&
      isZeroOrOne(lang::columnOf(line, kBitColumn))) {
    line[kBitColumn] = ' ';
    if (line.size() > kBitColumn + 1) line[kBitColumn + 1] = ' ';
  }

  // A call's parameter lines ('>' in column 10) are statements too, also before renumbering
  // has given them an address: dropping them would lose the call's actual operands.
  const char separator = lang::columnOf(line, lang::kSeparatorColumn);
  const bool dropped = line.empty() || (line[0] == ' ' && separator != ':' && separator != '>');
  if (dropped && !keepsEmptyLineAfter(lastLabel_)) return std::nullopt;

  FilteredLine result;
  result.blankBefore = keptAny_ && line.starts_with("NETZ");

  if (!unscrambling_ && isScrambleMarker(line)) unscrambling_ = true;
  if (unscrambling_ && isScrambledLine(line)) unscrambleLine(line);

  if (!line.empty() && static_cast<unsigned char>(line[0]) == 0xFF) return std::nullopt;

  result.text = lang::paddedLine(line);
  return result;
}

void BlockLineFilter::kept(std::string_view line) {
  keptAny_ = true;
  lastLabel_ = std::string(lang::fieldOf(line, lang::kLabelColumn, 4));
}

}  // namespace tavrin::project
