// Timers over simulated time and counters over edges, run cycle by cycle on the test's clock.
#include "simcore/block_kinds.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"
#include "simcore/tests/interpreter_fixture.h"

namespace tavrin::simcore::testing {
namespace {

constexpr uint16_t BE = 0x6500;
constexpr uint16_t kTwoSeconds = 0x1020;  // KT 020.1: 20 units of 0.1 s

struct Step {
  bool input;        // E 0.0
  unsigned afterMs;  // clock advance before this cycle
  bool output;       // A 0.0 after it
};

struct TimerCase {
  const char* what;
  uint8_t startCode;  // SI 0x34, SV 0x1C, SE 0x24, SS 0x2C, SA 0x14
  std::vector<Step> steps;
};

class Timers : public InterpreterTest {};

TEST_F(Timers, EachKindOverTime) {
  const TimerCase cases[] = {
      {"SE on delay: the output comes when the time has run, and goes with the input",
       0x24,
       {{true, 0, false},
        {true, 1000, false},
        {true, 990, false},
        {true, 10, true},
        {true, 500, true},
        {false, 10, false}}},
      {"SE restarts only on a new rising edge",
       0x24,
       {{true, 0, false},
        {false, 1500, false},
        {true, 10, false},
        {true, 1990, false},
        {true, 10, true}}},
      {"SI pulse: on for the time while the input stays",
       0x34,
       {{true, 0, true},
        {true, 1990, true},
        {true, 10, false},
        {true, 1000, false},
        {false, 10, false},
        {true, 10, true},
        {false, 10, false}}},
      {"SV extended pulse: runs its time after the input went",
       0x1C,
       {{true, 0, true}, {false, 100, true}, {false, 1890, true}, {false, 10, false}}},
      {"SS stored on delay: stays on after the input went",
       0x2C,
       {{true, 0, false}, {false, 100, false}, {false, 1900, true}, {false, 5000, true}}},
      {"SA off delay: follows the input, then holds for the time",
       0x14,
       {{true, 0, true},
        {false, 100, true},
        {false, 1990, true},
        {false, 10, false},
        {true, 10, true},
        {false, 10, true},
        {true, 500, true},
        {false, 10, true}}},
  };
  for (const auto& c : cases) {
    SetUp();
    SCOPED_TRACE(c.what);
    // U E 0.0, L KT 020.1, S? T 1, U T 1, = A 0.0
    block(kTypeOB, 1,
          {0xC000, 0x3002, kTwoSeconds, static_cast<uint16_t>(c.startCode << 8 | 1), 0xF801, 0xD880,
           BE});
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      clock_.advance(c.steps[i].afterMs);
      setInputByte(0, c.steps[i].input ? 1 : 0);
      run();
      ASSERT_FALSE(stopped());
      EXPECT_EQ(output(0, 0), c.steps[i].output) << "step " << i;
    }
    TearDown();
  }
}

TEST_F(Timers, ResetAndRemainingTime) {
  // U E 0.0, L KT 100.2, SE T 2, L T 2, T MW 0, LC T 2, T MW 2, U E 0.1, R T 2
  block(kTypeOB, 1,
        {0xC000, 0x3002, 0x2100, 0x2402, 0x0202, 0x1300, 0x0C02, 0x1302, 0xC100, 0x3C02, BE});
  setInputByte(0, 0x01);
  run();
  clock_.advance(30000);  // 30 of 100 seconds
  run();
  EXPECT_EQ(flagWord(0), 70);
  EXPECT_EQ(flagWord(2), 0x2070) << "three BCD digits and the time base";
  setInputByte(0, 0x03);
  run();
  EXPECT_EQ(S5AG_GetTimerWord(2) & 0xF3FF, 0x1000) << "value 0, time base 1, not running";
}

class Counters : public InterpreterTest {};

TEST_F(Counters, CountEdgesNotLevels) {
  // U E 0.0, ZV Z 1, U E 0.1, ZR Z 1, L Z 1, T MW 0, U Z 1, = A 0.0
  block(kTypeOB, 1, {0xC000, 0x6C01, 0xC100, 0x5401, 0x4201, 0x1300, 0xB801, 0xD880, BE});
  const std::pair<uint8_t, uint16_t> steps[] = {
      {0x01, 1}, {0x01, 1}, {0x00, 1}, {0x01, 2}, {0x02, 1},
      {0x02, 1}, {0x00, 1}, {0x02, 0}, {0x02, 0},
  };
  for (const auto& [inputs, count] : steps) {
    setInputByte(0, inputs);
    run();
    EXPECT_EQ(flagWord(0), count);
    EXPECT_EQ(output(0, 0), count != 0);
  }
  setInputByte(0, 0x00);
  run();
  setInputByte(0, 0x02);
  run();
  EXPECT_EQ(flagWord(0), 0) << "ZR at 0 stays at 0";
}

TEST_F(Counters, SetLimitsAndReset) {
  // U E 0.0, L KZ 998, S Z 3, U E 0.1, ZV Z 3, U E 0.2, R Z 3, LC Z 3, T MW 0
  block(kTypeOB, 1,
        {0xC000, 0x3001, 0x0998, 0x5C03, 0xC100, 0x6C03, 0xC200, 0x7C03, 0x4C03, 0x1300, BE});
  setInputByte(0, 0x01);
  run();
  EXPECT_EQ(flagWord(0), 0x0998);
  for (int i = 0; i < 3; ++i) {
    setInputByte(0, 0x02);
    run();
    setInputByte(0, 0x00);
    run();
  }
  EXPECT_EQ(flagWord(0), 0x0999) << "ZV at 999 stays at 999";
  setInputByte(0, 0x04);
  run();
  EXPECT_EQ(flagWord(0), 0x0000);
  EXPECT_EQ(S5AG_GetCounterWord(3) & 0x8000, 0);
}

}  // namespace
}  // namespace tavrin::simcore::testing
