// The two block RAMs: S5 RAM (code blocks, and data blocks when the RAMs are one) and DB RAM.
//
// Contents
//   RamKind, RamView   one RAM as this process reaches it: word 0, start address, size, fill
//   ramView            the view of a RAM, its size held to what the address space can hold
//   ramsSeparate       whether S5 RAM and DB RAM are two RAMs
//   ramFor             the RAM that holds blocks of a type
//   StoredHeader       the block header words at a position of a RAM
//   memoryConfiguration   S5 RAM start and the address of its fill level, as a device reads them
#ifndef SIMCORE_RAM_H
#define SIMCORE_RAM_H

#include <cstdint>

#include "simcore/block_kinds.h"
#include "simcore/engine.h"

namespace tavrin::simcore {

enum class RamKind { S5, Db };

struct RamView {
  uint8_t* base;   // word 0: little-endian words, two bytes apart
  uint16_t start;  // S5 address of word 0
  uint16_t size;   // words
  uint16_t* fill;  // the first free word, in the record
  RamKind kind;

  uint16_t word(uint16_t w) const {
    return static_cast<uint16_t>(base[2 * w] | base[2 * w + 1] << 8);
  }
  void setWord(uint16_t w, uint16_t value) const {
    base[2 * w] = static_cast<uint8_t>(value);
    base[2 * w + 1] = static_cast<uint8_t>(value >> 8);
  }
  // The S5 address of word w.
  uint16_t address(const SimImage& img, uint16_t w) const {
    return static_cast<uint16_t>(start + w * img.AddrPerWord);
  }
};

// Words 0, 1 and 4 of what would be a block header at word w of a RAM.
struct StoredHeader {
  uint16_t word0 = 0, word1 = 0, length = 0;
  bool inside = false;  // a valid header of a block that lies wholly inside the RAM
  uint8_t type() const { return headerTypeCode(word1); }
  uint8_t number() const { return static_cast<uint8_t>(word1); }
};

inline StoredHeader headerAt(const RamView& ram, unsigned w) {
  StoredHeader h;
  if (w + kHeaderWords > ram.size) return h;
  h.word0 = ram.word(static_cast<uint16_t>(w));
  h.word1 = ram.word(static_cast<uint16_t>(w + 1));
  h.length = ram.word(static_cast<uint16_t>(w + 4));
  h.inside = validHeader(h.word0, h.word1, h.length) && w + h.length <= ram.size;
  return h;
}

RamView ramView(Engine& engine, RamKind kind);
bool ramsSeparate(const Engine& engine);
RamKind ramFor(const Engine& engine, uint8_t typeCode);

// The most words a RAM starting at `start` can have inside the address space (in word-addressed
// types inside the half of the space it starts in, which is contiguous).
uint16_t ramCapacityWords(const SimImage& img, uint16_t start);

// Four bytes: the S5 RAM start address and the S5 address of its fill level, high byte first.
void memoryConfiguration(Engine& engine, uint8_t* out);

}  // namespace tavrin::simcore

#endif
