#include "main/lang/block_id.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "utilkit/utilkit40.h"

namespace tavrin::lang {

namespace {

struct TypeName {
  BlockType type;
  std::string_view name;
};

constexpr std::array<TypeName, 7> kTypeNames = {{
    {BlockType::OB, "OB"},
    {BlockType::PB, "PB"},
    {BlockType::SB, "SB"},
    {BlockType::FB, "FB"},
    {BlockType::FX, "FX"},
    {BlockType::DB, "DB"},
    {BlockType::DX, "DX"},
}};

char upper(char c) {
  return U_UpcaseChar(c);
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string_view blockTypeName(uint8_t typeCode) {
  for (const auto& t : kTypeNames)
    if (static_cast<uint8_t>(t.type) == typeCode) return t.name;
  return {};
}

std::string blockName(BlockId id) {
  char digits[4];
  std::snprintf(digits, sizeof digits, "%03u", static_cast<unsigned>(blockNumber(id)));
  std::string name(blockTypeName(blockTypeCode(id)));
  return name + digits;
}

BlockId parseBlockName(std::string_view name) {
  if (name.empty()) return 0;
  const char first = upper(name[0]);
  const char second = name.size() > 1 ? upper(name[1]) : '\0';
  std::optional<BlockType> type;
  switch (first) {
    case 'O':
      type = BlockType::OB;
      break;
    case 'P':
      type = BlockType::PB;
      break;
    case 'S':
      type = BlockType::SB;
      break;
    case 'F':
      if (second == 'B') type = BlockType::FB;
      if (second == 'X') type = BlockType::FX;
      break;
    case 'D':
      if (second == 'B') type = BlockType::DB;
      if (second == 'X') type = BlockType::DX;
      break;
    default:
      break;
  }
  if (!type) return 0;
  const std::string rest(name.size() > 2 ? name.substr(2) : std::string_view{});
  const long number = std::strtol(rest.c_str(), nullptr, 10);
  return makeBlockId(*type, static_cast<uint8_t>(number & 0xFF));
}

std::optional<TypedBlockName> checkTypedBlockName(std::string_view typed) {
  std::string text;
  for (char c : typed)
    if (c != ' ') text += upper(c);
  if (text.size() < 3) return std::nullopt;
  const std::string_view letters = std::string_view(text).substr(0, 2);
  const auto known = std::find_if(kTypeNames.begin(), kTypeNames.end(),
                                  [&](const TypeName& t) { return t.name == letters; });
  if (known == kTypeNames.end()) return std::nullopt;
  unsigned number = 0;
  for (char c : std::string_view(text).substr(2)) {
    if (!isDigit(c)) return std::nullopt;
    number = number * 10 + static_cast<unsigned>(c - '0');
    if (number > 255) return std::nullopt;
  }
  return TypedBlockName{makeBlockId(known->type, static_cast<uint8_t>(number)), text};
}

}  // namespace tavrin::lang
