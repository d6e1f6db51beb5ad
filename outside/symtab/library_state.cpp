#include "outside/symtab/library_state.h"

#include <filesystem>
#include <optional>

#include "outside/symtab/symtab_texts.h"
#include "platform/file_bytes.h"
#include "platform/file_lookup.h"

namespace tavrin::symtab {

namespace {

std::string reasonOf(const TableRow& row) {
  switch (row.state) {
    case RowState::BadOperand:
      return texts::fillIn(texts::kBadOperand, {row.line.operand});
    case RowState::BadSymbol:
      return texts::fillIn(texts::kBadSymbol, {row.line.symbol});
    case RowState::DuplicateOperand:
      return texts::fillIn(texts::kDuplicateOperand, {row.line.operand});
    case RowState::DuplicateSymbol:
      return texts::fillIn(texts::kDuplicateSymbol, {row.line.symbol});
    case RowState::Entry:
    case RowState::CommentLine:
    case RowState::Blank:
      break;
  }
  return {};
}

LoadOutcome fail(LibraryState& state, std::string error, std::size_t line) {
  state.table = {};
  state.error = std::move(error);
  state.errorLine = line;
  state.saveForbidden = true;
  state.modified = false;
  return LoadOutcome::Failed;
}

}  // namespace

std::mutex& stateLock() {
  static std::mutex lock;
  return lock;
}

LibraryState& state() {
  static LibraryState instance;
  return instance;
}

void clearTable(LibraryState& state) {
  state.table = {};
  state.error.clear();
  state.errorLine = 0;
  state.saveForbidden = false;
  state.modified = false;
}

LoadOutcome loadSelected(LibraryState& state) {
  clearTable(state);
  if (state.path.empty()) return LoadOutcome::Loaded;
  const std::optional<std::filesystem::path> found =
      platform::findExistingPath({}, std::filesystem::path(state.path));
  if (!found) return LoadOutcome::Loaded;

  const platform::FileBytes file = platform::readFileBytes(*found);
  if (!file.ok()) return fail(state, texts::kReadFailed, 0);
  SeqReadResult read = readSeq(file.bytes);
  if (!read.error.empty()) return fail(state, read.error, read.errorLine);

  for (std::size_t i = 0; i < read.lines.size(); ++i)
    state.table.appendRead(std::move(read.lines[i]), read.lineNumbers[i]);
  const TableRow* first = state.table.firstSetAside();
  if (first == nullptr) return LoadOutcome::Loaded;
  state.error =
      texts::fillIn(texts::kLinesSetAside, {std::to_string(state.table.setAsideCount()),
                                            std::to_string(first->fileLine), reasonOf(*first)});
  state.errorLine = first->fileLine;
  return LoadOutcome::LoadedWithLinesSetAside;
}

bool saveSelected(LibraryState& state) {
  state.errorLine = 0;
  if (state.path.empty()) {
    state.error = texts::kNoFile;
    return false;
  }
  if (state.saveForbidden) {
    state.error = texts::kNotLoaded;
    return false;
  }
  const std::filesystem::path target = platform::resolvePath({}, std::filesystem::path(state.path));
  const platform::IoStatus written =
      platform::replaceFileContents(target, writeSeq(state.table.lines()));
  if (!written.ok()) {
    state.error = texts::kWriteFailed;
    return false;
  }
  state.error.clear();
  state.modified = false;
  return true;
}

}  // namespace tavrin::symtab
