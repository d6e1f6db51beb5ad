// The MC5 interpreter, instruction family by family, on hand-assembled blocks.
#include <functional>

#include "simcore/block_kinds.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"
#include "simcore/tests/interpreter_fixture.h"

namespace tavrin::simcore::testing {
namespace {

constexpr uint16_t BE = 0x6500;
constexpr uint16_t O = 0xFB00;
uint16_t UM(unsigned byte, unsigned bit) {
  return static_cast<uint16_t>((0x80 + bit) << 8 | byte);
}
uint16_t OM(unsigned byte, unsigned bit) {
  return static_cast<uint16_t>((0x88 + bit) << 8 | byte);
}
uint16_t UNM(unsigned byte, unsigned bit) {
  return static_cast<uint16_t>((0xA0 + bit) << 8 | byte);
}
uint16_t SM(unsigned byte, unsigned bit) {
  return static_cast<uint16_t>((0x90 + bit) << 8 | byte);
}
uint16_t RM(unsigned byte, unsigned bit) {
  return static_cast<uint16_t>((0xB0 + bit) << 8 | byte);
}
uint16_t AssignM(unsigned byte, unsigned bit) {
  return static_cast<uint16_t>((0x98 + bit) << 8 | byte);
}
uint16_t UE(unsigned byte, unsigned bit) {
  return static_cast<uint16_t>((0xC0 + bit) << 8 | byte);
}
uint16_t AssignA(unsigned byte, unsigned bit) {
  return static_cast<uint16_t>((0xD8 + bit) << 8 | (0x80 + byte));
}
uint16_t op(unsigned code, unsigned operand) {
  return static_cast<uint16_t>(code << 8 | (operand & 0xFF));
}

struct Program {
  const char* what;
  std::vector<uint16_t> ob1;
  std::function<void(InterpreterTest&)> setup;
  std::function<void(InterpreterTest&)> check;
};

class Interpreter : public InterpreterTest {
 protected:
  void runProgram(const Program& p) {
    SCOPED_TRACE(p.what);
    block(kTypeOB, 1, p.ob1);
    if (p.setup) p.setup(*this);
    run();
    p.check(*this);
  }
};

TEST_F(Interpreter, BinaryLogic) {
  const Program programs[] = {
      {"AND before OR through the pending OR",
       {UM(0, 0), O, UM(0, 1), AssignM(1, 0), BE},
       [](auto& t) { t.setFlagByte(0, 0x01); },
       [](auto& t) { EXPECT_EQ(t.flagByte(1), 0x01); }},
      {"U and UN combine by AND",
       {UM(0, 0), UNM(0, 1), AssignM(1, 2), BE},
       [](auto& t) { t.setFlagByte(0, 0x01); },
       [](auto& t) { EXPECT_EQ(t.flagByte(1), 0x04); }},
      {"O combines by OR",
       {UM(0, 1), OM(0, 0), AssignM(1, 3), BE},
       [](auto& t) { t.setFlagByte(0, 0x01); },
       [](auto& t) { EXPECT_EQ(t.flagByte(1), 0x08); }},
      {"S and R act only with VKE 1",
       {UM(0, 0), SM(2, 0), UM(0, 1), RM(2, 1), BE},
       [](auto& t) { t.setFlagByte(0, 0x01), t.setFlagByte(2, 0x02); },
       [](auto& t) { EXPECT_EQ(t.flagByte(2), 0x03); }},
      {"inputs to outputs",
       {UE(0, 3), AssignA(1, 7), BE},
       [](auto& t) { t.setInputByte(0, 0x08); },
       [](auto& t) { EXPECT_EQ(t.outputByte(1), 0x80); }},
      {"brackets: (M0.0 or M0.1) and M0.2",
       {op(0xBA, 0), UM(0, 0), O, UM(0, 1), op(0xBF, 0), UM(0, 2), AssignM(1, 0), BE},
       [](auto& t) { t.setFlagByte(0, 0x06); },
       [](auto& t) { EXPECT_EQ(t.flagByte(1), 0x01); }},
      {"O( merges into an OR",
       {UM(0, 0), op(0xBB, 0), UM(0, 1), UM(0, 2), op(0xBF, 0), AssignM(1, 0), BE},
       [](auto& t) { t.setFlagByte(0, 0x06); },
       [](auto& t) { EXPECT_EQ(t.flagByte(1), 0x01); }},
  };
  for (const auto& p : programs) {
    SetUp();
    runProgram(p);
    EXPECT_FALSE(stopped()) << p.what;
    TearDown();
  }
}

TEST_F(Interpreter, BracketDepthIsLimited) {
  std::vector<uint16_t> eleven(11, op(0xBA, 0));
  for (int i = 0; i < 11; ++i)
    eleven.push_back(op(0xBF, 0));
  eleven.push_back(BE);
  block(kTypeOB, 1, eleven);
  run();
  EXPECT_FALSE(stopped());

  clearStop();
  std::vector<uint16_t> twelve(12, op(0xBA, 0));
  twelve.push_back(BE);
  block(kTypeOB, 2, twelve);
  run(2);
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x0EE9);
}

TEST_F(Interpreter, ClosingBracketWithoutOpening) {
  block(kTypeOB, 1, {op(0xBF, 0), BE});
  run();
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x0EEA);
}

