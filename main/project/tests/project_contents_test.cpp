#include "main/project/project_contents.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/tests/temp_dir.h"

namespace tavrin::project {

void PrintTo(const ProjectFileEntry& entry, std::ostream* out) {
  *out << entry.path.filename() << ":" << static_cast<int>(entry.kind);
}

namespace {

using platform::testing::TempDir;
using platform::testing::writeFile;
namespace fs = std::filesystem;

TEST(BlockFileNames, AreTheFilesThatNameABlock) {
  struct Case {
    std::string_view name;
    bool block;
  };
  const Case cases[] = {
      {"PB001.AWL", true},  {"pb001.awl", true},  {"PB1.AWL", true},        {"FX255.AWL", true},
      {"DX000.Awl", true},  {"OB256.AWL", false}, {"XY001.AWL", false},     {"EXPORT.AWL", false},
      {"PB001.TXT", false}, {"PB001", false},     {"PB001.AWL.BAK", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(isBlockFileName(c.name), c.block) << c.name;
}

class ProjectContentsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name :
         {"ANLAGE.PRJ", "PB001.AWL", "fb010.awl", "SYMBOLE.SEQ", "STATUS.LST", "SONDER.FB",
          "querverw.txt", "QUERVERW.BAK", "Vergl.txt", "Vergl.bak", "umverdr.txt", "FEHLER.TXT",
          "referenz.s5d", "EXPORT.AWL", "liesmich.txt", "ANDERE.SEQ"})
      writeFile(dir / name, name);
    writeFile(dir / "ANLAGE.PRJ", "[projekt]\r\nadressen=dezimal\r\n");
    writeFile(dir / "unter" / "PB002.AWL", "in a subdirectory");
  }
  TempDir dir;
};

TEST_F(ProjectContentsTest, ListsEveryFileOfTheProjectByItsKindAndNothingElse) {
  const ProjectContents contents = listProjectContents(dir / "ANLAGE.PRJ", dir / "SYMBOLE.SEQ");
  using K = ProjectFileKind;
  EXPECT_EQ(contents.directory, dir.path());
  EXPECT_EQ(contents.files, (std::vector<ProjectFileEntry>{
                                {dir / "ANLAGE.PRJ", K::ProjectFile},
                                {dir / "FEHLER.TXT", K::AnalysisLog},
                                {dir / "PB001.AWL", K::BlockFile},
                                {dir / "QUERVERW.BAK", K::AnalysisLog},
                                {dir / "SONDER.FB", K::SpecialFbList},
                                {dir / "STATUS.LST", K::StatusVariableList},
                                {dir / "SYMBOLE.SEQ", K::SymbolFile},
                                {dir / "Vergl.bak", K::AnalysisLog},
                                {dir / "Vergl.txt", K::AnalysisLog},
                                {dir / "fb010.awl", K::BlockFile},
                                {dir / "querverw.txt", K::AnalysisLog},
                                {dir / "referenz.s5d", K::TransferReference},
                                {dir / "umverdr.txt", K::AnalysisLog},
                            }));
  EXPECT_TRUE(contents.otherProjectFiles.empty());
  EXPECT_EQ(contents.ofKind(K::BlockFile).size(), 2u);
}

TEST_F(ProjectContentsTest, ASymbolFileElsewhereIsNotInTheDirectorysContents) {
  TempDir elsewhere;
  writeFile(elsewhere / "SYMBOLE.SEQ", "");
  const ProjectContents contents =
      listProjectContents(dir / "ANLAGE.PRJ", elsewhere / "SYMBOLE.SEQ");
  EXPECT_TRUE(contents.ofKind(ProjectFileKind::SymbolFile).empty());
}

TEST_F(ProjectContentsTest, NamesTheOtherProjectsOfTheSameDirectory) {
  writeFile(dir / "zweite.prj", "[projekt]\r\n");
  const ProjectContents contents = listProjectContents(dir / "ANLAGE.PRJ", std::nullopt);
  EXPECT_EQ(contents.otherProjectFiles, std::vector<fs::path>{dir / "zweite.prj"});
}

TEST_F(ProjectContentsTest, TheCommandLineGetsEveryBlockOfAProjectOnce) {
  writeFile(dir / "PB1.AWL", "the same block as PB001.AWL");
  writeFile(dir / "ob1.awl", "OB 1 under a short name only");
  const ProjectBlockSources sources = projectBlockSources(dir / "anlage.prj");
  ASSERT_TRUE(sources.ok());
  EXPECT_EQ(sources.projectFile, dir / "ANLAGE.PRJ");
  EXPECT_EQ(sources.directory, dir.path());
  EXPECT_EQ(sources.blockFiles,
            (std::vector<fs::path>{dir / "fb010.awl", dir / "ob1.awl", dir / "PB001.AWL"}));
}

TEST_F(ProjectContentsTest, TheCommandLineGetsTheSymbolSettingsOpeningWouldUse) {
  struct Case {
    std::string_view name;
    std::string_view symbolKeys;  // section "Symbolik" of the project file
    ProjectSymbolSettings symbols;
  };
  const fs::path file = dir / "SYMBOLE.SEQ";
  const Case cases[] = {
      {"no symbol file", "SymbolikAktiv=1\r\n", {}},
      {"shown", "SymbolikAktiv=1\r\nSymbolikDatei=symbole.seq\r\n", {file, true, false, false}},
      {"named, not shown",
       "SymbolikAktiv=0\r\nSymbolikDatei=SYMBOLE.SEQ\r\n",
       {file, false, false, false}},
      {"commented, old comments replaced",
       "SymbolikAktiv=1\r\nAutomatischeKommentierung=1\r\nSymOldKommentarLoeschen=1\r\n"
       "SymbolikDatei=SYMBOLE.SEQ\r\n",
       {file, true, true, true}},
      {"a file that is not there switches everything off",
       "SymbolikAktiv=1\r\nAutomatischeKommentierung=1\r\nSymbolikDatei=WEG.SEQ\r\n",
       {dir / "WEG.SEQ", false, false, false}},
  };
  for (const Case& c : cases) {
    writeFile(dir / "ANLAGE.PRJ",
              "[projekt]\r\nadressen=dezimal\r\n[Symbolik]\r\n" + std::string(c.symbolKeys));
    const ProjectBlockSources sources = projectBlockSources(dir / "ANLAGE.PRJ");
    ASSERT_TRUE(sources.ok()) << c.name;
    EXPECT_EQ(sources.symbols, c.symbols) << c.name;
  }
}

TEST_F(ProjectContentsTest, TheCommandLineIsToldWhyAProjectGivesNoBlocks) {
  struct Case {
    std::string_view name;
    std::string_view file;            // written into its own directory beside PB001.AWL
    std::optional<std::string> text;  // nothing: the file is not there
    ProjectSourcesProblem problem;
  };
  const Case cases[] = {
      {"another extension", "LIESMICH.TXT", "[projekt]\r\nadressen=dezimal\r\n",
       ProjectSourcesProblem::NotAProjectFile},
      {"no such file", "WEG.PRJ", std::nullopt, ProjectSourcesProblem::Missing},
      {"an empty file", "LEER.PRJ", "", ProjectSourcesProblem::NotAProject},
      {"no key opening reads", "FREMD.PRJ", "; Notizen\r\n[Werkzeug]\r\nPfad=/opt\r\n",
       ProjectSourcesProblem::NotAProject},
      {"only a footer text", "FUSS.PRJ", "[schriftfuss]\r\ntext11=Halle 3\r\n",
       ProjectSourcesProblem::None},
  };
  for (const Case& c : cases) {
    TempDir own;
    writeFile(own / "PB001.AWL", "PB001.AWL");
    if (c.text) writeFile(own / c.file, *c.text);
    const ProjectBlockSources sources = projectBlockSources(own / c.file);
    EXPECT_EQ(sources.problem, c.problem) << c.name;
    EXPECT_EQ(sources.blockFiles.size(), sources.ok() ? 1u : 0u) << c.name;
  }
}

TEST_F(ProjectContentsTest, AProjectWithoutBlocksGivesAnEmptyList) {
  TempDir empty;
  writeFile(empty / "LEER.PRJ", "[projekt]\r\nadressen=dezimal\r\n");
  const ProjectBlockSources none = projectBlockSources(empty / "LEER.PRJ");
  EXPECT_TRUE(none.ok());
  EXPECT_EQ(none.directory, empty.path());
  EXPECT_TRUE(none.blockFiles.empty());
}

}  // namespace
}  // namespace tavrin::project
