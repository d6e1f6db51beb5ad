#include "main/lang/awl_ascii.h"

namespace tavrin::lang {

std::string paddedLine(std::string_view text) {
  std::string line(text.substr(0, kLineWidth));
  line.resize(kLineWidth, ' ');
  return line;
}

std::string_view AwlAscii::line(int i) const {
  if (i < 0 || i >= lineCount()) return {};
  return lines_[static_cast<std::size_t>(i)];
}

void AwlAscii::replaceLine(int i, std::string_view text) {
  if (i < 0 || i >= lineCount()) return;
  lines_[static_cast<std::size_t>(i)] = paddedLine(text);
}

bool AwlAscii::appendLine(std::string_view text) {
  if (lineCount() >= kMaxLines) return false;
  lines_.push_back(paddedLine(text));
  return true;
}

bool AwlAscii::insertLine(int i, std::string_view text) {
  if (i < 0 || i > lineCount() || lineCount() >= kMaxLines) return false;
  lines_.insert(lines_.begin() + i, paddedLine(text));
  return true;
}

void AwlAscii::deleteLine(int i) {
  if (i < 0 || i >= lineCount()) return;
  lines_.erase(lines_.begin() + i);
}

}  // namespace tavrin::lang
