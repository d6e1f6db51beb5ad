#include "main/project/listing_lines.h"

#include "main/lang/awl_ascii.h"

namespace tavrin::project {

namespace {

constexpr std::string_view kSeparator = "==========";

// Columns `column` to `column + width - 1`, blank-padded.
std::string columns(std::string_view line, std::size_t column, std::size_t width) {
  std::string text(lang::fieldOf(line, column, width));
  text.resize(width, ' ');
  return text;
}

// The text from `column` to the end of the line.
std::string_view from(std::string_view line, std::size_t column) {
  return column < line.size() ? line.substr(column) : std::string_view{};
}

void padTo(std::string& text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool isListingSeparator(std::string_view line) {
  return line.starts_with(kSeparator);
}

ListingLineKind classifyListingLine(std::string_view line, bool nameExpected) {
  using lang::columnOf;
  if (nameExpected && lang::fieldOf(line, 5, 4).starts_with("NAME")) return ListingLineKind::Name;
  if (columnOf(line, 9) == '#') return ListingLineKind::Comment;
  if (line.starts_with("NETZWERK")) return ListingLineKind::NetworkHeader;
  if (columnOf(line, 10) == '$') return ListingLineKind::Comment;
  if (lang::fieldOf(line, 5, 3) == "BEZ") return ListingLineKind::Declaration;
  if (line.size() >= 29 && std::string_view("EADBZT").find(line[28]) != std::string_view::npos)
    return ListingLineKind::CallParameter;
  if (line.find_first_not_of(' ') == std::string_view::npos) return ListingLineKind::Blank;
  if (columnOf(line, 9) == ':') return ListingLineKind::Statement;
  if (isListingSeparator(line)) return ListingLineKind::BlockEnd;
  return ListingLineKind::Unknown;
}

std::string convertListingComment(std::string_view line) {
  return "    " + columns(line, 4, 5) + " :;" + std::string(from(line, 10));
}

std::string convertListingName(std::string_view line) {
  return "    " + columns(line, 4, 5) + " :" + std::string(from(line, 10));
}

std::string convertListingNetworkHeader(std::string_view line, unsigned number) {
  std::string text = columns(line, 0, 9) + "  " + std::to_string(number);
  if (line.size() >= 24) {
    padTo(text, 24);
    text += from(line, 23);
  }
  return text;
}

std::optional<std::string> convertListingDeclaration(std::string_view line) {
  const char kind = lang::columnOf(line, 28);
  const std::string start = "    " + columns(line, 4, 5) + " :" + columns(line, 10, 4);
  const std::string type = columns(line, 32, 2);
  switch (kind) {
    case 'E':
    case 'A':
      return start + "      E/A/D/B/T/Z: " + kind + "  BI/BY/W/D: " + type;
    case 'D':
      return start + "      E/A/D/B/T/Z: " + kind + "  KM/KH/KY/KC/KF/KT/KZ/KG: " + type;
    case 'B':
    case 'T':
    case 'Z':
      return start + "      E/A/D/B/T/Z: " + kind;
    default:
      return std::nullopt;
  }
}

std::string convertListingCallParameter(std::string_view line) {
  const bool oneLetter = isDigit(lang::columnOf(line, 11));
  const std::size_t numberColumn = oneLetter ? 11 : 12;
  const std::string identifier =
      oneLetter ? columns(line, 10, 1) + "  " : columns(line, 10, 2) + " ";
  const std::string_view rest = from(line, numberColumn);
  return columns(line, 0, 9) + " >    " + identifier + std::string(rest.substr(0, rest.find(' ')));
}

std::string convertListingStatement(std::string_view line) {
  std::string text = columns(line, 0, 9) + " :" + columns(line, 10, 6) + " ";
  if (line.size() >= 40) {
    text += columns(line, 18, 20);
    padTo(text, lang::kCommentColumn);
    text += from(line, 39);
  } else {
    text += from(line, 18);
  }
  const std::string operation(lang::fieldOf(text, 11, 2));
  if (operation == "*F") text.replace(11, 2, "XF");
  if (operation == "/F") text.replace(11, 2, ":F");
  const char op = text[11];
  if ((op == 'L' || op == 'T') && lang::fieldOf(text, 12, 3) == "   " &&
      lang::fieldOf(text, 15, 2) == "PB")
    text.replace(15, 2, "PY");
  return text;
}

}  // namespace tavrin::project
