// File name patterns with '*' and '?', as the original platform's directory search knew them.
#ifndef UTILKIT_NAME_PATTERN_H
#define UTILKIT_NAME_PATTERN_H

#include <string_view>

namespace tavrin::utilkit {

constexpr bool hasWildcards(std::string_view name) {
  return name.find_first_of("*?") != std::string_view::npos;
}

// '*' matches any run of characters, '?' one character; letters compare without regard to ASCII
// case. A pattern ending in ".*" also matches a name without extension ("*.*" matches all).
bool matchesNamePattern(std::string_view name, std::string_view pattern);

}  // namespace tavrin::utilkit

#endif
