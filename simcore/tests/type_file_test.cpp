// Controller type files: the reader's rules and activation.
#include "simcore/type_file.h"

#include <array>
#include <cstring>

#include "outside/blockfile/blockfile32.h"

#include "simcore/block_kinds.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"
#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {
namespace {

std::string value(const TypeFile& f, const std::string& key) {
  for (const auto& [k, v] : f.data)
    if (k == key) return v;
  return "<none>";
}

TEST(TypeFileReader, LinesKeysAndValues) {
  const auto read = parseTypeFile(
      "; a comment line, not counted\r\n"
      "[Bezeichnung]\r\n"
      "AG = s5-100u cpu 103   / the designation keeps its blanks\r\n"
      "\r\n"
      "[ Daten ]\n"
      "TIMER_ANZAHL = 128 ; timers\n"
      "MStartPtrOfs\t= 0x5d00\n"
      "S5AnwendStartPtrOfs = 0x12345\n"
      "CPU1 = \"AB\n"
      "Timer_Anzahl = 7\n"
      "TIMER_ANZAHL = 99\n"
      "[Andere]\n"
      "CPU2 = 0xff01\n"
      "AgTyp = wort\n");
  ASSERT_EQ(read.code, 0);
  EXPECT_EQ(read.file.designation, "S5-100U CPU 103");
  EXPECT_EQ(value(read.file, "TIMER_ANZAHL"), "128") << "the first line of a key counts";
  EXPECT_EQ(typeFileNumber(value(read.file, "MStartPtrOfs")), 0x5D00) << "upper-cased, then read";
  EXPECT_EQ(typeFileNumber(value(read.file, "S5AnwendStartPtrOfs")), 0x1234) << "four digits";
  EXPECT_EQ(typeFileNumber(value(read.file, "CPU1")), 'A' * 256 + 'B');
  EXPECT_EQ(value(read.file, "CPU2"), "0XFF01") << "found in a later section";
  EXPECT_EQ(value(read.file, "AgTyp"), "WORT");
}

TEST(TypeFileReader, NumberForms) {
  struct Case {
    const char* text;
    uint16_t value;
  };
  const Case cases[] = {
      {"0X5D00", 0x5D00}, {"0X12345", 0x1234},       {"0XG1", 0}, {"\"AB", 0x4142},
      {"4096", 4096},     {"70000", 70000 & 0xFFFF}, {"", 0},     {"12AB", 12}};
  for (const auto& c : cases)
    EXPECT_EQ(typeFileNumber(c.text), c.value) << c.text;
}

TEST(TypeFileReader, CountedLineLimit) {
  std::string text = "[Daten]\n";
  for (int i = 1; i < 148; ++i)
    text += "X" + std::to_string(i) + " = 1\n";  // 148 lines in all
  text += "\n; empty and comment lines do not count\n";
  EXPECT_EQ(parseTypeFile(text).code, 0);
  EXPECT_EQ(parseTypeFile(text + "[Ende]\nanything at all\n").code, 0);
  EXPECT_EQ(parseTypeFile(text + "LAST = 1\n").code, 22);
  EXPECT_EQ(parseTypeFile("[Ende]\n" + text + text).code, 0);
}

TEST(TypeFileReader, WriteListAndIntegratedBlocksUntilTheFirstGap) {
  const auto read = parseTypeFile(
      "[AdressenWrite]\nAdr1 = 0x5D10,0x1234\nAdr2 = 100, 7\nAdr4 = 1,1\n"
      "[IntegrierteBausteine]\nBst1 = FB250\nBst2 = ob251\nBst3 = XY1\nBst4 = DX0\nBst6 = PB1\n");
  ASSERT_EQ(read.code, 0);
  EXPECT_EQ(read.file.addressWrites,
            (std::vector<std::pair<uint16_t, uint16_t>>{{0x5D10, 0x1234}, {100, 7}}));
  EXPECT_EQ(read.file.integratedBlocks, (std::vector<uint16_t>{0x08FA, 0x10FB, 0x0C00}));
}

using TypeFileActivation = ControllerTest;

TEST_F(TypeFileActivation, AppliesKeysAndKeepsAbsentOnes) {
  const auto path = tempDir() / "TEST.AG";
  writeFile(path,
            "[Bezeichnung]\nAG = Test CPU\n[Daten]\nTIMER_ANZAHL = 64\nAgTyp = WORT\n"
            "MStartPtrOfs = 0xEE00\nEAStartPtrOfs = 0xEF00\n"
            "[AdressenWrite]\nAdr1 = 0xEA05,0xABCD\n");
  ASSERT_EQ(S5AG_AGAktivieren((tempDir() / "test.ag").c_str()), 0) << "found whatever its case";
  char name[80];
  S5AG_GetAgTypString(name, 0);
  EXPECT_STREQ(name, "TEST CPU");
  EXPECT_EQ(image().TIMER_ANZAHL, 64);
  EXPECT_EQ(image().COUNTER_ANZAHL, 256) << "absent keys keep their value";
  EXPECT_EQ(S5AG_AGGross(), 1);
  EXPECT_EQ(ReadS5Word(image(), 0xEA05), 0xABCD);
  S5AG_WriteInByte(3, 0x5A);
  EXPECT_EQ(ReadS5Byte(image(), 0xEF03), 0x5A);
}

TEST_F(TypeFileActivation, CountsAreHeldToTheirArraysAndRamsToTheSpace) {
  const auto path = tempDir() / "BIG.AG";
  writeFile(path,
            "[Daten]\nTIMER_ANZAHL = 1000\nPB_ANZAHL = 999\nKLAMMER_STACK_GROESSE = 400\n"
            "S5RAM_GROESSE = 0xF000\nS5AnwendStartPtrOfs = 0x8000\nDBAnwenderStartPtrOfs = 0x8000\n"
            "AnzahlRemanenteMerker = 9999\n");
  ASSERT_EQ(S5AG_AGAktivieren(path.c_str()), 0);
  EXPECT_EQ(image().TIMER_ANZAHL, 256);
  EXPECT_EQ(image().blockCount[kCountPB], 256);
  EXPECT_EQ(image().KLAMMER_STACK_GROESSE, 25);
  EXPECT_EQ(image().AnzahlRemanenteMerker, image().MERKER_ANZAHL);
  uint32_t bytes = 0;
  S5AG_GetS5RamSizeByte(&bytes);
  EXPECT_EQ(bytes, 0x8000u) << "0x4000 words from 0x8000 reach the end of the address space";
}

TEST_F(TypeFileActivation, FailuresLeaveTheControllerAsItWas) {
  ASSERT_EQ(write(makeBlock(kTypePB, 1, {0x6500})), 0);
  S5AG_WriteMerkByte(0, 0x42);
  const auto before = std::make_unique<SimImage>(image());

  EXPECT_EQ(S5AG_AGAktivieren((tempDir() / "MISSING.AG").c_str()), 10);
  std::string tooLong = "[Daten]\n";
  for (int i = 0; i < 149; ++i)
    tooLong += "TIMER_ANZAHL = 3\n";
  writeFile(tempDir() / "LONG.AG", tooLong);
  EXPECT_EQ(S5AG_AGAktivieren((tempDir() / "LONG.AG").c_str()), 22);
  // Integrated blocks from an S5D file that cannot be read.
  writeFile(tempDir() / "BAD.AG",
            "[Daten]\nTIMER_ANZAHL = 3\n[IntegrierteBausteine]\nBst1 = FB250\n");
  writeFile(tempDir() / "BAD.S5D", "this is not a block file");
  EXPECT_EQ(S5AG_AGAktivieren((tempDir() / "BAD.AG").c_str()), 23);

  image().runState = 1;
  writeFile(tempDir() / "GOOD.AG", "[Daten]\nTIMER_ANZAHL = 3\n");
  EXPECT_EQ(S5AG_AGAktivieren((tempDir() / "GOOD.AG").c_str()), 4);
  image().runState = 0;
  EXPECT_EQ(std::memcmp(before.get(), &image(), sizeof(SimImage)), 0);
}

TEST_F(TypeFileActivation, SimulatorInitReturnsToTheBuiltInType) {
  const std::string file = std::string(TAVRIN_SOURCE_DATA_DIR) + "/S5-115U.AG";
  ASSERT_EQ(S5AG_AGAktivieren(file.c_str()), 0);
  ASSERT_EQ(write(makeBlock(kTypePB, 1, {0x6500})), 0);
  S5AG_SimulatorInit("/opt/sim");
  char name[80];
  S5AG_GetAgTypString(name, 1);
  EXPECT_EQ(std::string(name + 1, static_cast<std::size_t>(name[0])), "S5-95U");
  EXPECT_EQ(S5AG_AGGross(), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 1), 0);
  EXPECT_STREQ(image().simulatorDir, "/opt/sim");
  EXPECT_EQ(image().stopLatch, 1);
  EXPECT_EQ(image().runState, 0);
}

