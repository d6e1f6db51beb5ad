#include "main/project/project_desktop.h"

#include <gtest/gtest.h>

#include "main/project/project_file.h"
#include "platform/ini_document.h"

namespace tavrin::project {
namespace {

using platform::IniDocument;

TEST(EditorEntries, AreWrittenInTheirFixedFormat) {
  struct Case {
    EditorWindowEntry editor;
    std::string_view text;
  };
  const Case cases[] = {
      {{"PB001", 10, 20, 410, 320, false, false, true, 0.5},
       "PB001,10,20,410,320,NoIcon,NotZoomed,IsTop,0.50000"},
      {{"FB010", -5, 0, 100, 80, true, false, false, 0.123456},
       "FB010,-5,0,100,80,IsIcon,NotZoomed,NotTop,0.12346"},
      {{"DB002", 0, 0, 1, 1, false, true, false, 1.0},
       "DB002,0,0,1,1,NoIcon,IsZoomed,NotTop,1.00000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(formatEditorEntry(c.editor), c.text);
}

TEST(EditorEntries, ReplaceTheLastDesktopAndKeepWhatElseStandsInTheSection) {
  IniDocument document = IniDocument::parse(
      "[editoren]\r\n"
      "; von Hand\r\n"
      "EditorenAnzahl=3\r\n"
      "Editor 0=OB001,0,0,1,1,NoIcon,NotZoomed,IsTop,0.50000\r\n"
      "Editor 1=PB001,0,0,1,1,NoIcon,NotZoomed,NotTop,0.50000\r\n"
      "Editor 2=PB002,0,0,1,1,NoIcon,NotZoomed,NotTop,0.50000\r\n"
      "Fremd=bleibt\r\n");
  EXPECT_TRUE(writeEditorEntries(document, {{"FB001", 1, 2, 3, 4, false, false, true, 0.25}}));
  EXPECT_EQ(document.bytes(),
            "[editoren]\r\n"
            "; von Hand\r\n"
            "EditorenAnzahl=1\r\n"
            "Editor 0=FB001,1,2,3,4,NoIcon,NotZoomed,IsTop,0.25000\r\n"
            "Fremd=bleibt\r\n");
  EXPECT_TRUE(writeEditorEntries(document, {}));
  EXPECT_EQ(document.bytes(), "[editoren]\r\n; von Hand\r\nEditorenAnzahl=0\r\nFremd=bleibt\r\n");
}

TEST(StatusVariables, FormatAndParseTheirEntries) {
  struct Case {
    StatusVariable variable;
    std::string_view text;
  };
  const Case cases[] = {
      {{"MW 10", "MW", 3, 10, 0, 0, 2}, "MW 10-MW-003-10-0-0-2"},
      {{"DB5-DW3", "DW", 12, 3, 5, 1, 4}, "DB5-DW3-DW-012-3-5-1-4"},  // '-' in the entry text
      {{"", "", 0, 0, 0, 0, 0}, "--000-0-0-0-0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(formatStatusVariable(c.variable), c.text);
    EXPECT_EQ(parseStatusVariable(c.text), c.variable) << c.text;
  }
  for (std::string_view bad : {"MW 10", "MW-003-10-0-0-2", "A-B-1-2-3-4-x", "A-B-1-2-3--4"})
    EXPECT_EQ(parseStatusVariable(bad), std::nullopt) << bad;
}

ProjectDesktop sampleDesktop() {
  ProjectDesktop desktop;
  desktop.statusVariables = {{"MW 10", "MW", 3, 10, 0, 0, 2}, {"E 1.0", "E", 1, 1, 0, 0, 0}};
  desktop.forceVariables = {"A 4.0", "", "MW 20", "", ""};
  IoModule input;
  input.kind = IoModuleKind::DigitalInput;
  input.address = 32;
  input.labels = {"Start", "Stop", "", "", "", "", "", "Not-Aus"};
  IoModule display;
  display.kind = IoModuleKind::BcdDisplay;
  display.address = 40;
  desktop.ioMask.modules = {input, display};
  desktop.ioMask.textDisplay = IoTextDisplay{33, {{"Zeile 1", "Zeile 2"}, {"", "nur unten"}}};
  desktop.pcPorts = {true, {"EB032->0x340", "AB033->0x341"}};
  return desktop;
}

TEST(ProjectDesktopFile, ReadsBackWhatWasWritten) {
  IniDocument document;
  const ProjectDesktop desktop = sampleDesktop();
  EXPECT_TRUE(writeProjectDesktop(document, desktop));
  EXPECT_EQ(readProjectDesktop(document), desktop);
  // The file as the other functions and older versions read it.
  EXPECT_EQ(document.find("statusvariable", "anzahlstatusvar"), "002");
  EXPECT_EQ(document.find("statusvariable", "variable001"), "E 1.0-E-001-1-0-0-0");
  EXPECT_EQ(document.find("steuernvariable", "variable001"), "");
  EXPECT_EQ(document.find("steuernvariable", "variable002"), "MW 20");
  EXPECT_EQ(document.find("steckplatz000", "baugruppe"), "11");
  EXPECT_EQ(document.find("steckplatz000", "Text007"), "Not-Aus");
  EXPECT_EQ(document.find("steckplatz001", "adresse"), "40");
  EXPECT_EQ(document.find("steckplatz001", "Text000"), std::nullopt);  // not a digital module
  EXPECT_EQ(document.find("textanzeige", "Text001Zeile2"), "nur unten");
  EXPECT_EQ(document.find("textanzeige", "adresse"), "33");
  EXPECT_EQ(document.find("PCPorts", "Anzahl"), "2");
  EXPECT_EQ(document.find("PCPorts", "V1"), "EB032->0x340");
}

TEST(ProjectDesktopFile, ReadsHandEditedSectionsByTheirRules) {
  const IniDocument document = IniDocument::parse(
      "[statusvariable]\nanzahlstatusvar=002\nvariable000=MW 10-MW-003-10-0-0-2\n"
      "variable001=kaputt\nvariable002=E 1.0-E-001-1-0-0-0\n"  // beyond the count
      "[steuernvariable]\nvariable004=A 1.0\nvariable005=zu viel\n"
      "[steckplatz000]\nbaugruppe=13\nadresse=300\nText000=keine Beschriftung\n"
      "[steckplatz001]\nbaugruppe=99\n"  // no module kind: not configured
      "[steckplatz003]\nbaugruppe=12\nadresse=5\nText002=" +
      std::string(30, 'L') +
      "\n[textanzeige]\nText000Zeile1=Hallo;\nText002Zeile2=Welt\n"
      "[PCPorts]\nAktiv=1\nV1=EB032->0x340\nV3=PY100->0x300\n");
  const ProjectDesktop desktop = readProjectDesktop(document);
  ASSERT_EQ(desktop.statusVariables.size(), 1u);  // the unreadable one is passed over
  EXPECT_EQ(desktop.statusVariables[0].text, "MW 10");
  EXPECT_EQ(desktop.forceVariables,
            (std::array<std::string, kForceSlotCount>{"", "", "", "", "A 1.0"}));
  ASSERT_EQ(desktop.ioMask.modules.size(), 2u);
  EXPECT_EQ(desktop.ioMask.modules[0].kind, IoModuleKind::BcdDisplay);
  EXPECT_EQ(desktop.ioMask.modules[0].address, 0);  // 300 is no byte address
  EXPECT_EQ(desktop.ioMask.modules[0].labels[0], "");
  EXPECT_EQ(desktop.ioMask.modules[1].kind, IoModuleKind::DigitalOutput);
  EXPECT_EQ(desktop.ioMask.modules[1].labels[2], std::string(20, 'L'));
  ASSERT_TRUE(desktop.ioMask.textDisplay);
  ASSERT_EQ(desktop.ioMask.textDisplay->records.size(), 3u);
  EXPECT_EQ(desktop.ioMask.textDisplay->records[0][0], "Hallo");
  EXPECT_EQ(desktop.ioMask.textDisplay->records[2][1], "Welt");
  EXPECT_TRUE(desktop.pcPorts.active);
  EXPECT_EQ(desktop.pcPorts.links, (std::vector<std::string>{"EB032->0x340", "PY100->0x300"}));
}

TEST(ProjectDesktopFile, AShorterDesktopRemovesOnlyTheKeysItNoLongerHas) {
  IniDocument document = IniDocument::parse(
      "[statusvariable]\r\n; Liste\r\nanzahlstatusvar=003\r\n"
      "variable000=A-A-001-0-0-0-0\r\nvariable001=B-B-001-0-0-0-0\r\n"
      "variable002=C-C-001-0-0-0-0\r\nKommentar=eigener\r\n"
      "[steckplatz001]\r\n; Platz 1\r\nbaugruppe=11\r\nadresse=1\r\nText000=x\r\nFarbe=rot\r\n");
  ProjectDesktop desktop;
  desktop.statusVariables = {{"B", "B", 1, 0, 0, 0, 0}};
  EXPECT_TRUE(writeProjectDesktop(document, desktop));
  const std::string bytes = document.bytes();
  EXPECT_NE(bytes.find("[statusvariable]\r\n; Liste\r\nanzahlstatusvar=001\r\n"
                       "variable000=B-B-001-0-0-0-0\r\nKommentar=eigener\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_NE(bytes.find("[steckplatz001]\r\n; Platz 1\r\nFarbe=rot\r\n"), std::string::npos)
      << bytes;
  EXPECT_EQ(readProjectDesktop(document), desktop);
}

TEST(SpecialFbs, ReadUntilTheFirstGapAndWriteInAscendingOrder) {
  const IniDocument document = IniDocument::parse(
      "[Sonstiges]\nErstellt=01.01.2024\nSonderFB0=FB12\nSonderFB1=FB300\nSonderFB2=FB7\n"
      "SonderFB4=FB9\n");
  std::bitset<256> expected;
  expected.set(12);
  expected.set(7);
  EXPECT_EQ(readSpecialFbs(document), expected);
  EXPECT_EQ(readSpecialFbs(IniDocument::parse("[Sonstiges]\nSonderFB0=FB1\nSonderFB2=FB2\n")),
            std::bitset<256>().set(1));
  EXPECT_EQ(readSpecialFbs(IniDocument::parse("[Sonstiges]\nSonderFB0=FX1\nSonderFB1=FB2\n")),
            std::bitset<256>());

  IniDocument written = document;
  writeSpecialFbs(written, expected);
  EXPECT_EQ(written.bytes(), "[Sonstiges]\nErstellt=01.01.2024\nSonderFB0=FB7\nSonderFB1=FB12\n");
  EXPECT_EQ(readSpecialFbs(written), expected);
}

}  // namespace
}  // namespace tavrin::project
