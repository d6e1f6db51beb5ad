#include "simcore/interp/machine.h"

#include "simcore/block_kinds.h"
#include "simcore/ram.h"
#include "simcore/s5_memory.h"

namespace tavrin::simcore::interp {

namespace {

uint8_t* areaBase(SimImage& img, AreaStart area) {
  return &img.Space[hostIndex(img, img.areaStart[area])];
}

}  // namespace

Machine::Machine(Engine& e) : engine(e), img(e.image()) {
  const RamView s5 = ramView(e, RamKind::S5);
  code = s5.base;
  codeWords = s5.size;
  const RamView data = ramView(e, ramFor(e, kTypeDB));
  dataRam = data.base;
  dataRamWords = data.size;
  wordAddressed = img.AddrPerWord == 1;
  byteShift = wordAddressed ? 1 : 0;
  flags = areaBase(img, kFlags);
  processImage = areaBase(img, kProcessImage);
  sFlags = areaBase(img, kSFlags);
  timers = areaBase(img, kTimers);
  counters = areaBase(img, kCounters);
  bs = areaBase(img, kBs);
  ba = areaBase(img, kBa);
  bracketStack = areaBase(img, kBracketStack);
  refreshDataBlock();
}

void Machine::refreshDataBlock() {
  db = nullptr;
  if (img.currentDb == 0 || img.currentDbLength < kHeaderWords) return;
  const uint16_t ramStart = img.areaStart[ramFor(engine, kTypeDB) == RamKind::Db ? kDbRam : kS5Ram];
  const unsigned body = (img.currentDbAddress - ramStart) / img.AddrPerWord;
  if (body + img.currentDbWords > dataRamWords) return;
  db = dataRam + 2 * body;
}

void Machine::stopWithoutCause() {
  img.stopLatch = 1;
  img.savedBlockStackDepth = img.blockStackDepth;
}

void Machine::stop(uint16_t cause) {
  stopWithoutCause();
  wr16(bsWord(3), cause);
  wr16(bsWord(4), img.Saz);
}

}  // namespace tavrin::simcore::interp
