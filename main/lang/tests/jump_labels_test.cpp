// Labels in place of jump distances: their names, the lines that take them, and many of them.
#include "main/lang/jump_labels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/lang/compiler.h"
#include "main/lang/tests/block_text_fixture.h"

namespace tavrin::lang {
namespace {

using testing::blockText;
using testing::trimmedLines;

TEST(JumpLabels, NamesHaveFourCharacters) {
  const std::pair<int, const char*> cases[] = {{1, "M001"},    {999, "M999"},  {1000, "N000"},
                                               {1999, "N999"}, {2000, "O000"}, {4200, "Q200"}};
  for (const auto& [n, name] : cases)
    EXPECT_EQ(jumpLabelName(n), name) << n;
}

std::vector<uint16_t> compiled(const AwlAscii& doc) {
  Mc5Buffer buffer;
  EXPECT_EQ(CompileBlock(doc, buffer), "");
  return {buffer.words.begin(), buffer.words.begin() + buffer.length};
}

TEST(JumpLabels, OnlyStatementLinesOfTheJumpsNetworkTakeALabel) {
  // Addresses: 0 the call, 1 its NAME line, 2 its parameter, 3 and 4 the KF load, 5.. jumps.
  AwlAscii doc = blockText(
      "PB001", {":SPB FB 10", "     NAME :BEISPIEL", "     EIN1 >    E  1.0", ":L   KF +1",
                ":SPA =  >-1",  // the KF constant's second word
                ":SPA =  >-4",  // the parameter line
                ":SPA =  >-6",  // the call's NAME line
                ":SPA =  >-8",  // the call itself
                ":***", "", "NETZWERK   2",
                ":SPA =  >-10",  // the call, from another network
                ":BE"});
  const std::vector<uint16_t> before = compiled(doc);
  CreateJumpLabels(doc);
  const std::vector<std::string> lines = trimmedLines(doc);
  const std::vector<std::string> expected = {"0000 M001 :SPB FB 10",  "0001 NAME :BEISPIEL",
                                             "0002 EIN1 >    E  1.0", "0003      :L   KF +1",
                                             "0005      :SPA =  >-1", "0006      :SPA =  >-4",
                                             "0007      :SPA =  >-6", "0008      :SPA =  M001",
                                             "0009      :***",        "",
                                             "NETZWERK   2",          "000A      :SPA =  >-10",
                                             "000B      :BE"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.end()), expected);
  EXPECT_EQ(compiled(doc), before);
}

TEST(JumpLabels, MoreThanNineHundredNinetyNineTargets) {
  std::vector<std::string> body(1200, ":SPA =  >0");
  body.push_back(":BE");
  AwlAscii doc = blockText("PB001", body);
  const std::vector<uint16_t> before = compiled(doc);
  CreateJumpLabels(doc);
  EXPECT_EQ(trimmedLines(doc)[5 + 998], "03E6 M999 :SPA =  M999");
  EXPECT_EQ(trimmedLines(doc)[5 + 999], "03E7 N000 :SPA =  N000");
  EXPECT_EQ(trimmedLines(doc)[5 + 1199], "04AF N200 :SPA =  N200");
  EXPECT_EQ(compiled(doc), before);
}

}  // namespace
}  // namespace tavrin::lang
