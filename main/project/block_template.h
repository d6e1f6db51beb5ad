// The text of a new block.
//
// Contents
//   BlockDate            a calendar day
//   todaysDate           the system's date
//   formatBlockDate      "dd.mm.yyyy"
//   appendNewBlockText   the template lines appended to a document
#ifndef MAIN_PROJECT_BLOCK_TEMPLATE_H
#define MAIN_PROJECT_BLOCK_TEMPLATE_H

#include <string>
#include <string_view>

#include "main/lang/awl_ascii.h"

namespace tavrin::project {

struct BlockDate {
  int day = 1;
  int month = 1;
  int year = 2000;
  bool operator==(const BlockDate&) const = default;
};

BlockDate todaysDate();

// "%02d.%02d.%04d", at most ten characters.
std::string formatBlockDate(const BlockDate& date);

// Appends, each padded to 89 characters:
//   the comment line, blank;
//   "Autor     :" with `author` from column 11 (at most 52 characters), the rest blank;
//   the date line with `today` as creation date, the other places blank;
//   the blank line and "NETZWERK   1";
//   for a function block (name beginning 'F' or 'f') with a body: "     NAME :NoName" and the
//   header's end line of five blanks;
//   with a body: "0000      : ", "0001      : " and, unless the block is made in the online
//   editor, "0002      :BE".
void appendNewBlockText(lang::AwlAscii& block, bool withBody, std::string_view author,
                        const BlockDate& today, bool onlineEditor = false);

}  // namespace tavrin::project

#endif
