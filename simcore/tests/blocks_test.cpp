// Block storage through the exports: writing with its checks, reading, erasing, lists, gaps.
#include <array>

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/simcore32.h"
#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {
namespace {

using Blocks = ControllerTest;

std::vector<uint16_t> readBack(short type, short number, unsigned short maxWords = 10000) {
  std::vector<uint8_t> buffer(2u * maxWords);
  short length = -1;
  if (S5AG_BstReadMax(type, number, buffer.data(), maxWords, &length) != 0) return {};
  return fromBigEndian(buffer.data(), static_cast<std::size_t>(length));
}

TEST_F(Blocks, WrittenBlockReadsBackWithItsHeader) {
  const auto pb5 = makeBlock(kTypePB, 5, {0xC001, 0xD884, 0x6500}, 0x8000, 0x0000);
  ASSERT_EQ(write(pb5), 0);
  EXPECT_EQ(readBack(kTypePB, 5), pb5);
  EXPECT_EQ(S5AG_BausteinVorhandenW(0x0405), 1);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 4), 0);
  EXPECT_EQ(S5AG_GetBausteinLaenge(kTypePB, 5), 8);
  EXPECT_EQ(S5AG_GetStartAdrOfs(kTypePB, 5), 5);  // the first block: body after five header words
  EXPECT_EQ(image().s5RamFill, 8);
  EXPECT_EQ(image().dbRamFill, 8);  // one common RAM
}

TEST_F(Blocks, WriteChecksEachMode) {
  struct Case {
    const char* what;
    std::vector<uint16_t> block;
    uint8_t mode;
    uint16_t code;
  };
  const Case cases[] = {
      {"DB0 in a normal load", makeBlock(kTypeDB, 0, {1, 2}), 0, 80},
      {"DB0 as an integrated block", makeBlock(kTypeDB, 0, {1, 2}), 1, 0},
      {"unknown type", makeBlock(0x03, 1, {}), 0, 6},
      {"deleted type", makeBlock(kTypeDeleted, 1, {}), 0, 6},
  };
  for (const auto& c : cases)
    EXPECT_EQ(write(c.block, c.mode), c.code) << c.what;

  auto block = makeBlock(kTypeFB, 3, {0x1005, 0x6500});
  block[4] = 9;  // the length word disagrees with the words sent
  EXPECT_EQ(write(block), 6);
  auto bytes = bigEndian(makeBlock(kTypeFB, 3, {0x6500}));
  EXPECT_EQ(S5AG_BstWrite(kTypeFB, 4, 6, bytes.data(), 0), 6) << "header names another block";
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeFB, 3), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeFB, 4), 0);
}

TEST_F(Blocks, NumbersBeyondTheBlockCountAreRefusedExceptOnImport) {
  image().blockCount[kCountPB] = 10;
  EXPECT_EQ(write(makeBlock(kTypePB, 10, {0x6500})), 6);
  EXPECT_EQ(write(makeBlock(kTypePB, 9, {0x6500})), 0);
}

TEST_F(Blocks, ProgramInPb1OnlyRefusesOtherBlocks) {
  image().cycleStartKind = 300;
  EXPECT_EQ(write(makeBlock(kTypeOB, 1, {0x6500})), 81);
  EXPECT_EQ(write(makeBlock(kTypePB, 1, {0x6500})), 0);
}

TEST_F(Blocks, IntegratedBlocksCannotBeReplacedOrErased) {
  image().integratedBlocks[0] = 0x08FA;  // FB250
  image().integratedCount = 1;
  EXPECT_EQ(write(makeBlock(kTypeFB, 250, {0x6500}), 1), 0);
  EXPECT_EQ(write(makeBlock(kTypeFB, 250, {0x6500})), 80);
  EXPECT_EQ(S5AG_BstErase(kTypeFB, 250), 80);
  EXPECT_EQ(S5AG_BstErase(kTypeDB, 0), 80);
  EXPECT_EQ(S5AG_IsIntegrBst(0x08FA), 1);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeFB, 250), 1);
}

TEST_F(Blocks, ABlockThatWouldFillTheRamExactlyIsRefused) {
  const uint16_t size = image().S5RAM_GROESSE;                  // 4096 words
  ASSERT_EQ(write(makeBlock(kTypeDB, 1, {1, 2, 3, 4, 5})), 0);  // 10 words
  // A block of size - 10 words would end exactly at the RAM's end: the last word is never used.
  std::vector<uint16_t> body(size - 10u - 5u, 0x1234);
  EXPECT_EQ(write(makeBlock(kTypeDB, 2, body)), 33);
  EXPECT_EQ(image().s5RamFill, 10);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeDB, 2), 0);
  body.pop_back();
  EXPECT_EQ(write(makeBlock(kTypeDB, 2, body)), 0);  // one word less fits
  EXPECT_EQ(image().s5RamFill, size - 1);
  EXPECT_EQ(S5AG_GetAuslastungS5Ram(), 99);
}

