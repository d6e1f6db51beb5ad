// S5D block files and the controller's memory: loading a file's blocks, saving all blocks.
//
// Contents
//   loadS5dFile   the code and data blocks of a file into memory
//   saveS5dFile   every block of the memory into a new file
#ifndef SIMCORE_S5D_FILES_H
#define SIMCORE_S5D_FILES_H

#include <cstdint>
#include <string>

#include "simcore/engine.h"

namespace tavrin::simcore {

enum class S5dLoad {
  Ordinary,          // an overall reset first, then the blocks as the program
  IntegratedBlocks,  // the controller type's own blocks, added to what is there
};

// 0 done, 10 the file is missing or cannot be read. Blocks that cannot be read are reported and
// skipped; blocks the memory refuses are skipped.
uint16_t loadS5dFile(Engine& engine, const std::string& path, S5dLoad how);

// The most bytes of a block a saved file takes.
inline constexpr unsigned kMaxSavedBlockBytes = 10000;

// The blocks in the type order OB, PB, SB, FB, FX, DB, DX, each type by number. 0 saved; 16 the
// file exists and may not be overwritten; 17 it could not be deleted; 10 it could not be
// created; 15 a block was longer than kMaxSavedBlockBytes or could not be written: that block
// is left out, every other one is saved.
uint16_t saveS5dFile(Engine& engine, const std::string& path, bool overwrite);

}  // namespace tavrin::simcore

#endif
