// The header of a function block: its NAME line and one BEZ line per parameter.
//
// Contents
//   FbParameter           name, kind (E A D B T Z) and type (BI BY W D, or a constant format)
//   parseParameterLine    one BEZ line
//   headerParameters      the parameters of a document's own header
//   formalClassOf         the formal-operand class a parameter stands for
//   BlockHeaders          where the headers of called blocks come from
#ifndef MAIN_LANG_FB_HEADER_H
#define MAIN_LANG_FB_HEADER_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main/lang/awl_ascii.h"

namespace tavrin::lang {

struct FbParameter {
  std::string name;  // four characters, blank-padded
  char kind = ' ';   // E, A, D, B, T or Z
  std::string type;  // two characters; blank for B, T and Z
  bool operator==(const FbParameter&) const = default;
};

// A "     BEZ  :NAME      E/A/D/B/T/Z: E  BI/BY/W/D: BI" line: the kind is the character two
// places after the first ':' from column 15 on, the type the two characters two places after
// the second.
std::optional<FbParameter> parseParameterLine(std::string_view line);

std::vector<FbParameter> headerParameters(const AwlAscii& block);

// 0 for an unknown kind or type.
uint32_t formalClassOf(const FbParameter& parameter);

struct FbHeader {
  std::string name;  // the eight characters of the NAME line
  std::vector<FbParameter> parameters;
};

class BlockHeaders {
 public:
  virtual ~BlockHeaders() = default;
  // The header of a function block (FB012, FX003); nothing when the block has none.
  virtual std::optional<FbHeader> headerOf(std::string_view blockName) const = 0;
};

}  // namespace tavrin::lang

#endif
