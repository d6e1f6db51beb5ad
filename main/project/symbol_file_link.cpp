#include "main/project/symbol_file_link.h"

#include "outside/symtab/symtab32.h"

namespace tavrin::project {

void Symtab32SymbolFile::select(std::string_view path) {
  const std::string text(path);
  SetSymbolikDatei(text.c_str());
}

SymbolLoad Symtab32SymbolFile::load() {
  const int result = SeqLaden();
  const char* error = GetSeqFehler();
  return {result != 0, error == nullptr ? std::string() : std::string(error)};
}

void Symtab32SymbolFile::release() {
  SymbolSpeicherEntfernen();
}

}  // namespace tavrin::project
