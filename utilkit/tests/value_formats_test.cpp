#include <gtest/gtest.h>

#include <string>

#include "utilkit/utilkit40.h"

namespace {

using WordFormatter = char* (*)(char*, unsigned short);

struct FormatCase {
  const char* name;
  WordFormatter format;
  unsigned short value;
  const char* text;
};

TEST(ValueFormats, WordFormatters) {
  const FormatCase cases[] = {
      {"KZ", U_WordToKZStr, 12, "012"},
      {"KZ", U_WordToKZStr, 0xFC07, "007"},  // bits 0..9 only
      {"KZ BCD", U_WordToKZStrBCD, 0x0123, "123"},
      {"KZ BCD", U_WordToKZStrBCD, 0x000B, "0011"},  // no check of the nibbles
      {"KT", U_WordToKTStr, 0x2010, "016.2"},
      {"KT BCD", U_WordToKTStrBCD, 0x2010, "010.2"},
      {"KT BCD", U_WordToKTStrBCD, 0x3999, "999.3"},
      {"KF", U_WordToKFStr, 0xFFFF, "-1     "},
      {"KF", U_WordToKFStr, 0x7FFF, "+32767 "},
      {"KF", U_WordToKFStr, 0x8000, "-32768 "},
      {"KF", U_WordToKFStr, 0, "+0     "},
      {"KY", U_WordToKYStr, 0xF019, "240,025"},
      {"KH", U_WordToKHStr, 0x001F, "001F"},
      {"KH", U_WordToKHStr, 0xABCD, "ABCD"},
      {"KM16", U_WordToKMStr16, 0x8001, "10000000 00000001"},
      {"KM16", U_WordToKMStr16, 0x0005, "00000000 00000101"},
      {"KM9", U_WordToKMStr9, 0x01FE, "111111110"},
  };
  for (const auto& c : cases) {
    char buffer[32];
    EXPECT_EQ(c.format(buffer, c.value), buffer);
    EXPECT_STREQ(buffer, c.text) << c.name << " of " << c.value;
  }
}

TEST(ValueFormats, WiderAndNarrowerValues) {
  char buffer[32];
  EXPECT_STREQ(U_LongToDFStr(buffer, -1), "-1         ");
  EXPECT_STREQ(U_LongToDFStr(buffer, 2147483647), "+2147483647");
  EXPECT_STREQ(U_LongToDFStr(buffer, -2147483647 - 1), "-2147483648");  // longer than 11: kept
  EXPECT_STREQ(U_WordToKHStr32(buffer, 0x12345678u), "1234 5678");
  EXPECT_STREQ(U_WordToKMStr8(buffer, 0xA5), "10100101");
  EXPECT_STREQ(U_FloatToKGStr(buffer, 12.5f), "12.50");
  EXPECT_STREQ(U_FloatToKGStr(buffer, -0.126f), "-0.13");
}

TEST(ValueFormats, KcShowsUnprintableBytesAsPoints) {
  struct Case {
    unsigned short value;
    const char* text;
    bool flagged;
  };
  const Case cases[] = {
      {0x4142, "AB", false},   {0x4107, "A.", true}, {0x20AF, " \xAF", false},
      {0xE11F, "\xE1.", true}, {0xB041, ".A", true}, {0x1F20, ". ", true},
  };
  for (const auto& c : cases) {
    char buffer[4];
    unsigned char flag = 0;
    U_WordToKCStr(buffer, c.value, &flag);
    EXPECT_EQ(std::string(buffer), c.text) << std::hex << c.value;
    EXPECT_EQ(flag != 0, c.flagged) << std::hex << c.value;
  }
  char buffer[4];
  EXPECT_STREQ(U_WordToKCStr(buffer, 0x0041, nullptr), ".A");  // the flag is optional
}

}  // namespace
