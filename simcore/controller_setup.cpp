#include "simcore/controller_setup.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "platform/file_lookup.h"
#include "simcore/block_kinds.h"
#include "simcore/memory_reset.h"
#include "simcore/ram.h"
#include "simcore/s5_memory.h"
#include "simcore/s5d_files.h"
#include "simcore/type_file.h"

namespace tavrin::simcore {

namespace {

struct FieldKey {
  std::string_view name;
  uint16_t SimImage::*field;
};

// The [Daten] keys that set a plain count or identification of the record.
constexpr std::array<FieldKey, 22> kFieldKeys = {{
    {"AgSoftwareStand", &SimImage::AgSoftwareStand},
    {"TIMER_ANZAHL", &SimImage::TIMER_ANZAHL},
    {"AnzahlRemanenteTimer", &SimImage::AnzahlRemanenteTimer},
    {"COUNTER_ANZAHL", &SimImage::COUNTER_ANZAHL},
    {"AnzahlRemanenteCounter", &SimImage::AnzahlRemanenteCounter},
    {"EA_ANZAHL", &SimImage::EA_ANZAHL},
    {"MERKER_ANZAHL", &SimImage::MERKER_ANZAHL},
    {"AnzahlRemanenteMerker", &SimImage::AnzahlRemanenteMerker},
    {"SMERKER_ANZAHL", &SimImage::SMERKER_ANZAHL},
    {"DATENW_ANZAHL", &SimImage::DATENW_ANZAHL},
    {"BS_ANZAHL", &SimImage::BS_ANZAHL},
    {"BA_ANZAHL", &SimImage::BA_ANZAHL},
    {"BB_ANZAHL", &SimImage::BB_ANZAHL},
    {"BT_ANZAHL", &SimImage::BT_ANZAHL},
    {"PERI_ANZAHL", &SimImage::PERI_ANZAHL},
    {"KLAMMER_STACK_GROESSE", &SimImage::KLAMMER_STACK_GROESSE},
    {"S5RAM_GROESSE", &SimImage::S5RAM_GROESSE},
    {"DBRAM_GROESSE", &SimImage::DBRAM_GROESSE},
    {"CPU1", &SimImage::CPU1},
    {"CPU2", &SimImage::CPU2},
    {"BeginnAnalogPW", &SimImage::BeginnAnalogPW},
    {"KanalAnzahlBG", &SimImage::KanalAnzahlBG},
}};

struct AreaKey {
  std::string_view name;
  AreaStart area;
  uint16_t builtInStart;
};

// The area start keys with the built-in type's layout (byte addresses of the S5-95U).
constexpr std::array<AreaKey, 19> kAreaKeys = {{
    {"S5AnwendStartPtrOfs", kS5Ram, 0x0100}, {"DBAnwenderStartPtrOfs", kDbRam, 0x0100},
    {"BSStartPtrOfs", kBs, 0x5D00},          {"BAStartPtrOfs", kBa, 0x0000},
    {"TStartPtrOfs", kTimers, 0x5F00},       {"CStartPtrOfs", kCounters, 0x6000},
    {"MStartPtrOfs", kFlags, 0x6100},        {"EAStartPtrOfs", kProcessImage, 0x6300},
    {"SStartPtrOfs", kSFlags, 0x6400},       {"BAdrListePtrOfs", kBlockAddressList, 0x7600},
    {"UStackPtrOfs", kUStack, 0x5D0A},       {"BStackPtrOfs", kBStack, 0x5E00},
    {"AdresslisteOBOfs", kListOB, 0x7600},   {"AdresslisteFBOfs", kListFB, 0x7800},
    {"AdresslistePBOfs", kListPB, 0x7A00},   {"AdresslisteSBOfs", kListSB, 0x7C00},
    {"AdresslisteDBOfs", kListDB, 0x7E00},   {"AdresslisteFXOfs", kListFX, 0x8000},
    {"AdresslisteDXOfs", kListDX, 0x8200},
}};
constexpr uint16_t kBracketStackStart = 0x6040;  // no key: the same in every type

constexpr std::array<std::pair<std::string_view, BlockCountSlot>, 7> kCountKeys = {{
    {"OB_ANZAHL", kCountOB},
    {"FB_ANZAHL", kCountFB},
    {"FX_ANZAHL", kCountFX},
    {"PB_ANZAHL", kCountPB},
    {"SB_ANZAHL", kCountSB},
    {"DB_ANZAHL", kCountDB},
    {"DX_ANZAHL", kCountDX},
}};

constexpr std::array<uint16_t, kTimeDrivenObs> kObPeriodsMs = {10,  20,   50,   100, 200,
                                                               500, 1000, 2000, 5000};

void copyText(char* dest, std::size_t size, std::string_view text) {
  const std::size_t n = std::min(text.size(), size - 1);
  std::memcpy(dest, text.data(), n);
  std::memset(dest + n, 0, size - n);
}

void setBuiltInType(SimImage& img) {
  copyText(img.typeName, sizeof img.typeName, "S5-95U");
  img.AgSoftwareStand = 0x2803;
  img.TIMER_ANZAHL = 256;
  img.AnzahlRemanenteTimer = 128;
  img.COUNTER_ANZAHL = 256;
  img.AnzahlRemanenteCounter = 128;
  img.EA_ANZAHL = 256;
  img.MERKER_ANZAHL = 256;
  img.AnzahlRemanenteMerker = 65;
  img.SMERKER_ANZAHL = 4096;
  img.DATENW_ANZAHL = 256;
  img.BS_ANZAHL = img.BA_ANZAHL = img.BB_ANZAHL = img.BT_ANZAHL = 256;
  img.PERI_ANZAHL = 256;
  img.KLAMMER_STACK_GROESSE = 11;
  img.S5RAM_GROESSE = 4096;
  img.DBRAM_GROESSE = 4096;
  std::fill(std::begin(img.blockCount), std::end(img.blockCount), uint16_t{256});
  std::fill(std::begin(img.areaStart), std::end(img.areaStart), uint16_t{0});
  for (const auto& key : kAreaKeys)
    img.areaStart[key.area] = key.builtInStart;
  img.areaStart[kBracketStack] = kBracketStackStart;
  img.CPU1 = 0x0000;
  img.CPU2 = 0xFF01;
  img.AddrPerWord = 2;
  img.ByteAreaShift = 0;
  img.BeginnAnalogPW = 128;
  img.KanalAnzahlBG = 8;
  img.integratedCount = 0;
}

// Space from `start` to the end of the address space (in word-addressed types to the end of the
// half it starts in), in elements of `step` addresses.
unsigned elementsToEnd(const SimImage& img, uint16_t start, unsigned step) {
  const unsigned end = wordAddressed(img) && start < 0x8000 ? 0x8000u : 0x10000u;
  return (end - start) / step;
}

void holdTo(uint16_t& count, unsigned limit) {
  count = static_cast<uint16_t>(std::min<unsigned>(count, limit));
}

// Offsets of the areas within the record, for processes that read it without this library.
void recordAreaOffsets(SimImage& img) {
  for (std::size_t i = 0; i < std::size(img.areaOffset); ++i)
    img.areaOffset[i] =
        static_cast<uint32_t>(offsetof(SimImage, Space) + hostIndex(img, img.areaStart[i]));
}

void applyDataKeys(SimImage& img, const TypeFile& file) {
  const auto find = [&](std::string_view key) -> const std::string* {
    for (const auto& [name, value] : file.data)
      if (name == key) return &value;
    return nullptr;
  };
  for (const auto& key : kFieldKeys)
    if (const std::string* v = find(key.name)) img.*key.field = typeFileNumber(*v);
  for (const auto& key : kAreaKeys)
    if (const std::string* v = find(key.name)) img.areaStart[key.area] = typeFileNumber(*v);
  for (const auto& [name, slot] : kCountKeys)
    if (const std::string* v = find(name)) img.blockCount[slot] = typeFileNumber(*v);
  const std::string* agTyp = find("AgTyp");
  const bool word = agTyp != nullptr && *agTyp == "WORT";
  img.AddrPerWord = word ? 1 : 2;
  img.ByteAreaShift = word ? 1 : 0;
}

// Clears the address space and brings memory and registers into their initial state.
void startAfresh(Engine& engine) {
  SimImage& img = engine.image();
  fitAreasToSpace(img);
  img.db0Length = db0LengthFor(img);
  recordAreaOffsets(img);
  std::memset(img.Space, 0, sizeof img.Space);
  img.runState = 0;
  OverallReset(engine);
  initialiseRegisters(img);
}

}  // namespace

uint16_t db0LengthFor(const SimImage& img) {
  unsigned remaining = 0xFFFFu - img.areaStart[kBlockAddressList];
  if (!wordAddressed(img)) remaining /= 2;
  return static_cast<uint16_t>(std::min(1800u, remaining));
}

void fitAreasToSpace(SimImage& img) {
  const unsigned step = img.AddrPerWord;
  holdTo(img.TIMER_ANZAHL,
         std::min<unsigned>(kMaxTimers, elementsToEnd(img, img.areaStart[kTimers], step)));
  holdTo(img.COUNTER_ANZAHL,
         std::min<unsigned>(kMaxCounters, elementsToEnd(img, img.areaStart[kCounters], step)));
  holdTo(img.AnzahlRemanenteTimer, img.TIMER_ANZAHL);
  holdTo(img.AnzahlRemanenteCounter, img.COUNTER_ANZAHL);
  holdTo(img.MERKER_ANZAHL, elementsToEnd(img, img.areaStart[kFlags], 1));
  holdTo(img.AnzahlRemanenteMerker, img.MERKER_ANZAHL);
  holdTo(img.EA_ANZAHL, elementsToEnd(img, img.areaStart[kProcessImage], 1));
  holdTo(img.SMERKER_ANZAHL, elementsToEnd(img, img.areaStart[kSFlags], 1));
  holdTo(img.BS_ANZAHL, elementsToEnd(img, img.areaStart[kBs], step));
  holdTo(img.BA_ANZAHL, elementsToEnd(img, img.areaStart[kBa], step));
  holdTo(
      img.KLAMMER_STACK_GROESSE,
      std::min<unsigned>(kMaxBracketDepth, elementsToEnd(img, img.areaStart[kBracketStack], step)));
  for (const auto& kind : kBlockKinds)
    holdTo(
        img.blockCount[kind.count],
        std::min<unsigned>(kMaxBlockNumbers, elementsToEnd(img, img.areaStart[kind.list], step)));
  holdTo(img.S5RAM_GROESSE, ramCapacityWords(img, img.areaStart[kS5Ram]));
  holdTo(img.DBRAM_GROESSE, ramCapacityWords(img, img.areaStart[kDbRam]));
}

void initialiseNewRecord(Engine& engine) {
  SimImage& img = engine.image();
  img.instructionLimit = 0xFFF0;
  std::copy(kObPeriodsMs.begin(), kObPeriodsMs.end(), img.obPeriodMs);
  img.rangeCheck = 1;
  img.restoreDbOnReturn = 1;
  img.timeObsAllowed = 1;
  img.blockListComplete = 1;
  img.reinitNextCycle = 1;
  img.serviceIdle = 1;
  img.backgroundIdle = 1;
  img.cycleMonitoringMs = 3000;
  img.createdMark = 255;
  InitDefaults(engine);
}

void InitDefaults(Engine& engine) {
  setBuiltInType(engine.image());
  startAfresh(engine);
}

void SimulatorInit(Engine& engine, std::string_view directory) {
  InitDefaults(engine);
  resetMemory(engine);
  SimImage& img = engine.image();
  img.reinitNextCycle = 0;
  copyText(img.simulatorDir, sizeof img.simulatorDir, directory);
}

uint16_t ActivateTypeFile(Engine& engine, std::string_view path) {
  SimImage& img = engine.image();
  if (img.runState != 0) return 4;
  const std::filesystem::path file = platform::resolvePath({}, std::string(path));
  const TypeFileRead read = readTypeFile(file);
  if (read.code != 0) return read.code;

  // The type is applied on the record itself; a failure puts the saved record back.
  const auto saved = std::make_unique<SimImage>(img);
  copyText(img.typeName, sizeof img.typeName, read.file.designation);
  applyDataKeys(img, read.file);
  img.integratedCount = 0;
  startAfresh(engine);
  for (const auto& [address, value] : read.file.addressWrites)
    WriteS5Word(img, address, value);
  for (uint16_t id : read.file.integratedBlocks)
    img.integratedBlocks[img.integratedCount++] = id;

  if (img.integratedCount > 0) {
    const std::string text = file.string();
    const std::string s5d =
        text.substr(0, text.size() - std::min<std::size_t>(3, text.size())) + ".S5D";
    if (const auto found = platform::findExistingPath({}, s5d)) {
      if (loadS5dFile(engine, found->string(), S5dLoad::IntegratedBlocks) != 0) {
        img = *saved;
        return 23;
      }
    }
  }
  return 0;
}

}  // namespace tavrin::simcore
