// Timer words set from outside the program: the programming device and the exports write a time
// in S5 timer format and start the timer with it.
#ifndef SIMCORE_TIMER_WORDS_H
#define SIMCORE_TIMER_WORDS_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

// Timer word bits: 0..9 the time value (binary), 12..13 the time base, 14 and 15 the state.
inline constexpr uint16_t kTimerValueMask = 0x03FF;
inline constexpr uint16_t kTimerStateBits = 0xC000;

// `s5Time` holds three BCD digits in bits 0..11 and the time base in bits 12..13. The digits
// become the binary value, the timer is marked running and its start is now.
void setTimerFromS5Time(Engine& engine, unsigned timer, uint16_t s5Time);

}  // namespace tavrin::simcore

#endif
