// The 9-byte directory entry inside the library: its identity bytes, its length field and the
// kinds of block it can name.
//
// Contents
//   DirectoryEntry   the entry's bytes as stored
//   BlockKind        byte 2: a code or data block, or one of the three documentation blocks
//   BlockIdentity    bytes 0-2, which tell two blocks of a file apart
//   identityOf, entryLength, entryFrom   reading an entry
//   headerLength     where the entries of a block's contents begin
#ifndef OUTSIDE_BLOCKFILE_DIRECTORY_ENTRY_H
#define OUTSIDE_BLOCKFILE_DIRECTORY_ENTRY_H

#include <algorithm>
#include <array>
#include <cstdint>

#include "outside/blockfile/blockfile32.h"

namespace tavrin::blockfile {

using DirectoryEntry = std::array<std::uint8_t, S5D_ENTRY_BYTES>;

enum class BlockKind : std::uint8_t { kCodeOrData = 0, kComment = 1, kLabels = 2, kDataFormat = 3 };

struct BlockIdentity {
  std::uint8_t typeCode = 0;
  std::uint8_t number = 0;
  BlockKind kind = BlockKind::kCodeOrData;
  friend bool operator==(const BlockIdentity&, const BlockIdentity&) = default;
};

inline BlockIdentity identityOf(const std::uint8_t* entry) {
  return {entry[0], entry[1], static_cast<BlockKind>(entry[2])};
}

inline std::uint16_t entryLength(const DirectoryEntry& entry) {
  return static_cast<std::uint16_t>(entry[3] | (entry[4] << 8));
}

inline DirectoryEntry entryFrom(const std::uint8_t* bytes) {
  DirectoryEntry entry;
  std::copy(bytes, bytes + entry.size(), entry.begin());
  return entry;
}

// A code or data block's header is 5 words; documentation blocks begin with reserved bytes.
constexpr std::uint8_t headerLength(BlockKind kind) {
  switch (kind) {
    case BlockKind::kCodeOrData:
      return 10;
    case BlockKind::kComment:
      return 26;
    case BlockKind::kLabels:
    case BlockKind::kDataFormat:
      return 8;
  }
  return 0;
}

}  // namespace tavrin::blockfile

#endif
