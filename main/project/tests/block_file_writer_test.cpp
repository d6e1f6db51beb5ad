#include <gtest/gtest.h>

#include "main/project/block_file_reader.h"
#include "main/project/block_file_writer.h"
#include "main/project/tests/project_test_support.h"
#include "platform/scripted_user_dialog.h"

namespace tavrin::project {
namespace {

using namespace testing;
using platform::DialogEvent;
using Kind = DialogEvent::Kind;

const std::vector<std::string> kFbText = {
    "Kommentar :Motorsteuerung",
    "Autor     :Tester",
    "Erstellt  :01.02.2024  Geaendert am:03.04.2024  BIB:00001",
    "",
    "NETZWERK   1",
    "     NAME :MOTOR",
    "     BEZ  :EIN       E/A/D/B/T/Z: E  BI/BY/W/D: BI",
    "     BEZ  :ZEIT      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KT",
    "",
    "000B      :U   =EIN",
    "000C      :=   A  1.0                                    Motor ein",
    "",
    "NETZWERK   2",
    "000D      :;Kommentarzeile",
    "000E M001 :SPA FB  12",
    "000F      :NAME :REGLER",
    "0010 SOLL >    EW 10",
    "",
    "NETZWERK   3",
    "0011      :BE",
};

const std::vector<std::string> kDbText = {
    "Kommentar :Daten", "Autor     :",          "Erstellt  :",          "",
    "NETZWERK   1",     "0000      :KH = 0001", "0001      :KC = 'AB'", "0002      :KF = +12",
};

class BlockFileWriter : public ::testing::Test {
 protected:
  lang::AwlAscii document(std::string name, const std::vector<std::string>& lines) {
    lang::AwlAscii block = documentOf(std::move(name), lines);
    block.setFilePath((dir / (block.blockName() + ".AWL")).string());
    return block;
  }

