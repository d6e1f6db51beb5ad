// The text of a stored constant, for texts that are compiled again: a text is only given when the
// constant parser reads it back as the same word(s).
//
// Contents
//   exactConstantText   a word in KF, KZ, KT, KC, KY, KH or KM
//   exactKgText         two words as a KG text, when seven mantissa digits can express them
//   nearestKgText       the KG text of the nearest value seven mantissa digits can express
//
// Words that come from elsewhere (a real controller, a file) need not fit their format: a KZ word
// that is no BCD number, a KC word with a byte that is not printable or with a blank before a
// character (the parser removes blanks), an S5 float that seven decimal digits cannot hit.
#ifndef MAIN_LANG_CONSTANT_TEXT_H
#define MAIN_LANG_CONSTANT_TEXT_H

#include <cstdint>
#include <optional>
#include <string>

#include "main/lang/constant_formats.h"

namespace tavrin::lang {

// The value formatter's text of the word (KC: its two characters). Nothing for KG, DH, the
// signed byte and None, and when the text would not read back as the same word.
std::optional<std::string> exactConstantText(uint16_t word, ConstFormat format);

// `s5Float`: the high word in bits 16..31. The text of the value is tried first, then the
// neighbouring mantissas, because the conversion into the S5 format drops the lowest bit.
std::optional<std::string> exactKgText(uint32_t s5Float);
std::string nearestKgText(uint32_t s5Float);

// The KG constant of an instruction or an actual parameter: the exact text when there is one.
// The word 0x00000000, which the conversion gives for any magnitude below the smallest normal
// single-precision number, is written "+1000000-38", a text that compiles to it. Otherwise the
// nearest text: the constant is shown as a floating-point number, at the cost of its lowest
// mantissa bit when it is compiled again.
std::string kgConstantText(uint32_t s5Float);

}  // namespace tavrin::lang

#endif
