#include <gtest/gtest.h>

#include "main/project/ascii_import.h"
#include "main/project/block_file_reader.h"
#include "main/project/tests/project_test_support.h"
#include "platform/scripted_user_dialog.h"

namespace tavrin::project {
namespace {

using namespace testing;
using platform::DialogAnswer;
using platform::DialogEvent;
using Kind = DialogEvent::Kind;

const std::string kSeparator(40, '=');

// A listing of two blocks, as the earlier simulator exported them (separator in column 9).
const std::vector<std::string> kTwoBlocks = {
    "Export der Bausteine",
    kSeparator,
    "PB1      Programm",
    placed({{0, "NETZWERK 1"}, {23, "Eingaenge"}}),
    placed({{0, "0000"}, {9, ":"}, {10, "U   E"}, {18, "1.0"}}),
    placed({{0, "0001"}, {9, ":"}, {10, "=   A"}, {18, "1.0"}, {39, "Lampe"}}),
    "",
    "NETZWERK 2",
    placed({{0, "0002"}, {9, ":"}, {10, "SPA FB"}, {18, "10"}}),
    placed({{0, "0003"}, {5, "NAME"}, {9, ":"}, {10, "MOTOR"}}),
    placed({{0, "0004"}, {5, "EIN1"}, {9, ":"}, {10, "E1.1"}, {28, "E"}, {32, "BI"}}),
    placed({{0, "0005"}, {9, ":"}, {10, "BE"}}),
    kSeparator,
    "FB10     Motor",
    placed({{5, "NAME"}, {9, ":"}, {10, "MOTOR"}}),
    "NETZWERK 1",
    placed({{5, "BEZ"}, {9, ":"}, {10, "EIN1"}, {28, "E"}, {32, "BI"}}),
    placed({{5, "BEZ"}, {9, ":"}, {10, "ZEIT"}, {28, "T"}}),
    placed({{0, "0008"}, {9, "#"}, {10, "Z\x84hler starten"}}),
    placed({{0, "0008"}, {9, ":"}, {10, "U   ="}, {18, "EIN1"}}),
    placed({{0, "0009"}, {9, ":"}, {10, "L   PB"}, {18, "12"}}),
    placed({{0, "000A"}, {9, ":"}, {10, "BE"}}),
    kSeparator,
};

const std::vector<std::string> kPb001File = {
    "Kommentar :",
    "Autor     :",
    "Erstellt  :            Geaendert am:            BIB:",
    "",
    "NETZWERK   1",
    "0000      :U   E  1.0",
    placed({{0, "0001      :=   A  1.0"}, {52, "Lampe"}}),
    "",
    "NETZWERK   2",
    "0002      :SPA FB 10",
    "0003 NAME :MOTOR  ",
    "0004 EIN1 >    E  1.1",
    "0005      :BE     ",
};

const std::vector<std::string> kFb010File = {
    "Kommentar :",
    "Autor     :",
    "Erstellt  :            Geaendert am:            BIB:",
    "",
    "NETZWERK   1",
    "     NAME :MOTOR",
    "     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI",
    "     BEZ  :ZEIT      E/A/D/B/T/Z: T",
    "",
    "          :;Z\xE4hler starten",
    "0008      :U   =  EIN1",
    "0009      :L   PY 12",
    "000A      :BE     ",
};

class AsciiImport : public ::testing::Test {
 protected:
  AsciiImportResult import(const std::vector<std::string>& listing,
                           std::string_view name = "EXPORT.AWL") {
    listingPath = dir / "in" / name;
    writeFile(listingPath, fileText(listing, "\r\n"));
    return importAsciiListing(listingPath, dir / "out", dialog);
  }

  std::string output(std::string_view name) const { return readFile(dir / "out" / name); }
  bool exists(std::string_view name) const { return std::filesystem::exists(dir / "out" / name); }
  void existing(std::string_view name, std::string_view text = "alt\n") {
    writeFile(dir / "out" / name, text);
  }

