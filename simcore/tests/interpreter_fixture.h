// Runs hand-assembled MC5 blocks on a private controller, one organisation block at a time.
#ifndef SIMCORE_TESTS_INTERPRETER_FIXTURE_H
#define SIMCORE_TESTS_INTERPRETER_FIXTURE_H

#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {

class InterpreterTest : public ControllerTest {
 public:
  void SetUp() override;

  // Writes a block (type, number, body) in the normal mode; the test fails if it is refused.
  void block(uint8_t type, uint8_t number, const std::vector<uint16_t>& body);
  // Runs OB n (or 300 for PB1) in a frame of its own, as the cycle does.
  void run(uint16_t ob = 1);

  // After a stop: the latch cleared and the block stack emptied, as a restart does.
  void clearStop() {
    image().stopLatch = 0;
    image().blockStackDepth = 0;
    image().bracketDepth = 0;
    image().errorWord = 0;
  }
  uint16_t bs(unsigned n);
  bool stopped() { return image().stopLatch != 0; }
  uint8_t flagByte(unsigned n);
  void setFlagByte(unsigned n, uint8_t value);
  uint8_t inputByte(unsigned n);
  void setInputByte(unsigned n, uint8_t value);
  uint8_t outputByte(unsigned n);
  uint16_t flagWord(unsigned n);
  bool output(unsigned byte, unsigned bit) { return (outputByte(byte) >> bit) & 1; }
};

}  // namespace tavrin::simcore::testing

#endif
