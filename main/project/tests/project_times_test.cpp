#include "main/project/project_times.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavrin::project {
namespace {

TEST(ProjectDurationText, ShowsHoursAndMinutes) {
  struct Case {
    std::int32_t seconds;
    std::string_view text;
  };
  const Case cases[] = {
      {0, "000:00"},      {59, "000:00"},
      {60, "000:01"},     {3599, "000:59"},
      {3600, "001:00"},   {3725, "001:02"},
      {359999, "099:59"}, {3600000, "1000:00"},
      {-10, "000:00"},    {std::numeric_limits<std::int32_t>::max(), "596523:14"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(formatProjectDuration(c.seconds), c.text) << c.seconds;
}

TEST(ProjectDurationCount, CountsEveryFullSecondOfTheClock) {
  struct Step {
    std::uint64_t now;
    std::int32_t seconds;
  };
  // Started with 100 seconds at stamp 5000.
  const Step steps[] = {
      {5000, 100},  {5999, 100},  // not a full second yet
      {6000, 101},  {6500, 101},  // ticks in between add nothing
      {7001, 102},  {9999, 104},  // a late tick catches up
      {10000, 105}, {4000, 105},  // a clock that went back adds nothing
      {12345, 107},
  };
  ProjectDuration duration;
  duration.start(100, 5000);
  for (const Step& step : steps) {
    duration.tick(step.now);
    EXPECT_EQ(duration.seconds(), step.seconds) << step.now;
  }
  EXPECT_EQ(duration.text(), "000:01");
}

TEST(ProjectDurationCount, StartsANegativeCountAtZeroAndStopsAtTheLargestValue) {
  ProjectDuration duration;
  duration.start(-50, 0);
  EXPECT_EQ(duration.seconds(), 0);
  duration.start(std::numeric_limits<std::int32_t>::max() - 1, 0);
  duration.tick(5000);
  EXPECT_EQ(duration.seconds(), std::numeric_limits<std::int32_t>::max());
  duration.tick(10000);
  EXPECT_EQ(duration.seconds(), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace tavrin::project
