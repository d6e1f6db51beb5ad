#include "main/lang/constant_text.h"

#include <cstdio>
#include <cstdlib>

#include "main/lang/kg_constant.h"
#include "simcore/simcore32.h"
#include "utilkit/utilkit40.h"

namespace tavrin::lang {

namespace {

// The neighbours tried on either side of the value's own mantissa.
constexpr long kKgNeighbours = 3;
constexpr long kSmallestMantissa = 1000000;  // seven digits: the normalised form
constexpr long kLargestMantissa = 9999999;
constexpr uint32_t kUnderflowedZero = 0x00000000;
constexpr std::string_view kSmallestKgText = "+1000000-38";

std::string formatted(uint16_t word, ConstFormat format) {
  char buffer[24] = {};
  switch (format) {
    case ConstFormat::KF:
      return U_WordToKFStr(buffer, word);
    case ConstFormat::KZ:
      return U_WordToKZStrBCD(buffer, word);
    case ConstFormat::KT:
      return U_WordToKTStrBCD(buffer, word);
    case ConstFormat::KC:
      return U_WordToKCStr(buffer, word, nullptr);
    case ConstFormat::KY:
      return U_WordToKYStr(buffer, word);
    case ConstFormat::KH:
      return U_WordToKHStr(buffer, word);
    case ConstFormat::KM:
      return U_WordToKMStr16(buffer, word);
    default:
      return {};
  }
}

std::string kgText(long mantissa, int exponent) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%+08ld%+03d", mantissa, exponent);
  return buffer;
}

}  // namespace

std::optional<std::string> exactConstantText(uint16_t word, ConstFormat format) {
  const std::string text = formatted(word, format);
  if (text.empty() || !fitsDisplayFormat(word, format)) return std::nullopt;
  const ConstantValue back = parseConstant(text, format);
  if (!back.ok() || back.word != word) return std::nullopt;
  return text;
}

std::string nearestKgText(uint32_t s5Float) {
  return kgTextFromFloat(S5AG_S5LongToFloat(s5Float));
}

std::optional<std::string> exactKgText(uint32_t s5Float) {
  const std::string nearest = nearestKgText(s5Float);
  if (kgTextToS5Float(nearest) == s5Float) return nearest;
  const long mantissa = std::strtol(nearest.substr(0, 8).c_str(), nullptr, 10);
  const int exponent = std::atoi(nearest.c_str() + 8);
  for (long d = 1; d <= kKgNeighbours; ++d)
    for (const long m : {mantissa - d, mantissa + d}) {
      if (std::labs(m) < kSmallestMantissa || std::labs(m) > kLargestMantissa) continue;
      const std::string text = normaliseKgText(kgText(m, exponent));
      if (kgTextToS5Float(text) == s5Float) return text;
    }
  return std::nullopt;
}

std::string kgConstantText(uint32_t s5Float) {
  if (auto text = exactKgText(s5Float)) return *text;
  if (s5Float == kUnderflowedZero && kgTextToS5Float(kSmallestKgText) == kUnderflowedZero)
    return std::string(kSmallestKgText);
  return nearestKgText(s5Float);
}

}  // namespace tavrin::lang
