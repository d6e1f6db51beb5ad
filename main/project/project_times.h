// The times of a project: its creation and change dates and how long it has been open.
//
// Contents
//   formatProjectDuration   "%03ld:%02ld", hours and minutes
//   ProjectDuration         the seconds a project has been open, counted on the idle clock
//
// The dates are texts "dd.mm.yyyy" (formatBlockDate of block_template.h), kept with the other
// values of the project file. The duration is a 32-bit signed count of seconds ("ProjektDauer-
// InSec"); it never goes below 0 and stops at the largest 32-bit value.
#ifndef MAIN_PROJECT_PROJECT_TIMES_H
#define MAIN_PROJECT_PROJECT_TIMES_H

#include <cstdint>
#include <string>

namespace tavrin::project {

// 3725 seconds are "001:02"; hours take as many digits as they need.
std::string formatProjectDuration(std::int32_t seconds);

// The idle processing calls tick() about once a second while a project is open. Each full
// 1000 ms since the last counted second add one second, so that ticks that come late (a modal
// dialog held the idle processing up) lose no time, and ticks that come early add nothing.
class ProjectDuration {
 public:
  // Counting continues from `seconds` (a negative count starts at 0) at the millisecond stamp
  // `now`.
  void start(std::int32_t seconds, std::uint64_t now);
  void tick(std::uint64_t now);
  std::int32_t seconds() const { return seconds_; }
  std::string text() const { return formatProjectDuration(seconds_); }

 private:
  std::int32_t seconds_ = 0;
  std::uint64_t counted_ = 0;  // the stamp up to which seconds were counted
};

}  // namespace tavrin::project

#endif
