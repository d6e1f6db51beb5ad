#include "outside/symtab/awl_line.h"

#include <optional>
#include <string_view>

namespace tavrin::symtab {

namespace {

namespace col = line_columns;

constexpr std::size_t kOperandWidth = col::kStatementEnd - col::kOperand;

bool isBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

bool holdsOperand(const std::string& line) {
  if (line.size() <= col::kOperand) return false;
  if (line[0] == 'N') return false;
  if (line[col::kKind] != ':' && line[col::kKind] != '>') return false;
  if (line[col::kCommentMark] == ';') return false;
  return line[col::kOperationLast] == ' ';
}

// The line as a blank-padded working copy and the way back to the caller's length.
class PaddedLine {
 public:
  explicit PaddedLine(const std::string& line) : text_(line), originalSize_(line.size()) {
    if (text_.size() < col::kWidth) text_.resize(col::kWidth, ' ');
  }

  std::string_view field(std::size_t column, std::size_t width) const {
    return std::string_view(text_).substr(column, width);
  }

  void write(std::size_t column, std::size_t width, std::string_view content) {
    std::string padded(content.substr(0, width));
    padded.resize(width, ' ');
    if (text_.compare(column, width, padded) == 0) return;
    text_.replace(column, width, padded);
    changed_ = true;
  }

  bool changed() const { return changed_; }

  std::string result() const {
    if (originalSize_ >= col::kWidth) return text_;
    const std::size_t last = text_.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text_.substr(0, last + 1);
  }

 private:
  std::string text_;
  std::size_t originalSize_;
  bool changed_ = false;
};

struct LineOperand {
  std::optional<S5Operand> absolute;
  std::optional<std::string> symbol;  // after the '-', trailing blanks removed
};

LineOperand readOperandField(std::string_view field) {
  if (!field.empty() && field.front() == '-') {
    std::string_view symbol = field.substr(1);
    while (!symbol.empty() && symbol.back() == ' ')
      symbol.remove_suffix(1);
    return {std::nullopt, std::string(symbol)};
  }
  if (isBlank(field)) return {};
  return {parseS5Operand(field), std::nullopt};
}

std::optional<std::size_t> entryOf(const LineOperand& operand, const SymbolTable& table) {
  if (operand.absolute) return table.indexOfOperand(*operand.absolute);
  if (operand.symbol) return table.indexOfSymbol(*operand.symbol);
  return std::nullopt;
}

std::string absoluteField(const SeqLine& entry) {
  return lineText(*parseS5Operand(entry.operand));
}

}  // namespace

std::string commentInLine(const std::string& comment) {
  return comment.substr(0, col::kCommentWidth);
}

bool insertSymbolics(std::string& line, const SymbolTable& table, const InsertOptions& options) {
  if (!holdsOperand(line)) return false;
  PaddedLine padded(line);
  const LineOperand operand = readOperandField(padded.field(col::kOperand, kOperandWidth));
  const std::optional<std::size_t> index = entryOf(operand, table);
  if (!index) return false;
  const SeqLine& entry = table.entry(*index);
  const bool hasSymbol = !entry.symbol.empty();

  if (options.showSymbols && hasSymbol)
    padded.write(col::kOperand, kOperandWidth, "-" + entry.symbol);
  else if (operand.symbol)
    padded.write(col::kOperand, kOperandWidth, absoluteField(entry));

  if (options.autoComment && !entry.comment.empty() &&
      (options.replaceOldComment || isBlank(padded.field(col::kComment, col::kCommentWidth))))
    padded.write(col::kComment, col::kCommentWidth, commentInLine(entry.comment));

  if (padded.changed()) line = padded.result();
  return hasSymbol;
}

RemoveResult removeSymbolics(std::string& line, const SymbolTable& table) {
  if (!holdsOperand(line)) return RemoveResult::NoSymbol;
  PaddedLine padded(line);
  const LineOperand operand = readOperandField(padded.field(col::kOperand, kOperandWidth));
  if (!operand.symbol) return RemoveResult::NoSymbol;
  const std::optional<std::size_t> index = table.indexOfSymbol(*operand.symbol);
  if (!index) return RemoveResult::UnknownSymbol;
  padded.write(col::kOperand, kOperandWidth, absoluteField(table.entry(*index)));
  if (padded.changed()) line = padded.result();
  return RemoveResult::Replaced;
}

}  // namespace tavrin::symtab
