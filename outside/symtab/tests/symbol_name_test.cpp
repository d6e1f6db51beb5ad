// The rule of SymbolPruefen and the comparison of symbols.
#include <gtest/gtest.h>

#include <string>

#include "outside/symtab/symbol_name.h"
#include "outside/symtab/symtab32.h"
#include "platform/cp1252.h"

namespace {

using namespace tavrin::platform::literals;

const std::string kValid[] = {
    "START_TASTER",
    "MOTOR1-EIN",
    "Motor1-Ein",
    "X",
    "_HILFSMERKER",
    "1_BAND",
    "NOT-AUS",
    "ZAEHLER_3",
    "Füllstand"_cp1252,
    "ÄÖÜäöüß"_cp1252,
    "STRASSE_ß"_cp1252,
    "NAME[02]",
    "NAME[103]",
    "ABCDEFGHIJKLMNOPQRSTUVWX",  // 24 characters
    "EIN1",
    "SA1",
    "E1X",
    "MW10_WERT",
    "T-1",
    "DBX",
};

const std::string kInvalid[] = {
    "",
    " ",
    "START TASTER",
    " START",
    "START ",
    "START\tTASTER",
    "A.B",
    "A,B",
    "A;B",
    "A:B",
    "A=B",
    "A+B",
    "A/B",
    "A\"B",
    "A'B",
    "-X",
    "[X]",
    "123",
    "1-2",
    "MW10",
    "mw10",
    "E1.0",
    "e1.0",
    "T1",
    "Z7",
    "DB300",
    "MW999",
    "M1",
    "S4095.7",
    "DB5",
    "KF+5",
    "ABCDEFGHIJKLMNOPQRSTUVWXY",  // 25 characters
    "Stra\xc3\x9f"
    "e",  // UTF-8 bytes, not Windows-1252 letters
    "A\x80",
};

TEST(SymbolName, ValidSymbols) {
  for (const std::string& symbol : kValid) {
    EXPECT_TRUE(tavrin::symtab::isValidSymbol(symbol)) << symbol;
    EXPECT_EQ(SymbolPruefen(symbol.c_str()), 1) << symbol;
  }
}

TEST(SymbolName, InvalidSymbols) {
  for (const std::string& symbol : kInvalid) {
    EXPECT_FALSE(tavrin::symtab::isValidSymbol(symbol)) << symbol;
    EXPECT_EQ(SymbolPruefen(symbol.c_str()), 0) << symbol;
  }
  EXPECT_EQ(SymbolPruefen(nullptr), 0);
}

TEST(SymbolName, NoValidSymbolIsAnOperand) {
  for (const std::string& symbol : kValid)
    EXPECT_EQ(IstS5Operand(symbol.c_str()), 0) << symbol;
}

TEST(SymbolName, SymbolsCompareWithoutRegardToCase) {
  using tavrin::symtab::symbolKey;
  EXPECT_EQ(symbolKey("Start_Taster"), symbolKey("START_TASTER"));
  EXPECT_EQ(symbolKey("füllstand"_cp1252), symbolKey("FÜLLSTAND"_cp1252));
  EXPECT_NE(symbolKey("START1"), symbolKey("START2"));
}

}  // namespace
