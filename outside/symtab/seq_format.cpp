#include "outside/symtab/seq_format.h"

#include "outside/symtab/s5_operand.h"
#include "outside/symtab/symtab_texts.h"
#include "utilkit/utilkit40.h"

namespace tavrin::symtab {

namespace {

constexpr char kEndOfFile = 0x1A;
constexpr std::size_t kFieldCount = 3;

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

bool isBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

SeqLine readLine(std::string_view line, bool& tooManyFields) {
  tooManyFields = false;
  if (isCommentLine(line)) {
    std::string_view text = line.substr(line.find(';'));
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r'))
      text.remove_suffix(1);
    return {true, {}, {}, std::string(text)};
  }
  const std::optional<std::array<std::string, 3>> fields = splitFields(line);
  if (!fields) {
    tooManyFields = true;
    return {};
  }
  return {false, operandField((*fields)[0]), (*fields)[1], (*fields)[2]};
}

}  // namespace

std::optional<std::array<std::string, 3>> splitFields(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
    line.remove_suffix(1);
  const std::size_t firstTab = line.find('\t');
  if (firstTab != std::string_view::npos && isBlank(line.substr(0, firstTab)))
    line.remove_prefix(firstTab + 1);
  std::array<std::string, 3> fields;
  std::size_t field = 0;
  while (true) {
    const std::size_t tab = line.find('\t');
    fields[field] = std::string(trimmed(line.substr(0, tab)));
    if (tab == std::string_view::npos) break;
    if (++field == kFieldCount) return std::nullopt;
    line.remove_prefix(tab + 1);
  }
  return fields;
}

bool isCommentLine(std::string_view line) {
  return (!line.empty() && line[0] == ';') || (line.size() > 1 && line[1] == ';');
}

std::string operandField(std::string_view text) {
  if (const std::optional<S5Operand> operand = parseS5Operand(text))
    return normalisedText(*operand);
  std::string field;
  for (const char c : trimmed(text))
    field += U_UpcaseChar(c);
  return field;
}

SeqReadResult readSeq(std::string_view bytes) {
  SeqReadResult result;
  bytes = bytes.substr(0, bytes.find(kEndOfFile));
  std::size_t lineNumber = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber;
    bool tooManyFields = false;
    SeqLine read = readLine(line, tooManyFields);
    if (tooManyFields) {
      result.lines.clear();
      result.lineNumbers.clear();
      result.error = texts::kTooManyTabs;
      result.errorLine = lineNumber;
      return result;
    }
    result.lines.push_back(std::move(read));
    result.lineNumbers.push_back(lineNumber);
  }
  return result;
}

std::string writeSeq(const std::vector<SeqLine>& lines) {
  std::string bytes;
  for (const SeqLine& line : lines) {
    bytes += '\t';
    if (line.isComment) {
      bytes += line.comment;
    } else {
      bytes += line.operand;
      bytes += '\t';
      bytes += line.symbol;
      bytes += '\t';
      bytes += line.comment;
    }
    bytes += '\n';
  }
  bytes += kEndOfFile;
  return bytes;
}

}  // namespace tavrin::symtab
