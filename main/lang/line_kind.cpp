#include "main/lang/line_kind.h"

#include <algorithm>
#include <array>

namespace tavrin::lang {

namespace {

constexpr std::array<std::string_view, 4> kCallTexts = {"SPB FB ", "SPA FB ", "BA  FX ", "BAB FX "};

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

bool beginsWithCallText(std::string_view statement) {
  return std::any_of(kCallTexts.begin(), kCallTexts.end(),
                     [&](std::string_view t) { return statement.starts_with(t); });
}

bool blank(char c) {
  return c == ' ' || c == '\0';
}

}  // namespace

int functionBlockHeaderEnd(const AwlAscii& block) {
  if (!block.isFunctionBlock() || !fieldOf(block.line(5), kLabelColumn, 4).starts_with("NAME"))
    return 4;
  int i = 6;
  while (i < block.lineCount() && fieldOf(block.line(i), kLabelColumn, 4) == "BEZ ")
    ++i;
  return i;
}

LineKind ClassifyLine(const AwlAscii& block, int index, const LineSymbols* symbols) {
  if (index < 0 || index >= block.lineCount()) return LineKind::LkOutside;
  std::string line(block.line(index));
  if (columnOf(line, kStatementColumn) == ';') return LineKind::LkComment;
  if (columnOf(line, 0) == 'N') return LineKind::LkNetworkHeader;
  if (blank(columnOf(line, kSeparatorColumn)) && blank(columnOf(line, kStatementColumn)))
    return LineKind::LkBlank;
  if (block.isDataBlock()) return LineKind::LkStatement;
  if (symbols != nullptr && symbols->showingSymbols()) symbols->removeSymbol(line);
  const std::string_view statement = fieldOf(line, kStatementColumn, kStatementWidth);
  if (statement.starts_with("*** ")) return LineKind::LkNetworkEnd;

  const bool parameterLike =
      blank(columnOf(line, kStatementColumn)) && !blank(columnOf(line, kLabelColumn)) &&
      fieldOf(line, 15, kLineWidth).find_first_not_of(' ') != std::string_view::npos &&
      index > functionBlockHeaderEnd(block);
  if (columnOf(line, kSeparatorColumn) == '>' || parameterLike) return LineKind::LkCallParam;

  if (fieldOf(line, kLabelColumn, 4).starts_with("NAME") &&
      beginsWithCallText(fieldOf(block.line(index - 1), kStatementColumn, kStatementWidth)))
    return LineKind::LkCallName;

  const bool formal = columnOf(line, 15) == '=';
  if (formal && statement.starts_with("SP")) return LineKind::LkLabelJump;
  if (formal) return LineKind::LkFormal;

  // A call is recognised from the statement without its blanks, so that a typed "SPAFB1" counts
  // and an operation that only begins like one (BAF, BAS) does not.
  const std::string stripped = withoutBlanks(statement);
  for (std::string_view call : {"SPBFB", "SPAFB", "BAFX", "BABFX"})
    if (stripped.starts_with(call)) return LineKind::LkBlockCall;
  for (std::string_view jump : {"SPAPB", "SPBPB", "SPASB", "SPBSB", "SPAOB", "SPBOB"})
    if (stripped.starts_with(jump)) return LineKind::LkOtherJump;
  return LineKind::LkStatement;
}

}  // namespace tavrin::lang
