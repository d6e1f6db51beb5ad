#include "main/project/block_template.h"

#include <cstdio>

#include "main/project/block_header_lines.h"
#include "utilkit/utilkit40.h"

namespace tavrin::project {

namespace {

constexpr std::size_t kDateWidth = 10;

}  // namespace

BlockDate todaysDate() {
  unsigned short day = 0;
  unsigned short month = 0;
  unsigned short year = 0;
  U_GetAktuellesSystemDatum(&day, &month, &year);
  return {day, month, year};
}

std::string formatBlockDate(const BlockDate& date) {
  char text[48];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
  return std::string(text).substr(0, kDateWidth);
}

void appendNewBlockText(lang::AwlAscii& block, bool withBody, std::string_view author,
                        const BlockDate& today, bool onlineEditor) {
  block.appendLine(blankTemplate(kCommentTemplate));
  block.appendLine(fillTemplate(kAuthorTemplate, kHeaderFieldColumn, author));
  block.appendLine(fillTemplate(kDateTemplate, kHeaderFieldColumn, formatBlockDate(today)));
  block.appendLine("");
  block.appendLine(networkHeader(1));
  if (!withBody) return;
  if (block.isFunctionBlock()) {
    block.appendLine("     NAME :NoName");
    block.appendLine("     ");
  }
  block.appendLine("0000      : ");
  block.appendLine("0001      : ");
  if (!onlineEditor) block.appendLine("0002      :BE");
}

}  // namespace tavrin::project
