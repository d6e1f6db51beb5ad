#include "main/lang/jump_labels.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "main/lang/line_kind.h"

namespace tavrin::lang {

namespace {

constexpr int kLabelsPerLetter = 1000;
constexpr std::string_view kFurtherLetters = "NOPQRSTUVWXYZ";
constexpr std::size_t kLabelWidth = 4;
constexpr std::size_t kJumpOperandWidth = 5;  // the label replaces up to five characters

std::optional<unsigned> addressOf(std::string_view line) {
  const std::string_view digits = fieldOf(line, 0, 4);
  if (digits.size() < 4) return std::nullopt;
  unsigned value = 0;
  for (char c : digits) {
    const bool digit = c >= '0' && c <= '9';
    const bool letter = c >= 'A' && c <= 'F';
    if (!digit && !letter) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit ? c - '0' : c - 'A' + 10);
  }
  return value;
}

std::optional<int> distanceOf(std::string_view line) {
  if (columnOf(line, kParameterColumn) != '>') return std::nullopt;
  const std::string text(fieldOf(line, kParameterColumn + 1, kJumpOperandWidth));
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || (*end != '\0' && *end != ' ')) return std::nullopt;
  return static_cast<int>(value);
}

bool isNetworkHeader(std::string_view line) {
  return line.starts_with("NETZWERK");
}
bool isNetworkEnd(std::string_view line) {
  return fieldOf(line, kStatementColumn, 3) == "***";
}

// A line that may carry a label: a statement (':' in column 10, no comment) without a label of
// its own.
bool takesLabel(std::string_view line, const std::map<int, std::string>& labels, int index) {
  if (columnOf(line, kSeparatorColumn) != ':' || columnOf(line, kStatementColumn) == ';')
    return false;
  const std::string_view label = fieldOf(line, kLabelColumn, kLabelWidth);
  return label.find_first_not_of(' ') == std::string_view::npos || labels.contains(index);
}

// The line of the target address within the jump's network, or nothing.
std::optional<int> targetLine(const AwlAscii& block, int jump, unsigned target, bool backwards,
                              const std::map<int, std::string>& labels) {
  const auto matches = [&](int i) -> std::optional<bool> {
    const auto address = addressOf(block.line(i));
    if (!address || *address != target) return std::nullopt;
    return takesLabel(block.line(i), labels, i);
  };
  if (backwards) {
    for (int i = jump - 1; i >= 1 && !isNetworkHeader(block.line(i)); --i)
      if (const auto m = matches(i)) return *m ? std::optional<int>(i) : std::nullopt;
    return std::nullopt;
  }
  for (int i = jump; i < block.lineCount(); ++i) {
    if (const auto m = matches(i)) return *m ? std::optional<int>(i) : std::nullopt;
    if (isNetworkEnd(block.line(i))) break;
  }
  return std::nullopt;
}

void writeAt(AwlAscii& block, int i, std::size_t column, std::string_view text, std::size_t width) {
  std::string line(block.line(i));
  std::string field(text);
  field.resize(width, ' ');
  line.replace(column, width, field);
  block.replaceLine(i, line);
}

}  // namespace

std::string jumpLabelName(int n) {
  char buffer[16];
  if (n < kLabelsPerLetter) {
    std::snprintf(buffer, sizeof buffer, "M%03d", n);
  } else {
    const int k = n - kLabelsPerLetter;
    const auto letter = static_cast<std::size_t>(k / kLabelsPerLetter) % kFurtherLetters.size();
    std::snprintf(buffer, sizeof buffer, "%c%03d", kFurtherLetters[letter], k % kLabelsPerLetter);
  }
  return buffer;
}

void CreateJumpLabels(AwlAscii& block) {
  std::map<int, std::string> labels;  // target line -> its label
  for (int i = 0; i < block.lineCount(); ++i) {
    if (ClassifyLine(block, i) != LineKind::LkLabelJump) continue;
    const std::string_view line = block.line(i);
    const auto own = addressOf(line);
    const auto distance = distanceOf(line);
    if (!own || !distance) continue;
    const unsigned target = (*own + static_cast<unsigned>(*distance)) & 0xFFFF;
    const auto j = targetLine(block, i, target, *distance < 0, labels);
    if (!j) continue;
    auto [entry, added] = labels.try_emplace(*j);
    if (added) {
      entry->second = jumpLabelName(static_cast<int>(labels.size()));
      writeAt(block, *j, kLabelColumn, entry->second, kLabelWidth);
    }
    writeAt(block, i, kParameterColumn, entry->second, kJumpOperandWidth);
  }
}

}  // namespace tavrin::lang
