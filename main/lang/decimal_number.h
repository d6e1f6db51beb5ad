// Decimal numbers as statement operands write them: an optional '+' or '-', then digits.
#ifndef MAIN_LANG_DECIMAL_NUMBER_H
#define MAIN_LANG_DECIMAL_NUMBER_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavrin::lang {

// The value of the whole text, or nothing when it is not such a number. Values beyond the 32-bit
// range saturate, so that a range check on the result still refuses them.
std::optional<int32_t> parseDecimalNumber(std::string_view text);

bool isDecimalDigit(char c);
bool isHexDigit(char c);  // '0'..'9' and upper-case 'A'..'F' only

}  // namespace tavrin::lang

#endif
