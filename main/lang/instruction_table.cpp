#include "main/lang/instruction_table.h"

#include <array>
#include <cstdio>
#include <vector>

#include "main/lang/instruction_rows.h"
#include "platform/cp1252.h"

namespace tavrin::lang {

namespace {

using platform::literals::operator""_cp1252;

constexpr std::size_t kMaxStripped = 30;

uint16_t limitFor(LimitArea area, const AreaSizes& s) {
  const uint16_t io = inputOutputBytes(s);
  switch (area) {
    case LimitArea::None:
      return 0;
    case LimitArea::EaByte:
      return highestByteAddress(io);
    case LimitArea::EaWord:
      return highestWordAddress(io);
    case LimitArea::EaDouble:
      return highestDoubleWordAddress(io);
    case LimitArea::MByte:
      return highestByteAddress(s.mBytes);
    case LimitArea::MWord:
      return highestWordAddress(s.mBytes);
    case LimitArea::MDouble:
      return highestDoubleWordAddress(s.mBytes);
    case LimitArea::SByte:
      return highestByteAddress(s.sBytes);
    case LimitArea::SWord:
      return highestWordAddress(s.sBytes);
    case LimitArea::SDouble:
      return highestDoubleWordAddress(s.sBytes);
    case LimitArea::Timer:
      return highestByteAddress(s.timers);
    case LimitArea::Counter:
      return highestByteAddress(s.counters);
    case LimitArea::DataWord:
      return highestByteAddress(s.dataWords);
    case LimitArea::DataDouble:
      return highestDataDoubleWord(s.dataWords);
    case LimitArea::Bs:
      return highestByteAddress(s.bsWords);
    case LimitArea::Bt:
      return highestByteAddress(s.btWords);
    case LimitArea::Ba:
      return highestByteAddress(s.baWords);
    case LimitArea::Bb:
      return highestByteAddress(s.bbWords);
    case LimitArea::PByte:
      return highestByteAddress(s.pBytes);
    case LimitArea::PWord:
      return highestWordAddress(s.pBytes);
    case LimitArea::DbNumber:
      return highestByteAddress(s.dbNumbers);
    case LimitArea::FxDxNumber:
      return highestByteAddress(s.fxDxNumbers);
    case LimitArea::FbNumber:
      return highestByteAddress(s.fbNumbers);
    case LimitArea::ObNumber:
      return highestByteAddress(s.obNumbers);
    case LimitArea::PbNumber:
      return highestByteAddress(s.pbNumbers);
    case LimitArea::SbNumber:
      return highestByteAddress(s.sbNumbers);
  }
  return 0;
}

template <std::size_t N>
void copyText(char (&dest)[N], const char* text) {
  std::size_t i = 0;
  for (; text[i] != '\0' && i + 1 < N; ++i)
    dest[i] = text[i];
  for (; i < N; ++i)
    dest[i] = '\0';
}

const InstrRow kNoSuchRow{};

// The rows in table order, grouped by the first character of their key: a statement can only
// fit rows whose key begins with its own first character, so the search by text stays short.
const std::array<std::vector<uint16_t>, 256>& rowsByFirstKeyChar() {
  static const auto index = [] {
    std::array<std::vector<uint16_t>, 256> rows;
    const InstructionTable& table = instructionTable();
    for (std::size_t i = 0; i < table.size(); ++i)
      if (table[i].key[0] != '\0')
        rows[static_cast<unsigned char>(table[i].key[0])].push_back(static_cast<uint16_t>(i));
    return rows;
  }();
  return index;
}

}  // namespace

InstructionTable buildInstructionTable(const AreaSizes& sizes) {
  InstructionTable table{};
  for (std::size_t i = 0; i < kInstructionRows; ++i) {
    const detail::RawRow& raw = detail::kRawRows[i];
    InstrRow& row = table[i];
    copyText(row.key, raw.key);
    copyText(row.text, raw.text);
    row.opcode = raw.opcode;
    row.flags = raw.classes | static_cast<uint32_t>(raw.format);
    row.min = raw.min;
    row.max = raw.area == LimitArea::None ? raw.max : limitFor(raw.area, sizes);
    row.max2 = raw.max2;
    row.fbOnly = raw.fbOnly;
    row.words = raw.words;
    row.status = raw.status;
  }
  return table;
}

const InstructionTable& instructionTable() {
  static const InstructionTable table = buildInstructionTable(kAreaSizes);
  return table;
}

int findByText(std::string& statement, bool strip) {
  if (strip) {
    std::string stripped;
    for (char c : std::string_view(statement).substr(0, kMaxStripped))
      if (c != ' ') stripped += c;
    statement = std::move(stripped);
  }
  const InstructionTable& table = instructionTable();
  if (statement.empty()) {
    for (std::size_t i = 0; i < table.size(); ++i)
      if (table[i].key[0] == '\0') return static_cast<int>(i);
    return kNoRow;
  }
  for (const uint16_t i : rowsByFirstKeyChar()[static_cast<unsigned char>(statement[0])])
    if (statement.starts_with(table[i].keyText())) return i;
  return kNoRow;
}

int findByCode(uint16_t word) {
  const InstructionTable& table = instructionTable();
  const unsigned h = word >> 8;
  std::size_t candidate = h;
  while (candidate < table.size() && table[candidate].firstByte() != h)
    ++candidate;
  if (candidate == table.size()) return kNoRow;
  const bool parameterInLowByte =
      (h == 0x78 && (word & 0x0F) == 0x09) || (h == 0x68 && (word & 0x0F) == 0x01);
  if (!parameterInLowByte)
    for (std::size_t i = candidate; i < table.size(); ++i)
      if (table[i].opcode == word) return static_cast<int>(i);
  return static_cast<int>(candidate);
}

const InstrRow& rowAt(int index, platform::UserDialog* dialog) {
  if (index >= 0 && static_cast<std::size_t>(index) < kInstructionRows)
    return instructionTable()[static_cast<std::size_t>(index)];
  if (dialog != nullptr) {
    char text[80];
    std::snprintf(text, sizeof text, "Tabellenindex (%d) ungültig (max=%d)!"_cp1252, index,
                  static_cast<int>(kInstructionRows));
    dialog->ShowTitledMessage("Fehler", text, platform::MessageKind::Error);
  }
  return kNoSuchRow;
}

WordLayout layoutOf(int index) {
  const InstrRow& row = rowAt(index);
  const std::string_view key = row.keyText();
  const uint8_t h = row.firstByte();
  if (row.words == 3) return key == "LKG" ? WordLayout::Kg : WordLayout::DoubleHex;
  if (index == static_cast<int>(kInstructionRows) - 1) return WordLayout::RawWord;
  if (key == "SPS=") return WordLayout::Sps;
  if (key == "MBR") return WordLayout::Mbr;
  if (key == "LKT") return WordLayout::Kt;
  if (key == "LKY") return WordLayout::Ky;
  if (key == "SVW") return WordLayout::Svw;
  if (key == "ADDBF") return WordLayout::SignedByte;
  if (key == "BAFX" || key == "BABFX" || key == "AXDX") return WordLayout::FxDxCall;
  if (row.max == kLabelOrFormal) {
    const bool jump =
        h == 0x0D || h == 0x15 || h == 0x25 || h == 0x2D || h == 0x35 || h == 0x45 || h == 0xFA;
    return jump ? WordLayout::Jump : WordLayout::Formal;
  }
  if (row.words == 2) {
    if (h == 0x78 && row.opcode == 0x783F) return WordLayout::DataWordBit;
    if (h == 0x78 && (row.lowByte() & 0x0F) == 0x0B && row.parameterKind() == 2)
      return WordLayout::SFlagBit;
    if (h == 0x70 && row.parameterKind() == 2) return WordLayout::BitTest;
    if (row.parameterKind() == 2) return WordLayout::Unsupported;
    return row.parameterKind() == 0 ? WordLayout::NoParameter : WordLayout::SecondWordValue;
  }
  if (row.parameterKind() == 2) return WordLayout::InputOutputFlagBit;
  if (row.parameterKind() == 1) return WordLayout::ByteParameter;
  return WordLayout::NoParameter;
}

}  // namespace tavrin::lang
