#include "main/project/project_contents.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

#include "main/lang/block_id.h"
#include "main/project/block_file_name.h"
#include "main/project/project_file.h"
#include "main/project/project_paths.h"
#include "platform/ascii_case.h"
#include "platform/ini_profile.h"

namespace tavrin::project {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 6> kAnalysisLogs = {
    "querverw.txt", "querverw.bak", "Vergl.txt", "Vergl.bak", "umverdr.txt", "FEHLER.TXT"};
constexpr std::string_view kTransferReference = "referenz.s5d";
constexpr std::string_view kStatusVariableListExtension = ".LST";
constexpr std::string_view kSpecialFbListExtension = ".FB";

bool named(const fs::path& file, std::string_view name) {
  return platform::equalsIgnoreAsciiCase(file.filename().string(), name);
}

bool extensionIs(const fs::path& file, std::string_view extension) {
  return platform::equalsIgnoreAsciiCase(file.extension().string(), extension);
}

bool sameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error);
}

std::optional<ProjectFileKind> kindOf(const fs::path& file,
                                      const std::optional<fs::path>& symbolFile) {
  if (symbolFile && sameFile(file, *symbolFile)) return ProjectFileKind::SymbolFile;
  if (isBlockFileName(file.filename())) return ProjectFileKind::BlockFile;
  if (extensionIs(file, kStatusVariableListExtension)) return ProjectFileKind::StatusVariableList;
  if (extensionIs(file, kSpecialFbListExtension)) return ProjectFileKind::SpecialFbList;
  for (std::string_view log : kAnalysisLogs)
    if (named(file, log)) return ProjectFileKind::AnalysisLog;
  if (named(file, kTransferReference)) return ProjectFileKind::TransferReference;
  return std::nullopt;
}

// The regular files of a directory, sorted by name; nothing when it cannot be listed.
std::optional<std::vector<fs::path>> filesOf(const fs::path& directory) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    std::error_code statusError;
    if (it->is_regular_file(statusError)) files.push_back(it->path());
  }
  if (error) return std::nullopt;
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

std::vector<ProjectFileEntry> ProjectContents::ofKind(ProjectFileKind kind) const {
  std::vector<ProjectFileEntry> found;
  for (const ProjectFileEntry& entry : files)
    if (entry.kind == kind) found.push_back(entry);
  return found;
}

bool isBlockFileName(const fs::path& fileName) {
  return extensionIs(fileName, kBlockFileExtension) &&
         lang::checkTypedBlockName(fileName.stem().string()).has_value();
}

ProjectContents listProjectContents(const fs::path& projectFile,
                                    const std::optional<fs::path>& symbolFile) {
  ProjectContents contents;
  contents.projectFile = projectFile;
  contents.directory = projectDirectoryOf(projectFile);
  contents.files.push_back({projectFile, ProjectFileKind::ProjectFile});
  for (const fs::path& file : filesOf(contents.directory).value_or(std::vector<fs::path>{})) {
    if (sameFile(file, projectFile)) continue;
    if (isProjectFileName(file)) {
      contents.otherProjectFiles.push_back(file);
      continue;
    }
    if (const auto kind = kindOf(file, symbolFile)) contents.files.push_back({file, *kind});
  }
  return contents;
}

ProjectBlockSources projectBlockSources(const fs::path& projectFile) {
  ProjectBlockSources sources;
  sources.projectFile = projectFile;
  if (!isProjectFileName(projectFile)) {
    sources.problem = ProjectSourcesProblem::NotAProjectFile;
    return sources;
  }
  const std::optional<fs::path> found = findProjectFile(projectFile);
  if (!found) {
    sources.problem = ProjectSourcesProblem::Missing;
    return sources;
  }
  sources.projectFile = *found;
  const platform::IniFileLoad load = platform::loadIniFile(*found);
  if (!load.ok() || !hasProjectKeys(load.document)) {
    sources.problem = ProjectSourcesProblem::NotAProject;
    return sources;
  }
  sources.directory = projectDirectoryOf(*found);
  sources.symbols = symbolSettingsOf(readProjectFileData(load.document).values, sources.directory);
  const std::optional<std::vector<fs::path>> files = filesOf(sources.directory);
  if (!files) {
    sources.problem = ProjectSourcesProblem::Unreadable;
    return sources;
  }
  std::map<std::string, fs::path> byBlock;
  for (const fs::path& file : *files) {
    if (!isBlockFileName(file.filename())) continue;
    const auto typed = lang::checkTypedBlockName(file.stem().string());
    const std::string block = lang::blockName(typed->id);
    const bool ownName = platform::equalsIgnoreAsciiCase(file.stem().string(), block);
    const auto [at, inserted] = byBlock.emplace(block, file);
    if (!inserted && ownName) at->second = file;
  }
  for (auto& [block, file] : byBlock)
    sources.blockFiles.push_back(std::move(file));
  return sources;
}

}  // namespace tavrin::project
