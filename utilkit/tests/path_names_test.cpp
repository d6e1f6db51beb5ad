#include <gtest/gtest.h>

#include "utilkit/utilkit40.h"

namespace {

TEST(PathNames, DirectoryAndFileName) {
  struct Case {
    const char* path;
    const char* directory;
    const char* file;
  };
  const Case cases[] = {
      {"/home/p/PB001.AWL", "/home/p/", "PB001.AWL"},
      {"C:\\S5\\PROJ\\PB001.AWL", "C:\\S5\\PROJ\\", "PB001.AWL"},
      {"proj\\sub/x.s5d", "proj\\sub/", "x.s5d"},
      {"PB001.AWL", "", "PB001.AWL"},
      {"dir/", "dir/", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    char text[128] = "garbage";
    EXPECT_EQ(U_FilenameVonPfadEntfernen(text, c.path), text);
    EXPECT_STREQ(text, c.directory) << c.path;
    EXPECT_EQ(U_GetFilenameVonPfad(text, c.path), text);
    EXPECT_STREQ(text, c.file) << c.path;
  }
}

TEST(PathNames, Extensions) {
  struct Case {
    const char* path;
    const char* extension;  // U_GetDateiEndung
    const char* without;    // U_DateiEndungEntfernen
    const char* changed;    // U_DateiEndungAendern with "SEQ"
  };
  const Case cases[] = {
      {"X.AWL", "AWL", "X.AWL", "X.SEQ"},  // a '.' in the first two characters stays
      {"X.ABCD", "", "X.ABCD", "X.SEQ"},
      {"PB001.AWL", "AWL", "PB001", "PB001.SEQ"},
      {"a.b.c", "c", "a.b", "a.b.SEQ"},
      {"NAME", "", "NAME", "NAME.SEQ"},
      {"NAME.", "", "NAME", "NAME.SEQ"},
      {"dir.x/NAME", "", "dir.x/NAME", "dir.x/NAME.SEQ"},  // a dot in a directory is not taken
      {"C:\\S5.V2\\PB1.AWL", "AWL", "C:\\S5.V2\\PB1", "C:\\S5.V2\\PB1.SEQ"},
      {"..\\PB1", "", "..\\PB1", "..\\PB1.SEQ"},
      {"", "", "", ".SEQ"},
  };
  for (const auto& c : cases) {
    char text[128] = "garbage";
    EXPECT_EQ(U_GetDateiEndung(text, c.path), text);
    EXPECT_STREQ(text, c.extension) << c.path;

    std::snprintf(text, sizeof text, "%s", c.path);
    EXPECT_EQ(U_DateiEndungEntfernen(text), text);
    EXPECT_STREQ(text, c.without) << c.path;

    std::snprintf(text, sizeof text, "%s", c.path);
    EXPECT_EQ(U_DateiEndungAendern(text, "SEQ"), text);
    EXPECT_STREQ(text, c.changed) << c.path;
  }
  char text[16] = "X.AWL";
  EXPECT_STREQ(U_DateiEndungAendern(text, nullptr), "X.AWL");
}

}  // namespace
