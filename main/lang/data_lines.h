// Data lines: the text of data blocks (DB, DX). A data line shows one data word, a KG value (two
// words) or a character string (one word per two characters) in one of the S5 constant formats.
//
// Contents
//   columns            the fields of a data line
//   DataForm           the format in columns 11..12, dataFormOf, dataFormText, constFormatOf
//   dataLineWords      the word count of a line, for renumbering
//   compileDataLine    the words the compiler writes for a line, or why it cannot
//   CheckDataLine      the editor's check of a line the user leaves
//   ConvertDataLine    a format letter typed in column 12 of a line that has a format
//
// Layout (89 characters, blank-padded):
//   0..3 the number of the line's first data word, 10 ':', 11..12 the format ("KH", ..., "C "),
//   13..15 " = ", 16..47 the value (for KC and "C " a quote at 16, the characters from 17 and a
//   closing quote; at most 24 characters), 48.. free text that nothing reads.
//
// Lines that cannot be read. Every data line either gives exactly dataLineWords(line) words or
// is refused with a reason: a value that does not parse never becomes a silent word 0, because
// a word 0 in place of a mistyped value would corrupt the data block without a trace, and every
// word behind it would keep its place, so nothing would show it. compileDataLine therefore
// returns the cause of the failure (the constant parser's own text, or "Datenwert nicht lesbar !"
// for a string without its quotes or a KG text that is no number, or "Zahlenformat ist nicht
// gültig !" for a line whose columns 11..12 hold no format), and the compiler frames it like the
// cause of any line error and stops at that line. The same holds for lines whose word count and
// compiled words would disagree otherwise: "K" with a blank column 12 (counted as one word),
// "C" with a letter, and any other pair of characters in columns 11..12 (counted as none) are
// refused instead of being skipped or read as a number.
#ifndef MAIN_LANG_DATA_LINES_H
#define MAIN_LANG_DATA_LINES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "main/lang/awl_ascii.h"
#include "main/lang/constant_formats.h"
#include "platform/user_dialog.h"

namespace tavrin::lang {

// Fields of a data line.
inline constexpr std::size_t kDataFormatColumn = 11;         // two characters
inline constexpr std::size_t kDataSeparatorColumn = 13;      // " = "
inline constexpr std::size_t kDataValueColumn = 16;          // KC and "C ": the opening quote
inline constexpr std::size_t kDataStringColumn = 17;         // the first character of a string
inline constexpr std::size_t kDataValueEnd = 48;             // free text from here on
inline constexpr std::size_t kDataStringNewLineColumn = 41;  // typing here opens a new line
inline constexpr std::size_t kMaxDataStringChars = 24;       // characters of one string line

enum class DataForm { None, KH, KM, KY, KC, KF, KT, KZ, KG, C };

// The format in columns 11..12; None for anything that is not one of the nine.
DataForm dataFormOf(std::string_view line);
// "KH", ..., "KG", "C "; "  " for None.
std::string_view dataFormText(DataForm form);
// The constant format a data format reads and writes its values in (KC for both string forms);
// None for None.
ConstFormat constFormatOf(DataForm form);
inline bool isStringForm(DataForm form) {
  return form == DataForm::KC || form == DataForm::C;
}

// 0 when column 11 is neither 'K' nor 'C'; KG 2; KC and "C " the characters between the first
// two quotes (at most 31 scanned), halved and rounded up; any other line 1.
unsigned dataLineWords(std::string_view line);

// Appends the words of one data line (the compiler passes it cut after column 47) and returns
// null, or returns the cause of the failure and appends nothing. A line whose column 11 is blank
// or ';', and a line with a blank column 12 whose column 11 is neither 'C' nor 'K', gives no
// words and no error.
//   KC, "C ": the characters between the quote at column 16 and the closing quote, two to a word,
//             the first in the high byte; an odd last character is paired with a blank.
//   KG:       the two words of the S5 float (high word first).
//   KF, KH, KM, KY, KZ, KT: the constant parser's word (KT: base * 4096 + BCD of the value).
//   K with an unknown letter: the value read as a decimal number (-32768..65535).
const char* compileDataLine(std::string_view line, std::vector<uint16_t>& words);

struct DataLineCheck {
  bool ok = true;              // false: refused, the line stays as typed
  std::string message;         // the message shown when refused
  bool linesRemoved = false;   // the line was emptied into the one before and removed
  bool linesInserted = false;  // characters beyond 24 went on into a new line after it
  bool renumber = false;       // word counts changed: the caller renumbers from the line before
};

// The editor's check of a data line the user leaves:
//   1. columns 11..47 blank: accepted as it is;
//   2. columns 11..12 must hold a format and 13..15 only blanks and '=', else "Zahlenformat ist
//      nicht gültig !";
//   3. nothing in the value field (for strings nothing between the quotes): cleared from column
//      11 on;
//   4. KC and "C ": characters move up into the string line before it (same form, below the
//      first network header) until that holds 24, an emptied line is removed; beyond 24
//      characters the rest goes into a new line after it; each string is closed with a quote,
//      an odd one with a blank before the quote. More than blanks after the closing quote
//      ("'It's'": a string holds no quote) is refused with "Datenwert nicht lesbar !". When the
//      document has no room for the new line nothing changes (ok false, no message);
//   5. other formats: the value from column 16 is parsed and written back normalised; a parse
//      error is shown with the parser's text and the line stays as typed. A KG text that is no
//      number ("hello", "1,5"), which the KG normalisation would quietly turn into some number,
//      is refused with "Datenwert nicht lesbar !" as in the compiler.
// Messages go to `dialog` when it is not null.
DataLineCheck CheckDataLine(AwlAscii& block, int index, platform::UserDialog* dialog);

struct DataLineConversion {
  bool converted = false;      // false: refused, declined or nothing to do; the line is unchanged
  std::string message;         // the refusal shown
  bool linesInserted = false;  // a line was inserted after it (rest of a string, low KG word)
  bool renumber = false;       // word counts changed
};

// Rewrites the line's value in the format of `letter` (C, F, G, H, M, T, Y, Z; 'C' gives KC).
// The value is the line's word; for a string its first two characters, and the rest of the
// string goes into a new string line after it; for KG both words, the low word on a new line
// after it (to C: one string of four characters). C asks "Achtung !!..." when a byte is not
// printable and shows such bytes as '.'; T and Z are refused with "Die Umwandlung in K%c ist
// nicht möglich !" when a word does not fit; G leaves the value empty. A line without value
// only changes its format. A value that does not parse is refused with the parser's text.
DataLineConversion ConvertDataLine(AwlAscii& block, int index, char letter,
                                   platform::UserDialog* dialog);

}  // namespace tavrin::lang

#endif
