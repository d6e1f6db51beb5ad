// Forcing and reading variables on a private simulated controller, and the lines the
// status-variable window shows for them.
#include "main/online/simulator_variables.h"

#include <gtest/gtest.h>

#include <vector>

#include "simcore/engine.h"
#include "simcore/simcore32.h"

namespace tavrin::online {
namespace {

class SimulatorVariables : public ::testing::Test {
 protected:
  void SetUp() override {
    simcore::attachPrivate();
    S5AG_SimulatorInit("");
    // DB 5 with four data words 1, 2, 3, 4.
    std::vector<uint8_t> bytes = {0x70, 0x70, 0x01, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,
                                  0x09, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04};
    ASSERT_EQ(S5AG_BstWrite(1, 5, 9, bytes.data(), 0), 0);
    S5AG_StartAg(21);  // data words are reached in RUN
  }
  void TearDown() override { simcore::detach(); }

  static OperandEntry parsed(const char* text, unsigned flags = kEntryBitsAllowed) {
    std::string t = text;
    OperandEntry entry;
    EXPECT_EQ(ParseOperandEntry(t, flags, entry), 1) << text;
    return entry;
  }
};

struct ForceCase {
  const char* force;   // forced first
  const char* status;  // then shown
  const char* line;
};

TEST_F(SimulatorVariables, ForcedValuesShowInTheStatusLine) {
  const ForceCase cases[] = {
      {"A4.2=KM1", "A4.2", "A 4.2=KM 1"},
      {"A4.2=KM1", "AB4=KM", "AB4  =KM 00000100"},
      {"E1.0=KM1", "EB1=KH", "EB1  =KH 01"},
      {"EW126=KH1", "EW126=KH", "EW126=KH 0001"},
      {"AW0=KH1234", "AW0=KH", "AW0  =KH 1234"},
      {"AW0=KH1234", "AB1=KH", "AB1  =KH 34"},
      {"M10.3=KM1", "MB10=KM", "MB10 =KM 00001000"},
      {"MW20=KF-5", "MW20=KF", "MW20 =KF -5"},
      {"MW20=KY12,34", "MW20=KY", "MW20 =KY 012,034"},
      {"MW20=KCAB", "MW20=KC", "MW20 =KC AB"},
      {"MD8=KG+1250000+02", "MD8=KG", "MD8  =KG +1250000+02"},
      {"MD8=KH89ABCDEF", "MD8=KH", "MD8  =KH 89AB CDEF"},
      {"Z3=KZ105", "Z3", "Z 3  =KZ 105"},
      {"T1=KT020.2", "T1", "T 1  =KT 020.2"},
      {"DW3,DB5=KH00FF", "DW3,DB5=KH", "DW3  ,DB005=KH 00FF"},
      {"DW1,DB5=KF+7", "DD1,DB5=KH", "DD1  ,DB005=KH 0007 0003"},
  };
  for (const ForceCase& c : cases) {
    const OperandEntry force = parsed(c.force, kEntryBitsAllowed | kEntryValueRequired);
    ASSERT_TRUE(ForceOnSimulator(force)) << c.force;
    const OperandEntry status = parsed(c.status);
    EXPECT_EQ(StatusVariableLine(status, ReadSimulatorValue(status)), c.line) << c.force;
  }
}

TEST_F(SimulatorVariables, ForcingABitKeepsTheOtherBitsOfItsByte) {
  ASSERT_TRUE(ForceOnSimulator(parsed("MB7=KH0F", kEntryValueRequired)));
  ASSERT_TRUE(ForceOnSimulator(parsed("M7.1=KM0", kEntryBitsAllowed | kEntryValueRequired)));
  ASSERT_TRUE(ForceOnSimulator(parsed("M7.7=KM1", kEntryBitsAllowed | kEntryValueRequired)));
  const auto value = ReadSimulatorValue(parsed("MB7=KH"));
  ASSERT_TRUE(value);
  EXPECT_EQ((*value)[0], 0x8D);
}

TEST_F(SimulatorVariables, InputsAndOutputsAreSeparate) {
  ASSERT_TRUE(ForceOnSimulator(parsed("EW4=KH1111", kEntryValueRequired)));
  ASSERT_TRUE(ForceOnSimulator(parsed("AW4=KH2222", kEntryValueRequired)));
  EXPECT_EQ((*ReadSimulatorValue(parsed("EW4")))[0], 0x1111);
  EXPECT_EQ((*ReadSimulatorValue(parsed("AW4")))[0], 0x2222);
}

TEST_F(SimulatorVariables, AMissingDataBlockHasNoValue) {
  const OperandEntry entry = parsed("DW0,DB9=KH");
  EXPECT_FALSE(ReadSimulatorValue(entry));
  EXPECT_FALSE(ForceOnSimulator(parsed("DW0,DB9=KH1", kEntryValueRequired)));
  EXPECT_EQ(StatusVariableLine(entry, std::nullopt), "DW0  ,DB009=KH ");
  EXPECT_FALSE(ReadSimulatorValue(parsed("DW4,DB5=KH"))) << "behind the last data word";
}

}  // namespace
}  // namespace tavrin::online
