// Saving a project, saving it under a new name, and the desktop save at program end.
#include "main/lang/block_id.h"
#include "main/project/project_contents.h"
#include "main/project/project_lifecycle.h"
#include "main/project/project_messages.h"
#include "main/project/project_paths.h"
#include "platform/file_lookup.h"
#include "platform/ini_profile.h"

namespace tavrin::project {

namespace fs = std::filesystem;
using platform::MessageKind;

namespace {

std::uintmax_t sizeOf(const fs::path& file) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(file, error);
  return error ? 0 : size;
}

bool sameBlock(const fs::path& blockFile, const std::string& blockName) {
  const auto typed = lang::checkTypedBlockName(blockFile.stem().string());
  const auto document = lang::checkTypedBlockName(blockName);
  return typed && document && typed->id == document->id;
}

bool copyInto(const fs::path& file, const fs::path& directory) {
  std::error_code error;
  return fs::copy_file(file, directory / file.filename(), fs::copy_options::none, error) && !error;
}

}  // namespace

bool ProjectSession::saveProject() {
  if (!open_) return false;
  const bool blocksSaved = env_.windows.saveOpenBlocks();

  project_.values.setText(Setting::PrjGeaendert, today());
  project_.values.setNumber(Setting::PrjProjektDauerInSec, duration_.seconds());
  platform::IniFileLoad load = platform::loadIniFile(projectFile_);
  if (!load.ok()) {
    message(msg::kDesktopNotSaved, MessageKind::Error);
    return false;
  }
  const bool allWritten = writeProjectFileData(load.document, project_);
  if (!platform::saveIniFile(projectFile_, load.document).ok() || !allWritten) {
    message(msg::kDesktopNotSaved, MessageKind::Error);
    return false;
  }
  env_.windows.saveAnalogModules(projectFile_);
  if (!blocksSaved) return false;
  env_.dialog.ShowStatusMessage(msg::kProjectSaved);
  return true;
}

bool ProjectSession::saveDesktop(const std::vector<EditorWindowEntry>& editors) {
  if (!open_) return true;
  platform::IniFileLoad load = platform::loadIniFile(projectFile_);
  const bool saved = load.ok() && writeEditorEntries(load.document, editors) &&
                     platform::saveIniFile(projectFile_, load.document).ok();
  if (!saved) message(msg::kDesktopNotSaved, MessageKind::Error);
  return saved;
}

std::uintmax_t ProjectSession::bytesToCopy() const {
  const ProjectContents contents = listProjectContents(projectFile_, symbolFile_);
  const std::vector<OpenDocument> documents = env_.windows.openDocuments();
  std::uintmax_t bytes = 0;
  for (const ProjectFileEntry& entry : contents.files) {
    std::uintmax_t size = sizeOf(entry.path);
    if (entry.kind == ProjectFileKind::BlockFile)
      for (const OpenDocument& document : documents)
        if (sameBlock(entry.path, document.blockName) && document.bytes > size)
          size = document.bytes;
    bytes += size;
  }
  for (const OpenDocument& document : documents)
    if (!document.hasFile) bytes += document.bytes;
  // A symbol file outside the directory is copied too.
  if (symbolFile_ && contents.ofKind(ProjectFileKind::SymbolFile).empty())
    bytes += sizeOf(*symbolFile_);
  return bytes;
}

bool ProjectSession::saveProjectAs(const fs::path& chosen) {
  if (!open_) return false;
  const std::string shown = chosen.string();
  std::error_code error;
  const fs::path absolute = fs::absolute(chosen, error).lexically_normal();
  if (hasExtension(absolute) && !isProjectFileName(absolute)) {
    message(withArgument(msg::kNotAProjectFile, shown), MessageKind::Warning);
    return false;
  }
  if (hasNonAsciiByte(absolute.string())) {
    message(msg::kUmlautInProjectPath, MessageKind::Error);
    return false;
  }
  const NewProjectLocation target = newProjectLocation(absolute);
  if (findProjectFile(absolute) || findProjectFile(target.projectFile)) {
    message(withArgument(msg::kSaveAsTargetExists, shown), MessageKind::Error);
    return false;
  }

  const std::optional<std::uintmax_t> free = env_.freeSpace(target.directory.parent_path());
  if (free && bytesToCopy() > *free) {
    message(msg::kSaveAsNoSpace, MessageKind::Error);
    return false;
  }

  const bool directoryTaken =
      platform::findExistingPath(target.directory.parent_path(), target.directory.filename())
          .has_value();
  if (directoryTaken || !fs::create_directory(target.directory, error) || error) {
    message(withArgument(msg::kSaveAsNoDirectory, target.directory.string()), MessageKind::Error);
    return false;
  }

  const std::optional<fs::path> symbolFile = symbolFile_;
  const fs::path oldProjectFile = projectFile_;
  if (!closeProject()) {
    fs::remove(target.directory, error);  // nothing was copied into it yet
    message(msg::kSaveAsWindowsOpen, MessageKind::Error);
    return false;
  }
  // The directory stays when copying fails: what was copied is not thrown away.
  if (!copyProject(oldProjectFile, target.projectFile, symbolFile)) return false;
  if (!openProject(target.projectFile)) return false;
  env_.dialog.ShowStatusMessage(msg::kSaveAsFinished);
  return true;
}

bool ProjectSession::copyProject(const fs::path& from, const fs::path& to,
                                 const std::optional<fs::path>& symbolFile) {
  const fs::path directory = projectDirectoryOf(to);
  std::error_code error;
  if (!fs::copy_file(from, to, fs::copy_options::none, error) || error) {
    message(msg::kCopyProjectFileFailed, MessageKind::Error);
    return false;
  }
  const ProjectContents contents = listProjectContents(from, symbolFile);
  for (const ProjectFileEntry& block : contents.ofKind(ProjectFileKind::BlockFile))
    if (!copyInto(block.path, directory)) {
      message(msg::kCopyBlocksFailed, MessageKind::Error);
      return false;
    }

  if (symbolFile && fs::is_regular_file(*symbolFile, error)) {
    bool copied = copyInto(*symbolFile, directory);
    // The new project names its own copy, wherever the old file lay.
    const platform::IniFileLoad load = platform::loadIniFile(to);
    const SettingsValues values = SettingsValues::read(load.document, SettingsFile::Project);
    const std::optional<fs::path> named = symbolFileOf(values, directory);
    const fs::path copy = directory / symbolFile->filename();
    if (copied && !(named && fs::equivalent(*named, copy, error))) {
      const SettingsKey& key = settingsKey(Setting::PrjSymbolikDatei);
      copied =
          platform::writeProfileString(to, key.section, key.key, copy.filename().string()).ok();
    }
    if (!copied) {
      message(msg::kCopySymbolFileFailed, MessageKind::Error);
      return false;
    }
  }

  for (const ProjectFileEntry& entry : contents.files) {
    if (entry.kind == ProjectFileKind::ProjectFile || entry.kind == ProjectFileKind::BlockFile ||
        entry.kind == ProjectFileKind::SymbolFile)
      continue;
    if (!copyInto(entry.path, directory)) {
      message(msg::kCopyProjectFileFailed, MessageKind::Error);
      return false;
    }
  }
  return true;
}

}  // namespace tavrin::project
