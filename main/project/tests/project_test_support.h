// Helpers of the block-source tests: a private directory, files, documents and a symbol table
// that only rewrites what it is told.
#ifndef MAIN_PROJECT_TESTS_PROJECT_TEST_SUPPORT_H
#define MAIN_PROJECT_TESTS_PROJECT_TEST_SUPPORT_H

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "main/lang/awl_ascii.h"
#include "main/lang/line_symbols.h"
#include "platform/tests/temp_dir.h"

namespace tavrin::project::testing {

using platform::testing::readFile;
using platform::testing::TempDir;
using platform::testing::writeFile;

// Texts placed at their columns, blanks between: placed({{0, "0000"}, {10, ":BE"}}).
inline std::string placed(std::initializer_list<std::pair<std::size_t, std::string_view>> parts) {
  std::string line;
  for (const auto& [column, text] : parts) {
    if (line.size() < column) line.resize(column, ' ');
    line.replace(column, text.size(), text);
  }
  return line;
}

// The lines, each followed by `end`.
inline std::string fileText(const std::vector<std::string>& lines, std::string_view end = "\n") {
  std::string text;
  for (const std::string& line : lines)
    text += line + std::string(end);
  return text;
}

inline std::string trimmed(std::string_view line) {
  const std::size_t end = line.find_last_not_of(' ');
  return std::string(line.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

// The document's lines without their padding.
inline std::vector<std::string> trimmedLines(const lang::AwlAscii& block) {
  std::vector<std::string> lines;
  for (const std::string& line : block.lines())
    lines.push_back(trimmed(line));
  return lines;
}

inline lang::AwlAscii documentOf(std::string name, const std::vector<std::string>& lines) {
  lang::AwlAscii block(std::move(name));
  for (const std::string& line : lines)
    block.appendLine(line);
  return block;
}

// The three header lines as every repaired or new text has them, padding removed.
inline const std::vector<std::string> kBlankHeader = {
    "Kommentar :", "Autor     :", "Erstellt  :            Geaendert am:            BIB:", "",
    "NETZWERK   1"};

inline std::vector<std::string> withBlankHeader(std::vector<std::string> body) {
  std::vector<std::string> lines = kBlankHeader;
  lines.insert(lines.end(), body.begin(), body.end());
  return lines;
}

// Shows "-START" for "E  1.0" and takes it back; records every line it was handed.
class FakeSymbols final : public lang::LineSymbols {
 public:
  explicit FakeSymbols(bool showing = true) : showing_(showing) {}
  bool showingSymbols() const override { return showing_; }
  bool removeSymbol(std::string& line) const override {
    removed.push_back(trimmed(line));
    return replace(line, "-START", "E  1.0");
  }
  bool insertSymbol(std::string& line) const override {
    inserted.push_back(trimmed(line));
    return replace(line, "E  1.0", "-START");
  }
  bool offerNewSymbol(std::string_view) override { return false; }

  mutable std::vector<std::string> removed;
  mutable std::vector<std::string> inserted;

 private:
  static bool replace(std::string& line, std::string_view from, std::string_view to) {
    const std::size_t at = line.find(from, 15);
    if (at != 15) return false;
    line.replace(at, from.size(), to);
    return true;
  }
  bool showing_;
};

}  // namespace tavrin::project::testing

#endif
