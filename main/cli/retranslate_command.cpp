#include "main/cli/retranslate_command.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "main/cli/private_controller.h"
#include "main/lang/awl_ascii.h"
#include "main/lang/block_id.h"
#include "main/lang/translate_block.h"
#include "platform/cp1252.h"
#include "platform/stderr_user_dialog.h"
#include "simcore/simcore32.h"

namespace tavrin::cli {

namespace {

constexpr uint16_t kBlockMark = 0x7070;
constexpr std::size_t kHeaderWords = 5;

std::optional<std::vector<uint16_t>> parseWords(std::istream& in, std::ostream& err) {
  std::vector<uint16_t> words;
  std::string token;
  bool first = true;
  while (in >> token) {
    // The block name that `compile` puts in front of its words.
    if (first && token.ends_with(':')) {
      first = false;
      continue;
    }
    first = false;
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value, 16);
    if (ec != std::errc() || end != token.data() + token.size() || token.size() > 4) {
      err << "tavrin-cli retranslate: '" << token << "' is not a hexadecimal word\n";
      return std::nullopt;
    }
    words.push_back(static_cast<uint16_t>(value));
  }
  return words;
}

std::string withoutTrailingBlanks(std::string_view line) {
  const std::size_t end = line.find_last_not_of(' ');
  return std::string(line.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

}  // namespace

ExitStatus runRetranslate(std::span<const std::string_view> args, CliStreams streams) {
  if (args.size() > 1 || (args.size() == 1 && args[0].starts_with("--"))) {
    streams.err << "tavrin-cli retranslate: give one file, or - or nothing for standard input\n";
    return ExitStatus::kBadUsage;
  }
  std::ifstream file;
  std::istream* in = streams.in;
  if (args.size() == 1 && args[0] != "-") {
    file.open(std::string(args[0]));
    if (!file) {
      streams.err << "tavrin-cli retranslate: cannot read '" << args[0] << "'\n";
      return ExitStatus::kBadUsage;
    }
    in = &file;
  }
  if (in == nullptr) {
    streams.err << "tavrin-cli retranslate: no input\n";
    return ExitStatus::kBadUsage;
  }
  const auto words = parseWords(*in, streams.err);
  if (!words) return ExitStatus::kBadUsage;
  if (words->size() < kHeaderWords || (*words)[0] != kBlockMark || (*words)[4] != words->size()) {
    streams.err << "tavrin-cli retranslate: the words are no block (7070, the block identifier, "
                   "two header words, the length in words, then the body)\n";
    return ExitStatus::kBadUsage;
  }
  const lang::BlockId id = (*words)[1];
  const std::string name = lang::blockName(id);
  if (lang::blockTypeName(lang::blockTypeCode(id)).empty()) {
    streams.err << "tavrin-cli retranslate: the block identifier " << std::hex << id
                << " names no block type\n";
    return ExitStatus::kBadUsage;
  }

  PrivateController controller;
  std::vector<unsigned char> bytes;
  for (uint16_t w : *words) {
    bytes.push_back(static_cast<unsigned char>(w >> 8));
    bytes.push_back(static_cast<unsigned char>(w));
  }
  const unsigned short written = S5AG_BstWrite(lang::blockTypeCode(id), lang::blockNumber(id),
                                               static_cast<short>(words->size()), bytes.data(), 0);
  if (written != 0) {
    streams.err << "tavrin-cli retranslate: the simulated controller does not take " << name
                << " (result " << written << ")\n";
    return ExitStatus::kBadUsage;
  }
  std::ostringstream messages;
  platform::StderrUserDialog dialog(messages, platform::DialogAnswer::No, false);
  lang::TranslateOptions options;
  options.dialog = &dialog;
  options.dataBlocks.dialog = &dialog;
  lang::AwlAscii doc(name);
  const lang::TranslateResult result = lang::TranslateBlock(doc, name, {}, options);
  streams.err << messages.str();
  if (result == lang::TranslateResult::NotShown) return ExitStatus::kBlockFailed;
  for (int i = 0; i < doc.lineCount(); ++i)
    streams.out << platform::cp1252ToUtf8(withoutTrailingBlanks(doc.line(i))) << '\n';
  return result == lang::TranslateResult::Shown ? ExitStatus::kDone : ExitStatus::kBlockFailed;
}

}  // namespace tavrin::cli
