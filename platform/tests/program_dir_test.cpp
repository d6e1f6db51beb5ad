#include "platform/program_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/tests/temp_dir.h"

namespace tavrin::platform {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

EnvironmentLookup fakeEnvironment(std::map<std::string, std::string, std::less<>> variables) {
  return [variables = std::move(variables)](std::string_view name) -> std::optional<std::string> {
    const auto it = variables.find(name);
    if (it == variables.end()) return std::nullopt;
    return it->second;
  };
}

TEST(ProgramDirectoryPath, FollowsTheVariablesInOrder) {
  struct Case {
    std::map<std::string, std::string, std::less<>> variables;
    std::optional<fs::path> expected;
  };
  const Case cases[] = {
      {{{"TAVRIN_HOME", "/t"}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "/t"},
      {{{"TAVRIN_HOME", ""}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "/x/tavrin"},
      {{{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/h"}}, "/h/.config/tavrin"},
      {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}}, "/h/.config/tavrin"},
      {{{"HOME", "/h"}}, "/h/.config/tavrin"},
      {{{"HOME", ""}}, std::nullopt},
      {{}, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(programDirectoryPath(fakeEnvironment(c.variables)), c.expected)
        << (c.expected ? c.expected->string() : "none");
}

TEST(DataDirectoryPath, PrefersTheVariableThenTheInstalledFolderThenTheSourceTree) {
  TempDir prefix;
  const fs::path executable = prefix / "bin/tavrin32";
  ProgramDirSources sources{fakeEnvironment({}), executable, "/src/data"};
  EXPECT_EQ(dataDirectoryPath(sources), "/src/data");

  fs::create_directories(prefix / "share/tavrin/data");
  EXPECT_EQ(dataDirectoryPath(sources), prefix / "share/tavrin/data");

  sources.environment = fakeEnvironment({{"TAVRIN_DATA_DIR", "/env/data"}});
  EXPECT_EQ(dataDirectoryPath(sources), "/env/data");

  sources = {fakeEnvironment({{"TAVRIN_DATA_DIR", ""}}), {}, "/src/data"};
  EXPECT_EQ(dataDirectoryPath(sources), "/src/data");
}

class PrepareProgramDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile(data / "WELCOME.TXT", "welcome\r\n");
    writeFile(data / "S5-95U.AG", "shipped type\r\n");
    writeFile(data / "sub/EXTRA.TXT", "extra\r\n");
  }

  ProgramDirectory prepare() const {
    return prepareProgramDirectory(
        {fakeEnvironment({{"TAVRIN_HOME", home.string()}, {"TAVRIN_DATA_DIR", data.string()}}),
         {},
         "/nonexistent"});
  }

  TempDir root;
  fs::path data = root / "data";
  fs::path home = root / "user/config/tavrin";
};

TEST_F(PrepareProgramDirectory, CreatesTheDirectoryAndCopiesWhatIsMissing) {
  writeFile(home / "welcome.txt", "the user's own\r\n");  // same name by the lookup rules

  const ProgramDirectory first = prepare();
  ASSERT_TRUE(first.ok()) << first.error;
  EXPECT_TRUE(first.problems.empty());
  EXPECT_EQ(first.directory, home);
  EXPECT_EQ(first.dataDirectory, data);
  std::vector<fs::path> seeded = first.seeded;
  std::sort(seeded.begin(), seeded.end());
  EXPECT_EQ(seeded, (std::vector<fs::path>{"S5-95U.AG", "sub/EXTRA.TXT"}));
  EXPECT_EQ(readFile(home / "S5-95U.AG"), "shipped type\r\n");
  EXPECT_EQ(readFile(home / "sub/EXTRA.TXT"), "extra\r\n");
  EXPECT_EQ(readFile(home / "welcome.txt"), "the user's own\r\n");
  EXPECT_FALSE(fs::exists(home / "WELCOME.TXT"));

  writeFile(home / "S5-95U.AG", "edited\r\n");
  writeFile(data / "NEW.AG", "new in this version\r\n");
  const ProgramDirectory second = prepare();
  ASSERT_TRUE(second.ok());
  EXPECT_EQ(second.seeded, (std::vector<fs::path>{"NEW.AG"}));
  EXPECT_EQ(readFile(home / "S5-95U.AG"), "edited\r\n");
}

TEST_F(PrepareProgramDirectory, AMissingDataFolderIsAProblemNotAFailure) {
  fs::remove_all(data);
  const ProgramDirectory result = prepare();
  EXPECT_TRUE(result.ok());
  EXPECT_TRUE(fs::is_directory(home));
  EXPECT_EQ(result.problems.size(), 1u);
  EXPECT_TRUE(result.seeded.empty());
}

TEST_F(PrepareProgramDirectory, FailsWhenTheDirectoryCannotBeMade) {
  writeFile(home, "a file in the way");
  EXPECT_FALSE(prepare().ok());
  EXPECT_FALSE(prepareProgramDirectory({fakeEnvironment({}), {}, data}).ok());
}

TEST(ShippedData, TheDataFolderOfThisBuildHoldsTheWelcomeText) {
  const fs::path data = dataDirectoryPath(systemProgramDirSources());
  const std::string welcome = readFile(data / "WELCOME.TXT");
  EXPECT_NE(welcome.find("Tavrin"), std::string::npos) << data;
  EXPECT_EQ(welcome.substr(welcome.size() - 2), "\r\n");
}

}  // namespace
}  // namespace tavrin::platform
