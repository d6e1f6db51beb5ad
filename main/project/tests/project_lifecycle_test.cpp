#include "main/project/project_lifecycle.h"

#include <gtest/gtest.h>

#include "main/project/block_file_reader.h"
#include "main/project/project_contents.h"
#include "main/project/tests/project_session_fixture.h"
#include "outside/symtab/symtab32.h"

namespace tavrin::project {
namespace {

using namespace testing;
using platform::DialogEvent;
using Kind = DialogEvent::Kind;
namespace fs = std::filesystem;

const std::vector<DialogEvent> kHintFlashed = {{Kind::StatusText, msg::kOpenBlocksHint},
                                               {Kind::StatusText, ""},
                                               {Kind::StatusText, msg::kOpenBlocksHint},
                                               {Kind::StatusText, ""},
                                               {Kind::StatusText, msg::kOpenBlocksHint}};

using ProjectCreation = ProjectSessionTest;

TEST_F(ProjectCreation, ANewNameMakesADirectoryOfItsNameWithTheProjectFileInside) {
  ASSERT_TRUE(session.openOrCreateProject(work("NEU.PRJ")));
  const fs::path file = work("NEU/NEU.PRJ");
  EXPECT_EQ(readFile(file), kNewProjectFile);
  EXPECT_FALSE(fs::exists(work("NEU.PRJ")));
  EXPECT_TRUE(session.isOpen());
  EXPECT_EQ(session.projectFile(), file);
  EXPECT_EQ(session.projectDirectory(), work("NEU"));
  EXPECT_EQ(session.caption(), "Tavrin-S5 V1.77 - " + file.string());
  EXPECT_EQ(session.creationDate(), "05.03.2024");
  EXPECT_EQ(session.changeDate(), "05.03.2024");
  EXPECT_EQ(session.durationText(), "000:00");
  EXPECT_EQ(session.addressDisplay(), "dezimal");
  EXPECT_EQ(session.settings().recentProjects.entries(), std::vector<std::string>{file.string()});
  EXPECT_EQ(dialog.events(), kHintFlashed);
  EXPECT_EQ(windows.log, (std::vector<std::string>{"new block dialog", "pause 100", "pause 100",
                                                   "pause 100", "pause 100"}));
}

TEST_F(ProjectCreation, ANameWithoutExtensionGetsOneAndTheSystemColoursAreKept) {
  session.setSystemColours(true);
  ASSERT_TRUE(session.openOrCreateProject(work("Anlage")));
  EXPECT_EQ(session.projectFile(), work("Anlage/Anlage.PRJ"));
  EXPECT_EQ(session.project().values.text(Setting::PrjFarben), "Windows");
  EXPECT_TRUE(session.systemColours());
}

TEST_F(ProjectCreation, RefusalsLeaveEverythingAsItWas) {
  struct Case {
    std::string name;
    fs::path path;
    bool mayCreate;
    DialogEvent shown;
  };
  writeFile(work("LIES.TXT"), "[projekt]\r\nadressen=dezimal\r\n");
  writeFile(work("LEER.PRJ"), "; nur ein Kommentar\r\n");
  fs::create_directories(work("DA"));
  const std::string umlaut = work("M\xDCLL.PRJ").string();  // "MÜLL" in Windows-1252
  const Case cases[] = {
      {"given but missing",
       work("WEG.PRJ"),
       false,
       {Kind::Warning, withArgument(msg::kProjectFileGone, work("WEG.PRJ").string())}},
      {"not a project file",
       work("LIES.TXT"),
       true,
       {Kind::Warning, withArgument(msg::kNotAProjectFile, work("LIES.TXT").string())}},
      {"another extension, not there",
       work("NEU.TXT"),
       true,
       {Kind::Warning, withArgument(msg::kNotAProjectFile, work("NEU.TXT").string())}},
      {"no project keys",
       work("LEER.PRJ"),
       false,
       {Kind::Warning, withArgument(msg::kNotAProjectFile, work("LEER.PRJ").string())}},
      {"an umlaut in the path", umlaut, true, {Kind::Error, msg::kUmlautInProjectPath}},
      {"the directory exists", work("DA.PRJ"), true, {Kind::Error, msg::kProjectDirectoryExists}},
      {"no such directory",
       work("FEHLT/NEU.PRJ"),
       true,
       {Kind::Error, withArgument(msg::kCannotEnterProjectDirectory, work("FEHLT").string())}},
  };
  for (const Case& c : cases) {
    platform::ScriptedUserDialog& shown = dialog;
    const std::size_t before = shown.events().size();
    const bool opened =
        c.mayCreate ? session.openOrCreateProject(c.path) : session.openProject(c.path);
    EXPECT_FALSE(opened) << c.name;
    EXPECT_FALSE(session.isOpen()) << c.name;
    ASSERT_EQ(shown.events().size(), before + 1) << c.name;
    EXPECT_EQ(shown.events().back(), c.shown) << c.name;
  }
  // Nothing was created for any of them.
  std::vector<fs::path> entries;
  for (const auto& entry : fs::directory_iterator(workDir.path()))
    entries.push_back(entry.path().filename());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<fs::path>{"DA", "LEER.PRJ", "LIES.TXT"}));
  EXPECT_TRUE(fs::is_empty(work("DA")));
  EXPECT_TRUE(session.settings().recentProjects.entries().empty());
}

