// Blocks written, read, replaced and deleted through the exports, across closing and reopening.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "outside/blockfile/tests/block_file_fixture.h"

namespace blockfile_test {
namespace {

struct Block {
  const char* name;
  std::size_t length;
  std::uint32_t headerWords;
};

// A program with its documentation: every documentation block stands beside the block it
// describes, with the same type and number.
const Block kProgram[] = {
    {"OB001", 24, 0x70028601}, {"OK001", 40, 0x00000028},  {"PB001", 60, 0x70048602},
    {"PK001", 31, 0x0000001F}, {"SB002", 12, 0x70028601},  {"SK002", 26, 0x0000001A},
    {"FB003", 80, 0x70088603}, {"FK003", 50, 0x00000032},  {"FV003", 20, 0},
    {"FX010", 44, 0x70058604}, {"FKX010", 29, 0x0000001D}, {"FVX010", 14, 0},
    {"DB005", 30, 0x70018605}, {"DK005", 33, 0x00000021},  {"DV005", 16, 0},
    {"DX005", 22, 0x700C8606}, {"DKX005", 28, 0x0000001C}, {"DVX005", 12, 0},
};

class Blocks : public BlockFileTest {
 protected:
  void writeProgram(S5DHandle handle) {
    unsigned seed = 1;
    for (const Block& block : kProgram)
      ASSERT_TRUE(
          writeBlock(handle, block.name, blockBytes(block.length, seed++), block.headerWords))
          << block.name << " status " << _GetStatus();
  }

