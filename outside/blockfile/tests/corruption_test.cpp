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
using Blocks = std::vector<Block>;
const Blocks kBlocks = {{"PB001", 30}, {"PK001", 0}, {"FB003", 20}, {"FV003", 7}, {"DV005", 12}};

constexpr std::size_t kMagicBytes = 16;
constexpr std::size_t kRecordFrameBytes = S5D_ENTRY_BYTES + 4;
constexpr std::size_t kTrailerBytes = 12;

class Corruption : public BlockFileTest {
 protected:
  void SetUp() override {
    BlockFileTest::SetUp();
    good_ = writeGood(kBlocks);
  }

  // good.s5d written afresh through the library with `blocks`; its bytes.
  Bytes writeGood(const Blocks& blocks) {
    std::filesystem::remove(root_ / "good.s5d");
    const S5DHandle handle = open("good.s5d");
    EXPECT_NE(handle, 0u);
    unsigned seed = 1;
    for (const Block& block : blocks)
      EXPECT_TRUE(writeBlock(handle, block.name, blockBytes(block.length, seed++), 0x70040001))
          << block.name;
    EXPECT_TRUE(close(handle));
    const Bytes bytes = readFile("good.s5d");
    std::size_t size = kMagicBytes + kTrailerBytes;
    for (const Block& block : blocks)
      size += kRecordFrameBytes + block.length;
    EXPECT_EQ(bytes.size(), size);
    return bytes;
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
};

TEST_F(Corruption, EveryTruncation) {
  const std::vector<std::pair<const char*, Blocks>> files = {
      {"several blocks", kBlocks},
      {"one block", {{"OB001", 10}}},
      {"one block of no bytes", {{"DK005", 0}}},
      {"blocks of no bytes", {{"PK001", 0}, {"FK002", 0}, {"DK003", 0}}},
  };
  for (const auto& [what, blocks] : files) {
    const Bytes whole = writeGood(blocks);
    ASSERT_FALSE(HasFailure()) << what;
    for (std::size_t length = 1; length < whole.size(); ++length)
      expectRefused(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)),
                    std::string(what) + " cut to " + std::to_string(length));
    EXPECT_EQ(readFile("good.s5d"), whole) << what;
  }
}

TEST_F(Corruption, CutToNothingIsTheEmptyFile) {
  writeFile("bad.s5d", {});
  const S5DHandle handle = open("bad.s5d");
  ASSERT_NE(handle, 0u) << _GetStatus();
  EXPECT_TRUE(directory(handle).empty());
  ASSERT_TRUE(close(handle));
  EXPECT_TRUE(readFile("bad.s5d").empty());
}

TEST_F(Corruption, EveryFlippedByte) {
  for (std::size_t position = 0; position < good_.size(); ++position)
    for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
      Bytes damaged = good_;
      damaged[position] ^= flip;
      expectRefused(damaged, "byte " + std::to_string(position) + " ^ " + std::to_string(flip));
    }
}

TEST_F(Corruption, BytesAfterTheTrailer) {
  for (std::size_t extra = 1; extra <= 2 * kRecordFrameBytes; ++extra)
    for (const unsigned char fill : {0x00, 0x55, 0xFF}) {
      Bytes longer = good_;
      longer.insert(longer.end(), extra, fill);
      expectRefused(longer, std::to_string(extra) + " bytes of " + std::to_string(fill));
    }
  // The trailer repeated, as a second write appended to the first would leave it.
  Bytes twice = good_;
  twice.insert(twice.end(), good_.end() - kTrailerBytes, good_.end());
  expectRefused(twice, "the trailer twice");
}

TEST_F(Corruption, AnotherFilesBytes) {
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"text", {'P', 'B', '0', '0', '1', '\r', '\n'}},
      {"one byte", {0x00}},
      {"the magic alone",
       {'T', 'A', 'V', 'R', 'I', 'N', '-', 'S', '5', 'D', '-', '2', '\r', '\n', 0x1A, 0}},
      {"magic of the earlier layout",
       {'T', 'A', 'V', 'R', 'I', 'N', '-', 'S', '5', 'D', '-', '1', '\r', '\n', 0x1A, 0}},
      {"magic of a later version",
       {'T', 'A', 'V', 'R', 'I', 'N', '-', 'S', '5', 'D', '-', '3', '\r', '\n', 0x1A, 0}},
      {"magic, lower case",
       {'t', 'a', 'v', 'r', 'i', 'n', '-', 's', '5', 'd', '-', '2', '\r', '\n', 0x1A, 0}},
  };
  for (const auto& [what, bytes] : cases)
    expectRefused(bytes, what);
  // The good file with another version in its magic, its checksums otherwise intact.
  for (const char version : {'1', '3'}) {
    Bytes other = good_;
    other[11] = static_cast<unsigned char>(version);
    expectRefused(other, std::string("the good file with version ") + version);
  }
}

TEST_F(Corruption, TheGoodFileStillOpens) {
  const S5DHandle handle = open("good.s5d");
  ASSERT_NE(handle, 0u);
  EXPECT_EQ(directory(handle).size(), kBlocks.size());
}

}  // namespace
}  // namespace blockfile_test
