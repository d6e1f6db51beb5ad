// tavrin-cli compile and run with a project whose symbol file applies: blocks written with
// symbols compile to the words of the same blocks written with absolute operands; a symbol the
// table lacks is a compile error; a symbol file that cannot be loaded stops the command.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
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

const std::string kHeader = "Kommentar :\nAutor     :\nErstellt  :\n\nNETZWERK   1\n";

const std::string kSymbolFile =
    "\t; Anlage\n"
    "\tE 1.0\tSTART\tStarttaster\n"
    "\tA 4.0\tMOTOR\tMotorschuetz\n"
    "\tMW 10\tSOLLWERT\t\n"
    "\tM 20.0\tPHASE-ROT\t\n"
    "\tT 1\tROT-ZEIT\t\n"
    "\x1A";

// PB 1 as written with symbols and with their operands, statements and call parameters alike;
// FB 1 (the example's, whose header the call's parameters follow) is called from it.
const std::string kSymbolicPb1 = kHeader +
                                 "0000      :U   -START\n"
                                 "0000      :=   -MOTOR\n"
                                 "0000      :L   -SOLLWERT\n"
                                 "0000      :T   MW 12\n"
                                 "0000      :SPA FB 1\n"
                                 "0000 NAME :PHASE\n"
                                 "0000 EIN  >    -PHASE-ROT\n"
                                 "0000 ZEIT >    KT 030.1\n"
                                 "0000 TIM  >    -ROT-ZEIT\n"
                                 "0000 FERT >    M  21.0\n"
                                 "0000      :BE\n";
const std::string kAbsolutePb1 = kHeader +
                                 "0000      :U   E  1.0\n"
                                 "0000      :=   A  4.0\n"
                                 "0000      :L   MW 10\n"
                                 "0000      :T   MW 12\n"
                                 "0000      :SPA FB 1\n"
                                 "0000 NAME :PHASE\n"
                                 "0000 EIN  >    M  20.0\n"
                                 "0000 ZEIT >    KT 030.1\n"
                                 "0000 TIM  >    T  1\n"
                                 "0000 FERT >    M  21.0\n"
                                 "0000      :BE\n";
const std::string kOb1 = kHeader + "0000      :SPA PB 1\n0000      :BE\n";

std::string projectFileText(std::string_view symbolKeys) {
  return "[projekt]\r\nadressen=dezimal\r\nfarben=Tavrin\r\n[Symbolik]\r\n" +
         std::string(symbolKeys);
}

constexpr std::string_view kShown = "SymbolikAktiv=1\r\nSymbolikDatei=ANLAGE.SEQ\r\n";

class ProjectSymbolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string fb1 = readFile(examplesDir() + "/ampel/FB001.AWL");
    for (const TempDir* dir : {&project_, &absolute_}) {
      writeFile(*dir / "FB001.AWL", fb1);
      writeFile(*dir / "OB001.AWL", kOb1);
    }
    writeFile(project_ / "PB001.AWL", kSymbolicPb1);
    writeFile(project_ / "ANLAGE.SEQ", kSymbolFile);
    writeProject(kShown);
    writeFile(absolute_ / "PB001.AWL", kAbsolutePb1);
  }

  void writeProject(std::string_view symbolKeys) const {
    writeFile(project_ / "ANLAGE.PRJ", projectFileText(symbolKeys));
  }
  std::string inProject(std::string_view name) const { return (project_ / name).string(); }
  std::string absolute(std::string_view name) const { return (absolute_ / name).string(); }

  TempDir project_;
  TempDir absolute_;  // the same blocks with absolute operands, in no project
};

TEST_F(ProjectSymbolsTest, BlocksWrittenWithSymbolsGiveTheWordsOfTheirOperands) {
  const auto reference =
      run({"compile", absolute("FB001.AWL"), absolute("OB001.AWL"), absolute("PB001.AWL")});
  ASSERT_EQ(reference.status, ExitStatus::kDone) << reference.err;
  const auto referencePb1 = run({"compile", absolute("PB001.AWL")});
  ASSERT_EQ(referencePb1.status, ExitStatus::kDone) << referencePb1.err;
  ASSERT_TRUE(referencePb1.out.starts_with("PB001: ")) << referencePb1.out;

  const std::string prj = inProject("ANLAGE.PRJ");
  const std::string pb1 = inProject("PB001.AWL");
  struct Case {
    const char* name;
    std::vector<std::string_view> args;
    std::string out;
  };
  const Case cases[] = {
      {"the project file", {"compile", prj}, reference.out},
      {"--project alone", {"compile", "--project", prj}, reference.out},
      {"--project beside a block file", {"compile", "--project", prj, pb1}, referencePb1.out},
  };
  for (const Case& c : cases) {
    const auto r = run(c.args);
    EXPECT_EQ(r.status, ExitStatus::kDone) << c.name << ": " << r.err;
    EXPECT_EQ(r.err, "") << c.name;
    EXPECT_EQ(r.out, c.out) << c.name;
  }
  // The block file keeps its symbols: compiling reads it and writes nothing.
  EXPECT_EQ(readFile(pb1), kSymbolicPb1);
}

