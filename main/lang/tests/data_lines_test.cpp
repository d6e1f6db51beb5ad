#include "main/lang/data_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "main/lang/data_line_messages.h"
#include "main/lang/data_line_typing.h"
#include "main/lang/lang_messages.h"
#include "platform/scripted_user_dialog.h"
#include "simcore/simcore32.h"
#include "utilkit/utilkit40.h"

namespace tavrin::lang {
namespace {

using platform::DialogAnswer;
using platform::DialogEvent;
using platform::ScriptedUserDialog;

// A data line: the number and ':' of columns 0..10, then `text` from column 11.
std::string dataLine(std::string_view text) {
  return paddedLine("0000      :" + std::string(text));
}

// A data line with free text from column 48.
std::string withFreeText(std::string_view text, std::string_view free) {
  std::string line = dataLine(text);
  line.replace(kDataValueEnd, free.size(), free);
  return line;
}

uint16_t highWord(uint32_t value) {
  return static_cast<uint16_t>(value >> 16);
}
uint16_t lowWord(uint32_t value) {
  return static_cast<uint16_t>(value & 0xFFFF);
}

std::string kh(uint16_t word) {
  char buffer[8];
  return U_WordToKHStr(buffer, word);
}

// A data block: the header, the first network header, then the data lines.
AwlAscii dataBlock(const std::vector<std::string>& dataLines) {
  AwlAscii block("DB010");
  for (const char* header : {"Kommentar :", "Autor     :", "Erstellt  :", "", "NETZWERK   1"})
    block.appendLine(header);
  for (const std::string& line : dataLines)
    block.appendLine(line);
  return block;
}
constexpr int kFirstDataLine = 5;

std::vector<std::string> dataLinesOf(const AwlAscii& block) {
  return {block.lines().begin() + kFirstDataLine, block.lines().end()};
}

std::vector<std::string> dataLines(const std::vector<const char*>& texts) {
  std::vector<std::string> out;
  for (const char* text : texts)
    out.push_back(dataLine(text));
  return out;
}

TEST(DataLines, WordCounts) {
  const struct {
    std::string line;
    unsigned words;
  } cases[] = {
      {dataLine(""), 0},
      {dataLine(";comment"), 0},
      {dataLine("X  = 12"), 0},
      {paddedLine("NETZWERK   1"), 0},
      {dataLine("KH = 0041"), 1},
      {dataLine("KF = +5"), 1},
      {dataLine("KM = 00000000 00000101"), 1},
      {dataLine("KX = 12"), 1},
      {dataLine("K"), 1},
      {dataLine("KG = +1234567+02"), 2},
      {dataLine("KC = 'ABCD'"), 2},
      {dataLine("KC = 'ABC '"), 2},
      {dataLine("KC = 'ABC'"), 2},
      {dataLine("C  = 'A'"), 1},
      {dataLine("KC = ''"), 0},
      {dataLine("KC = 'ABCDEFGHIJKLMNOPQRSTUVWX'"), 12},
      // without the closing quote all 31 characters of the value field are counted
      {dataLine("KC = 'ABC"), 16},
  };
  for (const auto& c : cases)
    EXPECT_EQ(dataLineWords(c.line), c.words) << c.line;
}

TEST(DataLines, CompiledWords) {
  const uint32_t kg12 = S5AG_FloatToS5Long(12.34567f);
  const uint32_t kg125 = S5AG_FloatToS5Long(12.5f);
  const struct {
    std::string line;
    std::vector<uint16_t> words;
  } cases[] = {
      {dataLine("KH = 0041"), {0x0041}},
      {dataLine("KH = FFFF"), {0xFFFF}},
      {dataLine("KM = 00000000 00000101"), {0x0005}},
      {dataLine("KY = 240,025"), {0xF019}},
      {dataLine("KC = 'AB'"), {0x4142}},
      {dataLine("KC = 'ABC '"), {0x4142, 0x4320}},
      {dataLine("KC = 'ABC'"), {0x4142, 0x4320}},  // an odd last character pairs with a blank
      {dataLine("C  = 'ABCDE'"), {0x4142, 0x4344, 0x4520}},
      {dataLine("KC = '\xE4\xDF'"), {0xE4DF}},
      {dataLine("KC = 'AB'   "), {0x4142}},
      {dataLine("KF = +5"), {0x0005}},
      {dataLine("KF = -1"), {0xFFFF}},
      {dataLine("KF = -32768 "), {0x8000}},
      {dataLine("KT = 010.2"), {0x2010}},  // base * 4096 + BCD of the value
      {dataLine("KT = 999.3"), {0x3999}},
      {dataLine("KZ = 007"), {0x0007}},
      {dataLine("KZ = 999"), {0x0999}},
      {dataLine("KG = +1234567+02"), {highWord(kg12), lowWord(kg12)}},
      {dataLine("KG = 12.5"), {highWord(kg125), lowWord(kg125)}},
      {dataLine("KX = 12"), {12}},  // an unknown letter reads a decimal number
      {withFreeText("KH = 0041", "free text"), {0x0041}},
      {withFreeText("KC = 'AB'", "'x'"), {0x4142}},
      // no data line: nothing, no error
      {dataLine(""), {}},
      {dataLine(";comment"), {}},
      {dataLine("X  = 12"), {}},
  };
  for (const auto& c : cases) {
    std::vector<uint16_t> words;
    const char* error = compileDataLine(c.line, words);
    EXPECT_EQ(error, nullptr) << c.line << ": " << error;
    EXPECT_EQ(words, c.words) << c.line;
    EXPECT_EQ(words.size(), dataLineWords(c.line)) << c.line;
  }
}

// A value that cannot be read stops the compiler at that line instead of becoming word 0.
TEST(DataLines, UnreadableLinesAreReported) {
  const struct {
    std::string line;
    const char* error;
  } cases[] = {
      {dataLine("KH = "), msg::kBadKh},
      {dataLine("KH = 00G1"), msg::kBadKh},
      {dataLine("KF = 12a"), msg::kBadKf},
      {dataLine("KZ = 1000"), msg::kBadKz},
      {dataLine("KT = 10.4"), msg::kBadKt},
      {dataLine("KY = 256,0"), msg::kBadKy},
      {dataLine("KM = 102"), msg::kBadKm},
      {dataLine("KG = hello"), msg::kDataValueUnreadable},
      {dataLine("KG = "), msg::kDataValueUnreadable},
      {dataLine("KG = 1,5"), msg::kDataValueUnreadable},
      {dataLine("KC = 'AB"), msg::kDataValueUnreadable},  // no closing quote
      {dataLine("KC = AB"), msg::kDataValueUnreadable},   // no opening quote
      {withFreeText("KC = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", "'"), msg::kDataValueUnreadable},
      {dataLine("KX = abc"), msg::kDataValueUnreadable},
      {dataLine("KH x 0041"), msg::kDataValueUnreadable},
      {dataLine("K  = 5"), msg::kBadDataFormat},  // counts one word, so it may not be skipped
      {dataLine("CH = 0041"), msg::kBadDataFormat},
      {dataLine("XY = 5"), msg::kBadDataFormat},
  };
  for (const auto& c : cases) {
    std::vector<uint16_t> words{0x1234};
    EXPECT_STREQ(compileDataLine(c.line, words), c.error) << c.line;
    EXPECT_EQ(words, std::vector<uint16_t>{0x1234}) << c.line << ": nothing appended";
  }
}

struct CheckCase {
  std::vector<const char*> before;  // the data lines, from column 11
  int index;                        // the data line checked
  std::vector<const char*> after;
  const char* error;  // null: accepted
  bool removed = false;
  bool inserted = false;
  bool renumber = false;
};

void expectCheck(const CheckCase& c) {
  AwlAscii block = dataBlock(dataLines(c.before));
  ScriptedUserDialog dialog;
  const DataLineCheck result = CheckDataLine(block, kFirstDataLine + c.index, &dialog);
  const std::string name = c.before[static_cast<std::size_t>(c.index)];
  EXPECT_EQ(dataLinesOf(block), dataLines(c.after)) << name;
  EXPECT_EQ(result.ok, c.error == nullptr) << name;
  EXPECT_EQ(result.linesRemoved, c.removed) << name;
  EXPECT_EQ(result.linesInserted, c.inserted) << name;
  EXPECT_EQ(result.renumber, c.renumber) << name;
  if (c.error == nullptr) {
    EXPECT_EQ(result.message, "") << name;
    EXPECT_TRUE(dialog.events().empty()) << name;
  } else {
    EXPECT_EQ(result.message, c.error) << name;
    EXPECT_EQ(dialog.events(), (std::vector<DialogEvent>{{DialogEvent::Kind::Error, c.error}}))
        << name;
  }
}

TEST(DataLines, CheckNormalisesValues) {
  const CheckCase cases[] = {
      {{"KH = 41"}, 0, {"KH = 0041"}, nullptr},
      {{"KF = 5"}, 0, {"KF = +5"}, nullptr},
      {{"KF = -32768"}, 0, {"KF = -32768"}, nullptr},
      {{"KM = 101"}, 0, {"KM = 00000000 00000101"}, nullptr},
      {{"KY = 240,25"}, 0, {"KY = 240,025"}, nullptr},
      {{"KZ = 7"}, 0, {"KZ = 007"}, nullptr},
      {{"KT = 10.2"}, 0, {"KT = 010.2"}, nullptr},
      {{"KG = 12.5"}, 0, {"KG = +1250000+02"}, nullptr},
      {{"KG = +12+02"}, 0, {"KG = +1200000+02"}, nullptr},
      {{"KH =  4 1"}, 0, {"KH = 0041"}, nullptr},
      {{"KH=  41"}, 0, {"KH = 0041"}, nullptr},
      // blank lines are accepted as they are; an empty value clears the line from column 11
      {{""}, 0, {""}, nullptr},
      {{"KH = "}, 0, {""}, nullptr, false, false, true},
      {{"KG = "}, 0, {""}, nullptr, false, false, true},
      // errors keep the line as typed
      {{"KH = 1f"}, 0, {"KH = 1f"}, msg::kBadKh},
      {{"KF = 32768"}, 0, {"KF = 32768"}, msg::kBadKf},
      {{"KT = 10"}, 0, {"KT = 10"}, msg::kMissingSeparator},
      {{"KZ = 1000"}, 0, {"KZ = 1000"}, msg::kBadKz},
      {{"KG = 1,5"}, 0, {"KG = 1,5"}, msg::kDataValueUnreadable},
      {{"KX = 12"}, 0, {"KX = 12"}, msg::kBadDataFormat},
      {{"K"}, 0, {"K"}, msg::kBadDataFormat},
      {{"CH = 0041"}, 0, {"CH = 0041"}, msg::kBadDataFormat},
      {{"KHx= 41"}, 0, {"KHx= 41"}, msg::kBadDataFormat},
  };
  for (const CheckCase& c : cases)
    expectCheck(c);
}

TEST(DataLines, CheckClosesAndJoinsStrings) {
  const CheckCase cases[] = {
      {{"KC = 'ABC"}, 0, {"KC = 'ABC '"}, nullptr, false, false, true},
      {{"KC = 'ABC'"}, 0, {"KC = 'ABC '"}, nullptr},
      {{"KC = 'AB'"}, 0, {"KC = 'AB'"}, nullptr},
      {{"C  = 'A"}, 0, {"C  = 'A '"}, nullptr, false, false, true},
      {{"KC = '  '"}, 0, {"KC = '  '"}, nullptr},
      {{"KC = 'AB'  "}, 0, {"KC = 'AB'"}, nullptr},
      // a string holds no quote: text after the closing quote is not dropped silently
      {{"KC = 'It's'"}, 0, {"KC = 'It's'"}, msg::kDataValueUnreadable},
      {{"KC = AB"}, 0, {"KC = 'AB'"}, nullptr, false, false, true},
      // only the opening quote, or "''": cleared
      {{"KC = '"}, 0, {""}, nullptr, false, false, true},
      {{"KC = ''"}, 0, {""}, nullptr},
      {{"C  = '   "}, 0, {""}, nullptr, false, false, true},
      // characters move up into the string line before until it holds 24
      {{"KC = 'AB'", "KC = 'CD'"}, 1, {"KC = 'ABCD'"}, nullptr, true, false, true},
      {{"KC = 'ABCDEFGHIJKLMNOPQRSTUV'", "KC = 'WXYZ'"},
       1,
       {"KC = 'ABCDEFGHIJKLMNOPQRSTUVWX'", "KC = 'YZ'"},
       nullptr,
       false,
       false,
       true},
      {{"KC = 'ABC '", "KC = 'D"}, 1, {"KC = 'ABC D '"}, nullptr, true, false, true},
      {{"KC = 'ABCDEFGHIJKLMNOPQRSTUVWX'", "KC = 'YZ'"},
       1,
       {"KC = 'ABCDEFGHIJKLMNOPQRSTUVWX'", "KC = 'YZ'"},
       nullptr},
      // only into a line of the same form
      {{"C  = 'AB'", "KC = 'CD'"}, 1, {"C  = 'AB'", "KC = 'CD'"}, nullptr},
      {{"KH = 4142", "KC = 'CD'"}, 1, {"KH = 4142", "KC = 'CD'"}, nullptr},
      // beyond 24 characters the rest goes on in a new line
      {{"KC = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ123'"},
       0,
       {"KC = 'ABCDEFGHIJKLMNOPQRSTUVWX'", "KC = 'YZ123 '"},
       nullptr,
       false,
       true,
       true},
  };
  for (const CheckCase& c : cases)
    expectCheck(c);
}

TEST(DataLines, CheckDoesNotJoinAcrossTheNetworkHeader) {
  AwlAscii block = dataBlock({dataLine("KC = 'AB")});
  block.replaceLine(3, dataLine("KC = 'XY'"));  // a header line that looks like a string line
  block.replaceLine(4, "NETZWERK   1");
  const DataLineCheck result = CheckDataLine(block, kFirstDataLine, nullptr);
  EXPECT_TRUE(result.ok);
  EXPECT_FALSE(result.linesRemoved);
  EXPECT_EQ(dataLinesOf(block), dataLines({"KC = 'AB'"}));
}

TEST(DataLines, CheckKeepsTheFreeText) {
  AwlAscii block =
      dataBlock({withFreeText("KH = 41", "Sollwert"), withFreeText("KC = 'A", "Text")});
  EXPECT_TRUE(CheckDataLine(block, kFirstDataLine, nullptr).ok);
  EXPECT_TRUE(CheckDataLine(block, kFirstDataLine + 1, nullptr).ok);
  EXPECT_EQ(dataLinesOf(block), (std::vector<std::string>{withFreeText("KH = 0041", "Sollwert"),
                                                          withFreeText("KC = 'A '", "Text")}));
}

// A KC line with the string ABC is normalised to ABC and a blank and compiles to 0x4142, 0x4320.
TEST(DataLines, CheckedStringCompiles) {
  AwlAscii block = dataBlock({dataLine("KC = 'ABC")});
  ASSERT_TRUE(CheckDataLine(block, kFirstDataLine, nullptr).ok);
  EXPECT_EQ(block.line(kFirstDataLine), dataLine("KC = 'ABC '"));
  std::vector<uint16_t> words;
  EXPECT_EQ(compileDataLine(block.line(kFirstDataLine), words), nullptr);
  EXPECT_EQ(words, (std::vector<uint16_t>{0x4142, 0x4320}));
}

struct ConvertCase {
  const char* before;  // from column 11
  char letter;
  std::optional<DialogAnswer> answer;  // the answer to the KC question, when it is asked
  std::vector<std::string> after;
  bool converted;
  std::string error;  // the refusal shown
  bool inserted = false;
  bool renumber = false;
};

std::string impossible(char letter) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, msg::kConversionImpossible, letter);
  return buffer;
}

