#include "main/lang/block_id.h"

#include <gtest/gtest.h>

namespace tavrin::lang {
namespace {

TEST(BlockId, NamesOfIdentifiers) {
  struct Case {
    BlockId id;
    const char* name;
  };
  const Case cases[] = {
      {0x0401, "PB001"}, {0x080A, "FB010"}, {0x01FF, "DB255"}, {0x1001, "OB001"},
      {0x0C00, "DX000"}, {0x0505, "FX005"}, {0x0207, "SB007"}, {0x3303, "003"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(blockName(c.id), c.name) << std::hex << c.id;
}

TEST(BlockId, ParsingNames) {
  struct Case {
    const char* text;
    BlockId id;
  };
  const Case cases[] = {
      {"PB001", 0x0401}, {"ob1", 0x1001},   {"SB12", 0x020C}, {"FB010", 0x080A},
      {"fx3", 0x0503},   {"DB255", 0x01FF}, {"DX7", 0x0C07},  {"PB257", 0x0401},  // low 8 bits
      {"OX5", 0x1005},   {"FC1", 0},        {"XB1", 0},       {"", 0},
      {"D", 0},          {"PB", 0x0400},
  };
  for (const auto& c : cases)
    EXPECT_EQ(parseBlockName(c.text), c.id) << c.text;
}

TEST(BlockId, TypedNames) {
  struct Case {
    const char* typed;
    bool valid;
    const char* text;
    BlockId id;
  };
  const Case cases[] = {
      {"pb 12", true, "PB12", 0x040C},
      {"PB256", false, "", 0},
      {" d b 0 ", true, "DB0", 0x0100},
      {"FX255", true, "FX255", 0x05FF},
      {"OB", false, "", 0},
      {"OB1A", false, "", 0},
      {"FC1", false, "", 0},
      {"PB+1", false, "", 0},
      {"sb007", true, "SB007", 0x0207},
  };
  for (const auto& c : cases) {
    const auto result = checkTypedBlockName(c.typed);
    ASSERT_EQ(result.has_value(), c.valid) << c.typed;
    if (!result) continue;
    EXPECT_EQ(result->text, c.text);
    EXPECT_EQ(result->id, c.id);
  }
}

}  // namespace
}  // namespace tavrin::lang