std::string shippedTypeFile(const char* name) {
  return std::string(TAVRIN_SOURCE_DATA_DIR) + "/" + name;
}

TEST_F(TypeFileActivation, ShippedByteAddressedType) {
  ASSERT_EQ(S5AG_AGAktivieren(shippedTypeFile("S5-100U.AG").c_str()), 0);
  char name[80];
  S5AG_GetAgTypString(name, 0);
  EXPECT_STREQ(name, "S5-100U CPU 103");
  EXPECT_EQ(S5AG_AGGross(), 0);
  uint32_t bytes = 0;
  S5AG_GetS5RamSizeByte(&bytes);
  EXPECT_EQ(bytes, 16384u);
  EXPECT_EQ(image().TIMER_ANZAHL, 128);
  ASSERT_EQ(write(makeBlock(kTypeOB, 1, {0x6500})), 0);
  EXPECT_EQ(S5AG_GetStartAdrOfs(kTypeOB, 1), 5);
  EXPECT_EQ(S5AG_GetS5DBRamGetrennt(), 0);
}

TEST_F(TypeFileActivation, ShippedWordAddressedType) {
  ASSERT_EQ(S5AG_AGAktivieren(shippedTypeFile("S5-115U.AG").c_str()), 0);
  EXPECT_EQ(S5AG_AGGross(), 1);
  EXPECT_EQ(image().AddrPerWord, 1);
  // The word at 0x8000 lives in the upper half and shares its low byte with the word at 0x7FFF.
  WriteS5Word(image(), 0x8000, 0x1234);
  EXPECT_EQ(ReadS5Word(image(), 0x8000), 0x1234);
  EXPECT_EQ(ReadS5Word(image(), 0x7FFF), 0);
  // A block body lies at its RAM's start address plus one address per word.
  ASSERT_EQ(write(makeBlock(kTypeDB, 3, {0xAAAA, 0xBBBB})), 0);
  std::array<uint8_t, 12> head{};
  ASSERT_EQ(S5AG_ReadKopf(kTypeDB, 3, head.data()), 0);
  EXPECT_EQ(head[0] << 8 | head[1], 0x0005);
  EXPECT_EQ(ReadS5Word(image(), 0x0005), 0xAAAA);
  S5AG_WriteOutByte(1, 0x81);
  EXPECT_EQ(ReadS5Byte(image(), 0xEF81), 0x81);
  S5AG_WriteMerkWord(4, 0x0102);  // flags are bytes: one per address
  EXPECT_EQ(ReadS5Byte(image(), 0xEE04), 0x01);
  EXPECT_EQ(ReadS5Byte(image(), 0xEE05), 0x02);
}