TEST(DataLines, Conversions) {
  const uint32_t kg = S5AG_FloatToS5Long(12.34567f);
  const ConvertCase cases[] = {
      {"KH = 0041", 'F', {}, {dataLine("KF = +65")}, true, ""},
      {"KH = 0041", 'f', {}, {dataLine("KF = +65")}, true, ""},
      {"KH = 0041", 'M', {}, {dataLine("KM = 00000000 01000001")}, true, ""},
      {"KH = 0041", 'Y', {}, {dataLine("KY = 000,065")}, true, ""},
      {"KF = -1", 'H', {}, {dataLine("KH = FFFF")}, true, ""},
      {"KH = 4142", 'C', {}, {dataLine("KC = 'AB'")}, true, ""},
      {"KH = 2010", 'T', {}, {dataLine("KT = 010.2")}, true, ""},
      {"KH = 0999", 'Z', {}, {dataLine("KZ = 999")}, true, ""},
      {"KY = 065,066", 'C', {}, {dataLine("KC = 'AB'")}, true, ""},
      // C asks when a byte is not printable
      {"KH = 0041", 'C', DialogAnswer::Yes, {dataLine("KC = '.A'")}, true, ""},
      {"KH = 0041", 'C', DialogAnswer::No, {dataLine("KH = 0041")}, false, ""},
      // T and Z only for words that fit
      {"KT = 010.2", 'Z', {}, {dataLine("KT = 010.2")}, false, impossible('Z')},
      {"KH = 4010", 'T', {}, {dataLine("KH = 4010")}, false, impossible('T')},
      {"KH = 00AB", 'T', {}, {dataLine("KH = 00AB")}, false, impossible('T')},
      // 0x1000 is -0 in BCD: "000" would lose the sign nibble
      {"KH = 1000", 'Z', {}, {dataLine("KH = 1000")}, false, impossible('Z')},
      {"KH = 1000", 'T', {}, {dataLine("KT = 000.1")}, true, ""},
      // G leaves the value empty
      {"KH = 0041", 'G', {}, {dataLine("KG = ")}, true, "", false, true},
      // a string gives its first two characters, the rest stays a string
      {"KC = 'AB'", 'H', {}, {dataLine("KH = 4142")}, true, ""},
      {"KC = 'ABCD'",
       'H',
       {},
       {dataLine("KH = 4142"), dataLine("KC = 'CD'")},
       true,
       "",
       true,
       true},
      {"C  = 'ABC '",
       'F',
       {},
       {dataLine("KF = +16706"), dataLine("C  = 'C '")},
       true,
       "",
       true,
       true},
      {"KC = 'A'", 'H', {}, {dataLine("KH = 4120")}, true, ""},
      // KG keeps both words
      {"KG = +1234567+02",
       'H',
       {},
       {dataLine("KH = " + kh(highWord(kg))), dataLine("KH = " + kh(lowWord(kg)))},
       true,
       "",
       true,
       true},
      // a line without value only changes its format
      {"KH = ", 'F', {}, {dataLine("KF = ")}, true, ""},
      {"KH = ", 'C', {}, {dataLine("KC = '")}, true, "", false, true},
      {"KC = '", 'H', {}, {dataLine("KH = ")}, true, "", false, true},
      {"KC = 'It's'", 'H', {}, {dataLine("KC = 'It's'")}, false, msg::kDataValueUnreadable},
      // refused
      {"KF = 12a", 'H', {}, {dataLine("KF = 12a")}, false, msg::kBadKf},
      {"KH = 0041", 'X', {}, {dataLine("KH = 0041")}, false, impossible('X')},
      {"K", 'H', {}, {dataLine("K")}, false, msg::kBadDataFormat},
      // the same format: nothing to do
      {"KH = 0041", 'H', {}, {dataLine("KH = 0041")}, false, ""},
      {"C  = 'AB'", 'C', {}, {dataLine("C  = 'AB'")}, false, ""},
  };
  for (const ConvertCase& c : cases) {
    AwlAscii block = dataBlock({dataLine(c.before)});
    ScriptedUserDialog dialog;
    if (c.answer) dialog.scriptAnswer(*c.answer);
    const DataLineConversion result = ConvertDataLine(block, kFirstDataLine, c.letter, &dialog);
    const std::string name = std::string(c.before) + " to " + c.letter;
    EXPECT_EQ(dataLinesOf(block), c.after) << name;
    EXPECT_EQ(result.converted, c.converted) << name;
    EXPECT_EQ(result.message, c.error) << name;
    EXPECT_EQ(result.linesInserted, c.inserted) << name;
    EXPECT_EQ(result.renumber, c.renumber) << name;
    std::vector<DialogEvent> events;
    if (c.answer) events.push_back({DialogEvent::Kind::Question, msg::kConvertToKcQuestion});
    if (!c.error.empty()) events.push_back({DialogEvent::Kind::Error, c.error});
    EXPECT_EQ(dialog.events(), events) << name;
  }
}

