// The accumulator arithmetic, one table row per instruction execution: the accumulators and
// condition codes before, the accumulators and condition codes after. Each row also checks that
// nothing else in the record changed. Floating-point values are written as exact S5 words.
#include "simcore/interp/arithmetic.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <span>
#include <string>

namespace tavrin::simcore::interp {
namespace {

using Op = void (*)(SimImage&);

struct Accus {
  uint32_t a1 = 0, a2 = 0, a3 = 0, a4 = 0;
};

// ANZ1 ANZ0 OV OS, in the order the condition code is usually read.
struct Codes {
  uint8_t anz1 = 0, anz0 = 0, ov = 0, os = 0;
};

// One execution: what it shows, the operation, the accumulators and codes before, the
// accumulators and codes after.
struct Row {
  const char* what;
  Op op;
  Accus in;
  Codes before;
  Accus out;
  Codes after;
};

constexpr Codes kClear{0, 0, 0, 0};
constexpr Codes kAllSet{1, 1, 1, 1};
constexpr Codes kPattern{1, 0, 1, 0};  // to see that an operation leaves the codes alone

// Largest S5 magnitudes: 0x7FFFFF * 2^104 and its negative.
constexpr uint32_t kLargest = 0x7F7FFFFFu;
constexpr uint32_t kLargestNegative = 0x7F800001u;
constexpr uint32_t kZero = 0x80000000u;
constexpr uint32_t kOne = 0x01400000u;
constexpr uint32_t kMinusOne = 0x01C00000u;

std::string hex(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", v);
  return text;
}

std::string codeText(uint8_t anz1, uint8_t anz0, uint8_t ov, uint8_t os) {
  return "ANZ1 ANZ0 OV OS = " + std::to_string(anz1) + " " + std::to_string(anz0) + " " +
         std::to_string(ov) + " " + std::to_string(os);
}
std::string codeText(const Codes& c) {
  return codeText(c.anz1, c.anz0, c.ov, c.os);
}
std::string codeText(const SimImage& s) {
  return codeText(s.ANZ1, s.ANZ0, s.OV, s.OS);
}

std::unique_ptr<SimImage> zeroedImage() {
  return std::make_unique<SimImage>();
}

void load(SimImage& s, const Accus& a, const Codes& c) {
  s.ACCU1 = a.a1;
  s.ACCU2 = a.a2;
  s.ACCU3 = a.a3;
  s.ACCU4 = a.a4;
  s.ANZ1 = c.anz1;
  s.ANZ0 = c.anz0;
  s.OV = c.ov;
  s.OS = c.os;
}

// Runs every row on a fresh record whose other bits are set (VKE, ERAB, STATUS 1, some flags
// and data), and compares the registers and then the whole record.
void runRows(std::span<const Row> rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const auto img = zeroedImage();
    img->VKE = 1;
    img->ERAB = 1;
    img->STATUS = 1;
    img->Saz = 0x1234;
    img->Space[0] = 0x5A;
    load(*img, row.in, row.before);
    const auto expected = zeroedImage();
    std::memcpy(static_cast<void*>(expected.get()), img.get(), sizeof(SimImage));
    load(*expected, row.out, row.after);

    row.op(*img);

    EXPECT_EQ(hex(img->ACCU1), hex(row.out.a1));
    EXPECT_EQ(hex(img->ACCU2), hex(row.out.a2));
    EXPECT_EQ(hex(img->ACCU3), hex(row.out.a3));
    EXPECT_EQ(hex(img->ACCU4), hex(row.out.a4));
    EXPECT_EQ(codeText(*img), codeText(row.after));
    EXPECT_EQ(std::memcmp(img.get(), expected.get(), sizeof(SimImage)), 0)
        << "something besides the accumulators and condition codes changed";
  }
}

// --- fixed point -------------------------------------------------------------------------------

TEST(FixedPoint, Add) {
  // clang-format off
  const Row rows[] = {
      {"30000 + 10000 overflows upwards to -25536", opAddF,
       {10000, 30000}, kClear, {0x9C40, 30000}, {0, 1, 1, 1}},
      {"-30000 + -10000 overflows downwards to 25536", opAddF,
       {0xD8F0, 0x8AD0}, kClear, {0x63C0, 0x8AD0}, {1, 0, 1, 1}},
      {"1 + -1 is zero; OV cleared, OS kept", opAddF,
       {0xFFFF, 1}, {1, 1, 1, 1}, {0, 1}, {0, 0, 0, 1}},
      {"0x7FFF + 0 is the largest positive", opAddF,
       {0, 0x7FFF}, kClear, {0x7FFF, 0x7FFF}, {1, 0, 0, 0}},
      {"0x7FFF + 1 overflows upwards", opAddF,
       {1, 0x7FFF}, kClear, {0x8000, 0x7FFF}, {0, 1, 1, 1}},
      {"-32768 + 0 is negative without overflow", opAddF,
       {0, 0x8000}, kClear, {0x8000, 0x8000}, {0, 1, 0, 0}},
      {"-32768 + -1 overflows downwards", opAddF,
       {0xFFFF, 0x8000}, kClear, {0x7FFF, 0x8000}, {1, 0, 1, 1}},
      {"-1 + -1 with 0xFFFF words", opAddF,
       {0xFFFF, 0xFFFF}, kClear, {0xFFFE, 0xFFFF}, {0, 1, 0, 0}},
      {"high words keep their contents", opAddF,
       {0xAAAA0002, 0x55550003}, kClear, {0xAAAA0005, 0x55550003}, {1, 0, 0, 0}},
  };
  // clang-format on
  runRows(rows);
}

TEST(FixedPoint, Subtract) {
  // clang-format off
  const Row rows[] = {
      {"5 - 7 (ACCU2 - ACCU1)", opSubF,
       {7, 5}, kClear, {0xFFFE, 5}, {0, 1, 0, 0}},
      {"3 - 3", opSubF,
       {3, 3}, {1, 0, 1, 0}, {0, 3}, {0, 0, 0, 0}},
      {"-32768 - 1 overflows downwards", opSubF,
       {1, 0x8000}, kClear, {0x7FFF, 0x8000}, {1, 0, 1, 1}},
      {"32767 - -1 overflows upwards", opSubF,
       {0xFFFF, 0x7FFF}, kClear, {0x8000, 0x7FFF}, {0, 1, 1, 1}},
      {"0 - -32768 overflows upwards", opSubF,
       {0x8000, 0}, kClear, {0x8000, 0}, {0, 1, 1, 1}},
      {"-1 - -32768 is 32767", opSubF,
       {0x8000, 0xFFFF}, kClear, {0x7FFF, 0xFFFF}, {1, 0, 0, 0}},
      {"high words keep their contents", opSubF,
       {0x12340001, 0xABCD0004}, kClear, {0x12340003, 0xABCD0004}, {1, 0, 0, 0}},
  };
  // clang-format on
  runRows(rows);
}

TEST(FixedPoint, Multiply) {
  // clang-format off
  const Row rows[] = {
      {"200 x 100", opMulF,
       {100, 200}, kClear, {0x4E20, 0}, {1, 0, 0, 0}},
      {"200 x 200 = 40000 beyond 16 bits: overflow upwards", opMulF,
       {200, 200}, kClear, {0x9C40, 0x0000}, {0, 1, 1, 1}},
      {"-2 x 3: high word 0xFFFF", opMulF,
       {3, 0xFFFE}, kClear, {0xFFFA, 0xFFFF}, {0, 1, 0, 0}},
      {"-300 x 300 = -90000: overflow downwards", opMulF,
       {300, 0xFED4}, kClear, {0xA070, 0xFFFE}, {1, 0, 1, 1}},
      {"-32768 x -32768 = 2^30", opMulF,
       {0x8000, 0x8000}, kClear, {0x0000, 0x4000}, {0, 1, 1, 1}},
      {"-32768 x 1 fits", opMulF,
       {1, 0x8000}, kClear, {0x8000, 0xFFFF}, {0, 1, 0, 0}},
      {"32767 x 32767 = 0x3FFF0001", opMulF,
       {0x7FFF, 0x7FFF}, kClear, {0x0001, 0x3FFF}, {0, 1, 1, 1}},
      {"0 x -1; OS kept", opMulF,
       {0, 0xFFFF}, {0, 1, 1, 1}, {0, 0}, {0, 0, 0, 1}},
      {"high words keep their contents", opMulF,
       {0x11110003, 0x22220004}, kClear, {0x1111000C, 0x22220000}, {1, 0, 0, 0}},
  };
  // clang-format on
  runRows(rows);
}

TEST(FixedPoint, Divide) {
  // clang-format off
  const Row rows[] = {
      {"7 : 2 = 3 remainder 1", opDivF,
       {2, 7}, kClear, {0x00010003, 7}, {1, 0, 0, 0}},
      {"-7 : 2 = -3, remainder of 0xFFF9 and 2 taken unsigned", opDivF,
       {2, 0xFFF9}, kClear, {0x0001FFFD, 0xFFF9}, {0, 1, 0, 0}},
      {"7 : -2 = -3, remainder of 7 and 0xFFFE taken unsigned", opDivF,
       {0xFFFE, 7}, kClear, {0x0007FFFD, 7}, {0, 1, 0, 0}},
      {"-32768 : -1 overflows upwards", opDivF,
       {0xFFFF, 0x8000}, kClear, {0x80008000, 0x8000}, {0, 1, 1, 1}},
      {"0 : 5", opDivF,
       {5, 0}, {1, 0, 1, 1}, {0, 0}, {0, 0, 0, 1}},
      {"the old ACCU1-H is replaced by the remainder", opDivF,
       {0xFFFF0002, 9}, kClear, {0x00010004, 9}, {1, 0, 0, 0}},
      {"by 0: ACCU1-L 0, ACCU1-H kept, 1 1 with OV and OS", opDivF,
       {0x12340000, 100}, kClear, {0x12340000, 100}, {1, 1, 1, 1}},
      {"-32768 by 0", opDivF,
       {0xABCD0000, 0x8000}, kClear, {0xABCD0000, 0x8000}, {1, 1, 1, 1}},
  };
  // clang-format on
  runRows(rows);
}

TEST(FixedPoint, DivideWithSignedRemainder) {
  // clang-format off
  const Row rows[] = {
      {"7 : 2 = 3, remainder 1", opDivAA39,
       {2, 7}, kClear, {3, 1}, {1, 0, 0, 0}},
      {"-7 : 2 = -3, remainder -1", opDivAA39,
       {2, 0xFFF9}, kClear, {0xFFFD, 0xFFFF}, {0, 1, 0, 0}},
      {"7 : -2 = -3, remainder 1", opDivAA39,
       {0xFFFE, 7}, kClear, {0xFFFD, 1}, {0, 1, 0, 0}},
      {"-32768 : -1 overflows upwards, remainder 0", opDivAA39,
       {0xFFFF, 0x8000}, kClear, {0x8000, 0}, {0, 1, 1, 1}},
      {"1 : 2 = 0", opDivAA39,
       {2, 1}, kClear, {0, 1}, {0, 0, 0, 0}},
      {"by 0 as :F, ACCU2 kept", opDivAA39,
       {0x55550000, 0x12340042}, kClear, {0x55550000, 0x12340042}, {1, 1, 1, 1}},
      {"high words keep their contents", opDivAA39,
       {0xABCD0002, 0x12340009}, kClear, {0xABCD0004, 0x12340001}, {1, 0, 0, 0}},
  };
  // clang-format on
  runRows(rows);
}

TEST(FixedPoint, Complements) {
  // clang-format off
  const Row rows[] = {
      {"KEW 0 -> 0xFFFF", opKEW, {0}, kClear, {0xFFFF}, {0, 1, 0, 0}},
      {"KEW 0xFFFF -> 0", opKEW, {0xFFFF}, kClear, {0}, {0, 0, 0, 0}},
      {"KEW 0x8000 -> 0x7FFF", opKEW, {0x8000}, kClear, {0x7FFF}, {1, 0, 0, 0}},
      {"KEW 0x7FFF -> 0x8000 counts as overflow", opKEW, {0x7FFF}, kClear, {0x8000}, {0, 1, 1, 1}},
      {"KEW keeps ACCU1-H", opKEW, {0xABCD1234}, kClear, {0xABCDEDCB}, {0, 1, 0, 0}},
      {"KZW 0x8000 stays 0x8000 with overflow", opKZW, {0x8000}, kClear, {0x8000}, {0, 1, 1, 1}},
      {"KZW 5 -> 0xFFFB", opKZW, {5}, kClear, {0xFFFB}, {0, 1, 0, 0}},
      {"KZW 0 -> 0", opKZW, {0}, kAllSet, {0}, {0, 0, 0, 1}},
      {"KZW 0xFFFF -> 1", opKZW, {0xFFFF}, kClear, {1}, {1, 0, 0, 0}},
      {"KZW 0x7FFF -> 0x8001", opKZW, {0x7FFF}, kClear, {0x8001}, {0, 1, 0, 0}},
      {"KZW keeps ACCU1-H and OS", opKZW, {0x12340005}, {0, 0, 1, 1}, {0x1234FFFB}, {0, 1, 0, 1}},
  };
  // clang-format on
  runRows(rows);
}

TEST(FixedPoint, WordLogic) {
  // clang-format off
  const Row rows[] = {
      {"UW", opWordAnd,
       {0xF0F0, 0x0FF0}, kAllSet, {0x00F0, 0x0FF0}, {1, 0, 0, 1}},
      {"UW to 0; ACCU1-H kept, not combined", opWordAnd,
       {0x1234F000, 0xFFFF0FFF}, kClear, {0x12340000, 0xFFFF0FFF}, {0, 0, 0, 0}},
      {"OW", opWordOr,
       {0x00F0, 0x0F00}, kClear, {0x0FF0, 0x0F00}, {1, 0, 0, 0}},
      {"OW keeps ACCU1-H", opWordOr,
       {0x00000001, 0xFFFF8000}, kClear, {0x00008001, 0xFFFF8000}, {1, 0, 0, 0}},
      {"XOW to 0", opWordXor,
       {0xFFFF, 0xFFFF}, kAllSet, {0, 0xFFFF}, {0, 0, 0, 1}},
      {"XOW 0x8000 is not 'negative'", opWordXor,
       {0x8000, 0}, kClear, {0x8000, 0}, {1, 0, 0, 0}},
  };
  // clang-format on
  runRows(rows);
}

TEST(FixedPoint, CountAndAddWithoutConditionCodes) {
  // clang-format off
  const Row rows[] = {
      {"I 1 on 0xFF: the byte alone wraps", [](SimImage& s) {opInc(s, 1);},
       {0x123456FF}, kPattern, {0x12345600}, kPattern},
      {"I 255 on 1", [](SimImage& s) {opInc(s, 255);},
       {0x00000001}, kPattern, {0x00000000}, kPattern},
      {"I 0", [](SimImage& s) {opInc(s, 0);},
       {0x87654321}, kPattern, {0x87654321}, kPattern},
      {"D 1 on 0x00: no borrow from bit 8", [](SimImage& s) {opDec(s, 1);},
       {0xABCD0100}, kPattern, {0xABCD01FF}, kPattern},
      {"D 16 on 0x20", [](SimImage& s) {opDec(s, 16);},
       {0x20}, kAllSet, {0x10}, kAllSet},
      {"ADD BF -1", [](SimImage& s) {opAddBF(s, 0xFF);},
       {0x0010}, kPattern, {0x000F}, kPattern},
      {"ADD BF +1 on 0xFFFF: no carry into ACCU1-H", [](SimImage& s) {opAddBF(s, 1);},
       {0x1234FFFF}, kPattern, {0x12340000}, kPattern},
      {"ADD BF -128 on 0", [](SimImage& s) {opAddBF(s, 0x80);},
       {0}, kPattern, {0xFF80}, kPattern},
      {"ADD BF +127 on 0x7FFF passes 0x8000 without codes", [](SimImage& s) {opAddBF(s, 0x7F);},
       {0x7FFF}, kClear, {0x807E}, kClear},
      {"ADD KF -1", [](SimImage& s) {opAddKF(s, 0xFFFF);},
       {0x12340001}, kPattern, {0x12340000}, kPattern},
      {"ADD KF 1 on 0x7FFF", [](SimImage& s) {opAddKF(s, 1);},
       {0x7FFF}, kClear, {0x8000}, kClear},
      {"ADD DH 1 on 0xFFFFFFFF", [](SimImage& s) {opAddDH(s, 1);},
       {0xFFFFFFFF}, kPattern, {0}, kPattern},
      {"ADD DH 1 on 0x7FFFFFFF", [](SimImage& s) {opAddDH(s, 1);},
       {0x7FFFFFFF}, kClear, {0x80000000}, kClear},
      {"ADD DH carries across the words", [](SimImage& s) {opAddDH(s, 0x0001FFFF);},
       {0x00010001}, kPattern, {0x00030000}, kPattern},
  };
  // clang-format on
  runRows(rows);
}

// --- double word -------------------------------------------------------------------------------

TEST(DoubleWord, AddAndSubtract) {
  // clang-format off
  const Row rows[] = {
      {"+D 1 + 2", opAddD,
       {1, 2}, kClear, {3, 2}, {1, 0, 0, 0}},
      {"+D 0xFFFFFFFE + 1 = -1", opAddD,
       {0xFFFFFFFE, 1}, kClear, {0xFFFFFFFF, 1}, {0, 1, 0, 0}},
      {"+D -1 + 1 = 0; OV cleared, OS kept", opAddD,
       {0xFFFFFFFF, 1}, kAllSet, {0, 1}, {0, 0, 0, 1}},
      {"+D carries from the low into the high word", opAddD,
       {0x8000, 0x8000}, kClear, {0x00010000, 0x8000}, {1, 0, 0, 0}},
      {"+D INT32_MAX + 1 overflows upwards", opAddD,
       {0x7FFFFFFF, 1}, kClear, {0x80000000, 1}, {0, 1, 1, 1}},
      {"+D INT32_MIN + -1 overflows downwards", opAddD,
       {0x80000000, 0xFFFFFFFF}, kClear, {0x7FFFFFFF, 0xFFFFFFFF}, {1, 0, 1, 1}},
      {"+D INT32_MIN + INT32_MIN overflows downwards to 0", opAddD,
       {0x80000000, 0x80000000}, kClear, {0, 0x80000000}, {1, 0, 1, 1}},
      {"+D INT32_MAX + INT32_MIN", opAddD,
       {0x7FFFFFFF, 0x80000000}, kClear, {0xFFFFFFFF, 0x80000000}, {0, 1, 0, 0}},
      {"-D 5 - 7 (ACCU2 - ACCU1)", opSubD,
       {7, 5}, kClear, {0xFFFFFFFE, 5}, {0, 1, 0, 0}},
      {"-D equal values", opSubD,
       {0x12345678, 0x12345678}, kClear, {0, 0x12345678}, {0, 0, 0, 0}},
      {"-D INT32_MIN - 1 overflows downwards", opSubD,
       {1, 0x80000000}, kClear, {0x7FFFFFFF, 0x80000000}, {1, 0, 1, 1}},
      {"-D INT32_MAX - -1 overflows upwards", opSubD,
       {0xFFFFFFFF, 0x7FFFFFFF}, kClear, {0x80000000, 0x7FFFFFFF}, {0, 1, 1, 1}},
      {"-D 0 - INT32_MIN overflows upwards", opSubD,
       {0x80000000, 0}, kClear, {0x80000000, 0}, {0, 1, 1, 1}},
      {"-D -1 - INT32_MIN = INT32_MAX", opSubD,
       {0x80000000, 0xFFFFFFFF}, kClear, {0x7FFFFFFF, 0xFFFFFFFF}, {1, 0, 0, 0}},
  };
  // clang-format on
  runRows(rows);
}

TEST(DoubleWord, NegateAndSignExtend) {
  // clang-format off
  const Row rows[] = {
      {"KZD 1", opKZD,
       {1}, kClear, {0xFFFFFFFF}, {0, 1, 0, 0}},
      {"KZD -1", opKZD,
       {0xFFFFFFFF}, kClear, {1}, {1, 0, 0, 0}},
      {"KZD 0; OS kept", opKZD,
       {0}, kAllSet, {0}, {0, 0, 0, 1}},
      {"KZD INT32_MAX", opKZD,
       {0x7FFFFFFF}, kClear, {0x80000001}, {0, 1, 0, 0}},
      {"KZD INT32_MIN stays, by the sign, no overflow", opKZD,
       {0x80000000}, kClear, {0x80000000}, {0, 1, 0, 0}},
      {"AA1E negative", opSignExtend,
       {0x12348000}, kPattern, {0xFFFF8000}, kPattern},
      {"AA1E positive", opSignExtend,
       {0xFFFF7FFF}, kPattern, {0x00007FFF}, kPattern},
      {"AA1E zero", opSignExtend,
       {0xABCD0000}, kPattern, {0}, kPattern},
      {"AA1E -1", opSignExtend,
       {0x0000FFFF}, kPattern, {0xFFFFFFFF}, kPattern},
  };
  // clang-format on
  runRows(rows);
}

// --- floating point ----------------------------------------------------------------------------

// S5 words of the values used below (mantissa m, exponent e: m * 2^(e - 23)).
constexpr uint32_t kTwo = 0x02400000u, kMinusTwo = 0x02C00000u, kHalf = 0x00400000u;
constexpr uint32_t kThree = 0x02600000u, kOneAndHalf = 0x01600000u, kMinusOneAndHalf = 0x01A00000u;
constexpr uint32_t kTwelveAndHalf = 0x04640000u, kMinusTwelveAndHalf = 0x049C0000u;
constexpr uint32_t kPow2Minus63 = 0xC2400000u, kPow2Minus64 = 0xC1400000u;
constexpr uint32_t kPow2Minus100 = 0x9D400000u, kMinusPow2Minus100 = 0x9DC00000u;
constexpr uint32_t kPow2Minus126 = 0x83400000u;
constexpr uint32_t kThird = 0xFF555555u;  // 1/3 in single precision, lowest fraction bit dropped
constexpr uint32_t kA3 = 0x33333333u, kA4 = 0x44444444u;

TEST(FloatingPoint, AddAndSubtractMoveTheStackDown) {
  // clang-format off
  const Row rows[] = {
      {"+G 1 + 2", opAddG,
       {kOne, kTwo, kA3, kA4}, kClear, {kThree, kA3, kA4, kA4}, {1, 0, 0, 0}},
      {"+G 1 + -1 is the S5 zero", opAddG,
       {kMinusOne, kOne, kA3, kA4}, kAllSet, {kZero, kA3, kA4, kA4}, {0, 0, 0, 1}},
      {"+G 0x00000000 (a zero) + 1", opAddG,
       {0, kOne, kA3, kA4}, kClear, {kOne, kA3, kA4, kA4}, {1, 0, 0, 0}},
      {"+G the largest + 0 fits", opAddG,
       {kZero, kLargest, kA3, kA4}, kClear, {kLargest, kA3, kA4, kA4}, {1, 0, 0, 0}},
      {"+G the largest twice overflows", opAddG,
       {kLargest, kLargest, kA3, kA4}, kClear, {kLargest, kA3, kA4, kA4}, {1, 0, 1, 1}},
      {"-G 1 - 3 (ACCU2 - ACCU1)", opSubG,
       {kThree, kOne, kA3, kA4}, kClear, {kMinusTwo, kA3, kA4, kA4}, {0, 1, 0, 0}},
      {"-G 2 - 2", opSubG,
       {kTwo, kTwo, kA3, kA4}, kClear, {kZero, kA3, kA4, kA4}, {0, 0, 0, 0}},
      {"-G -largest - largest overflows downwards", opSubG,
       {kLargest, kLargestNegative, kA3, kA4}, kClear,
       {kLargestNegative, kA3, kA4, kA4}, {0, 1, 1, 1}},
  };
  // clang-format on
  runRows(rows);
}

TEST(FloatingPoint, MultiplyAndDivide) {
  // clang-format off
  const Row rows[] = {
      {"XG 1.5 x 2", opMulG,
       {kTwo, kOneAndHalf, kA3, kA4}, kClear, {kThree, kA3, kA4, kA4}, {1, 0, 0, 0}},
      {"XG -1 x 12.5", opMulG,
       {kTwelveAndHalf, kMinusOne, kA3, kA4}, kClear,
       {kMinusTwelveAndHalf, kA3, kA4, kA4}, {0, 1, 0, 0}},
      {"XG by 0", opMulG,
       {kZero, kThree, kA3, kA4}, kClear, {kZero, kA3, kA4, kA4}, {0, 0, 0, 0}},
      {"XG largest x 2 overflows", opMulG,
       {kTwo, kLargest, kA3, kA4}, kClear, {kLargest, kA3, kA4, kA4}, {1, 0, 1, 1}},
      {"XG largest x -2 overflows downwards", opMulG,
       {kMinusTwo, kLargest, kA3, kA4}, kClear, {kLargestNegative, kA3, kA4, kA4}, {0, 1, 1, 1}},
      {"XG largest x largest (infinity in single precision)", opMulG,
       {kLargest, kLargest, kA3, kA4}, kClear, {kLargest, kA3, kA4, kA4}, {1, 0, 1, 1}},
      {"XG 2^-63 x 2^-63 = 2^-126 still fits", opMulG,
       {kPow2Minus63, kPow2Minus63, kA3, kA4}, kClear,
       {kPow2Minus126, kA3, kA4, kA4}, {1, 0, 0, 0}},
      {"XG 2^-63 x 2^-64 underflows to zero", opMulG,
       {kPow2Minus64, kPow2Minus63, kA3, kA4}, kClear, {kZero, kA3, kA4, kA4}, {0, 0, 0, 0}},
      {"XG -2^-100 x 2^-100 underflows to zero", opMulG,
       {kPow2Minus100, kMinusPow2Minus100, kA3, kA4}, kClear, {kZero, kA3, kA4, kA4}, {0, 0, 0, 0}},
      {":G 3 : 2", opDivG,
       {kTwo, kThree, kA3, kA4}, kClear, {kOneAndHalf, kA3, kA4, kA4}, {1, 0, 0, 0}},
      {":G 1 : 3", opDivG,
       {kThree, kOne, kA3, kA4}, kClear, {kThird, kA3, kA4, kA4}, {1, 0, 0, 0}},
      {":G -1 : 0.5", opDivG,
       {kHalf, kMinusOne, kA3, kA4}, kClear, {kMinusTwo, kA3, kA4, kA4}, {0, 1, 0, 0}},
      {":G 0 : 2", opDivG,
       {kTwo, kZero, kA3, kA4}, kClear, {kZero, kA3, kA4, kA4}, {0, 0, 0, 0}},
      {":G largest : 0.5 overflows", opDivG,
       {kHalf, kLargest, kA3, kA4}, kClear, {kLargest, kA3, kA4, kA4}, {1, 0, 1, 1}},
      {":G by the S5 zero", opDivG,
       {kZero, kOne, kA3, kA4}, kClear, {0, kA3, kA4, kA4}, {1, 1, 1, 1}},
      {":G by 0x00000000", opDivG,
       {0, kOne, kA3, kA4}, kClear, {0, kA3, kA4, kA4}, {1, 1, 1, 1}},
      {":G 0 by 0", opDivG,
       {kZero, kZero, kA3, kA4}, kClear, {0, kA3, kA4, kA4}, {1, 1, 1, 1}},
  };
  // clang-format on
  runRows(rows);
}

TEST(FloatingPoint, EnterAndConversions) {
  // clang-format off
  const Row rows[] = {
      {"ENT", opENT,
       {1, 2, 3, 4}, kPattern, {1, 2, 2, 3}, kPattern},
      {"FDG 1", opFDG,
       {1, 2, 3, 4}, kAllSet, {kOne, 2, 3, 4}, {1, 0, 0, 1}},
      {"FDG -1", opFDG,
       {0xFFFFFFFF}, kClear, {kMinusOne}, {0, 1, 0, 0}},
      {"FDG 0", opFDG,
       {0}, kClear, {kZero}, {0, 0, 0, 0}},
      {"FDG 100", opFDG,
       {100}, kClear, {0x07640000u}, {1, 0, 0, 0}},
      {"FDG 2^24 - 1 keeps 23 bits", opFDG,
       {0x00FFFFFF}, kClear, {0x187FFFFFu}, {1, 0, 0, 0}},
      {"FDG INT32_MAX rounds to 2^31", opFDG,
       {0x7FFFFFFF}, kClear, {0x20400000u}, {1, 0, 0, 0}},
      {"FDG INT32_MIN", opFDG,
       {0x80000000}, kClear, {0x20C00000u}, {0, 1, 0, 0}},
      {"GFD 1", opGFD,
       {kOne}, kAllSet, {1}, {1, 0, 0, 1}},
      {"GFD -1", opGFD,
       {kMinusOne}, kClear, {0xFFFFFFFF}, {0, 1, 0, 0}},
      {"GFD 1.5 truncates", opGFD,
       {kOneAndHalf}, kClear, {1}, {1, 0, 0, 0}},
      {"GFD -1.5 truncates towards zero", opGFD,
       {kMinusOneAndHalf}, kClear, {0xFFFFFFFF}, {0, 1, 0, 0}},
      {"GFD 0.5", opGFD,
       {kHalf}, kClear, {0}, {0, 0, 0, 0}},
      {"GFD 12.5", opGFD,
       {kTwelveAndHalf}, kClear, {12}, {1, 0, 0, 0}},
      {"GFD zero", opGFD,
       {kZero}, kClear, {0}, {0, 0, 0, 0}},
      {"GFD the largest below 2^31", opGFD,
       {0x1F7FFFFFu}, kClear, {0x7FFFFF00}, {1, 0, 0, 0}},
      {"GFD -2^31 fits", opGFD,
       {0x20C00000u}, kClear, {0x80000000}, {0, 1, 0, 0}},
      {"GFD 2^31 saturates", opGFD,
       {0x20400000u}, kClear, {0x7FFFFFFF}, {1, 0, 1, 1}},
      {"GFD -2^32 saturates", opGFD,
       {0x21C00000u}, kClear, {0x80000000}, {0, 1, 1, 1}},
      {"GFD the largest saturates", opGFD,
       {kLargest}, kClear, {0x7FFFFFFF}, {1, 0, 1, 1}},
      {"GFD the largest negative saturates", opGFD,
       {kLargestNegative}, kClear, {0x80000000}, {0, 1, 1, 1}},
  };
  // clang-format on
  runRows(rows);
}

// --- comparisons -------------------------------------------------------------------------------

struct CompareRow {
  const char* what;
  CompareKind kind;
  uint32_t accu1, accu2;
  int order;  // ACCU2 against ACCU1: -1 less, 0 equal, 1 greater
};

TEST(Comparisons, EveryRelationOnEveryKind) {
  // clang-format off
  const CompareRow rows[] = {
      {"F -1 < 1 (signed, not unsigned)", CompareKind::Fixed16, 1, 0xFFFF, -1},
      {"F 0x7FFF > 0x8000", CompareKind::Fixed16, 0x8000, 0x7FFF, 1},
      {"F equal low words, high words differ", CompareKind::Fixed16, 0x00000005, 0x12340005, 0},
      {"F high words are not compared", CompareKind::Fixed16, 0xFFFF0001, 0x00000002, 1},
      {"D INT32_MIN < INT32_MAX", CompareKind::Double32, 0x7FFFFFFF, 0x80000000, -1},
      {"D high words count", CompareKind::Double32, 0x00000001, 0x00010000, 1},
      {"D equal", CompareKind::Double32, 0xDEADBEEF, 0xDEADBEEF, 0},
      {"D -1 < 0", CompareKind::Double32, 0, 0xFFFFFFFF, -1},
      {"G -1 < 0.5", CompareKind::Float, kHalf, kMinusOne, -1},
      {"G -3 < -1 (raw words say otherwise)", CompareKind::Float, kMinusOne, 0x02A00000u, -1},
      {"G both forms of zero are equal", CompareKind::Float, 0, kZero, 0},
      {"G largest > 12.5", CompareKind::Float, kTwelveAndHalf, kLargest, 1},
      {"G 1 == 1", CompareKind::Float, kOne, kOne, 0},
  };
  // clang-format on
  struct Relation {
    uint8_t code;
    const char* name;
    bool less, equal, greater;  // VKE for each order
  };
  const Relation relations[] = {
      {0x20, ">", false, false, true}, {0x40, "<", true, false, false},
      {0x60, "><", true, false, true}, {0x80, "==", false, true, false},
      {0xA0, ">=", false, true, true}, {0xC0, "<=", true, true, false},
  };
  for (const CompareRow& row : rows) {
    for (const Relation& rel : relations) {
      SCOPED_TRACE(std::string(row.what) + " with " + rel.name);
      const auto img = zeroedImage();
      img->ERAB = 1;
      img->STATUS = 1;
      const bool want = row.order < 0 ? rel.less : row.order == 0 ? rel.equal : rel.greater;
      img->VKE = want ? 0 : 1;  // so that the result has to be written
      load(*img, {row.accu1, row.accu2, 0x33, 0x44}, kAllSet);
      const auto expected = zeroedImage();
      std::memcpy(static_cast<void*>(expected.get()), img.get(), sizeof(SimImage));
      expected->VKE = want ? 1 : 0;
      expected->ERAB = 0;
      load(*expected, {row.accu1, row.accu2, 0x33, 0x44},
           {static_cast<uint8_t>(row.order > 0), static_cast<uint8_t>(row.order < 0), 0, 0});

      ASSERT_TRUE(opCompare(*img, row.kind, rel.code));

      EXPECT_EQ(img->VKE, expected->VKE);
      EXPECT_EQ(img->ERAB, 0);
      EXPECT_EQ(codeText(*img), codeText(*expected));
      EXPECT_EQ(std::memcmp(img.get(), expected.get(), sizeof(SimImage)), 0);
    }
  }
}

TEST(Comparisons, OtherOperandsAreNotComparisonsAndChangeNothing) {
  for (const CompareKind kind : {CompareKind::Fixed16, CompareKind::Double32, CompareKind::Float}) {
    for (const unsigned relation : {0x00u, 0x10u, 0x21u, 0x41u, 0x81u, 0xE0u, 0xFFu}) {
      SCOPED_TRACE(relation);
      const auto img = zeroedImage();
      load(*img, {1, 2, 3, 4}, kAllSet);
      img->ERAB = 1;
      const auto before = zeroedImage();
      std::memcpy(static_cast<void*>(before.get()), img.get(), sizeof(SimImage));
      EXPECT_FALSE(opCompare(*img, kind, static_cast<uint8_t>(relation)));
      EXPECT_EQ(std::memcmp(img.get(), before.get(), sizeof(SimImage)), 0);
    }
  }
}

// --- shifts and rotations ----------------------------------------------------------------------
// The codes before are all 1 so that ANZ0 := 0 and OS := 0 show; OV is left alone.

template <void (*Shift)(SimImage&, unsigned), unsigned N>
void shiftBy(SimImage& s) {
  Shift(s, N);
}

constexpr Codes kOut1{1, 0, 1, 0};  // last bit out 1 (OV untouched)
constexpr Codes kOut0{0, 0, 1, 0};  // last bit out 0

TEST(Shifts, Words) {
  // clang-format off
  const Row rows[] = {
      {"SLW 0 changes nothing", shiftBy<opSLW, 0>,
       {0x12348001}, kAllSet, {0x12348001}, kAllSet},
      {"SLW 1", shiftBy<opSLW, 1>,
       {0xABCD8001}, kAllSet, {0xABCD0002}, kOut1},
      {"SLW 1 with 0 out", shiftBy<opSLW, 1>,
       {0x00004001}, kAllSet, {0x00008002}, kOut0},
      {"SLW 15", shiftBy<opSLW, 15>,
       {0x00000003}, kAllSet, {0x00008000}, kOut1},
      {"SLW 16: all out, bit 0 last", shiftBy<opSLW, 16>,
       {0x00000001}, kAllSet, {0}, kOut1},
      {"SLW 16 with 0 last", shiftBy<opSLW, 16>,
       {0x0000FFFE}, kAllSet, {0}, kOut0},
      {"SLW 17: a zero comes out last", shiftBy<opSLW, 17>,
       {0x0000FFFF}, kAllSet, {0}, kOut0},
      {"SLW 255 keeps ACCU1-H", shiftBy<opSLW, 255>,
       {0x5555FFFF}, kAllSet, {0x55550000}, kOut0},
      {"SRW 0", shiftBy<opSRW, 0>,
       {0xFFFFFFFF}, kClear, {0xFFFFFFFF}, kClear},
      {"SRW 1", shiftBy<opSRW, 1>,
       {0xABCD8001}, kAllSet, {0xABCD4000}, kOut1},
      {"SRW 15", shiftBy<opSRW, 15>,
       {0x0000C000}, kAllSet, {0x00000001}, kOut1},
      {"SRW 16: bit 15 last", shiftBy<opSRW, 16>,
       {0x00008000}, kAllSet, {0}, kOut1},
      {"SRW 16 with 0 last", shiftBy<opSRW, 16>,
       {0x00007FFF}, kAllSet, {0}, kOut0},
      {"SRW 255 keeps ACCU1-H", shiftBy<opSRW, 255>,
       {0xFFFFFFFF}, kAllSet, {0xFFFF0000}, kOut0},
      {"SVW 0", shiftBy<opSVW, 0>,
       {0x8000}, kAllSet, {0x8000}, kAllSet},
      {"SVW 1 copies the sign", shiftBy<opSVW, 1>,
       {0x00008001}, kAllSet, {0x0000C000}, kOut1},
      {"SVW 1 positive", shiftBy<opSVW, 1>,
       {0x12344002}, kAllSet, {0x12342001}, kOut0},
      {"SVW 15 negative", shiftBy<opSVW, 15>,
       {0x00008000}, kAllSet, {0x0000FFFF}, kOut0},
      {"SVW 15 positive", shiftBy<opSVW, 15>,
       {0x00004000}, kAllSet, {0}, kOut1},
      {"SVW 16: the sign last", shiftBy<opSVW, 16>,
       {0x00008000}, kAllSet, {0x0000FFFF}, kOut1},
      {"SVW 16 positive", shiftBy<opSVW, 16>,
       {0x00007FFF}, kAllSet, {0}, kOut0},
      {"SVW 255 negative keeps ACCU1-H", shiftBy<opSVW, 255>,
       {0x00018000}, kAllSet, {0x0001FFFF}, kOut1},
  };
  // clang-format on
  runRows(rows);
}

TEST(Shifts, DoubleWords) {
  // clang-format off
  const Row rows[] = {
      {"SLD 0", shiftBy<opSLD, 0>, {0x80000001}, kAllSet, {0x80000001}, kAllSet},
      {"SLD 1", shiftBy<opSLD, 1>, {0x80000001}, kAllSet, {0x00000002}, kOut1},
      {"SLD 16 crosses the words", shiftBy<opSLD, 16>, {0x0001FFFF}, kAllSet, {0xFFFF0000}, kOut1},
      {"SLD 31", shiftBy<opSLD, 31>, {0x00000003}, kAllSet, {0x80000000}, kOut1},
      {"SLD 32: bit 0 last", shiftBy<opSLD, 32>, {0x00000001}, kAllSet, {0}, kOut1},
      {"SLD 32 with 0 last", shiftBy<opSLD, 32>, {0xFFFFFFFE}, kAllSet, {0}, kOut0},
      {"SLD 255", shiftBy<opSLD, 255>, {0xFFFFFFFF}, kAllSet, {0}, kOut0},
      {"SVD 0", shiftBy<opSVD, 0>, {0x80000000}, kClear, {0x80000000}, kClear},
      {"SVD 1", shiftBy<opSVD, 1>, {0x80000001}, kAllSet, {0xC0000000}, kOut1},
      {"SVD 16", shiftBy<opSVD, 16>, {0x12348000}, kAllSet, {0x00001234}, kOut1},
      {"SVD 31", shiftBy<opSVD, 31>, {0x80000000}, kAllSet, {0xFFFFFFFF}, kOut0},
      {"SVD 32: the sign last", shiftBy<opSVD, 32>, {0x80000000}, kAllSet, {0xFFFFFFFF}, kOut1},
      {"SVD 32 positive", shiftBy<opSVD, 32>, {0x7FFFFFFF}, kAllSet, {0}, kOut0},
      {"SVD 255 negative", shiftBy<opSVD, 255>, {0x80000000}, kAllSet, {0xFFFFFFFF}, kOut1},
      {"SVD 255 positive", shiftBy<opSVD, 255>, {0x7FFFFFFF}, kAllSet, {0}, kOut0},
  };
  // clang-format on
  runRows(rows);
}

TEST(Shifts, Rotations) {
  // clang-format off
  const Row rows[] = {
      {"RLD 0", shiftBy<opRLD, 0>,
       {0x80000001}, kAllSet, {0x80000001}, kAllSet},
      {"RLD 1", shiftBy<opRLD, 1>,
       {0x80000001}, kAllSet, {0x00000003}, kOut1},
      {"RLD 4", shiftBy<opRLD, 4>,
       {0x12345678}, kAllSet, {0x23456781}, kOut1},
      {"RLD 31", shiftBy<opRLD, 31>,
       {0x00000001}, kAllSet, {0x80000000}, kOut0},
      {"RLD 32: all the way round, bit 0 last", shiftBy<opRLD, 32>,
       {0x12345679}, kAllSet, {0x12345679}, kOut1},
      {"RLD 255 = 31 modulo 32", shiftBy<opRLD, 255>,
       {0x12345678}, kAllSet, {0x091A2B3C}, kOut0},
      {"RRD 0", shiftBy<opRRD, 0>,
       {0x00000001}, kClear, {0x00000001}, kClear},
      {"RRD 1", shiftBy<opRRD, 1>,
       {0x00000001}, kAllSet, {0x80000000}, kOut1},
      {"RRD 4", shiftBy<opRRD, 4>,
       {0x12345678}, kAllSet, {0x81234567}, kOut1},
      {"RRD 31", shiftBy<opRRD, 31>,
       {0x80000000}, kAllSet, {0x00000001}, kOut0},
      {"RRD 32: bit 31 last", shiftBy<opRRD, 32>,
       {0x80000000}, kAllSet, {0x80000000}, kOut1},
      {"RRD 255 = 31 modulo 32", shiftBy<opRRD, 255>,
       {0x12345678}, kAllSet, {0x2468ACF0}, kOut0},
  };
  // clang-format on
  runRows(rows);
}

// --- code conversions --------------------------------------------------------------------------
// Only OS is ever touched (set on a value out of range or an invalid digit).

constexpr Codes kPatternOs{1, 0, 1, 1};

TEST(Conversions, BinaryToBcd) {
  // clang-format off
  const Row rows[] = {
      {"DUF 0", opDUF,
       {0}, kPattern, {0}, kPattern},
      {"DUF 999", opDUF,
       {0x03E7}, kPattern, {0x0999}, kPattern},
      {"DUF -999", opDUF,
       {0xFC19}, kPattern, {0xF999}, kPattern},
      {"DUF -5", opDUF,
       {0xFFFB}, kPattern, {0xF005}, kPattern},
      {"DUF 123 keeps ACCU1-H", opDUF,
       {0xABCD007B}, kPattern, {0xABCD0123}, kPattern},
      {"DUF 1000 is out of range", opDUF,
       {0x03E8}, kPattern, {0x03E8}, kPatternOs},
      {"DUF -1000 is out of range", opDUF,
       {0xFC18}, kPattern, {0xFC18}, kPatternOs},
      {"DUF 0x7FFF", opDUF,
       {0x12347FFF}, kPattern, {0x12347FFF}, kPatternOs},
      {"DUF 0x8000", opDUF,
       {0x8000}, kPattern, {0x8000}, kPatternOs},
      {"DUD 0", opDUD,
       {0}, kPattern, {0}, kPattern},
      {"DUD 1234567", opDUD,
       {0x0012D687}, kPattern, {0x01234567}, kPattern},
      {"DUD 9999999", opDUD,
       {0x0098967F}, kPattern, {0x09999999}, kPattern},
      {"DUD -9999999", opDUD,
       {0xFF676981}, kPattern, {0xF9999999}, kPattern},
      {"DUD -1", opDUD,
       {0xFFFFFFFF}, kPattern, {0xF0000001}, kPattern},
      {"DUD 10000000 is out of range", opDUD,
       {0x00989680}, kPattern, {0x00989680}, kPatternOs},
      {"DUD -10000000 is out of range", opDUD,
       {0xFF676980}, kPattern, {0xFF676980}, kPatternOs},
      {"DUD INT32_MAX", opDUD,
       {0x7FFFFFFF}, kPattern, {0x7FFFFFFF}, kPatternOs},
      {"DUD INT32_MIN", opDUD,
       {0x80000000}, kPattern, {0x80000000}, kPatternOs},
      {"AA01 -32768: 0003 2768", opMagnitudeToBcd7,
       {0x8000, 0}, kPattern, {0x2768, 0x0003}, kPattern},
      {"AA01 32767", opMagnitudeToBcd7,
       {0x7FFF, 0}, kPattern, {0x2767, 0x0003}, kPattern},
      {"AA01 -1", opMagnitudeToBcd7,
       {0xFFFF, 0x9999}, kPattern, {0x0001, 0x0000}, kPattern},
      {"AA01 1234", opMagnitudeToBcd7,
       {0x04D2, 0}, kPattern, {0x1234, 0}, kPattern},
      {"AA01 12345 keeps the high words", opMagnitudeToBcd7,
       {0xABCD3039, 0x1234FFFF}, kPattern, {0xABCD2345, 0x12340001}, kPattern},
  };
  // clang-format on
  runRows(rows);
}

TEST(Conversions, BcdToBinary) {
  // clang-format off
  const Row rows[] = {
      {"DEF 0999", opDEF,
       {0x0999}, kPattern, {0x03E7}, kPattern},
      {"DEF F999", opDEF,
       {0xF999}, kPattern, {0xFC19}, kPattern},
      {"DEF F000 is 0", opDEF,
       {0xF000}, kPattern, {0}, kPattern},
      {"DEF 8123: bit 15 alone is the sign", opDEF,
       {0x8123}, kPattern, {0xFF85}, kPattern},
      {"DEF 7123: bits 12..14 are not looked at", opDEF,
       {0x7123}, kPattern, {0x007B}, kPattern},
      {"DEF keeps ACCU1-H, even when it is no BCD", opDEF,
       {0xFFFF0042}, kPattern, {0xFFFF002A}, kPattern},
      {"DEF 09A9 has an invalid digit", opDEF,
       {0x09A9}, kPattern, {0x09A9}, kPatternOs},
      {"DEF 000F has an invalid digit", opDEF,
       {0x1234000F}, kPattern, {0x1234000F}, kPatternOs},
      {"DEF F0B0 has an invalid digit", opDEF,
       {0xF0B0}, kPattern, {0xF0B0}, kPatternOs},
      {"DED 09999999", opDED,
       {0x09999999}, kPattern, {0x0098967F}, kPattern},
      {"DED F9999999", opDED,
       {0xF9999999}, kPattern, {0xFF676981}, kPattern},
      {"DED 01234567", opDED,
       {0x01234567}, kPattern, {0x0012D687}, kPattern},
      {"DED 80000001: bit 31 alone is the sign", opDED,
       {0x80000001}, kPattern, {0xFFFFFFFF}, kPattern},
      {"DED 70000001", opDED,
       {0x70000001}, kPattern, {1}, kPattern},
      {"DED F0000000 is 0", opDED,
       {0xF0000000}, kPattern, {0}, kPattern},
      {"DED 0123456A has an invalid digit", opDED,
       {0x0123456A}, kPattern, {0x0123456A}, kPatternOs},
      {"DED 0A000000 has an invalid top digit", opDED,
       {0x0A000000}, kPattern, {0x0A000000}, kPatternOs},
      {"AA00 1234", opBcdToBinary,
       {0x00001234}, kPattern, {0x000004D2}, kPattern},
      {"AA00 9999 keeps ACCU1-H", opBcdToBinary,
       {0xABCD9999}, kPattern, {0xABCD270F}, kPattern},
      {"AA00 0", opBcdToBinary,
       {0}, kPattern, {0}, kPattern},
      {"AA00 F001: no sign nibble, an invalid digit", opBcdToBinary,
       {0x0000F001}, kPattern, {0x0000F001}, kPatternOs},
      {"AA00 12A4 has an invalid digit", opBcdToBinary,
       {0x000012A4}, kPattern, {0x000012A4}, kPatternOs},
  };
  // clang-format on
  runRows(rows);
}

}  // namespace
}  // namespace tavrin::simcore::interp
