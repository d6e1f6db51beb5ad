// The retranslator's core: MC5 code back into statement-list text, one instruction at a time.
//
// Contents
//   kFirstInstruction     the mark a caller puts in the buffer before a block's first instruction
//   kStatementPrefix      what the prefix flag puts before a statement
//   RetranslatedLine      what kind of line the last call produced
//   RetranslationState    what is carried from call to call within one block
//   RetranslateInstr      the text of the instruction at a body word of a block
//
// A small state lets the calls write the FB header lines of a function block (its NAME line and
// one BEZ line per parameter) and the NAME line and actual-parameter lines of a block call. The
// FB header of the block itself is read from the block's own words, those of called blocks from
// the simulated controller's memory.
#ifndef MAIN_LANG_RETRANSLATOR_H
#define MAIN_LANG_RETRANSLATOR_H

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "main/lang/fb_header_words.h"

namespace tavrin::lang {

// Placed in the buffer before the first instruction of a block, and by every caller that
// translates a word in isolation: all state is reset.
inline constexpr std::string_view kFirstInstruction = "1Operation";

// What the prefix flag puts before a statement: four blanks and " :".
inline constexpr std::string_view kStatementPrefix = "     :";

enum class RetranslatedLine {
  Statement,      // an instruction
  Raw,            // a word shown as "KH" with its four hex digits
  FbName,         // the NAME line of the block's own FB header
  FbParameter,    // a BEZ line of the block's own FB header
  CallName,       // the NAME line after a block call (the jump over its parameters)
  CallParameter,  // an actual parameter of a block call
};

struct RetranslationState {
  // A block call: its NAME line and actual parameters follow.
  bool inCall = false;
  uint8_t calledNumber = 0;
  bool calledIsFx = false;
  bool calledMissing = false;                 // the called block is not in the simulator's memory
  std::optional<FbHeaderWords> calledHeader;  // the called block's header, when it has one
  int callParameterIndex = 0;                 // 0: the jump word; then the next parameter, from 1
  int callWordsLeft = 0;                      // parameter words the call's jump passes over

  // The block's own FB header.
  bool ownHeaderRead = false;
  std::optional<FbHeaderWords> ownHeader;
  bool inFbHeader = false;       // the BEZ lines are being written
  int headerParameterIndex = 0;  // the next BEZ line, from 1
  bool headerDone = false;       // the NAME line has been written

  // Raw words.
  bool raw = false;    // every further word is raw (a special block, to its end)
  int rawPending = 0;  // words of an instruction shown raw that are still to come

  RetranslatedLine lastLine = RetranslatedLine::Statement;

  // The next word is an instruction of its own (no header, call parameter or raw word).
  bool atInstruction() const { return !inCall && !inFbHeader && !raw && rawPending == 0; }
};

// `block` holds the whole block, its five header words included; `at` is the body word of the
// instruction. Returns 1 with the text in `buffer` and the words used in `consumed`, or 0 when
// the word has no row in the instruction table or its second word fits no form.
//   prefix      the text starts with four blanks and " :", so that behind a four-digit address
//               and a blank the ':' stands in column 10 and the statement from column 11
//   blockIsFx   the block is an FX (an FB is known by its header word): body word 0 of a
//               function block that is a jump 0x2Dnn over name and parameters is its FB header
//   special     a special block: after its FB header (or, with `rawRequest`, from the first
//               word on) every word is written as a raw word, to the end of the block
int RetranslateInstr(RetranslationState& state, std::string& buffer,
                     std::span<const uint16_t> block, std::size_t at, int& consumed, bool prefix,
                     bool blockIsFx, bool special, bool rawRequest);

}  // namespace tavrin::lang

#endif
