#include "simcore/interp/operand_ops.h"

#include "simcore/block_kinds.h"
#include "simcore/interp/bit_logic.h"
#include "simcore/interp/block_calls.h"
#include "simcore/interp/load_transfer.h"
#include "simcore/s5_memory.h"

namespace tavrin::simcore::interp {

namespace {

// The operation codes a formal operand turns into, by the parameter's first byte.
constexpr uint8_t kTimerChecks[4] = {0xF8, 0xF9, 0xFC, 0xFD};    // U T, O T, UN T, ON T
constexpr uint8_t kCounterChecks[4] = {0xB8, 0xB9, 0xBC, 0xBD};  // U Z, O Z, UN Z, ON Z
constexpr uint8_t kBitCheckOffsets[4] = {0x00, 0x08, 0x20, 0x28};

// The parameter's first byte plus this offset gives the timer or counter instruction.
uint8_t timerCounterOffset(unsigned op) {
  switch (op) {
    case 0x06:
      return 0x02;  // FR =
    case 0x0E:
      return 0x0A;  // LC =
    case 0x16:
      return 0x12;  // SAR =
    case 0x26:
      return 0x22;  // SE =
    case 0x2E:
      return 0x2A;  // SSV =
    case 0x36:
      return 0x32;  // SI =
    case 0x1E:
      return 0x1A;  // SVZ =
    default:
      return 0x3A;  // RD =
  }
}

enum class OperandKind {
  None,
  FlagBit,
  ImageBit,
  Flag,
  Image,
  Timer,
  Counter,
  DataWord,
  Bs,
  Peripheral,
  Block
};

OperandKind operandKind(unsigned op) {
  if (op >= 0x80 && op <= 0xB7) return OperandKind::FlagBit;
  if (op >= 0xC0 && op <= 0xF7) return OperandKind::ImageBit;
  switch (op) {
    case 0x0A:
    case 0x0B:
    case 0x12:
    case 0x13:
    case 0x1A:
    case 0x1B:
      return OperandKind::Flag;
    case 0x4A:
    case 0x4B:
    case 0x52:
    case 0x53:
    case 0x5A:
    case 0x5B:
      return OperandKind::Image;
    case 0x02:
    case 0x04:
    case 0x0C:
    case 0x14:
    case 0x1C:
    case 0x24:
    case 0x2C:
    case 0x34:
    case 0x3C:
    case 0xF8:
    case 0xF9:
    case 0xFC:
    case 0xFD:
      return OperandKind::Timer;
    case 0x42:
    case 0x44:
    case 0x4C:
    case 0x54:
    case 0x5C:
    case 0x6C:
    case 0x7C:
    case 0xB8:
    case 0xB9:
    case 0xBC:
    case 0xBD:
      return OperandKind::Counter;
    case 0x22:
    case 0x23:
    case 0x2A:
    case 0x2B:
    case 0x32:
    case 0x33:
    case 0x3A:
    case 0x3B:
      return OperandKind::DataWord;
    case 0x62:
    case 0x63:
      return OperandKind::Bs;
    case 0x72:
    case 0x73:
    case 0x7A:
    case 0x7B:
      return OperandKind::Peripheral;
    case 0x20:
    case 0x75:
    case 0x55:
    case 0x7D:
    case 0x5D:
    case 0x3D:
    case 0x1D:
    case 0x6D:
    case 0x4D:
      return OperandKind::Block;
    default:
      return OperandKind::None;
  }
}

unsigned blockCountFor(const SimImage& s, unsigned op) {
  switch (op) {
    case 0x20:
      return s.blockCount[kCountDB];
    case 0x75:
    case 0x55:
      return s.blockCount[kCountPB];
    case 0x7D:
    case 0x5D:
      return s.blockCount[kCountSB];
    case 0x3D:
    case 0x1D:
      return s.blockCount[kCountFB];
    default:
      return s.blockCount[kCountOB];
  }
}

// An operand reaches at most the 256 elements one instruction byte can name.
unsigned limitOf(const Machine& m, OperandKind kind, unsigned op) {
  const SimImage& s = m.img;
  unsigned limit = 0;
  switch (kind) {
    case OperandKind::FlagBit:
    case OperandKind::Flag:
      limit = s.MERKER_ANZAHL;
      break;
    case OperandKind::ImageBit:
    case OperandKind::Image:
      limit = s.EA_ANZAHL / 2u;
      break;
    case OperandKind::Timer:
      limit = s.TIMER_ANZAHL;
      break;
    case OperandKind::Counter:
      limit = s.COUNTER_ANZAHL;
      break;
    case OperandKind::DataWord:
      limit = s.currentDbWords;
      break;
    case OperandKind::Bs:
      limit = s.BS_ANZAHL;
      break;
    case OperandKind::Peripheral:
      limit = s.PERI_ANZAHL;
      break;
    case OperandKind::Block:
      limit = blockCountFor(s, op);
      break;
    case OperandKind::None:
      break;
  }
  return std::min(limit, 256u);
}

}  // namespace

unsigned formalOperand(Machine& m, Run& run, uint16_t w, uint16_t at) {
  SimImage& s = m.img;
  const unsigned op = w >> 8;
  if (op == 0x56 && !m.wordAddressed) {
    illegal(m);
    return 0;
  }
  const unsigned number = op == 0x7E ? (s.ACCU1 & 0xFF) : (w & 0xFF);
  uint16_t param = 0, following = 0;
  if (!formalParameter(m, number, param, &following)) return 0;
  const unsigned paramOp = param >> 8;
  const unsigned paramOperand = param & 0xFF;
  uint16_t built = param;
  switch (op) {
    case 0x07:
    case 0x0F:
    case 0x27:
    case 0x2F: {
      const unsigned which = op == 0x07 ? 0 : op == 0x0F ? 1 : op == 0x27 ? 2 : 3;
      const unsigned checkOp = paramOp == 0x02   ? kTimerChecks[which]
                               : paramOp == 0x42 ? kCounterChecks[which]
                                                 : paramOp + kBitCheckOffsets[which];
      built = static_cast<uint16_t>(checkOp << 8 | paramOperand);
      break;
    }
    case 0x17:
      built = static_cast<uint16_t>(param + 0x1000);
      break;  // S =
    case 0x37:
      built = static_cast<uint16_t>(param + 0x3000);
      break;  // RB =
    case 0x1F:
      built = static_cast<uint16_t>(param + 0x1800);
      break;  // = =
    case 0x06:
    case 0x0E:
    case 0x16:
    case 0x26:
    case 0x2E:
    case 0x36:
    case 0x1E:
    case 0x3E:
      built = static_cast<uint16_t>((paramOp + timerCounterOffset(op)) << 8 | paramOperand);
      break;
    case 0x66:
      built = static_cast<uint16_t>(param + 0x0100);
      break;  // T =: the load as a transfer
    case 0x3F:
      load(s, param);
      return 1;  // LW =
    case 0x56:
      load(s, uint32_t{param} << 16 | following);
      return 1;  // LD =
    default:
      break;  // L =, B =, BI
  }
  return executeInPlace(m, run, built, at) == 0 ? 0 : 1;
}

unsigned modifyNext(Machine& m, Run& run, uint16_t w, uint16_t at) {
  SimImage& s = m.img;
  const unsigned n = w & 0xFF;
  const auto nextAt = static_cast<uint16_t>(at + 1);
  if (nextAt + 1u >= m.codeWords) {
    m.fail(kErrIllegal, kCannotModify);
    return 0;
  }
  const uint16_t next = m.codeWord(nextAt);
  const uint16_t next1 = m.codeWord(static_cast<uint16_t>(nextAt + 1));
  const unsigned nextWords = (next >> 8) == 0x78 ? 2 : 1;
  uint16_t value;
  if ((w >> 8) == 0x4E) {
    value = byteAreaWord(m.flags, m.byteShift, n);
  } else {
    const uint8_t* p = m.dataWord(n);
    if (p == nullptr) {
      // With range checking on the transfer error is raised; either way the pair is passed over.
      if (s.rangeCheck != 0) m.transferError();
      return 1 + nextWords;
    }
    value = rd16(p);
  }
  const unsigned words = executeModified(m, run, next, next1, value, nextAt);
  return words == 0 ? 0 : 1 + words;
}

unsigned executeModified(Machine& m, Run& run, uint16_t next, uint16_t next1, uint16_t value,
                         uint16_t at) {
  SimImage& s = m.img;
  const unsigned op = next >> 8;
  const unsigned operand = next & 0xFF;
  if (next >= 0xFE00) {
    m.fail(kErrIllegal, kCannotModify);
    return 0;
  }
  if (op == 0x78 && (operand & 0x0F) == 0x0B) {  // S flags: address and bit from the value
    if (next1 != 0) {
      m.fail(kErrIllegal, kCannotModify);
      return 0;
    }
    if ((value & 0x3FF) >= s.SMERKER_ANZAHL) {
      m.raise(kErrAddressing, kOperandOutOfRange);
      return 2;  // an error block that lets the run go on continues behind the instruction
    }
    return execute(m, run, next, static_cast<uint16_t>((value & 0x3FF) | (value & 0x7000)), at);
  }
  const OperandKind kind = operandKind(op);
  const bool imageOperand = kind == OperandKind::Image || kind == OperandKind::ImageBit;
  if (kind == OperandKind::None || !(operand == 0 || (imageOperand && operand == 0x80))) {
    m.fail(kErrIllegal, kCannotModify);
    return 0;
  }
  const bool bitKind = kind == OperandKind::FlagBit || kind == OperandKind::ImageBit;
  const unsigned element = bitKind ? (value & 0xFF) : value;
  if (element >= limitOf(m, kind, op)) {
    m.raise(kErrAddressing, kOperandOutOfRange);
    return 1;  // an error block that lets the run go on continues behind the instruction
  }
  unsigned newOp = op;
  if (bitKind) newOp = (op & ~7u) | (((op & 7u) + ((value >> 8) & 7u)) & 7u);
  const unsigned newOperand = element + (imageOperand && operand == 0x80 ? 128 : 0);
  return execute(m, run, static_cast<uint16_t>(newOp << 8 | newOperand), next1, at);
}

bool loadRegister(Machine& m, unsigned reg) {
  SimImage& s = m.img;
  const uint16_t address = low(s.ACCU1);
  uint16_t value = ReadS5Word(s, address);
  // From the address lists on, a word is a list entry: it becomes the S5 address it stands for.
  if (address >= s.areaStart[kListOB])
    value = static_cast<uint16_t>(value * s.AddrPerWord + s.areaStart[kS5Ram]);
  const bool word = m.wordAddressed;
  const auto setLow = [](uint32_t& a, uint16_t v) { a = (a & 0xFFFF0000u) | v; };
  const auto setHigh = [](uint32_t& a, uint16_t v) { a = (a & 0xFFFFu) | uint32_t{v} << 16; };
  switch (reg) {
    case 0:
      word ? setHigh(s.ACCU1, value) : setLow(s.ACCU1, value);
      break;
    case 1:
      word ? setLow(s.ACCU1, value) : setHigh(s.ACCU1, value);
      break;
    case 2:
      word ? setHigh(s.ACCU2, value) : setLow(s.ACCU2, value);
      break;
    case 3:
      word ? setLow(s.ACCU2, value) : setHigh(s.ACCU2, value);
      break;
    case 6:
      s.currentDbAddress = value;
      m.refreshDataBlock();
      break;
    case 8:
      s.currentDbWords = value;
      s.currentDbLength = static_cast<uint16_t>(value + kHeaderWords);
      m.refreshDataBlock();
      break;
    case 9:
      setHigh(s.ACCU3, value);
      break;
    case 10:
      setLow(s.ACCU3, value);
      break;
    case 11:
      setHigh(s.ACCU4, value);
      break;
    case 12:
      setLow(s.ACCU4, value);
      break;
    case 15:
      s.Saz = value;
      return false;
    default:
      break;
  }
  return true;
}

void storeRegister(Machine& m, unsigned reg) {
  SimImage& s = m.img;
  const bool word = m.wordAddressed;
  uint16_t value;
  switch (reg) {
    case 0:
      value = word ? static_cast<uint16_t>(s.ACCU1 >> 16) : low(s.ACCU1);
      break;
    case 1:
      value = word ? low(s.ACCU1) : static_cast<uint16_t>(s.ACCU1 >> 16);
      break;
    case 2:
      value = word ? static_cast<uint16_t>(s.ACCU2 >> 16) : low(s.ACCU2);
      break;
    case 3:
      value = word ? low(s.ACCU2) : static_cast<uint16_t>(s.ACCU2 >> 16);
      break;
    case 6:
      value = s.currentDbAddress;
      break;
    case 8:
      value = s.currentDbWords;
      break;
    case 9:
      value = static_cast<uint16_t>(s.ACCU3 >> 16);
      break;
    case 10:
      value = low(s.ACCU3);
      break;
    case 11:
      value = static_cast<uint16_t>(s.ACCU4 >> 16);
      break;
    case 12:
      value = low(s.ACCU4);
      break;
    case 15:
      value = s.Saz;
      break;
    default:
      return;
  }
  WriteS5Word(s, low(s.ACCU1), value);
}

void copyBytes(Machine& m, unsigned n, bool words) {
  SimImage& s = m.img;
  const uint16_t from = low(s.ACCU2), to = low(s.ACCU1);
  const unsigned step = words ? s.AddrPerWord : 1;
  bool mixed = false;
  for (unsigned i = 0; i < n; ++i) {
    const auto src = static_cast<uint16_t>(from - i * step);
    const auto dst = static_cast<uint16_t>(to - i * step);
    if (!words) {
      WriteS5Byte(s, dst, ReadS5Byte(s, src));
      continue;
    }
    mixed = mixed || inByteArea(s, src) != inByteArea(s, dst);
    WriteS5Word(s, dst, ReadS5Word(s, src));
  }
  if (n != 0) s.OS = 0;
  if (mixed) m.stop(kMixedAreaCopy);
}

void registerRelative(Machine& m, unsigned sub, uint16_t distance) {
  SimImage& s = m.img;
  s.BR += static_cast<uint32_t>(static_cast<int32_t>(static_cast<int16_t>(distance)));
  const bool dbl = sub == 0x04 || sub == 0x05;
  const uint32_t last = dbl ? 0xFFFFu - s.AddrPerWord : 0xFFFFu;
  if (s.BR > last) return;
  const auto a = static_cast<uint16_t>(s.BR);
  const auto b = static_cast<uint16_t>(s.BR + s.AddrPerWord);
  switch (sub) {
    case 0x00:
      load(s, ReadS5Word(s, a));
      break;
    case 0x04:
      load(s, uint32_t{ReadS5Word(s, a)} << 16 | ReadS5Word(s, b));
      break;
    case 0x03:
      WriteS5Word(s, a, low(s.ACCU1));
      s.OS = 0;
      break;
    case 0x05:
      WriteS5Word(s, a, static_cast<uint16_t>(s.ACCU1 >> 16));
      WriteS5Word(s, b, low(s.ACCU1));
      s.OS = 0;
      break;
    default:
      break;
  }
}

void registerRelativeBytes(Machine& m, unsigned sub, uint16_t distance) {
  SimImage& s = m.img;
  s.BR += static_cast<uint32_t>(static_cast<int32_t>(static_cast<int16_t>(distance)));
  if (s.BR > 0xFFFF) return;
  const auto a = static_cast<uint16_t>(s.BR);
  switch (sub) {
    case 0x0E:
    case 0x1E:
    case 0x2E:
      load(s, ReadS5Byte(s, a));
      break;
    case 0x5E:
    case 0x6E:
      load(s, ReadS5Word(s, a));
      break;
    case 0x8E:
    case 0x9E:
    case 0xAE:
      WriteS5Byte(s, a, static_cast<uint8_t>(s.ACCU1));
      s.OS = 0;
      break;
    default:
      WriteS5Word(s, a, low(s.ACCU1));
      s.OS = 0;
      break;  // 0xDE, 0xEE
  }
}

bool bitTestInWord(Machine& m, uint8_t element, uint16_t w1) {
  SimImage& s = m.img;
  const unsigned operation = w1 >> 12;
  if (operation != 0x0 && operation != 0x4 && operation != 0x8 && operation != 0xC) {
    illegal(m);
    return false;
  }
  const unsigned bit = (w1 >> 8) & 0xF;
  const unsigned n = w1 & 0xFF;
  uint8_t* word = nullptr;
  uint8_t* byte = nullptr;
  switch (element) {
    case 0x15:
      word = m.counterWord(n);
      break;
    case 0x25:
      word = m.timerWord(n);
      break;
    case 0x57:
      word = m.bsWord(n);
      break;
    case 0x47:
      word = m.baWord(n);
      break;
    case 0x38:
      byte = &m.imageByte(n);
      break;
    case 0x49:
      byte = &m.flagByte(n);
      break;
    default:  // 0x46: data words of the current block
      word = m.dataWord(n);
      if (word == nullptr) {
        if (s.rangeCheck != 0) m.transferError();
        return true;
      }
      break;
  }
  const unsigned value = word != nullptr ? rd16(word) : *byte;
  const unsigned mask = 1u << (word != nullptr ? bit : bit & 7);
  const bool set = (value & mask) != 0;
  switch (operation) {
    case 0xC:
      s.VKE = set;
      s.ERAB = 0;
      return true;  // P
    case 0x8:
      s.VKE = !set;
      s.ERAB = 0;
      return true;  // PN
    default:
      break;
  }
  const unsigned result = operation == 0x4 ? value | mask : value & ~mask;  // SU, RU
  if (word != nullptr)
    wr16(word, static_cast<uint16_t>(result));
  else
    *byte = static_cast<uint8_t>(result);
  s.ERAB = 1;
  return true;
}

bool sFlagOperation(Machine& m, unsigned sub, uint16_t w1) {
  SimImage& s = m.img;
  const unsigned kind = sub >> 4;
  if (kind <= 0x6) {
    const unsigned byteNumber = w1 & 0x0FFF;
    if (byteNumber >= s.SMERKER_ANZAHL) {
      m.raise(kErrAddressing, kOperandOutOfRange);
      return true;  // passed over; the error block decides
    }
    uint8_t& byte = m.sFlagByte(byteNumber);
    const unsigned bit = (w1 >> 12) & 7;
    const bool state = (byte >> bit) & 1;
    switch (kind) {
      case 0x0:
        check(s, CheckOp::U, state);
        break;
      case 0x1:
        check(s, CheckOp::O, state);
        break;
      case 0x4:
        check(s, CheckOp::UN, state);
        break;
      case 0x5:
        check(s, CheckOp::ON, state);
        break;
      case 0x2:
        assignBit(s, AssignOp::S, byte, bit);
        break;
      case 0x3:
        assignBit(s, AssignOp::Assign, byte, bit);
        break;
      default:
        assignBit(s, AssignOp::R, byte, bit);
        break;  // 0x6
    }
    return true;
  }
  const Width width = kind <= 0xB ? Width::Byte : kind <= 0xD ? Width::Word : Width::Double;
  const unsigned size = width == Width::Byte ? 1 : width == Width::Word ? 2 : 4;
  if (kind < 0xA || w1 + size > s.SMERKER_ANZAHL) {
    if (kind < 0xA) {
      illegal(m);
      return false;
    }
    m.raise(kErrAddressing, kOperandOutOfRange);
    return true;  // passed over; the error block decides
  }
  if (kind % 2 == 0)
    loadByteArea(m, m.sFlags, width, w1);
  else
    transferByteArea(m, m.sFlags, width, w1);
  return true;
}

bool dataWordBit(Machine& m, uint16_t w1) {
  SimImage& s = m.img;
  const unsigned operation = w1 >> 12;
  if (operation > 6) {
    illegal(m);
    return false;
  }
  uint8_t* p = m.dataWord(w1 & 0xFF);
  if (p == nullptr) {
    if (s.rangeCheck != 0) m.transferError();
    return true;
  }
  const unsigned bit = (w1 >> 8) & 0xF;
  uint16_t value = rd16(p);
  const bool state = (value >> bit) & 1;
  constexpr CheckOp kChecks[4] = {CheckOp::U, CheckOp::O, CheckOp::UN, CheckOp::ON};
  if (operation < 4) {
    check(s, kChecks[operation], state);
    return true;
  }
  const AssignOp op = operation == 4   ? AssignOp::S
                      : operation == 5 ? AssignOp::R
                                       : AssignOp::Assign;
  const bool result = assign(s, op, state);
  value = result ? static_cast<uint16_t>(value | (1u << bit))
                 : static_cast<uint16_t>(value & ~(1u << bit));
  wr16(p, value);
  return true;
}

}  // namespace tavrin::simcore::interp
