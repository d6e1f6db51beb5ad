#include "main/cli/block_sources.h"

#include <sstream>

#include "main/lang/awl_ascii.h"
#include "main/lang/block_id.h"
#include "main/lang/compiler.h"
#include "main/lang/renumber.h"
#include "main/project/block_file_reader.h"
#include "main/project/project_paths.h"
#include "platform/cp1252.h"
#include "platform/stderr_user_dialog.h"

namespace tavrin::cli {

namespace {

void report(std::ostream& err, const std::filesystem::path& file, const std::string& cp1252Text) {
  err << file.string() << ": " << platform::cp1252ToUtf8(cp1252Text) << '\n';
}

}  // namespace

std::optional<CompiledBlock> compileBlockFile(const std::filesystem::path& file, std::ostream& err,
                                              const lang::LineSymbols* symbols) {
  const auto typed = lang::checkTypedBlockName(file.stem().string());
  if (!typed) {
    err << file.string()
        << ": the file name names no block (OB, PB, SB, FB, FX, DB or DX and a number 0..255)\n";
    return std::nullopt;
  }
  lang::AwlAscii block(lang::blockName(typed->id));
  // What reading has to say (a repaired header, a cut file) is worth seeing: it goes to stderr.
  std::ostringstream notes;
  platform::StderrUserDialog dialog(notes, platform::DialogAnswer::No, false);
  const project::BlockReadStatus status = project::readBlockFile(block, dialog, symbols, file);
  switch (status) {
    case project::BlockReadStatus::Read:
      break;
    case project::BlockReadStatus::Truncated:
      // A block cut short must not be taken for the whole block.
      err << notes.str();
      err << file.string() << ": the file holds more lines than a block can; it is not compiled\n";
      return std::nullopt;
    case project::BlockReadStatus::FileMissing:
      err << file.string() << ": no such file\n";
      return std::nullopt;
    case project::BlockReadStatus::Unreadable:
    case project::BlockReadStatus::NoPath:
      err << file.string() << ": the file cannot be read\n";
      return std::nullopt;
  }
  err << notes.str();

  // As sending a block does it: a missing BE is added, the text renumbered, then compiled.
  lang::closeBlockText(block, symbols);
  lang::RenumberBlock(block, 0, symbols);
  lang::Mc5Buffer buffer;
  lang::CompileContext context;
  context.symbols = symbols;
  const std::string error = lang::CompileBlock(block, buffer, context);
  if (!error.empty()) {
    report(err, file, "Fehler beim Compilieren ...\n\n" + error + " (" + block.blockName() + ")");
    return std::nullopt;
  }
  return CompiledBlock{block.blockName(),
                       {buffer.words.begin(), buffer.words.begin() + buffer.length}};
}

std::optional<project::ProjectBlockSources> projectSources(const std::filesystem::path& projectFile,
                                                           std::string_view command,
                                                           std::ostream& err) {
  project::ProjectBlockSources sources = project::projectBlockSources(projectFile);
  const std::string name = "'" + projectFile.string() + "'";
  switch (sources.problem) {
    case project::ProjectSourcesProblem::None:
      return sources;
    case project::ProjectSourcesProblem::NotAProjectFile:
      err << command << ": " << name << " is no project file (FILE.PRJ)\n";
      break;
    case project::ProjectSourcesProblem::Missing:
      err << command << ": no project file " << name << '\n';
      break;
    case project::ProjectSourcesProblem::NotAProject:
      err << command << ": " << name << " holds no project (none of the keys of a project file)\n";
      break;
    case project::ProjectSourcesProblem::Unreadable:
      err << command << ": the directory of the project " << name << " cannot be read\n";
      break;
  }
  return std::nullopt;
}

std::optional<CommandBlocks> commandBlocksOf(std::span<const std::filesystem::path> files,
                                             std::string_view command, std::ostream& err) {
  if (files.empty()) {
    err << command << ": no block files given\n";
    return std::nullopt;
  }
  const bool project = project::isProjectFileName(files.front());
  for (const auto& file : files.subspan(1)) {
    if (project || project::isProjectFileName(file)) {
      err << command << ": give either block files or one project file\n";
      return std::nullopt;
    }
  }
  if (!project) return CommandBlocks{{files.begin(), files.end()}, {}};
  auto sources = projectSources(files.front(), command, err);
  if (!sources) return std::nullopt;
  if (sources->blockFiles.empty()) {
    err << command << ": the project '" << files.front().string() << "' has no block files\n";
    return std::nullopt;
  }
  return CommandBlocks{std::move(sources->blockFiles), std::move(sources->symbols)};
}

}  // namespace tavrin::cli
