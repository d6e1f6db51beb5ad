// Numbers read from text: the first decimal number in an operand, sign-and-digit texts, and a
// real number checked against its permitted ranges.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "utilkit/utilkit40.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

extern "C" {

// The search for the first digit runs over the whole string, whatever characters come before it.
// A number too large for 32 bits reads as the largest value.
int32_t U_GetZahlAusString(const char* s, unsigned char* found) {
  while (*s != '\0' && !isDigit(*s))
    ++s;
  if (found != nullptr) *found = *s != '\0' ? 1 : 0;
  int64_t value = 0;
  for (; isDigit(*s); ++s) {
    value = value * 10 + (*s - '0');
    if (value > INT32_MAX) return INT32_MAX;
  }
  return static_cast<int32_t>(value);
}

unsigned char U_IsDezimalZahl(const char* s) {
  return s[std::strspn(s, "0123456789+-")] == '\0' ? 1 : 0;
}

// Reads the whole text as one number (leading blanks and a '+' allowed, '.' as the decimal point
// whatever the locale). Each sign range has its own limit: above `max`, below `minFraction`
// between 0 and 1, below `min`, and above `maxNegativeFraction` between -1 and 0 are refused.
// Infinities and NaN are refused too: no range check could make them usable values.
unsigned char U_GetRealZahlAusString(const char* text, float max, float minFraction, float min,
                                     float maxNegativeFraction, float* value) {
  while (*text == ' ' || *text == '\t')
    ++text;
  if (text[0] == '+' && text[1] != '-') ++text;
  const char* end = text + std::strlen(text);
  float x = 0.0f;
  const auto [rest, error] = std::from_chars(text, end, x);
  if (error != std::errc() || rest != end || !std::isfinite(x)) return 0;
  if (x > 0 && x > max) return 0;
  if (x > 0 && x < 1 && x < minFraction) return 0;
  if (x < -1 && x < min) return 0;
  if (x > -1 && x < 0 && x > maxNegativeFraction) return 0;
  if (value != nullptr) *value = x;
  return 1;
}

}  // extern "C"
