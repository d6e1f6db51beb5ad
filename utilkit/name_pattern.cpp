// Wildcard matching of file names, without recursion (the classic star-backtracking walk).
#include "utilkit/name_pattern.h"

namespace tavrin::utilkit {

namespace {

char asciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool matches(std::string_view name, std::string_view pattern) {
  std::size_t n = 0, p = 0;
  std::size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || asciiUpper(pattern[p]) == asciiUpper(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

}  // namespace

bool matchesNamePattern(std::string_view name, std::string_view pattern) {
  if (matches(name, pattern)) return true;
  return pattern.ends_with(".*") && name.find('.') == std::string_view::npos &&
         matches(name, pattern.substr(0, pattern.size() - 2));
}

}  // namespace tavrin::utilkit
