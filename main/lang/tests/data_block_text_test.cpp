// Data blocks as data lines: the formats, character strings, pre-header runs, the choice of the
// format, and the way back through the compiler to the same words.
#include "main/lang/data_block_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "main/lang/tests/block_text_fixture.h"
#include "main/lang/translate_block.h"
#include "platform/cp1252.h"
#include "simcore/simcore32.h"

namespace tavrin::lang {
namespace {

using platform::literals::operator""_cp1252;
using testing::blockWords;
using testing::ControllerBlocksTest;
using testing::trimmedLines;

constexpr uint16_t kDb5 = 0x0105;

uint16_t s5High(float value) {
  return static_cast<uint16_t>(S5AG_FloatToS5Long(value) >> 16);
}
uint16_t s5Low(float value) {
  return static_cast<uint16_t>(S5AG_FloatToS5Long(value) & 0xFFFF);
}
std::string hex(uint16_t word) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(word));
  return text;
}

// The data lines of `data` (no header lines in the document).
std::vector<std::string> dataLines(const std::vector<uint16_t>& data, DataBlockSources sources) {
  AwlAscii doc("DB005");
  const std::vector<uint16_t> block = blockWords(kDb5, data);
  TranslateDataBlock(doc, kDb5, block, static_cast<uint16_t>(block.size()), sources);
  return trimmedLines(doc);
}

std::vector<std::string> inFormat(uint8_t format, const std::vector<uint16_t>& data) {
  DataFormatChoice choice;
  choice.standingFormat = format;
  DataBlockSources sources;
  sources.choice = &choice;
  return dataLines(data, sources);
}

struct FormatCase {
  const char* what;
  uint8_t format;
  std::vector<uint16_t> data;
  std::vector<std::string> lines;
};