TEST_F(Blocks, ReplacingLeavesAGapThatCompressionCloses) {
  ASSERT_EQ(write(makeBlock(kTypePB, 1, {0x1111, 0x6500})), 0);          // words 0..6
  ASSERT_EQ(write(makeBlock(kTypeDB, 7, {0xAAAA, 0xBBBB})), 0);          // words 7..13
  ASSERT_EQ(write(makeBlock(kTypePB, 1, {0x2222, 0x3333, 0x6500})), 0);  // 14..21, old PB1 a gap
  EXPECT_EQ(image().s5RamFill, 22);
  EXPECT_EQ(S5AG_GetStartAdrOfs(kTypePB, 1), 19);
  const auto db7 = readBack(kTypeDB, 7);
  const auto pb1 = readBack(kTypePB, 1);

  ASSERT_TRUE(CompressMemory(engine(), false));
  EXPECT_EQ(image().s5RamFill, 15);
  EXPECT_EQ(S5AG_GetStartAdrOfs(kTypeDB, 7), 5);
  EXPECT_EQ(S5AG_GetStartAdrOfs(kTypePB, 1), 12);
  EXPECT_EQ(readBack(kTypeDB, 7), db7);
  EXPECT_EQ(readBack(kTypePB, 1), pb1);
}

TEST_F(Blocks, EraseMarksTheHeaderAndScanDoesNotBringItBack) {
  ASSERT_EQ(write(makeBlock(kTypeDB, 3, {0x7070, 0x0409, 0, 0, 0x0005})), 0);  // data like a header
  ASSERT_EQ(S5AG_BstErase(kTypeDB, 3), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeDB, 3), 0);
  EXPECT_EQ(S5AG_BstErase(kTypeDB, 3), 0) << "an absent block is no error";
  S5AG_AlleVorhandenenBausteineRegistrieren();
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeDB, 3), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 9), 0) << "no block from inside the deleted one";
}

TEST_F(Blocks, ScanRebuildsTheAddressLists) {
  ASSERT_EQ(write(makeBlock(kTypeOB, 1, {0x6500})), 0);
  ASSERT_EQ(write(makeBlock(kTypeFX, 200, {0x1005, 0x6500})), 0);
  const uint16_t ob = S5AG_GetStartAdrOfs(kTypeOB, 1), fx = S5AG_GetStartAdrOfs(kTypeFX, 200);
  setBlockEntry(image(), kTypeOB, 1, 0);
  setBlockEntry(image(), kTypeFX, 200, 0);
  image().s5RamFill = 0;
  S5AG_AlleVorhandenenBausteineRegistrieren();
  EXPECT_EQ(S5AG_GetStartAdrOfs(kTypeOB, 1), ob);
  EXPECT_EQ(S5AG_GetStartAdrOfs(kTypeFX, 200), fx);
  EXPECT_EQ(image().s5RamFill, 13);
}

TEST_F(Blocks, ReadingAbsentOrTooLongBlocks) {
  ASSERT_EQ(write(makeBlock(kTypePB, 2, std::vector<uint16_t>(20, 1))), 0);
  std::vector<uint8_t> buffer(100);
  short length = 77;
  EXPECT_EQ(S5AG_BstRead(kTypePB, 3, buffer.data(), &length), 27);
  EXPECT_EQ(length, 77);
  EXPECT_EQ(S5AG_BstReadMax(kTypePB, 2, buffer.data(), 24, &length), 33);
  EXPECT_EQ(length, 77);
  EXPECT_EQ(S5AG_BstRead(0x03, 2, buffer.data(), &length), 6);
}

TEST_F(Blocks, HeaderOfAPresentAndAnAbsentBlock) {
  ASSERT_EQ(write(makeBlock(kTypeDB, 9, {1, 2, 3}, 0x1122, 0x3344)), 0);
  std::array<uint8_t, 12> head{};
  ASSERT_EQ(S5AG_ReadKopf(kTypeDB, 9, head.data()), 0);
  const std::array<uint8_t, 12> expected = {0x01, 0x0A,  // body at 0x0100 + 5 words
                                            0x70, 0x70, 0x01, 0x09, 0x11,
                                            0x22, 0x33, 0x44, 0x00, 0x08};
  EXPECT_EQ(head, expected);
  head.fill(0xEE);
  EXPECT_EQ(S5AG_ReadKopf(kTypeDB, 10, head.data()), 27);
  EXPECT_EQ(head[0], 0xEE);
}

TEST_F(Blocks, AddressListDeliversEveryNumberUpToTheHighest) {
  ASSERT_EQ(write(makeBlock(kTypeFB, 2, {0x6500})), 0);
  ASSERT_EQ(write(makeBlock(kTypeFB, 255, {0x6500})), 0);
  std::vector<uint16_t> list(256, 0xEEEE);
  unsigned short count = 0;
  ASSERT_EQ(S5AG_ReadBuch(kTypeFB, list.data(), &count), 0);
  ASSERT_EQ(count, 256) << "FB255 is listed";
  EXPECT_EQ(list[0], 0);
  EXPECT_EQ(list[2], 0x010A);
  EXPECT_EQ(list[255], 0x010A + 12);
  ASSERT_EQ(S5AG_ReadBuch(kTypeOB, list.data(), &count), 0);
  EXPECT_EQ(count, 0);
}

