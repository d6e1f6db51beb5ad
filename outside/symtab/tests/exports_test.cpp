// The exported functions as a caller uses them: lookups, entries, adding, and that every
// declared function can be found by name in the built library.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "outside/symtab/tests/symtab_fixture.h"
#include "platform/cp1252.h"
#include "platform/testing/exported_functions.h"

namespace symtab_test {
namespace {

using namespace tavrin::platform::literals;

std::set<std::string> declaredFunctions() {
  std::ifstream header(SYMTAB_HEADER_PATH);
  std::stringstream text;
  text << header.rdbuf();
  const std::string source = text.str();
  const std::regex declaration(R"(\nSYMTAB32_API[^;(]*\b(\w+)\s*\()");
  std::set<std::string> names;
  for (std::sregex_iterator it(source.begin(), source.end(), declaration), end; it != end; ++it)
    names.insert((*it)[1]);
  return names;
}

TEST(Exports, EveryDeclaredFunctionIsExported) {
  const std::set<std::string> names = declaredFunctions();
  ASSERT_EQ(names.size(), 21u) << "the header was not read: " << SYMTAB_HEADER_PATH;
  const tavrin::testing::ExportCheck check =
      tavrin::testing::checkExports(SYMTAB_LIBRARY_PATH, names);
  ASSERT_EQ(check.loadError, "");
  EXPECT_TRUE(check.missing.empty()) << *check.missing.begin() << " is not exported";
  for (const char* name : {"SeqLaden", "SymbolikInAwlZeileEinfuegen", "SymbolikInAwlZeileEntfernen",
                           "SymbolAnlegen", "SymbolPruefen", "IstS5Operand"})
    EXPECT_EQ(names.count(name), 1u) << name;
}

class ExportsTest : public SymtabTest {
 protected:
  void SetUp() override {
    SymtabTest::SetUp();
    ASSERT_EQ(SymbolAnlegen("E 1.0", "START_TASTER", "Starttaster"), 1);
    ASSERT_EQ(SymbolAnlegen("mw10", "Zwischenwert", ""), 1);
    ASSERT_EQ(SymbolAnlegen(" DB 5 ", "  REZEPTE  ", "  Rezeptdaten  "), 1);
  }
};

TEST_F(ExportsTest, LookupsAcceptEverySpellingOfAnOperand) {
  EXPECT_EQ(GetAnzahlSymbole(), 3);
  for (const char* spelling : {"MW 10", "MW10", "mw 10", "MW 010"}) {
    EXPECT_EQ(GetIndexVonOperand(spelling), 1) << spelling;
    EXPECT_STREQ(GetSymbolVonOperand(spelling, 0), "Zwischenwert") << spelling;
    EXPECT_STREQ(GetSymbolVonOperand(spelling, 1), "Zwischenwert") << spelling;
    EXPECT_STREQ(GetKommentarVonOperand(spelling, 0), "") << spelling;
  }
  EXPECT_STREQ(GetKommentarVonOperand("e1.0", 0), "Starttaster");
  EXPECT_STREQ(GetKommentarVonOperand("DB5", 1), "Rezeptdaten");
  EXPECT_STREQ(GetOperandVonSymbol("zwischenWERT"), "MW 10");
}

TEST_F(ExportsTest, UnknownOperandsGiveNothing) {
  for (const char* operand : {"MW 12", "KF 5", "", "START_TASTER"}) {
    EXPECT_EQ(GetIndexVonOperand(operand), -1) << operand;
    EXPECT_EQ(GetSymbolVonOperand(operand, 0), nullptr) << operand;
    EXPECT_EQ(GetKommentarVonOperand(operand, 0), nullptr) << operand;
  }
  EXPECT_EQ(GetIndexVonOperand(nullptr), -1);
  EXPECT_EQ(GetSymbolVonOperand(nullptr, 0), nullptr);
  EXPECT_EQ(GetOperandVonSymbol("GIBT_ES_NICHT"), nullptr);
  EXPECT_EQ(GetOperandVonSymbol(nullptr), nullptr);
}

TEST_F(ExportsTest, EntriesByIndex) {
  EXPECT_STREQ(GetSymbolVonIndex(0), "E 1.0\tSTART_TASTER\tStarttaster");
  EXPECT_STREQ(GetSymbolVonIndex(1), "MW 10\tZwischenwert\t");
  EXPECT_STREQ(GetSymbolVonIndex(2), "DB 5\tREZEPTE\tRezeptdaten");
  EXPECT_EQ(GetSymbolVonIndex(3), nullptr);
  EXPECT_EQ(GetSymbolVonIndex(-1), nullptr);
}

TEST_F(ExportsTest, AnEntryLineSplitsIntoItsFields) {
  char operand[SYMTAB32_OPERAND_BYTES];
  char symbol[SYMTAB32_SYMBOL_BYTES];
  char comment[SYMTAB32_COMMENT_BYTES];
  for (int i = 0; i < GetAnzahlSymbole(); ++i) {
    const std::string line = GetSymbolVonIndex(i);
    ASSERT_EQ(SymbolZeileAufteilen(line.c_str(), operand, symbol, comment), 1) << line;
    EXPECT_EQ(std::string(operand) + '\t' + symbol + '\t' + comment, line);
  }
  EXPECT_EQ(SymbolZeileAufteilen("\tmw10 \t WERT\tKommentar\r\n", operand, symbol, comment), 1);
  EXPECT_STREQ(operand, "MW 10");
  EXPECT_STREQ(symbol, "WERT");
  EXPECT_STREQ(comment, "Kommentar");
  EXPECT_EQ(SymbolZeileAufteilen("xy 5\tS", operand, nullptr, nullptr), 1);
  EXPECT_STREQ(operand, "XY 5");
}

TEST_F(ExportsTest, SplittingCutsFieldsToTheirBuffers) {
  char operand[SYMTAB32_OPERAND_BYTES];
  char symbol[SYMTAB32_SYMBOL_BYTES];
  char comment[SYMTAB32_COMMENT_BYTES];
  const std::string line =
      std::string(20, 'O') + '\t' + std::string(30, 'S') + '\t' + std::string(100, 'K');
  ASSERT_EQ(SymbolZeileAufteilen(line.c_str(), operand, symbol, comment), 1);
  EXPECT_EQ(std::string(operand), std::string(12, 'O'));
  EXPECT_EQ(std::string(symbol), std::string(24, 'S'));
  EXPECT_EQ(std::string(comment), std::string(80, 'K'));
}

TEST_F(ExportsTest, CommentLinesAndBadLinesDoNotSplit) {
  char operand[SYMTAB32_OPERAND_BYTES] = "?";
  char symbol[SYMTAB32_SYMBOL_BYTES] = "?";
  char comment[SYMTAB32_COMMENT_BYTES] = "?";
  for (const char* line : {"\t; Kommentar", "; Kommentar", "a\tb\tc\td", "\t\t\t\t"}) {
    EXPECT_EQ(SymbolZeileAufteilen(line, operand, symbol, comment), 0) << line;
    EXPECT_STREQ(operand, "");
    EXPECT_STREQ(symbol, "");
    EXPECT_STREQ(comment, "");
  }
  EXPECT_EQ(SymbolZeileAufteilen(nullptr, operand, symbol, comment), 0);
}

TEST_F(ExportsTest, AddingRefusesWhatCannotBeAnEntry) {
  EXPECT_EQ(SymbolAnlegen("KF 5", "KONSTANTE", ""), 0);
  EXPECT_EQ(SymbolAnlegen("MW 300", "ZU_GROSS", ""), 0);
  EXPECT_EQ(SymbolAnlegen("MW 12", "MW12", ""), 0);
  EXPECT_EQ(SymbolAnlegen("MW 12", "ZWEI WORTE", ""), 0);
  EXPECT_EQ(SymbolAnlegen("MW 12", "", "nur Kommentar"), 0);
  EXPECT_EQ(SymbolAnlegen("MW 12", "START_TASTER", ""), 0);  // E 1.0 has it
  EXPECT_EQ(SymbolAnlegen("MW 12", "start_taster", ""), 0);  // in any case
  EXPECT_EQ(SymbolAnlegen("MW 12", "NEU", std::string(81, 'k').c_str()), 0);
  EXPECT_EQ(SymbolAnlegen("MW 12", "NEU", "mit\tTab"), 0);
  EXPECT_EQ(SymbolAnlegen(nullptr, "NEU", ""), 0);
  EXPECT_EQ(SymbolAnlegen("MW 12", nullptr, ""), 0);
  EXPECT_EQ(GetAnzahlSymbole(), 3);
  EXPECT_EQ(IstSymbolikGeaendert(), 1);

  EXPECT_EQ(SymbolAnlegen("MW 12", "NEU", std::string(80, 'k').c_str()), 1);
  EXPECT_EQ(SymbolAnlegen("MW 14", "NEU2", nullptr), 1);
  EXPECT_EQ(GetAnzahlSymbole(), 5);
}

TEST_F(ExportsTest, ReplacingKeepsThePlaceAndFreesTheOldSymbol) {
  EXPECT_EQ(SymbolAnlegen("E 1.0", "START", "neu"), 2);
  EXPECT_EQ(GetIndexVonOperand("E 1.0"), 0);
  EXPECT_STREQ(GetSymbolVonIndex(0), "E 1.0\tSTART\tneu");
  EXPECT_EQ(GetOperandVonSymbol("START_TASTER"), nullptr);
  EXPECT_EQ(SymbolAnlegen("E 1.1", "START_TASTER", ""), 1);
  // The operand's own symbol may be given again, in another case too.
  EXPECT_EQ(SymbolAnlegen("E 1.1", "Start_Taster", "x"), 2);
  EXPECT_STREQ(GetSymbolVonOperand("E 1.1", 0), "Start_Taster");
}

TEST_F(ExportsTest, ReturnedTextsStayUntilTheSameFunctionIsCalledAgain) {
  const char* symbol = GetSymbolVonOperand("E 1.0", 0);
  const char* comment = GetKommentarVonOperand("E 1.0", 0);
  const char* line = GetSymbolVonIndex(2);
  EXPECT_STREQ(symbol, "START_TASTER");
  EXPECT_STREQ(comment, "Starttaster");
  EXPECT_STREQ(line, "DB 5\tREZEPTE\tRezeptdaten");
}

TEST_F(ExportsTest, TheSelectedFileIsReturnedAsGiven) {
  const std::string path = at("Projekt/SYMBOLE.SEQ");
  SetSymbolikDatei(path.c_str());
  EXPECT_EQ(std::string(GetSymbolikDatei()), path);
  SetSymbolikDatei(nullptr);
  EXPECT_STREQ(GetSymbolikDatei(), "");
}

}  // namespace
}  // namespace symtab_test
