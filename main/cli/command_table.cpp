#include "main/cli/command_table.h"

#include <array>

#include "main/cli/compile_command.h"
#include "main/cli/retranslate_command.h"
#include "main/cli/run_command.h"
#include "main/cli/serve_command.h"

namespace tavrin::cli {

namespace {

// Subcommands arrive with the capability they use; each one adds its row here.
constexpr std::array kCommands{
    Command{"compile", "compile [--project FILE.PRJ] FILE.AWL...",
            "Renumber and compile each block file as sending a block does; print every block as\n"
            "its name and MC5 words in hexadecimal, header included. A project file in place of\n"
            "the block files, or --project without them, stands for every block file of the\n"
            "project. With a project its symbol file applies when the project shows symbols\n"
            "(\"SymbolikAktiv\"), as in the desktop program; one that cannot be loaded is bad\n"
            "input (exit status 2).",
            runCompile},
    Command{"retranslate", "retranslate [FILE|-]",
            "Read the MC5 words of one block (hexadecimal, header included; the output of\n"
            "compile will do) and print the block as block source text.",
            runRetranslate},
    Command{"run",
            "run [--ag FILE.AG] [--restart 20|21|22] [--cycles N] [--ms N] [--force ENTRY]...\n"
            "    [--status ENTRY]... (FILE.AWL...|FILE.PRJ)",
            "Compile the blocks (of the files given, or every block file of the project with\n"
            "its symbol file, as compile does), load them into a fresh simulated controller,\n"
            "start it with the restart kind (default 21), force the --force entries, run N\n"
            "cycles (default 1) with the clock moving --ms milliseconds (default 10) before\n"
            "each, and print each --status entry as the status-variable window shows it. The\n"
            "forces are written before the first cycle, so the restart in that cycle clears\n"
            "what its kind clears, as on a controller switched to RUN. Entries: E1.0=KM1\n"
            "MW10=KF+100 T1=KT20.0 DW3,DB5=KH00FF AW4=KF.",
            runRun},
    Command{"serve", "serve (--pty | --tty DEVICE) [--ag FILE.AG] [FILE.AWL...|FILE.PRJ]",
            "Run a simulated controller in real time (a cycle every 10 ms) and answer\n"
            "programming-device requests (AS511) on a new pseudo-terminal, whose path is the\n"
            "first line of output, or on a serial device at 9600 baud, 8E1. The blocks given (or\n"
            "the blocks of the project given) are loaded and the controller started. Runs until\n"
            "SIGINT or SIGTERM.",
            runServe},
};

void printUsage(std::ostream& os) {
  os << "usage: tavrin-cli <command> [options] [files]\n"
        "       tavrin-cli <command> --help\n"
        "\n"
        "Statement-list programming, test and simulation for SIMATIC S5 controllers.\n"
        "Runs the same compiler and simulator as the desktop program, on a private\n"
        "simulated controller of its own.\n"
        "\n"
        "Exit status: 0 done, 1 a block did not compile or could not be read,\n"
        "2 bad usage or bad input, 3 the controller ended in STOP.\n";
  os << "\nCommands:\n";
  for (const auto& c : kCommands)
    os << "  " << c.synopsis << '\n';
}

}  // namespace

std::span<const Command> commandTable() {
  return kCommands;
}

ExitStatus runCli(std::span<const std::string_view> args, CliStreams streams) {
  if (args.empty()) {
    printUsage(streams.err);
    return ExitStatus::kBadUsage;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    printUsage(streams.out);
    return ExitStatus::kDone;
  }
  for (const auto& c : kCommands) {
    if (c.name != args[0]) continue;
    const auto rest = args.subspan(1);
    if (!rest.empty() && rest[0] == "--help") {
      streams.out << "usage: tavrin-cli " << c.synopsis << "\n\n" << c.summary << '\n';
      return ExitStatus::kDone;
    }
    return c.run(rest, streams);
  }
  streams.err << "tavrin-cli: unknown command '" << args[0] << "' (see tavrin-cli --help)\n";
  return ExitStatus::kBadUsage;
}

}  // namespace tavrin::cli
