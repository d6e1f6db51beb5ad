#include <iostream>
#include <string_view>
#include <vector>

#include "main/cli/command_table.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  try {
    return static_cast<int>(tavrin::cli::runCli(args, {std::cout, std::cerr, &std::cin}));
  } catch (const std::exception& e) {
    std::cerr << "tavrin-cli: " << e.what() << '\n';
    return static_cast<int>(tavrin::cli::ExitStatus::kBadUsage);
  }
}