TEST_F(Interpreter, LoadsTransfersAndAreas) {
  block(kTypeDB, 5, {0x1111, 0x2222, 0xABCD, 0x4444});
  block(kTypeOB, 1,
        {0x3004, 0x1234, op(0x13, 10),            // L KF +4660, T MW 10
         op(0x12, 10), op(0x0B, 20),              // L MW 10, T MB 20 (the low byte)
         op(0x20, 5), op(0x32, 2), op(0x13, 30),  // A DB 5, L DW 2, T MW 30
         op(0x22, 2), op(0x0B, 40),               // L DL 2, T MB 40
         op(0x3A, 0), op(0x1B, 50),               // L DD 0, T MD 50
         0x3004, 0x7777, op(0x33, 3),             // L KF, T DW 3
         op(0x28, 200), op(0x0B, 60),             // L KB 200, T MB 60
         BE});
  setInputByte(126, 0x12);
  setInputByte(127, 0x34);
  run();
  ASSERT_FALSE(stopped());
  EXPECT_EQ(flagWord(10), 0x1234);
  EXPECT_EQ(flagByte(20), 0x34);
  EXPECT_EQ(flagWord(30), 0xABCD);
  EXPECT_EQ(flagByte(40), 0xAB);
  EXPECT_EQ(flagWord(50), 0x1111);
  EXPECT_EQ(flagWord(52), 0x2222);
  EXPECT_EQ(flagByte(60), 200);
  std::vector<uint16_t> words(4);
  S5AG_ReadWriteDatenwort(1, 5, 0, 0, 4, words.data());
  EXPECT_EQ(words[3], 0x7777);
}

TEST_F(Interpreter, PeripheralWordsAtTheEndOfTheInputs) {
  block(
      kTypeOB, 1,
      {0x3004, 0x0055, op(0x7A, 126), op(0x13, 0), 0x3004, 0x0066, op(0x7A, 127), op(0x12, 0), BE});
  setInputByte(126, 0x12);
  setInputByte(127, 0x34);
  run();
  EXPECT_EQ(flagWord(0), 0x1234) << "L PW 126 reads input bytes 126 and 127";
  EXPECT_EQ(image().ACCU2 & 0xFFFF, 0x0066u) << "L PW 127 only copies ACCU1 into ACCU2";
}

TEST_F(Interpreter, DataWordBeyondTheBlock) {
  block(kTypeDB, 5, std::vector<uint16_t>(10, 0));
  block(kTypeOB, 1, {op(0x20, 5), op(0x32, 10), BE});
  run();
  EXPECT_TRUE(stopped()) << "no OB32: the transfer error stops";
  EXPECT_EQ(bs(3), 0x0EEB);

  clearStop();
  block(kTypeOB, 2, {op(0x20, 5), 0x7800, 0x3004, 0x0042, op(0x32, 10), op(0x13, 0), BE});  // AFS
  run(2);
  EXPECT_FALSE(stopped()) << "with range checking off the access is skipped";
  EXPECT_EQ(flagWord(0), 0x0042);
}

