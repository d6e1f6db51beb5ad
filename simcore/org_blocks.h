// Organisation blocks the engine starts on its own: error organisation blocks after a failing
// instruction, pending interrupt and time-driven blocks at block boundaries, and the clock-driven
// checks between instructions (cycle monitoring, the background routine).
//
// Contents
//   runOrganisationBlockInFrame   run OB n in a frame of its own
//   processErrors                 the error word after an instruction
//   atBlockBoundary               start pending interrupt and time-driven blocks
//   pollClock                     cycle monitoring and the background routine
//   BackgroundRoutine             time-driven requests and the timers, every 10 ms at most
#ifndef SIMCORE_ORG_BLOCKS_H
#define SIMCORE_ORG_BLOCKS_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

// False when the frame could not be pushed. The interrupted run's instruction count is kept.
bool runOrganisationBlockInFrame(Engine& engine, uint16_t ob);

enum class ErrorOutcome { Continue, AbandonRun };
ErrorOutcome processErrors(Engine& engine);

// `calledNumber` is the number of the block being called, or -1 at a block end.
void atBlockBoundary(Engine& engine, int calledNumber);

void pollClock(Engine& engine);

// Acts only when at least 10 ms have passed since it last acted in this process.
void BackgroundRoutine(Engine& engine);

}  // namespace tavrin::simcore

#endif
