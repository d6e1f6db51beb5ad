// The backup file: its layout, a restore on a fresh controller, files that restore nothing,
// its name, and the backups the controller makes after compressing and on stopping.
#include <algorithm>
#include <cstring>
#include <string>

#include "simcore/backup.h"
#include "simcore/block_kinds.h"
#include "simcore/simcore32.h"
#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {
namespace {

constexpr uint16_t BE = 0x6500;

class Backup : public ProgramDirectoryTest {
 protected:
  void program() {
    ASSERT_EQ(write(makeBlock(kTypeOB, 1, {0x7501, BE})), 0);
    ASSERT_EQ(write(makeBlock(kTypePB, 1, {0x3004, 0x1234, BE})), 0);
    ASSERT_EQ(write(makeBlock(kTypeDB, 16, {0x1010, 0xABCD})), 0);
    S5AG_WriteMerkByte(3, 0x5A);
  }
};

TEST_F(Backup, FileHoldsBothHalvesOfTheSpace) {
  program();
  image().Space[0] = 0x11;
  image().Space[65535] = 0x22;
  image().Space[131070] = 0x33;
  EXPECT_EQ(S5AG_DoBackUp(), 1);
  const std::string file = fileBytes(tempDir() / "BACKUP.BIN");
  ASSERT_EQ(file.size(), 131072u);
  EXPECT_EQ(std::memcmp(file.data(), image().Space, 65536), 0);
  EXPECT_EQ(std::memcmp(file.data() + 65536, image().Space + 65535, 65536), 0);
  EXPECT_EQ(file[65535], 0x22);
  EXPECT_EQ(file[65536], 0x22) << "the shared byte twice";
  EXPECT_EQ(static_cast<uint8_t>(file[131071]), 0x33);
}

TEST_F(Backup, RestoreOnAFreshControllerBringsTheProgramBack) {
  program();
  const auto ob1 = stored(kTypeOB, 1), pb1 = stored(kTypePB, 1), db16 = stored(kTypeDB, 16);
  const uint16_t fill = image().s5RamFill;
  EXPECT_EQ(S5AG_DoBackUp(), 1);
  freshController();
  ASSERT_EQ(S5AG_BausteinVorhandenB(kTypePB, 1), 0);
  EXPECT_EQ(S5AG_DoRestore(), 1);
  EXPECT_EQ(stored(kTypeOB, 1), ob1);
  EXPECT_EQ(stored(kTypePB, 1), pb1);
  EXPECT_EQ(stored(kTypeDB, 16), db16);
  EXPECT_EQ(image().s5RamFill, fill) << "the memory was scanned";
  unsigned char m = 0;
  S5AG_ReadMerkByte(3, &m);
  EXPECT_EQ(m, 0x5A);
}

TEST_F(Backup, FilesThatRestoreNothing) {
  program();
  EXPECT_EQ(S5AG_DoBackUp(), 1);
  const std::filesystem::path path = tempDir() / "BACKUP.BIN";
  const std::string whole = fileBytes(path);
  struct Case {
    const char* what;
    std::size_t keep;  // bytes of the file kept
    bool run;
  };
  const Case cases[] = {
      {"one byte short", 131071, false},
      {"one piece of eight", 16384, false},
      {"empty", 0, false},
      {"complete, but in RUN", 131072, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(path, whole.substr(0, c.keep));
    freshController();
    ASSERT_EQ(write(makeBlock(kTypePB, 9, {BE})), 0);
    image().runState = c.run ? 1 : 0;
    const auto space = std::vector<uint8_t>(image().Space, image().Space + kSpaceBytes);
    const uint16_t entry = S5AG_GetStartAdrOfs(kTypePB, 9);
    EXPECT_EQ(S5AG_DoRestore(), 1);
    EXPECT_TRUE(std::equal(space.begin(), space.end(), image().Space)) << "memory untouched";
    EXPECT_EQ(S5AG_GetStartAdrOfs(kTypePB, 9), entry) << "no rescan";
    EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeOB, 1), 0);
  }
  std::filesystem::remove(path);
  freshController();
  EXPECT_EQ(S5AG_DoRestore(), 1) << "a missing file";
}

