// The S5 value formatters: the text form of every S5 constant format. The language core, the data
// block lines and the status displays all write values through these functions.
#include <cstdio>
#include <cstring>

#include "utilkit/utilkit40.h"

namespace {

// Blanks appended until the text is `width` characters long; a longer text stays as it is.
char* padWithBlanks(char* dest, std::size_t width) {
  std::size_t len = std::strlen(dest);
  while (len < width)
    dest[len++] = ' ';
  dest[len] = '\0';
  return dest;
}

char* writeBits(char* dest, unsigned value, int highestBit) {
  char* out = dest;
  for (int bit = highestBit; bit >= 0; --bit)
    *out++ = ((value >> bit) & 1u) ? '1' : '0';
  *out = '\0';
  return dest;
}

unsigned nibble(unsigned value, int index) {
  return (value >> (4 * index)) & 0xFu;
}

bool isPrintableKcByte(unsigned char byte) {
  return (byte >= 32 && byte <= 175) || byte == 225;
}

}  // namespace

extern "C" {

char* U_WordToKZStr(char* dest, unsigned short value) {
  std::sprintf(dest, "%03u", value & 0x3FFu);
  return dest;
}

char* U_WordToKZStrBCD(char* dest, unsigned short value) {
  std::sprintf(dest, "%u%u%u", nibble(value, 2), nibble(value, 1), nibble(value, 0));
  return dest;
}

char* U_WordToKTStr(char* dest, unsigned short value) {
  std::sprintf(dest, "%03u.%u", value & 0x3FFu, (value >> 12) & 0x3u);
  return dest;
}

char* U_WordToKTStrBCD(char* dest, unsigned short value) {
  std::sprintf(dest, "%01u%01u%01u.%01u", nibble(value, 2), nibble(value, 1), nibble(value, 0),
               nibble(value, 3));
  return dest;
}

char* U_WordToKFStr(char* dest, unsigned short value) {
  std::sprintf(dest, "%+-5d", static_cast<int>(static_cast<short>(value)));
  return padWithBlanks(dest, 7);
}

char* U_LongToDFStr(char* dest, int32_t value) {
  std::sprintf(dest, "%+-10ld", static_cast<long>(value));
  return padWithBlanks(dest, 11);
}

char* U_WordToKCStr(char* dest, unsigned short value, unsigned char* nonPrintable) {
  const unsigned char bytes[2] = {static_cast<unsigned char>(value >> 8),
                                  static_cast<unsigned char>(value & 0xFFu)};
  for (int i = 0; i < 2; ++i) {
    if (isPrintableKcByte(bytes[i])) {
      dest[i] = static_cast<char>(bytes[i]);
    } else {
      dest[i] = '.';
      if (nonPrintable != nullptr) *nonPrintable = 1;
    }
  }
  dest[2] = '\0';
  return dest;
}

char* U_WordToKYStr(char* dest, unsigned short value) {
  std::sprintf(dest, "%03u,%03u", static_cast<unsigned>(value >> 8), value & 0xFFu);
  return dest;
}

char* U_WordToKHStr(char* dest, unsigned short value) {
  std::sprintf(dest, "%04X", static_cast<unsigned>(value));
  return dest;
}

char* U_WordToKHStr32(char* dest, uint32_t value) {
  std::sprintf(dest, "%04X %04X", static_cast<unsigned>(value >> 16),
               static_cast<unsigned>(value & 0xFFFFu));
  return dest;
}

char* U_WordToKMStr16(char* dest, unsigned short value) {
  writeBits(dest, value >> 8, 7);
  dest[8] = ' ';
  writeBits(dest + 9, value & 0xFFu, 7);
  return dest;
}

char* U_WordToKMStr9(char* dest, unsigned short value) {
  return writeBits(dest, value, 8);
}

char* U_WordToKMStr8(char* dest, unsigned char value) {
  return writeBits(dest, value, 7);
}

char* U_FloatToKGStr(char* dest, float value) {
  std::sprintf(dest, "%2.2f", static_cast<double>(value));
  return dest;
}

}  // extern "C"
