// The word addresses in columns 0..3 of a block's lines, and the numbers of its networks.
//
// Contents
//   LineWords          the instruction words a line stands for, read from its text alone
//   RenumberBlock      rewrite the addresses from a changed line on
//   RenumberNetworks   number the NETZWERK lines
#ifndef MAIN_LANG_RENUMBER_H
#define MAIN_LANG_RENUMBER_H

#include <string_view>

#include "main/lang/awl_ascii.h"
#include "main/lang/line_symbols.h"
#include "platform/user_dialog.h"

namespace tavrin::lang {

unsigned LineWords(std::string_view line, bool dataBlock, const LineSymbols* symbols = nullptr);
// The words of line i of a block; a call's NAME line counts one word.
unsigned wordsAt(const AwlAscii& block, int i, const LineSymbols* symbols = nullptr);

// `firstChanged` 0 or 1 renumbers the whole text, networks included.
void RenumberBlock(AwlAscii& block, int firstChanged, const LineSymbols* symbols = nullptr,
                   platform::UserDialog* dialog = nullptr);

// From the top, or restarting after the network header above the one that holds `cursorLine`.
void RenumberNetworks(AwlAscii& block, bool fromTop, int cursorLine = 0,
                      platform::UserDialog* dialog = nullptr);

}  // namespace tavrin::lang

#endif
