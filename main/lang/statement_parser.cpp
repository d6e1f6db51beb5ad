#include "main/lang/statement_parser.h"

#include <cstdio>

#include "main/lang/constant_formats.h"
#include "main/lang/decimal_number.h"
#include "main/lang/instruction_table.h"
#include "main/lang/kg_constant.h"
#include "main/lang/lang_messages.h"

namespace tavrin::lang {

namespace {

constexpr std::size_t kMaxStatement = 30;

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

bool allHex(std::string_view text) {
  for (char c : text)
    if (!isHexDigit(c)) return false;
  return true;
}

// Hex digits filled with '0' on the left to `width`.
std::string zeroFilled(std::string_view digits, std::size_t width) {
  return std::string(width - digits.size(), '0') + std::string(digits);
}

const char* checkTwoParameters(const InstrRow& row, std::string& text, uint16_t& p1, uint16_t& p2) {
  if (text.empty()) return msg::kNoParameters;
  const ConstFormat format = row.format();
  if (format == ConstFormat::KY || format == ConstFormat::KT) {
    const ConstantValue value = parseConstant(text, format);
    if (!value.ok()) return value.error;
    const SplitParameters split = SplitParams(text, format == ConstFormat::KY ? ',' : '.');
    p1 = split.first;
    p2 = split.second;
    text = value.text;
  } else {
    const SplitParameters split = SplitParams(text, '.');
    if (split.error != nullptr) return split.error;
    p1 = split.first;
    p2 = split.second;
  }
  if (p1 < row.min || p1 > row.max) return msg::kParameter1OutOfRange;
  if (p2 > row.max2) return msg::kParameter2OutOfRange;
  return nullptr;
}

const char* checkHex(const InstrRow& row, std::string& text, uint16_t& p1, uint16_t& p2) {
  if (row.words == 3) {  // L DH, ADD DH: the compiler takes the words from the text
    if (text.size() > 8 || !allHex(text)) return msg::kBadDh;
    const std::string digits = zeroFilled(text, 8);
    text = digits.substr(0, 4) + " " + digits.substr(4);
    p1 = p2 = 0;
    return nullptr;
  }
  if (row.keyText() == "MBR") {
    const ConstantValue value = parseMbrAddress(text);
    if (!value.ok()) return value.error;
    text = value.text;
    p1 = value.word;
    p2 = value.word2;
    return nullptr;
  }
  const ConstantValue value = parseConstant(text, ConstFormat::KH);
  if (!value.ok()) return value.error;
  text = value.text;
  p1 = value.word;
  return nullptr;
}

const char* checkOneParameter(const InstrRow& row, std::string& text, uint16_t& p1, uint16_t& p2) {
  const ConstFormat format = row.format();
  if (text.empty() && format != ConstFormat::KC) return msg::kNoParameters;
  if (row.max == kLabelOrFormal) return text.size() > 4 ? msg::kNameTooLong : nullptr;
  switch (format) {
    case ConstFormat::KF:
    case ConstFormat::KZ:
    case ConstFormat::KM:
    case ConstFormat::KC:
    case ConstFormat::KG: {
      // A KC operand of more than two characters is refused, not cut: cutting would drop what
      // the user typed without a word.
      const ConstantValue value = parseConstant(text, format);
      if (!value.ok()) return value.error;
      text = value.text;
      p1 = value.word;
      p2 = value.word2;
      return nullptr;
    }
    case ConstFormat::KH:
      return checkHex(row, text, p1, p2);
    default:
      break;
  }
  const auto number = parseDecimalNumber(text);
  const bool signedRange = format == ConstFormat::SignedByte;
  const int min = signedRange ? static_cast<int16_t>(row.min) : row.min;
  const int max = signedRange ? static_cast<int16_t>(row.max) : row.max;
  if (!number || *number < min || *number > max) return msg::kParameter1OutOfRange;
  p1 = static_cast<uint16_t>(*number);
  if (signedRange) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%+-d", static_cast<int>(*number));
    text = buffer;
  }
  return nullptr;
}

}  // namespace

const char* CheckParams(int row, std::string& parameterText, uint16_t& p1, uint16_t& p2) {
  const InstrRow& r = rowAt(row);
  switch (r.parameterKind()) {
    case 0:
      return parameterText.empty() ? nullptr : msg::kNoParametersAllowed;
    case 2:
      return checkTwoParameters(r, parameterText, p1, p2);
    default:
      return checkOneParameter(r, parameterText, p1, p2);
  }
}

ParseResult ParseStatement(std::string_view statement) {
  ParseResult result;
  std::string stripped = withoutBlanks(statement.substr(0, kMaxStatement));
  const int row = findByText(stripped, false);
  if (row == kNoRow) {
    result.error = msg::kUnknownStatement;
    return result;
  }
  ParsedStatement& s = result.statement;
  s.row = row;
  s.parameterText = stripped.substr(rowAt(row).keyText().size());
  result.error = CheckParams(row, s.parameterText, s.p1, s.p2);
  if (result.ok()) s.statementText = std::string(rowAt(row).displayText()) + s.parameterText;
  return result;
}

OperandResult ParseOperand(std::string_view operand) {
  OperandResult result;
  const std::string text = withoutBlanks(operand);
  std::size_t areaLength = text.find_first_of("0123456789+-");
  if (text.starts_with("KH") || text.starts_with("KC")) areaLength = 2;
  if (areaLength == std::string::npos) areaLength = text.size();
  if (areaLength == 0 || areaLength > 2) {
    result.error = msg::kUnknownOperand;
    return result;
  }
  std::string area = text.substr(0, areaLength);
  if (area.size() == 1) area += ' ';
  const InstructionTable& table = instructionTable();
  // The operand area stands at characters 4 and 5 of a row's display text ("L   MW ").
  for (std::size_t i = 1; i < table.size() && result.row < 0; ++i)
    if (table[i].displayText().substr(4, 2) == area) result.row = static_cast<int>(i);
  if (result.row < 0) {
    result.error = msg::kUnknownOperand;
    return result;
  }
  std::string value = text.substr(areaLength);
  result.error = CheckParams(result.row, value, result.p1, result.p2);
  if (!result.ok()) return result;
  result.area = area;
  result.operand = area + " " + value;
  return result;
}

}  // namespace tavrin::lang