  TempDir dir;
  std::filesystem::path listingPath;
  platform::ScriptedUserDialog dialog;
};

TEST_F(AsciiImport, WritesEveryBlockOfTheListing) {
  std::filesystem::create_directories(dir / "out");
  const AsciiImportResult result = import(kTwoBlocks);
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Finished);
  EXPECT_EQ(result.writtenBlocks, (std::vector<std::string>{"PB001", "FB010"}));
  EXPECT_EQ(output("PB001.AWL"), fileText(kPb001File));
  EXPECT_EQ(output("FB010.AWL"), fileText(kFb010File));
  const std::vector<DialogEvent> expected = {
      {Kind::StatusText, "Auswerten von Datei: PB001.AWL"},
      {Kind::StatusText, "Auswerten von Datei: FB010.AWL"},
      {Kind::StatusText, ""},
      {Kind::StatusMessage, "Ascii- Import beendet!"},
  };
  EXPECT_EQ(dialog.events(), expected);
}

TEST_F(AsciiImport, AnImportedBlockReadsWithoutRepair) {
  std::filesystem::create_directories(dir / "out");
  import(kTwoBlocks);
  lang::AwlAscii block("FB010");
  block.setFilePath((dir / "out" / "FB010.AWL").string());
  platform::ScriptedUserDialog reading;
  EXPECT_EQ(readBlockFile(block, reading), BlockReadStatus::Read);
  std::vector<std::string> expected;
  for (const std::string& line : kFb010File)
    expected.push_back(trimmed(line));
  EXPECT_EQ(trimmedLines(block), expected);
  EXPECT_EQ(reading.texts(Kind::Warning), std::vector<std::string>{});
}

TEST_F(AsciiImport, NoSkipsOnlyTheBlockWhoseFileExists) {
  existing("PB001.AWL");
  dialog.scriptAnswer(DialogAnswer::No);
  const AsciiImportResult result = import(kTwoBlocks);
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Finished);
  EXPECT_EQ(result.writtenBlocks, std::vector<std::string>{"FB010"});
  EXPECT_EQ(result.skippedBlocks, std::vector<std::string>{"PB001"});
  EXPECT_EQ(output("PB001.AWL"), "alt\n");
  EXPECT_EQ(output("FB010.AWL"), fileText(kFb010File));
  EXPECT_EQ(dialog.texts(Kind::Question),
            std::vector<std::string>{"Soll die Datei 'PB001.AWL' ueberschrieben werden?"});
  EXPECT_EQ(dialog.unexpectedQuestions(), 0u);
}

TEST_F(AsciiImport, YesOverwritesTheFileInTheCaseOfItsName) {
  existing("pb001.awl");
  dialog.scriptAnswer(DialogAnswer::Yes);
  import(kTwoBlocks);
  EXPECT_EQ(output("pb001.awl"), fileText(kPb001File));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "out"),
                          std::filesystem::directory_iterator()),
            2);
}

TEST_F(AsciiImport, AllOverwritesEveryLaterFileWithoutAsking) {
  existing("PB001.AWL");
  existing("FB010.AWL");
  dialog.scriptAnswer(DialogAnswer::All);
  const AsciiImportResult result = import(kTwoBlocks);
  EXPECT_EQ(result.writtenBlocks, (std::vector<std::string>{"PB001", "FB010"}));
  EXPECT_EQ(dialog.texts(Kind::Question).size(), 1u);
  EXPECT_EQ(output("FB010.AWL"), fileText(kFb010File));
}

TEST_F(AsciiImport, CancelEndsTheImport) {
  existing("PB001.AWL");
  dialog.scriptAnswer(DialogAnswer::Cancel);
  const AsciiImportResult result = import(kTwoBlocks);
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Cancelled);
  EXPECT_TRUE(result.writtenBlocks.empty());
  EXPECT_EQ(output("PB001.AWL"), "alt\n");
  EXPECT_FALSE(exists("FB010.AWL"));
}

TEST_F(AsciiImport, RefusesAFileThatDoesNotEndInAwl) {
  const AsciiImportResult result = import(kTwoBlocks, "EXPORT.TXT");
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Failed);
  EXPECT_EQ(dialog.texts(Kind::Error),
            std::vector<std::string>{
                "Die ausgewaehlte Datei, ist keine AWL- Datei!\nEs koennen nur Datei mit der "
                "Endung AWL, welche\nvom DOS- Simulator exportiert wurden, ausgewertet "
                "werden.\nAbbruch!"});
  EXPECT_FALSE(exists("PB001.AWL"));
}

TEST_F(AsciiImport, TakesTheEndingInAnyCase) {
  std::filesystem::create_directories(dir / "out");
  EXPECT_EQ(import(kTwoBlocks, "export.awl").outcome, AsciiImportOutcome::Finished);
}

TEST_F(AsciiImport, RefusesAMissingFile) {
  const auto missing = dir / "fehlt.awl";
  const AsciiImportResult result = importAsciiListing(missing, dir.path(), dialog);
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Failed);
  EXPECT_EQ(dialog.texts(Kind::Error),
            std::vector<std::string>{"Die Datei '" + missing.string() + "' besteht nicht!"});
}

TEST_F(AsciiImport, FindsTheListingWhateverTheCaseOfItsName) {
  std::filesystem::create_directories(dir / "out");
  writeFile(dir / "in" / "export.awl", fileText(kTwoBlocks));
  const AsciiImportResult result =
      importAsciiListing(dir / "in" / "EXPORT.AWL", dir / "out", dialog);
  EXPECT_EQ(result.writtenBlocks.size(), 2u);
}

