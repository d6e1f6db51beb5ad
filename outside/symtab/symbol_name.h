// What a symbol may look like, and when two symbols are the same.
//
// Contents
//   kMaxSymbolLength   24 characters
//   isValidSymbol      the rule of SymbolPruefen
//   symbolKey          the form in which symbols compare: upper case
//
// A symbol has 1 to 24 characters (Windows-1252 bytes). It begins with a letter, a digit or
// '_'; the characters after the first are letters, digits, '_', '-', '[' and ']' (the symbol
// editor numbers copies of a pasted symbol "NAME[02]", "NAME[03]"). Letters are 'A'..'Z',
// 'a'..'z' and the German letters Ä Ö Ü ä ö ü ß. At least one character is a letter, so that
// a symbol is never read as a number. A text of the shape of an absolute operand, area letters
// followed by a number ("MW10", "e1.0", "T1", "DB300"), is no symbol, whatever its range.
// Blanks, tabs, '.', ',', ';', ':', '=', '+', quotes and every other character are refused.
//
// Symbols compare without regard to case (ASCII letters and the umlauts): "Start" and "START"
// are one symbol, and a statement line may name it in either spelling.
#ifndef OUTSIDE_SYMTAB_SYMBOL_NAME_H
#define OUTSIDE_SYMTAB_SYMBOL_NAME_H

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrin::symtab {

inline constexpr std::size_t kMaxSymbolLength = 24;

bool isValidSymbol(std::string_view symbol);
std::string symbolKey(std::string_view symbol);

}  // namespace tavrin::symtab

#endif
