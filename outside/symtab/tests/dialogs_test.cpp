// The operations behind the settings, new-symbol and find dialogs, with scripted answers.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "outside/symtab/symbol_dialogs.h"
#include "outside/symtab/tests/symtab_fixture.h"
#include "platform/cp1252.h"
#include "platform/scripted_user_dialog.h"

namespace symtab_test {
namespace {

using namespace tavrin::platform::literals;
using tavrin::platform::DialogAnswer;
using tavrin::platform::DialogEvent;
using tavrin::platform::ScriptedUserDialog;
using tavrin::symtab::SearchOptions;
using tavrin::symtab::SymbolAnswer;
using tavrin::symtab::SymbolSettings;
using Kind = DialogEvent::Kind;

// The symbol form with scripted entries; it records what it was shown. Out of entries, it
// cancels.
class ScriptedForm final : public tavrin::symtab::SymbolAnswerSource {
 public:
  void enter(std::string symbol, std::string comment) {
    entries_.push_back(SymbolAnswer{std::move(symbol), std::move(comment)});
  }
  std::optional<SymbolAnswer> enterSymbol(std::string_view operand,
                                          const SymbolAnswer& proposal) override {
    shown.push_back(std::string(operand) + "|" + proposal.symbol + "|" + proposal.comment);
    if (entries_.empty()) return std::nullopt;
    SymbolAnswer next = entries_.front();
    entries_.pop_front();
    return next;
  }
  std::vector<std::string> shown;

