// The controller as this process reaches it: the shared record and what only this process knows.
//
// Contents
//   Engine               the record, the clock and the block import buffer of this process
//   engine               the process's engine; attaches "SIMCORE32File" on first use
//   attachPrivate        a controller of this process alone (tests, the command line)
//   attachShared         the controller of a named section
//   detach               leave the controller (the last process removes the section)
//
// The record holds no pointers; everything this process derives from it is computed from the
// record when it is needed, so that a change another process makes (a new controller type) is
// never seen through a stale pointer.
#ifndef SIMCORE_ENGINE_H
#define SIMCORE_ENGINE_H

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/millisecond_clock.h"
#include "platform/shared_section.h"
#include "simcore/sim_image.h"

#define SIMCORE32_CXX_API __attribute__((visibility("default")))

namespace tavrin::simcore {

inline constexpr std::string_view kSharedSectionName = "SIMCORE32File";

class Engine {
 public:
  SimImage& image() { return *image_; }
  const SimImage& image() const { return *image_; }

  const platform::MillisecondClock& clock() const { return *clock_; }
  uint64_t nowMs() const { return clock_->now(); }
  // The clock stays owned by the caller; null returns to the real clock.
  SIMCORE32_CXX_API void setClock(const platform::MillisecondClock* clock);

  // While the block import mode is active both RAMs are this caller's buffer.
  uint8_t* importBuffer = nullptr;

  // Callbacks of this process: the hook before every instruction, the user functions of the
  // special functions 0xC000.., the analog value source, and the programming-device service's
  // delay. Null when not installed.
  using DebugHook = unsigned short (*)();
  using UserFunction = void (*)();
  // Returns an error word (0: the value is valid) and fills the value, its shift count and two
  // flag bits for the module and channel bytes it is given.
  using AnalogValueSource = uint16_t (*)(uint8_t module, uint8_t channel, uint16_t* value,
                                         uint8_t* shift, uint8_t* flag1, uint8_t* flag2);
  using DelayCallback = void (*)();
  DebugHook debugHook = nullptr;
  UserFunction userFunctions[30] = {};
  AnalogValueSource analogValueSource = nullptr;
  DelayCallback delayCallback = nullptr;

  // When the background routine last acted in this process.
  uint64_t lastBackgroundMs = 0;
  // The step address the block status recorder saw last in this process (-1: none yet).
  int32_t lastRecordedSaz = -1;

  // The few messages the engine shows itself (Windows-1252 text and caption). Without a sink
  // they go to standard error.
  using MessageSink = void (*)(const char* text, const char* caption);
  MessageSink messageSink = nullptr;
  void showMessage(const char* text, const char* caption) const;

  bool attached() const { return image_ != nullptr; }
  bool shared() const { return section_.has_value(); }

 private:
  friend SIMCORE32_CXX_API bool attachShared(std::string_view, std::string*);
  friend SIMCORE32_CXX_API void attachPrivate();
  friend SIMCORE32_CXX_API void detach();

  SimImage* image_ = nullptr;
  std::unique_ptr<SimImage> private_;
  std::optional<platform::SharedSection> section_;
  platform::SteadyMillisecondClock steadyClock_;
  const platform::MillisecondClock* clock_ = &steadyClock_;
};

// On first use this attaches the shared section "SIMCORE32File", or, when the environment
// variable TAVRIN_SIMCORE_SECTION is set, the section it names ("private": none, a controller
// of this process alone). A section that cannot be attached leaves a private controller.
SIMCORE32_CXX_API Engine& engine();

SIMCORE32_CXX_API void attachPrivate();
SIMCORE32_CXX_API bool attachShared(std::string_view name, std::string* error);
SIMCORE32_CXX_API void detach();

}  // namespace tavrin::simcore

#endif
