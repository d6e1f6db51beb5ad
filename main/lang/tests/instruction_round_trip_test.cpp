// Every row of the instruction table, with operands at the ends and inside of its limits:
// text -> MC5 (compiler) -> controller -> text (TranslateBlock) -> MC5 gives the same words, and
// the retranslated statement is the parser's normalised text of the original.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/lang/instruction_table.h"
#include "main/lang/statement_parser.h"
#include "main/lang/tests/block_text_fixture.h"
#include "simcore/simcore32.h"

namespace tavrin::lang {
namespace {

using testing::blockText;
using testing::ControllerBlocksTest;

std::string number(unsigned value) {
  return std::to_string(value);
}

// Operands for a row by its word layout; the jump and formal-operand rows take labels and names.
std::vector<std::string> operandsOf(int index) {
  const InstrRow& r = rowAt(index);
  const std::string bit = number(r.firstByte() & 0x07u);  // the bit the row's opcode stands for
  switch (layoutOf(index)) {
    case WordLayout::NoParameter:
      return {""};
    case WordLayout::ByteParameter:
      return {"0", number(r.max / 2), number(r.max)};
    case WordLayout::InputOutputFlagBit:
      return {"0." + bit, number(r.max) + "." + bit};
    case WordLayout::Svw:
      return {"0", "7", "15"};
    case WordLayout::SignedByte:
      return {"-128", "+5", "127"};
    case WordLayout::Jump:
    case WordLayout::Sps:
      return {"M001"};
    case WordLayout::Formal:
      return {"BIT", "NACH", "GLEI"};
    case WordLayout::RawWord:
      return {"1234", "FFFF"};
    case WordLayout::SecondWordValue:
      switch (r.format()) {
        case ConstFormat::KF:
          return {"-32768", "+5", "32767"};
        case ConstFormat::KZ:
          return {"0", "12", "999"};
        case ConstFormat::KC:
          return {"AB", "A", ""};
        case ConstFormat::KH:
          return {"0", "1F", "FFFF"};
        case ConstFormat::KM:
          return {"101", "1111111111111111"};
        default:
          return {number(r.min), number(r.max)};
      }
    case WordLayout::FxDxCall:
      return {"0", "5", number(r.max)};
    case WordLayout::Mbr:
      return {"0", "12345", "FFFFF"};
    case WordLayout::Kt:
      return {"0.0", "10.2", "999.3"};
    case WordLayout::Ky:
      return {"0,0", "240,25", "255,255"};
    case WordLayout::DataWordBit:
    case WordLayout::SFlagBit:
    case WordLayout::BitTest:
      return {"0.0", number(r.max) + "." + number(r.max2)};
    case WordLayout::Kg:
      return {"12.5", "-1.5", "0.0", "+1234567+02", "-0.000123", "+1701411+38", "+1000000-37"};
    case WordLayout::DoubleHex:
      return {"0", "12345678", "FFFFFFFF"};
    case WordLayout::Unsupported:
      break;
  }
  return {};
}

// A function block whose header has a parameter of every kind; NACH follows a KG parameter.
const std::vector<std::string> kHeader = {
    "     NAME :RUND",
    "     BEZ  :BIT       E/A/D/B/T/Z: E  BI/BY/W/D: BI",
    "     BEZ  :BYTE      E/A/D/B/T/Z: E  BI/BY/W/D: BY",
    "     BEZ  :WORT      E/A/D/B/T/Z: A  BI/BY/W/D: W",
    "     BEZ  :DOPP      E/A/D/B/T/Z: A  BI/BY/W/D: D",
    "     BEZ  :ZEIT      E/A/D/B/T/Z: T",
    "     BEZ  :ZAEL      E/A/D/B/T/Z: Z",
    "     BEZ  :BAUS      E/A/D/B/T/Z: B",
    "     BEZ  :KONS      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KF",
    "     BEZ  :GLEI      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KG",
    "     BEZ  :NACH      E/A/D/B/T/Z: E  BI/BY/W/D: BI",
    "",
};

struct Case {
  std::string name;  // the block
  std::vector<std::string> body;
  std::size_t statementLine;  // the line of the statement in the text
};

Case caseFor(int index, const std::string& operand) {
  const InstrRow& r = rowAt(index);
  const std::string statement = ":" + std::string(r.displayText()) + operand;
  const std::string_view key = r.keyText();
  Case c{"PB001", {}, 5};
  if (layoutOf(index) == WordLayout::Formal) {
    c.name = "FB001";
    c.body = kHeader;
  }
  if (key == ")") c.body.push_back(":U(");
  if (layoutOf(index) == WordLayout::Jump || layoutOf(index) == WordLayout::Sps) {
    // Forward to the BE; the backward case is the same row with the target before the jump.
    c.body.push_back(statement);
    c.body.push_back(":L   KF +1");
    c.body.push_back("M001:BE");
    return c;
  }
  c.statementLine += c.body.size();
  c.body.push_back(statement);
  if (key == "U(" || key == "O(") c.body.push_back(":)");
  if (key != "BE") c.body.push_back(":BE");  // the first BE ends the text
  return c;
}

Case backwardJump(int index) {
  const InstrRow& r = rowAt(index);
  return {"PB001", {"M001:L   KF +1", ":" + std::string(r.displayText()) + "M001", ":BE"}, 6};
}

std::string statementOf(std::string_view line) {
  std::string s(fieldOf(line, kStatementColumn, kStatementWidth));
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

class InstructionRoundTrip : public ControllerBlocksTest {
 protected:
  void check(int index, const Case& c, const std::string& operand) {
    SCOPED_TRACE("row " + std::to_string(index) + " " + std::string(rowAt(index).keyText()) + " " +
                 operand);
    S5AG_AGErase();
    const AwlAscii original = blockText(c.name, c.body);
    const std::vector<uint16_t> words = compileAndStore(original);
    const AwlAscii text = translated(c.name);
    EXPECT_EQ(compiled(text), words);
    // The text of the MC5 is the normalised text of the statement, except where the words are
    // another statement's too (BLD 255 is the network end "***"), the raw-word row's word is any
    // instruction, and a KG text may come back with a neighbouring mantissa of the same value.
    const InstrRow& r = rowAt(index);
    const bool sameText = layoutOf(index) != WordLayout::Kg &&
                          layoutOf(index) != WordLayout::RawWord &&
                          !(r.keyText() == "BLD" && operand == "255");
    if (sameText) {
      const ParseResult parsed = ParseStatement(fieldOf(
          original.line(static_cast<int>(c.statementLine)), kStatementColumn, kStatementWidth));
      ASSERT_TRUE(parsed.ok());
      std::string normalised = parsed.statement.statementText;
      normalised.erase(normalised.find_last_not_of(' ') + 1);
      EXPECT_EQ(statementOf(text.line(static_cast<int>(c.statementLine))), normalised);
    }
  }
};

TEST_F(InstructionRoundTrip, EveryRow) {
  for (int index = 0; index < static_cast<int>(kInstructionRows); ++index) {
    if (rowAt(index).keyText() == "####") continue;  // inert placeholders of the code 0000 (NOP 0)
    const std::vector<std::string> operands = operandsOf(index);
    ASSERT_FALSE(operands.empty()) << "row " << index << " has no word layout";
    for (const std::string& operand : operands)
      check(index, caseFor(index, operand), operand);
    if (layoutOf(index) == WordLayout::Jump || layoutOf(index) == WordLayout::Sps)
      check(index, backwardJump(index), "back");
  }
}

}  // namespace
}  // namespace tavrin::lang
