// The block driver of the retranslator: a block that stands in the simulated controller's memory
// becomes the statement-list text of a block document.
//
// Contents
//   TranslateFlags     the block comes from an S5D file being imported, or was just fetched
//   TranslateOptions   messages, symbols, special function blocks, what the program does around
//   TranslateResult    shown, shown with an untranslatable word, or not shown
//   TranslateBlock     fill a document with a block's text
//
// The text: the header lines (comment, author, dates with the library number after "BIB"), the
// first network line, for a function block its FB header (NAME and BEZ lines, without address,
// and an empty line after them), then one line "%04X %-60s" per instruction, call NAME line and
// actual parameter, an empty line and the next "NETZWERK" line after every network end, jump
// labels in place of distances, and a closing BE. Data blocks get their data lines instead.
//
// The block is read as a copy at the start; the controller's memory is never written.
#ifndef MAIN_LANG_TRANSLATE_BLOCK_H
#define MAIN_LANG_TRANSLATE_BLOCK_H

#include <bitset>
#include <functional>
#include <string_view>

#include "main/lang/awl_ascii.h"
#include "main/lang/block_id.h"
#include "main/lang/data_block_text.h"
#include "main/lang/line_symbols.h"
#include "platform/user_dialog.h"

namespace tavrin::lang {

struct TranslateFlags {
  bool fromS5d = false;  // the block comes from an S5D file being imported: no jump labels
  bool fetched = false;  // the block has just been fetched from a controller into the simulator
};

struct TranslateOptions {
  platform::UserDialog* dialog = nullptr;  // messages and the status bar; null: none
  // Each line passes through the symbol table's insertion (symbolic display or automatic
  // commenting on); null: no symbols.
  const LineSymbols* symbols = nullptr;
  // The special function blocks (the special-FB list): their words after the FB header are
  // shown as raw words.
  std::bitset<256> specialFbs;
  // Before the block is read, unless one of the flags is set: the program puts the block into the
  // simulator (fetched from the connected controller, or compiled from an open editor). False
  // ends the driver without a text.
  std::function<bool(BlockId)> prepare;
  // A called FB or FX that is not in the simulator's memory: the program loads it there (from
  // the S5D file being imported, or from the connected controller). True when it is there now.
  std::function<bool(BlockId)> loadCalledBlock;
  DataBlockSources dataBlocks;  // pre-header and format choice of a DB or DX
};

enum class TranslateResult {
  Shown,
  // A word without a row ended the text with the error lines (the message was shown), or the
  // document could take no more lines: the text is incomplete.
  ShownUntranslatable,
  // The block is not in memory or too large (the message was shown), or the preparation failed.
  NotShown,
};

TranslateResult TranslateBlock(AwlAscii& doc, std::string_view blockName, TranslateFlags flags,
                               const TranslateOptions& options);

}  // namespace tavrin::lang

#endif
