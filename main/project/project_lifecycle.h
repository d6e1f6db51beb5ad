// The life of a project: opening or creating, closing, saving, saving under a new name and
// deleting it; its times, the recent-project list and the settings file around it.
//
// Contents
//   OpenDocument        an open editor's document, as the windows report it
//   ProjectWindows      what the project needs from the windows (the desktop program's side)
//   NoProjectWindows    the windows of a program without windows (the command line)
//   ProjectEnvironment  everything a session is built on
//   ProjectSession      the program-wide state of projects and its operations
//
// The file dialogs belong to the windows: they show the dialog (titles and filters in
// project_messages.h) and pass the chosen path in. Messages and questions go through the
// environment's UserDialog with the texts of project_messages.h. Every failure leaves the
// project as it was before the failing step and returns false.
//
// The project directory is held, not made the process's current directory: block files are
// named from it (blockFileName of block_file_name.h), so paths given on a command line keep
// their meaning while a project is open.
#ifndef MAIN_PROJECT_PROJECT_LIFECYCLE_H
#define MAIN_PROJECT_PROJECT_LIFECYCLE_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "main/project/block_template.h"
#include "main/project/project_desktop.h"
#include "main/project/project_file.h"
#include "main/project/project_times.h"
#include "main/project/settings_file.h"
#include "main/project/symbol_file_link.h"
#include "platform/millisecond_clock.h"
#include "platform/user_dialog.h"

namespace tavrin::project {

struct OpenDocument {
  std::string blockName;     // "PB001"
  std::uintmax_t bytes = 0;  // the size the document would have as a block file
  bool hasFile = false;      // false for a block that exists only on the desktop
};

class ProjectWindows {
 public:
  virtual ~ProjectWindows() = default;
  // Closes every child window; each changed editor asks whether to save its block. False when
  // a window stays open (the user kept it).
  virtual bool closeAllWindows() = 0;
  // Saves the blocks of all open editors to their files; false when one could not be saved.
  virtual bool saveOpenBlocks() = 0;
  virtual std::vector<OpenDocument> openDocuments() const = 0;
  // The analog modules keep their data in the project file themselves.
  virtual void saveAnalogModules(const std::filesystem::path& projectFile) = 0;
  // A new project was created: the new-block dialog opens.
  virtual void newProjectCreated() = 0;
  // Lets `milliseconds` pass with the window updated (for the flashing status text).
  virtual void pause(std::uint64_t milliseconds) = 0;
};

class NoProjectWindows final : public ProjectWindows {
 public:
  bool closeAllWindows() override { return true; }
  bool saveOpenBlocks() override { return true; }
  std::vector<OpenDocument> openDocuments() const override { return {}; }
  void saveAnalogModules(const std::filesystem::path&) override {}
  void newProjectCreated() override {}
  void pause(std::uint64_t) override {}
};

struct ProjectEnvironment {
  std::filesystem::path programDirectory;  // home of TAVRIN.INI
  platform::UserDialog& dialog;
  ProjectWindows& windows;
  SymbolFileLink& symbols;
  const platform::MillisecondClock& clock;
  std::function<BlockDate()> today = todaysDate;
  // The free bytes where a file in `directory` would go.
  std::function<std::optional<std::uintmax_t>(const std::filesystem::path& directory)> freeSpace =
      defaultFreeSpace;

  static std::optional<std::uintmax_t> defaultFreeSpace(const std::filesystem::path& directory);
};

class ProjectSession {
 public:
  explicit ProjectSession(ProjectEnvironment environment);

  // --- the settings file -------------------------------------------------------------------
  // Reads TAVRIN.INI once at start. False when it exists but cannot be read (the defaults
  // apply then, and writing it is refused so that it is not overwritten).
  bool readSettings();
  // Writes every setting; the dialogs that change one call it.
  platform::IoStatus writeSettings();
  ProgramSettings& settings() { return settings_; }
  const ProgramSettings& settings() const { return settings_; }

