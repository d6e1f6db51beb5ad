#include "main/lang/fb_header.h"

#include "main/lang/instruction_row.h"
#include "main/lang/line_kind.h"

namespace tavrin::lang {

std::optional<FbParameter> parseParameterLine(std::string_view line) {
  if (fieldOf(line, kLabelColumn, 4) != "BEZ ") return std::nullopt;
  FbParameter p;
  p.name = std::string(fieldOf(line, kStatementColumn, 4));
  p.name.resize(4, ' ');
  const auto first = line.find(':', 15);
  if (first == std::string_view::npos) return p;
  p.kind = columnOf(line, first + 2);
  const auto second = line.find(':', first + 1);
  if (second != std::string_view::npos) {
    p.type = std::string(fieldOf(line, second + 2, 2));
    p.type.resize(2, ' ');
  } else {
    p.type = "  ";
  }
  return p;
}

std::vector<FbParameter> headerParameters(const AwlAscii& block) {
  std::vector<FbParameter> parameters;
  const int end = functionBlockHeaderEnd(block);
  for (int i = 6; i < end; ++i)
    if (auto p = parseParameterLine(block.line(i))) parameters.push_back(*p);
  return parameters;
}

uint32_t formalClassOf(const FbParameter& p) {
  switch (p.kind) {
    case 'B':
      return kClassBlock;
    case 'D':
      return kClassConstant;
    case 'T':
      return kClassTimer;
    case 'Z':
      return kClassCounter;
    case 'E':
    case 'A':
      if (p.type == "BI") return kClassBit;
      if (p.type == "BY") return kClassByte;
      if (p.type == "W " || p.type == "W") return kClassWord;
      if (p.type == "D " || p.type == "D") return kClassDouble;
      return 0;
    default:
      return 0;
  }
}

}  // namespace tavrin::lang
