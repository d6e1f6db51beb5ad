// The block import mode: the engine's block storage on a buffer of the caller, so that the
// program can place blocks read from elsewhere (a real controller, a file) and use the block
// lookups and the retranslation on them without touching the simulated controller's memory.
//
// Contents
//   kImportRamWords     the buffer's size
//   enterBlockImport    both RAMs become the buffer: empty, 0x7FFF words, 256 blocks of each type
//   leaveBlockImport    the controller's own RAMs, sizes, fill levels and block counts again
//
// While the mode lasts the buffer is one RAM for every block type: blocks are written with
// S5AG_BstWrite in mode 10 one after the other at one fill level, so data blocks never overwrite
// code blocks even when the controller type has separate RAMs. The address lists of the record
// describe the buffer; leaving the mode rebuilds them from the controller's memory. The program
// stops the controller before and runs no cycle during the mode.
#ifndef SIMCORE_BLOCK_IMPORT_H
#define SIMCORE_BLOCK_IMPORT_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

inline constexpr uint16_t kImportRamWords = 0x7FFF;

// False without a buffer. An active mode stays as it is.
bool enterBlockImport(Engine& engine, uint16_t* buffer);
// Does nothing when the mode is not active.
void leaveBlockImport(Engine& engine);

}  // namespace tavrin::simcore

#endif