TEST_F(Interpreter, StopCauses) {
  struct Case {
    const char* what;
    std::vector<uint16_t> ob1;
    uint16_t cause;
  };
  const Case cases[] = {
      {"unused operation code", {0x4700, BE}, 0x0C2E},
      {"floating point in a byte-addressed type", {0x600F, BE}, 0x0C2E},
      {"undefined comparison", {0x2110, BE}, 0x0C2E},
      {"A DB 0", {op(0x20, 0), BE}, 0x0C26},
      {"A DB of a missing block", {op(0x20, 9), BE}, 0x0C27},
      {"STW", {0x7004, BE}, 0x0839},
      {"undefined special function", {0x7808, 0x1234, BE}, 0x0C2E},
  };
  for (const auto& c : cases) {
    SetUp();
    block(kTypeOB, 1, c.ob1);
    run();
    EXPECT_TRUE(stopped()) << c.what;
    EXPECT_EQ(bs(3), c.cause) << c.what;
    EXPECT_EQ(bs(4), 5) << c.what << ": the step address of the failing instruction";
    TearDown();
  }
}

TEST_F(Interpreter, Jumps) {
  // Count M 0 .. up to 5 in a loop: L MW 0, I 1, T MW 0, L MW 0, L KF 5, !=F, SPB back.
  block(kTypeOB, 1,
        {op(0x12, 0), op(0x11, 1), op(0x13, 0), op(0x12, 0), 0x3004, 5, 0x2180 /* !=F */,
         op(0xFA, static_cast<unsigned>(-7)) /* SPB = -7: to L MW 0 */, BE});
  // != is true until MW 0 reaches 5: SPB jumps while equal... use >< instead below.
  run();
  EXPECT_FALSE(stopped());
  EXPECT_EQ(flagWord(0), 1) << "SPB on !=F false after the first pass";

  block(kTypeOB, 2,
        {op(0x12, 0), op(0x11, 1), op(0x13, 0), op(0x12, 0), 0x3004, 5, 0x2160 /* ><F */,
         op(0xFA, static_cast<unsigned>(-7)), BE});
  run(2);
  EXPECT_EQ(flagWord(0), 5) << "SPB loops while ><F holds";
}

TEST_F(Interpreter, ConditionalJumpWithVkeZeroLeavesVkeOne) {
  block(kTypeOB, 1, {UM(0, 0), op(0xFA, 2), AssignM(1, 0), BE});
  run();
  EXPECT_EQ(flagByte(1), 0x01) << "not taken, VKE := 1, so = M 1.0 sets the flag";
}

TEST_F(Interpreter, BlockCallsAndReturn) {
  block(kTypePB, 3, {UM(0, 0), AssignM(2, 0), BE});
  block(kTypeOB, 1, {op(0x75, 3), op(0x75, 9) /* missing: skipped */, UM(2, 0), AssignM(3, 0), BE});
  setFlagByte(0, 1);
  run();
  EXPECT_FALSE(stopped());
  EXPECT_EQ(flagByte(2), 1);
  EXPECT_EQ(flagByte(3), 1);
}

TEST_F(Interpreter, ConditionalCallOfAMissingBlockIsSkipped) {
  block(kTypeOB, 1, {UM(0, 0), op(0x55, 9), AssignM(1, 0), BE});
  setFlagByte(0, 1);
  run();
  EXPECT_FALSE(stopped());
  EXPECT_EQ(flagByte(1), 1);
}

TEST_F(Interpreter, DataBlockIsRestoredAfterTheCall) {
  block(kTypeDB, 1, {0x1111});
  block(kTypeDB, 2, {0x2222});
  block(kTypePB, 1, {op(0x20, 2), op(0x32, 0), op(0x13, 0), BE});
  block(kTypeOB, 1, {op(0x20, 1), op(0x75, 1), op(0x32, 0), op(0x13, 2), BE});
  run();
  EXPECT_EQ(flagWord(0), 0x2222);
  EXPECT_EQ(flagWord(2), 0x1111);
}

