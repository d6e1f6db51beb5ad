// Making a block text that was read well formed: the five header lines, a body that starts
// with a statement, and a minimal body for a text without one.
//
// Contents
//   repairBlockHeader   missing header lines 0 to 4 put in
//   cleanBodyStart      lines at the start of the body that can be no part of a block removed
//   hasNoBody           only the five header lines
//   addMinimalBody      the body of a block whose file held none
#ifndef MAIN_PROJECT_BLOCK_HEADER_REPAIR_H
#define MAIN_PROJECT_BLOCK_HEADER_REPAIR_H

#include "main/lang/awl_ascii.h"

namespace tavrin::project {

// Line 0 must begin with "Komme", 1 with "Autor", 2 with "Erste", 3 with a blank and 4 with
// "NETZWE"; where one does not, the blank template line (the blank line, "NETZWERK   1") is
// inserted there. In a full document the last line makes room for an inserted one: the result
// is true when a line was pushed out so.
bool repairBlockHeader(lang::AwlAscii& block);

// From line 5 on, while line 5 is neither a statement (':' in column 10), a call parameter
// ('>' in column 10), a network header, nor the blank line before one, it is removed. Every
// statement and every network stays; what goes is text a block cannot hold at the start of its
// body, where the function-block header must stand.
void cleanBodyStart(lang::AwlAscii& block);

bool hasNoBody(const lang::AwlAscii& block);

// After the five header lines: for a function block (`blockName` beginning with 'F' or 'f')
// "     NAME :????????", an empty line and "0005      :BE"; for a data block (beginning with
// 'D' or 'd') one empty data line "0000      :" (a data block holds no statements, so no BE;
// the empty line has no format and stands for no data word, and with it the document has the
// six lines it needs to be saved); for every other block "0000      :BE".
void addMinimalBody(lang::AwlAscii& block, std::string_view blockName);

}  // namespace tavrin::project

#endif
