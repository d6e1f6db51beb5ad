#include "main/cli/compile_command.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "main/cli/block_sources.h"
#include "main/cli/project_symbols.h"

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
  // The project alone stands for every block of it; beside block files it gives its symbols.
  const bool projectAlone = projectFile && files.empty();
  if (projectAlone) files.push_back(*projectFile);
  auto blocks = commandBlocksOf(files, kCommand, streams.err);
  if (!blocks) return ExitStatus::kBadUsage;
  if (projectFile && !projectAlone) {
    const auto project = projectSources(*projectFile, kCommand, streams.err);
    if (!project) return ExitStatus::kBadUsage;
    blocks->symbols = project->symbols;
  }
  ProjectSymbols symbols;
  if (!symbols.load(blocks->symbols, kCommand, streams.err)) return ExitStatus::kBadUsage;

  ExitStatus status = ExitStatus::kDone;
  for (const auto& file : blocks->files) {
    const auto block = compileBlockFile(file, streams.err, symbols.lineSymbols());
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
