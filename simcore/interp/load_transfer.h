// Loads and transfers. A load moves ACCU1 into ACCU2 and places the value right-aligned in
// ACCU1; a transfer stores from ACCU1, leaves the accumulators, and clears OS.
#ifndef SIMCORE_INTERP_LOAD_TRANSFER_H
#define SIMCORE_INTERP_LOAD_TRANSFER_H

#include "simcore/interp/machine.h"

namespace tavrin::simcore::interp {

inline void load(SimImage& s, uint32_t value) {
  s.ACCU2 = s.ACCU1;
  s.ACCU1 = value;
}

// Flags and process images (byte areas): byte, word (n, n+1) and double word (n .. n+3).
enum class Width { Byte, Word, Double };

inline void loadByteArea(Machine& m, uint8_t* base, Width width, unsigned n) {
  switch (width) {
    case Width::Byte:
      load(m.img, base[n << m.byteShift]);
      break;
    case Width::Word:
      load(m.img, byteAreaWord(base, m.byteShift, n));
      break;
    case Width::Double:
      load(m.img, byteAreaDouble(base, m.byteShift, n));
      break;
  }
}

inline void transferByteArea(Machine& m, uint8_t* base, Width width, unsigned n) {
  SimImage& s = m.img;
  switch (width) {
    case Width::Byte:
      base[n << m.byteShift] = static_cast<uint8_t>(s.ACCU1);
      break;
    case Width::Word:
      setByteAreaWord(base, m.byteShift, n, low(s.ACCU1));
      break;
    case Width::Double:
      setByteAreaDouble(base, m.byteShift, n, s.ACCU1);
      break;
  }
  s.OS = 0;
}

// Data words of the current data block. A word beyond the block raises the transfer error with
// range checking on; with it off the instruction is skipped.
enum class DataPart { Word, High, Low, Double };

inline uint8_t* dataWordChecked(Machine& m, unsigned n, DataPart part) {
  uint8_t* p = m.dataWord(part == DataPart::Double ? n + 1 : n);
  if (p == nullptr) {
    if (m.img.rangeCheck != 0) m.transferError();
    return nullptr;
  }
  return m.db + 2 * n;
}

inline void loadDataWord(Machine& m, unsigned n, DataPart part) {
  const uint8_t* p = dataWordChecked(m, n, part);
  if (p == nullptr) return;
  const uint16_t w = rd16(p);
  switch (part) {
    case DataPart::Word:
      load(m.img, w);
      break;
    case DataPart::High:
      load(m.img, w >> 8);
      break;
    case DataPart::Low:
      load(m.img, w & 0xFF);
      break;
    case DataPart::Double:
      load(m.img, uint32_t{w} << 16 | rd16(p + 2));
      break;
  }
}

inline void transferDataWord(Machine& m, unsigned n, DataPart part) {
  uint8_t* p = dataWordChecked(m, n, part);
  if (p == nullptr) return;
  SimImage& s = m.img;
  const uint16_t w = rd16(p);
  switch (part) {
    case DataPart::Word:
      wr16(p, low(s.ACCU1));
      break;
    case DataPart::High:
      wr16(p, static_cast<uint16_t>((w & 0x00FF) | (s.ACCU1 & 0xFF) << 8));
      break;
    case DataPart::Low:
      wr16(p, static_cast<uint16_t>((w & 0xFF00) | (s.ACCU1 & 0xFF)));
      break;
    case DataPart::Double:
      wr16(p, static_cast<uint16_t>(s.ACCU1 >> 16));
      wr16(p + 2, low(s.ACCU1));
      break;
  }
  s.OS = 0;
}

// Peripheral bytes and words: the inputs below 128 (words below 127) are read from the input
// image, outputs written to the output image; beyond, a load only copies ACCU1 into ACCU2.
inline void loadPeripheral(Machine& m, unsigned n, bool word) {
  SimImage& s = m.img;
  if (n >= (word ? 127u : 128u)) {
    s.ACCU2 = s.ACCU1;
    return;
  }
  load(s, word ? byteAreaWord(m.processImage, m.byteShift, n) : m.imageByte(n));
}

inline void transferPeripheral(Machine& m, unsigned n, bool word) {
  SimImage& s = m.img;
  if (n < (word ? 127u : 128u)) {
    if (word)
      setByteAreaWord(m.processImage, m.byteShift, 128 + n, low(s.ACCU1));
    else
      m.imageByte(128 + n) = static_cast<uint8_t>(s.ACCU1);
  }
  s.OS = 0;
}

}  // namespace tavrin::simcore::interp

#endif
