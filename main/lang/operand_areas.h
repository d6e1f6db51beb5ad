// The operand areas that the status and forcing of variables reads and writes.
//
// Contents
//   OperandArea            one row: name, highest address, display formats, kind code
//   buildOperandAreaTable  the table for a set of area counts
//   findOperandArea        the row of an area name ("MW")
//   permitsFormat          whether a row may be shown in a format ("KH")
#ifndef MAIN_LANG_OPERAND_AREAS_H
#define MAIN_LANG_OPERAND_AREAS_H

#include <array>
#include <cstdint>
#include <string_view>

#include "main/lang/area_sizes.h"

namespace tavrin::lang {

struct OperandArea {
  std::string_view name;
  uint16_t highest;          // highest byte, word, timer or block number
  bool bitOperand;           // written byte.bit (bits 0..7)
  std::string_view formats;  // permitted display formats, a comma list as stored
  uint8_t kind;              // kind code of the variable lists; DB and DX carry their block type
};

using OperandAreaTable = std::array<OperandArea, 26>;

constexpr OperandAreaTable buildOperandAreaTable(const AreaSizes& s) {
  constexpr std::string_view kBit = "KM";
  constexpr std::string_view kByte = "KC,KM,KH";
  constexpr std::string_view kWord = "KC,KM,KH,KF,KY,KZ,KH,KT";
  constexpr std::string_view kDouble = "KC,KG,KH";
  const uint16_t io = inputOutputBytes(s);
  return {{
      {"E", highestByteAddress(io), true, kBit, 19},
      {"EB", highestByteAddress(io), false, kByte, 1},
      {"EW", highestWordAddress(io), false, kWord, 2},
      {"ED", highestDoubleWordAddress(io), false, kDouble, 3},
      {"A", highestByteAddress(io), true, kBit, 19},
      {"AB", highestByteAddress(io), false, kByte, 1},
      {"AW", highestWordAddress(io), false, kWord, 2},
      {"AD", highestDoubleWordAddress(io), false, kDouble, 3},
      {"M", highestByteAddress(s.mBytes), true, kBit, 20},
      {"MB", highestByteAddress(s.mBytes), false, kByte, 4},
      {"MW", highestWordAddress(s.mBytes), false, kWord, 5},
      {"MD", highestDoubleWordAddress(s.mBytes), false, kDouble, 6},
      {"SY", highestByteAddress(s.sBytes), false, kByte, 11},
      {"SW", highestWordAddress(s.sBytes), false, kWord, 12},
      {"SD", highestDoubleWordAddress(s.sBytes), false, kDouble, 13},
      {"T", highestByteAddress(s.timers), false, "KM,KT,KH", 16},
      {"Z", highestByteAddress(s.counters), false, "KM,KZ,KH", 17},
      {"BS", highestByteAddress(s.bsWords), false, kWord, 18},
      {"PY", highestByteAddress(s.pBytes), false, kByte, 14},
      {"PW", highestWordAddress(s.pBytes), false, kWord, 15},
      {"DL", highestByteAddress(s.dataWords), false, kByte, 8},
      {"DR", highestByteAddress(s.dataWords), false, kByte, 7},
      {"DW", highestByteAddress(s.dataWords), false, kWord, 9},
      {"DD", highestDataDoubleWord(s.dataWords), false, kDouble, 10},
      {"DB", highestByteAddress(s.dbNumbers), false, {}, 0x01},
      {"DX", highestByteAddress(s.fxDxNumbers), false, {}, 0x0C},
  }};
}

// Exact, upper-case match; null when the table has no such area.
const OperandArea* findOperandArea(const OperandAreaTable& table, std::string_view name);

bool permitsFormat(const OperandArea& area, std::string_view format);

}  // namespace tavrin::lang

#endif
