// Decoding and executing one instruction.
#ifndef SIMCORE_INTERP_EXECUTE_H
#define SIMCORE_INTERP_EXECUTE_H

#include <cstdint>

#include "simcore/interp/machine.h"

namespace tavrin::simcore::interp {

struct Run {
  uint16_t entryDepth;  // the block stack depth of the organisation block of this run
  bool ended = false;   // the organisation block has ended
  // Instructions executed in place of another (an actual parameter, a BS word) that are now
  // being executed; one of them may lead to another, but a chain that returns to itself would
  // never end, so the chain is held to kMaxSubstitutions.
  uint8_t substitutions = 0;
};

inline constexpr uint8_t kMaxSubstitutions = 4;

// Executes `w` in place of the instruction at `at`; an illegal instruction when the chain of
// substitutions is already at its limit.
unsigned executeInPlace(Machine& m, Run& run, uint16_t w, uint16_t at);

// Executes the instruction word `w` (second word `w1`) standing at word `at`, or executed in
// place of the instruction at `at` (formal operands, B MW, ...). Returns how many words to
// advance, or 0 when Saz was set (jump, call, block end) or the run must stop.
unsigned execute(Machine& m, Run& run, uint16_t w, uint16_t w1, uint16_t at);

// The instruction after B MW / B DW with its operand replaced by `operand`.
unsigned executeModified(Machine& m, Run& run, uint16_t next, uint16_t next1, uint16_t operand,
                         uint16_t at);

void illegal(Machine& m);

}  // namespace tavrin::simcore::interp

#endif
