// What kind of line a line of a block document is.
#ifndef MAIN_LANG_LINE_KIND_H
#define MAIN_LANG_LINE_KIND_H

#include "main/lang/awl_ascii.h"
#include "main/lang/line_symbols.h"

namespace tavrin::lang {

// In the order the rules are tried.
enum class LineKind {
  LkOutside,        // beyond the last line
  LkComment,        // ';' in column 11
  LkNetworkHeader,  // "NETZWERK ..."
  LkBlank,          // columns 10 and 11 blank
  LkNetworkEnd,     // "*** "
  LkCallParam,      // an actual parameter of a block call
  LkCallName,       // the NAME line after a block call
  LkLabelJump,      // a jump to a label: SPA =, SPB =, ...
  LkFormal,         // an operation with a formal operand: U =, L =, ...
  LkBlockCall,      // SPA FB, SPB FB, BA FX, BAB FX
  LkOtherJump,      // SPA PB, SPB OB, ...
  LkStatement,      // anything else (every other line of a data block)
};

// `symbols` (may be null) takes symbols out of the line before the call checks.
LineKind ClassifyLine(const AwlAscii& block, int index, const LineSymbols* symbols = nullptr);

// The index of the empty line that ends a function block's header (NAME line, parameter lines);
// 4 (the first network header) for other blocks and for an FB without header.
int functionBlockHeaderEnd(const AwlAscii& block);

}  // namespace tavrin::lang

#endif
