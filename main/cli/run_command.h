// tavrin-cli run: blocks compiled, loaded into a fresh private simulated controller, restarted,
// forced, run for a number of cycles on a simulated clock, and chosen operands printed.
//
// Contents
//   RunRequest   what one run does
//   runBlocks    the run itself (the scenario tests use it as the command line does)
//   runRun       the subcommand: its options into a RunRequest
#ifndef MAIN_CLI_RUN_COMMAND_H
#define MAIN_CLI_RUN_COMMAND_H

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "main/cli/command_table.h"
#include "main/project/project_file.h"

namespace tavrin::cli {

struct RunRequest {
  std::filesystem::path controllerType;  // a *.AG file; empty: the built-in type
  unsigned restart = 21;  // 20 overall reset and restart, 21 restart, 22 warm restart
  unsigned long cycles = 1;
  unsigned long msPerCycle = 10;  // the simulated clock moves on by this before every cycle
  std::vector<std::string> forces;
  std::vector<std::string> statuses;
  std::vector<std::filesystem::path> blockFiles;
  project::ProjectSymbolSettings symbols;  // of the project the blocks come from
};

// Prints one line per status entry. A bad entry, or a symbol file that cannot be loaded, gives
// its error text and kBadUsage, a block that
// does not compile or load kBlockFailed; a controller that stops ends the cycles, prints the
// status entries as they stood, and gives kStopped with the stop location and cause on the error
// stream.
ExitStatus runBlocks(const RunRequest& request, CliStreams streams);

ExitStatus runRun(std::span<const std::string_view> args, CliStreams streams);

}  // namespace tavrin::cli

#endif
