// The interpreter's view of the controller for one run: the record, and the pointers into it
// that this process computes once per activation, so that an instruction costs a few accesses.
//
// Contents
//   Machine                 record, code, operand areas, current data block of this process
//   rd16, wr16, rdBe16 ...  little-endian memory words and big-endian byte-area words
//   Machine::stop           the one way the program stops the controller
//   stop causes             the BS 3 codes of the interpreter
//   error bits              the bits of the error word
//
// Operand areas are reached with fixed strides from their first element: word areas (timers,
// counters, BS, BA, data words) two bytes per element, byte areas (flags, process images, S
// flags) one byte per element, or two in word-addressed types where each byte is the low byte
// of a word. An operand byte reaches at most 258 elements past its area's start; even from the
// end of Space that stays inside the record (the receive buffer follows Space).
#ifndef SIMCORE_INTERP_MACHINE_H
#define SIMCORE_INTERP_MACHINE_H

#include <cstdint>
#include <cstring>

#include "simcore/engine.h"
#include "simcore/sim_image.h"

namespace tavrin::simcore::interp {

static_assert(offsetof(SimImage, receiveBuffer) == offsetof(SimImage, Space) + kSpaceBytes &&
                  kReceiveBufferBytes > 2 * 260,
              "operand strides past the end of Space must stay inside the record");

inline uint16_t rd16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}
inline void wr16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

// Stop causes written to BS 3.
enum StopCause : uint16_t {
  kIllegalInstruction = 0x0C2E,
  kCannotModify = 0x0E75,
  kOperandOutOfRange = 0x083B,
  kBlockMissing = 0x0EE8,
  kBadParameterNumber = 0x0EF0,
  kCallFromPb1 = 0x0EF1,
  kDb0Selected = 0x0C26,
  kDataBlockMissing = 0x0C27,
  kBracketsTooDeep = 0x0EE9,
  kBracketNotOpen = 0x0EEA,
  kMixedAreaCopy = 0x0EEE,
  kNoRoomForDataBlock = 0x0EE4,
  kTransferError = 0x0EEB,
  kCycleTimeExceeded = 0x083C,
  kStopInstruction = 0x0839,
};

// Bits of the error word.
enum ErrorBit : uint16_t {
  kErrAddressing = 0x0001,
  kErrReserved2 = 0x0002,
  kErrTransfer = 0x0004,
  kErrIllegal = 0x0008,
  kErrStop = 0x0010,
  kErrStackOverflow = 0x0020,
  kErrAddressingReserved = 0x0040,
  kErrCycleTime = 0x0100,
  kErrReserved200 = 0x0200,
  kErrBattery = 0x0400,
  kErrReserved800 = 0x0800,
  kErrCollision = 0x1000,
  kErrBlockStatus = 0x8000,
};

struct Machine {
  Engine& engine;
  SimImage& img;

  uint8_t* code = nullptr;  // S5 RAM word 0: the program
  uint16_t codeWords = 0;
  uint8_t* dataRam = nullptr;  // word 0 of the RAM that holds data blocks
  uint16_t dataRamWords = 0;

  uint8_t* flags = nullptr;  // byte areas: element n at [n << byteShift]
  uint8_t* processImage = nullptr;
  uint8_t* sFlags = nullptr;
  unsigned byteShift = 0;
  uint8_t* timers = nullptr;  // word areas: element n at [2n]
  uint8_t* counters = nullptr;
  uint8_t* bs = nullptr;
  uint8_t* ba = nullptr;
  uint8_t* bracketStack = nullptr;

  uint8_t* db = nullptr;  // data word 0 of the current data block, null when none
  bool wordAddressed = false;

  explicit Machine(Engine& e);

  // Points `db` at the current data block of the record.
  void refreshDataBlock();

  uint8_t& flagByte(unsigned n) { return flags[n << byteShift]; }
  uint8_t& imageByte(unsigned n) { return processImage[n << byteShift]; }
  uint8_t& sFlagByte(unsigned n) { return sFlags[n << byteShift]; }
  uint8_t* timerWord(unsigned n) { return timers + 2 * n; }
  uint8_t* counterWord(unsigned n) { return counters + 2 * n; }
  uint8_t* bsWord(unsigned n) { return bs + 2 * n; }
  uint8_t* baWord(unsigned n) { return ba + 2 * n; }
  uint16_t codeWord(uint16_t w) const { return rd16(code + 2 * w); }

  // Data word n of the current data block; null when it lies beyond the block.
  uint8_t* dataWord(unsigned n) {
    return db != nullptr && n < img.currentDbWords ? db + 2 * n : nullptr;
  }

  // Stops the controller: stop latch, the block stack depth for the BSTACK display, and (for a
  // cause) BS 3 := cause and BS 4 := Saz.
  void stop(uint16_t cause);
  void stopWithoutCause();
  // A stop that the error processing takes: the error bit and the stop cause.
  void fail(uint16_t errorBit, uint16_t cause) {
    img.errorWord |= errorBit;
    stop(cause);
  }
  // An error that the error processing hands to an error organisation block (or stops at):
  // the error bit, BS 3 := cause, BS 4 := Saz.
  void raise(uint16_t errorBit, uint16_t cause) {
    img.errorWord |= errorBit;
    wr16(bsWord(3), cause);
    wr16(bsWord(4), img.Saz);
  }
  // The transfer error of a data word beyond the block (range checking on).
  void transferError() { raise(kErrTransfer, kTransferError); }
};

// Big-endian words and double words in byte areas: the lower byte number is the more significant.
inline uint16_t byteAreaWord(uint8_t* base, unsigned shift, unsigned n) {
  return static_cast<uint16_t>(base[n << shift] << 8 | base[(n + 1) << shift]);
}
inline void setByteAreaWord(uint8_t* base, unsigned shift, unsigned n, uint16_t v) {
  base[n << shift] = static_cast<uint8_t>(v >> 8);
  base[(n + 1) << shift] = static_cast<uint8_t>(v);
}
inline uint32_t byteAreaDouble(uint8_t* base, unsigned shift, unsigned n) {
  return uint32_t{byteAreaWord(base, shift, n)} << 16 | byteAreaWord(base, shift, n + 2);
}
inline void setByteAreaDouble(uint8_t* base, unsigned shift, unsigned n, uint32_t v) {
  setByteAreaWord(base, shift, n, static_cast<uint16_t>(v >> 16));
  setByteAreaWord(base, shift, n + 2, static_cast<uint16_t>(v));
}

// The accumulator words of 16-bit operations.
inline uint16_t low(uint32_t accu) {
  return static_cast<uint16_t>(accu);
}
inline uint32_t withLow(uint32_t accu, uint16_t value) {
  return (accu & 0xFFFF0000u) | value;
}

}  // namespace tavrin::simcore::interp

#endif