 private:
  std::deque<SymbolAnswer> entries_;
};

const std::string kOffer =
    "Für den Operanden \"E 1.0\" ist kein Symbol vorhanden.\n"
    "Soll ein Symbol angelegt werden ?\n\n"
    "(Abbrechen: nicht mehr nachfragen)"_cp1252;

class NewSymbolTest : public SymtabTest {
 protected:
  ScriptedUserDialog dialog;
  ScriptedForm form;
  bool askAgain = true;
};

TEST_F(NewSymbolTest, YesAndAnEntryCreateTheSymbol) {
  dialog.scriptAnswer(DialogAnswer::Yes);
  form.enter(" START_TASTER ", "Starttaster");
  EXPECT_TRUE(tavrin::symtab::offerNewSymbol(dialog, form, "e1.0", askAgain));
  EXPECT_TRUE(askAgain);
  EXPECT_EQ(dialog.events(), (std::vector<DialogEvent>{{Kind::Question, kOffer}}));
  EXPECT_EQ(form.shown, std::vector<std::string>{"E 1.0||"});
  EXPECT_STREQ(GetSymbolVonOperand("E 1.0", 0), "START_TASTER");
  EXPECT_STREQ(GetKommentarVonOperand("E 1.0", 0), "Starttaster");
  EXPECT_EQ(IstSymbolikGeaendert(), 1);
}

TEST_F(NewSymbolTest, NoCreatesNothingAndCancelStopsTheOffers) {
  dialog.scriptAnswer(DialogAnswer::No);
  EXPECT_FALSE(tavrin::symtab::offerNewSymbol(dialog, form, "E 1.0", askAgain));
  EXPECT_TRUE(askAgain);
  dialog.scriptAnswer(DialogAnswer::Cancel);
  EXPECT_FALSE(tavrin::symtab::offerNewSymbol(dialog, form, "E 1.0", askAgain));
  EXPECT_FALSE(askAgain);
  // No more questions now.
  EXPECT_FALSE(tavrin::symtab::offerNewSymbol(dialog, form, "E 1.0", askAgain));
  EXPECT_EQ(dialog.texts(Kind::Question).size(), 2u);
  EXPECT_EQ(dialog.unexpectedQuestions(), 0u);
  EXPECT_TRUE(form.shown.empty());
  EXPECT_EQ(GetAnzahlSymbole(), 0);
}

TEST_F(NewSymbolTest, CancellingTheFormCreatesNothing) {
  dialog.scriptAnswer(DialogAnswer::Yes);
  EXPECT_FALSE(tavrin::symtab::offerNewSymbol(dialog, form, "E 1.0", askAgain));
  EXPECT_EQ(form.shown.size(), 1u);
  EXPECT_EQ(GetAnzahlSymbole(), 0);
}

TEST_F(NewSymbolTest, BadEntriesAreReportedAndTheFormOpensAgain) {
  ASSERT_EQ(SymbolAnlegen("E 1.1", "BELEGT", ""), 1);
  dialog.scriptAnswer(DialogAnswer::Yes);
  form.enter("MW10", "erst");
  form.enter("belegt", "dann");
  form.enter("GUT", std::string(81, 'k'));
  form.enter("GUT", "endlich");
  EXPECT_TRUE(tavrin::symtab::offerNewSymbol(dialog, form, "E 1.0", askAgain));
  EXPECT_EQ(form.shown, (std::vector<std::string>{"E 1.0||", "E 1.0|MW10|erst", "E 1.0|belegt|dann",
                                                  "E 1.0|GUT|" + std::string(81, 'k')}));
  const std::vector<std::string> warnings = dialog.texts(Kind::Warning);
  ASSERT_EQ(warnings.size(), 3u);
  EXPECT_EQ(warnings[0].rfind("Das Symbol \"MW10\" ist ungültig !"_cp1252, 0), 0u) << warnings[0];
  EXPECT_EQ(warnings[1], "Das Symbol \"belegt\" ist bereits vorhanden !");
  EXPECT_EQ(warnings[2], "Der Kommentar ist zu lang oder enthält Steuerzeichen !"_cp1252);
  EXPECT_STREQ(GetSymbolVonOperand("E 1.0", 0), "GUT");
}

TEST_F(NewSymbolTest, AnOperandWithSymbolIsOfferedForChangeWithoutQuestion) {
  ASSERT_EQ(SymbolAnlegen("MW 10", "WERT", "alt"), 1);
  form.enter("WERT", "neu");
  EXPECT_TRUE(tavrin::symtab::offerNewSymbol(dialog, form, "MW10", askAgain));
  EXPECT_TRUE(dialog.events().empty());
  EXPECT_EQ(form.shown, std::vector<std::string>{"MW 10|WERT|alt"});
  EXPECT_STREQ(GetKommentarVonOperand("MW 10", 0), "neu");
}

TEST_F(NewSymbolTest, ANonOperandIsReported) {
  EXPECT_FALSE(tavrin::symtab::offerNewSymbol(dialog, form, "KF +5", askAgain));
  EXPECT_EQ(
      dialog.events(),
      (std::vector<DialogEvent>{{Kind::Warning, "\"KF +5\" ist kein absoluter S5-Operand !"}}));
}

class SettingsTest : public SymtabTest {
 protected:
  SymbolSettings settings(const std::string& file, bool on) const {
    return {file.empty() ? "" : at(file), on, on, true, true};
  }
  ScriptedUserDialog dialog;
};

TEST_F(SettingsTest, AnExistingFileIsSelectedAndLoaded) {
  writeFile("s.seq", "\tE 1.0\tSTART\t\n\x1A");
  const SymbolSettings chosen = settings("s.seq", true);
  EXPECT_EQ(tavrin::symtab::applySymbolSettings(dialog, chosen), chosen);
  EXPECT_TRUE(dialog.events().empty());
  EXPECT_EQ(std::string(GetSymbolikDatei()), at("s.seq"));
  EXPECT_EQ(GetAnzahlSymbole(), 1);
}

TEST_F(SettingsTest, WithoutFileSymbolsAndCommentsAreSwitchedOff) {
  const SymbolSettings result = tavrin::symtab::applySymbolSettings(dialog, settings("", true));
  EXPECT_FALSE(result.showSymbols);
  EXPECT_FALSE(result.autoComment);
  EXPECT_TRUE(result.replaceOldComment);
  EXPECT_TRUE(result.askNewSymbols);
  EXPECT_EQ(dialog.texts(Kind::Information).size(), 1u);
}

TEST_F(SettingsTest, AMissingFileIsCreatedOnYes) {
  dialog.scriptAnswer(DialogAnswer::Yes);
  const SymbolSettings chosen = settings("neu.seq", true);
  EXPECT_EQ(tavrin::symtab::applySymbolSettings(dialog, chosen), chosen);
  EXPECT_EQ(dialog.texts(Kind::Question),
            std::vector<std::string>{"Die Symbolikdatei\n" + at("neu.seq") +
                                     "\nist nicht vorhanden.\n\nSoll sie neu angelegt werden ?"});
  EXPECT_EQ(readFile("neu.seq"), "\x1A");
}

TEST_F(SettingsTest, AMissingFileNotCreatedSwitchesOff) {
  dialog.scriptAnswer(DialogAnswer::No);
  const SymbolSettings result =
      tavrin::symtab::applySymbolSettings(dialog, settings("neu.seq", true));
  EXPECT_FALSE(result.showSymbols);
  EXPECT_FALSE(result.autoComment);
  EXPECT_FALSE(exists("neu.seq"));
  // Without symbols and comments nothing is asked.
  const SymbolSettings off = settings("neu.seq", false);
  EXPECT_EQ(tavrin::symtab::applySymbolSettings(dialog, off), off);
  EXPECT_EQ(dialog.texts(Kind::Question).size(), 1u);
}

TEST_F(SettingsTest, AFileThatFailsToLoadIsReported) {
  writeFile("bad.seq", "\tE 1.0\tA\tB\tC\n\x1A");
  const SymbolSettings result =
      tavrin::symtab::applySymbolSettings(dialog, settings("bad.seq", true));
  EXPECT_FALSE(result.showSymbols);
  EXPECT_FALSE(result.autoComment);
  const std::vector<std::string> errors = dialog.texts(Kind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].rfind("Fehlerhafte SEQ-Datei (Zu viele Tabs) ! (Zeile 1)", 0), 0u)
      << errors[0];
}

TEST_F(SettingsTest, LinesSetAsideAreAWarning) {
  writeFile("w.seq", "\tE 1.0\tSTART\t\n\tE 1.1\tMW10\t\n\x1A");
  const SymbolSettings chosen = settings("w.seq", true);
  EXPECT_EQ(tavrin::symtab::applySymbolSettings(dialog, chosen), chosen);
  EXPECT_EQ(dialog.texts(Kind::Warning).size(), 1u);
}

TEST(Search, AnEmptySearchTextIsRefused) {
  ScriptedUserDialog dialog;
  EXPECT_FALSE(tavrin::symtab::confirmSearch(dialog, SearchOptions{"  "}));
  EXPECT_EQ(dialog.texts(Kind::Information).size(), 1u);
  EXPECT_TRUE(tavrin::symtab::confirmSearch(dialog, SearchOptions{"MOTOR"}));
  EXPECT_EQ(dialog.events().size(), 1u);
}

TEST(Search, FindsWithTheOptions) {
  using tavrin::symtab::findInLine;
  const std::string line = "E 1.0  MOTOR_1  Motor 1 ein; motor";
  EXPECT_EQ(findInLine(line, 0, {"motor"}), 7u);
  EXPECT_EQ(findInLine(line, 8, {"motor"}), 16u);
  EXPECT_EQ(findInLine(line, 0, {"motor", true}), 29u);
  EXPECT_EQ(findInLine(line, 0, {"MOTOR", false, true}), 16u);
  EXPECT_EQ(findInLine(line, 40, {"motor", false, false, true}), 29u);
  EXPECT_EQ(findInLine(line, 28, {"motor", false, false, true}), 16u);
  EXPECT_EQ(findInLine(line, 6, {"motor", false, false, true}), std::nullopt);
  EXPECT_EQ(findInLine(line, 0, {"pumpe"}), std::nullopt);
  EXPECT_EQ(findInLine("Füllstand"_cp1252, 0, {"FÜLL"_cp1252}), 0u);
  EXPECT_EQ(findInLine("kurz", 0, {"viel zu lang"}), std::nullopt);
}

}  // namespace
}  // namespace symtab_test
