#include "main/cli/block_sources.h"

#include <sstream>

#include "main/lang/awl_ascii.h"
#include "main/lang/block_id.h"
#include "main/lang/compiler.h"
#include "main/lang/renumber.h"
#include "main/project/block_file_reader.h"
#include "platform/cp1252.h"
#include "platform/stderr_user_dialog.h"

namespace tavrin::cli {

namespace {

void report(std::ostream& err, const std::filesystem::path& file, const std::string& cp1252Text) {
  err << file.string() << ": " << platform::cp1252ToUtf8(cp1252Text) << '\n';
}

}  // namespace

std::optional<CompiledBlock> compileBlockFile(const std::filesystem::path& file, std::ostream& err,
                                              const lang::LineSymbols* symbols) {
  const auto typed = lang::checkTypedBlockName(file.stem().string());
  if (!typed) {
    err << file.string()
        << ": the file name names no block (OB, PB, SB, FB, FX, DB or DX and a number 0..255)\n";
    return std::nullopt;
  }
  lang::AwlAscii block(lang::blockName(typed->id));
  // What reading has to say (a repaired header, a cut file) is worth seeing: it goes to stderr.
  std::ostringstream notes;
  platform::StderrUserDialog dialog(notes, platform::DialogAnswer::No, false);
  const project::BlockReadStatus status = project::readBlockFile(block, dialog, symbols, file);
  switch (status) {
    case project::BlockReadStatus::Read:
      break;
    case project::BlockReadStatus::Truncated:
      // A block cut short must not be taken for the whole block.
      err << notes.str();
      err << file.string() << ": the file holds more lines than a block can; it is not compiled\n";
      return std::nullopt;
    case project::BlockReadStatus::FileMissing:
      err << file.string() << ": no such file\n";
      return std::nullopt;
    case project::BlockReadStatus::Unreadable:
    case project::BlockReadStatus::NoPath:
      err << file.string() << ": the file cannot be read\n";
      return std::nullopt;
  }
  err << notes.str();

  // As sending a block does it: a missing BE is added, the text renumbered, then compiled.
  lang::closeBlockText(block, symbols);
  lang::RenumberBlock(block, 0, symbols);
  lang::Mc5Buffer buffer;
  lang::CompileContext context;
  context.symbols = symbols;
  const std::string error = lang::CompileBlock(block, buffer, context);
  if (!error.empty()) {
    report(err, file, "Fehler beim Compilieren ...\n\n" + error + " (" + block.blockName() + ")");
    return std::nullopt;
  }
  return CompiledBlock{block.blockName(),
                       {buffer.words.begin(), buffer.words.begin() + buffer.length}};
}

}  // namespace tavrin::cli
