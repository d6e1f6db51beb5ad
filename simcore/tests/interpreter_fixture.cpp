#include "simcore/tests/interpreter_fixture.h"

#include "simcore/interpreter.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"

namespace tavrin::simcore::testing {

void InterpreterTest::SetUp() {
  ControllerTest::SetUp();
  SimImage& s = image();
  s.stopLatch = 0;
  s.runState = 1;
  s.VKE = 1;
  s.ERAB = 1;
}

void InterpreterTest::block(uint8_t type, uint8_t number, const std::vector<uint16_t>& body) {
  ASSERT_EQ(write(makeBlock(type, number, body)), 0) << "block " << int(type) << "/" << int(number);
}

void InterpreterTest::run(uint16_t ob) {
  image().cycleMonitoringStartMs = clock_.now();  // as every cycle does
  ASSERT_TRUE(pushOrganisationFrame(engine()));
  RunOrganisationBlock(engine(), ob);
  if (!stopped()) {
    EXPECT_EQ(image().blockStackDepth, 0) << "the block stack is back where it was";
  }
}

uint16_t InterpreterTest::bs(unsigned n) {
  return areaWord(image(), kBs, n);
}

uint8_t InterpreterTest::flagByte(unsigned n) {
  uint8_t v = 0;
  S5AG_ReadMerkByte(static_cast<short>(n), &v);
  return v;
}
void InterpreterTest::setFlagByte(unsigned n, uint8_t value) {
  S5AG_WriteMerkByte(static_cast<short>(n), value);
}
uint8_t InterpreterTest::inputByte(unsigned n) {
  uint8_t v = 0;
  S5AG_ReadInByte(static_cast<short>(n), &v);
  return v;
}
void InterpreterTest::setInputByte(unsigned n, uint8_t value) {
  S5AG_WriteInByte(static_cast<short>(n), value);
}
uint8_t InterpreterTest::outputByte(unsigned n) {
  uint8_t v = 0;
  S5AG_ReadOutByte(static_cast<short>(n), &v);
  return v;
}
uint16_t InterpreterTest::flagWord(unsigned n) {
  unsigned short v = 0;
  S5AG_ReadMerkWord(static_cast<short>(n), &v);
  return v;
}

}  // namespace tavrin::simcore::testing
