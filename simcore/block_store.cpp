#include "simcore/block_store.h"

#include "simcore/block_kinds.h"
#include "simcore/memory_reset.h"
#include "simcore/ram.h"
#include "simcore/s5_memory.h"

namespace tavrin::simcore {

namespace {

uint16_t blockCountOf(const SimImage& img, const BlockKind& kind) {
  return std::min<uint16_t>(img.blockCount[kind.count], kMaxBlockNumbers);
}

uint16_t bigEndianWord(const uint8_t* bytes, unsigned i) {
  return static_cast<uint16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
}

// Registers every live block of one RAM and sets its fill level behind the last one. In a
// separate DB RAM only data blocks count; in the S5 RAM of separate RAMs only the others.
// A deleted block is stepped over whole, so that words inside it that look like a header never
// come back as a block.
void scanRam(Engine& engine, const RamView& ram, bool dataBlocks, bool otherBlocks) {
  *ram.fill = 0;
  for (unsigned w = 0; w < ram.size;) {
    const StoredHeader h = headerAt(ram, w);
    if (!h.inside) {
      ++w;
      continue;
    }
    const bool wanted = isDataBlockType(h.type()) ? dataBlocks : otherBlocks;
    if (h.type() != kTypeDeleted && wanted) {
      RegisterBlock(engine, h.type(), h.number(), static_cast<uint16_t>(w + kHeaderWords));
      *ram.fill = static_cast<uint16_t>(w + h.length);
    }
    w += h.length;
  }
}

// Moves the live blocks of a RAM down over the gaps; returns the new fill level.
uint16_t compressRam(const RamView& ram) {
  uint16_t writeAt = 0;
  for (unsigned w = 0; w < *ram.fill;) {
    const StoredHeader h = headerAt(ram, w);
    if (!h.inside) {
      ++w;
      continue;
    }
    if (h.type() != kTypeDeleted) {
      if (w > writeAt) {
        // The source is marked deleted first, so that an interrupted move never leaves two
        // live copies; the words move upwards from the lowest, which is safe for overlaps.
        ram.setWord(static_cast<uint16_t>(w + 1), kDeletedHeaderWord);
        for (unsigned i = 0; i < h.length; ++i)
          ram.setWord(static_cast<uint16_t>(writeAt + i), ram.word(static_cast<uint16_t>(w + i)));
        ram.setWord(static_cast<uint16_t>(writeAt + 1), h.word1);
      }
      writeAt = static_cast<uint16_t>(writeAt + h.length);
    }
    w += h.length;
  }
  return writeAt;
}

}  // namespace

uint16_t BlockEntry(const SimImage& img, uint8_t type, uint8_t number) {
  const BlockKind* kind = blockKind(type);
  if (kind == nullptr || number >= blockCountOf(img, *kind)) return 0;
  return areaWord(img, kind->list, number);
}

void setBlockEntry(SimImage& img, uint8_t type, uint8_t number, uint16_t entry) {
  const BlockKind* kind = blockKind(type);
  if (kind != nullptr) setAreaWord(img, kind->list, number, entry);
}

bool blockExists(const SimImage& img, uint8_t type, uint8_t number) {
  return BlockEntry(img, type, number) != 0;
}

uint16_t headerWord(Engine& engine, uint8_t type, uint8_t number, unsigned k) {
  const uint16_t entry = BlockEntry(engine.image(), type, number);
  const RamView ram = ramView(engine, ramFor(engine, type));
  if (entry < kHeaderWords || entry > ram.size) return 0;
  return ram.word(static_cast<uint16_t>(entry - kHeaderWords + k));
}

uint16_t BlockLength(Engine& engine, uint8_t type, uint8_t number) {
  return headerWord(engine, type, number, 4);
}

uint16_t bodyAddress(Engine& engine, uint8_t type, uint8_t number) {
  const uint16_t entry = BlockEntry(engine.image(), type, number);
  if (entry == 0) return 0;
  return ramView(engine, ramFor(engine, type)).address(engine.image(), entry);
}

bool RegisterBlock(Engine& engine, uint8_t type, uint8_t number, uint16_t entry) {
  SimImage& img = engine.image();
  const RamView ram = ramView(engine, ramFor(engine, type));
  if (blockKind(type) == nullptr || entry < kHeaderWords || entry > ram.size) return false;
  setBlockEntry(img, type, number, entry);
  if (isDataBlockType(type) && img.currentDb == blockIdentifier(type, number))
    refreshCurrentDataBlock(engine);
  return true;
}

void refreshCurrentDataBlock(Engine& engine) {
  SimImage& img = engine.image();
  const auto type = static_cast<uint8_t>(img.currentDb >> 8);
  const auto number = static_cast<uint8_t>(img.currentDb);
  if (!blockExists(img, type, number)) {
    img.currentDbLength = 0;
    img.currentDbWords = 0;
    return;
  }
  img.currentDbAddress = bodyAddress(engine, type, number);
  img.currentDbLength = BlockLength(engine, type, number);
  img.currentDbWords = static_cast<uint16_t>(img.currentDbLength - kHeaderWords);
}

void EraseBlock(Engine& engine, uint8_t type, uint8_t number) {
  SimImage& img = engine.image();
  const uint16_t entry = BlockEntry(img, type, number);
  if (entry == 0) return;
  const RamView ram = ramView(engine, ramFor(engine, type));
  if (entry >= kHeaderWords && entry <= ram.size)
    ram.setWord(static_cast<uint16_t>(entry - 4), kDeletedHeaderWord);
  setBlockEntry(img, type, number, 0);
  if (img.currentDb == blockIdentifier(type, number)) {
    img.currentDbLength = 0;
    img.currentDbWords = 0;
  }
}

uint16_t storeBlock(Engine& engine, uint8_t type, uint8_t number, const uint8_t* bytes,
                    uint16_t length) {
  const BlockKind* kind = blockKind(type);
  if (kind == nullptr || bytes == nullptr || length < kHeaderWords) return 6;
  const uint16_t word1 = bigEndianWord(bytes, 1);
  if (!validHeader(bigEndianWord(bytes, 0), word1, bigEndianWord(bytes, 4)) ||
      bigEndianWord(bytes, 4) != length || headerTypeCode(word1) != type ||
      static_cast<uint8_t>(word1) != number)
    return 6;
  SimImage& img = engine.image();
  const RamView ram = ramView(engine, ramFor(engine, type));
  // The last word of a RAM is never used.
  if (unsigned{*ram.fill} + length >= ram.size) return 33;
  EraseBlock(engine, type, number);
  const uint16_t at = *ram.fill;
  for (unsigned i = 0; i < length; ++i)
    ram.setWord(static_cast<uint16_t>(at + i), bigEndianWord(bytes, i));
  *ram.fill = static_cast<uint16_t>(at + length);
  if (!ramsSeparate(engine)) img.dbRamFill = img.s5RamFill;
  RegisterBlock(engine, type, number, static_cast<uint16_t>(at + kHeaderWords));
  return 0;
}

uint16_t readBlock(Engine& engine, uint8_t type, uint8_t number, uint8_t* bytes, uint16_t maxWords,
                   uint16_t& length) {
  const uint16_t entry = BlockEntry(engine.image(), type, number);
  if (entry == 0) return 27;
  const RamView ram = ramView(engine, ramFor(engine, type));
  const uint16_t words = BlockLength(engine, type, number);
  const uint16_t first = static_cast<uint16_t>(entry - kHeaderWords);
  if (words < kHeaderWords || unsigned{first} + words > ram.size) return 27;
  if (words > maxWords) return 33;
  for (unsigned i = 0; i < words; ++i) {
    const uint16_t w = ram.word(static_cast<uint16_t>(first + i));
    bytes[2 * i] = static_cast<uint8_t>(w >> 8);
    bytes[2 * i + 1] = static_cast<uint8_t>(w);
  }
  length = words;
  return 0;
}

uint16_t FindBlockAt(Engine& engine, uint16_t position, bool dataBlocksOnly) {
  const SimImage& img = engine.image();
  for (const auto& kind : kBlockKinds) {
    if (dataBlocksOnly && !isDataBlockType(kind.code)) continue;
    for (unsigned n = 0; n < blockCountOf(img, kind); ++n) {
      const uint16_t entry = areaWord(img, kind.list, n);
      if (entry == 0 || position < entry) continue;
      const uint16_t length = BlockLength(engine, kind.code, static_cast<uint8_t>(n));
      if (length >= kHeaderWords && position < unsigned{entry} + length - kHeaderWords)
        return blockIdentifier(kind.code, n);
    }
  }
  return 0;
}

void ScanMemory(Engine& engine) {
  SimImage& img = engine.image();
  clearAddressLists(img);
  const bool separate = ramsSeparate(engine);
  scanRam(engine, ramView(engine, RamKind::S5), !separate, true);
  if (separate)
    scanRam(engine, ramView(engine, RamKind::Db), true, false);
  else
    img.dbRamFill = img.s5RamFill;
}

bool CompressMemory(Engine& engine, bool force) {
  SimImage& img = engine.image();
  if (!force && img.blockStackDepth != 0 && img.runState != 0) return false;
  const RamView s5 = ramView(engine, RamKind::S5);
  *s5.fill = compressRam(s5);
  if (ramsSeparate(engine)) {
    const RamView db = ramView(engine, RamKind::Db);
    *db.fill = compressRam(db);
  }
  ScanMemory(engine);
  img.compressRequested = 0;
  return true;
}

bool IsIntegratedBlock(const SimImage& img, uint8_t type, uint8_t number) {
  const uint16_t id = blockIdentifier(type, number);
  const unsigned count = std::min<unsigned>(img.integratedCount, kMaxIntegratedBlocks);
  for (unsigned i = 0; i < count; ++i)
    if (img.integratedBlocks[i] == id) return true;
  return false;
}

}  // namespace tavrin::simcore
