#include "main/lang/constant_formats.h"

#include <gtest/gtest.h>

#include "main/lang/lang_messages.h"

namespace tavrin::lang {
namespace {

struct ConstantCase {
  ConstFormat format;
  const char* input;
  const char* error;  // null: accepted
  uint16_t word;
  const char* text;  // normalised text, or the blank-free input after a failure
};

void expectParsed(const ConstantValue& got, const ConstantCase& c) {
  if (c.error == nullptr) {
    EXPECT_TRUE(got.ok()) << c.input << ": " << got.error;
    EXPECT_EQ(got.word, c.word) << c.input;
  } else {
    EXPECT_STREQ(got.error, c.error) << c.input;
  }
  EXPECT_EQ(got.text, c.text) << c.input;
}

TEST(ConstantFormats, OneWordFormats) {
  using enum ConstFormat;
  const ConstantCase cases[] = {
      // KF: signed 16 bits, written "%+-5d" padded to seven characters
      {KF, "-32768", nullptr, 0x8000, "-32768 "},
      {KF, "32767", nullptr, 0x7FFF, "+32767 "},
      {KF, "+5", nullptr, 0x0005, "+5     "},
      {KF, " - 1 ", nullptr, 0xFFFF, "-1     "},
      {KF, "32768", msg::kBadKf, 0, "32768"},
      {KF, "12a", msg::kBadKf, 0, "12a"},
      {KF, "", msg::kBadKf, 0, ""},
      {KF, "-", msg::kBadKf, 0, "-"},
      {KF, "99999999999999999999", msg::kBadKf, 0, "99999999999999999999"},
      // KZ: BCD 0..999
      {KZ, "7", nullptr, 0x0007, "007"},
      {KZ, "999", nullptr, 0x0999, "999"},
      {KZ, "1000", msg::kBadKz, 0, "1000"},
      {KZ, "-1", msg::kBadKz, 0, "-1"},
      // KT: value.base, the value in BCD, the base in bits 12..13
      {KT, "10.2", nullptr, 0x2010, "010.2"},
      {KT, "999.3", nullptr, 0x3999, "999.3"},
      {KT, "0.0", nullptr, 0x0000, "000.0"},
      {KT, "10.4", msg::kBadKt, 0, "10.4"},
      {KT, "1000.1", msg::kBadKt, 0, "1000.1"},
      {KT, "a.1", msg::kBadKt, 0, "a.1"},
      {KT, "10", msg::kMissingSeparator, 0, "10"},
      // KC: one or two characters, blanks are removed first
      {KC, "A", nullptr, 0x4120, "A "},
      {KC, "", nullptr, 0x2020, "  "},
      {KC, "AB", nullptr, 0x4142, "AB"},
      {KC, "A B", nullptr, 0x4142, "AB"},
      {KC, "\xE4\xDF", nullptr, 0xE4DF, "\xE4\xDF"},
      {KC, "ABC", msg::kBadKc, 0, "ABC"},
      // KY: two bytes separated by a comma
      {KY, "240,25", nullptr, 0xF019, "240,025"},
      {KY, "0,0", nullptr, 0x0000, "000,000"},
      {KY, "256,0", msg::kBadKy, 0, "256,0"},
      {KY, "1,-1", msg::kBadKy, 0, "1,-1"},
      {KY, "240.25", msg::kBadKy, 0, "240.25"},
      // KH: one to four upper-case hex digits
      {KH, "1F", nullptr, 0x001F, "001F"},
      {KH, "FFFF", nullptr, 0xFFFF, "FFFF"},
      {KH, "ff", msg::kBadKh, 0, "ff"},
      {KH, "12345", msg::kBadKh, 0, "12345"},
      {KH, "", msg::kBadKh, 0, ""},
      {KH, "G1", msg::kBadKh, 0, "G1"},
      // KM: up to sixteen bits, the rightmost is bit 0
      {KM, "101", nullptr, 0x0005, "00000000 00000101"},
      {KM, "11111111 00000000", nullptr, 0xFF00, "11111111 00000000"},
      {KM, "10000000000000001", msg::kBadKm, 0, "10000000000000001"},
      {KM, "102", msg::kBadKm, 0, "102"},
      {KM, "", msg::kBadKm, 0, ""},
      // the signed byte of ADD BF
      {SignedByte, "5", nullptr, 0x0005, "+5"},
      {SignedByte, "-128", nullptr, 0x0080, "-128"},
      {SignedByte, "127", nullptr, 0x007F, "+127"},
      {SignedByte, "-129", msg::kParameter1OutOfRange, 0, "-129"},
      {SignedByte, "x", msg::kParameter1OutOfRange, 0, "x"},
  };
  for (const auto& c : cases)
    expectParsed(parseConstant(c.input, c.format), c);
}

TEST(ConstantFormats, TextIsCutTo23CharactersBeforeBlanksGo) {
  // 23 characters reach only up to "1", the rest of the digits never counts.
  const auto got = parseConstant("          1 2          3456", ConstFormat::KF);
  ASSERT_TRUE(got.ok());
  EXPECT_EQ(got.word, 12);
}

TEST(ConstantFormats, TwoWordHexFormats) {
  struct Case {
    ConstantValue (*parse)(std::string_view);
    const char* input;
    const char* error;
    uint16_t word, word2;
    const char* text;
  };
  const Case cases[] = {
      {parseDoubleHex, "12345678", nullptr, 0x1234, 0x5678, "1234 5678"},
      {parseDoubleHex, "1234 5678", nullptr, 0x1234, 0x5678, "1234 5678"},
      {parseDoubleHex, "F", nullptr, 0x0000, 0x000F, "0000 000F"},
      {parseDoubleHex, "123456789", msg::kBadDh, 0, 0, "123456789"},
      {parseDoubleHex, "1234567g", msg::kBadDh, 0, 0, "1234567g"},
      {parseMbrAddress, "12345", nullptr, 0x7819, 0x2345, "12345"},
      {parseMbrAddress, "FFFFF", nullptr, 0x78F9, 0xFFFF, "FFFFF"},
      {parseMbrAddress, "1", nullptr, 0x7809, 0x0001, "00001"},
      {parseMbrAddress, "123456", msg::kBadMbr, 0, 0, "123456"},
      {parseMbrAddress, "", msg::kBadMbr, 0, 0, ""},
  };
  for (const auto& c : cases) {
    const auto got = c.parse(c.input);
    EXPECT_EQ(got.text, c.text) << c.input;
    if (c.error != nullptr) {
      EXPECT_STREQ(got.error, c.error) << c.input;
      continue;
    }
    ASSERT_TRUE(got.ok()) << c.input;
    EXPECT_EQ(got.word, c.word) << c.input;
    EXPECT_EQ(got.word2, c.word2) << c.input;
  }
}

TEST(ConstantFormats, SplitParams) {
  struct Case {
    const char* text;
    char separator;
    const char* error;
    uint16_t first, second;
  };
  const Case cases[] = {
      {"1.7", '.', nullptr, 1, 7},
      {"127.0", '.', nullptr, 127, 0},
      {"+3.+4", '.', nullptr, 3, 4},
      {"x.7", '.', nullptr, kNoParameter, 7},
      {"1.", '.', nullptr, 1, kNoParameter},
      {"1.2.3", '.', nullptr, 1, kNoParameter},
      {"-1.0", '.', nullptr, kNoParameter, 0},
      {"12", '.', msg::kMissingSeparator, kNoParameter, kNoParameter},
      {"12", ',', msg::kBadKy, kNoParameter, kNoParameter},
      {"3,4", ',', nullptr, 3, 4},
  };
  for (const auto& c : cases) {
    const auto got = SplitParams(c.text, c.separator);
    EXPECT_EQ(got.error, c.error) << c.text;
    EXPECT_EQ(got.first, c.first) << c.text;
    EXPECT_EQ(got.second, c.second) << c.text;
  }
}

TEST(ConstantFormats, StoredWordAgainstDisplayFormat) {
  using enum ConstFormat;
  struct Case {
    uint16_t word;
    ConstFormat format;
    bool fits;
  };
  const Case cases[] = {
      {0x4142, KC, true},  {0x4107, KC, false}, {0xE1AF, KC, true},  {0xB041, KC, false},
      {0x3999, KT, true},  {0x4001, KT, false}, {0x20A0, KT, false}, {0x0999, KZ, true},
      {0x00AB, KZ, false}, {0xF123, KZ, false}, {0x1234, KH, true},  {0xFFFF, KF, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(fitsDisplayFormat(c.word, c.format), c.fits)
        << std::hex << c.word << " as " << static_cast<unsigned>(c.format);
}

}  // namespace
}  // namespace tavrin::lang
