#include "main/lang/instruction_text.h"

#include <array>
#include <cstdio>

#include "main/lang/constant_text.h"
#include "main/lang/instruction_table.h"

namespace tavrin::lang {

namespace {

constexpr uint8_t kConstantLoad = 0x30;  // L KZ, L KT, L KF, L KC, L KY, L KH, L KM
constexpr uint16_t kUnformattedLoad = 0x3000;
constexpr uint16_t kScanInputsOutputs = 0x7038;
constexpr uint16_t kDataWordBits = 0x783F;
constexpr uint8_t kOutputBit = 0x80;  // E and A share their codes; bit 7 of the byte marks A

// D-bit operations by their code in bits 12..15 of the second word.
constexpr std::array<std::string_view, 7> kDataBitKeys = {"UD", "OD", "UND", "OND",
                                                          "SD", "RD", "=D"};

// Scan operations by bits 12..15 of the second word, and the operation column of their rows.
struct ScanOperation {
  unsigned code;
  std::string_view text;
};
constexpr std::array<ScanOperation, 4> kScanOperations = {{
    {12, "P   "},
    {8, "PN  "},
    {4, "SU  "},
    {0, "RU  "},
}};

const InstrRow& row(int index) {
  return rowAt(index);
}

int rowCount() {
  return static_cast<int>(instructionTable().size());
}

template <typename Fits>
int findRow(Fits fits) {
  for (int i = 0; i < rowCount(); ++i)
    if (fits(row(i))) return i;
  return kNoRow;
}

int rowWithKey(std::string_view key) {
  return findRow([&](const InstrRow& r) { return r.keyText() == key; });
}

// The E row of a pair whose A row follows it with the opcode + 0x80 (U E / U A, L EB / L AB).
bool hasOutputPartner(int index) {
  if (index < 0 || index + 1 >= rowCount()) return false;
  const InstrRow& e = row(index);
  const InstrRow& a = row(index + 1);
  return e.displayText()[4] == 'E' && a.displayText()[4] == 'A' &&
         a.opcode == static_cast<uint16_t>(e.opcode + kOutputBit);
}

std::string format(const char* pattern, auto... values) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, pattern, values...);
  return buffer;
}

int8_t signedByte(unsigned value) {
  return static_cast<int8_t>(static_cast<uint8_t>(value));
}

bool carriesLowByteParameter(WordLayout layout) {
  switch (layout) {
    case WordLayout::ByteParameter:
    case WordLayout::Svw:
    case WordLayout::SignedByte:
    case WordLayout::InputOutputFlagBit:
    case WordLayout::Jump:
    case WordLayout::Formal:
      return true;
    default:
      return false;
  }
}

class Decoder {
 public:
  Decoder(std::span<const uint16_t> words, const FbHeaderWords* ownHeader)
      : w_(words), own_(ownHeader) {}

  InstructionText run();

 private:
  uint16_t w(std::size_t i) const { return i < w_.size() ? w_[i] : 0; }
  InstructionText text(int index, std::string operand) const {
    return {InstructionText::Kind::Text, index, std::string(row(index).displayText()) + operand,
            row(index).words};
  }
  InstructionText raw(int index) const {
    return {InstructionText::Kind::Raw, index, {}, row(index).words};
  }
  static InstructionText none() { return {}; }

  InstructionText byteOperand(int index) const;
  InstructionText constant(int index) const;
  InstructionText numberInSecondWord(int index) const;
  InstructionText fxDxCall(int index) const;
  InstructionText dataWordBit() const;
  InstructionText sFlagBit(int index) const;
  InstructionText scan() const;
  InstructionText formal(int index) const;

  std::span<const uint16_t> w_;
  const FbHeaderWords* own_;
};