TEST_F(Interpreter, FunctionBlockWithParameters) {
  // FB1: U =1, = =2 (a bit in, a bit out), L =3, T MW 20 (a word in).
  block(kTypeFB, 1, {op(0x07, 1), op(0x1F, 2), op(0x46, 3), op(0x13, 20), BE});
  // OB1: SPA FB1, the parameter jump word (three parameters), U E 0.1, U A 0.2, L MW 10.
  block(kTypeOB, 1, {op(0x3D, 1), op(0x2D, 4), UE(0, 1), op(0xC2, 0x80), op(0x12, 10), BE});
  setInputByte(0, 0x02);
  S5AG_WriteMerkWord(10, 0xBEEF);
  run();
  EXPECT_FALSE(stopped());
  EXPECT_TRUE(output(0, 2));
  EXPECT_EQ(flagWord(20), 0xBEEF);
}

TEST_F(Interpreter, FormalParameterBeyondTheCount) {
  block(kTypeFB, 1, {op(0x07, 2), BE});
  block(kTypeOB, 1, {op(0x3D, 1), op(0x2D, 2), UE(0, 1), BE});
  run();
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x0EF0);
}

TEST_F(Interpreter, BlockStackOverflow) {
  block(kTypePB, 1, {op(0x75, 1), BE});  // PB1 calls itself
  block(kTypeOB, 1, {op(0x75, 1), BE});
  run();
  EXPECT_TRUE(stopped());
  EXPECT_NE(image().errorWord & 0x20, 0);
  EXPECT_EQ(image().savedBlockStackDepth, 24);
}

TEST_F(Interpreter, IndirectFlagWord) {
  // MW 10 = 0x0203: B MW 10 turns "S M 0.0" into "S M 3.2".
  block(kTypeOB, 1, {op(0x4E, 10), SM(0, 0), BE});
  S5AG_WriteMerkWord(10, 0x0203);
  run();
  EXPECT_FALSE(stopped());
  EXPECT_EQ(flagByte(3), 0x04);
}

TEST_F(Interpreter, IndirectOperandOutOfRangeOrNotModifiable) {
  block(kTypeOB, 1, {op(0x4E, 10), op(0x02, 0), BE});  // B MW 10, L T 0 with T 300
  S5AG_WriteMerkWord(10, 300);
  run();
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x083B);

  clearStop();
  block(kTypeOB, 2, {op(0x4E, 10), 0x7900 /* +F takes no operand */, BE});
  run(2);
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x0E75);
}

TEST_F(Interpreter, CreatingAndSelectingADataBlock) {
  block(kTypeOB, 1,
        {0x3004, 3, 0x7805, 0x0007 /* E DB 7 with DW 0..3 */, op(0x20, 7), 0x3004, 0x4242,
         op(0x33, 3), BE});
  run();
  ASSERT_FALSE(stopped());
  EXPECT_EQ(S5AG_GetBausteinLaenge(kTypeDB, 7), 9);
  std::vector<uint16_t> words(4);
  ASSERT_EQ(S5AG_ReadWriteDatenwort(1, 7, 0, 0, 4, words.data()), 0);
  EXPECT_EQ(words[3], 0x4242);
}

TEST_F(Interpreter, DataBlockLongerThanABlockCanBeIsRefused) {
  block(kTypeOB, 1, {0x3004, 0xFFFF, 0x7805, 0x0007, BE});
  run();
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x0EE4);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeDB, 7), 0);
}

TEST_F(Interpreter, InstructionLimitWithoutOb26Stops) {
  block(kTypeOB, 1, {O, op(0x2D, static_cast<unsigned>(-1))});  // loops for ever
  run();
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x083C);
}

TEST_F(Interpreter, InstructionLimitWithOb26GoesOn) {
  block(kTypeOB, 26, {SM(7, 0), BE});
  // Count MW 0 up to 30000: six instructions a pass, 180,000 in all, beyond the limit twice.
  block(kTypeOB, 1,
        {op(0x12, 0), 0x5800, 1 /* ADD KF +1 */, op(0x13, 0), op(0x12, 0), 0x3004, 30000,
         0x2160 /* ><F */, op(0xFA, static_cast<unsigned>(-8)), BE});
  run();
  EXPECT_FALSE(stopped());
  EXPECT_EQ(flagByte(7), 1) << "OB26 ran";
  EXPECT_EQ(flagWord(0), 30000);
}

}  // namespace
}  // namespace tavrin::simcore::testing
