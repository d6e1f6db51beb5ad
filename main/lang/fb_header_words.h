// The header of a function block as it stands in MC5 code: body word 0 is the jump 0x2Dnn over
// the header, words 1..4 hold the block name (two characters a word, the earlier one in the high
// byte), and each parameter takes three words: its descriptor (kind code * 256 + type code) and
// its four name characters.
//
// Contents
//   HeaderParameter, FbHeaderWords   a header read from code
//   readFbHeaderWords                 the header at the start of a block body
//   parameterOfFormalNumber           the parameter a formal operand's number names
//   shownParameterName                the four characters of a parameter name as the text shows
//   them
#ifndef MAIN_LANG_FB_HEADER_WORDS_H
#define MAIN_LANG_FB_HEADER_WORDS_H

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrin::lang {

inline constexpr uint16_t kFbHeaderFixedWords = 5;  // the jump and the name
inline constexpr uint16_t kWordsPerParameter = 3;

struct HeaderParameter {
  uint16_t descriptor = 0;
  std::string name;  // four characters as shown (shownParameterName)
};

struct FbHeaderWords {
  std::string name;  // eight characters, a zero byte shown as a blank
  std::vector<HeaderParameter> parameters;
  // The body words the header occupies, the jump included.
  uint16_t words() const {
    return static_cast<uint16_t>(kFbHeaderFixedWords + kWordsPerParameter * parameters.size());
  }
};

// Nothing unless body word 0 is a jump 0x2Dnn with nn = 5 + 3 * n and the n parameters lie
// within `body`.
std::optional<FbHeaderWords> readFbHeaderWords(std::span<const uint16_t> body);

// Formal operands number the parameters from 1 in header order; a D parameter of type KG takes
// two numbers (it occupies two parameter words in a call). Null for a number that names no
// parameter, also for the second number of a KG parameter.
const HeaderParameter* parameterOfFormalNumber(const FbHeaderWords& header, unsigned number);

// A zero character is shown as a blank, and a blank that stands before a non-blank character as
// '_' (so that the name can be written as a formal operand, whose blanks the parser removes).
std::string shownParameterName(uint16_t first, uint16_t second);

}  // namespace tavrin::lang

#endif
