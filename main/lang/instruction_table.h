// The MC5 instruction table: the one vocabulary of statements, shared by the parser, the
// compiler, the retranslator and the block status display.
//
// Contents
//   instructionTable   the 491 rows, their limits filled in from the area counts
//   findByText         the row of a statement text (first row whose key is a prefix)
//   findByCode         the row of an MC5 instruction word
//   rowAt              a row by index, checked
//   WordLayout, layoutOf   how a row's parameters enter its MC5 words
#ifndef MAIN_LANG_INSTRUCTION_TABLE_H
#define MAIN_LANG_INSTRUCTION_TABLE_H

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "main/lang/area_sizes.h"
#include "main/lang/instruction_row.h"
#include "platform/user_dialog.h"

namespace tavrin::lang {

using InstructionTable = std::array<InstrRow, kInstructionRows>;

InstructionTable buildInstructionTable(const AreaSizes& sizes);
// The table for the program's area counts.
const InstructionTable& instructionTable();

inline constexpr int kNoRow = -1;

// With `strip` the statement is cut to 30 characters and its blanks removed first; on a match the
// stripped text replaces the caller's. The empty key (row 20) fits only an empty statement.
int findByText(std::string& statement, bool strip);

// The first row of the word's first byte h (from index h on); among the rows from there the one
// whose opcode is the whole word, if any. MBR and SVW carry a parameter in the low byte and keep
// the first row. A first byte without rows gives kNoRow.
int findByCode(uint16_t word);

// An index outside the table is a program error: the message goes to `dialog` when given, and
// the result is an empty row.
const InstrRow& rowAt(int index, platform::UserDialog* dialog = nullptr);

enum class WordLayout {
  NoParameter,
  ByteParameter,       // opcode + p1 in the low byte
  Svw,                 // 0x6801 + p1 * 16
  SignedByte,          // ADD BF
  InputOutputFlagBit,  // first byte = base + bit, second byte = byte (+0x80 for A)
  Jump,                // opcode + distance as a signed byte
  Sps,                 // 600C, then distance - 1 in the low byte of the second word
  Formal,              // opcode + number of the formal parameter
  RawWord,             // the "KH" row: the four hex digits themselves
  SecondWordValue,     // opcode, value
  FxDxCall,            // BA FX, BAB FX, AX DX: opcode, 0x0100 / 0x0900 / 0x1100 + n
  Mbr,                 // 0x7809 + first digit * 16, then the last four digits
  Kt,                  // 3002, base * 4096 + BCD of the value
  Ky,                  // 3020, a * 256 + b
  DataWordBit,         // 783F, operation * 4096 + bit * 256 + data word
  SFlagBit,            // the operation's opcode, then bit * 4096 + byte
  BitTest,             // the family opcode, then operation + bit * 256 + address
  Kg,                  // 3800, then the two words of the S5 float
  DoubleHex,           // L DH, ADD DH: opcode, the 32-bit constant
  Unsupported,         // a two-word, two-parameter row outside these families
};
WordLayout layoutOf(int index);

}  // namespace tavrin::lang

#endif
