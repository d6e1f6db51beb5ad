// Properties of the instruction table that the lookups rely on, checked over all its rows.
#include "main/lang/instruction_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/scripted_user_dialog.h"

namespace tavrin::lang {
namespace {

const InstructionTable& table() {
  return instructionTable();
}

TEST(InstructionTable, RowsOfAFirstByteStandAtThatIndexOrLater) {
  for (std::size_t i = 0; i < table().size(); ++i)
    EXPECT_GE(i, table()[i].firstByte()) << "row " << i << " " << table()[i].displayText();
}

TEST(InstructionTable, PlaceholderRows) {
  for (int i = 8; i <= 11; ++i) {
    EXPECT_EQ(table()[i].keyText(), "####");
    EXPECT_EQ(table()[i].opcode, 0);
  }
}

TEST(InstructionTable, EveryKeyFindsARowWithThatKey) {
  for (const InstrRow& row : table()) {
    std::string text(row.keyText());
    if (text == "####") continue;
    const int found = findByText(text, true);
    ASSERT_NE(found, kNoRow) << row.keyText();
    EXPECT_EQ(table()[found].keyText(), row.keyText());
  }
}

TEST(InstructionTable, EveryOpcodeFindsARowWithThatOpcode) {
  for (std::size_t i = 0; i < table().size(); ++i) {
    const InstrRow& row = table()[i];
    const int found = findByCode(row.opcode);
    ASSERT_NE(found, kNoRow) << std::hex << row.opcode;
    if (layoutOf(static_cast<int>(i)) == WordLayout::Mbr ||
        layoutOf(static_cast<int>(i)) == WordLayout::Svw) {
      EXPECT_EQ(table()[found].firstByte(), row.firstByte());
      continue;
    }
    EXPECT_EQ(table()[found].opcode, row.opcode) << i << " " << row.displayText();
  }
}

TEST(InstructionTable, OutputRowsFollowTheirInputRows) {
  // The retranslator takes the next row when a byte above 127 names an output.
  int pairs = 0;
  for (std::size_t i = 0; i + 1 < table().size(); ++i) {
    const InstrRow& e = table()[i];
    const std::string_view text = e.displayText();
    if (text.size() < 6 || text[4] != 'E' || e.lowByte() != 0x00 || e.parameterKind() == 0)
      continue;
    if (e.words != 1) continue;
    const InstrRow& a = table()[i + 1];
    EXPECT_EQ(a.opcode, e.opcode + 0x80) << text;
    EXPECT_EQ(a.displayText()[4], 'A') << text;
    ++pairs;
  }
  EXPECT_EQ(pairs, 7 * 8 + 6) << "U O S = UN ON R for eight bits, L/T of EB EW ED";
}

TEST(InstructionTable, LookupsOfTheDocumentedCases) {
  struct Case {
    const char* text;
    int row;
  };
  const Case texts[] = {{"U E 1.0", 258}, {"UN E 1.0", 322}, {"O", 486},  {"", 20},
                        {"L KF 10", 57},  {"SPA FB 3", 69},  {"***", 24}, {"BE", 112}};
  for (const auto& c : texts) {
    std::string text = c.text;
    EXPECT_EQ(findByText(text, true), c.row) << c.text;
  }
  std::string bogus = "XYZ";
  EXPECT_EQ(findByText(bogus, true), kNoRow);
  std::string blankOnly = "   ";
  EXPECT_EQ(findByText(blankOnly, true), 20) << "blanks only is an empty statement";
  std::string unknownAfterEmptyRows = "Q 1";
  EXPECT_EQ(findByText(unknownAfterEmptyRows, true), kNoRow)
      << "the empty key does not match every text";

  struct Code {
    uint16_t word;
    int row;
  };
  const Code
      codes[] = {{0x3005, 55},  {0xFFFF, 489}, {0x1082, 20},  {0x10FF, 24},
                 {0xC305, 264}, {0xC385, 264}, {0x6500, 112}, {0x6501, 111},
                 {0x6831, 114}, {0x7819, 121}};  // MBR: the first 0x78 row; the second word decides
  for (const auto& c : codes)
    EXPECT_EQ(findByCode(c.word), c.row) << std::hex << c.word;
  EXPECT_EQ(findByCode(0x5E00), kNoRow) << "a first byte without rows";
}

TEST(InstructionTable, LimitsFromTheAreaCounts) {
  struct Case {
    const char* text;
    uint16_t max;
    uint16_t max2;
  };
  const Case cases[] = {{"LEW", 126, 0xFFFF}, {"LED", 124, 0xFFFF},  {"LMD", 252, 0xFFFF},
                        {"LDD", 254, 0xFFFF}, {"LSY", 4095, 0xFFFF}, {"LSD", 4092, 0xFFFF},
                        {"US", 4095, 7},      {"UE", 127, 7},        {"PT", 255, 15},
                        {"LPW", 254, 0xFFFF}, {"SPAFB", 255, 0xFFFF}};
  for (const auto& c : cases) {
    std::string text = c.text;
    const InstrRow& row = table()[findByText(text, true)];
    EXPECT_EQ(row.max, c.max) << c.text;
    EXPECT_EQ(row.max2, c.max2) << c.text;
  }
  AreaSizes small = kAreaSizes;
  small.dataWords = 64;
  small.timers = 128;
  const InstructionTable other = buildInstructionTable(small);
  EXPECT_EQ(other[375].max, 62) << "L DD with 64 data words";
  EXPECT_EQ(other[2].max, 127) << "L T with 128 timers";
}

TEST(InstructionTable, RowIndexOutsideTheTableIsReported) {
  platform::ScriptedUserDialog dialog;
  const InstrRow& none = rowAt(491, &dialog);
  EXPECT_EQ(none.opcode, 0);
  EXPECT_EQ(none.keyText(), "");
  ASSERT_EQ(dialog.titles(), std::vector<std::string>{"Fehler"});
  EXPECT_EQ(dialog.texts(platform::DialogEvent::Kind::Error),
            std::vector<std::string>{"Tabellenindex (491) ung\xFCltig (max=491)!"});
  EXPECT_EQ(&rowAt(0), &table()[0]);
}

TEST(InstructionTable, WordLayouts) {
  struct Case {
    const char* text;
    WordLayout layout;
  };
  const Case cases[] = {
      {"BE", WordLayout::NoParameter},
      {"LT", WordLayout::ByteParameter},
      {"SVW", WordLayout::Svw},
      {"ADDBF", WordLayout::SignedByte},
      {"UE", WordLayout::InputOutputFlagBit},
      {"UM", WordLayout::InputOutputFlagBit},
      {"SPA=", WordLayout::Jump},
      {"SPS=", WordLayout::Sps},
      {"U=", WordLayout::Formal},
      {"LKF", WordLayout::SecondWordValue},
      {"BAFX", WordLayout::FxDxCall},
      {"MBR", WordLayout::Mbr},
      {"LKT", WordLayout::Kt},
      {"LKY", WordLayout::Ky},
      {"UD", WordLayout::DataWordBit},
      {"US", WordLayout::SFlagBit},
      {"PE", WordLayout::BitTest},
      {"LKG", WordLayout::Kg},
      {"LDH", WordLayout::DoubleHex},
      {"EDB", WordLayout::SecondWordValue},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(layoutOf(findByText(text, true)), c.layout) << c.text;
  }
  EXPECT_EQ(layoutOf(490), WordLayout::RawWord);
}

}  // namespace
}  // namespace tavrin::lang