TEST(DataLines, ConversionWithoutDialogDeclinesTheQuestion) {
  AwlAscii block = dataBlock({dataLine("KH = 0041")});
  const DataLineConversion result = ConvertDataLine(block, kFirstDataLine, 'C', nullptr);
  EXPECT_FALSE(result.converted);
  EXPECT_EQ(block.line(kFirstDataLine), dataLine("KH = 0041"));
}

struct KeyCase {
  std::string line;
  std::size_t column;
  char typed;
  DataLineKey::Action action;
  std::string text;  // Insert and Retype: the text; SetLine and NewLine: the line
  std::size_t cursor = 0;
  char letter = '\0';
  bool beep = false;
};

TEST(DataLines, TypingRules) {
  using enum DataLineKey::Action;
  const std::string blank = dataLine("");
  const std::string full = dataLine("KC = 'ABCDEFGHIJKLMNOPQRSTUVWX");
  const KeyCase cases[] = {
      // umlauts and ß are typed as two letters
      {dataLine("KC = 'AB"), 20, '\xE4', Retype, "ae"},
      {dataLine("KC = 'AB"), 20, '\xDC', Retype, "Ue"},
      {dataLine("KC = 'AB"), 20, '\xDF', Retype, "ss"},
      // column 11: 'K' and 'C' only; 'C' brings the blank of "C " and the opening quote
      {blank, 11, 'k', SetLine, dataLine("K"), 12},
      {paddedLine("0000"), 11, 'K', SetLine, dataLine("K"), 12},
      {blank, 11, 'c', SetLine, dataLine("C  = '"), 17},
      {blank, 11, 'X', Refuse, ""},
      {blank, 11, '1', Refuse, ""},
      {dataLine("C  = 'AB'"), 11, 'K', SetLine, dataLine("KC = 'AB'"), 12},
      {dataLine("KC = 'AB'"), 11, 'C', SetLine, dataLine("C  = 'AB'"), 17},
      {dataLine("KH = 0041"), 11, 'K', SetLine, dataLine("KH = 0041"), 12},
      {dataLine("KH = 0041"), 11, 'C', Refuse, ""},
      // column 12: a letter that forms a format
      {dataLine("K"), 12, 'h', SetLine, dataLine("KH = "), 16},
      {dataLine("K"), 12, 'G', SetLine, dataLine("KG = "), 16},
      {dataLine("K"), 12, 'c', SetLine, dataLine("KC = '"), 17},
      {dataLine("K"), 12, 'X', Refuse, ""},
      {dataLine("K"), 12, ' ', Refuse, ""},
      {blank, 12, 'H', Refuse, ""},
      {dataLine("C  = 'A'"), 12, 'H', Refuse, ""},
      {dataLine("C  = 'A'"), 12, ' ', SetLine, dataLine("C  = 'A'"), 17},
      {dataLine("KH = 0041"), 12, 'H', SetLine, dataLine("KH = 0041"), 16},
      // on a line with a format the letter converts
      {dataLine("KH = 0041"), 12, 'f', Convert, "", 16, 'F'},
      {dataLine("KH = 0041"), 12, 'C', Convert, "", 17, 'C'},
      // " = " and the opening quote are protected
      {dataLine("KH = 0041"), 13, 'X', Refuse, ""},
      {dataLine("KH = 0041"), 14, '=', Refuse, ""},
      {dataLine("KH = 0041"), 15, '1', Refuse, ""},
      {dataLine("KC = 'AB'"), 16, 'X', Refuse, ""},
      // no value without a format; the number columns are the editor's
      {blank, 16, '1', Refuse, ""},
      {dataLine("K"), 20, '1', Refuse, ""},
      {dataLine("KH = 0041"), 2, '1', Refuse, ""},
      // upper case up to column 16, beyond only in KH lines
      {dataLine("KH = "), 16, 'a', Insert, "A"},
      {dataLine("KF = "), 16, 'a', Insert, "A"},
      {dataLine("KH = 0"), 17, 'b', Insert, "B"},
      {dataLine("KF = 1"), 17, 'e', Insert, "e"},
      {dataLine("KC = '"), 17, 'a', Insert, "a"},
      {dataLine("KC = 'AB"), 19, '\'', Insert, "'"},
      // a string line goes on in a new line at column 41
      {full, 41, 'y', NewLine, dataLine("KC = 'y'"), 18},
      {dataLine("C  = 'ABCDEFGHIJKLMNOPQRSTUVWX"), 41, 'Y', NewLine, dataLine("C  = 'Y'"), 18},
      {full, 40, 'y', Insert, "y"},
      {full, 42, 'y', Insert, "y"},
      {dataLine("KH = 0041"), 41, '1', Insert, "1"},
      // column 48 on: refused with a beep
      {full, 47, 'z', Insert, "z"},
      {full, 48, 'z', Refuse, "", 0, '\0', true},
      {dataLine("KH = 0041"), 51, '\xE4', Refuse, "", 0, '\0', true},
  };
  for (const KeyCase& c : cases) {
    const DataLineKey key = dataLineKey(c.line, c.column, c.typed);
    const std::string name =
        c.line.substr(11, 20) + " @" + std::to_string(c.column) + " " + c.typed;
    EXPECT_EQ(key.action, c.action) << name;
    switch (c.action) {
      case Insert:
      case Retype:
        EXPECT_EQ(key.text, c.text) << name;
        break;
      case SetLine:
      case NewLine:
        EXPECT_EQ(key.line, c.text) << name;
        EXPECT_EQ(key.cursor, c.cursor) << name;
        break;
      case Convert:
        EXPECT_EQ(key.letter, c.letter) << name;
        EXPECT_EQ(key.cursor, c.cursor) << name;
        break;
      case Refuse:
        EXPECT_EQ(key.beep, c.beep) << name;
        break;
    }
  }
}

}  // namespace
}  // namespace tavrin::lang
