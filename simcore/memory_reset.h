// Clearing the controller's memory: the overall reset, the clearing steps of the restarts, and
// the register state after every initialisation.
//
// Contents
//   clearTimers, clearCounters, clearFlags   ranges [from, to) of timers, counters, flag bytes
//   clearSFlags, clearProcessImages          the whole S flag area, both process images
//   clearAddressLists                        every address list entry
//   OverallReset                             everything but the integrated blocks (STOP only)
//   resetMemory                              the memory reset of an initialisation
//   initialiseRegisters                      block stack, data block, STOP, latches
#ifndef SIMCORE_MEMORY_RESET_H
#define SIMCORE_MEMORY_RESET_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

void clearTimers(SimImage& img, unsigned from, unsigned to);
void clearCounters(SimImage& img, unsigned from, unsigned to);
void clearFlags(SimImage& img, unsigned from, unsigned to);
void clearSFlags(SimImage& img);
void clearProcessImages(SimImage& img);
void clearAddressLists(SimImage& img);

// Does nothing in RUN.
void OverallReset(Engine& engine);

// Timers, counters, flags, S flags, process images cleared; address lists rebuilt from memory;
// block and bracket stacks empty.
void resetMemory(Engine& engine);

void initialiseRegisters(SimImage& img);

}  // namespace tavrin::simcore

#endif
