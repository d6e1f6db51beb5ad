// KG, the S5 floating-point constant, in its text form: seven mantissa digits and a two-digit
// exponent, each with its sign. +1234567+02 means 0.1234567 * 10^2.
//
// Contents
//   normaliseKgText    any KG operand ("+12+02", "12.5") to the normalised text; never fails
//   kgTextFromFloat    the text of a single-precision value
//   kgTextToFloat      the value of a normalised text
//   kgTextToS5Float    the two MC5 words of a normalised text (high word in bits 16..31)
#ifndef MAIN_LANG_KG_CONSTANT_H
#define MAIN_LANG_KG_CONSTANT_H

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin::lang {

// The exponent is clamped to -38..+38; at the limits the mantissa is held to +-1701411, the largest
// value the controller's floating-point format reaches (1.701411e38). A text with '.' is read as
// a decimal number.
std::string normaliseKgText(std::string_view blankFreeText);

std::string kgTextFromFloat(float value);

// A text that begins with 'K' ("KG+1234567+02") is read after its format name.
float kgTextToFloat(std::string_view kgText);

// Through the simulator engine's conversion, the one definition of the S5 floating-point format.
uint32_t kgTextToS5Float(std::string_view kgText);

}  // namespace tavrin::lang

#endif
