#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "temp_directory.h"
#include "utilkit/utilkit40.h"

namespace {

using Directories = utilkit_test::TempDirectoryTest;
using Names = std::set<std::string>;

class DirectoryCopy : public utilkit_test::TempDirectoryTest {
 protected:
  void SetUp() override {
    TempDirectoryTest::SetUp();
    write("src/a.txt", "A");
    write("src/sub/b.txt", "B");
    write("src/sub/deeper/c.bin", std::string("\0\1\2", 3));
    write("src/.hidden", "H");
    std::filesystem::create_directory(root_ / "src" / "empty");
  }
  const Names source_ = {"a.txt",   "sub/",  "sub/b.txt", "sub/deeper/", "sub/deeper/c.bin",
                         ".hidden", "empty/"};
};

TEST_F(DirectoryCopy, CopiesTheTree) {
  EXPECT_TRUE(U_DateienMitUnterverzeichnissenKopieren(at("dst").c_str(), at("src").c_str(), 0));
  // Names beginning with '.' stay behind.
  EXPECT_EQ(tree("dst"),
            (Names{"a.txt", "sub/", "sub/b.txt", "sub/deeper/", "sub/deeper/c.bin", "empty/"}));
  EXPECT_EQ(read("dst/sub/deeper/c.bin"), std::string("\0\1\2", 3));
  EXPECT_EQ(tree("src"), source_);
}

TEST_F(DirectoryCopy, IntoAnExistingDirectoryOverExistingFiles) {
  write("dst/a.txt", "old");
  write("dst/own.txt", "mine");
  EXPECT_TRUE(U_DateienMitUnterverzeichnissenKopieren(at("dst").c_str(), at("src").c_str(), 0));
  EXPECT_EQ(read("dst/a.txt"), "A");
  EXPECT_EQ(read("dst/own.txt"), "mine");
}

TEST_F(DirectoryCopy, RefusedWithoutWritingAnything) {
  struct Case {
    const char* what;
    std::string target;
    std::string source;
    unsigned char nested;
  };
  const Case cases[] = {
      {"target ends in a separator", "dst/", "src", 0},
      {"source ends in a separator", "dst", "src/", 0},
      {"source ends in a backslash", "dst", "src\\", 0},
      {"missing source", "dst", "nothing", 0},
      {"target is the source", "src", "src", 0},
      {"target inside the source", "src/sub/copy", "src", 0},
      {"target inside the source, other spelling", "src/./sub/../copy", "src", 0},
      {"target parent missing", "no/dst", "src", 0},
      {"nested: the target must exist", "dst", "src", 1},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(U_DateienMitUnterverzeichnissenKopieren(at(c.target).c_str(), at(c.source).c_str(),
                                                         c.nested))
        << c.what;
    EXPECT_EQ(tree(), (Names{"src/", "src/a.txt", "src/sub/", "src/sub/b.txt", "src/sub/deeper/",
                             "src/sub/deeper/c.bin", "src/.hidden", "src/empty/"}))
        << c.what;
  }
}

TEST_F(Directories, RemovesTheWholeTree) {
  write("d/a.txt", "A");
  write("d/.dot", "D");
  write("d/sub/deeper/c.txt", "C");
  write("outside/keep.txt", "K");
  std::filesystem::create_directory_symlink(root_ / "outside", root_ / "d" / "link");
  std::vector<char> path(U_MAX_PATH, 'x');
  EXPECT_TRUE(U_VerzeichnisTotalLoeschen(at("d").c_str(), 0, path.data()));
  EXPECT_FALSE(exists("d"));
  EXPECT_EQ(read("outside/keep.txt"), "K") << "a link is removed, not followed";
  EXPECT_STREQ(path.data(), at("d/sub/deeper").c_str()) << "the last directory being removed";
}

TEST_F(Directories, RemovalReportsTheTopDirectory) {
  write("D/a.txt", "A");
  std::vector<char> path(U_MAX_PATH, 'x');
  EXPECT_TRUE(U_VerzeichnisTotalLoeschen(at("d").c_str(), 0, path.data()));  // any case
  EXPECT_STREQ(path.data(), at("D").c_str());
  EXPECT_FALSE(exists("D"));
}

TEST_F(Directories, RemovalRefused) {
  write("d/a.txt", "A");
  EXPECT_FALSE(U_VerzeichnisTotalLoeschen(at("d/").c_str(), 0, nullptr));
  EXPECT_FALSE(U_VerzeichnisTotalLoeschen(at("missing").c_str(), 0, nullptr));
  EXPECT_FALSE(U_VerzeichnisTotalLoeschen(at("d/a.txt").c_str(), 0, nullptr));
  EXPECT_EQ(tree(), (Names{"d/", "d/a.txt"}));
}

TEST_F(Directories, LongPathIsCutToTheCallersBuffer) {
  std::string deep = "d";
  while (at(deep).size() < U_MAX_PATH + 40)
    deep += "/" + std::string(50, 'n');
  write(deep + "/f.txt", "F");
  std::vector<char> path(U_MAX_PATH, 'x');  // exactly the promised room: overruns are caught
  EXPECT_TRUE(U_VerzeichnisTotalLoeschen(at("d").c_str(), 0, path.data()));
  EXPECT_EQ(std::strlen(path.data()), std::size_t{U_MAX_PATH - 1});
  EXPECT_EQ(std::string(path.data()), at(deep).substr(0, U_MAX_PATH - 1));
  EXPECT_FALSE(exists("d"));
}

}  // namespace
