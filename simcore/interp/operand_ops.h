// Instructions that reach their operands indirectly: formal operands, B MW / B DW, registers,
// block transfers, register-relative access, S flags, data word bits, bit tests in words, and
// the special functions.
#ifndef SIMCORE_INTERP_OPERAND_OPS_H
#define SIMCORE_INTERP_OPERAND_OPS_H

#include <cstdint>

#include "simcore/interp/execute.h"

namespace tavrin::simcore::interp {

// A formal-operand instruction of a function block: the call's parameter combined into the real
// instruction and executed in its place. Returns the words to advance (1) or 0.
unsigned formalOperand(Machine& m, Run& run, uint16_t w, uint16_t at);

// B MW n / B DW n: the next instruction executed with its operand replaced.
unsigned modifyNext(Machine& m, Run& run, uint16_t w, uint16_t at);

// LIR / TIR. loadRegister returns false when it set Saz (register 15).
bool loadRegister(Machine& m, unsigned reg);
void storeRegister(Machine& m, unsigned reg);

// TNB / TNW: n bytes or words from the addresses ACCU2-L downwards to ACCU1-L downwards.
void copyBytes(Machine& m, unsigned n, bool words);

// LRW, TRW, LRD, TRD (0x68 group) and the byte and word forms of the 0x78 group.
void registerRelative(Machine& m, unsigned sub, uint16_t distance);
void registerRelativeBytes(Machine& m, unsigned sub, uint16_t distance);

// P, PN, SU, RU on a bit of a word or byte element. False when the instruction was illegal.
bool bitTestInWord(Machine& m, uint8_t element, uint16_t w1);
// The S flag operations of the 0x78 group; false on a stop.
bool sFlagOperation(Machine& m, unsigned sub, uint16_t w1);
// U D, O D, UN D, ON D, S D, R D, = D; false on a stop.
bool dataWordBit(Machine& m, uint16_t w1);

// ASM: the built-in special function of the second word; false on a stop.
bool specialFunction(Machine& m, uint16_t function);

}  // namespace tavrin::simcore::interp

#endif
