// The symbol table in memory: the lines of the symbol file in their order, and the entries among
// them that map an operand to its symbol and comment.
//
// Contents
//   RowState      what a line of the table is: an entry, a comment line, a blank line, or a line
//                 set aside (and why)
//   TableRow      one line: its fields, its state, the file line it came from
//   AddResult     the outcome of add
//   SymbolTable   the table: append read lines, add symbols, look up by operand and by symbol
//
// Every line read is kept, in order, so that saving writes the file back as it was read. Only
// the entries take part in lookups; they are numbered 0.. in file order (the index of the
// exported functions). A line is an entry when its operand is an absolute operand and its
// symbol is empty or valid (symbol_name.h); an entry with an empty symbol carries a comment
// only. A line is set aside, kept but not looked at, when its operand is no absolute operand
// (or is empty while the symbol or comment is not), when its symbol is invalid, or when an
// earlier entry already has its operand or its symbol (symbols compare without regard to case).
#ifndef OUTSIDE_SYMTAB_SYMBOL_TABLE_H
#define OUTSIDE_SYMTAB_SYMBOL_TABLE_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "outside/symtab/s5_operand.h"
#include "outside/symtab/seq_format.h"

namespace tavrin::symtab {

enum class RowState {
  Entry,
  CommentLine,
  Blank,
  BadOperand,
  BadSymbol,
  DuplicateOperand,
  DuplicateSymbol,
};

struct TableRow {
  SeqLine line;
  RowState state = RowState::Entry;
  std::size_t fileLine = 0;  // 1-based; 0 for a row added in memory
};

inline constexpr std::size_t kMaxCommentLength = 80;

enum class AddResult { Added, Replaced, BadOperand, BadSymbol, SymbolTaken, BadComment };

bool isSetAside(RowState state);

class SymbolTable {
 public:
  // A line as read from the file; decides its state.
  void appendRead(SeqLine line, std::size_t fileLine);

  // Adds an entry, or gives an existing entry of the operand the new symbol and comment. The
  // symbol and comment lose their outer blanks; the symbol must be valid and not be another
  // operand's; the comment may hold up to kMaxCommentLength characters, none below 0x20.
  AddResult add(std::string_view operand, std::string_view symbol, std::string_view comment);

  std::size_t entryCount() const { return entries_.size(); }
  const SeqLine& entry(std::size_t index) const { return rows_[entries_[index]].line; }
  std::optional<std::size_t> indexOfOperand(const S5Operand& operand) const;
  std::optional<std::size_t> indexOfSymbol(std::string_view symbol) const;

  const std::vector<TableRow>& rows() const { return rows_; }
  std::vector<SeqLine> lines() const;
  std::size_t setAsideCount() const;
  // The first row set aside, if any.
  const TableRow* firstSetAside() const;

 private:
  void addEntryRow(TableRow row);

  std::vector<TableRow> rows_;
  std::vector<std::size_t> entries_;                        // row index of each entry
  std::unordered_map<std::string, std::size_t> byOperand_;  // normalised operand -> entry
  std::unordered_map<std::string, std::size_t> bySymbol_;   // symbolKey -> entry
};

}  // namespace tavrin::symtab

#endif
