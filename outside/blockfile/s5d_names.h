// Block names and the directory entries they stand for.
//
// Contents
//   NameForm         one way of naming: letters, the type code and the kind they stand for
//   kNameForms       every name form of the file: 7 code and data blocks, 11 documentation blocks
//   parseBlockName   "PB001", "fkx10", "DVX5" -> identity; nothing for anything else
//   blockName        identity -> "PB001", "FKX010"; empty when the identity names no block
//   namesBlock       whether an identity has a name (and so may stand in a file)
#ifndef OUTSIDE_BLOCKFILE_S5D_NAMES_H
#define OUTSIDE_BLOCKFILE_S5D_NAMES_H

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "outside/blockfile/directory_entry.h"

namespace tavrin::blockfile {

struct NameForm {
  std::string_view letters;
  std::uint8_t typeCode;
  BlockKind kind;
};

namespace type_code {
inline constexpr std::uint8_t kDB = 0x01;
inline constexpr std::uint8_t kSB = 0x02;
inline constexpr std::uint8_t kPB = 0x04;
inline constexpr std::uint8_t kFX = 0x05;
inline constexpr std::uint8_t kFB = 0x08;
inline constexpr std::uint8_t kDX = 0x0C;
inline constexpr std::uint8_t kOB = 0x10;
}  // namespace type_code

inline constexpr std::array<NameForm, 18> kNameForms = {{
    {"OB", type_code::kOB, BlockKind::kCodeOrData},
    {"PB", type_code::kPB, BlockKind::kCodeOrData},
    {"SB", type_code::kSB, BlockKind::kCodeOrData},
    {"FB", type_code::kFB, BlockKind::kCodeOrData},
    {"FX", type_code::kFX, BlockKind::kCodeOrData},
    {"DB", type_code::kDB, BlockKind::kCodeOrData},
    {"DX", type_code::kDX, BlockKind::kCodeOrData},
    {"OK", type_code::kOB, BlockKind::kComment},
    {"PK", type_code::kPB, BlockKind::kComment},
    {"SK", type_code::kSB, BlockKind::kComment},
    {"FK", type_code::kFB, BlockKind::kComment},
    {"FKX", type_code::kFX, BlockKind::kComment},
    {"DK", type_code::kDB, BlockKind::kComment},
    {"DKX", type_code::kDX, BlockKind::kComment},
    {"FV", type_code::kFB, BlockKind::kLabels},
    {"FVX", type_code::kFX, BlockKind::kLabels},
    {"DV", type_code::kDB, BlockKind::kDataFormat},
    {"DVX", type_code::kDX, BlockKind::kDataFormat},
}};

namespace detail {
constexpr bool nameFormsAreUnique() {
  for (std::size_t i = 0; i < kNameForms.size(); ++i)
    for (std::size_t j = i + 1; j < kNameForms.size(); ++j) {
      if (kNameForms[i].letters == kNameForms[j].letters) return false;
      if (kNameForms[i].typeCode == kNameForms[j].typeCode &&
          kNameForms[i].kind == kNameForms[j].kind)
        return false;
    }
  return true;
}
constexpr bool nameFormsFit() {
  for (const NameForm& form : kNameForms)
    if (form.letters.size() + 3 >= S5D_NAME_BYTES) return false;
  return true;
}
}  // namespace detail
static_assert(detail::nameFormsAreUnique(), "a name or an identity is listed twice");
static_assert(detail::nameFormsFit(), "a name does not fit S5D_NAME_BYTES");

// Letters are compared without regard to case; the number has 1 to 3 digits and is at most 255.
std::optional<BlockIdentity> parseBlockName(std::string_view name);

// The letters and the number written with 3 digits ("%03u").
std::string blockName(BlockIdentity identity);

bool namesBlock(BlockIdentity identity);

}  // namespace tavrin::blockfile

#endif
