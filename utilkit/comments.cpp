// Comments in S7-style source lines: "//" starts a comment unless it stands inside a literal
// (text in single or in double quotes; the other quote character is plain text inside it).
#include <cstring>

#include "utilkit/utilkit40.h"

namespace {

// Follows the quoting of a line character by character.
class QuoteState {
 public:
  bool outside() const { return open_ == '\0'; }
  void step(char c) {
    if (c != '\'' && c != '"') return;
    if (open_ == '\0')
      open_ = c;
    else if (open_ == c)
      open_ = '\0';
  }

 private:
  char open_ = '\0';
};

const char* findComment(const char* line) {
  QuoteState quotes;
  for (const char* p = line; *p != '\0'; ++p) {
    if (quotes.outside() && p[0] == '/' && p[1] == '/') return p;
    quotes.step(*p);
  }
  return nullptr;
}

}  // namespace

extern "C" {

char* U_strcpyBisKommentar(char* dest, const char* line) {
  const char* comment = findComment(line);
  const std::size_t n =
      comment != nullptr ? static_cast<std::size_t>(comment - line) : std::strlen(line);
  std::memmove(dest, line, n);
  dest[n] = '\0';
  return dest;
}

const char* U_strstrKommentar(const char* line) {
  return findComment(line);
}

// An occurrence counts when it starts outside quotes and ends before the comment.
const char* U_StringVorhandenUndNichtAuskommentiert(const char* line, const char* pattern) {
  const std::size_t n = std::strlen(pattern);
  if (n == 0) return nullptr;
  const char* comment = findComment(line);
  const char* end = comment != nullptr ? comment : line + std::strlen(line);
  QuoteState quotes;
  for (const char* p = line; p < end && static_cast<std::size_t>(end - p) >= n; ++p) {
    if (quotes.outside() && std::strncmp(p, pattern, n) == 0) return p;
    quotes.step(*p);
  }
  return nullptr;
}

char* U_GetKommentarStrAusZeile(char* dest, const char* line) {
  const char* comment = findComment(line);
  if (comment == nullptr) {
    dest[0] = '\0';
    return dest;
  }
  std::memmove(dest, comment, std::strlen(comment) + 1);
  return dest;
}

}  // extern "C"
