// Absolute S5 operands as the symbol table keys them: "E 1.0", "MW 10", "DB 5".
//
// Contents
//   AddressForm        how an area writes its address: number, byte.bit, word.bit, either
//   OperandArea        one area: its letters, address form and highest address
//   kOperandAreas      every area that can carry a symbol
//   S5Operand          a parsed operand: area, address, bit
//   parseS5Operand     text -> operand; blanks and ASCII case do not matter
//   normalisedText     operand -> "MW 10", the form the table stores and writes
//   lineText           operand -> "MW 10" with the area padded to two columns ("E  1.0")
//   looksLikeOperand   area letters followed by a number, whatever its range ("MW999", "T1")
//
// The areas are those of the statement list; the highest addresses are those of the program's
// address space (inputs and outputs 128 bytes each, flags 256 bytes, S flags 4096 bytes,
// timers, counters, data words and block numbers 0..255). Constants (KF, KH, ...), formal
// operands and register names are no operands.
#ifndef OUTSIDE_SYMTAB_S5_OPERAND_H
#define OUTSIDE_SYMTAB_S5_OPERAND_H

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin::symtab {

enum class AddressForm {
  Number,        // "MW 10", "T 5", "DB 5"
  ByteBit,       // "E 1.0": byte, bit 0..7
  WordBit,       // "D 3.15": data word, bit 0..15
  NumberOrWord,  // "BS 10" or "BS 10.15"
};

struct OperandArea {
  std::string_view letters;
  AddressForm form;
  std::uint16_t highest;  // highest byte, word, timer, counter or block number
};

inline constexpr std::array<OperandArea, 38> kOperandAreas = {{
    {"E", AddressForm::ByteBit, 127},       {"EB", AddressForm::Number, 127},
    {"EW", AddressForm::Number, 126},       {"ED", AddressForm::Number, 124},
    {"A", AddressForm::ByteBit, 127},       {"AB", AddressForm::Number, 127},
    {"AW", AddressForm::Number, 126},       {"AD", AddressForm::Number, 124},
    {"M", AddressForm::ByteBit, 255},       {"MB", AddressForm::Number, 255},
    {"MW", AddressForm::Number, 254},       {"MD", AddressForm::Number, 252},
    {"S", AddressForm::ByteBit, 4095},      {"SY", AddressForm::Number, 4095},
    {"SW", AddressForm::Number, 4094},      {"SD", AddressForm::Number, 4092},
    {"PY", AddressForm::Number, 255},       {"PW", AddressForm::Number, 254},
    {"QB", AddressForm::Number, 255},       {"QW", AddressForm::Number, 254},
    {"D", AddressForm::WordBit, 255},       {"DL", AddressForm::Number, 255},
    {"DR", AddressForm::Number, 255},       {"DW", AddressForm::Number, 255},
    {"DD", AddressForm::Number, 254},       {"T", AddressForm::Number, 255},
    {"Z", AddressForm::Number, 255},        {"BS", AddressForm::NumberOrWord, 255},
    {"BT", AddressForm::NumberOrWord, 255}, {"BA", AddressForm::NumberOrWord, 255},
    {"BB", AddressForm::NumberOrWord, 255}, {"OB", AddressForm::Number, 255},
    {"PB", AddressForm::Number, 255},       {"SB", AddressForm::Number, 255},
    {"FB", AddressForm::Number, 255},       {"FX", AddressForm::Number, 255},
    {"DB", AddressForm::Number, 255},       {"DX", AddressForm::Number, 255},
}};

namespace detail {
constexpr bool areasAreUniqueAndShort() {
  for (std::size_t i = 0; i < kOperandAreas.size(); ++i) {
    if (kOperandAreas[i].letters.empty() || kOperandAreas[i].letters.size() > 2) return false;
    for (std::size_t j = i + 1; j < kOperandAreas.size(); ++j)
      if (kOperandAreas[i].letters == kOperandAreas[j].letters) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::areasAreUniqueAndShort(), "area letters are unique, one or two letters");

struct S5Operand {
  const OperandArea* area = nullptr;
  std::uint16_t address = 0;
  std::optional<std::uint8_t> bit;
  bool operator==(const S5Operand&) const = default;
};

std::optional<S5Operand> parseS5Operand(std::string_view text);
std::string normalisedText(const S5Operand& operand);
std::string lineText(const S5Operand& operand);
bool looksLikeOperand(std::string_view text);

}  // namespace tavrin::symtab

#endif
