// The rules a block file's lines pass on their way into the document, one line at a time.
//
// Contents
//   FilteredLine      a line to append, and whether a blank line goes before it
//   BlockLineFilter   the rules, with what they remember from the lines before
//
// In order, for each line of the file:
//   cut      a line longer than 89 characters keeps its first 89;
//   a        in a code block, a line that begins with '0' or '1' and holds '0' or '1' in
//            column 37 gets blanks in columns 37 and 38;
//   b        a line that is empty, or begins with a blank and has neither ':' nor '>' (a
//            call's parameter line) in column 10, is dropped, unless the label field
//            (columns 5-8) of the last kept line is "BEZ " or begins with "NAME" (the empty
//            line that ends a function-block header);
//   c        a line that begins with "NETZ" gets a blank line before it, unless no line has been
//            kept yet;
//   d        unscrambling (line_scrambling.h), switched on by the first line that carries the
//            scramble marker in column 10; that line and every later one that looks scrambled
//            is unscrambled;
//   e        a line whose first byte is 0xFF is dropped;
//   pad      the line is blank-padded to 89 characters.
//
// Unscrambling is switched on by the marker only. Another trigger, the first "BE" statement
// switching it on for every later line, is left out on purpose: this system never writes
// scrambled lines, and its own files would then have every line after a BE that happens to
// hold something in column 4, 9, 49, 50 or 51 (a comment reaching column 49, for one) turned
// into garbage. A scrambled file carries its marker (its first scrambled statement shows '2'
// in column 10), so the marker alone finds it.
#ifndef MAIN_PROJECT_BLOCK_LINE_FILTER_H
#define MAIN_PROJECT_BLOCK_LINE_FILTER_H

#include <optional>
#include <string>
#include <string_view>

namespace tavrin::project {

struct FilteredLine {
  std::string text;  // 89 characters
  bool blankBefore = false;
};

class BlockLineFilter {
 public:
  explicit BlockLineFilter(bool dataBlock) : dataBlock_(dataBlock) {}

  // The line as the document takes it; nothing when it is dropped.
  std::optional<FilteredLine> filter(std::string_view fileLine);
  // The line was appended: from now on it is the last kept line.
  void kept(std::string_view line);

  bool unscrambling() const { return unscrambling_; }

 private:
  bool dataBlock_;
  bool unscrambling_ = false;
  bool keptAny_ = false;
  std::string lastLabel_;
};

}  // namespace tavrin::project

#endif
