#include <gtest/gtest.h>

#include "main/project/ascii_import.h"
#include "main/project/listing_block.h"
#include "main/project/listing_lines.h"
#include "main/project/tests/project_test_support.h"

namespace tavrin::project {
namespace {

using namespace testing;
using LK = ListingLineKind;

struct ClassifyCase {
  std::string line;
  bool nameExpected;
  ListingLineKind kind;
};

class ClassifyListingLine : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyListingLine, TakesTheFirstRuleThatMatches) {
  EXPECT_EQ(classifyListingLine(GetParam().line, GetParam().nameExpected), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassifyListingLine,
    ::testing::Values(
        ClassifyCase{placed({{5, "NAME"}, {9, ":"}, {10, "MOTOR"}}), true, LK::Name},
        ClassifyCase{placed({{5, "NAME"}, {9, ":"}, {10, "MOTOR"}}), false, LK::Statement},
        ClassifyCase{placed({{5, "NAME"}, {9, "#"}, {10, "Text"}}), true, LK::Name},
        ClassifyCase{placed({{0, "0005"}, {9, "#"}, {10, "Kommentar"}}), false, LK::Comment},
        ClassifyCase{placed({{0, "NETZWERK 1"}, {23, "Titel"}}), false, LK::NetworkHeader},
        ClassifyCase{placed({{0, "0006"}, {9, ":"}, {10, "$Text"}}), false, LK::Comment},
        ClassifyCase{placed({{5, "BEZ"}, {9, ":"}, {10, "EIN1"}, {28, "E"}, {32, "BI"}}), false,
                     LK::Declaration},
        ClassifyCase{placed({{5, "BEZ"}, {9, ":"}, {10, "EIN1"}, {28, "X"}}), false,
                     LK::Declaration},
        ClassifyCase{placed({{0, "0007"}, {5, "EIN1"}, {9, ":"}, {10, "E1.0"}, {28, "E"}}), false,
                     LK::CallParameter},
        ClassifyCase{placed({{0, "0007"}, {5, "EIN1"}, {9, ":"}, {10, "E1.0"}, {28, "Q"}}), false,
                     LK::Statement},
        ClassifyCase{"", false, LK::Blank}, ClassifyCase{"     ", false, LK::Blank},
        ClassifyCase{placed({{0, "0000"}, {9, ":"}, {10, "U   E"}, {18, "1.0"}}), false,
                     LK::Statement},
        ClassifyCase{std::string(40, '='), false, LK::BlockEnd},
        ClassifyCase{"Seite 2", false, LK::Unknown}));

struct ConvertCase {
  std::string_view name;
  std::string input;
  std::string output;
};

class ConvertListingStatement : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertListingStatement, MovesTheSeparatorToColumn10) {
  EXPECT_EQ(convertListingStatement(GetParam().input), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertListingStatement,
    ::testing::Values(
        ConvertCase{"Plain", placed({{0, "0000"}, {9, ":"}, {10, "U   E"}, {18, "1.0"}}),
                    "0000      :U   E  1.0"},
        ConvertCase{"WithComment",
                    placed({{0, "0001"}, {9, ":"}, {10, "=   A"}, {18, "1.0"}, {39, "Motor ein"}}),
                    placed({{0, "0001      :=   A  1.0"}, {52, "Motor ein"}})},
        ConvertCase{
            "LongOperandIsCutAtColumn37",
            placed(
                {{0, "0002"}, {9, ":"}, {10, "L   KC"}, {18, std::string(21, 'x')}, {39, "Text"}}),
            placed({{0, "0002      :L   KC "}, {18, std::string(20, 'x')}, {52, "Text"}})},
        ConvertCase{"Label",
                    placed({{0, "0003"}, {5, "M001"}, {9, ":"}, {10, "SPA FB"}, {18, "12"}}),
                    "0003 M001 :SPA FB 12"},
        ConvertCase{"BlockEnd", placed({{0, "0004"}, {9, ":"}, {10, "BE"}}), "0004      :BE     "},
        ConvertCase{"StarF", placed({{0, "0005"}, {9, ":"}, {10, "*F"}, {18, "5"}}),
                    "0005      :XF     5"},
        ConvertCase{"SlashF", placed({{0, "0006"}, {9, ":"}, {10, "/F"}, {18, "5"}}),
                    "0006      ::F     5"},
        ConvertCase{"LoadPb", placed({{0, "0007"}, {9, ":"}, {10, "L   PB"}, {18, "12"}}),
                    "0007      :L   PY 12"},
        ConvertCase{"TransferPb", placed({{0, "0008"}, {9, ":"}, {10, "T   PB"}, {18, "14"}}),
                    "0008      :T   PY 14"},
        ConvertCase{"OtherPbStays", placed({{0, "0009"}, {9, ":"}, {10, "SPA PB"}, {18, "3"}}),
                    "0009      :SPA PB 3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertListingLines, CommentsNamesAndNetworkHeaders) {
  EXPECT_EQ(convertListingComment(placed({{0, "0005"}, {9, "#"}, {10, "Kommentar"}})),
            "          :;Kommentar");
  EXPECT_EQ(convertListingComment(placed({{0, "0006"}, {9, ":"}, {10, "$Text"}})),
            "          :;$Text");
  EXPECT_EQ(convertListingName(placed({{5, "NAME"}, {9, ":"}, {10, "MOTOR"}})), "     NAME :MOTOR");
  EXPECT_EQ(convertListingNetworkHeader("NETZWERK 3", 3), "NETZWERK   3");
  EXPECT_EQ(convertListingNetworkHeader(placed({{0, "NETZWERK 7"}, {23, "Titel"}}), 2),
            placed({{0, "NETZWERK   2"}, {24, "Titel"}}));
}

TEST(ConvertListingLines, DeclarationsByKind) {
  auto declaration = [](std::string_view name, std::string_view kind, std::string_view type) {
    return convertListingDeclaration(
        placed({{5, "BEZ"}, {9, ":"}, {10, name}, {28, kind}, {32, type}}));
  };
  EXPECT_EQ(declaration("EIN1", "E", "BI"), "     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI");
  EXPECT_EQ(declaration("AUS", "A", "W"), "     BEZ  :AUS       E/A/D/B/T/Z: A  BI/BY/W/D: W ");
  EXPECT_EQ(declaration("SOLL", "D", "KF"),
            "     BEZ  :SOLL      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KF");
  EXPECT_EQ(declaration("ZEIT", "T", ""), "     BEZ  :ZEIT      E/A/D/B/T/Z: T");
  EXPECT_EQ(declaration("DBNR", "B", ""), "     BEZ  :DBNR      E/A/D/B/T/Z: B");
  EXPECT_EQ(declaration("ZAHL", "Z", ""), "     BEZ  :ZAHL      E/A/D/B/T/Z: Z");
  EXPECT_EQ(declaration("FALS", "X", ""), std::nullopt);
}

TEST(ConvertListingLines, CallParameters) {
  auto parameter = [](std::string_view operand) {
    return convertListingCallParameter(
        placed({{0, "0007"}, {5, "EIN1"}, {9, ":"}, {10, operand}, {28, "E"}, {32, "BI"}}));
  };
  EXPECT_EQ(parameter("E1.0"), "0007 EIN1 >    E  1.0");
  EXPECT_EQ(parameter("MW10"), "0007 EIN1 >    MW 10");
  EXPECT_EQ(parameter("KH0010"), "0007 EIN1 >    KH 0010");
  EXPECT_EQ(parameter("DB5"), "0007 EIN1 >    DB 5");
}

struct NameCase {
  std::string_view line;
  std::string_view name;  // empty: none
};

class ListingBlockName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ListingBlockName, NamesTheBlockOfTheIdentifierLine) {
  const auto name = listingBlockName(GetParam().line);
  if (GetParam().name.empty()) {
    EXPECT_FALSE(name);
  } else {
    EXPECT_EQ(name, GetParam().name);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ListingBlockName,
                         ::testing::Values(NameCase{"PB1", "PB001"},
                                           NameCase{"  pb12  Programm", "PB012"},
                                           NameCase{"OB1", "OB001"}, NameCase{"SB7", "SB007"},
                                           NameCase{"FB255 x", "FB255"}, NameCase{"fx3", "FX003"},
                                           NameCase{"DB10", "DB010"}, NameCase{"DX2", "DX002"},
                                           NameCase{"FB256", ""}, NameCase{"XY1", ""},
                                           NameCase{"Programm", ""}, NameCase{"PB", ""},
                                           NameCase{"", ""}, NameCase{"   ", ""}));

std::vector<std::string> converted(const std::vector<std::string>& lines, bool functionBlock) {
  return convertListingBlock(lines, functionBlock, platform::OemCodePage::Cp437).value();
}

const std::vector<std::string> kFileHeader = {
    "Kommentar :", "Autor     :", "Erstellt  :            Geaendert am:            BIB:"};

std::vector<std::string> withFileHeader(std::vector<std::string> body) {
  std::vector<std::string> lines = kFileHeader;
  lines.insert(lines.end(), body.begin(), body.end());
  return lines;
}

TEST(ConvertListingBlock, HoldsTheFbHeaderBackUntilTheFirstNetwork) {
  const std::vector<std::string> listing = {
      placed({{5, "NAME"}, {9, ":"}, {10, "MOTOR"}}),
      "NETZWERK 1",
      placed({{5, "BEZ"}, {9, ":"}, {10, "EIN1"}, {28, "E"}, {32, "BI"}}),
      placed({{0, "0008"}, {9, ":"}, {10, "U   ="}, {18, "EIN1"}}),
      "",
      "NETZWERK 2",
      placed({{0, "0009"}, {9, ":"}, {10, "BE"}}),
  };
  EXPECT_EQ(converted(listing, true),
            withFileHeader({"", "NETZWERK   1", "     NAME :MOTOR",
                            "     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI", "",
                            "0008      :U   =  EIN1", "", "NETZWERK   2", "0009      :BE     "}));
}

TEST(ConvertListingBlock, EndsANameOnlyHeaderWithAnEmptyLine) {
  const std::vector<std::string> listing = {"NETZWERK 1",
                                            placed({{5, "NAME"}, {9, ":"}, {10, "LEER"}}),
                                            placed({{0, "0005"}, {9, ":"}, {10, "BE"}})};
  EXPECT_EQ(converted(listing, true),
            withFileHeader({"", "NETZWERK   1", "     NAME :LEER", "", "0005      :BE     "}));
}

TEST(ConvertListingBlock, GivesABlockWithoutNetworkHeaderTheFirstOne) {
  const std::vector<std::string> listing = {
      placed({{0, "0000"}, {9, "#"}, {10, "Nur Anweisungen"}}),
      placed({{0, "0000"}, {9, ":"}, {10, "BE"}})};
  EXPECT_EQ(
      converted(listing, false),
      withFileHeader({"", "NETZWERK   1", "          :;Nur Anweisungen", "0000      :BE     "}));
  EXPECT_EQ(converted({}, false), kFileHeader);
}

TEST(ConvertListingBlock, TranslatesTheOemCharacters) {
  const std::vector<std::string> listing = {"NETZWERK 1", placed({{0, "0000"},
                                                                  {9, "#"},
                                                                  {10,
                                                                   "Z\x84hler \x81"
                                                                   "ber 10"}})};
  EXPECT_EQ(converted(listing, false).back(),
            "          :;Z\xE4hler \xFC"
            "ber 10");
}

TEST(ConvertListingBlock, RefusesLinesItDoesNotKnow) {
  const std::vector<std::string> unknown = {"NETZWERK 1", "Seite 2"};
  EXPECT_FALSE(convertListingBlock(unknown, false, platform::OemCodePage::Cp437));
  const std::vector<std::string> badKind = {
      "NETZWERK 1", placed({{5, "BEZ"}, {9, ":"}, {10, "EIN1"}, {28, "Q"}})};
  EXPECT_FALSE(convertListingBlock(badKind, true, platform::OemCodePage::Cp437));
}

}  // namespace
}  // namespace tavrin::project