TEST(DataBlockText, EachFormat) {
  const std::vector<uint16_t> fourteen(14, 0x4142);
  const FormatCase cases[] = {
      {"KH", kFormatCodeKH, {0x0041, 0xFFFF}, {"0000      :KH = 0041", "0001      :KH = FFFF"}},
      {"KF", kFormatCodeKF, {0x8000, 0x0005}, {"0000      :KF = -32768", "0001      :KF = +5"}},
      {"KY", kFormatCodeKY, {0xF019}, {"0000      :KY = 240,025"}},
      {"KM", kFormatCodeKM, {0x0005}, {"0000      :KM = 00000000 00000101"}},
      {"KT, and a word with a time base above 3",
       kFormatCodeKT,
       {0x2010, 0x4010},
       {"0000      :KT = 010.2", "0001      :KH = 4010"}},
      {"KZ, and a word that is no BCD number",
       kFormatCodeKZ,
       {0x0012, 0x0ABC, 0x1000},
       {"0000      :KZ = 012", "0001      :KH = 0ABC", "0002      :KH = 1000"}},
      {"KG, and pairs that no KG text hits",
       kFormatCodeKG,
       {s5High(12.5f), s5Low(12.5f), 0x0000, 0x0000, 0x1234},
       {"0000      :KG = +1250000+02", "0002      :KH = 0000", "0003      :KH = 0000",
        "0004      :KH = 1234"}},
      {"KC", kFormatCodeKC, {0x4142, 0x4344}, {"0000      :KC = 'ABCD'"}},
      {"KC from a word that is not printable: all KH",
       kFormatCodeKC,
       {0x0041, 0x4142, 0xFFFF},
       {"0000      :KH = 0041", "0001      :KH = 4142", "0002      :KH = FFFF"}},
      {"KC ends before a word that is not printable",
       kFormatCodeKC,
       {0x4142, 0x0001, 0x4142},
       {"0000      :KC = 'AB'", "0001      :KH = 0001", "0002      :KH = 4142"}},
      {"a quote ends the string too",
       kFormatCodeKC,
       {0x4127, 0x4142},
       {"0000      :KH = 4127", "0001      :KH = 4142"}},
      {"blanks stay in the string", kFormatCodeKC, {0x2041, 0x2020}, {"0000      :KC = ' A  '"}},
      {"24 characters a line",
       kFormatCodeKC,
       fourteen,
       {"0000      :KC = 'ABABABABABABABABABABABAB'", "000C      :KC = 'ABAB'"}},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(inFormat(c.format, c.data), c.lines) << c.what;
}

struct PreHeaderCase {
  const char* what;
  std::vector<uint16_t> entries;  // from word 4 of the pre-header on
  std::vector<uint16_t> data;
  std::vector<std::string> lines;
};

TEST(DataBlockText, PreHeaderRuns) {
  const PreHeaderCase cases[] = {
      {"KF from 0, KH from 4",
       {kPreHeaderKF, 0, kPreHeaderKH, 4, kPreHeaderEnd, 0},
       {1, 2, 3, 4, 5, 6},
       {"0000      :KF = +1", "0001      :KF = +2", "0002      :KF = +3", "0003      :KF = +4",
        "0004      :KH = 0005", "0005      :KH = 0006"}},
      {"a string in the form C, then KF continued",
       {kPreHeaderC, 0, kPreHeaderKF, 2, kPreHeaderContinue, 3, kPreHeaderEnd, 0},
       {0x4142, 0x4344, 0x0007, 0xFFFF},
       {"0000      :C  = 'ABCD'", "0002      :KF = +7", "0003      :KF = -1"}},
      {"a string ends where the next entry begins",
       {kPreHeaderKC, 0, kPreHeaderKH, 1},
       {0x4142, 0x4344},
       {"0000      :KC = 'AB'", "0001      :KH = 4344"}},
      {"KH after a word that is not printable, up to the next entry",
       {kPreHeaderKC, 0, kPreHeaderKF, 2},
       {0x4142, 0x0001, 0x0005},
       {"0000      :KC = 'AB'", "0001      :KH = 0001", "0002      :KF = +5"}},
      {"a KG pair does not reach into the next entry",
       {kPreHeaderKG, 0, kPreHeaderKF, 1},
       {s5High(12.5f), s5Low(12.5f)},
       {"0000      :KH = " + hex(s5High(12.5f)), "0001      :KF = +0"}},
      {"no entries: KH", {}, {0x0001}, {"0000      :KH = 0001"}},
  };
  for (const PreHeaderCase& c : cases) {
    std::vector<uint16_t> preHeader = {0, 0, 0, 0};
    preHeader.insert(preHeader.end(), c.entries.begin(), c.entries.end());
    DataBlockSources sources;
    sources.preHeader = &preHeader;
    EXPECT_EQ(dataLines(c.data, sources), c.lines) << c.what;
  }
}

TEST(DataBlockText, AnEndOfThePreHeaderBeforeItsLastEntry) {
  const std::vector<uint16_t> preHeader = {
      0, 0, 0, 0, kPreHeaderKF, 0, kPreHeaderEnd, 2, kPreHeaderKY, 3};
  platform::ScriptedUserDialog dialog;
  DataBlockSources sources;
  sources.preHeader = &preHeader;
  sources.dialog = &dialog;
  EXPECT_EQ(
      dataLines({1, 2, 3, 4, 5}, sources),
      (std::vector<std::string>{"0000      :KF = +1", "0001      :KF = +2", "0002      :KH = 0003",
                                "0003      :KH = 0004", "0004      :KH = 0005"}));
  EXPECT_EQ(dialog.texts(platform::DialogEvent::Kind::Warning),
            std::vector<std::string>{"Falsche Werte in Vorkopf des DB005\nDer Rest des DBs wird im "
                                     "KH-Format übersetzt\n(Pos: 2 von 5) !"_cp1252});
}

TEST(DataBlockText, TheFormatIsAskedUntilAllIsChosen) {
  DataFormatChoice choice;
  std::vector<uint8_t> preselections;
  std::vector<DataFormatAnswer> answers = {{kFormatCodeKF, false}, {kFormatCodeKY, true}};
  choice.ask = [&](std::string_view title, std::string_view prompt, uint8_t preselected) {
    EXPECT_EQ(title, "Format wählen ..."_cp1252);
    EXPECT_EQ(prompt, "Bitte geben Sie das gewünschte Format des DB/DX an."_cp1252);
    preselections.push_back(preselected);
    const DataFormatAnswer a = answers.front();
    answers.erase(answers.begin());
    return a;
  };
  DataBlockSources sources;
  sources.choice = &choice;
  EXPECT_EQ(dataLines({5}, sources), std::vector<std::string>{"0000      :KF = +5"});
  EXPECT_EQ(dataLines({5}, sources), std::vector<std::string>{"0000      :KY = 000,005"});
  EXPECT_EQ(dataLines({5}, sources), std::vector<std::string>{"0000      :KY = 000,005"});
  EXPECT_EQ(preselections, (std::vector<uint8_t>{kFormatCodeKH, kFormatCodeKF}));
  EXPECT_EQ(choice.standingFormat, kFormatCodeKY);
}

class DataBlockRoundTrip : public ControllerBlocksTest {};

TEST_F(DataBlockRoundTrip, EveryFormatGivesTheSameWords) {
  const std::vector<uint16_t> data = {
      0x0000,        0x0041,       0x4142, 0x2041, 0xFFFF, 0x8000, 0x0012, 0x2010, 0x4010, 0x0ABC,
      s5High(12.5f), s5Low(12.5f), 0x4127, 0x1234, 0x4142, 0x4344, 0x4546, 0x7FFF, 0x0000};
  for (uint8_t format : {kFormatCodeKM, kFormatCodeKH, kFormatCodeKY, kFormatCodeKC, kFormatCodeKG,
                         kFormatCodeKF, kFormatCodeKT, kFormatCodeKZ}) {
    for (uint16_t id : {kDb5, static_cast<uint16_t>(0x0C07)}) {
      SCOPED_TRACE(std::to_string(format) + " " + std::to_string(id));
      S5AG_AGErase();
      ASSERT_EQ(store(blockWords(id, data)), 0);
      DataFormatChoice choice;
      choice.standingFormat = format;
      TranslateOptions options;
      options.dataBlocks.choice = &choice;
      const AwlAscii text = translated(id == kDb5 ? "DB005" : "DX007", options);
      EXPECT_EQ(trimmedLines(text)[4], "NETZWERK   1");
      EXPECT_EQ(compiled(text), stored(id));
    }
  }
}

TEST_F(DataBlockRoundTrip, APreHeaderGivesTheSameWords) {
  const std::vector<uint16_t> data = {0x4142,        0x4344,       5,     0x0012,
                                      s5High(-1.5f), s5Low(-1.5f), 0xF019};
  const std::vector<uint16_t> preHeader = {0,
                                           0,
                                           0,
                                           0,
                                           kPreHeaderC,
                                           0,
                                           kPreHeaderKF,
                                           2,
                                           kPreHeaderKZ,
                                           3,
                                           kPreHeaderKG,
                                           4,
                                           kPreHeaderKY,
                                           6,
                                           kPreHeaderEnd,
                                           0};
  ASSERT_EQ(store(blockWords(kDb5, data)), 0);
  TranslateOptions options;
  options.dataBlocks.preHeader = &preHeader;
  const AwlAscii text = translated("DB005", options);
  const std::vector<std::string> lines = trimmedLines(text);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.end()),
            (std::vector<std::string>{"0000      :C  = 'ABCD'", "0002      :KF = +5",
                                      "0003      :KZ = 012", "0004      :KG = -1500000+01",
                                      "0006      :KY = 240,025"}));
  EXPECT_EQ(compiled(text), stored(kDb5));
}

}  // namespace
}  // namespace tavrin::lang
