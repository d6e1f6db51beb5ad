// Byte and bit address of an operand text such as "MW10", "E 1.0" or "DB10.DBX2.3".
#include <cstring>

#include "utilkit/utilkit40.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool endsOperand(char c) {
  return c == ' ' || c == '\0';
}

unsigned char widthFromSizeLetter(char c) {
  switch (c) {
    case 'B':
      return 8;
    case 'W':
      return 16;
    case 'D':
      return 32;
    default:
      return 0;
  }
}

}  // namespace

extern "C" {

// The outputs are 0 unless the text is a valid address. The width comes from the size letter
// before the number (B, W, D) or is 1 for a bit address; other operands have width 0.
unsigned char U_ByteBitAdresseVonParamStr(const char* text, unsigned short* address,
                                          unsigned char* bit, unsigned char* width) {
  if (address != nullptr) *address = 0;
  if (bit != nullptr) *bit = 0;
  if (width != nullptr) *width = 0;

  // "DB10.DBW4", "DI3.DIX0.1": the block number is not the address; the address follows the '.'.
  const char* p = text;
  if ((p[0] == 'D' && (p[1] == 'B' || p[1] == 'I')) && isDigit(p[2])) {
    p = std::strchr(p, '.');
    if (p == nullptr) return 0;
    ++p;
  }
  while (*p != '\0' && !isDigit(*p))
    ++p;
  if (*p == '\0') return 0;

  const char sizeLetter = p > text ? p[-1] : '\0';
  unsigned long byteAddress = 0;
  for (; isDigit(*p); ++p) {
    byteAddress = byteAddress * 10 + static_cast<unsigned long>(*p - '0');
    if (byteAddress > 65536) byteAddress = 65536;
  }
  if (byteAddress >= 65536) return 0;
  if (*p != '.' && !endsOperand(*p)) return 0;

  unsigned char bitNumber = 0;
  unsigned char operandWidth = widthFromSizeLetter(sizeLetter);
  if (*p == '.') {
    if (!isDigit(p[1]) || p[1] > '7' || !endsOperand(p[2])) return 0;
    bitNumber = static_cast<unsigned char>(p[1] - '0');
    operandWidth = 1;
  }
  if (address != nullptr) *address = static_cast<unsigned short>(byteAddress);
  if (bit != nullptr) *bit = bitNumber;
  if (width != nullptr) *width = operandWidth;
  return 1;
}

}  // extern "C"
