// The program's symbol table (the library symtab32) as the language core asks it for statement
// lines: symbols out of a line before it is checked or compiled, into it after it was read.
//
// Contents
//   Symtab32LineSymbols   a lang::LineSymbols over SymbolikInAwlZeileEntfernen and
//                         SymbolikInAwlZeileEinfuegen
//
// It works on whatever table the library holds (loaded through Symtab32SymbolFile of
// symbol_file_link.h); it holds no table of its own.
#ifndef MAIN_PROJECT_SYMTAB32_LINE_SYMBOLS_H
#define MAIN_PROJECT_SYMTAB32_LINE_SYMBOLS_H

#include <string>
#include <string_view>

#include "main/lang/line_symbols.h"

namespace tavrin::project {

class Symtab32LineSymbols final : public lang::LineSymbols {
 public:
  // The display settings of the symbols: shown in place of operands, the entry's comment
  // written into a blank comment field, or over any comment.
  explicit Symtab32LineSymbols(bool showingSymbols, bool autoComment = false,
                               bool replaceOldComment = false)
      : showing_(showingSymbols),
        autoComment_(autoComment),
        replaceOldComment_(replaceOldComment) {}

  bool showingSymbols() const override { return showing_; }
  bool removeSymbol(std::string& line) const override;
  bool insertSymbol(std::string& line) const override;
  // No symbols are made here: creating one is the symbol dialog's.
  bool offerNewSymbol(std::string_view) override { return false; }

 private:
  bool showing_;
  bool autoComment_;
  bool replaceOldComment_;
};

}  // namespace tavrin::project

#endif
