// The symbol file: reading, saving, and what happens to lines that cannot be entries.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "outside/symtab/seq_format.h"
#include "outside/symtab/tests/symtab_fixture.h"
#include "platform/cp1252.h"

namespace symtab_test {
namespace {

using namespace tavrin::platform::literals;

// Written by hand in the form the library writes.
const std::string kHandWritten =
    "\t; Symbole der Bandanlage\n"
    "\tE 1.0\tSTART_TASTER\tStarttaster Band 1\n"
    "\tE 1.1\tSTOP_TASTER\t\n"
    "\tA 4.7\tMOTOR1-EIN\tSchütz Motor 1\n"_cp1252 +
    std::string("\t;\n") + "\tMW 10\tZWISCHENWERT\tWert für Anzeige\n"_cp1252 +
    "\tT 5\tVERZOEGERUNG\t\n"
    "\tDB 5\tREZEPTE\tRezeptdaten\n"
    "\tD 3.15\tVORZEICHEN\t\n"
    "\tS 4095.7\tLETZTES_S-BIT\tSchleppzeiger\n"
    "\t\t\t\n"
    "\tE 2.0\t\tnur ein Kommentar\n"
    "\x1A";

std::string entry(int index) {
  const char* line = GetSymbolVonIndex(index);
  return line == nullptr ? "<null>" : line;
}

class SeqFileTest : public SymtabTest {};

TEST_F(SeqFileTest, AHandWrittenFileIsReadAndSavedByteForByte) {
  writeFile("ANLAGE.SEQ", kHandWritten);
  ASSERT_EQ(load("ANLAGE.SEQ"), 1) << GetSeqFehler();
  EXPECT_STREQ(GetSeqFehler(), "");
  EXPECT_EQ(GetAnzahlSymbole(), 9);
  EXPECT_EQ(entry(0), "E 1.0\tSTART_TASTER\tStarttaster Band 1");
  EXPECT_EQ(entry(2), "A 4.7\tMOTOR1-EIN\tSchütz Motor 1"_cp1252);
  EXPECT_EQ(entry(8), "E 2.0\t\tnur ein Kommentar");
  EXPECT_EQ(GetIndexVonOperand("mw10"), 3);

  ASSERT_EQ(SeqSpeichern(), 1) << GetSeqFehler();
  EXPECT_EQ(readFile("ANLAGE.SEQ"), kHandWritten);

  // And once more from the saved file.
  ASSERT_EQ(SeqLaden(), 1);
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(readFile("ANLAGE.SEQ"), kHandWritten);
}

TEST_F(SeqFileTest, NewEntriesAreAppendedAndReplacementsKeepTheirPlace) {
  writeFile("a.seq", kHandWritten);
  ASSERT_EQ(load("a.seq"), 1);
  EXPECT_EQ(IstSymbolikGeaendert(), 0);
  ASSERT_EQ(SymbolAnlegen("mw 12", "NEUER_WERT", "neu"), 1);
  ASSERT_EQ(SymbolAnlegen("E1.1", "HALT_TASTER", "Halt"), 2);
  EXPECT_EQ(IstSymbolikGeaendert(), 1);
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(IstSymbolikGeaendert(), 0);

  std::string expected = kHandWritten;
  expected.replace(expected.find("\tE 1.1\tSTOP_TASTER\t\n"), 20, "\tE 1.1\tHALT_TASTER\tHalt\n");
  expected.insert(expected.size() - 1, "\tMW 12\tNEUER_WERT\tneu\n");
  EXPECT_EQ(readFile("a.seq"), expected);
  EXPECT_EQ(GetAnzahlSymbole(), 10);
  EXPECT_EQ(entry(9), "MW 12\tNEUER_WERT\tneu");
}

TEST_F(SeqFileTest, FourTabsRefuseTheFile) {
  writeFile("bad.seq", "\tE 1.0\tSTART\tgut\n\tE 1.1\tSTOP\tKommentar\tzu viel\n\x1A");
  EXPECT_EQ(load("bad.seq"), 0);
  EXPECT_STREQ(GetSeqFehler(), "Fehlerhafte SEQ-Datei (Zu viele Tabs) !");
  EXPECT_EQ(GetSeqFehlerZeile(), 2);
  EXPECT_EQ(GetAnzahlSymbole(), 0);

  // The file that could not be read is not overwritten with the empty table.
  const std::string before = readFile("bad.seq");
  EXPECT_EQ(SeqSpeichern(), 0);
  EXPECT_STRNE(GetSeqFehler(), "");
  EXPECT_EQ(readFile("bad.seq"), before);

  // Until the next load that succeeds.
  writeFile("bad.seq", "\tE 1.0\tSTART\tgut\n\x1A");
  EXPECT_EQ(SeqLaden(), 1);
  EXPECT_EQ(GetSeqFehlerZeile(), 0);
  EXPECT_EQ(SeqSpeichern(), 1);
}

TEST_F(SeqFileTest, ThreeFieldsWithoutLeadingTabAreReadButFourAreRefused) {
  writeFile("x.seq", "E 1.0\tSTART\tKommentar\n\x1A");
  ASSERT_EQ(load("x.seq"), 1);
  EXPECT_EQ(entry(0), "E 1.0\tSTART\tKommentar");
  writeFile("x.seq", "E 1.0\tSTART\tKommentar\tmehr\n\x1A");
  EXPECT_EQ(load("x.seq"), 0);
  EXPECT_STREQ(GetSeqFehler(), "Fehlerhafte SEQ-Datei (Zu viele Tabs) !");
}

TEST_F(SeqFileTest, AMissingFileGivesAnEmptyTable) {
  ASSERT_EQ(SymbolAnlegen("E 1.0", "ALT", ""), 1);
  EXPECT_EQ(load("gibt_es_nicht.seq"), 1);
  EXPECT_EQ(GetAnzahlSymbole(), 0);
  EXPECT_STREQ(GetSeqFehler(), "");
  EXPECT_FALSE(exists("gibt_es_nicht.seq"));

  // Saving creates it.
  ASSERT_EQ(SymbolAnlegen("E 1.0", "NEU", "neu"), 1);
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(readFile("gibt_es_nicht.seq"), "\tE 1.0\tNEU\tneu\n\x1A");
}

TEST_F(SeqFileTest, AnEmptyTableIsSavedAsTheEndMarkOnly) {
  SetSymbolikDatei(at("leer.seq").c_str());
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(readFile("leer.seq"), "\x1A");
  EXPECT_EQ(SeqLaden(), 1);
  EXPECT_EQ(GetAnzahlSymbole(), 0);
}

TEST_F(SeqFileTest, ReadingStopsAtTheEndMark) {
  writeFile("e.seq", "\tE 1.0\tSTART\t\n\x1A\tE 1.1\tSTOP\t\n");
  ASSERT_EQ(load("e.seq"), 1);
  EXPECT_EQ(GetAnzahlSymbole(), 1);
  EXPECT_EQ(GetIndexVonOperand("E 1.1"), -1);
}

TEST_F(SeqFileTest, AFileWithoutEndMarkOrLastLineFeedIsRead) {
  writeFile("n.seq", "\tE 1.0\tSTART\t\n\tE 1.1\tSTOP\tletzte Zeile");
  ASSERT_EQ(load("n.seq"), 1);
  EXPECT_EQ(GetAnzahlSymbole(), 2);
  EXPECT_EQ(entry(1), "E 1.1\tSTOP\tletzte Zeile");
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(readFile("n.seq"), "\tE 1.0\tSTART\t\n\tE 1.1\tSTOP\tletzte Zeile\n\x1A");
}

TEST_F(SeqFileTest, CrLfLinesAreRead) {
  writeFile("w.seq", "\tE 1.0\tSTART\tmit CR\r\n\t; Kommentar\r\n\tMW 10\tWERT\t\r\n\x1A");
  ASSERT_EQ(load("w.seq"), 1);
  EXPECT_EQ(GetAnzahlSymbole(), 2);
  EXPECT_EQ(entry(0), "E 1.0\tSTART\tmit CR");
  EXPECT_EQ(entry(1), "MW 10\tWERT\t");
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(readFile("w.seq"), "\tE 1.0\tSTART\tmit CR\n\t; Kommentar\n\tMW 10\tWERT\t\n\x1A");
}

TEST_F(SeqFileTest, BlanksAfterTabsAndAtFieldEndsAreDroppedAndOperandsNormalised) {
  writeFile("b.seq", "\t  mw10  \t  WERT  \t  Kommentar  \n\te 1.0\tStart\t\n\x1A");
  ASSERT_EQ(load("b.seq"), 1);
  EXPECT_EQ(entry(0), "MW 10\tWERT\tKommentar");
  EXPECT_EQ(entry(1), "E 1.0\tStart\t");
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(readFile("b.seq"), "\tMW 10\tWERT\tKommentar\n\tE 1.0\tStart\t\n\x1A");
}

TEST_F(SeqFileTest, CommentLinesAreKeptWithTheirText) {
  writeFile("c.seq", ";ohne Tab\n\t;  mit Tab\tund Tab\n\tE 1.0\tSTART\t\n\x1A");
  ASSERT_EQ(load("c.seq"), 1);
  EXPECT_EQ(GetAnzahlSymbole(), 1);
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(readFile("c.seq"), "\t;ohne Tab\n\t;  mit Tab\tund Tab\n\tE 1.0\tSTART\t\n\x1A");
}

TEST_F(SeqFileTest, LinesThatCannotBeEntriesAreKeptButSetAside) {
  const std::string file =
      "\tE 1.0\tSTART\teins\n"
      "\tXY 5\tKEIN_OPERAND\tzwei\n"
      "\tE 1.1\tUNGÜLTIG!\tdrei\n"_cp1252 +
      std::string(
          "\tE 1.0\tNOCHMAL\tvier\n"
          "\tE 1.2\tstart\tfünf\n"_cp1252) +
      "\tE 1.3\tMW10\tsechs\n"
      "\t\tOHNE_OPERAND\tsieben\n"
      "\tE 1.4\tGUT\tacht\n"
      "\x1A";
  writeFile("s.seq", file);
  EXPECT_EQ(load("s.seq"), 2);
  EXPECT_EQ(GetSeqFehlerZeile(), 2);
  const std::string error = GetSeqFehler();
  EXPECT_NE(error.find(": 6\n"), std::string::npos) << error;
  EXPECT_NE(error.find("XY 5"), std::string::npos) << error;

  EXPECT_EQ(GetAnzahlSymbole(), 2);
  EXPECT_EQ(entry(0), "E 1.0\tSTART\teins");
  EXPECT_EQ(entry(1), "E 1.4\tGUT\tacht");
  EXPECT_EQ(GetIndexVonOperand("E 1.1"), -1);
  EXPECT_EQ(GetOperandVonSymbol("NOCHMAL"), nullptr);
  EXPECT_STREQ(GetOperandVonSymbol("start"), "E 1.0");

  // Saving writes them back where they were.
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(readFile("s.seq"), file);
}

TEST_F(SeqFileTest, TheFileIsFoundWhateverTheCaseOfItsName) {
  writeFile("Anlage.Seq", "\tE 1.0\tSTART\t\n\x1A");
  ASSERT_EQ(load("ANLAGE.SEQ"), 1);
  EXPECT_EQ(GetAnzahlSymbole(), 1);
  ASSERT_EQ(SymbolAnlegen("E 1.1", "STOP", ""), 1);
  ASSERT_EQ(SeqSpeichern(), 1);
  std::vector<std::string> names;
  for (const auto& item : std::filesystem::directory_iterator(root_))
    names.push_back(item.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"Anlage.Seq"});
  EXPECT_EQ(readFile("Anlage.Seq"), "\tE 1.0\tSTART\t\n\tE 1.1\tSTOP\t\n\x1A");
}

TEST_F(SeqFileTest, SavingWithoutFileOrIntoAMissingDirectoryFails) {
  ASSERT_EQ(SymbolAnlegen("E 1.0", "START", ""), 1);
  EXPECT_EQ(SeqSpeichern(), 0);
  EXPECT_STRNE(GetSeqFehler(), "");
  SetSymbolikDatei(at("fehlt/x.seq").c_str());
  EXPECT_EQ(SeqSpeichern(), 0);
  EXPECT_STREQ(GetSeqFehler(), "Fehler beim Schreiben der Datei !");
  EXPECT_EQ(IstSymbolikGeaendert(), 1);
}

TEST_F(SeqFileTest, AFileThatCannotBeReadFails) {
  std::filesystem::create_directories(root_ / "ordner.seq");
  EXPECT_EQ(load("ordner.seq"), 0);
  EXPECT_STREQ(GetSeqFehler(), "Fehler beim Lesen der Datei !");
}

TEST_F(SeqFileTest, SelectingAFileKeepsTheTableForSavingUnderANewName) {
  writeFile("alt.seq", kHandWritten);
  ASSERT_EQ(load("alt.seq"), 1);
  SetSymbolikDatei(at("neu.seq").c_str());
  EXPECT_EQ(std::string(GetSymbolikDatei()), at("neu.seq"));
  EXPECT_EQ(GetAnzahlSymbole(), 9);
  ASSERT_EQ(SeqSpeichern(), 1);
  EXPECT_EQ(readFile("neu.seq"), kHandWritten);
}

TEST_F(SeqFileTest, FreeingEmptiesTheTable) {
  writeFile("f.seq", kHandWritten);
  ASSERT_EQ(load("f.seq"), 1);
  SymbolSpeicherEntfernen();
  EXPECT_EQ(GetAnzahlSymbole(), 0);
  EXPECT_EQ(GetSymbolVonOperand("E 1.0", 0), nullptr);
}

// The reader on its own.
TEST(SeqFormat, SplitsFieldsAsTheFileHoldsThem) {
  using tavrin::symtab::splitFields;
  using Fields = std::array<std::string, 3>;
  EXPECT_EQ(splitFields("\tE 1.0\tSTART\tKommentar\n"), (Fields{"E 1.0", "START", "Kommentar"}));
  EXPECT_EQ(splitFields("E 1.0\tSTART"), (Fields{"E 1.0", "START", ""}));
  EXPECT_EQ(splitFields("  \tE 1.0\t START \t  x  "), (Fields{"E 1.0", "START", "x"}));
  EXPECT_EQ(splitFields(""), (Fields{"", "", ""}));
  EXPECT_EQ(splitFields("\t\t\t"), (Fields{"", "", ""}));
  EXPECT_FALSE(splitFields("\t\t\t\t").has_value());
  EXPECT_FALSE(splitFields("a\tb\tc\td").has_value());
}

TEST(SeqFormat, WritesTheLinesAndTheEndMark) {
  using tavrin::symtab::SeqLine;
  const std::vector<SeqLine> lines = {{false, "E 1.0", "START", "K"}, {true, "", "", "; x"}};
  EXPECT_EQ(tavrin::symtab::writeSeq(lines), "\tE 1.0\tSTART\tK\n\t; x\n\x1A");
  EXPECT_EQ(tavrin::symtab::writeSeq({}), "\x1A");
}

}  // namespace
}  // namespace symtab_test
