#include "platform/millisecond_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tavrin::platform {
namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

TEST(PeriodElapsed, OnlyWhenNowIsBeyondStampPlusPeriod) {
  struct Case {
    std::uint64_t now, stamp, period;
    bool elapsed;
  };
  const Case cases[] = {
      {100, 0, 100, false},
      {101, 0, 100, true},
      {0, 0, 0, false},
      {1, 0, 0, true},
      {5000, 4000, 999, true},
      {5000, 4000, 1000, false},
      {10, 20, 5, false},  // stamp in the
                           // future
      {kMax, kMax - 10, 10, false},
      {kMax, kMax - 10, 9, true},  // stamp + period overflows
      {kMax, 1, kMax, false},
      {kMax, 0, kMax - 1, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(periodElapsed(c.now, c.stamp, c.period), c.elapsed)
        << c.now << " " << c.stamp << " " << c.period;
}

TEST(ManualMillisecondClock, MovesOnlyWhenToldThroughTheInterface) {
  ManualMillisecondClock manual(1000);
  const MillisecondClock& clock = manual;
  EXPECT_EQ(clock.now(), 1000u);
  manual.advance(250);
  EXPECT_EQ(clock.now(), 1250u);
  manual.set(7);
  EXPECT_EQ(clock.now(), 7u);
  EXPECT_EQ(ManualMillisecondClock().now(), 0u);
}

TEST(SteadyMillisecondClock, NeverGoesBackwards) {
  const SteadyMillisecondClock clock;
  std::uint64_t previous = clock.now();
  for (int i = 0; i < 1000; ++i) {
    const std::uint64_t current = clock.now();
    ASSERT_GE(current, previous);
    previous = current;
  }
}

}  // namespace
}  // namespace tavrin::platform
