// Writing a block as the exported interface does: the checks of each mode, then the store.
#ifndef SIMCORE_BLOCK_WRITE_H
#define SIMCORE_BLOCK_WRITE_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

enum BlockWriteMode : uint8_t {
  kWriteNormal = 0,      // DB0, integrated blocks and the PB1 rule are refused
  kWriteIntegrated = 1,  // the controller type's own blocks
  kWriteImport = 10,     // the block import mode: no checks of numbers
};

// DB0 and the integrated blocks may be neither written by a normal load nor erased.
bool writeProtected(const SimImage& img, uint8_t type, uint8_t number);
// While the cycle starts at PB1 (the program lies in PB1 alone) no other block may be loaded.
bool refusedWhileProgramInPb1(const SimImage& img, uint8_t type, uint8_t number);

// 0, 6 (type or number unknown, or a header that does not fit), 33 (no room), 80 (DB0 or an
// integrated block), 81 (the cycle starts at PB1 and this is not PB1).
uint16_t BstWrite(Engine& engine, int type, int number, int length, const uint8_t* bytes,
                  uint8_t mode);

}  // namespace tavrin::simcore

#endif
