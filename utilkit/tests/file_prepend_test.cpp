#include <gtest/gtest.h>

#include <set>
#include <string>

#include "temp_directory.h"
#include "utilkit/utilkit40.h"

namespace {

using FilePrepend = utilkit_test::TempDirectoryTest;

TEST_F(FilePrepend, LineGoesInFrontOfTheUnchangedContents) {
  const std::string longLine(1000, 'L');
  struct Case {
    const char* what;
    std::string before;
    const char* text;
    std::string after;
  };
  const Case cases[] = {
      {"CR LF lines", "A\r\nB\r\n", "HEAD", "HEAD\r\nA\r\nB\r\n"},
      {"LF lines stay as they are", "A\nB", "HEAD", "HEAD\r\nA\nB"},
      {"a long line is kept whole", longLine + "\r\nX", "H", "H\r\n" + longLine + "\r\nX"},
      {"empty file", "", "HEAD", "HEAD\r\n"},
      {"empty text", "A", "", "\r\nA"},
      {"binary bytes", std::string("\0\xFF\r", 3), "H", std::string("H\r\n\0\xFF\r", 6)},
  };
  for (const auto& c : cases) {
    write("p/file.ini", c.before);
    EXPECT_TRUE(U_StringAmAnfangEinerDateiEinfuegen(at("p/file.ini").c_str(), c.text)) << c.what;
    EXPECT_EQ(read("p/file.ini"), c.after) << c.what;
    EXPECT_EQ(tree("p"), std::set<std::string>{"file.ini"}) << c.what << ": no work file left";
  }
}

TEST_F(FilePrepend, FileFoundWhateverTheCase) {
  write("p/file.ini", "A");
  // Every component is found whatever its case, the directories as well as the file.
  EXPECT_TRUE(U_StringAmAnfangEinerDateiEinfuegen(at("p/FILE.INI").c_str(), "H"));
  EXPECT_TRUE(U_StringAmAnfangEinerDateiEinfuegen(at("P/File.Ini").c_str(), "G"));
  EXPECT_EQ(read("p/file.ini"), "G\r\nH\r\nA");
  EXPECT_EQ(tree("p"), std::set<std::string>{"file.ini"});
}

TEST_F(FilePrepend, Failures) {
  write("p/TEMP.TMP", "work file name");
  std::filesystem::create_directory(root_ / "p" / "dir");
  EXPECT_FALSE(U_StringAmAnfangEinerDateiEinfuegen(at("p/missing.ini").c_str(), "H"));
  EXPECT_FALSE(U_StringAmAnfangEinerDateiEinfuegen(at("p/TEMP.TMP").c_str(), "H"));
  EXPECT_FALSE(U_StringAmAnfangEinerDateiEinfuegen(at("p/dir").c_str(), "H"));
  EXPECT_FALSE(U_StringAmAnfangEinerDateiEinfuegen(at("nodir/x.ini").c_str(), "H"));
  EXPECT_EQ(read("p/TEMP.TMP"), "work file name");
  EXPECT_EQ(tree("p"), (std::set<std::string>{"TEMP.TMP", "dir/"}));
}

}  // namespace
