#include "platform/ini_document.h"

#include <algorithm>
#include <climits>
#include <string>

#include "platform/ascii_case.h"

namespace tavrin::platform {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

bool isWrappedInQuotes(std::string_view s) {
  return s.size() >= 2 && s.front() == '"' && s.back() == '"';
}

std::string_view unquote(std::string_view value) {
  return isWrappedInQuotes(value) ? value.substr(1, value.size() - 2) : value;
}

bool hasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

struct LineShape {
  enum class Kind { Other, Blank, Comment, Section, Key };
  Kind kind = Kind::Other;
  std::string_view name;       // section or key name, trimmed
  std::size_t valueBegin = 0;  // key lines: the value lies in [valueBegin, valueEnd)
  std::size_t valueEnd = 0;    //   of the line's text, blanks around it excluded

  std::string_view value(std::string_view text) const {
    return unquote(text.substr(valueBegin, valueEnd - valueBegin));
  }
};

LineShape shapeOf(std::string_view text) {
  LineShape shape;
  const std::string_view trimmed = trimBlanks(text);
  if (trimmed.empty()) {
    shape.kind = LineShape::Kind::Blank;
  } else if (trimmed.front() == ';') {
    shape.kind = LineShape::Kind::Comment;
  } else if (trimmed.front() == '[') {
    const std::size_t close = trimmed.find(']');
    if (close != std::string_view::npos) {
      shape.kind = LineShape::Kind::Section;
      shape.name = trimBlanks(trimmed.substr(1, close - 1));
    }
  } else if (const std::size_t eq = text.find('='); eq != std::string_view::npos) {
    shape.name = trimBlanks(text.substr(0, eq));
    if (!shape.name.empty()) {
      shape.kind = LineShape::Kind::Key;
      std::size_t begin = eq + 1;
      while (begin < text.size() && isBlank(text[begin]))
        ++begin;
      std::size_t end = text.size();
      while (end > begin && isBlank(text[end - 1]))
        --end;
      shape.valueBegin = begin;
      shape.valueEnd = end;
    }
  }
  return shape;
}

bool isSectionNamed(std::string_view text, std::string_view name) {
  const LineShape shape = shapeOf(text);
  return shape.kind == LineShape::Kind::Section && equalsIgnoreAsciiCase(shape.name, name);
}

bool isKeyNamed(std::string_view text, std::string_view name) {
  const LineShape shape = shapeOf(text);
  return shape.kind == LineShape::Kind::Key && equalsIgnoreAsciiCase(shape.name, name);
}

bool isStorableSection(std::string_view name) {
  return !name.empty() && name.find(']') == std::string_view::npos && !hasLineBreak(name);
}

bool isStorableKey(std::string_view name) {
  return !name.empty() && name.front() != ';' && name.front() != '[' &&
         name.find('=') == std::string_view::npos && !hasLineBreak(name);
}

std::string encodeValue(std::string_view value) {
  const bool needsQuotes = !value.empty() && (isBlank(value.front()) || isBlank(value.back()) ||
                                              isWrappedInQuotes(value));
  return needsQuotes ? "\"" + std::string(value) + "\"" : std::string(value);
}

void addUnique(std::vector<std::string>& names, std::string_view name) {
  const bool known = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
    return equalsIgnoreAsciiCase(n, name);
  });
  if (!known) names.emplace_back(name);
}

}  // namespace

std::optional<int> parseLeadingInt(std::string_view value) {
  std::size_t i = 0;
  const bool negative = !value.empty() && value[0] == '-';
  if (negative) ++i;
  if (i >= value.size() || value[i] < '0' || value[i] > '9') return std::nullopt;
  // One past INT_MAX is enough to tell both clamps apart; accumulate no further.
  constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
  long long magnitude = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
    magnitude = std::min(kLimit, magnitude * 10 + (value[i] - '0'));
  const long long signedValue = negative ? -magnitude : magnitude;
  return static_cast<int>(std::clamp<long long>(signedValue, INT_MIN, INT_MAX));
}

IniDocument IniDocument::parse(std::string_view bytes) {
  IniDocument doc;
  std::size_t crlf = 0;
  std::size_t lfOnly = 0;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    if (lf == std::string_view::npos) {
      doc.lines_.push_back({std::string(bytes), {}});
      break;
    }
    const bool cr = lf > 0 && bytes[lf - 1] == '\r';
    (cr ? crlf : lfOnly) += 1;
    doc.lines_.push_back({std::string(bytes.substr(0, cr ? lf - 1 : lf)), cr ? "\r\n" : "\n"});
    bytes.remove_prefix(lf + 1);
  }
  doc.newline_ = (lfOnly > 0 && crlf == 0) ? "\n" : "\r\n";
  return doc;
}

