#include <gtest/gtest.h>

#include "main/project/block_file_reader.h"
#include "main/project/line_scrambling.h"
#include "main/project/project_messages.h"
#include "main/project/tests/project_test_support.h"
#include "platform/scripted_user_dialog.h"

namespace tavrin::project {
namespace {

using namespace testing;
using platform::DialogEvent;
using Kind = DialogEvent::Kind;

const std::string kFbHeaderFile[] = {
    "Kommentar :Motorsteuerung",
    "Autor     :Tester",
    "Erstellt  :01.02.2024  Geaendert am:03.04.2024  BIB:",
    "",
    "NETZWERK   1",
    "     NAME :MOTOR",
    "     BEZ  :EIN       E/A/D/B/T/Z: E  BI/BY/W/D: BI",
    "     BEZ  :AUS       E/A/D/B/T/Z: A  BI/BY/W/D: BI",
    "",
};

// The scrambled form of a line: the key taken off every character from column 5 on.
std::string scrambled(std::string line) {
  for (std::size_t i = kFirstScrambledColumn; i < line.size(); ++i) {
    line[i] = static_cast<char>(static_cast<unsigned char>(line[i]) -
                                kScrambleKey[(i - kFirstScrambledColumn) % kScrambleKey.size()]);
    EXPECT_TRUE(line[i] != '\0' && line[i] != '\n' && line[i] != '\r');
  }
  return line;
}

class BlockFileReader : public ::testing::Test {
 protected:
  // Reads `text` as the file of `name` into a fresh document.
  BlockReadStatus read(std::string name, const std::string& text,
                       const lang::LineSymbols* symbols = nullptr) {
    const auto file = dir / (name + ".AWL");
    writeFile(file, text);
    block = lang::AwlAscii(std::move(name));
    block.setFilePath(file.string());
    return readBlockFile(block, dialog, symbols);
  }

  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const DialogEvent& event : dialog.events())
      if (event.kind == Kind::Warning || event.kind == Kind::Error ||
          event.kind == Kind::Information)
        texts.push_back(event.text);
    return texts;
  }

  static std::string notSavedCorrectly(std::string_view name) {
    return withArgument(msg::kBlockNotSavedCorrectly, name);
  }

  TempDir dir;
  platform::ScriptedUserDialog dialog;
  lang::AwlAscii block;
};

TEST_F(BlockFileReader, OnlyTheNetworkHeaderReadsAsHeaderAndBlockEnd) {
  EXPECT_EQ(read("PB001", "NETZWERK   1\n"), BlockReadStatus::Read);
  EXPECT_EQ(trimmedLines(block), withBlankHeader({"0000      :BE"}));
  const std::vector<DialogEvent> expected = {
      {Kind::StatusText, "Lade Baustein 'PB001' ..."},
      {Kind::WaitCursorOn, ""},
      {Kind::Warning, "Geladener Baustein PB001 ist nicht korrekt abgespeichert !"},
      {Kind::StatusText, ""},
      {Kind::WaitCursorOff, ""},
  };
  EXPECT_EQ(dialog.events(), expected);
}

TEST_F(BlockFileReader, EveryLineIsPaddedToTheLineWidth) {
  read("PB001", "NETZWERK   1\n0000      :BE\n");
  for (const std::string& line : block.lines())
    EXPECT_EQ(line.size(), lang::kLineWidth);
}

TEST_F(BlockFileReader, KeepsTheEmptyLineThatEndsTheFbHeaderAndRemovesTheOthers) {
  std::vector<std::string> file(std::begin(kFbHeaderFile), std::end(kFbHeaderFile));
  file.insert(file.end(),
              {"0005      :U   =EIN", "", "0006      :=   =AUS", "   ", "", "0007      :BE", ""});
  EXPECT_EQ(read("FB010", fileText(file)), BlockReadStatus::Read);
  std::vector<std::string> expected(std::begin(kFbHeaderFile), std::end(kFbHeaderFile));
  expected.insert(expected.end(), {"0005      :U   =EIN", "0006      :=   =AUS", "0007      :BE"});
  EXPECT_EQ(trimmedLines(block), expected);
  EXPECT_TRUE(messages().empty());
}

TEST_F(BlockFileReader, KeepsTheEmptyLineAfterANameLineWithoutParameters) {
  read("FB011", fileText({"Kommentar :", "Autor     :", "Erstellt  :", "", "NETZWERK   1",
                          "     NAME :LEER", "", "0005      :BE"}));
  EXPECT_EQ(trimmedLines(block),
            (std::vector<std::string>{"Kommentar :", "Autor     :", "Erstellt  :", "",
                                      "NETZWERK   1", "     NAME :LEER", "", "0005      :BE"}));
}

