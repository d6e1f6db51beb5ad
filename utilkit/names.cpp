// Names in programs: jump labels, variables and symbols are built from ASCII letters, digits and
// '_'; labels and variables may not begin with a digit.
#include <cstring>

#include "utilkit/utilkit40.h"

namespace {

bool isIdentifierChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool nameOk(const char* name, std::size_t maxLength, bool digitFirstAllowed) {
  if (name == nullptr) return false;
  const std::size_t len = std::strlen(name);
  if (len == 0 || len > maxLength) return false;
  if (!digitFirstAllowed && name[0] >= '0' && name[0] <= '9') return false;
  for (std::size_t i = 0; i < len; ++i)
    if (!isIdentifierChar(name[i])) return false;
  return true;
}

}  // namespace

extern "C" {

// True for a character that ends a name (anything but a digit, letter or '_').
unsigned char U_GueltigesZeichenBezeichner(char c) {
  return isIdentifierChar(c) ? 0 : 1;
}

unsigned char U_MarkenNameOK(const char* name) {
  return nameOk(name, 4, false) ? 1 : 0;
}

unsigned char U_VarNameOK(const char* name) {
  return nameOk(name, 24, false) ? 1 : 0;
}

unsigned char U_SymbolNameOK(const char* name) {
  return nameOk(name, 24, true) ? 1 : 0;
}

}  // extern "C"
