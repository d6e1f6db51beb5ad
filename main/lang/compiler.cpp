#include "main/lang/compiler.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "main/lang/block_id.h"
#include "main/lang/data_lines.h"
#include "main/lang/fb_header.h"
#include "main/lang/instruction_table.h"
#include "main/lang/kg_constant.h"
#include "main/lang/lang_messages.h"
#include "main/lang/line_kind.h"
#include "main/lang/parameter_descriptor.h"
#include "main/lang/renumber.h"
#include "main/lang/statement_parser.h"

namespace tavrin::lang {

namespace {

constexpr std::size_t kCodeLineEnd = 42;  // a code line is read up to column 41
constexpr std::size_t kDataLineEnd = 48;  // a data line up to column 47
constexpr int kMaxCallParameters = 40;

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

uint16_t hexWord(std::string_view digits) {
  return static_cast<uint16_t>(std::strtoul(std::string(digits).c_str(), nullptr, 16));
}

// The operation code of a D-bit operation, from the row's key.
uint16_t dataBitOperation(std::string_view key) {
  if (key == "OD") return 1;
  if (key == "UND") return 2;
  if (key == "OND") return 3;
  if (key == "SD") return 4;
  if (key == "RD") return 5;
  if (key == "=D") return 6;
  return 0;  // UD
}

uint16_t bitTestOperation(std::string_view key) {
  if (key.starts_with("PN")) return 0x8000;
  if (key.starts_with("P")) return 0xC000;
  if (key.starts_with("SU")) return 0x4000;
  return 0x0000;  // RU
}

class BlockCompiler {
 public:
  BlockCompiler(const AwlAscii& block, Mc5Buffer& buffer, const CompileContext& context)
      : block_(block), buffer_(buffer), ctx_(context) {}

  std::string run();

 private:
  std::string frame(int line, const char* cause) const;
  bool room(std::size_t words) const { return count_ + words <= kMc5BufferWords; }
  void put(uint16_t w) { buffer_.words[count_++] = w; }
  std::optional<const char*> writeHeader(int& line);
  std::optional<const char*> compileCodeLine(int line, std::string& text, int& next);
  std::optional<const char*> compileCall(int call, int& next);
  std::optional<const char*> jumpDistance(int line, std::string_view parameter,
                                          int& distance) const;
  std::optional<const char*> formalNumber(std::string_view name, uint16_t& number) const;
  std::optional<std::vector<uint16_t>> actualParameterWords(std::string_view line) const;
  std::string cleaned(int line) const;

