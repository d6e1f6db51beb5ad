#include "simcore/cycle.h"

#include <algorithm>

#include "simcore/auto_saves.h"
#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/controller_setup.h"
#include "simcore/interp/machine.h"
#include "simcore/interpreter.h"
#include "simcore/memory_reset.h"
#include "simcore/org_blocks.h"
#include "simcore/s5_memory.h"
#include "simcore/stack_images.h"
#include "simcore/status_recorder.h"

namespace tavrin::simcore {

namespace {

constexpr uint16_t kKindOB1 = 1;
constexpr unsigned kAveragingCalls = 50;
constexpr uint8_t kUstackRunBit = 0x40;
constexpr uint8_t kUstackRestartBit = 0x80;

enum class RestartKind : uint8_t { Cold = 1, ManualWarm = 2, PowerOn = 3 };

uint16_t startBlockKind(const SimImage& s) {
  if (blockExists(s, kTypeOB, 1)) return kKindOB1;
  if (blockExists(s, kTypeFB, 0)) return kRunFB0;
  if (blockExists(s, kTypePB, 1)) return kRunPB1;
  return 0;
}

void stopWith(SimImage& s, uint16_t cause) {
  s.stopLatch = 1;
  s.savedBlockStackDepth = s.blockStackDepth;
  setAreaWord(s, kBs, 3, cause);
  setAreaWord(s, kBs, 4, s.Saz);
}

void resetRegisters(Engine& engine) {
  SimImage& s = engine.image();
  s.VKE = 1;
  s.ERAB = 1;
  s.STATUS = s.OS = s.OV = s.ANZ0 = s.ANZ1 = 0;
  s.ACCU1 = s.ACCU2 = s.ACCU3 = s.ACCU4 = 0;
  s.stopRequestedByProgram = 0;
  std::fill(std::begin(s.pendingOr), std::end(s.pendingOr), uint8_t{0});
  s.obProcessing = s.errorObsInProgress = s.pendingObs = s.errorWord = 0;
  s.stopLatch = 0;
  s.timeObsAllowed = 0;
  setAreaWord(s, kBs, 3, 0);
  setAreaWord(s, kBs, 4, 0);
  const uint64_t now = engine.nowMs();
  std::fill(std::begin(s.obLastRunMs), std::end(s.obLastRunMs), now);
  std::fill(std::begin(s.timerRunningBits), std::end(s.timerRunningBits), uint16_t{0});
  std::fill(std::begin(s.timerEdgeBits), std::end(s.timerEdgeBits), uint16_t{0});
  const unsigned timers = std::min<unsigned>(s.TIMER_ANZAHL, kMaxTimers);
  for (unsigned n = 0; n < timers; ++n)
    setAreaWord(s, kTimers, n, static_cast<uint16_t>(areaWord(s, kTimers, n) & ~0x0C00u));
}

void emptyStacks(SimImage& s) {
  s.blockStackDepth = 0;
  s.bracketDepth = 0;
  for (unsigned i = 0; i < s.KLAMMER_STACK_GROESSE; ++i)
    setAreaWord(s, kBracketStack, i, 0);
}

// The cycle time: BS 0 the duration of this call, BS 1 the average duration of the last 50.
void measureCycleTime(Engine& engine, uint64_t start) {
  SimImage& s = engine.image();
  const uint64_t now = engine.nowMs();
  const uint64_t duration = now >= start ? now - start : 0;
  setAreaWord(s, kBs, 0, static_cast<uint16_t>(std::min<uint64_t>(duration, 0xFFFF)));
  s.averagingDurationSumMs += duration;
  if (s.cyclesInWindow >= kAveragingCalls) {
    s.averageCycleMs = static_cast<double>(s.averagingDurationSumMs) / s.cyclesInWindow;
    setAreaWord(s, kBs, 1, static_cast<uint16_t>(std::min(s.averageCycleMs, 65535.0)));
    s.cyclesInWindow = 0;
    s.averagingDurationSumMs = 0;
  }
}

void handleModes(Engine& engine) {
  SimImage& s = engine.image();
  if (s.reinitNextCycle != 0) {
    s.reinitNextCycle = 0;
    InitDefaults(engine);
    resetMemory(engine);
  }
  if (s.runSwitch != 0 && (s.acceptedRunSwitch == 0 || s.powerOn != 0)) {
    s.acceptedRunSwitch = s.runSwitch;
    s.restartPending = 1;
    s.runState = 1;
  } else if (s.runSwitch == 0) {
    s.runState = 0;
    s.acceptedRunSwitch = 0;
  }
  const uint8_t ustack2 = ustackByte(s, 2);
  if ((ustack2 & kUstackRunBit) != 0 && s.runState == 0) {
    // Just stopped: the stacks are kept for the programming device, the outputs go off.
    buildStackImages(engine);
    for (unsigned n = 128; n < std::min<unsigned>(s.EA_ANZAHL, 256); ++n)
      byteAreaByte(s, kProcessImage, n) = 0;
    saveOnStop(engine);
  }
  setUstackByte(s, 2,
                static_cast<uint8_t>(s.runState != 0 ? (ustackByte(s, 2) | kUstackRunBit)
                                                     : (ustackByte(s, 2) & ~kUstackRunBit)));
}

void runCycle(Engine& engine) {
  SimImage& s = engine.image();
  s.cycleMonitoringStartMs = engine.nowMs();
  if (s.restartPending != 0) {
    s.restartPending = 0;
    s.cycleStartKind = startBlockKind(s);
    if (s.cycleStartKind != kRunPB1) {
      Restart(engine);
    } else {
      // A program in PB1 alone has no restart; it still starts on empty stacks.
      emptyStacks(s);
      s.errorWord = 0;
      s.stopLatch = 0;
    }
    s.powerOn = 0;
    setUstackByte(s, 2,
                  static_cast<uint8_t>(s.runState != 0 ? (ustackByte(s, 2) | kUstackRestartBit)
                                                       : (ustackByte(s, 2) & ~kUstackRestartBit)));
  }
  s.passedCycleInRun = 1;
  if (s.stopLatch == 0 && pushOrganisationFrame(engine)) {
    s.cycleMonitoringStartMs = engine.nowMs();
    RunOrganisationBlock(engine, s.cycleStartKind == 0 ? kKindOB1 : s.cycleStartKind);
  }
  if (s.compressRequested != 0) CompressMemory(engine, false);
  if (s.stopRequestedByProgram != 0) {
    s.stopRequestedByProgram = 0;
    stopWith(s, interp::kStopInstruction);
  }
  s.sazEndOfCycle = s.Saz;
  if (s.stopLatch != 0) {
    s.runState = 0;
    const uint16_t block = FindBlockAt(engine, s.Saz, false);
    if (block != 0) s.stopBlockType = static_cast<uint8_t>(block >> 8);
  }
  if ((s.errorWord & interp::kErrReserved2) != 0) {
    setAreaWord(s, kBs, 3, interp::kStopInstruction);
    setAreaWord(s, kBs, 4, s.Saz);
  }
}

}  // namespace

void Restart(Engine& engine) {
  SimImage& s = engine.image();
  resetRegisters(engine);
  RestartKind kind = RestartKind::ManualWarm;
  if (s.powerOn != 0)
    kind = RestartKind::PowerOn;
  else if (s.resetRequest != 0)
    kind = RestartKind::Cold;
  s.lastRestartKind = static_cast<uint8_t>(kind);
  if (kind == RestartKind::Cold) {
    clearProcessImages(s);
    clearTimers(s, 0, kMaxTimers);
    clearCounters(s, 0, kMaxCounters);
    clearFlags(s, 0, s.MERKER_ANZAHL);
    clearSFlags(s);
    s.resetRequest = 0;
  } else {
    clearTimers(s, s.AnzahlRemanenteTimer, kMaxTimers);
    clearCounters(s, s.AnzahlRemanenteCounter, kMaxCounters);
    clearFlags(s, s.AnzahlRemanenteMerker, s.MERKER_ANZAHL);
    clearSFlags(s);
  }
  ScanMemory(engine);
  emptyStacks(s);
  const uint16_t ob = kind == RestartKind::Cold ? 20 : kind == RestartKind::ManualWarm ? 21 : 22;
  if (blockExists(s, kTypeOB, static_cast<uint8_t>(ob))) {
    if (!pushOrganisationFrame(engine)) return;
    RunOrganisationBlock(engine, ob);
  }
  s.timeObsAllowed = 1;
  s.cycleStartKind = startBlockKind(s);
  if (s.cycleStartKind == 0) stopWith(s, interp::kBlockMissing);
}

void Step5Zyklus(Engine& engine) {
  SimImage& s = engine.image();
  s.cycleRunning = 1;
  const uint64_t start = engine.nowMs();
  s.cycleCallStartMs = start;
  ++s.cyclesInWindow;
  handleModes(engine);
  if (s.runState != 0) {
    runCycle(engine);
  } else {
    if ((s.errorWord & interp::kErrBlockStatus) != 0) recordBlockStatus(engine);
    if (s.compressRequested != 0 && CompressMemory(engine, false)) saveAfterCompression(engine);
  }
  measureCycleTime(engine, start);
  s.cycleRunning = 0;
}

bool requestSpecialOb(Engine& engine, int ob) {
  SimImage& s = engine.image();
  if (ob < 0 || ob > 255 || !blockExists(s, kTypeOB, static_cast<uint8_t>(ob))) return false;
  switch (ob) {
    case 2:
      s.pendingObs |= 1u << 10;
      return true;
    case 9:
      s.pendingObs |= 1u << 9;
      return true;
    case 25:
      s.errorWord |= interp::kErrAddressing;
      return true;
    case 26:
      s.errorWord |= interp::kErrCycleTime;
      return true;
    case 32:
      s.errorWord |= interp::kErrTransfer;
      return true;
    case 33:
      s.errorWord |= interp::kErrCollision;
      return true;
    case 34:
      s.errorWord |= interp::kErrBattery;
      return true;
    default:
      if (ob < 10 || ob > 18) return false;
      s.pendingObs |= static_cast<uint16_t>(1u << (ob - 10));
      return true;
  }
}

}  // namespace tavrin::simcore
