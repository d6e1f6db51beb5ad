#include <gtest/gtest.h>

#include "main/project/fb_parameter_lookup.h"
#include "main/project/tests/project_test_support.h"

namespace tavrin::project {
namespace {

using namespace testing;

const std::vector<std::string> kFbFile = {
    "Kommentar :Regler",
    "Autor     :",
    "Erstellt  :",
    "",
    "NETZWERK   1",
    "     NAME :EIN1REGL",
    "     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI",
    "     BEZ  :AUSW      E/A/D/B/T/Z: A  BI/BY/W/D: W",
    "     BEZ  :SOLL      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KF",
    "     BEZ  :ZEIT      E/A/D/B/T/Z: T",
    "     BEZ  :DB        E/A/D/B/T/Z: B",
    "",
    "0014      :U   =EIN1",
    "     BEZ  :SPAT      E/A/D/B/T/Z: Z",
    "0015      :BE",
};

struct LookupCase {
  std::string_view parameter;
  char kind;  // ' ': not found
  std::string_view type;
};

class FbParameterLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(FbParameterLookup, FindsKindAndTypeInTheFile) {
  TempDir dir;
  writeFile(dir / "fb012.awl", fileText(kFbFile, "\r\n"));
  const auto parameter = lookupFbParameter(dir.path(), "FB012", GetParam().parameter);
  if (GetParam().kind == ' ') {
    EXPECT_FALSE(parameter);
    return;
  }
  ASSERT_TRUE(parameter);
  EXPECT_EQ(parameter->kind, GetParam().kind);
  EXPECT_EQ(parameter->type, GetParam().type);
}

// The NAME line is no parameter, and the search ends with the header's empty line.
INSTANTIATE_TEST_SUITE_P(
    Cases, FbParameterLookup,
    ::testing::Values(LookupCase{"EIN1", 'E', "BI"}, LookupCase{"AUSW", 'A', "W "},
                      LookupCase{"SOLL", 'D', "KF"}, LookupCase{"ZEIT", 'T', "  "},
                      LookupCase{"DB", 'B', "  "}, LookupCase{"DB  ", 'B', "  "},
                      LookupCase{"REGL", ' ', ""}, LookupCase{"SPAT", ' ', ""},
                      LookupCase{"EIN", ' ', ""}));

TEST(FbParameterLookupFile, AMissingFileOrOneWithoutNetworkGivesNoKind) {
  TempDir dir;
  EXPECT_FALSE(lookupFbParameter(dir.path(), "FB012", "EIN1"));
  writeFile(dir / "FB013.AWL", fileText({"a", "b", "c", "d", "e", "f", "NETZWERK   1",
                                         "     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI"}));
  EXPECT_FALSE(lookupFbParameter(dir.path(), "FB013", "EIN1"));
  EXPECT_FALSE(lookupFbParameter({}, "FB012", "EIN1"));
}

TEST(FbParameterLookupFile, LooksAtTheNameLineAndFortyParameters) {
  TempDir dir;
  std::vector<std::string> file = {"Kommentar :",  "Autor     :",     "Erstellt  :", "",
                                   "NETZWERK   1", "     NAME :VIELE"};
  for (int i = 0; i < 41; ++i)
    file.push_back(placed({{5, "BEZ  :P"}, {12, std::to_string(100 + i)}, {21, "E/A/D/B/T/Z: B"}}));
  writeFile(dir / "FB020.AWL", fileText(file));
  EXPECT_TRUE(lookupFbParameter(dir.path(), "FB020", "P139"));
  EXPECT_FALSE(lookupFbParameter(dir.path(), "FB020", "P140"));
}

TEST(BlockFileHeaders, GiveTheNameAndEveryParameterOfACalledBlock) {
  TempDir dir;
  writeFile(dir / "fb012.awl", fileText(kFbFile));
  const BlockFileHeaders headers(dir.path());
  const lang::BlockHeaders& asHeaders = headers;
  const auto header = asHeaders.headerOf("FB012");
  ASSERT_TRUE(header);
  EXPECT_EQ(header->name, "EIN1REGL");
  const std::vector<lang::FbParameter> expected = {
      {"EIN1", 'E', "BI"}, {"AUSW", 'A', "W "}, {"SOLL", 'D', "KF"},
      {"ZEIT", 'T', "  "}, {"DB  ", 'B', "  "},
  };
  EXPECT_EQ(header->parameters, expected);
}

TEST(BlockFileHeaders, PadTheNameToEightCharacters) {
  TempDir dir;
  writeFile(dir / "FX003.AWL", fileText(withBlankHeader({"     NAME :KURZ", "", "0005      :BE"})));
  const auto header = BlockFileHeaders(dir.path()).headerOf("FX003");
  ASSERT_TRUE(header);
  EXPECT_EQ(header->name, "KURZ    ");
  EXPECT_TRUE(header->parameters.empty());
}

TEST(BlockFileHeaders, GiveNothingForOtherBlocksMissingFilesAndBlocksWithoutHeader) {
  TempDir dir;
  writeFile(dir / "PB001.AWL", fileText(withBlankHeader({"     NAME :FALSCH", "0000      :BE"})));
  writeFile(dir / "FB001.AWL", fileText(withBlankHeader({"0000      :BE"})));
  const BlockFileHeaders headers(dir.path());
  EXPECT_FALSE(headers.headerOf("PB001"));
  EXPECT_FALSE(headers.headerOf("FB001"));
  EXPECT_FALSE(headers.headerOf("FB002"));
  EXPECT_FALSE(headers.headerOf(""));
}

}  // namespace
}  // namespace tavrin::project
