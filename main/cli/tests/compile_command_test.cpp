// tavrin-cli compile: the example project, a block with an error among good ones, bad usage.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "main/cli/tests/cli_run.h"
#include "platform/tests/temp_dir.h"

namespace tavrin::cli {
namespace {

using testing::examplesDir;
using testing::run;

const char* const kHeader = "Kommentar :\nAutor     :\nErstellt  :\n\nNETZWERK   1\n";

TEST(CompileCommand, PrintsEveryBlockOfTheExampleProject) {
  const std::string dir = examplesDir() + "/ampel/";
  const std::string files[] = {dir + "OB001.AWL", dir + "PB002.AWL", dir + "DB001.AWL"};
  const auto r = run({"compile", files[0], files[1], files[2]});
  EXPECT_EQ(r.status, ExitStatus::kDone) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "OB001: 7070 1001 8000 0000 0008 7501 7502 6500\n"
            "PB002: 7070 0402 8000 0000 0013 C001 6C01 C101 5401 10FF 2001 4201 3301 3200 21A0 "
            "D885 E085 D985 6500\n"
            "DB001: 7070 0101 8000 0000 0007 0004 0000\n");
}

TEST(CompileCommand, EveryExampleBlockCompiles) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(examplesDir()))
    if (entry.path().extension() == ".AWL") files.push_back(entry.path().string());
  ASSERT_FALSE(files.empty());
  std::vector<std::string_view> args = {"compile"};
  args.insert(args.end(), files.begin(), files.end());
  const auto r = run(args);
  EXPECT_EQ(r.status, ExitStatus::kDone) << r.err;
  EXPECT_EQ(static_cast<std::size_t>(std::count(r.out.begin(), r.out.end(), '\n')), files.size());
}

TEST(CompileCommand, ABlockWithAnErrorGoesToStderrAndTheOthersGoOn) {
  platform::testing::TempDir dir;
  platform::testing::writeFile(dir / "PB009.AWL",
                               std::string(kHeader) + "0000      :U   E  200.0\n0001      :BE\n");
  // Stale addresses and no BE: renumbered and closed as sending does.
  platform::testing::writeFile(
      dir / "pb5.awl", std::string(kHeader) + "0007      :U   E  1.0\n0003      :=   A  4.0\n");
  const auto r = run({"compile", (dir / "PB009.AWL").string(), (dir / "pb5.awl").string()});
  EXPECT_EQ(r.status, ExitStatus::kBlockFailed);
  EXPECT_EQ(r.out, "PB005: 7070 0405 8000 0000 0008 C001 D884 6500\n");
  EXPECT_EQ(r.err,
            (dir / "PB009.AWL").string() +
                ": Fehler beim Compilieren ...\n\nFehler Baustein [PB009] in AWL-Zeile ...\n\n"
                "0000      :U   E  200.0                           \n\nFehlerursache:\n"
                "Parameter der Opertion ungültig (PB009)\n");
}

TEST(CompileCommand, FilesThatCannotBeReadAreNamed) {
  platform::testing::TempDir dir;
  platform::testing::writeFile(dir / "notes.AWL", kHeader);
  const auto missing = run({"compile", (dir / "FB003.AWL").string()});
  EXPECT_EQ(missing.status, ExitStatus::kBlockFailed);
  EXPECT_EQ(missing.err, (dir / "FB003.AWL").string() + ": no such file\n");
  const auto unnamed = run({"compile", (dir / "notes.AWL").string()});
  EXPECT_EQ(unnamed.status, ExitStatus::kBlockFailed);
  EXPECT_NE(unnamed.err.find("names no block"), std::string::npos);
}

TEST(CompileCommand, BadUsage) {
  EXPECT_EQ(run({"compile"}).status, ExitStatus::kBadUsage);
  EXPECT_EQ(run({"compile", "--frob", "PB001.AWL"}).status, ExitStatus::kBadUsage);
  EXPECT_EQ(run({"compile", "--project"}).status, ExitStatus::kBadUsage);
  EXPECT_EQ(run({"compile", "--project", "/nonexistent/X.PRJ", "PB001.AWL"}).status,
            ExitStatus::kBadUsage);
  const auto help = run({"compile", "--help"});
  EXPECT_EQ(help.status, ExitStatus::kDone);
  EXPECT_NE(help.out.find("compile [--project FILE.PRJ] FILE.AWL..."), std::string::npos);
}

}  // namespace
}  // namespace tavrin::cli
