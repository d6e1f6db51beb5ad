// The MC5 interpreter: runs an organisation block from the simulated memory.
//
// Contents
//   RunOrganisationBlock   run OB n (300: PB1, 301: FB0) in the frame its caller pushed
//   pushOrganisationFrame  the frame an organisation block runs in
//
// All interpreter state lives in the record, so a nested run (an error or time-driven
// organisation block) and a nested event loop in the debug hook find it as it is.
#ifndef SIMCORE_INTERPRETER_H
#define SIMCORE_INTERPRETER_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

inline constexpr uint16_t kRunPB1 = 300;
inline constexpr uint16_t kRunFB0 = 301;

// Pushes the frame of an organisation block run; false when the block stack is full.
bool pushOrganisationFrame(Engine& engine);

// The caller has pushed a frame. Returns when the block ends at this depth, when the stop latch
// is set, or when the run must be abandoned (an error that ends it).
void RunOrganisationBlock(Engine& engine, uint16_t entry);

}  // namespace tavrin::simcore

#endif
