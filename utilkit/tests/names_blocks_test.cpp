#include <gtest/gtest.h>

#include "utilkit/utilkit40.h"

namespace {

TEST(Names, IdentifierCharacters) {
  for (char c : {'0', '9', 'a', 'z', 'A', 'Z', '_'})
    EXPECT_FALSE(U_GueltigesZeichenBezeichner(c)) << c;
  for (char c : {' ', '.', '-', ':', '\0', '\xE4'})
    EXPECT_TRUE(U_GueltigesZeichenBezeichner(c)) << static_cast<int>(c);
}

TEST(Names, LabelsVariablesSymbols) {
  struct Case {
    const char* name;
    bool label, variable, symbol;
  };
  const Case cases[] = {
      {"M001", true, true, true},
      {"_A", true, true, true},
      {"1ABC", false, false, true},
      {"ABCDE", false, true, true},
      {"", false, false, false},
      {"A-B", false, false, false},
      {"A B", false, false, false},
      {"Zaehler_1", false, true, true},
      {"ABCDEFGHIJKLMNOPQRSTUVWX", false, true, true},     // 24 characters
      {"ABCDEFGHIJKLMNOPQRSTUVWXY", false, false, false},  // 25
      {"\xC4nd", false, false, false},                     // letters are ASCII letters
  };
  for (const auto& c : cases) {
    EXPECT_EQ(U_MarkenNameOK(c.name) != 0, c.label) << c.name;
    EXPECT_EQ(U_VarNameOK(c.name) != 0, c.variable) << c.name;
    EXPECT_EQ(U_SymbolNameOK(c.name) != 0, c.symbol) << c.name;
  }
}

TEST(S7Blocks, NamesOfTypeCodes) {
  struct Case {
    unsigned short type, number;
    const char* plain;
    const char* padded;
  };
  const Case cases[] = {
      {8, 1, "OB1", "OB    1"},    {10, 20, "DB20", "DB   20"},
      {11, 3, "SDB3", "SDB    3"}, {12, 100, "FC100", "FC  100"},
      {13, 4, "SFC4", "SFC    4"}, {14, 12, "FB12", "FB   12"},
      {15, 0, "SFB0", "SFB    0"}, {170, 65535, "UDT65535", "UDT65535"},
      {9, 5, "?? 5", "??     5"},
  };
  for (const auto& c : cases) {
    char text[32];
    EXPECT_EQ(U_GetBausteinStrTypNr(text, c.type, c.number, 0), text);
    EXPECT_STREQ(text, c.plain);
    EXPECT_STREQ(U_GetBausteinStrTypNr(text, c.type, c.number, 1), c.padded);
  }
}

TEST(S7Blocks, TypeCodesOfNames) {
  struct Case {
    const char* name;
    bool known;
    unsigned short type, number;
  };
  const Case cases[] = {
      {"OB1", true, 8, 1},    {"FB12", true, 14, 12},       {"FC100", true, 12, 100},
      {"DB20", true, 10, 20}, {"SFC4", true, 13, 4},        {"SFB3", true, 15, 3},
      {"SDB0", true, 11, 0},  {"UDT7", true, 170, 7},       {"fb5", true, 14, 5},
      {"FB", true, 14, 0},    {"XY12", false, 0, 777},      {"", false, 0, 777},
      {"S", false, 0, 777},   {"DB70000", true, 10, 65535},
  };
  for (const auto& c : cases) {
    unsigned short type = 555, number = 777;
    EXPECT_EQ(U_GetKennungAusBausteinStrOhneLeerz(c.name, &type, &number) != 0, c.known) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(number, c.number) << c.name << ": an unknown name leaves the number";
  }
  EXPECT_TRUE(U_GetKennungAusBausteinStrOhneLeerz("FB1", nullptr, nullptr));  // outputs optional
}

TEST(OperandAddress, ByteBitAndWidth) {
  struct Case {
    const char* text;
    bool valid;
    unsigned short address;
    unsigned char bit, width;
  };
  const Case cases[] = {
      {"MW10", true, 10, 0, 16},      {"E 1.0", true, 1, 0, 1},
      {"A 4.7", true, 4, 7, 1},       {"MB3", true, 3, 0, 8},
      {"MD100", true, 100, 0, 32},    {"EW 2", true, 2, 0, 0},
      {"DB10.DBX2.3", true, 2, 3, 1}, {"DB10.DBW4", true, 4, 0, 16},
      {"DI3.DID8", true, 8, 0, 32},   {"DB10", false, 0, 0, 0},
      {"E 1.8", false, 0, 0, 0},      {"MW", false, 0, 0, 0},
      {"MW10X", false, 0, 0, 0},      {"E 1.", false, 0, 0, 0},
      {"E 1.12", false, 0, 0, 0},     {"MW65535", true, 65535, 0, 16},
      {"MW65536", false, 0, 0, 0},    {"MW99999999999999", false, 0, 0, 0},
      {"12", true, 12, 0, 0},         {"MW10 ", true, 10, 0, 16},
  };
  for (const auto& c : cases) {
    unsigned short address = 999;
    unsigned char bit = 99, width = 99;
    EXPECT_EQ(U_ByteBitAdresseVonParamStr(c.text, &address, &bit, &width) != 0, c.valid) << c.text;
    EXPECT_EQ(address, c.address) << c.text;
    EXPECT_EQ(bit, c.bit) << c.text;
    EXPECT_EQ(width, c.width) << c.text;
  }
  unsigned short address = 0;
  unsigned char bit = 0;
  EXPECT_TRUE(U_ByteBitAdresseVonParamStr("E 3.2", &address, &bit, nullptr));  // width optional
  EXPECT_EQ(address, 3);
  EXPECT_EQ(bit, 2);
}

}  // namespace
