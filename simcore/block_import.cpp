#include "simcore/block_import.h"

#include <algorithm>

#include "simcore/block_store.h"
#include "simcore/memory_reset.h"

namespace tavrin::simcore {

bool enterBlockImport(Engine& engine, uint16_t* buffer) {
  if (buffer == nullptr) return false;
  if (engine.importBuffer != nullptr) return true;
  SimImage& img = engine.image();
  Engine::ImportSaved& saved = engine.importSaved;
  saved.s5RamFill = img.s5RamFill;
  saved.dbRamFill = img.dbRamFill;
  saved.s5RamSize = img.S5RAM_GROESSE;
  saved.dbRamSize = img.DBRAM_GROESSE;
  std::copy(std::begin(img.blockCount), std::end(img.blockCount), saved.blockCount);
  engine.importBuffer = reinterpret_cast<uint8_t*>(buffer);
  img.s5RamFill = img.dbRamFill = 0;
  img.S5RAM_GROESSE = img.DBRAM_GROESSE = kImportRamWords;
  std::fill(std::begin(img.blockCount), std::end(img.blockCount), uint16_t{kMaxBlockNumbers});
  clearAddressLists(img);
  return true;
}

void leaveBlockImport(Engine& engine) {
  if (engine.importBuffer == nullptr) return;
  SimImage& img = engine.image();
  const Engine::ImportSaved& saved = engine.importSaved;
  engine.importBuffer = nullptr;
  img.s5RamFill = saved.s5RamFill;
  img.dbRamFill = saved.dbRamFill;
  img.S5RAM_GROESSE = saved.s5RamSize;
  img.DBRAM_GROESSE = saved.dbRamSize;
  std::copy(std::begin(saved.blockCount), std::end(saved.blockCount), img.blockCount);
  ScanMemory(engine);
}

}  // namespace tavrin::simcore
