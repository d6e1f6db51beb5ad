// What a programming device reads of a stopped controller: the control bits, the interrupt stack
// (USTACK) and the block stack (BSTACK) images, the stop location.
//
// Contents
//   ustackByte, setUstackByte   byte i of the USTACK area as a programming device sees it
//   buildControlBits            the first bytes of the USTACK area
//   buildStackImages            the USTACK and BSTACK images after a stop
//   controlBitsBytes, ustackImageBytes   how much of the area the exports copy
#ifndef SIMCORE_STACK_IMAGES_H
#define SIMCORE_STACK_IMAGES_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

// In byte-addressed types byte i is the S5 byte at USTACK start + i; in word-addressed types
// bytes 2k and 2k+1 are the high and low byte of the word at USTACK start + k.
uint8_t ustackByte(const SimImage& s, unsigned i);
void setUstackByte(SimImage& s, unsigned i, uint8_t value);

// The same view of the BSTACK area.
void setBstackByte(SimImage& s, unsigned i, uint8_t value);
uint8_t bstackByte(const SimImage& s, unsigned i);

void buildControlBits(Engine& engine);
void buildStackImages(Engine& engine);

inline unsigned controlBitsBytes(const SimImage& s) {
  return s.AddrPerWord == 1 ? 8 : 6;
}
inline unsigned ustackImageBytes(const SimImage& s) {
  return s.AddrPerWord == 1 ? 56 : 26;
}

}  // namespace tavrin::simcore

#endif
