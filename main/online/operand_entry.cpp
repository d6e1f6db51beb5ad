#include "main/online/operand_entry.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <optional>

#include "main/lang/constant_formats.h"
#include "main/online/online_messages.h"

namespace tavrin::online {

namespace {

constexpr const char* kByteFormats = "KC,KM,KH";
constexpr const char* kWordFormats = "KC,KM,KH,KF,KY,KZ,KH,KT";
constexpr const char* kDoubleFormats = "KC,KG,KH";

// Inputs and outputs share one address range: outputs stand 128 above the inputs.
constexpr uint16_t kOutputOffset = 128;
constexpr unsigned kHighestDb = 255;

constexpr std::array<EntryOperand, 24> kOperands = {{
    {"E", 127, "KM", kKindIoBit, 1, false},
    {"A", 127, "KM", kKindIoBit, 1, true},
    {"EB", 127, kByteFormats, kKindIoByte, 1, false},
    {"AB", 127, kByteFormats, kKindIoByte, 1, true},
    {"EW", 126, kWordFormats, kKindIoWord, 2, false},
    {"AW", 126, kWordFormats, kKindIoWord, 2, true},
    {"ED", 124, kDoubleFormats, kKindIoDouble, 4, false},
    {"AD", 124, kDoubleFormats, kKindIoDouble, 4, true},
    {"M", 255, "KM", kKindFlagBit, 1, false},
    {"MB", 255, kByteFormats, kKindFlagByte, 1, false},
    {"MW", 254, kWordFormats, kKindFlagWord, 2, false},
    {"MD", 252, kDoubleFormats, kKindFlagDouble, 4, false},
    {"SY", 4095, kByteFormats, kKindSByte, 1, false},
    {"SW", 4094, kWordFormats, kKindSWord, 2, false},
    {"SD", 4092, kDoubleFormats, kKindSDouble, 4, false},
    {"T", 255, "KM,KT,KH", kKindTimer, 2, false},
    {"Z", 255, "KM,KZ,KH", kKindCounter, 2, false},
    {"BS", 255, kWordFormats, kKindSystemData, 2, false},
    {"PY", 255, kByteFormats, kKindPeripheryByte, 1, false},
    {"PW", 254, kWordFormats, kKindPeripheryWord, 2, false},
    {"DL", 255, kByteFormats, kKindDataLeft, 1, false},
    {"DR", 255, kByteFormats, kKindDataRight, 1, false},
    {"DW", 255, kWordFormats, kKindDataWord, 2, false},
    {"DD", 254, kDoubleFormats, kKindDataDouble, 4, false},
}};

struct FormatName {
  char letter;
  uint8_t code;
};
constexpr FormatName kFormats[] = {{'Z', kFormatKZ}, {'T', kFormatKT}, {'F', kFormatKF},
                                   {'G', kFormatKG}, {'C', kFormatKC}, {'Y', kFormatKY},
                                   {'H', kFormatKH}, {'M', kFormatKM}};

uint8_t formatCode(char letter) {
  for (const FormatName& f : kFormats)
    if (f.letter == letter) return f.code;
  return 0;
}

bool allows(const EntryOperand& operand, std::string_view format) {
  const std::string_view list = operand.formats;
  for (std::size_t at = 0; at + 2 <= list.size(); at += 3)
    if (list.substr(at, 2) == format) return true;
  return false;
}

const EntryOperand* findOperand(std::string_view name) {
  for (const EntryOperand& operand : kOperands)
    if (name == operand.name) return &operand;
  return nullptr;
}

// Decimal digits from `at`; advances past them. Nothing when there are none or too many.
std::optional<unsigned> readNumber(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  unsigned value = 0;
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0) {
    if (at - start >= 5) return std::nullopt;
    value = value * 10 + static_cast<unsigned>(text[at] - '0');
    ++at;
  }
  if (at == start) return std::nullopt;
  return value;
}

// Characters as KC shows them: one per byte of the operand, the first in the high byte.
std::optional<std::array<uint16_t, 2>> characterWords(std::string_view value, unsigned bytes) {
  if (value.empty() || value.size() > bytes) return std::nullopt;
  std::string padded(value);
  padded.resize(bytes, ' ');
  if (bytes == 1) return std::array<uint16_t, 2>{static_cast<unsigned char>(padded[0]), 0};
  std::array<uint16_t, 2> words{};
  for (unsigned i = 0; i < bytes; i += 2)
    words[i / 2] = static_cast<uint16_t>(static_cast<unsigned char>(padded[i]) << 8 |
                                         static_cast<unsigned char>(padded[i + 1]));
  return words;
}

// The value text in the entry's format as one or two words; nothing when it is not valid.
std::optional<std::array<uint16_t, 2>> valueWords(const OperandEntry& entry, char letter,
                                                  std::string_view value) {
  const unsigned bytes = entry.operand->bytes;
  if (entry.isBit()) {
    if (value != "0" && value != "1") return std::nullopt;
    return std::array<uint16_t, 2>{static_cast<uint16_t>(value[0] - '0'), 0};
  }
  using lang::ConstFormat;
  lang::ConstantValue parsed;
  switch (letter) {
    case 'C':
      return characterWords(value, bytes);
    case 'M':
      // Shorter values stand for their leading zeros.
      if (value.size() > bytes * 8) return std::nullopt;
      parsed = lang::parseConstant(value, ConstFormat::KM);
      break;
    case 'H':
      if (value.size() > bytes * 2) return std::nullopt;
      parsed = bytes == 4
                   ? lang::parseDoubleHex(std::string(8 - value.size(), '0') + std::string(value))
                   : lang::parseConstant(value, ConstFormat::KH);
      break;
    case 'F':
      parsed = lang::parseConstant(value, ConstFormat::KF);
      break;
    case 'Y':
      parsed = lang::parseConstant(value, ConstFormat::KY);
      break;
    case 'Z':
      parsed = lang::parseConstant(value, ConstFormat::KZ);
      break;
    case 'T':
      parsed = lang::parseConstant(value, ConstFormat::KT);
      break;
    case 'G':
      parsed = lang::parseConstant(value, ConstFormat::KG);
      break;
    default:
      return std::nullopt;
  }
  if (!parsed.ok() || (bytes == 1 && parsed.word > 0xFF)) return std::nullopt;
  return std::array<uint16_t, 2>{parsed.word, parsed.word2};
}

std::string upperCasedWithoutLeadingBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  std::string out(first == std::string_view::npos ? std::string_view{} : text.substr(first));
  for (char& c : out)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

char defaultFormatLetter(const OperandEntry& entry) {
  if (entry.operand->kind == kKindTimer) return 'T';
  if (entry.operand->kind == kKindCounter) return 'Z';
  return entry.isBit() ? 'M' : 'H';
}

}  // namespace

