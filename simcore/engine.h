// The controller as this process reaches it: the shared record and what only this process knows.
//
// Contents
//   Engine               the record, the clock, the callbacks and the line of this process
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

#include <cstdio>
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

  // While the block import mode is active both RAMs are this caller's buffer; what the mode
  // replaced in the record is kept here until it ends.
  uint8_t* importBuffer = nullptr;
  struct ImportSaved {
    uint16_t s5RamFill, dbRamFill, s5RamSize, dbRamSize;
    uint16_t blockCount[7];
  };
  ImportSaved importSaved = {};

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

  // The programming-device line of this process (pg_link.h): the character callbacks, the send
  // slot the slot callback reads, and the trace file.
  struct PgLine {
    using SendSlotted = unsigned char (*)();
    using SendCharacter = unsigned char (*)(unsigned char);
    using Receive = unsigned short (*)();
    using ClearReceiveBuffer = void (*)(unsigned char);
    SendSlotted sendSlotted = nullptr;
    unsigned char* sendSlot = nullptr;
    SendCharacter sendCharacter = nullptr;
    Receive receiveStart = nullptr;
    Receive receiveWithin = nullptr;
    ClearReceiveBuffer clearReceiveBuffer = nullptr;
    std::FILE* trace = nullptr;
    uint8_t traceDirection = 0;  // 0 no line yet, 1 sent, 2 received
    uint8_t traceColumn = 0;     // characters on the current line
  };
  PgLine pgLine;

  // The status exchange a programming device opened with jobs 0x14 and 0x15 on this process's
  // line: its records are sent after each request until job 0x81 ends it.
  bool pgStatusOpen = false;
  bool pgVariablesDue = false;  // variable mode: a record is to be read and sent

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
