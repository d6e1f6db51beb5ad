#include "main/lang/renumber.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "main/lang/data_lines.h"
#include "main/lang/instruction_table.h"
#include "main/lang/line_kind.h"
#include "platform/cp1252.h"

namespace tavrin::lang {

namespace {

using platform::literals::operator""_cp1252;

constexpr int kMaxNetworks = 256;

bool isNetworkHeader(std::string_view line) {
  return line.starts_with("NETZWERK");
}
bool isHeaderLine(std::string_view label) {
  return label.starts_with("NAME") || label == "BEZ ";
}

unsigned addressOf(std::string_view line) {
  const std::string digits(fieldOf(line, 0, 4));
  return static_cast<unsigned>(std::strtoul(digits.c_str(), nullptr, 16));
}

bool carriesAddress(std::string_view line) {
  const std::string_view digits = fieldOf(line, 0, 4);
  if (digits.size() < 4) return false;
  for (char c : digits)
    if (std::isxdigit(static_cast<unsigned char>(c)) == 0) return false;
  return true;
}

void writeAddress(AwlAscii& block, int i, unsigned address) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04X", address & 0xFFFF);
  std::string line(block.line(i));
  line.replace(0, 4, digits);
  block.replaceLine(i, line);
}

// The lines that carry no address: blank, comment, network header, the FB header's lines.
bool withoutAddress(const AwlAscii& block, int i) {
  const std::string_view line = block.line(i);
  if (line.find_first_not_of(' ') == std::string_view::npos) return true;
  if (columnOf(line, kStatementColumn) == ';' || isNetworkHeader(line)) return true;
  return block.isFunctionBlock() && i <= functionBlockHeaderEnd(block) &&
         isHeaderLine(fieldOf(line, kLabelColumn, 4));
}

}  // namespace

// The words of line i: a call's NAME line stands for the jump over the actual parameters.
unsigned wordsAt(const AwlAscii& block, int i, const LineSymbols* symbols) {
  if (!block.isDataBlock() && ClassifyLine(block, i, symbols) == LineKind::LkCallName) return 1;
  return LineWords(block.line(i), block.isDataBlock(), symbols);
}

unsigned LineWords(std::string_view line, bool dataBlock, const LineSymbols* symbols) {
  if (dataBlock) return dataLineWords(line);
  if (columnOf(line, kStatementColumn) == ';') return 0;
  if (columnOf(line, kStatementColumn) == ' ') return fieldOf(line, 15, 2) == "KG" ? 2 : 1;
  std::string text(line);
  if (symbols != nullptr && symbols->showingSymbols()) symbols->removeSymbol(text);
  std::string statement(fieldOf(text, kStatementColumn, kStatementWidth));
  const int row = findByText(statement, true);
  return row == kNoRow ? 1 : rowAt(row).words;
}

void RenumberBlock(AwlAscii& block, int firstChanged, const LineSymbols* symbols,
                   platform::UserDialog* dialog) {
  if (dialog != nullptr) dialog->SetStatusText("Neu nummerieren ..");
  if (firstChanged <= 1 && !block.isDataBlock()) RenumberNetworks(block, true, 0, dialog);
  // Start at the line before the change; a call's parameter and NAME lines belong to the call.
  int start = std::max(firstChanged - 1, 1);
  while (start > 3 && !block.isDataBlock()) {
    const LineKind kind = ClassifyLine(block, start, symbols);
    if (kind != LineKind::LkCallParam && kind != LineKind::LkCallName) break;
    --start;  // up to the call itself
  }
  int firstNetwork = 0;
  while (firstNetwork < block.lineCount() && !isNetworkHeader(block.line(firstNetwork)))
    ++firstNetwork;

  unsigned address = 0;
  int i = start;
  if (start <= firstNetwork) {
    i = firstNetwork + 1;
    if (block.isFunctionBlock()) {
      const int headerEnd = functionBlockHeaderEnd(block);
      unsigned parameters = 0;
      for (int k = 6; k < headerEnd; ++k)
        if (fieldOf(block.line(k), kLabelColumn, 4) == "BEZ ") ++parameters;
      if (headerEnd > 4) address = 5 + 3 * parameters;
    }
  } else {
    int k = start;
    while (k > firstNetwork && (withoutAddress(block, k) || !carriesAddress(block.line(k))))
      --k;
    if (k > firstNetwork) {
      address = addressOf(block.line(k)) + wordsAt(block, k, symbols);
      i = k + 1;
    } else {
      i = firstNetwork + 1;
    }
  }
  for (; i < block.lineCount(); ++i) {
    if (withoutAddress(block, i)) continue;
    writeAddress(block, i, address);
    address += wordsAt(block, i, symbols);
  }
  if (dialog != nullptr) dialog->SetStatusText("");
}

void RenumberNetworks(AwlAscii& block, bool fromTop, int cursorLine, platform::UserDialog* dialog) {
  if (block.isDataBlock()) return;
  int from = 0;
  int number = 0;
  if (!fromTop) {
    // The header of the network before the one that holds the cursor keeps its number.
    int holding = std::min(cursorLine, block.lineCount() - 1);
    while (holding > 4 && !isNetworkHeader(block.line(holding)))
      --holding;
    int previous = holding - 1;
    while (previous > 4 && !isNetworkHeader(block.line(previous)))
      --previous;
    if (previous > 4 && isNetworkHeader(block.line(previous))) {
      number = std::atoi(std::string(fieldOf(block.line(previous), kSeparatorColumn, 4)).c_str());
      from = previous + 1;
    }
  }
  for (int i = from; i < block.lineCount() - 1; ++i) {
    if (columnOf(block.line(i), 0) != 'N') continue;
    ++number;
    char digits[16];
    std::snprintf(digits, sizeof digits, " %-3d", number);
    std::string line(block.line(i));
    line.replace(kSeparatorColumn, 4, digits);
    block.replaceLine(i, line);
  }
  if (number >= kMaxNetworks && dialog != nullptr)
    dialog->ShowStatusMessage("Achtung: Maximal 256 Netzwerke erlaubt !");
}

}  // namespace tavrin::lang
