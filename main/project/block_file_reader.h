// Reading a block file into its document.
//
// Contents
//   BlockReadStatus   what reading achieved
//   blockLoaded       whether the document now holds the file's text
//   readBlockFile     the file of the document (or another one) read into the document
#ifndef MAIN_PROJECT_BLOCK_FILE_READER_H
#define MAIN_PROJECT_BLOCK_FILE_READER_H

#include <filesystem>
#include <optional>

#include "main/lang/awl_ascii.h"
#include "main/lang/line_symbols.h"
#include "platform/user_dialog.h"

namespace tavrin::project {

enum class BlockReadStatus {
  Read,         // the whole file is in the document
  Truncated,    // the file has more lines than a document holds; the first 4199 were taken
  NoPath,       // the document has no file: its own lines got the header repair
  FileMissing,  // no such file; the document is unchanged
  Unreadable,   // the file exists but cannot be read; the document is unchanged
};

// True for Read and Truncated: the document holds (the beginning of) the file. Callers that
// go on with the text (compile, send) stop on anything else; the caller decides what to tell
// the user about a missing or unreadable file.
bool blockLoaded(BlockReadStatus status);

// Reads `path`, or the document's file path when none is given (the path of the document is
// not changed). The block name of the document decides what kind of block the lines are (the
// file's name when the document has none). The file is found whatever the case of its name.
//
// The document's lines are replaced by the file's, each passing the rules of
// block_line_filter.h; then the header is repaired (block_header_repair.h), junk at the start of
// the body removed, and a text with nothing behind its five header lines gets the minimal body
// with "Geladener Baustein %s ist nicht korrekt abgespeichert !". When `symbols` shows symbols
// and the block is not a data block, the symbol table puts its symbols into every line from 5
// on (the lines saving takes them out of). The status bar shows "Lade Baustein '%s' ..." and
// the wait cursor is on while the file is read.
//
// A document holds at most 4199 lines. When the file holds more, reading stops at the first
// line that no longer fits, the message "Der Baustein %s hat mehr als 4199 Zeilen. ..." says so
// and the result is Truncated: the caller must not take the text for the whole block (saving it
// would cut the file short).
//
// Without a path, nothing is read: the document's own lines get the header repair and, when
// they have no body, the minimal body and its message (NoPath).
BlockReadStatus readBlockFile(lang::AwlAscii& block, platform::UserDialog& dialog,
                              const lang::LineSymbols* symbols = nullptr,
                              const std::optional<std::filesystem::path>& path = std::nullopt);

}  // namespace tavrin::project

#endif
