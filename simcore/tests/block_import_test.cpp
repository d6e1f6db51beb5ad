// The block import mode: blocks on the caller's buffer, the controller's own memory untouched,
// and everything back when the mode ends.
#include <algorithm>
#include <vector>

#include "simcore/block_import.h"
#include "simcore/block_kinds.h"
#include "simcore/simcore32.h"
#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {
namespace {

constexpr uint16_t BE = 0x6500;

class BlockImport : public ControllerTest {
 protected:
  std::vector<uint8_t> space() { return {image().Space, image().Space + kSpaceBytes}; }

  std::vector<uint16_t> buffer = std::vector<uint16_t>(kImportRamWords);
};

const auto kOwnPb = makeBlock(kTypePB, 1, {0x3004, 7, BE});
const auto kImportedPb = makeBlock(kTypePB, 1, {0x3004, 9, 0x3004, 9, BE});
const auto kImportedDb = makeBlock(kTypeDB, 3, {1, 2, 3});
const auto kImportedFb = makeBlock(kTypeFB, 200, {0x1005, BE});

TEST_F(BlockImport, BlocksLiveOnTheBufferUntilTheModeEnds) {
  ASSERT_EQ(write(kOwnPb), 0);
  image().blockCount[kCountFB] = 16;
  const uint16_t fill = image().s5RamFill;
  const auto before = space();
  ASSERT_EQ(S5AG_BausteinImportVorbereiten(buffer.data()), 1);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 1), 0) << "the own blocks are out of sight";
  for (const auto& block : {kImportedPb, kImportedDb, kImportedFb})
    ASSERT_EQ(write(block, 10), 0);
  EXPECT_EQ(stored(kTypePB, 1), kImportedPb);
  EXPECT_EQ(stored(kTypeDB, 3), kImportedDb);
  EXPECT_EQ(stored(kTypeFB, 200), kImportedFb) << "every number in the mode";
  EXPECT_EQ(buffer[0], 0x7070);
  EXPECT_EQ(buffer[kImportedPb.size()], 0x7070) << "the DB right behind the PB";
  EXPECT_EQ(S5AG_GetStartAdrOfs(kTypeFB, 200), kImportedPb.size() + kImportedDb.size() + 5);

  ASSERT_EQ(S5AG_BausteinImportAbschliessen(), 1);
  EXPECT_EQ(stored(kTypePB, 1), kOwnPb);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeDB, 3), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeFB, 200), 0);
  EXPECT_EQ(image().s5RamFill, fill);
  EXPECT_EQ(image().S5RAM_GROESSE, 4096);
  EXPECT_EQ(image().blockCount[kCountFB], 16);
  // The address lists lie in the address space and were rebuilt; the rest is as it was.
  EXPECT_EQ(space(), before);
}

TEST_F(BlockImport, SeparateRamsShareTheBufferWithoutOverwriting) {
  const auto typeFile = tempDir() / "SEPARATE.AG";
  writeFile(typeFile,
            "[Bezeichnung]\nAG = SEPARATE\n[Daten]\nS5AnwendStartPtrOfs = 0x0100\n"
            "DBAnwenderStartPtrOfs = 0x2100\nS5RAM_GROESSE = 4096\nDBRAM_GROESSE = 2048\n"
            "[Ende]\n");
  ASSERT_EQ(S5AG_AGAktivieren(typeFile.c_str()), 0);
  ASSERT_EQ(S5AG_GetS5DBRamGetrennt(), 1);
  ASSERT_EQ(write(kOwnPb), 0);
  ASSERT_EQ(write(makeBlock(kTypeDB, 1, {7})), 0);
  ASSERT_EQ(S5AG_BausteinImportVorbereiten(buffer.data()), 1);
  for (const auto& block : {kImportedPb, kImportedDb, kImportedFb})
    ASSERT_EQ(write(block, 10), 0);
  EXPECT_EQ(stored(kTypePB, 1), kImportedPb) << "not overwritten by the data block";
  EXPECT_EQ(stored(kTypeDB, 3), kImportedDb);
  EXPECT_EQ(stored(kTypeFB, 200), kImportedFb);
  S5AG_BausteinImportAbschliessen();
  EXPECT_EQ(stored(kTypePB, 1), kOwnPb);
  EXPECT_EQ(stored(kTypeDB, 1), makeBlock(kTypeDB, 1, {7}));
  EXPECT_EQ(S5AG_GetS5DBRamGetrennt(), 1);
}

TEST_F(BlockImport, EnteringTwiceOrWithoutABuffer) {
  EXPECT_EQ(S5AG_BausteinImportVorbereiten(nullptr), 0);
  EXPECT_EQ(S5AG_BausteinImportAbschliessen(), 1) << "not active: nothing to do";
  ASSERT_EQ(S5AG_BausteinImportVorbereiten(buffer.data()), 1);
  ASSERT_EQ(write(kImportedPb, 10), 0);
  std::vector<uint16_t> other(kImportRamWords);
  EXPECT_EQ(S5AG_BausteinImportVorbereiten(other.data()), 1);
  EXPECT_EQ(stored(kTypePB, 1), kImportedPb) << "the first buffer stays";
  EXPECT_EQ(other[0], 0);
  S5AG_BausteinImportAbschliessen();
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 1), 0);
}

}  // namespace
}  // namespace tavrin::simcore::testing
