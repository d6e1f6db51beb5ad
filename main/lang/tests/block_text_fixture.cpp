#include "main/lang/tests/block_text_fixture.h"

#include "main/lang/compiler.h"
#include "main/lang/controller_blocks.h"
#include "main/lang/renumber.h"
#include "simcore/engine.h"
#include "simcore/simcore32.h"

namespace tavrin::lang::testing {

namespace {

void appendBodyLine(AwlAscii& doc, std::string_view line) {
  if (line.empty() || line.starts_with(" ") || line.starts_with("NETZWERK")) {
    doc.appendLine(line);
    return;
  }
  const auto colon = line.find(':');
  std::string label(line.substr(0, colon));
  label.resize(4, ' ');
  doc.appendLine("0000 " + label + " " + std::string(line.substr(colon)));
}

template <typename Lines>
AwlAscii makeText(std::string_view name, const Lines& body) {
  AwlAscii doc{std::string(name)};
  doc.appendLine("Kommentar :");
  doc.appendLine("Autor     :");
  doc.appendLine("Erstellt  :01.01.2026  Geaendert am:01.01.2026  BIB:     ");
  doc.appendLine("");
  doc.appendLine("NETZWERK   1");
  for (const auto& line : body)
    appendBodyLine(doc, line);
  RenumberBlock(doc, 0);
  return doc;
}

}  // namespace

AwlAscii blockText(std::string_view name, std::initializer_list<std::string_view> body) {
  return makeText(name, body);
}

AwlAscii blockText(std::string_view name, const std::vector<std::string>& body) {
  return makeText(name, body);
}

std::vector<std::string> trimmedLines(const AwlAscii& doc) {
  std::vector<std::string> lines;
  for (const std::string& line : doc.lines()) {
    const auto end = line.find_last_not_of(' ');
    lines.push_back(end == std::string::npos ? std::string() : line.substr(0, end + 1));
  }
  return lines;
}

std::vector<uint16_t> blockWords(uint16_t id, const std::vector<uint16_t>& body) {
  // As the compiler writes it: 0x04 in the high byte of word 2 marks a function block's header.
  const bool functionBlock = id >> 8 == 0x08 || id >> 8 == 0x05;
  const uint16_t kind = functionBlock ? 0x8400 : 0x8000;
  std::vector<uint16_t> words = {0x7070, id, kind, 0x0000,
                                 static_cast<uint16_t>(body.size() + kBlockHeaderWords)};
  words.insert(words.end(), body.begin(), body.end());
  return words;
}

void ControllerBlocksTest::SetUp() {
  simcore::attachPrivate();
  S5AG_SimulatorInit("");
}

void ControllerBlocksTest::TearDown() {
  simcore::detach();
}

uint16_t ControllerBlocksTest::store(const std::vector<uint16_t>& block) {
  if (block.size() < kBlockHeaderWords) return 6;
  std::vector<unsigned char> bytes;
  for (uint16_t w : block) {
    bytes.push_back(static_cast<unsigned char>(w >> 8));
    bytes.push_back(static_cast<unsigned char>(w & 0xFF));
  }
  return S5AG_BstWrite(static_cast<short>(block[1] >> 8 & 0x3F),
                       static_cast<short>(block[1] & 0xFF), static_cast<short>(block.size()),
                       bytes.data(), 0);
}

std::vector<uint16_t> ControllerBlocksTest::compiled(const AwlAscii& doc) {
  Mc5Buffer buffer;
  const std::string error = CompileBlock(doc, buffer);
  EXPECT_EQ(error, "") << doc.blockName();
  return {buffer.words.begin(), buffer.words.begin() + buffer.length};
}

std::vector<uint16_t> ControllerBlocksTest::compileAndStore(const AwlAscii& doc) {
  std::vector<uint16_t> words = compiled(doc);
  EXPECT_EQ(store(words), 0) << doc.blockName();
  return words;
}

std::vector<uint16_t> ControllerBlocksTest::stored(uint16_t id) {
  return readStoredBlock(id).words;
}

AwlAscii ControllerBlocksTest::translated(std::string_view name, TranslateOptions options,
                                          TranslateFlags flags) {
  AwlAscii doc;
  options.dialog = &dialog_;
  EXPECT_NE(TranslateBlock(doc, name, flags, options), TranslateResult::NotShown) << name;
  return doc;
}

}  // namespace tavrin::lang::testing