  // --- opening and closing -----------------------------------------------------------------
  // A path chosen in the file dialog "Projekt öffnen/erzeugen": an existing project is opened,
  // a new name creates the project (NAME.PRJ chosen in D becomes D/NAME/NAME.PRJ).
  bool openOrCreateProject(const std::filesystem::path& chosen);
  // A path that must exist: a recent project, the command line, the S5D import.
  bool openProject(const std::filesystem::path& given);
  // Menu command kFirstRecentCommand + index. An entry whose project is gone is removed.
  bool openRecentProject(std::size_t index);
  // Closes the windows, writes the duration, frees the symbol table. False (and the project
  // stays open) when a window stays open.
  bool closeProject();

  // --- saving ------------------------------------------------------------------------------
  // The open blocks, the desktop, the special function blocks, the options and the times.
  bool saveProject();
  bool saveProjectAs(const std::filesystem::path& chosen);
  // At program end: the open editors, in window order.
  bool saveDesktop(const std::vector<EditorWindowEntry>& editors);
  // At program end, after the desktop: the settings when "TavrinIniSichern" is set, the
  // recent-project list in any case.
  platform::IoStatus endProgram();

  // --- deleting ----------------------------------------------------------------------------
  // A project file chosen in the file dialog "Projekt löschen".
  bool deleteProject(const std::filesystem::path& chosen);

  // --- idle processing ---------------------------------------------------------------------
  // Called about once a second while a project is open.
  void durationTick();

  // --- state -------------------------------------------------------------------------------
  bool isOpen() const { return open_; }
  const std::filesystem::path& projectFile() const { return projectFile_; }
  std::filesystem::path projectDirectory() const;
  std::string caption() const;
  std::string creationDate() const;
  std::string changeDate() const;
  std::int32_t durationSeconds() const { return duration_.seconds(); }
  std::string durationText() const { return duration_.text(); }
  // "dezimal" or "keine" ("adressen"), at most 20 characters.
  std::string addressDisplay() const;
  // The colour scheme: the system's colours ("farben" = "Windows") or the program's own.
  bool systemColours() const { return systemColours_; }
  void setSystemColours(bool system) { systemColours_ = system; }
  // The symbol file of the open project and whether symbols are shown and comments written
  // automatically (both off when the file is missing).
  const std::optional<std::filesystem::path>& symbolFile() const { return symbolFile_; }
  bool showSymbols() const { return showSymbols_; }
  bool autoComment() const { return autoComment_; }
  // The project file's data as read at opening; the windows and dialogs change it, saving
  // writes it.
  ProjectFileData& project() { return project_; }
  const ProjectFileData& project() const { return project_; }
  // The block the editor works on and the reference project of block transfers; closing the
  // project empties both.
  std::string currentBlockName;
  std::filesystem::path referenceProject;

 private:
  bool open(const std::filesystem::path& path, bool mayCreate);
  std::optional<std::filesystem::path> createProject(const std::filesystem::path& chosen);
  bool readOpenedProject(const std::filesystem::path& file);
  void loadSymbols();
  void flashOpenBlocksHint();
  void forgetProject();
  bool copyProject(const std::filesystem::path& from, const std::filesystem::path& to,
                   const std::optional<std::filesystem::path>& symbolFile);
  std::uintmax_t bytesToCopy() const;
  std::string today() const;
  void message(std::string text, platform::MessageKind kind) const;

  ProjectEnvironment env_;
  ProgramSettings settings_;
  bool settingsWritable_ = true;
  bool open_ = false;
  std::filesystem::path projectFile_;
  ProjectFileData project_;
  ProjectDuration duration_;
  bool systemColours_ = false;
  std::optional<std::filesystem::path> symbolFile_;
  bool showSymbols_ = false;
  bool autoComment_ = false;
};

}  // namespace tavrin::project

#endif
