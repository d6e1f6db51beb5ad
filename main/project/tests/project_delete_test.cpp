#include <gtest/gtest.h>

#include <algorithm>

#include "main/project/tests/project_session_fixture.h"

namespace tavrin::project {
namespace {

using namespace testing;
using platform::DialogAnswer;
using platform::DialogEvent;
using Kind = DialogEvent::Kind;
namespace fs = std::filesystem;

// Every file under `directory`, relative to it, sorted.
std::vector<std::string> filesUnder(const fs::path& directory) {
  std::vector<std::string> files;
  if (!fs::exists(directory)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(directory))
    files.push_back(fs::relative(entry.path(), directory).string());
  std::sort(files.begin(), files.end());
  return files;
}

using ProjectDeletion = ProjectSessionTest;

TEST_F(ProjectDeletion, RemovesTheProjectsFilesAndLeavesEveryOtherFile) {
  struct Case {
    std::string name;
    std::vector<std::string> others;  // files in the directory that are not the project's
    std::vector<std::string> left;    // what the directory holds afterwards
    bool directoryRemoved;
  };
  const std::vector<std::string> own = {"ANLAGE.PRJ",   "PB001.AWL",  "fb010.awl",
                                        "SYMBOLE.SEQ",  "STATUS.LST", "SONDER.FB",
                                        "querverw.txt", "Vergl.bak",  "referenz.s5d"};
  const Case cases[] = {
      {"only the project", {}, {}, true},
      {"with the user's files",
       {"Handbuch.pdf", "EXPORT.AWL", "Fotos/anlage.jpg"},
       {"EXPORT.AWL", "Fotos", "Fotos/anlage.jpg", "Handbuch.pdf"},
       false},
      // Beside another project everything but the project file serves that one too.
      {"with a second project",
       {"ZWEITE.PRJ"},
       {"PB001.AWL", "SONDER.FB", "STATUS.LST", "SYMBOLE.SEQ", "Vergl.bak", "ZWEITE.PRJ",
        "fb010.awl", "querverw.txt", "referenz.s5d"},
       false},
  };
  for (const Case& c : cases) {
    const fs::path directory = work(c.name);
    for (const std::string& file : own)
      writeFile(directory / file, file == "ANLAGE.PRJ"
                                      ? "[projekt]\r\nadressen=dezimal\r\n"
                                        "[Symbolik]\r\nSymbolikDatei=SYMBOLE.SEQ\r\n"
                                      : file);
    for (const std::string& file : c.others)
      writeFile(directory / file, file);
    const fs::path file = directory / "ANLAGE.PRJ";
    session.settings().recentProjects.moveToFront(file.string());
    dialog.scriptAnswer(DialogAnswer::Yes);
    const std::size_t before = dialog.events().size();

    EXPECT_TRUE(session.deleteProject(file)) << c.name;
    EXPECT_EQ(std::vector<DialogEvent>(dialog.events().begin() + static_cast<long>(before),
                                       dialog.events().end()),
              (std::vector<DialogEvent>{
                  {Kind::Question, withArgument(msg::kDeleteProjectQuestion, file.string())},
                  {Kind::StatusMessage, msg::kProjectDeleted}}))
        << c.name;
    EXPECT_EQ(filesUnder(directory), c.left) << c.name;
    EXPECT_EQ(fs::exists(directory), !c.directoryRemoved) << c.name;
    EXPECT_TRUE(session.settings().recentProjects.entries().empty()) << c.name;
  }
}

TEST_F(ProjectDeletion, ASymbolFileOutsideTheProjectDirectoryStays) {
  writeFile(work("gemeinsam/ALLE.SEQ"), "\tE 1.0\tSTART\t\n\x1A");
  const fs::path file = projectAt("P/P.PRJ",
                                  "[projekt]\r\nadressen=dezimal\r\n[Symbolik]\r\n"
                                  "SymbolikDatei=../gemeinsam/ALLE.SEQ\r\n");
  writeFile(work("P/PB001.AWL"), "x");
  dialog.scriptAnswer(DialogAnswer::Yes);
  EXPECT_TRUE(session.deleteProject(file));
  EXPECT_FALSE(fs::exists(work("P")));
  EXPECT_TRUE(fs::exists(work("gemeinsam/ALLE.SEQ")));
}

TEST_F(ProjectDeletion, RefusesWhatIsNoClosedProjectAndWhatTheUserDoesNotConfirm) {
  const fs::path open = projectAt("OFFEN/OFFEN.PRJ", kMinimalProjectFile);
  const fs::path other = projectAt("ANDERES/ANDERES.PRJ", kMinimalProjectFile);
  writeFile(work("ANDERES/PB001.AWL"), "x");
  writeFile(work("ANDERES/NOTIZ.TXT"), "x");
  ASSERT_TRUE(session.openProject(open));
  dialog.scriptAnswer(DialogAnswer::No);
  const std::size_t before = dialog.events().size();

  EXPECT_FALSE(session.deleteProject(work("ANDERES/NOTIZ.TXT")));
  EXPECT_FALSE(session.deleteProject(work("OFFEN/offen.prj")));  // the open one, in other case
  EXPECT_FALSE(session.deleteProject(work("WEG/WEG.PRJ")));
  EXPECT_FALSE(session.deleteProject(other));  // answered no
  EXPECT_EQ(std::vector<DialogEvent>(dialog.events().begin() + static_cast<long>(before),
                                     dialog.events().end()),
            (std::vector<DialogEvent>{
                {Kind::Warning, msg::kDeleteOnlyProjects},
                {Kind::Warning, msg::kDeleteOpenProject},
                {Kind::Warning, withArgument(msg::kProjectFileGone, work("WEG/WEG.PRJ").string())},
                {Kind::Question, withArgument(msg::kDeleteProjectQuestion, other.string())}}));
  EXPECT_EQ(filesUnder(work("ANDERES")),
            (std::vector<std::string>{"ANDERES.PRJ", "NOTIZ.TXT", "PB001.AWL"}));
  EXPECT_TRUE(fs::exists(open));
}

TEST_F(ProjectDeletion, ASubdirectoryIsNeverTheProjects) {
  const fs::path file = projectAt("P/P.PRJ", kMinimalProjectFile);
  // Named like a block file, but a directory: it and what it holds stay.
  writeFile(work("P/PB001.AWL/inhalt"), "x");
  dialog.scriptAnswer(DialogAnswer::Yes);
  EXPECT_TRUE(session.deleteProject(file));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(filesUnder(work("P")), (std::vector<std::string>{"PB001.AWL", "PB001.AWL/inhalt"}));
}

}  // namespace
}  // namespace tavrin::project
