// Building blocks of the accumulator arithmetic (arithmetic.h).
//
// Contents
//   accumulator words        the low word of an accumulator, read signed or replaced
//   condition codes          by the sign, by an exact result against a range, division by zero,
//                            complements, word logic, shifts
//   floating-point results   a single-precision result stored as an S5 number with its codes
//   BCD digits               binary to BCD nibbles and back
//
// Everything here is computed in unsigned or wide signed arithmetic, so that no operand, however
// chosen, overflows a signed type or shifts by the full width.
#ifndef SIMCORE_INTERP_ARITHMETIC_DETAIL_H
#define SIMCORE_INTERP_ARITHMETIC_DETAIL_H

#include <cmath>
#include <cstdint>
#include <limits>

#include "simcore/sim_image.h"
#include "simcore/simcore32.h"

namespace tavrin::simcore::interp::arith {

// --- accumulator words -------------------------------------------------------------------------
inline uint16_t lowWord(uint32_t accu) {
  return static_cast<uint16_t>(accu);
}
inline uint16_t highWord(uint32_t accu) {
  return static_cast<uint16_t>(accu >> 16);
}
inline int32_t signedLow(uint32_t accu) {
  return static_cast<int16_t>(accu);
}
inline uint32_t withLowWord(uint32_t accu, uint32_t value) {
  return (accu & 0xFFFF0000u) | (value & 0xFFFFu);
}
inline uint32_t withHighWord(uint32_t accu, uint32_t value) {
  return (accu & 0x0000FFFFu) | (value << 16 & 0xFFFF0000u);
}

// --- condition codes ---------------------------------------------------------------------------
inline uint8_t bit(bool b) {
  return static_cast<uint8_t>(b);
}

inline void setOverflow(SimImage& s, bool overflow) {
  s.OV = bit(overflow);
  s.OS = static_cast<uint8_t>(s.OS | s.OV);
}

// ANZ1 ANZ0 by the sign of a result that fits: 1 0 positive, 0 1 negative, 0 0 zero; OV := 0.
inline void codesBySign(SimImage& s, int64_t result) {
  s.ANZ1 = bit(result > 0);
  s.ANZ0 = bit(result < 0);
  s.OV = 0;
}

// The codes of an arithmetic result from its exact value, before it is cut to the register
// width lo..hi: by the sign while it fits; beyond hi a positive overflow (0 1, because the cut
// result reads negative), below lo a negative overflow (1 0); OV, OS := 1 on overflow.
inline void codesByExactResult(SimImage& s, int64_t exact, int64_t lo, int64_t hi) {
  const bool above = exact > hi;
  const bool below = exact < lo;
  s.ANZ1 = bit((exact > 0 && !above) || below);
  s.ANZ0 = bit((exact < 0 && !below) || above);
  setOverflow(s, above || below);
}
inline void codes16(SimImage& s, int64_t exact) {
  codesByExactResult(s, exact, -32768, 32767);
}
inline void codes32(SimImage& s, int64_t exact) {
  codesByExactResult(s, exact, std::numeric_limits<int32_t>::min(),
                     std::numeric_limits<int32_t>::max());
}

// Division by zero: ANZ1 ANZ0 1 1 (no other result gives both), OV, OS := 1.
inline void codesDivisionByZero(SimImage& s) {
  s.ANZ1 = 1;
  s.ANZ0 = 1;
  setOverflow(s, true);
}

// KEW, KZW: codes by the sign of the result; a result of 0x8000 is an overflow (0 1, OV, OS).
inline void complementCodes(SimImage& s, uint16_t result) {
  s.ANZ1 = bit(result != 0 && result < 0x8000);
  s.ANZ0 = bit(result >= 0x8000);
  setOverflow(s, result == 0x8000);
}

// UW, OW, XOW: the result to ACCU1-L; ANZ1 := result not 0, ANZ0 := 0, OV := 0.
inline void wordLogicResult(SimImage& s, uint32_t result) {
  s.ACCU1 = withLowWord(s.ACCU1, result);
  s.ANZ1 = bit((result & 0xFFFFu) != 0);
  s.ANZ0 = 0;
  s.OV = 0;
}

// Shifts and rotations: ANZ1 := the last bit out (bit 0 of lastOut), ANZ0 := 0, OS := 0.
inline void shiftCodes(SimImage& s, uint32_t lastOut) {
  s.ANZ1 = static_cast<uint8_t>(lastOut & 1u);
  s.ANZ0 = 0;
  s.OS = 0;
}

// --- floating-point results --------------------------------------------------------------------
inline constexpr uint32_t kS5Zero = 0x80000000u;
// From 2^127 on a magnitude needs an S5 exponent above 127; the conversion then saturates.
inline constexpr float kS5Overflow = 0x1p127f;

inline float accuAsFloat(uint32_t accu) {
  return S5AG_S5LongToFloat(accu);
}

// ACCU1 := the result as an S5 number, with its codes: 1 0 positive, 0 1 negative, OV := 0.
// A magnitude beyond the S5 range (infinity included) is an overflow: the largest S5 number of
// the result's sign, OV, OS := 1, codes 1 0 or 0 1 by the sign. A result below the smallest
// normal single-precision magnitude (the S5 exponent would fall below the range the operation
// carries) is zero: 0x80000000 with 0 0.
inline void storeFloatResult(SimImage& s, float result) {
  const float magnitude = std::fabs(result);
  const bool zero = !(magnitude >= std::numeric_limits<float>::min());  // also NaN
  const bool overflow = magnitude >= kS5Overflow;
  s.ACCU1 = zero ? kS5Zero : S5AG_FloatToS5Long(result);
  s.ANZ1 = bit(!zero && result > 0.0f);
  s.ANZ0 = bit(!zero && result < 0.0f);
  setOverflow(s, overflow);
}

// The accumulator stack after a two-operand floating-point operation: ACCU2 := ACCU3,
// ACCU3 := ACCU4 (ACCU4 keeps its value).
inline void stackDown(SimImage& s) {
  s.ACCU2 = s.ACCU3;
  s.ACCU3 = s.ACCU4;
}

// --- BCD digits --------------------------------------------------------------------------------
// The lowest `digits` decimal digits of `value` as BCD nibbles, the lowest digit in bits 0..3.
inline uint32_t toBcd(uint32_t value, unsigned digits) {
  uint32_t bcd = 0;
  for (unsigned i = 0; i < digits; ++i) {
    bcd |= (value % 10) << (4 * i);
    value /= 10;
  }
  return bcd;
}

// The lowest `digits` nibbles of `bcd` read as decimal digits; false when one is above 9.
inline bool fromBcd(uint32_t bcd, unsigned digits, uint32_t& value) {
  uint32_t v = 0;
  bool valid = true;
  for (unsigned i = digits; i-- > 0;) {
    const uint32_t digit = (bcd >> (4 * i)) & 0xFu;
    valid = valid && digit <= 9;
    v = v * 10 + digit;
  }
  value = v;
  return valid;
}

}  // namespace tavrin::simcore::interp::arith

#endif
