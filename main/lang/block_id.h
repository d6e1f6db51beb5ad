// Block types, block identifiers and block names.
//
// Contents
//   BlockType            the type codes of S5 blocks
//   BlockId              type code in the high byte, block number in the low byte
//   blockTypeName        "PB", "DB", ... for a type code
//   blockName            "PB001" for an identifier
//   parseBlockName       identifier of a name such as "FB10" (0 when it names no block)
//   checkTypedBlockName  the check of a name the user typed ("pb 12" is PB12)
#ifndef MAIN_LANG_BLOCK_ID_H
#define MAIN_LANG_BLOCK_ID_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin::lang {

// The same codes stand in the second word of the MC5 block header and in every block list.
enum class BlockType : uint8_t {
  DB = 0x01,
  SB = 0x02,
  PB = 0x04,
  FX = 0x05,
  FB = 0x08,
  DX = 0x0C,
  OB = 0x10,
};

// A block that was erased in controller memory keeps its place with this type code.
inline constexpr uint8_t kDeletedBlockType = 0x11;

using BlockId = uint16_t;

constexpr BlockId makeBlockId(BlockType type, uint8_t number) {
  return static_cast<BlockId>((static_cast<unsigned>(type) << 8) | number);
}
constexpr uint8_t blockTypeCode(BlockId id) {
  return static_cast<uint8_t>(id >> 8);
}
constexpr uint8_t blockNumber(BlockId id) {
  return static_cast<uint8_t>(id & 0xFF);
}

// The two-letter name of a type code; empty for an unknown code.
std::string_view blockTypeName(uint8_t typeCode);

// "%s%03d": PB001, FB010, DB255. An unknown type code gives only the digits.
std::string blockName(BlockId id);

// 'O', 'P' and 'S' decide by the first letter; FB, FX, DB and DX by the first two. The number is
// the decimal value after the two letters, its low 8 bits kept. 0 when the text names no block.
BlockId parseBlockName(std::string_view name);

struct TypedBlockName {
  BlockId id;
  std::string text;  // upper case, blanks removed: "PB12"
};

// A name as the user types it: blanks removed, upper-cased (umlauts included); valid when it
// begins with OB, PB, SB, FB, DB, DX or FX and the rest is a decimal number 0..255.
std::optional<TypedBlockName> checkTypedBlockName(std::string_view typed);

}  // namespace tavrin::lang

#endif
