// Saving a block document to its file.
//
// Contents
//   blockFileText    the bytes a document is saved as
//   saveBlockFile    the document written to its file
#ifndef MAIN_PROJECT_BLOCK_FILE_WRITER_H
#define MAIN_PROJECT_BLOCK_FILE_WRITER_H

#include <filesystem>
#include <string>

#include "main/lang/awl_ascii.h"
#include "main/lang/line_symbols.h"
#include "platform/user_dialog.h"

namespace tavrin::project {

// Each line with its trailing blanks removed and an LF after it (so blank lines are written as
// empty lines). From line 5 on, when `symbols` shows symbols and the block is not a data block,
// the symbol table replaces symbols by absolute operands first.
std::string blockFileText(const lang::AwlAscii& block, const lang::LineSymbols* symbols = nullptr);

// A document of fewer than 6 lines is not written: "%s wird nicht abgespeichert (ist leer) !"
// (the result is true). A document without a path gets the block file of its name in
// `projectDirectory` as its path; without a project directory nothing is written (false). The
// file is replaced crash-safe (the old file stays whole until the new one is complete; an
// existing file is found whatever the case of its name), with "Abspeichern von '%s' ..." in
// the status bar meanwhile. False, without a message, when the file cannot be written. Marking
// the document unchanged is the editor's business.
bool saveBlockFile(lang::AwlAscii& block, platform::UserDialog& dialog,
                   const lang::LineSymbols* symbols = nullptr,
                   const std::filesystem::path& projectDirectory = {});

}  // namespace tavrin::project

#endif
