// The subcommands of tavrin-cli and the dispatch from the argument list.
//
// Contents
//   ExitStatus      the exit codes every subcommand uses
//   Command         one row of the table: name, synopsis, summary, handler
//   commandTable    the table, in the order --help lists it
//   runCli          parses the first argument and runs the command
#ifndef MAIN_CLI_COMMAND_TABLE_H
#define MAIN_CLI_COMMAND_TABLE_H

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace tavrin::cli {

enum class ExitStatus : int {
  kDone = 0,
  kBlockFailed = 1,  // a block did not compile or could not be read
  kBadUsage = 2,     // bad usage or bad input
  kStopped = 3,      // the controller ended in STOP
};

struct CliStreams {
  std::ostream& out;
  std::ostream& err;
  std::istream* in = nullptr;  // standard input, for the commands that read it
};

struct Command {
  std::string_view name;
  std::string_view synopsis;
  std::string_view summary;
  ExitStatus (*run)(std::span<const std::string_view> args, CliStreams streams);
};

std::span<const Command> commandTable();

// args excludes the program name.
ExitStatus runCli(std::span<const std::string_view> args, CliStreams streams);

}  // namespace tavrin::cli

#endif
