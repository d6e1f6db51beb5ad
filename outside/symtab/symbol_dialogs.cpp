#include "outside/symtab/symbol_dialogs.h"

#include <filesystem>

#include "outside/symtab/symtab_texts.h"
#include "platform/file_lookup.h"
#include "utilkit/utilkit40.h"

namespace tavrin::symtab {

namespace {

using platform::MessageKind;

std::string copied(const char* text) {
  return text == nullptr ? std::string() : std::string(text);
}

std::string loadError() {
  const std::string error = copied(GetSeqFehler());
  const int line = GetSeqFehlerZeile();
  return line > 0 ? texts::fillIn(texts::kAtLine, {error, std::to_string(line)}) : error;
}

bool fileExists(const std::string& path) {
  return platform::findExistingPath({}, std::filesystem::path(path)).has_value();
}

bool isWordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
         byte == 0xC4 || byte == 0xD6 || byte == 0xDC || byte == 0xE4 || byte == 0xF6 ||
         byte == 0xFC || byte == 0xDF;
}

bool matchesAt(std::string_view line, std::size_t pos, const SearchOptions& options) {
  const std::string_view text = options.text;
  if (pos + text.size() > line.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char a = line[pos + i];
    const char b = text[i];
    if (options.matchCase ? a != b : U_UpcaseChar(a) != U_UpcaseChar(b)) return false;
  }
  if (!options.wholeWord) return true;
  const bool freeBefore = pos == 0 || !isWordCharacter(line[pos - 1]);
  const std::size_t end = pos + text.size();
  const bool freeAfter = end == line.size() || !isWordCharacter(line[end]);
  return freeBefore && freeAfter;
}

}  // namespace

SymbolSettings applySymbolSettings(platform::UserDialog& dialog, const SymbolSettings& chosen) {
  SymbolSettings result = chosen;
  const bool needsFile = chosen.showSymbols || chosen.autoComment;
  auto switchOff = [&result] {
    result.showSymbols = false;
    result.autoComment = false;
  };
  SetSymbolikDatei(chosen.filePath.c_str());

  if (chosen.filePath.empty()) {
    if (needsFile) {
      dialog.ShowMessage(texts::kNoFileSwitchOff, MessageKind::Information);
      switchOff();
    }
    SeqLaden();
    return result;
  }

  if (!fileExists(chosen.filePath)) {
    if (needsFile) {
      if (dialog.AskYesNo(texts::fillIn(texts::kCreateFile, {chosen.filePath}))) {
        SymbolSpeicherEntfernen();
        if (SeqSpeichern() == 0) {
          dialog.ShowMessage(copied(GetSeqFehler()) + "\n\n" + texts::kSwitchedOff,
                             MessageKind::Error);
          switchOff();
        }
      } else {
        switchOff();
      }
    }
    SeqLaden();
    return result;
  }

  switch (SeqLaden()) {
    case 0:
      dialog.ShowMessage(loadError() + "\n\n" + texts::kSwitchedOff, MessageKind::Error);
      switchOff();
      break;
    case 2:
      dialog.ShowMessage(copied(GetSeqFehler()), MessageKind::Warning);
      break;
    default:
      break;
  }
  return result;
}

bool offerNewSymbol(platform::UserDialog& dialog, SymbolAnswerSource& form,
                    std::string_view operand, bool& askAgain) {
  const std::string operandText(operand);
  char normalised[SYMTAB32_OPERAND_BYTES];
  if (S5OperandNormieren(operandText.c_str(), normalised) == 0) {
    dialog.ShowMessage(texts::fillIn(texts::kNoOperand, {operandText}), MessageKind::Warning);
    return false;
  }
  const char* existingSymbol = GetSymbolVonOperand(normalised, 0);
  SymbolAnswer proposal{copied(existingSymbol), copied(GetKommentarVonOperand(normalised, 0))};

  if (existingSymbol == nullptr) {
    if (!askAgain) return false;
    const platform::DialogAnswer answer =
        dialog.AskYesNoCancel(texts::fillIn(texts::kOfferSymbol, {normalised}));
    if (answer == platform::DialogAnswer::Cancel) askAgain = false;
    if (answer != platform::DialogAnswer::Yes) return false;
  }

  while (true) {
    const std::optional<SymbolAnswer> answer = form.enterSymbol(normalised, proposal);
    if (!answer) return false;
    proposal = *answer;
    std::string symbol = answer->symbol;
    while (!symbol.empty() && symbol.front() == ' ')
      symbol.erase(0, 1);
    while (!symbol.empty() && symbol.back() == ' ')
      symbol.pop_back();

    if (SymbolPruefen(symbol.c_str()) == 0) {
      dialog.ShowMessage(texts::fillIn(texts::kInvalidSymbol, {symbol}), MessageKind::Warning);
      continue;
    }
    const std::string holder = copied(GetOperandVonSymbol(symbol.c_str()));
    if (!holder.empty() && holder != normalised) {
      dialog.ShowMessage(texts::fillIn(texts::kSymbolTaken, {symbol}), MessageKind::Warning);
      continue;
    }
    if (SymbolAnlegen(normalised, symbol.c_str(), answer->comment.c_str()) != 0) return true;
    dialog.ShowMessage(texts::kInvalidComment, MessageKind::Warning);
  }
}

bool confirmSearch(platform::UserDialog& dialog, const SearchOptions& options) {
  if (options.text.find_first_not_of(' ') == std::string::npos) {
    dialog.ShowMessage(texts::kNoSearchText, MessageKind::Information);
    return false;
  }
  return true;
}

std::optional<std::size_t> findInLine(std::string_view line, std::size_t from,
                                      const SearchOptions& options) {
  if (options.text.empty() || options.text.size() > line.size()) return std::nullopt;
  const std::size_t lastStart = line.size() - options.text.size();
  if (options.backwards) {
    for (std::size_t pos = from < lastStart ? from : lastStart;; --pos) {
      if (matchesAt(line, pos, options)) return pos;
      if (pos == 0) break;
    }
    return std::nullopt;
  }
  for (std::size_t pos = from; pos <= lastStart; ++pos)
    if (matchesAt(line, pos, options)) return pos;
  return std::nullopt;
}

}  // namespace tavrin::symtab
