// Exports: blocks.
#include <algorithm>

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/block_write.h"
#include "simcore/memory_reset.h"
#include "simcore/ram.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"

using namespace tavrin::simcore;

namespace {

bool blockNumberOk(int type, int number) {
  const BlockKind* kind = blockKind(static_cast<unsigned>(type));
  return kind != nullptr && number >= 0 && number < engine().image().blockCount[kind->count];
}

void putBigEndian(unsigned char* out, uint16_t word) {
  out[0] = static_cast<unsigned char>(word >> 8);
  out[1] = static_cast<unsigned char>(word);
}

// The walking position of S5AG_BuchAG, a word index into DB0; each process walks on its own.
unsigned buchAgPosition = 0;

}  // namespace

extern "C" {

unsigned short S5AG_BstWrite(short type, short number, short length, unsigned char* bytes,
                             unsigned char mode) {
  return BstWrite(engine(), type, number, static_cast<unsigned short>(length), bytes, mode);
}

unsigned short S5AG_BstReadMax(short type, short number, unsigned char* buffer,
                               unsigned short maxWords, short* length) {
  if (!blockNumberOk(type, number)) return 6;
  if (buffer == nullptr) return 33;
  uint16_t words = 0;
  const uint16_t code = readBlock(engine(), static_cast<uint8_t>(type),
                                  static_cast<uint8_t>(number), buffer, maxWords, words);
  if (code == 0 && length != nullptr) *length = static_cast<short>(words);
  return code;
}

unsigned short S5AG_BstRead(short type, short number, unsigned char* buffer, short* length) {
  return S5AG_BstReadMax(type, number, buffer, kMaxBlockWords, length);
}

unsigned short S5AG_BstErase(short type, short number) {
  const SimImage& img = engine().image();
  if (type < 0 || type > 255 || number < 0 || number > 255) return 6;
  const auto t = static_cast<uint8_t>(type);
  const auto n = static_cast<uint8_t>(number);
  if (writeProtected(img, t, n)) return 80;
  EraseBlock(engine(), t, n);
  return 0;
}

unsigned short S5AG_AGErase(void) {
  if (engine().image().runState != 0) return 82;
  OverallReset(engine());
  return 0;
}

unsigned short S5AG_Komprim(void) {
  engine().image().compressRequested = 1;
  return 0;
}

unsigned short S5AG_BausteinVorhandenW(unsigned short id) {
  return blockExists(engine().image(), static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id)) ? 1
                                                                                                : 0;
}

unsigned short S5AG_BausteinVorhandenB(unsigned char type, unsigned char number) {
  return blockExists(engine().image(), type, number) ? 1 : 0;
}

unsigned short S5AG_GetBausteinLaenge(unsigned char type, unsigned char number) {
  return BlockLength(engine(), type, number);
}

unsigned short S5AG_GetStartAdrOfs(unsigned char type, unsigned char number) {
  return BlockEntry(engine().image(), type, number);
}

unsigned short S5AG_GetSazBausteinTypNr(unsigned short wordIndex, unsigned char dataBlocksOnly) {
  return FindBlockAt(engine(), wordIndex, dataBlocksOnly != 0);
}

unsigned short S5AG_ReadKopf(short type, short number, unsigned char* buffer) {
  if (!blockNumberOk(type, number) || buffer == nullptr) return 27;
  Engine& e = engine();
  const auto t = static_cast<uint8_t>(type);
  const auto n = static_cast<uint8_t>(number);
  if (!blockExists(e.image(), t, n)) return 27;
  putBigEndian(buffer, bodyAddress(e, t, n));
  for (unsigned k = 0; k < kHeaderWords; ++k)
    putBigEndian(buffer + 2 + 2 * k, headerWord(e, t, n, k));
  return 0;
}

unsigned short S5AG_ReadBuch(short type, unsigned short* buffer, unsigned short* count) {
  Engine& e = engine();
  const BlockKind* kind = blockKind(static_cast<unsigned>(type));
  if (count != nullptr) *count = 0;
  if (kind == nullptr || buffer == nullptr || count == nullptr) return 0;
  const unsigned blocks = std::min<unsigned>(e.image().blockCount[kind->count], kMaxBlockNumbers);
  unsigned delivered = 0;
  for (unsigned n = 0; n < blocks; ++n)
    if (BlockEntry(e.image(), kind->code, static_cast<uint8_t>(n)) != 0) delivered = n + 1;
  for (unsigned n = 0; n < delivered; ++n) {
    const bool db0 = kind->code == kTypeDB && n == 0;
    buffer[n] = db0 ? 0 : bodyAddress(e, kind->code, static_cast<uint8_t>(n));
  }
  *count = static_cast<unsigned short>(delivered);
  return 0;
}

unsigned short S5AG_BuchAG(short restart, short withoutDataBlocks) {
  const SimImage& img = engine().image();
  if (restart != 0) buchAgPosition = 0;
  while (buchAgPosition < img.db0Length) {
    const uint16_t address = areaWordAddress(img, kBlockAddressList, buchAgPosition++);
    if (memoryWord(img, address) == 0) continue;
    for (const auto& kind : kBlockKinds) {
      if (withoutDataBlocks != 0 && isDataBlockType(kind.code)) continue;
      const uint16_t start = img.areaStart[kind.list];
      const unsigned number = (address - start) / img.AddrPerWord;
      if (address >= start && number < img.blockCount[kind.count])
        return blockIdentifier(kind.code, number);
    }
  }
  return 0;
}

unsigned short S5AG_SPaus(unsigned char* buffer) {
  if (buffer != nullptr) memoryConfiguration(engine(), buffer);
  return 0;
}

unsigned short S5AG_AlleVorhandenenBausteineRegistrieren(void) {
  ScanMemory(engine());
  return 1;
}

unsigned short S5AG_IsIntegrBst(unsigned short id) {
  return IsIntegratedBlock(engine().image(), static_cast<uint8_t>(id >> 8),
                           static_cast<uint8_t>(id))
             ? 1
             : 0;
}

unsigned short S5AG_DbDxKennung(unsigned char type) {
  return isDataBlockType(type) ? 1 : 0;
}

unsigned short S5AG_HoleAnzahlFBParameter(unsigned char number, char fx) {
  Engine& e = engine();
  const uint8_t type = fx != 0 ? kTypeFX : kTypeFB;
  const uint16_t entry = BlockEntry(e.image(), type, number);
  if (entry == 0) return 0;
  const RamView ram = ramView(e, ramFor(e, type));
  if (entry >= ram.size) return 0;
  const unsigned parameterBytes = ram.word(entry) & 0xFF;
  return parameterBytes < 5 ? 0 : static_cast<unsigned short>((parameterBytes - 5) / 3);
}

unsigned short S5AG_IsMC5CodeEinSprung(unsigned short word) {
  const unsigned op = word >> 8;
  return (op == 0x45 || op == 0xFA || word == 0x600C || op == 0x0D || op == 0x15 || op == 0x25 ||
          op == 0x2D || op == 0x35)
             ? 1
             : 0;
}

unsigned short S5AG_GetZyklusStartBaustein(void) {
  const SimImage& img = engine().image();
  if (blockExists(img, kTypeOB, 1)) return 1;
  if (blockExists(img, kTypeFB, 0)) return 301;
  if (blockExists(img, kTypePB, 1)) return 300;
  return 0;
}

}  // extern "C"
