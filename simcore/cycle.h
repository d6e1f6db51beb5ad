// One program cycle of the simulated controller, and the restarts it carries out.
//
// Contents
//   Step5Zyklus        one cycle call: mode switches, restart, the cycle block, cycle time
//   Restart            the three restart kinds with their organisation blocks
//   requestSpecialOb   an interrupt, time-driven or error organisation block requested from outside
#ifndef SIMCORE_CYCLE_H
#define SIMCORE_CYCLE_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

void Step5Zyklus(Engine& engine);

// The restart chosen by the switches: cold (OB20), manual warm (OB21), after power on (OB22).
void Restart(Engine& engine);

// False when OB n does not exist or cannot be requested.
bool requestSpecialOb(Engine& engine, int ob);

}  // namespace tavrin::simcore

#endif
