// One block of an exported listing turned into the text of its block file.
//
// Contents
//   convertListingBlock   the file lines of a block from its listing lines
#ifndef MAIN_PROJECT_LISTING_BLOCK_H
#define MAIN_PROJECT_LISTING_BLOCK_H

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/oem_codepage.h"

namespace tavrin::project {

// `lines` are the lines after the block's identifier line up to the next "==========" line.
// The result starts with the three header lines "Kommentar :", "Autor     :" and
// "Erstellt  :            Geaendert am:            BIB:"; an empty line and "NETZWERK   1"
// follow with the first network header, and every later network header has an empty line
// before it. Each line is converted by its kind (listing_lines.h); blank lines are left out;
// every line is translated from `codePage` to Windows-1252.
//
// Everything that comes before the first network header is held back and written after it,
// the header of a function block (its NAME line, then its parameter lines) first; a block
// without a network header gets "NETZWERK   1" before its first line. In a function block an
// empty line ends the header after the last parameter line (after the NAME line when there is
// none), so that reading finds the header where it belongs.
//
// Nothing when a line fits no rule or declares a parameter of an unknown kind.
std::optional<std::vector<std::string>> convertListingBlock(std::span<const std::string> lines,
                                                            bool functionBlock,
                                                            platform::OemCodePage codePage);

}  // namespace tavrin::project

#endif
