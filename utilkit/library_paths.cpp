// Path texts of the library as file-system paths.
#include "utilkit/library_paths.h"

#include <string>

#include "utilkit/case_insensitive_name.h"

namespace tavrin::utilkit {

std::filesystem::path toPath(const char* text) {
  std::string native(text);
  for (char& c : native)
    if (c == '\\') c = '/';
  return native;
}

std::filesystem::path existingPath(const char* text) {
  std::string native = toPath(text).native();
  while (native.size() > 1 && native.back() == '/')
    native.pop_back();
  return resolveNameCase(native);
}

}  // namespace tavrin::utilkit
