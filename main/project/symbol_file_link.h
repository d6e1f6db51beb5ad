// How a project reaches the program's symbol table: the file it selects, loads and frees.
//
// Contents
//   SymbolLoad           the outcome of a load
//   SymbolFileLink       the three operations a project needs
//   Symtab32SymbolFile   the link to the symbol table library symtab32
//
// The table is one per process and lives in symtab32; the project opens it with its symbol
// file and frees it when the project closes. Tests and other shells can pass a link of their
// own.
#ifndef MAIN_PROJECT_SYMBOL_FILE_LINK_H
#define MAIN_PROJECT_SYMBOL_FILE_LINK_H

#include <string>
#include <string_view>

namespace tavrin::project {

struct SymbolLoad {
  bool loaded = false;
  std::string error;  // the library's text when lines were set aside or the load failed
};

class SymbolFileLink {
 public:
  virtual ~SymbolFileLink() = default;
  // Selects the file for the next load; an empty path selects none.
  virtual void select(std::string_view path) = 0;
  virtual SymbolLoad load() = 0;
  // Frees the table.
  virtual void release() = 0;
};

// SetSymbolikDatei, SeqLaden, GetSeqFehler and SymbolSpeicherEntfernen.
class Symtab32SymbolFile final : public SymbolFileLink {
 public:
  void select(std::string_view path) override;
  SymbolLoad load() override;
  void release() override;
};

}  // namespace tavrin::project

#endif