TEST_F(BlockFileReader, KeepsEveryActualParameterOfACallBeforeRenumbering) {
  const std::vector<std::string> body = {"0000      :SPA FB 10",  "     NAME :BEISPIEL",
                                         "     EIN1 >    E  1.0", "     WERT >    KF +5",
                                         "     AUS1 >    A  4.0", "0000      :BE"};
  std::vector<std::string> file = {"NETZWERK   1"};
  file.insert(file.end(), body.begin(), body.end());
  read("PB001", fileText(file));
  EXPECT_EQ(trimmedLines(block), withBlankHeader(body));
}

TEST_F(BlockFileReader, HoldsALongLineAsItsFirst89Characters) {
  std::string longLine = placed({{0, "0000"}, {10, ":BE"}, {52, "Kommentar"}});
  while (longLine.size() < 120)
    longLine += static_cast<char>('A' + longLine.size() % 26);
  ASSERT_EQ(longLine.size(), 120u);
  read("PB001", fileText({"NETZWERK   1", longLine}));
  EXPECT_EQ(block.line(5), longLine.substr(0, 89));
}

TEST_F(BlockFileReader, ReadsCrLfLikeLf) {
  std::vector<std::string> file(std::begin(kFbHeaderFile), std::end(kFbHeaderFile));
  file.insert(file.end(), {"0005      :U   =EIN", "", "NETZWERK   2", "0006      :BE"});
  read("FB010", fileText(file, "\n"));
  const std::vector<std::string> lf = block.lines();
  read("FB010", fileText(file, "\r\n"));
  EXPECT_EQ(block.lines(), lf);
  EXPECT_EQ(trimmed(block.line(10)), "");
  EXPECT_EQ(trimmed(block.line(11)), "NETZWERK   2");
}

TEST_F(BlockFileReader, PutsABlankLineBeforeEveryNetworkHeader) {
  read("PB001", fileText({"Kommentar :", "Autor     :", "Erstellt  :", "NETZWERK   1",
                          "0000      :U   E  1.0", "NETZWERK   2", "0001      :BE"}));
  EXPECT_EQ(
      trimmedLines(block),
      (std::vector<std::string>{"Kommentar :", "Autor     :", "Erstellt  :", "", "NETZWERK   1",
                                "0000      :U   E  1.0", "", "NETZWERK   2", "0001      :BE"}));
}

TEST_F(BlockFileReader, DropsLinesBeginningWith0xFF) {
  read("PB001", fileText({"NETZWERK   1",
                          "\xFF"
                          "0000      :U   E  1.0",
                          "0000      :BE"}));
  EXPECT_EQ(trimmedLines(block), withBlankHeader({"0000      :BE"}));
}

struct BitColumnCase {
  std::string_view blockName;
  std::string line;
  std::string expected;
};

class BitColumns : public BlockFileReader, public ::testing::WithParamInterface<BitColumnCase> {};

