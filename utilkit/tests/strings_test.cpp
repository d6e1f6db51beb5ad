#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/cp1252.h"
#include "utilkit/utilkit40.h"

namespace {

using namespace tavrin::platform::literals;

// A buffer with room to grow, so that each case can edit its text in place.
struct Text {
  char data[512];
  explicit Text(const char* s) { std::snprintf(data, sizeof data, "%s", s); }
};

TEST(StringCompare, PrefixAndCaseBlindEquality) {
  struct Case {
    const char* text;
    const char* pattern;
    short length;
    bool equal;
  };
  const Case cases[] = {
      {"MW10", "MW", -1, true},  {"MW10", "MB", -1, false}, {"MW10", "MW99", 2, true},
      {"M", "MW", -1, false},    {"ABC", "ABC", 10, true},  {"", "", -1, true},
      {"abc", "ABC", -1, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(U_StringVergleich(c.text, c.pattern, c.length) != 0, c.equal)
        << c.text << " / " << c.pattern << " / " << c.length;

  struct Pair {
    const char* a;
    const char* b;
    bool equal;
  };
  const Pair pairs[] = {
      {"abc", "ABC", true},   {"Zähler"_cp1252, "ZÄHLER"_cp1252, true},
      {"abc", "abcd", false}, {"", "", true},
      {"ab1", "AB2", false},  {"\xE4\xF6\xFC", "\xC4\xD6\xDC", true},
  };
  for (const auto& p : pairs)
    EXPECT_EQ(U_StringVergleichrossKlein(p.a, p.b) != 0, p.equal) << p.a << " / " << p.b;
}

TEST(StringCompare, ThreeWayOrder) {
  struct Case {
    const char* a;
    const char* b;
    short order;
  };
  const Case cases[] = {
      {"ABC", "ABC", 0},  {"", "", 0},         {"AB", "ABC", -1},
      {"ABC", "AB", 1},   {"ABC", "ABD", -1},  {"ABD", "ABC", 1},
      {"", "A", -1},      {"A\xE4", "AB", -1},  // signed bytes: 0xE4 orders before 'B'
      {"AB", "A\xE4", 1}, {"A", "A\xE4", -1},   // the end orders first, even before a high byte
  };
  for (const auto& c : cases)
    EXPECT_EQ(U_StringVergleichGroesserKleiner(c.a, c.b), c.order) << c.a << " / " << c.b;
}

using Edit = char* (*)(char*);

TEST(Blanks, Removing) {
  struct Case {
    const char* name;
    Edit edit;
    const char* input;
    const char* output;
  };
  const Case cases[] = {
      {"end", U_LeerzeichenAmEndeEntfernen, "  A B  ", "  A B"},
      {"end", U_LeerzeichenAmEndeEntfernen, "   ", ""},
      {"end", U_LeerzeichenAmEndeEntfernen, "", ""},
      {"start", U_LeerzeichenAmAnfangEntfernen, "  A B  ", "A B  "},
      {"start", U_LeerzeichenAmAnfangEntfernen, "   ", ""},
      {"both", U_LeerzeichenAmAnfangUndEndeEntfernen, "  A B  ", "A B"},
      {"both", U_LeerzeichenAmAnfangUndEndeEntfernen, "AB", "AB"},
      {"all", U_LeerzeichenEntfernen, " U  E 1.0 ", "UE1.0"},
      {"all", U_LeerzeichenEntfernen, "\tA", "\tA"},  // only blanks, not tabs
  };
  for (const auto& c : cases) {
    Text t(c.input);
    EXPECT_EQ(c.edit(t.data), t.data);
    EXPECT_STREQ(t.data, c.output) << c.name << " of '" << c.input << "'";
  }
}

TEST(Blanks, LongerThanAnyWorkBufferIsHandledWhole) {
  const std::string line = "  " + std::string(400, 'X') + "  " + std::string(300, 'Y') + "  ";
  std::string buffer = line;
  U_LeerzeichenEntfernen(buffer.data());
  EXPECT_EQ(std::string(buffer.c_str()), std::string(400, 'X') + std::string(300, 'Y'));
  buffer = line;
  U_LeerzeichenAmAnfangUndEndeEntfernen(buffer.data());
  EXPECT_EQ(std::string(buffer.c_str()), line.substr(2, line.size() - 4));
}

TEST(Blanks, DetectingAndPadding) {
  EXPECT_TRUE(U_LeerzeichenEnthalten("U E 1.0"));
  EXPECT_FALSE(U_LeerzeichenEnthalten("UE1.0"));
  EXPECT_FALSE(U_LeerzeichenEnthalten(""));

  struct Case {
    const char* input;
    short length;
    const char* output;
  };
  const Case cases[] = {
      {"AB", 5, "AB   "}, {"ABCDEFG", 4, "ABCD"}, {"ABCD", 4, "ABCD"},
      {"", 3, "   "},     {"AB", 0, ""},          {"AB", -1, "AB"},
  };
  for (const auto& c : cases) {
    Text t(c.input);
    EXPECT_EQ(U_LeerzeichenAnhaengen(t.data, c.length), t.data);
    EXPECT_STREQ(t.data, c.output) << c.input << " to " << c.length;
  }
}

TEST(StringCopy, BoundedAppend) {
  struct Case {
    const char* dest;
    const char* src;
    short size;
    const char* output;
  };
  const Case cases[] = {
      {"ABCDE", "XYZ", 8, "ABCDEXY"},   {"ABCDE", "XYZ", 9, "ABCDEXYZ"},
      {"ABCDE", "XYZ", 50, "ABCDEXYZ"}, {"ABCDE", "XYZ", 6, "ABCDE"},
      {"ABCDE", "XYZ", 4, "ABC"},       {"", "XYZ", 1, ""},
      {"AB", "XYZ", 0, "AB"},
  };
  for (const auto& c : cases) {
    Text t(c.dest);
    EXPECT_EQ(U_strcat(t.data, c.src, c.size), t.data);
    EXPECT_STREQ(t.data, c.output) << c.dest << " + " << c.src << " in " << c.size;
  }
}

TEST(StringCopy, Slices) {
  struct Case {
    const char* src;
    short start;
    short count;
    const char* output;
  };
  const Case cases[] = {
      {"ABCDEF", 2, 3, "CDE"}, {"ABCDEF", 2, -1, "CDEF"}, {"ABCDEF", 4, 10, "EF"},
      {"ABCDEF", 6, 2, ""},    {"ABCDEF", 20, -1, ""},    {"ABCDEF", 0, 0, ""},
      {"ABCDEF", -3, 2, "AB"},
  };
  for (const auto& c : cases) {
    char dest[32] = "garbage";
    EXPECT_EQ(U_strcpyStartCount(dest, c.src, c.start, c.count), dest);
    EXPECT_STREQ(dest, c.output) << c.src << " from " << c.start << " count " << c.count;
  }
}

using Copy = char* (*)(char*, const char*);

TEST(StringCopy, CopiesThatStopOrChange) {
  struct Case {
    const char* name;
    Copy copy;
    const char* src;
    const char* output;
  };
  const Case cases[] = {
      {"upcase", U_strcpyUpcase, "mw10 zähler"_cp1252, "MW10 ZÄHLER"_cp1252},
      {"no blanks", U_strcpyOhneLeerzeichen, " L  KF +5 ", "LKF+5"},
      {"to blank", U_strcpyBisLeerzeichen, "SPA FB12", "SPA"},
      {"to blank", U_strcpyBisLeerzeichen, "SPA", "SPA"},
      {"to digit", U_strcpyBisZiffer, "MW10", "MW"},
      {"to digit", U_strcpyBisZiffer, "MW", "MW"},
      {"to S7 separator", U_strcpyBisS7Begrenzung, "IN1:=E1.0", "IN1"},
      {"to S7 separator", U_strcpyBisS7Begrenzung, "A,B", "A"},
      {"to S7 separator", U_strcpyBisS7Begrenzung, "A//x", "A"},
      {"to S7 separator", U_strcpyBisS7Begrenzung, "A;", "A"},
      {"to S7 separator", U_strcpyBisS7Begrenzung, "ABC", "ABC"},
  };
  for (const auto& c : cases) {
    char dest[64] = "garbage";
    EXPECT_EQ(c.copy(dest, c.src), dest);
    EXPECT_STREQ(dest, c.output) << c.name << " of " << c.src;
  }
}

TEST(StringCopy, UpToOneOfFiveStops) {
  struct Case {
    const char* src;
    char t1, t2, t3, t4, t5;
    bool quotesProtect;
    const char* output;
  };
  const Case cases[] = {
      {"A,B;C", ';', ',', 0, 0, 0, false, "A"},
      {"ABC", ';', 0, 0, 0, 0, false, "ABC"},
      {"AB;C", 0, 0, 0, 0, ';', false, "AB"},
      {"X:=',';Y", ';', ',', 0, 0, 0, false, "X:='"},
      {"X:=',';Y", ';', ',', 0, 0, 0, true, "X:=','"},
      {"'a;b", ';', 0, 0, 0, 0, true, "'a;b"},  // unclosed quote: the rest is literal
  };
  for (const auto& c : cases) {
    char dest[64] = "garbage";
    char* result = c.quotesProtect ? U_strcpyBisToken_TokenImStringIgnorieren(
                                         dest, c.src, c.t1, c.t2, c.t3, c.t4, c.t5)
                                   : U_strcpyBisToken(dest, c.src, c.t1, c.t2, c.t3, c.t4, c.t5);
    EXPECT_EQ(result, dest);
    EXPECT_STREQ(dest, c.output) << c.src;
  }
}

TEST(StringCopy, AfterAToken) {
  struct Case {
    const char* src;
    char c;
    const char* after;
    const char* word;  // null: the token is absent
  };
  const Case cases[] = {
      {"SPA =M001", '=', "M001", "M001"},
      {"A:=  FB12 ;rest", '=', "  FB12 ;rest", "FB12"},
      {"X=Y/Z", '=', "Y/Z", "Y"},
      {"X=Y,Z", '=', "Y,Z", "Y"},
      {"X=", '=', "", ""},
      {"NONE", '=', "", nullptr},
  };
  for (const auto& c : cases) {
    char dest[64] = "garbage";
    EXPECT_STREQ(U_strcpyNachToken(dest, c.src, c.c), c.after) << c.src;
    char word[64] = "garbage";
    char* result = U_GetWortNachToken(word, c.src, c.c);
    if (c.word == nullptr) {
      EXPECT_EQ(result, nullptr) << c.src;
    } else {
      EXPECT_EQ(result, word);
      EXPECT_STREQ(word, c.word) << c.src;
    }
  }
}

TEST(StringEdit, InsertAndDelete) {
  struct Case {
    const char* input;
    const char* insertion;
    short position;
    const char* output;
  };
  const Case inserts[] = {
      {"ABEF", "CD", 2, "ABCDEF"}, {"ABC", "X", 0, "XABC"}, {"ABC", "X", 3, "ABCX"},
      {"ABC", "X", 99, "ABCX"},    {"ABC", "", 1, "ABC"},   {"", "X", 0, "X"},
  };
  for (const auto& c : inserts) {
    Text t(c.input);
    EXPECT_EQ(U_InsertString(t.data, c.insertion, c.position), t.data);
    EXPECT_STREQ(t.data, c.output) << c.insertion << " into " << c.input << " at " << c.position;
  }

  struct Deletion {
    const char* input;
    short position;
    short count;
    const char* output;
  };
  const Deletion deletions[] = {
      {"ABCDEF", 1, 2, "ADEF"}, {"ABCDEF", 4, 10, "ABCD"},  {"ABCDEF", 6, 1, "ABCDEF"},
      {"ABCDEF", 0, 6, ""},     {"ABCDEF", 2, 0, "ABCDEF"}, {"ABCDEF", -1, 2, "ABCDEF"},
  };
  for (const auto& c : deletions) {
    Text t(c.input);
    EXPECT_EQ(U_DeleteSubString(t.data, c.position, c.count), t.data);
    EXPECT_STREQ(t.data, c.output) << c.input << " at " << c.position << " count " << c.count;
  }

  struct TextDeletion {
    const char* input;
    const char* sub;
    const char* output;
  };
  const TextDeletion textDeletions[] = {
      {"L MW10 MW10", "MW10", "L  MW10"},
      {"ABC", "X", "ABC"},
      {"ABC", "", "ABC"},
      {"ABC", "ABC", ""},
  };
  for (const auto& c : textDeletions) {
    Text t(c.input);
    EXPECT_EQ(U_DeleteSubString(t.data, c.sub), t.data);  // the text form under the same name
    EXPECT_STREQ(t.data, c.output) << c.sub << " out of " << c.input;
  }
}

TEST(StringEdit, InsertionKeepsALongTailAndMayComeFromTheStringItself) {
  std::string buffer = "AB" + std::string(300, 'T');
  buffer.resize(buffer.size() + 10, '\0');
  U_InsertString(buffer.data(), "xyz", 2);
  EXPECT_EQ(std::string(buffer.c_str()), "ABxyz" + std::string(300, 'T'));

  Text t("ABC");
  U_InsertString(t.data, t.data, 1);
  EXPECT_STREQ(t.data, "AABCBC");
}

TEST(StringEdit, ShiftCutAndRemove) {
  struct Case {
    const char* input;
    short n;
    const char* output;
  };
  const Case shifts[] = {
      {"ABCDEF", 2, "CDEF"}, {"ABC", 3, ""}, {"ABC", 9, ""}, {"ABC", 0, "ABC"}, {"ABC", -2, "ABC"},
  };
  for (const auto& c : shifts) {
    Text t(c.input);
    EXPECT_EQ(U_StringLinksVerschieben(t.data, c.n), t.data);
    EXPECT_STREQ(t.data, c.output) << c.input << " by " << c.n;
  }

  struct Cut {
    const char* name;
    Edit edit;
    const char* input;
    const char* output;
  };
  const Cut cuts[] = {
      {"newline", U_NewLineEntfernen, "L MW10\r\n", "L MW10"},
      {"newline", U_NewLineEntfernen, "A\nB\r", "A"},
      {"newline", U_NewLineEntfernen, "AB", "AB"},
      {"number", U_DezimalZahlAmEndeEntfernen, "MW10", "MW"},
      {"number", U_DezimalZahlAmEndeEntfernen, "KF+12", "KF"},
      {"number", U_DezimalZahlAmEndeEntfernen, "KF-12", "KF"},
      {"number", U_DezimalZahlAmEndeEntfernen, "A1B2", "A"},
      {"number", U_DezimalZahlAmEndeEntfernen, "ABC", "ABC"},
  };
  for (const auto& c : cuts) {
    Text t(c.input);
    EXPECT_EQ(c.edit(t.data), t.data);
    EXPECT_STREQ(t.data, c.output) << c.name << " of " << c.input;
  }

  Text t("A;B;C");
  EXPECT_STREQ(U_StringTerminierenAbZeichen(t.data, ';'), "A");
  Text u("ABC");
  EXPECT_STREQ(U_StringTerminierenAbZeichen(u.data, ';'), "ABC");
  Text v("(A+B)-C*D");
  EXPECT_STREQ(U_ZeichenAusStringEntfernen(v.data, '(', ')', '*', '-'), "A+BCD");
  Text w("A B,C");
  EXPECT_STREQ(U_ZeichenAusStringEntfernen(w.data, ',', 0, 0, 0), "A BC");  // 0: unused slot
}

TEST(StringEdit, Counting) {
  struct Case {
    const char* s;
    char c;
    short count;
  };
  const Case cases[] = {{"A,B,,C", ',', 3}, {"ABC", ',', 0}, {"", ',', 0}, {"ABC", '\0', 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(U_AnzahlZeichenImString(c.s, c.c), c.count) << c.s;
    EXPECT_EQ(U_GetAnzahlTokenInString(c.s, c.c), c.count) << c.s;
  }
}

}  // namespace
