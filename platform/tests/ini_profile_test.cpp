#include "platform/ini_profile.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/tests/temp_dir.h"

namespace tavrin::platform {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;

class IniProfileFile : public ::testing::Test {
 protected:
  TempDir dir;
  std::filesystem::path ini = dir / "TAVRIN.INI";

  std::size_t entriesInDir() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                                  std::filesystem::directory_iterator()));
  }
};

TEST_F(IniProfileFile, WritingOneKeyChangesExactlyThatValue) {
  const std::string handWritten =
      "; Settings of the programming environment\r\n"
      ";   edited by hand\r\n"
      "\r\n"
      "[Editor]\r\n"
      "Editor 0 = Courier New  \r\n"
      "FontSize=10\r\n"
      "   Unknown Key\t= keep me   \r\n"
      "\r\n"
      "; interface follows\r\n"
      "[Interface]   \r\n"
      "Port = COM1\r\n"
      "Baud=9600 ; not a comment\r\n"
      "Text=Gr\xF6\xDF"
      "e\r\n"
      "\r\n"
      "\r\n";
  std::string expected = handWritten;
  expected.replace(expected.find("Port = COM1"), 11, "Port = COM2");
  writeFile(ini, handWritten);

  ASSERT_TRUE(writeProfileString(ini, "INTERFACE", "port", "COM2").ok());

  EXPECT_EQ(readFile(ini), expected);
  EXPECT_EQ(entriesInDir(), 1u);  // nothing left over beside it
}

TEST_F(IniProfileFile, AMissingFileReadsAsEmptyAndIsCreatedByAWrite) {
  EXPECT_EQ(readProfileString(ini, "S", "k", "dflt"), "dflt");
  EXPECT_EQ(readProfileInt(ini, "S", "k", 5), 5);
  EXPECT_TRUE(readProfileSectionNames(ini).empty());
  EXPECT_TRUE(deleteProfileKey(ini, "S", "k").ok());
  EXPECT_TRUE(deleteProfileSection(ini, "S").ok());
  EXPECT_FALSE(std::filesystem::exists(ini));

  ASSERT_TRUE(writeProfileString(ini, "S", "k", "v").ok());
  ASSERT_TRUE(writeProfileInt(ini, "S", "n", -3).ok());
  EXPECT_EQ(readFile(ini), "[S]\r\nk=v\r\nn=-3\r\n");
  EXPECT_EQ(readProfileInt(ini, "s", "N", 0), -3);
  EXPECT_EQ(readProfileKeyNames(ini, "S"), (std::vector<std::string>{"k", "n"}));
}

TEST_F(IniProfileFile, DeletesKeysAndSections) {
  writeFile(ini, "[A]\r\na=1\r\nb=2\r\n[B]\r\nc=3\r\n");
  ASSERT_TRUE(deleteProfileKey(ini, "a", "A").ok());
  EXPECT_EQ(readFile(ini), "[A]\r\nb=2\r\n[B]\r\nc=3\r\n");
  ASSERT_TRUE(deleteProfileSection(ini, "b").ok());
  EXPECT_EQ(readFile(ini), "[A]\r\nb=2\r\n");
  EXPECT_EQ(readProfileSectionNames(ini), (std::vector<std::string>{"A"}));
}

TEST_F(IniProfileFile, KeepsThePermissionBits) {
  for (const mode_t mode : {mode_t{0640}, mode_t{0604}, mode_t{0600}}) {
    writeFile(ini, "[S]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(ini.c_str(), mode), 0);
    ASSERT_TRUE(writeProfileString(ini, "S", "k", std::to_string(mode)).ok());
    struct stat st {};
    ASSERT_EQ(::stat(ini.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode);
    EXPECT_EQ(readProfileString(ini, "S", "k", ""), std::to_string(mode));
  }
}

TEST_F(IniProfileFile, AWriteThatChangesNothingLeavesTheFileAlone) {
  writeFile(ini, "[S]\r\nk = v \r\n");
  struct stat before {};
  ASSERT_EQ(::stat(ini.c_str(), &before), 0);
  ASSERT_TRUE(writeProfileString(ini, "s", "K", "v").ok());
  ASSERT_TRUE(deleteProfileKey(ini, "s", "missing").ok());
  struct stat after {};
  ASSERT_EQ(::stat(ini.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);  // a rewrite would have renamed a new file over it
}

TEST_F(IniProfileFile, WritesThroughASymbolicLink) {
  const auto target = dir / "real.ini";
  writeFile(target, "[S]\r\n");
  std::filesystem::create_symlink(target, ini);
  ASSERT_TRUE(writeProfileString(ini, "S", "k", "v").ok());
  EXPECT_TRUE(std::filesystem::is_symlink(ini));
  EXPECT_EQ(readFile(target), "[S]\r\nk=v\r\n");
}

TEST_F(IniProfileFile, ReportsWhatCannotBeDone) {
  EXPECT_FALSE(writeProfileString(dir / "no-such-dir" / "X.INI", "S", "k", "v").ok());

  writeFile(ini, "[S]\r\n");
  const IoStatus refused = writeProfileString(ini, "S", "a=b", "v");
  EXPECT_FALSE(refused.ok());
  EXPECT_EQ(readFile(ini), "[S]\r\n");

  // A directory in place of the file: unreadable, so reads give defaults and writes fail.
  const auto folder = dir / "FOLDER.INI";
  std::filesystem::create_directory(folder);
  EXPECT_FALSE(loadIniFile(folder).ok());
  EXPECT_EQ(readProfileString(folder, "S", "k", "dflt"), "dflt");
  EXPECT_FALSE(writeProfileString(folder, "S", "k", "v").ok());
}

}  // namespace
}  // namespace tavrin::platform
