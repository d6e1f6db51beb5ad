// tavrin-cli compile and run given a project file: every block file of the project, and the
// project files that give no blocks.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "main/cli/tests/cli_run.h"
#include "platform/tests/temp_dir.h"

namespace tavrin::cli {
namespace {

using platform::testing::readFile;
using platform::testing::TempDir;
using platform::testing::writeFile;
using testing::examplesDir;
using testing::run;

std::string example(const std::string& name) {
  return examplesDir() + "/ampel/" + name;
}

// The block names of compile's output, in order.
std::vector<std::string> blockNames(const std::string& out) {
  std::vector<std::string> names;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);)
    names.push_back(line.substr(0, line.find(':')));
  return names;
}

TEST(ProjectFileArguments, CompileGivesEveryBlockOfTheProjectInBlockNameOrder) {
  const auto byFiles = run({"compile", example("DB001.AWL"), example("FB001.AWL"),
                            example("OB001.AWL"), example("PB001.AWL"), example("PB002.AWL")});
  ASSERT_EQ(byFiles.status, ExitStatus::kDone) << byFiles.err;
  ASSERT_EQ(blockNames(byFiles.out),
            (std::vector<std::string>{"DB001", "FB001", "OB001", "PB001", "PB002"}));
  const std::string project = example("AMPEL.PRJ");
  const std::string otherCase = example("ampel.prj");
  struct Case {
    const char* name;
    std::vector<std::string_view> args;
  };
  const Case cases[] = {
      {"the project file", {"compile", project}},
      {"--project alone", {"compile", "--project", project}},
      {"the name in another case", {"compile", otherCase}},
  };
  for (const Case& c : cases) {
    const auto r = run(c.args);
    EXPECT_EQ(r.status, ExitStatus::kDone) << c.name << ": " << r.err;
    EXPECT_EQ(r.err, "") << c.name;
    EXPECT_EQ(r.out, byFiles.out) << c.name;
  }
}

TEST(ProjectFileArguments, BesideBlockFilesTheProjectAddsNoBlocks) {
  const auto r = run({"compile", "--project", example("AMPEL.PRJ"), example("OB001.AWL")});
  EXPECT_EQ(r.status, ExitStatus::kDone) << r.err;
  EXPECT_EQ(r.out, "OB001: 7070 1001 8000 0000 0008 7501 7502 6500\n");
}

TEST(ProjectFileArguments, TheProjectFileIsOnlyRead) {
  const std::string before = readFile(example("AMPEL.PRJ"));
  std::vector<std::string_view> args = {"run", "--cycles", "5", "--status", "A4.0"};
  const std::string project = example("AMPEL.PRJ");
  args.push_back(project);
  ASSERT_EQ(run(args).status, ExitStatus::kDone);
  EXPECT_EQ(readFile(example("AMPEL.PRJ")), before);
}

TEST(ProjectFileArguments, AProjectThatGivesNoBlocksIsBadInput) {
  TempDir dir;
  const std::string foreign = (dir / "FREMD" / "FREMD.PRJ").string();
  writeFile(foreign, "; nur Notizen\r\n[Werkzeug]\r\nPfad=/opt\r\n");
  writeFile(dir / "FREMD" / "OB001.AWL", readFile(example("OB001.AWL")));
  const std::string empty = (dir / "LEER" / "LEER.PRJ").string();
  writeFile(empty, "[projekt]\r\nadressen=dezimal\r\n");
  writeFile(dir / "LEER" / "NOTIZ.TXT", "keine Bausteine");
  const std::string text = (dir / "PROJEKT.TXT").string();
  writeFile(text, "[projekt]\r\nadressen=dezimal\r\n");
  const std::string missing = (dir / "WEG" / "WEG.PRJ").string();
  const std::string project = example("AMPEL.PRJ");
  const std::string ob1 = example("OB001.AWL");

  struct Case {
    std::vector<std::string_view> args;
    std::string message;
  };
  const std::string noProjectFile = "no project file '" + missing + "'";
  const std::string holdsNone =
      "'" + foreign + "' holds no project (none of the keys of a project file)";
  const std::string noBlocks = "the project '" + empty + "' has no block files";
  const std::string either = "give either block files or one project file";
  const Case cases[] = {
      {{"run", missing}, noProjectFile},
      {{"compile", missing}, noProjectFile},
      {{"compile", "--project", missing, ob1}, noProjectFile},
      {{"run", foreign}, holdsNone},
      {{"compile", "--project", foreign, ob1}, holdsNone},
      {{"run", empty}, noBlocks},
      {{"compile", "--project", empty}, noBlocks},
      {{"compile", "--project", text, ob1}, "'" + text + "' is no project file (FILE.PRJ)"},
      {{"run", project, ob1}, either},
      {{"run", ob1, project}, either},
      {{"compile", project, project}, either},
  };
  for (const Case& c : cases) {
    const auto r = run(c.args);
    EXPECT_EQ(r.status, ExitStatus::kBadUsage) << c.message;
    EXPECT_EQ(r.out, "") << c.message;
    EXPECT_EQ(r.err, "tavrin-cli " + std::string(c.args[0]) + ": " + c.message + "\n");
  }
}

}  // namespace
}  // namespace tavrin::cli
