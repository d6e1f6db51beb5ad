#include "main/project/block_file_writer.h"

#include <optional>

#include "main/project/block_file_name.h"
#include "main/project/block_header_lines.h"
#include "main/project/project_messages.h"
#include "platform/file_bytes.h"
#include "platform/file_lookup.h"

namespace tavrin::project {

namespace {

constexpr int kFewestSavedLines = 6;

}  // namespace

std::string blockFileText(const lang::AwlAscii& block, const lang::LineSymbols* symbols) {
  const bool removing = symbols != nullptr && symbols->showingSymbols() && !block.isDataBlock();
  std::string text;
  for (int i = 0; i < block.lineCount(); ++i) {
    std::string line(block.line(i));
    if (removing && i >= kHeaderLines) symbols->removeSymbol(line);
    const std::size_t end = line.find_last_not_of(' ');
    line.resize(end == std::string::npos ? 0 : end + 1);
    text += line;
    text += '\n';
  }
  return text;
}

bool saveBlockFile(lang::AwlAscii& block, platform::UserDialog& dialog,
                   const lang::LineSymbols* symbols,
                   const std::filesystem::path& projectDirectory) {
  if (block.lineCount() < kFewestSavedLines) {
    const std::string name = block.blockName().empty()
                                 ? std::filesystem::path(block.filePath()).stem().string()
                                 : block.blockName();
    dialog.ShowMessage(withArgument(msg::kBlockEmpty, name), platform::MessageKind::Warning);
    return true;
  }
  if (block.filePath().empty()) {
    const std::optional<std::filesystem::path> file =
        blockFileName(projectDirectory, block.blockName());
    if (!file) return false;
    block.setFilePath(file->string());
  }
  const std::filesystem::path target = platform::resolvePath({}, block.filePath());
  const std::string name = block.blockName().empty() ? target.stem().string() : block.blockName();
  dialog.SetStatusText(withArgument(msg::kSavingBlock, name));
  const platform::IoStatus written =
      platform::replaceFileContents(target, blockFileText(block, symbols));
  dialog.SetStatusText("");
  return written.ok();
}

}  // namespace tavrin::project
