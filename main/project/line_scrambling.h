// Scrambled lines in block files: how they are recognised and unscrambled.
//
// Contents
//   kScrambleKey             the fixed 40-byte key
//   kFirstScrambledColumn    column 5, where the key starts
//   isScrambleMarker         a line that shows that the file holds scrambled lines
//   isScrambledLine          a line that is unscrambled once the marker has been seen
//   unscrambleLine           the key added to the line from column 5 on
//
// This system never writes a scrambled line; reading only undoes a scrambling made elsewhere
// with the same key. A scrambled character is the plain one less the key byte (modulo 256). The
// key's byte for column 10 is 8, so that the separator ':' of a scrambled statement reads '2'
// there, which is the marker. Every key byte lies between 1 and 18: a scrambled character of a
// text (0x20 and above) is then never NUL, LF or CR, so a scrambled line stays one line.
#ifndef MAIN_PROJECT_LINE_SCRAMBLING_H
#define MAIN_PROJECT_LINE_SCRAMBLING_H

#include <array>
#include <string>
#include <string_view>

namespace tavrin::project {

inline constexpr std::array<unsigned char, 40> kScrambleKey = {
    0x0B, 0x03, 0x11, 0x06, 0x0E, 0x08, 0x02, 0x0F, 0x05, 0x12, 0x09, 0x01, 0x0C, 0x07,
    0x10, 0x04, 0x0D, 0x0A, 0x12, 0x03, 0x0E, 0x06, 0x11, 0x01, 0x0B, 0x08, 0x0F, 0x02,
    0x0C, 0x05, 0x10, 0x09, 0x04, 0x12, 0x07, 0x0D, 0x01, 0x0A, 0x06, 0x0E};
inline constexpr std::size_t kFirstScrambledColumn = 5;
static_assert(kScrambleKey[10 - kFirstScrambledColumn] == ':' - '2');
static_assert([] {
  for (unsigned char k : kScrambleKey)
    if (k < 1 || k > 0x12) return false;
  return true;
}());

// Column 10 holds a control character (code 1 to 31) or '2'.
bool isScrambleMarker(std::string_view line);

// The line does not begin with a blank and has a non-blank character in column 4, 9, 49, 50 or
// 51 (a column beyond the end of the line counts as blank).
bool isScrambledLine(std::string_view line);

// Each character from column 5 to the end gets the next key byte added, the key starting over
// after its last byte.
void unscrambleLine(std::string& line);

}  // namespace tavrin::project

#endif
