// Scenarios of whole cycles on the test's clock: restarts, timers, time-driven blocks, stops,
// cycle time, block status.
#include <array>
#include <string>

#include "simcore/block_kinds.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"
#include "simcore/stack_images.h"
#include "simcore/tests/interpreter_fixture.h"

namespace tavrin::simcore::testing {
namespace {

constexpr uint16_t BE = 0x6500;

class Cycle : public ControllerTest {
 protected:
  void block(uint8_t type, uint8_t number, const std::vector<uint16_t>& body) {
    ASSERT_EQ(write(makeBlock(type, number, body)), 0);
  }
  // One cycle after the clock moved on by `ms`.
  void cycle(unsigned ms = 10) {
    clock_.advance(ms);
    S5AG_Step5Zyklus();
  }
  uint16_t bs(unsigned n) { return S5AG_GetBSWord(static_cast<unsigned char>(n)); }
  uint8_t flag(unsigned n) {
    uint8_t v = 0;
    S5AG_ReadMerkByte(static_cast<short>(n), &v);
    return v;
  }
  uint8_t out(unsigned n) {
    uint8_t v = 0;
    S5AG_ReadOutByte(static_cast<short>(n), &v);
    return v;
  }
  void in(unsigned n, uint8_t v) { S5AG_WriteInByte(static_cast<short>(n), v); }
};

TEST_F(Cycle, OnDelayOutputComesExactlyWhenItsTimeHasRun) {
  // U E 0.0, L KT 150.0 (1.5 s in units of 10 ms), SE T 4, U T 4, = A 0.0
  block(kTypeOB, 1, {0xC000, 0x3002, 0x0150, 0x2404, 0xF804, 0xD880, BE});
  S5AG_StartAg(21);
  in(0, 1);
  cycle();
  EXPECT_EQ(S5AG_RunZustand(), 1);
  uint64_t started = clock_.now();
  while (clock_.now() - started < 1490) {
    cycle(10);
    ASSERT_EQ(out(0), 0) << "at " << clock_.now() - started << " ms";
  }
  cycle(10);
  EXPECT_EQ(out(0), 1) << "at 1500 ms";
}

TEST_F(Cycle, CounterCountsEdgesNotLevels) {
  // U E 0.0, ZV Z 1, L Z 1, T MB 0
  block(kTypeOB, 1, {0xC000, 0x6C01, 0x4201, 0x0B00, BE});
  S5AG_StartAg(21);
  const uint8_t inputs[] = {1, 1, 1, 0, 1, 0, 0, 1, 1};
  for (uint8_t v : inputs) {
    in(0, v);
    cycle();
  }
  EXPECT_EQ(flag(0), 3);
}

TEST_F(Cycle, RestartKindsKeepAndClearWhatTheyMust) {
  // The shipped S5-100U type keeps its areas apart. (In the built-in S5-95U layout the counters
  // from 128 on share their memory with the flags, so clearing them clears the flags too.)
  ASSERT_EQ(S5AG_AGAktivieren((std::string(TAVRIN_SOURCE_DATA_DIR) + "/S5-100U.AG").c_str()), 0);
  block(kTypeOB, 1, {BE});
  block(kTypeOB, 20, {0x3004, 20, 0x0B10, BE});  // T MB 16 := 20 (cold)
  block(kTypeOB, 21, {0x3004, 21, 0x0B10, BE});  // T MB 16 := 21 (manual warm)
  block(kTypeOB, 22, {0x3004, 22, 0x0B10, BE});  // T MB 16 := 22 (after power on)
  const auto setFlags = [&] {
    S5AG_WriteMerkByte(0, 0xAA);    // retentive (below 64)
    S5AG_WriteMerkByte(100, 0xBB);  // not retentive
    in(3, 0x77);
  };
  struct Case {
    unsigned short kind;
    uint8_t ob;
    uint8_t flag0, flag100, input3;
  };
  const Case cases[] = {
      {20, 20, 0x00, 0x00, 0x00}, {21, 21, 0xAA, 0x00, 0x77}, {22, 22, 0xAA, 0x00, 0x77}};
  for (const auto& c : cases) {
    S5AG_StopAg();
    cycle();
    ASSERT_EQ(S5AG_RunZustand(), 0);
    setFlags();
    S5AG_StartAg(c.kind);
    cycle();
    ASSERT_EQ(S5AG_RunZustand(), 1);
    EXPECT_EQ(flag(16), c.ob) << c.kind;
    EXPECT_EQ(flag(0), c.flag0) << c.kind;
    EXPECT_EQ(flag(100), c.flag100) << c.kind;
    uint8_t input = 0;
    S5AG_ReadInByte(3, &input);
    EXPECT_EQ(input, c.input3) << c.kind;
  }
}

TEST_F(Cycle, TimeDrivenBlockRunsAtItsInterval) {
  // OB13 (every 100 ms): I 1 on MB 0. OB1 calls a block, so that pending blocks can start.
  block(kTypeOB, 13, {0x0A00, 0x1101, 0x0B00, BE});
  block(kTypePB, 1, {BE});
  block(kTypeOB, 1, {0x7501, BE});
  S5AG_StartAg(21);
  cycle();
  for (int i = 0; i < 100; ++i)
    cycle(10);  // one second
  EXPECT_GE(flag(0), 9);
  EXPECT_LE(flag(0), 10);
}

// A clock that moves on by a millisecond every time it is read.
class TickingClock : public platform::MillisecondClock {
 public:
  uint64_t now() const override { return ++now_; }