TEST_P(BitColumns, AreBlankedInCodeBlockLines) {
  read(std::string(GetParam().blockName), fileText({"NETZWERK   1", GetParam().line}));
  EXPECT_EQ(trimmed(block.line(5)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BitColumns,
    ::testing::Values(
        BitColumnCase{"PB001", placed({{0, "0000      :BE"}, {37, "1Z"}}), "0000      :BE"},
        BitColumnCase{"PB001", placed({{0, "1000      :BE"}, {37, "0"}}), "1000      :BE"},
        BitColumnCase{"PB001", placed({{0, "0000      :BE"}, {37, "01"}, {52, "x"}}),
                      placed({{0, "0000      :BE"}, {52, "x"}})},
        BitColumnCase{"PB001", placed({{0, "0000      :BE"}, {37, "2"}}),
                      placed({{0, "0000      :BE"}, {37, "2"}})},
        BitColumnCase{"PB001", placed({{0, "2000      :BE"}, {37, "1"}}),
                      placed({{0, "2000      :BE"}, {37, "1"}})},
        BitColumnCase{"DB001", placed({{0, "0000      :KH = 0000"}, {37, "1"}}),
                      placed({{0, "0000      :KH = 0000"}, {37, "1"}})}));

struct RepairCase {
  std::string_view name;
  std::vector<std::string> file;
  std::vector<std::string> expected;
};

class HeaderRepair : public BlockFileReader, public ::testing::WithParamInterface<RepairCase> {};

TEST_P(HeaderRepair, PutsInTheMissingHeaderLines) {
  read("PB001", fileText(GetParam().file));
  EXPECT_EQ(trimmedLines(block), GetParam().expected);
  EXPECT_TRUE(messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderRepair,
    ::testing::Values(
        RepairCase{
            "NoComment",
            {"Autor     :A", "Erstellt  :", "", "NETZWERK   1", "0000      :BE"},
            {"Kommentar :", "Autor     :A", "Erstellt  :", "", "NETZWERK   1", "0000      :BE"}},
        RepairCase{
            "NoAuthor",
            {"Kommentar :K", "Erstellt  :", "", "NETZWERK   1", "0000      :BE"},
            {"Kommentar :K", "Autor     :", "Erstellt  :", "", "NETZWERK   1", "0000      :BE"}},
        RepairCase{"NoDate",
                   {"Kommentar :K", "Autor     :A", "NETZWERK   1", "0000      :BE"},
                   {"Kommentar :K", "Autor     :A",
                    "Erstellt  :            Geaendert am:            BIB:", "", "NETZWERK   1",
                    "0000      :BE"}},
        RepairCase{
            "NoNetwork",
            {"Kommentar :K", "Autor     :A", "Erstellt  :", "", "0000      :BE"},
            {"Kommentar :K", "Autor     :A", "Erstellt  :", "", "NETZWERK   1", "0000      :BE"}},
        RepairCase{"BodyOnly",
                   {"0000      :U   E  1.0", "0001      :BE"},
                   withBlankHeader({"0000      :U   E  1.0", "0001      :BE"})}),
    [](const auto& info) { return std::string(info.param.name); });

struct BodyStartCase {
  std::string_view name;
  std::vector<std::string> body;  // after "NETZWERK   1"
  std::vector<std::string> expected;
};

class BodyStart : public BlockFileReader, public ::testing::WithParamInterface<BodyStartCase> {};

TEST_P(BodyStart, LosesOnlyLinesThatCanBeNoPartOfABlock) {
  std::vector<std::string> file = {"NETZWERK   1"};
  file.insert(file.end(), GetParam().body.begin(), GetParam().body.end());
  read("PB001", fileText(file));
  EXPECT_EQ(trimmedLines(block), withBlankHeader(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BodyStart,
    ::testing::Values(BodyStartCase{"JunkBeforeTheFirstStatement",
                                    {"Muell", "#####", "0000      :U   E  1.0", "0001      :BE"},
                                    {"0000      :U   E  1.0", "0001      :BE"}},
                      BodyStartCase{"EmptyFirstNetworkStays",
                                    {"NETZWERK   2", "0000      :BE"},
                                    {"", "NETZWERK   2", "0000      :BE"}},
                      BodyStartCase{"CallParameterStays",
                                    {"0000 EIN1 >    E  1.0", "0001      :BE"},
                                    {"0000 EIN1 >    E  1.0", "0001      :BE"}},
                      BodyStartCase{"JunkLaterStays",
                                    {"0000      :U   E  1.0", "Muell", "0001      :BE"},
                                    {"0000      :U   E  1.0", "Muell", "0001      :BE"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BlockFileReader, ABodyOfJunkGetsTheMinimalBody) {
  read("PB001", fileText({"NETZWERK   1", "Muell"}));
  EXPECT_EQ(trimmedLines(block), withBlankHeader({"0000      :BE"}));
  EXPECT_EQ(messages(), std::vector<std::string>{notSavedCorrectly("PB001")});
}

struct MinimalBodyCase {
  std::string_view name;
  std::vector<std::string> body;
};

class MinimalBody : public BlockFileReader,
                    public ::testing::WithParamInterface<MinimalBodyCase> {};

TEST_P(MinimalBody, FitsTheBlockType) {
  const std::string name(GetParam().name);
  EXPECT_EQ(read(name, "Kommentar :\nNETZWERK   1\n"), BlockReadStatus::Read);
  EXPECT_EQ(trimmedLines(block), withBlankHeader(GetParam().body));
  EXPECT_EQ(messages(), std::vector<std::string>{notSavedCorrectly(name)});
}

// A data block holds no statements: it gets one empty data line, not a BE.
INSTANTIATE_TEST_SUITE_P(
    Cases, MinimalBody,
    ::testing::Values(MinimalBodyCase{"PB001", {"0000      :BE"}},
                      MinimalBodyCase{"OB001", {"0000      :BE"}},
                      MinimalBodyCase{"SB002", {"0000      :BE"}},
                      MinimalBodyCase{"FB010", {"     NAME :????????", "", "0005      :BE"}},
                      MinimalBodyCase{"FX003", {"     NAME :????????", "", "0005      :BE"}},
                      MinimalBodyCase{"DB005", {"0000      :"}},
                      MinimalBodyCase{"DX006", {"0000      :"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BlockFileReader, UnscramblesFromTheMarkerOn) {
  const std::string plain1 = placed({{0, "0000"}, {4, "*"}, {10, ":U   E  1.0"}});
  const std::string plain2 = placed({{0, "0001"}, {9, "*"}, {10, ":=   A  1.0"}});
  const std::string plain3 = placed({{0, "0002"}, {10, ":BE"}, {49, "xyz"}});
  ASSERT_EQ(scrambled(plain1)[10], '2');
  const std::string unmarked = "0003      :BE";  // nothing in columns 4, 9, 49-51: left as it is
  read("PB001", fileText({"NETZWERK   1", scrambled(plain1), scrambled(plain2), scrambled(plain3),
                          unmarked}));
  EXPECT_EQ(trimmedLines(block), withBlankHeader({plain1, plain2, plain3, unmarked}));
}

// The marker line itself has nothing in columns 4, 9 and 49 to 51, so only the lines after it
// are unscrambled.
TEST_F(BlockFileReader, AControlCharacterInColumn10IsAMarkerToo) {
  const std::string before = placed({{0, "0000"}, {4, "*"}, {10, ":U   E  1.0"}});
  const std::string marker = placed({{0, "0001"}, {10, "\x05"}, {11, "ABC"}});
  const std::string after = placed({{0, "0002"}, {4, "*"}, {10, ":BE"}});
  read("PB001", fileText({"NETZWERK   1", before, marker, scrambled(after)}));
  EXPECT_EQ(trimmedLines(block), withBlankHeader({before, marker, after}));
}

// A BE does not switch unscrambling on: the lines of this system's files after a BE stay as
// they were written, also where they hold something in column 4, 9 or 49 to 51.
TEST_F(BlockFileReader, LinesAfterABlockEndAreNotUnscrambled) {
  const std::vector<std::string> body = {
      "0000      :U   E  1.0",
      "0001      :BE",
      placed({{0, "0002      :;Ein Kommentar, der weit genug reicht, um Spalte 49"}, {49, "-51"}}),
      placed({{0, "0003 M001 :BE"}, {49, "abc"}}),
  };
  std::vector<std::string> file = {"NETZWERK   1"};
  file.insert(file.end(), body.begin(), body.end());
  read("PB001", fileText(file));
  EXPECT_EQ(trimmedLines(block), withBlankHeader(body));
}

TEST_F(BlockFileReader, InsertsSymbolsFromLine5OnInCodeBlocks) {
  FakeSymbols symbols;
  read("PB001",
       fileText({"Kommentar :E  1.0", "NETZWERK   1", "0000      :U   E  1.0", "0001      :BE"}),
       &symbols);
  EXPECT_EQ(trimmed(block.line(5)), "0000      :U   -START");
  EXPECT_EQ(symbols.inserted, (std::vector<std::string>{"0000      :U   E  1.0", "0001      :BE"}));
}

TEST_F(BlockFileReader, InsertsNoSymbolsInDataBlocksOrWhenSymbolsAreHidden) {
  FakeSymbols symbols;
  read("DB001", fileText({"NETZWERK   1", "0000      :U   E  1.0"}), &symbols);
  FakeSymbols hidden(false);
  read("PB001", fileText({"NETZWERK   1", "0000      :U   E  1.0"}), &hidden);
  EXPECT_TRUE(symbols.inserted.empty());
  EXPECT_TRUE(hidden.inserted.empty());
  EXPECT_EQ(trimmed(block.line(5)), "0000      :U   E  1.0");
}

TEST_F(BlockFileReader, FindsTheFileWhateverItsCase) {
  writeFile(dir / "pb001.awl", "NETZWERK   1\n0000      :BE\n");
  block = lang::AwlAscii("PB001");
  block.setFilePath((dir / "PB001.AWL").string());
  EXPECT_EQ(readBlockFile(block, dialog), BlockReadStatus::Read);
  EXPECT_EQ(trimmedLines(block), withBlankHeader({"0000      :BE"}));
}

TEST_F(BlockFileReader, ReadsAGivenPathWithoutTakingItAsTheDocumentsPath) {
  writeFile(dir / "other.awl", "NETZWERK   1\n0000      :U   E  1.0\n0001      :BE\n");
  block = lang::AwlAscii("PB001");
  block.setFilePath((dir / "PB001.AWL").string());
  EXPECT_EQ(readBlockFile(block, dialog, nullptr, dir / "other.awl"), BlockReadStatus::Read);
  EXPECT_EQ(trimmedLines(block), withBlankHeader({"0000      :U   E  1.0", "0001      :BE"}));
  EXPECT_EQ(block.filePath(), (dir / "PB001.AWL").string());
}

TEST_F(BlockFileReader, ADocumentWithoutNameTakesTheKindFromTheFileName) {
  writeFile(dir / "DB007.AWL", "NETZWERK   1\n");
  block = lang::AwlAscii();
  block.setFilePath((dir / "DB007.AWL").string());
  readBlockFile(block, dialog);
  EXPECT_EQ(trimmedLines(block), withBlankHeader({"0000      :"}));
  EXPECT_EQ(messages(), std::vector<std::string>{notSavedCorrectly("DB007")});
}

// The document holds at most 4199 lines: reading stops there, says so, and tells the caller.
TEST_F(BlockFileReader, AFileLongerThanADocumentIsCutWithAMessage) {
  std::vector<std::string> file = withBlankHeader({});
  for (int i = 0; file.size() < 4300; ++i)
    file.push_back(placed({{0, std::to_string(1000 + i)}, {10, ":U   E  1.0"}}));
  EXPECT_EQ(read("PB001", fileText(file)), BlockReadStatus::Truncated);
  EXPECT_EQ(block.lineCount(), lang::kMaxLines);
  EXPECT_EQ(trimmed(block.line(lang::kMaxLines - 1)), file[lang::kMaxLines - 1]);
  EXPECT_EQ(messages(),
            std::vector<std::string>{"Der Baustein PB001 hat mehr als 4199 Zeilen.\nDie restlichen "
                                     "Zeilen wurden nicht geladen !"});
  EXPECT_FALSE(blockLoaded(BlockReadStatus::FileMissing));
  EXPECT_TRUE(blockLoaded(BlockReadStatus::Truncated));
}

TEST_F(BlockFileReader, AFileThatJustFitsIsReadWhole) {
  std::vector<std::string> file = withBlankHeader({});
  while (file.size() < static_cast<std::size_t>(lang::kMaxLines))
    file.push_back("0000      :U   E  1.0");
  file.push_back("");  // dropped: it needs no room
  EXPECT_EQ(read("PB001", fileText(file)), BlockReadStatus::Read);
  EXPECT_EQ(block.lineCount(), lang::kMaxLines);
  EXPECT_TRUE(messages().empty());
}

TEST_F(BlockFileReader, AFullFileWithoutItsHeaderCountsAsCut) {
  std::vector<std::string> file = {"NETZWERK   1"};
  while (file.size() < static_cast<std::size_t>(lang::kMaxLines))
    file.push_back("0000      :U   E  1.0");
  EXPECT_EQ(read("PB001", fileText(file)), BlockReadStatus::Truncated);
  EXPECT_EQ(block.lineCount(), lang::kMaxLines);
  EXPECT_EQ(trimmedLines(block).front(), "Kommentar :");
}

// A file that is missing or cannot be read is reported as such; the document stays.
TEST_F(BlockFileReader, AMissingFileLeavesTheDocumentAsItWas) {
  block = documentOf("PB001", {"Kommentar :alt", "0000      :BE"});
  block.setFilePath((dir / "PB001.AWL").string());
  const lang::AwlAscii before = block;
  EXPECT_EQ(readBlockFile(block, dialog), BlockReadStatus::FileMissing);
  EXPECT_EQ(block.lines(), before.lines());
  EXPECT_TRUE(dialog.events().empty());
}

TEST_F(BlockFileReader, AnUnreadableFileLeavesTheDocumentAsItWas) {
  std::filesystem::create_directory(dir / "PB001.AWL");  // opens, but cannot be read
  block = documentOf("PB001", {"Kommentar :alt", "0000      :BE"});
  block.setFilePath((dir / "PB001.AWL").string());
  const lang::AwlAscii before = block;
  EXPECT_EQ(readBlockFile(block, dialog), BlockReadStatus::Unreadable);
  EXPECT_EQ(block.lines(), before.lines());
  EXPECT_TRUE(dialog.events().empty());
}

TEST_F(BlockFileReader, WithoutPathTheDocumentGetsTheRepairedHeaderAndTheMinimalBody) {
  block = lang::AwlAscii("FB004");
  EXPECT_EQ(readBlockFile(block, dialog), BlockReadStatus::NoPath);
  EXPECT_EQ(trimmedLines(block), withBlankHeader({"     NAME :????????", "", "0005      :BE"}));
  EXPECT_EQ(dialog.events(),
            (std::vector<DialogEvent>{{Kind::Warning, notSavedCorrectly("FB004")}}));
}

}  // namespace
}  // namespace tavrin::project
