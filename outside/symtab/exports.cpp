// The extern "C" functions of symtab32.h: argument checks, result buffers, the lock around the
// one table, and a guard that turns every exception into the failure result.
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "outside/symtab/awl_line.h"
#include "outside/symtab/library_state.h"
#include "outside/symtab/symbol_name.h"
#include "outside/symtab/symtab32.h"

namespace {

using namespace tavrin::symtab;

template <typename Result, typename Body>
Result guarded(Result failure, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return failure;
  }
}

std::string_view textOf(const char* text) {
  return text == nullptr ? std::string_view() : std::string_view(text);
}

// Copies `text` cut to `size` - 1 bytes; a null destination is skipped.
void copyCut(char* destination, std::string_view text, std::size_t size) {
  if (destination == nullptr) return;
  const std::size_t length = text.size() < size ? text.size() : size - 1;
  if (length > 0) std::memcpy(destination, text.data(), length);
  destination[length] = '\0';
}

// One result buffer per function and thread: `slot` tells them apart.
template <int slot>
const char* returned(std::string text) {
  thread_local std::string buffer;
  buffer = std::move(text);
  return buffer.c_str();
}

std::optional<std::size_t> entryOfOperand(const LibraryState& state, const char* text) {
  const std::optional<S5Operand> operand = parseS5Operand(textOf(text));
  if (!operand) return std::nullopt;
  return state.table.indexOfOperand(*operand);
}

// Runs a transformation on a copy of the line and writes it back only when it changed.
template <typename Transform>
int transformLine(char* line, Transform&& transform) {
  if (line == nullptr) return -1;
  std::string text(line);
  const std::string before = text;
  const int result = withState([&](LibraryState& state) { return transform(text, state.table); });
  if (text != before) std::memcpy(line, text.c_str(), text.size() + 1);
  return result;
}

}  // namespace

