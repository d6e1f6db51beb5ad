// AwlAscii: one block's statement-list text as the editor shows it, the compiler reads it and the
// retranslator fills it: fixed-width lines of 89 characters.
//
// Contents
//   kLineWidth, kMaxLines    the line width and the most lines a document holds
//   AwlAscii                 the lines, the block's name and the document's file path
//   column helpers           fields of a statement line
#ifndef MAIN_LANG_AWL_ASCII_H
#define MAIN_LANG_AWL_ASCII_H

#include <string>
#include <string_view>
#include <vector>

namespace tavrin::lang {

inline constexpr std::size_t kLineWidth = 89;
inline constexpr int kMaxLines = 4199;

// A line as the document holds it: cut or blank-padded to exactly 89 characters.
std::string paddedLine(std::string_view text);

class AwlAscii {
 public:
  AwlAscii() = default;
  explicit AwlAscii(std::string blockName) : blockName_(std::move(blockName)) {}

  int lineCount() const { return static_cast<int>(lines_.size()); }
  // An empty string for an index outside the document.
  std::string_view line(int i) const;
  void replaceLine(int i, std::string_view text);
  // False (and nothing appended) when the document is full.
  bool appendLine(std::string_view text);
  // i equal to the count appends; an index above it or below 0 is ignored. False when the line
  // was not inserted.
  bool insertLine(int i, std::string_view text);
  void deleteLine(int i);
  void clear() { lines_.clear(); }

  // "PB001", "FB010": the type decides what the lines mean.
  const std::string& blockName() const { return blockName_; }
  void setBlockName(std::string name) { blockName_ = std::move(name); }
  bool isDataBlock() const {
    return !blockName_.empty() && (blockName_[0] == 'D' || blockName_[0] == 'd');
  }
  bool isFunctionBlock() const {
    return !blockName_.empty() && (blockName_[0] == 'F' || blockName_[0] == 'f');
  }

  const std::string& filePath() const { return filePath_; }
  void setFilePath(std::string path) { filePath_ = std::move(path); }

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  std::string blockName_;
  std::string filePath_;
};

// Fields of a statement line.
inline constexpr std::size_t kLabelColumn = 5;       // four characters
inline constexpr std::size_t kSeparatorColumn = 10;  // ':' statement, '>' call parameter
inline constexpr std::size_t kStatementColumn = 11;  // 31 characters
inline constexpr std::size_t kStatementWidth = 31;
inline constexpr std::size_t kOperandAreaColumn = 15;
inline constexpr std::size_t kParameterColumn = 18;
inline constexpr std::size_t kCommentColumn = 52;

inline char columnOf(std::string_view line, std::size_t column) {
  return column < line.size() ? line[column] : ' ';
}
inline std::string_view fieldOf(std::string_view line, std::size_t column, std::size_t width) {
  return column < line.size() ? line.substr(column, width) : std::string_view{};
}

}  // namespace tavrin::lang

#endif
