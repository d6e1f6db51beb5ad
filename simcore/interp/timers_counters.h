// Timers and counters: starting, enabling, resetting, counting, loading, and their checks.
//
// Timer word: bits 0..9 the value (binary), bit 10 the previous VKE of FR, bit 11 the previous
// VKE of the start instructions, bits 12..13 the time base, bits 14 and 15 the state; the output
// is bit 15 XOR bit 14. The running mark and the enable flag are bitsets of the record; the
// background routine counts running timers down and clears bit 15 when they expire.
// Counter word: bits 0..9 the count (binary), bit 15 count not 0, bits 10..13 the previous VKE
// of FR, S, ZR and ZV.
#ifndef SIMCORE_INTERP_TIMERS_COUNTERS_H
#define SIMCORE_INTERP_TIMERS_COUNTERS_H

#include "simcore/interp/bit_logic.h"

namespace tavrin::simcore::interp {

inline constexpr uint16_t kBit15 = 0x8000, kBit14 = 0x4000, kStartEdge = 0x0800,
                          kEnableEdge = 0x0400;

inline bool timerOutput(uint16_t word) {
  return ((word >> 15) ^ (word >> 14)) & 1;
}
inline bool counterOutput(uint16_t word) {
  return (word & kBit15) != 0;
}

inline bool testBit(const uint16_t* set, unsigned n) {
  return (set[n / 16] >> (n % 16)) & 1;
}
inline void putBit(uint16_t* set, unsigned n, bool on) {
  const auto mask = static_cast<uint16_t>(1u << (n % 16));
  set[n / 16] =
      on ? static_cast<uint16_t>(set[n / 16] | mask) : static_cast<uint16_t>(set[n / 16] & ~mask);
}

inline unsigned bcd3(uint16_t word) {
  return ((word >> 8) & 0xF) * 100 + ((word >> 4) & 0xF) * 10 + (word & 0xF);
}
inline uint16_t toBcd3(unsigned value) {
  return static_cast<uint16_t>((value / 100 % 10) << 8 | (value / 10 % 10) << 4 | value % 10);
}

enum class TimerOp { SI, SV, SE, SS, SA };

// The start instructions: the pending OR is merged, the start condition of the kind decides,
// and bit 11 keeps this VKE for the next edge.
inline void startTimer(Machine& m, TimerOp op, unsigned n) {
  SimImage& s = m.img;
  mergePendingOr(s);
  uint8_t* p = m.timerWord(n);
  uint16_t w = rd16(p);
  const bool vke = s.VKE != 0;
  const bool rising = vke && (w & kStartEdge) == 0;
  const bool falling = !vke && (w & kStartEdge) != 0;
  const bool enabled = testBit(s.timerEdgeBits, n);
  const bool running = testBit(s.timerRunningBits, n);
  bool start = false;
  uint16_t state = 0;
  switch (op) {
    case TimerOp::SI:
    case TimerOp::SV:
      start = vke && (rising || enabled);
      state = kBit15;
      if (op == TimerOp::SI && !vke) w &= static_cast<uint16_t>(~(kBit15 | kBit14));
      break;
    case TimerOp::SE:
      start = vke && (rising || (enabled && running) || (enabled && !running && (w & kBit14) == 0));
      state = kBit15 | kBit14;
      if (!vke) w &= static_cast<uint16_t>(~(kBit15 | kBit14));
      break;
    case TimerOp::SS:
      start = vke && (rising || enabled) && ((w >> 14) & 1) == ((w >> 15) & 1);
      state = kBit15 | kBit14;
      break;
    case TimerOp::SA:
      start = falling || (enabled && running);
      state = kBit15;
      if (!running && !start)
        w = vke ? static_cast<uint16_t>(w | kBit14) : static_cast<uint16_t>(w & ~kBit14);
      if (running && rising) {
        w = static_cast<uint16_t>((w & ~kBit15) | kBit14);
        putBit(s.timerRunningBits, n, false);
      }
      break;
  }
  if (start) {
    const uint16_t time = low(s.ACCU1);
    const auto value = static_cast<uint16_t>(std::min(bcd3(time), 999u));
    w = static_cast<uint16_t>((w & (kStartEdge | kEnableEdge)) | (time & 0x3000) | state | value);
    s.timerRemaining[n] = value;
    s.timerStartMs[n] = m.engine.nowMs();
    putBit(s.timerEdgeBits, n, false);
    putBit(s.timerRunningBits, n, true);
  }
  w = vke ? static_cast<uint16_t>(w | kStartEdge) : static_cast<uint16_t>(w & ~kStartEdge);
  wr16(p, w);
  s.ERAB = 1;
}

inline void enableTimer(Machine& m, unsigned n) {
  SimImage& s = m.img;
  mergePendingOr(s);
  uint8_t* p = m.timerWord(n);
  uint16_t w = rd16(p);
  const bool vke = s.VKE != 0;
  if (vke && (w & kEnableEdge) == 0) putBit(s.timerEdgeBits, n, true);
  w = vke ? static_cast<uint16_t>(w | kEnableEdge) : static_cast<uint16_t>(w & ~kEnableEdge);
  wr16(p, w);
  s.ERAB = 1;
}

inline void resetTimer(Machine& m, unsigned n) {
  SimImage& s = m.img;
  mergePendingOr(s);
  if (s.VKE != 0) {
    uint8_t* p = m.timerWord(n);
    wr16(p, static_cast<uint16_t>((rd16(p) & (kStartEdge | kEnableEdge)) | 0x1000));
    putBit(s.timerRunningBits, n, false);
    s.timerRemaining[n] = 0;
  }
  s.ERAB = 1;
}

// L T and LC T: the remaining time, in binary or as three BCD digits with the time base.
inline uint16_t timerValue(Machine& m, unsigned n, bool bcd) {
  const uint16_t w = rd16(m.timerWord(n));
  const unsigned value = w & 0x3FF;
  return bcd ? static_cast<uint16_t>(toBcd3(std::min(value, 999u)) | ((w >> 12) & 3) << 12)
             : static_cast<uint16_t>(value);
}

enum class CounterOp { ZV, ZR, S, R, FR };

inline void counterInstruction(Machine& m, CounterOp op, unsigned n) {
  SimImage& s = m.img;
  mergePendingOr(s);
  uint8_t* p = m.counterWord(n);
  uint16_t w = rd16(p);
  const bool vke = s.VKE != 0;
  unsigned count = w & 0x3FF;
  const auto edgeBit = [&](unsigned bit) {
    const auto mask = static_cast<uint16_t>(1u << bit);
    const bool rising = vke && (w & mask) == 0;
    w = vke ? static_cast<uint16_t>(w | mask) : static_cast<uint16_t>(w & ~mask);
    return rising;
  };
  switch (op) {
    case CounterOp::ZV:
      if (edgeBit(13) && count < 999) ++count;
      break;
    case CounterOp::ZR:
      if (edgeBit(12) && count > 0) --count;
      break;
    case CounterOp::S:
      if (edgeBit(11)) count = std::min(bcd3(low(s.ACCU1)), 999u);
      break;
    case CounterOp::R:
      if (vke) count = 0;
      break;
    case CounterOp::FR:
      if (edgeBit(10)) w &= static_cast<uint16_t>(~0x3800);
      break;
  }
  w = static_cast<uint16_t>((w & 0x7C00) | (count != 0 ? kBit15 : 0) | count);
  wr16(p, w);
  s.ERAB = 1;
}

inline uint16_t counterValue(Machine& m, unsigned n, bool bcd) {
  const unsigned count = rd16(m.counterWord(n)) & 0x3FF;
  return bcd ? toBcd3(std::min(count, 999u)) : static_cast<uint16_t>(count);
}

}  // namespace tavrin::simcore::interp

#endif
