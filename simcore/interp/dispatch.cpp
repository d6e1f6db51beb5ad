// The interpreter loop and the decoding of every operation code. The families' effects are in
// their own headers, inlined here so that an instruction costs one dispatch and a few accesses.
#include <algorithm>

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/interp/arithmetic.h"
#include "simcore/interp/bit_logic.h"
#include "simcore/interp/block_calls.h"
#include "simcore/interp/execute.h"
#include "simcore/interp/load_transfer.h"
#include "simcore/interp/operand_ops.h"
#include "simcore/interp/timers_counters.h"
#include "simcore/interpreter.h"
#include "simcore/org_blocks.h"

namespace tavrin::simcore::interp {

namespace {

constexpr uint16_t kInstructionsBetweenPolls = 256;

int8_t signedByte(uint16_t w) {
  return static_cast<int8_t>(w & 0xFF);
}

// A relative jump: distance 0 continues with the next word.
unsigned jump(Machine& m, uint16_t at, int distance) {
  if (distance == 0) return 1;
  m.img.Saz = static_cast<uint16_t>(at + distance);
  return 0;
}

uint8_t callType(unsigned op) {
  switch (op) {
    case 0x75:
    case 0x55:
      return kTypePB;
    case 0x7D:
    case 0x5D:
      return kTypeSB;
    case 0x3D:
    case 0x1D:
      return kTypeFB;
    default:
      return kTypeOB;  // 0x6D, 0x4D
  }
}

unsigned conditionalCall(Machine& m, uint8_t type, unsigned number, uint16_t at, unsigned length) {
  SimImage& s = m.img;
  mergePendingOr(s);
  const bool call = s.VKE != 0;
  s.VKE = 1;
  s.ERAB = 1;
  if (call && callBlock(m, type, number, at, length)) return 0;
  return m.img.stopLatch != 0 ? 0 : length;
}

unsigned unconditionalCall(Machine& m, uint8_t type, unsigned number, uint16_t at,
                           unsigned length) {
  if (callBlock(m, type, number, at, length)) return 0;
  return m.img.stopLatch != 0 ? 0 : length;
}

unsigned blockEnd(Machine& m, Run& run) {
  if (endBlock(m, run.entryDepth)) run.ended = true;
  return 0;
}

// The 0x60 group: arithmetic with sub-codes, and SPS.
unsigned group60(Machine& m, uint16_t w, uint16_t w1, uint16_t at) {
  SimImage& s = m.img;
  const unsigned sub = w & 0xFF;
  const bool floatOp = sub == 0x0F || sub == 0x0B || sub == 0x07 || sub == 0x03 || sub == 0x08;
  if (floatOp && !m.wordAddressed) {
    illegal(m);
    return 0;
  }
  switch (sub) {
    case 0x00:
      opDivF(s);
      return 1;
    case 0x04:
      opMulF(s);
      return 1;
    case 0x05:
      opAddDH(s, uint32_t{w1} << 16 | m.codeWord(static_cast<uint16_t>(at + 2)));
      return 3;
    case 0x09:
      opSubD(s);
      return 1;
    case 0x0D:
      opAddD(s);
      return 1;
    case 0x0F:
      opAddG(s);
      return 1;
    case 0x0B:
      opSubG(s);
      return 1;
    case 0x07:
      opMulG(s);
      return 1;
    case 0x03:
      opDivG(s);
      return 1;
    case 0x08:
      opENT(s);
      return 1;
    case 0x0C: {
      const bool overflowed = s.OS != 0;
      s.OS = 0;
      if (!overflowed) return 2;
      m.img.Saz = static_cast<uint16_t>(at + 1 + signedByte(w1));
      return 0;
    }
    default:
      illegal(m);
      return 0;
  }
}

// The 0x68 group: shifts, conversions, floating-point conversions, BR and step address.
unsigned group68(Machine& m, uint16_t w, uint16_t w1) {
  SimImage& s = m.img;
  const unsigned sub = w & 0xFF;
  if ((sub & 0x0F) == 0x01) {
    opSVW(s, sub >> 4);
    return 1;
  }
  switch (sub) {
    case 0x08:
      opDUF(s);
      return 1;
    case 0x0A:
      opDUD(s);
      return 1;
    case 0x0C:
      opDEF(s);
      return 1;
    case 0x0E:
      opDED(s);
      return 1;
    case 0x07:
      opKZD(s);
      return 1;
    case 0x06:
    case 0x02:
      if (!m.wordAddressed) break;
      sub == 0x06 ? opFDG(s) : opGFD(s);
      return 1;
    case 0x19:
      s.Saz = static_cast<uint16_t>((low(s.ACCU1) & 0x7FFF) + 1);
      return 0;  // MAS
    case 0x99:
      s.Saz = static_cast<uint16_t>((low(s.BR) & 0x7FFF) + 1);
      return 0;  // MBS
    case 0x29:
      s.BR = s.ACCU1;
      return 1;  // MAB
    case 0x49:
      s.ACCU1 = withLow(s.ACCU1, s.Saz);
      return 1;  // MSA
    case 0x69:
      s.BR = s.Saz;
      return 1;  // MSB
    case 0x89:
      s.ACCU1 = s.BR;
      return 1;  // MBA
    case 0x00:
    case 0x03:
    case 0x04:
    case 0x05:
      registerRelative(m, sub, w1);
      return 2;
    default:
      break;
  }
  illegal(m);
  return 0;
}

// The 0x70 group: system operations, SPR, bit tests in words.
unsigned group70(Machine& m, uint16_t w, uint16_t w1, uint16_t at) {
  SimImage& s = m.img;
  switch (w & 0xFF) {
    case 0x00:
      s.errorWord |= kErrStop;
      m.stopWithoutCause();
      return 1;  // STS
    case 0x02:
      std::swap(s.ACCU1, s.ACCU2);
      return 1;  // TAK
    case 0x03:
      s.stopRequestedByProgram = 1;
      return 1;  // STP
    case 0x04:
      m.fail(kErrStop, kStopInstruction);
      return 1;   // STW
    case 0x0B: {  // SPR
      const int distance = w1 == 0 ? 2 : static_cast<int16_t>(w1);
      const long target = long{at} + distance;
      if (target < 0 || target >= long{s.s5RamFill}) {
        m.stop(kOperandOutOfRange);
        return 0;
      }
      s.Saz = static_cast<uint16_t>(target);
      return 0;
    }
    case 0x15:
    case 0x25:
    case 0x57:
    case 0x47:
    case 0x38:
    case 0x49:
    case 0x46:
      if (!bitTestInWord(m, static_cast<uint8_t>(w), w1)) return 0;
      return 2;
    default:
      illegal(m);
      return 0;
  }
}

// The 0x78 group: FX calls, data blocks, range checking, S flags, data word bits, register-
// relative bytes and words, special functions.
unsigned group78(Machine& m, uint16_t w, uint16_t w1, uint16_t at) {
  SimImage& s = m.img;
  const unsigned sub = w & 0xFF;
  switch (sub) {
    case 0x00:
      s.rangeCheck = 0;
      return 1;  // AFS
    case 0x10:
      s.rangeCheck = 1;
      return 1;  // AFF
    case 0x01:
      return unconditionalCall(m, kTypeFX, w1 & 0xFF, at, 2);
    case 0x02:
      return conditionalCall(m, kTypeFX, w1 & 0xFF, at, 2);
    case 0x03:
      if ((w1 >> 8) != 0x11) break;
      selectDataBlock(m, kTypeDX, w1 & 0xFF);
      return s.stopLatch != 0 ? 0 : 2;
    case 0x04:
      createDataBlock(m, kTypeDX, w1 & 0xFF);
      return s.stopLatch != 0 ? 0 : 2;
    case 0x05:
      createDataBlock(m, kTypeDB, w1 & 0xFF);
      return s.stopLatch != 0 ? 0 : 2;
    case 0x08:
      return specialFunction(m, w1) ? 2 : 0;
    case 0x3F:
      return dataWordBit(m, w1) ? 2 : 0;
    case 0x0E:
    case 0x1E:
    case 0x2E:
    case 0x5E:
    case 0x6E:
    case 0x8E:
    case 0x9E:
    case 0xAE:
    case 0xDE:
    case 0xEE:
      registerRelativeBytes(m, sub, w1);
      return 2;
    default:
      if ((sub & 0x0F) == 0x0B) return sFlagOperation(m, sub, w1) ? 2 : 0;
      break;
  }
  illegal(m);
  return 0;
}

}  // namespace

void illegal(Machine& m) {
  m.fail(kErrIllegal, kIllegalInstruction);
}

unsigned executeInPlace(Machine& m, Run& run, uint16_t w, uint16_t at) {
  if (run.substitutions >= kMaxSubstitutions) {
    illegal(m);
    return 0;
  }
  ++run.substitutions;
  const unsigned advance = execute(m, run, w, 0, at);
  --run.substitutions;
  return advance;
}

unsigned execute(Machine& m, Run& run, uint16_t w, uint16_t w1, uint16_t at) {
  SimImage& s = m.img;
  const unsigned op = w >> 8;
  const unsigned n = w & 0xFF;
  if (op >= 0x80) {
    if (op <= 0xB7) {
      bitInstruction(m, op, m.flagByte(n));
      return 1;
    }
    if (op >= 0xC0 && op <= 0xF7) {
      bitInstruction(m, op, m.imageByte(n));
      return 1;
    }
  }
  switch (op) {
    // System and no-operations
    case 0x00:
    case 0x10:
    case 0xFF:
      return 1;
    case 0x08:
      if (n != 0x00 && n != 0x80) break;
      s.interruptEnable = n == 0x80 ? 1 : 0;
      return 1;

    // Binary logic on timers and counters, brackets, O
    case 0xF8:
      check(s, CheckOp::U, timerOutput(rd16(m.timerWord(n))));
      return 1;
    case 0xF9:
      check(s, CheckOp::O, timerOutput(rd16(m.timerWord(n))));
      return 1;
    case 0xFC:
      check(s, CheckOp::UN, timerOutput(rd16(m.timerWord(n))));
      return 1;
    case 0xFD:
      check(s, CheckOp::ON, timerOutput(rd16(m.timerWord(n))));
      return 1;
    case 0xB8:
      check(s, CheckOp::U, counterOutput(rd16(m.counterWord(n))));
      return 1;
    case 0xB9:
      check(s, CheckOp::O, counterOutput(rd16(m.counterWord(n))));
      return 1;
    case 0xBC:
      check(s, CheckOp::UN, counterOutput(rd16(m.counterWord(n))));
      return 1;
    case 0xBD:
      check(s, CheckOp::ON, counterOutput(rd16(m.counterWord(n))));
      return 1;
    case 0xBA:
      return openBracket(m, false) ? 1 : 0;
    case 0xBB:
      return openBracket(m, true) ? 1 : 0;
    case 0xBF:
      return closeBracket(m) ? 1 : 0;
    case 0xFB:
      orWithoutOperand(s);
      return 1;

    // Timers
    case 0x34:
      startTimer(m, TimerOp::SI, n);
      return 1;
    case 0x1C:
      startTimer(m, TimerOp::SV, n);
      return 1;
    case 0x24:
      startTimer(m, TimerOp::SE, n);
      return 1;
    case 0x2C:
      startTimer(m, TimerOp::SS, n);
      return 1;
    case 0x14:
      startTimer(m, TimerOp::SA, n);
      return 1;
    case 0x04:
      enableTimer(m, n);
      return 1;
    case 0x3C:
      resetTimer(m, n);
      return 1;
    case 0x02:
      load(s, timerValue(m, n, false));
      return 1;
    case 0x0C:
      load(s, timerValue(m, n, true));
      return 1;

    // Counters
    case 0x6C:
      counterInstruction(m, CounterOp::ZV, n);
      return 1;
    case 0x54:
      counterInstruction(m, CounterOp::ZR, n);
      return 1;
    case 0x5C:
      counterInstruction(m, CounterOp::S, n);
      return 1;
    case 0x7C:
      counterInstruction(m, CounterOp::R, n);
      return 1;
    case 0x44:
      counterInstruction(m, CounterOp::FR, n);
      return 1;
    case 0x42:
      load(s, counterValue(m, n, false));
      return 1;
    case 0x4C:
      load(s, counterValue(m, n, true));
      return 1;

    // Loads and transfers
    case 0x0A:
      loadByteArea(m, m.flags, Width::Byte, n);
      return 1;
    case 0x0B:
      transferByteArea(m, m.flags, Width::Byte, n);
      return 1;
    case 0x12:
      loadByteArea(m, m.flags, Width::Word, n);
      return 1;
    case 0x13:
      transferByteArea(m, m.flags, Width::Word, n);
      return 1;
    case 0x1A:
      loadByteArea(m, m.flags, Width::Double, n);
      return 1;
    case 0x1B:
      transferByteArea(m, m.flags, Width::Double, n);
      return 1;
    case 0x4A:
      loadByteArea(m, m.processImage, Width::Byte, n);
      return 1;
    case 0x4B:
      transferByteArea(m, m.processImage, Width::Byte, n);
      return 1;
    case 0x52:
      loadByteArea(m, m.processImage, Width::Word, n);
      return 1;
    case 0x53:
      transferByteArea(m, m.processImage, Width::Word, n);
      return 1;
    case 0x5A:
      loadByteArea(m, m.processImage, Width::Double, n);
      return 1;
    case 0x5B:
      transferByteArea(m, m.processImage, Width::Double, n);
      return 1;
    case 0x72:
      loadPeripheral(m, n, false);
      return 1;
    case 0x73:
      transferPeripheral(m, n, false);
      return 1;
    case 0x7A:
      loadPeripheral(m, n, true);
      return 1;
    case 0x7B:
      transferPeripheral(m, n, true);
      return 1;
    case 0x5F:
    case 0x57:
      return 1;  // L QB, L QW
    case 0x7F:
    case 0x77:
      s.OS = 0;
      return 1;  // T QB, T QW
    case 0x32:
      loadDataWord(m, n, DataPart::Word);
      return 1;
    case 0x33:
      transferDataWord(m, n, DataPart::Word);
      return 1;
    case 0x22:
      loadDataWord(m, n, DataPart::High);
      return 1;
    case 0x23:
      transferDataWord(m, n, DataPart::High);
      return 1;
    case 0x2A:
      loadDataWord(m, n, DataPart::Low);
      return 1;
    case 0x2B:
      transferDataWord(m, n, DataPart::Low);
      return 1;
    case 0x3A:
      loadDataWord(m, n, DataPart::Double);
      return 1;
    case 0x3B:
      transferDataWord(m, n, DataPart::Double);
      return 1;
    case 0x62:
      load(s, rd16(m.bsWord(n)));
      return 1;
    case 0x63:
      wr16(m.bsWord(n), low(s.ACCU1));
      s.OS = 0;
      return 1;
    case 0x28:
      load(s, n);
      return 1;
    case 0x30:
      load(s, w1);
      return 2;
    case 0x38:
      if (n != 0x00 && n != 0x40) break;
      load(s, uint32_t{w1} << 16 | m.codeWord(static_cast<uint16_t>(at + 2)));
      return 3;

    // Fixed-point arithmetic and word logic
    case 0x79:
      opAddF(s);
      return 1;
    case 0x59:
      opSubF(s);
      return 1;
    case 0x01:
      opKEW(s);
      return 1;
    case 0x09:
      opKZW(s);
      return 1;
    case 0x41:
      opWordAnd(s);
      return 1;
    case 0x49:
      opWordOr(s);
      return 1;
    case 0x51:
      opWordXor(s);
      return 1;
    case 0x11:
      opInc(s, static_cast<uint8_t>(n));
      return 1;
    case 0x19:
      opDec(s, static_cast<uint8_t>(n));
      return 1;
    case 0x50:
      opAddBF(s, static_cast<uint8_t>(n));
      return 1;
    case 0x58:
      opAddKF(s, w1);
      return 2;
    case 0x60:
      return group60(m, w, w1, at);

    // Comparisons
    case 0x21:
      if (!opCompare(s, CompareKind::Fixed16, static_cast<uint8_t>(n))) break;
      return 1;
    case 0x39:
      if (!opCompare(s, CompareKind::Double32, static_cast<uint8_t>(n))) break;
      return 1;
    case 0x31:
      if (!m.wordAddressed || !opCompare(s, CompareKind::Float, static_cast<uint8_t>(n))) break;
      return 1;

    // Shifts and rotations, conversions
    case 0x61:
      opSLW(s, n);
      return 1;
    case 0x69:
      opSRW(s, n);
      return 1;
    case 0x29:
      opSLD(s, n);
      return 1;
    case 0x71:
      opSVD(s, n);
      return 1;
    case 0x64:
      opRLD(s, n);
      return 1;
    case 0x74:
      opRRD(s, n);
      return 1;
    case 0x68:
      return group68(m, w, w1);

    // Jumps
    case 0x2D:
      return jump(m, at, signedByte(w));
    case 0xFA: {
      mergePendingOr(s);
      const bool taken = s.VKE != 0;
      s.VKE = 1;
      s.ERAB = 1;
      return taken ? jump(m, at, signedByte(w)) : 1;
    }
    case 0x45:
      return s.ANZ1 == 0 && s.ANZ0 == 0 ? jump(m, at, signedByte(w)) : 1;
    case 0x35:
      return s.ANZ1 != s.ANZ0 ? jump(m, at, signedByte(w)) : 1;
    case 0x15:
      return s.ANZ1 == 1 && s.ANZ0 == 0 ? jump(m, at, signedByte(w)) : 1;
    case 0x25:
      return s.ANZ1 == 0 && s.ANZ0 == 1 ? jump(m, at, signedByte(w)) : 1;
    case 0x0D:
      return s.OV != 0 ? jump(m, at, signedByte(w)) : 1;

    // Block calls and ends
    case 0x75:
    case 0x7D:
    case 0x3D:
    case 0x6D:
      return unconditionalCall(m, callType(op), n, at, 1);
    case 0x55:
    case 0x5D:
    case 0x1D:
    case 0x4D:
      return conditionalCall(m, callType(op), n, at, 1);
    case 0x65:
      if (n > 1) break;
      return blockEnd(m, run);
    case 0x05: {
      mergePendingOr(s);
      const bool end = s.VKE != 0;
      s.VKE = 1;
      s.ERAB = 1;
      return end ? blockEnd(m, run) : 1;
    }

    // Data blocks
    case 0x20:
      selectDataBlock(m, kTypeDB, n);
      return s.stopLatch != 0 ? 0 : 1;

    // Formal operands and substitution
    case 0x07:
    case 0x0F:
    case 0x27:
    case 0x2F:
    case 0x17:
    case 0x37:
    case 0x1F:
    case 0x06:
    case 0x0E:
    case 0x16:
    case 0x26:
    case 0x2E:
    case 0x36:
    case 0x1E:
    case 0x3E:
    case 0x46:
    case 0x76:
    case 0x66:
    case 0x3F:
    case 0x56:
    case 0x7E:
      return formalOperand(m, run, w, at);
    case 0x4E:
    case 0x6E:
      return modifyNext(m, run, w, at);
    case 0x18:
      return executeInPlace(m, run, rd16(m.bsWord(n)), at) == 0 ? 0 : 1;

    // Registers, block transfers
    case 0x40:
      return loadRegister(m, n) ? 1 : 0;
    case 0x48:
      storeRegister(m, n);
      return 1;
    case 0x03:
      copyBytes(m, n, false);
      return 1;
    case 0x43:
      copyBytes(m, n, true);
      return s.stopLatch != 0 ? 0 : 1;

    case 0x70:
      return group70(m, w, w1, at);
    case 0x78:
      return group78(m, w, w1, at);
    default:
      break;
  }
  illegal(m);
  return 0;
}

}  // namespace tavrin::simcore::interp

