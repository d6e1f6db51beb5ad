// Editing strings in place: inserting, deleting, shifting, cutting and counting characters.
// All edits move the text within the caller's buffer, so no work copy limits the length.
#include <climits>
#include <cstring>
#include <string>

#include "utilkit/utilkit40.h"

namespace {

short countOf(const char* s, char c) {
  if (c == '\0') return 0;
  int count = 0;
  for (; *s != '\0'; ++s)
    if (*s == c && count < SHRT_MAX) ++count;
  return static_cast<short>(count);
}

char* terminateAtFirst(char* s, const char* stops) {
  s[std::strcspn(s, stops)] = '\0';
  return s;
}

}  // namespace

extern "C" {

// The whole old tail follows the insertion (it is not cut to a fixed work-buffer length).
// A position past the end appends. The insertion may be part of `s` itself.
char* U_InsertString(char* s, const char* insertion, short position) {
  try {
    const std::string inserted(insertion);
    const std::size_t len = std::strlen(s);
    std::size_t at = position < 0 ? 0 : static_cast<std::size_t>(position);
    if (at > len) at = len;
    std::memmove(s + at + inserted.size(), s + at, len - at + 1);
    std::memcpy(s + at, inserted.data(), inserted.size());
  } catch (...) {
    // Out of memory for the copy of the insertion: the string stays as it was.
  }
  return s;
}

char* U_DeleteSubString(char* s, short position, short count) {
  const std::size_t len = std::strlen(s);
  if (position < 0 || count <= 0 || static_cast<std::size_t>(position) >= len) return s;
  const auto at = static_cast<std::size_t>(position);
  std::size_t n = static_cast<std::size_t>(count);
  if (n > len - at) n = len - at;
  std::memmove(s + at, s + at + n, len - at - n + 1);
  return s;
}

char* U_DeleteSubStringText(char* s, const char* sub) {
  const std::size_t n = std::strlen(sub);
  if (n == 0) return s;
  char* found = std::strstr(s, sub);
  if (found != nullptr) std::memmove(found, found + n, std::strlen(found + n) + 1);
  return s;
}

char* U_StringLinksVerschieben(char* s, short n) {
  if (n <= 0) return s;
  const std::size_t len = std::strlen(s);
  const auto drop = static_cast<std::size_t>(n) < len ? static_cast<std::size_t>(n) : len;
  std::memmove(s, s + drop, len - drop + 1);
  return s;
}

char* U_StringTerminierenAbZeichen(char* s, char c) {
  if (c == '\0') return s;
  char* found = std::strchr(s, c);
  if (found != nullptr) *found = '\0';
  return s;
}

// A zero among the four characters is an unused slot.
char* U_ZeichenAusStringEntfernen(char* s, char c1, char c2, char c3, char c4) {
  char* out = s;
  for (const char* in = s; *in != '\0'; ++in)
    if (*in != c1 && *in != c2 && *in != c3 && *in != c4) *out++ = *in;
  *out = '\0';
  return s;
}

short U_AnzahlZeichenImString(const char* s, char c) {
  return countOf(s, c);
}

short U_GetAnzahlTokenInString(const char* s, char c) {
  return countOf(s, c);
}

char* U_NewLineEntfernen(char* s) {
  return terminateAtFirst(s, "\r\n");
}

// Cuts a trailing number with its sign: "MW+12" -> "MW". The cut is at the first such character.
char* U_DezimalZahlAmEndeEntfernen(char* s) {
  return terminateAtFirst(s, "0123456789+-");
}

}  // extern "C"
