#include "main/lang/translate_block.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "main/lang/controller_blocks.h"
#include "main/lang/instruction_text.h"
#include "main/lang/jump_labels.h"
#include "main/lang/lang_messages.h"
#include "main/lang/renumber.h"
#include "main/lang/retranslator.h"
#include "simcore/simcore32.h"

namespace tavrin::lang {

namespace {

constexpr uint32_t kMaxLibraryNumber = 99999;
constexpr uint16_t kAsm = 0x7808;
constexpr uint16_t kJumpBySps = 0x600C;
constexpr uint8_t kJumpOpcode = 0x2D;
constexpr std::string_view kRawBlockEnd = "KH     6500";
constexpr std::string_view kBlockEndStatement = "BE          ";

// The codes of the controller's built-in special functions (the second word of ASM). After an
// ASM with any other code the block holds no MC5 any more.
struct CodeRange {
  uint16_t first, last;
};
constexpr std::array<CodeRange, 12> kKnownAsmCodes = {{
    {0xAA00, 0xAA01},
    {0xAA10, 0xAA21},
    {0xAA25, 0xAA27},
    {0xAA30, 0xAA39},
    {0xAA40, 0xAA43},
    {0xB000, 0xB000},
    {0xB010, 0xB010},
    {0xB020, 0xB022},
    {0xC000, 0xC009},
    {0xC010, 0xC019},
    {0xC020, 0xC029},
    {0xC030, 0xC039},
}};

bool knownAsmCode(uint16_t code) {
  return std::any_of(kKnownAsmCodes.begin(), kKnownAsmCodes.end(),
                     [&](const CodeRange& r) { return code >= r.first && code <= r.last; });
}

template <typename... Values>
std::string formatted(const char* pattern, Values... values) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, pattern, values...);
  return buffer;
}

void show(platform::UserDialog* dialog, const std::string& text, platform::MessageKind kind) {
  if (dialog != nullptr) dialog->ShowMessage(text, kind);
}

std::string networkLine(int number) {
  return formatted("%s%d", "NETZWERK   ", number);
}

// Lines 0..4: comment, author, dates and library number, a blank line, the first network.
void appendHeaderLines(AwlAscii& doc, std::span<const uint16_t> block) {
  const uint32_t library = std::min<uint32_t>(
      static_cast<uint32_t>(block[2] & 0xFF) << 16 | block[3], kMaxLibraryNumber);
  doc.appendLine("Kommentar :");
  doc.appendLine("Autor     :");
  doc.appendLine(formatted("Erstellt  :%10s  Geaendert am:%10s  BIB:%u", "", "",
                           static_cast<unsigned>(library)));
  doc.appendLine("");
  doc.appendLine(networkLine(1));
}

// The distance of a relative jump; for SPS = the distance as shown.
long jumpDistance(std::span<const uint16_t> words) {
  if (words[0] == kJumpBySps) return static_cast<int8_t>(words[1] & 0xFF) + 1;
  return static_cast<int8_t>(words[0] & 0xFF);
}

class CodeWalker {
 public:
  CodeWalker(AwlAscii& doc, std::string name, BlockId id, std::span<const uint16_t> block,
             TranslateFlags flags, const TranslateOptions& options)
      : doc_(doc),
        name_(std::move(name)),
        id_(id),
        block_(block),
        body_(block.subspan(kBlockHeaderWords)),
        flags_(flags),
        options_(options) {}

  TranslateResult run();

 private:
  bool isType(BlockType type) const { return blockTypeCode(id_) == static_cast<uint8_t>(type); }
  void loadCalledBlock(std::span<const uint16_t> words);
  bool append(const std::string& line) { return doc_.appendLine(line); }
  bool appendLine(std::size_t at, const std::string& text, RetranslatedLine form);
  void untranslatable(std::size_t at);
  void close();

  AwlAscii& doc_;
  const std::string name_;
  const BlockId id_;
  const std::span<const uint16_t> block_;
  const std::span<const uint16_t> body_;
  const TranslateFlags flags_;
  const TranslateOptions& options_;
  bool special_ = false;
  bool rawRequest_ = false;
  bool headerOpen_ = false;  // FB header lines were written and no word after them yet
  std::set<BlockId> reportedMissing_;
};

void CodeWalker::loadCalledBlock(std::span<const uint16_t> words) {
  const auto called = calledBlock(words);
  if (!called || blockStored(*called)) return;
  const bool loaded =
      options_.loadCalledBlock && options_.loadCalledBlock(*called) && blockStored(*called);
  if (loaded || flags_.fromS5d || !reportedMissing_.insert(*called).second) return;
  show(options_.dialog,
       formatted(msg::kCalledBlockNotTranslatable, name_.c_str(), blockName(*called).c_str()),
       platform::MessageKind::Warning);
}

bool CodeWalker::appendLine(std::size_t at, const std::string& text, RetranslatedLine form) {
  const bool header = form == RetranslatedLine::FbName || form == RetranslatedLine::FbParameter;
  if (headerOpen_ && !header && !append("")) return false;
  headerOpen_ = header;
  std::string line = header ? formatted("     %-60s", text.c_str())
                            : formatted("%04X %-60s", static_cast<unsigned>(at), text.c_str());
  if (!header && options_.symbols != nullptr) options_.symbols->insertSymbol(line);
  return append(line);
}