  AwlAscii block_;  // renumbered copy
  Mc5Buffer& buffer_;
  const CompileContext& ctx_;
  std::size_t count_ = 0;
  int brackets_ = 0;
  int lastRow_ = -1;
  int lastLine_ = -1;
  int linesRead_ = 0;
  std::vector<FbParameter> header_;
};

std::string BlockCompiler::frame(int line, const char* cause) const {
  const std::string text(block_.line(line).substr(0, 50));
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, msg::kCompileLineFrame, block_.blockName().c_str(),
                text.c_str(), cause);
  return buffer;
}

std::string BlockCompiler::cleaned(int line) const {
  std::string text(block_.line(line).substr(0, block_.isDataBlock() ? kDataLineEnd : kCodeLineEnd));
  if (!block_.isDataBlock() && ctx_.symbols != nullptr && ctx_.symbols->showingSymbols())
    ctx_.symbols->removeSymbol(text);
  return text;
}

std::optional<const char*> BlockCompiler::writeHeader(int& line) {
  const BlockId id = parseBlockName(block_.blockName());
  // The library number: the decimal number after "BIB" in line 2.
  const std::string dates = withoutBlanks(block_.line(2));
  const auto bib = dates.find("BIB:");
  const uint32_t library =
      bib == std::string::npos
          ? 0
          : static_cast<uint32_t>(std::strtoul(dates.c_str() + bib + 4, nullptr, 10)) % 100000;
  const bool fbHeader =
      block_.isFunctionBlock() && fieldOf(block_.line(5), kLabelColumn, 4).starts_with("NAME");
  put(0x7070);
  put(id);
  put(static_cast<uint16_t>((0x80 | (fbHeader ? 0x04 : 0) | (library != 0 ? 0x02 : 0)) << 8 |
                            ((library >> 16) & 0xFF)));
  put(static_cast<uint16_t>(library & 0xFFFF));
  put(0);  // the length, at the end
  line = 5;
  if (!fbHeader) return std::nullopt;
  const int end = functionBlockHeaderEnd(block_);
  std::vector<std::string_view> parameterLines;
  for (int i = 6; i < end; ++i)
    parameterLines.push_back(block_.line(i));
  put(static_cast<uint16_t>(0x2D05 + 3 * parameterLines.size()));
  std::string name(fieldOf(block_.line(5), kStatementColumn, 8));
  name.resize(8, ' ');
  for (int k = 0; k < 8; k += 2)
    put(static_cast<uint16_t>(static_cast<uint8_t>(name[k]) << 8 |
                              static_cast<uint8_t>(name[k + 1])));
  for (std::size_t k = 0; k < parameterLines.size(); ++k) {
    const std::string_view text = parameterLines[k];
    const auto colons =
        std::count(text.begin() + std::min<std::size_t>(15, text.size()), text.end(), ':');
    if (colons == 0 || colons > 2) {
      line = 6 + static_cast<int>(k);
      return msg::kColonCount;
    }
    const FbParameter p = *parseParameterLine(text);
    header_.push_back(p);
    if (!room(3)) return msg::kBufferTooSmall;
    put(parameterDescriptor(p.kind, p.type));
    put(static_cast<uint16_t>(static_cast<uint8_t>(p.name[0]) << 8 |
                              static_cast<uint8_t>(p.name[1])));
    put(static_cast<uint16_t>(static_cast<uint8_t>(p.name[2]) << 8 |
                              static_cast<uint8_t>(p.name[3])));
  }
  line = end + 1;
  return std::nullopt;
}

std::optional<const char*> BlockCompiler::jumpDistance(int line, std::string_view parameter,
                                                       int& distance) const {
  if (parameter.starts_with(">")) {
    const std::string number(parameter.substr(1));
    char* end = nullptr;
    const long value = std::strtol(number.c_str(), &end, 10);
    if (!number.empty() && end != nullptr && *end == '\0') {
      distance = static_cast<int>(value);
      return std::nullopt;
    }
  }
  std::string label(parameter);
  label.resize(4, ' ');
  int target = -1;
  if (fieldOf(block_.line(line), kLabelColumn, 4) == label) target = line;
  for (int i = line + 1; target < 0 && i < block_.lineCount(); ++i) {
    if (fieldOf(block_.line(i), kLabelColumn, 4) == label) target = i;
    if (fieldOf(block_.line(i), kStatementColumn, 3) == "***") break;
  }
  for (int i = line - 1; target < 0 && i >= 1; --i) {
    if (block_.line(i).starts_with("NETZWERK")) break;
    if (fieldOf(block_.line(i), kLabelColumn, 4) == label) target = i;
  }
  if (target < 0) return msg::kJumpTargetMissing;
  distance = static_cast<int>(hexWord(fieldOf(block_.line(target), 0, 4))) -
             static_cast<int>(hexWord(fieldOf(block_.line(line), 0, 4)));
  if (distance > 127 || distance < -128) return msg::kJumpTooFar;
  return std::nullopt;
}

std::optional<const char*> BlockCompiler::formalNumber(std::string_view name,
                                                       uint16_t& number) const {
  std::string wanted(name);
  wanted.resize(4, ' ');
  uint16_t n = 1;
  for (std::size_t i = 0; i < header_.size() && i < 40; ++i) {
    if (header_[i].name == wanted) {
      number = n;
      return std::nullopt;
    }
    n = static_cast<uint16_t>(n + (header_[i].kind == 'D' && header_[i].type == "KG" ? 2 : 1));
  }
  return msg::kFormalNotFound;
}

// The word(s) of an actual operand: the load or scan instruction of the same operand, which is
// how the called block addresses its parameter. Nothing when the operand cannot be encoded.
std::optional<std::vector<uint16_t>> BlockCompiler::actualParameterWords(
    std::string_view line) const {
  const OperandResult operand = ParseOperand(fieldOf(line, 15, kCodeLineEnd - 15));
  if (!operand.ok()) return std::nullopt;
  const std::string& area = operand.area;
  const uint16_t p1 = operand.p1, p2 = operand.p2;
  struct Base {
    std::string_view area;
    uint16_t word;
  };
  static constexpr Base kBits[] = {{"E ", 0xC000}, {"A ", 0xC080}, {"M ", 0x8000}};
  for (const Base& b : kBits)
    if (area == b.area) return std::vector<uint16_t>{static_cast<uint16_t>(b.word + p2 * 256 + p1)};
  static constexpr Base kAddressed[] = {
      {"EB", 0x4A00}, {"EW", 0x5200}, {"ED", 0x5A00}, {"AB", 0x4A80}, {"AW", 0x5280},
      {"AD", 0x5A80}, {"MB", 0x0A00}, {"MW", 0x1200}, {"MD", 0x1A00}, {"DL", 0x2200},
      {"DR", 0x2A00}, {"DW", 0x3200}, {"DD", 0x3A00}, {"BS", 0x6200}, {"BT", 0x4F00},
      {"BA", 0x6A00}, {"BB", 0x4700}, {"PY", 0x7200}, {"PW", 0x7A00}, {"QB", 0x5F00},
      {"QW", 0x5700}, {"T ", 0x0200}, {"Z ", 0x4200}, {"DB", 0x2000}, {"FB", 0x3D00},
      {"PB", 0x7500}, {"SB", 0x7D00}, {"OB", 0x6D00}};
  for (const Base& b : kAddressed)
    if (area == b.area) {
      // Addresses of A bytes and words are the output's byte number; the opcode marks the output.
      const uint16_t address = area[0] == 'A' ? static_cast<uint16_t>(p1 & 0x7F) : p1;
      return std::vector<uint16_t>{static_cast<uint16_t>(b.word + (address & 0xFF))};
    }
  if (area == "KG") {
    const std::string text = operand.operand.substr(3);
    const uint32_t words = kgTextToS5Float(text);
    return std::vector<uint16_t>{static_cast<uint16_t>(words >> 16), static_cast<uint16_t>(words)};
  }
  if (area == "KM" || area == "KH" || area == "KF" || area == "KY" || area == "KC" ||
      area == "KT" || area == "KZ") {
    if (area == "KT")
      return std::vector<uint16_t>{
          static_cast<uint16_t>(p2 << 12 | (p1 / 100) << 8 | (p1 / 10 % 10) << 4 | p1 % 10)};
    if (area == "KY") return std::vector<uint16_t>{static_cast<uint16_t>(p1 << 8 | p2)};
    return std::vector<uint16_t>{p1};
  }
  return std::nullopt;
}

std::optional<const char*> BlockCompiler::compileCall(int call, int& next) {
  // The NAME line after the call stands for the jump over the actual parameters; any other line
  // there is a statement of its own.
  int i = call + 1;
  if (ClassifyLine(block_, i, ctx_.symbols) == LineKind::LkCallName) ++i;
  std::vector<uint16_t> words;
  for (int n = 0;
       n < kMaxCallParameters && ClassifyLine(block_, i, ctx_.symbols) == LineKind::LkCallParam;
       ++n, ++i) {
    const auto parameter = actualParameterWords(cleaned(i));
    if (!parameter) {
      lastLine_ = i;
      return msg::kOperationParameterInvalid;
    }
    words.insert(words.end(), parameter->begin(), parameter->end());
  }
  if (!room(1 + words.size())) return msg::kBufferTooSmall;
  put(static_cast<uint16_t>(0x2D01 + words.size()));
  for (uint16_t w : words)
    put(w);
  next = i;
  return std::nullopt;
}

std::optional<const char*> BlockCompiler::compileCodeLine(int line, std::string& text, int& next) {
  std::string statement(fieldOf(text, kStatementColumn, kCodeLineEnd));
  const int row = findByText(statement, true);
  if (row == kNoRow) return msg::kOperationUnknown;
  const InstrRow& r = rowAt(row);
  if (statement == "U(" || statement == "O(") ++brackets_;
  if (statement == ")") --brackets_;
  std::string parameter = statement.substr(r.keyText().size());
  uint16_t p1 = 0, p2 = 0;
  if (CheckParams(row, parameter, p1, p2) != nullptr) return msg::kOperationParameterInvalid;
  if (!room(r.words)) return msg::kBufferTooSmall;
  lastRow_ = row;
  switch (layoutOf(row)) {
    case WordLayout::NoParameter:
      put(r.opcode);
      break;
    case WordLayout::ByteParameter:
    case WordLayout::SignedByte:
      put(static_cast<uint16_t>(r.opcode + (p1 & 0xFF)));
      break;
    case WordLayout::Svw:
      put(static_cast<uint16_t>(0x6801 + p1 * 16));
      break;
    case WordLayout::InputOutputFlagBit:
      put(static_cast<uint16_t>(r.opcode + p1 + p2 * 256));
      break;
    case WordLayout::RawWord:
      put(p1);
      break;
    case WordLayout::Jump:
    case WordLayout::Sps: {
      int distance = 0;
      if (auto error = jumpDistance(line, parameter, distance)) return error;
      if (layoutOf(row) == WordLayout::Sps) {
        put(r.opcode);
        put(static_cast<uint16_t>((distance - 1) & 0xFF));
      } else {
        put(static_cast<uint16_t>(r.opcode + (distance & 0xFF)));
      }
      break;
    }
    case WordLayout::Formal: {
      uint16_t number = 0;
      if (auto error = formalNumber(parameter, number)) return error;
      put(static_cast<uint16_t>(r.opcode + number));
      break;
    }
    case WordLayout::SecondWordValue:
      put(r.opcode);
      put(p1);
      break;
    case WordLayout::FxDxCall: {
      put(r.opcode);
      const uint16_t base = r.keyText() == "BAFX"    ? 0x0100
                            : r.keyText() == "BABFX" ? 0x0900
                                                     : 0x1100;
      put(static_cast<uint16_t>(base + (p1 & 0xFF)));
      break;
    }
    case WordLayout::Mbr:
      put(p1);
      put(p2);
      break;
    case WordLayout::Kt:
      put(r.opcode);
      put(static_cast<uint16_t>(p2 << 12 | (p1 / 100) << 8 | (p1 / 10 % 10) << 4 | p1 % 10));
      break;
    case WordLayout::Ky:
      put(r.opcode);
      put(static_cast<uint16_t>(p1 << 8 | p2));
      break;
    case WordLayout::DataWordBit:
      put(r.opcode);
      put(static_cast<uint16_t>(dataBitOperation(r.keyText()) << 12 | p2 << 8 | (p1 & 0xFF)));
      break;
    case WordLayout::SFlagBit:
      put(r.opcode);
      put(static_cast<uint16_t>(p2 << 12 | (p1 & 0x0FFF)));
      break;
    case WordLayout::BitTest: {
      put(r.opcode);
      const bool output = r.displayText()[4] == 'A';
      put(static_cast<uint16_t>(bitTestOperation(r.keyText()) | p2 << 8 |
                                ((p1 + (output ? 0x80 : 0)) & 0xFF)));
      break;
    }
    case WordLayout::Kg: {
      const uint32_t words = kgTextToS5Float(parameter);
      put(r.opcode);
      put(static_cast<uint16_t>(words >> 16));
      put(static_cast<uint16_t>(words));
      break;
    }
    case WordLayout::DoubleHex:
      put(r.opcode);
      put(hexWord(parameter.substr(0, 4)));
      put(hexWord(parameter.substr(5, 4)));
      break;
    case WordLayout::Unsupported:
      return msg::kNoTwoWordLayout;
  }
  const std::string_view key = r.keyText();
  if (key == "SPAFB" || key == "SPBFB" || key == "BAFX" || key == "BABFX")
    return compileCall(line, next);
  return std::nullopt;
}

std::string BlockCompiler::run() {
  if (ctx_.dialog != nullptr) {
    char status[96];
    std::snprintf(status, sizeof status, msg::kCompiling, block_.blockName().c_str());
    ctx_.dialog->SetWaitCursor(true);
    ctx_.dialog->SetStatusText(status);
  }
  RenumberBlock(block_, 0, ctx_.symbols);
  buffer_.words.fill(0);
  int line = 0;
  std::string error;
  if (auto headerError = writeHeader(line)) error = frame(line, *headerError);
  for (; error.empty() && line < block_.lineCount();) {
    std::string text = cleaned(line);
    const bool skipped = text.starts_with("NETZWERK") ||
                         text.find_first_not_of(' ') == std::string::npos ||
                         columnOf(text, kStatementColumn) == ';';
    int next = line + 1;
    if (!skipped) {
      ++linesRead_;
      lastLine_ = line;
      if (block_.isDataBlock()) {
        std::vector<uint16_t> words;
        if (const char* dataError = compileDataLine(text, words)) {
          error = frame(line, dataError);
          break;
        }
        if (!room(words.size())) {
          error = frame(line, msg::kBufferTooSmall);
          break;
        }
        for (uint16_t w : words)
          put(w);
      } else if (auto lineError = compileCodeLine(line, text, next)) {
        error = frame(lastLine_, *lineError);
        break;
      }
    }
    line = next;
  }
  if (error.empty()) {
    buffer_.length = static_cast<uint16_t>(count_);
    buffer_.words[4] = buffer_.length;
    if (!block_.isDataBlock() && (lastRow_ >= 490 || linesRead_ < 2) && ctx_.dialog != nullptr) {
      char note[128];
      std::snprintf(note, sizeof note, "Compilierung des  '%s' : OpNr > 490 || AwlNr <1",
                    block_.blockName().c_str());
      ctx_.dialog->ShowStatusMessage(note);
    }
    if (brackets_ != 0) error = msg::kBracketCount;
  }
  if (ctx_.dialog != nullptr) {
    ctx_.dialog->SetStatusText("");
    ctx_.dialog->SetWaitCursor(false);
  }
  return error;
}

}  // namespace

bool closeBlockText(AwlAscii& block, const LineSymbols* symbols) {
  if (block.isDataBlock() || block.lineCount() < 3) return false;
  if (fieldOf(block.line(block.lineCount() - 1), kStatementColumn, 3) == "BE ") return false;
  block.appendLine("0000      :BE ");
  RenumberBlock(block, block.lineCount() - 1, symbols);
  return true;
}

std::string CompileBlock(const AwlAscii& block, Mc5Buffer& buffer, const CompileContext& context) {
  return BlockCompiler(block, buffer, context).run();
}

}  // namespace tavrin::lang
