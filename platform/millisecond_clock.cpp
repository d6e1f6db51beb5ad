#include "platform/millisecond_clock.h"

#include <chrono>

namespace tavrin::platform {

std::uint64_t SteadyMillisecondClock::now() const {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace tavrin::platform
