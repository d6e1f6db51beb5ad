// The import of block listings exported by the earlier DOS simulator ("ASCII-Import").
//
// Contents
//   AsciiImportOutcome, AsciiImportResult   how the import ended, which blocks it wrote
//   listingBlockName                        the block a listing's identifier line names
//   importAsciiListing                      every block of a listing into its block file
#ifndef MAIN_PROJECT_ASCII_IMPORT_H
#define MAIN_PROJECT_ASCII_IMPORT_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/oem_codepage.h"
#include "platform/user_dialog.h"

namespace tavrin::project {

enum class AsciiImportOutcome {
  Finished,   // every block of the listing was written or skipped by the user's answer
  NoBlocks,   // the listing names no block
  Cancelled,  // the user answered "cancel" to an overwrite question
  Failed,     // the file was refused, or reading or writing failed; a message said so
};

struct AsciiImportResult {
  AsciiImportOutcome outcome = AsciiImportOutcome::Failed;
  std::vector<std::string> writtenBlocks;  // "PB001", in the order written
  std::vector<std::string> skippedBlocks;  // those the user chose not to overwrite
};

// The text up to the first blank, leading blanks removed, upper-cased: "PB001" for "pb1 ...".
// Only OB, PB, SB, FB, DB, DX and FX with a number 0 to 255 are blocks; nothing otherwise.
std::optional<std::string> listingBlockName(std::string_view line);

// Converts the listing `listing` into block files in `targetDirectory` (the current project
// directory). The caller asks for the file (msg::kImportDialogTitle, msg::kImportDialogFilter)
// and closes the editor windows first, with msg::kClosingEditorWindows in the status bar.
//
// The file must end in "AWL" (in any case) and exist. A block begins after a "=========="
// line, whose next line names it (listingBlockName; a block that is not named is passed over
// up to the next "=========="). When the block's file exists, "Soll die Datei '%s' ueberschrieben
// werden?" asks yes, no (this block is skipped), all (no more questions) or cancel (the import
// ends). The block's lines are converted (listing_block.h), translated from `codePage` to
// Windows-1252, and the file is written whole, crash-safe, in the case of an existing file's
// name; "Auswerten von Datei: %s" stands in the status bar meanwhile. At the end the status bar
// shows "Ascii- Import beendet!" (also after "cancel", and when every block was skipped); a
// listing that names no block at all gives the message msg::kImportNoBlocks instead.
//
// A listing line that fits no rule, or a parameter of unknown kind, ends the import with
// msg::kImportBadContents; that block's file is not written (an existing one stays as it was:
// half a block would pass for the whole), files written before stay. A listing that cannot be
// opened or read, and a block file that cannot be written, end the import with their messages.
// Code page 437 is the default: the German letters stand at the same places in 437 and 850, so
// either reads German listings; the parameter chooses 850 for listings that need its other
// letters.
AsciiImportResult importAsciiListing(const std::filesystem::path& listing,
                                     const std::filesystem::path& targetDirectory,
                                     platform::UserDialog& dialog,
                                     platform::OemCodePage codePage = platform::OemCodePage::Cp437);

}  // namespace tavrin::project

#endif
