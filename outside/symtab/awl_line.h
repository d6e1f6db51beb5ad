// Symbols into and out of the statement lines of a block.
//
// Contents
//   LineColumns       the columns this unit reads and writes
//   InsertOptions     show symbols, comment automatically, replace an old comment
//   insertSymbolics   absolute operand -> "-SYMBOL", the symbol's comment into the comment field
//   RemoveResult      what removeSymbolics found
//   removeSymbolics   "-SYMBOL" -> the absolute operand
//
// LINES
//   A statement line is blank-padded to 89 columns: the operation in columns 11..14, the operand
//   area in 15..16, a blank in 17, the operand's address from column 18 ("U   E   1.0",
//   "L   MW  10"); the statement field ends with column 41; the comment field is 52..88. An
//   actual-parameter line of a block call has '>' in column 10 and its operand from column 15
//   in the same layout ("     EIN  >    E   1.0"). With symbols shown the operand field holds '-'
//   and the symbol from column 15 ("U   -START_TASTER"), the rest of the field blank.
//   Only lines with ':' or '>' in column 10, a blank in column 14 and at least 16 characters are
//   looked at; network headers ('N' in column 0) and comment lines (';' in column 11) are not.
//   Every other line is left alone, and so is a line whose operand field (columns 15..41) holds
//   neither an absolute operand (read without regard to blanks and case) nor '-' and a symbol.
//   A line shorter than 89 columns is read as if blank-padded; when it is changed it comes back
//   without trailing blanks; a line of 89 columns or more keeps its length. The result is never
//   longer than the line or 89 columns, whichever is more.
// ROUND TRIP
//   The absolute operand is written back in its normalised form (area, blanks to column 18,
//   address without leading zeros): for a line as the statement parser writes it, insertion
//   followed by removal gives back the same bytes.
#ifndef OUTSIDE_SYMTAB_AWL_LINE_H
#define OUTSIDE_SYMTAB_AWL_LINE_H

#include <cstddef>
#include <string>

#include "outside/symtab/symbol_table.h"

namespace tavrin::symtab {

namespace line_columns {
inline constexpr std::size_t kWidth = 89;
inline constexpr std::size_t kKind = 10;           // ':' statement, '>' call parameter
inline constexpr std::size_t kCommentMark = 11;    // ';' comment line
inline constexpr std::size_t kOperationLast = 14;  // always blank in a statement
inline constexpr std::size_t kOperand = 15;
inline constexpr std::size_t kStatementEnd = 42;  // first column after the statement field
inline constexpr std::size_t kComment = 52;
inline constexpr std::size_t kCommentWidth = kWidth - kComment;
}  // namespace line_columns

struct InsertOptions {
  bool showSymbols = false;        // write the symbol instead of the absolute operand
  bool autoComment = false;        // write the symbol's comment into the comment field...
  bool replaceOldComment = false;  // ...also when the field is not blank
};

// Finds the entry of the line's operand, absolute or as a symbol. With showSymbols and a
// symbol, the operand field becomes '-' and the symbol; without showSymbols a symbol in the
// line becomes the absolute operand again. With autoComment a non-empty comment of the entry
// is written from column 52 (cut after column 88) when the comment field is blank, or always
// with replaceOldComment. True when the operand has a symbol; false (the line unchanged, except
// for a comment of an entry without symbol) otherwise.
bool insertSymbolics(std::string& line, const SymbolTable& table, const InsertOptions& options);

enum class RemoveResult {
  NoSymbol,       // the line holds no symbol: unchanged
  Replaced,       // the symbol was replaced by its operand
  UnknownSymbol,  // '-' in column 15 but no such symbol: unchanged
};

RemoveResult removeSymbolics(std::string& line, const SymbolTable& table);

// The comment as insertSymbolics writes it: cut to the comment field's width.
std::string commentInLine(const std::string& comment);

}  // namespace tavrin::symtab

#endif
