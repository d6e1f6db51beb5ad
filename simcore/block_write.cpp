#include "simcore/block_write.h"

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/interpreter.h"

namespace tavrin::simcore {

bool writeProtected(const SimImage& img, uint8_t type, uint8_t number) {
  return (type == kTypeDB && number == 0) || IsIntegratedBlock(img, type, number);
}

bool refusedWhileProgramInPb1(const SimImage& img, uint8_t type, uint8_t number) {
  return img.cycleStartKind == kRunPB1 && !(type == kTypePB && number == 1);
}

uint16_t BstWrite(Engine& engine, int type, int number, int length, const uint8_t* bytes,
                  uint8_t mode) {
  const SimImage& img = engine.image();
  const BlockKind* kind = blockKind(static_cast<unsigned>(type));
  if (kind == nullptr || number < 0 || number > 255 || length < 0 || length > 0xFFFF) return 6;
  if (mode != kWriteImport && number >= img.blockCount[kind->count]) return 6;
  const auto t = static_cast<uint8_t>(type);
  const auto n = static_cast<uint8_t>(number);
  if (mode == kWriteNormal) {
    if (t == kTypeDB && n == 0) return 80;
    if (refusedWhileProgramInPb1(img, t, n)) return 81;
    if (writeProtected(img, t, n)) return 80;
  }
  return storeBlock(engine, t, n, bytes, static_cast<uint16_t>(length));
}

}  // namespace tavrin::simcore
