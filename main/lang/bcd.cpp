#include "main/lang/bcd.h"

namespace tavrin::lang {

uint16_t ToBcd(int value, bool& ok) {
  const int magnitude = value < 0 ? -value : value;
  ok = magnitude <= 999;
  if (!ok) return static_cast<uint16_t>(value);
  const unsigned digits =
      static_cast<unsigned>((magnitude / 100) << 8 | (magnitude / 10 % 10) << 4 | magnitude % 10);
  return static_cast<uint16_t>(value < 0 ? digits | 0xF000u : digits);
}

int FromBcd(uint16_t word, bool& ok) {
  const int d2 = (word >> 8) & 0xF;
  const int d1 = (word >> 4) & 0xF;
  const int d0 = word & 0xF;
  ok = d2 <= 9 && d1 <= 9 && d0 <= 9;
  if (!ok) return word;
  const int magnitude = 100 * d2 + 10 * d1 + d0;
  return (word & 0xF000u) != 0 ? -magnitude : magnitude;
}

}  // namespace tavrin::lang
