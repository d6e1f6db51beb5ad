// Blanks: removing, detecting and padding. The work is done in place, so texts of any length are
// handled (no fixed work copy that a long line could overrun).
#include <cstring>

#include "utilkit/utilkit40.h"

extern "C" {

char* U_LeerzeichenAmEndeEntfernen(char* s) {
  std::size_t len = std::strlen(s);
  while (len > 0 && s[len - 1] == ' ')
    --len;
  s[len] = '\0';
  return s;
}

char* U_LeerzeichenAmAnfangEntfernen(char* s) {
  const std::size_t skip = std::strspn(s, " ");
  if (skip > 0) std::memmove(s, s + skip, std::strlen(s + skip) + 1);
  return s;
}

char* U_LeerzeichenAmAnfangUndEndeEntfernen(char* s) {
  return U_LeerzeichenAmAnfangEntfernen(U_LeerzeichenAmEndeEntfernen(s));
}

char* U_LeerzeichenEntfernen(char* s) {
  return U_strcpyOhneLeerzeichen(s, s);
}

unsigned char U_LeerzeichenEnthalten(const char* s) {
  return std::strchr(s, ' ') != nullptr ? 1 : 0;
}

// Pads to exactly `length` characters: shorter texts get blanks, longer ones are cut.
char* U_LeerzeichenAnhaengen(char* s, short length) {
  if (length < 0) return s;
  const auto width = static_cast<std::size_t>(length);
  std::size_t len = std::strlen(s);
  while (len < width)
    s[len++] = ' ';
  s[width] = '\0';
  return s;
}

// Copying forwards lets `dest` be `src` itself.
char* U_strcpyOhneLeerzeichen(char* dest, const char* src) {
  char* out = dest;
  for (; *src != '\0'; ++src)
    if (*src != ' ') *out++ = *src;
  *out = '\0';
  return dest;
}

}  // extern "C"
