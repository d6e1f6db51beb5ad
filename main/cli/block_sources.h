// Block source files as the command line takes them: read, closed, renumbered and compiled the
// way sending a block does it.
//
// Contents
//   CompiledBlock     the block's name and its MC5 words, header included
//   compileBlockFile  one file; on failure the message goes to the error stream
//   projectSources    the block files and symbol settings of a project file (FILE.PRJ)
//   CommandBlocks, commandBlocksOf   a command's file arguments: block files, or one project
//                     file, with the symbol settings that apply
#ifndef MAIN_CLI_BLOCK_SOURCES_H
#define MAIN_CLI_BLOCK_SOURCES_H

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "main/lang/line_symbols.h"
#include "main/project/project_contents.h"

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

// Every block file of the project `projectFile` names, in block-name order (possibly none),
// and the project's symbol settings. Nothing when it is no project file, is missing, holds no
// project or its directory cannot be read; the reason goes to `err` after `command`
// ("tavrin-cli run").
std::optional<project::ProjectBlockSources> projectSources(const std::filesystem::path& projectFile,
                                                           std::string_view command,
                                                           std::ostream& err);

struct CommandBlocks {
  std::vector<std::filesystem::path> files;
  project::ProjectSymbolSettings symbols;  // the project's; none for block files alone
};

// The block files a command works on: the block files given, or every block file of the one
// project file given in their place. Nothing, with the reason on `err`, when there are none,
// when a project file stands beside other files, or when the project cannot be used.
std::optional<CommandBlocks> commandBlocksOf(std::span<const std::filesystem::path> files,
                                             std::string_view command, std::ostream& err);

}  // namespace tavrin::cli

#endif
