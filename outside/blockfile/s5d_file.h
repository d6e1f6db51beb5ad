// The bytes of an S5D file and the blocks they hold.
//
// Contents
//   kFileMagic           the 16 bytes a non-empty file begins with
//   kRecordFrameBytes    entry and checksum in front of each block's data
//   BlockRecord          one block: its directory entry and its data
//   parseBlockFile       file bytes -> blocks, nothing when the file does not hold together
//   serialiseBlockFile   blocks -> file bytes
//
// Layout: the magic, then per block the 9-byte entry, the CRC-32 of entry and data (low byte
// first) and the data, whose length is the entry's bytes 3-4. No blocks are written as an empty
// file; the magic alone reads as no blocks too. A file is refused as a whole when its magic is
// wrong, a record is cut short, a checksum fails, an entry names no block, or two entries name
// the same block.
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
    'T', 'A', 'V', 'R', 'I', 'N', '-', 'S', '5', 'D', '-', '1', '\r', '\n', 0x1A, 0x00};

inline constexpr std::size_t kRecordFrameBytes = S5D_ENTRY_BYTES + 4;

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
