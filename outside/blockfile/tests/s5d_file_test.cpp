// The file layout read and written by the parts behind the exports, and the mapping of system
// errors to status values.
#include "outside/blockfile/s5d_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string_view>
#include <vector>

#include "outside/blockfile/crc32.h"
#include "outside/blockfile/file_io.h"

namespace {

using namespace tavrin::blockfile;
using Bytes = std::vector<std::uint8_t>;

Bytes magic() {
  constexpr std::string_view text("TAVRIN-S5D-1\r\n\x1A\0", 16);
  return {text.begin(), text.end()};
}

void appendRecord(Bytes& file, const Bytes& entry, const Bytes& data) {
  Bytes covered = entry;
  covered.insert(covered.end(), data.begin(), data.end());
  const std::uint32_t crc = crc32(covered);
  file.insert(file.end(), entry.begin(), entry.end());
  for (int shift = 0; shift < 32; shift += 8)
    file.push_back(static_cast<std::uint8_t>(crc >> shift));
  file.insert(file.end(), data.begin(), data.end());
}

BlockRecord record(DirectoryEntry entry, Bytes data) {
  return {entry, std::move(data)};
}

TEST(S5DFile, NoBlocksIsAnEmptyFile) {
  EXPECT_TRUE(serialiseBlockFile({}).empty());
  ASSERT_TRUE(parseBlockFile(Bytes{}));
  EXPECT_TRUE(parseBlockFile(Bytes{})->empty());
  ASSERT_TRUE(parseBlockFile(magic())) << "the magic alone is a file without blocks";
  EXPECT_TRUE(parseBlockFile(magic())->empty());
}

TEST(S5DFile, BytesOfAFileWrittenByHand) {
  Bytes expected = magic();
  appendRecord(expected, {0x04, 0x01, 0x00, 0x04, 0x00, 0x70, 0x04, 0x86, 0x01},
               {0x11, 0x22, 0x33, 0x44});
  appendRecord(expected, {0x04, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, {});
  const BlockRecords records = {
      record({0x04, 0x01, 0x00, 0x04, 0x00, 0x70, 0x04, 0x86, 0x01}, {0x11, 0x22, 0x33, 0x44}),
      record({0x04, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, {}),
  };
  EXPECT_EQ(serialiseBlockFile(records), expected);
  const auto parsed = parseBlockFile(expected);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, records);
}

TEST(S5DFile, RoundTripOfTheSmallestAndLargestBlocks) {
  Bytes large(65535);
  for (std::size_t i = 0; i < large.size(); ++i)
    large[i] = static_cast<std::uint8_t>(i * 7);
  const BlockRecords records = {
      record({0x01, 0x05, 0x03, 0x00, 0x00}, {}),
      record({0x08, 0xFF, 0x00, 0xFF, 0xFF, 0x12, 0x34, 0x56, 0x78}, large),
      record({0x10, 0x00, 0x00, 0x01, 0x00}, {0xAB}),
  };
  const auto parsed = parseBlockFile(serialiseBlockFile(records));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, records);
}

TEST(S5DFile, WellFramedRecordsThatNameNoBlockOrTheSameBlockTwiceAreRefused) {
  struct Case {
    const char* what;
    std::vector<Bytes> entries;
  };
  const Case cases[] = {
      {"unknown type code", {{0x03, 0x01, 0x00, 0x00, 0x00}}},
      {"unknown kind", {{0x04, 0x01, 0x04, 0x00, 0x00}}},
      {"label block of a program block", {{0x04, 0x01, 0x02, 0x00, 0x00}}},
      {"same block twice", {{0x04, 0x01, 0x00, 0x00, 0x00}, {0x04, 0x01, 0x00, 0x00, 0x00}}},
      {"same block twice, other header",
       {{0x04, 0x01, 0x01, 0x00, 0x00, 1},
        {0x10, 0x01, 0x00, 0x00, 0x00},
        {0x04, 0x01, 0x01, 0x00, 0x00, 2}}},
  };
  for (const Case& c : cases) {
    Bytes file = magic();
    for (Bytes entry : c.entries) {
      entry.resize(9);
      appendRecord(file, entry, {});
    }
    EXPECT_FALSE(parseBlockFile(file)) << c.what;
  }
}

TEST(FileErrors, StatusOfOpenAndWriteErrors) {
  struct Case {
    int error;
    int open;
    int write;
  };
  const Case cases[] = {
      {ENOENT, S5D_FILE_NOT_FOUND, S5D_WRITE_FAILED},
      {ENOTDIR, S5D_FILE_NOT_FOUND, S5D_WRITE_FAILED},
      {EACCES, S5D_ACCESS_DENIED, S5D_WRITE_FAILED},
      {EPERM, S5D_ACCESS_DENIED, S5D_WRITE_FAILED},
      {EROFS, S5D_ACCESS_DENIED, S5D_WRITE_FAILED},
      {EMFILE, S5D_TOO_MANY_FILES, S5D_WRITE_FAILED},
      {ENFILE, S5D_TOO_MANY_FILES, S5D_WRITE_FAILED},
      {ENOMEM, S5D_GENERAL_ERROR, S5D_WRITE_FAILED},
      {EISDIR, S5D_OPEN_FAILED, S5D_WRITE_FAILED},
      {EIO, S5D_OPEN_FAILED, S5D_WRITE_FAILED},
      {ENOSPC, S5D_OPEN_FAILED, S5D_NO_SPACE},
      {EDQUOT, S5D_OPEN_FAILED, S5D_NO_SPACE},
      {EFBIG, S5D_OPEN_FAILED, S5D_NO_SPACE},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(statusForOpenError(c.error), c.open) << c.error;
    EXPECT_EQ(statusForWriteError(c.error), c.write) << c.error;
  }
}

}  // namespace
