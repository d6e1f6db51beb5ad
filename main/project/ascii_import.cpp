#include "main/project/ascii_import.h"

#include <cerrno>
#include <cstring>
#include <span>

#include "main/lang/block_id.h"
#include "main/project/block_file_name.h"
#include "main/project/listing_block.h"
#include "main/project/listing_lines.h"
#include "main/project/project_messages.h"
#include "main/project/text_lines.h"
#include "platform/ascii_case.h"
#include "platform/file_bytes.h"
#include "platform/file_lookup.h"

namespace tavrin::project {

namespace {

using platform::MessageKind;

bool endsInAwl(const std::filesystem::path& path) {
  const std::string name = path.string();
  return name.size() >= 3 &&
         platform::equalsIgnoreAsciiCase(std::string_view(name).substr(name.size() - 3), "AWL");
}

bool diskFull(const std::string& error) {
  return error.find(std::strerror(ENOSPC)) != std::string::npos ||
         error.find(std::strerror(EDQUOT)) != std::string::npos;
}

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

// Reads the listing, with the message of what went wrong.
std::optional<std::vector<std::string>> readListing(const std::filesystem::path& listing,
                                                    platform::UserDialog& dialog) {
  const std::string shown = listing.string();
  const std::optional<std::filesystem::path> found = platform::findExistingPath({}, listing);
  if (!found) {
    dialog.ShowMessage(withArgument(msg::kImportFileDoesNotExist, shown), MessageKind::Error);
    return std::nullopt;
  }
  const platform::FileBytes file = platform::readFileBytes(*found);
  if (!file.exists && file.ok()) {
    dialog.ShowMessage(withArgument(msg::kImportFileMissing, shown), MessageKind::Error);
    return std::nullopt;
  }
  if (!file.ok()) {
    dialog.ShowMessage(
        withArgument(file.exists ? msg::kImportReadFailed : msg::kImportCannotOpen, shown),
        MessageKind::Error);
    return std::nullopt;
  }
  return splitTextLines(file.bytes);
}

class Importer {
 public:
  Importer(const std::filesystem::path& listing, const std::filesystem::path& directory,
           platform::UserDialog& dialog, platform::OemCodePage codePage)
      : listing_(listing), directory_(directory), dialog_(dialog), codePage_(codePage) {}

  AsciiImportResult run(const std::vector<std::string>& lines) {
    std::size_t i = 0;
    while (i < lines.size()) {
      if (!isListingSeparator(lines[i++])) continue;
      if (i >= lines.size()) break;
      const std::optional<std::string> name = listingBlockName(lines[i]);
      if (!name) continue;  // a separator there starts the next block itself
      foundBlock_ = true;
      const std::size_t first = ++i;
      while (i < lines.size() && !isListingSeparator(lines[i]))
        ++i;
      if (!importBlock(*name, std::span(lines).subspan(first, i - first))) return finish();
    }
    return finish();
  }

 private:
  enum class Decision { Write, Skip, Cancel };

  Decision decide(const std::string& fileName) {
    if (overwriteAll_ || !platform::findExistingPath(directory_, fileName)) return Decision::Write;
    switch (dialog_.AskYesNoAllCancel(withArgument(msg::kImportOverwrite, fileName))) {
      case platform::DialogAnswer::Yes:
        return Decision::Write;
      case platform::DialogAnswer::All:
        overwriteAll_ = true;
        return Decision::Write;
      case platform::DialogAnswer::No:
        return Decision::Skip;
      case platform::DialogAnswer::Cancel:
        break;
    }
    return Decision::Cancel;
  }

  // False when the import ends here.
  bool importBlock(const std::string& name, std::span<const std::string> lines) {
    const std::string fileName = name + std::string(kBlockFileExtension);
    switch (decide(fileName)) {
      case Decision::Skip:
        result_.skippedBlocks.push_back(name);
        return true;
      case Decision::Cancel:
        result_.outcome = AsciiImportOutcome::Cancelled;
        return false;
      case Decision::Write:
        break;
    }
    const std::filesystem::path target = platform::resolvePath(directory_, fileName);
    dialog_.SetStatusText(withArgument(msg::kImportEvaluating, fileName));
    const bool functionBlock = name[0] == 'F';
    const std::optional<std::vector<std::string>> text =
        convertListingBlock(lines, functionBlock, codePage_);
    if (!text) return fail(withArgument(msg::kImportBadContents, listing_.string()));
    const platform::IoStatus written = platform::replaceFileContents(target, joinedLines(*text));
    if (!written.ok())
      return fail(
          withArgument(diskFull(written.error) ? msg::kImportDiskFull : msg::kImportWriteFailed,
                       target.string()));
    result_.writtenBlocks.push_back(name);
    return true;
  }

  bool fail(const std::string& message) {
    dialog_.SetStatusText("");
    dialog_.ShowMessage(message, MessageKind::Error);
    result_.outcome = AsciiImportOutcome::Failed;
    failed_ = true;
    return false;
  }

  AsciiImportResult finish() {
    if (failed_) return std::move(result_);
    dialog_.SetStatusText("");
    if (!foundBlock_) {
      dialog_.ShowMessage(withArgument(msg::kImportNoBlocks, listing_.string()),
                          MessageKind::Information);
      result_.outcome = AsciiImportOutcome::NoBlocks;
      return std::move(result_);
    }
    dialog_.ShowStatusMessage(msg::kImportFinished);
    if (result_.outcome != AsciiImportOutcome::Cancelled)
      result_.outcome = AsciiImportOutcome::Finished;
    return std::move(result_);
  }

  const std::filesystem::path& listing_;
  const std::filesystem::path& directory_;
  platform::UserDialog& dialog_;
  platform::OemCodePage codePage_;
  AsciiImportResult result_;
  bool overwriteAll_ = false;
  bool foundBlock_ = false;
  bool failed_ = false;
};

}  // namespace

std::optional<std::string> listingBlockName(std::string_view line) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  line.remove_prefix(start);
  const std::optional<lang::TypedBlockName> typed =
      lang::checkTypedBlockName(line.substr(0, line.find(' ')));
  if (!typed) return std::nullopt;
  return lang::blockName(typed->id);
}

AsciiImportResult importAsciiListing(const std::filesystem::path& listing,
                                     const std::filesystem::path& targetDirectory,
                                     platform::UserDialog& dialog, platform::OemCodePage codePage) {
  if (!endsInAwl(listing)) {
    dialog.ShowMessage(msg::kImportNotAwl, MessageKind::Error);
    return {};
  }
  const std::optional<std::vector<std::string>> lines = readListing(listing, dialog);
  if (!lines) return {};
  return Importer(listing, targetDirectory, dialog, codePage).run(*lines);
}

}  // namespace tavrin::project
