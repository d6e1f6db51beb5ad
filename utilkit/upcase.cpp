// Upper-casing as the S5 texts need it: ASCII letters and the three German umlauts (Windows-1252).
#include "utilkit/utilkit40.h"

extern "C" {

char U_UpcaseChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte - 'a' + 'A');
  switch (byte) {
    case 0xE4:
      return static_cast<char>(0xC4);  // ä -> Ä
    case 0xF6:
      return static_cast<char>(0xD6);  // ö -> Ö
    case 0xFC:
      return static_cast<char>(0xDC);  // ü -> Ü
    default:
      return c;
  }
}

char* U_UpcaseString(char* s) {
  for (char* p = s; *p != '\0'; ++p)
    *p = U_UpcaseChar(*p);
  return s;
}

}  // extern "C"
