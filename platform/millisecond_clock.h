// The one source of time: a 64-bit monotonic millisecond count.
//
// Contents
//   MillisecondClock         the interface every timer, time-out and time-driven block reads
//   SteadyMillisecondClock   the real clock (the system's monotonic clock)
//   ManualMillisecondClock   a clock that tests set and advance by hand
//   periodElapsed            the elapsed-period rule shared by all timers
//
// 64 bits of milliseconds do not wrap in the lifetime of any installation, so stamps are compared
// as plain numbers. The count has no meaning of its own (it is not a time of day); only
// differences count.
#ifndef PLATFORM_MILLISECOND_CLOCK_H
#define PLATFORM_MILLISECOND_CLOCK_H

#include <atomic>
#include <cstdint>

namespace tavrin::platform {

class MillisecondClock {
 public:
  virtual ~MillisecondClock() = default;
  virtual std::uint64_t now() const = 0;
};

// The system's monotonic clock, which also counts the same in every process on the machine
// (another process attached to the simulated controller sees comparable stamps).
class SteadyMillisecondClock final : public MillisecondClock {
 public:
  std::uint64_t now() const override;
};

// Starts at the given count and moves only when told to. Safe to set from one thread while
// another reads it. set() may go backwards, for tests that need it; code under test may assume
// it does not.
class ManualMillisecondClock final : public MillisecondClock {
 public:
  explicit ManualMillisecondClock(std::uint64_t start = 0) : now_(start) {}
  std::uint64_t now() const override { return now_.load(std::memory_order_relaxed); }
  void set(std::uint64_t milliseconds) { now_.store(milliseconds, std::memory_order_relaxed); }
  void advance(std::uint64_t milliseconds) {
    now_.fetch_add(milliseconds, std::memory_order_relaxed);
  }

 private:
  std::atomic<std::uint64_t> now_;
};

// A period started at `stamp` has elapsed once `now` is greater than stamp + period (so a
// period of 100 started at 0 has not elapsed at 100, it has at 101). Written without the sum so
// that a stamp near the top of the range cannot overflow; a stamp later than now has not elapsed.
constexpr bool periodElapsed(std::uint64_t now, std::uint64_t stamp, std::uint64_t period) {
  return now > stamp && now - stamp > period;
}

}  // namespace tavrin::platform

#endif