extern "C" {

void SetSymbolikDatei(const char* path) {
  guarded(0, [&] {
    withState([&](LibraryState& state) { state.path = std::string(textOf(path)); });
    return 0;
  });
}

const char* GetSymbolikDatei(void) {
  return guarded<const char*>(nullptr, [] {
    return returned<0>(withState([](LibraryState& state) { return state.path; }));
  });
}

int SeqLaden(void) {
  return guarded(0, [] {
    return withState([](LibraryState& state) {
      switch (loadSelected(state)) {
        case LoadOutcome::Loaded:
          return 1;
        case LoadOutcome::LoadedWithLinesSetAside:
          return 2;
        case LoadOutcome::Failed:
          break;
      }
      return 0;
    });
  });
}

int SeqSpeichern(void) {
  return guarded(
      0, [] { return withState([](LibraryState& state) { return saveSelected(state) ? 1 : 0; }); });
}

const char* GetSeqFehler(void) {
  return guarded<const char*>(nullptr, [] {
    return returned<1>(withState([](LibraryState& state) { return state.error; }));
  });
}

int GetSeqFehlerZeile(void) {
  return guarded(0, [] {
    return withState([](LibraryState& state) { return static_cast<int>(state.errorLine); });
  });
}

int IstSymbolikGeaendert(void) {
  return guarded(
      0, [] { return withState([](LibraryState& state) { return state.modified ? 1 : 0; }); });
}

void SymbolSpeicherEntfernen(void) {
  guarded(0, [] {
    withState([](LibraryState& state) { clearTable(state); });
    return 0;
  });
}

int GetAnzahlSymbole(void) {
  return guarded(0, [] {
    return withState(
        [](LibraryState& state) { return static_cast<int>(state.table.entryCount()); });
  });
}

const char* GetSymbolVonIndex(int index) {
  return guarded<const char*>(nullptr, [&]() -> const char* {
    const std::optional<std::string> line =
        withState([&](LibraryState& state) -> std::optional<std::string> {
          if (index < 0 || static_cast<std::size_t>(index) >= state.table.entryCount())
            return std::nullopt;
          const SeqLine& entry = state.table.entry(static_cast<std::size_t>(index));
          return entry.operand + '\t' + entry.symbol + '\t' + entry.comment;
        });
    return line ? returned<2>(*line) : nullptr;
  });
}

int SymbolZeileAufteilen(const char* line, char* operand, char* symbol, char* comment) {
  copyCut(operand, {}, SYMTAB32_OPERAND_BYTES);
  copyCut(symbol, {}, SYMTAB32_SYMBOL_BYTES);
  copyCut(comment, {}, SYMTAB32_COMMENT_BYTES);
  return guarded(0, [&] {
    if (line == nullptr || isCommentLine(line)) return 0;
    const std::optional<std::array<std::string, 3>> fields = splitFields(line);
    if (!fields) return 0;
    copyCut(operand, operandField((*fields)[0]), SYMTAB32_OPERAND_BYTES);
    copyCut(symbol, (*fields)[1], SYMTAB32_SYMBOL_BYTES);
    copyCut(comment, (*fields)[2], SYMTAB32_COMMENT_BYTES);
    return 1;
  });
}

int GetIndexVonOperand(const char* operand) {
  return guarded(-1, [&] {
    return withState([&](LibraryState& state) {
      const std::optional<std::size_t> index = entryOfOperand(state, operand);
      return index ? static_cast<int>(*index) : -1;
    });
  });
}

const char* GetSymbolVonOperand(const char* operand, int /*mode*/) {
  return guarded<const char*>(nullptr, [&]() -> const char* {
    const std::optional<std::string> symbol =
        withState([&](LibraryState& state) -> std::optional<std::string> {
          const std::optional<std::size_t> index = entryOfOperand(state, operand);
          if (!index || state.table.entry(*index).symbol.empty()) return std::nullopt;
          return state.table.entry(*index).symbol;
        });
    return symbol ? returned<3>(*symbol) : nullptr;
  });
}

const char* GetKommentarVonOperand(const char* operand, int mode) {
  return guarded<const char*>(nullptr, [&]() -> const char* {
    const std::optional<std::string> comment =
        withState([&](LibraryState& state) -> std::optional<std::string> {
          const std::optional<std::size_t> index = entryOfOperand(state, operand);
          if (!index) return std::nullopt;
          const std::string& text = state.table.entry(*index).comment;
          return mode == 1 ? commentInLine(text) : text;
        });
    return comment ? returned<4>(*comment) : nullptr;
  });
}

const char* GetOperandVonSymbol(const char* symbol) {
  return guarded<const char*>(nullptr, [&]() -> const char* {
    const std::optional<std::string> operand =
        withState([&](LibraryState& state) -> std::optional<std::string> {
          const std::optional<std::size_t> index = state.table.indexOfSymbol(textOf(symbol));
          if (!index) return std::nullopt;
          return state.table.entry(*index).operand;
        });
    return operand ? returned<5>(*operand) : nullptr;
  });
}

int IstS5Operand(const char* text) {
  return guarded(0, [&] { return parseS5Operand(textOf(text)) ? 1 : 0; });
}

int S5OperandNormieren(const char* text, char* operand) {
  copyCut(operand, {}, SYMTAB32_OPERAND_BYTES);
  return guarded(0, [&] {
    const std::optional<S5Operand> parsed = parseS5Operand(textOf(text));
    if (!parsed) return 0;
    copyCut(operand, normalisedText(*parsed), SYMTAB32_OPERAND_BYTES);
    return 1;
  });
}

int SymbolPruefen(const char* symbol) {
  return guarded(0, [&] { return isValidSymbol(textOf(symbol)) ? 1 : 0; });
}

int SymbolAnlegen(const char* operand, const char* symbol, const char* comment) {
  return guarded(0, [&] {
    return withState([&](LibraryState& state) {
      switch (state.table.add(textOf(operand), textOf(symbol), textOf(comment))) {
        case AddResult::Added:
          state.modified = true;
          return 1;
        case AddResult::Replaced:
          state.modified = true;
          return 2;
        case AddResult::BadOperand:
        case AddResult::BadSymbol:
        case AddResult::SymbolTaken:
        case AddResult::BadComment:
          break;
      }
      return 0;
    });
  });
}

int SymbolikInAwlZeileEinfuegen(char* line, int showSymbols, int autoComment,
                                int replaceOldComment) {
  return guarded(0, [&] {
    const InsertOptions options{showSymbols != 0, autoComment != 0, replaceOldComment != 0};
    const int result = transformLine(line, [&](std::string& text, const SymbolTable& table) {
      return insertSymbolics(text, table, options) ? 1 : 0;
    });
    return result < 0 ? 0 : result;
  });
}

int SymbolikInAwlZeileEntfernen(char* line) {
  return guarded(0, [&] {
    const int result = transformLine(line, [](std::string& text, const SymbolTable& table) {
      switch (removeSymbolics(text, table)) {
        case RemoveResult::Replaced:
          return 2;
        case RemoveResult::NoSymbol:
          return 1;
        case RemoveResult::UnknownSymbol:
          break;
      }
      return 0;
    });
    return result < 0 ? 1 : result;
  });
}

}  // extern "C"
