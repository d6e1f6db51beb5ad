#include "main/lang/operand_areas.h"

#include <gtest/gtest.h>

#include "main/lang/bcd.h"

namespace tavrin::lang {
namespace {

TEST(OperandAreas, HighestAddressesFromTheCounts) {
  const OperandAreaTable table = buildOperandAreaTable(kAreaSizes);
  struct Case {
    const char* name;
    uint16_t highest;
    uint8_t kind;
  };
  const Case cases[] = {
      {"E", 127, 19},   {"EB", 127, 1},   {"EW", 126, 2},  {"ED", 124, 3}, {"A", 127, 19},
      {"AD", 124, 3},   {"M", 255, 20},   {"MW", 254, 5},  {"MD", 252, 6}, {"SY", 4095, 11},
      {"SW", 4094, 12}, {"SD", 4092, 13}, {"T", 255, 16},  {"Z", 255, 17}, {"BS", 255, 18},
      {"PY", 255, 14},  {"PW", 254, 15},  {"DL", 255, 8},  {"DR", 255, 7}, {"DW", 255, 9},
      {"DD", 254, 10},  {"DB", 255, 1},   {"DX", 255, 12},
  };
  for (const auto& c : cases) {
    const OperandArea* area = findOperandArea(table, c.name);
    ASSERT_NE(area, nullptr) << c.name;
    EXPECT_EQ(area->highest, c.highest) << c.name;
    EXPECT_EQ(area->kind, c.kind) << c.name;
  }
  EXPECT_EQ(findOperandArea(table, "mw"), nullptr);
  EXPECT_EQ(findOperandArea(table, "QW"), nullptr);
}

TEST(OperandAreas, OtherCountsMoveTheLimits) {
  AreaSizes small = kAreaSizes;
  small.dataWords = 64;
  small.eaBytes = 64;
  const OperandAreaTable table = buildOperandAreaTable(small);
  EXPECT_EQ(findOperandArea(table, "DD")->highest, 62);
  EXPECT_EQ(findOperandArea(table, "EW")->highest, 30);
}

TEST(OperandAreas, DisplayFormatsOfARow) {
  const OperandAreaTable table = buildOperandAreaTable(kAreaSizes);
  const OperandArea& md = *findOperandArea(table, "MD");
  EXPECT_TRUE(permitsFormat(md, "KG"));
  EXPECT_TRUE(permitsFormat(md, "KC"));
  EXPECT_FALSE(permitsFormat(md, "KF"));
  EXPECT_FALSE(permitsFormat(md, "K"));
  EXPECT_TRUE(permitsFormat(*findOperandArea(table, "T"), "KT"));
  EXPECT_FALSE(permitsFormat(*findOperandArea(table, "DB"), "KH"));
}

TEST(Bcd, BothDirections) {
  struct Case {
    int value;
    uint16_t word;
    bool ok;
  };
  const Case toCases[] = {
      {0, 0x0000, true},   {7, 0x0007, true},   {999, 0x0999, true},    {-999, 0xF999, true},
      {-12, 0xF012, true}, {1000, 1000, false}, {-1000, 0xFC18, false},
  };
  for (const auto& c : toCases) {
    bool ok = !c.ok;
    EXPECT_EQ(ToBcd(c.value, ok), c.word) << c.value;
    EXPECT_EQ(ok, c.ok) << c.value;
  }
  const Case fromCases[] = {
      {123, 0x0123, true},     {-123, 0x8123, true},    {-5, 0xF005, true},
      {0x00A0, 0x00A0, false}, {0x100F, 0x100F, false},
  };
  for (const auto& c : fromCases) {
    bool ok = !c.ok;
    EXPECT_EQ(FromBcd(c.word, ok), c.value) << std::hex << c.word;
    EXPECT_EQ(ok, c.ok) << std::hex << c.word;
  }
}

}  // namespace
}  // namespace tavrin::lang
