// The operand entry syntax: every operand kind, the completion with a default format, values in
// each format, and every error code with its text.
#include "main/online/operand_entry.h"

#include <gtest/gtest.h>

#include "main/online/online_messages.h"

namespace tavrin::online {
namespace {

constexpr unsigned kStatus = kEntryBitsAllowed | kEntryValueForbidden | kEntryFormatOnlySyntax;
constexpr unsigned kForce = kEntryBitsAllowed | kEntryValueRequired;
constexpr unsigned kAny = kEntryBitsAllowed;

struct Parsed {
  const char* text;
  unsigned flags;
  const char* completed;
  const char* name;
  uint8_t kind;
  uint16_t address;
  uint8_t dbNumber;
  uint8_t dbType;
  uint8_t format;
  bool hasValue;
  uint16_t value1;
  uint16_t value2;
};

TEST(OperandEntry, ParsesEveryKindOfOperand) {
  const Parsed cases[] = {
      {"A0.0", kAny, "A0.0=KM", "A", kKindIoBit, 128 * 256, 0, 0, kFormatKM, false, 0, 0},
      {"e1.7=km1", kForce, "E1.7=KM1", "E", kKindIoBit, 1 * 256 + 7, 0, 0, kFormatKM, true, 1, 0},
      {"  M4.4=KM0", kForce, "M4.4=KM0", "M", kKindFlagBit, 4 * 256 + 4, 0, 0, kFormatKM, true, 0,
       0},
      {"AB3", kAny, "AB3=KH", "AB", kKindIoByte, 131, 0, 0, kFormatKH, false, 0, 0},
      {"EB1=KH12", kForce, "EB1=KH12", "EB", kKindIoByte, 1, 0, 0, kFormatKH, true, 0x12, 0},
      {"EW126=KH1", kForce, "EW126=KH1", "EW", kKindIoWord, 126, 0, 0, kFormatKH, true, 1, 0},
      {"AW4=KF", kStatus, "AW4=KF", "AW", kKindIoWord, 132, 0, 0, kFormatKF, false, 0, 0},
      {"MW10=KF+100", kForce, "MW10=KF+100", "MW", kKindFlagWord, 10, 0, 0, kFormatKF, true, 100,
       0},
      {"MW10=KF-1", kForce, "MW10=KF-1", "MW", kKindFlagWord, 10, 0, 0, kFormatKF, true, 0xFFFF, 0},
      {"MB7=KM101", kForce, "MB7=KM101", "MB", kKindFlagByte, 7, 0, 0, kFormatKM, true, 5, 0},
      {"MD4=KH12345678", kForce, "MD4=KH12345678", "MD", kKindFlagDouble, 4, 0, 0, kFormatKH, true,
       0x1234, 0x5678},
      {"ED0=KG+1250000+02", kForce, "ED0=KG+1250000+02", "ED", kKindIoDouble, 0, 0, 0, kFormatKG,
       true, 0x0464, 0x0000},
      {"T1", kAny, "T1=KT", "T", kKindTimer, 1, 0, 0, kFormatKT, false, 0, 0},
      {"T1=KT20.0", kForce, "T1=KT20.0", "T", kKindTimer, 1, 0, 0, kFormatKT, true, 0x0020, 0},
      {"Z3=", kAny, "Z3=KZ", "Z", kKindCounter, 3, 0, 0, kFormatKZ, false, 0, 0},
      {"Z3=KZ105", kForce, "Z3=KZ105", "Z", kKindCounter, 3, 0, 0, kFormatKZ, true, 0x0105, 0},
      {"BS2=KY1,2", kForce, "BS2=KY1,2", "BS", kKindSystemData, 2, 0, 0, kFormatKY, true, 0x0102,
       0},
      {"DW3,DB5=KH00FF", kForce, "DW3,DB5=KH00FF", "DW", kKindDataWord, 3, 5, kDbTypeDb, kFormatKH,
       true, 0x00FF, 0},
      {"DW1,DX2=KCAB", kForce, "DW1,DX2=KCAB", "DW", kKindDataWord, 1, 2, kDbTypeDx, kFormatKC,
       true, 0x4142, 0},
      {"DD10,DB1", kAny, "DD10,DB1=KH", "DD", kKindDataDouble, 10, 1, kDbTypeDb, kFormatKH, false,
       0, 0},
      {"EB0=KCA", kForce, "EB0=KCA", "EB", kKindIoByte, 0, 0, 0, kFormatKC, true, 0x41, 0},
  };
  for (const Parsed& c : cases) {
    std::string text = c.text;
    OperandEntry entry;
    ASSERT_EQ(ParseOperandEntry(text, c.flags, entry), 1) << c.text;
    EXPECT_EQ(text, c.completed) << c.text;
    EXPECT_STREQ(entry.operand->name, c.name) << c.text;
    EXPECT_EQ(entry.operand->kind, c.kind) << c.text;
    EXPECT_EQ(entry.address, c.address) << c.text;
    EXPECT_EQ(entry.dbNumber, c.dbNumber) << c.text;
    EXPECT_EQ(entry.dbType, c.dbType) << c.text;
    EXPECT_EQ(entry.format, c.format) << c.text;
    EXPECT_EQ(entry.hasValue, c.hasValue) << c.text;
    EXPECT_EQ(entry.value1, c.value1) << c.text;
    EXPECT_EQ(entry.value2, c.value2) << c.text;
  }
}

struct Refused {
  const char* text;
  unsigned flags;
  int code;
};

TEST(OperandEntry, RefusesWhatItCannotTake) {
  const Refused cases[] = {
      {"", kAny, -1},
      {"   ", kAny, -1},
      {"XY1", kAny, -2},
      {"E1", kAny, -2},  // an input needs its bit
      {"EW1=KM1", kStatus, -16},
      {"EW1=KM1", kEntryBitsAllowed | kEntryValueForbidden, -3},
      {"EW1", kForce, -3},
      {"EW1=XX", kAny, -3},
      {"EW1+", kAny, -3},
      {"E1.0", kEntryValueForbidden, -15},
      {"E.1", kAny, -2},
      {"E1.X", kAny, -4},
      {"M256.0", kAny, -5},
      {"E128.0", kAny, -5},
      {"E1.8", kAny, -6},
      {"MW", kAny, -7},
      {"EW=KM", kAny, -7},
      {"MW255", kAny, -8},
      {"T256", kAny, -8},
      {"ED125", kAny, -8},
      {"DW1", kAny, -9},
      {"DW1,PB1", kAny, -9},
      {"DW1,DB", kAny, -10},
      {"DW1,DB0", kAny, -10},
      {"DW1,DB256", kAny, -11},
      {"MB4=KG1", kForce, -12},
      {"T1=KF5", kAny, -12},
      {"E1.0=KH1", kAny, -12},
      {"MB4=KH123", kForce, -14},
      {"MB4=KM111100001", kForce, -14},
      {"MW4=KF+40000", kForce, -14},
      {"E1.0=KM2", kForce, -14},
      {"T1=KT20.4", kForce, -14},
      {"EB1=KCAB", kForce, -14},
      {"DL1,DB1", kAny, -17},
      {"DR1", kAny, -17},
      {"SY1", kAny, -18},
      {"SW2", kAny, -18},
      {"SD4", kAny, -18},
      {"PY1", kAny, -19},
      {"PW2", kAny, -19},
  };
  for (const Refused& c : cases) {
    std::string text = c.text;
    OperandEntry entry;
    EXPECT_EQ(ParseOperandEntry(text, c.flags, entry), c.code) << '"' << c.text << '"';
  }
}

TEST(OperandEntry, ErrorTextsNameTheOperandAndItsLimits) {
  std::string text = "MB4=KG1";
  OperandEntry entry;
  ASSERT_EQ(ParseOperandEntry(text, kForce, entry), -12);
  EXPECT_EQ(OperandEntryErrorText(-12, entry),
            "Das Datenformat ist nicht korrekt!\nKorrekte Datenformate f\xFCr den Operand 'MB' "
            "sind:\n'KC,KM,KH'.");
  text = "MW300";
  ASSERT_EQ(ParseOperandEntry(text, kAny, entry), -8);
  EXPECT_EQ(OperandEntryErrorText(-8, entry),
            "Die Operandenadresse liegt ausserhalb des g\xFCltigen Bereiches!\nDie maximale "
            "Operandenadresse f\xFCr den Operand 'MW'\nbetr\xE4gt '254'!");
  text = "E200.0";
  ASSERT_EQ(ParseOperandEntry(text, kAny, entry), -5);
  EXPECT_EQ(OperandEntryErrorText(-5, entry),
            "Parameter 1 ist nicht im g\xFCltigen Bereich!\nDie Byteadresse darf die Zahl '127' "
            "nicht \xFC"
            "berschreiten!");
  EXPECT_EQ(OperandEntryErrorText(-1, entry), msg::kEntryEmpty);
  EXPECT_EQ(OperandEntryErrorText(-20, entry), msg::kEntryUnknown);
  EXPECT_EQ(OperandEntryErrorText(0, OperandEntry{}), msg::kEntryUnknown);
}

TEST(OperandEntry, FormatLetters) {
  EXPECT_EQ(formatLetter(kFormatKC), 'C');
  EXPECT_EQ(formatLetter(kFormatKZ), 'Z');
  EXPECT_EQ(formatLetter(kFormatKM), 'M');
  EXPECT_EQ(formatLetter(0), '?');
  EXPECT_EQ(entryOperands().size(), 24u);
}

}  // namespace
}  // namespace tavrin::online
