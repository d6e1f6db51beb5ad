// The lines of a listing exported by the earlier DOS simulator, and their block file form.
//
// Contents
//   ListingLineKind        what a listing line is
//   classifyListingLine    the kind of a line, by the first rule that matches
//   isListingSeparator     "==========", the line between blocks
//   convert...             one listing line in the layout of a block file
//
// A listing line has its separator in column 9 where a block file has it in column 10: columns
// 0-3 the address, 5-8 the label, 9 the separator, the statement from 10.
#ifndef MAIN_PROJECT_LISTING_LINES_H
#define MAIN_PROJECT_LISTING_LINES_H

#include <optional>
#include <string>
#include <string_view>

namespace tavrin::project {

enum class ListingLineKind {
  Name,           // the first line of an FB or FX whose label begins "NAME"
  Comment,        // '#' in column 9, or '$' in column 10
  NetworkHeader,  // begins with "NETZWERK"
  Declaration,    // "BEZ" in columns 5-7: a parameter of the block's header
  CallParameter,  // at least 29 characters, column 28 one of E A D B Z T
  Blank,          // nothing but blanks
  Statement,      // ':' in column 9
  BlockEnd,       // "=========="
  Unknown,        // anything else: the listing is not understood
};

// The rules are tried in the order of the enumeration. `nameExpected`: the block is an FB or
// FX that has not had its name line yet.
ListingLineKind classifyListingLine(std::string_view line, bool nameExpected);

// Begins with ten '='.
bool isListingSeparator(std::string_view line);

// "    " + columns 4-8 + " :;" + the text from column 10.
std::string convertListingComment(std::string_view line);
// "    " + columns 4-8 + " :" + the text from column 10.
std::string convertListingName(std::string_view line);
// Columns 0-8 + "  " + `number`; when the line has at least 24 characters, padded to 24 and
// followed by the line from column 23.
std::string convertListingNetworkHeader(std::string_view line, unsigned number);
// A BEZ line of the kind in column 28 (type in columns 32-33, name in columns 10-13); nothing
// for a kind other than E, A, D, B, T and Z.
std::optional<std::string> convertListingDeclaration(std::string_view line);
// Columns 0-8 + " >    " + the operand identifier (one letter and two blanks when column 11 is a
// digit, else two letters and a blank) + the operand number (up to the next blank).
std::string convertListingCallParameter(std::string_view line);
// Columns 0-8 + " :" + the operation (columns 10-15) + " " + the operand from column 18; a line
// of at least 40 characters has its operand in columns 18-37 and its comment, from column 39,
// at column 52. Then "*F" in columns 11-12 becomes "XF", "/F" becomes ":F", and the operand
// "PB" in columns 15-16 of an L or T statement becomes "PY".
std::string convertListingStatement(std::string_view line);

}  // namespace tavrin::project

#endif
