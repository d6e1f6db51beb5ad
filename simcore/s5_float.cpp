// Conversion between single precision and the controller's 32-bit floating-point format.
#include <bit>
#include <cmath>

#include "simcore/simcore32.h"

namespace {

constexpr uint32_t kS5Zero = 0x80000000u;
constexpr uint32_t kMantissaMask = 0x00FFFFFFu;
constexpr uint32_t kLargestPositive = 0x7F7FFFFFu;  // 0x7FFFFF * 2^104, about 1.701412e38
constexpr uint32_t kLargestNegative = 0x7F800001u;  // -0x7FFFFF * 2^104

}  // namespace

extern "C" {

float S5AG_S5LongToFloat(uint32_t s5Float) {
  if (s5Float == kS5Zero) return 0.0f;
  const int exponent = static_cast<int8_t>(s5Float >> 24);
  const bool negative = (s5Float & 0x00800000u) != 0;
  uint32_t magnitude = s5Float & kMantissaMask;
  if (negative) magnitude = ~(magnitude - 1) & kMantissaMask;
  const long double value = std::ldexp(static_cast<long double>(magnitude), exponent - 23);
  return static_cast<float>(negative ? -value : value);
}

uint32_t S5AG_FloatToS5Long(float value) {
  const uint32_t bits = std::bit_cast<uint32_t>(value);
  const uint32_t exponentField = (bits >> 23) & 0xFFu;
  const uint32_t fraction = bits & 0x007FFFFFu;
  const bool negative = (bits >> 31) != 0;
  if (value == 0.0f || std::isnan(value)) return kS5Zero;
  if (exponentField == 0) return 0x00000000u;  // subnormal: below the controller's range
  // The S5 exponent is the binary one plus one, because the S5 mantissa stands behind the point.
  // Above 127 the byte cannot hold it: the value saturates instead of wrapping to a tiny number.
  const int exponent = static_cast<int>(exponentField) - 126;
  if (exponent > 127) return negative ? kLargestNegative : kLargestPositive;
  uint32_t mantissa = 0x400000u + (fraction >> 1);
  if (negative) mantissa = (~mantissa + 1) & kMantissaMask;
  return static_cast<uint32_t>(static_cast<uint8_t>(exponent)) << 24 | mantissa;
}

}  // extern "C"