void CodeWalker::untranslatable(std::size_t at) {
  append(msg::kDisassemblyErrorLine);
  append(msg::kUnknownInstructionLine);
  append(msg::kDisassemblyEndLine);
  const std::size_t i = kBlockHeaderWords + at;
  const unsigned after = i + 1 < block_.size() ? block_[i + 1] : 0;
  std::string text =
      formatted(msg::kUntranslatableCode, name_.c_str(), static_cast<unsigned>(at),
                static_cast<unsigned>(block_[i - 1]), static_cast<unsigned>(block_[i]), after);
  if (isType(BlockType::FB)) text += msg::kSpecialFbHint;
  show(options_.dialog, text, platform::MessageKind::Error);
}

void CodeWalker::close() {
  if (headerOpen_) append("");  // the empty line that ends the FB header
  if (!flags_.fromS5d) CreateJumpLabels(doc_);
  if (doc_.lineCount() < 3) return;
  const int last = doc_.lineCount() - 1;
  std::string line(doc_.line(last));
  const std::string_view statement = fieldOf(line, kStatementColumn, kStatementWidth);
  if (special_ && statement.starts_with(kRawBlockEnd)) {
    line.replace(kStatementColumn, kBlockEndStatement.size(), kBlockEndStatement);
    doc_.replaceLine(last, line);
  } else if (!statement.starts_with("BE ")) {
    append("0000      :BE ");
    RenumberBlock(doc_, doc_.lineCount() - 1, options_.symbols);
  }
}

TranslateResult CodeWalker::run() {
  special_ = isType(BlockType::FB) && options_.specialFbs.test(blockNumber(id_));
  if (isType(BlockType::SB) && !body_.empty() && (body_[0] >> 8) == kJumpOpcode)
    special_ = rawRequest_ = true;
  const bool isFx = isType(BlockType::FX);

  RetranslationState state;
  std::string text(kFirstInstruction);
  long furthestTarget = 0;
  int network = 1;
  for (std::size_t at = 0; at < body_.size();) {
    const std::span<const uint16_t> words = body_.subspan(at);
    const bool instruction = state.atInstruction();
    if (!special_ && instruction) loadCalledBlock(words);
    int consumed = 0;
    if (RetranslateInstr(state, text, block_, at, consumed, true, isFx, special_, rawRequest_) ==
        0) {
      untranslatable(at);
      return TranslateResult::ShownUntranslatable;
    }
    if (!appendLine(at, text, state.lastLine)) return TranslateResult::ShownUntranslatable;
    if (state.lastLine == RetranslatedLine::Statement) {
      const std::string_view statement = std::string_view(text).substr(kStatementPrefix.size());
      if (S5AG_IsMC5CodeEinSprung(words[0]) != 0)
        furthestTarget = std::max(furthestTarget, static_cast<long>(at) + jumpDistance(words));
      if (statement.starts_with("BE ") && static_cast<long>(at) >= furthestTarget) break;
      if (statement.starts_with("***")) {
        append("");
        append(networkLine(++network));
      }
    }
    if (instruction && words[0] == kAsm && words.size() > 1 && !knownAsmCode(words[1]))
      special_ = rawRequest_ = true;
    at += static_cast<std::size_t>(consumed);
  }
  close();
  return TranslateResult::Shown;
}

}  // namespace

TranslateResult TranslateBlock(AwlAscii& doc, std::string_view name, TranslateFlags flags,
                               const TranslateOptions& options) {
  const BlockId id = parseBlockName(name);
  const std::string shownName = id != 0 ? blockName(id) : std::string(name);
  if (!flags.fromS5d && !flags.fetched && options.prepare && !options.prepare(id))
    return TranslateResult::NotShown;
  const StoredBlock stored = id != 0 ? readStoredBlock(id) : StoredBlock{};
  switch (stored.state) {
    case StoredBlock::State::Missing:
      show(options.dialog, formatted(msg::kShownBlockMissing, shownName.c_str()),
           platform::MessageKind::Error);
      return TranslateResult::NotShown;
    case StoredBlock::State::TooLarge:
      show(options.dialog, formatted(msg::kShownBlockTooLarge, shownName.c_str()),
           platform::MessageKind::Error);
      return TranslateResult::NotShown;
    case StoredBlock::State::Present:
      break;
  }
  if (options.dialog != nullptr)
    options.dialog->SetStatusText(formatted(msg::kDisassembling, shownName.c_str()));
  doc.clear();
  doc.setBlockName(shownName);
  appendHeaderLines(doc, stored.words);
  TranslateResult result = TranslateResult::Shown;
  const uint8_t type = blockTypeCode(id);
  if (type == static_cast<uint8_t>(BlockType::DB) || type == static_cast<uint8_t>(BlockType::DX))
    TranslateDataBlock(doc, id, stored.words, static_cast<uint16_t>(stored.words.size()),
                       options.dataBlocks);
  else
    result = CodeWalker(doc, shownName, id, stored.words, flags, options).run();
  if (options.dialog != nullptr) options.dialog->SetStatusText("");
  return result;
}

}  // namespace tavrin::lang
