// Absolute operands: which texts are operands and the one form the table keeps them in.
#include <gtest/gtest.h>

#include <string>

#include "outside/symtab/s5_operand.h"
#include "outside/symtab/symtab32.h"

namespace {

using tavrin::symtab::parseS5Operand;

struct Accepted {
  const char* text;
  const char* normalised;
};

const Accepted kAccepted[] = {
    {"E 1.0", "E 1.0"},       {"e1.0", "E 1.0"},      {" E  1 . 0 ", "E 1.0"},
    {"E 127.7", "E 127.7"},   {"A 4.7", "A 4.7"},     {"M 10.3", "M 10.3"},
    {"M255.7", "M 255.7"},    {"EB 3", "EB 3"},       {"EW 126", "EW 126"},
    {"ED 124", "ED 124"},     {"AB 0", "AB 0"},       {"AW 10", "AW 10"},
    {"AD 8", "AD 8"},         {"MB 255", "MB 255"},   {"MW10", "MW 10"},
    {"mw 10", "MW 10"},       {"MW 010", "MW 10"},    {"Mw 0010", "MW 10"},
    {"MD 20", "MD 20"},       {"MD 252", "MD 252"},   {"S 4095.7", "S 4095.7"},
    {"SY 100", "SY 100"},     {"SW 4094", "SW 4094"}, {"SD 4092", "SD 4092"},
    {"PY 128", "PY 128"},     {"PW 254", "PW 254"},   {"QB 5", "QB 5"},
    {"QW 6", "QW 6"},         {"D 3.15", "D 3.15"},   {"d 0.0", "D 0.0"},
    {"DL 2", "DL 2"},         {"DR 2", "DR 2"},       {"DW 3", "DW 3"},
    {"DW 255", "DW 255"},     {"DD 254", "DD 254"},   {"T 5", "T 5"},
    {"t 255", "T 255"},       {"Z 7", "Z 7"},         {"BS 10", "BS 10"},
    {"BS 10.15", "BS 10.15"}, {"BT 3", "BT 3"},       {"BA 4.0", "BA 4.0"},
    {"BB 255", "BB 255"},     {"OB 1", "OB 1"},       {"PB 12", "PB 12"},
    {"SB 3", "SB 3"},         {"FB 1", "FB 1"},       {"FX 2", "FX 2"},
    {"DB 5", "DB 5"},         {"db0", "DB 0"},        {"DX 3", "DX 3"},
    {"E 1.00", "E 1.0"},
};

const char* const kRefused[] = {
    "",         "   ",     "E",         "E 1",        "E 1.8",    "E 128.0",      "E 1.",
    "E .1",     "E 1.0.0", "E -1.0",    "E +1.0",     "MW",       "MW 10.0",      "MW 255",
    "MB 256",   "MD 253",  "EW 127",    "ED 125",     "S 4096.0", "SY 4096",      "D 3",
    "D 3.16",   "DW 256",  "DD 255",    "T 256",      "Z 1000",   "DB 256",       "PB 300",
    "BS 10.16", "KF +5",   "KF 5",      "KH 00FF",    "KM 0",     "KT 10.2",      "KZ 3",
    "KC AB",    "KY 1,2",  "KG 1",      "=EIN",       "A1",       "SA",           "LDI A1",
    "MX 1",     "Q 1.0",   "MW 123456", "MW 1000000", "E 1.123",  "START_TASTER", "-MOTOR",
    "MW 10 x",  "E 1,0",   "MW1O",      "DB5.DBW2",   "AB 3a",
};

TEST(Operand, AcceptedFormsAreNormalised) {
  for (const Accepted& row : kAccepted) {
    const auto operand = parseS5Operand(row.text);
    ASSERT_TRUE(operand.has_value()) << row.text;
    EXPECT_EQ(tavrin::symtab::normalisedText(*operand), row.normalised) << row.text;
    EXPECT_EQ(IstS5Operand(row.text), 1) << row.text;
    char normalised[SYMTAB32_OPERAND_BYTES] = "?";
    EXPECT_EQ(S5OperandNormieren(row.text, normalised), 1) << row.text;
    EXPECT_STREQ(normalised, row.normalised) << row.text;
  }
}

TEST(Operand, RefusedFormsAreNoOperands) {
  for (const char* text : kRefused) {
    EXPECT_FALSE(parseS5Operand(text).has_value()) << text;
    EXPECT_EQ(IstS5Operand(text), 0) << text;
    char normalised[SYMTAB32_OPERAND_BYTES] = "?";
    EXPECT_EQ(S5OperandNormieren(text, normalised), 0) << text;
    EXPECT_STREQ(normalised, "") << text;
  }
  EXPECT_EQ(IstS5Operand(nullptr), 0);
}

TEST(Operand, SpellingsOfOneOperandAreEqual) {
  EXPECT_EQ(parseS5Operand("MW10"), parseS5Operand("mw 10"));
  EXPECT_EQ(parseS5Operand("MW10"), parseS5Operand("MW 10"));
  EXPECT_NE(parseS5Operand("MW10"), parseS5Operand("MB 10"));
  EXPECT_NE(parseS5Operand("E 1.0"), parseS5Operand("E 1.1"));
}

TEST(Operand, LineTextPadsTheAreaToTwoColumns) {
  EXPECT_EQ(tavrin::symtab::lineText(*parseS5Operand("e1.0")), "E  1.0");
  EXPECT_EQ(tavrin::symtab::lineText(*parseS5Operand("MW10")), "MW 10");
  EXPECT_EQ(tavrin::symtab::lineText(*parseS5Operand("t 5")), "T  5");
}

TEST(Operand, TheLongestNormalisedOperandFitsItsBuffer) {
  EXPECT_LT(std::string("S 4095.7").size(), static_cast<std::size_t>(SYMTAB32_OPERAND_BYTES));
  for (const auto& area : tavrin::symtab::kOperandAreas) {
    std::string text(area.letters);
    text += ' ' + std::to_string(area.highest);
    if (area.form == tavrin::symtab::AddressForm::ByteBit) text += ".7";
    if (area.form == tavrin::symtab::AddressForm::WordBit) text += ".15";
    const auto operand = parseS5Operand(text);
    ASSERT_TRUE(operand.has_value()) << text;
    EXPECT_LT(tavrin::symtab::normalisedText(*operand).size(),
              static_cast<std::size_t>(SYMTAB32_OPERAND_BYTES));
  }
}

}  // namespace
