// The bytes of an S5D file and the blocks they hold.
//
// Contents
//   kFileMagic           the 16 bytes a non-empty file begins with
//   kRecordFrameBytes    entry and checksum in front of each block's data
//   kTrailerTag          the 4 bytes the trailer begins with
//   kTrailerBytes        the trailer: tag, record count, checksum of the file
//   BlockRecord          one block: its directory entry and its data
//   parseBlockFile       file bytes -> blocks, nothing when the file does not hold together
//   serialiseBlockFile   blocks -> file bytes
//
// Layout: the magic, then per block the 9-byte entry, the CRC-32 of entry and data (low byte
// first) and the data, whose length is the entry's bytes 3-4, then the trailer: its tag, the
// number of records (4 bytes, low byte first) and the CRC-32 of every byte before the checksum
// (low byte first). The tag's first byte, 0xFF, is no block type code, so the trailer cannot
// be taken for a record: a reader walking the records of a cut file never meets the trailer
// before the place where the whole file had it, and so no cut file other than the empty one
// holds together. No blocks are written as an empty file, and the empty file is the only file
// without blocks: a non-empty file holds at least one record. A file is refused as a whole when
// its magic is wrong, a record is cut short, a checksum fails, an entry names no block, two
// entries name the same block, the trailer is missing, damaged or followed by more bytes, or
// its count is not the number of records.
#ifndef OUTSIDE_BLOCKFILE_S5D_FILE_H
#define OUTSIDE_BLOCKFILE_S5D_FILE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "outside/blockfile/directory_entry.h"

namespace tavrin::blockfile {

inline constexpr std::array<std::uint8_t, 16> kFileMagic = {
    'T', 'A', 'V', 'R', 'I', 'N', '-', 'S', '5', 'D', '-', '2', '\r', '\n', 0x1A, 0x00};

inline constexpr std::size_t kRecordFrameBytes = S5D_ENTRY_BYTES + 4;

inline constexpr std::array<std::uint8_t, 4> kTrailerTag = {0xFF, 'E', 'N', 'D'};

inline constexpr std::size_t kTrailerBytes = kTrailerTag.size() + 4 + 4;

struct BlockRecord {
  DirectoryEntry entry{};
  std::vector<std::uint8_t> data;  // entryLength(entry) bytes
  friend bool operator==(const BlockRecord&, const BlockRecord&) = default;
};

using BlockRecords = std::vector<BlockRecord>;

std::optional<BlockRecords> parseBlockFile(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> serialiseBlockFile(const BlockRecords& records);

}  // namespace tavrin::blockfile

#endif
