// Comparison of names without regard to ASCII case, as the profile files and the file lookup
// need it. Only 'A'..'Z' and 'a'..'z' fold; every other byte (also the Windows-1252 umlauts)
// compares exactly, so that a name never matches differently depending on the locale.
//
// Contents
//   asciiToLower            one byte
//   equalsIgnoreAsciiCase   two names
#ifndef PLATFORM_ASCII_CASE_H
#define PLATFORM_ASCII_CASE_H

#include <string_view>

namespace tavrin::platform {

constexpr char asciiToLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (asciiToLower(a[i]) != asciiToLower(b[i])) return false;
  return true;
}

}  // namespace tavrin::platform

#endif