TEST_F(TypeFileActivation, IntegratedBlocksComeFromTheTypesBlockFile) {
  const auto s5d = tempDir() / "MIT_FB.S5D";
  const S5DHandle file = _OeffneS5Datei(s5d.c_str());
  ASSERT_NE(file, 0u);
  unsigned char entry[S5D_ENTRY_BYTES];
  ASSERT_NE(_NameZuBst("FB250", entry), 0);
  const auto fb250 = bigEndian(makeBlock(kTypeFB, 250, {0x1005, 0x6500}));
  entry[3] = static_cast<unsigned char>(fb250.size());
  entry[4] = 0;
  ASSERT_NE(_SchrBstDaten(file, entry, fb250.data()), 0);
  _SchlS5Datei(file);
  writeFile(tempDir() / "MIT_FB.AG", "[IntegrierteBausteine]\nBst1 = FB250\nBst2 = FB251\n");

  ASSERT_EQ(S5AG_AGAktivieren((tempDir() / "MIT_FB.AG").c_str()), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeFB, 250), 1);
  EXPECT_EQ(S5AG_IsIntegrBst(0x08FA), 1);
  EXPECT_EQ(S5AG_IsIntegrBst(0x08FB), 1) << "listed though the file does not hold it";
  EXPECT_EQ(S5AG_BstErase(kTypeFB, 250), 80);
  ASSERT_EQ(S5AG_AGErase(), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeFB, 250), 1) << "an overall reset keeps it";
}

}  // namespace
}  // namespace tavrin::simcore::testing