// Byte parameters and E/A/M bit operations: an E row stands for its A row when bit 7 of the byte
// is set, whichever of the two the code found.
InstructionText Decoder::byteOperand(int index) const {
  const uint16_t w0 = w(0);
  const bool outputRow = index > 0 && hasOutputPartner(index - 1);
  const int inputRow = outputRow ? index - 1 : index;
  if (hasOutputPartner(inputRow)) index = (w0 & kOutputBit) != 0 ? inputRow + 1 : inputRow;
  const InstrRow& r = row(index);
  const unsigned value = (w0 & 0xFF) - r.lowByte();
  if (value < r.min || value > r.max) return raw(index);
  if (r.parameterKind() == 2) return text(index, format("%u.%u", value, (w0 >> 8) & 0x07u));
  return text(index, format("%u", value));
}

// The second word in the row's constant format. A constant load whose word does not fit is
// shown as L KH.
InstructionText Decoder::constant(int index) const {
  const InstrRow& r = row(index);
  if (auto t = exactConstantText(w(1), r.format())) return text(index, *t);
  if (r.firstByte() == kConstantLoad) {
    const int kh = rowWithKey("LKH");
    return text(kh, *exactConstantText(w(1), ConstFormat::KH));
  }
  return raw(index);
}

// A number within the row's limits (E DB, EX DX, SES, SEF, L SY ... T SD, ASM KH).
InstructionText Decoder::numberInSecondWord(int index) const {
  const InstrRow& r = row(index);
  if (w(1) < r.min || w(1) > r.max) return raw(index);
  return text(index, format("%u", static_cast<unsigned>(w(1))));
}

InstructionText Decoder::fxDxCall(int index) const {
  const InstrRow& r = row(index);
  const std::string_view key = r.keyText();
  const unsigned expected = key == "BAFX" ? 0x01 : key == "BABFX" ? 0x09 : 0x11;
  const unsigned number = w(1) & 0xFF;
  if ((w(1) >> 8) != expected || number > r.max) return raw(index);
  return text(index, format("%u", number));
}

InstructionText Decoder::dataWordBit() const {
  const unsigned operation = w(1) >> 12;
  const int index = findRow([](const InstrRow& r) { return r.opcode == kDataWordBits; });
  if (operation >= kDataBitKeys.size()) return raw(index);
  const int shown = findRow([&](const InstrRow& r) {
    return r.opcode == kDataWordBits && r.keyText() == kDataBitKeys[operation];
  });
  return text(shown, format("%u.%u", w(1) & 0xFFu, (w(1) >> 8) & 0x0Fu));
}

InstructionText Decoder::sFlagBit(int index) const {
  const InstrRow& r = row(index);
  const unsigned bit = w(1) >> 12;
  const unsigned address = w(1) & 0x0FFF;
  if (bit > r.max2 || address > r.max) return raw(index);
  return text(index, format("%u.%u", address, bit));
}

InstructionText Decoder::scan() const {
  const uint16_t w0 = w(0);
  const unsigned code = w(1) >> 12;
  const ScanOperation* operation = nullptr;
  for (const ScanOperation& op : kScanOperations)
    if (op.code == code) operation = &op;
  if (operation == nullptr) return none();
  const bool output = w0 == kScanInputsOutputs && (w(1) & kOutputBit) != 0;
  const int index = findRow([&](const InstrRow& r) {
    return r.opcode == w0 && r.displayText().starts_with(operation->text) &&
           (w0 != kScanInputsOutputs || r.displayText()[4] == (output ? 'A' : 'E'));
  });
  if (index == kNoRow) return none();
  const InstrRow& r = row(index);
  const unsigned address = (w(1) & 0xFF) - (output ? kOutputBit : 0);
  const unsigned bit = (w(1) >> 8) & 0x0F;
  if (address > r.max || bit > r.max2) return raw(index);
  return text(index, format("%u.%u", address, bit));
}

InstructionText Decoder::formal(int index) const {
  const HeaderParameter* p =
      own_ != nullptr ? parameterOfFormalNumber(*own_, w(0) & 0xFF) : nullptr;
  if (p == nullptr) return raw(index);
  std::string name = p->name;
  name.erase(name.find_last_not_of(' ') + 1);
  if (name.empty()) return raw(index);
  return text(index, name);
}