TEST_F(ProjectSymbolsTest, RunCompilesTheProjectWithItsSymbols) {
  const std::vector<std::string_view> options = {"run",  "--force",  "E1.0=KM1", "--status",
                                                 "A4.0", "--status", "MW12=KF"};
  std::vector<std::string_view> byFiles = options;
  const std::string files[] = {absolute("FB001.AWL"), absolute("OB001.AWL"), absolute("PB001.AWL")};
  byFiles.insert(byFiles.end(), std::begin(files), std::end(files));
  const auto reference = run(byFiles);
  ASSERT_EQ(reference.status, ExitStatus::kDone) << reference.err;

  std::vector<std::string_view> byProject = options;
  const std::string prj = inProject("ANLAGE.PRJ");
  byProject.push_back(prj);
  const auto r = run(byProject);
  EXPECT_EQ(r.status, ExitStatus::kDone) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, reference.out);
}

TEST_F(ProjectSymbolsTest, WithoutSymbolsShownTheSymbolsAreNoOperands) {
  // As opening the project does: the symbol file applies only while symbols are shown and
  // only when it is there.
  for (std::string_view keys : {std::string_view("SymbolikAktiv=0\r\nSymbolikDatei=ANLAGE.SEQ\r\n"),
                                std::string_view("SymbolikAktiv=1\r\nSymbolikDatei=WEG.SEQ\r\n"),
                                std::string_view("SymbolikAktiv=1\r\n")}) {
    writeProject(keys);
    const auto r = run({"compile", inProject("ANLAGE.PRJ")});
    EXPECT_EQ(r.status, ExitStatus::kBlockFailed) << keys;
    EXPECT_NE(r.out.find("FB001: "), std::string::npos) << keys;
    EXPECT_EQ(r.out.find("PB001: "), std::string::npos) << keys;
    EXPECT_NE(r.err.find(inProject("PB001.AWL") + ": Fehler beim Compilieren"), std::string::npos)
        << r.err;
  }
}

TEST_F(ProjectSymbolsTest, ASymbolTheTableLacksIsACompileError) {
  writeFile(project_ / "PB002.AWL", kHeader + "0000      :U   -GIBT_ES_NICHT\n0000      :BE\n");
  const auto r = run({"compile", inProject("ANLAGE.PRJ")});
  EXPECT_EQ(r.status, ExitStatus::kBlockFailed);
  // The other blocks go on.
  EXPECT_NE(r.out.find("PB001: "), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("PB002"), std::string::npos) << r.out;
  // The symbol stays in the line and the compiler finds no operation in it.
  EXPECT_EQ(r.err, inProject("PB002.AWL") +
                       ": Fehler beim Compilieren ...\n\nFehler Baustein [PB002] in AWL-Zeile "
                       "...\n\n0000      :U   -GIBT_ES_NICHT                     \n\n"
                       "Fehlerursache:\nOperation nicht erkannt ! (PB002)\n");
}

TEST_F(ProjectSymbolsTest, ASymbolFileThatCannotBeLoadedStopsTheCommand) {
  writeFile(project_ / "ANLAGE.SEQ", "\tE 1.0\tSTART\tStarttaster\tzu viel\n\x1A");
  const std::string prj = inProject("ANLAGE.PRJ");
  const std::string pb1 = inProject("PB001.AWL");
  const std::string seq = inProject("ANLAGE.SEQ");
  const std::vector<std::string_view> cases[] = {
      {"compile", prj},
      {"compile", "--project", prj},
      {"compile", "--project", prj, pb1},
      {"run", prj},
  };
  for (const auto& args : cases) {
    const auto r = run(args);
    EXPECT_EQ(r.status, ExitStatus::kBadUsage) << args.size();
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tavrin-cli " + std::string(args[0]) + ": " + seq +
                         ": Fehlerhafte SEQ-Datei (Zu viele Tabs) !\n");
  }
}

TEST_F(ProjectSymbolsTest, LinesSetAsideAreReportedAndTheRestApplies) {
  writeFile(project_ / "ANLAGE.SEQ", "\tXY 5\tFALSCH\t\n" + kSymbolFile);
  const auto r = run({"compile", "--project", inProject("ANLAGE.PRJ")});
  EXPECT_EQ(r.status, ExitStatus::kDone) << r.err;
  EXPECT_NE(r.out.find("PB001: "), std::string::npos);
  EXPECT_EQ(r.err, "tavrin-cli compile: " + inProject("ANLAGE.SEQ") +
                       ": Zeilen der Symbolikdatei, die nicht übernommen wurden: 1\n"
                       "Erste: Zeile 1: \"XY 5\" ist kein absoluter S5-Operand\n");
}

}  // namespace
}  // namespace tavrin::cli
