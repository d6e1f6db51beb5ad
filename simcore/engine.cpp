#include "simcore/engine.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "platform/cp1252.h"
#include "simcore/controller_setup.h"

namespace tavrin::simcore {

namespace {

Engine& theEngine() {
  static Engine e;
  return e;
}

}  // namespace

void Engine::showMessage(const char* text, const char* caption) const {
  if (messageSink != nullptr) {
    messageSink(text, caption);
    return;
  }
  std::cerr << platform::cp1252ToUtf8(caption) << ": " << platform::cp1252ToUtf8(text) << '\n';
}

void Engine::setClock(const platform::MillisecondClock* clock) {
  clock_ = clock != nullptr ? clock : &steadyClock_;
}

void detach() {
  Engine& e = theEngine();
  e.importBuffer = nullptr;
  e.image_ = nullptr;
  e.section_.reset();
  e.private_.reset();
}

void attachPrivate() {
  detach();
  Engine& e = theEngine();
  e.private_ = std::make_unique<SimImage>();
  std::memset(e.private_.get(), 0, sizeof(SimImage));
  e.image_ = e.private_.get();
  initialiseNewRecord(e);
}

bool attachShared(std::string_view name, std::string* error) {
  detach();
  Engine& e = theEngine();
  auto attach =
      platform::SharedSection::attach(name, sizeof(SimImage), [&](void* data, std::size_t) {
        e.image_ = static_cast<SimImage*>(data);
        initialiseNewRecord(e);
      });
  if (!attach.section) {
    e.image_ = nullptr;
    if (error != nullptr) *error = attach.error;
    return false;
  }
  e.section_ = std::move(attach.section);
  e.image_ = static_cast<SimImage*>(e.section_->data());
  return true;
}

Engine& engine() {
  Engine& e = theEngine();
  if (e.attached()) return e;
  const char* configured = std::getenv("TAVRIN_SIMCORE_SECTION");
  const std::string name = configured != nullptr && *configured != '\0'
                               ? std::string(configured)
                               : std::string(kSharedSectionName);
  if (name == "private") {
    attachPrivate();
    return e;
  }
  std::string error;
  if (!attachShared(name, &error)) {
    // Without the section the controller still works, only no other process can see it.
    std::cerr << "simcore32: shared section \"" << name << "\" not available (" << error
              << "); the simulated controller is private to this process\n";
    attachPrivate();
  }
  return e;
}

}  // namespace tavrin::simcore
