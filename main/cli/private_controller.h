// The command line's own simulated controller: private to this process, on a clock that only
// the command moves (or on the real clock, for serving), released however the command ends.
#ifndef MAIN_CLI_PRIVATE_CONTROLLER_H
#define MAIN_CLI_PRIVATE_CONTROLLER_H

#include "platform/millisecond_clock.h"
#include "simcore/engine.h"
#include "simcore/simcore32.h"

namespace tavrin::cli {

class PrivateController {
 public:
  enum class Clock { Simulated, Real };

  explicit PrivateController(Clock clock = Clock::Simulated) {
    simcore::attachPrivate();
    if (clock == Clock::Simulated) simcore::engine().setClock(&clock_);
    S5AG_SimulatorInit("");
  }
  ~PrivateController() {
    simcore::engine().setClock(nullptr);
    simcore::detach();
  }
  PrivateController(const PrivateController&) = delete;
  PrivateController& operator=(const PrivateController&) = delete;

  void advance(unsigned long ms) { clock_.advance(ms); }

 private:
  platform::ManualMillisecondClock clock_{0};
};

}  // namespace tavrin::cli

#endif
