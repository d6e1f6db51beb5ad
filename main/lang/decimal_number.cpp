#include "main/lang/decimal_number.h"

#include <algorithm>
#include <limits>

namespace tavrin::lang {

bool isDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isHexDigit(char c) {
  return isDecimalDigit(c) || (c >= 'A' && c <= 'F');
}

std::optional<int32_t> parseDecimalNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t magnitude = 0;
  for (char c : text) {
    if (!isDecimalDigit(c)) return std::nullopt;
    magnitude = std::min(kLimit, magnitude * 10 + (c - '0'));
  }
  const int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
  return static_cast<int32_t>(value);
}

}  // namespace tavrin::lang