TEST_F(Backup, SecondCopyOfTheSharedByteWins) {
  std::string bytes(kBackupBytes, '\0');
  bytes[65535] = 0x01;
  bytes[65536] = 0x02;
  writeFile(tempDir() / "BACKUP.BIN", bytes);
  S5AG_DoRestore();
  EXPECT_EQ(image().Space[65535], 0x02);
}

TEST_F(Backup, FileNames) {
  char prefixed[] = "\x07MY.BACKxyz";
  EXPECT_EQ(S5AG_SetBackupDatei(prefixed, 1), 1);
  EXPECT_STREQ(prefixed, "MY.BACK") << "made zero-terminated in the caller's buffer";
  S5AG_DoBackUp();
  EXPECT_TRUE(std::filesystem::exists(tempDir() / "MY.BACK"));

  std::filesystem::create_directories(tempDir() / "s5");
  char foreign[] = "C:\\S5\\SAVE.BIN";
  S5AG_SetBackupDatei(foreign, 0);
  S5AG_DoBackUp();
  EXPECT_TRUE(std::filesystem::exists(tempDir() / "s5" / "SAVE.BIN"))
      << "the drive means the program directory, an existing folder is found in its case";

  // A name longer than the field would be cut to another file's name: refused, the last stays.
  std::string tooLong(300, 'L');
  EXPECT_EQ(S5AG_SetBackupDatei(tooLong.data(), 0), 0);
  std::filesystem::remove(tempDir() / "s5" / "SAVE.BIN");
  S5AG_DoBackUp();
  EXPECT_TRUE(std::filesystem::exists(tempDir() / "s5" / "SAVE.BIN"));
  char s5dName[] = "AUTO.S5D";
  ASSERT_EQ(S5AG_S5DSpeichernBeiKomprimieren(0, s5dName, 0), 1);
  EXPECT_EQ(S5AG_S5DSpeichernBeiKomprimieren(1, tooLong.data(), 0), 0);
  EXPECT_EQ(image().s5dAfterCompress, 0) << "nothing changed";
  EXPECT_STREQ(image().s5dFileName, "AUTO.S5D");

  char none[] = "";
  S5AG_SetBackupDatei(none, 0);
  S5AG_DoBackUp();
  EXPECT_TRUE(std::filesystem::exists(tempDir() / "BACKUP.BIN")) << "the default name";
}

TEST_F(Backup, WrittenOnStopAndAfterCompressingWhenSwitchedOn) {
  program();
  const std::filesystem::path path = tempDir() / "BACKUP.BIN";
  const auto runThenStop = [&] {
    S5AG_StartAg(21);
    clock_.advance(10);
    S5AG_Step5Zyklus();
    ASSERT_EQ(S5AG_RunZustand(), 1);
    S5AG_SetRunSchalter(0);
    clock_.advance(10);
    S5AG_Step5Zyklus();
    ASSERT_EQ(S5AG_RunZustand(), 0);
  };
  runThenStop();
  EXPECT_FALSE(std::filesystem::exists(path)) << "switched off";
  EXPECT_EQ(S5AG_SetupBackupRestore(0, 1), 1);
  runThenStop();
  EXPECT_TRUE(std::filesystem::exists(path)) << "on the change to STOP";

  std::filesystem::remove(path);
  S5AG_SetupBackupRestore(1, 0);
  S5AG_Komprim();
  S5AG_StartAg(21);
  clock_.advance(10);
  S5AG_Step5Zyklus();
  EXPECT_EQ(image().compressRequested, 0) << "compressed in RUN";
  EXPECT_FALSE(std::filesystem::exists(path)) << "not in RUN";
  S5AG_SetRunSchalter(0);
  S5AG_Step5Zyklus();
  S5AG_Komprim();
  S5AG_Step5Zyklus();
  EXPECT_TRUE(std::filesystem::exists(path)) << "after compressing in STOP";
}

}  // namespace
}  // namespace tavrin::simcore::testing
