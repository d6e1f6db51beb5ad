#include <gtest/gtest.h>

#include "main/project/block_file_lines.h"
#include "main/project/tests/project_test_support.h"
#include "main/project/text_lines.h"

namespace tavrin::project {
namespace {

using namespace testing;

struct SplitCase {
  std::string_view bytes;
  std::vector<std::string> lines;
};

class SplitTextLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextLines, GivesTheLinesWithoutTheirEnds) {
  EXPECT_EQ(splitTextLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextLines,
    ::testing::Values(SplitCase{"", {}}, SplitCase{"\n", {""}}, SplitCase{"a\nb\n", {"a", "b"}},
                      SplitCase{"a\r\nb\r\n", {"a", "b"}}, SplitCase{"a\r\n\r\nb", {"a", "", "b"}},
                      SplitCase{"last line without end", {"last line without end"}},
                      SplitCase{"mixed\r\nends\n", {"mixed", "ends"}},
                      SplitCase{"a\rb\n", {"a\rb"}},
                      SplitCase{std::string_view("cut\0here\nnext", 13), {"cut", "next"}}));

TEST(ReadBlockFileLines, CutsLinesAndSkipsToTheFirstNetwork) {
  TempDir dir;
  writeFile(dir / "pb001.awl",
            "Kommentar :\r\nAutor     :\r\nNETZWERK   1\r\n" + std::string(120, 'x') + "\r\n");
  const auto all = readBlockFileLines(dir / "PB001.AWL");
  ASSERT_TRUE(all);
  EXPECT_EQ(*all, (std::vector<std::string>{"Kommentar :", "Autor     :", "NETZWERK   1",
                                            std::string(89, 'x')}));
  const auto body = readBlockFileLines(dir / "PB001.AWL", true);
  ASSERT_TRUE(body);
  EXPECT_EQ(*body, std::vector<std::string>{std::string(89, 'x')});
}

TEST(ReadBlockFileLines, WithoutNetworkSkipsEverythingAndAMissingFileGivesNothing) {
  TempDir dir;
  writeFile(dir / "PB002.AWL", "Kommentar :\n");
  EXPECT_EQ(readBlockFileLines(dir / "PB002.AWL", true), std::vector<std::string>{});
  EXPECT_FALSE(readBlockFileLines(dir / "PB003.AWL"));
}

}  // namespace
}  // namespace tavrin::project
