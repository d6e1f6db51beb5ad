// Exports: the cycle, organisation blocks, status and test functions, callbacks.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/cycle.h"
#include "simcore/org_blocks.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"
#include "simcore/stack_images.h"
#include "simcore/status_recorder.h"
#include "simcore/system_parameters.h"

using namespace tavrin::simcore;

namespace {

SimImage& img() {
  return engine().image();
}

unsigned short setUserFunction(unsigned index, S5AG_UserFunction function) {
  engine().userFunctions[index] = function;
  return 1;
}

}  // namespace

extern "C" {

unsigned short S5AG_Step5Zyklus(void) {
  Step5Zyklus(engine());
  return 1;
}

unsigned short S5AG_Step5ZyklusReady(void) {
  return img().cycleRunning == 0 ? 1 : 0;
}

unsigned short S5AG_BSRoutine(void) {
  SimImage& s = img();
  if (s.runState == 0) return 0;
  s.backgroundIdle = 0;
  BackgroundRoutine(engine());
  s.backgroundIdle = 1;
  return 1;
}

unsigned short S5AG_BSRoutineReady(void) {
  return img().backgroundIdle != 0 ? 1 : 0;
}
double S5AG_GetZyklusZeitSystemMS(void) {
  return img().averageCycleMs;
}

unsigned short S5AG_ZykluszeitReset(void) {
  img().cycleMonitoringStartMs = engine().nowMs();
  return 1;
}

unsigned short S5AG_GetZykBaustein(void) {
  return img().cycleStartKind;
}
unsigned char S5AG_SonderOBAufruf(short ob) {
  return requestSpecialOb(engine(), ob) ? 1 : 0;
}

unsigned short S5AG_SetEventZeitOB(unsigned short bit) {
  if (bit < 16) img().pendingObs |= static_cast<uint16_t>(1u << bit);
  return 1;
}

unsigned short S5AG_ClearEventZeitOB(unsigned short bit) {
  if (bit < 16) img().pendingObs &= static_cast<uint16_t>(~(1u << bit));
  return 1;
}

unsigned short S5AG_GetSonderAktionWord(void) {
  return img().pendingObs;
}

unsigned short S5AG_SetSonderAktionWord(unsigned short word) {
  img().pendingObs = word;
  return 1;
}

unsigned short S5AG_StBstParam(short length, unsigned char* request, unsigned short offset) {
  armBlockStatus(engine(), request, length, offset);
  return 0;
}

unsigned short S5AG_StatBstZyk(unsigned char* buffer, short maxItems, short* length,
                               short* notTriggered, unsigned char* ready) {
  const BlockStatusCollect c = collectBlockStatus(engine(), buffer, maxItems);
  if (length != nullptr) *length = static_cast<short>(c.bytes);
  if (notTriggered != nullptr) *notTriggered = c.notTriggered ? 1 : 0;
  if (ready != nullptr) *ready = c.ready ? 1 : 0;
  return 0;
}

unsigned short S5AG_StatusVarDaten(unsigned char* request, short length) {
  setVariableRequests(engine(), request, length);
  return 0;
}

unsigned short S5AG_StatusVarZykLesen(unsigned char* buffer) {
  const unsigned bytes = readVariables(engine());
  if (buffer != nullptr) std::memcpy(buffer, img().statusReply, bytes);
  return 0;
}

unsigned short S5AG_RdStBits(unsigned char* buffer) {
  buildControlBits(engine());
  const SimImage& s = img();
  if (buffer != nullptr)
    for (unsigned i = 0; i < controlBitsBytes(s); ++i)
      buffer[i] = ustackByte(s, i);
  return 0;
}

unsigned short S5AG_RdUStack(unsigned char* buffer, short* length) {
  if (img().runState != 0) return 26;
  buildStackImages(engine());
  const SimImage& s = img();
  const unsigned bytes = ustackImageBytes(s);
  if (buffer != nullptr)
    for (unsigned i = 0; i < bytes; ++i)
      buffer[i] = ustackByte(s, 8 + i);
  if (length != nullptr) *length = static_cast<short>(bytes);
  return 0;
}

unsigned short S5AG_BStack(unsigned char* buffer, short* length) {
  if (img().runState != 0) return 35;
  buildStackImages(engine());
  const SimImage& s = img();
  if (buffer != nullptr)
    for (unsigned i = 0; i < s.bstackImageLength; ++i)
      buffer[i] = bstackByte(s, i);
  if (length != nullptr) *length = static_cast<short>(s.bstackImageLength);
  return 0;
}

unsigned short S5AG_GetStopDaten(char* name, unsigned short* offset, unsigned short* instruction,
                                 unsigned char lengthPrefixed) {
  Engine& e = engine();
  const SimImage& s = e.image();
  if (s.runState != 0) return 0;
  const uint16_t block = FindBlockAt(e, s.SazOld, false);
  if (block == 0) return 0;
  const auto type = static_cast<uint8_t>(block >> 8);
  const auto number = static_cast<uint8_t>(block);
  if (name != nullptr) {
    const char* letters = type == kTypeOB   ? "OB"
                          : type == kTypePB ? "PB"
                          : type == kTypeFB ? "FB"
                          : type == kTypeFX ? "FX"
                          : type == kTypeSB ? "SB"
                          : type == kTypeDB ? "DB"
                                            : "DX";
    char text[8];
    std::snprintf(text, sizeof text, "%s%03u", letters, static_cast<unsigned>(number));
    if (lengthPrefixed != 0) {
      name[0] = 5;
      std::memcpy(name + 1, text, 5);
    } else {
      std::memcpy(name, text, 6);
    }
  }
  // The position of the instruction within the block's body, in S5 addresses.
  if (offset != nullptr)
    *offset = static_cast<unsigned short>((s.SazOld - BlockEntry(s, type, number)) * s.AddrPerWord);
  if (instruction != nullptr)
    *instruction =
        ReadS5Word(s, static_cast<uint16_t>(s.areaStart[kS5Ram] + s.SazOld * s.AddrPerWord));
  return 1;
}

unsigned short S5AG_Sysinit(unsigned char* buffer, short* length) {
  const uint8_t* image = buildSystemParameters(img());
  if (buffer != nullptr) std::memcpy(buffer, image, kSysParamBytes);
  if (length != nullptr) *length = static_cast<short>(kSysParamBytes);
  return 0;
}

unsigned short S5AG_GetSysParam(syspar* p) {
  if (p == nullptr) return 0;
  const auto w = systemParameterWords(img());
  const SimImage& s = img();
  *p = syspar{};
  p->paeStart = w[2];
  p->paaStart = w[3];
  p->flagsStart = w[4];
  p->timersStart = w[5];
  p->countersStart = w[6];
  p->bsStart = s.areaStart[kBs];
  p->softwareVersion = static_cast<int16_t>(w[8]);
  p->s5EndAddress = w[9];
  p->baOrBsStart = w[7];
  for (unsigned i = 0; i < 7; ++i)
    p->listLength[i] = w[11 + i];
  p->db0Length = w[18];
  p->cpu2 = w[19];
  p->headerLength = w[20];
  p->cpu1 = w[21];
  return 0;
}

unsigned short S5AG_GetBStackZeiger(void) {
  return img().blockStackDepth;
}

unsigned short S5AG_SetFncDebug(S5AG_DebugHook hook) {
  engine().debugHook = hook;
  return 1;
}

unsigned short S5AG_SetFncPtrGetAnalogWertBG(S5AG_AnalogValueSource source) {
  engine().analogValueSource = source;
  return 1;
}

#define TAVRIN_USER_FUNCTION_SETTER(n)                        \
  unsigned short S5AG_SetFncPtrUser##n(S5AG_UserFunction f) { \
    return setUserFunction(n, f);                             \
  }
