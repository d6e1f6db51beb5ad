// Block source files as the command line takes them: read, closed, renumbered and compiled the
// way sending a block does it.
//
// Contents
//   CompiledBlock     the block's name and its MC5 words, header included
//   compileBlockFile  one file; on failure the message goes to the error stream
#ifndef MAIN_CLI_BLOCK_SOURCES_H
#define MAIN_CLI_BLOCK_SOURCES_H

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "main/lang/line_symbols.h"

namespace tavrin::cli {

struct CompiledBlock {
  std::string name;  // "PB005"
  std::vector<uint16_t> words;
};

// The block name comes from the file name ("pb5.awl" is PB005). A file that names no block,
// cannot be read whole, or does not compile prints "<file>: <message>" on `err` (UTF-8) and
// gives nothing.
std::optional<CompiledBlock> compileBlockFile(const std::filesystem::path& file, std::ostream& err,
                                              const lang::LineSymbols* symbols = nullptr);

}  // namespace tavrin::cli

#endif
