#include <gtest/gtest.h>

#include "main/project/block_file_name.h"
#include "main/project/tests/project_test_support.h"

namespace tavrin::project {
namespace {

using namespace testing;

struct NameCase {
  std::string_view blockName;
  std::string_view fileName;  // empty: no name
};

class BlockFileNameRules : public ::testing::TestWithParam<NameCase> {};

TEST_P(BlockFileNameRules, FormsTheNameInTheProjectDirectory) {
  TempDir dir;
  const auto file = blockFileName(dir.path(), GetParam().blockName);
  if (GetParam().fileName.empty()) {
    EXPECT_FALSE(file);
  } else {
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, dir / GetParam().fileName);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlockFileNameRules,
    ::testing::Values(NameCase{"PB001", "PB001.AWL"}, NameCase{"FB012", "FB012.AWL"},
                      NameCase{"PB001.AWL", "PB001.AWL"}, NameCase{"DB003.BAK", "DB003.AWL"},
                      NameCase{"OB1.X", "OB1.X.AWL"}, NameCase{"PB1.AW", "PB1.AW.AWL"},
                      NameCase{".AWL", ""}, NameCase{"", ""}));

TEST(BlockFileName, NoDirectoryNoName) {
  EXPECT_FALSE(blockFileName({}, "PB001"));
}

TEST(BlockFileName, FindsAnExistingFileWhateverItsCase) {
  TempDir dir;
  writeFile(dir / "pb001.awl", "");
  writeFile(dir / "Fb010.Awl", "");
  EXPECT_EQ(blockFileName(dir.path(), "PB001"), dir / "pb001.awl");
  EXPECT_EQ(blockFileName(dir.path(), "FB010.AWL"), dir / "Fb010.Awl");
  EXPECT_EQ(blockFileName(dir.path(), "PB002"), dir / "PB002.AWL");
}

}  // namespace
}  // namespace tavrin::project
