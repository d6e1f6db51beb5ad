#include "simcore/memory_transfer.h"

#include "simcore/s5_memory.h"
#include "simcore/stack_images.h"
#include "simcore/timer_words.h"

namespace tavrin::simcore {

namespace {

constexpr uint16_t kFixedStartStopAddress = 0xEA0C;

// The timer whose word lies at `address`, or -1.
int timerAt(const SimImage& img, unsigned address) {
  const unsigned timers = img.areaStart[kTimers];
  const unsigned step = img.AddrPerWord;
  if (address < timers || (address - timers) % step != 0) return -1;
  const unsigned n = (address - timers) / step;
  return n < kMaxTimers ? static_cast<int>(n) : -1;
}

}  // namespace

uint16_t controlBitsAddress(const SimImage& img) {
  return static_cast<uint16_t>(img.areaStart[kBs] + 5 * img.AddrPerWord);
}

void writeMemoryWords(Engine& engine, uint16_t address, const uint8_t* bytes, unsigned length) {
  SimImage& img = engine.image();
  const unsigned step = img.AddrPerWord;
  for (unsigned i = 0; i < length / 2; ++i) {
    const unsigned a = address + i * step;
    if (a > 0xFFFF) break;
    const auto word = static_cast<uint16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
    WriteS5Word(img, static_cast<uint16_t>(a), word);
    if (const int timer = timerAt(img, a); timer >= 0) setTimerFromS5Time(engine, timer, word);
  }
}

void writeMemoryBytes(Engine& engine, uint16_t address, const uint8_t* bytes, unsigned length) {
  SimImage& img = engine.image();
  unsigned end = address;
  for (unsigned i = 0; i < length && address + i <= 0xFFFF; ++i, ++end)
    WriteS5Byte(img, static_cast<uint16_t>(address + i), bytes[i]);
  // Only now do the timer words hold both their bytes.
  for (unsigned a = address; a < end; ++a)
    if (const int timer = timerAt(img, a); timer >= 0)
      setTimerFromS5Time(engine, timer, ReadS5Word(img, static_cast<uint16_t>(a)));
}

bool isStartStopAddress(const SimImage& img, uint16_t address) {
  return !wordAddressed(img) &&
         (address == img.areaStart[kBs] + 12 || address == kFixedStartStopAddress);
}

void startStopCommand(SimImage& img, uint8_t dataByte) {
  const uint8_t ustack2 = ustackByte(img, 2);
  const bool ustackShowsRun = (ustack2 & 0x40) != 0 && (ustack2 & 0x20) == 0;
  if (img.runState != 0 || ustackShowsRun) {
    if (img.stopLatch == 0 && ((ustack2 | dataByte) & 0x80) != 0) {
      img.stopRequestedByPg = 1;
      img.stopLatch = 1;
    }
    return;
  }
  img.runSwitch = 1;
  img.acceptedRunSwitch = 0;
  img.resetRequest = 0;
  img.powerOn = 0;
  img.stopLatch = 0;
}

}  // namespace tavrin::simcore
