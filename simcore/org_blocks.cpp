#include "simcore/org_blocks.h"

#include <algorithm>

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/interp/machine.h"
#include "simcore/interpreter.h"
#include "simcore/s5_memory.h"
#include "simcore/status_recorder.h"

namespace tavrin::simcore {

namespace {

using interp::ErrorBit;

constexpr uint16_t kPendingOb2 = 1u << 10;
constexpr uint16_t kPendingOb9 = 1u << 9;
constexpr uint64_t kBackgroundSpacingMs = 10;
constexpr uint16_t kTimeDrivenBits = 0x01FF;  // OB10 .. OB18

struct ErrorBlock {
  uint16_t bit;
  uint8_t ob;
};
// Taken in this order.
constexpr ErrorBlock kErrorBlocks[] = {
    {interp::kErrAddressing, 25}, {interp::kErrTransfer, 32},  {interp::kErrAddressingReserved, 25},
    {interp::kErrCycleTime, 26},  {interp::kErrCollision, 33}, {interp::kErrBattery, 34},
};
constexpr uint16_t kStopAtOnce = interp::kErrReserved2 | interp::kErrIllegal | interp::kErrStop |
                                 interp::kErrStackOverflow | interp::kErrReserved200 |
                                 interp::kErrReserved800;

void stopLatched(SimImage& s) {
  s.stopLatch = 1;
  s.savedBlockStackDepth = s.blockStackDepth;
}

bool obExists(const SimImage& s, unsigned ob) {
  return blockExists(s, kTypeOB, static_cast<uint8_t>(ob));
}

constexpr uint64_t kTimeUnitMs[4] = {10, 100, 1000, 10000};

void countDownTimers(SimImage& s, uint64_t now) {
  const unsigned timers = std::min<unsigned>(s.TIMER_ANZAHL, kMaxTimers);
  for (unsigned n = 0; n < timers; ++n) {
    if (((s.timerRunningBits[n / 16] >> (n % 16)) & 1) == 0) continue;
    uint16_t word = areaWord(s, kTimers, n);
    if ((word & 0x8000) == 0) continue;
    const uint64_t elapsed = now > s.timerStartMs[n] ? now - s.timerStartMs[n] : 0;
    const uint64_t units = elapsed / kTimeUnitMs[(word >> 12) & 3];
    const uint64_t start = std::min<uint64_t>(s.timerRemaining[n], 999);
    const auto value = static_cast<uint16_t>(units >= start ? 0 : start - units);
    word = static_cast<uint16_t>((word & ~0x3FFu) | value);
    if (value == 0) {
      word &= static_cast<uint16_t>(~0x8000u);
      s.timerRunningBits[n / 16] &= static_cast<uint16_t>(~(1u << (n % 16)));
    }
    setAreaWord(s, kTimers, n, word);
  }
}

}  // namespace

bool runOrganisationBlockInFrame(Engine& engine, uint16_t ob) {
  SimImage& s = engine.image();
  if (!pushOrganisationFrame(engine)) return false;
  const uint16_t interruptedCount = s.instructionsThisRun;
  RunOrganisationBlock(engine, ob);
  s.instructionsThisRun = interruptedCount;
  return true;
}

ErrorOutcome processErrors(Engine& engine) {
  SimImage& s = engine.image();
  ErrorOutcome outcome = ErrorOutcome::Continue;
  // The recorder runs after every instruction while it is armed; the bit stays set.
  if ((s.errorWord & interp::kErrBlockStatus) != 0) recordBlockStatus(engine);
  if ((s.errorWord & kStopAtOnce) != 0) {
    stopLatched(s);
    return outcome;
  }
  for (const ErrorBlock& e : kErrorBlocks) {
    if (s.stopLatch != 0) break;
    if ((s.errorWord & e.bit) == 0) continue;
    if ((s.errorObsInProgress & e.bit) != 0 || !obExists(s, e.ob)) {
      // The bit stays set, so that the interrupt stack shows why the controller stopped.
      stopLatched(s);
      if (e.bit == interp::kErrTransfer || e.bit == interp::kErrCollision)
        outcome = ErrorOutcome::AbandonRun;
      break;
    }
    s.errorWord &= static_cast<uint16_t>(~e.bit);
    if (e.bit == interp::kErrCycleTime) s.cycleMonitoringStartMs = engine.nowMs();
    s.errorObsInProgress |= e.bit;
    runOrganisationBlockInFrame(engine, e.ob);
    s.errorObsInProgress &= static_cast<uint16_t>(~e.bit);
  }
  return outcome;
}

void atBlockBoundary(Engine& engine, int /*calledNumber*/) {
  SimImage& s = engine.image();
  if (s.pendingObs == 0 || s.stopLatch != 0) return;
  if ((s.pendingObs & kPendingOb2) != 0 && s.timeObsAllowed != 0) {
    s.pendingObs &= static_cast<uint16_t>(~kPendingOb2);
    if (s.interruptEnable != 0 && obExists(s, 2)) {
      s.timeObsAllowed = 0;
      s.interruptEnable = 0;
      runOrganisationBlockInFrame(engine, 2);
      s.timeObsAllowed = 1;
      s.interruptEnable = 1;
    }
  }
  if (s.timeObsAllowed == 0 || s.interruptEnable == 0) return;
  for (unsigned i = 0; i < kTimeDrivenObs && s.stopLatch == 0; ++i) {
    const auto bit = static_cast<uint16_t>(1u << i);
    if ((s.pendingObs & bit) == 0) continue;
    if ((s.obProcessing & (bit - 1)) != 0) break;  // a block of higher priority is running
    if ((s.obProcessing & bit) != 0) {
      s.errorWord |= interp::kErrCollision;
      return;
    }
    if (!obExists(s, 10 + i)) {
      s.stopLatch = 1;
      s.savedBlockStackDepth = s.blockStackDepth;
      setAreaWord(s, kBs, 3, interp::kBlockMissing);
      setAreaWord(s, kBs, 4, s.Saz);
      return;
    }
    s.obProcessing |= bit;
    s.pendingObs &= static_cast<uint16_t>(~bit);
    runOrganisationBlockInFrame(engine, static_cast<uint16_t>(10 + i));
    s.obProcessing &= static_cast<uint16_t>(~bit);
  }
  if ((s.pendingObs & kPendingOb9) != 0 && (s.obProcessing & kTimeDrivenBits) == 0 &&
      s.stopLatch == 0 && obExists(s, 9)) {
    s.pendingObs &= static_cast<uint16_t>(~kPendingOb9);
    runOrganisationBlockInFrame(engine, 9);
  }
}

void pollClock(Engine& engine) {
  SimImage& s = engine.image();
  const uint64_t now = engine.nowMs();
  if (now < s.cycleMonitoringStartMs) {
    s.cycleMonitoringStartMs = now;
  } else if (now - s.cycleMonitoringStartMs > s.cycleMonitoringMs &&
             (s.errorWord & interp::kErrCycleTime) == 0) {
    s.errorWord |= interp::kErrCycleTime;
    setAreaWord(s, kBs, 3, interp::kCycleTimeExceeded);
    setAreaWord(s, kBs, 4, s.Saz);
  }
  BackgroundRoutine(engine);
}

void BackgroundRoutine(Engine& engine) {
  SimImage& s = engine.image();
  const uint64_t now = engine.nowMs();
  if (now >= engine.lastBackgroundMs && now - engine.lastBackgroundMs < kBackgroundSpacingMs)
    return;
  engine.lastBackgroundMs = now;
  for (unsigned i = 0; i < kTimeDrivenObs; ++i) {
    if (now <= s.obLastRunMs[i] || now - s.obLastRunMs[i] <= s.obPeriodMs[i]) continue;
    s.obLastRunMs[i] = now;
    if (obExists(s, 10 + i)) s.pendingObs |= static_cast<uint16_t>(1u << i);
  }
  countDownTimers(s, now);
}

}  // namespace tavrin::simcore
