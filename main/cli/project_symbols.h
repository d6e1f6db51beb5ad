// The symbols a command's blocks are read and compiled with: the project's symbol file loaded
// into the program's symbol table (symtab32) for as long as the command runs.
//
// Contents
//   ProjectSymbols   load, lineSymbols; the table is freed when it goes
#ifndef MAIN_CLI_PROJECT_SYMBOLS_H
#define MAIN_CLI_PROJECT_SYMBOLS_H

#include <optional>
#include <ostream>
#include <string_view>

#include "main/lang/line_symbols.h"
#include "main/project/project_file.h"
#include "main/project/symbol_file_link.h"
#include "main/project/symtab32_line_symbols.h"

namespace tavrin::cli {

class ProjectSymbols {
 public:
  ProjectSymbols() = default;
  ProjectSymbols(const ProjectSymbols&) = delete;
  ProjectSymbols& operator=(const ProjectSymbols&) = delete;
  ~ProjectSymbols();

  // Loads the symbol file when the project shows symbols (as opening the project does); a
  // project without one, or with symbols not shown, gives no symbols. False when the file
  // cannot be loaded: "<command>: <file>: <the library's text>" on `err`. Lines the library set
  // aside are reported the same way, and the rest of the table applies.
  bool load(const project::ProjectSymbolSettings& settings, std::string_view command,
            std::ostream& err);

  // Null when no symbols apply.
  const lang::LineSymbols* lineSymbols() const { return lines_ ? &*lines_ : nullptr; }

 private:
  project::Symtab32SymbolFile file_;
  bool selected_ = false;
  std::optional<project::Symtab32LineSymbols> lines_;
};

}  // namespace tavrin::cli

#endif
