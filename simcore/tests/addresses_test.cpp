// Addresses and operand areas through the exports.
#include <array>

#include "simcore/block_kinds.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"
#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {
namespace {

using Addresses = ControllerTest;

TEST_F(Addresses, ReadingMemoryAsBigEndianWords) {
  WriteS5Word(image(), 0x0200, 0x1234);
  WriteS5Word(image(), 0x0202, 0x5678);
  std::array<uint8_t, 8> out{};
  S5AG_AdrRead(0x0200, 3, out.data());  // three bytes: the words at 0x0200 and 0x0202
  EXPECT_EQ(out, (std::array<uint8_t, 8>{0x12, 0x34, 0x56, 0x78, 0, 0, 0, 0}));
  out.fill(0xEE);
  S5AG_AdrRead(0xFFFE, 8, out.data());  // stops after 0xFFFF
  EXPECT_EQ(out[2], 0xEE);
}

// The control bits lie at BS start + 10 in byte-addressed types and are rebuilt when read.
TEST_F(Addresses, ReadingTheControlBitsRebuildsThem) {
  const auto at = static_cast<uint16_t>(image().areaStart[kBs] + 10);
  WriteS5Word(image(), static_cast<uint16_t>(at + 2), 0xEEEE);
  image().stopLatch = 1;
  image().stopRequestedByPg = 0;
  std::array<uint8_t, 6> out{};
  S5AG_AdrRead(at, 6, out.data());
  EXPECT_EQ(out, (std::array<uint8_t, 6>{0, 0, 0x40, 0, 0, 0}));
}

TEST_F(Addresses, WritingMemoryStartsTimers) {
  const uint16_t t = image().areaStart[kTimers];
  clock_.set(5000);
  const std::array<uint8_t, 4> words = {0x20, 0x10, 0x00, 0x00};  // T2 := 010.2 (10 s), T3 := 0
  S5AG_WriteAdr(static_cast<uint16_t>(t + 4), 4, const_cast<uint8_t*>(words.data()));
  EXPECT_EQ(S5AG_GetTimerWord(2), 0xC000 | 0x2000 | 10) << "binary value, base, state bits";
  EXPECT_EQ(image().timerStartMs[2], 5000u);
  EXPECT_NE(image().timerRunningBits[0] & (1u << 2), 0u);
}

TEST_F(Addresses, StartStopCommandAtBsPlus12) {
  ASSERT_EQ(image().runState, 0);
  std::array<uint8_t, 2> any = {0x00, 0x00};
  const auto bs12 = static_cast<uint16_t>(image().areaStart[kBs] + 12);
  image().resetRequest = 1;
  S5AG_WriteAdr(bs12, 2, any.data());
  EXPECT_EQ(image().runSwitch, 1) << "in STOP any value starts a warm restart";
  EXPECT_EQ(image().stopLatch, 0);
  EXPECT_EQ(image().resetRequest, 0);

  image().runState = 1;
  std::array<uint8_t, 2> stop = {0x80, 0x00};  // USTACK byte 2 is this word's high byte
  S5AG_WriteAdr(bs12, 2, stop.data());
  EXPECT_EQ(image().stopLatch, 1);
  EXPECT_EQ(image().stopRequestedByPg, 1);
}

TEST_F(Addresses, FlagsInputsAndOutputs) {
  S5AG_WriteMerkWord(10, 0xA55A);
  uint8_t b = 0;
  S5AG_ReadMerkByte(11, &b);
  EXPECT_EQ(b, 0x5A);
  S5AG_WriteInWord(126, 0x0102);
  S5AG_WriteOutByte(0, 0x77);
  unsigned short w = 0xEEEE;
  S5AG_ReadInWord(126, &w);
  EXPECT_EQ(w, 0x0102);
  S5AG_ReadInWord(127, &w);
  EXPECT_EQ(w, 0x0102) << "beyond the inputs: left unchanged";
  S5AG_ReadOutByte(0, &b);
  EXPECT_EQ(b, 0x77);
  EXPECT_EQ(S5AG_GetPaePaaPtr()[128], 0x77) << "outputs follow the 128 input bytes";
  S5AG_WriteInByte(128, 0x99);
  S5AG_ReadOutByte(0, &b);
  EXPECT_EQ(b, 0x77) << "input numbers beyond 127 are ignored";
}

TEST_F(Addresses, DataWordsOfADataBlock) {
  ASSERT_EQ(write(makeBlock(kTypeDB, 5, std::vector<uint16_t>(12, 0))), 0);
  std::array<uint16_t, 5> values = {1, 2, 3, 4, 5};
  EXPECT_EQ(S5AG_ReadWriteDatenwort(0, 5, 0, 0, 5, values.data()), 4) << "refused in STOP";
  image().runState = 1;
  EXPECT_EQ(S5AG_ReadWriteDatenwort(0, 5, 0, 10, 5, values.data()), 3) << "cut after DW 11";
  EXPECT_EQ(S5AG_ReadWriteDatenwort(0, 5, 0, 12, 1, values.data()), 2);
  EXPECT_EQ(S5AG_ReadWriteDatenwort(0, 6, 0, 0, 1, values.data()), 1);
  std::array<uint16_t, 3> back{};
  EXPECT_EQ(S5AG_ReadWriteDatenwort(1, 5, 0, 9, 3, back.data()), 0);
  EXPECT_EQ(back, (std::array<uint16_t, 3>{0, 1, 2}));
}

TEST_F(Addresses, OperatingStateSwitches) {
  EXPECT_EQ(S5AG_RunZustand(), 0);
  S5AG_StartAg(20);
  EXPECT_EQ(S5AG_RunZustand(), 1);
  EXPECT_EQ(image().resetRequest, 1) << "cold restart requests the overall reset";
  S5AG_StopAg();
  EXPECT_EQ(image().stopLatch, 1);
  S5AG_StartAg(22);
  EXPECT_EQ(image().powerOn, 1);
  EXPECT_EQ(image().stopLatch, 0);
}

}  // namespace
}  // namespace tavrin::simcore::testing
