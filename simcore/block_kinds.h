// The block types of the controller: their codes, address lists and block counts.
#ifndef SIMCORE_BLOCK_KINDS_H
#define SIMCORE_BLOCK_KINDS_H

#include <array>
#include <cstdint>

#include "simcore/sim_image.h"

namespace tavrin::simcore {

inline constexpr uint8_t kTypeDB = 0x01, kTypeSB = 0x02, kTypePB = 0x04, kTypeFX = 0x05,
                         kTypeFB = 0x08, kTypeDX = 0x0C, kTypeOB = 0x10;
inline constexpr uint8_t kTypeDeleted = 0x11;  // an erased block, a gap until compression
inline constexpr uint16_t kBlockMark = 0x7070;
inline constexpr uint16_t kDeletedHeaderWord = 0x1100;
inline constexpr uint16_t kHeaderWords = 5;
inline constexpr uint16_t kMaxBlockWords = 10000;

struct BlockKind {
  uint8_t code;
  AreaStart list;
  BlockCountSlot count;
};

// In the order blocks are searched by position: OB, PB, FB, FX, SB, DB, DX.
inline constexpr std::array<BlockKind, 7> kBlockKinds = {{
    {kTypeOB, kListOB, kCountOB},
    {kTypePB, kListPB, kCountPB},
    {kTypeFB, kListFB, kCountFB},
    {kTypeFX, kListFX, kCountFX},
    {kTypeSB, kListSB, kCountSB},
    {kTypeDB, kListDB, kCountDB},
    {kTypeDX, kListDX, kCountDX},
}};

constexpr const BlockKind* blockKind(unsigned typeCode) {
  for (const auto& k : kBlockKinds)
    if (k.code == typeCode) return &k;
  return nullptr;
}

constexpr bool isDataBlockType(unsigned typeCode) {
  return typeCode == kTypeDB || typeCode == kTypeDX;
}

constexpr uint16_t blockIdentifier(unsigned typeCode, unsigned number) {
  return static_cast<uint16_t>(typeCode << 8 | (number & 0xFF));
}

// A header word 1 names the type in bits 8..13 (bits 14 and 15 are kept as they are).
constexpr uint8_t headerTypeCode(uint16_t word1) {
  return static_cast<uint8_t>((word1 >> 8) & 0x3F);
}

constexpr bool validHeader(uint16_t word0, uint16_t word1, uint16_t length) {
  const uint8_t type = headerTypeCode(word1);
  return word0 == kBlockMark && (blockKind(type) != nullptr || type == kTypeDeleted) &&
         length >= kHeaderWords && length <= kMaxBlockWords;
}

}  // namespace tavrin::simcore

#endif
