// The accumulator arithmetic of the interpreter: one inline function per instruction, each the
// whole effect of that instruction on the record. The dispatch decodes the operand (count,
// constant, relation) and calls these directly; none of them reads memory or the program.
//
// Contents
//   fixed point          +F -F XF :F KEW KZW UW OW XOW I D ADD BF ADD KF ADD DH, AA39
//   double word          +D -D KZD, AA1E
//   floating point       +G -G XG :G ENT FDG GFD
//   comparisons          CompareKind, opCompare (the 0x21, 0x39 and 0x31 families)
//   shifts, rotations    SLW SRW SVW SLD SVD RLD RRD
//   code conversions     DUF DUD DEF DED, AA00, AA01
//
// Condition codes: ANZ1 ANZ0 = 0 0 zero, 0 1 negative (ACCU2 < ACCU1 after a comparison), 1 0
// positive (ACCU2 > ACCU1). An integer overflow reads 0 1 when the true result lies above the
// range (the cut result looks negative) and 1 0 when it lies below, and sets OV and OS. OS is
// the stored overflow: arithmetic sets it and never clears it (transfers, comparisons and shifts
// do). Operations marked "codes: none" leave ANZ1, ANZ0, OV and OS alone.
//
// Decisions where the instruction set leaves a choice:
//   +D, -D   report an overflow of the true 32-bit sum like the 16-bit operations do.
//   KZD      of 0x80000000 gives 0x80000000, 0 1, OV := 0 (codes by the sign, never overflow).
//   :G       by zero: 1 1, OV, OS := 1, ACCU1 := 0; the stack moves down as after any :G.
//   +G ... :G results are rounded to single precision; a magnitude of 2^127 or more (the S5
//            exponent would exceed 127) is an overflow saturated to the largest S5 number of
//            that sign, -2^127 included; a magnitude below 2^-126 is the zero 0x80000000, 0 0.
//   FDG      codes by the sign of the result, OV := 0 (every 32-bit integer fits).
//   GFD      truncates towards zero; beyond the 32-bit range it saturates to 0x7FFFFFFF or
//            0x80000000 with OV, OS := 1 and 1 0 or 0 1 by the sign; otherwise codes by the
//            sign, OV := 0.
//   shifts   a count beyond the width goes on shifting: everything is out, the last bit out is
//            a zero that came in (SLW, SRW, SLD) or the sign (SVW, SVD); rotations by 32 or more
//            rotate by the count modulo 32, ANZ1 being the bit that went round last. Shifts
//            and rotations leave OV alone.
//   DEF, DED the top bit of the sign nibble (bit 15 or bit 31) is the sign, the other three
//            bits of that nibble are not looked at.
//   AA00     the four nibbles of ACCU1-L are four BCD digits (0..9999), none is a sign; a nibble
//            above 9 sets OS and leaves ACCU1 as it is, like DEF.
#ifndef SIMCORE_INTERP_ARITHMETIC_H
#define SIMCORE_INTERP_ARITHMETIC_H

#include <bit>
#include <cstdint>
#include <limits>

#include "simcore/interp/arithmetic_detail.h"
#include "simcore/sim_image.h"

