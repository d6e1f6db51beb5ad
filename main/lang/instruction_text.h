// One MC5 instruction as statement text: its row of the instruction table and the operand read
// from its words by the row's word layout.
//
// Contents
//   InstructionText    the statement text, the instruction's word count, or why there is none
//   instructionText    the text of the instruction at the start of some words
//   calledBlock        the FB or FX a call instruction calls
//
// The text is written so that compiling it gives the same words again. Where the words hold what
// the text form cannot express, the instruction is given as raw words instead (each shown as the
// statement "KH", which compiles to the word itself):
//   - an operand outside the row's limits (L MD 253, L EW 127, SES 40),
//   - bits of the second word that no operand shows (a high byte in the word of SPS =, E DB, EX DX,
//     a high nibble in the address of L SY, a BA FX whose word is not 0x0100 + number),
//   - a D-bit operation code above 6, a formal operand that the block's header does not name,
//   - ASM KH with a code above 255 (the statement's parameter is a number 0..255).
// Constant loads (first byte 0x30) whose constant does not fit the row's format are shown as
// L KH: the controller loads the second word whatever the format says, and the constant load
// without format (0x3000) is shown that way too.
// A word that is not the opcode of its row has no row, unless the row carries a parameter in the
// low byte (byte parameters, bit operations, jumps, formal operands, SVW) or it is a constant
// load (0x3005 is shown with the first 0x30 row, L KZ).
#ifndef MAIN_LANG_INSTRUCTION_TEXT_H
#define MAIN_LANG_INSTRUCTION_TEXT_H

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "main/lang/block_id.h"
#include "main/lang/fb_header_words.h"

namespace tavrin::lang {

struct InstructionText {
  enum class Kind {
    Text,   // a statement
    Raw,    // raw words: the caller shows each of the `words` words as "KH"
    NoRow,  // no row of the table, or a second word that fits no form
  };
  Kind kind = Kind::NoRow;
  int row = -1;       // the row of the statement shown
  std::string text;   // display text (seven characters) and operand
  uint8_t words = 0;  // words of the instruction
};

// `words` runs from the instruction to the end of the block. `ownHeader` (may be null) names
// the formal operands of a function block.
InstructionText instructionText(std::span<const uint16_t> words, const FbHeaderWords* ownHeader);

// SPA FB n and SPB FB n (first byte 0x3D, 0x1D), BA FX n and BAB FX n (0x7801 with 0x0100 + n,
// 0x7802 with 0x0900 + n).
std::optional<BlockId> calledBlock(std::span<const uint16_t> words);

// The raw-word statement of a word: "KH     " and four hex digits.
std::string rawWordText(uint16_t word);

}  // namespace tavrin::lang

#endif
