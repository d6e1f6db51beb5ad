#include "platform/file_lookup.h"

#include <gtest/gtest.h>

#include "platform/foreign_path.h"
#include "platform/tests/temp_dir.h"

namespace tavrin::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::writeFile;

class FileLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"PB001.AWL", "a.txt", "A.TXT", "B.txt", "b.TXT", "Ordner/Datei.txt",
                             "x", "X/inside", "\xC4.TXT"})
      writeFile(dir / name, name);
  }
  TempDir dir;
};

TEST_F(FileLookup, FindsEachComponentWhateverItsCase) {
  struct Case {
    const char* relative;
    std::optional<const char*> found;  // relative to the base
  };
  const Case cases[] = {
      {"PB001.AWL", "PB001.AWL"},
      {"pb001.awl", "PB001.AWL"},
      {"a.txt", "a.txt"},  // an exact match wins over a case variant
      {"A.TXT", "A.TXT"},
      {"A.txt", "A.TXT"},  // no exact match: the variant that sorts first
      {"b.txt", "B.txt"},
      {"ORDNER/DATEI.TXT", "Ordner/Datei.txt"},
      {"./ordner//datei.txt", "Ordner/Datei.txt"},
      {"ordner", "Ordner"},
      {"x/INSIDE", "X/inside"},    // the file "x" cannot hold anything: the directory is taken
      {"\xE4.txt", std::nullopt},  // only ASCII letters fold
      {"\xC4.txt", "\xC4.TXT"},
      {"missing.txt", std::nullopt},
      {"ordner/missing.txt", std::nullopt},
      {"PB001.AWL/x", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto found = findExistingPath(dir.path(), c.relative);
    if (c.found)
      EXPECT_EQ(found, dir / *c.found) << c.relative;
    else
      EXPECT_EQ(found, std::nullopt) << c.relative;
  }
}

TEST_F(FileLookup, AnAbsolutePathIsLookedUpFromTheRoot) {
  EXPECT_EQ(findExistingPath("/nonexistent-base", dir / "ORDNER/datei.TXT"),
            dir / "Ordner/Datei.txt");
}

TEST_F(FileLookup, NewNamesKeepTheCaseGivenBelowWhatExists) {
  EXPECT_EQ(resolvePath(dir.path(), "ordner/NEU.TXT"), dir / "Ordner/NEU.TXT");
  EXPECT_EQ(resolvePath(dir.path(), "Neu/Unter/X.TXT"), dir / "Neu/Unter/X.TXT");
  EXPECT_EQ(resolvePath(dir.path(), "pb001.awl"), dir / "PB001.AWL");
  EXPECT_EQ(resolvePath(dir.path(), ""), dir.path());
}

TEST(ForeignPath, MapsDrivesAndBackslashesUnderTheBase) {
  const fs::path base = "/home/u/.config/tavrin";
  struct Case {
    const char* written;
    fs::path expected;
  };
  const Case cases[] = {
      {"C:\\TRACE_S5.TXT", base / "TRACE_S5.TXT"},
      {"\\ORDNER\\DATEI.TXT", base / "ORDNER/DATEI.TXT"},
      {"A:DATEI", base / "DATEI"},
      {"a:\\", base},
      {"C:\\dir/mixed\\\\f.txt", base / "dir/mixed/f.txt"},
      {"C:\\a\\.\\..\\..\\x", base / "x"},  // never above the base
      {"..\\up", base / "up"},
      {"\\\\server\\share\\f", base / "server/share/f"},
      {"sub/file", base / "sub/file"},
      {"NAME.INI", base / "NAME.INI"},
      {"/var/tmp/x", "/var/tmp/x"},
      {"", base},
  };
  for (const Case& c : cases)
    EXPECT_EQ(mapForeignPath(c.written, base), c.expected) << c.written;
}

TEST(ForeignPath, RecognisesForeignWriting) {
  EXPECT_TRUE(isForeignPath("C:X"));
  EXPECT_TRUE(isForeignPath("z:\\"));
  EXPECT_TRUE(isForeignPath("DIR\\X"));
  EXPECT_FALSE(isForeignPath("/C:/x"));
  EXPECT_FALSE(isForeignPath("1:x"));
  EXPECT_FALSE(isForeignPath("dir/x"));
}

TEST_F(FileLookup, LocatesForeignAndNativePathsWhateverTheCase) {
  EXPECT_EQ(locateForeignPath("C:\\ORDNER\\DATEI.TXT", dir.path()), dir / "Ordner/Datei.txt");
  EXPECT_EQ(locateForeignPath("\\ordner\\NEW.TXT", dir.path()), dir / "Ordner/NEW.TXT");
  EXPECT_EQ(locateForeignPath("pb001.awl", dir.path()), dir / "PB001.AWL");
  EXPECT_EQ(locateForeignPath((dir / "ORDNER/DATEI.TXT").string(), "/elsewhere"),
            dir / "Ordner/Datei.txt");
}

}  // namespace
}  // namespace tavrin::platform
