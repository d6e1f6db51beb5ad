// The typing rules of data lines: what a character typed in a data line of a DB or DX does.
//
// The editor hands every character typed in a data line (left of column 52, not on a header or
// "NETZWERK" line) to dataLineKey before inserting it, and carries out the answer:
//   Refuse   nothing happens; with a beep when `beep` is set;
//   Insert   `text` (one character, upper-cased where the rules say) is inserted at the column
//            the editor's usual way (insert or overwrite), the cursor after it;
//   Retype   `text` is typed instead, each character through dataLineKey again (ä gives "ae");
//   SetLine  the line becomes `line`, the cursor goes to column `cursor`;
//   NewLine  `line` is inserted after the current line and the cursor goes onto it at column
//            `cursor`; the block is marked for renumbering;
//   Convert  ConvertDataLine(block, line, `letter`, dialog) is called, then the cursor goes to
//            column `cursor`.
//
// Rules, in order:
//   - column 48 or beyond: refused with a beep;
//   - ä, ö, ü, Ä, Ö, Ü, ß: retyped as "ae", "oe", "ue", "Ae", "Oe", "Ue", "ss";
//   - letters up to column 16 are upper-cased, from column 17 on only in KH lines;
//   - columns 0..10 (number and ':') are the editor's: refused;
//   - column 11 takes 'K' and 'C' only. On a line without format 'K' is set (and ':' in column
//     10), cursor 12; 'C' sets "C  = '", cursor 17 (the blank in column 12 follows by itself).
//     On a string line 'K' and 'C' switch between "KC" and "C " (cursor 12 and 17); 'K' on any
//     other K line changes nothing (cursor 12); 'C' there is refused, the format letter in
//     column 12 converts;
//   - column 12 takes only a letter that forms a format with column 11 ("KC", "KF", "KG", "KH",
//     "KM", "KT", "KY", "KZ"; "C " takes the blank). On a line without format the letter and
//     " = " are set, cursor 16; for KC and "C " with the opening quote, cursor 17. The letter of
//     the line's own format only moves the cursor there; any other converts (Convert);
//   - columns 13..15 (" = ") and the opening quote of a string line are refused, and so is any
//     value typed on a line without format;
//   - on a string line, a character at column 41 opens a new line holding "KC = 'x'" or
//     "C  = 'x'" from column 11 with the character x, cursor 18.
#ifndef MAIN_LANG_DATA_LINE_TYPING_H
#define MAIN_LANG_DATA_LINE_TYPING_H

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrin::lang {

struct DataLineKey {
  enum class Action { Refuse, Insert, Retype, SetLine, NewLine, Convert };
  Action action = Action::Refuse;
  std::string text;        // Insert: the character; Retype: the characters typed instead
  std::string line;        // SetLine: the changed line; NewLine: the new line (89 characters)
  std::size_t cursor = 0;  // SetLine, NewLine, Convert: the cursor column afterwards
  char letter = '\0';      // Convert: the format letter
  bool beep = false;       // Refuse: with a beep
};

// `typed` is a Windows-1252 character; `column` counts from 0.
DataLineKey dataLineKey(std::string_view line, std::size_t column, char typed);

}  // namespace tavrin::lang

#endif
