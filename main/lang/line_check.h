// The editor's check of one line after the user leaves it: the statement normalised in place,
// comment lines moved to their column, the FB header's formal operands and the actual parameters
// of block calls checked, the NAME and parameter lines of a new call inserted.
#ifndef MAIN_LANG_LINE_CHECK_H
#define MAIN_LANG_LINE_CHECK_H

#include <string>

#include "main/lang/awl_ascii.h"
#include "main/lang/fb_header.h"
#include "main/lang/line_symbols.h"
#include "platform/user_dialog.h"

namespace tavrin::lang {

struct LineCheckContext {
  platform::UserDialog* dialog = nullptr;  // shows messages and asks; null: only the result counts
  LineSymbols* symbols = nullptr;          // null: no symbol table
  const BlockHeaders* headers = nullptr;   // headers of called function blocks
  bool hexAddresses = true;                // the address columns are hexadecimal
  bool offerNewSymbols = false;
};

struct LineCheck {
  bool ok = true;
  std::string error;      // the message as shown, framed
  bool renumber = false;  // the addresses behind this line no longer fit its word count
};

LineCheck CheckLine(AwlAscii& block, int index, const LineCheckContext& context);

}  // namespace tavrin::lang

#endif
