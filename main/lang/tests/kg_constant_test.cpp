#include "main/lang/kg_constant.h"

#include <gtest/gtest.h>

#include "main/lang/constant_formats.h"
#include "simcore/simcore32.h"

namespace tavrin::lang {
namespace {

TEST(KgConstant, NormalisedTexts) {
  struct Case {
    const char* input;
    const char* text;
  };
  const Case cases[] = {
      {"+12+02", "+1200000+02"},
      {"+1234567+02", "+1234567+02"},
      {"-12+02", "-1200000+02"},  // the sign is not a digit of the mantissa
      {"+123456789+01", "+1234567+01"},
      {"+0012-3", "+1200000-03"},
      {"+5", "+5000000+00"},
      {"0", "+0000000+00"},
      {"+1234567+45", "+1234567+38"},
      {"+9+45", "+1701411+38"},  // scaled first, then held to the limit
      {"-9+38", "-1701411+38"},
      {"+9-99", "+1701411-38"},
      {"+5+999999999999", "+1701411+38"},
      {"12.5", "+1250000+02"},
      {"0.0", "+0000000+00"},
      {"-0.001", "-1000000-02"},
      {"1.0e39", "+1701411+38"},
      {"3.5e-3", "+3500000-02"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(normaliseKgText(c.input), c.text) << c.input;
}

TEST(KgConstant, TextsOfValues) {
  struct Case {
    float value;
    const char* text;
  };
  const Case cases[] = {
      {12.5f, "+1250000+02"}, {1.0f, "+1000000+01"},  {-0.5f, "-5000000+00"},
      {0.0f, "+0000000+00"},  {1e10f, "+1000000+11"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(kgTextFromFloat(c.value), c.text) << c.value;
}

TEST(KgConstant, ValueOfATextAndItsWords) {
  EXPECT_EQ(kgTextToFloat("+1250000+02"), 12.5f);
  EXPECT_EQ(kgTextToFloat("KG+1250000+02"), 12.5f);
  EXPECT_EQ(kgTextToFloat("-1000000+01"), -1.0f);
  EXPECT_FLOAT_EQ(kgTextToFloat("+1234567-03"), 0.0001234567f);
  EXPECT_EQ(kgTextToS5Float("+1000000+01"), S5AG_FloatToS5Long(1.0f));

  const auto parsed = parseConstant("+1 0+1", ConstFormat::KG);
  ASSERT_TRUE(parsed.ok());
  EXPECT_EQ(parsed.text, "+1000000+01");
  EXPECT_EQ(parsed.word, 0x0140);
  EXPECT_EQ(parsed.word2, 0x0000);
}

TEST(KgConstant, TextAndValueRoundTrip) {
  for (float v : {12.5f, -3.25f, 1.701411e37f, 6.5e-20f, 100.0f, 0.1f}) {
    const std::string text = kgTextFromFloat(v);
    EXPECT_EQ(kgTextFromFloat(kgTextToFloat(text)), text) << v;
    EXPECT_EQ(normaliseKgText(text), text) << v;
  }
}

}  // namespace
}  // namespace tavrin::lang
