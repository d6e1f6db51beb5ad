#include "main/lang/fb_header_words.h"

#include "main/lang/parameter_descriptor.h"

namespace tavrin::lang {

namespace {

constexpr uint8_t kJumpOpcode = 0x2D;

char shownChar(uint8_t byte) {
  return byte == 0 ? ' ' : static_cast<char>(byte);
}

void appendChars(std::string& text, uint16_t word) {
  text += shownChar(static_cast<uint8_t>(word >> 8));
  text += shownChar(static_cast<uint8_t>(word & 0xFF));
}

}  // namespace

std::optional<FbHeaderWords> readFbHeaderWords(std::span<const uint16_t> body) {
  if (body.empty() || (body[0] >> 8) != kJumpOpcode) return std::nullopt;
  const unsigned length = body[0] & 0xFF;
  if (length < kFbHeaderFixedWords || (length - kFbHeaderFixedWords) % kWordsPerParameter != 0 ||
      length > body.size())
    return std::nullopt;
  FbHeaderWords header;
  for (std::size_t i = 1; i < kFbHeaderFixedWords; ++i)
    appendChars(header.name, body[i]);
  for (std::size_t i = kFbHeaderFixedWords; i < length; i += kWordsPerParameter)
    header.parameters.push_back({body[i], shownParameterName(body[i + 1], body[i + 2])});
  return header;
}

const HeaderParameter* parameterOfFormalNumber(const FbHeaderWords& header, unsigned number) {
  unsigned next = 1;
  for (const HeaderParameter& p : header.parameters) {
    if (next == number) return &p;
    next += isKgDescriptor(p.descriptor) ? 2 : 1;
    if (next > number) return nullptr;
  }
  return nullptr;
}

std::string shownParameterName(uint16_t first, uint16_t second) {
  std::string name;
  appendChars(name, first);
  appendChars(name, second);
  for (std::size_t i = 0; i < name.size(); ++i)
    if (name[i] == ' ' && name.find_first_not_of(' ', i) != std::string::npos) name[i] = '_';
  return name;
}

}  // namespace tavrin::lang
