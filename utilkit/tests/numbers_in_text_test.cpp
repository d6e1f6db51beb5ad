#include <gtest/gtest.h>

#include <cstdint>

#include "utilkit/utilkit40.h"

namespace {

TEST(NumbersInText, FirstDecimalNumber) {
  struct Case {
    const char* s;
    int32_t value;
    bool found;
  };
  const Case cases[] = {
      {"MW 12", 12, true},
      {"MW", 0, false},
      {"", 0, false},
      {"T 5 und 7", 5, true},
      {"xyz;:// 0042abc", 42, true},  // the search runs over any characters
      {"KF -12", 12, true},           // the sign is not part of the number
      {"DB99999999999", INT32_MAX, true},
  };
  for (const auto& c : cases) {
    unsigned char found = 7;
    EXPECT_EQ(U_GetZahlAusString(c.s, &found), c.value) << c.s;
    EXPECT_EQ(found, c.found ? 1 : 0) << c.s;
  }
}

TEST(NumbersInText, DecimalNumberText) {
  struct Case {
    const char* s;
    bool decimal;
  };
  const Case cases[] = {
      {"123", true},  {"+12", true},  {"-5", true},
      {"", true},     {"1-2", true},  // only the characters are checked
      {"12a", false}, {"1.5", false}, {" 1", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(U_IsDezimalZahl(c.s) != 0, c.decimal) << c.s;
}

TEST(NumbersInText, RealNumberWithinItsRanges) {
  // Limits: at most 100; fractions at least 0.01; at least -100; negative fractions at most -0.01.
  struct Case {
    const char* text;
    bool accepted;
    float value;
  };
  const Case cases[] = {
      {"12.5", true, 12.5f}, {"100", true, 100.0f}, {"100.5", false, 0},   {"0.5", true, 0.5f},
      {"0.001", false, 0},   {"0", true, 0.0f},     {"-50", true, -50.0f}, {"-100.5", false, 0},
      {"-0.5", true, -0.5f}, {"-0.001", false, 0},  {"-1", true, -1.0f},   {"1", true, 1.0f},
      {"1e1", true, 10.0f},  {"+2.5", true, 2.5f},  {" 2.5", true, 2.5f},  {"2.5 ", false, 0},
      {"2.5x", false, 0},    {"2,5", false, 0},     {"", false, 0},        {"abc", false, 0},
      {"+-1", false, 0},     {"inf", false, 0},     {"nan", false, 0},     {"1e50", false, 0},
  };
  for (const auto& c : cases) {
    float value = -999.0f;
    EXPECT_EQ(U_GetRealZahlAusString(c.text, 100.0f, 0.01f, -100.0f, -0.01f, &value) != 0,
              c.accepted)
        << c.text;
    if (c.accepted) {
      EXPECT_FLOAT_EQ(value, c.value) << c.text;
    } else {
      EXPECT_EQ(value, -999.0f) << c.text << ": a refused number is not stored";
    }
  }
}

}  // namespace
