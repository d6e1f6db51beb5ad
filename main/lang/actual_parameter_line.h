// The text of one actual parameter of a block call: the formal parameter's name, " >" and the
// operand, the area at characters 10..11 and the value from character 13 (with the driver's
// address in front: columns 15..16 and 18, where the compiler reads the operand).
//
// Contents
//   ActualParameterText    the text and the words it stands for
//   actualParameterText    one parameter from the words after the call's jump
#ifndef MAIN_LANG_ACTUAL_PARAMETER_LINE_H
#define MAIN_LANG_ACTUAL_PARAMETER_LINE_H

#include <cstdint>
#include <span>
#include <string>

#include "main/lang/fb_header_words.h"

namespace tavrin::lang {

struct ActualParameterText {
  std::string text;
  uint8_t words = 1;  // 2 for a KG constant
};

// `parameter` is the called block's parameter, null when the block or that parameter is unknown
// (the name is then "????" and the word shown as KH). `words` holds the call's parameter words
// from this one on (at least one). By the parameter's kind:
//   E, A: the word is the load or check instruction of the operand ("E  1.0", "MW 20");
//   T, Z, B: timer, counter or block by the word's first byte ("T  5", "DB 10");
//   D: the word (a KG constant: this word and the next) in the declared format.
// A word that its kind or format cannot show exactly (another first byte, a KZ word that is no
// BCD number, ...) is shown as "KH" with its four hex digits, which compiles to the word itself.
ActualParameterText actualParameterText(const HeaderParameter* parameter,
                                        std::span<const uint16_t> words);

}  // namespace tavrin::lang

#endif
