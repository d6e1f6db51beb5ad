#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "temp_directory.h"
#include "utilkit/utilkit40.h"

namespace {

using Files = utilkit_test::TempDirectoryTest;

TEST_F(Files, ExistenceAndSizeWhateverTheCase) {
  write("proj/pb001.awl", "0123456789");
  write("proj/FB2.AWL", "abc");
  std::filesystem::create_directory(root_ / "proj" / "sub.awl");
  struct Case {
    std::string name;
    bool exists;
    uint32_t size;
  };
  const Case cases[] = {
      {"proj/pb001.awl", true, 10}, {"proj/PB001.AWL", true, 10}, {"proj\\Pb001.Awl", true, 10},
      {"proj/fb2.awl", true, 3},    {"proj/PB002.AWL", false, 0}, {"proj/sub.awl", false, 0},
      {"proj/*.AWL", true, 3},  // the first match in name order: FB2.AWL
      {"proj/PB*.?WL", true, 10},   {"proj/*.SEQ", false, 0},     {"nodir/PB001.AWL", false, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(U_DateiVorhanden(at(c.name).c_str()) != 0, c.exists) << c.name;
    EXPECT_EQ(U_GetFileSizeBytes(at(c.name).c_str()), c.size) << c.name;
  }
  EXPECT_FALSE(U_DateiVorhanden(""));
  EXPECT_FALSE(U_DateiVorhanden(nullptr));
}

TEST_F(Files, DirectoryAccessible) {
  write("Proj/file.txt", "x");
  struct Case {
    std::string name;
    bool accessible;
  };
  const Case cases[] = {
      {"Proj", true},          {"proj", true},          {"PROJ/", true},
      {"Proj\\", true},        {"Proj/file.txt", true},  // any accessible entry
      {"Proj/FILE.TXT", true}, {"none", false},         {"none/Proj", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(U_VerzeichnisVorhanden(at(c.name).c_str()) != 0, c.accessible) << c.name;
  EXPECT_FALSE(U_VerzeichnisVorhanden(""));
}

TEST_F(Files, Deleting) {
  write("a.txt", "x");
  write("b.txt", "x");
  std::filesystem::create_directory(root_ / "dir");
  EXPECT_TRUE(U_DateiLoeschen(at("a.txt").c_str()));
  EXPECT_FALSE(exists("a.txt"));
  EXPECT_TRUE(U_DateiLoeschen(at("B.TXT").c_str()));  // found whatever the case
  EXPECT_FALSE(exists("b.txt"));
  EXPECT_FALSE(U_DateiLoeschen(at("a.txt").c_str()));
  EXPECT_FALSE(U_DateiLoeschen(at("dir").c_str()));  // not a file
  EXPECT_TRUE(exists("dir"));
}

TEST_F(Files, CountingByExtension) {
  write("p/a.AWL", "");
  write("p/b.awl", "");
  write("p/c.SEQ", "");
  write("p/noext", "");
  write("p/d.AWLX", "");
  std::filesystem::create_directory(root_ / "p" / "sub.AWL");  // directories are not counted
  struct Case {
    std::string directory;
    const char* extension;
    short count;
  };
  const Case cases[] = {
      {"p/", "AWL", 2}, {"p/", "awl", 2}, {"P\\", "SEQ", 1}, {"p/", "*", 5},  // "*.*" is every file
      {"p/", "INI", 0}, {"q/", "AWL", 0}, {"p/a", "AWL", 1},  // no separator: a name prefix
  };
  for (const auto& c : cases)
    EXPECT_EQ(U_GetAnzahlDateienImPfad(at(c.directory).c_str(), c.extension), c.count)
        << c.directory << " " << c.extension;
}

TEST_F(Files, ReadOnlyDirectory) {
  std::filesystem::create_directory(root_ / "rw");
  EXPECT_FALSE(U_IstVerzeichnisSchreibgeschuetzt(at("rw/").c_str()));
  EXPECT_FALSE(U_IstVerzeichnisSchreibgeschuetzt(at("rw").c_str()));
  EXPECT_TRUE(tree("rw").empty()) << "the probe file is removed again";
  EXPECT_TRUE(U_IstVerzeichnisSchreibgeschuetzt(at("missing/").c_str()));

  std::filesystem::create_directory(root_ / "ro");
  std::filesystem::permissions(
      root_ / "ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  // Where permissions are not enforced (root), /proc stands in: no one can create a file there.
  const std::string readOnly = ::access(at("ro").c_str(), W_OK) == 0 ? "/proc/" : at("ro/");
  EXPECT_TRUE(U_IstVerzeichnisSchreibgeschuetzt(readOnly.c_str())) << readOnly;
}

TEST(FreeSpace, IsNotMeasured) {
  unsigned char flag = 0;
  EXPECT_EQ(U_GetFreierSpeicherAufLW('C', &flag), 0u);
  EXPECT_EQ(flag, 1);
}

}  // namespace