TEST_F(AsciiImport, SaysSoWhenTheListingHoldsNoBlock) {
  const AsciiImportResult result =
      import({"nur Text", kSeparator, "kein Baustein", "0000     :BE"});
  EXPECT_EQ(result.outcome, AsciiImportOutcome::NoBlocks);
  EXPECT_EQ(dialog.texts(Kind::Information),
            std::vector<std::string>{"Keine Bausteine in der Datei '" + listingPath.string() +
                                     "'gefunden."});
}

TEST_F(AsciiImport, PassesOverABlockWithoutIdentifier) {
  std::filesystem::create_directories(dir / "out");
  const AsciiImportResult result =
      import({kSeparator, "Inhaltsverzeichnis", "Seite 1", kSeparator, kSeparator, "PB2",
              "NETZWERK 1", placed({{0, "0000"}, {9, ":"}, {10, "BE"}})});
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Finished);
  EXPECT_EQ(result.writtenBlocks, std::vector<std::string>{"PB002"});
}

TEST_F(AsciiImport, ALineOfNoKnownFormEndsTheImportAndThatBlockIsNotWritten) {
  std::filesystem::create_directories(dir / "out");
  existing("PB002.AWL");
  dialog.scriptAnswer(DialogAnswer::Yes);
  std::vector<std::string> listing = kTwoBlocks;
  listing.insert(listing.end(), {"PB2", "NETZWERK 1", "Seite 2", kSeparator, "PB3", "NETZWERK 1"});
  const AsciiImportResult result = import(listing);
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Failed);
  EXPECT_EQ(result.writtenBlocks, (std::vector<std::string>{"PB001", "FB010"}));
  EXPECT_EQ(output("PB002.AWL"), "alt\n");
  EXPECT_FALSE(exists("PB003.AWL"));
  EXPECT_EQ(dialog.texts(Kind::Error),
            std::vector<std::string>{"Fehler beim Lesen der Datei\n" + listingPath.string() +
                                     "\nAbbruch!"});
  EXPECT_EQ(dialog.texts(Kind::StatusMessage), std::vector<std::string>{});
}

TEST_F(AsciiImport, AParameterOfUnknownKindEndsTheImport) {
  std::filesystem::create_directories(dir / "out");
  const AsciiImportResult result =
      import({kSeparator, "FB3", "NETZWERK 1",
              placed({{5, "BEZ"}, {9, ":"}, {10, "EIN1"}, {28, "Q"}, {32, "BI"}})});
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Failed);
  EXPECT_FALSE(exists("FB003.AWL"));
  EXPECT_EQ(dialog.texts(Kind::Error).size(), 1u);
}

TEST_F(AsciiImport, AFileThatCannotBeWrittenEndsTheImport) {
  const AsciiImportResult result = import(kTwoBlocks);  // the target directory does not exist
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Failed);
  EXPECT_TRUE(result.writtenBlocks.empty());
  EXPECT_EQ(dialog.texts(Kind::Error),
            std::vector<std::string>{"Fehler beim Beschreiben der Datei\n" +
                                     (dir / "out" / "PB001.AWL").string() + "\nAbbruch!"});
}

TEST_F(AsciiImport, AListingThatCannotBeReadEndsTheImport) {
  std::filesystem::create_directories(dir / "in" / "ORDNER.AWL");
  const AsciiImportResult result =
      importAsciiListing(dir / "in" / "ORDNER.AWL", dir.path(), dialog);
  EXPECT_EQ(result.outcome, AsciiImportOutcome::Failed);
  EXPECT_EQ(dialog.texts(Kind::Error),
            std::vector<std::string>{"Fehler beim Lesen der Datei: " +
                                     (dir / "in" / "ORDNER.AWL").string() + "\nAbbruch!"});
}

TEST_F(AsciiImport, CodePage850CanBeChosen) {
  std::filesystem::create_directories(dir / "out");
  writeFile(dir / "in" / "X.AWL", fileText({kSeparator, "PB1", "NETZWERK 1",
                                            placed({{0, "0000"}, {9, "#"}, {10, "Preis \x9D"}}),
                                            placed({{0, "0000"}, {9, ":"}, {10, "BE"}})}));
  importAsciiListing(dir / "in" / "X.AWL", dir / "out", dialog, platform::OemCodePage::Cp850);
  const std::string text = output("PB001.AWL");
  EXPECT_NE(text.find("Preis \xD8"), std::string::npos);  // 0x9D is the slashed O in 850
}

}  // namespace
}  // namespace tavrin::project
