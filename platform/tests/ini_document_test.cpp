#include "platform/ini_document.h"

#include <gtest/gtest.h>

#include <climits>

namespace tavrin::platform {
namespace {

constexpr std::string_view kSample =
    "; comment=not a key\r\n"
    "orphan=before any section\r\n"
    "[General]\r\n"
    "Name = Tavrin  \r\n"
    "Editor 0=Courier\r\n"
    "quoted = \"  padded  \"\r\n"
    "half=\"open\r\n"
    "empty=\r\n"
    "no equals sign\r\n"
    "NAME=second\r\n"
    "[general]\r\n"
    "Later=hidden\r\n"
    "  [ Spaced ]  trailing text\r\n"
    "X=1\r\n"
    "Umlaut=\xC4\xD6\xDC\x80\r\n";

TEST(IniDocumentRead, FindsKeysWithProfileSemantics) {
  struct Case {
    std::string_view section;
    std::string_view key;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"General", "Name", "Tavrin"},
      {"GENERAL", "name", "Tavrin"},  // case-insensitive, and the first key wins
      {"General", "Editor 0", "Courier"},
      {" General ", " editor 0 ", "Courier"},
      {"General", "quoted", "  padded  "},
      {"General", "half", "\"open"},
      {"General", "empty", ""},
      {"General", "Later", std::nullopt},  // only the first [General] is read
      {"General", "no equals sign", std::nullopt},
      {"General", "; comment", std::nullopt},
      {"Spaced", "x", "1"},
      {"spaced", "Umlaut", "\xC4\xD6\xDC\x80"},
      {"", "orphan", std::nullopt},
      {"Missing", "X", std::nullopt},
  };
  const IniDocument doc = IniDocument::parse(kSample);
  for (const Case& c : cases)
    EXPECT_EQ(doc.find(c.section, c.key), c.expected) << c.section << "/" << c.key;
}

TEST(IniDocumentRead, DefaultOnlyForAMissingKey) {
  const IniDocument doc = IniDocument::parse(kSample);
  EXPECT_EQ(doc.readString("General", "empty", "dflt"), "");
  EXPECT_EQ(doc.readString("General", "absent", "dflt"), "dflt");
  EXPECT_EQ(doc.readString("Absent", "Name", "dflt"), "dflt");
}

TEST(IniDocumentRead, NumbersAreTheLeadingDecimalDigits) {
  struct Case {
    std::string_view value;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {"42", 42},
      {"007", 7},
      {"12abc", 12},
      {"1.5", 1},
      {"-5", -5},
      {"-0", 0},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"99999999999999999999", INT_MAX},
      {"-99999999999999999999", INT_MIN},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"-", std::nullopt},
      {"--5", std::nullopt},
      {"+5", std::nullopt},
      {"0x10", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(parseLeadingInt(c.value), c.expected) << c.value;
}

TEST(IniDocumentRead, ReadIntTrimsUnquotesAndFallsBack) {
  const IniDocument doc = IniDocument::parse("[S]\nplain = 7 \nquoted=\"9\"\ntext=abc\n");
  EXPECT_EQ(doc.readInt("s", "plain", -1), 7);
  EXPECT_EQ(doc.readInt("s", "quoted", -1), 9);
  EXPECT_EQ(doc.readInt("s", "text", -1), -1);
  EXPECT_EQ(doc.readInt("s", "missing", 33), 33);
}

TEST(IniDocumentRead, EnumeratesEachNameOnceInFileOrder) {
  const IniDocument doc = IniDocument::parse(kSample);
  EXPECT_EQ(doc.sectionNames(), (std::vector<std::string>{"General", "Spaced"}));
  EXPECT_EQ(doc.keyNames("general"),
            (std::vector<std::string>{"Name", "Editor 0", "quoted", "half", "empty"}));
  EXPECT_TRUE(doc.keyNames("Missing").empty());
  EXPECT_TRUE(doc.hasSection("SPACED"));
  EXPECT_FALSE(doc.hasSection("orphan"));
}

TEST(IniDocumentParse, BytesComeBackUnchanged) {
  const std::string_view inputs[] = {
      "",
      "no newline at all",
      "[A]\r\nk=v",
      "\r\n\n\r\n",
      "a\rb=c\r\n",  // a lone CR is part of the line
      "[A]\t \r\n  k \t=\t v \t\r\n;\xFF\x80\x00x\n",
      kSample,
  };
  for (std::string_view input : inputs)
    EXPECT_EQ(IniDocument::parse(input).bytes(), input);
}

struct WriteCase {
  const char* what;
  std::string_view before;
  std::string_view section;
  std::string_view key;
  std::string_view value;
  std::string_view after;
};

TEST(IniDocumentWrite, ChangesOnlyWhatIsWritten) {
  const WriteCase cases[] = {
      {"value replaced in place", "[S]\r\nKey = old  \r\nz=1\r\n", "S", "Key", "new",
       "[S]\r\nKey = new\r\nz=1\r\n"},
      {"key matched without case, its spelling kept", "[Sec]\r\nKey=old\r\n", "SEC", "KEY", "x",
       "[Sec]\r\nKey=x\r\n"},
      {"only the first duplicate key", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "9",
       "[S]\r\nk=9\r\nK=2\r\n"},
      {"only the first duplicate section", "[S]\r\n[s]\r\nk=1\r\n", "S", "k", "9",
       "[S]\r\nk=9\r\n[s]\r\nk=1\r\n"},
      {"key with a blank", "[S]\r\n", "S", "Editor 0", "a b", "[S]\r\nEditor 0=a b\r\n"},
      {"new key after the last key, before blanks and comments",
       "[A]\r\na=1\r\n\r\n; about B\r\n[B]\r\nb=2\r\n", "A", "c", "3",
       "[A]\r\na=1\r\nc=3\r\n\r\n; about B\r\n[B]\r\nb=2\r\n"},
      {"new key in a section without keys", "[A]\r\n; note\r\n[B]\r\n", "a", "k", "v",
       "[A]\r\nk=v\r\n; note\r\n[B]\r\n"},
      {"new key in the last section", "[A]\r\na=1\r\n\r\n", "A", "b", "2",
       "[A]\r\na=1\r\nb=2\r\n\r\n"},
      {"new section at the end", "[A]\r\na=1\r\n\r\n", "B", "b", "2",
       "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n"},
      {"a key before any section is not a section's key", "k=0\r\n[S]\r\n", "S", "k", "1",
       "k=0\r\n[S]\r\nk=1\r\n"},
      {"empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
      {"last line without an ending", "[A]\r\na=1", "A", "b", "2", "[A]\r\na=1\r\nb=2\r\n"},
      {"replacing on a last line without an ending", "[A]\r\na=1", "A", "a", "2", "[A]\r\na=2"},
      {"a file in LF keeps LF", "[A]\na=1\n", "A", "b", "2", "[A]\na=1\nb=2\n"},
      {"a new section in LF", "[A]\na=1", "B", "b", "2", "[A]\na=1\n[B]\nb=2\n"},
      {"mixed endings mean CR LF", "[A]\r\na=1\n", "A", "b", "2", "[A]\r\na=1\nb=2\r\n"},
      {"same value changes nothing", "[S]\r\nk = \"v\"   \r\n", "s", "k", "v",
       "[S]\r\nk = \"v\"   \r\n"},
      {"blanks at the ends are quoted", "[S]\r\n", "S", "k", " x ", "[S]\r\nk=\" x \"\r\n"},
      {"a quoted value is quoted again", "[S]\r\n", "S", "k", "\"q\"", "[S]\r\nk=\"\"q\"\"\r\n"},
      {"an empty value", "[S]\r\nk=old\r\n", "S", "k", "", "[S]\r\nk=\r\n"},
      {"8-bit bytes pass through", "[\xC4]\r\n", "\xC4", "\xDF", "\x80\xFF",
       "[\xC4]\r\n\xDF=\x80\xFF\r\n"},
  };
  for (const WriteCase& c : cases) {
    IniDocument doc = IniDocument::parse(c.before);
    EXPECT_TRUE(doc.writeString(c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(doc.bytes(), c.after) << c.what;
    EXPECT_EQ(doc.find(c.section, c.key), std::string(c.value)) << c.what;
  }
}

TEST(IniDocumentWrite, RefusesWhatALineCannotHold) {
  struct Case {
    std::string_view section;
    std::string_view key;
    std::string_view value;
  };
  const Case cases[] = {
      {"", "k", "v"},     {"  ", "k", "v"},     {"a]b", "k", "v"}, {"a\nb", "k", "v"},
      {"S", "", "v"},     {"S", "a=b", "v"},    {"S", ";k", "v"},  {"S", "[k", "v"},
      {"S", "a\rb", "v"}, {"S", "k", "a\r\nb"}, {"S", "k", "a\n"},
  };
  constexpr std::string_view kBefore = "[S]\r\nk=old\r\n";
  for (const Case& c : cases) {
    IniDocument doc = IniDocument::parse(kBefore);
    EXPECT_FALSE(doc.writeString(c.section, c.key, c.value)) << c.section << "/" << c.key;
    EXPECT_EQ(doc.bytes(), kBefore);
  }
}

TEST(IniDocumentWrite, WriteIntStoresDecimal) {
  IniDocument doc;
  EXPECT_TRUE(doc.writeInt("S", "n", -17));
  EXPECT_EQ(doc.bytes(), "[S]\r\nn=-17\r\n");
  EXPECT_EQ(doc.readInt("S", "n", 0), -17);
}

TEST(IniDocumentDelete, RemovesKeysSoThatNoDuplicateComesToLight) {
  constexpr std::string_view kBefore =
      "[A]\r\nk=1\r\n; keep\r\nK = 2\r\nother=3\r\n[B]\r\nk=4\r\n[a]\r\nk=5\r\n";
  IniDocument doc = IniDocument::parse(kBefore);
  EXPECT_TRUE(doc.deleteKey("a", "k"));
  EXPECT_EQ(doc.bytes(), "[A]\r\n; keep\r\nother=3\r\n[B]\r\nk=4\r\n[a]\r\nk=5\r\n");
  EXPECT_EQ(doc.find("A", "k"), std::nullopt);
  EXPECT_FALSE(doc.deleteKey("A", "k"));
  EXPECT_FALSE(doc.deleteKey("Missing", "k"));
  EXPECT_EQ(doc.find("B", "k"), "4");
}

TEST(IniDocumentDelete, RemovesEverySectionOfTheNameWithItsLines) {
  IniDocument doc =
      IniDocument::parse("top=0\r\n[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n[a]\r\na=3\r\n; tail");
  EXPECT_TRUE(doc.deleteSection("A"));
  EXPECT_EQ(doc.bytes(), "top=0\r\n[B]\r\nb=2\r\n");
  EXPECT_FALSE(doc.hasSection("a"));
  EXPECT_FALSE(doc.deleteSection("A"));
}

}  // namespace
}  // namespace tavrin::platform
