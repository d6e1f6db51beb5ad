#include "outside/symtab/s5_operand.h"

namespace tavrin::symtab {

namespace {

constexpr std::size_t kMaxAddressDigits = 5;
constexpr std::size_t kMaxBitDigits = 2;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

char upperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

// The text without blanks, ASCII letters in upper case.
std::string compact(std::string_view text) {
  std::string out;
  for (const char c : text)
    if (c != ' ') out += upperAscii(c);
  return out;
}

const OperandArea* findArea(std::string_view letters) {
  for (const OperandArea& area : kOperandAreas)
    if (area.letters == letters) return &area;
  return nullptr;
}

// The pieces of "<letters><digits>[.<digits>]"; nothing when the text has another shape.
struct Pieces {
  std::string_view letters;
  std::string_view number;
  std::optional<std::string_view> bit;
};

std::optional<Pieces> split(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && isLetter(text[pos]))
    ++pos;
  Pieces pieces{text.substr(0, pos), {}, std::nullopt};
  const std::size_t numberStart = pos;
  while (pos < text.size() && isDigit(text[pos]))
    ++pos;
  pieces.number = text.substr(numberStart, pos - numberStart);
  if (pieces.letters.empty() || pieces.number.empty()) return std::nullopt;
  if (pos == text.size()) return pieces;
  if (text[pos] != '.') return std::nullopt;
  const std::size_t bitStart = ++pos;
  while (pos < text.size() && isDigit(text[pos]))
    ++pos;
  if (pos != text.size() || pos == bitStart) return std::nullopt;
  pieces.bit = text.substr(bitStart);
  return pieces;
}

// Leading zeros are allowed; more digits than any address has are not.
std::optional<unsigned> numberOf(std::string_view digits, std::size_t maxDigits) {
  while (digits.size() > 1 && digits.front() == '0')
    digits.remove_prefix(1);
  if (digits.size() > maxDigits) return std::nullopt;
  unsigned value = 0;
  for (const char c : digits)
    value = value * 10 + static_cast<unsigned>(c - '0');
  return value;
}

std::optional<unsigned> highestBit(AddressForm form) {
  switch (form) {
    case AddressForm::ByteBit:
      return 7;
    case AddressForm::WordBit:
    case AddressForm::NumberOrWord:
      return 15;
    case AddressForm::Number:
      return std::nullopt;
  }
  return std::nullopt;
}

bool needsBit(AddressForm form) {
  return form == AddressForm::ByteBit || form == AddressForm::WordBit;
}

}  // namespace

std::optional<S5Operand> parseS5Operand(std::string_view text) {
  const std::string compacted = compact(text);
  const std::optional<Pieces> pieces = split(compacted);
  if (!pieces) return std::nullopt;
  const OperandArea* area = findArea(pieces->letters);
  if (area == nullptr) return std::nullopt;
  const std::optional<unsigned> address = numberOf(pieces->number, kMaxAddressDigits);
  if (!address || *address > area->highest) return std::nullopt;
  S5Operand operand{area, static_cast<std::uint16_t>(*address), std::nullopt};
  if (!pieces->bit) {
    if (needsBit(area->form)) return std::nullopt;
    return operand;
  }
  const std::optional<unsigned> limit = highestBit(area->form);
  const std::optional<unsigned> bit = numberOf(*pieces->bit, kMaxBitDigits);
  if (!limit || !bit || *bit > *limit) return std::nullopt;
  operand.bit = static_cast<std::uint8_t>(*bit);
  return operand;
}

std::string normalisedText(const S5Operand& operand) {
  std::string text(operand.area->letters);
  text += ' ';
  text += std::to_string(operand.address);
  if (operand.bit) text += '.' + std::to_string(*operand.bit);
  return text;
}

std::string lineText(const S5Operand& operand) {
  std::string text(operand.area->letters);
  if (text.size() < 2) text += ' ';
  text += ' ';
  text += normalisedText(operand).substr(operand.area->letters.size() + 1);
  return text;
}

bool looksLikeOperand(std::string_view text) {
  const std::string compacted = compact(text);
  const std::optional<Pieces> pieces = split(compacted);
  return pieces && findArea(pieces->letters) != nullptr;
}

}  // namespace tavrin::symtab
