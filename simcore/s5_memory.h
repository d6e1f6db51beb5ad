// The S5 address space: where an address lives in Space and how words and bytes are read and
// written there.
//
// Contents
//   hostIndex                    the byte of Space that holds an address
//   inByteArea                   whether an address lies in the flags, process images or S flags
//   ReadS5Word ... WriteS5Byte   the access rules of both addressing modes
//   memoryWord, setMemoryWord    the little-endian memory word at an address
//   areaWord, byteAreaByte       element n of a word area (timers, BS, lists) or a byte area
//
// Byte-addressed types keep address a in Space[a]; word-addressed types keep the word of address
// a below 0x8000 at Space[2a], from 0x8000 on at Space[65535 + 2(a - 0x8000)], so the words at
// 0x7FFF and 0x8000 share one byte. Every index stays inside Space for any 16-bit address.
#ifndef SIMCORE_S5_MEMORY_H
#define SIMCORE_S5_MEMORY_H

#include <cstdint>

#include "simcore/sim_image.h"

namespace tavrin::simcore {

constexpr bool wordAddressed(const SimImage& img) {
  return img.AddrPerWord == 1;
}

constexpr std::size_t hostIndex(const SimImage& img, uint16_t address) {
  if (!wordAddressed(img)) return address;
  return address < 0x8000 ? std::size_t{address} * 2 : 65535 + std::size_t{address - 0x8000u} * 2;
}

bool inByteArea(const SimImage& img, uint16_t address);

uint16_t ReadS5Word(const SimImage& img, uint16_t address);
uint8_t ReadS5Byte(const SimImage& img, uint16_t address);
void WriteS5Word(SimImage& img, uint16_t address, uint16_t value);
void WriteS5Byte(SimImage& img, uint16_t address, uint8_t value);

inline uint16_t memoryWord(const SimImage& img, uint16_t address) {
  const std::size_t i = hostIndex(img, address);
  return static_cast<uint16_t>(img.Space[i] | img.Space[i + 1] << 8);
}
inline void setMemoryWord(SimImage& img, uint16_t address, uint16_t value) {
  const std::size_t i = hostIndex(img, address);
  img.Space[i] = static_cast<uint8_t>(value);
  img.Space[i + 1] = static_cast<uint8_t>(value >> 8);
}

// The S5 address of element n of a word area: start + n words.
inline uint16_t areaWordAddress(const SimImage& img, AreaStart area, unsigned n) {
  return static_cast<uint16_t>(img.areaStart[area] + n * img.AddrPerWord);
}
inline uint16_t areaWord(const SimImage& img, AreaStart area, unsigned n) {
  return memoryWord(img, areaWordAddress(img, area, n));
}
inline void setAreaWord(SimImage& img, AreaStart area, unsigned n, uint16_t value) {
  setMemoryWord(img, areaWordAddress(img, area, n), value);
}

// Byte n of a byte area lies at address start + n in both modes (the low byte of that word in
// word-addressed types).
inline uint8_t& byteAreaByte(SimImage& img, AreaStart area, unsigned n) {
  return img.Space[hostIndex(img, static_cast<uint16_t>(img.areaStart[area] + n))];
}
inline uint8_t byteAreaByte(const SimImage& img, AreaStart area, unsigned n) {
  return img.Space[hostIndex(img, static_cast<uint16_t>(img.areaStart[area] + n))];
}

}  // namespace tavrin::simcore

#endif
