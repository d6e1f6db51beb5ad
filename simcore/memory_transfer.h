// Memory as a programming device writes and reads it: words or bytes at S5 addresses, timers
// started from the words written into the timer area, the start/stop command of byte-addressed
// types, the address of the control bits.
//
// Contents
//   controlBitsAddress   reading from here rebuilds the control bits first
//   writeMemoryWords     big-endian words to consecutive word positions (S5AG_WriteAdr, job 0x03
//                        of word-addressed types)
//   writeMemoryBytes     bytes to consecutive addresses (job 0x03 of byte-addressed types)
//   isStartStopAddress, startStopCommand   the start/stop command of byte-addressed types
//
// Writes end at address 0xFFFF; nothing wraps round to address 0.
#ifndef SIMCORE_MEMORY_TRANSFER_H
#define SIMCORE_MEMORY_TRANSFER_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

// BS start + 10 in byte-addressed, BS start + 5 in word-addressed types.
uint16_t controlBitsAddress(const SimImage& img);

// `length` bytes, taken as length / 2 words; word i goes to address + i (word-addressed) or
// address + 2i (byte-addressed). A word written into the timer area sets and starts its timer.
void writeMemoryWords(Engine& engine, uint16_t address, const uint8_t* bytes, unsigned length);

// Byte i goes to address + i (WriteS5Byte); afterwards every timer whose word's first address
// was written is set and started from the word that now stands there.
void writeMemoryBytes(Engine& engine, uint16_t address, const uint8_t* bytes, unsigned length);

// BS start + 12, or 0xEA0C, in a byte-addressed type.
bool isStartStopAddress(const SimImage& img, uint16_t address);

// In STOP, unless USTACK byte 2 shows RUN: the run switch is set and the restart requests and
// the stop latch are cleared, so that the next cycle call makes a warm restart. Otherwise, when
// the stop latch is clear and USTACK byte 2 bit 7 or bit 7 of `dataByte` is set, a stop is
// requested.
void startStopCommand(SimImage& img, uint8_t dataByte);

}  // namespace tavrin::simcore

#endif
