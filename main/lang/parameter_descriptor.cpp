#include "main/lang/parameter_descriptor.h"

#include <array>

namespace tavrin::lang {

namespace {

struct FormatCode {
  uint8_t code;
  DataForm form;
  ConstFormat format;
  std::string_view typeName;
};

constexpr std::array<FormatCode, 8> kFormatCodes = {{
    {kFormatCodeKM, DataForm::KM, ConstFormat::KM, "KM "},
    {kFormatCodeKH, DataForm::KH, ConstFormat::KH, "KH "},
    {kFormatCodeKY, DataForm::KY, ConstFormat::KY, "KY "},
    {kFormatCodeKC, DataForm::KC, ConstFormat::KC, "KC "},
    {kFormatCodeKG, DataForm::KG, ConstFormat::KG, "KG "},
    {kFormatCodeKF, DataForm::KF, ConstFormat::KF, "KF "},
    {kFormatCodeKT, DataForm::KT, ConstFormat::KT, "KT "},
    {kFormatCodeKZ, DataForm::KZ, ConstFormat::KZ, "KZ "},
}};

// Types of E and A parameters.
constexpr std::array<std::pair<uint8_t, std::string_view>, 4> kOperandTypes = {{
    {0x80, "BI"},
    {0x40, "BY"},
    {0x20, "W "},
    {0x10, "D "},
}};

constexpr std::array<std::pair<uint8_t, char>, 6> kKinds = {{
    {kKindInput, 'E'},
    {kKindOutput, 'A'},
    {kKindData, 'D'},
    {kKindTimer, 'T'},
    {kKindCounter, 'Z'},
    {kKindBlock, 'B'},
}};

// A type name as a header line holds it, without the blanks that fill its field.
std::string_view trimmed(std::string_view name) {
  const std::size_t end = name.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : name.substr(0, end + 1);
}

const FormatCode* formatCode(uint8_t code) {
  for (const FormatCode& f : kFormatCodes)
    if (f.code == code) return &f;
  return nullptr;
}

}  // namespace

DataForm dataFormOfCode(uint8_t code) {
  const FormatCode* f = formatCode(code);
  return f != nullptr ? f->form : DataForm::None;
}

ConstFormat constFormatOfCode(uint8_t code) {
  const FormatCode* f = formatCode(code);
  return f != nullptr ? f->format : ConstFormat::None;
}

char descriptorKind(uint16_t descriptor) {
  for (const auto& [code, letter] : kKinds)
    if (code == descriptor >> 8) return letter;
  return '?';
}

uint16_t parameterDescriptor(char kind, std::string_view type) {
  uint8_t kindCode = 0;
  for (const auto& [code, letter] : kKinds)
    if (letter == kind) kindCode = code;
  uint8_t typeCode = 0;
  const std::string_view wanted = trimmed(type);
  if (kind == 'E' || kind == 'A') {
    for (const auto& [code, name] : kOperandTypes)
      if (trimmed(name) == wanted) typeCode = code;
  } else if (kind == 'D') {
    for (const FormatCode& f : kFormatCodes)
      if (trimmed(f.typeName) == wanted) typeCode = f.code;
  }
  return static_cast<uint16_t>(kindCode << 8 | typeCode);
}

std::string_view descriptorTypeName(uint16_t descriptor) {
  const auto type = static_cast<uint8_t>(descriptor & 0xFF);
  const char kind = descriptorKind(descriptor);
  if (kind == 'E' || kind == 'A') {
    for (const auto& [code, name] : kOperandTypes)
      if (code == type) return name;
    return {};
  }
  if (kind == 'D') {
    const FormatCode* f = formatCode(type);
    return f != nullptr ? f->typeName : std::string_view{};
  }
  return {};
}

}  // namespace tavrin::lang
