#include "main/online/simulator_variables.h"

#include <cstdio>

#include "main/lang/bcd.h"
#include "main/lang/kg_constant.h"
#include "simcore/simcore32.h"
#include "utilkit/utilkit40.h"

namespace tavrin::online {

namespace {

constexpr unsigned kOutputOffset = 128;

bool isOutput(const OperandEntry& entry) {
  return entry.byteAddress() >= kOutputOffset;
}
short ioAddress(const OperandEntry& entry) {
  return static_cast<short>(entry.byteAddress() - (isOutput(entry) ? kOutputOffset : 0));
}

bool isDataWord(const OperandEntry& entry) {
  return entry.operand->kind == kKindDataWord || entry.operand->kind == kKindDataDouble;
}

uint8_t readIoByte(const OperandEntry& entry, short address) {
  unsigned char byte = 0;
  if (isOutput(entry))
    S5AG_ReadOutByte(address, &byte);
  else
    S5AG_ReadInByte(address, &byte);
  return byte;
}

uint16_t readIoWord(const OperandEntry& entry, short address) {
  unsigned short word = 0;
  if (isOutput(entry))
    S5AG_ReadOutWord(address, &word);
  else
    S5AG_ReadInWord(address, &word);
  return word;
}

void writeIoByte(const OperandEntry& entry, short address, uint8_t value) {
  if (isOutput(entry))
    S5AG_WriteOutByte(address, value);
  else
    S5AG_WriteInByte(address, value);
}

void writeIoWord(const OperandEntry& entry, short address, uint16_t value) {
  if (isOutput(entry))
    S5AG_WriteOutWord(address, value);
  else
    S5AG_WriteInWord(address, value);
}

uint16_t flagWord(short number) {
  unsigned short word = 0;
  S5AG_ReadMerkWord(number, &word);
  return word;
}

// Three BCD digits as the ordinary number the controller counts with.
uint16_t bcdToBinary(uint16_t bcd) {
  bool ok = true;
  const int value = lang::FromBcd(bcd & 0x0FFF, ok);
  return static_cast<uint16_t>(ok ? value : 0);
}

std::string trimmed(const char* text) {
  std::string s(text);
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string characters(uint16_t word, unsigned count) {
  std::string out;
  for (unsigned i = 0; i < count; ++i) {
    const auto c = static_cast<unsigned char>(word >> (8 * (count - 1 - i)));
    out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '.';
  }
  return out;
}

std::string valueText(const OperandEntry& entry, const VariableValue& v) {
  const unsigned bytes = entry.operand->bytes;
  const uint8_t kind = entry.operand->kind;
  char buffer[64];
  if (entry.isBit()) return std::to_string(v[0] & 1);
  switch (entry.format) {
    case kFormatKM:
      return bytes == 1 ? U_WordToKMStr8(buffer, static_cast<unsigned char>(v[0]))
                        : U_WordToKMStr16(buffer, v[0]);
    case kFormatKH:
      if (bytes == 1) {
        std::snprintf(buffer, sizeof buffer, "%02X", v[0] & 0xFF);
        return buffer;
      }
      return bytes == 4 ? U_WordToKHStr32(buffer, static_cast<uint32_t>(v[0]) << 16 | v[1])
                        : U_WordToKHStr(buffer, v[0]);
    case kFormatKF:
      return trimmed(U_WordToKFStr(buffer, v[0]));
    case kFormatKY:
      return U_WordToKYStr(buffer, v[0]);
    case kFormatKZ:
      // A counter counts in binary; any other word holds its digits in BCD.
      return kind == kKindCounter ? U_WordToKZStr(buffer, v[0]) : U_WordToKZStrBCD(buffer, v[0]);
    case kFormatKT:
      return kind == kKindTimer ? U_WordToKTStr(buffer, v[0]) : U_WordToKTStrBCD(buffer, v[0]);
    case kFormatKC:
      return bytes == 4 ? characters(v[0], 2) + characters(v[1], 2) : characters(v[0], bytes);
    case kFormatKG:
      return lang::kgTextFromFloat(S5AG_S5LongToFloat(static_cast<uint32_t>(v[0]) << 16 | v[1]));
    default:
      return {};
  }
}

}  // namespace

std::optional<VariableValue> ReadSimulatorValue(const OperandEntry& entry) {
  VariableValue v{};
  const short address = ioAddress(entry);
  const auto number = static_cast<short>(entry.byteAddress());
  unsigned char byte = 0;
  switch (entry.operand->kind) {
    case kKindIoBit:
      v[0] = readIoByte(entry, address) >> (entry.address & 7) & 1;
      break;
    case kKindIoByte:
      v[0] = readIoByte(entry, address);
      break;
    case kKindIoWord:
      v[0] = readIoWord(entry, address);
      break;
    case kKindIoDouble:
      v = {readIoWord(entry, address), readIoWord(entry, static_cast<short>(address + 2))};
      break;
    case kKindFlagBit:
      S5AG_ReadMerkByte(number, &byte);
      v[0] = byte >> (entry.address & 7) & 1;
      break;
    case kKindFlagByte:
      S5AG_ReadMerkByte(number, &byte);
      v[0] = byte;
      break;
    case kKindFlagWord:
      v[0] = flagWord(number);
      break;
    case kKindFlagDouble:
      v = {flagWord(number), flagWord(static_cast<short>(number + 2))};
      break;
    case kKindTimer:
      v[0] = S5AG_GetTimerWord(static_cast<unsigned char>(number));
      break;
    case kKindCounter:
      v[0] = S5AG_GetCounterWord(static_cast<unsigned char>(number));
      break;
    case kKindSystemData:
      v[0] = S5AG_GetBSWord(static_cast<unsigned char>(number));
      break;
    case kKindDataWord:
    case kKindDataDouble: {
      const unsigned short count = entry.operand->kind == kKindDataDouble ? 2 : 1;
      if (S5AG_ReadWriteDatenwort(1, entry.dbNumber, entry.dbType == kDbTypeDx,
                                  static_cast<unsigned char>(number), count, v.data()) != 0)
        return std::nullopt;
      break;
    }
    default:
      return std::nullopt;
  }
  return v;
}

bool ForceOnSimulator(const OperandEntry& entry) {
  const short address = ioAddress(entry);
  const auto number = static_cast<short>(entry.byteAddress());
  const uint16_t value = entry.value1;
  switch (entry.operand->kind) {
    case kKindIoBit:
    case kKindFlagBit: {
      const auto mask = static_cast<uint8_t>(1u << (entry.address & 7));
      uint8_t byte = 0;
      if (entry.operand->kind == kKindIoBit) {
        byte = readIoByte(entry, address);
      } else {
        S5AG_ReadMerkByte(number, &byte);
      }
      byte = static_cast<uint8_t>(value != 0 ? byte | mask : byte & ~mask);
      if (entry.operand->kind == kKindIoBit)
        writeIoByte(entry, address, byte);
      else
        S5AG_WriteMerkByte(number, byte);
      return true;
    }
    case kKindIoByte:
      writeIoByte(entry, address, static_cast<uint8_t>(value));
      return true;
    case kKindIoWord:
      writeIoWord(entry, address, value);
      return true;
    case kKindIoDouble:
      writeIoWord(entry, address, value);
      writeIoWord(entry, static_cast<short>(address + 2), entry.value2);
      return true;
    case kKindFlagByte:
      S5AG_WriteMerkByte(number, static_cast<uint8_t>(value));
      return true;
    case kKindFlagWord:
      S5AG_WriteMerkWord(number, value);
      return true;
    case kKindFlagDouble:
      S5AG_WriteMerkWord(number, value);
      S5AG_WriteMerkWord(static_cast<short>(number + 2), entry.value2);
      return true;
    case kKindTimer:
      // The simulator takes the time as written (BCD digits and base) and starts the timer.
      S5AG_WriteTimWord(number, value);
      return true;
    case kKindCounter:
      S5AG_WriteCntWord(number, bcdToBinary(value));
      return true;
    case kKindDataWord:
    case kKindDataDouble: {
      unsigned short words[2] = {value, entry.value2};
      const unsigned short count = entry.operand->kind == kKindDataDouble ? 2 : 1;
      return S5AG_ReadWriteDatenwort(0, entry.dbNumber, entry.dbType == kDbTypeDx,
                                     static_cast<unsigned char>(number), count, words) == 0;
    }
    default:
      return false;
  }
}

std::string StatusVariableLine(const OperandEntry& entry,
                               const std::optional<VariableValue>& value) {
  char line[96];
  const char* name = entry.operand->name;
  const char letter = formatLetter(entry.format);
  const unsigned byte = entry.byteAddress() - (entry.operand->output ? kOutputOffset : 0);
  if (entry.isBit()) {
    std::snprintf(line, sizeof line, "%-2s%u.%u=K%c ", name, byte, entry.address & 7u, letter);
  } else if (isDataWord(entry)) {
    char db[8];
    std::snprintf(db, sizeof db, "%s%03u", entry.dbType == kDbTypeDx ? "DX" : "DB", entry.dbNumber);
    std::snprintf(line, sizeof line, "%-2s%-3u,%s=K%c ", name, byte, db, letter);
  } else {
    std::snprintf(line, sizeof line, "%-2s%-3u=K%c ", name, byte, letter);
  }
  std::string text = line;
  if (value) text += valueText(entry, *value);
  return text;
}

}  // namespace tavrin::online
