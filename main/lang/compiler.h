// The block compiler: the text of one block into one MC5 block.
//
// Contents
//   Mc5Buffer       the 6200-word buffer the compiled block is written to
//   CompileContext  symbols, messages, the block headers of called function blocks
//   CompileBlock    header, FB header, every statement or data line; returns an error text
//
// The block is compiled from a copy renumbered from the top: jump distances always come from
// addresses that fit the text, also when it was edited outside the editor.
#ifndef MAIN_LANG_COMPILER_H
#define MAIN_LANG_COMPILER_H

#include <array>
#include <cstdint>
#include <string>

#include "main/lang/awl_ascii.h"
#include "main/lang/line_symbols.h"
#include "platform/user_dialog.h"

namespace tavrin::lang {

inline constexpr std::size_t kMc5BufferWords = 6200;

struct Mc5Buffer {
  std::array<uint16_t, kMc5BufferWords> words{};
  uint16_t length = 0;  // words of the compiled block, header included
};

struct CompileContext {
  const LineSymbols* symbols = nullptr;
  platform::UserDialog* dialog = nullptr;  // status texts and the informing notes
};

// Before a block is compiled for sending: a code block whose last line is not a BE gets the line
// "0000      :BE " and is renumbered from there. True when the line was added.
bool closeBlockText(AwlAscii& block, const LineSymbols* symbols = nullptr);

// Empty on success; otherwise the error text (a line error framed with the block and the line).
std::string CompileBlock(const AwlAscii& block, Mc5Buffer& buffer,
                         const CompileContext& context = {});

}  // namespace tavrin::lang

#endif