std::string IniDocument::bytes() const {
  std::string out;
  for (const Line& line : lines_) {
    out += line.text;
    out += line.ending;
  }
  return out;
}

std::optional<std::size_t> IniDocument::findHeader(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (isSectionNamed(lines_[i].text, section)) return i;
  return std::nullopt;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && shapeOf(lines_[i].text).kind != LineShape::Kind::Section)
    ++i;
  return i;
}

std::optional<std::size_t> IniDocument::findKeyLine(std::size_t header,
                                                    std::string_view key) const {
  const std::size_t end = sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (isKeyNamed(lines_[i].text, key)) return i;
  return std::nullopt;
}

void IniDocument::insertLine(std::size_t at, std::string text) {
  // Only the last line can lack an ending; anything placed after it needs one.
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

std::optional<std::string> IniDocument::find(std::string_view section, std::string_view key) const {
  const auto header = findHeader(trimBlanks(section));
  if (!header) return std::nullopt;
  const auto at = findKeyLine(*header, trimBlanks(key));
  if (!at) return std::nullopt;
  const std::string& text = lines_[*at].text;
  return std::string(shapeOf(text).value(text));
}

std::string IniDocument::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  auto value = find(section, key);
  return value ? std::move(*value) : std::string(defaultValue);
}

int IniDocument::readInt(std::string_view section, std::string_view key, int defaultValue) const {
  const auto value = find(section, key);
  if (!value) return defaultValue;
  return parseLeadingInt(*value).value_or(defaultValue);
}

bool IniDocument::hasSection(std::string_view section) const {
  return findHeader(trimBlanks(section)).has_value();
}

std::vector<std::string> IniDocument::sectionNames() const {
  std::vector<std::string> names;
  for (const Line& line : lines_) {
    const LineShape shape = shapeOf(line.text);
    if (shape.kind == LineShape::Kind::Section) addUnique(names, shape.name);
  }
  return names;
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
  std::vector<std::string> names;
  const auto header = findHeader(trimBlanks(section));
  if (!header) return names;
  const std::size_t end = sectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    const LineShape shape = shapeOf(lines_[i].text);
    if (shape.kind == LineShape::Kind::Key) addUnique(names, shape.name);
  }
  return names;
}

bool IniDocument::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
  section = trimBlanks(section);
  key = trimBlanks(key);
  if (!isStorableSection(section) || !isStorableKey(key) || hasLineBreak(value)) return false;
  const std::string keyLine = std::string(key) + "=" + encodeValue(value);

  const auto header = findHeader(section);
  if (!header) {
    insertLine(lines_.size(), "[" + std::string(section) + "]");
    insertLine(lines_.size(), keyLine);
    return true;
  }
  if (const auto at = findKeyLine(*header, key)) {
    std::string& text = lines_[*at].text;
    const LineShape shape = shapeOf(text);
    if (shape.value(text) != value) text = text.substr(0, shape.valueBegin) + encodeValue(value);
    return true;
  }
  std::size_t lastKey = *header;
  const std::size_t end = sectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i)
    if (shapeOf(lines_[i].text).kind == LineShape::Kind::Key) lastKey = i;
  insertLine(lastKey + 1, keyLine);
  return true;
}

bool IniDocument::writeInt(std::string_view section, std::string_view key, int value) {
  return writeString(section, key, std::to_string(value));
}

bool IniDocument::deleteKey(std::string_view section, std::string_view key) {
  key = trimBlanks(key);
  const auto header = findHeader(trimBlanks(section));
  if (!header) return false;
  const auto begin = lines_.begin() + static_cast<std::ptrdiff_t>(*header + 1);
  const auto end = lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(*header));
  const auto kept =
      std::remove_if(begin, end, [&](const Line& line) { return isKeyNamed(line.text, key); });
  if (kept == end) return false;
  lines_.erase(kept, end);
  return true;
}

bool IniDocument::deleteSection(std::string_view section) {
  section = trimBlanks(section);
  bool removed = false;
  while (const auto header = findHeader(section)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(*header)));
    removed = true;
  }
  return removed;
}

}  // namespace tavrin::platform
