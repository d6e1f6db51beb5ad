#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <regex>
#include <string>

#include "utilkit/utilkit40.h"

namespace {

TEST(NumberTexts, StaticBuffers) {
  EXPECT_STREQ(U_DWORDToStr(0), "0");
  EXPECT_STREQ(U_DWORDToStr(4294967295u), "4294967295");
  EXPECT_STREQ(U_BYTEToStr(255), "255");
  EXPECT_STREQ(U_WORDToStr(65535), "65535");
  EXPECT_STREQ(U_INT16ToStr(-32768), "-32768");
  EXPECT_STREQ(U_INT16ToStr(7), "7");
  EXPECT_STREQ(U_FloatToStr(1.5f), "1.5000");
  EXPECT_STREQ(U_FloatToStr(-0.25f), "-0.2500");
  EXPECT_EQ(std::string(U_FloatToStr(3.4e38f)).size(), 44u);  // plain notation, whole

  // Each function has a buffer of its own, reused by its next call.
  char* word = U_WORDToStr(12);
  char* byte = U_BYTEToStr(34);
  EXPECT_NE(word, byte);
  EXPECT_STREQ(word, "12");
  EXPECT_EQ(U_WORDToStr(56), word);
  EXPECT_STREQ(word, "56");
}

TEST(Words, EvenNumbersAndByteOrder) {
  struct Even {
    uint32_t n, even;
  };
  const Even evens[] = {{0, 0}, {1, 2}, {2, 2}, {7, 8}, {0xFFFFFFFEu, 0xFFFFFFFEu}};
  for (const auto& c : evens)
    EXPECT_EQ(U_MakeGeradeZahl(c.n), c.even) << c.n;

  EXPECT_EQ(U_HiLoVertauschen(0x1234), 0x3412);
  EXPECT_EQ(U_HiLoVertauschen(0x00FF), 0xFF00);
  EXPECT_EQ(U_HiLoVertauschenLong(0x12345678u), 0x56781234u);
  unsigned short words[] = {0x1234, 0xABCD, 0x00FF};
  U_WordArrayHiLoVertauschen(words, 2);
  EXPECT_EQ(words[0], 0x3412);
  EXPECT_EQ(words[1], 0xCDAB);
  EXPECT_EQ(words[2], 0x00FF) << "only `count` words";
  U_WordArrayHiLoVertauschen(nullptr, 0);
}

TEST(DateTime, LocalDateAndTime) {
  unsigned short day = 0, month = 0, year = 0;
  U_GetAktuellesSystemDatum(&day, &month, &year);
  EXPECT_TRUE(day >= 1 && day <= 31);
  EXPECT_TRUE(month >= 1 && month <= 12);
  EXPECT_GE(year, 2024);
  uint32_t d = 0, m = 0, y = 0;
  U_GetSystemDatum(&d, &m, &y);
  EXPECT_GE(y, 2024u);

  unsigned short hour = 99, minute = 99, second = 99, hundredths = 999;
  U_GetAktuelleSystemZeit(&hour, &minute, &second, &hundredths);
  EXPECT_LT(hour, 24);
  EXPECT_LT(minute, 60);
  EXPECT_LE(second, 60);
  EXPECT_LT(hundredths, 100);
  uint32_t h = 99, mi = 99, s = 99;
  U_GetSystemZeit(&h, &mi, &s);
  EXPECT_LT(h, 24u);

  char text[32];
  EXPECT_EQ(U_GetAktuellesSystemDatumStr(text), text);
  EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d\d\.\d\d\.\d{4})"))) << text;
  EXPECT_EQ(U_GetAktuelleSystemZeitStr(text), text);
  EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d\d:\d\d:\d\d)"))) << text;
}

TEST(DateTime, DelayWaitsAtLeastTheTimeAsked) {
  const auto start = std::chrono::steady_clock::now();
  U_MyDelay(5);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(5));
  U_MyDelay(0);
}

}  // namespace
