#include <gtest/gtest.h>

#include <sstream>

#include "platform/cp1252.h"
#include "platform/scripted_user_dialog.h"
#include "platform/stderr_user_dialog.h"

namespace tavrin::platform {
namespace {

using Kind = DialogEvent::Kind;

TEST(ScriptedUserDialog, AnswersFromTheScriptAndRecordsEverythingInOrder) {
  const std::string translating = "Übersetzen"_cp1252;
  const std::string overwrite = "Baustein überschreiben?"_cp1252;
  ScriptedUserDialog script;
  script.scriptAnswer(DialogAnswer::Yes);
  script.scriptAnswer(DialogAnswer::Cancel);
  script.scriptAnswer(DialogAnswer::No);
  UserDialog& dialog = script;

  dialog.SetWaitCursor(true);
  dialog.SetStatusText(translating);
  EXPECT_TRUE(dialog.AskYesNo(overwrite));
  EXPECT_EQ(dialog.AskYesNoCancel("Speichern?"), DialogAnswer::Cancel);
  EXPECT_FALSE(dialog.AskYesNo("Weiter?"));
  dialog.ShowMessage("Fertig", MessageKind::Information);
  dialog.ShowMessage("Achtung", MessageKind::Warning);
  dialog.ShowMessage("Fehler", MessageKind::Error);
  dialog.ShowStatusMessage("3 Bausteine");
  dialog.SetWaitCursor(false);

  const std::vector<DialogEvent> expected = {
      {Kind::WaitCursorOn, ""},
      {Kind::StatusText, translating},
      {Kind::Question, overwrite},
      {Kind::Question, "Speichern?"},
      {Kind::Question, "Weiter?"},
      {Kind::Information, "Fertig"},
      {Kind::Warning, "Achtung"},
      {Kind::Error, "Fehler"},
      {Kind::StatusMessage, "3 Bausteine"},
      {Kind::WaitCursorOff, ""},
  };
  EXPECT_EQ(script.events(), expected);
  EXPECT_EQ(script.unexpectedQuestions(), 0u);
  EXPECT_EQ(script.remainingAnswers(), 0u);
  EXPECT_FALSE(script.waitCursor());
  EXPECT_EQ(script.texts(Kind::Question).size(), 3u);
}

TEST(ScriptedUserDialog, AQuestionWithoutAnAnswerIsRecordedAndAnsweredHarmlessly) {
  const std::string erase = "Löschen?"_cp1252;
  ScriptedUserDialog script;
  EXPECT_FALSE(script.AskYesNo(erase));
  EXPECT_EQ(script.AskYesNoCancel("Speichern?"), DialogAnswer::Cancel);

  script.scriptAnswer(DialogAnswer::Cancel);  // AskYesNo cannot give it
  EXPECT_FALSE(script.AskYesNo("Ersetzen?"));
  EXPECT_EQ(script.remainingAnswers(), 1u);

  EXPECT_EQ(script.unexpectedQuestions(), 3u);
  EXPECT_EQ(script.texts(Kind::UnexpectedQuestion),
            (std::vector<std::string>{erase, "Speichern?", "Ersetzen?"}));
}

TEST(ScriptedUserDialog, EscapeIsPressedAfterTheScriptedNumberOfPolls) {
  ScriptedUserDialog script;
  EXPECT_FALSE(script.EscapePressed());
  script.pressEscapeAfter(2);
  EXPECT_FALSE(script.EscapePressed());
  EXPECT_FALSE(script.EscapePressed());
  EXPECT_TRUE(script.EscapePressed());
  EXPECT_TRUE(script.EscapePressed());
}

TEST(StderrUserDialog, PrintsInUtf8AndAnswersWithItsDefault) {
  std::ostringstream out;
  StderrUserDialog dialog(out, DialogAnswer::Yes);
  dialog.ShowMessage("Größe\r\nzweite Zeile"_cp1252, MessageKind::Error);
  dialog.ShowMessage("Hinweis", MessageKind::Information);
  dialog.ShowMessage("Vorsicht", MessageKind::Warning);
  EXPECT_TRUE(dialog.AskYesNo("Überschreiben?"_cp1252));
  EXPECT_EQ(dialog.AskYesNoCancel("Speichern?"), DialogAnswer::Yes);
  dialog.ShowStatusMessage("Gespeichert");
  EXPECT_FALSE(dialog.EscapePressed());
  EXPECT_EQ(out.str(),
            "error: Größe\nzweite Zeile\n"
            "Hinweis\n"
            "warning: Vorsicht\n"
            "Überschreiben? -> yes\n"
            "Speichern? -> yes\n"
            "Gespeichert\n");
}

TEST(StderrUserDialog, CancelMeansNoToAYesNoQuestion) {
  std::ostringstream out;
  StderrUserDialog dialog(out, DialogAnswer::Cancel);
  EXPECT_FALSE(dialog.AskYesNo("Weiter?"));
  EXPECT_EQ(dialog.AskYesNoCancel("Speichern?"), DialogAnswer::Cancel);
  EXPECT_EQ(out.str(), "Weiter? -> no\nSpeichern? -> cancel\n");
}

TEST(StderrUserDialog, PrintsThePermanentStatusTextOnlyWhenItChanges) {
  std::ostringstream out;
  StderrUserDialog dialog(out, DialogAnswer::No);
  dialog.SetStatusText("AG: RUN");
  dialog.SetStatusText("AG: RUN");
  dialog.SetStatusText("");
  dialog.SetStatusText("AG: STOP");
  EXPECT_EQ(out.str(), "AG: RUN\nAG: STOP\n");
}

TEST(StderrUserDialog, AQuietDialogLeavesOutTheStatusTextButNotTheMessages) {
  std::ostringstream out;
  StderrUserDialog dialog(out, DialogAnswer::No, false);
  dialog.SetStatusText("Lade Baustein 'PB001' ...");
  dialog.ShowStatusMessage("Achtung");
  dialog.ShowMessage("kaputt", MessageKind::Warning);
  EXPECT_EQ(out.str(), "Achtung\nwarning: kaputt\n");
}

}  // namespace
}  // namespace tavrin::platform

namespace tavrin::platform {
namespace {

TEST(ScriptedUserDialogSeries, AllIsAnAnswerOnlyForSeriesQuestions) {
  ScriptedUserDialog script;
  script.scriptAnswer(DialogAnswer::All);
  EXPECT_EQ(script.AskYesNoCancel("Speichern?"), DialogAnswer::Cancel) << "a three-answer question";
  EXPECT_EQ(script.unexpectedQuestions(), 1u);
  EXPECT_EQ(script.AskYesNoAllCancel("Ueberschreiben?"), DialogAnswer::All);
  script.ShowTitledMessage("Fehler", "Tabellenindex", MessageKind::Error);
  EXPECT_EQ(script.titles(), std::vector<std::string>{"Fehler"});
  EXPECT_EQ(script.texts(DialogEvent::Kind::Error), std::vector<std::string>{"Tabellenindex"});
}

}  // namespace
}  // namespace tavrin::platform
