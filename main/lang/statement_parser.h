// Reading one statement: its row in the instruction table, its parameters checked against the
// row's limits and formats, and the normalised text the editor writes back.
//
// Contents
//   ParsedStatement   row, parameter values, normalised texts
//   ParseStatement    the statement text from column 11 on
//   CheckParams       the operand check of a row
//   ParseOperand      a single operand ("MW10", "E 1.0", "KH 00FF")
//
// Errors are texts (Windows-1252) that the caller shows or frames; nothing is shown here.
#ifndef MAIN_LANG_STATEMENT_PARSER_H
#define MAIN_LANG_STATEMENT_PARSER_H

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin::lang {

struct ParsedStatement {
  int row = -1;
  uint16_t p1 = 0;
  uint16_t p2 = 0;
  std::string parameterText;  // normalised
  std::string statementText;  // display text of the row and the parameter text
};

struct ParseResult {
  const char* error = nullptr;
  ParsedStatement statement;
  bool ok() const { return error == nullptr; }
};

ParseResult ParseStatement(std::string_view statement);

// Rewrites `parameterText` where the format has a normalised form. Null when it is accepted.
const char* CheckParams(int row, std::string& parameterText, uint16_t& p1, uint16_t& p2);

struct OperandResult {
  const char* error = nullptr;
  int row = -1;
  std::string area;     // two characters ("E ", "MW")
  std::string operand;  // "%s %s" of area and value: "MW 10", "E  1.0"
  uint16_t p1 = 0, p2 = 0;
  bool ok() const { return error == nullptr; }
};

OperandResult ParseOperand(std::string_view operand);

}  // namespace tavrin::lang

#endif
