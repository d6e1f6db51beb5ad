// What the language core asks of the symbol table for a statement line.
#ifndef MAIN_LANG_LINE_SYMBOLS_H
#define MAIN_LANG_LINE_SYMBOLS_H

#include <string>
#include <string_view>

namespace tavrin::lang {

class LineSymbols {
 public:
  virtual ~LineSymbols() = default;
  // Symbolic display is on: lines may hold symbols in place of operands.
  virtual bool showingSymbols() const = 0;
  // The symbol in the line replaced by its absolute operand; false when the line names a symbol
  // the table does not have (the line is then unchanged).
  virtual bool removeSymbol(std::string& line) const = 0;
  // The operand replaced by its symbol and the comment filled in as the settings say; false when
  // the operand has no symbol.
  virtual bool insertSymbol(std::string& line) const = 0;
  // The user asked to be offered new symbols for operands without one; true when one was made.
  virtual bool offerNewSymbol(std::string_view operand) = 0;
};

}  // namespace tavrin::lang

#endif
