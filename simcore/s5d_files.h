// Loading the blocks of an S5D block file into the controller's memory.
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

}  // namespace tavrin::simcore

#endif
