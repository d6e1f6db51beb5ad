#include "main/project/symtab32_line_symbols.h"

#include <algorithm>
#include <vector>

#include "outside/symtab/symtab32.h"

namespace tavrin::project {

namespace {

// The library rewrites the line in place and may lengthen it up to a whole statement line.
std::vector<char> bufferOf(const std::string& line) {
  std::vector<char> buffer(std::max<std::size_t>(SYMTAB32_AWL_LINE_BYTES, line.size() + 1), '\0');
  std::copy(line.begin(), line.end(), buffer.begin());
  return buffer;
}

}  // namespace

bool Symtab32LineSymbols::removeSymbol(std::string& line) const {
  std::vector<char> buffer = bufferOf(line);
  // 0: a symbol the table does not have, and the line is as it was.
  if (SymbolikInAwlZeileEntfernen(buffer.data()) == 0) return false;
  line = buffer.data();
  return true;
}

bool Symtab32LineSymbols::insertSymbol(std::string& line) const {
  std::vector<char> buffer = bufferOf(line);
  const int result = SymbolikInAwlZeileEinfuegen(buffer.data(), showing_ ? 1 : 0,
                                                 autoComment_ ? 1 : 0, replaceOldComment_ ? 1 : 0);
  // Without a symbol the entry's comment may still have been written.
  line = buffer.data();
  return result == 1;
}

}  // namespace tavrin::project