  void expectProgram(S5DHandle handle) {
    std::vector<std::string> names;
    std::vector<Entry> entries;
    for (const Block& block : kProgram) {
      names.push_back(block.name);
      entries.push_back(entryFor(block.name, block.length, block.headerWords));
    }
    EXPECT_EQ(directoryNames(handle), names);
    EXPECT_EQ(directory(handle), entries);
    unsigned seed = 1;
    for (const Block& block : kProgram) {
      Entry stored{};
      EXPECT_EQ(readBlock(handle, block.name, &stored), blockBytes(block.length, seed++))
          << block.name;
      EXPECT_EQ(_GetStatus(), S5D_OK);
      EXPECT_EQ(stored, entryFor(block.name, block.length, block.headerWords)) << block.name;
    }
  }
};

TEST_F(Blocks, AMissingFileIsCreatedEmpty) {
  const S5DHandle handle = open("new.s5d");
  ASSERT_NE(handle, 0u) << _GetStatus();
  EXPECT_EQ(_GetStatus(), S5D_OK);
  EXPECT_EQ(tree(), (std::set<std::string>{"new.s5d"}));
  EXPECT_TRUE(readFile("new.s5d").empty());
  unsigned short count = 99;
  EXPECT_EQ(_LeseBuchhalter(handle, &count), nullptr);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(_GetStatus(), S5D_OK);
  EXPECT_TRUE(close(handle));
  EXPECT_EQ(_GetStatus(), S5D_OK);
}

TEST_F(Blocks, AnExistingEmptyFileOpens) {
  writeFile("empty.s5d", {});
  const S5DHandle handle = open("empty.s5d");
  ASSERT_NE(handle, 0u) << _GetStatus();
  EXPECT_TRUE(directory(handle).empty());
}

TEST_F(Blocks, ProgramSurvivesCloseAndReopen) {
  S5DHandle handle = open("prog.s5d");
  ASSERT_NE(handle, 0u);
  writeProgram(handle);
  expectProgram(handle);
  ASSERT_TRUE(close(handle));
  handle = open("prog.s5d");
  ASSERT_NE(handle, 0u) << _GetStatus();
  expectProgram(handle);
  EXPECT_EQ(tree(), (std::set<std::string>{"prog.s5d"})) << "no temporary file stays behind";
}

TEST_F(Blocks, ReplacingKeepsTheBlockInItsPlace) {
  S5DHandle handle = open("prog.s5d");
  ASSERT_TRUE(writeBlock(handle, "PB001", blockBytes(10, 1), 0x70048601));
  ASSERT_TRUE(writeBlock(handle, "PK001", blockBytes(30, 2)));
  ASSERT_TRUE(writeBlock(handle, "FB002", blockBytes(20, 3), 0x70088601));
  // Shorter, then longer, with other header words.
  for (const std::size_t length : {4u, 300u}) {
    ASSERT_TRUE(writeBlock(handle, "pk1", blockBytes(length, 9), 0x0000012C));
    EXPECT_EQ(directoryNames(handle), (std::vector<std::string>{"PB001", "PK001", "FB002"}));
    EXPECT_EQ(directory(handle)[1], entryFor("PK001", length, 0x0000012C));
    ASSERT_TRUE(close(handle));
    handle = open("prog.s5d");
    EXPECT_EQ(directoryNames(handle), (std::vector<std::string>{"PB001", "PK001", "FB002"}));
    EXPECT_EQ(readBlock(handle, "PK001"), blockBytes(length, 9));
    EXPECT_EQ(readBlock(handle, "PB001"), blockBytes(10, 1)) << "the code block beside it";
    EXPECT_EQ(readBlock(handle, "FB002"), blockBytes(20, 3));
  }
}

TEST_F(Blocks, DeletingRemovesOnlyThatBlock) {
  S5DHandle handle = open("prog.s5d");
  writeProgram(handle);
  ASSERT_TRUE(deleteBlock(handle, "FV003"));
  EXPECT_EQ(_GetStatus(), S5D_OK);
  ASSERT_TRUE(deleteBlock(handle, "PB001"));
  ASSERT_TRUE(close(handle));
  handle = open("prog.s5d");
  std::vector<std::string> remaining;
  for (const Block& block : kProgram)
    if (std::string(block.name) != "FV003" && std::string(block.name) != "PB001")
      remaining.push_back(block.name);
  EXPECT_EQ(directoryNames(handle), remaining);
  EXPECT_TRUE(readBlock(handle, "FV003").empty());
  EXPECT_EQ(_GetStatus(), S5D_BLOCK_MISSING);
  EXPECT_EQ(readBlock(handle, "FB003"), blockBytes(80, 7));
  EXPECT_EQ(readBlock(handle, "FK003"), blockBytes(50, 8));
  EXPECT_EQ(readBlock(handle, "PK001"), blockBytes(31, 4));
  EXPECT_FALSE(deleteBlock(handle, "FV003"));
  EXPECT_EQ(_GetStatus(), S5D_BLOCK_MISSING);
  for (const std::string& name : remaining)
    ASSERT_TRUE(deleteBlock(handle, name)) << name;
  EXPECT_TRUE(directory(handle).empty());
  EXPECT_TRUE(readFile("prog.s5d").empty()) << "a file without blocks is written empty";
}

TEST_F(Blocks, DocumentationAndCodeWithTheSameTypeAndNumberAreKeptApart) {
  const S5DHandle handle = open("prog.s5d");
  // Written in an order in which a mix-up of the kinds would overwrite an earlier block.
  const char* names[] = {"FV003", "FK003",  "FB003",  "DV005", "DB005",
                         "DK005", "FVX003", "FKX003", "FX003"};
  unsigned seed = 20;
  for (const char* name : names)
    ASSERT_TRUE(writeBlock(handle, name, blockBytes(8, seed++)));
  EXPECT_EQ(directoryNames(handle), std::vector<std::string>(std::begin(names), std::end(names)));
  seed = 20;
  for (const char* name : names)
    EXPECT_EQ(readBlock(handle, name), blockBytes(8, seed++)) << name;
  ASSERT_TRUE(deleteBlock(handle, "FK003"));
  EXPECT_EQ(readBlock(handle, "FB003"), blockBytes(8, 22));
  EXPECT_EQ(readBlock(handle, "FV003"), blockBytes(8, 20));
}

TEST_F(Blocks, EmptyAndLargestBlocks) {
  S5DHandle handle = open("prog.s5d");
  const Entry empty = entryFor("DK007", 0);
  ASSERT_NE(_SchrBstDaten(handle, empty.data(), nullptr), 0) << "no bytes need no pointer";
  ASSERT_TRUE(writeBlock(handle, "DB007", blockBytes(S5D_MAX_BLOCK_BYTES, 5), 0x70018601));
  ASSERT_TRUE(close(handle));
  handle = open("prog.s5d");
  Entry entry{};
  ASSERT_NE(_NameZuBst("DK007", entry.data()), 0);
  entry[3] = 0x55;
  unsigned char* data = _LeseBstDaten(handle, entry.data());
  EXPECT_NE(data, nullptr) << "an empty block is found";
  EXPECT_EQ(entry, empty);
  _EntfBstDaten(data);
  EXPECT_EQ(readBlock(handle, "DB007"), blockBytes(S5D_MAX_BLOCK_BYTES, 5));
  EXPECT_EQ(directory(handle)[1], entryFor("DB007", S5D_MAX_BLOCK_BYTES, 0x70018601));
}

TEST_F(Blocks, HandlesOnTheSameFileShareItsBlocks) {
  std::filesystem::create_directory(root_ / "sub");
  std::filesystem::create_symlink(root_ / "sub" / "prog.s5d", root_ / "link.s5d");
  const S5DHandle first = open("sub/prog.s5d");
  const S5DHandle second = open("link.s5d");
  const S5DHandle third = open("sub/../sub/prog.s5d");
  ASSERT_NE(first, 0u);
  ASSERT_NE(second, 0u);
  ASSERT_NE(third, 0u);
  EXPECT_NE(first, second);
  ASSERT_TRUE(writeBlock(first, "PB001", blockBytes(10, 1)));
  ASSERT_TRUE(writeBlock(second, "PB002", blockBytes(10, 2)));
  EXPECT_EQ(directoryNames(third), (std::vector<std::string>{"PB001", "PB002"}));
  ASSERT_TRUE(close(first));
  ASSERT_TRUE(deleteBlock(third, "PB001"));
  EXPECT_EQ(directoryNames(second), (std::vector<std::string>{"PB002"}));
  EXPECT_TRUE(std::filesystem::is_symlink(root_ / "link.s5d")) << "the link is kept";
  unsigned short count = 7;
  EXPECT_EQ(_LeseBuchhalter(first, &count), nullptr);
  EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR) << "a closed handle names no file";
  EXPECT_EQ(count, 0);
}

TEST_F(Blocks, RewritingKeepsThePermissionBits) {
  writeFile("prog.s5d", {});
  ::chmod(at("prog.s5d").c_str(), 0640);
  const S5DHandle handle = open("prog.s5d");
  ASSERT_TRUE(writeBlock(handle, "PB001", blockBytes(10, 1)));
  struct stat status {};
  ASSERT_EQ(::stat(at("prog.s5d").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(Blocks, CompressingRewritesTheFile) {
  S5DHandle handle = open("prog.s5d");
  writeProgram(handle);
  const Bytes written = readFile("prog.s5d");
  EXPECT_EQ(_KomprimiereDatei(at("prog.s5d").c_str()), 1);
  EXPECT_EQ(_GetStatus(), S5D_OK);
  EXPECT_EQ(readFile("prog.s5d"), written);
  expectProgram(handle);
  // The open handle goes on writing into the rewritten file.
  ASSERT_TRUE(writeBlock(handle, "PB100", blockBytes(6, 100)));
  ASSERT_TRUE(close(handle));
  handle = open("prog.s5d");
  EXPECT_EQ(directory(handle).size(), std::size(kProgram) + 1);

  // A file without blocks stays an empty file.
  writeFile("empty.s5d", {});
  EXPECT_EQ(_KomprimiereDatei(at("empty.s5d").c_str()), 1);
  EXPECT_EQ(_GetStatus(), S5D_OK);
  EXPECT_TRUE(readFile("empty.s5d").empty());
  EXPECT_EQ(tree(), (std::set<std::string>{"empty.s5d", "prog.s5d"}));
}

TEST_F(Blocks, StatusIsThatOfTheLastCall) {
  const S5DHandle handle = open("prog.s5d");
  EXPECT_TRUE(readBlock(handle, "PB001").empty());
  EXPECT_EQ(_GetStatus(), S5D_BLOCK_MISSING);
  EXPECT_EQ(_GetStatus(), S5D_BLOCK_MISSING) << "reading the status does not change it";
  ASSERT_TRUE(writeBlock(handle, "PB001", blockBytes(4, 1)));
  EXPECT_EQ(_GetStatus(), S5D_OK);
}

}  // namespace
}  // namespace blockfile_test