InstructionText Decoder::run() {
  if (w_.empty()) return none();
  const uint16_t w0 = w(0);
  const unsigned h = w0 >> 8;
  int index = kNoRow;
  if ((h == 0x78 && (w0 & 0x0F) == 0x09))
    index = rowWithKey("MBR");
  else if (w0 == kUnformattedLoad)
    index = rowWithKey("LKH");
  else
    index = findByCode(w0);
  if (index == kNoRow) return none();
  const InstrRow& r = row(index);
  const WordLayout layout = layoutOf(index);
  if (r.opcode != w0 && !carriesLowByteParameter(layout) && h != kConstantLoad &&
      layout != WordLayout::Mbr)
    return none();
  if (w_.size() < r.words) return none();

  switch (layout) {
    case WordLayout::NoParameter:
      return text(index, "");
    case WordLayout::ByteParameter:
    case WordLayout::InputOutputFlagBit:
      return byteOperand(index);
    case WordLayout::Svw:
      if ((w0 & 0x0F) != 0x01) return none();
      return text(index, format("%u", (w0 >> 4) & 0x0Fu));
    case WordLayout::SignedByte:
      return text(index, format("%+d", signedByte(w0)));
    case WordLayout::Jump:
      return text(index, format(">%d", signedByte(w0)));
    case WordLayout::Sps:
      if ((w(1) & 0xFF00) != 0) return raw(index);
      return text(index, format(">%d", signedByte(w(1)) + 1));
    case WordLayout::Formal:
      return formal(index);
    case WordLayout::RawWord:
      return {InstructionText::Kind::Text, index, rawWordText(w0), 1};
    case WordLayout::SecondWordValue:
      return r.format() == ConstFormat::None ? numberInSecondWord(index) : constant(index);
    case WordLayout::Kt:
    case WordLayout::Ky:
      return constant(index);
    case WordLayout::FxDxCall:
      return fxDxCall(index);
    case WordLayout::Mbr:
      return text(index, format("%X%04X", (w0 >> 4) & 0x0Fu, static_cast<unsigned>(w(1))));
    case WordLayout::DataWordBit:
      return dataWordBit();
    case WordLayout::SFlagBit:
      return sFlagBit(index);
    case WordLayout::BitTest:
      return scan();
    case WordLayout::Kg: {
      const uint32_t s5 = static_cast<uint32_t>(w(1)) << 16 | w(2);
      return text(index, kgConstantText(s5));
    }
    case WordLayout::DoubleHex:
      return text(index,
                  format("%04X %04X", static_cast<unsigned>(w(1)), static_cast<unsigned>(w(2))));
    case WordLayout::Unsupported:
      return none();
  }
  return none();
}

}  // namespace

InstructionText instructionText(std::span<const uint16_t> words, const FbHeaderWords* ownHeader) {
  return Decoder(words, ownHeader).run();
}

std::optional<BlockId> calledBlock(std::span<const uint16_t> words) {
  if (words.empty()) return std::nullopt;
  const uint16_t w0 = words[0];
  if ((w0 >> 8) == 0x3D || (w0 >> 8) == 0x1D)
    return makeBlockId(BlockType::FB, static_cast<uint8_t>(w0 & 0xFF));
  if ((w0 == 0x7801 || w0 == 0x7802) && words.size() > 1) {
    const unsigned expected = w0 == 0x7801 ? 0x01 : 0x09;
    if ((words[1] >> 8) == expected)
      return makeBlockId(BlockType::FX, static_cast<uint8_t>(words[1] & 0xFF));
  }
  return std::nullopt;
}

std::string rawWordText(uint16_t word) {
  return format("KH     %04X", static_cast<unsigned>(word));
}

}  // namespace tavrin::lang
