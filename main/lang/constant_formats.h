// The constant formats of statement operands: parsing, checking, MC5 encoding and normalised text.
//
// Contents
//   ConstFormat          the format flags that the instruction table carries
//   ConstantValue        the result of parsing: MC5 words and normalised text, or an error text
//   parseConstant        KF, KZ, KT, KC, KY, KH, KM, KG and the signed byte
//   parseDoubleHex       DH: 32 bits in two words
//   parseMbrAddress      the 20-bit address of MBR
//   SplitParams          "a.b" and "a,b" operands
//   fitsDisplayFormat    whether a stored word may be shown in a format
//
// The text halves come from the value formatters of utilkit40, the one text form of each format.
#ifndef MAIN_LANG_CONSTANT_FORMATS_H
#define MAIN_LANG_CONSTANT_FORMATS_H

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin::lang {

enum class ConstFormat : uint32_t {
  None = 0,
  KM = 0x200,
  KH = 0x400,  // on a three-word operation DH, on "MBR" the 20-bit address
  KY = 0x800,
  KC = 0x1000,
  KG = 0x2000,
  KF = 0x4000,
  KZ = 0x8000,
  KT = 0x10000,
  SignedByte = 0x20000,
};

struct ConstantValue {
  const char* error = nullptr;  // message text when the operand was refused
  uint16_t word = 0;            // the MC5 value (high word of DH, KG and MBR)
  uint16_t word2 = 0;           // low word of DH and KG, second word of MBR
  std::string text;             // normalised text; on failure the blank-free input
  bool ok() const { return error == nullptr; }
};

// The text is cut to 23 characters and every blank removed before it is read.
ConstantValue parseConstant(std::string_view text, ConstFormat format);
ConstantValue parseDoubleHex(std::string_view text);
ConstantValue parseMbrAddress(std::string_view text);

// Marks a parameter that is not a number; it fails every range check.
inline constexpr uint16_t kNoParameter = 0xFFFF;

struct SplitParameters {
  const char* error = nullptr;  // the separator is missing
  uint16_t first = kNoParameter;
  uint16_t second = kNoParameter;
};

// Parameter 1 before the first separator ('.' or ','), parameter 2 after it.
SplitParameters SplitParams(std::string_view text, char separator);

// KC needs two printable bytes, KT a time base up to 3 and a BCD value, KZ a BCD value 0..999;
// every other format shows any word.
bool fitsDisplayFormat(uint16_t word, ConstFormat format);

}  // namespace tavrin::lang

#endif
