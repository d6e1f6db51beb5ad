#include "main/lang/actual_parameter_line.h"

#include <array>
#include <cstdio>

#include "main/lang/constant_text.h"
#include "main/lang/instruction_table.h"
#include "main/lang/instruction_text.h"
#include "main/lang/parameter_descriptor.h"
#include "main/lang/statement_parser.h"

namespace tavrin::lang {

namespace {

constexpr std::string_view kUnknownName = "????";
constexpr std::string_view kOperandIndent = "    ";

struct AreaByFirstByte {
  uint8_t firstByte;
  std::string_view area;  // "T " and "Z " stand one blank before the number, blocks none
};
constexpr std::array<AreaByFirstByte, 7> kTimersCountersBlocks = {{
    {0x02, "T  "},
    {0x42, "Z  "},
    {0x20, "DB "},
    {0x3D, "FB "},
    {0x6D, "OB "},
    {0x75, "PB "},
    {0x7D, "SB "},
}};

std::string hexOperand(uint16_t word) {
  return std::string(kOperandIndent) + "KH " + *exactConstantText(word, ConstFormat::KH);
}

// The operand of an E or A parameter: the instruction text of the word without its operation
// ("U   E  1.0" gives "E  1.0"). The compiler writes an operand as the check of a bit (U E, U A,
// U M) or the load of a byte, word or double word (L EB, L MW, L DD, ...); any other word (U T,
// the constant load L KB) would compile to another word.
std::optional<std::string> operandOfInstruction(uint16_t word) {
  const uint16_t words[] = {word};
  const InstructionText t = instructionText(words, nullptr);
  if (t.kind != InstructionText::Kind::Text || t.words != 1) return std::nullopt;
  const WordLayout layout = layoutOf(t.row);
  const std::string_view operation = std::string_view(t.text).substr(0, 4);
  const bool bitCheck = layout == WordLayout::InputOutputFlagBit && operation == "U   ";
  const bool load = layout == WordLayout::ByteParameter && operation == "L   " && t.text[4] != 'K';
  if (!bitCheck && !load) return std::nullopt;
  const std::string operand = t.text.substr(4);
  const OperandResult back = ParseOperand(operand);
  if (!back.ok() || back.area != operand.substr(0, 2)) return std::nullopt;
  return std::string(kOperandIndent) + operand;
}

std::optional<std::string> timerCounterOrBlock(uint16_t word) {
  for (const AreaByFirstByte& a : kTimersCountersBlocks)
    if ((word >> 8) == a.firstByte) {
      char number[8];
      std::snprintf(number, sizeof number, "%u", static_cast<unsigned>(word & 0xFF));
      return std::string(kOperandIndent) + std::string(a.area) + number;
    }
  return std::nullopt;
}

std::optional<std::string> constantOperand(uint16_t descriptor, uint16_t word) {
  const ConstFormat format = constFormatOfCode(static_cast<uint8_t>(descriptor & 0xFF));
  const auto text = exactConstantText(word, format);
  if (!text) return std::nullopt;
  return std::string(kOperandIndent) + std::string(descriptorTypeName(descriptor)) + *text;
}

}  // namespace

ActualParameterText actualParameterText(const HeaderParameter* parameter,
                                        std::span<const uint16_t> words) {
  ActualParameterText result;
  const uint16_t word = words.empty() ? 0 : words[0];
  const std::string name = parameter != nullptr ? parameter->name : std::string(kUnknownName);
  std::optional<std::string> operand;
  if (parameter != nullptr) {
    switch (descriptorKind(parameter->descriptor)) {
      case 'E':
      case 'A':
        operand = operandOfInstruction(word);
        break;
      case 'T':
      case 'Z':
      case 'B':
        operand = timerCounterOrBlock(word);
        break;
      case 'D':
        if (isKgDescriptor(parameter->descriptor) && words.size() >= 2) {
          const uint32_t s5 = static_cast<uint32_t>(word) << 16 | words[1];
          operand = std::string(kOperandIndent) + "KG " + kgConstantText(s5);
          result.words = 2;
        } else {
          operand = constantOperand(parameter->descriptor, word);
        }
        break;
      default:
        break;
    }
  }
  result.text = name + " >" + operand.value_or(hexOperand(word));
  return result;
}

}  // namespace tavrin::lang
