#include "main/project/block_header_repair.h"

#include <array>
#include <string>

#include "main/project/block_header_lines.h"

namespace tavrin::project {

namespace {

bool insertMakingRoom(lang::AwlAscii& block, int at, std::string_view text) {
  const bool full = block.lineCount() >= lang::kMaxLines;
  if (full) block.deleteLine(block.lineCount() - 1);
  block.insertLine(at, text);
  return full;
}

bool isBlank(std::string_view line) {
  return line.find_first_not_of(' ') == std::string_view::npos;
}

bool startsBody(const lang::AwlAscii& block, int i) {
  const std::string_view line = block.line(i);
  const char separator = lang::columnOf(line, lang::kSeparatorColumn);
  if (separator == ':' || separator == '>' || line.starts_with("NETZ")) return true;
  return isBlank(line) && block.line(i + 1).starts_with("NETZ");
}

}  // namespace

bool repairBlockHeader(lang::AwlAscii& block) {
  struct Expected {
    std::string_view prefix;
    std::string line;
  };
  const std::array<Expected, kHeaderLines> expected = {{
      {"Komme", blankTemplate(kCommentTemplate)},
      {"Autor", blankTemplate(kAuthorTemplate)},
      {"Erste", blankTemplate(kDateTemplate)},
      {" ", ""},
      {"NETZWE", networkHeader(1)},
  }};
  bool pushedOut = false;
  for (int i = 0; i < kHeaderLines; ++i) {
    const Expected& e = expected[static_cast<std::size_t>(i)];
    if (!block.line(i).starts_with(e.prefix)) pushedOut |= insertMakingRoom(block, i, e.line);
  }
  return pushedOut;
}

void cleanBodyStart(lang::AwlAscii& block) {
  while (block.lineCount() > kHeaderLines && !startsBody(block, kHeaderLines))
    block.deleteLine(kHeaderLines);
}

bool hasNoBody(const lang::AwlAscii& block) {
  return block.lineCount() == kHeaderLines;
}

void addMinimalBody(lang::AwlAscii& block, std::string_view blockName) {
  const char type = blockName.empty() ? ' ' : blockName[0];
  if (type == 'F' || type == 'f') {
    block.appendLine("     NAME :????????");
    block.appendLine("");
    block.appendLine("0005      :BE");
  } else if (type == 'D' || type == 'd') {
    block.appendLine("0000      :");
  } else {
    block.appendLine("0000      :BE");
  }
}

}  // namespace tavrin::project
