// The work behind the library's three dialogs, without the windows: the desktop program draws
// the forms and hands the user's answers to these functions, the command line and the tests
// hand in scripted answers. Questions and messages go through the platform's UserDialog.
//
// Contents
//   1. Settings ("SymVoreinstellungDlg")      SymbolSettings, applySymbolSettings
//   2. New symbol ("SymbolHinzufuegenDlg")    SymbolAnswer, SymbolAnswerSource, offerNewSymbol
//   3. Find ("SymbolikSuchenDlgExecute")      SearchOptions, confirmSearch, findInLine
//
// These functions work on the one table of symtab32.h and are exported from libsymtab32.so
// with it. None of them holds the table's lock while it asks the user.
#ifndef OUTSIDE_SYMTAB_SYMBOL_DIALOGS_H
#define OUTSIDE_SYMTAB_SYMBOL_DIALOGS_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "outside/symtab/symtab32.h"
#include "platform/user_dialog.h"

namespace tavrin::symtab {

// 1. Settings ---------------------------------------------------------------------------------
// The four flags and the file of the project's "Symbolik" section.
struct SymbolSettings {
  std::string filePath;            // the symbol file ("SymbolikDatei", made absolute)
  bool showSymbols = false;        // "SymbolikAktiv"
  bool autoComment = false;        // "AutomatischeKommentierung"
  bool replaceOldComment = false;  // "SymOldKommentarLoeschen"
  bool askNewSymbols = false;      // "NeuesSymbolAbfragen"
  bool operator==(const SymbolSettings&) const = default;
};

// Takes the settings the user confirmed: selects the file and loads it, and returns the
// settings as they then hold. Showing symbols and automatic commenting need the file: without
// a file name both are switched off (with a message); for a file that does not exist the user
// is asked whether to create it (an empty symbol file; No switches both off); a file that
// fails to load is reported and both are switched off; lines set aside are reported as a
// warning. The other two flags are returned as chosen.
SYMTAB32_API SymbolSettings applySymbolSettings(platform::UserDialog& dialog,
                                                const SymbolSettings& chosen);

// 2. New symbol -------------------------------------------------------------------------------
struct SymbolAnswer {
  std::string symbol;
  std::string comment;
  bool operator==(const SymbolAnswer&) const = default;
};

// The form with the symbol and comment fields.
class SYMTAB32_API SymbolAnswerSource {
 public:
  virtual ~SymbolAnswerSource() = default;
  // What the user enters for `operand` (normalised), the fields filled with `proposal`;
  // nothing when the user cancels.
  virtual std::optional<SymbolAnswer> enterSymbol(std::string_view operand,
                                                  const SymbolAnswer& proposal) = 0;
};

// Offers a symbol for `operand`. No absolute operand: a message, false. An operand without
// symbol: when askAgain is false nothing happens (false); otherwise the user is asked (Yes:
// go on; No: false; Cancel: false and askAgain becomes false, no more offers). An operand
// with a symbol: no question, its symbol and comment are offered for change. The form then
// opens with the entry's symbol and comment; an invalid symbol, a symbol another operand has
// or an unusable comment is reported and the form opens again with what was entered. True
// when the entry was created or changed (SymbolAnlegen; saving is the caller's).
SYMTAB32_API bool offerNewSymbol(platform::UserDialog& dialog, SymbolAnswerSource& form,
                                 std::string_view operand, bool& askAgain);

// 3. Find -------------------------------------------------------------------------------------
struct SearchOptions {
  std::string text;
  bool matchCase = false;  // else letters compare in upper case (with the umlauts)
  bool wholeWord = false;  // no letter, digit or '_' right before or after the match
  bool backwards = false;
  bool operator==(const SearchOptions&) const = default;
};

// The user pressed "Suchen": true when the search may run (the result 1 of the dialog); an
// empty or blank search text is reported and gives false.
SYMTAB32_API bool confirmSearch(platform::UserDialog& dialog, const SearchOptions& options);

// The column of the first match at or after `from` (backwards: the last match that begins at
// or before `from`); nothing when there is none.
SYMTAB32_API std::optional<std::size_t> findInLine(std::string_view line, std::size_t from,
                                                   const SearchOptions& options);

}  // namespace tavrin::symtab

#endif
