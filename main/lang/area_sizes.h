// The operand-area counts from which every address limit of the language derives.
//
// Contents
//   AreaSizes            the seventeen counts
//   kAreaSizes           the program's fixed values
//   highest...Address    the highest address of bit, byte, word and double-word operands
#ifndef MAIN_LANG_AREA_SIZES_H
#define MAIN_LANG_AREA_SIZES_H

#include <cstdint>

namespace tavrin::lang {

struct AreaSizes {
  uint16_t eaBytes;      // inputs E and outputs A share the count: half each
  uint16_t mBytes;       // flags M
  uint16_t sBytes;       // S flags
  uint16_t timers;       // T
  uint16_t counters;     // Z
  uint16_t bsWords;      // system data BS
  uint16_t btWords;      // system data BT
  uint16_t pBytes;       // peripheral bytes PY/PW and QB/QW
  uint16_t dataWords;    // data words of the open data block
  uint16_t baWords;      // system data BA
  uint16_t bbWords;      // system data BB
  uint16_t dbNumbers;    // A DB, E DB
  uint16_t fxDxNumbers;  // BA FX, BAB FX, AX DX, EX DX, ASM KH
  uint16_t fbNumbers;
  uint16_t obNumbers;
  uint16_t pbNumbers;
  uint16_t sbNumbers;
};

// Fixed values of the program: no setting changes them.
inline constexpr AreaSizes kAreaSizes = {
    .eaBytes = 256,
    .mBytes = 256,
    .sBytes = 4096,
    .timers = 256,
    .counters = 256,
    .bsWords = 256,
    .btWords = 256,
    .pBytes = 256,
    .dataWords = 256,
    .baWords = 256,
    .bbWords = 256,
    .dbNumbers = 256,
    .fxDxNumbers = 256,
    .fbNumbers = 256,
    .obNumbers = 256,
    .pbNumbers = 256,
    .sbNumbers = 256,
};

// In byte-addressed areas a word covers the byte it names and the next one, a double word four
// bytes; timers, counters and block numbers end at count - 1 like bit and byte operands.
constexpr uint16_t highestByteAddress(uint16_t count) {
  return static_cast<uint16_t>(count - 1);
}
constexpr uint16_t highestWordAddress(uint16_t count) {
  return static_cast<uint16_t>(count - 2);
}
constexpr uint16_t highestDoubleWordAddress(uint16_t count) {
  return static_cast<uint16_t>(count - 4);
}

// Inputs and outputs each have half of the shared count.
constexpr uint16_t inputOutputBytes(const AreaSizes& sizes) {
  return sizes.eaBytes / 2;
}

// Data words are addressed by word: DD n covers DW n and DW n+1.
constexpr uint16_t highestDataDoubleWord(uint16_t dataWords) {
  return static_cast<uint16_t>(dataWords - 2);
}

static_assert(highestByteAddress(inputOutputBytes(kAreaSizes)) == 127);
static_assert(highestWordAddress(inputOutputBytes(kAreaSizes)) == 126);
static_assert(highestDoubleWordAddress(inputOutputBytes(kAreaSizes)) == 124);
static_assert(highestDoubleWordAddress(kAreaSizes.sBytes) == 4092);
static_assert(highestDataDoubleWord(kAreaSizes.dataWords) == 254);

}  // namespace tavrin::lang

#endif
