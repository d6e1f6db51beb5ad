// Binary logic: checks with the first-check rule, the pending OR, brackets, set, reset, assign.
//
// A check sets STATUS to the operand's state (negated for UN and ON); the first check of a
// combination (ERAB 1) takes it as VKE, later ones combine it by AND or OR. O without operand
// saves VKE as the pending OR of the bracket level, which the next O, ON, assignment, set,
// reset, timer, counter, conditional jump, block call or closing bracket merges.
#ifndef SIMCORE_INTERP_BIT_LOGIC_H
#define SIMCORE_INTERP_BIT_LOGIC_H

#include "simcore/interp/machine.h"

namespace tavrin::simcore::interp {

inline void mergePendingOr(SimImage& s) {
  uint8_t& pending = s.pendingOr[s.bracketDepth];
  if (pending == 0) return;  // the common case writes nothing
  s.VKE = 1;
  pending = 0;
}

enum class CheckOp { U, O, UN, ON };

inline void check(SimImage& s, CheckOp op, bool state) {
  const bool negated = op == CheckOp::UN || op == CheckOp::ON;
  const bool orCheck = op == CheckOp::O || op == CheckOp::ON;
  if (orCheck) mergePendingOr(s);
  const uint8_t value = static_cast<uint8_t>(state != negated);
  s.STATUS = value;
  if (s.ERAB != 0) {
    s.VKE = value;
    s.ERAB = 0;
  } else {
    s.VKE = orCheck ? (s.VKE | value) : (s.VKE & value);
  }
}

// O without operand: AND before OR.
inline void orWithoutOperand(SimImage& s) {
  mergePendingOr(s);
  s.pendingOr[s.bracketDepth] = s.VKE;
  s.ERAB = 1;
}

// The bracket stack holds per level the function (high byte: 0 AND, 1 OR) and the saved VKE.
inline bool openBracket(Machine& m, bool orBracket) {
  SimImage& s = m.img;
  if (s.bracketDepth + 1u > s.KLAMMER_STACK_GROESSE) {
    m.stop(kBracketsTooDeep);
    return false;
  }
  uint8_t saved;
  if (orBracket) {
    saved = s.ERAB != 0 ? 0 : static_cast<uint8_t>(s.VKE | s.pendingOr[s.bracketDepth + 1]);
  } else {
    saved = s.ERAB != 0 ? 1 : s.VKE;
  }
  ++s.bracketDepth;
  s.pendingOr[s.bracketDepth] = 0;
  wr16(m.bracketStack + 2 * (s.bracketDepth - 1),
       static_cast<uint16_t>((orBracket ? 0x100 : 0) | saved));
  s.ERAB = 1;
  return true;
}

inline bool closeBracket(Machine& m) {
  SimImage& s = m.img;
  if (s.bracketDepth == 0) {
    m.stop(kBracketNotOpen);
    return false;
  }
  mergePendingOr(s);
  const uint16_t entry = rd16(m.bracketStack + 2 * (s.bracketDepth - 1));
  const uint8_t saved = static_cast<uint8_t>(entry & 1);
  s.VKE = (entry & 0x100) != 0 ? (saved | s.VKE) : (saved & s.VKE);
  --s.bracketDepth;
  s.ERAB = 0;
  return true;
}

enum class AssignOp { S, R, Assign };

// Set, reset and assign: the pending OR merged, VKE kept, ERAB := 1. Returns the new bit.
inline bool assign(SimImage& s, AssignOp op, bool bit) {
  mergePendingOr(s);
  s.ERAB = 1;
  switch (op) {
    case AssignOp::S:
      return bit || s.VKE != 0;
    case AssignOp::R:
      return bit && s.VKE == 0;
    case AssignOp::Assign:
      return s.VKE != 0;
  }
  return bit;
}

inline void assignBit(SimImage& s, AssignOp op, uint8_t& byte, unsigned bit) {
  const auto mask = static_cast<uint8_t>(1u << bit);
  byte = assign(s, op, (byte & mask) != 0) ? static_cast<uint8_t>(byte | mask)
                                           : static_cast<uint8_t>(byte & ~mask);
}

// The operation of a bit-instruction family (the high byte's bits 3..5 above the bit number).
inline bool checkOpOfFamily(unsigned family, CheckOp& op) {
  switch (family) {
    case 0x0:
      op = CheckOp::U;
      return true;
    case 0x1:
      op = CheckOp::O;
      return true;
    case 0x4:
      op = CheckOp::UN;
      return true;
    case 0x5:
      op = CheckOp::ON;
      return true;
    default:
      return false;
  }
}

// Bit instructions 0x80..0xFF: flags (0x80..0xB7) and process images (0xC0..0xF7), the
// operation in bits 3..5 of the operation code and the bit number in bits 0..2.
inline void bitInstruction(Machine& m, unsigned op, uint8_t& byte) {
  const unsigned bit = op & 7;
  const unsigned family = (op >> 3) & 7;
  CheckOp check_op;
  if (checkOpOfFamily(family, check_op)) {
    check(m.img, check_op, (byte >> bit) & 1);
    return;
  }
  assignBit(m.img,
            family == 2   ? AssignOp::S
            : family == 3 ? AssignOp::Assign
                          : AssignOp::R,
            byte, bit);
}

}  // namespace tavrin::simcore::interp

#endif
