#include "main/lang/operand_areas.h"

namespace tavrin::lang {

const OperandArea* findOperandArea(const OperandAreaTable& table, std::string_view name) {
  for (const auto& area : table)
    if (area.name == name) return &area;
  return nullptr;
}

bool permitsFormat(const OperandArea& area, std::string_view format) {
  std::string_view rest = area.formats;
  while (!rest.empty()) {
    const auto comma = rest.find(',');
    if (rest.substr(0, comma) == format) return true;
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return false;
}

}  // namespace tavrin::lang
