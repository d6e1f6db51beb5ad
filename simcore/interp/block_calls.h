// Block calls and block ends, data block selection and creation, formal parameters.
#ifndef SIMCORE_INTERP_BLOCK_CALLS_H
#define SIMCORE_INTERP_BLOCK_CALLS_H

#include <cstdint>

#include "simcore/interp/machine.h"

namespace tavrin::simcore::interp {

inline constexpr uint16_t kMaxBlockStackDepth = 24;

// Pushes a frame that returns to `returnSaz` and keeps the caller's current data block; false
// (error bit 0x20 and a stop) when the stack is full.
bool pushFrame(Machine& m, uint16_t returnSaz, uint16_t calledBody);

// Calls a block (type code, number) from the instruction at `at` of `length` words. A missing
// block is skipped. Returns true when Saz now points into the called block.
bool callBlock(Machine& m, uint8_t type, unsigned number, uint16_t at, unsigned length);

// Ends the current block: the frame is popped and the caller's data block and Saz restored.
// Returns true when the organisation block of this run has ended.
bool endBlock(Machine& m, uint16_t entryDepth);

// A DB / AX DX.
void selectDataBlock(Machine& m, uint8_t type, unsigned number);
// E DB / EX DX with ACCU1-L the number of the last data word.
void createDataBlock(Machine& m, uint8_t type, unsigned number);

// The word of formal parameter p of the call that entered this function block; false (and a
// stop with 0x0EF0) for 0 or a number beyond the call's parameter count.
bool formalParameter(Machine& m, unsigned p, uint16_t& word, uint16_t* following = nullptr);

}  // namespace tavrin::simcore::interp

#endif