namespace tavrin::simcore {

using namespace interp;

bool pushOrganisationFrame(Engine& engine) {
  Machine m(engine);
  return pushFrame(m, engine.image().Saz, 0);
}

void RunOrganisationBlock(Engine& engine, uint16_t entry) {
  SimImage& s = engine.image();
  const uint8_t type = entry == kRunPB1 ? kTypePB : entry == kRunFB0 ? kTypeFB : kTypeOB;
  const unsigned number = entry == kRunPB1 ? 1 : entry == kRunFB0 ? 0 : entry & 0xFF;
  Machine m(engine);
  const uint16_t body = BlockEntry(s, type, static_cast<uint8_t>(number));
  if (body == 0 || s.blockStackDepth == 0) {
    m.stop(kBlockMissing);
    return;
  }
  s.blockStack[s.blockStackDepth].calledBody = body;
  s.Saz = body;
  s.instructionsThisRun = 0;
  Run run{s.blockStackDepth};
  // The first poll comes with the first instruction, so that every run sees the clock.
  unsigned pollCountdown = 1;

  // The step address and the instruction count are kept in locals and only written to the
  // record: reading them back from memory after every instruction would chain each instruction
  // to the store of the one before. Code and size are locals because stores into the operand
  // areas could otherwise alias them.
  const uint8_t* const code = m.code;
  const unsigned codeWords = m.codeWords;
  uint16_t at = s.Saz;
  uint16_t count = 0;
  while (!run.ended && s.stopLatch == 0) {
    if (at + 1u >= codeWords) {
      m.stop(kOperandOutOfRange);
      return;
    }
    const uint16_t w = rd16(code + 2 * at);
    const uint16_t w1 = rd16(code + 2 * at + 2);
    if (engine.debugHook != nullptr) {
      s.instructionWord = w;
      s.nextWord = w1;
      engine.debugHook();
      at = s.Saz;
    }
    s.instructionsThisRun = ++count;
    s.SazOld = at;
    if (const unsigned words = execute(m, run, w, w1, at)) {
      at = static_cast<uint16_t>(at + words);
      s.Saz = at;
    } else {
      at = s.Saz;
    }

    if (--pollCountdown == 0) {
      pollCountdown = kInstructionsBetweenPolls;
      pollClock(engine);
    }
    if (s.errorWord != 0) {
      if (processErrors(engine) == ErrorOutcome::AbandonRun) return;
      m.refreshDataBlock();
      at = s.Saz;
    }
    if (count > s.instructionLimit) {
      // The count starts again, so that an error block that lets the run go on is not called
      // again after every further instruction.
      s.instructionsThisRun = count = 0;
      m.raise(kErrCycleTime, kCycleTimeExceeded);
      if (processErrors(engine) == ErrorOutcome::AbandonRun) return;
      m.refreshDataBlock();
      at = s.Saz;
    }
  }
}

}  // namespace tavrin::simcore
