// The texts this library shows or reports, in one place.
//
// Contents
//   texts::...   the messages, Windows-1252
//   fillIn       a text with its "%s" places filled in order
#ifndef OUTSIDE_SYMTAB_SYMTAB_TEXTS_H
#define OUTSIDE_SYMTAB_SYMTAB_TEXTS_H

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/cp1252.h"

namespace tavrin::symtab::texts {

using namespace tavrin::platform::literals;

// Loading and saving the symbol file.
inline constexpr const char* kTooManyTabs = "Fehlerhafte SEQ-Datei (Zu viele Tabs) !"_cp1252;
inline constexpr const char* kReadFailed = "Fehler beim Lesen der Datei !"_cp1252;
inline constexpr const char* kWriteFailed = "Fehler beim Schreiben der Datei !"_cp1252;
inline constexpr const char* kNoFile = "Es ist keine Symbolikdatei ausgewählt !"_cp1252;
inline constexpr const char* kNotLoaded =
    "Die Symbolikdatei wurde nicht fehlerfrei geladen,\n"
    "die Symbolik wird deshalb nicht gespeichert !"_cp1252;
inline constexpr const char* kLinesSetAside =
    "Zeilen der Symbolikdatei, die nicht übernommen wurden: %s\nErste: Zeile %s: %s"_cp1252;
inline constexpr const char* kAtLine = "%s (Zeile %s)"_cp1252;

// Why a line of the file is set aside.
inline constexpr const char* kBadOperand = "\"%s\" ist kein absoluter S5-Operand"_cp1252;
inline constexpr const char* kBadSymbol = "Das Symbol \"%s\" ist ungültig"_cp1252;
inline constexpr const char* kDuplicateOperand = "Der Operand \"%s\" ist bereits vorhanden"_cp1252;
inline constexpr const char* kDuplicateSymbol = "Das Symbol \"%s\" ist bereits vorhanden"_cp1252;

// The settings.
inline constexpr const char* kNoFileSwitchOff =
    "Es ist keine Symbolikdatei angegeben.\n"
    "Symbolik und automatische Kommentierung werden ausgeschaltet."_cp1252;
inline constexpr const char* kCreateFile =
    "Die Symbolikdatei\n%s\nist nicht vorhanden.\n\nSoll sie neu angelegt werden ?"_cp1252;
inline constexpr const char* kSwitchedOff =
    "Symbolik und automatische Kommentierung werden ausgeschaltet."_cp1252;

// Adding a symbol.
inline constexpr const char* kOfferSymbol =
    "Für den Operanden \"%s\" ist kein Symbol vorhanden.\n"
    "Soll ein Symbol angelegt werden ?\n\n"
    "(Abbrechen: nicht mehr nachfragen)"_cp1252;
inline constexpr const char* kNoOperand = "\"%s\" ist kein absoluter S5-Operand !"_cp1252;
inline constexpr const char* kInvalidSymbol =
    "Das Symbol \"%s\" ist ungültig !\n\n"
    "Erlaubt sind 1 bis 24 Buchstaben, Ziffern und _ - [ ]\n"
    "(kein Operand wie \"MW10\")."_cp1252;
inline constexpr const char* kSymbolTaken = "Das Symbol \"%s\" ist bereits vorhanden !"_cp1252;
inline constexpr const char* kInvalidComment =
    "Der Kommentar ist zu lang oder enthält Steuerzeichen !"_cp1252;

// The find dialog.
inline constexpr const char* kNoSearchText = "Bitte geben Sie einen Suchbegriff ein !"_cp1252;

inline std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' &&
        next != args.end()) {
      out += *next++;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace tavrin::symtab::texts

#endif