 private:
  mutable uint64_t now_ = 1000;
};

TEST_F(Cycle, CycleTimeOverrunStopsWithItsCauseInTheInterruptStack) {
  // A program that loops: O, SPA = -1. The clock moves on with every read, so that the
  // monitoring time of 3000 ms runs out inside the loop; the instruction limit is lifted.
  TickingClock ticking;
  engine().setClock(&ticking);
  block(kTypeOB, 1, {0xFB00, 0x2DFF});
  image().instructionLimit = 0xFFFF;
  S5AG_StartAg(21);
  cycle();
  EXPECT_EQ(S5AG_RunZustand(), 0);
  EXPECT_EQ(bs(3), 0x083C);
  std::array<uint8_t, 26> ustack{};
  short length = 0;
  ASSERT_EQ(S5AG_RdUStack(ustack.data(), &length), 0);
  EXPECT_EQ(length, 26);
  EXPECT_NE(ustack[9 - 8] & 0x10, 0) << "byte 9 bit 4: cycle time exceeded";
  engine().setClock(&clock_);
}

TEST_F(Cycle, IllegalInstructionStopsWithItsCauseInTheInterruptStack) {
  block(kTypeOB, 1, {0x8000, 0x4700, BE});
  S5AG_StartAg(21);
  cycle();
  EXPECT_EQ(S5AG_RunZustand(), 0);
  EXPECT_EQ(bs(3), 0x0C2E);
  std::array<uint8_t, 26> ustack{};
  short length = 0;
  ASSERT_EQ(S5AG_RdUStack(ustack.data(), &length), 0);
  EXPECT_NE(ustack[8 - 8] & 0x08, 0) << "byte 8 bit 3: illegal instruction";
  EXPECT_EQ(ustack[26 - 8] << 8 | ustack[27 - 8], 0x4700) << "the instruction word";
  EXPECT_EQ(ustack[24 - 8] << 8 | ustack[25 - 8], 0x0100 + 2 * 6) << "its S5 address";
}

TEST_F(Cycle, InterruptStackIsRefusedInRun) {
  block(kTypeOB, 1, {BE});
  S5AG_StartAg(21);
  cycle();
  std::array<uint8_t, 26> ustack;
  ustack.fill(0xEE);
  short length = 0;
  EXPECT_EQ(S5AG_RdUStack(ustack.data(), &length), 26);
  EXPECT_EQ(ustack[0], 0xEE);
  EXPECT_EQ(S5AG_BStack(ustack.data(), &length), 35);
}

TEST_F(Cycle, MissingStartBlockStops) {
  S5AG_StartAg(21);
  cycle();
  EXPECT_EQ(S5AG_RunZustand(), 0);
  EXPECT_EQ(bs(3), 0x0EE8);
}

TEST_F(Cycle, ProgramInPb1AloneRunsWithoutRestartBlock) {
  block(kTypePB, 1, {0x0A00, 0x1101, 0x0B00, BE});  // MB 0 + 1 each cycle
  block(kTypeOB, 21, {0x3004, 99, 0x0B01, BE});
  S5AG_StartAg(21);
  for (int i = 0; i < 5; ++i)
    cycle();
  EXPECT_EQ(flag(0), 5);
  EXPECT_EQ(flag(1), 0) << "no restart block in PB1-only operation";
  EXPECT_EQ(S5AG_GetZykBaustein(), 300);
  EXPECT_EQ(write(makeBlock(kTypePB, 2, {BE})), 81) << "only PB1 may be loaded then";
}

TEST_F(Cycle, BlockCallWhileRunningFromPb1Stops) {
  block(kTypePB, 2, {BE});
  block(kTypePB, 1, {0x7502, BE});
  S5AG_StartAg(21);
  cycle();
  EXPECT_EQ(S5AG_RunZustand(), 0);
  EXPECT_EQ(bs(3), 0x0EF1);
}

TEST_F(Cycle, AverageCycleTimeAfterFiftyCalls) {
  block(kTypeOB, 1, {BE});
  S5AG_StartAg(21);
  for (int i = 0; i < 50; ++i)
    cycle(1000);  // long pauses between calls do not count
  EXPECT_LT(bs(1), 5) << "BS 1 is the average duration of a call, not the time between calls";
  EXPECT_EQ(bs(0), 0);
}

TEST_F(Cycle, StopClearsTheOutputs) {
  block(kTypeOB, 1, {0xC000, 0xD880, BE});
  S5AG_StartAg(21);
  in(0, 1);
  cycle();
  EXPECT_EQ(out(0), 1);
  S5AG_StopAg();
  cycle();
  cycle();
  EXPECT_EQ(S5AG_RunZustand(), 0);
  EXPECT_EQ(out(0), 0);
}

TEST_F(Cycle, BlockStatusRecordsTheStatementsAtTheTrigger) {
  // PB1: L KF 7, L KF 9, +F, U M 0.0, BE. The trigger at the +F, two requests for the
  // accumulators and the end of the list.
  block(kTypePB, 1, {0x3004, 7, 0x3004, 9, 0x7900, 0x8000, BE});
  block(kTypeOB, 1, {0x7501, BE});
  S5AG_StartAg(21);
  cycle();
  const uint8_t request[] = {kTypePB, 1, 0x10, 0x36, 0x10, 0x36, 0x10, 0x03};
  S5AG_StBstParam(sizeof request, const_cast<uint8_t*>(request), 4 * 2);  // offset of +F: word 4
  std::array<uint8_t, 400> buffer{};
  short length = 0, notTriggered = 0;
  unsigned char ready = 0;
  S5AG_StatBstZyk(buffer.data(), 200, &length, &notTriggered, &ready);
  EXPECT_EQ(notTriggered, 1);
  cycle();
  S5AG_StatBstZyk(buffer.data(), 200, &length, &notTriggered, &ready);
  ASSERT_EQ(ready, 1);
  ASSERT_EQ(notTriggered, 0);
  std::vector<uint16_t> items;
  for (int i = 0; i < length / 2; ++i)
    items.push_back(static_cast<uint16_t>(buffer[2 * i] | buffer[2 * i + 1] << 8));
  const uint16_t pb1 = 0x0100 + 2 * 5;  // PB1 came first: its body starts at word 5
  ASSERT_EQ(items.size(), 1u + 4 + 4 + 2);
  EXPECT_EQ(items[0], 0) << "no data block";
  EXPECT_EQ(items[1], pb1 + 2 * 4) << "the +F";
  EXPECT_EQ(items[3], 7) << "ACCU2-L after +F";
  EXPECT_EQ(items[4], 16) << "ACCU1-L after +F";
  EXPECT_EQ(items[5], pb1 + 2 * 5) << "U M 0.0";
  EXPECT_EQ(items[6] & 0x0600, 0) << "VKE and STATUS 0: M 0.0 is 0";
  EXPECT_EQ(items[9], pb1 + 2 * 6) << "BE";
  EXPECT_EQ(items[10] & 0xFF, 0) << "the last request adds nothing";
}

}  // namespace

TEST_F(Cycle, BlockStatusOfAMissingBlockNeverTriggers) {
  block(kTypePB, 1, {0x3004, 7, BE});
  block(kTypeOB, 1, {0x7501, BE});
  S5AG_StartAg(21);
  cycle();
  // PB 2 does not exist: its offset must not count from the start of RAM into PB 1 or OB 1.
  for (uint16_t offset = 0; offset < 2 * 16; offset += 2) {
    const uint8_t request[] = {kTypePB, 2, 0x10, 0x35, 0x10, 0x03};
    S5AG_StBstParam(sizeof request, const_cast<uint8_t*>(request), offset);
    cycle();
    std::array<uint8_t, 400> buffer{};
    short length = 0, notTriggered = 0;
    unsigned char ready = 0;
    S5AG_StatBstZyk(buffer.data(), 200, &length, &notTriggered, &ready);
    EXPECT_EQ(notTriggered, 1) << "offset " << offset;
    EXPECT_EQ(length, 0) << "offset " << offset;
  }
}
}  // namespace tavrin::simcore::testing
