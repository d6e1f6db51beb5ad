// Damaged files: every truncation and every flipped byte of a valid file is refused as a whole
// (status 7), never crashes, and leaves the file as it was.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "outside/blockfile/tests/block_file_fixture.h"

namespace blockfile_test {
namespace {

struct Block {
  const char* name;
  std::size_t length;
};
const Block kBlocks[] = {{"PB001", 30}, {"PK001", 0}, {"FB003", 20}, {"FV003", 7}, {"DV005", 12}};

constexpr std::size_t kMagicBytes = 16;
constexpr std::size_t kRecordFrameBytes = S5D_ENTRY_BYTES + 4;

class Corruption : public BlockFileTest {
 protected:
  void SetUp() override {
    BlockFileTest::SetUp();
    const S5DHandle handle = open("good.s5d");
    ASSERT_NE(handle, 0u);
    unsigned seed = 1;
    for (const Block& block : kBlocks)
      ASSERT_TRUE(writeBlock(handle, block.name, blockBytes(block.length, seed++), 0x70040001));
    ASSERT_TRUE(close(handle));
    good_ = readFile("good.s5d");
    // The file ends validly after the magic and after each whole record.
    std::size_t end = kMagicBytes;
    validEnds_ = {0, end};
    for (const Block& block : kBlocks)
      validEnds_.push_back(end += kRecordFrameBytes + block.length);
    ASSERT_EQ(good_.size(), validEnds_.back());
  }

  // Opening and compressing `bytes` are refused with status 7 and change nothing.
  void expectRefused(const Bytes& bytes, const std::string& what) {
    writeFile("bad.s5d", bytes);
    EXPECT_EQ(open("bad.s5d"), 0u) << what;
    EXPECT_EQ(_GetStatus(), S5D_READ_FAILED) << what;
    EXPECT_EQ(_KomprimiereDatei(at("bad.s5d").c_str()), 0) << what;
    EXPECT_EQ(_GetStatus(), S5D_READ_FAILED) << what;
    EXPECT_EQ(readFile("bad.s5d"), bytes) << what;
    EXPECT_EQ(tree(), (std::set<std::string>{"bad.s5d", "good.s5d"})) << what;
  }

  Bytes good_;
  std::vector<std::size_t> validEnds_;
};

TEST_F(Corruption, EveryTruncation) {
  for (std::size_t length = 0; length < good_.size(); ++length) {
    const Bytes cut(good_.begin(), good_.begin() + static_cast<std::ptrdiff_t>(length));
    const auto valid = std::find(validEnds_.begin(), validEnds_.end(), length);
    if (valid == validEnds_.end()) {
      expectRefused(cut, "cut to " + std::to_string(length));
      continue;
    }
    // Cut between records: a valid file with the blocks before the cut.
    writeFile("bad.s5d", cut);
    const S5DHandle handle = open("bad.s5d");
    ASSERT_NE(handle, 0u) << length;
    std::vector<std::string> expected;
    for (std::size_t i = 0; i + 2 <= static_cast<std::size_t>(valid - validEnds_.begin()); ++i)
      expected.push_back(kBlocks[i].name);
    EXPECT_EQ(directoryNames(handle), expected) << length;
    ASSERT_TRUE(close(handle));
    EXPECT_EQ(readFile("bad.s5d"), cut) << length;
  }
}

TEST_F(Corruption, EveryFlippedByte) {
  for (std::size_t position = 0; position < good_.size(); ++position)
    for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
      Bytes damaged = good_;
      damaged[position] ^= flip;
      expectRefused(damaged, "byte " + std::to_string(position) + " ^ " + std::to_string(flip));
    }
}

TEST_F(Corruption, BytesAfterTheLastRecord) {
  for (std::size_t extra = 1; extra <= 2 * kRecordFrameBytes; ++extra)
    for (const unsigned char fill : {0x00, 0x55, 0xFF}) {
      Bytes longer = good_;
      longer.insert(longer.end(), extra, fill);
      expectRefused(longer, std::to_string(extra) + " bytes of " + std::to_string(fill));
    }
}

TEST_F(Corruption, AnotherFilesBytes) {
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"text", {'P', 'B', '0', '0', '1', '\r', '\n'}},
      {"one byte", {0x00}},
      {"magic of a later version",
       {'T', 'A', 'V', 'R', 'I', 'N', '-', 'S', '5', 'D', '-', '2', '\r', '\n', 0x1A, 0}},
      {"magic, lower case",
       {'t', 'a', 'v', 'r', 'i', 'n', '-', 's', '5', 'd', '-', '1', '\r', '\n', 0x1A, 0}},
  };
  for (const auto& [what, bytes] : cases)
    expectRefused(bytes, what);
}

TEST_F(Corruption, TheGoodFileStillOpens) {
  const S5DHandle handle = open("good.s5d");
  ASSERT_NE(handle, 0u);
  EXPECT_EQ(directory(handle).size(), std::size(kBlocks));
}

}  // namespace
}  // namespace blockfile_test
