#include "main/lang/kg_constant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "main/lang/decimal_number.h"
#include "simcore/simcore32.h"

namespace tavrin::lang {

namespace {

constexpr int kMaxExponent = 38;
constexpr long kMaxMantissaAtLimit = 1701411;
constexpr std::size_t kMantissaDigits = 7;

std::string formatKg(long mantissa, int exponent) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%+08ld%+03d", mantissa, exponent);
  return buffer;
}

// A leading signed number as the KG text uses it: the sign, and its first seven significant digits
// set left-aligned into seven places (12 becomes 1200000). Reading digit by digit keeps any length
// of input from overflowing; leading zeros are dropped, as the number's value drops them.
struct LeadingNumber {
  bool negative = false;
  long leftAligned = 0;       // the first seven significant digits, zero-filled on the right
  std::size_t digits = 0;     // count of significant digits in the text
  long firstDigitsValue = 0;  // value of at most the first three significant digits
};

LeadingNumber leadingNumber(std::string_view text) {
  LeadingNumber n;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) n.negative = text[i++] == '-';
  while (i < text.size() && text[i] == '0')
    ++i;
  for (; i < text.size() && isDecimalDigit(text[i]); ++i, ++n.digits) {
    if (n.digits < kMantissaDigits) n.leftAligned = n.leftAligned * 10 + (text[i] - '0');
    if (n.digits < 3) n.firstDigitsValue = n.firstDigitsValue * 10 + (text[i] - '0');
  }
  for (std::size_t k = n.digits; k < kMantissaDigits; ++k)
    n.leftAligned *= 10;
  return n;
}

int clampedExponent(std::string_view text) {
  const LeadingNumber e = leadingNumber(text);
  const long magnitude =
      e.digits > 2 ? kMaxExponent : std::min<long>(e.firstDigitsValue, kMaxExponent);
  return static_cast<int>(e.negative ? -magnitude : magnitude);
}

// Mantissa/exponent form. The mantissa's digits are set left-aligned into seven places first, and
// only then held to the limit: "+9+45" means 0.9e45 and must end at +1701411+38, not above it.
std::string normaliseMantissaExponent(std::string_view text) {
  const LeadingNumber m = leadingNumber(text);
  const auto sign = text.empty() ? std::string_view::npos : text.find_first_of("+-", 1);
  const int exponent = sign == std::string_view::npos ? 0 : clampedExponent(text.substr(sign));
  long mantissa = m.leftAligned;
  if (std::abs(exponent) == kMaxExponent) mantissa = std::min(mantissa, kMaxMantissaAtLimit);
  return formatKg(m.negative ? -mantissa : mantissa, exponent);
}

}  // namespace

std::string kgTextFromFloat(float value) {
  if (std::isnan(value)) value = 0.0f;
  if (std::isinf(value)) value = std::copysign(std::numeric_limits<float>::max(), value);
  // "%+E" gives sign, one digit, point, six digits: those seven digits are the mantissa, and the
  // exponent moves by one because the KG mantissa stands behind the point.
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%+E", static_cast<double>(value));
  char* e = std::strchr(buffer, 'E');
  const int printedExponent = std::atoi(e + 1);
  *e = '\0';
  const long mantissa = std::lround(std::strtod(buffer, nullptr) * 1e6);
  const int exponent = mantissa == 0 ? 0 : printedExponent + 1;
  // Outside the exponent range the same clamp as for typed operands applies.
  return normaliseMantissaExponent(formatKg(mantissa, exponent));
}

std::string normaliseKgText(std::string_view text) {
  if (text.find('.') != std::string_view::npos) {
    const std::string copy(text);
    return kgTextFromFloat(std::strtof(copy.c_str(), nullptr));
  }
  return normaliseMantissaExponent(text);
}

float kgTextToFloat(std::string_view kgText) {
  if (!kgText.empty() && kgText.front() == 'K')
    kgText.remove_prefix(std::min<std::size_t>(2, kgText.size()));
  const std::string mantissaText(kgText.substr(0, 8));
  const std::string exponentText(kgText.substr(std::min<std::size_t>(8, kgText.size())));
  const long mantissa = std::strtol(mantissaText.c_str(), nullptr, 10);
  const long exponent = std::strtol(exponentText.c_str(), nullptr, 10);
  // Read through the decimal text so that the value is rounded once, correctly, to single
  // precision.
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%lde%ld", mantissa, exponent - 7);
  return std::strtof(buffer, nullptr);
}

uint32_t kgTextToS5Float(std::string_view kgText) {
  return S5AG_FloatToS5Long(kgTextToFloat(kgText));
}

}  // namespace tavrin::lang
