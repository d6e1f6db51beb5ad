// Exports: initialisation and controller types.
#include "simcore/controller_setup.h"
#include "simcore/simcore32.h"

using namespace tavrin::simcore;

extern "C" {

unsigned short S5AG_SimulatorInit(const char* path) {
  SimulatorInit(engine(), path != nullptr ? path : "");
  return 1;
}

unsigned short S5AG_AGAktivieren(const char* path) {
  if (path == nullptr) return 10;
  try {
    return ActivateTypeFile(engine(), path);
  } catch (...) {
    return 22;
  }
}

}  // extern "C"
