#include "cp1252.h"

namespace tavrin::platform {

namespace {

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    appendUtf8(out, cp1252_detail::toCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string utf8ToCp1252(std::string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const int byte = cp1252_detail::fromCodePoint(cp1252_detail::decodeUtf8(text, pos));
    out += byte < 0 ? replacement : static_cast<char>(byte);
  }
  return out;
}

}  // namespace tavrin::platform
