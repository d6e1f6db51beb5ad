// Opening, creating and closing projects, the settings file and the state of the session.
#include "main/project/project_lifecycle.h"

#include <unistd.h>

#include "main/project/project_messages.h"
#include "main/project/project_paths.h"
#include "platform/ascii_case.h"
#include "platform/file_lookup.h"
#include "platform/foreign_path.h"
#include "platform/ini_profile.h"

namespace tavrin::project {

namespace fs = std::filesystem;
using platform::MessageKind;

namespace {

constexpr std::uint64_t kHintFlashMilliseconds = 100;

bool directoryUsable(const fs::path& directory) {
  std::error_code error;
  return fs::is_directory(directory, error) && ::access(directory.c_str(), R_OK | X_OK) == 0;
}

fs::path absoluteOf(const fs::path& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  return error ? path : absolute.lexically_normal();
}

}  // namespace

std::optional<std::uintmax_t> ProjectEnvironment::defaultFreeSpace(const fs::path& directory) {
  std::error_code error;
  const fs::space_info space = fs::space(directory, error);
  if (error) return std::nullopt;
  return space.available;
}

ProjectSession::ProjectSession(ProjectEnvironment environment) : env_(std::move(environment)) {}

// --- the settings file ---------------------------------------------------------------------

bool ProjectSession::readSettings() {
  SettingsFileRead read = readSettingsFile(env_.programDirectory);
  settings_ = std::move(read.settings);
  settingsWritable_ = read.ok();
  return read.ok();
}

platform::IoStatus ProjectSession::writeSettings() {
  if (!settingsWritable_)
    return {"the settings file could not be read at start and is not overwritten"};
  return writeSettingsFile(env_.programDirectory, settings_);
}

platform::IoStatus ProjectSession::endProgram() {
  if (settings_.values.flag(Setting::IniTavrinIniSichern)) return writeSettings();
  if (!settingsWritable_)
    return {"the settings file could not be read at start and is not overwritten"};
  return writeRecentProjects(env_.programDirectory, settings_.recentProjects);
}

// --- opening and closing -------------------------------------------------------------------

bool ProjectSession::openOrCreateProject(const fs::path& chosen) {
  return open(chosen, true);
}

bool ProjectSession::openProject(const fs::path& given) {
  return open(given, false);
}

bool ProjectSession::openRecentProject(std::size_t index) {
  const auto& entries = settings_.recentProjects.entries();
  if (index >= entries.size()) return false;
  const std::string entry = entries[index];
  const fs::path path = platform::locateForeignPath(entry, env_.programDirectory);
  if (openProject(path)) return true;
  if (!findProjectFile(path)) settings_.recentProjects.remove(entry);
  return false;
}

bool ProjectSession::open(const fs::path& path, bool mayCreate) {
  if (open_ && !closeProject()) return false;

  const fs::path absolute = absoluteOf(path);
  const std::string shown = path.string();
  const std::optional<fs::path> existing = findProjectFile(absolute);
  if (!existing && !mayCreate) {
    message(withArgument(msg::kProjectFileGone, shown), MessageKind::Warning);
    return false;
  }
  // A new name typed without an extension becomes NAME.PRJ; any other name must be one.
  if ((existing || hasExtension(absolute)) && !isProjectFileName(existing.value_or(absolute))) {
    message(withArgument(msg::kNotAProjectFile, shown), MessageKind::Warning);
    return false;
  }
  if (hasNonAsciiByte(absolute.string())) {
    message(msg::kUmlautInProjectPath, MessageKind::Error);
    return false;
  }
  const fs::path directory = projectDirectoryOf(existing.value_or(absolute));
  if (!directoryUsable(directory)) {
    message(withArgument(msg::kCannotEnterProjectDirectory, directory.string()),
            MessageKind::Error);
    return false;
  }

  std::optional<fs::path> file = existing;
  if (!file) file = createProject(absolute);
  if (!file || !readOpenedProject(*file)) return false;

  if (!existing) env_.windows.newProjectCreated();
  flashOpenBlocksHint();
  return true;
}

std::optional<fs::path> ProjectSession::createProject(const fs::path& chosen) {
  const NewProjectLocation location = newProjectLocation(chosen);
  if (platform::findExistingPath(location.directory.parent_path(), location.directory.filename())) {
    message(msg::kProjectDirectoryExists, MessageKind::Error);
    return std::nullopt;
  }
  std::error_code error;
  if (!fs::create_directory(location.directory, error) || error) {
    message(msg::kProjectDirectoryNotCreated, MessageKind::Error);
    return std::nullopt;
  }
  ProjectFileData data;
  startNewProject(data, today(), systemColours_);
  platform::IniDocument document;
  data.values.writeTo(document);
  if (!platform::saveIniFile(location.projectFile, document).ok()) {
    fs::remove(location.directory, error);  // still empty: nothing of the user's is lost
    message(msg::kCannotCreateProjectFile, MessageKind::Error);
    return std::nullopt;
  }
  return location.projectFile;
}

bool ProjectSession::readOpenedProject(const fs::path& file) {
  const platform::IniFileLoad load = platform::loadIniFile(file);
  if (!load.ok() || !hasProjectKeys(load.document)) {
    message(withArgument(msg::kNotAProjectFile, file.string()), MessageKind::Warning);
    return false;
  }
  project_ = readProjectFileData(load.document);
  systemColours_ = platform::equalsIgnoreAsciiCase(project_.values.text(Setting::PrjFarben),
                                                   kSystemColoursValue);
  projectFile_ = file;
  open_ = true;
  duration_.start(project_.values.number(Setting::PrjProjektDauerInSec).value_or(0),
                  env_.clock.now());
  loadSymbols();
  settings_.recentProjects.moveToFront(file.string());
  return true;
}

void ProjectSession::loadSymbols() {
  const ProjectSymbolSettings settings = symbolSettingsOf(project_.values, projectDirectory());
  symbolFile_ = settings.file;
  showSymbols_ = settings.showSymbols;
  autoComment_ = settings.autoComment;
  if (!showSymbols_) return;
  env_.symbols.select(symbolFile_->string());
  const SymbolLoad load = env_.symbols.load();
  if (!load.error.empty()) message(load.error, MessageKind::Warning);
}

void ProjectSession::flashOpenBlocksHint() {
  platform::UserDialog& dialog = env_.dialog;
  for (int shown = 0; shown < 3; ++shown) {
    dialog.SetStatusText(msg::kOpenBlocksHint);
    if (shown == 2) break;
    env_.windows.pause(kHintFlashMilliseconds);
    dialog.SetStatusText("");
    env_.windows.pause(kHintFlashMilliseconds);
  }
}

bool ProjectSession::closeProject() {
  if (!open_) return true;
  if (!env_.windows.closeAllWindows()) return false;

  // The time the project was open; a project file that is gone is not made anew for it.
  platform::IniFileLoad load = platform::loadIniFile(projectFile_);
  if (load.ok() && load.exists) {
    const SettingsKey& key = settingsKey(Setting::PrjProjektDauerInSec);
    const std::string before = load.document.bytes();
    load.document.writeString(key.section, key.key, std::to_string(duration_.seconds()));
    if (load.document.bytes() != before) (void)platform::saveIniFile(projectFile_, load.document);
  }

  env_.symbols.select("");
  env_.symbols.release();
  forgetProject();
  return true;
}

void ProjectSession::forgetProject() {
  open_ = false;
  projectFile_.clear();
  project_ = ProjectFileData{};
  duration_ = ProjectDuration{};
  symbolFile_.reset();
  showSymbols_ = false;
  autoComment_ = false;
  currentBlockName.clear();
  referenceProject.clear();
}

void ProjectSession::durationTick() {
  if (open_) duration_.tick(env_.clock.now());
}

// --- state ---------------------------------------------------------------------------------

fs::path ProjectSession::projectDirectory() const {
  return open_ ? projectDirectoryOf(projectFile_) : fs::path();
}

std::string ProjectSession::caption() const {
  if (!open_) return msg::kProductCaption;
  return withArgument(withArgument(msg::kProjectCaption, msg::kProductCaption),
                      projectFile_.string());
}

std::string ProjectSession::creationDate() const {
  return open_ ? project_.values.text(Setting::PrjErstellt) : std::string();
}

std::string ProjectSession::changeDate() const {
  return open_ ? project_.values.text(Setting::PrjGeaendert) : std::string();
}

std::string ProjectSession::addressDisplay() const {
  return project_.values.text(Setting::PrjAdressen);
}

std::string ProjectSession::today() const {
  return formatBlockDate(env_.today());
}

void ProjectSession::message(std::string text, MessageKind kind) const {
  env_.dialog.ShowMessage(text, kind);
}

}  // namespace tavrin::project
