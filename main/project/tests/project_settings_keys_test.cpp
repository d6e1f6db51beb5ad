#include "main/project/project_settings_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "main/project/settings_values.h"
#include "platform/ascii_case.h"
#include "platform/ini_document.h"

namespace tavrin::project {
namespace {

using platform::IniDocument;

std::string lower(std::string_view text) {
  std::string out;
  for (char c : text)
    out += platform::asciiToLower(c);
  return out;
}

// A document holding one key.
IniDocument withKey(const SettingsKey& key, std::string_view value) {
  IniDocument document;
  EXPECT_TRUE(document.writeString(key.section, key.key, value));
  return document;
}

std::optional<int> readNumber(Setting setting, std::string_view raw) {
  const SettingsKey& key = settingsKey(setting);
  return SettingsValues::read(withKey(key, raw), key.file).number(setting);
}

TEST(SettingsKeyIndex, EachKeyOncePerFileAndEveryListHasItsIndices) {
  std::set<std::string> seen;
  for (const SettingsKey& key : settingsKeys()) {
    const std::string name = std::to_string(static_cast<int>(key.file)) + "/" + lower(key.section) +
                             "/" + lower(key.key);
    EXPECT_TRUE(seen.insert(name).second) << "twice: " << name;
    const bool numberedKey = key.key.find('%') != std::string_view::npos;
    const bool numberedSection = key.section.find('%') != std::string_view::npos;
    EXPECT_EQ(numberedKey, key.keyIndex.used()) << name;
    EXPECT_EQ(numberedSection, key.sectionIndex.used()) << name;
    EXPECT_EQ(key.kind == ValueKind::Entry, numberedKey) << name;
    if (key.holder == KeyHolder::Values) {
      EXPECT_FALSE(numberedKey || numberedSection) << name;
    }
  }
  EXPECT_EQ(seen.size(), kSettingCount);
}

TEST(SettingsKeyIndex, FindsSingleKeysWithoutRegardToCase) {
  EXPECT_EQ(findSetting(SettingsFile::Program, "sonstiges", "s5timeout"), Setting::IniS5TimeOut);
  EXPECT_EQ(findSetting(SettingsFile::Project, "Sonstiges", "Erstellt"), Setting::PrjErstellt);
  // The same section and key in the other file is another key, or none.
  EXPECT_EQ(findSetting(SettingsFile::Project, "Sonstiges", "S5TimeOut"), std::nullopt);
  EXPECT_EQ(findSetting(SettingsFile::Program, "FUPKOP", "FupKopDarstellung"),
            Setting::IniFupKopDarstellung);
  EXPECT_EQ(findSetting(SettingsFile::Project, "FUPKOP", "FupKopDarstellung"),
            Setting::PrjFupKopDarstellung);
  // Numbered keys are not single keys.
  EXPECT_EQ(findSetting(SettingsFile::Program, "LetzteProjekte", "P%d"), std::nullopt);
}

TEST(SettingsKeyIndex, NamesTheFooterTextsAndColoursInOrder) {
  const char* footer[] = {"text11", "text12", "text13", "text21", "text22", "text23",
                          "text31", "text32", "text33", "text41", "text42", "text43"};
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(settingsKey(kFooterTexts[i]).key, footer[i]);
    EXPECT_EQ(settingsKey(kFooterTexts[i]).section, "schriftfuss");
  }
  const auto first = static_cast<std::size_t>(kFirstColour);
  EXPECT_EQ(settingsKey(static_cast<Setting>(first)).key, "AWL Text Farbe");
  EXPECT_EQ(settingsKey(static_cast<Setting>(first + kColourCount - 1)).key, "FUP-Hi-Farbe");
  for (std::size_t i = 0; i < kColourCount; ++i)
    EXPECT_EQ(settingsKey(static_cast<Setting>(first + i)).kind, ValueKind::Colour);
}

TEST(IndexedNames, FormAndRecogniseNumberedNames) {
  struct Case {
    std::string_view pattern;
    int index;
    std::string_view name;
  };
  const Case cases[] = {
      {"P%d", 1, "P1"},
      {"Editor %d", 12, "Editor 12"},
      {"variable%03u", 7, "variable007"},
      {"variable%03u", 1234, "variable1234"},
      {"Text%03uZeile2", 126, "Text126Zeile2"},
      {"steckplatz%03u", 0, "steckplatz000"},
      {"Analog%u", 3, "Analog3"},
      {"SonderFB%d", 255, "SonderFB255"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(indexedName(c.pattern, c.index), c.name);
    EXPECT_EQ(matchIndexedName(c.pattern, c.name), c.index) << c.name;
  }
  EXPECT_EQ(indexedName("Erstellt", 3), "Erstellt");

  struct Match {
    std::string_view pattern;
    std::string_view name;
    std::optional<int> index;
  };
  const Match matches[] = {
      {"P%d", "p3", 3},
      {"P%d", "P03", 3},
      {"P%d", "P", std::nullopt},
      {"P%d", "PX", std::nullopt},
      {"P%d", "P1a", std::nullopt},
      {"Editor %d", "Editor3", std::nullopt},
      {"Text%03uZeile1", "text004zeile1", 4},
      {"Text%03uZeile1", "Text004Zeile2", std::nullopt},
      {"P%d", "P12345678901", std::nullopt},
      {"Erstellt", "Erstellt", std::nullopt},
  };
  for (const Match& m : matches)
    EXPECT_EQ(matchIndexedName(m.pattern, m.name), m.index) << m.pattern << " " << m.name;
}

// The ranges as their users rely on them, with the values worked out by hand.
TEST(SettingsKeyRanges, ReadEachRangedKeyAsItsRuleSays) {
  struct Case {
    Setting setting;
    std::optional<std::string_view> raw;  // nothing: the key is missing
    std::optional<int> expected;
  };
  const Case cases[] = {
      {Setting::IniS5TimeOut, "1500", 2000},
      {Setting::IniS5TimeOut, "1999", 2000},
      {Setting::IniS5TimeOut, "2000", 2000},
      {Setting::IniS5TimeOut, "3500 ms", 3500},
      {Setting::IniS5TimeOut, "5000", 5000},
      {Setting::IniS5TimeOut, "5001", 2000},
      {Setting::IniS5TimeOut, "schnell", 2000},
      {Setting::IniS5TimeOut, std::nullopt, 2000},
      {Setting::IniS5TimeOutStatus, "2", 800},
      {Setting::IniS5TimeOutStatus, "3", 3},
      {Setting::IniS5TimeOutStatus, "5000", 5000},
      {Setting::IniS5TimeOutStatus, "5001", 800},
      {Setting::IniS5TimeOutStatus, std::nullopt, 800},
      {Setting::IniMaxAnzahlBstZeilenStatus, "500", 30},
      {Setting::IniMaxAnzahlBstZeilenStatus, "2", 30},
      {Setting::IniMaxAnzahlBstZeilenStatus, "200", 200},
      {Setting::IniMaxAnzahlBstZeilenStatus, std::nullopt, 30},
      {Setting::IniAnzBytesPaket, "0", std::nullopt},
      {Setting::IniAnzBytesPaket, "1", 1},
      {Setting::IniAnzBytesPaket, "1999", 1999},
      {Setting::IniAnzBytesPaket, "2000", std::nullopt},
      {Setting::IniAnzBytesPaket, std::nullopt, std::nullopt},
      {Setting::IniCharDelay, "499", 499},
      {Setting::IniCharDelay, "500", std::nullopt},
      {Setting::IniPaketDelay, "799", 799},
      {Setting::IniPaketDelay, "800", std::nullopt},
      {Setting::IniMaxKompriZeitSec, "6", std::nullopt},  // 6000 ms do not exceed 6000
      {Setting::IniMaxKompriZeitSec, "7", 7},
      {Setting::IniMaxKompriZeitSec, "2147484", std::nullopt},  // too many milliseconds
      {Setting::IniBaudrate, std::nullopt, 9600},
      {Setting::IniBaudrate, "19200", 19200},
      {Setting::IniDbFormat, std::nullopt, std::nullopt},
      {Setting::IniDbFormat, "3", 3},
      {Setting::IniSimulator, std::nullopt, 1},
      {Setting::IniSimulator, "0", 0},
      {Setting::PrjProjektDauerInSec, "-5", 0},
      {Setting::PrjProjektDauerInSec, "3725", 3725},
      {Setting::PrjProjektDauerInSec, std::nullopt, 0},
      {Setting::PrjSimRefresh, std::nullopt, 0},
      {Setting::PrjAgRefresh, std::nullopt, 50},
      {Setting::PrjAgRefresh, "", 50},
      {Setting::PrjAgRefresh, "70000", 50},
      {Setting::PrjAgRefresh, "65535", 65535},
      {Setting::PrjBpEnablen, std::nullopt, 1},
      {Setting::PrjZusatzAnzeigen, std::nullopt, 0},
      {Setting::IniLabelTextFarbe, std::nullopt, 255},
      {Setting::IniFbParameterTextfarbe, std::nullopt, 0xFF0000},
      {Setting::IniBreakpunktTextFarbe, std::nullopt, 0x00FFFF},
      {Setting::IniLabelTextFarbe, "16777216", 255},
      {Setting::IniLabelTextFarbe, "65280", 65280},
      {Setting::IniAwlTextFarbe, std::nullopt, std::nullopt},  // a system colour
  };
  for (const Case& c : cases) {
    const SettingsKey& key = settingsKey(c.setting);
    const IniDocument document = c.raw ? withKey(key, *c.raw) : IniDocument();
    EXPECT_EQ(SettingsValues::read(document, key.file).number(c.setting), c.expected)
        << key.section << "/" << key.key << " = " << c.raw.value_or("(missing)");
  }
}

// Every ranged key of the index: its limits read as themselves, one beyond them as its rule
// says, and a missing key as its default.
TEST(SettingsKeyRanges, EveryRangedKeyKeepsItsLimitsAndRefusesWhatLiesBeyond) {
  int ranged = 0;
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    const auto setting = static_cast<Setting>(i);
    const SettingsKey& key = settingsKey(setting);
    if (key.holder != KeyHolder::Values || key.rule == RangeRule::None ||
        key.kind == ValueKind::Margin)
      continue;
    ++ranged;
    const std::optional<int> fallback = key.rule == RangeRule::DefaultOutside
                                            ? platform::parseLeadingInt(key.defaultValue)
                                            : std::nullopt;
    const std::string name = std::string(key.section) + "/" + std::string(key.key);
    EXPECT_EQ(readNumber(setting, std::to_string(key.minimum)), key.minimum) << name;
    EXPECT_EQ(readNumber(setting, std::to_string(key.maximum)), key.maximum) << name;
    EXPECT_EQ(readNumber(setting, std::to_string(static_cast<long long>(key.minimum) - 1)),
              fallback)
        << name;
    if (key.maximum < 2147483647) {
      EXPECT_EQ(readNumber(setting, std::to_string(key.maximum + 1)), fallback) << name;
    }
    EXPECT_EQ(SettingsValues::read(IniDocument(), key.file).number(setting),
              platform::parseLeadingInt(key.defaultValue))
        << name;
  }
  EXPECT_GE(ranged, 15);
}

TEST(SettingsKeyRanges, MarginsCountOnlyAsWholeNumbersUpToNinety) {
  struct Case {
    Setting setting;
    std::optional<std::string_view> raw;
    double expected;
  };
  const Case cases[] = {
      {Setting::IniLinkerRand, std::nullopt, 30}, {Setting::IniRechterRand, std::nullopt, 10},
      {Setting::IniObererRand, std::nullopt, 10}, {Setting::IniUntererRand, std::nullopt, 20},
      {Setting::IniLinkerRand, "12.5", 12.5},     {Setting::IniLinkerRand, "0", 0},
      {Setting::IniLinkerRand, "90.000000", 90},  {Setting::IniLinkerRand, "90.5", 30},
      {Setting::IniLinkerRand, "12mm", 30},       {Setting::IniLinkerRand, "-1", 30},
      {Setting::IniLinkerRand, "", 30},
  };
  for (const Case& c : cases) {
    const SettingsKey& key = settingsKey(c.setting);
    const IniDocument document = c.raw ? withKey(key, *c.raw) : IniDocument();
    EXPECT_DOUBLE_EQ(SettingsValues::read(document, key.file).margin(c.setting), c.expected)
        << key.key << " = " << c.raw.value_or("(missing)");
  }
}

TEST(SettingsKeyTexts, TextsAreCutToTheirLengthAndFlagsReadAsNumbers) {
  struct Case {
    Setting setting;
    std::optional<std::string_view> raw;
    std::string_view expected;
  };
  const std::string longAuthor(60, 'A');
  const Case cases[] = {
      {Setting::IniAutor, longAuthor, std::string_view(longAuthor).substr(0, 50)},
      {Setting::IniAutor, std::nullopt, ""},
      {Setting::IniAgDatei, "S5-115U-CPU944.AG.zu.lang", "S5-115U-CPU944.AG.z"},
      {Setting::IniSchnittstelle, std::nullopt, "COM2"},
      {Setting::IniSchnittstelle, "/dev/ttyUSB0", "/dev/ttyUSB0"},
      {Setting::IniTcpPort, std::nullopt, "7777"},
      {Setting::IniTcpTimeOutStr, std::nullopt, "10000"},
      {Setting::IniPaeFont, std::nullopt, "FixedSys"},
      {Setting::IniAwlFont, std::nullopt, "Courier New"},
      {Setting::PrjAdressen, std::nullopt, "dezimal"},
      {Setting::PrjPaeLeiste, std::nullopt, "EB000;EB001;EB002;EB003;EB032;EB033"},
      {Setting::PrjZusatzLeiste, "", ""},  // an empty bar takes its default when it is built
      {Setting::PrjErstellt, "01.02.2024 und mehr", "01.02.2024"},
      {Setting::IniTavrinIniSichern, "7", "1"},
      {Setting::IniTavrinIniSichern, "ja", "0"},
      {Setting::IniVirtualMemWarning, "0", "0"},
  };
  for (const Case& c : cases) {
    const SettingsKey& key = settingsKey(c.setting);
    const IniDocument document = c.raw ? withKey(key, *c.raw) : IniDocument();
    EXPECT_EQ(SettingsValues::read(document, key.file).text(c.setting), c.expected) << key.key;
  }
  EXPECT_EQ(systemColourName(Setting::IniAwlTextFarbe), "WindowText");
  EXPECT_EQ(systemColourName(Setting::IniMarkierungHintergrundFarbe), "Highlight");
  EXPECT_EQ(systemColourName(Setting::IniLabelTextFarbe), std::nullopt);
}

TEST(SettingsValuesWrite, WritesWhatIsStoredAndKeepsEveryOtherByte) {
  const std::string before =
      "; Einstellungen von Hand\r\n"
      "[Sonstiges]\r\n"
      "Autor=Alt\r\n"
      "S5TimeOut=1500\r\n"
      "Unbekannt=bleibt\r\n"
      "ED=1\r\n"
      "DruckerStdSchrift=1\r\n"
      "\r\n"
      "; Ende\r\n";
  const IniDocument parsed = IniDocument::parse(before);
  SettingsValues values = SettingsValues::read(parsed, SettingsFile::Program);
  EXPECT_TRUE(values.flag(Setting::IniEd));
  EXPECT_EQ(values.number(Setting::IniS5TimeOut), 2000);

  IniDocument unchanged = parsed;
  EXPECT_TRUE(values.writeTo(unchanged));
  EXPECT_EQ(unchanged.bytes(), before);  // nothing set: not a byte changes

  EXPECT_TRUE(values.setText(Setting::IniAutor, "Neu"));
  EXPECT_TRUE(values.setNumber(Setting::IniCharDelay, 12));
  EXPECT_FALSE(values.setNumber(Setting::IniCharDelay, 500));     // outside: refused, 12 stays
  EXPECT_FALSE(values.setFlag(Setting::PrjSymbolikAktiv, true));  // the project file's key
  EXPECT_TRUE(values.setFlag(Setting::IniEd, false));             // read only: never written
  EXPECT_TRUE(values.setMargin(Setting::IniLinkerRand, 25));
  IniDocument written = parsed;
  EXPECT_TRUE(values.writeTo(written));
  EXPECT_EQ(written.bytes(),
            "; Einstellungen von Hand\r\n"
            "[Sonstiges]\r\n"
            "Autor=Neu\r\n"
            "S5TimeOut=1500\r\n"
            "Unbekannt=bleibt\r\n"
            "ED=1\r\n"
            "DruckerStdSchrift=1\r\n"
            "CharDelay=12\r\n"
            "\r\n"
            "; Ende\r\n"
            "[DruckRaender]\r\n"
            "LinkerRand=25.000000\r\n");
  EXPECT_EQ(SettingsValues::read(written, SettingsFile::Program).margin(Setting::IniLinkerRand),
            25);
}

TEST(SettingsValuesWrite, AValueWithALineBreakIsRefusedByTheFileNotLost) {
  SettingsValues values(SettingsFile::Program);
  EXPECT_TRUE(values.setText(Setting::IniAutor, "zwei\nZeilen"));
  EXPECT_TRUE(values.setText(Setting::IniAgDatei, "S5-115U.AG"));
  IniDocument document;
  EXPECT_FALSE(values.writeTo(document));
  EXPECT_EQ(document.find("Sonstiges", "AG-Datei"), "S5-115U.AG");
  EXPECT_EQ(document.find("Sonstiges", "Autor"), std::nullopt);
}

}  // namespace
}  // namespace tavrin::project
