// Copying strings: bounded appending, slices, upper-casing, and copying up to a stop character.
// Every copy runs forwards, so a destination may be the source itself.
#include <cstring>

#include "utilkit/utilkit40.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Copies `src` up to (not including) the first character for which `stop` is true.
template <typename Stop>
char* copyUntil(char* dest, const char* src, Stop stop) {
  char* out = dest;
  for (; *src != '\0' && !stop(*src); ++src)
    *out++ = *src;
  *out = '\0';
  return dest;
}

}  // namespace

extern "C" {

// `size` is the whole buffer: the result and its terminating zero always fit in it.
char* U_strcat(char* dest, const char* src, short size) {
  if (size <= 0) return dest;
  const auto limit = static_cast<std::size_t>(size) - 1;
  std::size_t len = std::strlen(dest);
  while (len < limit && *src != '\0')
    dest[len++] = *src++;
  dest[len < limit ? len : limit] = '\0';
  return dest;
}

char* U_strcpyStartCount(char* dest, const char* src, short start, short count) {
  const std::size_t len = std::strlen(src);
  const std::size_t from = start < 0 ? 0 : static_cast<std::size_t>(start);
  std::size_t n = from < len ? len - from : 0;
  if (count >= 0 && static_cast<std::size_t>(count) < n) n = static_cast<std::size_t>(count);
  if (n > 0) std::memmove(dest, src + from, n);
  dest[n] = '\0';
  return dest;
}

char* U_strcpyUpcase(char* dest, const char* src) {
  char* out = dest;
  for (; *src != '\0'; ++src)
    *out++ = U_UpcaseChar(*src);
  *out = '\0';
  return dest;
}

char* U_strcpyBisLeerzeichen(char* dest, const char* src) {
  return copyUntil(dest, src, [](char c) { return c == ' '; });
}

char* U_strcpyBisZiffer(char* dest, const char* src) {
  return copyUntil(dest, src, isDigit);
}

// A zero stop character stands for an unused slot: it can only meet the end of the string.
char* U_strcpyBisToken(char* dest, const char* src, char t1, char t2, char t3, char t4, char t5) {
  return copyUntil(dest, src,
                   [=](char c) { return c == t1 || c == t2 || c == t3 || c == t4 || c == t5; });
}

// Text in single quotes is a literal (a character constant such as ','): a stop character inside
// it belongs to the text. An unclosed quote makes the rest of the string literal.
char* U_strcpyBisToken_TokenImStringIgnorieren(char* dest, const char* src, char t1, char t2,
                                               char t3, char t4, char t5) {
  bool quoted = false;
  return copyUntil(dest, src, [&](char c) {
    if (!quoted && (c == t1 || c == t2 || c == t3 || c == t4 || c == t5)) return true;
    if (c == '\'') quoted = !quoted;
    return false;
  });
}

// The separators of an S7 operand list: ',', '/', ':' and ';'.
char* U_strcpyBisS7Begrenzung(char* dest, const char* src) {
  return copyUntil(dest, src, [](char c) { return c == ',' || c == '/' || c == ':' || c == ';'; });
}

char* U_strcpyNachToken(char* dest, const char* src, char c) {
  const char* found = c == '\0' ? nullptr : std::strchr(src, c);
  if (found == nullptr) {
    dest[0] = '\0';
    return dest;
  }
  std::memmove(dest, found + 1, std::strlen(found + 1) + 1);
  return dest;
}

char* U_GetWortNachToken(char* dest, const char* src, char c) {
  const char* found = c == '\0' ? nullptr : std::strchr(src, c);
  if (found == nullptr) {
    dest[0] = '\0';
    return nullptr;
  }
  const char* word = found + 1;
  while (*word == ' ')
    ++word;
  return copyUntil(dest, word,
                   [](char ch) { return ch == ' ' || ch == ';' || ch == '/' || ch == ','; });
}

}  // extern "C"