  TempDir dir;
  platform::ScriptedUserDialog dialog;
};

TEST_F(BlockFileWriter, DoesNotSaveFiveLinesButSavesSix) {
  lang::AwlAscii five = document("PB001", withBlankHeader({}));
  EXPECT_TRUE(saveBlockFile(five, dialog));
  EXPECT_FALSE(std::filesystem::exists(dir / "PB001.AWL"));
  EXPECT_EQ(
      dialog.events(),
      (std::vector<DialogEvent>{{Kind::Warning, "PB001 wird nicht abgespeichert (ist leer) !"}}));

  lang::AwlAscii six = document("PB002", withBlankHeader({"0000      :BE"}));
  EXPECT_TRUE(saveBlockFile(six, dialog));
  EXPECT_EQ(readFile(dir / "PB002.AWL"), fileText(withBlankHeader({"0000      :BE"})));
}

TEST_F(BlockFileWriter, WritesEachLineWithoutTrailingBlanksFollowedByLf) {
  lang::AwlAscii block = document("FB010", kFbText);
  EXPECT_TRUE(saveBlockFile(block, dialog));
  EXPECT_EQ(readFile(dir / "FB010.AWL"), fileText(kFbText));
  EXPECT_EQ(dialog.events(), (std::vector<DialogEvent>{
                                 {Kind::StatusText, "Abspeichern von 'FB010' ..."},
                                 {Kind::StatusText, ""},
                             }));
}

struct RoundTripCase {
  std::string_view name;
  std::vector<std::string> lines;
};

class RoundTrip : public BlockFileWriter, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTrip, SavingAndReadingGivesTheSameDocument) {
  const lang::AwlAscii saved = [&] {
    lang::AwlAscii block = document(std::string(GetParam().name), GetParam().lines);
    EXPECT_TRUE(saveBlockFile(block, dialog));
    return block;
  }();
  lang::AwlAscii read(saved.blockName());
  read.setFilePath(saved.filePath());
  EXPECT_EQ(readBlockFile(read, dialog), BlockReadStatus::Read);
  EXPECT_EQ(read.lines(), saved.lines());
  EXPECT_EQ(dialog.texts(Kind::Warning), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundTrip,
    ::testing::Values(
        RoundTripCase{"FB010", kFbText}, RoundTripCase{"DB003", kDbText},
        RoundTripCase{"PB001", withBlankHeader({"0000      :U   E  1.0", "0001      :=   A  1.0",
                                                "", "NETZWERK   2", "0002      :BE"})},
        RoundTripCase{"FB011", withBlankHeader({"     NAME :LEER", "", "0005      :BE"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BlockFileWriter, TakesSymbolsOutFromLine5OnInCodeBlocks) {
  FakeSymbols symbols;
  lang::AwlAscii block =
      document("PB001", {"Kommentar :", "Autor     :", "Erstellt  :", "", "NETZWERK   1",
                         "0000      :U   -START", "0001      :BE"});
  block.replaceLine(0, placed({{0, "Kommentar :"}, {15, "-START"}}));
  EXPECT_TRUE(saveBlockFile(block, dialog, &symbols));
  EXPECT_EQ(symbols.removed, (std::vector<std::string>{"0000      :U   -START", "0001      :BE"}));
  EXPECT_EQ(readFile(dir / "PB001.AWL"), fileText({placed({{0, "Kommentar :"}, {15, "-START"}}),
                                                   "Autor     :", "Erstellt  :", "", "NETZWERK   1",
                                                   "0000      :U   E  1.0", "0001      :BE"}));
  EXPECT_EQ(trimmed(block.line(5)), "0000      :U   -START");  // the document keeps its symbols
}

TEST_F(BlockFileWriter, LeavesDataBlocksAndHiddenSymbolsAlone) {
  FakeSymbols symbols;
  lang::AwlAscii data = document("DB003", kDbText);
  EXPECT_TRUE(saveBlockFile(data, dialog, &symbols));
  FakeSymbols hidden(false);
  lang::AwlAscii code = document("PB001", withBlankHeader({"0000      :U   -START"}));
  EXPECT_TRUE(saveBlockFile(code, dialog, &hidden));
  EXPECT_TRUE(symbols.removed.empty());
  EXPECT_TRUE(hidden.removed.empty());
  EXPECT_EQ(readFile(dir / "PB001.AWL"), fileText(withBlankHeader({"0000      :U   -START"})));
}

TEST_F(BlockFileWriter, ADocumentWithoutPathGetsTheBlockFileOfTheProject) {
  lang::AwlAscii block = documentOf("PB004", withBlankHeader({"0000      :BE"}));
  EXPECT_TRUE(saveBlockFile(block, dialog, nullptr, dir.path()));
  EXPECT_EQ(block.filePath(), (dir / "PB004.AWL").string());
  EXPECT_EQ(readFile(dir / "PB004.AWL"), fileText(withBlankHeader({"0000      :BE"})));
}

TEST_F(BlockFileWriter, ReplacesAnExistingFileWhateverTheCaseOfItsName) {
  writeFile(dir / "pb005.awl", "alt\n");
  lang::AwlAscii block = documentOf("PB005", withBlankHeader({"0000      :BE"}));
  EXPECT_TRUE(saveBlockFile(block, dialog, nullptr, dir.path()));
  EXPECT_EQ(readFile(dir / "pb005.awl"), fileText(withBlankHeader({"0000      :BE"})));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(BlockFileWriter, WithoutPathAndProjectNothingIsWritten) {
  lang::AwlAscii block = documentOf("PB004", withBlankHeader({"0000      :BE"}));
  EXPECT_FALSE(saveBlockFile(block, dialog));
  EXPECT_TRUE(block.filePath().empty());
  EXPECT_TRUE(dialog.events().empty());
}

TEST_F(BlockFileWriter, AFileThatCannotBeWrittenGivesFalseWithoutMessage) {
  lang::AwlAscii block = documentOf("PB001", withBlankHeader({"0000      :BE"}));
  block.setFilePath((dir / "missing" / "PB001.AWL").string());
  EXPECT_FALSE(saveBlockFile(block, dialog));
  EXPECT_EQ(dialog.texts(Kind::Warning), std::vector<std::string>{});
  EXPECT_EQ(dialog.texts(Kind::Error), std::vector<std::string>{});
  EXPECT_EQ(dialog.texts(Kind::StatusText),
            (std::vector<std::string>{"Abspeichern von 'PB001' ...", ""}));
}

}  // namespace
}  // namespace tavrin::project
