#include <gtest/gtest.h>

#include <string>

#include "utilkit/utilkit40.h"

namespace {

TEST(Comments, MarkerOutsideLiterals) {
  struct Case {
    const char* line;
    const char* code;     // up to the comment
    const char* comment;  // from the comment on
  };
  const Case cases[] = {
      {"U E 1.0 // Start", "U E 1.0 ", "// Start"},
      {"L 'a//b' // c", "L 'a//b' ", "// c"},
      {"L \"x//y\"", "L \"x//y\"", ""},
      {"L '\"' // c \"", "L '\"' ", "// c \""},  // a double quote inside single quotes is text
      {"L 'open // c", "L 'open // c", ""},      // an unclosed literal runs to the end
      {"// only", "", "// only"},
      {"A / B", "A / B", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    char code[128] = "garbage";
    EXPECT_EQ(U_strcpyBisKommentar(code, c.line), code);
    EXPECT_STREQ(code, c.code) << c.line;
    char comment[128] = "garbage";
    EXPECT_EQ(U_GetKommentarStrAusZeile(comment, c.line), comment);
    EXPECT_STREQ(comment, c.comment) << c.line;
    const char* marker = U_strstrKommentar(c.line);
    if (c.comment[0] == '\0') {
      EXPECT_EQ(marker, nullptr) << c.line;
    } else {
      EXPECT_EQ(marker, c.line + std::string(c.code).size()) << c.line;
    }
  }
}

TEST(Comments, PatternOutsideLiteralsAndBeforeComment) {
  struct Case {
    const char* line;
    const char* pattern;
    int offset;  // -1: not found
  };
  const Case cases[] = {
      {"CALL FC1 // CALL", "CALL", 0},
      {"L 'CALL' // CALL", "CALL", -1},
      {"L \"CALL\"; CALL FC2", "CALL", 10},
      {"// CALL", "CALL", -1},
      {"A L// x", "L//", -1},  // reaches into the comment
      {"A BE", "BE", 2},
      {"A BE", "", -1},
  };
  for (const auto& c : cases) {
    const char* found = U_StringVorhandenUndNichtAuskommentiert(c.line, c.pattern);
    if (c.offset < 0)
      EXPECT_EQ(found, nullptr) << c.line;
    else
      EXPECT_EQ(found, c.line + c.offset) << c.line;
  }
}

}  // namespace
