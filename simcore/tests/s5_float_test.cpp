#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "simcore/simcore32.h"

namespace {

TEST(S5Float, KnownValuesBothWays) {
  struct Case {
    float value;
    uint32_t s5;
  };
  const Case cases[] = {
      {1.0f, 0x01400000u},  {-1.0f, 0x01C00000u},  {0.5f, 0x00400000u}, {2.0f, 0x02400000u},
      {12.5f, 0x04640000u}, {-0.75f, 0x00A00000u}, {0.0f, 0x80000000u}, {-3.0f, 0x02A00000u},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(S5AG_FloatToS5Long(c.value), c.s5) << c.value;
    EXPECT_EQ(S5AG_S5LongToFloat(c.s5), c.value) << std::hex << c.s5;
  }
}

TEST(S5Float, ZerosAndNotANumber) {
  EXPECT_EQ(S5AG_FloatToS5Long(-0.0f), 0x80000000u);
  EXPECT_EQ(S5AG_FloatToS5Long(std::numeric_limits<float>::quiet_NaN()), 0x80000000u);
  EXPECT_EQ(S5AG_FloatToS5Long(std::numeric_limits<float>::denorm_min()), 0x00000000u);
  EXPECT_EQ(S5AG_S5LongToFloat(0x00000000u), 0.0f);
}

TEST(S5Float, ValuesBeyondTheRangeSaturate) {
  const float largest = S5AG_S5LongToFloat(0x7F7FFFFFu);
  EXPECT_NEAR(largest, 1.701412e38f, 1e32f);
  for (float big : {std::ldexp(1.0f, 127), std::numeric_limits<float>::max(),
                    std::numeric_limits<float>::infinity()}) {
    EXPECT_EQ(S5AG_FloatToS5Long(big), 0x7F7FFFFFu) << big;
    EXPECT_EQ(S5AG_FloatToS5Long(-big), 0x7F800001u) << big;
  }
  EXPECT_EQ(S5AG_S5LongToFloat(0x7F800001u), -largest);
}

TEST(S5Float, RoundTripKeepsAllButTheLowestFractionBit) {
  for (float v : {3.14159265f, -2.7182818f, 1e-30f, 6.02e23f, -1e38f, 0.1f}) {
    const float back = S5AG_S5LongToFloat(S5AG_FloatToS5Long(v));
    const uint32_t a = std::bit_cast<uint32_t>(v), b = std::bit_cast<uint32_t>(back);
    EXPECT_EQ(a & ~1u, b) << v;
  }
}

}  // namespace