using ProjectRoundTrip = ProjectSessionTest;

TEST_F(ProjectRoundTrip, SavedClosedAndOpenedAgainTheProjectHasItsSettingsAndBlocks) {
  ASSERT_TRUE(session.openOrCreateProject(work("ANLAGE.PRJ")));
  struct Block {
    std::string name;
    std::vector<std::string> body;
  };
  const Block blocks[] = {
      {"OB001", {"0000      :SPA PB   1", "0001      :BE"}},
      {"PB001", {"0000      :U    E  1.0", "0001      :=    A  4.0", "0002      :BE"}},
      {"FB010", {"     NAME :MOTOR", "     ", "0000      :BE"}},
      {"DB002", {"0000      :KH = 00FF", "0001      :KF = +4"}},
  };
  std::vector<std::string> edited;
  for (const Block& block : blocks) {
    windows.openNewBlock(block.name, block.body);
    edited.push_back(blockFileText(windows.editors.back()));
  }

  ProjectFileData& data = session.project();
  data.values.setText(Setting::PrjFooterText21, "Anlage Halle 3");
  data.values.setText(Setting::PrjAdressen, "keine");
  data.values.setFlag(Setting::PrjZusatzAnzeigen, true);
  data.values.setNumber(Setting::PrjAgRefresh, 200);
  data.values.setText(Setting::PrjPaeLeiste, "EB000;EB001");
  data.specialFbs.set(200);
  data.desktop.statusVariables = {{"MW 10", "MW", 3, 10, 0, 0, 2}};
  data.desktop.forceVariables[1] = "A 4.0";
  data.desktop.ioMask.modules = {{IoModuleKind::DigitalInput, 0, {"Start", "Stop"}}};
  data.desktop.pcPorts = {true, {"EB032->0x340"}};
  clock.advance(3725'000);
  session.durationTick();

  ASSERT_TRUE(session.saveProject());
  EXPECT_EQ(dialog.texts(Kind::StatusMessage), std::vector<std::string>{msg::kProjectSaved});
  EXPECT_EQ(windows.log.back(), "save analog modules");
  const ProjectFileData saved = session.project();
  const fs::path file = session.projectFile();
  ASSERT_TRUE(session.closeProject());
  EXPECT_FALSE(session.isOpen());
  EXPECT_EQ(session.caption(), "Tavrin-S5 V1.77");

  ASSERT_TRUE(session.openProject(file));
  EXPECT_EQ(session.project(), saved);
  EXPECT_EQ(session.addressDisplay(), "keine");
  EXPECT_EQ(session.durationSeconds(), 3725);
  EXPECT_EQ(session.durationText(), "001:02");
  EXPECT_EQ(session.creationDate(), "05.03.2024");

  // Every block is there, as it was in its editor.
  const ProjectBlockSources sources = projectBlockSources(file);
  ASSERT_TRUE(sources.ok());
  EXPECT_EQ(sources.blockFiles,
            (std::vector<fs::path>{work("ANLAGE/DB002.AWL"), work("ANLAGE/FB010.AWL"),
                                   work("ANLAGE/OB001.AWL"), work("ANLAGE/PB001.AWL")}));
  for (std::size_t i = 0; i < std::size(blocks); ++i) {
    lang::AwlAscii read(blocks[i].name);
    platform::ScriptedUserDialog quiet;
    ASSERT_EQ(readBlockFile(read, quiet, nullptr, work("ANLAGE") / (blocks[i].name + ".AWL")),
              BlockReadStatus::Read)
        << blocks[i].name;
    EXPECT_EQ(blockFileText(read), edited[i]) << blocks[i].name;
  }
}

TEST_F(ProjectRoundTrip, AHandEditedProjectFileKeepsItsCommentsAndUnknownKeys) {
  const std::string original =
      "; Projekt von Hand gepflegt\r\n"
      "[projekt]\r\n"
      "adressen=dezimal\r\n"
      "; Farben wie immer\r\n"
      "farben=Tavrin\r\n"
      "Betreuer=Frau Meier\r\n"
      "[Sonstiges]\r\n"
      "Erstellt=01.02.2020\r\n"
      "Geaendert=03.04.2021\r\n"
      "ProjektDauerInSec=3600\r\n"
      "SonderFB0=FB5\r\n"
      "Eigenes=bleibt\r\n"
      "\r\n"
      "[Werkzeug]\r\n"
      "Pfad=/opt/werkzeug\r\n";
  const fs::path file = projectAt("HAND/HAND.PRJ", original);
  ASSERT_TRUE(session.openProject(file));
  EXPECT_EQ(session.creationDate(), "01.02.2020");
  EXPECT_TRUE(session.project().specialFbs.test(5));
  clock.advance(2500);
  session.durationTick();
  ASSERT_TRUE(session.saveProject());
  EXPECT_EQ(readFile(file),
            "; Projekt von Hand gepflegt\r\n"
            "[projekt]\r\n"
            "adressen=dezimal\r\n"
            "; Farben wie immer\r\n"
            "farben=Tavrin\r\n"
            "Betreuer=Frau Meier\r\n"
            "[Sonstiges]\r\n"
            "Erstellt=01.02.2020\r\n"
            "Geaendert=05.03.2024\r\n"
            "ProjektDauerInSec=3602\r\n"
            "SonderFB0=FB5\r\n"
            "Eigenes=bleibt\r\n"
            "\r\n"
            "[Werkzeug]\r\n"
            "Pfad=/opt/werkzeug\r\n"
            "[statusvariable]\r\n"
            "anzahlstatusvar=000\r\n"
            "[steuernvariable]\r\n"
            "variable000=\r\nvariable001=\r\nvariable002=\r\nvariable003=\r\nvariable004=\r\n"
            "[PCPorts]\r\n"
            "Anzahl=0\r\n"
            "Aktiv=0\r\n");
}

TEST_F(ProjectRoundTrip, AFailedSaveIsNotReportedAsDone) {
  const fs::path file = projectAt("P/P.PRJ", kMinimalProjectFile);
  ASSERT_TRUE(session.openProject(file));

  windows.failBlockSaving = true;
  EXPECT_FALSE(session.saveProject());
  EXPECT_TRUE(dialog.texts(Kind::StatusMessage).empty());
  // The project file is written all the same: only the block failed.
  EXPECT_NE(readFile(file).find("Geaendert=05.03.2024"), std::string::npos);

  windows.failBlockSaving = false;
  fs::remove(file);
  fs::create_directory(file);  // the project file cannot be read any more
  EXPECT_FALSE(session.saveProject());
  EXPECT_EQ(dialog.texts(Kind::Error), std::vector<std::string>{msg::kDesktopNotSaved});
  EXPECT_TRUE(dialog.texts(Kind::StatusMessage).empty());
  fs::remove(file);
}

using ProjectClosing = ProjectSessionTest;

TEST_F(ProjectClosing, AWindowThatStaysOpenKeepsTheProjectOpen) {
  const fs::path file = projectAt("P/P.PRJ",
                                  "[projekt]\r\nadressen=dezimal\r\n"
                                  "[Sonstiges]\r\nProjektDauerInSec=10\r\n");
  ASSERT_TRUE(session.openProject(file));
  session.currentBlockName = "PB001";
  session.referenceProject = work("REF/REF.PRJ");
  clock.advance(5000);
  session.durationTick();

  windows.keepAWindowOpen = true;
  EXPECT_FALSE(session.closeProject());
  EXPECT_TRUE(session.isOpen());
  // Opening another project closes this one first, and stops when it stays open.
  const fs::path other = projectAt("Q/Q.PRJ", kMinimalProjectFile);
  EXPECT_FALSE(session.openProject(other));
  EXPECT_EQ(session.projectFile(), file);

  windows.keepAWindowOpen = false;
  ASSERT_TRUE(session.openProject(other));
  EXPECT_EQ(session.projectFile(), other);
  EXPECT_TRUE(session.currentBlockName.empty());
  EXPECT_TRUE(session.referenceProject.empty());
  // Closing wrote how long the first project was open.
  EXPECT_EQ(readFile(file),
            "[projekt]\r\nadressen=dezimal\r\n[Sonstiges]\r\nProjektDauerInSec=15\r\n");
  EXPECT_EQ(session.settings().recentProjects.entries(),
            (std::vector<std::string>{other.string(), file.string()}));
}

TEST_F(ProjectClosing, AProjectFileThatIsGoneIsNotMadeAnewByClosing) {
  const fs::path file = projectAt("P/P.PRJ", kMinimalProjectFile);
  ASSERT_TRUE(session.openProject(file));
  fs::remove(file);
  EXPECT_TRUE(session.closeProject());
  EXPECT_FALSE(fs::exists(file));
}

using ProjectSymbols = ProjectSessionTest;

TEST_F(ProjectSymbols, TheSymbolFileIsLoadedWithTheProjectAndFreedWhenItCloses) {
  writeFile(work("S/symbole.seq"), "\tE 1.0\tSTART\tTaster\n\tA 4.0\tMOTOR\t\n\x1A");
  const fs::path file =
      projectAt("S/S.PRJ",
                "[projekt]\r\nadressen=dezimal\r\n[Symbolik]\r\nSymbolikAktiv=1\r\n"
                "AutomatischeKommentierung=1\r\nSymbolikDatei=SYMBOLE.SEQ\r\n");
  ASSERT_TRUE(session.openProject(file));
  EXPECT_EQ(session.symbolFile(), work("S/symbole.seq"));
  EXPECT_TRUE(session.showSymbols());
  EXPECT_TRUE(session.autoComment());
  EXPECT_EQ(std::string(GetSymbolikDatei()), work("S/symbole.seq").string());
  EXPECT_EQ(GetAnzahlSymbole(), 2);
  EXPECT_STREQ(GetOperandVonSymbol("MOTOR"), "A 4.0");

  ASSERT_TRUE(session.closeProject());
  EXPECT_STREQ(GetSymbolikDatei(), "");
  EXPECT_EQ(GetAnzahlSymbole(), 0);
  EXPECT_FALSE(session.showSymbols());
}

TEST_F(ProjectSymbols, AMissingSymbolFileSwitchesSymbolsOffWithoutChangingTheProject) {
  const fs::path file =
      projectAt("S/S.PRJ",
                "[projekt]\r\nadressen=dezimal\r\n[Symbolik]\r\nSymbolikAktiv=1\r\n"
                "AutomatischeKommentierung=1\r\nSymbolikDatei=WEG.SEQ\r\n");
  ASSERT_TRUE(session.openProject(file));
  EXPECT_FALSE(session.showSymbols());
  EXPECT_FALSE(session.autoComment());
  EXPECT_STREQ(GetSymbolikDatei(), "");
  ASSERT_TRUE(session.saveProject());
  EXPECT_NE(readFile(file).find("SymbolikAktiv=1\r\nAutomatischeKommentierung=1\r\n"),
            std::string::npos);
}

using RecentProjectList = ProjectSessionTest;

TEST_F(RecentProjectList, OpeningMovesAProjectToTheFrontAndAGoneOneLeavesTheList) {
  const fs::path a = projectAt("A/A.PRJ", kMinimalProjectFile);
  const fs::path b = projectAt("B/B.PRJ", kMinimalProjectFile);
  ASSERT_TRUE(session.openProject(a));
  ASSERT_TRUE(session.openProject(b));
  ASSERT_TRUE(session.openProject(a));
  EXPECT_EQ(session.settings().recentProjects.entries(),
            (std::vector<std::string>{a.string(), b.string()}));

  ASSERT_TRUE(session.openRecentProject(1));
  EXPECT_EQ(session.projectFile(), b);
  EXPECT_FALSE(session.openRecentProject(2));

  fs::remove_all(work("A"));
  const std::size_t before = dialog.events().size();
  EXPECT_FALSE(session.openRecentProject(1));
  EXPECT_EQ(dialog.events().at(before),
            (DialogEvent{Kind::Warning, withArgument(msg::kProjectFileGone, a.string())}));
  EXPECT_EQ(session.settings().recentProjects.entries(), std::vector<std::string>{b.string()});
}

TEST_F(RecentProjectList, TheProgramEndWritesTheListAndTheSettingsWhenAskedTo) {
  writeFile(home / "TAVRIN.INI", "[Sonstiges]\r\nAutor=Meier\r\n");
  ASSERT_TRUE(session.readSettings());
  const fs::path a = projectAt("A/A.PRJ", kMinimalProjectFile);
  ASSERT_TRUE(session.openProject(a));
  session.settings().values.setText(Setting::IniAutor, "Schulze");

  ASSERT_TRUE(session.endProgram().ok());
  EXPECT_EQ(readFile(home / "TAVRIN.INI"),
            "[Sonstiges]\r\nAutor=Meier\r\n[LetzteProjekte]\r\nP1=" + a.string() + "\r\n");

  session.settings().values.setFlag(Setting::IniTavrinIniSichern, true);
  ASSERT_TRUE(session.endProgram().ok());
  EXPECT_EQ(readFile(home / "TAVRIN.INI"),
            "[Sonstiges]\r\nAutor=Schulze\r\nTavrinIniSichern=1\r\n"
            "[LetzteProjekte]\r\nP1=" +
                a.string() + "\r\n");
}

TEST_F(RecentProjectList, SettingsThatCouldNotBeReadAreNotOverwritten) {
  writeFile(home / "TAVRIN.INI" / "inhalt", "bleibt");  // a directory where the file belongs
  EXPECT_FALSE(session.readSettings());
  EXPECT_FALSE(session.writeSettings().ok());
  EXPECT_FALSE(session.endProgram().ok());
  EXPECT_EQ(readFile(home / "TAVRIN.INI" / "inhalt"), "bleibt");
}

using DesktopSave = ProjectSessionTest;

TEST_F(DesktopSave, WritesTheOpenEditorsAndSaysWhenItCannot) {
  const fs::path file = projectAt("P/P.PRJ", kMinimalProjectFile);
  ASSERT_TRUE(session.openProject(file));
  ASSERT_TRUE(session.saveDesktop({{"PB001", 0, 0, 640, 480, false, true, true, 0.5},
                                   {"OB001", 10, 10, 300, 200, true, false, false, 0.25}}));
  EXPECT_EQ(readFile(file), std::string(kMinimalProjectFile) +
                                "[editoren]\r\nEditorenAnzahl=2\r\n"
                                "Editor 0=PB001,0,0,640,480,NoIcon,IsZoomed,IsTop,0.50000\r\n"
                                "Editor 1=OB001,10,10,300,200,IsIcon,NotZoomed,NotTop,0.25000\r\n");
  fs::remove(file);
  fs::create_directory(file);
  EXPECT_FALSE(session.saveDesktop({}));
  EXPECT_EQ(dialog.texts(Kind::Error), std::vector<std::string>{msg::kDesktopNotSaved});
  fs::remove(file);
}

}  // namespace
}  // namespace tavrin::project
