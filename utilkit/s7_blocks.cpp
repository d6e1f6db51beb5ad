// S7 block names: the block type codes and their names ("FB12", "SFC   4").
#include <cstdio>
#include <cstring>

#include "utilkit/utilkit40.h"

namespace {

struct BlockType {
  unsigned short code;
  const char* name;
};

// Three-letter names come first, so that reading a name back tries them before the two-letter
// ones.
constexpr BlockType kBlockTypes[] = {
    {11, "SDB"}, {13, "SFC"}, {15, "SFB"}, {170, "UDT"},
    {8, "OB"},   {10, "DB"},  {12, "FC"},  {14, "FB"},
};

const char* blockTypeName(unsigned short code) {
  for (const auto& type : kBlockTypes)
    if (type.code == code) return type.name;
  return "?? ";
}

}  // namespace

extern "C" {

char* U_GetBausteinStrTypNr(char* dest, unsigned short type, unsigned short number,
                            unsigned char padded) {
  std::sprintf(dest, padded != 0 ? "%s%5u" : "%s%u", blockTypeName(type),
               static_cast<unsigned>(number));
  return dest;
}

// The number is the decimal value right after the letters (0 when no digit follows; a value
// beyond 16 bits reads as 65535). Letters compare without regard to case.
unsigned char U_GetKennungAusBausteinStrOhneLeerz(const char* name, unsigned short* type,
                                                  unsigned short* number) {
  for (const auto& blockType : kBlockTypes) {
    const std::size_t len = std::strlen(blockType.name);
    bool same = true;
    for (std::size_t i = 0; i < len && same; ++i)
      same = U_UpcaseChar(name[i]) == blockType.name[i];
    if (!same) continue;
    unsigned value = 0;
    for (const char* p = name + len; *p >= '0' && *p <= '9'; ++p) {
      value = value * 10 + static_cast<unsigned>(*p - '0');
      if (value > 0xFFFF) value = 0xFFFF;
    }
    if (type != nullptr) *type = blockType.code;
    if (number != nullptr) *number = static_cast<unsigned short>(value);
    return 1;
  }
  if (type != nullptr) *type = 0;
  return 0;
}

}  // extern "C"
