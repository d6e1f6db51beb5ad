// Names and directory entries both ways, for every kind of block, and the header lengths.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "outside/blockfile/blockfile32.h"

namespace {

using Entry = std::array<unsigned char, S5D_ENTRY_BYTES>;

// The name forms as the exchange code writes them, with the codes the entries carry.
struct Form {
  const char* letters;
  unsigned char typeCode;
  unsigned char kind;
  unsigned short headerLength;
};
constexpr Form kForms[] = {
    {"OB", 0x10, 0, 10}, {"PB", 0x04, 0, 10},  {"SB", 0x02, 0, 10}, {"FB", 0x08, 0, 10},
    {"FX", 0x05, 0, 10}, {"DB", 0x01, 0, 10},  {"DX", 0x0C, 0, 10}, {"OK", 0x10, 1, 26},
    {"PK", 0x04, 1, 26}, {"SK", 0x02, 1, 26},  {"FK", 0x08, 1, 26}, {"FKX", 0x05, 1, 26},
    {"DK", 0x01, 1, 26}, {"DKX", 0x0C, 1, 26}, {"FV", 0x08, 2, 8},  {"FVX", 0x05, 2, 8},
    {"DV", 0x01, 3, 8},  {"DVX", 0x0C, 3, 8},
};

std::string nameOf(const Entry& entry) {
  char text[S5D_NAME_BYTES];
  std::memset(text, '#', sizeof text);
  const char* result = _BstZuName(entry.data(), text);
  EXPECT_EQ(result, text);
  EXPECT_NE(std::memchr(text, '\0', sizeof text), nullptr);
  return text;
}

TEST(Names, NameToEntryAndBack) {
  struct Case {
    const char* name;
    unsigned char typeCode, number, kind;
    const char* canonical;
  };
  const Case cases[] = {
      {"OB001", 0x10, 1, 0, "OB001"},   {"PB000", 0x04, 0, 0, "PB000"},
      {"SB255", 0x02, 255, 0, "SB255"}, {"FB3", 0x08, 3, 0, "FB003"},
      {"fx10", 0x05, 10, 0, "FX010"},   {"Db005", 0x01, 5, 0, "DB005"},
      {"DX200", 0x0C, 200, 0, "DX200"}, {"OK001", 0x10, 1, 1, "OK001"},
      {"PK001", 0x04, 1, 1, "PK001"},   {"sk002", 0x02, 2, 1, "SK002"},
      {"FK003", 0x08, 3, 1, "FK003"},   {"FKX010", 0x05, 10, 1, "FKX010"},
      {"DK5", 0x01, 5, 1, "DK005"},     {"dkx005", 0x0C, 5, 1, "DKX005"},
      {"FV003", 0x08, 3, 2, "FV003"},   {"FVX003", 0x05, 3, 2, "FVX003"},
      {"DV005", 0x01, 5, 3, "DV005"},   {"DVX255", 0x0C, 255, 3, "DVX255"},
      {"fVx07", 0x05, 7, 2, "FVX007"},  {"PB0", 0x04, 0, 0, "PB000"},
  };
  for (const Case& c : cases) {
    Entry entry;
    entry.fill(0xA5);
    ASSERT_EQ(_NameZuBst(c.name, entry.data()), 1) << c.name;
    EXPECT_EQ(_GetStatus(), S5D_OK);
    const Entry expected = {c.typeCode, c.number, c.kind, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(entry, expected) << c.name;
    EXPECT_EQ(nameOf(entry), c.canonical) << c.name;
    EXPECT_EQ(_GetStatus(), S5D_OK);
  }
}

TEST(Names, EveryNumberOfEveryFormRoundTrips) {
  for (const Form& form : kForms)
    for (unsigned number = 0; number < 256; ++number) {
      char name[16];
      std::snprintf(name, sizeof name, "%s%03u", form.letters, number);
      Entry entry{};
      ASSERT_EQ(_NameZuBst(name, entry.data()), 1) << name;
      ASSERT_EQ(entry[0], form.typeCode) << name;
      ASSERT_EQ(entry[1], number) << name;
      ASSERT_EQ(entry[2], form.kind) << name;
      // The header bytes a caller sets do not change the name.
      entry[3] = 0x12, entry[4] = 0x34, entry[5] = 0x70, entry[8] = 0xFF;
      ASSERT_EQ(nameOf(entry), name);
    }
}

TEST(Names, EntriesThatNameNothingGiveAnEmptyName) {
  std::set<std::pair<int, int>> named;
  for (const Form& form : kForms)
    named.insert({form.typeCode, form.kind});
  for (int typeCode = 0; typeCode < 256; ++typeCode)
    for (int kind = 0; kind < 256; ++kind) {
      const Entry entry = {static_cast<unsigned char>(typeCode), 7,
                           static_cast<unsigned char>(kind)};
      const std::string name = nameOf(entry);
      if (named.count({typeCode, kind})) {
        ASSERT_EQ(name.size(), name[2] == 'X' ? 6u : 5u) << typeCode << " " << kind;
        ASSERT_EQ(_GetStatus(), S5D_OK);
      } else {
        ASSERT_EQ(name, "") << typeCode << " " << kind;
        ASSERT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
      }
    }
}

TEST(Names, InvalidNamesAreRefusedAndLeaveTheEntry) {
  const char* names[] = {
      "",          "P",      "PB",     "PB1000", "PB0001", "PB256",  "PB999",  "XB001",  "OV001",
      "PV001",     "DVY001", "FKXX01", "PBX001", "PB-01",  "PB+1",   "PB 01",  " PB001", "PB001 ",
      "PB001.S5D", "PB1a",   "001",    "PÄ001",  "OBX001", "FXK001", "DBX001", "SKX001", "PB\t01",
  };
  for (const char* name : names) {
    Entry entry;
    entry.fill(0x5A);
    EXPECT_EQ(_NameZuBst(name, entry.data()), 0) << name;
    EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR) << name;
    Entry unchanged;
    unchanged.fill(0x5A);
    EXPECT_EQ(entry, unchanged) << name;
  }
}

TEST(Names, TheImportFilterSelectsExactlyTheCodeAndDataBlocks) {
  // The exchange code lists an entry when its name is shorter than 6 characters, has 'B' or 'X'
  // as second letter and no '.' as fifth character, and byte 2 of the entry is 0.
  for (const Form& form : kForms)
    for (unsigned number : {0u, 1u, 10u, 99u, 255u}) {
      Entry entry{};
      char name[16];
      std::snprintf(name, sizeof name, "%s%u", form.letters, number);
      ASSERT_EQ(_NameZuBst(name, entry.data()), 1) << name;
      const std::string text = nameOf(entry);
      const bool listed =
          text.size() < 6 && (text[1] == 'B' || text[1] == 'X') && text[4] != '.' && entry[2] == 0;
      EXPECT_EQ(listed, form.kind == 0) << text;
    }
}

TEST(Names, HeaderLengthByKind) {
  for (const Form& form : kForms) {
    const Entry entry = {form.typeCode, 42, form.kind, 0x10, 0x00};
    EXPECT_EQ(_BstKopfLng(entry.data()), form.headerLength) << form.letters;
    EXPECT_EQ(_GetStatus(), S5D_OK);
  }
  const Entry labelsOfAProgramBlock = {0x04, 1, 2};
  EXPECT_EQ(_BstKopfLng(labelsOfAProgramBlock.data()), 0);
  EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
  const Entry unknownType = {0x03, 1, 0};
  EXPECT_EQ(_BstKopfLng(unknownType.data()), 0);
  EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
}

TEST(Names, NullPointers) {
  Entry entry{};
  char text[S5D_NAME_BYTES] = "keep";
  EXPECT_EQ(_NameZuBst(nullptr, entry.data()), 0);
  EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
  EXPECT_EQ(_NameZuBst("PB001", nullptr), 0);
  EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
  EXPECT_EQ(_BstZuName(entry.data(), nullptr), nullptr);
  EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
  EXPECT_EQ(_BstZuName(nullptr, text), text);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
  EXPECT_EQ(_BstKopfLng(nullptr), 0);
  EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
}

}  // namespace
