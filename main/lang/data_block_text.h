// The text of a data block (DB, DX): its data words as data lines, each word, KG pair or run of
// characters in one of the S5 constant formats.
//
// Contents
//   DataFormatChoice     the standing data format and the question "Format wählen ..."
//   preHeaderFormCode    the pre-header's codes of the formats
//   TranslateDataBlock   append the data lines of a block's words to a document
//
// Which format a word gets: a pre-header governs when the caller has one (the block of an S5D
// file named "DV" or "DVX" with the number, byte-swapped to host order: from its word 4 on,
// entries of two words, a format code and the number of the first data word it applies to).
// Without one the standing data format applies, and when none stands the user is asked.
//
// Every line reads back as the same words: a word that its format cannot show exactly (a KT or
// KZ word that is no BCD number, a pair of words that no KG text hits, a character that is not
// printable or is a quote) is shown in KH.
#ifndef MAIN_LANG_DATA_BLOCK_TEXT_H
#define MAIN_LANG_DATA_BLOCK_TEXT_H

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "main/lang/awl_ascii.h"
#include "main/lang/block_id.h"
#include "main/lang/parameter_descriptor.h"
#include "platform/user_dialog.h"

namespace tavrin::lang {

struct DataFormatAnswer {
  uint8_t format = kFormatCodeKH;  // a DataFormatCode
  bool forAll = false;             // "Alle": the choice becomes the standing data format
};

struct DataFormatChoice {
  // A DataFormatCode; 0 when none is chosen. The caller sets it from the key "DBFormat" of
  // section "Sonstiges" of the settings before each block, and back to 0 when a transfer or
  // import command ends.
  uint8_t standingFormat = 0;
  // The question's preselection: the last format chosen.
  uint8_t lastChosen = kFormatCodeKH;
  // Shows "Format wählen ..." with the prompt and the choices KH, KM, KY, KC, KF, KT, KZ, KG and
  // the buttons OK and "Alle". Without it, the preselection is taken.
  std::function<DataFormatAnswer(std::string_view title, std::string_view prompt,
                                 uint8_t preselected)>
      ask;

  // The standing format, or the user's choice.
  uint8_t formatForBlock();
};

// Codes of pre-header entries: 1 KM, 2 KH, 3 KY, 4 KC, 5 KF, 6 KT, 7 KZ, 8 KG, 12 KC in the
// form "C "; 9 continues the previous format, 0 ends the list.
enum PreHeaderCode : uint16_t {
  kPreHeaderEnd = 0,
  kPreHeaderKM = 1,
  kPreHeaderKH = 2,
  kPreHeaderKY = 3,
  kPreHeaderKC = 4,
  kPreHeaderKF = 5,
  kPreHeaderKT = 6,
  kPreHeaderKZ = 7,
  kPreHeaderKG = 8,
  kPreHeaderContinue = 9,
  kPreHeaderC = 12,
};
inline constexpr std::size_t kPreHeaderFirstEntry = 4;

struct DataBlockSources {
  const std::vector<uint16_t>* preHeader = nullptr;  // null: none
  DataFormatChoice* choice = nullptr;                // null: KH when no pre-header governs
  platform::UserDialog* dialog = nullptr;            // the pre-header message
};

// `words` holds the block, its five header words included; `length` (header included) says
// how many of them. Each line is "%04X %-60s" of its first data word's number and its text.
// A code 0 in the pre-header that is not its last entry shows "Falsche Werte in Vorkopf ..." and
// the rest of the block is shown in KH.
void TranslateDataBlock(AwlAscii& doc, BlockId id, std::span<const uint16_t> words, uint16_t length,
                        const DataBlockSources& sources = {});

}  // namespace tavrin::lang

#endif
