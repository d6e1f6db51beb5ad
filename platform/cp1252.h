// Windows-1252, the code page of every text inside the system.
//
// Contents
//   cp1252ToUtf8, utf8ToCp1252   run-time conversion (files, the GUI, the command line)
//   operator""_cp1252            compile-time conversion of UTF-8 source literals
//
// Strings in the core hold Windows-1252 bytes; source files are UTF-8. Message literals with
// German letters are written naturally and converted once, at compile time:
//   const char* text = "Parameter 1 ist außerhalb des erlaubten Bereichs !"_cp1252;
// The five bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in Windows-1252; they map to
// the C1 control code points of the same value, so that any byte string survives a round trip.
#ifndef PLATFORM_CP1252_H
#define PLATFORM_CP1252_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin::platform {

namespace cp1252_detail {

// Unicode code points of the bytes 0x80..0x9F; the bytes 0xA0..0xFF are Latin-1.
inline constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t toCodePoint(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? kHighControlRange[byte - 0x80] : char32_t{byte};
}

// The byte of a code point, or -1 when Windows-1252 has no such character.
constexpr int fromCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i)
    if (kHighControlRange[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances `pos`,
// or returns U+FFFFFFFF for a malformed sequence (and advances by one byte).
constexpr char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int extra = lead < 0x80           ? 0
              : (lead >> 5) == 0x6  ? 1
              : (lead >> 4) == 0xE  ? 2
              : (lead >> 3) == 0x1E ? 3
                                    : -1;
  if (extra < 0 || pos + static_cast<std::size_t>(extra) >= text.size()) {
    ++pos;
    return 0xFFFFFFFF;
  }
  char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFFFFFF;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  pos += static_cast<std::size_t>(extra) + 1;
  return cp;
}

template <std::size_t N>
struct Utf8Literal {
  char text[N]{};
  constexpr Utf8Literal(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i)
      text[i] = s[i];
  }
  constexpr std::string_view view() const { return {text, N - 1}; }
};

template <Utf8Literal L>
consteval std::size_t convertedLength() {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < L.view().size(); ++count)
    decodeUtf8(L.view(), pos);
  return count;
}

template <Utf8Literal L>
consteval auto convertLiteral() {
  std::array<char, convertedLength<L>() + 1> out{};
  std::size_t n = 0;
  for (std::size_t pos = 0; pos < L.view().size();) {
    const int byte = fromCodePoint(decodeUtf8(L.view(), pos));
    if (byte < 0) throw "literal has a character that Windows-1252 cannot hold";
    out[n++] = static_cast<char>(byte);
  }
  return out;
}

template <Utf8Literal L>
inline constexpr auto kConverted = convertLiteral<L>();

}  // namespace cp1252_detail

std::string cp1252ToUtf8(std::string_view text);

// Characters without a Windows-1252 byte, and malformed UTF-8, become `replacement`.
std::string utf8ToCp1252(std::string_view text, char replacement = '?');

inline namespace literals {
template <cp1252_detail::Utf8Literal L>
constexpr const char* operator""_cp1252() {
  return cp1252_detail::kConverted<L>.data();
}
}  // namespace literals

}  // namespace tavrin::platform

#endif
