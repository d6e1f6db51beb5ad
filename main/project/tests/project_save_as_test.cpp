#include <gtest/gtest.h>

#include <algorithm>

#include "main/project/tests/project_session_fixture.h"

namespace tavrin::project {
namespace {

using namespace testing;
using platform::DialogEvent;
using Kind = DialogEvent::Kind;
namespace fs = std::filesystem;

std::vector<std::string> filesIn(const fs::path& directory) {
  std::vector<std::string> files;
  if (!fs::exists(directory)) return files;
  for (const auto& entry : fs::directory_iterator(directory))
    files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  return files;
}

class ProjectSaveAs : public ProjectSessionTest {
 protected:
  // A project ALT with a block of every kind of file, a symbol file and files of the user's.
  void SetUp() override {
    oldFile = projectAt("ALT/ALT.PRJ",
                        "[projekt]\r\nadressen=dezimal\r\n[Symbolik]\r\nSymbolikAktiv=1\r\n"
                        "SymbolikDatei=ALT.SEQ\r\n");
    for (const char* name : {"OB001.AWL", "PB001.AWL", "DB002.AWL", "STATUS.LST", "LISTE.FB",
                             "querverw.txt", "Vergl.txt", "referenz.s5d", "Notizen.doc"})
      writeFile(work("ALT") / name, name);
    writeFile(work("ALT/ALT.SEQ"), "\tE 1.0\tSTART\t\n\x1A");
    ASSERT_TRUE(session.openProject(oldFile));
    windows.log.clear();
  }
  fs::path oldFile;
};

TEST_F(ProjectSaveAs, CopiesEverythingTheProjectConsistsOfAndOpensTheCopy) {
  windows.openNewBlock("PB001", {"0000      :BE"});  // saved by closing the old project
  windows.editors.back().setFilePath(work("ALT/PB001.AWL").string());
  ASSERT_TRUE(windows.saveOpenBlocks());
  const std::string pb001 = readFile(work("ALT/PB001.AWL"));
  const std::string oldProject = readFile(oldFile);

  ASSERT_TRUE(session.saveProjectAs(work("NEU.PRJ")));
  EXPECT_EQ(session.projectFile(), work("NEU/NEU.PRJ"));
  EXPECT_EQ(filesIn(work("NEU")),
            (std::vector<std::string>{"ALT.SEQ", "DB002.AWL", "LISTE.FB", "NEU.PRJ", "OB001.AWL",
                                      "PB001.AWL", "STATUS.LST", "Vergl.txt", "querverw.txt",
                                      "referenz.s5d"}));
  // The old project is as closing left it (with the time it was open), the copy the same.
  EXPECT_EQ(readFile(oldFile), oldProject + "[Sonstiges]\r\nProjektDauerInSec=0\r\n");
  EXPECT_EQ(readFile(work("NEU/NEU.PRJ")), readFile(oldFile));
  EXPECT_EQ(readFile(work("NEU/PB001.AWL")), pb001);
  EXPECT_EQ(readFile(work("NEU/STATUS.LST")), "STATUS.LST");
  EXPECT_EQ(filesIn(work("ALT")).size(), 11u);
  // The copy uses its own symbol file.
  EXPECT_EQ(session.symbolFile(), work("NEU/ALT.SEQ"));
  EXPECT_EQ(std::string(GetSymbolikDatei()), work("NEU/ALT.SEQ").string());
  EXPECT_EQ(dialog.texts(Kind::StatusMessage), std::vector<std::string>{msg::kSaveAsFinished});
  EXPECT_EQ(session.settings().recentProjects.entries().front(), work("NEU/NEU.PRJ").string());
}

TEST_F(ProjectSaveAs, ASymbolFileFromElsewhereIsCopiedAndTheCopyNamesIt) {
  writeFile(work("gemeinsam/ALLE.SEQ"), "\tA 4.0\tMOTOR\t\n\x1A");
  ASSERT_TRUE(session.closeProject());
  writeFile(oldFile,
            "[projekt]\r\nadressen=dezimal\r\n[Symbolik]\r\nSymbolikAktiv=1\r\n"
            "SymbolikDatei=" +
                work("gemeinsam/ALLE.SEQ").string() + "\r\n");
  ASSERT_TRUE(session.openProject(oldFile));

  ASSERT_TRUE(session.saveProjectAs(work("KOPIE.PRJ")));
  EXPECT_EQ(readFile(work("KOPIE/ALLE.SEQ")), "\tA 4.0\tMOTOR\t\n\x1A");
  EXPECT_NE(readFile(work("KOPIE/KOPIE.PRJ")).find("SymbolikDatei=ALLE.SEQ\r\n"),
            std::string::npos);
  EXPECT_EQ(session.symbolFile(), work("KOPIE/ALLE.SEQ"));
  EXPECT_TRUE(fs::exists(work("gemeinsam/ALLE.SEQ")));
}

TEST_F(ProjectSaveAs, RefusalsChangeNothing) {
  struct Case {
    std::string name;
    fs::path chosen;
    DialogEvent shown;
  };
  writeFile(work("DA.PRJ"), "x");
  writeFile(work("AUCHDA/AUCHDA.PRJ"), "x");
  fs::create_directories(work("BELEGT"));
  const Case cases[] = {
      {"the chosen file exists",
       work("DA.PRJ"),
       {Kind::Error, withArgument(msg::kSaveAsTargetExists, work("DA.PRJ").string())}},
      {"its project file exists",
       work("AUCHDA.PRJ"),
       {Kind::Error, withArgument(msg::kSaveAsTargetExists, work("AUCHDA.PRJ").string())}},
      {"its directory exists",
       work("BELEGT.PRJ"),
       {Kind::Error, withArgument(msg::kSaveAsNoDirectory, work("BELEGT").string())}},
      {"no such parent directory",
       work("FEHLT/X.PRJ"),
       {Kind::Error, withArgument(msg::kSaveAsNoDirectory, work("FEHLT/X").string())}},
      {"an umlaut", work("M\xDCLL.PRJ"), {Kind::Error, msg::kUmlautInProjectPath}},
      {"not a project name",
       work("X.TXT"),
       {Kind::Warning, withArgument(msg::kNotAProjectFile, work("X.TXT").string())}},
  };
  const std::vector<std::string> before = filesIn(workDir.path());
  for (const Case& c : cases) {
    const std::size_t shown = dialog.events().size();
    EXPECT_FALSE(session.saveProjectAs(c.chosen)) << c.name;
    ASSERT_EQ(dialog.events().size(), shown + 1) << c.name;
    EXPECT_EQ(dialog.events().back(), c.shown) << c.name;
    EXPECT_EQ(session.projectFile(), oldFile) << c.name;
  }
  EXPECT_EQ(filesIn(workDir.path()), before);
  EXPECT_TRUE(windows.log.empty());  // not even the windows were closed
}

TEST_F(ProjectSaveAs, TheFreeSpaceMustHoldTheFilesAndTheOpenDocuments) {
  std::uintmax_t onDisk = 0;
  for (const auto& entry : fs::directory_iterator(work("ALT")))
    if (entry.path().filename() != "Notizen.doc") onDisk += fs::file_size(entry.path());
  windows.openNewBlock("FB005", {"0000      :BE"});  // only on the desktop
  const std::uintmax_t desktopOnly = blockFileText(windows.editors.back()).size();

  freeBytes = onDisk + desktopOnly - 1;
  EXPECT_FALSE(session.saveProjectAs(work("NEU.PRJ")));
  EXPECT_EQ(dialog.events().back(), (DialogEvent{Kind::Error, msg::kSaveAsNoSpace}));
  EXPECT_FALSE(fs::exists(work("NEU")));
  EXPECT_TRUE(session.isOpen());

  freeBytes = onDisk + desktopOnly;
  EXPECT_TRUE(session.saveProjectAs(work("NEU.PRJ")));
  EXPECT_TRUE(fs::exists(work("NEU/FB005.AWL")));  // saved when the old project closed
}

TEST_F(ProjectSaveAs, TheSpaceCheckAsksTheTargetDriveAndKnowsNoFixedLimit) {
  // More than ten megabytes (a long status-variable list) go where there is room for them.
  constexpr std::uintmax_t kLarge = 11 * 1024 * 1024;
  writeFile(work("ALT/ARCHIV.LST"), "");
  fs::resize_file(work("ALT/ARCHIV.LST"), kLarge);
  std::uintmax_t onDisk = 0;
  for (const auto& entry : fs::directory_iterator(work("ALT")))
    if (entry.path().filename() != "Notizen.doc") onDisk += fs::file_size(entry.path());
  freeBytes = onDisk;
  spaceAskedFor.clear();

  ASSERT_TRUE(session.saveProjectAs(work("NEU.PRJ")));
  EXPECT_EQ(fs::file_size(work("NEU/ARCHIV.LST")), kLarge);
  // Asked once, about the directory the new project directory goes into.
  EXPECT_EQ(spaceAskedFor, std::vector<fs::path>{workDir.path()});
}

TEST(ProjectFreeSpace, IsWhatTheFileSystemHasFreeForTheDirectory) {
  TempDir dir;
  const std::optional<std::uintmax_t> free = ProjectEnvironment::defaultFreeSpace(dir.path());
  ASSERT_TRUE(free.has_value());
  EXPECT_LE(*free, fs::space(dir.path()).capacity);
  // Where nothing can be asked there is no answer (and no made-up number).
  EXPECT_EQ(ProjectEnvironment::defaultFreeSpace(dir / "WEG"), std::nullopt);
}

TEST_F(ProjectSaveAs, AWindowThatStaysOpenStopsItBeforeAnythingIsCopied) {
  windows.keepAWindowOpen = true;
  EXPECT_FALSE(session.saveProjectAs(work("NEU.PRJ")));
  EXPECT_EQ(dialog.events().back(), (DialogEvent{Kind::Error, msg::kSaveAsWindowsOpen}));
  EXPECT_FALSE(fs::exists(work("NEU")));
  EXPECT_EQ(session.projectFile(), oldFile);
  windows.keepAWindowOpen = false;
}

TEST_F(ProjectSaveAs, AFailedCopyStopsAndKeepsWhatWasCopied) {
  struct Case {
    std::string target;   // the project saved as work/<target>.PRJ
    std::string blocker;  // a file that appears in the new directory while the windows close
    std::string shown;
    std::vector<std::string> left;  // the new directory afterwards
  };
  const Case cases[] = {
      {"EINS", "EINS.PRJ", msg::kCopyProjectFileFailed, {"EINS.PRJ"}},
      {"ZWEI", "OB001.AWL", msg::kCopyBlocksFailed, {"DB002.AWL", "OB001.AWL", "ZWEI.PRJ"}},
      {"DREI",
       "ALT.SEQ",
       msg::kCopySymbolFileFailed,
       {"ALT.SEQ", "DB002.AWL", "DREI.PRJ", "OB001.AWL", "PB001.AWL"}},
      {"VIER",
       "STATUS.LST",
       msg::kCopyProjectFileFailed,
       {"ALT.SEQ", "DB002.AWL", "LISTE.FB", "OB001.AWL", "PB001.AWL", "STATUS.LST", "VIER.PRJ"}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(session.isOpen() || session.openProject(oldFile)) << c.target;
    const fs::path directory = work(c.target);
    // Another program puts a file there: copying never overwrites one.
    windows.onClose = [&] { writeFile(directory / c.blocker, "fremd"); };
    EXPECT_FALSE(session.saveProjectAs(work(c.target + ".PRJ"))) << c.target;
    windows.onClose = nullptr;
    EXPECT_EQ(dialog.events().back(), (DialogEvent{Kind::Error, c.shown})) << c.target;
    EXPECT_FALSE(session.isOpen()) << c.target;  // closed for copying, as before the failure
    EXPECT_EQ(filesIn(directory), c.left) << c.target;
    EXPECT_EQ(readFile(directory / c.blocker), "fremd") << c.target;
  }
}

}  // namespace
}  // namespace tavrin::project
