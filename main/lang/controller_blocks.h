// Blocks as they stand in the simulated controller's memory, read through simcore32's exports:
// the start offset and length of a block, the base and size of the RAM that holds it.
//
// Contents
//   kMaxShownBlockWords   the longest block the text views show (4096 body words and the header)
//   StoredBlock           a copy of a block, header included, or why there is none
//   readStoredBlock       the copy of a block
//   blockStored           whether a block is in memory
//   storedFbHeader        the FB header of a function block in memory
//
// Every read is a copy taken at once: a translation never writes to the controller's memory and
// never keeps a pointer into it (another process may load or compress blocks meanwhile).
#ifndef MAIN_LANG_CONTROLLER_BLOCKS_H
#define MAIN_LANG_CONTROLLER_BLOCKS_H

#include <cstdint>
#include <optional>
#include <vector>

#include "main/lang/block_id.h"
#include "main/lang/fb_header_words.h"

namespace tavrin::lang {

inline constexpr uint16_t kBlockHeaderWords = 5;
inline constexpr uint16_t kMaxShownBlockWords = 0x100A;

struct StoredBlock {
  enum class State {
    Present,
    Missing,   // not in memory
    TooLarge,  // longer than kMaxShownBlockWords, or reaching beyond its RAM
  };
  State state = State::Missing;
  std::vector<uint16_t> words;  // the block, its five header words included
};

StoredBlock readStoredBlock(BlockId id);

bool blockStored(BlockId id);

// Nothing when the block is not in memory or its body does not start with an FB header.
std::optional<FbHeaderWords> storedFbHeader(uint8_t number, bool fx);

}  // namespace tavrin::lang

#endif