TAVRIN_USER_FUNCTION_SETTER(0)
TAVRIN_USER_FUNCTION_SETTER(1)
TAVRIN_USER_FUNCTION_SETTER(2)
TAVRIN_USER_FUNCTION_SETTER(3)
TAVRIN_USER_FUNCTION_SETTER(4)
TAVRIN_USER_FUNCTION_SETTER(5)
TAVRIN_USER_FUNCTION_SETTER(6)
TAVRIN_USER_FUNCTION_SETTER(7)
TAVRIN_USER_FUNCTION_SETTER(8)
TAVRIN_USER_FUNCTION_SETTER(9)
TAVRIN_USER_FUNCTION_SETTER(10)
TAVRIN_USER_FUNCTION_SETTER(11)
TAVRIN_USER_FUNCTION_SETTER(12)
TAVRIN_USER_FUNCTION_SETTER(13)
TAVRIN_USER_FUNCTION_SETTER(14)
TAVRIN_USER_FUNCTION_SETTER(15)
TAVRIN_USER_FUNCTION_SETTER(16)
TAVRIN_USER_FUNCTION_SETTER(17)
TAVRIN_USER_FUNCTION_SETTER(18)
TAVRIN_USER_FUNCTION_SETTER(19)
TAVRIN_USER_FUNCTION_SETTER(20)
TAVRIN_USER_FUNCTION_SETTER(21)
TAVRIN_USER_FUNCTION_SETTER(22)
TAVRIN_USER_FUNCTION_SETTER(23)
TAVRIN_USER_FUNCTION_SETTER(24)
TAVRIN_USER_FUNCTION_SETTER(25)
TAVRIN_USER_FUNCTION_SETTER(26)
TAVRIN_USER_FUNCTION_SETTER(27)
TAVRIN_USER_FUNCTION_SETTER(28)
TAVRIN_USER_FUNCTION_SETTER(29)
#undef TAVRIN_USER_FUNCTION_SETTER

}  // extern "C"