char formatLetter(uint8_t format) {
  for (const FormatName& f : kFormats)
    if (f.code == format) return f.letter;
  return '?';
}

std::span<const EntryOperand> entryOperands() {
  return kOperands;
}

int ParseOperandEntry(std::string& text, unsigned flags, OperandEntry& entry) {
  entry = OperandEntry{};
  const int syntaxError = (flags & kEntryFormatOnlySyntax) != 0 ? -16 : -3;
  std::string t = upperCasedWithoutLeadingBlanks(text);
  if (t.empty()) return -1;

  // A bit operand's name is one letter, so its address follows at once ("AW4=KC1." is none).
  const bool bit = (t[0] == 'E' || t[0] == 'A' || t[0] == 'M') && t.size() > 1 &&
                   std::isdigit(static_cast<unsigned char>(t[1])) != 0 &&
                   t.find('.') != std::string::npos && t.find('T') == std::string::npos &&
                   t.find("KG") == std::string::npos;
  if (bit && (flags & kEntryBitsAllowed) == 0) return -15;
  const std::size_t nameLength = bit || t[0] == 'T' || t[0] == 'Z' ? 1 : 2;
  const std::string name = t.substr(0, nameLength);
  entry.operand = findOperand(name);
  if (entry.operand == nullptr) return -2;
  const std::string_view n = entry.operand->name;
  if (n == "DR" || n == "DL") return -17;
  if (n == "SY" || n == "SW" || n == "SD") return -18;
  if (n == "PY" || n == "PW") return -19;

  std::size_t at = nameLength;
  const uint16_t outputOffset = entry.operand->output ? kOutputOffset : 0;
  if (bit) {
    const auto byte = readNumber(t, at);
    if (!byte || at >= t.size() || t[at] != '.') return -4;
    ++at;
    const auto bitNumber = readNumber(t, at);
    if (!bitNumber) return -4;
    if (*byte > entry.operand->highest) return -5;
    if (*bitNumber > 7) return -6;
    entry.address = static_cast<uint16_t>((*byte + outputOffset) << 8 | *bitNumber);
  } else {
    const auto address = readNumber(t, at);
    if (!address) return -7;
    if (*address > entry.operand->highest) return -8;
    entry.address = static_cast<uint16_t>(*address + outputOffset);
  }

  if (entry.operand->kind == kKindDataWord || entry.operand->kind == kKindDataDouble) {
    if (t.compare(at, 3, ",DB") != 0 && t.compare(at, 3, ",DX") != 0) return -9;
    entry.dbType = t[at + 2] == 'B' ? kDbTypeDb : kDbTypeDx;
    at += 3;
    const auto number = readNumber(t, at);
    // DB 0 holds the block list, not data words.
    if (!number || *number == 0) return -10;
    if (*number > kHighestDb) return -11;
    entry.dbNumber = static_cast<uint8_t>(*number);
  }

  if (at == t.size() || t.substr(at) == "=") {
    t.resize(at);
    t += "=K";
    t += defaultFormatLetter(entry);
  }
  if (t[at] != '=' || t.size() < at + 3 || t[at + 1] != 'K') {
    text = t;
    return syntaxError;
  }
  const std::string format = t.substr(at + 1, 2);
  text = t;
  if (!allows(*entry.operand, format)) return -12;
  entry.format = formatCode(format[1]);

  const std::string_view value = std::string_view(t).substr(at + 3);
  if (value.empty()) return (flags & kEntryValueRequired) != 0 ? syntaxError : 1;
  if ((flags & kEntryValueForbidden) != 0) return syntaxError;
  const auto words = valueWords(entry, format[1], value);
  if (!words) return -14;
  entry.hasValue = true;
  entry.value1 = (*words)[0];
  entry.value2 = (*words)[1];
  return 1;
}

