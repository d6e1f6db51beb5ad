// A project session on private directories: a program directory of its own (never the user's),
// a working directory for projects, a scripted dialog, a fixed date, a hand-set clock, the real
// symbol table and windows that hold block documents and save them as the editors do.
#ifndef MAIN_PROJECT_TESTS_PROJECT_SESSION_FIXTURE_H
#define MAIN_PROJECT_TESTS_PROJECT_SESSION_FIXTURE_H

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "main/lang/awl_ascii.h"
#include "main/project/block_file_name.h"
#include "main/project/block_file_writer.h"
#include "main/project/block_template.h"
#include "main/project/project_lifecycle.h"
#include "main/project/project_messages.h"
#include "outside/symtab/symtab32.h"
#include "platform/millisecond_clock.h"
#include "platform/scripted_user_dialog.h"
#include "platform/tests/temp_dir.h"

namespace tavrin::project::testing {

using platform::testing::readFile;
using platform::testing::TempDir;
using platform::testing::writeFile;

// The editors of the desktop: block documents that are saved to the project directory.
class EditorWindows final : public ProjectWindows {
 public:
  bool closeAllWindows() override {
    log.push_back("close windows");
    if (keepAWindowOpen) return false;
    if (onClose) onClose();
    // Each changed editor asks whether to save its block; the user says yes.
    const bool saved = saveEditors();
    editors.clear();
    return saved;
  }
  bool saveOpenBlocks() override {
    log.push_back("save blocks");
    return !failBlockSaving && saveEditors();
  }
  std::vector<OpenDocument> openDocuments() const override {
    std::vector<OpenDocument> documents;
    for (const lang::AwlAscii& editor : editors) {
      const auto file = blockFileName(session->projectDirectory(), editor.blockName());
      documents.push_back({editor.blockName(), blockFileText(editor).size(),
                           file && std::filesystem::exists(*file)});
    }
    return documents;
  }
  void saveAnalogModules(const std::filesystem::path&) override {
    log.push_back("save analog modules");
  }
  void newProjectCreated() override { log.push_back("new block dialog"); }
  void pause(std::uint64_t milliseconds) override {
    log.push_back("pause " + std::to_string(milliseconds));
  }

  // A new block as the new-block dialog makes it, with `body` after its template.
  void openNewBlock(const std::string& name, const std::vector<std::string>& body) {
    lang::AwlAscii block(name);
    appendNewBlockText(block, false, "Tester", {5, 3, 2024});
    for (const std::string& line : body)
      block.appendLine(line);
    editors.push_back(std::move(block));
  }

  bool saveEditors() {
    bool saved = true;
    for (lang::AwlAscii& editor : editors)
      saved = saveBlockFile(editor, blockDialog, nullptr, session->projectDirectory()) && saved;
    return saved;
  }

  const ProjectSession* session = nullptr;
  std::vector<lang::AwlAscii> editors;
  bool keepAWindowOpen = false;
  bool failBlockSaving = false;
  std::function<void()> onClose;  // runs while the windows close
  std::vector<std::string> log;
  platform::ScriptedUserDialog blockDialog;
};

class ProjectSessionTest : public ::testing::Test {
 protected:
  ProjectSessionTest() { windows.session = &session; }
  ~ProjectSessionTest() override { session.closeProject(); }

  std::filesystem::path work(const std::filesystem::path& relative) const {
    return workDir / relative;
  }
  // A project file of the given text in work/<dir>/<file>.
  std::filesystem::path projectAt(const std::filesystem::path& relative, std::string_view text) {
    writeFile(work(relative), text);
    return work(relative);
  }
  std::vector<platform::DialogEvent> messages() const {
    std::vector<platform::DialogEvent> shown;
    for (const auto& event : dialog.events())
      if (event.kind != platform::DialogEvent::Kind::StatusText) shown.push_back(event);
    return shown;
  }

  TempDir home;     // the program directory
  TempDir workDir;  // where the projects lie
  platform::ScriptedUserDialog dialog;
  EditorWindows windows;
  Symtab32SymbolFile symbols;
  platform::ManualMillisecondClock clock{1000};
  std::optional<std::uintmax_t> freeBytes;           // nothing: the real free space
  std::vector<std::filesystem::path> spaceAskedFor;  // the directories whose space was asked
  ProjectSession session{ProjectEnvironment{
      home.path(), dialog, windows, symbols, clock,
      [] {
        return BlockDate{5, 3, 2024};
      },
      [this](const std::filesystem::path& directory) {
        spaceAskedFor.push_back(directory);
        return freeBytes ? freeBytes : ProjectEnvironment::defaultFreeSpace(directory);
      }}};
};

// The file of a new project as creating it writes it, dated 05.03.2024.
inline constexpr std::string_view kNewProjectFile =
    "[projekt]\r\nadressen=dezimal\r\nfarben=Tavrin\r\n"
    "[schriftfuss]\r\ntext11=\r\ntext12=\r\ntext13=\r\ntext21=\r\ntext22=\r\ntext23=\r\n"
    "text31=\r\ntext32=\r\ntext33=\r\ntext41=\r\ntext42=\r\ntext43=\r\n"
    "[Sonstiges]\r\nErstellt=05.03.2024\r\nGeaendert=05.03.2024\r\n";

// A small project file that opening accepts.
inline constexpr std::string_view kMinimalProjectFile = "[projekt]\r\nadressen=dezimal\r\n";

}  // namespace tavrin::project::testing

#endif
