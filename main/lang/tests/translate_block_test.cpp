// The block driver: whole blocks from the simulated controller into statement-list text, and
// back through the compiler to the same words.
#include "main/lang/translate_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/lang/compiler.h"
#include "main/lang/controller_blocks.h"
#include "main/lang/lang_messages.h"
#include "main/lang/tests/block_text_fixture.h"
#include "platform/cp1252.h"
#include "simcore/simcore32.h"

namespace tavrin::lang {
namespace {

using platform::DialogEvent;
using platform::literals::operator""_cp1252;
using testing::blockText;
using testing::blockWords;
using testing::ControllerBlocksTest;
using testing::trimmedLines;

constexpr uint16_t kPb1 = 0x0401;
constexpr uint16_t kFb10 = 0x080A;

uint16_t s5High(float value) {
  return static_cast<uint16_t>(S5AG_FloatToS5Long(value) >> 16);
}
uint16_t s5Low(float value) {
  return static_cast<uint16_t>(S5AG_FloatToS5Long(value) & 0xFFFF);
}

const std::vector<std::string> kHeaderLines = {
    "Kommentar :", "Autor     :", "Erstellt  :            Geaendert am:            BIB:0", "",
    "NETZWERK   1"};

// The header lines and then `body`.
std::vector<std::string> textLines(std::vector<std::string> body) {
  std::vector<std::string> lines = kHeaderLines;
  lines.insert(lines.end(), body.begin(), body.end());
  return lines;
}

// FB 10 "BEISPIEL" with EIN1 (E BI) and WERT (D KF).
AwlAscii fb10() {
  return blockText("FB010",
                   {"     NAME :BEISPIEL", "     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI",
                    "     BEZ  :WERT      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KF", "",
                    ":U   =EIN1", ":L   =WERT", ":BE"});
}

// SPB FB 10 with the actual parameters E 1.0 and KF +5.
const std::vector<uint16_t> kCallOfFb10 = {0x1D0A, 0x2D03, 0xC001, 0x0005, 0x6500};

class TranslateBlockTest : public ControllerBlocksTest {
 protected:
  std::vector<std::string> errors() const { return dialog_.texts(DialogEvent::Kind::Error); }
  std::vector<std::string> warnings() const { return dialog_.texts(DialogEvent::Kind::Warning); }
};

TEST_F(TranslateBlockTest, ACallWithItsNameAndParameters) {
  compileAndStore(fb10());
  ASSERT_EQ(store(blockWords(kPb1, kCallOfFb10)), 0);
  const AwlAscii text = translated("PB001");
  EXPECT_EQ(trimmedLines(text),
            textLines({"0000      :SPB FB 10", "0001 NAME :BEISPIEL", "0002 EIN1 >    E  1.0",
                       "0003 WERT >    KF +5", "0004      :BE"}));
  EXPECT_EQ(compiled(text), stored(kPb1));
  EXPECT_TRUE(warnings().empty());
}

TEST_F(TranslateBlockTest, ACallOfAMissingBlock) {
  ASSERT_EQ(store(blockWords(kPb1, kCallOfFb10)), 0);
  const AwlAscii text = translated("PB001");
  EXPECT_EQ(trimmedLines(text),
            textLines({"0000      :SPB FB 10", "0001 NAME :FB/FX war nicht vorhanden !",
                       "0002 ???? >    KH C001", "0003 ???? >    KH 0005", "0004      :BE"}));
  EXPECT_EQ(compiled(text), stored(kPb1));
  EXPECT_EQ(warnings(), std::vector<std::string>{
                            "Der Baustein \"PB001\" ist nicht vollständig übersetzbar,\nda der "
                            "aufgerufene \"FB010\" nicht vorhanden ist !"_cp1252});
}

TEST_F(TranslateBlockTest, AMissingCalledBlockIsLoadedWhenTheProgramCan) {
  ASSERT_EQ(store(blockWords(kPb1, kCallOfFb10)), 0);
  TranslateOptions options;
  std::vector<BlockId> asked;
  options.loadCalledBlock = [&](BlockId id) {
    asked.push_back(id);
    compileAndStore(fb10());
    return true;
  };
  const AwlAscii text = translated("PB001", options);
  EXPECT_EQ(asked, std::vector<BlockId>{kFb10});
  EXPECT_EQ(trimmedLines(text)[6], "0001 NAME :BEISPIEL");
  EXPECT_TRUE(warnings().empty());
}

TEST_F(TranslateBlockTest, BlocksFromAnS5dFileAreTranslatedWithoutMessageAndLabels) {
  ASSERT_EQ(store(blockWords(kPb1, {0x3D0A, 0x2D01, 0x2DFF, 0x6500})), 0);
  TranslateFlags flags;
  flags.fromS5d = true;
  const AwlAscii text = translated("PB001", {}, flags);
  EXPECT_TRUE(warnings().empty());
  EXPECT_EQ(trimmedLines(text)[7], "0002      :SPA =  >-1");
}

TEST_F(TranslateBlockTest, TheCallsOwnJumpSaysHowManyParametersFollow) {
  compileAndStore(fb10());  // two parameters in the header
  struct Case {
    const char* what;
    std::vector<uint16_t> body;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a call with one parameter word",
       {0x3D0A, 0x2D02, 0xC001, 0x6500},
       {"0000      :SPA FB 10", "0001 NAME :BEISPIEL", "0002 EIN1 >    E  1.0", "0003      :BE"}},
      {"a call with three parameter words",
       {0x3D0A, 0x2D04, 0xC001, 0x0005, 0x1234, 0x6500},
       {"0000      :SPA FB 10", "0001 NAME :BEISPIEL", "0002 EIN1 >    E  1.0",
        "0003 WERT >    KF +5", "0004 ???? >    KH 1234", "0005      :BE"}},
      {"a call without parameters",
       {0x3D0A, 0x2D01, 0xC002, 0x6500},
       {"0000      :SPA FB 10", "0001 NAME :BEISPIEL", "0002      :U   E  2.0", "0003      :BE"}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(store(blockWords(kPb1, c.body)), 0);
    const AwlAscii text = translated("PB001");
    EXPECT_EQ(trimmedLines(text), textLines(c.lines)) << c.what;
    EXPECT_EQ(compiled(text), stored(kPb1)) << c.what;
  }
}

TEST_F(TranslateBlockTest, ParametersThatTheirKindCannotShow) {
  // FB 11 with a timer, a block, an E BY and a D KZ parameter; each gets a word of another kind.
  compileAndStore(blockText(
      "FB011",
      {"     NAME :ARTEN", "     BEZ  :ZEIT      E/A/D/B/T/Z: T",
       "     BEZ  :BAUS      E/A/D/B/T/Z: B", "     BEZ  :BYTE      E/A/D/B/T/Z: E  BI/BY/W/D: BY",
       "     BEZ  :ZAHL      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KZ",
       "     BEZ  :GLEI      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KG", "", ":BE"}));
  ASSERT_EQ(store(blockWords(
                kPb1, {0x3D0B, 0x2D07, 0x0205, 0x200A, 0x4A85, 0x0012, s5High(12.5f), s5Low(12.5f),
                       0x3D0B, 0x2D06, 0xC001, 0xF805, 0xF805, 0x0ABC, 0x0000, 0x6500})),
            0);
  const AwlAscii text = translated("PB001");
  const std::vector<std::string> expected =
      textLines({"0000      :SPA FB 11", "0001 NAME :ARTEN", "0002 ZEIT >    T  5",
                 "0003 BAUS >    DB 10", "0004 BYTE >    AB 5", "0005 ZAHL >    KZ 012",
                 "0006 GLEI >    KG +1250000+02", "0008      :SPA FB 11", "0009 NAME :ARTEN",
                 "000A ZEIT >    KH C001",  // no timer, counter or block
                 "000B BAUS >    KH F805",
                 "000C BYTE >    KH F805",  // U T 5 is no load of an operand
                 "000D ZAHL >    KH 0ABC",  // no BCD number
                 "000E GLEI >    KH 0000",  // the last word cannot be a KG pair
                 "000F      :BE"});
  EXPECT_EQ(trimmedLines(text), expected);
  EXPECT_EQ(compiled(text), stored(kPb1));
}

TEST_F(TranslateBlockTest, AFunctionBlockWithoutParametersStillHasItsNameLine) {
  ASSERT_EQ(store(blockWords(
                0x0805, {0x2D05, 'L' << 8 | 'E', 'E' << 8 | 'R', 0x2020, 0x2020, 0xC001, 0x6500})),
            0);
  const AwlAscii text = translated("FB005");
  EXPECT_EQ(trimmedLines(text),
            textLines({"     NAME :LEER", "", "0005      :U   E  1.0", "0006      :BE"}));
  EXPECT_EQ(compiled(text), stored(0x0805));
}

TEST_F(TranslateBlockTest, SpecialBlocksShowRawWordsAfterTheirHeader) {
  compileAndStore(
      blockText("FB020", {"     NAME :SONDER", "     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI",
                          "", ":U   E  1.0", ":SPA =  >-1", ":BE"}));
  TranslateOptions options;
  options.specialFbs.set(20);
  const AwlAscii text = translated("FB020", options);
  EXPECT_EQ(trimmedLines(text),
            textLines({"     NAME :SONDER", "     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI",
                       "", "0008      :KH     C001", "0009      :KH     2DFF", "000A      :BE"}));
  EXPECT_EQ(compiled(text), stored(0x0814));

  // A sequence block that starts with a jump is raw from its first word.
  ASSERT_EQ(store(blockWords(0x0201, {0x2D02, 0xC001, 0x6500})), 0);
  EXPECT_EQ(trimmedLines(translated("SB001")),
            textLines({"0000      :KH     2D02", "0001      :KH     C001", "0002      :BE"}));
}

TEST_F(TranslateBlockTest, AfterAnAsmWithAnUnknownCodeTheWordsAreRaw) {
  struct Case {
    const char* what;
    std::vector<uint16_t> body;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"an unknown code",
       {0x7808, 0x0005, 0xC001, 0x6500},
       {"0000      :ASM KH 5", "0002      :KH     C001", "0003      :BE"}},
      {"a known code",
       {0x7808, 0xAA00, 0xC001, 0x6500},
       {"0000      :KH     7808", "0001      :KH     AA00", "0002      :U   E  1.0",
        "0003      :BE"}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(store(blockWords(kPb1, c.body)), 0);
    const AwlAscii text = translated("PB001");
    EXPECT_EQ(trimmedLines(text), textLines(c.lines)) << c.what;
    EXPECT_EQ(compiled(text), stored(kPb1)) << c.what;
  }
}

TEST_F(TranslateBlockTest, TheTextEndsAtTheBeBehindTheFurthestJumpTarget) {
  struct Case {
    const char* what;
    std::vector<uint16_t> body;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a BE that a jump passes",
       {0xFA02, 0x6500, 0xC001, 0x6500, 0xC002},
       {"0000      :SPB =  M001", "0001      :BE", "0002 M001 :U   E  1.0", "0003      :BE"}},
      {"code behind the BE that no jump reaches",
       {0xC001, 0x6500, 0xC002, 0x6500},
       {"0000      :U   E  1.0", "0001      :BE"}},
      {"BEB and BEA do not end the text",
       {0x0500, 0x6501, 0xC001, 0x6500},
       {"0000      :BEB", "0001      :BEA", "0002      :U   E  1.0", "0003      :BE"}},
      {"a block without BE gets one", {0xC001}, {"0000      :U   E  1.0", "0001      :BE"}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(store(blockWords(kPb1, c.body)), 0);
    EXPECT_EQ(trimmedLines(translated("PB001")), textLines(c.lines)) << c.what;
  }
}

TEST_F(TranslateBlockTest, JumpLabelsAndNetworks) {
  ASSERT_EQ(store(blockWords(kPb1, {0x3004, 0x0001, 0x2DFE, 0x10FF, 0xC001, 0x2DFB, 0x2D00, 0x600C,
                                    0x0001, 0x6500})),
            0);
  const AwlAscii text = translated("PB001");
  EXPECT_EQ(trimmedLines(text),
            textLines({"0000 M001 :L   KF +1", "0002      :SPA =  M001", "0003      :***", "",
                       "NETZWERK   2", "0004      :U   E  1.0",
                       "0005      :SPA =  >-5",  // a target in another network keeps the distance
                       "0006 M002 :SPA =  M002", "0007      :SPS =  M003", "0009 M003 :BE"}));
  EXPECT_EQ(compiled(text), stored(kPb1));
}

TEST_F(TranslateBlockTest, AWordWithoutRowEndsTheTextWithTheErrorLines) {
  struct Case {
    const char* name;
    uint16_t id;
    std::string message;
  };
  const std::string message =
      "Nicht übersetztbarer MC5-Code in %s SazOfs: 0001\nMC5Code Vorher :C001\nMC5Code "
      "(fehlerhaft) :6502\nMC5Code Nachher:C002"_cp1252;
  const Case cases[] = {
      {"PB001", kPb1, "PB001"},
      {"FB002", 0x0802, "FB002"},
  };
  for (const Case& c : cases) {
    dialog_ = {};
    ASSERT_EQ(store(blockWords(c.id, {0xC001, 0x6502, 0xC002, 0x6500})), 0);
    AwlAscii text;
    TranslateOptions options;
    options.dialog = &dialog_;
    EXPECT_EQ(TranslateBlock(text, c.name, {}, options), TranslateResult::ShownUntranslatable);
    EXPECT_EQ(trimmedLines(text),
              textLines({"0000      :U   E  1.0", "          :; Fehler beim Disassemblieren",
                         "          :; Befehl nicht erkannt !", "00FF      :BE"}))
        << c.name;
    std::string expected = message;
    expected.replace(expected.find("%s"), 2, c.message);
    if (c.id >> 8 == 0x08) expected += msg::kSpecialFbHint;
    EXPECT_EQ(errors(), std::vector<std::string>{expected}) << c.name;
  }
}

TEST_F(TranslateBlockTest, BlocksThatCannotBeShown) {
  AwlAscii text;
  TranslateOptions options;
  options.dialog = &dialog_;
  EXPECT_EQ(TranslateBlock(text, "PB009", {}, options), TranslateResult::NotShown);
  EXPECT_EQ(errors(), std::vector<std::string>{
                          "Statusfenster wird geschlossen,\nda der anzuzeigende Baustein 'PB009' "
                          "nicht vorhanden ist!"});

  bool prepared = false;
  options.prepare = [&](BlockId id) {
    prepared = id == kPb1;
    return false;
  };
  EXPECT_EQ(TranslateBlock(text, "PB001", {}, options), TranslateResult::NotShown);
  EXPECT_TRUE(prepared);
  prepared = false;
  ASSERT_EQ(store(blockWords(kPb1, {0x6500})), 0);
  TranslateFlags fetched;
  fetched.fetched = true;
  EXPECT_EQ(TranslateBlock(text, "PB001", fetched, options), TranslateResult::Shown);
  EXPECT_FALSE(prepared) << "a block just fetched is not prepared again";
}

TEST_F(TranslateBlockTest, ShowingABlockLeavesTheControllersMemoryAsItIs) {
  ASSERT_EQ(store(blockWords(kPb1, {0x3000, 0x0012, 0x6500})), 0);
  const std::vector<uint16_t> before = stored(kPb1);
  const AwlAscii text = translated("PB001");
  EXPECT_EQ(trimmedLines(text)[5], "0000      :L   KH 0012");
  EXPECT_EQ(stored(kPb1), before);
}

TEST_F(TranslateBlockTest, TheLibraryNumberAndTheStatusBar) {
  AwlAscii block = blockText("PB003", {":BE"});
  block.replaceLine(2, "Erstellt  :01.01.2026  Geaendert am:01.01.2026  BIB:70000");
  compileAndStore(block);
  const AwlAscii text = translated("PB003");
  EXPECT_EQ(trimmedLines(text)[2], "Erstellt  :            Geaendert am:            BIB:70000");
  EXPECT_EQ(compiled(text), stored(0x0403));
  EXPECT_EQ(dialog_.texts(DialogEvent::Kind::StatusText),
            (std::vector<std::string>{"Disassembliere Baustein [PB003] ...", ""}));
}

// Symbols in place of operands, as the symbol table inserts them.
class InputSymbols final : public LineSymbols {
 public:
  bool showingSymbols() const override { return true; }
  bool removeSymbol(std::string& line) const override { return replace(line, "-EIN", "E  1.0"); }
  bool insertSymbol(std::string& line) const override { return replace(line, "E  1.0", "-EIN"); }
  bool offerNewSymbol(std::string_view) override { return false; }

