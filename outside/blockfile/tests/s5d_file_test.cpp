// The file layout read and written by the parts behind the exports, and the mapping of system
// errors to status values.
#include "outside/blockfile/s5d_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "outside/blockfile/crc32.h"
#include "outside/blockfile/file_io.h"

namespace {

using namespace tavrin::blockfile;
using Bytes = std::vector<std::uint8_t>;

Bytes magic(char version = '2') {
  const std::string_view text("TAVRIN-S5D-?\r\n\x1A\0", 16);
  Bytes bytes(text.begin(), text.end());
  bytes[11] = static_cast<std::uint8_t>(version);
  return bytes;
}

void appendWord32(Bytes& file, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    file.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendRecord(Bytes& file, const Bytes& entry, const Bytes& data) {
  Bytes covered = entry;
  covered.insert(covered.end(), data.begin(), data.end());
  file.insert(file.end(), entry.begin(), entry.end());
  appendWord32(file, crc32(covered));
  file.insert(file.end(), data.begin(), data.end());
}

// The tag, the count and the checksum of everything before the checksum.
void appendTrailer(Bytes& file, std::uint32_t count, const Bytes& tag = {0xFF, 'E', 'N', 'D'}) {
  file.insert(file.end(), tag.begin(), tag.end());
  appendWord32(file, count);
  appendWord32(file, crc32(file));
}

BlockRecord record(DirectoryEntry entry, Bytes data) {
  return {entry, std::move(data)};
}

const Bytes kProgramEntry = {0x04, 0x01, 0x00, 0x04, 0x00, 0x70, 0x04, 0x86, 0x01};
const Bytes kProgramData = {0x11, 0x22, 0x33, 0x44};
const Bytes kCommentEntry = {0x04, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

// The magic and the records of PB001 and its empty comment block PK001, without the trailer.
Bytes twoRecords(char version = '2') {
  Bytes file = magic(version);
  appendRecord(file, kProgramEntry, kProgramData);
  appendRecord(file, kCommentEntry, {});
  return file;
}

TEST(S5DFile, NoBlocksIsTheEmptyFileOnly) {
  EXPECT_TRUE(serialiseBlockFile({}).empty());
  ASSERT_TRUE(parseBlockFile(Bytes{}));
  EXPECT_TRUE(parseBlockFile(Bytes{})->empty());
  Bytes magicAndTrailer = magic();
  appendTrailer(magicAndTrailer, 0);
  const std::vector<std::pair<const char*, Bytes>> refused = {
      {"the magic alone", magic()},
      {"the magic and a trailer counting no records", magicAndTrailer},
  };
  for (const auto& [what, bytes] : refused)
    EXPECT_FALSE(parseBlockFile(bytes)) << what;
}

TEST(S5DFile, BytesOfAFileWrittenByHand) {
  Bytes expected = twoRecords();
  appendTrailer(expected, 2);
  ASSERT_EQ(expected.size(), 16u + (13 + 4) + 13 + 12);
  EXPECT_EQ(Bytes(expected.end() - 12, expected.end() - 4),
            (Bytes{0xFF, 'E', 'N', 'D', 0x02, 0x00, 0x00, 0x00}));
  const BlockRecords records = {
      record({0x04, 0x01, 0x00, 0x04, 0x00, 0x70, 0x04, 0x86, 0x01}, {0x11, 0x22, 0x33, 0x44}),
      record({0x04, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, {}),
  };
  EXPECT_EQ(serialiseBlockFile(records), expected);
  const auto parsed = parseBlockFile(expected);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, records);
}

TEST(S5DFile, TrailersThatDoNotHoldAreRefused) {
  struct Case {
    const char* what;
    Bytes file;
    bool valid;
  };
  const auto withTrailer = [](Bytes file, std::uint32_t count) {
    appendTrailer(file, count);
    return file;
  };
  const auto changed = [](Bytes file, std::size_t fromEnd, std::uint8_t value) {
    file[file.size() - fromEnd] = value;
    return file;
  };
  const Bytes good = withTrailer(twoRecords(), 2);
  Bytes otherTag = twoRecords();
  appendTrailer(otherTag, 2, {0xFF, 'E', 'N', 'E'});
  Bytes twice = good;
  appendTrailer(twice, 2);
  Bytes recordAfterTheTrailer = magic();
  appendRecord(recordAfterTheTrailer, kProgramEntry, kProgramData);
  appendTrailer(recordAfterTheTrailer, 1);
  appendRecord(recordAfterTheTrailer, kCommentEntry, {});
  appendTrailer(recordAfterTheTrailer, 2);
  // The checksum of the records alone, as if the magic were left out.
  Bytes checksumWithoutMagic = twoRecords();
  checksumWithoutMagic.insert(checksumWithoutMagic.end(), {0xFF, 'E', 'N', 'D', 2, 0, 0, 0});
  appendWord32(checksumWithoutMagic,
               crc32(std::span<const std::uint8_t>(checksumWithoutMagic).subspan(16)));
  const Case cases[] = {
      {"the file as written", good, true},
      {"no trailer", twoRecords(), false},
      {"the earlier layout's magic", withTrailer(twoRecords('1'), 2), false},
      {"count too small", withTrailer(twoRecords(), 1), false},
      {"count too large", withTrailer(twoRecords(), 3), false},
      {"count of no records", withTrailer(twoRecords(), 0), false},
      {"count in the high bytes", withTrailer(twoRecords(), 0x01000002), false},
      {"other tag", otherTag, false},
      {"checksum one off", changed(good, 4, static_cast<std::uint8_t>(good[good.size() - 4] ^ 1)),
       false},
      {"checksum of the records alone", checksumWithoutMagic, false},
      {"trailer cut by a byte", Bytes(good.begin(), good.end() - 1), false},
      {"trailer twice", twice, false},
      {"a record after a trailer", recordAfterTheTrailer, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(parseBlockFile(c.file).has_value(), c.valid) << c.what;
}

TEST(S5DFile, EveryCutOfAWrittenFileIsRefused) {
  const std::vector<BlockRecords> files = {
      {record({0x04, 0x01, 0x00, 0x00, 0x00}, {})},
      {record({0x04, 0x01, 0x00, 0x03, 0x00}, {0xFF, 0xFF, 0xFF})},
      {record({0x04, 0x01, 0x00, 0x04, 0x00, 0x70, 0x04, 0x86, 0x01}, {0x11, 0x22, 0x33, 0x44}),
       record({0x04, 0x01, 0x01, 0x00, 0x00}, {}),
       record({0x08, 0x03, 0x02, 0x02, 0x00}, {0xFF, 'E'}),
       record({0x01, 0x05, 0x00, 0x0C, 0x00}, Bytes(12, 0xFF))},
  };
  for (std::size_t f = 0; f < files.size(); ++f) {
    const Bytes whole = serialiseBlockFile(files[f]);
    ASSERT_TRUE(parseBlockFile(whole)) << f;
    for (std::size_t length = 1; length < whole.size(); ++length)
      EXPECT_FALSE(parseBlockFile(std::span<const std::uint8_t>(whole).first(length)))
          << "file " << f << " cut to " << length;
  }
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

TEST(S5DFile, WellFramedRecordsMustNameDifferentBlocks) {
  struct Case {
    const char* what;
    std::vector<Bytes> entries;
    bool valid = false;
  };
  const Case cases[] = {
      {"two blocks", {{0x04, 0x01, 0x00, 0x00, 0x00}, {0x04, 0x01, 0x01, 0x00, 0x00}}, true},
      {"unknown type code", {{0x03, 0x01, 0x00, 0x00, 0x00}}},
      {"type code of the trailer's tag", {{0xFF, 0x01, 0x00, 0x00, 0x00}}},
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
    appendTrailer(file, static_cast<std::uint32_t>(c.entries.size()));
    EXPECT_EQ(parseBlockFile(file).has_value(), c.valid) << c.what;
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
