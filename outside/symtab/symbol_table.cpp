#include "outside/symtab/symbol_table.h"

#include "outside/symtab/symbol_name.h"

namespace tavrin::symtab {

namespace {

std::string_view withoutOuterBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

bool isValidComment(std::string_view comment) {
  if (comment.size() > kMaxCommentLength) return false;
  for (const char c : comment)
    if (static_cast<unsigned char>(c) < 0x20) return false;
  return true;
}

}  // namespace

bool isSetAside(RowState state) {
  return state != RowState::Entry && state != RowState::CommentLine && state != RowState::Blank;
}

void SymbolTable::appendRead(SeqLine line, std::size_t fileLine) {
  TableRow row{std::move(line), RowState::Entry, fileLine};
  const SeqLine& read = row.line;
  const std::optional<S5Operand> operand = parseS5Operand(read.operand);
  if (read.isComment) {
    row.state = RowState::CommentLine;
  } else if (read.operand.empty() && read.symbol.empty() && read.comment.empty()) {
    row.state = RowState::Blank;
  } else if (!operand) {
    row.state = RowState::BadOperand;
  } else if (!read.symbol.empty() && !isValidSymbol(read.symbol)) {
    row.state = RowState::BadSymbol;
  } else if (indexOfOperand(*operand)) {
    row.state = RowState::DuplicateOperand;
  } else if (!read.symbol.empty() && indexOfSymbol(read.symbol)) {
    row.state = RowState::DuplicateSymbol;
  }
  if (row.state == RowState::Entry)
    addEntryRow(std::move(row));
  else
    rows_.push_back(std::move(row));
}

void SymbolTable::addEntryRow(TableRow row) {
  const std::size_t index = entries_.size();
  byOperand_.emplace(row.line.operand, index);
  if (!row.line.symbol.empty()) bySymbol_.emplace(symbolKey(row.line.symbol), index);
  entries_.push_back(rows_.size());
  rows_.push_back(std::move(row));
}

AddResult SymbolTable::add(std::string_view operandText, std::string_view symbolText,
                           std::string_view commentText) {
  const std::optional<S5Operand> operand = parseS5Operand(operandText);
  if (!operand) return AddResult::BadOperand;
  const std::string_view symbol = withoutOuterBlanks(symbolText);
  if (!isValidSymbol(symbol)) return AddResult::BadSymbol;
  const std::string_view comment = withoutOuterBlanks(commentText);
  if (!isValidComment(comment)) return AddResult::BadComment;

  const std::optional<std::size_t> existing = indexOfOperand(*operand);
  const std::optional<std::size_t> holder = indexOfSymbol(symbol);
  if (holder && holder != existing) return AddResult::SymbolTaken;

  if (!existing) {
    addEntryRow({{false, normalisedText(*operand), std::string(symbol), std::string(comment)},
                 RowState::Entry,
                 0});
    return AddResult::Added;
  }
  SeqLine& line = rows_[entries_[*existing]].line;
  if (!line.symbol.empty()) bySymbol_.erase(symbolKey(line.symbol));
  line.symbol = std::string(symbol);
  line.comment = std::string(comment);
  bySymbol_.emplace(symbolKey(line.symbol), *existing);
  return AddResult::Replaced;
}

std::optional<std::size_t> SymbolTable::indexOfOperand(const S5Operand& operand) const {
  const auto found = byOperand_.find(normalisedText(operand));
  if (found == byOperand_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::size_t> SymbolTable::indexOfSymbol(std::string_view symbol) const {
  if (symbol.empty()) return std::nullopt;
  const auto found = bySymbol_.find(symbolKey(symbol));
  if (found == bySymbol_.end()) return std::nullopt;
  return found->second;
}

std::vector<SeqLine> SymbolTable::lines() const {
  std::vector<SeqLine> lines;
  lines.reserve(rows_.size());
  for (const TableRow& row : rows_)
    lines.push_back(row.line);
  return lines;
}

std::size_t SymbolTable::setAsideCount() const {
  std::size_t count = 0;
  for (const TableRow& row : rows_)
    if (isSetAside(row.state)) ++count;
  return count;
}

const TableRow* SymbolTable::firstSetAside() const {
  for (const TableRow& row : rows_)
    if (isSetAside(row.state)) return &row;
  return nullptr;
}

}  // namespace tavrin::symtab
