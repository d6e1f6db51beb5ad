// One row of the MC5 instruction table and the vocabulary of its fields.
//
// Contents
//   InstrRow          a row as the parser, compiler, retranslator and status display read it
//   LimitArea         the sized operand area whose counts give a row's limit
//   FormalClass       the formal-operand classes a "=" row permits
//   StatusCategory    what the block status shows for a row
//   RawRow            a row as the table is written down, before its limits are filled in
#ifndef MAIN_LANG_INSTRUCTION_ROW_H
#define MAIN_LANG_INSTRUCTION_ROW_H

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "main/lang/constant_formats.h"

namespace tavrin::lang {

inline constexpr std::size_t kInstructionRows = 491;

inline constexpr uint16_t kNoLimit = 0xFFFF;        // max: no parameter; max2: no second one
inline constexpr uint16_t kLabelOrFormal = 0xFFFC;  // max: a jump label or a formal operand
inline constexpr uint16_t kFormatChecked = 0xFFFE;  // max: a constant checked by its format

// Formal-operand classes (flags bits 1..8).
enum FormalClass : uint32_t {
  kClassBit = 0x02,
  kClassByte = 0x04,
  kClassWord = 0x08,
  kClassDouble = 0x10,
  kClassTimer = 0x20,
  kClassCounter = 0x40,
  kClassBlock = 0x80,
  kClassConstant = 0x100,
};
inline constexpr uint32_t kFormalClassMask = 0x1FE;
inline constexpr uint32_t kConstFormatMask = 0x3FE00;  // bits 9..17

enum StatusCategory : uint8_t {
  kStatusInputOutputBit = 1,
  kStatusFlagBit = 2,
  kStatusCounter = 3,
  kStatusTimer = 4,
  kStatusAccumulator = 6,
  kStatusVke = 7,
  kStatusNothing = 8,
  kStatusEndOfRun = 12,
};

enum class LimitArea : uint8_t {
  None,
  EaByte,
  EaWord,
  EaDouble,
  MByte,
  MWord,
  MDouble,
  SByte,
  SWord,
  SDouble,
  Timer,
  Counter,
  DataWord,
  DataDouble,
  Bs,
  Bt,
  Ba,
  Bb,
  PByte,
  PWord,
  DbNumber,
  FxDxNumber,
  FbNumber,
  ObNumber,
  PbNumber,
  SbNumber,
};

struct InstrRow {
  char key[7];   // up to six characters, zero-padded
  char text[8];  // seven characters and the terminating zero
  uint16_t opcode;
  uint32_t flags;  // formal-operand classes and the ConstFormat of the parameter
  uint16_t min;
  uint16_t max;
  uint16_t max2;
  char fbOnly;  // '}' only in FB and FX, '~' everywhere
  uint8_t words;
  uint8_t status;

  constexpr std::string_view keyText() const { return {key, std::char_traits<char>::length(key)}; }
  constexpr std::string_view displayText() const {
    return {text, std::char_traits<char>::length(text)};
  }
  constexpr uint8_t firstByte() const { return static_cast<uint8_t>(opcode >> 8); }
  constexpr uint8_t lowByte() const { return static_cast<uint8_t>(opcode); }
  constexpr ConstFormat format() const {
    return static_cast<ConstFormat>(flags & kConstFormatMask);
  }
  constexpr uint32_t formalClasses() const { return flags & kFormalClassMask; }
  constexpr bool onlyInFunctionBlocks() const { return fbOnly == '}'; }
  // 0 no parameter, 1 one, 2 two.
  constexpr int parameterKind() const { return max2 != kNoLimit ? 2 : max < kNoLimit ? 1 : 0; }
};

namespace detail {

struct RawRow {
  const char* key;
  const char* text;
  uint16_t opcode;
  ConstFormat format;
  uint32_t classes;
  uint16_t min, max, max2;
  char fbOnly;
  uint8_t words;
  uint8_t status;
  LimitArea area;
};

}  // namespace detail

}  // namespace tavrin::lang

#endif
