// "The" symbol table of the program: the one table, the selected file, the outcome of the last
// load or save, all behind one lock.
//
// Contents
//   LibraryState   the state: file path, table, last error, save guard, modified flag
//   withState      runs a function on the state while holding the lock
//   loadSelected   SeqLaden: reads the selected file into the table
//   saveSelected   SeqSpeichern: writes the table to the selected file
//   clearTable     SymbolSpeicherEntfernen
//
// A load that fails (the file cannot be read, a line has too many fields) leaves the table
// empty and forbids saving until the next successful load or clearTable, so that a symbol file
// that could not be read is never overwritten with an empty table.
#ifndef OUTSIDE_SYMTAB_LIBRARY_STATE_H
#define OUTSIDE_SYMTAB_LIBRARY_STATE_H

#include <cstddef>
#include <mutex>
#include <string>

#include "outside/symtab/symbol_table.h"

namespace tavrin::symtab {

struct LibraryState {
  std::string path;
  SymbolTable table;
  std::string error;          // of the last load or save; empty when it went well
  std::size_t errorLine = 0;  // the file line the error refers to, 0 for none
  bool saveForbidden = false;
  bool modified = false;  // changed in memory since the last load or save
};

std::mutex& stateLock();
LibraryState& state();

template <typename Body>
auto withState(Body&& body) {
  std::lock_guard<std::mutex> lock(stateLock());
  return body(state());
}

enum class LoadOutcome { Failed, Loaded, LoadedWithLinesSetAside };

LoadOutcome loadSelected(LibraryState& state);
bool saveSelected(LibraryState& state);
void clearTable(LibraryState& state);

}  // namespace tavrin::symtab

#endif
