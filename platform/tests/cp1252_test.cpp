#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace tavrin::platform {
namespace {

TEST(Cp1252, LiteralsAreConvertedAtCompileTime) {
  constexpr std::string_view text = "außerhalb Ä€"_cp1252;
  static_assert(text == std::string_view("au\xDF"
                                         "erhalb \xC4\x80"));
  EXPECT_EQ(std::string("Größe"_cp1252),
            "Gr\xF6\xDF"
            "e");
}

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, HighControlRangeDiffersFromLatin1) {
  struct Case {
    const char* cp1252;
    const char* utf8;
  };
  const Case cases[] = {
      {"\x80", "€"}, {"\x8A", "Š"}, {"\x93\x94", "“”"}, {"\x9F", "Ÿ"}, {"\xE4\xF6\xFC", "äöü"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
  }
}

TEST(Cp1252, UnmappableAndMalformedInputBecomesTheReplacement) {
  EXPECT_EQ(utf8ToCp1252("a→b"), "a?b");
  EXPECT_EQ(utf8ToCp1252("x\xC3"), "x?");  // truncated sequence
  EXPECT_EQ(utf8ToCp1252("\xFF"
                         "A",
                         '#'),
            "#A");  // invalid lead byte
}

}  // namespace
}  // namespace tavrin::platform
