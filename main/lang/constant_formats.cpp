#include "main/lang/constant_formats.h"

#include <cstdio>

#include "main/lang/bcd.h"
#include "main/lang/decimal_number.h"
#include "main/lang/kg_constant.h"
#include "main/lang/lang_messages.h"
#include "utilkit/utilkit40.h"

namespace tavrin::lang {

namespace {

constexpr std::size_t kMaxConstantText = 23;

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text.substr(0, kMaxConstantText))
    if (c != ' ') out += c;
  return out;
}

using WordFormatter = char* (*)(char*, unsigned short);

std::string formatted(WordFormatter format, uint16_t word) {
  char buffer[24];
  return format(buffer, word);
}

// Hex digits of the text, at most maxDigits, as a number; nothing for any other text.
std::optional<uint32_t> parseHex(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    if (!isHexDigit(c)) return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(isDecimalDigit(c) ? c - '0' : c - 'A' + 10);
  }
  return value;
}

std::optional<int32_t> numberIn(std::string_view text, int32_t min, int32_t max) {
  const auto value = parseDecimalNumber(text);
  if (!value || *value < min || *value > max) return std::nullopt;
  return value;
}

void parseKf(ConstantValue& result) {
  const auto value = numberIn(result.text, -32768, 32767);
  if (!value) {
    result.error = msg::kBadKf;
    return;
  }
  result.word = static_cast<uint16_t>(*value);
  result.text = formatted(U_WordToKFStr, result.word);
}

void parseKz(ConstantValue& result) {
  const auto value = numberIn(result.text, 0, 999);
  bool ok = false;
  if (value) result.word = ToBcd(*value, ok);
  if (!ok) {
    result.error = msg::kBadKz;
    return;
  }
  result.text = formatted(U_WordToKZStrBCD, result.word);
}

void parseKt(ConstantValue& result) {
  const SplitParameters split = SplitParams(result.text, '.');
  if (split.error != nullptr) {
    result.error = split.error;
    return;
  }
  if (split.first > 999 || split.second > 3) {
    result.error = msg::kBadKt;
    return;
  }
  bool ok = false;
  result.word = static_cast<uint16_t>(split.second << 12 | ToBcd(split.first, ok));
  result.text = formatted(U_WordToKTStrBCD, result.word);
}

void parseKc(ConstantValue& result) {
  if (result.text.size() > 2) {
    result.error = msg::kBadKc;
    return;
  }
  result.text.resize(2, ' ');
  result.word = static_cast<uint16_t>(static_cast<unsigned char>(result.text[0]) << 8 |
                                      static_cast<unsigned char>(result.text[1]));
}

void parseKy(ConstantValue& result) {
  const SplitParameters split = SplitParams(result.text, ',');
  if (split.error != nullptr || split.first > 255 || split.second > 255) {
    result.error = msg::kBadKy;
    return;
  }
  result.word = static_cast<uint16_t>(split.first << 8 | split.second);
  result.text = formatted(U_WordToKYStr, result.word);
}

void parseKh(ConstantValue& result) {
  const auto value = parseHex(result.text, 4);
  if (!value) {
    result.error = msg::kBadKh;
    return;
  }
  result.word = static_cast<uint16_t>(*value);
  result.text = formatted(U_WordToKHStr, result.word);
}

void parseKm(ConstantValue& result) {
  if (result.text.empty() || result.text.size() > 16 ||
      result.text.find_first_not_of("01") != std::string::npos) {
    result.error = msg::kBadKm;
    return;
  }
  unsigned value = 0;
  for (char c : result.text)
    value = value << 1 | static_cast<unsigned>(c - '0');
  result.word = static_cast<uint16_t>(value);
  result.text = formatted(U_WordToKMStr16, result.word);
}

void parseKg(ConstantValue& result) {
  result.text = normaliseKgText(result.text);
  const uint32_t words = kgTextToS5Float(result.text);
  result.word = static_cast<uint16_t>(words >> 16);
  result.word2 = static_cast<uint16_t>(words & 0xFFFF);
}

void parseSignedByte(ConstantValue& result) {
  const auto value = numberIn(result.text, -128, 127);
  if (!value) {
    result.error = msg::kParameter1OutOfRange;
    return;
  }
  result.word = static_cast<uint16_t>(*value & 0xFF);
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%+-d", static_cast<int>(*value));
  result.text = buffer;
}

}  // namespace

ConstantValue parseConstant(std::string_view text, ConstFormat format) {
  ConstantValue result;
  result.text = withoutBlanks(text);
  switch (format) {
    case ConstFormat::KF:
      parseKf(result);
      break;
    case ConstFormat::KZ:
      parseKz(result);
      break;
    case ConstFormat::KT:
      parseKt(result);
      break;
    case ConstFormat::KC:
      parseKc(result);
      break;
    case ConstFormat::KY:
      parseKy(result);
      break;
    case ConstFormat::KH:
      parseKh(result);
      break;
    case ConstFormat::KM:
      parseKm(result);
      break;
    case ConstFormat::KG:
      parseKg(result);
      break;
    case ConstFormat::SignedByte:
      parseSignedByte(result);
      break;
    case ConstFormat::None:
      break;
  }
  return result;
}

ConstantValue parseDoubleHex(std::string_view text) {
  ConstantValue result;
  result.text = withoutBlanks(text);
  const auto value = parseHex(result.text, 8);
  if (!value) {
    result.error = msg::kBadDh;
    return result;
  }
  char buffer[16];
  result.text = U_WordToKHStr32(buffer, *value);
  result.word = static_cast<uint16_t>(*value >> 16);
  result.word2 = static_cast<uint16_t>(*value & 0xFFFF);
  return result;
}

ConstantValue parseMbrAddress(std::string_view text) {
  ConstantValue result;
  result.text = withoutBlanks(text);
  const auto value = parseHex(result.text, 5);
  if (!value) {
    result.error = msg::kBadMbr;
    return result;
  }
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%05X", static_cast<unsigned>(*value));
  result.text = buffer;
  // The first digit travels in the operation word, the last four in the second word.
  result.word = static_cast<uint16_t>(0x7809 + (*value >> 16) * 16);
  result.word2 = static_cast<uint16_t>(*value & 0xFFFF);
  return result;
}

SplitParameters SplitParams(std::string_view text, char separator) {
  SplitParameters result;
  const auto at = text.find(separator);
  if (at == std::string_view::npos) {
    result.error = separator == '.' ? msg::kMissingSeparator : msg::kBadKy;
    return result;
  }
  const auto asParameter = [](std::string_view part) {
    const auto value = parseDecimalNumber(part);
    return value && *value >= 0 && *value < kNoParameter ? static_cast<uint16_t>(*value)
                                                         : kNoParameter;
  };
  result.first = asParameter(text.substr(0, at));
  result.second = asParameter(text.substr(at + 1));
  return result;
}

bool fitsDisplayFormat(uint16_t word, ConstFormat format) {
  const auto printable = [](unsigned byte) { return (byte >= 32 && byte <= 175) || byte == 225; };
  bool ok = false;
  switch (format) {
    case ConstFormat::KC:
      return printable(word >> 8) && printable(word & 0xFFu);
    case ConstFormat::KT: {
      const int value = FromBcd(word & 0x0FFF, ok);
      return (word >> 12) <= 3 && ok && value <= 999;
    }
    case ConstFormat::KZ: {
      const int value = FromBcd(word, ok);
      return ok && value >= 0 && value <= 999;
    }
    default:
      return true;
  }
}

}  // namespace tavrin::lang