namespace tavrin::simcore::interp {

// --- fixed point: 16-bit signed ACCU2-L and ACCU1-L; high words keep their contents ------------

// +F: ACCU1-L := ACCU2-L + ACCU1-L.
inline void opAddF(SimImage& s) {
  const int32_t sum = arith::signedLow(s.ACCU2) + arith::signedLow(s.ACCU1);
  s.ACCU1 = arith::withLowWord(s.ACCU1, static_cast<uint32_t>(sum));
  arith::codes16(s, sum);
}

// -F: ACCU1-L := ACCU2-L - ACCU1-L.
inline void opSubF(SimImage& s) {
  const int32_t difference = arith::signedLow(s.ACCU2) - arith::signedLow(s.ACCU1);
  s.ACCU1 = arith::withLowWord(s.ACCU1, static_cast<uint32_t>(difference));
  arith::codes16(s, difference);
}

// XF: the 32-bit product, low word to ACCU1-L, high word to ACCU2-L; codes judge the product
// against the 16-bit range.
inline void opMulF(SimImage& s) {
  const int32_t product = arith::signedLow(s.ACCU2) * arith::signedLow(s.ACCU1);
  const uint32_t bits = static_cast<uint32_t>(product);
  s.ACCU1 = arith::withLowWord(s.ACCU1, bits);
  s.ACCU2 = arith::withLowWord(s.ACCU2, bits >> 16);
  arith::codes16(s, product);
}

// :F: ACCU1-L := ACCU2-L / ACCU1-L truncated, ACCU1-H := the remainder of the two words taken as
// unsigned numbers. By zero: ACCU1-L := 0 (ACCU1-H kept), 1 1, OV, OS := 1.
inline void opDivF(SimImage& s) {
  const int32_t divisor = arith::signedLow(s.ACCU1);
  if (divisor == 0) {
    s.ACCU1 = arith::withLowWord(s.ACCU1, 0);
    arith::codesDivisionByZero(s);
    return;
  }
  const int32_t quotient = arith::signedLow(s.ACCU2) / divisor;
  const uint32_t remainder = uint32_t{arith::lowWord(s.ACCU2)} % arith::lowWord(s.ACCU1);
  s.ACCU1 = remainder << 16 | (static_cast<uint32_t>(quotient) & 0xFFFFu);
  arith::codes16(s, quotient);
}

// Special function AA39: ACCU1-L := ACCU2-L / ACCU1-L, ACCU2-L := the signed remainder (the
// sign of the dividend); codes as +F. By zero as :F, ACCU2 kept.
inline void opDivAA39(SimImage& s) {
  const int32_t divisor = arith::signedLow(s.ACCU1);
  if (divisor == 0) {
    s.ACCU1 = arith::withLowWord(s.ACCU1, 0);
    arith::codesDivisionByZero(s);
    return;
  }
  const int32_t dividend = arith::signedLow(s.ACCU2);
  const int32_t quotient = dividend / divisor;
  s.ACCU1 = arith::withLowWord(s.ACCU1, static_cast<uint32_t>(quotient));
  s.ACCU2 = arith::withLowWord(s.ACCU2, static_cast<uint32_t>(dividend % divisor));
  arith::codes16(s, quotient);
}

// KEW: ACCU1-L := one's complement.
inline void opKEW(SimImage& s) {
  const uint16_t result = static_cast<uint16_t>(~arith::lowWord(s.ACCU1));
  s.ACCU1 = arith::withLowWord(s.ACCU1, result);
  arith::complementCodes(s, result);
}

// KZW: ACCU1-L := two's complement.
inline void opKZW(SimImage& s) {
  const uint16_t result = static_cast<uint16_t>(0u - arith::lowWord(s.ACCU1));
  s.ACCU1 = arith::withLowWord(s.ACCU1, result);
  arith::complementCodes(s, result);
}

// UW, OW, XOW: ACCU1-L := ACCU1-L and / or / exclusive or ACCU2-L; ANZ1 := result not 0,
// ANZ0 := 0, OV := 0.
inline void opWordAnd(SimImage& s) {
  arith::wordLogicResult(s, s.ACCU1 & s.ACCU2);
}
inline void opWordOr(SimImage& s) {
  arith::wordLogicResult(s, s.ACCU1 | s.ACCU2);
}
inline void opWordXor(SimImage& s) {
  arith::wordLogicResult(s, s.ACCU1 ^ s.ACCU2);
}

// I n, D n: the low byte of ACCU1 alone counts up or down, modulo 256; codes: none.
inline void opInc(SimImage& s, uint8_t n) {
  s.ACCU1 = (s.ACCU1 & 0xFFFFFF00u) | ((s.ACCU1 + n) & 0xFFu);
}
inline void opDec(SimImage& s, uint8_t n) {
  s.ACCU1 = (s.ACCU1 & 0xFFFFFF00u) | ((s.ACCU1 - n) & 0xFFu);
}

// ADD BF: ACCU1-L + the operand as a signed byte, modulo 2^16; codes: none.
inline void opAddBF(SimImage& s, uint8_t operand) {
  const uint32_t addend = static_cast<uint32_t>(static_cast<int8_t>(operand));
  s.ACCU1 = arith::withLowWord(s.ACCU1, s.ACCU1 + addend);
}

// ADD KF: ACCU1-L + the constant, modulo 2^16; codes: none.
inline void opAddKF(SimImage& s, uint16_t constant) {
  s.ACCU1 = arith::withLowWord(s.ACCU1, s.ACCU1 + constant);
}

// ADD DH: ACCU1 + the constant, modulo 2^32; codes: none.
inline void opAddDH(SimImage& s, uint32_t constant) {
  s.ACCU1 += constant;
}

// --- double word: 32-bit signed ACCU1 and ACCU2 ------------------------------------------------

// +D: ACCU1 := ACCU1 + ACCU2; codes by the true sum, an overflow as with +F.
inline void opAddD(SimImage& s) {
  const int64_t exact = int64_t{static_cast<int32_t>(s.ACCU1)} + static_cast<int32_t>(s.ACCU2);
  s.ACCU1 += s.ACCU2;
  arith::codes32(s, exact);
}

// -D: ACCU1 := ACCU2 - ACCU1; as +D.
inline void opSubD(SimImage& s) {
  const int64_t exact = int64_t{static_cast<int32_t>(s.ACCU2)} - static_cast<int32_t>(s.ACCU1);
  s.ACCU1 = s.ACCU2 - s.ACCU1;
  arith::codes32(s, exact);
}

// KZD: ACCU1 := -ACCU1 modulo 2^32; codes by the sign of the result, OV := 0.
inline void opKZD(SimImage& s) {
  s.ACCU1 = 0u - s.ACCU1;
  arith::codesBySign(s, static_cast<int32_t>(s.ACCU1));
}

// Special function AA1E: ACCU1 := ACCU1-L sign-extended; codes: none.
inline void opSignExtend(SimImage& s) {
  s.ACCU1 = static_cast<uint32_t>(arith::signedLow(s.ACCU1));
}

// --- floating point: S5 numbers in ACCU1 and ACCU2, computed in single precision ---------------

// +G: ACCU1 := ACCU2 + ACCU1, then ACCU2 := ACCU3, ACCU3 := ACCU4.
inline void opAddG(SimImage& s) {
  arith::storeFloatResult(s, arith::accuAsFloat(s.ACCU2) + arith::accuAsFloat(s.ACCU1));
  arith::stackDown(s);
}

// -G: ACCU1 := ACCU2 - ACCU1; stack as +G.
inline void opSubG(SimImage& s) {
  arith::storeFloatResult(s, arith::accuAsFloat(s.ACCU2) - arith::accuAsFloat(s.ACCU1));
  arith::stackDown(s);
}

// XG: ACCU1 := ACCU2 * ACCU1; stack as +G.
inline void opMulG(SimImage& s) {
  arith::storeFloatResult(s, arith::accuAsFloat(s.ACCU2) * arith::accuAsFloat(s.ACCU1));
  arith::stackDown(s);
}

// :G: ACCU1 := ACCU2 / ACCU1; by zero (any ACCU1 whose value is 0): ACCU1 := 0, 1 1, OV,
// OS := 1. Stack as +G in both cases.
inline void opDivG(SimImage& s) {
  const float divisor = arith::accuAsFloat(s.ACCU1);
  if (divisor == 0.0f) {
    s.ACCU1 = 0;
    arith::codesDivisionByZero(s);
  } else {
    arith::storeFloatResult(s, arith::accuAsFloat(s.ACCU2) / divisor);
  }
  arith::stackDown(s);
}

// ENT: ACCU4 := ACCU3, ACCU3 := ACCU2; codes: none.
inline void opENT(SimImage& s) {
  s.ACCU4 = s.ACCU3;
  s.ACCU3 = s.ACCU2;
}

// FDG: the 32-bit integer in ACCU1 as an S5 number (rounded to single precision).
inline void opFDG(SimImage& s) {
  arith::storeFloatResult(s, static_cast<float>(static_cast<int32_t>(s.ACCU1)));
}

// GFD: the S5 number in ACCU1 as a 32-bit integer, truncated towards zero; saturated beyond.
inline void opGFD(SimImage& s) {
  const float value = arith::accuAsFloat(s.ACCU1);
  const bool above = value >= 0x1p31f;
  const bool inRange = value >= -0x1p31f && value < 0x1p31f;
  const int32_t result = inRange ? static_cast<int32_t>(value)
                         : above ? std::numeric_limits<int32_t>::max()
                                 : std::numeric_limits<int32_t>::min();
  s.ACCU1 = static_cast<uint32_t>(result);
  s.ANZ1 = arith::bit(result > 0);
  s.ANZ0 = arith::bit(result < 0);
  arith::setOverflow(s, !inRange);
}

// --- comparisons -------------------------------------------------------------------------------

enum class CompareKind { Fixed16, Double32, Float };

// VKE := ACCU2 relation ACCU1 for the relation in the operand (0x20 >, 0x40 <, 0x60 ><,
// 0x80 ==, 0xA0 >=, 0xC0 <=); ERAB, OV, OS := 0; codes 0 0 equal, 0 1 ACCU2 < ACCU1, 1 0
// ACCU2 > ACCU1. Any other operand is not a comparison: false, nothing changed.
inline bool opCompare(SimImage& s, CompareKind kind, uint8_t relation) {
  bool less = false;
  bool greater = false;
  switch (kind) {
    case CompareKind::Fixed16: {
      const int32_t a2 = arith::signedLow(s.ACCU2), a1 = arith::signedLow(s.ACCU1);
      less = a2 < a1;
      greater = a2 > a1;
      break;
    }
    case CompareKind::Double32: {
      const int32_t a2 = static_cast<int32_t>(s.ACCU2), a1 = static_cast<int32_t>(s.ACCU1);
      less = a2 < a1;
      greater = a2 > a1;
      break;
    }
    case CompareKind::Float: {
      const float a2 = arith::accuAsFloat(s.ACCU2), a1 = arith::accuAsFloat(s.ACCU1);
      less = a2 < a1;
      greater = a2 > a1;
      break;
    }
  }
  bool result = false;
  switch (relation) {
    case 0x20:
      result = greater;
      break;
    case 0x40:
      result = less;
      break;
    case 0x60:
      result = less || greater;
      break;
    case 0x80:
      result = !less && !greater;
      break;
    case 0xA0:
      result = !less;
      break;
    case 0xC0:
      result = !greater;
      break;
    default:
      return false;
  }
  s.VKE = arith::bit(result);
  s.ERAB = 0;
  s.OV = 0;
  s.OS = 0;
  s.ANZ1 = arith::bit(greater);
  s.ANZ0 = arith::bit(less);
  return true;
}

// --- shifts and rotations: count n from the operand; n = 0 changes nothing ----------------------

// SLW: ACCU1-L left, zeros in.
inline void opSLW(SimImage& s, unsigned n) {
  if (n == 0) return;
  const uint32_t shifted = uint32_t{arith::lowWord(s.ACCU1)} << (n < 17 ? n : 17);
  s.ACCU1 = arith::withLowWord(s.ACCU1, shifted);
  arith::shiftCodes(s, shifted >> 16);
}

// SRW: ACCU1-L right, zeros in. The word stands one place up so that the last bit out lands in
// bit 0.
inline void opSRW(SimImage& s, unsigned n) {
  if (n == 0) return;
  const uint32_t shifted = (uint32_t{arith::lowWord(s.ACCU1)} << 1) >> (n < 17 ? n : 17);
  s.ACCU1 = arith::withLowWord(s.ACCU1, shifted >> 1);
  arith::shiftCodes(s, shifted);
}

// SVW: ACCU1-L right, the sign in (the count field holds 0..15).
inline void opSVW(SimImage& s, unsigned n) {
  if (n == 0) return;
  const int32_t shifted = (arith::signedLow(s.ACCU1) * 2) >> (n < 17 ? n : 17);
  s.ACCU1 = arith::withLowWord(s.ACCU1, static_cast<uint32_t>(shifted >> 1));
  arith::shiftCodes(s, static_cast<uint32_t>(shifted));
}

// SLD: ACCU1 left, zeros in.
inline void opSLD(SimImage& s, unsigned n) {
  if (n == 0) return;
  const uint64_t shifted = uint64_t{s.ACCU1} << (n < 33 ? n : 33);
  s.ACCU1 = static_cast<uint32_t>(shifted);
  arith::shiftCodes(s, static_cast<uint32_t>(shifted >> 32));
}

// SVD: ACCU1 right, the sign in.
inline void opSVD(SimImage& s, unsigned n) {
  if (n == 0) return;
  const int64_t shifted = (int64_t{static_cast<int32_t>(s.ACCU1)} * 2) >> (n < 33 ? n : 33);
  s.ACCU1 = static_cast<uint32_t>(shifted >> 1);
  arith::shiftCodes(s, static_cast<uint32_t>(shifted));
}

// RLD: ACCU1 rotated left; the last bit round is now bit 0.
inline void opRLD(SimImage& s, unsigned n) {
  if (n == 0) return;
  s.ACCU1 = std::rotl(s.ACCU1, static_cast<int>(n % 32));
  arith::shiftCodes(s, s.ACCU1);
}

// RRD: ACCU1 rotated right; the last bit round is now bit 31.
inline void opRRD(SimImage& s, unsigned n) {
  if (n == 0) return;
  s.ACCU1 = std::rotr(s.ACCU1, static_cast<int>(n % 32));
  arith::shiftCodes(s, s.ACCU1 >> 31);
}

// --- code conversions: BCD digits, a sign nibble 0x0 positive, 0xF negative --------------------

// DUF: ACCU1-L (signed, magnitude below 1000) to three BCD digits with the sign in bits 12..15.
// Out of range: OS := 1, ACCU1 unchanged. Codes otherwise: none.
inline void opDUF(SimImage& s) {
  const int32_t value = arith::signedLow(s.ACCU1);
  const uint32_t magnitude = static_cast<uint32_t>(value < 0 ? -value : value);
  if (magnitude >= 1000) {
    s.OS = 1;
    return;
  }
  const uint32_t sign = value < 0 ? 0xF000u : 0u;
  s.ACCU1 = arith::withLowWord(s.ACCU1, sign | arith::toBcd(magnitude, 3));
}

// DUD: ACCU1 (signed, magnitude below 10,000,000) to seven BCD digits with the sign in bits
// 28..31. Out of range as DUF.
inline void opDUD(SimImage& s) {
  const int64_t value = static_cast<int32_t>(s.ACCU1);
  const uint64_t magnitude = static_cast<uint64_t>(value < 0 ? -value : value);
  if (magnitude >= 10'000'000) {
    s.OS = 1;
    return;
  }
  const uint32_t sign = value < 0 ? 0xF0000000u : 0u;
  s.ACCU1 = sign | arith::toBcd(static_cast<uint32_t>(magnitude), 7);
}

// DEF: three BCD digits in ACCU1-L, bit 15 the sign, to a signed 16-bit number in ACCU1-L.
// A digit above 9: OS := 1, ACCU1 unchanged.
inline void opDEF(SimImage& s) {
  uint32_t magnitude = 0;
  if (!arith::fromBcd(s.ACCU1, 3, magnitude)) {
    s.OS = 1;
    return;
  }
  const uint32_t value = (s.ACCU1 & 0x8000u) != 0 ? 0u - magnitude : magnitude;
  s.ACCU1 = arith::withLowWord(s.ACCU1, value);
}

// DED: seven BCD digits in ACCU1, bit 31 the sign, to a signed 32-bit number. Invalid as DEF.
inline void opDED(SimImage& s) {
  uint32_t magnitude = 0;
  if (!arith::fromBcd(s.ACCU1, 7, magnitude)) {
    s.OS = 1;
    return;
  }
  s.ACCU1 = (s.ACCU1 & 0x80000000u) != 0 ? 0u - magnitude : magnitude;
}

// Special function AA00: ACCU1-L := the binary value of its four BCD digits (no sign). A digit
// above 9: OS := 1, ACCU1 unchanged. Codes otherwise: none.
inline void opBcdToBinary(SimImage& s) {
  uint32_t value = 0;
  if (!arith::fromBcd(s.ACCU1, 4, value)) {
    s.OS = 1;
    return;
  }
  s.ACCU1 = arith::withLowWord(s.ACCU1, value);
}

// Special function AA01: the magnitude of ACCU1-L (0..32768) as seven BCD digits, the low four
// to ACCU1-L, the high three to ACCU2-L (bits 12..15 zero); codes: none.
inline void opMagnitudeToBcd7(SimImage& s) {
  const int32_t value = arith::signedLow(s.ACCU1);
  const uint32_t bcd = arith::toBcd(static_cast<uint32_t>(value < 0 ? -value : value), 7);
  s.ACCU1 = arith::withLowWord(s.ACCU1, bcd);
  s.ACCU2 = arith::withLowWord(s.ACCU2, bcd >> 16);
}

}  // namespace tavrin::simcore::interp

#endif
