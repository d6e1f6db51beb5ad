// tavrin-cli serve: a simulated controller in real time that answers a programming device on a
// pseudo-terminal or a serial device.
#ifndef MAIN_CLI_SERVE_COMMAND_H
#define MAIN_CLI_SERVE_COMMAND_H

#include <atomic>
#include <span>
#include <string_view>

#include "main/cli/command_table.h"

namespace tavrin::cli {

ExitStatus runServe(std::span<const std::string_view> args, CliStreams streams);

// The serving loop on an open line until `stop` becomes true: a cycle every 10 ms, requests
// served between them. The tests run it on their own pseudo-terminal.
void serveLine(int fd, const std::atomic<bool>& stop);

}  // namespace tavrin::cli

#endif