std::string OperandEntryErrorText(int code, const OperandEntry& entry) {
  const char* name = entry.operand != nullptr ? entry.operand->name : "";
  const unsigned highest = entry.operand != nullptr ? entry.operand->highest : 0;
  char text[512];
  switch (code) {
    case -19:
      return msg::kEntryPeriphery;
    case -18:
      return msg::kEntrySFlags;
    case -17:
      return msg::kEntryDataByte;
    case -16:
      return msg::kEntrySyntaxFormatOnly;
    case -15:
      return msg::kEntryNoBits;
    case -14:
      return msg::kEntryBadValue;
    case -13:
      return msg::kEntryNoKg;
    case -12:
      std::snprintf(text, sizeof text, msg::kEntryBadFormat, name,
                    entry.operand != nullptr ? entry.operand->formats : "");
      return text;
    case -11:
      return msg::kEntryDbNumberTooHigh;
    case -10:
      return msg::kEntryNoDbNumber;
    case -9:
      return msg::kEntryNoDb;
    case -8:
      std::snprintf(text, sizeof text, msg::kEntryAddressTooHigh, name, highest);
      return text;
    case -7:
      std::snprintf(text, sizeof text, msg::kEntryBadAddress, name, highest);
      return text;
    case -6:
      return msg::kEntryBitOutOfRange;
    case -5:
      std::snprintf(text, sizeof text, msg::kEntryByteOutOfRange, highest);
      return text;
    case -4:
      return msg::kEntryNoBitParameters;
    case -3:
      return msg::kEntrySyntax;
    case -2:
      return msg::kEntryNoOperand;
    case -1:
      return msg::kEntryEmpty;
    default:
      return msg::kEntryUnknown;
  }
}

}  // namespace tavrin::online
