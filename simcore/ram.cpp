#include "simcore/ram.h"

#include <algorithm>

#include "simcore/s5_memory.h"

namespace tavrin::simcore {

uint16_t ramCapacityWords(const SimImage& img, uint16_t start) {
  if (!wordAddressed(img)) return static_cast<uint16_t>((0x10000u - start) / 2);
  const unsigned halfEnd = start < 0x8000 ? 0x8000u : 0x10000u;
  return static_cast<uint16_t>(std::min(halfEnd - start, 0xFFFFu));
}

RamView ramView(Engine& engine, RamKind kind) {
  SimImage& img = engine.image();
  const bool db = kind == RamKind::Db;
  const uint16_t start = img.areaStart[db ? kDbRam : kS5Ram];
  uint16_t* fill = db ? &img.dbRamFill : &img.s5RamFill;
  const uint16_t recorded = db ? img.DBRAM_GROESSE : img.S5RAM_GROESSE;
  if (engine.importBuffer != nullptr) return {engine.importBuffer, start, recorded, fill, kind};
  const uint16_t size = std::min(recorded, ramCapacityWords(img, start));
  return {&img.Space[hostIndex(img, start)], start, size, fill, kind};
}

bool ramsSeparate(const Engine& engine) {
  const SimImage& img = engine.image();
  return engine.importBuffer == nullptr && img.areaStart[kS5Ram] != img.areaStart[kDbRam];
}

RamKind ramFor(const Engine& engine, uint8_t typeCode) {
  return (typeCode == 0x01 || typeCode == 0x0C) && ramsSeparate(engine) ? RamKind::Db : RamKind::S5;
}

void memoryConfiguration(Engine& engine, uint8_t* out) {
  const RamView s5 = ramView(engine, RamKind::S5);
  const uint16_t fill = s5.address(engine.image(), *s5.fill);
  out[0] = static_cast<uint8_t>(s5.start >> 8);
  out[1] = static_cast<uint8_t>(s5.start);
  out[2] = static_cast<uint8_t>(fill >> 8);
  out[3] = static_cast<uint8_t>(fill);
}

}  // namespace tavrin::simcore
