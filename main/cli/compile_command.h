// tavrin-cli compile: every block file compiled and printed as its MC5 words.
#ifndef MAIN_CLI_COMPILE_COMMAND_H
#define MAIN_CLI_COMPILE_COMMAND_H

#include <span>
#include <string_view>

#include "main/cli/command_table.h"

namespace tavrin::cli {

// "PB005: 7070 0405 8000 0000 0008 C001 D884 6500", one line per block that compiles.
ExitStatus runCompile(std::span<const std::string_view> args, CliStreams streams);

}  // namespace tavrin::cli

#endif
