#include "main/project/settings_file.h"

#include <gtest/gtest.h>
#include "platform/tests/temp_dir.h"

namespace tavrin::project {
namespace {

using platform::testing::readFile;
using platform::testing::TempDir;
using platform::testing::writeFile;

class SettingsFileTest : public ::testing::Test {
 protected:
  // The program directory of these tests; the user's own is never touched.
  TempDir home;
};

TEST_F(SettingsFileTest, AMissingFileReadsAsTheDefaults) {
  const SettingsFileRead read = readSettingsFile(home.path());
  EXPECT_TRUE(read.ok());
  EXPECT_FALSE(read.exists);
  EXPECT_EQ(read.settings, ProgramSettings{});
  EXPECT_EQ(read.settings.values.number(Setting::IniS5TimeOut), 2000);
  EXPECT_EQ(read.settings.values.text(Setting::IniSchnittstelle), "COM2");
  EXPECT_EQ(settingsFilePath(home.path()), home / "TAVRIN.INI");
}

TEST_F(SettingsFileTest, FindsTheFileWhateverTheCaseOfItsName) {
  writeFile(home / "tavrin.ini", "[Sonstiges]\r\nAutor=Klein\r\n");
  EXPECT_EQ(settingsFilePath(home.path()), home / "tavrin.ini");
  EXPECT_EQ(readSettingsFile(home.path()).settings.values.text(Setting::IniAutor), "Klein");
}

TEST_F(SettingsFileTest, ReadsTheKeysTheRecentProjectsAndTheAdapterList) {
  writeFile(home / "projekte" / "A" / "A.PRJ", "[projekt]\r\nadressen=dezimal\r\n");
  writeFile(home / "projekte" / "C" / "C.PRJ", "[projekt]\r\nadressen=dezimal\r\n");
  const std::string a = (home / "projekte" / "A" / "A.PRJ").string();
  const std::string c = (home / "projekte" / "C" / "C.PRJ").string();
  writeFile(home / "TAVRIN.INI",
            "[Sonstiges]\r\nS5TimeOut=1500\r\nAnzBytesPaket=0\r\nAutor=Meier\r\n"
            "[TCP-IP]\r\nIP0=10.0.0.1\r\nIP1=\r\nIP2=10.0.0.2\r\nIP3=10.0.0.1\r\nIP5=10.0.0.5\r\n"
            "[LetzteProjekte]\r\nP1=" +
                a + "\r\nP2=/nicht/da/X.PRJ\r\nP3=" + c + "\r\n");
  const SettingsFileRead read = readSettingsFile(home.path());
  ASSERT_TRUE(read.ok());
  const ProgramSettings& settings = read.settings;
  EXPECT_EQ(settings.values.number(Setting::IniS5TimeOut), 2000);
  EXPECT_EQ(settings.values.number(Setting::IniAnzBytesPaket), std::nullopt);
  EXPECT_EQ(settings.values.text(Setting::IniAutor), "Meier");
  EXPECT_EQ(settings.adapterAddresses,
            (std::vector<std::string>{"10.0.0.1", "10.0.0.2", "10.0.0.5"}));
  EXPECT_EQ(settings.recentProjects.entries(), (std::vector<std::string>{a, c}));
}

TEST_F(SettingsFileTest, WritingChangesOnlyItsOwnKeys) {
  const std::string before =
      "; Tavrin-Einstellungen\r\n"
      "[Sonstiges]\r\n"
      "Autor=Meier\r\n"
      "ED=1\r\n"
      "EigenerSchluessel=von einem anderen Programm\r\n"
      "\r\n"
      "[TCP-IP]\r\n"
      "IP0=10.0.0.1\r\n"
      "IP4=10.0.0.4\r\n"
      "[Farben]\r\n"
      "; eigene Farben\r\n"
      "Anzahl=022\r\n"
      "Label Text Farbe=65280\r\n";
  writeFile(home / "TAVRIN.INI", before);
  SettingsFileRead read = readSettingsFile(home.path());
  ASSERT_TRUE(read.ok());

  // Written as read: the file stays byte for byte (the gap in the adapter list closes).
  ASSERT_TRUE(writeSettingsFile(home.path(), read.settings).ok());
  std::string expected = before;
  expected.replace(expected.find("IP4=10.0.0.4"), 12, "IP1=10.0.0.4");
  EXPECT_EQ(readFile(home / "TAVRIN.INI"), expected);

  ProgramSettings settings = read.settings;
  settings.values.setText(Setting::IniAutor, "Schulze");
  settings.values.setFlag(Setting::IniEd, false);  // read only: stays 1 in the file
  settings.values.setNumber(Setting::IniBreakpunktTextFarbe, 123);
  settings.adapterAddresses = {"192.168.1.7"};
  settings.recentProjects.moveToFront("A:\\ALT.PRJ");
  ASSERT_TRUE(writeSettingsFile(home.path(), settings).ok());
  EXPECT_EQ(readFile(home / "TAVRIN.INI"),
            "; Tavrin-Einstellungen\r\n"
            "[Sonstiges]\r\n"
            "Autor=Schulze\r\n"
            "ED=1\r\n"
            "EigenerSchluessel=von einem anderen Programm\r\n"
            "\r\n"
            "[TCP-IP]\r\n"
            "IP0=192.168.1.7\r\n"
            "[Farben]\r\n"
            "; eigene Farben\r\n"
            "Anzahl=022\r\n"
            "Label Text Farbe=65280\r\n"
            "Breakpunkt Text Farbe=123\r\n"
            "[LetzteProjekte]\r\n"
            "P1=A:\\ALT.PRJ\r\n");
  settings.values.setFlag(Setting::IniEd, true);  // as the file still has it
  EXPECT_EQ(readSettingsFile(home.path()).settings, settings);
}

TEST_F(SettingsFileTest, TheColourCountIsWrittenWithTheColours) {
  ProgramSettings settings;
  ASSERT_TRUE(writeSettingsFile(home.path(), settings).ok());
  EXPECT_EQ(readFile(home / "TAVRIN.INI"), "");
  settings.values.setNumber(Setting::IniFupHiFarbe, 255);
  ASSERT_TRUE(writeSettingsFile(home.path(), settings).ok());
  EXPECT_EQ(readFile(home / "TAVRIN.INI"), "[Farben]\r\nFUP-Hi-Farbe=255\r\nAnzahl=022\r\n");
}

TEST_F(SettingsFileTest, TheRecentListAloneIsWrittenWithoutTheOtherSettings) {
  writeFile(home / "TAVRIN.INI", "[Sonstiges]\r\nAutor=Meier\r\n");
  RecentProjects recent;
  recent.moveToFront("B:\\X.PRJ");
  ASSERT_TRUE(writeRecentProjects(home.path(), recent).ok());
  EXPECT_EQ(readFile(home / "TAVRIN.INI"),
            "[Sonstiges]\r\nAutor=Meier\r\n[LetzteProjekte]\r\nP1=B:\\X.PRJ\r\n");
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsNeverOverwritten) {
  // A directory in place of the file: it exists, but it cannot be read as a file.
  writeFile(home / "TAVRIN.INI" / "inhalt", "bleibt");
  const SettingsFileRead read = readSettingsFile(home.path());
  EXPECT_TRUE(read.exists);
  EXPECT_FALSE(read.ok());
  EXPECT_FALSE(writeSettingsFile(home.path(), read.settings).ok());
  EXPECT_FALSE(writeRecentProjects(home.path(), read.settings.recentProjects).ok());
  EXPECT_EQ(readFile(home / "TAVRIN.INI" / "inhalt"), "bleibt");
}

}  // namespace
}  // namespace tavrin::project
