#include "simcore/type_file.h"

#include <cstdlib>

#include "platform/file_bytes.h"

#include "simcore/block_kinds.h"

namespace tavrin::simcore {

namespace {

constexpr std::size_t kMaxLineLength = 79;
constexpr std::size_t kMaxCountedLines = 148;

char upperCase(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 'a' + 'A');
  if (b == 0xE4 || b == 0xF6 || b == 0xFC) return static_cast<char>(b - 0x20);  // ä ö ü
  return c;
}

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// The counted lines of the file, cut and cleaned; nothing when there are too many.
std::optional<std::vector<std::string>> countedLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(pos, end - pos);
    pos = end + 1;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    raw = raw.substr(0, kMaxLineLength);
    if (raw.substr(0, 6) == "[Ende]") break;
    if (raw.empty() || raw.front() == ';') continue;
    if (lines.size() == kMaxCountedLines) return std::nullopt;
    std::string line(raw.substr(0, raw.find_first_of("/;")));
    std::erase(line, '\t');
    lines.push_back(std::move(line));
  }
  return lines;
}

class Sections {
 public:
  explicit Sections(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // The value of the first line after the section header that sets `key`.
  std::optional<std::string> value(std::string_view section, std::string_view key,
                                   bool keepBlanks = false) const {
    for (std::size_t i = headerLine(section); i < lines_.size(); ++i) {
      const std::string& line = lines_[i];
      const auto equals = line.find('=');
      if (equals == std::string::npos || withoutBlanks(line.substr(0, equals)) != key) continue;
      const std::string_view rest = std::string_view(line).substr(equals + 1);
      std::string v = keepBlanks ? trimmed(rest) : withoutBlanks(rest);
      for (char& c : v)
        c = upperCase(c);
      return v;
    }
    return std::nullopt;
  }

  // Every "key = value" line after the section header, in order.
  std::vector<std::pair<std::string, std::string>> keyLines(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> out;
    for (std::size_t i = headerLine(section); i < lines_.size(); ++i) {
      const auto equals = lines_[i].find('=');
      if (equals == std::string::npos) continue;
      std::string v = withoutBlanks(std::string_view(lines_[i]).substr(equals + 1));
      for (char& c : v)
        c = upperCase(c);
      out.emplace_back(withoutBlanks(std::string_view(lines_[i]).substr(0, equals)), std::move(v));
    }
    return out;
  }

 private:
  // The index after the section's header line; past the end when there is none.
  std::size_t headerLine(std::string_view section) const {
    const std::string header = "[" + std::string(section) + "]";
    for (std::size_t i = 0; i < lines_.size(); ++i)
      if (withoutBlanks(lines_[i]) == header) return i + 1;
    return lines_.size();
  }

  std::vector<std::string> lines_;
};

std::optional<uint16_t> blockIdOfName(std::string_view name) {
  if (name.size() < 3) return std::nullopt;
  static constexpr std::pair<std::string_view, uint8_t> kNames[] = {
      {"DB", kTypeDB}, {"DX", kTypeDX}, {"FB", kTypeFB}, {"FX", kTypeFX},
      {"OB", kTypeOB}, {"PB", kTypePB}, {"SB", kTypeSB}};
  for (const auto& [letters, code] : kNames) {
    if (name.substr(0, 2) != letters) continue;
    unsigned number = 0;
    for (char c : name.substr(2)) {
      if (c < '0' || c > '9' || (number = number * 10 + static_cast<unsigned>(c - '0')) > 255)
        return std::nullopt;
    }
    return blockIdentifier(code, number);
  }
  return std::nullopt;
}

}  // namespace

uint16_t typeFileNumber(std::string_view value) {
  if (value.substr(0, 2) == "0X") {
    unsigned n = 0;
    for (char c : value.substr(2, 4)) {
      const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (digit < 0) break;
      n = n * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<uint16_t>(n);
  }
  if (value.size() >= 3 && value.front() == '"')
    return static_cast<uint16_t>(static_cast<unsigned char>(value[1]) << 8 |
                                 static_cast<unsigned char>(value[2]));
  const std::string text(value);
  return static_cast<uint16_t>(std::strtol(text.c_str(), nullptr, 10));
}

TypeFileRead parseTypeFile(std::string_view text) {
  TypeFileRead result;
  auto lines = countedLines(text);
  if (!lines) {
    result.code = 22;
    return result;
  }
  const Sections sections(std::move(*lines));
  TypeFile& file = result.file;
  file.designation = sections.value("Bezeichnung", "AG", true).value_or("");
  file.data = sections.keyLines("Daten");
  for (int i = 1;; ++i) {
    const auto entry = sections.value("AdressenWrite", "Adr" + std::to_string(i));
    if (!entry) break;
    const auto comma = entry->find(',');
    if (comma == std::string::npos) continue;
    file.addressWrites.emplace_back(typeFileNumber(std::string_view(*entry).substr(0, comma)),
                                    typeFileNumber(std::string_view(*entry).substr(comma + 1)));
  }
  for (std::size_t i = 1; i <= kMaxIntegratedBlocks; ++i) {
    const auto name = sections.value("IntegrierteBausteine", "Bst" + std::to_string(i));
    if (!name) break;
    if (const auto id = blockIdOfName(*name)) file.integratedBlocks.push_back(*id);
  }
  return result;
}

TypeFileRead readTypeFile(const std::filesystem::path& path) {
  const platform::FileBytes read = platform::readFileBytes(path);
  if (!read.exists) return {10, {}};
  if (!read.ok()) return {22, {}};
  return parseTypeFile(read.bytes);
}

}  // namespace tavrin::simcore
