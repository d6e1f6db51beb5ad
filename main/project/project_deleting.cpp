// Deleting a project: its own files, and its directory when nothing else is left in it.
#include "main/project/project_contents.h"
#include "main/project/project_lifecycle.h"
#include "main/project/project_messages.h"
#include "main/project/project_paths.h"
#include "platform/ini_profile.h"

namespace tavrin::project {

namespace fs = std::filesystem;
using platform::MessageKind;

bool ProjectSession::deleteProject(const fs::path& chosen) {
  const std::string shown = chosen.string();
  if (!isProjectFileName(chosen)) {
    message(msg::kDeleteOnlyProjects, MessageKind::Warning);
    return false;
  }
  const std::optional<fs::path> file = findProjectFile(chosen);
  if (!file) {
    message(withArgument(msg::kProjectFileGone, shown), MessageKind::Warning);
    return false;
  }
  std::error_code error;
  if (open_ && fs::equivalent(*file, projectFile_, error)) {
    message(msg::kDeleteOpenProject, MessageKind::Warning);
    return false;
  }
  if (!env_.dialog.AskYesNo(withArgument(msg::kDeleteProjectQuestion, shown))) return false;

  const fs::path directory = projectDirectoryOf(*file);
  const platform::IniFileLoad load = platform::loadIniFile(*file);
  const SettingsValues values = SettingsValues::read(load.document, SettingsFile::Project);
  const ProjectContents contents = listProjectContents(*file, symbolFileOf(values, directory));
  // Beside another project the blocks, lists and logs serve that one too.
  std::vector<ProjectFileEntry> own = contents.files;
  if (!contents.otherProjectFiles.empty()) own.resize(1);

  bool deleted = true;
  for (const ProjectFileEntry& entry : own) {
    fs::remove(entry.path, error);
    if (error) deleted = false;
  }
  if (deleted && fs::is_empty(directory, error) && !error) {
    fs::remove(directory, error);
    if (error) deleted = false;
  }
  settings_.recentProjects.remove(file->string());
  if (!deleted) {
    message(msg::kProjectDirectoryNotDeleted, MessageKind::Error);
    return false;
  }
  env_.dialog.ShowStatusMessage(msg::kProjectDeleted);
  return true;
}

}  // namespace tavrin::project
