// The fixed lines of a block's text: the three header templates and the network header.
//
// Contents
//   kCommentTemplate, kAuthorTemplate, kDateTemplate   the header lines 0 to 2, '#' for a place
//   kHeaderFieldColumn                                  where comment, author and date begin
//   blankTemplate                                       a template with its places blank
//   fillTemplate                                        a template with a text in its places
//   networkHeader, kNetworkPrefix                       "NETZWERK   1"
//   kHeaderLines                                        lines 0 to 4: the header of every block
#ifndef MAIN_PROJECT_BLOCK_HEADER_LINES_H
#define MAIN_PROJECT_BLOCK_HEADER_LINES_H

#include <string>
#include <string_view>

namespace tavrin::project {

inline constexpr std::string_view kCommentTemplate =
    "Kommentar :####################################################";
inline constexpr std::string_view kAuthorTemplate =
    "Autor     :####################################################";
inline constexpr std::string_view kDateTemplate =
    "Erstellt  :##########  Geaendert am:##########  BIB:#####";
inline constexpr std::size_t kHeaderFieldColumn = 11;
static_assert(kCommentTemplate.size() == kHeaderFieldColumn + 52);
static_assert(kAuthorTemplate.size() == kHeaderFieldColumn + 52);
static_assert(kDateTemplate.size() == 57 && kDateTemplate.substr(23, 13) == "Geaendert am:");

inline constexpr std::string_view kNetworkPrefix = "NETZWERK   ";
inline constexpr int kHeaderLines = 5;

// Every '#' replaced by a blank.
std::string blankTemplate(std::string_view pattern);

// The places from `column` on take the characters of `text` (as many as there are places in a
// row from there); every other place is blank.
std::string fillTemplate(std::string_view pattern, std::size_t column, std::string_view text);

// "NETZWERK   1", "NETZWERK   12".
std::string networkHeader(unsigned number);

}  // namespace tavrin::project

#endif
