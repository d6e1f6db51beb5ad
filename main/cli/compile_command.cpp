#include "main/cli/compile_command.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "main/cli/block_sources.h"

namespace tavrin::cli {

ExitStatus runCompile(std::span<const std::string_view> args, CliStreams streams) {
  constexpr std::string_view kCommand = "tavrin-cli compile";
  std::vector<std::filesystem::path> files;
  std::optional<std::filesystem::path> projectFile;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--project") {
      if (i + 1 == args.size()) {
        streams.err << kCommand << ": --project needs a project file\n";
        return ExitStatus::kBadUsage;
      }
      projectFile = std::filesystem::path(args[++i]);
      continue;
    }
    if (args[i].starts_with("--")) {
      streams.err << kCommand << ": unknown option '" << args[i] << "'\n";
      return ExitStatus::kBadUsage;
    }
    files.emplace_back(args[i]);
  }
  // The project alone stands for every block of it.
  if (projectFile && files.empty())
    files.push_back(*projectFile);
  else if (projectFile && !projectBlockFiles(*projectFile, kCommand, streams.err))
    return ExitStatus::kBadUsage;
  const auto blockFiles = blockFilesOf(files, kCommand, streams.err);
  if (!blockFiles) return ExitStatus::kBadUsage;

  ExitStatus status = ExitStatus::kDone;
  for (const auto& file : *blockFiles) {
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
