// Single instructions back into statement text: the forms of the word layouts, the E/A codes, the
// constant loads, the words that the text cannot express (raw words), and the words without row.
#include "main/lang/retranslator.h"

#include <gtest/gtest.h>

#include <vector>

#include "main/lang/block_id.h"
#include "main/lang/kg_constant.h"
#include "main/lang/tests/block_text_fixture.h"
#include "simcore/simcore32.h"

namespace tavrin::lang {
namespace {

using testing::blockWords;
using testing::ControllerBlocksTest;

constexpr uint16_t kPb1 = 0x0401;

struct Translated {
  int result = 0;
  std::string text;
  int consumed = 0;
};

// The first instruction of a block whose body is `body`, without prefix.
Translated first(const std::vector<uint16_t>& body, uint16_t id = kPb1, bool prefix = false) {
  Translated t;
  RetranslationState state;
  t.text = kFirstInstruction;
  const std::vector<uint16_t> block = blockWords(id, body);
  t.result = RetranslateInstr(state, t.text, block, 0, t.consumed, prefix, false, false, false);
  return t;
}

uint16_t s5High(float value) {
  return static_cast<uint16_t>(S5AG_FloatToS5Long(value) >> 16);
}
uint16_t s5Low(float value) {
  return static_cast<uint16_t>(S5AG_FloatToS5Long(value) & 0xFFFF);
}

struct InstructionCase {
  const char* what;
  std::vector<uint16_t> words;
  const char* text;  // null: no row (result 0)
  int consumed;
};

class Retranslator : public ControllerBlocksTest {};

TEST_F(Retranslator, OneInstructionEach) {
  const InstructionCase cases[] = {
      // E and A share their codes: bit 7 of the byte marks the output.
      {"U A 5.3", {0xC385}, "U   A  5.3", 1},
      {"U E 5.3", {0xC305}, "U   E  5.3", 1},
      {"U A 0.3, the A row's own opcode", {0xC380}, "U   A  0.3", 1},
      {"O E 7.7", {0xCF07}, "O   E  7.7", 1},
      {"L AB 5, the L EB row's code with bit 7", {0x4A85}, "L   AB 5", 1},
      {"L EB 5", {0x4A05}, "L   EB 5", 1},
      {"L AW 126", {0x52FE}, "L   AW 126", 1},
      {"U M 255.7", {0x87FF}, "U   M  255.7", 1},
      {"a jump two words back", {0x2DFE}, "SPA =  >-2", 1},
      {"SPB = forward", {0xFA05}, "SPB =  >5", 1},
      {"SPS =", {0x600C, 0x00FE}, "SPS =  >-1", 2},
      {"scan of an output", {0x7038, 0xC085}, "P   A  5.0", 2},
      {"RU E 5.2", {0x7038, 0x0205}, "RU  E  5.2", 2},
      {"SU T 4.15", {0x7025, 0x4F04}, "SU  T  4.15", 2},
      {"UN D 16.3", {0x783F, 0x2310}, "UN  D  16.3", 2},
      {"= D 255.15", {0x783F, 0x6FFF}, "=   D  255.15", 2},
      {"S S 100.7", {0x782B, 0x7064}, "S   S  100.7", 2},
      {"L KG 12.5", {0x3800, s5High(12.5f), s5Low(12.5f)}, "L   KG +1250000+02", 3},
      {"L DH", {0x3840, 0x1234, 0x5678}, "L   DH 1234 5678", 3},
      {"L KF -32768", {0x3004, 0x8000}, "L   KF -32768", 2},
      {"L KT 10.2", {0x3002, 0x2010}, "L   KT 010.2", 2},
      {"L KY 240,25", {0x3020, 0xF019}, "L   KY 240,025", 2},
      {"L KM", {0x3080, 0x0005}, "L   KM 00000000 00000101", 2},
      {"L KC with a trailing blank", {0x3010, 0x4120}, "L   KC A", 2},
      {"L KZ", {0x3001, 0x0012}, "L   KZ 012", 2},
      {"MBR", {0x7819, 0x2345}, "MBR    12345", 2},
      {"SVW", {0x6851}, "SVW    5", 1},
      {"ADD BF", {0x50FB}, "ADD BF -5", 1},
      {"ADD BF written as the parser writes it", {0x5005}, "ADD BF +5", 1},
      {"L SY 4095", {0x78AB, 0x0FFF}, "L   SY 4095", 2},
      {"BA FX", {0x7801, 0x0105}, "BA  FX 5", 2},
      {"BAB FX", {0x7802, 0x0907}, "BAB FX 7", 2},
      {"AX DX", {0x7803, 0x1109}, "AX  DX 9", 2},
      {"ASM KH within its parameter's range", {0x7808, 0x0010}, "ASM KH 16", 2},
      {"the empty statement", {0x1082}, "", 1},
      {"the network end", {0x10FF}, "***", 1},
      {"NOP 1, never the raw-word row", {0xFFFF}, "NOP 1", 1},
      // Constant loads: the controller loads the second word whatever the low byte says.
      {"the constant load without format", {0x3000, 0x0012}, "L   KH 0012", 2},
      {"a constant load without exact row", {0x3005, 0x0012}, "L   KZ 012", 2},
      {"a KZ word that is no BCD number", {0x3001, 0x0ABC}, "L   KH 0ABC", 2},
      {"a KZ word with a sign nibble", {0x3001, 0x1000}, "L   KH 1000", 2},
      {"a KT word with a time base above 3", {0x3002, 0x4010}, "L   KH 4010", 2},
      {"a KC word that is not printable", {0x3010, 0x0041}, "L   KH 0041", 2},
      {"a KC word with a blank before a character", {0x3010, 0x2041}, "L   KH 2041", 2},
      // What the text cannot express comes out as raw words.
      {"L MD beyond its limit", {0x1AFD}, "KH     1AFD", 1},
      {"L EW 127", {0x527F}, "KH     527F", 1},
      {"a high byte in the word of SPS =", {0x600C, 0x01FE}, "KH     600C", 1},
      {"a high nibble in the address of L SY", {0x78AB, 0x1005}, "KH     78AB", 1},
      {"E DB with a high byte", {0x7805, 0x0105}, "KH     7805", 1},
      {"BA FX with the word of BAB FX", {0x7801, 0x0905}, "KH     7801", 1},
      {"ASM with a code above 255", {0x7808, 0xAA00}, "KH     7808", 1},
      {"an S bit above 7", {0x780B, 0x8005}, "KH     780B", 1},
      {"a D-bit operation code 7", {0x783F, 0x7005}, "KH     783F", 1},
      {"a formal operand outside a function block", {0x0701}, "KH     0701", 1},
      // Words without a row.
      {"a scan operation code 1", {0x7038, 0x1005}, nullptr, 0},
      {"a word of no row's code and no parameter", {0x6502}, nullptr, 0},
      {"SVW's first byte without its low nibble", {0x6812}, nullptr, 0},
      {"an instruction cut off by the block end", {0x3004}, nullptr, 0},
  };
  for (const InstructionCase& c : cases) {
    const Translated t = first(c.words);
    if (c.text == nullptr) {
      EXPECT_EQ(t.result, 0) << c.what << ": " << t.text;
      continue;
    }
    EXPECT_EQ(t.result, 1) << c.what;
    std::string text = t.text;
    text.erase(text.find_last_not_of(' ') + 1);
    EXPECT_EQ(text, c.text) << c.what;
    EXPECT_EQ(t.consumed, c.consumed) << c.what;
  }
}

TEST_F(Retranslator, PrefixPutsTheStatementBehindTheColon) {
  const Translated t = first({0xC001}, kPb1, true);
  EXPECT_EQ(t.text, "     :U   E  1.0");
}

TEST_F(Retranslator, RawWordsOfOneInstructionFollowOneByOne) {
  const std::vector<uint16_t> block = blockWords(kPb1, {0x780B, 0x8005, 0xC001});
  RetranslationState state;
  std::string text(kFirstInstruction);
  int consumed = 0;
  std::vector<std::string> texts;
  for (std::size_t at = 0; at < 3; at += static_cast<std::size_t>(consumed)) {
    ASSERT_EQ(RetranslateInstr(state, text, block, at, consumed, false, false, false, false), 1);
    texts.push_back(text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"KH     780B", "KH     8005", "U   E  1.0"}));
}

TEST_F(Retranslator, TheMarkResetsTheState) {
  // A call leaves the state in the call; the mark makes the next word an instruction again.
  const std::vector<uint16_t> block = blockWords(kPb1, {0x3D0A, 0x2D01});
  RetranslationState state;
  std::string text(kFirstInstruction);
  int consumed = 0;
  ASSERT_EQ(RetranslateInstr(state, text, block, 0, consumed, false, false, false, false), 1);
  EXPECT_TRUE(state.inCall);
  text = kFirstInstruction;
  ASSERT_EQ(RetranslateInstr(state, text, block, 1, consumed, false, false, false, false), 1);
  EXPECT_EQ(text.substr(0, 10), "SPA =  >1");
  EXPECT_FALSE(state.inCall);
}

TEST_F(Retranslator, FormalOperandsAreNamedFromTheBlocksOwnHeader) {
  // FB 1 with the parameters EIN1 (E BI), WERT (D KG, two numbers) and ZEIT (T).
  const std::vector<uint16_t> body = {
      0x2D0E,         'B' << 8 | 'E', 'I' << 8 | 'S', 'P' << 8 | 'I', 'E' << 8 | 'L', 0x0280,
      'E' << 8 | 'I', 'N' << 8 | '1', 0x0408,         'W' << 8 | 'E', 'R' << 8 | 'T', 0x0500,
      'Z' << 8 | 'E', 'I' << 8 | 'T', 0x0701,         0x5602,         0x3604,         0x0703};
  const std::vector<uint16_t> block = blockWords(0x0801, body);
  RetranslationState state;
  std::string text(kFirstInstruction);
  int consumed = 0;
  std::vector<std::string> texts;
  for (std::size_t at = 0; at < body.size(); at += static_cast<std::size_t>(consumed)) {
    ASSERT_EQ(RetranslateInstr(state, text, block, at, consumed, false, false, false, false), 1);
    text.erase(text.find_last_not_of(' ') + 1);
    texts.push_back(text);
  }
  EXPECT_EQ(texts,
            (std::vector<std::string>{
                "NAME :BEISPIEL", "BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI",
                "BEZ  :WERT      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KG",
                "BEZ  :ZEIT      E/A/D/B/T/Z: T", "U   =  EIN1", "LD  =  WERT", "SI  =  ZEIT",
                "KH     0703",  // 3 is the second number of WERT
            }));
}

TEST_F(Retranslator, AProgramBlockThatStartsWithAJumpHasNoHeader) {
  const Translated t = first({0x2D05, 0xC001, 0xC002, 0xC003, 0xC004, 0x6500});
  EXPECT_EQ(t.text, "SPA =  >5");
  EXPECT_EQ(t.consumed, 1);
}

}  // namespace
}  // namespace tavrin::lang
