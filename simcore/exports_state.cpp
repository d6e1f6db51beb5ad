// Exports: operating state, controller and memory information, registers.
#include <cstring>

#include "simcore/ram.h"
#include "simcore/simcore32.h"

using namespace tavrin::simcore;

namespace {

SimImage& img() {
  return engine().image();
}

uint32_t ramBytes(RamKind kind) {
  return uint32_t{ramView(engine(), kind).size} * 2;
}

unsigned short usePercent(RamKind kind) {
  const RamView ram = ramView(engine(), kind);
  if (ram.size == 0) return 100;
  return static_cast<unsigned short>(uint32_t{*ram.fill} * 100 / ram.size);
}

// The DB RAM figures of a controller with one common RAM are those of the S5 RAM.
RamKind dbRamKind() {
  return ramsSeparate(engine()) ? RamKind::Db : RamKind::S5;
}

}  // namespace

extern "C" {

/* Operating state */

unsigned short S5AG_StartAg(unsigned short restartKind) {
  SimImage& s = img();
  s.runSwitch = 1;
  if (restartKind == 20) s.resetRequest = 1;
  if (restartKind == 22) s.powerOn = 1;
  s.acceptedRunSwitch = 0;
  s.stopLatch = 0;
  s.runState = 1;
  return 0;
}

unsigned short S5AG_StopAg(void) {
  img().stopLatch = 1;
  img().stopRequestedByPg = 1;
  return 0;
}

unsigned short S5AG_SetRunSchalter(unsigned char position) {
  SimImage& s = img();
  s.runSwitch = position;
  if (position != 0) {
    s.stopLatch = 0;
    s.acceptedRunSwitch = 0;
  }
  return 1;
}

unsigned short S5AG_SetResetSchalter(unsigned char position) {
  img().resetRequest = position;
  return 1;
}

unsigned short S5AG_SpannungEIN(void) {
  img().powerOn = 1;
  return 1;
}

unsigned short S5AG_RunZustand(void) {
  return img().runState != 0 ? 1 : 0;
}

/* Controller and memory information */

unsigned short S5AG_GetAgTypString(char* buffer, unsigned char lengthPrefixed) {
  if (buffer == nullptr) return 1;
  const SimImage& s = img();
  const std::size_t length = strnlen(s.typeName, sizeof s.typeName - 1);
  if (lengthPrefixed != 0) {
    buffer[0] = static_cast<char>(length);
    std::memcpy(buffer + 1, s.typeName, length);
  } else {
    std::memcpy(buffer, s.typeName, length);
    buffer[length] = '\0';
  }
  return 1;
}

unsigned short S5AG_AGGross(void) {
  return img().ByteAreaShift;
}

unsigned short S5AG_GetS5RamSizeByte(uint32_t* size) {
  if (size != nullptr) *size = ramBytes(RamKind::S5);
  return 1;
}

unsigned short S5AG_GetDBRamSizeByte(uint32_t* size) {
  if (size != nullptr) *size = ramBytes(dbRamKind());
  return 1;
}

unsigned short S5AG_GetS5DBRamGetrennt(void) {
  return ramsSeparate(engine()) ? 1 : 0;
}
unsigned short S5AG_GetAuslastungS5Ram(void) {
  return usePercent(RamKind::S5);
}
unsigned short S5AG_GetAuslastungDBRam(void) {
  return usePercent(dbRamKind());
}
unsigned char* S5AG_GetS5AnwendStartPtr(void) {
  return ramView(engine(), RamKind::S5).base;
}
unsigned char* S5AG_GetDBAnwendStartPtr(void) {
  return ramView(engine(), dbRamKind()).base;
}
unsigned short S5AG_GetS5AnwendStartPtrOfs(void) {
  return img().areaStart[kS5Ram];
}
unsigned short S5AG_GetDBAnwendStartPtrOfs(void) {
  return img().areaStart[kDbRam];
}

unsigned short S5AG_SetAS511Belegt(unsigned char inUse) {
  img().pgPortInUse = inUse;
  return 1;
}
unsigned char S5AG_GetAS511Belegt(void) {
  return img().pgPortInUse;
}

unsigned short S5AG_SetS5ZyklusBelegt(unsigned char claimed) {
  img().cycleClaimed = claimed;
  return 1;
}
unsigned char S5AG_GetS5ZyklusBelegt(void) {
  return img().cycleClaimed;
}

unsigned short S5AG_SetS5PrgSoftwareHatS5Zyklus(unsigned char drives) {
  img().prgSoftwareDrivesCycle = drives;
  return 1;
}
unsigned char S5AG_GetS5PrgSoftwareHatS5Zyklus(void) {
  return img().prgSoftwareDrivesCycle;
}

unsigned short S5AG_SetBuchAGKomplett(unsigned char complete) {
  img().blockListComplete = complete;
  return 1;
}

unsigned short S5AG_SetComError(void) {
  img().comError = 1;
  return 1;
}

unsigned short S5AG_SetTimerVarPtr(uint32_t*) {
  return 1;
}
unsigned short S5AG_ParamAendern(void) {
  return 1;
}

/* Registers */

unsigned short S5AG_GetAkku1LoWort(void) {
  return static_cast<unsigned short>(img().ACCU1);
}
unsigned short S5AG_GetAkku1HiWort(void) {
  return static_cast<unsigned short>(img().ACCU1 >> 16);
}
unsigned short S5AG_GetAkku2LoWort(void) {
  return static_cast<unsigned short>(img().ACCU2);
}
unsigned short S5AG_GetAkku2HiWort(void) {
  return static_cast<unsigned short>(img().ACCU2 >> 16);
}
uint32_t S5AG_GetAkku1Long(void) {
  return img().ACCU1;
}
uint32_t S5AG_GetAkku2Long(void) {
  return img().ACCU2;
}

unsigned short S5AG_SetAkku1(uint32_t value) {
  img().ACCU1 = value;
  return 1;
}

unsigned short S5AG_SetAkku2(uint32_t value) {
  img().ACCU2 = value;
  return 1;
}

unsigned short S5AG_GetS5Anzeigen(unsigned char* vke, unsigned char* status, unsigned char* erab,
                                  unsigned char* os, unsigned char* ov, unsigned char* anz0,
                                  unsigned char* anz1) {
  const SimImage& s = img();
  const std::pair<unsigned char*, uint8_t> out[] = {
      {vke, s.VKE}, {status, s.STATUS}, {erab, s.ERAB}, {os, s.OS},
      {ov, s.OV},   {anz0, s.ANZ0},     {anz1, s.ANZ1}};
  for (const auto& [target, value] : out)
    if (target != nullptr) *target = value;
  return 1;
}

unsigned short S5AG_GetSaz(void) {
  return img().Saz;
}
unsigned short S5AG_GetSazOld(void) {
  return img().SazOld;
}
unsigned short S5AG_GetAufgerufenerDbDxTypNr(void) {
  return img().currentDb;
}
unsigned short S5AG_GetAnzBef(void) {
  return img().instructionsThisRun;
}

}  // extern "C"
