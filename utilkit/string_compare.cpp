// String comparison: prefix match, case-blind equality and a three-way order.
#include <cstring>

#include "utilkit/utilkit40.h"

extern "C" {

unsigned char U_StringVergleich(const char* text, const char* pattern, short length) {
  const std::size_t count = length < 0 ? std::strlen(pattern) : static_cast<std::size_t>(length);
  return std::strncmp(text, pattern, count) == 0 ? 1 : 0;
}

unsigned char U_StringVergleichrossKlein(const char* a, const char* b) {
  for (;; ++a, ++b) {
    if (U_UpcaseChar(*a) != U_UpcaseChar(*b)) return 0;
    if (*a == '\0') return 1;
  }
}

// The end of a string orders first; otherwise characters compare as signed bytes, so that the
// order of texts with Windows-1252 letters stays the one stored lists were sorted by.
short U_StringVergleichGroesserKleiner(const char* a, const char* b) {
  for (;; ++a, ++b) {
    if (*a == *b) {
      if (*a == '\0') return 0;
      continue;
    }
    if (*a == '\0') return -1;
    if (*b == '\0') return 1;
    return static_cast<signed char>(*a) < static_cast<signed char>(*b) ? -1 : 1;
  }
}

}  // extern "C"
