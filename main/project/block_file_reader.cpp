#include "main/project/block_file_reader.h"

#include <string>

#include "main/project/block_header_lines.h"
#include "main/project/block_header_repair.h"
#include "main/project/block_line_filter.h"
#include "main/project/project_messages.h"
#include "main/project/text_lines.h"
#include "platform/file_bytes.h"
#include "platform/file_lookup.h"

namespace tavrin::project {

namespace {

bool isDataBlockName(std::string_view name) {
  return !name.empty() && (name[0] == 'D' || name[0] == 'd');
}

// Header repair, body cleanup and minimal body; true when the repair pushed a line out of a
// full document.
bool completeText(lang::AwlAscii& block, std::string_view name, platform::UserDialog& dialog) {
  const bool pushedOut = repairBlockHeader(block);
  cleanBodyStart(block);
  if (hasNoBody(block)) {
    dialog.ShowMessage(withArgument(msg::kBlockNotSavedCorrectly, name),
                       platform::MessageKind::Warning);
    addMinimalBody(block, name);
  }
  return pushedOut;
}

// Appends the lines that pass the filter; false when one of them no longer fit.
bool appendLines(lang::AwlAscii& block, const std::vector<std::string>& lines, bool dataBlock) {
  BlockLineFilter filter(dataBlock);
  for (const std::string& fileLine : lines) {
    const std::optional<FilteredLine> line = filter.filter(fileLine);
    if (!line) continue;
    if (line->blankBefore && !block.appendLine("")) return false;
    if (!block.appendLine(line->text)) return false;
    filter.kept(line->text);
  }
  return true;
}

void insertSymbols(lang::AwlAscii& block, const lang::LineSymbols& symbols) {
  for (int i = kHeaderLines; i < block.lineCount(); ++i) {
    std::string line(block.line(i));
    if (symbols.insertSymbol(line)) block.replaceLine(i, line);
  }
}

}  // namespace

bool blockLoaded(BlockReadStatus status) {
  return status == BlockReadStatus::Read || status == BlockReadStatus::Truncated;
}

BlockReadStatus readBlockFile(lang::AwlAscii& block, platform::UserDialog& dialog,
                              const lang::LineSymbols* symbols,
                              const std::optional<std::filesystem::path>& path) {
  const std::filesystem::path file = path ? *path : std::filesystem::path(block.filePath());
  const std::string name = block.blockName().empty() ? file.stem().string() : block.blockName();

  if (file.empty()) {
    completeText(block, name, dialog);
    return BlockReadStatus::NoPath;
  }

  const std::optional<std::filesystem::path> found = platform::findExistingPath({}, file);
  if (!found) return BlockReadStatus::FileMissing;
  const platform::FileBytes bytes = platform::readFileBytes(*found);
  if (!bytes.exists) return BlockReadStatus::FileMissing;
  if (!bytes.ok()) return BlockReadStatus::Unreadable;

  block.clear();
  dialog.SetStatusText(withArgument(msg::kLoadingBlock, name));
  dialog.SetWaitCursor(true);

  const bool dataBlock = isDataBlockName(name);
  bool complete = appendLines(block, splitTextLines(bytes.bytes), dataBlock);
  if (completeText(block, name, dialog)) complete = false;
  if (symbols != nullptr && symbols->showingSymbols() && !dataBlock) insertSymbols(block, *symbols);
  if (!complete)
    dialog.ShowMessage(withArgument(msg::kBlockTooLong, name), platform::MessageKind::Warning);

  dialog.SetStatusText("");
  dialog.SetWaitCursor(false);
  return complete ? BlockReadStatus::Read : BlockReadStatus::Truncated;
}

}  // namespace tavrin::project
