#include "simcore/timer_words.h"

#include <algorithm>

#include "simcore/s5_memory.h"

namespace tavrin::simcore {

void setTimerFromS5Time(Engine& engine, unsigned timer, uint16_t s5Time) {
  SimImage& img = engine.image();
  if (timer >= std::min<unsigned>(img.TIMER_ANZAHL, kMaxTimers)) return;
  const unsigned digits = ((s5Time >> 8) & 0xF) * 100 + ((s5Time >> 4) & 0xF) * 10 + (s5Time & 0xF);
  const auto value = static_cast<uint16_t>(std::min(digits, 999u));
  const auto base = static_cast<uint16_t>(s5Time & 0x3000);
  setAreaWord(img, kTimers, timer, static_cast<uint16_t>(kTimerStateBits | base | value));
  img.timerRunningBits[timer / 16] |= static_cast<uint16_t>(1u << (timer % 16));
  img.timerRemaining[timer] = value;
  img.timerStartMs[timer] = engine.nowMs();
}

}  // namespace tavrin::simcore
