// The codes of a function block's parameter descriptors (kind code * 256 + type code) and the
// one-byte data format codes, which are the type codes of a D parameter.
//
// Contents
//   DataFormatCode          KM 0x80, KH 0x40, KY 0x20, KC 0x10, KG 0x08, KF 0x04, KT 0x02, KZ 0x01
//   dataFormOfCode          the data-line format of a code (DataForm::None for no single format)
//   constFormatOfCode       the constant format of a code
//   descriptorKind          the kind letter of a descriptor: E A D B T Z, '?' for another code
//   parameterDescriptor     the descriptor of a kind letter and a type name
//   descriptorTypeName      "BI", "BY", "W ", "D " for E and A; "KM ", ..., "KZ " for D
//   isKgDescriptor          a D parameter of type KG (two parameter words)
#ifndef MAIN_LANG_PARAMETER_DESCRIPTOR_H
#define MAIN_LANG_PARAMETER_DESCRIPTOR_H

#include <cstdint>
#include <string_view>

#include "main/lang/constant_formats.h"
#include "main/lang/data_lines.h"

namespace tavrin::lang {

enum DataFormatCode : uint8_t {
  kFormatCodeKZ = 0x01,
  kFormatCodeKT = 0x02,
  kFormatCodeKF = 0x04,
  kFormatCodeKG = 0x08,
  kFormatCodeKC = 0x10,
  kFormatCodeKY = 0x20,
  kFormatCodeKH = 0x40,
  kFormatCodeKM = 0x80,
};

DataForm dataFormOfCode(uint8_t code);
ConstFormat constFormatOfCode(uint8_t code);

// Kind codes in the high byte of a descriptor.
inline constexpr uint8_t kKindInput = 2;    // E
inline constexpr uint8_t kKindData = 4;     // D
inline constexpr uint8_t kKindTimer = 5;    // T
inline constexpr uint8_t kKindCounter = 6;  // Z
inline constexpr uint8_t kKindBlock = 7;    // B
inline constexpr uint8_t kKindOutput = 8;   // A

char descriptorKind(uint16_t descriptor);
// The descriptor of a header line's kind letter and type name ("BI", "W", "KT "); code 0 for a
// kind or type that has none.
uint16_t parameterDescriptor(char kind, std::string_view type);
// Empty when the kind has no types (B, T, Z) or the type code is not one of the kind's types.
std::string_view descriptorTypeName(uint16_t descriptor);
inline bool isKgDescriptor(uint16_t descriptor) {
  return descriptor == (kKindData << 8 | kFormatCodeKG);
}

}  // namespace tavrin::lang

#endif
