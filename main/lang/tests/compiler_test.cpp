// Whole blocks compiled to their exact MC5 words, and every error of the compiler.
#include "main/lang/compiler.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "main/lang/lang_messages.h"
#include "main/lang/renumber.h"

namespace tavrin::lang {
namespace {

// A block document: the four header lines, the first network header, then `body` lines written
// "label" + ':' + statement ("M001:SPA =M001" or ":U   E  1.0"), addresses left to renumbering.
AwlAscii document(const char* name, std::initializer_list<std::string_view> body) {
  AwlAscii doc(name);
  doc.appendLine("Kommentar :");
  doc.appendLine("Autor     :");
  doc.appendLine("Erstellt  :01.01.2026  Geaendert am:01.01.2026  BIB:     ");
  doc.appendLine("");
  doc.appendLine("NETZWERK   1");
  for (std::string_view line : body) {
    if (line.starts_with("NETZWERK") || line.starts_with(" ") || line.empty()) {
      doc.appendLine(line);
      continue;
    }
    const auto colon = line.find(':');
    std::string label(line.substr(0, colon));
    label.resize(4, ' ');
    doc.appendLine("0000 " + label + " " + std::string(line.substr(colon)));
  }
  RenumberBlock(doc, 0);  // the addresses the editor would show
  return doc;
}

std::vector<uint16_t> words(const Mc5Buffer& b) {
  return {b.words.begin(), b.words.begin() + b.length};
}

struct BlockCase {
  const char* what;
  AwlAscii block;
  std::vector<uint16_t> mc5;
};

TEST(Compiler, WholeBlocks) {
  const BlockCase cases[] = {
      {"an empty block", document("PB001", {":BE"}), {0x7070, 0x0401, 0x8000, 0x0000, 6, 0x6500}},
      {"inputs to outputs",
       document("PB005", {":U   E  1.0", ":=   A  4.0", ":BE"}),
       {0x7070, 0x0405, 0x8000, 0x0000, 8, 0xC001, 0xD884, 0x6500}},
      {"constants of two and three words",
       document("OB001", {":L   KF +5", ":L   KT 010.2", ":L   KH 1F", ":L   DH 12345678",
                          ":L   KY 1,2", ":BE"}),
       {0x7070, 0x1001, 0x8000, 0x0000, 17, 0x3004, 0x0005, 0x3002, 0x2010, 0x3040, 0x001F, 0x3840,
        0x1234, 0x5678, 0x3020, 0x0102, 0x6500}},
      {"a jump three words ahead",
       document("PB002", {":SPA =M001", ":L   KF +1", "M001:BE"}),
       {0x7070, 0x0402, 0x8000, 0x0000, 9, 0x2D03, 0x3004, 0x0001, 0x6500}},
      {"a jump back",
       document("PB003", {"LOOP:U   M  1.0", ":SPB =LOOP", ":BE"}),
       {0x7070, 0x0403, 0x8000, 0x0000, 8, 0x8001, 0xFAFF, 0x6500}},
      {"a call with actual parameters",
       document("PB004", {":SPB FB 10", "     NAME :BEISPIEL", "     EIN1 >    E  1.0",
                          "     WERT >    KF +5", ":BE"}),
       {0x7070, 0x0404, 0x8000, 0x0000, 10, 0x1D0A, 0x2D03, 0xC001, 0x0005, 0x6500}},
      {"data words, bit operations, S flags and scan operations",
       document("PB006", {":U   D  3.15", ":S   S  100.7", ":P   A  5.3", ":SU  T  4.15", ":BE"}),
       {0x7070, 0x0406, 0x8000, 0x0000, 14, 0x783F, 0x0F03, 0x782B, 0x7064, 0x7038, 0xC385, 0x7025,
        0x4F04, 0x6500}},
      {"an FB-only operation in a program block still compiles",
       document("PB007", {":TAK", ":BE"}),
       {0x7070, 0x0407, 0x8000, 0x0000, 7, 0x7002, 0x6500}},
      {"a library number",
       [] {
         AwlAscii d = document("PB008", {":BE"});
         d.replaceLine(2, "Erstellt  :01.01.2026  Geaendert am:01.01.2026  BIB:70000");
         return d;
       }(),
       {0x7070, 0x0408, 0x8201, 0x1170, 6, 0x6500}},
  };
  for (const auto& c : cases) {
    Mc5Buffer buffer;
    const std::string error = CompileBlock(c.block, buffer);
    EXPECT_EQ(error, "") << c.what;
    EXPECT_EQ(words(buffer), c.mc5) << c.what;
  }
}

TEST(Compiler, FunctionBlockHeaderAndFormalOperands) {
  AwlAscii fb = document("FB001", {});
  fb.deleteLine(4);
  fb.appendLine("NETZWERK   1");
  fb.appendLine("     NAME :BEISPIEL");
  fb.appendLine("     BEZ  :EIN1      E/A/D/B/T/Z: E  BI/BY/W/D: BI");
  fb.appendLine("     BEZ  :WERT      E/A/D/B/T/Z: D  KM/KH/KY/KC/KF/KT/KZ/KG: KG");
  fb.appendLine("     BEZ  :ZEIT      E/A/D/B/T/Z: T");
  fb.appendLine("");
  for (const char* s :
       {"0000      :U   =EIN1", "0000      :LD  =WERT", "0000      :SI  =ZEIT", "0000      :BE"})
    fb.appendLine(s);
  Mc5Buffer buffer;
  ASSERT_EQ(CompileBlock(fb, buffer), "");
  const std::vector<uint16_t> expected = {0x7070,
                                          0x0801,
                                          0x8400,
                                          0x0000,
                                          23,  // header: 0x04 marks the FB header
                                          0x2D0E,
                                          'B' << 8 | 'E',
                                          'I' << 8 | 'S',
                                          'P' << 8 | 'I',
                                          'E' << 8 | 'L',  // jump, name
                                          0x0280,
                                          'E' << 8 | 'I',
                                          'N' << 8 | '1',  // E BI
                                          0x0408,
                                          'W' << 8 | 'E',
                                          'R' << 8 | 'T',  // D KG: two parameter words
                                          0x0500,
                                          'Z' << 8 | 'E',
                                          'I' << 8 | 'T',  // T
                                          0x0701,
                                          0x5602,
                                          0x3604,
                                          0x6500};  // formal numbers 1, 2, 4
  EXPECT_EQ(words(buffer), expected);
  RenumberBlock(fb, 0);
  EXPECT_EQ(fb.line(10).substr(0, 4), "000E") << "the first statement after the header";
}

TEST(Compiler, StaleAddressesDoNotChangeTheJumps) {
  AwlAscii block = document("PB002", {":SPA =M001", ":L   KF +1", "M001:BE"});
  block.replaceLine(7, "0001 M001 :BE");  // as if edited outside the editor
  Mc5Buffer buffer;
  ASSERT_EQ(CompileBlock(block, buffer), "");
  EXPECT_EQ(buffer.words[5], 0x2D03);
}

std::string framed(const char* block, std::string_view line, const char* cause) {
  char text[512];
  std::snprintf(text, sizeof text, msg::kCompileLineFrame, block,
                std::string(line.substr(0, 50)).c_str(), cause);
  return text;
}

TEST(Compiler, EveryLineErrorIsFramed) {
  struct Case {
    const char* what;
    AwlAscii block;
    int line;
    const char* cause;
  };
  AwlAscii tooFar = document("PB001", {":SPA =WEIT"});
  for (int i = 0; i < 70; ++i)
    tooFar.appendLine("0000      :L   KF +1");  // 140 words
  tooFar.appendLine("0000 WEIT :BE");
  AwlAscii colons = document("FB002", {});
  colons.appendLine("     NAME :X");
  colons.appendLine("     BEZ  :EIN1      E/A/D/B/T/Z  E  BI/BY/W/D  BI");
  colons.appendLine("");
  colons.appendLine("0000      :BE");
  const Case cases[] = {
      {"an unknown statement", document("PB001", {":XYZ 5", ":BE"}), 5, msg::kOperationUnknown},
      {"a parameter out of range", document("PB001", {":U   E  200.0", ":BE"}), 5,
       msg::kOperationParameterInvalid},
      {"a label in no network", document("PB001", {":SPA =WEG", ":BE"}), 5,
       msg::kJumpTargetMissing},
      {"a label in another network",
       document("PB001", {":SPA =ANDR", ":***", "", "NETZWERK   2", "ANDR:BE"}), 5,
       msg::kJumpTargetMissing},
      {"a jump too far", tooFar, 5, msg::kJumpTooFar},
      {"a formal operand not in the header", document("FB003", {":U   =EIN1", ":BE"}), 5,
       msg::kFormalNotFound},
      {"a parameter line with a wrong colon count", colons, 6, msg::kColonCount},
  };
  for (const auto& c : cases) {
    Mc5Buffer buffer;
    EXPECT_EQ(CompileBlock(c.block, buffer),
              framed(c.block.blockName().c_str(), c.block.line(c.line), c.cause))
        << c.what;
  }
}

TEST(Compiler, BracketsAndTheBuffer) {
  Mc5Buffer buffer;
  EXPECT_EQ(CompileBlock(document("PB001", {":U(", ":U   E  1.0", ":BE"}), buffer),
            msg::kBracketCount);
  EXPECT_EQ(CompileBlock(document("PB001", {":U(", ":U   E  1.0", ":)", ":BE"}), buffer), "");

  AwlAscii big("DB010");
  big.appendLine("Kommentar :");
  big.appendLine("Autor     :");
  big.appendLine("Erstellt  :");
  big.appendLine("");
  big.appendLine("NETZWERK   1");
  for (int i = 0; i < 3200; ++i)
    big.appendLine("0000      :KG = +1000000+01");
  const std::string error = CompileBlock(big, buffer);
  EXPECT_NE(error.find(msg::kBufferTooSmall), std::string::npos) << error;
}

TEST(Compiler, ActualParameterThatCannotBeEncodedIsAnError) {
  Mc5Buffer buffer;
  const AwlAscii block =
      document("PB004", {":SPA FB 10", "     NAME :BEISPIEL", "     EIN1 >    XY 1.0", ":BE"});
  EXPECT_EQ(CompileBlock(block, buffer),
            framed("PB004", block.line(7), msg::kOperationParameterInvalid));
}

TEST(Compiler, TheLineAfterACallIsCompiledWhenItIsNoNameLine) {
  Mc5Buffer buffer;
  ASSERT_EQ(CompileBlock(document("PB004", {":SPA FB 10", ":L   KF +7", ":BE"}), buffer), "");
  EXPECT_EQ(words(buffer), (std::vector<uint16_t>{0x7070, 0x0404, 0x8000, 0, 10, 0x3D0A, 0x2D01,
                                                  0x3004, 7, 0x6500}));
}

TEST(Compiler, ClosingTheText) {
  AwlAscii open = document("PB001", {":U   E  1.0", "          :;Kommentar am Ende"});
  EXPECT_TRUE(closeBlockText(open));
  EXPECT_EQ(open.line(open.lineCount() - 1).substr(0, 14), "0001      :BE ");
  AwlAscii closed = document("PB001", {":BE"});
  EXPECT_FALSE(closeBlockText(closed));
}

TEST(Compiler, DataBlock) {
  AwlAscii db("DB001");
  for (const char* l :
       {"Kommentar :", "Autor     :", "Erstellt  :", "", "NETZWERK   1", "0000      :KH = 1234",
        "0001      :KF = +10", "0002      :KC = 'ABC'", "0004      :KG = +1234567+02"})
    db.appendLine(l);
  Mc5Buffer buffer;
  ASSERT_EQ(CompileBlock(db, buffer), "");
  ASSERT_EQ(buffer.length, 11);
  EXPECT_EQ(buffer.words[1], 0x0101);
  EXPECT_EQ(buffer.words[5], 0x1234);
  EXPECT_EQ(buffer.words[6], 10);
  EXPECT_EQ(buffer.words[7], 0x4142);
  EXPECT_EQ(buffer.words[8], 0x4320);
}

}  // namespace
}  // namespace tavrin::lang
