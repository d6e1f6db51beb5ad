#include <gtest/gtest.h>
#include <unistd.h>

#include <set>
#include <string>

#include "temp_directory.h"
#include "utilkit/utilkit40.h"

namespace {

using FileCopy = utilkit_test::TempDirectoryTest;

std::string binaryData(std::size_t size) {
  std::string data(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    data[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
  return data;
}

TEST_F(FileCopy, CopiesAndReplaces) {
  struct Case {
    const char* what;
    std::string source;
    const char* oldTarget;  // null: no target before
  };
  const Case cases[] = {
      {"small", "abc\r\n", nullptr},
      {"larger than one block, with zero bytes", binaryData(100'003), nullptr},
      {"over a longer target", "new", "old contents that are longer"},
      {"empty source: empty target", "", nullptr},
      {"empty source over a target", "", "old"},
  };
  for (const auto& c : cases) {
    write("src.bin", c.source);
    std::filesystem::remove(root_ / "dst.bin");
    if (c.oldTarget != nullptr) write("dst.bin", c.oldTarget);
    EXPECT_TRUE(U_DateiKopieren(at("dst.bin").c_str(), at("src.bin").c_str())) << c.what;
    EXPECT_TRUE(exists("dst.bin")) << c.what;
    EXPECT_EQ(read("dst.bin"), c.source) << c.what;
    EXPECT_EQ(tree(), (std::set<std::string>{"dst.bin", "src.bin"})) << c.what << ": no leftovers";
  }
}

TEST_F(FileCopy, NamesAreFoundWhateverTheCase) {
  write("pb001.awl", "source");
  write("copy.awl", "old");
  EXPECT_TRUE(U_DateiKopieren(at("COPY.AWL").c_str(), at("PB001.AWL").c_str()));
  EXPECT_EQ(read("copy.awl"), "source");
  EXPECT_EQ(tree(), (std::set<std::string>{"copy.awl", "pb001.awl"}));
}

TEST_F(FileCopy, FailuresLeaveTheTargetAlone) {
  write("src.txt", "source");
  write("dst.txt", "keep");
  std::filesystem::create_directory(root_ / "dir");
  struct Case {
    const char* what;
    std::string target;
    std::string source;
  };
  const Case cases[] = {
      {"missing source", "dst.txt", "missing.txt"},
      {"identical names", "dst.txt", "dst.txt"},
      {"the same file in another case", "DST.TXT", "dst.txt"},
      {"source is a directory", "dst.txt", "dir"},
      {"target is a directory", "dir", "src.txt"},
      {"target directory missing", "nodir/dst.txt", "src.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(U_DateiKopieren(at(c.target).c_str(), at(c.source).c_str())) << c.what;
    EXPECT_EQ(read("dst.txt"), "keep") << c.what;
    EXPECT_EQ(tree(), (std::set<std::string>{"dir/", "dst.txt", "src.txt"})) << c.what;
  }
  EXPECT_FALSE(U_DateiKopieren(nullptr, at("src.txt").c_str()));
}

TEST_F(FileCopy, UnreadableSourceLeavesTheTargetAlone) {
  write("src.txt", "source");
  write("dst.txt", "keep");
  std::filesystem::permissions(root_ / "src.txt", std::filesystem::perms::none);
  // Where permissions are not enforced (root), a file that opens but fails to read stands in:
  // reading this process's own memory at offset 0 fails with an I/O error.
  const std::string unreadable =
      ::access(at("src.txt").c_str(), R_OK) == 0 ? "/proc/self/mem" : at("src.txt");
  EXPECT_FALSE(U_DateiKopieren(at("dst.txt").c_str(), unreadable.c_str())) << unreadable;
  EXPECT_EQ(read("dst.txt"), "keep");
}

}  // namespace
