// Runs tavrin-cli in the test process and keeps what it printed.
#ifndef MAIN_CLI_TESTS_CLI_RUN_H
#define MAIN_CLI_TESTS_CLI_RUN_H

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "main/cli/command_table.h"

namespace tavrin::cli::testing {

struct CliRun {
  ExitStatus status;
  std::string out;
  std::string err;
};

inline CliRun run(std::vector<std::string_view> args) {
  std::ostringstream out, err;
  const ExitStatus status = runCli(args, {out, err});
  return {status, out.str(), err.str()};
}

// The example projects of the source tree.
inline std::string examplesDir() {
  return TAVRIN_EXAMPLES_DIR;
}

}  // namespace tavrin::cli::testing

#endif
