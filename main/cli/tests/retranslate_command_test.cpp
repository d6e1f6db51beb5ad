// tavrin-cli retranslate: words back into text, and the round trip of every example block
// through compile, retranslate and compile again.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "main/cli/tests/cli_run.h"
#include "platform/tests/temp_dir.h"

namespace tavrin::cli {
namespace {

using testing::examplesDir;
using testing::run;

testing::CliRun retranslate(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const std::vector<std::string_view> args = {"retranslate"};
  const ExitStatus status = runCli(args, {out, err, &in});
  return {status, out.str(), err.str()};
}

TEST(RetranslateCommand, WordsBecomeTheBlockText) {
  const auto r = retranslate("7070 0405 8000 0000 0008 C001 D884 6500\n");
  EXPECT_EQ(r.status, ExitStatus::kDone) << r.err;
  EXPECT_EQ(r.out,
            "Kommentar :\nAutor     :\nErstellt  :            Geaendert am:            BIB:0\n\n"
            "NETZWERK   1\n0000      :U   E  1.0\n0001      :=   A  4.0\n0002      :BE\n");
}

TEST(RetranslateCommand, EveryExampleBlockComesBackAsTheSameWords) {
  platform::testing::TempDir dir;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(examplesDir())) {
    if (entry.path().extension() != ".AWL") continue;
    const std::string source = entry.path().string();
    const auto compiled = run({"compile", source});
    ASSERT_EQ(compiled.status, ExitStatus::kDone) << compiled.err;
    const auto text = retranslate(compiled.out);
    ASSERT_EQ(text.status, ExitStatus::kDone) << source << "\n" << text.err;
    const auto again = dir / entry.path().filename();
    platform::testing::writeFile(again, text.out);
    const auto recompiled = run({"compile", again.string()});
    EXPECT_EQ(recompiled.out, compiled.out) << source << "\n" << text.out;
  }
}

TEST(RetranslateCommand, InputThatIsNoBlockIsBadInput) {
  const struct {
    const char* input;
    const char* message;
  } cases[] = {
      {"7070 0405 8000", "are no block"},
      {"7070 0405 8000 0000 0009 C001 D884 6500", "are no block"},
      {"7171 0405 8000 0000 0006 6500", "are no block"},
      {"7070 0405 8000 0000 0006 65G0", "'65G0' is not a hexadecimal word"},
      {"7070 0405 8000 0000 0006 12345", "'12345' is not a hexadecimal word"},
      {"7070 3F05 8000 0000 0006 6500", "names no block type"},
  };
  for (const auto& c : cases) {
    const auto r = retranslate(c.input);
    EXPECT_EQ(r.status, ExitStatus::kBadUsage) << c.input;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(run({"retranslate", "/nonexistent/words.txt"}).status, ExitStatus::kBadUsage);
}

}  // namespace
}  // namespace tavrin::cli