 private:
  static bool replace(std::string& line, std::string_view from, std::string_view to) {
    const auto at = line.find(from, kOperandAreaColumn);
    if (at == std::string::npos) return false;
    std::string field(to);
    if (field.size() < from.size()) field.resize(from.size(), ' ');
    line.replace(at, from.size(), field);
    return true;
  }
};

TEST_F(TranslateBlockTest, LinesPassThroughTheSymbolTable) {
  compileAndStore(fb10());
  ASSERT_EQ(store(blockWords(kPb1, {0xC001, 0x1D0A, 0x2D03, 0xC001, 0x0005, 0x6500})), 0);
  InputSymbols symbols;
  TranslateOptions options;
  options.symbols = &symbols;
  const AwlAscii text = translated("PB001", options);
  const std::vector<std::string> lines = trimmedLines(text);
  EXPECT_EQ(lines[5], "0000      :U   -EIN");
  EXPECT_EQ(lines[8], "0003 EIN1 >    -EIN");
  Mc5Buffer buffer;
  CompileContext context;
  context.symbols = &symbols;
  ASSERT_EQ(CompileBlock(text, buffer, context), "");
  EXPECT_EQ(std::vector<uint16_t>(buffer.words.begin(), buffer.words.begin() + buffer.length),
            stored(kPb1));
}

struct WholeBlock {
  const char* what;
  const char* name;
  std::vector<std::string> body;
};

TEST_F(TranslateBlockTest, WholeBlocksComeBackToTheSameWords) {
  compileAndStore(fb10());
  compileAndStore(blockText(
      "FX002",
      {"     NAME :ZWEI", "     BEZ  :GLEI      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KG",
       "     BEZ  :AUS       E/A/D/B/T/Z: A  BI/BY/W/D: W", "", ":LW  =GLEI", ":T   =AUS", ":BE"}));
  const WholeBlock blocks[] = {
      {"a program block with networks, labels and brackets",
       "PB010",
       {":U(",
        ":O   E  1.0",
        ":O   M  10.7",
        ":)",
        ":=   A  4.0",
        ":***",
        "",
        "NETZWERK   2",
        "ANF :L   EW 10",
        ":L   KF +100",
        ":>F",
        ":SPB =ENDE",
        ":L   KH 00FF",
        ":T   MW 20",
        ":SPA =ANF",
        "ENDE:L   KG 12.5",
        ":T   MD 40",
        ":***",
        "",
        "NETZWERK   3",
        ":BEB",
        ":BE"}},
      {"calls with parameters of every kind",
       "OB001",
       {":SPB FB 10", "     NAME :BEISPIEL", "     EIN1 >    E  1.0", "     WERT >    KF +5",
        ":BA  FX 2", "     NAME :ZWEI", "     GLEI >    KG +1234567+02", "     AUS  >    AW 6",
        ":SPA FB 10", "     NAME :BEISPIEL", "     EIN1 >    M  3.7", "     WERT >    KF -1",
        ":BE"}},
      {"a function block with formal operands and jumps",
       "FB030",
       {"     NAME :FORMAL", "     BEZ  :EIN       E/A/D/B/T/Z: E  BI/BY/W/D: BI",
        "     BEZ  :GLEI      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KG",
        "     BEZ  :ZEIT      E/A/D/B/T/Z: T", "     BEZ  :BAU       E/A/D/B/T/Z: B", "",
        ":U   =EIN", ":SPB =WEIT", ":LD  =GLEI", ":SE  =ZEIT", "WEIT:B   =BAU", ":SPZ =WEIT",
        ":BE"}},
      {"an FX calling an FB",
       "FX031",
       {"     NAME :RUF", "", ":BAB FX 2", "     NAME :ZWEI", "     GLEI >    KG -1500000+01",
        "     AUS  >    AW 0", ":SPB FB 10", "     NAME :BEISPIEL", "     EIN1 >    E  0.0",
        "     WERT >    KF +0", ":BE"}},
  };
  for (const WholeBlock& b : blocks) {
    const AwlAscii original = blockText(b.name, b.body);
    const std::vector<uint16_t> words = compileAndStore(original);
    const AwlAscii text = translated(b.name);
    EXPECT_EQ(compiled(text), words) << b.what;
    // The text keeps the original's lines where no label was renamed.
    EXPECT_EQ(text.lineCount(), original.lineCount()) << b.what;
  }
  EXPECT_TRUE(warnings().empty());
}

}  // namespace
}  // namespace tavrin::lang
