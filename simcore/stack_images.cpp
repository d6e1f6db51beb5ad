#include "simcore/stack_images.h"

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/interp/machine.h"
#include "simcore/s5_memory.h"

namespace tavrin::simcore {

namespace {

uint8_t areaByte(const SimImage& s, uint16_t start, unsigned i) {
  if (s.AddrPerWord == 2) return ReadS5Byte(s, static_cast<uint16_t>(start + i));
  const uint16_t word = ReadS5Word(s, static_cast<uint16_t>(start + i / 2));
  return static_cast<uint8_t>(i % 2 == 0 ? word >> 8 : word);
}

void setAreaByte(SimImage& s, uint16_t start, unsigned i, uint8_t value) {
  if (s.AddrPerWord == 2) {
    WriteS5Byte(s, static_cast<uint16_t>(start + i), value);
    return;
  }
  const auto address = static_cast<uint16_t>(start + i / 2);
  const uint16_t word = ReadS5Word(s, address);
  WriteS5Word(s, address,
              i % 2 == 0 ? static_cast<uint16_t>((word & 0x00FF) | value << 8)
                         : static_cast<uint16_t>((word & 0xFF00) | value));
}

void setPair(SimImage& s, unsigned i, uint16_t value) {
  setUstackByte(s, i, static_cast<uint8_t>(value >> 8));
  setUstackByte(s, i + 1, static_cast<uint8_t>(value));
}

uint8_t statusByte(const SimImage& s) {
  return static_cast<uint8_t>(s.ANZ1 << 7 | s.ANZ0 << 6 | s.OV << 5 | s.OS << 4 | s.STATUS << 2 |
                              s.VKE << 1 | s.ERAB);
}

uint16_t s5Address(const SimImage& s, uint16_t wordIndex) {
  return static_cast<uint16_t>(s.areaStart[kS5Ram] + wordIndex * s.AddrPerWord);
}

bool any(uint16_t word, uint16_t bits) {
  return (word & bits) != 0;
}

void buildUstackImage(Engine& engine) {
  SimImage& s = engine.image();
  const uint16_t err = s.errorWord;
  const uint16_t sazOldAddress = s5Address(s, s.SazOld);
  const uint16_t instruction = s.SazOld < 0xFFFF ? ReadS5Word(s, sazOldAddress) : 0;
  const uint16_t db = s.currentDb != 0 ? s.currentDbAddress : 0;
  if (s.AddrPerWord == 2) {
    for (unsigned i = 2; i < 34; ++i)
      setUstackByte(s, i, 0);
    setUstackByte(s, 2,
                  static_cast<uint8_t>((s.runState != 0 ? 0x40 : 0) |
                                       (s.passedCycleInRun != 0 ? 0x20 : 0) | 0x08));
    setUstackByte(s, 8,
                  static_cast<uint8_t>((any(err, interp::kErrAddressing) ? 0x20 : 0) |
                                       (any(err, interp::kErrTransfer) ? 0x10 : 0) |
                                       (any(err, interp::kErrIllegal) ? 0x08 : 0) |
                                       (any(err, interp::kErrStop) ? 0x04 : 0) |
                                       (any(err, interp::kErrStackOverflow) ? 0x02 : 0)));
    setUstackByte(s, 9, any(err, interp::kErrCycleTime) ? 0x10 : 0);
    setUstackByte(s, 11, statusByte(s));
    setUstackByte(s, 18, static_cast<uint8_t>(s.bracketDepth));
    setPair(s, 20, db);
    const unsigned depth = s.savedBlockStackDepth;
    setPair(
        s, 22,
        depth > 0 && depth < kBlockStackFrames ? s5Address(s, s.blockStack[depth].returnSaz) : 0);
    setPair(s, 24, sazOldAddress);
    setPair(s, 26, instruction);
    setPair(s, 28, static_cast<uint16_t>(s.ACCU2));
    setPair(s, 30, static_cast<uint16_t>(s.ACCU1));
    return;
  }
  for (unsigned i = 8; i < 64; ++i)
    setUstackByte(s, i, 0);
  setUstackByte(s, 8,
                static_cast<uint8_t>((any(err, interp::kErrStop) ? 0x01 : 0) |
                                     (any(err, interp::kErrAddressingReserved) ? 0x02 : 0) |
                                     (any(err, interp::kErrCycleTime) ? 0x08 : 0)));
  setUstackByte(
      s, 9,
      static_cast<uint8_t>(
          (any(err, interp::kErrCollision) ? 0x02 : 0) |
          (any(err, interp::kErrStackOverflow) ? 0x08 : 0) |
          (any(err, interp::kErrAddressing | interp::kErrTransfer | interp::kErrIllegal) ? 0x20
                                                                                         : 0)));
  setUstackByte(s, 32, static_cast<uint8_t>(s.currentDbLength >> 8));
  const uint32_t accus[4] = {s.ACCU3, s.ACCU4, s.ACCU1, s.ACCU2};
  for (unsigned k = 0; k < 4; ++k) {
    const unsigned at = k < 2 ? 34 + 4 * k : 42 + 4 * (k - 2);
    setPair(s, at, static_cast<uint16_t>(accus[k]));
    setPair(s, at + 2, static_cast<uint16_t>(accus[k] >> 16));
  }
  setUstackByte(s, 51, statusByte(s));
  setPair(s, 52, sazOldAddress);
  setPair(s, 54, db);
  setPair(s, 56, s.savedBlockStackDepth);
  setPair(s, 60, instruction);
}

void buildBstackImage(Engine& engine) {
  SimImage& s = engine.image();
  unsigned out = 0;
  const auto put = [&](uint16_t value) {
    setBstackByte(s, out++, static_cast<uint8_t>(value >> 8));
    setBstackByte(s, out++, static_cast<uint8_t>(value));
  };
  const unsigned depth = std::min<unsigned>(s.savedBlockStackDepth, kBlockStackFrames - 1);
  if (depth == 0) {
    s.bstackImageLength = 0;
    return;
  }
  const bool word = s.AddrPerWord == 1;
  if (word) {
    put(s.currentDb != 0 ? s.currentDbAddress : 0);
    put(s5Address(s, s.SazOld));
  }
  for (unsigned f = depth; f >= 2; --f) {
    const BlockStackFrame& frame = s.blockStack[f];
    put(frame.callerDbAddress);
    if (word) {
      put(s5Address(s, frame.returnSaz));
    } else {
      const uint16_t block = FindBlockAt(engine, frame.returnSaz, false);
      put(block != 0
              ? bodyAddress(engine, static_cast<uint8_t>(block >> 8), static_cast<uint8_t>(block))
              : 0);
    }
  }
  if (!word) {
    put(0);
    put(0);
  }
  s.bstackImageLength = static_cast<uint16_t>(out);
}

}  // namespace

uint8_t ustackByte(const SimImage& s, unsigned i) {
  return areaByte(s, s.areaStart[kUStack], i);
}
void setUstackByte(SimImage& s, unsigned i, uint8_t value) {
  setAreaByte(s, s.areaStart[kUStack], i, value);
}
uint8_t bstackByte(const SimImage& s, unsigned i) {
  return areaByte(s, s.areaStart[kBStack], i);
}
void setBstackByte(SimImage& s, unsigned i, uint8_t value) {
  setAreaByte(s, s.areaStart[kBStack], i, value);
}

void buildControlBits(Engine& engine) {
  SimImage& s = engine.image();
  if (s.AddrPerWord == 2) {
    for (unsigned i = 0; i < 6; ++i)
      setUstackByte(s, i, 0);
    setUstackByte(s, 2,
                  static_cast<uint8_t>((s.stopRequestedByPg != 0 ? 0x80 : 0) |
                                       (s.stopLatch != 0 ? 0x40 : 0)));
    return;
  }
  const uint16_t err = s.errorWord;
  const unsigned ram = s.S5RAM_GROESSE;
  setUstackByte(
      s, 0,
      static_cast<uint8_t>((s.stopLatch != 0 ? 0x80 : 0) | (s.stopRequestedByPg != 0 ? 0x08 : 0)));
  setUstackByte(s, 1,
                static_cast<uint8_t>(
                    (s.restartPending != 0 ? 0x80 : 0) | (s.lastRestartKind == 1 ? 0x20 : 0) |
                    (s.lastRestartKind == 2 ? 0x10 : 0) | (s.lastRestartKind == 3 ? 0x08 : 0)));
  setUstackByte(
      s, 2,
      static_cast<uint8_t>((s.runState != 0 ? 0x80 : 0) | (blockExists(s, kTypeOB, 1) ? 0x08 : 0) |
                           (blockExists(s, kTypeFB, 0) ? 0x04 : 0)));
  setUstackByte(s, 3,
                static_cast<uint8_t>(ram > 31999   ? 0x80
                                     : ram > 15999 ? 0x40
                                     : ram > 7999  ? 0x20
                                                   : 0));
  setUstackByte(s, 4, 0);
  setUstackByte(s, 5, 0);
  setUstackByte(s, 6,
                static_cast<uint8_t>((any(err, interp::kErrCollision) ? 0x01 : 0) |
                                     (any(err, interp::kErrAddressingReserved) ? 0x02 : 0) |
                                     (any(err, interp::kErrCycleTime) ? 0x08 : 0)));
  setUstackByte(
      s, 7,
      any(err, interp::kErrAddressing | interp::kErrTransfer | interp::kErrIllegal) ? 0x04 : 0);
}

void buildStackImages(Engine& engine) {
  buildUstackImage(engine);
  buildBstackImage(engine);
}

}  // namespace tavrin::simcore
