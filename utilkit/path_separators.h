// Path separators inside utilkit: '/' and, for names written on the original platform, '\'.
#ifndef UTILKIT_PATH_SEPARATORS_H
#define UTILKIT_PATH_SEPARATORS_H

#include <cstddef>
#include <cstring>

namespace tavrin::utilkit {

constexpr bool isPathSeparator(char c) {
  return c == '/' || c == '\\';
}

// Offset of the file name in `path`: just after the last separator, 0 when there is none.
inline std::size_t fileNameOffset(const char* path) {
  std::size_t start = 0;
  for (std::size_t i = 0; path[i] != '\0'; ++i)
    if (isPathSeparator(path[i])) start = i + 1;
  return start;
}

inline bool endsWithSeparator(const char* path) {
  const std::size_t len = std::strlen(path);
  return len > 0 && isPathSeparator(path[len - 1]);
}

}  // namespace tavrin::utilkit

#endif
