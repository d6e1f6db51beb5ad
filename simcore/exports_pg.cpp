// Exports: the programming-device service, its callbacks and its trace.
#include "simcore/pg_link.h"
#include "simcore/pg_service.h"
#include "simcore/pg_trace.h"
#include "simcore/simcore32.h"

using namespace tavrin::simcore;

namespace {

constexpr unsigned char kTraceKey = 0x22;

Engine::PgLine& line() {
  return engine().pgLine;
}

}  // namespace

extern "C" {

unsigned short S5AG_SetFncPtrCharSenden(S5AG_CharSendSlotted send) {
  line().sendSlotted = send;
  return 1;
}

unsigned short S5AG_SetSendeFachPtr(unsigned char* slot) {
  line().sendSlot = slot;
  return 1;
}

unsigned short S5AG_SetFncPtrCharSendenC(S5AG_CharSend send) {
  line().sendCharacter = send;
  return 1;
}

unsigned short S5AG_SetFncPtrCharEmpfangen(S5AG_CharReceive receive) {
  line().receiveStart = receive;
  return 1;
}

unsigned short S5AG_SetFncPtrCharEmpfangenPoll(S5AG_CharReceive receive) {
  line().receiveWithin = receive;
  return 1;
}

unsigned short S5AG_SetFncPtrDelay(S5AG_Delay delay) {
  engine().delayCallback = delay;
  return 1;
}

unsigned short S5AG_SetFncPtrClearComBuffer(S5AG_ClearComBuffer clear) {
  line().clearReceiveBuffer = clear;
  return 1;
}

unsigned short S5AG_PGAnfragePruefen(void) {
  Engine& e = engine();
  try {
    servePgRequest(e);
  } catch (...) {
    // Only an allocation can throw; the request is given up like one that failed.
    PgLink(e).clearReceiveBuffer();
    e.image().serviceIdle = 1;
  }
  return 1;
}

unsigned short S5AG_PGAnfragePruefenReady(void) {
  return engine().image().serviceIdle != 0 ? 1 : 0;
}

unsigned short S5AG_DebugZeichenSenden(unsigned char character) {
  Engine& e = engine();
  if (e.image().comError != 0) return 0;
  return PgLink(e).send(character) ? 1 : kSendFailed;
}

unsigned short S5AG_DebugZeichenEmpfangenPoll(void) {
  const auto c = PgLink(engine()).receive();
  return c ? static_cast<unsigned short>(*c << 8 | 1) : 0;
}

unsigned short S5AG_TraceOn(unsigned char key) {
  if (key == kTraceKey) openTrace(engine());
  return 1;
}

unsigned short S5AG_TraceOff(unsigned char key) {
  if (key == kTraceKey) closeTrace(engine());
  return 1;
}

}  // extern "C"
