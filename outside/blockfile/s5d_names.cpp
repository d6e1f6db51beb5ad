#include "outside/blockfile/s5d_names.h"

#include <cstdio>

namespace tavrin::blockfile {
namespace {

char upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool sameLetters(std::string_view text, std::string_view letters) {
  if (text.size() != letters.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (upper(text[i]) != letters[i]) return false;
  return true;
}

const NameForm* formOf(BlockIdentity identity) {
  for (const NameForm& form : kNameForms)
    if (form.typeCode == identity.typeCode && form.kind == identity.kind) return &form;
  return nullptr;
}

}  // namespace

std::optional<BlockIdentity> parseBlockName(std::string_view name) {
  std::size_t letterCount = 0;
  while (letterCount < name.size() && isLetter(name[letterCount]))
    ++letterCount;
  const std::string_view letters = name.substr(0, letterCount);
  const std::string_view digits = name.substr(letterCount);
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  unsigned number = 0;
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * 10 + static_cast<unsigned>(digit - '0');
  }
  if (number > 255) return std::nullopt;
  for (const NameForm& form : kNameForms)
    if (sameLetters(letters, form.letters))
      return BlockIdentity{form.typeCode, static_cast<std::uint8_t>(number), form.kind};
  return std::nullopt;
}

std::string blockName(BlockIdentity identity) {
  const NameForm* form = formOf(identity);
  if (form == nullptr) return {};
  char text[S5D_NAME_BYTES];
  std::snprintf(text, sizeof text, "%.*s%03u", static_cast<int>(form->letters.size()),
                form->letters.data(), static_cast<unsigned>(identity.number));
  return text;
}

bool namesBlock(BlockIdentity identity) {
  return formOf(identity) != nullptr;
}

}  // namespace tavrin::blockfile