TEST_F(Blocks, WalkOverAllBlocksFollowsTheListsInMemory) {
  ASSERT_EQ(write(makeBlock(kTypePB, 3, {0x6500})), 0);
  ASSERT_EQ(write(makeBlock(kTypeOB, 1, {0x6500})), 0);
  ASSERT_EQ(write(makeBlock(kTypeDB, 4, {0})), 0);
  ASSERT_EQ(write(makeBlock(kTypeFB, 7, {0x6500})), 0);
  std::vector<uint16_t> all, code;
  for (uint16_t id = S5AG_BuchAG(1, 0); id != 0; id = S5AG_BuchAG(0, 0))
    all.push_back(id);
  for (uint16_t id = S5AG_BuchAG(1, 1); id != 0; id = S5AG_BuchAG(0, 1))
    code.push_back(id);
  EXPECT_EQ(all, (std::vector<uint16_t>{0x1001, 0x0807, 0x0403, 0x0104}));
  EXPECT_EQ(code, (std::vector<uint16_t>{0x1001, 0x0807, 0x0403}));
}

TEST_F(Blocks, FindingTheBlockThatHoldsAWord) {
  ASSERT_EQ(write(makeBlock(kTypePB, 1, {0x1111, 0x6500})), 0);  // body 5..6
  ASSERT_EQ(write(makeBlock(kTypeDB, 2, {1, 2, 3})), 0);         // body 12..14
  EXPECT_EQ(S5AG_GetSazBausteinTypNr(5, 0), 0x0401);
  EXPECT_EQ(S5AG_GetSazBausteinTypNr(6, 0), 0x0401);
  EXPECT_EQ(S5AG_GetSazBausteinTypNr(7, 0), 0) << "the next block's header";
  EXPECT_EQ(S5AG_GetSazBausteinTypNr(13, 0), 0x0102);
  EXPECT_EQ(S5AG_GetSazBausteinTypNr(5, 1), 0) << "data blocks only";
  EXPECT_EQ(S5AG_GetSazBausteinTypNr(14, 1), 0x0102);
}

TEST_F(Blocks, OverallResetKeepsOnlyIntegratedBlocks) {
  ASSERT_EQ(write(makeBlock(kTypePB, 1, {0x6500})), 0);
  image().integratedBlocks[0] = 0x08FA;
  image().integratedCount = 1;
  ASSERT_EQ(write(makeBlock(kTypeFB, 250, {0x1005, 0x6500}), 1), 0);
  S5AG_WriteMerkByte(3, 0x55);
  S5AG_WriteInByte(1, 0x66);
  ASSERT_EQ(S5AG_AGErase(), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 1), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeFB, 250), 1);
  EXPECT_EQ(S5AG_GetStartAdrOfs(kTypeFB, 250), 5) << "moved to the start of the RAM";
  EXPECT_EQ(readBack(kTypeFB, 250), makeBlock(kTypeFB, 250, {0x1005, 0x6500}));
  uint8_t value = 1;
  S5AG_ReadMerkByte(3, &value);
  EXPECT_EQ(value, 0);
  S5AG_ReadInByte(1, &value);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(S5AG_GetTimerWord(0), 0x1000) << "timers cleared with time base 1";

  image().runState = 1;
  EXPECT_EQ(S5AG_AGErase(), 82);
}

TEST_F(Blocks, FunctionBlockParametersAndTheCycleStartBlock) {
  EXPECT_EQ(S5AG_GetZyklusStartBaustein(), 0);
  ASSERT_EQ(write(makeBlock(kTypePB, 1, {0x6500})), 0);
  EXPECT_EQ(S5AG_GetZyklusStartBaustein(), 300);
  ASSERT_EQ(write(makeBlock(kTypeFB, 0, {0x100E, 0x6500})), 0);  // (0x0E - 5) / 3 = 3 parameters
  EXPECT_EQ(S5AG_GetZyklusStartBaustein(), 301);
  EXPECT_EQ(S5AG_HoleAnzahlFBParameter(0, 0), 3);
  EXPECT_EQ(S5AG_HoleAnzahlFBParameter(1, 0), 0);
  ASSERT_EQ(write(makeBlock(kTypeOB, 1, {0x6500})), 0);
  EXPECT_EQ(S5AG_GetZyklusStartBaustein(), 1);
}

TEST(JumpWords, RelativeJumpsAreRecognised) {
  struct Case {
    uint16_t word;
    bool jump;
  };
  const Case cases[] = {{0x4500, true}, {0x45FF, true},  {0x600C, true},  {0xFA10, true},
                        {0x0D03, true}, {0x1503, true},  {0x2503, true},  {0x2D01, true},
                        {0x3502, true}, {0x6500, false}, {0x600D, false}, {0x4600, false}};
  for (const auto& c : cases)
    EXPECT_EQ(S5AG_IsMC5CodeEinSprung(c.word), c.jump ? 1 : 0) << std::hex << c.word;
}

}  // namespace
}  // namespace tavrin::simcore::testing
