// The symbol file on disk (".SEQ"): reading its bytes into lines and writing lines back.
//
// Contents
//   SeqLine        one line of the file: an entry's three fields, or a comment line
//   SeqReadResult  the lines read, or the error and the number of the line it was found in
//   splitFields    one entry line -> operand, symbol, comment; nothing for too many fields
//   isCommentLine  whether a line is a comment line
//   readSeq        file bytes -> lines
//   writeSeq       lines -> file bytes
//
// FILE FORMAT
//   Each line ends with a line feed: a tab, the operand, a tab, the symbol, a tab, the comment,
//   every field without trailing blanks and the operand in upper case. A comment line is a tab
//   followed by the comment text from its ';'. After the last line the file ends with the byte
//   0x1A. Bytes are Windows-1252.
// Reading
//   - stops at the first 0x1A; lines end with LF or CR LF; a last line without LF counts too;
//   - a line whose first or second character is ';' is a comment line: its text from the ';'
//     on, trailing blanks removed;
//   - any other line is split at its tabs: each tab moves on to the next field; a line that
//     begins with a tab (blanks before it do not count) has its operand after that tab, a line
//     that does not has it from its start. A line with more than three fields (four tabs after
//     a leading tab) is refused, and the whole file with it: "Fehlerhafte SEQ-Datei (Zu viele
//     Tabs) !". Blanks after a tab and at the end of a field are dropped;
//   - the operand is written in upper case, and in the normalised form of s5_operand.h when it
//     is an absolute operand ("mw10" becomes "MW 10").
// Writing a file read this way gives back the same bytes when the file was written so before.
#ifndef OUTSIDE_SYMTAB_SEQ_FORMAT_H
#define OUTSIDE_SYMTAB_SEQ_FORMAT_H

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::symtab {

struct SeqLine {
  bool isComment = false;
  std::string operand;
  std::string symbol;
  std::string comment;  // of a comment line: its text from the ';'
  bool operator==(const SeqLine&) const = default;
};

struct SeqReadResult {
  std::vector<SeqLine> lines;
  std::vector<std::size_t> lineNumbers;  // 1-based, one per line read
  std::string error;                     // empty when the file was read
  std::size_t errorLine = 0;
};

std::optional<std::array<std::string, 3>> splitFields(std::string_view line);
bool isCommentLine(std::string_view line);
SeqReadResult readSeq(std::string_view bytes);
std::string writeSeq(const std::vector<SeqLine>& lines);

// The operand field as the file keeps it: normalised when it is an operand, else upper case.
std::string operandField(std::string_view text);

}  // namespace tavrin::symtab

#endif
