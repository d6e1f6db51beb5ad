// Tables of statement lines for the parser (ParseStatement, ParseOperand), the line kinds of a
// block document and the editor's line check.
#include "main/lang/statement_parser.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "main/lang/awl_ascii.h"
#include "main/lang/fb_header.h"
#include "main/lang/instruction_table.h"
#include "main/lang/lang_messages.h"
#include "main/lang/line_check.h"
#include "main/lang/line_kind.h"
#include "main/lang/line_symbols.h"
#include "platform/cp1252.h"
#include "platform/scripted_user_dialog.h"

namespace tavrin::lang {
namespace {

using platform::DialogAnswer;
using platform::DialogEvent;
using platform::ScriptedUserDialog;
using platform::literals::operator""_cp1252;

// ---------------------------------------------------------------------------------------------
// ParseStatement

struct StatementCase {
  const char* statement;
  const char* error;  // null: accepted
  const char* text;   // the normalised statement when accepted
  int p1 = -1;        // -1: not checked
  int p2 = -1;
};

void expectStatement(const StatementCase& c) {
  const ParseResult r = ParseStatement(c.statement);
  if (c.error != nullptr) {
    EXPECT_STREQ(r.error, c.error) << '"' << c.statement << '"';
    return;
  }
  ASSERT_TRUE(r.ok()) << '"' << c.statement << "\": " << r.error;
  EXPECT_EQ(r.statement.statementText, c.text) << '"' << c.statement << '"';
  EXPECT_EQ(rowAt(r.statement.row).displayText(),
            std::string_view(r.statement.statementText).substr(0, 7))
      << c.statement;
  if (c.p1 >= 0) {
    EXPECT_EQ(r.statement.p1, c.p1) << c.statement;
  }
  if (c.p2 >= 0) {
    EXPECT_EQ(r.statement.p2, c.p2) << c.statement;
  }
}

TEST(ParseStatement, ParameterKindsAndFamilies) {
  const StatementCase cases[] = {
      // no parameter; the empty key of row 20 fits only an empty statement
      {"BE", nullptr, "BE     "},
      {"+F", nullptr, "+F     "},
      {"TAK", nullptr, "TAK    "},
      {"BEB", nullptr, "BEB    "},
      {"O", nullptr, "O      "},
      {"U(", nullptr, "U(     "},
      {"", nullptr, "       "},
      {"    ", nullptr, "       "},
      // one byte parameter
      {"L T 5", nullptr, "L   T  5", 5},
      {"LT5", nullptr, "L   T  5", 5},
      {"SPA PB 3", nullptr, "SPA PB 3", 3},
      {"I 5", nullptr, "I      5", 5},
      {"SLW 15", nullptr, "SLW    15", 15},
      {"BLD 130", nullptr, "BLD    130", 130},
      {"L MW 010", nullptr, "L   MW 010", 10},  // kept as typed
      // bit operands: byte.bit, kept as typed without blanks
      {"U E 1.0", nullptr, "U   E  1.0", 1, 0},
      {"UE1.0", nullptr, "U   E  1.0", 1, 0},
      {"UN E 1.0", nullptr, "UN  E  1.0", 1, 0},
      {"U A 127.7", nullptr, "U   A  127.7", 127, 7},
      {"O M 255.7", nullptr, "O   M  255.7", 255, 7},
      {"= D 3.15", nullptr, "=   D  3.15", 3, 15},
      {"U S 4095.7", nullptr, "U   S  4095.7", 4095, 7},
      {"U E 01.0", nullptr, "U   E  01.0", 1, 0},
      // constants of every format
      {"L KF 10", nullptr, "L   KF +10    ", 10},
      {"L KF -32768", nullptr, "L   KF -32768 ", 0x8000},
      {"L KF 32768", msg::kBadKf, nullptr},
      {"ADD KF -5", nullptr, "ADD KF -5     ", 0xFFFB},
      {"L KH 1F", nullptr, "L   KH 001F", 0x001F},
      {"L KH ff", msg::kBadKh, nullptr},
      {"L KH 12345", msg::kBadKh, nullptr},
      {"L DH 12345", nullptr, "L   DH 0001 2345", 0, 0},
      {"L DH FFFFFFFF", nullptr, "L   DH FFFF FFFF", 0, 0},
      {"L DH 123456789", msg::kBadDh, nullptr},
      {"L DH 12G", msg::kBadDh, nullptr},
      {"ADD DH 1", nullptr, "ADD DH 0000 0001", 0, 0},
      {"L KM 101", nullptr, "L   KM 00000000 00000101", 0x0005},
      {"L KM 102", msg::kBadKm, nullptr},
      {"L KY 240,25", nullptr, "L   KY 240,025", 240, 25},
      {"L KY 256,1", msg::kBadKy, nullptr},
      {"L KY 240.25", msg::kBadKy, nullptr},
      {"L KT 10.2", nullptr, "L   KT 010.2", 10, 2},
      {"L KT 10.4", msg::kBadKt, nullptr},
      {"L KC A", nullptr, "L   KC A ", 0x4120},
      {"L KC AB", nullptr, "L   KC AB", 0x4142},
      {"L KC", nullptr, "L   KC   ", 0x2020},
      {"L KC ABC", msg::kBadKc, nullptr},  // refused, not cut
      {"L KZ 7", nullptr, "L   KZ 007", 0x0007},
      {"L KZ 1000", msg::kBadKz, nullptr},
      {"L KG +12+02", nullptr, "L   KG +1200000+02"},
      {"L KG 12.5", nullptr, "L   KG +1250000+02"},
      // the signed byte
      {"ADD BF 5", nullptr, "ADD BF +5", 5},
      {"ADD BF 127", nullptr, "ADD BF +127", 127},
      {"ADD BF -128", nullptr, "ADD BF -128", 0xFF80},
      {"ADD BF 128", msg::kParameter1OutOfRange, nullptr},
      {"ADD BF -129", msg::kParameter1OutOfRange, nullptr},
      // the 20-bit address
      {"MBR 12345", nullptr, "MBR    12345", 0x7819, 0x2345},
      {"MBR 1", nullptr, "MBR    00001", 0x7809, 0x0001},
      {"MBR 123456", msg::kBadMbr, nullptr},
      // jump labels and formal operands: at most four characters
      {"SPA =ABCD", nullptr, "SPA =  ABCD"},
      {"SPA =ABCDE", msg::kNameTooLong, nullptr},
      {"SPA = M1", nullptr, "SPA =  M1"},
      {"SPB =M1", nullptr, "SPB =  M1"},
      {"SPS =M1", nullptr, "SPS =  M1"},
      {"SPA =", msg::kNoParameters, nullptr},
      {"L =EIN1", nullptr, "L   =  EIN1"},
      {"U = EIN1", nullptr, "U   =  EIN1"},
      {"L =EIN12", msg::kNameTooLong, nullptr},
      // two-word rows
      {"E DB 5", nullptr, "E   DB 5", 5},
      {"BA FX 3", nullptr, "BA  FX 3", 3},
      {"BAB FX 3", nullptr, "BAB FX 3", 3},
      {"L SY 100", nullptr, "L   SY 100", 100},
      {"U D 3.15", nullptr, "U   D  3.15", 3, 15},
      {"P E 1.3", nullptr, "P   E  1.3", 1, 3},
      {"P T 5.15", nullptr, "P   T  5.15", 5, 15},
  };
  for (const auto& c : cases)
    expectStatement(c);
}

TEST(ParseStatement, FindsTheFirstFittingRow) {
  EXPECT_EQ(ParseStatement("U E 1.0").statement.row, 258);
  EXPECT_EQ(ParseStatement("UN E 1.0").statement.row, 322);
  EXPECT_EQ(ParseStatement("O").statement.row, 486);
  EXPECT_EQ(ParseStatement("").statement.row, 20);
  EXPECT_EQ(ParseStatement("L KG 1.0").statement.row, 411);
}

TEST(ParseStatement, OnlyTheFirstThirtyCharactersCount) {
  // "L KF 10" is seven characters; a digit at index 29 is read, one at index 30 is not.
  const std::string inside = "L KF 10" + std::string(22, ' ') + "9";
  const std::string outside = "L KF 10" + std::string(23, ' ') + "9";
  EXPECT_EQ(ParseStatement(inside).statement.statementText, "L   KF +109   ");
  EXPECT_EQ(ParseStatement(outside).statement.statementText, "L   KF +10    ");
}

struct Limit {
  const char* operation;
  int highest;
};

TEST(ParseStatement, AreaLimitsAtBothEnds) {
  const Limit limits[] = {
      {"L EB", 127},   {"T AB", 127},   {"L EW", 126},   {"T AW", 126},   {"L ED", 124},
      {"T AD", 124},   {"L MB", 255},   {"L MW", 254},   {"B MW", 254},   {"L MD", 252},
      {"L SY", 4095},  {"T SY", 4095},  {"L SW", 4094},  {"T SW", 4094},  {"L SD", 4092},
      {"T SD", 4092},  {"L T", 255},    {"SE T", 255},   {"U T", 255},    {"L Z", 255},
      {"ZV Z", 255},   {"U Z", 255},    {"L DW", 255},   {"T DW", 255},   {"L DL", 255},
      {"L DR", 255},   {"L DD", 254},   {"T DD", 254},   {"L BS", 255},   {"L BT", 255},
      {"L BA", 255},   {"L BB", 255},   {"L PY", 255},   {"T PY", 255},   {"L PW", 254},
      {"T PW", 254},   {"L QB", 255},   {"L QW", 254},   {"A DB", 255},   {"E DB", 255},
      {"SPA FB", 255}, {"SPB FB", 255}, {"SPA PB", 255}, {"SPB PB", 255}, {"SPA OB", 255},
      {"SPB OB", 255}, {"SPA SB", 255}, {"SPB SB", 255}, {"BA FX", 255},  {"BAB FX", 255},
      {"AX DX", 255},  {"SLW", 15},     {"SVW", 15},     {"LIR", 15},     {"SLD", 32},
      {"L KB", 255},
  };
  for (const Limit& l : limits) {
    const std::string op = l.operation;
    EXPECT_TRUE(ParseStatement(op + " 0").ok()) << op << " 0";
    const ParseResult highest = ParseStatement(op + " " + std::to_string(l.highest));
    ASSERT_TRUE(highest.ok()) << op << " " << l.highest << ": " << highest.error;
    EXPECT_EQ(highest.statement.p1, l.highest) << op;
    EXPECT_STREQ(ParseStatement(op + " " + std::to_string(l.highest + 1)).error,
                 msg::kParameter1OutOfRange)
        << op << " " << l.highest + 1;
    EXPECT_STREQ(ParseStatement(op + " -1").error, msg::kParameter1OutOfRange) << op;
    EXPECT_STREQ(ParseStatement(op).error, msg::kNoParameters) << op;
  }
}

struct BitLimit {
  const char* operation;
  int highestByte;
  int highestBit;
};

TEST(ParseStatement, BitOperandLimits) {
  const BitLimit limits[] = {
      {"U E", 127, 7},   {"U A", 127, 7},   {"= A", 127, 7},   {"UN E", 127, 7}, {"O M", 255, 7},
      {"= M", 255, 7},   {"S M", 255, 7},   {"U S", 4095, 7},  {"= S", 4095, 7}, {"U D", 255, 15},
      {"= D", 255, 15},  {"P E", 127, 7},   {"P A", 127, 7},   {"P M", 255, 7},  {"P T", 255, 15},
      {"SU T", 255, 15}, {"P Z", 255, 15},  {"RU Z", 255, 15}, {"P D", 255, 15}, {"P BS", 255, 15},
      {"P BA", 255, 15}, {"P BB", 255, 15}, {"P BT", 255, 15},
  };
  for (const BitLimit& l : limits) {
    const std::string op = l.operation;
    const std::string byte = std::to_string(l.highestByte);
    const std::string bit = std::to_string(l.highestBit);
    const ParseResult highest = ParseStatement(op + " " + byte + "." + bit);
    ASSERT_TRUE(highest.ok()) << op << " " << byte << "." << bit << ": " << highest.error;
    EXPECT_EQ(highest.statement.p1, l.highestByte) << op;
    EXPECT_EQ(highest.statement.p2, l.highestBit) << op;
    EXPECT_STREQ(ParseStatement(op + " " + std::to_string(l.highestByte + 1) + ".0").error,
                 msg::kParameter1OutOfRange)
        << op;
    EXPECT_STREQ(ParseStatement(op + " 0." + std::to_string(l.highestBit + 1)).error,
                 msg::kParameter2OutOfRange)
        << op;
    EXPECT_STREQ(ParseStatement(op + " " + byte).error, msg::kMissingSeparator) << op;
    EXPECT_STREQ(ParseStatement(op).error, msg::kNoParameters) << op;
  }
}

TEST(ParseStatement, Errors) {
  const StatementCase cases[] = {
      {"U E 200.0", msg::kParameter1OutOfRange, nullptr},
      {"U E 1.8", msg::kParameter2OutOfRange, nullptr},
      {"U E 1.", msg::kParameter2OutOfRange, nullptr},
      {"U E .1", msg::kParameter1OutOfRange, nullptr},
      {"U E 1", msg::kMissingSeparator, nullptr},
      {"U E", msg::kNoParameters, nullptr},
      {"L MW x", msg::kParameter1OutOfRange, nullptr},
      {"L MW 1.0", msg::kParameter1OutOfRange, nullptr},
      {"L T", msg::kNoParameters, nullptr},
      {"L KF", msg::kNoParameters, nullptr},
      {"L KT 10", msg::kMissingSeparator, nullptr},
      {"BE 1", msg::kNoParametersAllowed, nullptr},
      {"TAK 1", msg::kNoParametersAllowed, nullptr},
      {"+F 2", msg::kNoParametersAllowed, nullptr},
      {"QQQ", msg::kUnknownStatement, nullptr},
      {"XYZ", msg::kUnknownStatement, nullptr},
      {"L XX 1", msg::kUnknownStatement, nullptr},
      {"u e 1.0", msg::kUnknownStatement, nullptr},  // the keys are upper case
  };
  for (const auto& c : cases)
    expectStatement(c);
}

TEST(CheckParams, RewritesTheParameterText) {
  std::string text = "10";
  uint16_t p1 = 0, p2 = 0;
  EXPECT_EQ(CheckParams(57, text, p1, p2), nullptr);  // L KF
  EXPECT_EQ(text, "+10    ");
  EXPECT_EQ(p1, 10);
  text = "1";
  EXPECT_STREQ(CheckParams(112, text, p1, p2), msg::kNoParametersAllowed);  // BE
  text = "";
  EXPECT_EQ(CheckParams(112, text, p1, p2), nullptr);
}

// ---------------------------------------------------------------------------------------------
// ParseOperand

struct OperandCase {
  const char* input;
  const char* error;    // null: accepted
  const char* operand;  // "%s %s" of area and value
  const char* area = nullptr;
};

TEST(ParseOperand, OperandsOfCallParameterLines) {
  const OperandCase cases[] = {
      {"MW10", nullptr, "MW 10", "MW"},
      {"MW 10", nullptr, "MW 10", "MW"},
      {"E1.0", nullptr, "E  1.0", "E "},
      {"E 127.7", nullptr, "E  127.7", "E "},
      {"A 1.0", nullptr, "A  1.0", "A "},
      {"M 255.7", nullptr, "M  255.7", "M "},
      {"KH 00FF", nullptr, "KH 00FF", "KH"},
      {"KH1F", nullptr, "KH 001F", "KH"},
      {"KF 10", nullptr, "KF +10    ", "KF"},
      {"KF-5", nullptr, "KF -5     ", "KF"},
      {"KC AB", nullptr, "KC AB", "KC"},
      {"KC1", nullptr, "KC 1 ", "KC"},
      {"KT 10.2", nullptr, "KT 010.2", "KT"},
      {"KY 1,2", nullptr, "KY 001,002", "KY"},
      {"KG 12.5", nullptr, "KG +1250000+02", "KG"},
      {"DB5", nullptr, "DB 5", "DB"},
      {"FB 3", nullptr, "FB 3", "FB"},
      {"T 3", nullptr, "T  3", "T "},
      {"Z 255", nullptr, "Z  255", "Z "},
      {"BA 3", nullptr, "BA 3", "BA"},
      {"QB 3", nullptr, "QB 3", "QB"},
      {"DL 3", nullptr, "DL 3", "DL"},
      {"MX10", msg::kUnknownOperand, nullptr},
      {"XYZ1", msg::kUnknownOperand, nullptr},
      {"10", msg::kUnknownOperand, nullptr},
      {"????", msg::kUnknownOperand, nullptr},
      {"E 128.0", msg::kParameter1OutOfRange, nullptr},
      {"E 1.8", msg::kParameter2OutOfRange, nullptr},
      {"E 1", msg::kMissingSeparator, nullptr},
      {"E", msg::kNoParameters, nullptr},
      {"MW 255", msg::kParameter1OutOfRange, nullptr},
      {"T 256", msg::kParameter1OutOfRange, nullptr},
      {"KH 0FFFF", msg::kBadKh, nullptr},
  };
  for (const auto& c : cases) {
    const OperandResult r = ParseOperand(c.input);
    if (c.error != nullptr) {
      EXPECT_STREQ(r.error, c.error) << c.input;
      continue;
    }
    ASSERT_TRUE(r.ok()) << c.input << ": " << r.error;
    EXPECT_EQ(r.operand, c.operand) << c.input;
    EXPECT_EQ(r.area, c.area) << c.input;
  }
}

TEST(ParseOperand, TheFirstRowOfTheAreaGivesTheLimits) {
  EXPECT_EQ(ParseOperand("E 1.0").row, 131);  // P E
  EXPECT_EQ(ParseOperand("MW 1").row, 25);    // L MW
  EXPECT_EQ(ParseOperand("KF 1").row, 57);    // L KF
  EXPECT_EQ(ParseOperand("DB 1").row, 35);    // A DB
}

// ---------------------------------------------------------------------------------------------
// Documents

// Address (four characters), blank, label (four), blank, separator, statement; 89 characters.
std::string line(std::string_view address, std::string_view label, std::string_view statement,
                 char separator = ':') {
  std::string text(address);
  text.resize(4, ' ');
  text += ' ';
  std::string labelField(label);
  labelField.resize(4, ' ');
  text += labelField + ' ' + separator + std::string(statement);
  return paddedLine(text);
}

std::string trimmedRight(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

// An actual-parameter line of a block call: the operand from column 15.
std::string callParameter(std::string_view name, std::string_view operand) {
  return line("", name, "    " + std::string(operand), '>');
}

AwlAscii document(const std::string& blockName, const std::vector<std::string>& body) {
  AwlAscii block;
  block.setBlockName(blockName);
  for (const char* start : {"Kommentar :", "Autor     :", "Erstellt  :", "", "NETZWERK   1"})
    block.appendLine(start);
  for (const std::string& l : body)
    block.appendLine(l);
  return block;
}

// The header of FB001: NAME, one BEZ line per parameter, the empty line (index 13).
const std::vector<std::string>& fbHeader() {
  static const std::vector<std::string> header = {
      "     NAME :TESTFB  ",
      "     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI",
      "     BEZ  :WORT      E/A/D/B/T/Z: E  BI/BY/W/D: W",
      "     BEZ  :ZEIT      E/A/D/B/T/Z: T",
      "     BEZ  :ZAEH      E/A/D/B/T/Z: Z",
      "     BEZ  :BAUS      E/A/D/B/T/Z: B",
      "     BEZ  :KONG      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KG",
      "     BEZ  :KONF      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KF",
      "",
  };
  return header;
}
constexpr int kFbFirstStatement = 14;

AwlAscii functionBlock(const std::vector<std::string>& statements) {
  std::vector<std::string> body = fbHeader();
  body.insert(body.end(), statements.begin(), statements.end());
  return document("FB001", body);
}

// ---------------------------------------------------------------------------------------------
// ClassifyLine

struct KindCase {
  std::string text;
  LineKind kind;
};

// The lines follow the five lines every block begins with (the last is "NETZWERK   1").
void expectKinds(const std::string& blockName, const std::vector<KindCase>& body) {
  std::vector<std::string> lines;
  for (const KindCase& c : body)
    lines.push_back(c.text);
  const AwlAscii block = document(blockName, lines);
  for (std::size_t i = 0; i < body.size(); ++i)
    EXPECT_EQ(ClassifyLine(block, static_cast<int>(5 + i)), body[i].kind)
        << blockName << " line " << 5 + i << ": \"" << trimmedRight(body[i].text) << '"';
  EXPECT_EQ(ClassifyLine(block, 4), LineKind::LkNetworkHeader);
  EXPECT_EQ(ClassifyLine(block, -1), LineKind::LkOutside);
  EXPECT_EQ(ClassifyLine(block, block.lineCount()), LineKind::LkOutside);
}

TEST(ClassifyLine, KindsOfACodeBlock) {
  using enum LineKind;
  expectKinds("PB001", {
                           {line("0000", "", "U   E  1.0"), LkStatement},
                           {line("", "", ";Kommentar"), LkComment},
                           {"", LkBlank},
                           {line("0001", "", "*** "), LkNetworkEnd},
                           {"", LkBlank},
                           {"NETZWERK   2", LkNetworkHeader},
                           {line("0002", "", "SPA FB 3"), LkBlockCall},
                           {line("", "NAME", "TESTFB  "), LkCallName},
                           {callParameter("EIN1", "E  1.0"), LkCallParam},
                           {line("0004", "M001", "SPA =  M001"), LkLabelJump},
                           {line("0005", "", "SPB =  M001"), LkLabelJump},
                           {line("0006", "", "U   =  EIN1"), LkFormal},
                           {line("0007", "", "SPA PB 3"), LkOtherJump},
                           {line("0008", "", "SPB OB 1"), LkOtherJump},
                           {line("0009", "", "SPA SB 1"), LkOtherJump},
                           {line("000A", "", "SPAFB2"), LkBlockCall},  // typed without blanks
                           {line("000B", "", "BA  FX 3"), LkBlockCall},
                           {line("000D", "", "BAB FX 3"), LkBlockCall},
                           {line("000F", "", "SPB FB 4"), LkBlockCall},
                           {line("", "NAME", "TESTFB2 "), LkCallName},
                           // column 11 blank, column 5 not blank, text from column 15
                           {line("", "AUS1", "    MW 10"), LkCallParam},
                           // a NAME line that follows no call
                           {line("0010", "NAME", "X"), LkStatement},
                           {line("0011", "", "L   KF +10"), LkStatement},
                           {line("0013", "", "BE"), LkStatement},
                       });
}

TEST(ClassifyLine, BafAndBasAreNoCalls) {
  const AwlAscii block = document("FB001", {line("0000", "", "BAF"), line("0001", "", "BAS"),
                                            line("0002", "", "BAF"), line("", "NAME", "X")});
  EXPECT_NE(ClassifyLine(block, 5), LineKind::LkBlockCall);
  EXPECT_NE(ClassifyLine(block, 6), LineKind::LkBlockCall);
  EXPECT_NE(ClassifyLine(block, 8), LineKind::LkCallName);
}

TEST(ClassifyLine, EveryOtherLineOfADataBlockIsOrdinary) {
  using enum LineKind;
  expectKinds("DB001", {
                           {line("0000", "", "KH = 0000"), LkStatement},
                           {line("0001", "", "SPA FB 3"), LkStatement},
                           {line("0002", "", "*** "), LkStatement},
                           {line("", "", ";Kommentar"), LkComment},
                           {"", LkBlank},
                           {callParameter("EIN1", "MW 10"), LkStatement},
                           {line("0003", "", "U   =  EIN1"), LkStatement},
                           {"NETZWERK   2", LkNetworkHeader},
                       });
}

TEST(ClassifyLine, ParameterLikeLinesCountOnlyAfterTheFunctionBlockHeader) {
  // Column 11 blank, column 5 not blank, text from column 15: inside the header it is no call
  // parameter, after it it is one.
  const std::string parameterLike = line("", "BEZ", "          E/A/D/B/T/Z: E");
  AwlAscii block = functionBlock({parameterLike});
  block.insertLine(7, parameterLike);
  EXPECT_EQ(functionBlockHeaderEnd(block), 14);
  EXPECT_NE(ClassifyLine(block, 7), LineKind::LkCallParam);
  EXPECT_EQ(ClassifyLine(block, 15), LineKind::LkCallParam);
}

TEST(ClassifyLine, HeaderEnd) {
  EXPECT_EQ(functionBlockHeaderEnd(functionBlock({})), 13);
  EXPECT_EQ(functionBlockHeaderEnd(document("PB001", fbHeader())), 4);
  EXPECT_EQ(functionBlockHeaderEnd(document("FB001", {line("0000", "", "BE")})), 4);
}

// ---------------------------------------------------------------------------------------------
// Fakes of the editor's surroundings

// Operand <-> symbol. A symbol is the word from the first '-' of the statement field.
class FakeSymbols final : public LineSymbols {
 public:
  std::vector<std::pair<std::string, std::string>> entries;  // operand, symbol
  bool showing = true;
  bool acceptOffers = false;  // an offered operand gets the symbol "-NEU"
  std::vector<std::string> offered;

  bool showingSymbols() const override { return showing; }
  bool removeSymbol(std::string& text) const override {
    const std::string_view statement = fieldOf(text, kStatementColumn, kStatementWidth);
    const auto start = statement.find('-');
    if (start == std::string_view::npos) return true;
    const auto end = statement.find(' ', start);
    const std::string symbol(statement.substr(
        start, end == std::string_view::npos ? std::string_view::npos : end - start));
    for (const auto& [operand, s] : entries)
      if (s == symbol) {
        text.replace(kStatementColumn + start, symbol.size(), operand);
        return true;
      }
    return false;
  }
  bool insertSymbol(std::string& text) const override {
    const std::string operand = trimmed(fieldOf(text, kOperandAreaColumn, 27));
    for (const auto& [o, symbol] : entries)
      if (o == operand) {
        std::string field = symbol;
        field.resize(27, ' ');
        text.replace(kOperandAreaColumn, 27, field);
        return true;
      }
    return false;
  }
  bool offerNewSymbol(std::string_view operand) override {
    offered.emplace_back(operand);
    if (acceptOffers) entries.emplace_back(operand, "-NEU");
    return acceptOffers;
  }

 private:
  static std::string trimmed(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
  }
};

class FakeHeaders final : public BlockHeaders {
 public:
  std::map<std::string, FbHeader, std::less<>> headers;
  std::optional<FbHeader> headerOf(std::string_view blockName) const override {
    const auto it = headers.find(blockName);
    if (it == headers.end()) return std::nullopt;
    return it->second;
  }
};

FakeHeaders calledBlocks() {
  FakeHeaders h;
  h.headers["FB003"] = FbHeader{"UNTER   ",
                                {{"EIN1", 'E', "BI"},
                                 {"BYTE", 'E', "BY"},
                                 {"WORT", 'A', "W "},
                                 {"DOPP", 'E', "D "},
                                 {"BAUS", 'B', "  "},
                                 {"ZEIT", 'T', "  "},
                                 {"ZAEH", 'Z', "  "},
                                 {"KONF", 'D', "KF"}}};
  h.headers["FX004"] = FbHeader{"FXBAUST ", {{"EIN1", 'E', "BI"}}};
  return h;
}

// The statement error as the editor shows it.
std::string framed(std::string_view typedLine, std::string_view error) {
  return "Fehler in der AWL- Zeile ...\n\n" + trimmedRight(typedLine) + "\n\n" + std::string(error);
}

std::vector<DialogEvent> errorShown(const std::string& text) {
  return {DialogEvent{DialogEvent::Kind::Error, text}};
}

// ---------------------------------------------------------------------------------------------
// CheckLine: statements

TEST(CheckLine, NormalisesTheStatementInPlace) {
  struct Case {
    const char* label;
    const char* typed;
    const char* normalised;
  };
  const Case cases[] = {
      {"", "U E 1.0", "U   E  1.0"},
      {"M001", "U E 1.0", "U   E  1.0"},
      {"", "  L KF 10", "L   KF +10"},
      {"", "L DH 12345", "L   DH 0001 2345"},
      {"", "L KM 101", "L   KM 00000000 00000101"},
      {"", "SPA PB 3", "SPA PB 3"},
      {"", "BE", "BE"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    AwlAscii block = document("PB001", {line("0000", c.label, c.typed)});
    ScriptedUserDialog dialog;
    LineCheckContext context;
    context.dialog = &dialog;
    const LineCheck result = CheckLine(block, 5, context);
    EXPECT_TRUE(result.ok) << c.typed << ": " << result.error;
    EXPECT_EQ(block.line(5), line("0000", c.label, c.normalised)) << c.typed;
    EXPECT_TRUE(dialog.events().empty()) << c.typed;
  }
}

TEST(CheckLine, KeepsTheFreeTextBehindTheStatement) {
  std::string typed = line("0000", "", "U E 1.0");
  typed.replace(kCommentColumn, 9, "Motor ein");
  AwlAscii block = document("PB001", {typed});
  EXPECT_TRUE(CheckLine(block, 5, {}).ok);
  std::string expected = line("0000", "", "U   E  1.0");
  expected.replace(kCommentColumn, 9, "Motor ein");
  EXPECT_EQ(block.line(5), expected);
}

TEST(CheckLine, MovesACommentToColumnEleven) {
  const char* const typed[] = {"    ;Kommentar", ";Kommentar", " ;Kommentar"};
  for (const char* statement : typed) {
    AwlAscii block = document("PB001", {line("0003", "", statement)});
    EXPECT_TRUE(CheckLine(block, 5, {}).ok) << statement;
    EXPECT_EQ(block.line(5), paddedLine("          :;Kommentar")) << statement;
  }
}

TEST(CheckLine, StatementErrorsAreFramedAndLeaveTheLine) {
  struct Case {
    const char* typed;
    const char* error;
  };
  const Case cases[] = {
      {"U E 200.0", msg::kParameter1OutOfRange}, {"U E 1.8", msg::kParameter2OutOfRange},
      {"U E 1", msg::kMissingSeparator},         {"L MW", msg::kNoParameters},
      {"BE 1", msg::kNoParametersAllowed},       {"XYZ", msg::kUnknownStatement},
      {"SPA =ABCDE", msg::kNameTooLong},
  };
  for (const Case& c : cases) {
    const std::string typed = line("0000", "", c.typed);
    for (const bool interactive : {true, false}) {
      AwlAscii block = document("FB001", {typed});
      ScriptedUserDialog dialog;
      LineCheckContext context;
      if (interactive) context.dialog = &dialog;
      const LineCheck result = CheckLine(block, 5, context);
      EXPECT_FALSE(result.ok) << c.typed;
      EXPECT_EQ(result.error, framed(typed, c.error)) << c.typed;
      EXPECT_EQ(block.line(5), typed) << c.typed;
      const std::vector<DialogEvent> shown =
          interactive ? errorShown(framed(typed, c.error)) : std::vector<DialogEvent>{};
      EXPECT_EQ(dialog.events(), shown) << c.typed;
    }
  }
  EXPECT_EQ(framed("0000      :U E 200.0   ", msg::kParameter1OutOfRange),
            "Fehler in der AWL- Zeile ...\n\n0000      :U E 200.0\n\n"
            "Parameter 1 ist außerhalb des erlaubten Bereichs !"_cp1252);
}

TEST(CheckLine, FunctionBlockOnlyOperations) {
  struct Case {
    const char* typed;
    const char* operation;
  };
  const Case cases[] = {
      {"TAK", "TAK"},         {"SLW 3", "SLW"},       {"L BS 3", "L   BS"}, {"ADD BF 5", "ADD BF"},
      {"SPA =M001", "SPA ="}, {"U   =EIN1", "U   ="}, {"MBR 12345", "MBR"},
  };
  for (const Case& c : cases) {
    const std::string typed = line("0000", "", c.typed);
    AwlAscii block = document("PB001", {typed});
    ScriptedUserDialog dialog;
    LineCheckContext context;
    context.dialog = &dialog;
    const LineCheck result = CheckLine(block, 5, context);
    const std::string expected =
        std::string("Die Operation [") + c.operation + "] ist nur in FB's bzw. FX's erlaubt !";
    EXPECT_FALSE(result.ok) << c.typed;
    EXPECT_EQ(result.error, expected);
    EXPECT_EQ(dialog.events(), errorShown(expected)) << c.typed;
    EXPECT_EQ(block.line(5), typed);
  }
  for (const char* name : {"FB001", "FX001"}) {
    AwlAscii block = document(name, {line("0000", "", "TAK"), line("0001", "", "SLW 3")});
    EXPECT_TRUE(CheckLine(block, 5, {}).ok) << name;
    EXPECT_TRUE(CheckLine(block, 6, {}).ok) << name;
    EXPECT_EQ(block.line(6), line("0001", "", "SLW    3")) << name;
  }
}

TEST(CheckLine, DuplicateLabelsInOneNetwork) {
  AwlAscii block = document("PB001", {
                                         line("0000", "M001", "U   E  1.0"),  // 5
                                         line("0001", "M002", "U   E  1.1"),  // 6
                                         line("0002", "M001", "U E 1.2"),     // 7
                                         line("0003", "", "***"),             // 8
                                         "",                                  // 9
                                         "NETZWERK   2",                      // 10
                                         line("0004", "M002", "U E 1.3"),     // 11
                                         line("0005", "", "SPA FB 3"),        // 12
                                         line("", "NAME", "UNTER   "),        // 13
                                         callParameter("M003", "E  1.0"),     // 14
                                         line("0007", "M003", "U E 1.4"),     // 15
                                     });
  struct Case {
    int index;
    const char* error;  // empty: accepted
  };
  const std::string dup0000 =
      "Die Marke [M001] ist im aktuellen Netzwerk\nbei Adresse [0000] bereits vorhanden !";
  const std::string dup0002 =
      "Die Marke [M001] ist im aktuellen Netzwerk\nbei Adresse [0002] bereits vorhanden !";
  const Case cases[] = {
      {7, dup0000.c_str()},  // the same label earlier in the network
      {5, dup0002.c_str()},  // ... and later
      {6, ""},               // M002 stands once in network 1
      {11, ""},              // and once in network 2
      {15, ""},              // a call parameter's name is no label
  };
  for (const Case& c : cases) {
    AwlAscii copy = block;
    ScriptedUserDialog dialog;
    LineCheckContext context;
    context.dialog = &dialog;
    const LineCheck result = CheckLine(copy, c.index, context);
    if (*c.error == '\0') {
      EXPECT_TRUE(result.ok) << c.index << ": " << result.error;
      EXPECT_TRUE(dialog.events().empty()) << c.index;
    } else {
      EXPECT_FALSE(result.ok) << c.index;
      EXPECT_EQ(result.error, c.error) << c.index;
      EXPECT_EQ(dialog.events(), errorShown(c.error)) << c.index;
      EXPECT_EQ(copy.line(c.index), block.line(c.index)) << c.index;
    }
  }
}

TEST(CheckLine, RenumberingWhenTheNextAddressNoLongerFits) {
  struct Case {
    const char* address;
    const char* typed;
    const char* next;
    bool hex;
    bool renumber;
  };
  const Case cases[] = {
      {"0000", "U E 1.0", "0001", true, false},  {"0000", "U E 1.0", "0005", true, true},
      {"0000", "L KF 10", "0001", true, true},   {"0000", "L KF 10", "0002", true, false},
      {"0009", "L KF 1", "000B", true, false},   {"0009", "L KF 1", "000A", true, true},
      {"0009", "L KF 1", "0011", false, false},  {"0009", "L KF 1", "000B", false, true},
      {"0000", "L KG 1.0", "0003", true, false}, {"0000", "L DH 1", "0002", true, true},
  };
  for (const Case& c : cases) {
    AwlAscii block = document("PB001", {line(c.address, "", c.typed), line(c.next, "", "BE")});
    LineCheckContext context;
    context.hexAddresses = c.hex;
    const LineCheck result = CheckLine(block, 5, context);
    EXPECT_TRUE(result.ok) << c.typed;
    EXPECT_EQ(result.renumber, c.renumber) << c.address << " " << c.typed << " -> " << c.next;
  }
  AwlAscii block = document("PB001", {line("0000", "", "L KF 1"), "", "NETZWERK   2"});
  EXPECT_FALSE(CheckLine(block, 5, {}).renumber);
}

TEST(CheckLine, BlockEndBeforeTheLastLine) {
  const std::vector<std::string> body = {
      line("0000", "", "U   E  1.0"),  // 5
      line("0001", "", "BE"),          // 6
      line("0002", "", "U   E  1.1"),  // 7
      line("0003", "", "BE"),          // 8
  };
  struct Case {
    std::optional<DialogAnswer> answer;  // none: no dialog
    int linesLeft;
  };
  const Case cases[] = {{DialogAnswer::Yes, 7}, {DialogAnswer::No, 9}, {std::nullopt, 9}};
  for (const Case& c : cases) {
    AwlAscii block = document("PB001", body);
    ScriptedUserDialog dialog;
    LineCheckContext context;
    if (c.answer) {
      dialog.scriptAnswer(*c.answer);
      context.dialog = &dialog;
    }
    EXPECT_TRUE(CheckLine(block, 6, context).ok);
    EXPECT_EQ(block.lineCount(), c.linesLeft);
    EXPECT_EQ(block.line(6), line("0001", "", "BE"));
    if (c.answer) {
      EXPECT_EQ(dialog.texts(DialogEvent::Kind::Question),
                std::vector<std::string>{msg::kBeNotAtEnd});
      EXPECT_EQ(dialog.unexpectedQuestions(), 0u);
    }
  }
  EXPECT_EQ(std::string(msg::kBeNotAtEnd),
            "Sie haben die Anweisung 'Bausteinende'\nnicht am Ende des Bausteins eingegeben.\n\n"
            "BE kennzeichnet aber das physikalische Ende eines Bausteins !\n\n"
            "Wollen Sie die Anweisungen nach BE löschen ?"_cp1252);

  // BE as the last line, and BEB / BEA anywhere, ask nothing.
  for (const char* statement : {"BE", "BEB", "BEA"}) {
    const bool last = std::string_view(statement) == "BE";
    AwlAscii block = document("PB001", {line("0000", "", statement)});
    if (!last) block.appendLine(line("0001", "", "BE"));
    ScriptedUserDialog dialog;
    LineCheckContext context;
    context.dialog = &dialog;
    EXPECT_TRUE(CheckLine(block, 5, context).ok) << statement;
    EXPECT_TRUE(dialog.events().empty()) << statement;
    EXPECT_EQ(block.lineCount(), last ? 6 : 7) << statement;
  }
}

// ---------------------------------------------------------------------------------------------
// CheckLine: formal operands against the block's own header

const char* const kHintBit =
    "Sie müssen einen Formaloperanden angeben, der\neinen Bitoperand repräsentiert."_cp1252;
const char* const kHintBitRb =
    "Sie müssen einen Formaloperanden angeben, der\neinen Bitoperand repräsentiert"_cp1252;
const char* const kHintTimerOrCounter =
    "Sie müssen einen Formaloperanden angeben, der\neinen Timer oder Zähler repräsentiert."_cp1252;
const char* const kHintTimer =
    "Sie müssen einen Formaloperanden angeben, der\neinen Timer repräsentiert."_cp1252;
const char* const kHintSar =
    "Sie müssen einen Formaloperanden angeben, der\neinen Timer (SA) oder Zähler (ZR Z) "
    "repräsentiert."_cp1252;
const char* const kHintSsv =
    "Sie müssen einen Formaloperanden angeben, der\neinen Timer (SS) oder Zähler (ZV Z) "
    "repräsentiert."_cp1252;
const char* const kHintSvz =
    "Sie müssen einen Formaloperanden angeben, der\neinen Timer (SV) oder Zähler (S  Z) "
    "repräsentiert."_cp1252;
const char* const kHintLoadTransfer =
    "Sie müssen einen Formaloperanden angeben, der\neinen Byte-, Wort- oder Doppelwort- "
    "Operanden repräsentiert."_cp1252;
const char* const kHintLw =
    "Sie müssen einen Formaloperanden angeben, der\neinen 16-Bit-Wert (z.B. KH, KM, KF, ...) "
    "repräsentiert."_cp1252;
const char* const kHintLd =
    "Sie müssen einen Formaloperanden angeben,\nder eine Gleitpunktzahl (KG) repräsentiert."_cp1252;
const char* const kHintBlock =
    "Sie müssen einen Formaloperanden angeben, der\neinen Baustein (OB, PB, DB, ...) "
    "repräsentiert."_cp1252;

struct FormalCase {
  const char* typed;           // the '=' in column 15
  const char* normalised;      // accepted: the statement written back
  const char* name = nullptr;  // refused: the parameter, the operation and the hint
  const char* operation = nullptr;
  const char* hint = nullptr;
};

TEST(CheckLine, FormalOperandsAgainstTheOwnHeader) {
  const FormalCase cases[] = {
      {"U   =EIN1", "U   =  EIN1"},
      {"U   =ZEIT", "U   =  ZEIT"},
      {"ON  =ZAEH", "ON  =  ZAEH"},
      {"S   =EIN1", "S   =  EIN1"},
      {"=   =EIN1", "=   =  EIN1"},
      {"L   =WORT", "L   =  WORT"},
      {"L   =ZEIT", "L   =  ZEIT"},
      {"T   =WORT", "T   =  WORT"},
      {"SE  =ZEIT", "SE  =  ZEIT"},
      {"FR  =ZAEH", "FR  =  ZAEH"},
      {"B   =BAUS", "B   =  BAUS"},
      {"LW  =KONF", "LW  =  KONF"},
      {"LW  =WORT", "LW  =  WORT"},
      {"LD  =KONG", "LD  =  KONG"},
      {"U   =WORT", nullptr, "WORT", "U   =", kHintBit},
      {"O   =BAUS", nullptr, "BAUS", "O   =", kHintBit},
      {"S   =ZEIT", nullptr, "ZEIT", "S   =", kHintBit},
      {"RB  =ZEIT", nullptr, "ZEIT", "RB  =", kHintBitRb},
      {"=   =WORT", nullptr, "WORT", "=   =", kHintBit},
      {"RD  =EIN1", nullptr, "EIN1", "RD  =", kHintTimerOrCounter},
      {"FR  =EIN1", nullptr, "EIN1", "FR  =", kHintTimerOrCounter},
      {"LC  =WORT", nullptr, "WORT", "LC  =", kHintTimerOrCounter},
      {"SE  =ZAEH", nullptr, "ZAEH", "SE  =", kHintTimer},
      {"SI  =EIN1", nullptr, "EIN1", "SI  =", kHintTimer},
      {"SAR =EIN1", nullptr, "EIN1", "SAR =", kHintSar},
      {"SSV =WORT", nullptr, "WORT", "SSV =", kHintSsv},
      {"SVZ =BAUS", nullptr, "BAUS", "SVZ =", kHintSvz},
      {"L   =EIN1", nullptr, "EIN1", "L   =", kHintLoadTransfer},
      {"T   =ZEIT", nullptr, "ZEIT", "T   =", kHintLoadTransfer},
      {"LW  =KONG", nullptr, "KONG", "LW  =", kHintLw},
      {"LD  =KONF", nullptr, "KONF", "LD  =", kHintLd},
      {"LD  =WORT", nullptr, "WORT", "LD  =", kHintLd},
      {"B   =EIN1", nullptr, "EIN1", "B   =", kHintBlock},
  };
  for (const FormalCase& c : cases) {
    const std::string typed = line("0000", "", c.typed);
    AwlAscii block = functionBlock({typed});
    ASSERT_EQ(ClassifyLine(block, kFbFirstStatement), LineKind::LkFormal) << c.typed;
    ScriptedUserDialog dialog;
    LineCheckContext context;
    context.dialog = &dialog;
    const LineCheck result = CheckLine(block, kFbFirstStatement, context);
    if (c.normalised != nullptr) {
      EXPECT_TRUE(result.ok) << c.typed << ": " << result.error;
      EXPECT_EQ(block.line(kFbFirstStatement), line("0000", "", c.normalised));
      continue;
    }
    const std::string expected = std::string("Der Formaloperand [") + c.name +
                                 "] ist mit der Operation [" + c.operation +
                                 "]\nnicht verwendbar!\n" + c.hint;
    EXPECT_FALSE(result.ok) << c.typed;
    EXPECT_EQ(result.error, expected) << c.typed;
    EXPECT_EQ(dialog.events(), errorShown(expected)) << c.typed;
    EXPECT_EQ(block.line(kFbFirstStatement), typed) << c.typed;
  }
}

TEST(CheckLine, FormalOperandMissingFromTheHeader) {
  for (const char* name : {"XXXX", "EIN"}) {
    const std::string typed = line("0000", "", std::string("U   =") + name);
    AwlAscii block = functionBlock({typed});
    ScriptedUserDialog dialog;
    LineCheckContext context;
    context.dialog = &dialog;
    const LineCheck result = CheckLine(block, kFbFirstStatement, context);
    const std::string expected = framed(typed, std::string("Der Formaloperand '") + name +
                                                   "' ist im Bausteinkopf nicht vorhanden !");
    EXPECT_FALSE(result.ok) << name;
    EXPECT_EQ(result.error, expected);
    EXPECT_EQ(dialog.events(), errorShown(expected));
    EXPECT_EQ(block.line(kFbFirstStatement), typed);
  }
}

TEST(CheckLine, FormalOperandTypedWithoutTheColumnLayout) {
  const std::string typed = line("0000", "", "U =XXXX");
  AwlAscii block = functionBlock({typed});
  const LineCheck result = CheckLine(block, kFbFirstStatement, {});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error,
            framed(typed, "Der Formaloperand 'XXXX' ist im Bausteinkopf nicht vorhanden !"));
  EXPECT_EQ(block.line(kFbFirstStatement), typed);
}

// ---------------------------------------------------------------------------------------------
// CheckLine: block calls

TEST(CheckLine, ABlockCallGetsItsNameAndParameterLines) {
  const FakeHeaders headers = calledBlocks();
  struct Case {
    const char* typed;
    const char* normalised;
    const char* name;
    std::size_t parameters;
  };
  const Case cases[] = {
      {"SPA FB 3", "SPA FB 3", "UNTER   ", 8},
      {"SPBFB3", "SPB FB 3", "UNTER   ", 8},
      {"BA FX 4", "BA  FX 4", "FXBAUST ", 1},
  };
  for (const Case& c : cases) {
    AwlAscii block = document("PB001", {line("0000", "", c.typed), line("0001", "", "BE")});
    LineCheckContext context;
    context.headers = &headers;
    const LineCheck result = CheckLine(block, 5, context);
    EXPECT_TRUE(result.ok) << c.typed << ": " << result.error;
    EXPECT_TRUE(result.renumber) << c.typed;
    ASSERT_EQ(block.lineCount(), static_cast<int>(8 + c.parameters)) << c.typed;
    EXPECT_EQ(block.line(5), line("0000", "", c.normalised));
    EXPECT_EQ(block.line(6), paddedLine(std::string("     NAME :") + c.name));
    EXPECT_EQ(ClassifyLine(block, 6), LineKind::LkCallName) << c.typed;
    EXPECT_EQ(block.line(7 + static_cast<int>(c.parameters)), line("0001", "", "BE"));
  }

  AwlAscii block = document("PB001", {line("0000", "", "SPA FB 3"), line("0001", "", "BE")});
  LineCheckContext context;
  context.headers = &headers;
  ASSERT_TRUE(CheckLine(block, 5, context).ok);
  std::string ein1 = paddedLine("     EIN1 >    ????");
  ein1.replace(kCommentColumn, 6, "(E/BI)");
  std::string wort = paddedLine("     WORT >    ????");
  wort.replace(kCommentColumn, 5, "(A/W)");
  std::string konf = paddedLine("     KONF >    ????");
  konf.replace(kCommentColumn, 6, "(D/KF)");
  EXPECT_EQ(block.line(7), ein1);
  EXPECT_EQ(block.line(9), wort);
  EXPECT_EQ(block.line(14), konf);
  EXPECT_EQ(fieldOf(block.line(12), 0, 19), "     ZEIT >    ????");
  EXPECT_EQ(fieldOf(block.line(12), kCommentColumn, 3), "(T/");
  for (int i = 7; i < 15; ++i)
    EXPECT_EQ(ClassifyLine(block, i), LineKind::LkCallParam) << i;
}

TEST(CheckLine, NoLinesForACallThatHasThemOrWhoseHeaderIsUnknown) {
  const FakeHeaders headers = calledBlocks();
  struct Case {
    std::vector<std::string> body;
    bool withHeaders;
  };
  const Case cases[] = {
      {{line("0000", "", "SPA FB 3"), line("", "NAME", "UNTER   "), line("0001", "", "BE")}, true},
      {{line("0000", "", "SPA FB 9"), line("0001", "", "BE")}, true},
      {{line("0000", "", "SPA FB 3"), line("0001", "", "BE")}, false},
  };
  for (const Case& c : cases) {
    AwlAscii block = document("PB001", c.body);
    LineCheckContext context;
    if (c.withHeaders) context.headers = &headers;
    EXPECT_TRUE(CheckLine(block, 5, context).ok);
    EXPECT_EQ(block.lineCount(), static_cast<int>(5 + c.body.size())) << c.body[0];
  }
}

struct CallParameterCase {
  const char* blockName;
  const char* name;
  const char* operand;
  const char* normalised;  // accepted: the operand written back; null: refused
  const char* message = nullptr;
  const char* areas = nullptr;  // refused by the pass rule: the permitted areas
};

// The call "SPA FB 3" with one actual-parameter line (returned index) in a block of that name.
std::pair<AwlAscii, int> callDocument(const std::string& blockName, const std::string& parameter) {
  std::vector<std::string> body;
  if (blockName[0] == 'F') body = fbHeader();
  const int index = 5 + static_cast<int>(body.size()) + 2;
  body.push_back(line("0000", "", "SPA FB 3"));
  body.push_back(line("", "NAME", "UNTER   "));
  body.push_back(parameter);
  body.push_back(line("0002", "", "BE"));
  return {document(blockName, body), index};
}

std::string passError(std::string_view parameterLine, const char* message, const char* areas) {
  return "Fehler in Anweisung ...\n\n" + trimmedRight(parameterLine) + "\n\n" + message +
         "\n\nGültige Übergabe(n): "_cp1252 + areas;
}

TEST(CheckLine, ActualParametersAgainstTheCalledHeader) {
  const char* const bitAreas = "E  / A  / M ";
  const char* const byteAreas = "EB / AB / MB / DL / DR / PY / QB";
  const char* const wordAreas = "EW / AW / MW / DW / PW / QW / BS / BT / BA / BB";
  const char* const doubleAreas = "ED / AD / MD / DD";
  const char* const blockAreas = "DB / FB / SB / PB / OB";
  const CallParameterCase cases[] = {
      {"PB001", "EIN1", "E1.0", "E  1.0"},
      {"PB001", "EIN1", "A 127.7", "A  127.7"},
      {"PB001", "EIN1", "M 3.1", "M  3.1"},
      {"PB001", "EIN1", "MW10", nullptr, msg::kPassBit, bitAreas},
      {"PB001", "BYTE", "MB 3", "MB 3"},
      {"PB001", "BYTE", "DL 3", "DL 3"},
      {"PB001", "BYTE", "QB 3", "QB 3"},
      {"PB001", "BYTE", "MW 3", nullptr, msg::kPassByte, byteAreas},
      {"PB001", "WORT", "MW10", "MW 10"},
      {"PB001", "WORT", "DW 3", "DW 3"},
      {"PB001", "WORT", "PW 4", "PW 4"},
      {"PB001", "WORT", "MB 1", nullptr, msg::kPassWord, wordAreas},
      {"PB001", "DOPP", "MD 4", "MD 4"},
      {"PB001", "DOPP", "DD 4", "DD 4"},
      {"PB001", "DOPP", "MW 4", nullptr, msg::kPassDouble, doubleAreas},
      {"PB001", "BAUS", "DB 5", "DB 5"},
      {"PB001", "BAUS", "FB 5", "FB 5"},
      {"PB001", "BAUS", "OB 1", "OB 1"},
      {"PB001", "BAUS", "MW 5", nullptr, msg::kPassBlock, blockAreas},
      {"PB001", "ZEIT", "T 5", "T  5"},
      {"PB001", "ZEIT", "Z 5", nullptr, msg::kPassTimer, "T "},
      {"PB001", "ZAEH", "Z 5", "Z  5"},
      {"PB001", "ZAEH", "T 5", nullptr, msg::kPassCounter, "Z "},
      {"PB001", "KONF", "KF 10", "KF +10"},
      {"PB001", "KONF", "KH 0010", nullptr, msg::kPassFormat, "KF"},
      {"FB001", "WORT", "BS 3", "BS 3"},
      {"FB001", "WORT", "BA 3", "BA 3"},
      {"FB001", "EIN1", "E 1.0", "E  1.0"},
  };
  const FakeHeaders headers = calledBlocks();
  for (const CallParameterCase& c : cases) {
    const std::string typed = callParameter(c.name, c.operand);
    auto [block, index] = callDocument(c.blockName, typed);
    ASSERT_EQ(ClassifyLine(block, index), LineKind::LkCallParam) << c.operand;
    ScriptedUserDialog dialog;
    LineCheckContext context;
    context.dialog = &dialog;
    context.headers = &headers;
    const LineCheck result = CheckLine(block, index, context);
    if (c.normalised != nullptr) {
      EXPECT_TRUE(result.ok) << c.name << " " << c.operand << ": " << result.error;
      EXPECT_EQ(block.line(index), callParameter(c.name, c.normalised)) << c.operand;
      EXPECT_TRUE(dialog.events().empty()) << c.operand;
      continue;
    }
    const std::string expected = passError(typed, c.message, c.areas);
    EXPECT_FALSE(result.ok) << c.name << " " << c.operand;
    EXPECT_EQ(result.error, expected);
    EXPECT_EQ(dialog.events(), errorShown(expected));
    EXPECT_EQ(block.line(index), typed);
  }
}

TEST(CheckLine, ActualParameterRefusals) {
  const FakeHeaders headers = calledBlocks();
  struct Case {
    const char* blockName;
    const char* name;
    const char* operand;
    std::string error;
  };
  const std::string unknownOperand = callParameter("WORT", "MX10");
  const std::string unfilled = callParameter("WORT", "????");
  const Case cases[] = {
      {"PB001", "XXXX", "MW 10",
       "Der Formaloperand [XXXX] ist im Baustein [FB003] nicht vorhanden !\nBitte entfernen Sie "
       "die aktuelle Zeile, oder ändern Sie den [FB003]."_cp1252},
      {"PB001", "WORT", "MX10", framed(unknownOperand, msg::kUnknownOperand)},
      {"PB001", "WORT", "????", framed(unfilled, msg::kUnknownOperand)},
      {"PB001", "WORT", "BS 3", "Der Operand [BS] darf nur in FBs übergeben werden !"_cp1252},
      {"PB001", "WORT", "BT 3", "Der Operand [BT] darf nur in FBs übergeben werden !"_cp1252},
      {"PB001", "WORT", "BA 3", "Der Operand [BA] darf nur in FBs übergeben werden !"_cp1252},
      {"PB001", "WORT", "BB 3", "Der Operand [BB] darf nur in FBs übergeben werden !"_cp1252},
  };
  for (const Case& c : cases) {
    const std::string typed = callParameter(c.name, c.operand);
    auto [block, index] = callDocument(c.blockName, typed);
    ScriptedUserDialog dialog;
    LineCheckContext context;
    context.dialog = &dialog;
    context.headers = &headers;
    const LineCheck result = CheckLine(block, index, context);
    EXPECT_FALSE(result.ok) << c.operand;
    EXPECT_EQ(result.error, c.error) << c.operand;
    EXPECT_EQ(dialog.events(), errorShown(c.error)) << c.operand;
    EXPECT_EQ(block.line(index), typed) << c.operand;
  }
  // Without a dialog the actual parameters are not checked.
  const std::string typed = callParameter("EIN1", "MW10");
  auto [block, index] = callDocument("PB001", typed);
  LineCheckContext context;
  context.headers = &headers;
  EXPECT_TRUE(CheckLine(block, index, context).ok);
  EXPECT_EQ(block.line(index), typed);
}

TEST(CheckLine, ActualParameterWrittenBackOverTheWholeOperand) {
  const FakeHeaders headers = calledBlocks();
  auto [block, index] = callDocument("PB001", callParameter("WORT", "MW  10"));
  ScriptedUserDialog dialog;
  LineCheckContext context;
  context.dialog = &dialog;
  context.headers = &headers;
  EXPECT_TRUE(CheckLine(block, index, context).ok);
  EXPECT_EQ(block.line(index), callParameter("WORT", "MW 10"));
}

TEST(CheckLine, AnInsertedParameterLineFilledIn) {
  const FakeHeaders headers = calledBlocks();
  AwlAscii block = document("PB001", {line("0000", "", "SPA FB 3"), line("0001", "", "BE")});
  ScriptedUserDialog dialog;
  LineCheckContext context;
  context.dialog = &dialog;
  context.headers = &headers;
  ASSERT_TRUE(CheckLine(block, 5, context).ok);
  std::string filled(block.line(7));
  filled.replace(15, 5, "E 1.0");
  block.replaceLine(7, filled);
  const LineCheck result = CheckLine(block, 7, context);
  EXPECT_TRUE(result.ok) << result.error;
  std::string expected = paddedLine("     EIN1 >    E  1.0");
  expected.replace(kCommentColumn, 6, "(E/BI)");
  EXPECT_EQ(block.line(7), expected);
}

// ---------------------------------------------------------------------------------------------
// CheckLine: symbols

TEST(CheckLine, SymbolsAreTakenOutAndPutBack) {
  FakeSymbols symbols;
  symbols.entries = {{"MW 10", "-ZAHL"}, {"E  1.0", "-MOTOR"}};
  struct Case {
    const char* typed;
    const char* result;
  };
  const Case cases[] = {
      {"L -ZAHL", "L   -ZAHL"},
      {"U -MOTOR", "U   -MOTOR"},
      {"U E 1.0", "U   -MOTOR"},  // an absolute operand with a symbol gets it
      {"U E 1.1", "U   E  1.1"},  // one without keeps the operand
  };
  for (const Case& c : cases) {
    AwlAscii block = document("PB001", {line("0000", "", c.typed)});
    ScriptedUserDialog dialog;
    LineCheckContext context;
    context.dialog = &dialog;
    context.symbols = &symbols;
    const LineCheck result = CheckLine(block, 5, context);
    EXPECT_TRUE(result.ok) << c.typed << ": " << result.error;
    EXPECT_EQ(block.line(5), line("0000", "", c.result)) << c.typed;
  }
  EXPECT_TRUE(symbols.offered.empty());

  // An unknown symbol.
  const std::string typed = line("0000", "", "L -FOO");
  AwlAscii block = document("PB001", {typed});
  ScriptedUserDialog dialog;
  LineCheckContext context;
  context.dialog = &dialog;
  context.symbols = &symbols;
  const LineCheck result = CheckLine(block, 5, context);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, msg::kSymbolMissing);
  EXPECT_EQ(dialog.events(), errorShown("Symbol nicht vorhanden !"));
  EXPECT_EQ(block.line(5), typed);

  // With symbolic display off the symbol is not taken out: the statement is unknown.
  symbols.showing = false;
  AwlAscii off = document("PB001", {line("0000", "", "L -ZAHL")});
  EXPECT_EQ(CheckLine(off, 5, context).error,
            framed(line("0000", "", "L -ZAHL"), msg::kUnknownStatement));
}

TEST(ClassifyLine, ASymbolCallIsRecognisedAfterTheSymbolIsTakenOut) {
  FakeSymbols symbols;
  symbols.entries = {{"FB 3", "-UNTER"}};
  AwlAscii block = document("PB001", {line("0000", "", "SPA -UNTER")});
  EXPECT_EQ(ClassifyLine(block, 5), LineKind::LkStatement);
  EXPECT_EQ(ClassifyLine(block, 5, &symbols), LineKind::LkBlockCall);
  symbols.showing = false;
  EXPECT_EQ(ClassifyLine(block, 5, &symbols), LineKind::LkStatement);
}

TEST(CheckLine, OffersANewSymbol) {
  struct Case {
    const char* blockName;
    const char* typed;
    bool offer;
    bool accept;
    const char* offered;  // null: nothing offered
    const char* result;
  };
  const Case cases[] = {
      {"PB001", "U E 2.0", true, true, "E  2.0", "U   -NEU"},
      {"PB001", "U E 2.0", true, false, "E  2.0", "U   E  2.0"},
      {"PB001", "U E 2.0", false, true, nullptr, "U   E  2.0"},
      {"PB001", "L MW 12", true, true, "MW 12", "L   -NEU"},
      {"PB001", "U E 1.0", true, true, nullptr, "U   -MOTOR"},     // has a symbol already
      {"PB001", "BE", true, true, nullptr, "BE"},                  // no operand
      {"FB001", "SPA =M001", true, true, nullptr, "SPA =  M001"},  // a label
  };
  for (const Case& c : cases) {
    FakeSymbols symbols;
    symbols.entries = {{"E  1.0", "-MOTOR"}};
    symbols.acceptOffers = c.accept;
    AwlAscii block = document(c.blockName, {line("0000", "", c.typed)});
    LineCheckContext context;
    context.symbols = &symbols;
    context.offerNewSymbols = c.offer;
    EXPECT_TRUE(CheckLine(block, 5, context).ok) << c.typed;
    const std::vector<std::string> offered =
        c.offered == nullptr ? std::vector<std::string>{} : std::vector<std::string>{c.offered};
    EXPECT_EQ(symbols.offered, offered) << c.typed;
    EXPECT_EQ(block.line(5), line("0000", "", c.result)) << c.typed;
  }
}

}  // namespace
}  // namespace tavrin::lang
