// tavrin-cli retranslate: MC5 words of one block back into its block source text.
#ifndef MAIN_CLI_RETRANSLATE_COMMAND_H
#define MAIN_CLI_RETRANSLATE_COMMAND_H

#include <span>
#include <string_view>

#include "main/cli/command_table.h"

namespace tavrin::cli {

// Reads hexadecimal words (header included) from the file or standard input; a leading
// "PB005:" as `compile` prints it is allowed. Prints the document's lines, trailing blanks off.
ExitStatus runRetranslate(std::span<const std::string_view> args, CliStreams streams);

}  // namespace tavrin::cli

#endif
