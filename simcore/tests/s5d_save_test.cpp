// S5D files from the controller: saving every block and loading them back unchanged, the
// results of both exports, long blocks, and the save after compressing.
#include <string>

#include "outside/blockfile/blockfile32.h"
#include "simcore/block_kinds.h"
#include "simcore/simcore32.h"
#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {
namespace {

constexpr uint16_t BE = 0x6500;

class S5dFiles : public ProgramDirectoryTest {
 protected:
  // The names of the file's directory in order.
  std::vector<std::string> directory(const std::filesystem::path& path) {
    std::vector<std::string> names;
    const S5DHandle handle = _OeffneS5Datei(path.c_str());
    unsigned short count = 0;
    unsigned char* entries = _LeseBuchhalter(handle, &count);
    for (unsigned i = 0; i < count; ++i) {
      char name[S5D_NAME_BYTES] = {};
      _BstZuName(entries + i * S5D_ENTRY_BYTES, name);
      names.emplace_back(name);
    }
    if (entries != nullptr) _EntfBuchhalter(entries);
    _SchlS5Datei(handle);
    return names;
  }
  std::string path(const char* name) { return (tempDir() / name).string(); }
};

// Blocks of every type, written in an order unlike the file's, with DLE-like and odd words.
const std::vector<std::vector<uint16_t>> kProgram = {
    makeBlock(kTypeDX, 2, {0x0001, 0xFFFF}, 0x1234, 0x5678),
    makeBlock(kTypePB, 16, {0x1010, BE}, 0x0010, 0x1000),
    makeBlock(kTypeOB, 1, {0x7501, BE}),
    makeBlock(kTypeFB, 2, {0x1005, 0x6500}, 0x8400, 0x0000),
    makeBlock(kTypeFX, 3, {0x1005, BE}),
    makeBlock(kTypeSB, 4, {BE}),
    makeBlock(kTypeDB, 1, {0x7070, 0x0000, 0x8000}),
    makeBlock(kTypePB, 1, {0x3004, 7, BE}),
};

TEST_F(S5dFiles, SavedBlocksLoadBackUnchangedOnAFreshController) {
  for (const auto& block : kProgram)
    ASSERT_EQ(write(block), 0);
  std::string name = path("PROG.S5D");
  EXPECT_EQ(S5AG_SchreibeS5D(name.data(), 0), 0);
  EXPECT_EQ(directory(name), (std::vector<std::string>{"OB001", "PB001", "PB016", "SB004", "FB002",
                                                       "FX003", "DB001", "DX002"}));
  freshController();
  ASSERT_EQ(write(makeBlock(kTypePB, 9, {BE})), 0);
  EXPECT_EQ(S5AG_LadeS5D(name.data()), 0);
  for (const auto& block : kProgram) {
    const auto type = static_cast<uint8_t>(block[1] >> 8);
    const auto number = static_cast<uint8_t>(block[1]);
    EXPECT_EQ(stored(type, number), block) << int(type) << " " << int(number);
  }
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 9), 0) << "an overall reset came first";
}

TEST_F(S5dFiles, ResultsOfSavingAndLoading) {
  ASSERT_EQ(write(kProgram[2]), 0);
  std::string name = path("PROG.S5D");
  ASSERT_EQ(S5AG_SchreibeS5D(name.data(), 0), 0);
  const std::string before = fileBytes(name);
  ASSERT_EQ(write(kProgram[7]), 0);
  EXPECT_EQ(S5AG_SchreibeS5D(name.data(), 0), 16);
  EXPECT_EQ(fileBytes(name), before) << "left as it was";
  EXPECT_EQ(S5AG_SchreibeS5D(name.data(), 1), 0);
  EXPECT_EQ(directory(name).size(), 2u);

  std::string missing = path("NONE.S5D");
  EXPECT_EQ(S5AG_LadeS5D(missing.data()), 10);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeOB, 1), 1) << "nothing reset for a missing file";

  image().runState = 1;
  EXPECT_EQ(S5AG_LadeS5D(name.data()), 4);
  EXPECT_EQ(S5AG_SchreibeS5D(name.data(), 1), 4);
  image().runState = 0;

  char foreign[] = "C:\\PROG.S5D";
  freshController();
  EXPECT_EQ(S5AG_LadeS5D(foreign), 0) << "the drive means the program directory";
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 1), 1);
}

// A block too long for a file is left out alone: the blocks after it, of its own type too, are
// saved.
TEST_F(S5dFiles, ATooLongBlockIsLeftOutAlone) {
  ASSERT_EQ(S5AG_AGAktivieren((std::string(TAVRIN_SOURCE_DATA_DIR) + "/S5-115U.AG").c_str()), 0);
  const auto longBlock = makeBlock(kTypeDB, 5, std::vector<uint16_t>(4996, 0x1111));  // 10002 B
  const auto fits = makeBlock(kTypeDB, 4, std::vector<uint16_t>(4995, 0x2222));       // 10000 B
  ASSERT_EQ(write(longBlock), 0);
  ASSERT_EQ(write(fits), 0);
  ASSERT_EQ(write(kProgram[6]), 0);  // DB1
  ASSERT_EQ(write(kProgram[0]), 0);  // DX2
  std::string name = path("LONG.S5D");
  EXPECT_EQ(S5AG_SchreibeS5D(name.data(), 0), 15);
  EXPECT_EQ(directory(name), (std::vector<std::string>{"DB001", "DB004", "DX002"}));
}

TEST_F(S5dFiles, SavedAfterCompressingInStop) {
  ASSERT_EQ(write(kProgram[7]), 0);
  char prefixed[] =
      "\x0B"
      "C:\\AUTO.S5D";
  EXPECT_EQ(S5AG_S5DSpeichernBeiKomprimieren(1, prefixed, 1), 1);
  EXPECT_STREQ(prefixed, "C:\\AUTO.S5D");
  S5AG_Step5Zyklus();
  EXPECT_FALSE(std::filesystem::exists(tempDir() / "AUTO.S5D")) << "no compression yet";
  S5AG_Komprim();
  S5AG_Step5Zyklus();
  ASSERT_TRUE(std::filesystem::exists(tempDir() / "AUTO.S5D"));
  EXPECT_EQ(directory(tempDir() / "AUTO.S5D"), std::vector<std::string>{"PB001"});
}

}  // namespace
}  // namespace tavrin::simcore::testing
