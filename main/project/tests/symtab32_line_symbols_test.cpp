// The symbol table library seen through the language core's LineSymbols: a real symbol file
// loaded into symtab32, lines rewritten both ways.
#include "main/project/symtab32_line_symbols.h"

#include <gtest/gtest.h>

#include <string>

#include "main/project/symbol_file_link.h"
#include "main/project/tests/project_test_support.h"
#include "outside/symtab/symtab32.h"

namespace tavrin::project {
namespace {

using testing::placed;
using testing::TempDir;
using testing::writeFile;

constexpr std::string_view kSymbolFile =
    "\t; Bandanlage\n"
    "\tE 1.0\tSTART\tStarttaster Band 1\n"
    "\tMW 10\tSOLLWERT\t\n"
    "\tA 4.7\tMOTOR-EIN\tMotorschuetz\n"
    "\tE 2.0\t\tnur Kommentar\n"
    "\x1A";

std::string statement(std::string_view text) {
  return placed({{0, "0000"}, {10, text}});
}

class Symtab32LineSymbolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile(dir_ / "BAND.SEQ", kSymbolFile);
    link_.select((dir_ / "BAND.SEQ").string());
    const SymbolLoad load = link_.load();
    ASSERT_TRUE(load.loaded) << load.error;
    ASSERT_EQ(load.error, "");
  }
  void TearDown() override {
    link_.select("");
    link_.release();
  }

  TempDir dir_;
  Symtab32SymbolFile link_;
};

TEST_F(Symtab32LineSymbolsTest, InsertingAndRemovingGivesBackTheLine) {
  struct Case {
    std::string absolute;
    std::string symbolic;
  };
  const Case cases[] = {
      {statement(":U   E  1.0"), statement(":U   -START")},
      {statement(":L   MW 10"), statement(":L   -SOLLWERT")},
      {statement(":=   A  4.7"), statement(":=   -MOTOR-EIN")},
      {placed({{5, "EIN  >    E  1.0"}}), placed({{5, "EIN  >    -START"}})},
      // A line longer than a statement line keeps its tail beyond the library's buffer size.
      {placed({{0, "0000"}, {10, ":U   E  1.0"}, {95, "REST"}}),
       placed({{0, "0000"}, {10, ":U   -START"}, {95, "REST"}})},
  };
  const Symtab32LineSymbols symbols(true);
  for (const Case& c : cases) {
    std::string line = c.absolute;
    EXPECT_TRUE(symbols.insertSymbol(line)) << c.absolute;
    EXPECT_EQ(line, c.symbolic);
    EXPECT_TRUE(symbols.removeSymbol(line)) << c.symbolic;
    EXPECT_EQ(line, c.absolute);
  }
}

TEST_F(Symtab32LineSymbolsTest, AnUnknownSymbolLeavesTheLineAlone) {
  const Symtab32LineSymbols symbols(true);
  for (const std::string& original :
       {statement(":U   -GIBT_ES_NICHT"), placed({{5, "EIN  >    -UNBEKANNT"}})}) {
    std::string line = original;
    EXPECT_FALSE(symbols.removeSymbol(line));
    EXPECT_EQ(line, original);
    EXPECT_FALSE(symbols.insertSymbol(line));
    EXPECT_EQ(line, original);
  }
}

TEST_F(Symtab32LineSymbolsTest, LinesWithoutSymbolsAreNoFailure) {
  // An absolute operand has nothing to remove; without an entry's symbol nothing is inserted.
  const Symtab32LineSymbols symbols(true);
  for (const std::string& original :
       {statement(":U   E  1.1"), statement(":U   E  2.0"), statement(":BE")}) {
    std::string line = original;
    EXPECT_TRUE(symbols.removeSymbol(line)) << original;
    EXPECT_EQ(line, original);
    EXPECT_FALSE(symbols.insertSymbol(line)) << original;
    EXPECT_EQ(line, original);
  }
}

TEST_F(Symtab32LineSymbolsTest, TheSettingsReachTheLibrary) {
  struct Case {
    bool showing;
    bool autoComment;
    bool replaceOldComment;
    std::string line;
    std::string inserted;
  };
  const std::string absolute = statement(":U   E  1.0");
  const std::string symbolic = statement(":U   -START");
  const std::string commented = placed({{0, "0000"}, {10, ":U   E  1.0"}, {52, ";alt"}});
  const Case cases[] = {
      {true, false, false, absolute, symbolic},
      // Not shown: a symbol in the line becomes the absolute operand again.
      {false, false, false, symbolic, absolute},
      {true, true, false, absolute,
       placed({{0, "0000"}, {10, ":U   -START"}, {52, "Starttaster Band 1"}})},
      // An old comment stays unless it is to be replaced.
      {true, true, false, commented, placed({{0, "0000"}, {10, ":U   -START"}, {52, ";alt"}})},
      {true, true, true, commented,
       placed({{0, "0000"}, {10, ":U   -START"}, {52, "Starttaster Band 1"}})},
  };
  for (const Case& c : cases) {
    const Symtab32LineSymbols symbols(c.showing, c.autoComment, c.replaceOldComment);
    EXPECT_EQ(symbols.showingSymbols(), c.showing);
    std::string line = c.line;
    symbols.insertSymbol(line);
    EXPECT_EQ(line, c.inserted) << c.line;
  }
}

TEST_F(Symtab32LineSymbolsTest, OffersNoNewSymbols) {
  Symtab32LineSymbols symbols(true);
  const int entries = GetAnzahlSymbole();
  EXPECT_FALSE(symbols.offerNewSymbol("E 3.0"));
  EXPECT_EQ(GetAnzahlSymbole(), entries);
  EXPECT_EQ(GetIndexVonOperand("E 3.0"), -1);
}

}  // namespace
}  // namespace tavrin::project
