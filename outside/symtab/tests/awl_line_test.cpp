// Symbols into and out of statement lines and call parameter lines: one row per operand form,
// both ways, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "outside/symtab/tests/symtab_fixture.h"
#include "platform/cp1252.h"

namespace symtab_test {
namespace {

using namespace tavrin::platform::literals;

struct LineCase {
  const char* operand;  // as entered into the table
  const char* symbol;
  const char* comment;
  std::string absolute;  // the line as the statement parser writes it
};

const LineCase kCases[] = {
    {"E 1.0", "START_TASTER", "Starttaster Band 1", statementLine("U", "E", "1.0")},
    {"A 4.7", "MOTOR1-EIN", "Schütz Motor 1", statementLine("=", "A", "4.7")},
    {"M 10.3", "HILFSMERKER", "", statementLine("UN", "M", "10.3")},
    {"EB 3", "EINGANGSBYTE", "Byte 3", statementLine("L", "EB", "3")},
    {"AW 10", "ANZEIGE", "Anzeigewort", statementLine("T", "AW", "10")},
    {"MW 10", "ZWISCHENWERT", "", statementLine("L", "MW", "10")},
    {"MD 20", "SUMME", "Doppelwort", statementLine("L", "MD", "20")},
    {"T 5", "VERZOEGERUNG", "Zeit 5", statementLine("SE", "T", "5")},
    {"Z 7", "STUECKZAHL", "Zähler 7", statementLine("ZV", "Z", "7")},
    {"PB 12", "BANDSTEUERUNG", "", statementLine("SPA", "PB", "12")},
    {"FB 1", "ANTRIEB", "Funktionsbaustein", statementLine("SPB", "FB", "1")},
    {"DB 5", "REZEPTE", "", statementLine("A", "DB", "5")},
    {"FX 2", "ERWEITERT", "", statementLine("BA", "FX", "2")},
    {"DW 3", "SOLLWERT", "Datenwort 3", statementLine("L", "DW", "3")},
    {"D 3.15", "VORZEICHEN", "Bit 15 von DW 3", statementLine("U", "D", "3.15")},
    {"S 4095.7", "LETZTES_S-BIT", "", statementLine("U", "S", "4095.7")},
    {"SY 100", "S_BYTE", "", statementLine("L", "SY", "100")},
    {"PY 128", "ANALOGWERT", "Peripherie", statementLine("L", "PY", "128")},
    {"BS 10", "SYSTEMDATEN", "", statementLine("L", "BS", "10")},
    {"BS 11.15", "SYSTEMBIT", "", statementLine("SU", "BS", "11.15")},
    {"DD 4", "GLEITPUNKT", "", statementLine("L", "DD", "4")},
    {"E 127.7", "ABCDEFGHIJKLMNOPQRSTUVWX", "langes Symbol", statementLine("O", "E", "127.7")},
    {"E 2.1", "FÜLLSTAND_MAX"_cp1252, "", statementLine("ON", "E", "2.1")},
    // Actual parameters of a block call.
    {"E 0.1", "FREIGABE", "Freigabe", callParameterLine("EIN", "E", "0.1")},
    {"MW 20", "ISTWERT", "", callParameterLine("WERT", "MW", "20")},
    {"T 6", "ZEIT_6", "", callParameterLine("ZEIT", "T", "6")},
    {"DB 7", "DATEN", "", callParameterLine("BST", "DB", "7")},
};

class AwlLineTest : public SymtabTest {
 protected:
  void SetUp() override {
    SymtabTest::SetUp();
    for (const LineCase& row : kCases)
      ASSERT_EQ(SymbolAnlegen(row.operand, row.symbol, row.comment), 1) << row.operand;
  }
};

TEST_F(AwlLineTest, EveryOperandFormBecomesItsSymbolAndBackByteForByte) {
  for (const LineCase& row : kCases) {
    const std::string shown = symbolLine(row.absolute, row.symbol);
    const Transformed inserted = insert(row.absolute, 1, 0, 0);
    EXPECT_EQ(inserted.result, 1) << row.operand;
    EXPECT_EQ(inserted.line, shown) << row.operand;
    const Transformed removed = remove(inserted.line);
    EXPECT_EQ(removed.result, 2) << row.operand;
    EXPECT_EQ(removed.line, row.absolute) << row.operand;
  }
}

TEST_F(AwlLineTest, ASymbolIsFoundInAnyCase) {
  const std::string absolute = statementLine("U", "E", "1.0");
  EXPECT_EQ(remove(symbolLine(absolute, "start_taster")).line, absolute);
  // Inserting again writes the table's spelling.
  const Transformed reinserted = insert(symbolLine(absolute, "Start_Taster"), 1, 0, 0);
  EXPECT_EQ(reinserted.result, 1);
  EXPECT_EQ(reinserted.line, symbolLine(absolute, "START_TASTER"));
}

TEST_F(AwlLineTest, OperandsInOtherSpellingsAreFoundAndWrittenBackNormalised) {
  std::string line = padTo("0000      :U   e 1.0", 89);
  const Transformed inserted = insert(line, 1, 0, 0);
  EXPECT_EQ(inserted.result, 1);
  EXPECT_EQ(inserted.line, symbolLine(statementLine("U", "E", "1.0"), "START_TASTER"));
  EXPECT_EQ(remove(inserted.line).line, statementLine("U", "E", "1.0"));
  EXPECT_EQ(insert(statementLine("L", "MW", "010"), 1, 0, 0).line,
            symbolLine(statementLine("L", "MW", "10"), "ZWISCHENWERT"));
}

TEST_F(AwlLineTest, AutoCommentFillsABlankCommentField) {
  const std::string absolute = statementLine("U", "E", "1.0");
  const Transformed both = insert(absolute, 1, 1, 0);
  EXPECT_EQ(both.result, 1);
  EXPECT_EQ(both.line, withComment(symbolLine(absolute, "START_TASTER"), "Starttaster Band 1"));
  // Removing the symbol keeps the comment: it is free text of the line.
  EXPECT_EQ(remove(both.line).line, withComment(absolute, "Starttaster Band 1"));

  const Transformed commentOnly = insert(absolute, 0, 1, 0);
  EXPECT_EQ(commentOnly.result, 1);
  EXPECT_EQ(commentOnly.line, withComment(absolute, "Starttaster Band 1"));
}

TEST_F(AwlLineTest, AnExistingCommentStaysUnlessReplacing) {
  const std::string absolute = withComment(statementLine("U", "E", "1.0"), "alter Kommentar");
  const Transformed kept = insert(absolute, 1, 1, 0);
  EXPECT_EQ(kept.result, 1);
  EXPECT_EQ(kept.line, withComment(symbolLine(absolute, "START_TASTER"), "alter Kommentar"));

  const Transformed replaced = insert(absolute, 1, 1, 1);
  EXPECT_EQ(replaced.result, 1);
  EXPECT_EQ(replaced.line, withComment(symbolLine(absolute, "START_TASTER"), "Starttaster Band 1"));

  // A longer old comment is blanked where the new one is shorter.
  const std::string longOld =
      withComment(statementLine("U", "E", "1.0"), "ein sehr langer alter Kommentar hier");
  EXPECT_EQ(insert(longOld, 0, 1, 1).line,
            withComment(statementLine("U", "E", "1.0"), "Starttaster Band 1"));
}

TEST_F(AwlLineTest, AnEmptySymbolCommentNeverErasesAComment) {
  const std::string absolute = withComment(statementLine("UN", "M", "10.3"), "von Hand");
  EXPECT_EQ(insert(absolute, 1, 1, 1).line,
            withComment(symbolLine(absolute, "HILFSMERKER"), "von Hand"));
}

TEST_F(AwlLineTest, CallParameterLinesKeepTheirKindAndTypeUnlessReplacing) {
  const std::string absolute = withComment(callParameterLine("EIN", "E", "0.1"), "(E/BI)");
  EXPECT_EQ(insert(absolute, 1, 1, 0).line,
            withComment(symbolLine(absolute, "FREIGABE"), "(E/BI)"));
  EXPECT_EQ(insert(absolute, 1, 1, 1).line,
            withComment(symbolLine(absolute, "FREIGABE"), "Freigabe"));
}

TEST_F(AwlLineTest, ALongCommentIsCutAtTheLineEnd) {
  const std::string comment(60, 'k');
  ASSERT_EQ(SymbolAnlegen("M 1.1", "LANG", comment.c_str()), 1);
  const Transformed inserted = insert(statementLine("U", "M", "1.1"), 0, 1, 0);
  EXPECT_EQ(inserted.line.size(), 89u);
  EXPECT_EQ(inserted.line.substr(52), std::string(37, 'k'));
  EXPECT_STREQ(GetKommentarVonOperand("M 1.1", 1), std::string(37, 'k').c_str());
  EXPECT_STREQ(GetKommentarVonOperand("M 1.1", 0), comment.c_str());
}

TEST_F(AwlLineTest, WithoutShowSymbolsASymbolInTheLineBecomesTheOperand) {
  const std::string absolute = statementLine("L", "MW", "10");
  const Transformed back = insert(symbolLine(absolute, "ZWISCHENWERT"), 0, 0, 0);
  EXPECT_EQ(back.result, 1);
  EXPECT_EQ(back.line, absolute);
}

TEST_F(AwlLineTest, InsertingTwiceChangesNothingMore) {
  for (const LineCase& row : kCases) {
    const std::string once = insert(row.absolute, 1, 1, 0).line;
    EXPECT_EQ(insert(once, 1, 1, 0).line, once) << row.operand;
  }
}

TEST_F(AwlLineTest, OperandsWithoutSymbolAndNonOperandsAreLeftAlone) {
  const std::string lines[] = {
      statementLine("U", "E", "9.0"),     // no entry
      statementLine("L", "KF", "+5"),     // a constant
      statementLine("L", "KH", "00FF"),   // a constant
      statementLine("SPA", "=", "M001"),  // a jump to a label
      statementLine("U", "=", "EIN"),     // a formal operand
      statementLine("BE", "", ""),        // no operand
      statementLine("***", "", ""),       // network end
      statementLine("NOP", "0", ""),      // not an area
      statementLine("LDI", "A1", ""),     // a register
      callParameterLine("EIN", "????", ""),
      padTo("NETZWERK 1    E   1.0", 89),
      padTo("0000      :;  E   1.0 Kommentarzeile", 89),
      padTo("     NAME :NoName", 89),
      padTo("     BEZ  :EIN  E/A/D/B/T/Z: E   BI/BY/W/D: BI", 89),
      padTo("0000       U   E   1.0", 89),  // neither ':' nor '>' in column 10
      "0000      :U   E",                   // 16 characters, no address
      "0000      :U   ",                    // shorter than 16
      "",
  };
  for (const std::string& line : lines) {
    const Transformed inserted = insert(line, 1, 1, 1);
    EXPECT_EQ(inserted.result, 0) << line;
    EXPECT_EQ(inserted.line, line) << line;
    const Transformed removed = remove(line);
    EXPECT_EQ(removed.result, 1) << line;
    EXPECT_EQ(removed.line, line) << line;
  }
}

TEST_F(AwlLineTest, AnEntryWithoutSymbolGivesItsCommentButNoSymbol) {
  // An entry that carries a comment only comes from a file.
  writeFile("k.seq", "\tE 9.2\t\tnur Kommentar\n\x1A");
  ASSERT_EQ(load("k.seq"), 1);
  const std::string absolute = statementLine("U", "E", "9.2");
  const Transformed inserted = insert(absolute, 1, 1, 0);
  EXPECT_EQ(inserted.result, 0);
  EXPECT_EQ(inserted.line, withComment(absolute, "nur Kommentar"));
}

TEST_F(AwlLineTest, AnUnknownSymbolIsReportedAndLeftAlone) {
  const std::string lines[] = {
      symbolLine(statementLine("U", "E", "1.0"), "GIBT_ES_NICHT"),
      symbolLine(statementLine("U", "E", "1.0"), ""),
      symbolLine(callParameterLine("EIN", "E", "0.1"), "UNBEKANNT"),
      padTo("0000      :U   -ZWEI WORTE", 89),
  };
  for (const std::string& line : lines) {
    const Transformed removed = remove(line);
    EXPECT_EQ(removed.result, 0) << line;
    EXPECT_EQ(removed.line, line) << line;
    const Transformed inserted = insert(line, 1, 1, 0);
    EXPECT_EQ(inserted.result, 0) << line;
    EXPECT_EQ(inserted.line, line) << line;
  }
}

TEST_F(AwlLineTest, ShortLinesComeBackWithoutTrailingBlanks) {
  const std::string shortLine = "0000      :U   E  1.0";
  const Transformed inserted = insert(shortLine, 1, 0, 0);
  EXPECT_EQ(inserted.line, "0000      :U   -START_TASTER");
  EXPECT_EQ(remove(inserted.line).line, shortLine);

  const Transformed commented = insert(shortLine, 1, 1, 0);
  EXPECT_EQ(commented.line, padTo("0000      :U   -START_TASTER", 52) + "Starttaster Band 1");
  EXPECT_LE(commented.line.size(), 89u);
}

TEST_F(AwlLineTest, LinesLongerThan89ColumnsKeepTheirTail) {
  const std::string absolute = statementLine("U", "E", "1.0") + "XYZ";
  const Transformed inserted = insert(absolute, 1, 1, 0);
  EXPECT_EQ(inserted.line,
            withComment(symbolLine(absolute, "START_TASTER"), "Starttaster Band 1") + "XYZ");
  EXPECT_EQ(remove(inserted.line).line, withComment(absolute, "Starttaster Band 1") + "XYZ");
}

TEST_F(AwlLineTest, NullLinesAreHarmless) {
  EXPECT_EQ(SymbolikInAwlZeileEinfuegen(nullptr, 1, 1, 1), 0);
  EXPECT_EQ(SymbolikInAwlZeileEntfernen(nullptr), 1);
}

}  // namespace
}  // namespace symtab_test
