// The saves the controller makes on its own, as the program switched them on: the backup file
// and the S5D file after a requested compression in STOP, the backup file at every change to
// STOP.
#ifndef SIMCORE_AUTO_SAVES_H
#define SIMCORE_AUTO_SAVES_H

#include "simcore/engine.h"

namespace tavrin::simcore {

// After a compression the program or a programming device asked for; nothing in RUN.
void saveAfterCompression(Engine& engine);
void saveOnStop(Engine& engine);

}  // namespace tavrin::simcore

#endif
