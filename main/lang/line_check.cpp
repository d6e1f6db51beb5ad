#include "main/lang/line_check.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "main/lang/instruction_table.h"
#include "main/lang/lang_messages.h"
#include "main/lang/line_kind.h"
#include "main/lang/statement_parser.h"

namespace tavrin::lang {

namespace {

using platform::literals::operator""_cp1252;

std::string format(const char* pattern, std::string_view a, std::string_view b = {},
                   std::string_view c = {}) {
  char buffer[1024];
  std::snprintf(buffer, sizeof buffer, pattern, std::string(a).c_str(), std::string(b).c_str(),
                std::string(c).c_str());
  return buffer;
}

std::string trimmedRight(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

struct Hint {
  std::string_view operation;  // the first three characters of the statement
  const char* text;
};

// What a formal operand of an operation must stand for.
const std::array<Hint, 16>& formalHints() {
  static const std::array<Hint, 16> hints = {{
      {"S  ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Bitoperand repräsentiert."_cp1252},
      {"RB ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Bitoperand repräsentiert"_cp1252},
      {"RD ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Timer oder Zähler repräsentiert."_cp1252},
      {"=  ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Bitoperand repräsentiert."_cp1252},
      {"SE ", "Sie müssen einen Formaloperanden angeben, der\neinen Timer repräsentiert."_cp1252},
      {"SI ", "Sie müssen einen Formaloperanden angeben, der\neinen Timer repräsentiert."_cp1252},
      {"SAR",
       "Sie müssen einen Formaloperanden angeben, der\neinen Timer (SA) oder Zähler (ZR Z) repräsentiert."_cp1252},
      {"SSV",
       "Sie müssen einen Formaloperanden angeben, der\neinen Timer (SS) oder Zähler (ZV Z) repräsentiert."_cp1252},
      {"SVZ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Timer (SV) oder Zähler (S  Z) repräsentiert."_cp1252},
      {"FR ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Timer oder Zähler repräsentiert."_cp1252},
      {"LC ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Timer oder Zähler repräsentiert."_cp1252},
      {"L  ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Byte-, Wort- oder Doppelwort- Operanden repräsentiert."_cp1252},
      {"T  ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Byte-, Wort- oder Doppelwort- Operanden repräsentiert."_cp1252},
      {"LW ",
       "Sie müssen einen Formaloperanden angeben, der\neinen 16-Bit-Wert (z.B. KH, KM, KF, ...) repräsentiert."_cp1252},
      {"LD ",
       "Sie müssen einen Formaloperanden angeben,\nder eine Gleitpunktzahl (KG) repräsentiert."_cp1252},
      {"B  ",
       "Sie müssen einen Formaloperanden angeben, der\neinen Baustein (OB, PB, DB, ...) repräsentiert."_cp1252},
  }};
  return hints;
}

const char* hintFor(std::string_view operation) {
  for (const Hint& h : formalHints())
    if (h.operation == operation) return h.text;
  return "Sie müssen einen Formaloperanden angeben, der\neinen Bitoperand repräsentiert."_cp1252;
}

struct PassRule {
  std::vector<std::string_view> areas;
  const char* message;
};

// The operand areas an actual parameter may have for its formal parameter.
std::optional<PassRule> passRuleFor(const FbParameter& p) {
  if (p.kind == 'E' || p.kind == 'A') {
    if (p.type == "BI") return PassRule{{"E ", "A ", "M "}, msg::kPassBit};
    if (p.type == "BY") return PassRule{{"EB", "AB", "MB", "DL", "DR", "PY", "QB"}, msg::kPassByte};
    if (p.type.starts_with("W"))
      return PassRule{{"EW", "AW", "MW", "DW", "PW", "QW", "BS", "BT", "BA", "BB"}, msg::kPassWord};
    if (p.type.starts_with("D")) return PassRule{{"ED", "AD", "MD", "DD"}, msg::kPassDouble};
    return std::nullopt;
  }
  switch (p.kind) {
    case 'B':
      return PassRule{{"DB", "FB", "SB", "PB", "OB"}, msg::kPassBlock};
    case 'T':
      return PassRule{{"T "}, msg::kPassTimer};
    case 'Z':
      return PassRule{{"Z "}, msg::kPassCounter};
    case 'D':
      return PassRule{{p.type}, msg::kPassFormat};
    default:
      return std::nullopt;
  }
}

std::string joined(const std::vector<std::string_view>& areas) {
  std::string out;
  for (std::string_view a : areas)
    out += (out.empty() ? "" : " / ") + std::string(a);
  return out;
}

class Checker {
 public:
  Checker(AwlAscii& block, int index, const LineCheckContext& context)
      : block_(block), index_(index), ctx_(context), line_(block.line(index)) {}

  LineCheck run();

 private:
  bool fail(std::string message) {
    result_.ok = false;
    result_.error = std::move(message);
    if (ctx_.dialog != nullptr)
      ctx_.dialog->ShowMessage(result_.error, platform::MessageKind::Error);
    return false;
  }
  bool failStatement(const char* error) {
    return fail(format(msg::kLineErrorFrame, trimmedRight(line_), error));
  }
  unsigned address(std::string_view line) const {
    const std::string digits(fieldOf(line, 0, 4));
    return static_cast<unsigned>(
        std::strtoul(digits.c_str(), nullptr, ctx_.hexAddresses ? 16 : 10));
  }
  bool checkCallParameter();
  bool checkFormal(const ParsedStatement& s);
  bool checkLabel();
  void insertCallLines(const ParsedStatement& s);
  void removeLinesAfterBlockEnd();

  AwlAscii& block_;
  int index_;
  const LineCheckContext& ctx_;
  std::string line_;
  LineCheck result_;
};

bool Checker::checkCallParameter() {
  // The call this parameter belongs to: the nearest call line above.
  int call = index_ - 1;
  while (call > 0 && ClassifyLine(block_, call, ctx_.symbols) != LineKind::LkBlockCall)
    --call;
  const std::string statement =
      std::string(fieldOf(block_.line(call), kStatementColumn, kStatementWidth));
  std::string stripped = statement;
  std::erase(stripped, ' ');
  const bool fx = stripped.starts_with("BA");
  const auto number =
      std::strtol(stripped.c_str() + (fx ? (stripped.starts_with("BAB") ? 5 : 4) : 5), nullptr, 10);
  char called[8];
  std::snprintf(called, sizeof called, "%s%03ld", fx ? "FX" : "FB", number);
  const std::string name(fieldOf(line_, kLabelColumn, 4));
  const std::optional<FbHeader> header =
      ctx_.headers != nullptr ? ctx_.headers->headerOf(called) : std::nullopt;
  const FbParameter* formal = nullptr;
  if (header)
    for (const FbParameter& p : header->parameters)
      if (p.name == name) formal = &p;
  if (formal == nullptr)
    return fail(format(msg::kCallParameterUnknown, trimmedRight(name), called, called));

  // The operand field ends where the free text begins (an inserted line carries its kind there).
  const OperandResult operand = ParseOperand(fieldOf(line_, 15, kCommentColumn - 15));
  if (!operand.ok()) return failStatement(operand.error);
  if (!block_.isFunctionBlock() && (operand.area == "BA" || operand.area == "BB" ||
                                    operand.area == "BS" || operand.area == "BT"))
    return fail(format(msg::kSystemDataOnlyInFb, operand.area));
  const std::optional<PassRule> rule = passRuleFor(*formal);
  if (!rule) return true;
  if (std::find(rule->areas.begin(), rule->areas.end(), operand.area) == rule->areas.end())
    return fail(
        format(msg::kCallParameterFrame, trimmedRight(line_), rule->message, joined(rule->areas)));
  // The operand is written back normalised from column 15.
  std::string updated = line_;
  std::string field = operand.operand;
  field.resize(kCommentColumn - 15, ' ');
  updated.replace(15, field.size(), field);
  block_.replaceLine(index_, updated);
  return true;
}

bool Checker::checkFormal(const ParsedStatement& s) {
  const InstrRow& row = rowAt(s.row);
  std::string name = s.parameterText;
  name.resize(4, ' ');
  const std::vector<FbParameter> parameters = headerParameters(block_);
  const auto found = std::find_if(parameters.begin(), parameters.end(),
                                  [&](const FbParameter& p) { return p.name == name; });
  if (found == parameters.end())
    return failStatement(format(msg::kFormalNotInHeader, trimmedRight(name)).c_str());
  const std::string_view key = row.keyText();
  bool usable = (formalClassOf(*found) & row.formalClasses()) != 0;
  if (key == "LW=" && found->kind == 'D' && found->type == "KG") usable = false;
  if (key == "LD=" && !(found->kind == 'D' && found->type == "KG")) usable = false;
  if (usable) return true;
  const std::string_view operation = fieldOf(s.statementText, 0, 3);
  return fail(format(msg::kFormalNotUsable, trimmedRight(name), trimmedRight(row.displayText())) +
              "\n" + hintFor(operation));
}

bool Checker::checkLabel() {
  const std::string label(fieldOf(line_, kLabelColumn, 4));
  if (label.find_first_not_of(' ') == std::string::npos) return true;
  int first = index_;
  while (first > 0 && columnOf(block_.line(first - 1), 0) != 'N')
    --first;
  for (int i = first; i < block_.lineCount(); ++i) {
    const LineKind kind = ClassifyLine(block_, i, ctx_.symbols);
    if (kind == LineKind::LkNetworkEnd || (kind == LineKind::LkNetworkHeader && i > index_)) break;
    if (i == index_ || kind == LineKind::LkCallParam || kind == LineKind::LkCallName) continue;
    if (fieldOf(block_.line(i), kLabelColumn, 4) == label)
      return fail(format(msg::kDuplicateLabel, trimmedRight(label), fieldOf(block_.line(i), 0, 4)));
  }
  return true;
}

void Checker::insertCallLines(const ParsedStatement& s) {
  if (fieldOf(block_.line(index_ + 1), kLabelColumn, 4).starts_with("NAME") ||
      ctx_.headers == nullptr)
    return;
  const bool fx = s.statementText.starts_with("BA");
  char called[8];
  std::snprintf(called, sizeof called, "%s%03u", fx ? "FX" : "FB", static_cast<unsigned>(s.p1));
  const std::optional<FbHeader> header = ctx_.headers->headerOf(called);
  if (!header) return;
  int at = index_ + 1;
  block_.insertLine(at++, "     NAME :" + header->name);
  for (const FbParameter& p : header->parameters) {
    std::string line = "     " + p.name + " >    ????";
    line.resize(kCommentColumn, ' ');
    line += "(" + std::string(1, p.kind) + "/" + trimmedRight(p.type) + ")";
    block_.insertLine(at++, line);
  }
  result_.renumber = true;
}

void Checker::removeLinesAfterBlockEnd() {
  if (index_ + 1 >= block_.lineCount() || ctx_.dialog == nullptr) return;
  if (!ctx_.dialog->AskYesNo(msg::kBeNotAtEnd)) return;
  while (block_.lineCount() > index_ + 1)
    block_.deleteLine(block_.lineCount() - 1);
}

LineCheck Checker::run() {
  const bool showing = ctx_.symbols != nullptr && ctx_.symbols->showingSymbols();
  if (showing && !ctx_.symbols->removeSymbol(line_)) {
    fail(msg::kSymbolMissing);
    return result_;
  }
  const LineKind kind = ClassifyLine(block_, index_, ctx_.symbols);
  if (kind == LineKind::LkCallParam) {
    if (ctx_.dialog != nullptr) checkCallParameter();
    return result_;
  }
  const std::string statement(fieldOf(line_, kStatementColumn, kStatementWidth));
  const auto firstText = statement.find_first_not_of(' ');
  if (firstText != std::string::npos && statement[firstText] == ';') {
    block_.replaceLine(index_,
                       std::string(10, ' ') + ":" + line_.substr(kStatementColumn + firstText));
    return result_;
  }
  const ParseResult parsed = ParseStatement(statement);
  if (!parsed.ok()) {
    failStatement(parsed.error);
    return result_;
  }
  const ParsedStatement& s = parsed.statement;
  const InstrRow& row = rowAt(s.row);
  if (row.onlyInFunctionBlocks() && !block_.isFunctionBlock()) {
    fail(format(msg::kOnlyInFunctionBlocks, trimmedRight(row.displayText())));
    return result_;
  }
  // Formal operands are told by the row, not by where the user typed the '='.
  if (layoutOf(s.row) == WordLayout::Formal && !checkFormal(s)) return result_;
  if (!checkLabel()) return result_;

  std::string updated = line_;
  std::string field = s.statementText;
  field.resize(kStatementWidth, ' ');
  updated.replace(kStatementColumn, kStatementWidth, field.substr(0, kStatementWidth));
  const bool hasSymbol = ctx_.symbols != nullptr && ctx_.symbols->insertSymbol(updated);
  block_.replaceLine(index_, updated);

  const std::string_view next = block_.line(index_ + 1);
  if (!next.empty() && next.find_first_not_of(' ') != std::string_view::npos &&
      std::isxdigit(static_cast<unsigned char>(columnOf(next, 0))) != 0 &&
      address(next) != address(updated) + row.words)
    result_.renumber = true;
  if (s.statementText.starts_with("BE ") || s.statementText == "BE     ")
    removeLinesAfterBlockEnd();
  if (kind == LineKind::LkBlockCall) insertCallLines(s);
  if (!hasSymbol && ctx_.offerNewSymbols && ctx_.symbols != nullptr && row.parameterKind() != 0 &&
      row.max != kLabelOrFormal)
    if (ctx_.symbols->offerNewSymbol(trimmedRight(
            fieldOf(updated, kOperandAreaColumn, kCommentColumn - kOperandAreaColumn)))) {
      std::string again(block_.line(index_));
      ctx_.symbols->insertSymbol(again);
      block_.replaceLine(index_, again);
    }
  return result_;
}

}  // namespace

LineCheck CheckLine(AwlAscii& block, int index, const LineCheckContext& context) {
  return Checker(block, index, context).run();
}

}  // namespace tavrin::lang
