// Word arithmetic: even sizes and byte order. S5 words are stored high byte first, the host
// keeps them low byte first, so words read from S5 data are swapped.
#include "utilkit/utilkit40.h"

extern "C" {

// Unsigned, so the largest odd value wraps to 0 instead of overflowing.
uint32_t U_MakeGeradeZahl(uint32_t n) {
  return n + (n & 1u);
}

unsigned short U_HiLoVertauschen(unsigned short value) {
  return static_cast<unsigned short>(((value & 0xFFu) << 8) | (value >> 8));
}

void U_WordArrayHiLoVertauschen(unsigned short* words, uint32_t count) {
  for (uint32_t i = 0; i < count; ++i)
    words[i] = U_HiLoVertauschen(words[i]);
}

uint32_t U_HiLoVertauschenLong(uint32_t value) {
  return (value << 16) | (value >> 16);
}

}  // extern "C"
