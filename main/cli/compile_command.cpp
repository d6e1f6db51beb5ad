#include "main/cli/compile_command.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "main/cli/block_sources.h"

namespace tavrin::cli {

ExitStatus runCompile(std::span<const std::string_view> args, CliStreams streams) {
  std::vector<std::filesystem::path> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--project") {
      if (i + 1 == args.size()) {
        streams.err << "tavrin-cli compile: --project needs a project file\n";
        return ExitStatus::kBadUsage;
      }
      if (!std::filesystem::is_regular_file(std::filesystem::path(args[++i]))) {
        streams.err << "tavrin-cli compile: no project file '" << args[i] << "'\n";
        return ExitStatus::kBadUsage;
      }
      continue;
    }
    if (args[i].starts_with("--")) {
      streams.err << "tavrin-cli compile: unknown option '" << args[i] << "'\n";
      return ExitStatus::kBadUsage;
    }
    files.emplace_back(args[i]);
  }
  if (files.empty()) {
    streams.err << "tavrin-cli compile: no block files given\n";
    return ExitStatus::kBadUsage;
  }
  ExitStatus status = ExitStatus::kDone;
  for (const auto& file : files) {
    const auto block = compileBlockFile(file, streams.err);
    if (!block) {
      status = ExitStatus::kBlockFailed;
      continue;
    }
    streams.out << block->name << ':';
    for (uint16_t word : block->words) {
      char hex[8];
      std::snprintf(hex, sizeof hex, " %04X", word);
      streams.out << hex;
    }
    streams.out << '\n';
  }
  return status;
}

}  // namespace tavrin::cli
