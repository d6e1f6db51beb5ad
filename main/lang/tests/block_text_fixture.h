// Blocks for the retranslator's tests: block texts written line by line, compiled, and stored in
// a private simulated controller of the test.
#ifndef MAIN_LANG_TESTS_BLOCK_TEXT_FIXTURE_H
#define MAIN_LANG_TESTS_BLOCK_TEXT_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "main/lang/awl_ascii.h"
#include "main/lang/translate_block.h"
#include "platform/scripted_user_dialog.h"

namespace tavrin::lang::testing {

// A block document: the four header lines and the first network header, then `body` lines.
// A body line "label:statement" ("M001:SPA =M001", ":U   E  1.0") becomes a statement line; a
// line that begins with a blank or "NETZWERK", and an empty line, is taken as it is. Addresses
// come from renumbering.
AwlAscii blockText(std::string_view name, std::initializer_list<std::string_view> body);
AwlAscii blockText(std::string_view name, const std::vector<std::string>& body);

// The lines of a document without their trailing blanks.
std::vector<std::string> trimmedLines(const AwlAscii& doc);

// A complete block: header words of `id` (word 2 as the compiler writes it), then the body.
std::vector<uint16_t> blockWords(uint16_t id, const std::vector<uint16_t>& body);

class ControllerBlocksTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // S5AG_BstWrite of a complete block; its result code.
  uint16_t store(const std::vector<uint16_t>& block);
  // The words the compiler makes of a text; fails the test on a compile error.
  std::vector<uint16_t> compiled(const AwlAscii& doc);
  // Compiled and stored.
  std::vector<uint16_t> compileAndStore(const AwlAscii& doc);
  // The block as the controller holds it now.
  std::vector<uint16_t> stored(uint16_t id);
  // TranslateBlock with the test's dialog; fails the test unless the block is shown.
  AwlAscii translated(std::string_view name, TranslateOptions options = {},
                      TranslateFlags flags = {});

  platform::ScriptedUserDialog dialog_;
};

}  // namespace tavrin::lang::testing

#endif
