#include "simcore/memory_reset.h"

#include <algorithm>

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/ram.h"
#include "simcore/s5_memory.h"

namespace tavrin::simcore {

namespace {

constexpr uint16_t kClearedTimerWord = 0x1000;  // value 0, time base 1

void clearBracketStack(SimImage& img) {
  for (unsigned i = 0; i < img.KLAMMER_STACK_GROESSE; ++i)
    setAreaWord(img, kBracketStack, i, 0);
  std::fill(std::begin(img.pendingOr), std::end(img.pendingOr), uint8_t{0});
  img.bracketDepth = 0;
}

// Every block but the integrated ones is marked deleted and its body cleared, and every word
// outside blocks is cleared; the integrated blocks stay as they are.
void clearRamKeepingIntegratedBlocks(const SimImage& img, const RamView& ram) {
  for (unsigned w = 0; w < ram.size;) {
    const StoredHeader h = headerAt(ram, w);
    if (!h.inside) {
      ram.setWord(static_cast<uint16_t>(w), 0);
      ++w;
      continue;
    }
    if (h.type() == kTypeDeleted || !IsIntegratedBlock(img, h.type(), h.number())) {
      ram.setWord(static_cast<uint16_t>(w + 1), kDeletedHeaderWord);
      for (unsigned i = kHeaderWords; i < h.length; ++i)
        ram.setWord(static_cast<uint16_t>(w + i), 0);
    }
    w += h.length;
  }
}

}  // namespace

void clearTimers(SimImage& img, unsigned from, unsigned to) {
  to = std::min<unsigned>({to, img.TIMER_ANZAHL, kMaxTimers});
  for (unsigned n = from; n < to; ++n) {
    setAreaWord(img, kTimers, n, kClearedTimerWord);
    img.timerRunningBits[n / 16] &= static_cast<uint16_t>(~(1u << (n % 16)));
    img.timerEdgeBits[n / 16] &= static_cast<uint16_t>(~(1u << (n % 16)));
    img.timerRemaining[n] = 0;
    img.timerStartMs[n] = 0;
  }
}

void clearCounters(SimImage& img, unsigned from, unsigned to) {
  to = std::min<unsigned>({to, img.COUNTER_ANZAHL, kMaxCounters});
  for (unsigned n = from; n < to; ++n)
    setAreaWord(img, kCounters, n, 0);
}

void clearFlags(SimImage& img, unsigned from, unsigned to) {
  to = std::min<unsigned>(to, img.MERKER_ANZAHL);
  for (unsigned n = from; n < to; ++n)
    byteAreaByte(img, kFlags, n) = 0;
}

void clearSFlags(SimImage& img) {
  for (unsigned n = 0; n < img.SMERKER_ANZAHL; ++n)
    byteAreaByte(img, kSFlags, n) = 0;
}

void clearProcessImages(SimImage& img) {
  for (unsigned n = 0; n < img.EA_ANZAHL; ++n)
    byteAreaByte(img, kProcessImage, n) = 0;
}

void clearAddressLists(SimImage& img) {
  for (const auto& kind : kBlockKinds)
    for (unsigned n = 0; n < kMaxBlockNumbers; ++n)
      setAreaWord(img, kind.list, n, 0);
}

void OverallReset(Engine& engine) {
  SimImage& img = engine.image();
  if (img.runState != 0) return;
  clearTimers(img, 0, kMaxTimers);
  clearCounters(img, 0, kMaxCounters);
  clearFlags(img, 0, img.MERKER_ANZAHL);
  clearSFlags(img);
  clearProcessImages(img);
  clearAddressLists(img);
  clearRamKeepingIntegratedBlocks(img, ramView(engine, RamKind::S5));
  if (ramsSeparate(engine)) clearRamKeepingIntegratedBlocks(img, ramView(engine, RamKind::Db));
  img.currentDb = 0;
  img.currentDbAddress = 0;
  img.currentDbLength = 0;
  img.currentDbWords = 0;
  // The integrated blocks move together; the rescan registers them again.
  CompressMemory(engine, true);
  img.blockStackDepth = 0;
  clearBracketStack(img);
  img.rangeCheck = 1;
  img.cycleStartKind = 0;
  ScanMemory(engine);
}

void resetMemory(Engine& engine) {
  SimImage& img = engine.image();
  clearTimers(img, 0, kMaxTimers);
  clearCounters(img, 0, kMaxCounters);
  clearFlags(img, 0, img.MERKER_ANZAHL);
  clearSFlags(img);
  clearProcessImages(img);
  ScanMemory(engine);
  img.blockStackDepth = 0;
  clearBracketStack(img);
}

void initialiseRegisters(SimImage& img) {
  img.blockStackDepth = 0;
  img.savedBlockStackDepth = 0;
  img.currentDb = 0;
  img.currentDbAddress = 0;
  img.currentDbLength = 0;
  img.currentDbWords = 0;
  img.obProcessing = 0;
  img.errorWord = 0;
  img.runState = 0;
  img.pendingObs = 0;
  img.interruptEnable = 1;
  img.stopLatch = 1;
  img.bracketDepth = 0;
  img.blockStatusTarget = 0;
}

}  // namespace tavrin::simcore
