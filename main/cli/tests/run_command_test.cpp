// tavrin-cli run on the example project, and its usage errors.
#include "main/cli/run_command.h"

#include <gtest/gtest.h>

#include "main/cli/tests/cli_run.h"

namespace tavrin::cli {
namespace {

using testing::examplesDir;
using testing::run;

// The example's blocks named one by one, or by the project file that holds them.
enum class Blocks { Files, Project };

std::vector<std::string_view> withExampleBlocks(std::vector<std::string_view> args,
                                                std::vector<std::string>& storage,
                                                Blocks blocks = Blocks::Files) {
  if (blocks == Blocks::Project) {
    storage.push_back(examplesDir() + "/ampel/AMPEL.PRJ");
  } else {
    for (const char* name : {"OB001", "PB001", "PB002", "FB001", "DB001"})
      storage.push_back(examplesDir() + "/ampel/" + name + ".AWL");
  }
  args.insert(args.end(), storage.begin(), storage.end());
  return args;
}

// The traffic light of the example: red 3 s, red and yellow 1 s, green 3 s, yellow 1 s, and again.
TEST(RunCommand, TheExampleTrafficLightFollowsItsPhases) {
  struct Phase {
    const char* cycles;  // of 10 ms
    const char* lamps;   // red, yellow, green
  };
  const Phase phases[] = {{"1", "100"},   {"300", "100"}, {"301", "110"},
                          {"400", "110"}, {"401", "001"}, {"700", "001"},
                          {"701", "010"}, {"800", "010"}, {"801", "100"}};
  for (const Blocks blocks : {Blocks::Files, Blocks::Project}) {
    const char* given = blocks == Blocks::Files ? "block files" : "project file";
    for (const Phase& p : phases) {
      std::vector<std::string> files;
      const auto r =
          run(withExampleBlocks({"run", "--cycles", p.cycles, "--force", "E0.0=KM1", "--status",
                                 "A4.0", "--status", "A4.1", "--status", "A4.2"},
                                files, blocks));
      ASSERT_EQ(r.status, ExitStatus::kDone) << given << ": " << r.err;
      const std::string expected = std::string("A 4.0=KM ") + p.lamps[0] + "\nA 4.1=KM " +
                                   p.lamps[1] + "\nA 4.2=KM " + p.lamps[2] + "\n";
      EXPECT_EQ(r.out, expected) << given << ", after " << p.cycles << " cycles";
    }
    std::vector<std::string> files;
    const auto off =
        run(withExampleBlocks({"run", "--cycles", "500", "--status", "AB4=KM"}, files, blocks));
    EXPECT_EQ(off.out, "AB4  =KM 00000000\n") << given << ": switched off, every lamp is dark";
  }
}

TEST(RunCommand, TheExampleCarParkCountsCarsAgainstItsCapacity) {
  std::vector<std::string> files;
  const auto one =
      run(withExampleBlocks({"run", "--force", "E1.0=KM1", "--status", "Z1", "--status",
                             "DW1,DB1=KF", "--status", "A5.0", "--status", "A5.1"},
                            files));
  EXPECT_EQ(one.out, "Z 1  =KZ 001\nDW1  ,DB001=KF +1\nA 5.0=KM 0\nA 5.1=KM 1\n") << one.err;
  files.clear();
  // Four places: with the capacity lowered to one, the first car fills the house.
  const auto full = run(withExampleBlocks({"run", "--force", "E1.0=KM1", "--force", "DW0,DB1=KF+1",
                                           "--status", "A5.0", "--status", "A5.1"},
                                          files));
  EXPECT_EQ(full.out, "A 5.0=KM 1\nA 5.1=KM 0\n") << full.err;
}

TEST(RunCommand, BadEntriesAndOptionsAreBadUsage) {
  const std::string ob1 = examplesDir() + "/ampel/OB001.AWL";
  struct Case {
    std::vector<std::string_view> args;
    const char* message;
  };
  const Case cases[] = {
      {{"run", "--force", "XY1", ob1}, "--force 'XY1': Es wurde kein gültiger Operand eingegeben!"},
      {{"run", "--force", "MW10=KF", ob1},
       "--force 'MW10=KF': Bei der Eingabe wurde eine falsche Syntax"},
      {{"run", "--status", "MW10=KF+1", ob1},
       "--status 'MW10=KF+1': Bei der Eingabe wurde eine falsche Syntax verwendet!\nKorrekte "
       "Eingabe "
       "z.B.'A0.0=KM1' 'EW1=KM' oder 'DW1,DB2=KH'"},
      {{"run", "--status", "MB4=KG", ob1},
       "Korrekte Datenformate für den Operand 'MB' sind:\n'KC,KM,KH'."},
      {{"run", "--restart", "23", ob1}, "--restart takes 20, 21 or 22"},
      {{"run", "--cycles", "many", ob1}, "--cycles takes a number"},
      {{"run", "--cycles"}, "--cycles needs a value"},
      {{"run", "--speed", "1", ob1}, "unknown option '--speed'"},
      {{"run"}, "no block files given"},
      {{"run", "--ag", "/nonexistent/X.AG", ob1}, "cannot be used"},
  };
  for (const Case& c : cases) {
    const auto r = run(c.args);
    EXPECT_EQ(r.status, ExitStatus::kBadUsage) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST(RunCommand, ABlockThatDoesNotCompileStopsTheRun) {
  const auto r = run({"run", "--status", "A4.0", "/nonexistent/OB001.AWL"});
  EXPECT_EQ(r.status, ExitStatus::kBlockFailed);
  EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace tavrin::cli
