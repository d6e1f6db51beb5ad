#include <gtest/gtest.h>

#include "main/project/block_template.h"
#include "main/project/tests/project_test_support.h"

namespace tavrin::project {
namespace {

using namespace testing;

struct TemplateCase {
  std::string_view name;
  std::string_view blockName;
  bool withBody;
  bool onlineEditor;
  std::vector<std::string> body;  // after the five header lines
};

class NewBlockText : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(NewBlockText, AppendsTheTemplateLines) {
  lang::AwlAscii block{std::string(GetParam().blockName)};
  appendNewBlockText(block, GetParam().withBody, "Hans Muster", BlockDate{7, 3, 2025},
                     GetParam().onlineEditor);
  std::vector<std::string> expected = {"Kommentar :", "Autor     :Hans Muster",
                                       "Erstellt  :07.03.2025  Geaendert am:            BIB:", "",
                                       "NETZWERK   1"};
  expected.insert(expected.end(), GetParam().body.begin(), GetParam().body.end());
  EXPECT_EQ(trimmedLines(block), expected);
  for (const std::string& line : block.lines())
    EXPECT_EQ(line.size(), lang::kLineWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewBlockText,
    ::testing::Values(
        TemplateCase{
            "PbWithBody", "PB001", true, false, {"0000      :", "0001      :", "0002      :BE"}},
        TemplateCase{"PbWithoutBody", "PB001", false, false, {}},
        TemplateCase{"FbWithBody",
                     "FB010",
                     true,
                     false,
                     {"     NAME :NoName", "", "0000      :", "0001      :", "0002      :BE"}},
        TemplateCase{"FxLowerCase",
                     "fx002",
                     true,
                     false,
                     {"     NAME :NoName", "", "0000      :", "0001      :", "0002      :BE"}},
        TemplateCase{"FbWithoutBody", "FB010", false, false, {}},
        TemplateCase{"OnlineEditor", "PB001", true, true, {"0000      :", "0001      :"}},
        TemplateCase{"FbOnlineEditor",
                     "FB010",
                     true,
                     true,
                     {"     NAME :NoName", "", "0000      :", "0001      :"}},
        TemplateCase{
            "DataBlock", "DB002", true, false, {"0000      :", "0001      :", "0002      :BE"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NewBlockText, TheStatementLinesHaveTheirBlankAfterTheColon) {
  lang::AwlAscii block("PB001");
  appendNewBlockText(block, true, "", BlockDate{1, 1, 2024});
  EXPECT_EQ(block.line(5).substr(0, 12), "0000      : ");
  EXPECT_EQ(block.line(7).substr(0, 13), "0002      :BE");
}

TEST(NewBlockText, TheAuthorFillsColumns11To62) {
  lang::AwlAscii block("PB001");
  appendNewBlockText(block, false, std::string(60, 'a'), BlockDate{31, 12, 1999});
  EXPECT_EQ(trimmed(block.line(1)), "Autor     :" + std::string(52, 'a'));
  EXPECT_EQ(trimmed(block.line(2)), "Erstellt  :31.12.1999  Geaendert am:            BIB:");
}

TEST(BlockDates, AreFormattedDayMonthYear) {
  EXPECT_EQ(formatBlockDate({5, 9, 2024}), "05.09.2024");
  EXPECT_EQ(formatBlockDate({5, 9, 123456}), "05.09.1234");
  const BlockDate today = todaysDate();
  EXPECT_GE(today.year, 2024);
  EXPECT_TRUE(today.month >= 1 && today.month <= 12);
  EXPECT_TRUE(today.day >= 1 && today.day <= 31);
}

}  // namespace
}  // namespace tavrin::project
