// Path texts: directory part, file name and extension. Only the file name (the part after the
// last separator) is searched for an extension, so a '.' in a directory name is never taken.
#include <cstring>

#include "utilkit/path_separators.h"
#include "utilkit/utilkit40.h"

using tavrin::utilkit::fileNameOffset;

namespace {

// Offset of the last '.' in the file name of `path`, or -1 when it has none.
long lastDotOffset(const char* path) {
  const char* name = path + fileNameOffset(path);
  const char* dot = std::strrchr(name, '.');
  return dot != nullptr ? dot - path : -1;
}

// Copies `n` characters of `src` (which may be `dest` itself) and ends the text after them.
char* copyPrefix(char* dest, const char* src, std::size_t n) {
  std::memmove(dest, src, n);
  dest[n] = '\0';
  return dest;
}

}  // namespace

extern "C" {

char* U_FilenameVonPfadEntfernen(char* dest, const char* path) {
  return copyPrefix(dest, path, fileNameOffset(path));
}

char* U_GetFilenameVonPfad(char* dest, const char* path) {
  const char* name = path + fileNameOffset(path);
  return copyPrefix(dest, name, std::strlen(name));
}

// Extensions have at most three characters; a longer one reads as none.
char* U_GetDateiEndung(char* dest, const char* path) {
  const long dot = lastDotOffset(path);
  const char* extension = dot >= 0 ? path + dot + 1 : "";
  const std::size_t len = std::strlen(extension);
  return copyPrefix(dest, extension, len <= 3 ? len : 0);
}

// A '.' among the first two characters starts a relative name (".\", "..") and is kept.
char* U_DateiEndungEntfernen(char* path) {
  const long dot = lastDotOffset(path);
  if (dot >= 2) path[dot] = '\0';
  return path;
}

char* U_DateiEndungAendern(char* path, const char* extension) {
  if (extension == nullptr) return path;
  const long dot = lastDotOffset(path);
  char* end = dot >= 0 ? path + dot : path + std::strlen(path);
  *end++ = '.';
  std::memmove(end, extension, std::strlen(extension) + 1);
  return path;
}

}  // extern "C"
