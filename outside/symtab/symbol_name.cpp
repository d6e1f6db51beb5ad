#include "outside/symtab/symbol_name.h"

#include "outside/symtab/s5_operand.h"
#include "utilkit/utilkit40.h"

namespace tavrin::symtab {

namespace {

bool isLetter(char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  switch (static_cast<unsigned char>(c)) {
    case 0xC4:  // Ä
    case 0xD6:  // Ö
    case 0xDC:  // Ü
    case 0xE4:  // ä
    case 0xF6:  // ö
    case 0xFC:  // ü
    case 0xDF:  // ß
      return true;
    default:
      return false;
  }
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool mayBegin(char c) {
  return isLetter(c) || isDigit(c) || c == '_';
}

bool mayFollow(char c) {
  return mayBegin(c) || c == '-' || c == '[' || c == ']';
}

}  // namespace

bool isValidSymbol(std::string_view symbol) {
  if (symbol.empty() || symbol.size() > kMaxSymbolLength) return false;
  if (!mayBegin(symbol.front())) return false;
  bool hasLetter = false;
  for (const char c : symbol) {
    if (!mayFollow(c)) return false;
    hasLetter = hasLetter || isLetter(c);
  }
  return hasLetter && !looksLikeOperand(symbol);
}

std::string symbolKey(std::string_view symbol) {
  std::string key;
  key.reserve(symbol.size());
  for (const char c : symbol)
    key += U_UpcaseChar(c);
  return key;
}

}  // namespace tavrin::symtab
