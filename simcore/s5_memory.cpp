#include "simcore/s5_memory.h"

namespace tavrin::simcore {

namespace {

bool within(uint16_t address, uint16_t start, uint16_t count) {
  return address >= start && address - start < count;
}

}  // namespace

bool inByteArea(const SimImage& img, uint16_t address) {
  return within(address, img.areaStart[kFlags], img.MERKER_ANZAHL) ||
         within(address, img.areaStart[kProcessImage], img.EA_ANZAHL) ||
         within(address, img.areaStart[kSFlags], img.SMERKER_ANZAHL);
}

uint16_t ReadS5Word(const SimImage& img, uint16_t address) {
  if (wordAddressed(img))
    return address == 0x7FFF || address == 0xFFFF ? 0 : memoryWord(img, address);
  if (inByteArea(img, address))
    return static_cast<uint16_t>(img.Space[address] << 8 | img.Space[address + 1u]);
  return memoryWord(img, address);
}

uint8_t ReadS5Byte(const SimImage& img, uint16_t address) {
  if (wordAddressed(img)) return img.Space[hostIndex(img, address)];
  if (inByteArea(img, address)) return img.Space[address];
  if (address == 0x0000 || address == 0xFFFF) return 0;
  // Seen from S5 the bytes of a memory word stand high byte first.
  return address % 2 == 0 ? img.Space[address + 1u] : img.Space[address - 1u];
}

void WriteS5Word(SimImage& img, uint16_t address, uint16_t value) {
  if (wordAddressed(img)) {
    if (address == 0x7FFF || address == 0xFFFF)
      img.Space[hostIndex(img, address)] = static_cast<uint8_t>(value);
    else
      setMemoryWord(img, address, value);
    return;
  }
  if (inByteArea(img, address)) {
    img.Space[address] = static_cast<uint8_t>(value >> 8);
    img.Space[address + 1u] = static_cast<uint8_t>(value);
    return;
  }
  setMemoryWord(img, address, value);
}

void WriteS5Byte(SimImage& img, uint16_t address, uint8_t value) {
  if (wordAddressed(img)) {
    img.Space[hostIndex(img, address)] = value;
    return;
  }
  if (inByteArea(img, address)) {
    img.Space[address] = value;
    return;
  }
  if (address == 0x0000 || address == 0xFFFF) return;
  img.Space[address % 2 == 0 ? address + 1u : address - 1u] = value;
}

}  // namespace tavrin::simcore
