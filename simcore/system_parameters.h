// The system parameters a programming device reads: 22 big-endian words (44 bytes) that tell it
// where the operand areas lie and how large the address lists are.
//
// Contents
//   systemParameterWords   the 22 words in the order of the image
//   buildSystemParameters  the 44-byte image in the record's sysParam field
#ifndef SIMCORE_SYSTEM_PARAMETERS_H
#define SIMCORE_SYSTEM_PARAMETERS_H

#include <array>
#include <cstdint>

#include "simcore/sim_image.h"

namespace tavrin::simcore {

// 0, 0, PAE, PAA, flags, timers, counters, BA (word-addressed) or BS start, software version,
// S5 end address, BS start (word-addressed) or 0, the seven address list lengths (DB, SB, PB,
// FB, OB, FX, DX) in S5 addresses, DB0 length, CPU2, header length in S5 addresses, CPU1.
std::array<uint16_t, 22> systemParameterWords(const SimImage& img);

// Returns the image (the record's sysParam field), high byte first.
const uint8_t* buildSystemParameters(SimImage& img);

}  // namespace tavrin::simcore

#endif
