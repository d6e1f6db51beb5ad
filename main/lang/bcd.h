// BCD words: three decimal digits in bits 0..11, a sign nibble in bits 12..15.
#ifndef MAIN_LANG_BCD_H
#define MAIN_LANG_BCD_H

#include <cstdint>

namespace tavrin::lang {

// -999..999 to hundreds, tens and ones in bits 8..11, 4..7, 0..3; a negative value gets the sign
// nibble F. A larger magnitude is not converted: the value comes back unchanged and ok is false.
uint16_t ToBcd(int value, bool& ok);

// The value of a word whose three digit nibbles are 0..9, negative when bits 12..15 are set.
// A digit above 9 makes ok false and the word comes back unchanged.
int FromBcd(uint16_t word, bool& ok);

}  // namespace tavrin::lang

#endif
