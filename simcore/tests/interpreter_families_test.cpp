// The instruction families of the MC5 interpreter beyond the basic ones: S flags, data word bits,
// bit tests in words, registers and block transfers, register-relative access, condition-code
// jumps, formal operands of function blocks, indirect execution, system operations, data
// blocks, the special functions, and the error organisation blocks. Hand-assembled blocks, one
// table row per program where the shape repeats.
#include <array>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/ram.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"
#include "simcore/tests/interpreter_fixture.h"

namespace tavrin::simcore::testing {
namespace {

// --- instruction words ---------------------------------------------------------------------------

constexpr uint16_t BE = 0x6500;
// Stops the run where it stands, without a cause: the status bits stay as the instruction before
// left them (a block end would clear OS and set ERAB).
constexpr uint16_t STS = 0x7000;
// Two-word instructions: the first word; the constant or operand follows.
constexpr uint16_t kLKF = 0x3004, kLKH = 0x3040, kLKZ = 0x3001, kLKT = 0x3002;
constexpr uint16_t kLDH = 0x3840;  // three words
constexpr uint16_t kASM = 0x7808;
constexpr uint16_t kAFS = 0x7800, kAFF = 0x7810;
constexpr uint16_t kUS = 0x780B, kOS = 0x781B, kSS = 0x782B, kAssignS = 0x783B, kUNS = 0x784B,
                   kONS = 0x785B, kRS = 0x786B;
constexpr uint16_t kLSY = 0x78AB, kTSY = 0x78BB, kLSW = 0x78CB, kTSW = 0x78DB, kLSD = 0x78EB,
                   kTSD = 0x78FB;
constexpr uint16_t kDBit = 0x783F;
constexpr uint16_t kMAB = 0x6829, kMBA = 0x6889, kMSA = 0x6849, kMSB = 0x6869, kMAS = 0x6819,
                   kMBS = 0x6899;
constexpr uint16_t kLRW = 0x6800, kTRW = 0x6803, kLRD = 0x6804, kTRD = 0x6805;
constexpr uint16_t kAddF = 0x7900, kSubF = 0x5900, kDivF = 0x6000;

uint16_t op(unsigned code, unsigned operand) {
  return static_cast<uint16_t>(code << 8 | (operand & 0xFF));
}
uint16_t bitOp(unsigned family, unsigned byte, unsigned bit) {
  return static_cast<uint16_t>((family + bit) << 8 | byte);
}
uint16_t UM(unsigned byte, unsigned bit) {
  return bitOp(0x80, byte, bit);
}
uint16_t SM(unsigned byte, unsigned bit) {
  return bitOp(0x90, byte, bit);
}
uint16_t AssignM(unsigned byte, unsigned bit) {
  return bitOp(0x98, byte, bit);
}
uint16_t UE(unsigned byte, unsigned bit) {
  return bitOp(0xC0, byte, bit);
}
uint16_t LMW(unsigned n) {
  return op(0x12, n);
}
uint16_t TMW(unsigned n) {
  return op(0x13, n);
}
uint16_t ADB(unsigned n) {
  return op(0x20, n);
}
uint16_t LDW(unsigned n) {
  return op(0x32, n);
}
uint16_t callFB(unsigned n) {
  return op(0x3D, n);
}
// The jump over the parameters that follows the call of a function block.
uint16_t parameterJump(unsigned count) {
  return op(0x2D, count + 1);
}
// Second word of an S flag bit instruction.
uint16_t sBit(unsigned byte, unsigned bit) {
  return static_cast<uint16_t>(bit << 12 | byte);
}
// Second word of a data word bit instruction: operation 0 U, 1 O, 2 UN, 3 ON, 4 S, 5 R, 6 =.
uint16_t dBit(unsigned operation, unsigned word, unsigned bit) {
  return static_cast<uint16_t>(operation << 12 | bit << 8 | word);
}
// Second word of a bit test in a word.
constexpr unsigned kP = 0xC000, kPN = 0x8000, kSU = 0x4000, kRU = 0x0000;
uint16_t testBit(unsigned operation, unsigned bit, unsigned element) {
  return static_cast<uint16_t>(operation | bit << 8 | element);
}

// Stop expectations of a program: runs on, stopped by STS (no cause), or stopped with a cause.
constexpr int kRunsOn = -1;
constexpr int kFrozen = 0;

class InterpreterFamily;
using Step = std::function<void(InterpreterFamily&)>;

struct Program {
  const char* what;
  std::vector<uint16_t> ob1;
  Step setup;  // before OB1 is written
  Step check;
  int stop;  // kRunsOn, kFrozen, or the cause in BS 3
};

class InterpreterFamily : public InterpreterTest {
 public:
  SimImage& img() { return image(); }

  // Each program on a controller of its own.
  void runPrograms(const std::vector<Program>& programs) {
    for (const auto& p : programs) {
      SetUp();
      {
        SCOPED_TRACE(p.what);
        if (p.setup) p.setup(*this);
        block(kTypeOB, 1, p.ob1);
        run();
        expectStop(p.stop);
        if (p.check) p.check(*this);
      }
      TearDown();
    }
  }

  void expectStop(int stop) {
    if (stop == kRunsOn) {
      EXPECT_FALSE(stopped()) << "stopped with BS 3 = 0x" << std::hex << bs(3);
      return;
    }
    EXPECT_TRUE(stopped());
    EXPECT_EQ(bs(3), stop) << "BS 3";
  }

  // A type file read on top of the current type, with the registers as the fixture sets them.
  void activateType(const std::string& path) {
    image().runState = 0;
    ASSERT_EQ(S5AG_AGAktivieren(path.c_str()), 0) << path;
    image().stopLatch = 0;
    image().runState = 1;
    image().VKE = 1;
    image().ERAB = 1;
  }
  std::filesystem::path temporaryDirectory() {
    const auto dir = tempDir();
    std::filesystem::create_directories(dir);  // the fixture removes it at every TearDown
    return dir;
  }
  void writeTextFile(const std::filesystem::path& path, const std::string& text) {
    writeFile(path, text);
  }

  // Operand areas.
  uint8_t sFlag(unsigned n) { return byteAreaByte(image(), kSFlags, n); }
  void setSFlag(unsigned n, uint8_t v) { byteAreaByte(image(), kSFlags, n) = v; }
  void setOutputByte(unsigned n, uint8_t v) { S5AG_WriteOutByte(static_cast<short>(n), v); }
  void setFlagWord(unsigned n, uint16_t v) { S5AG_WriteMerkWord(static_cast<short>(n), v); }
  uint16_t timerWord(unsigned n) { return areaWord(image(), kTimers, n); }
  void setTimerWord(unsigned n, uint16_t v) { setAreaWord(image(), kTimers, n, v); }
  uint16_t counterWord(unsigned n) { return areaWord(image(), kCounters, n); }
  void setCounterWord(unsigned n, uint16_t v) { setAreaWord(image(), kCounters, n, v); }
  void setBs(unsigned n, uint16_t v) { setAreaWord(image(), kBs, n, v); }
  uint16_t baWord(unsigned n) { return areaWord(image(), kBa, n); }
  void setBaWord(unsigned n, uint16_t v) { setAreaWord(image(), kBa, n, v); }
  uint16_t flagsStart() { return image().areaStart[kFlags]; }
  uint16_t bsAddress(unsigned n) { return areaWordAddress(image(), kBs, n); }

  // Blocks.
  uint16_t bodyAddress(uint8_t type, uint8_t number) {
    std::array<unsigned char, 12> head{};
    EXPECT_EQ(S5AG_ReadKopf(type, number, head.data()), 0);
    return static_cast<uint16_t>(head[0] << 8 | head[1]);
  }
  uint16_t headerWord(uint8_t type, uint8_t number, unsigned k) {
    std::array<unsigned char, 12> head{};
    EXPECT_EQ(S5AG_ReadKopf(type, number, head.data()), 0);
    return static_cast<uint16_t>(head[2 + 2 * k] << 8 | head[3 + 2 * k]);
  }
  uint16_t entry(uint8_t type, uint8_t number) { return BlockEntry(image(), type, number); }
  bool exists(uint8_t type, uint8_t number) { return S5AG_BausteinVorhandenB(type, number) != 0; }
  std::vector<uint16_t> dataWords(uint8_t number, unsigned count, bool dx = false) {
    std::vector<uint16_t> words(count, 0xDEAD);
    EXPECT_EQ(S5AG_ReadWriteDatenwort(1, number, dx ? 1 : 0, 0, static_cast<unsigned short>(count),
                                      words.data()),
              0);
    return words;
  }
  uint16_t dataWord(uint8_t number, unsigned n) {
    uint16_t w = 0xDEAD;
    EXPECT_EQ(S5AG_ReadWriteDatenwort(1, number, 0, static_cast<unsigned char>(n), 1, &w), 0);
    return w;
  }

  // LIR and TIR with every register number, each on a controller of its own (defined with the
  // register tests).
  void checkRegisterNumbers(bool wordAddressed);
};

// The data block most programs below work on: four data words.
void writeDb5(InterpreterFamily& t) {
  t.block(kTypeDB, 5, {0xA1A2, 0xB1B2, 0xC1C2, 0xD1D2});
}

// --- S flags -------------------------------------------------------------------------------------

TEST_F(InterpreterFamily, SFlagBitsAndLoadsUpToTheEndOfTheArea) {
  runPrograms({
      {"U S takes the bit",
       {kUS, sBit(10, 3), AssignM(0, 0), BE},
       [](auto& t) { t.setSFlag(10, 0x08); },
       [](auto& t) { EXPECT_EQ(t.flagByte(0), 0x01); },
       kRunsOn},
      {"UN S negates it",
       {kUNS, sBit(10, 3), AssignM(0, 0), BE},
       [](auto& t) { t.setSFlag(10, 0x08), t.setFlagByte(0, 0x01); },
       [](auto& t) { EXPECT_EQ(t.flagByte(0), 0x00); },
       kRunsOn},
      {"O S combines by OR",
       {UM(1, 0), kOS, sBit(10, 3), AssignM(0, 0), BE},
       [](auto& t) { t.setSFlag(10, 0x08); },
       [](auto& t) { EXPECT_EQ(t.flagByte(0), 0x01); },
       kRunsOn},
      {"ON S combines the negation by OR",
       {UM(1, 0), kONS, sBit(10, 3), AssignM(0, 0), BE},
       nullptr,
       [](auto& t) { EXPECT_EQ(t.flagByte(0), 0x01); },
       kRunsOn},
      {"S S sets the last bit of the area",
       {UM(1, 0), kSS, sBit(4095, 7), BE},
       [](auto& t) { t.setFlagByte(1, 0x01); },
       [](auto& t) { EXPECT_EQ(t.sFlag(4095), 0x80); },
       kRunsOn},
      {"S S with VKE 0 leaves it",
       {UM(1, 0), kSS, sBit(4095, 7), BE},
       nullptr,
       [](auto& t) { EXPECT_EQ(t.sFlag(4095), 0x00); },
       kRunsOn},
      {"R S resets with VKE 1",
       {UM(1, 0), kRS, sBit(4095, 0), BE},
       [](auto& t) { t.setFlagByte(1, 0x01), t.setSFlag(4095, 0xFF); },
       [](auto& t) { EXPECT_EQ(t.sFlag(4095), 0xFE); },
       kRunsOn},
      {"= S assigns VKE 0",
       {UM(1, 0), kAssignS, sBit(200, 1), BE},
       [](auto& t) { t.setSFlag(200, 0xFF); },
       [](auto& t) { EXPECT_EQ(t.sFlag(200), 0xFD); },
       kRunsOn},
      {"L SY of the last byte",
       {kLSY, 4095, TMW(0), BE},
       [](auto& t) { t.setSFlag(4095, 0xA5); },
       [](auto& t) { EXPECT_EQ(t.flagWord(0), 0x00A5); },
       kRunsOn},
      {"L SW of the last word, the lower byte number more significant",
       {kLSW, 4094, TMW(0), BE},
       [](auto& t) { t.setSFlag(4094, 0x12), t.setSFlag(4095, 0x34); },
       [](auto& t) { EXPECT_EQ(t.flagWord(0), 0x1234); },
       kRunsOn},
      {"L SD of the last double word",
       {kLSD, 4092, op(0x1B, 0), BE},
       [](auto& t) {
         for (unsigned i = 0; i < 4; ++i)
           t.setSFlag(4092 + i, static_cast<uint8_t>(i + 1));
       },
       [](auto& t) {
         EXPECT_EQ(t.flagWord(0), 0x0102);
         EXPECT_EQ(t.flagWord(2), 0x0304);
       },
       kRunsOn},
      {"T SY writes the low byte",
       {kLKH, 0x1234, kTSY, 4095, BE},
       nullptr,
       [](auto& t) {
         EXPECT_EQ(t.sFlag(4095), 0x34);
         EXPECT_EQ(t.sFlag(4094), 0x00);
       },
       kRunsOn},
      {"T SW of the last word",
       {kLKH, 0x1234, kTSW, 4094, BE},
       nullptr,
       [](auto& t) {
         EXPECT_EQ(t.sFlag(4094), 0x12);
         EXPECT_EQ(t.sFlag(4095), 0x34);
       },
       kRunsOn},
      {"T SD of the last double word",
       {kLDH, 0x1234, 0x5678, kTSD, 4092, BE},
       nullptr,
       [](auto& t) {
         EXPECT_EQ(t.sFlag(4092), 0x12);
         EXPECT_EQ(t.sFlag(4093), 0x34);
         EXPECT_EQ(t.sFlag(4094), 0x56);
         EXPECT_EQ(t.sFlag(4095), 0x78);
       },
       kRunsOn},
  });
}

TEST_F(InterpreterFamily, SFlagAccessBeyondTheAreaIsAnAddressingError) {
  const auto untouched = [](auto& t) {
    EXPECT_EQ(t.flagByte(0), 0) << "the program stopped there";
  };
  runPrograms({
      {"L SY 4096", {kLSY, 4096, SM(0, 0), BE}, nullptr, untouched, 0x083B},
      {"L SW 4095: its second byte lies beyond",
       {kLSW, 4095, SM(0, 0), BE},
       nullptr,
       untouched,
       0x083B},
      {"L SD 4093", {kLSD, 4093, SM(0, 0), BE}, nullptr, untouched, 0x083B},
      {"T SY 4096", {kTSY, 4096, SM(0, 0), BE}, nullptr, untouched, 0x083B},
      {"T SW 4095", {kTSW, 4095, SM(0, 0), BE}, nullptr, untouched, 0x083B},
      {"T SD 4093", {kTSD, 4093, SM(0, 0), BE}, nullptr, untouched, 0x083B},
      {"an undefined S flag operation (0x787B)", {0x787B, 0, BE}, nullptr, nullptr, 0x0C2E},
      {"an undefined S flag operation (0x789B)", {0x789B, 0, BE}, nullptr, nullptr, 0x0C2E},
  });
}

TEST_F(InterpreterFamily, SFlagBitBeyondASmallerArea) {
  // A type with 1024 S flags: the bit operations can then name a byte beyond the area.
  writeTextFile(temporaryDirectory() / "SMALL.AG", "[Daten]\nSMERKER_ANZAHL = 1024\n");
  activateType((tempDir() / "SMALL.AG").string());
  ASSERT_EQ(img().SMERKER_ANZAHL, 1024);
  block(kTypeOB, 1, {kSS, sBit(1023, 7), kUS, sBit(1023, 7), AssignM(0, 0), BE});
  run();
  EXPECT_FALSE(stopped());
  EXPECT_EQ(sFlag(1023), 0x80);
  EXPECT_EQ(flagByte(0), 0x01);

  clearStop();
  block(kTypeOB, 2, {kSS, sBit(1024, 0), SM(0, 1), BE});
  run(2);
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x083B);
  EXPECT_EQ(flagByte(0), 0x01) << "S M 0.1 after it did not run";
}

// --- data word bits ------------------------------------------------------------------------------

TEST_F(InterpreterFamily, DataWordBits) {
  // DB 5: DW 0 = 0x0001, DW 1 = 0x8000, DW 2 = 0, DW 3 = 0x0010.
  const Step db = [](auto& t) { t.block(kTypeDB, 5, {0x0001, 0x8000, 0x0000, 0x0010}); };
  const auto with = [db](Step more) {
    return Step([db, more](InterpreterFamily& t) {
      db(t);
      more(t);
    });
  };
  const Step m1 = [](auto& t) { t.setFlagByte(1, 0x01); };
  const Step m0 = [](auto& t) { t.setFlagByte(0, 0x01); };
  const auto flag0 = [](uint8_t v) {
    return Step([v](InterpreterFamily& t) { EXPECT_EQ(t.flagByte(0), v); });
  };
  const auto word = [](unsigned n, uint16_t v) {
    return Step([n, v](InterpreterFamily& t) { EXPECT_EQ(t.dataWord(5, n), v); });
  };
  runPrograms({
      {"U D 0.0", {ADB(5), kDBit, dBit(0, 0, 0), AssignM(0, 0), BE}, db, flag0(1), kRunsOn},
      {"O D 1.15",
       {ADB(5), UM(1, 0), kDBit, dBit(1, 1, 15), AssignM(0, 0), BE},
       db,
       flag0(1),
       kRunsOn},
      {"UN D 0.0", {ADB(5), kDBit, dBit(2, 0, 0), AssignM(0, 0), BE}, with(m0), flag0(0), kRunsOn},
      {"ON D 0.1",
       {ADB(5), UM(1, 0), kDBit, dBit(3, 0, 1), AssignM(0, 0), BE},
       db,
       flag0(1),
       kRunsOn},
      {"S D 2.3 with VKE 1",
       {ADB(5), UM(1, 0), kDBit, dBit(4, 2, 3), BE},
       with(m1),
       word(2, 0x0008),
       kRunsOn},
      {"S D 2.3 with VKE 0",
       {ADB(5), UM(1, 0), kDBit, dBit(4, 2, 3), BE},
       db,
       word(2, 0x0000),
       kRunsOn},
      {"R D 1.15 with VKE 1",
       {ADB(5), UM(1, 0), kDBit, dBit(5, 1, 15), BE},
       with(m1),
       word(1, 0x0000),
       kRunsOn},
      {"= D 3.4 with VKE 0",
       {ADB(5), UM(1, 0), kDBit, dBit(6, 3, 4), BE},
       db,
       word(3, 0x0000),
       kRunsOn},
      {"= D 2.12 with VKE 1",
       {ADB(5), UM(1, 0), kDBit, dBit(6, 2, 12), BE},
       with(m1),
       word(2, 0x1000),
       kRunsOn},
      {"beyond the block with range checking on",
       {ADB(5), kDBit, dBit(0, 4, 0), SM(0, 0), BE},
       db,
       flag0(0),
       0x0EEB},
      {"beyond the block after AFS: skipped, VKE kept",
       {ADB(5), kAFS, UM(1, 0), kDBit, dBit(2, 4, 0), AssignM(0, 0), BE},
       with(m1),
       flag0(1),
       kRunsOn},
      {"S D beyond the block after AFS: skipped",
       {ADB(5), kAFS, UM(1, 0), kDBit, dBit(4, 4, 0), SM(0, 1), BE},
       with(m1),
       flag0(0x02),
       kRunsOn},
      {"AFF turns range checking on again",
       {ADB(5), kAFS, kAFF, kDBit, dBit(5, 4, 0), BE},
       db,
       nullptr,
       0x0EEB},
      {"operation 7 is illegal", {ADB(5), kDBit, 0x7000, BE}, db, nullptr, 0x0C2E},
      {"operation 15 is illegal", {ADB(5), kDBit, 0xF000, BE}, db, nullptr, 0x0C2E},
  });
}

// --- bit tests in words --------------------------------------------------------------------------

TEST_F(InterpreterFamily, BitTestsInWordsAndBytes) {
  const auto flag0 = [](uint8_t v) {
    return Step([v](InterpreterFamily& t) { EXPECT_EQ(t.flagByte(0), v); });
  };
  runPrograms({
      {"P E: VKE := the input bit",
       {0x7038, testBit(kP, 2, 3), AssignM(0, 0), BE},
       [](auto& t) { t.setInputByte(3, 0x04); },
       flag0(1),
       kRunsOn},
      {"PN A: VKE := the output bit inverted",
       {0x7038, testBit(kPN, 2, 0x80 + 3), AssignM(0, 0), BE},
       [](auto& t) { t.setOutputByte(3, 0x04), t.setFlagByte(0, 0x01); },
       flag0(0),
       kRunsOn},
      {"SU A sets an output bit",
       {0x7038, testBit(kSU, 7, 0x80 + 1), BE},
       nullptr,
       [](auto& t) { EXPECT_EQ(t.outputByte(1), 0x80); },
       kRunsOn},
      {"RU E resets an input bit",
       {0x7038, testBit(kRU, 0, 2), BE},
       [](auto& t) { t.setInputByte(2, 0xFF); },
       [](auto& t) { EXPECT_EQ(t.inputByte(2), 0xFE); },
       kRunsOn},
      {"SU M sets a flag bit",
       {0x7049, testBit(kSU, 7, 10), BE},
       nullptr,
       [](auto& t) { EXPECT_EQ(t.flagByte(10), 0x80); },
       kRunsOn},
      {"RU Z 5.15 clears the counter's bit 15",
       {0x7015, testBit(kRU, 15, 5), BE},
       [](auto& t) { t.setCounterWord(5, 0x8005); },
       [](auto& t) { EXPECT_EQ(t.counterWord(5), 0x0005); },
       kRunsOn},
      {"P Z 5.2",
       {0x7015, testBit(kP, 2, 5), AssignM(0, 0), BE},
       [](auto& t) { t.setCounterWord(5, 0x0004); },
       flag0(1),
       kRunsOn},
      {"P T 2.14",
       {0x7025, testBit(kP, 14, 2), AssignM(0, 0), BE},
       [](auto& t) { t.setTimerWord(2, 0x4000); },
       flag0(1),
       kRunsOn},
      {"SU T 2.0",
       {0x7025, testBit(kSU, 0, 2), BE},
       [](auto& t) { t.setTimerWord(2, 0x0000); },
       [](auto& t) { EXPECT_EQ(t.timerWord(2), 0x0001); },
       kRunsOn},
      {"SU D 1.9",
       {ADB(5), 0x7046, testBit(kSU, 9, 1), BE},
       writeDb5,
       [](auto& t) { EXPECT_EQ(t.dataWord(5, 1), 0xB3B2); },
       kRunsOn},
      {"PN D 0.1",
       {ADB(5), 0x7046, testBit(kPN, 1, 0), AssignM(0, 0), BE},
       [](auto& t) { writeDb5(t), t.setFlagByte(0, 0x01); },
       flag0(0),  // DW 0 = 0xA1A2: bit 1 is 1
       kRunsOn},
      {"P BS 60.0",
       {0x7057, testBit(kP, 0, 60), AssignM(0, 0), BE},
       [](auto& t) { t.setBs(60, 0x0001); },
       flag0(1),
       kRunsOn},
      {"SU BS 61.15",
       {0x7057, testBit(kSU, 15, 61), BE},
       nullptr,
       [](auto& t) { EXPECT_EQ(t.bs(61), 0x8000); },
       kRunsOn},
      {"RU BA 7.1",
       {0x7047, testBit(kRU, 1, 7), BE},
       [](auto& t) { t.setBaWord(7, 0x0003); },
       [](auto& t) { EXPECT_EQ(t.baWord(7), 0x0001); },
       kRunsOn},
      {"P BA 7.0",
       {0x7047, testBit(kP, 0, 7), AssignM(0, 0), BE},
       [](auto& t) { t.setBaWord(7, 0x0001); },
       flag0(1),
       kRunsOn},
      {"P leaves ERAB 0: a following U combines with its result",
       {0x7049, testBit(kP, 0, 0), UM(0, 1), AssignM(1, 0), BE},
       [](auto& t) { t.setFlagByte(0, 0x02), t.setFlagByte(1, 0x01); },
       [](auto& t) { EXPECT_EQ(t.flagByte(1), 0x00); },
       kRunsOn},
      {"SU sets ERAB 1: a following U begins a new combination",
       {UM(0, 0), 0x7049, testBit(kSU, 0, 10), UM(0, 1), AssignM(1, 0), BE},
       [](auto& t) { t.setFlagByte(0, 0x02); },
       [](auto& t) { EXPECT_EQ(t.flagByte(1), 0x01); },
       kRunsOn},
      {"P D beyond the block with range checking on",
       {ADB(5), 0x7046, testBit(kP, 0, 4), BE},
       writeDb5,
       nullptr,
       0x0EEB},
      {"P D beyond the block after AFS: skipped, VKE kept",
       {ADB(5), kAFS, UM(1, 0), 0x7046, testBit(kPN, 0, 4), AssignM(0, 0), BE},
       [](auto& t) { writeDb5(t), t.setFlagByte(1, 0x01); },
       flag0(1),
       kRunsOn},
      {"operation 0x1 is illegal", {0x7049, 0x1000, BE}, nullptr, nullptr, 0x0C2E},
      {"operation 0xF is illegal", {0x7049, 0xF000, BE}, nullptr, nullptr, 0x0C2E},
  });
}

// --- registers, block transfers, register-relative access ----------------------------------------

struct RegisterRow {
  unsigned reg;
  // Expected accumulators after LIR (the cell holds 0x1234), and the cell after TIR.
  uint32_t a1, a2, a3, a4;
  uint16_t stored;
};

// ACCU1 = the cell's address (high word 0 for LIR, 0xBEEF for TIR), ACCU2 = 0x0000AAAA for LIR,
// 0xCAFEF00D for TIR, ACCU3 = 0x33332222, ACCU4 = 0x55554444; the cell holds 0x1234 for LIR
// and 0x0F0F before TIR.
std::vector<RegisterRow> registerRows(bool wordAddressed, uint16_t cell) {
  const uint32_t c = cell;
  std::vector<RegisterRow> rows;
  if (wordAddressed) {
    rows = {
        {0, 0x12340000u | c, 0xAAAA, 0x33332222, 0x55554444, 0xBEEF},
        {1, 0x00001234, 0xAAAA, 0x33332222, 0x55554444, cell},
        {2, c, 0x1234AAAA, 0x33332222, 0x55554444, 0xCAFE},
        {3, c, 0x00001234, 0x33332222, 0x55554444, 0xF00D},
    };
  } else {
    rows = {
        {0, 0x00001234, 0xAAAA, 0x33332222, 0x55554444, cell},
        {1, 0x12340000u | c, 0xAAAA, 0x33332222, 0x55554444, 0xBEEF},
        {2, c, 0x00001234, 0x33332222, 0x55554444, 0xF00D},
        {3, c, 0x1234AAAA, 0x33332222, 0x55554444, 0xCAFE},
    };
  }
  const std::vector<RegisterRow> common = {
      {9, c, 0xAAAA, 0x12342222, 0x55554444, 0x3333},
      {10, c, 0xAAAA, 0x33331234, 0x55554444, 0x2222},
      {11, c, 0xAAAA, 0x33332222, 0x12344444, 0x5555},
      {12, c, 0xAAAA, 0x33332222, 0x55551234, 0x4444},
      // Numbers without a register: nothing happens.
      {4, c, 0xAAAA, 0x33332222, 0x55554444, 0x0F0F},
      {5, c, 0xAAAA, 0x33332222, 0x55554444, 0x0F0F},
      {7, c, 0xAAAA, 0x33332222, 0x55554444, 0x0F0F},
      {13, c, 0xAAAA, 0x33332222, 0x55554444, 0x0F0F},
      {14, c, 0xAAAA, 0x33332222, 0x55554444, 0x0F0F},
  };
  rows.insert(rows.end(), common.begin(), common.end());
  return rows;
}

void InterpreterFamily::checkRegisterNumbers(bool wordAddressed) {
  const uint16_t cell = bsAddress(40);  // BS 40 serves as the memory word
  for (const RegisterRow& r : registerRows(wordAddressed, cell)) {
    SetUp();
    SCOPED_TRACE("register " + std::to_string(r.reg));
    img().ACCU3 = 0x33332222;
    img().ACCU4 = 0x55554444;
    setBs(40, 0x1234);
    block(kTypeOB, 1, {kLKH, 0xAAAA, kLKH, cell, op(0x40, r.reg), BE});
    run();
    EXPECT_FALSE(stopped());
    EXPECT_EQ(img().ACCU1, r.a1) << "LIR";
    EXPECT_EQ(img().ACCU2, r.a2) << "LIR";
    EXPECT_EQ(img().ACCU3, r.a3) << "LIR";
    EXPECT_EQ(img().ACCU4, r.a4) << "LIR";

    img().ACCU3 = 0x33332222;
    img().ACCU4 = 0x55554444;
    setBs(40, 0x0F0F);
    block(kTypeOB, 2, {kLDH, 0xCAFE, 0xF00D, kLDH, 0xBEEF, cell, op(0x48, r.reg), BE});
    run(2);
    EXPECT_FALSE(stopped());
    EXPECT_EQ(bs(40), r.stored) << "TIR";
    TearDown();
  }
}

TEST_F(InterpreterFamily, LoadAndStoreRegisterByNumber) {
  checkRegisterNumbers(false);
}

// The registers of the current data block and the step address, and the address lists.
void checkSpecialRegisters(InterpreterFamily& t) {
  const uint16_t cell = t.bsAddress(40), cell2 = t.bsAddress(41);
  writeDb5(t);
  t.block(kTypeDB, 6, {0x6666});

  t.block(kTypeOB, 1, {ADB(5), kLKH, cell, op(0x48, 6), kLKH, cell2, op(0x48, 8), BE});
  t.run();
  EXPECT_EQ(t.bs(40), t.bodyAddress(kTypeDB, 5)) << "TIR 6: body address";
  EXPECT_EQ(t.bs(41), 4) << "TIR 8: data word count";

  t.setBs(40, t.bodyAddress(kTypeDB, 6));
  t.block(kTypeOB, 2, {ADB(5), kLKH, cell, op(0x40, 6), LDW(0), TMW(0), BE});
  t.run(2);
  EXPECT_FALSE(t.stopped());
  EXPECT_EQ(t.flagWord(0), 0x6666) << "LIR 6: the data words now lie at DB 6's body";

  t.setBs(40, 2);
  t.block(kTypeOB, 3, {ADB(5), kLKH, cell, op(0x40, 8), LDW(1), TMW(2), LDW(2), BE});
  t.run(3);
  EXPECT_EQ(t.flagWord(2), 0xB1B2);
  EXPECT_TRUE(t.stopped()) << "LIR 8: DW 2 now lies beyond the block";
  EXPECT_EQ(t.bs(3), 0x0EEB);
  t.clearStop();

  // LIR 15 jumps: the program skips S M 4.0.
  t.block(kTypeOB, 4, {kLKH, cell, op(0x40, 15), SM(4, 0), SM(4, 1), BE});
  t.setBs(40, static_cast<uint16_t>(t.entry(kTypeOB, 4) + 4));
  t.run(4);
  EXPECT_FALSE(t.stopped());
  EXPECT_EQ(t.flagByte(4), 0x02) << "LIR 15";

  t.block(kTypeOB, 5, {kLKH, cell, op(0x48, 15), BE});
  t.run(5);
  EXPECT_EQ(t.bs(40), t.entry(kTypeOB, 5) + 2) << "TIR 15: the step address of the TIR";

  // A word of the address lists is an entry: LIR gives the S5 address it stands for.
  const uint16_t list = areaWordAddress(t.img(), kListOB, 5);
  t.block(kTypeOB, 6, {kLKH, list, op(0x40, t.img().AddrPerWord == 1 ? 1 : 0), BE});
  t.run(6);
  EXPECT_FALSE(t.stopped());
  EXPECT_EQ(t.img().ACCU1 & 0xFFFF, t.bodyAddress(kTypeOB, 5)) << "LIR from the OB list";
}

TEST_F(InterpreterFamily, RegistersOfTheDataBlockTheStepAddressAndTheLists) {
  checkSpecialRegisters(*this);
}

TEST_F(InterpreterFamily, BlockTransfers) {
  // Flags 10..13 = 11 22 33 44; DB 5 and DB 6; MW 50 = DB 5's DW 0 low byte, MW 52 = DB 5's DW 2,
  // MW 54 = DB 6's DW 2, MW 56 = DB 6's DW 1.
  const Step setup = [](auto& t) {
    writeDb5(t);
    t.block(kTypeDB, 6, {0, 0, 0, 0x7777});
    const uint16_t db5 = t.bodyAddress(kTypeDB, 5), db6 = t.bodyAddress(kTypeDB, 6);
    const uint16_t step = t.img().AddrPerWord;
    for (unsigned i = 0; i < 4; ++i)
      t.setFlagByte(10 + i, static_cast<uint8_t>(0x11 * (i + 1)));
    t.setFlagWord(50, static_cast<uint16_t>(db5 + 1));
    t.setFlagWord(52, static_cast<uint16_t>(db5 + 2 * step));
    t.setFlagWord(54, static_cast<uint16_t>(db6 + 2 * step));
    t.setFlagWord(56, static_cast<uint16_t>(db6 + step));
  };
  const uint16_t f = flagsStart();
  runPrograms({
      {"TNB 3 copies bytes downwards from the end addresses",
       {kLKH, static_cast<uint16_t>(f + 12), kLKH, static_cast<uint16_t>(f + 22), op(0x03, 3), BE},
       setup,
       [](auto& t) {
         EXPECT_EQ(t.flagByte(19), 0x00);
         EXPECT_EQ(t.flagByte(20), 0x11);
         EXPECT_EQ(t.flagByte(21), 0x22);
         EXPECT_EQ(t.flagByte(22), 0x33);
         EXPECT_EQ(t.flagByte(23), 0x00);
       },
       kRunsOn},
      {"TNB 0 copies nothing",
       {kLKH, static_cast<uint16_t>(f + 12), kLKH, static_cast<uint16_t>(f + 22), op(0x03, 0), BE},
       setup,
       [](auto& t) { EXPECT_EQ(t.flagByte(22), 0x00); },
       kRunsOn},
      {"TNB from flags into a data word: its high byte has the lower address",
       {kLKH, static_cast<uint16_t>(f + 11), LMW(50), op(0x03, 2), BE},
       setup,
       [](auto& t) { EXPECT_EQ(t.dataWord(5, 0), 0x1122); },
       kRunsOn},
      {"TNW 3 copies data words",
       {LMW(52), LMW(54), op(0x43, 3), BE},
       setup,
       [](auto& t) {
         EXPECT_EQ(t.dataWords(6, 4), (std::vector<uint16_t>{0xA1A2, 0xB1B2, 0xC1C2, 0x7777}));
       },
       kRunsOn},
      {"TNW between the flags and a data block stops, after copying",
       {kLKH, static_cast<uint16_t>(f + 12), LMW(56), op(0x43, 2), SM(0, 0), BE},
       setup,
       [](auto& t) {
         EXPECT_EQ(t.dataWords(6, 2), (std::vector<uint16_t>{0x1122, 0x3344}));
         EXPECT_EQ(t.flagByte(0), 0x00);
       },
       0x0EEE},
  });
}

TEST_F(InterpreterFamily, RegisterRelativeAccess) {
  // DB 5 (byte-addressed: data word n at body + 2n); MW 50 = its body address, MW 52 = DW 3's.
  // Flags 10..13 = 11 22 33 44.
  const Step setup = [](auto& t) {
    writeDb5(t);
    const uint16_t db5 = t.bodyAddress(kTypeDB, 5);
    t.setFlagWord(50, db5);
    t.setFlagWord(52, static_cast<uint16_t>(db5 + 6));
    for (unsigned i = 0; i < 4; ++i)
      t.setFlagByte(10 + i, static_cast<uint8_t>(0x11 * (i + 1)));
  };
  const auto accus = [](uint32_t a1, uint32_t a2) {
    return Step([a1, a2](InterpreterFamily& t) {
      EXPECT_EQ(t.img().ACCU1, a1);
      EXPECT_EQ(t.img().ACCU2, a2);
    });
  };
  const uint16_t f = flagsStart();
  runPrograms({
      {"LRW: BR + distance, the word there loaded",
       {LMW(50), kMAB, kLRW, 2, BE},
       setup,
       [](auto& t) {
         EXPECT_EQ(t.img().ACCU1, 0xB1B2u);
         EXPECT_EQ(t.img().BR, t.bodyAddress(kTypeDB, 5) + 2u);
       },
       kRunsOn},
      {"TRW",
       {LMW(50), kMAB, kLKH, 0x4242, kTRW, 4, BE},
       setup,
       [](auto& t) { EXPECT_EQ(t.dataWord(5, 2), 0x4242); },
       kRunsOn},
      {"the distances add up in BR",
       {LMW(50), kMAB, kLRW, 2, kLRW, 2, BE},
       setup,
       accus(0xC1C2, 0xB1B2),
       kRunsOn},
      {"a negative distance",
       {LMW(52), kMAB, kLRW, 0xFFFC, BE},
       setup,
       [](auto& t) { EXPECT_EQ(t.img().ACCU1, 0xB1B2u); },
       kRunsOn},
      {"BR beyond 0xFFFF: nothing is loaded",
       {kLDH, 0x0001, 0x0000, kMAB, kLRW, 0, BE},
       setup,
       accus(0x00010000, 0),
       kRunsOn},
      {"MBA: ACCU1 := BR",
       {kLDH, 0x0001, 0x0000, kMAB, kLKF, 5, kMBA, BE},
       setup,
       accus(0x00010000, 0x00010000),
       kRunsOn},
      {"LB GB", {kLKH, f, kMAB, 0x780E, 10, BE}, setup, accus(0x11, f), kRunsOn},
      {"LB GW and LB GD also load bytes",
       {kLKH, f, kMAB, 0x781E, 11, 0x782E, 1, BE},
       setup,
       accus(0x33, 0x22),
       kRunsOn},
      {"LW GW, LW GD: words",
       {kLKH, f, kMAB, 0x785E, 10, 0x786E, 2, BE},
       setup,
       accus(0x3344, 0x1122),
       kRunsOn},
      {"TB GB, TB GW, TB GD write the low byte",
       {kLKH, f, kMAB, kLKH, 0x12AB, 0x788E, 20, 0x789E, 1, 0x78AE, 1, BE},
       setup,
       [](auto& t) {
         EXPECT_EQ(t.flagByte(20), 0xAB);
         EXPECT_EQ(t.flagByte(21), 0xAB);
         EXPECT_EQ(t.flagByte(22), 0xAB);
         EXPECT_EQ(t.flagByte(23), 0x00);
       },
       kRunsOn},
      {"TW GW, TW GD write words",
       {kLKH, f, kMAB, kLKH, 0xBEEF, 0x78DE, 20, 0x78EE, 2, BE},
       setup,
       [](auto& t) {
         EXPECT_EQ(t.flagWord(20), 0xBEEF);
         EXPECT_EQ(t.flagWord(22), 0xBEEF);
       },
       kRunsOn},
      {"the byte forms beyond 0xFFFF do nothing",
       {kLDH, 0x0001, 0x0000, kMAB, 0x785E, 0, BE},
       setup,
       accus(0x00010000, 0),
       kRunsOn},
  });
}

TEST_F(InterpreterFamily, StepAddressAndBr) {
  block(kTypeOB, 1, {SM(9, 0), kMSA, BE});
  run();
  EXPECT_EQ(img().ACCU1 & 0xFFFF, entry(kTypeOB, 1) + 1u) << "MSA: the step address of the MSA";

  block(kTypeOB, 2, {SM(9, 0), kMSB, kMBA, BE});
  run(2);
  EXPECT_EQ(img().BR, entry(kTypeOB, 2) + 1u) << "MSB";

  // MAS jumps to ACCU1-L (bit 15 ignored) + 1: past S M 1.0.
  block(kTypeOB, 3, {LMW(10), kMAS, SM(1, 0), SM(1, 1), BE});
  setFlagWord(10, static_cast<uint16_t>(0x8000 | (entry(kTypeOB, 3) + 2)));
  run(3);
  EXPECT_FALSE(stopped());
  EXPECT_EQ(flagByte(1), 0x02) << "MAS";

  // MBS jumps to BR's low word (bit 15 ignored) + 1: past S M 2.0.
  block(kTypeOB, 4, {op(0x1A, 4), kMAB, kMBS, SM(2, 0), SM(2, 1), BE});
  const uint32_t br = 0x00018000u | (entry(kTypeOB, 4) + 3u);
  setFlagWord(4, static_cast<uint16_t>(br >> 16));
  setFlagWord(6, static_cast<uint16_t>(br));
  run(4);
  EXPECT_FALSE(stopped());
  EXPECT_EQ(flagByte(2), 0x02) << "MBS";
}

TEST_F(InterpreterFamily, RegisterRelativeDoubleWordsInAByteAddressedType) {
  // In a byte-addressed type the low half is the next word, two addresses on; so the last double
  // word that can be reached starts at 0xFFFD.
  writeDb5(*this);
  const uint16_t db5 = bodyAddress(kTypeDB, 5);
  block(kTypeOB, 1, {kLKH, db5, kMAB, kLRD, 0, BE});
  run();
  EXPECT_EQ(img().ACCU1, uint32_t{ReadS5Word(img(), db5)} << 16 |
                             ReadS5Word(img(), static_cast<uint16_t>(db5 + 2)));

  WriteS5Word(img(), 0xFFFE, 0x1357);
  block(kTypeOB, 2, {kLKH, 0xFFFE, kMAB, kLRD, 0, BE});
  run(2);
  EXPECT_EQ(img().ACCU1, 0xFFFEu) << "BR 0xFFFE has no second word: nothing is loaded";
}

// --- jumps ---------------------------------------------------------------------------------------

TEST_F(InterpreterFamily, JumpsOnConditionCodes) {
  struct Row {
    const char* what;
    uint16_t jump;  // the operation code of the jump
    int16_t a, b;
    uint16_t arithmetic;  // +F, -F or :F of a and b
    bool taken;
  };
  const Row rows[] = {
      {"SPZ on zero", 0x45, 5, 5, kSubF, true},
      {"SPZ on positive", 0x45, 5, 3, kSubF, false},
      {"SPN on positive", 0x35, 5, 3, kSubF, true},
      {"SPN on negative", 0x35, 3, 5, kSubF, true},
      {"SPN on zero", 0x35, 5, 5, kSubF, false},
      {"SPN after a division by 0 (1 1)", 0x35, 5, 0, kDivF, false},
      {"SPP on positive", 0x15, 5, 3, kSubF, true},
      {"SPP on negative", 0x15, 3, 5, kSubF, false},
      {"SPP on zero", 0x15, 5, 5, kSubF, false},
      {"SPP after a negative overflow (reads 1 0)", 0x15, -30000, -10000, kAddF, true},
      {"SPM on negative", 0x25, 3, 5, kSubF, true},
      {"SPM on positive", 0x25, 5, 3, kSubF, false},
      {"SPM after a positive overflow (reads 0 1)", 0x25, 30000, 10000, kAddF, true},
      {"SPO on overflow", 0x0D, 30000, 10000, kAddF, true},
      {"SPO without overflow", 0x0D, 1, 1, kAddF, false},
      {"SPZ after a division by 0", 0x45, 5, 0, kDivF, false},
  };
  std::vector<Program> programs;
  for (const Row& r : rows) {
    programs.push_back(
        {r.what,
         {kLKF, static_cast<uint16_t>(r.a), kLKF, static_cast<uint16_t>(r.b), r.arithmetic,
          op(r.jump, 2), SM(0, 0), BE},
         nullptr,
         [taken = r.taken](auto& t) { EXPECT_EQ(t.flagByte(0), taken ? 0 : 1) << "taken"; },
         kRunsOn});
  }
  runPrograms(programs);
}

TEST_F(InterpreterFamily, JumpsOnStoredOverflowAndRelative) {
  const auto flag0 = [](uint8_t v) {
    return Step([v](InterpreterFamily& t) { EXPECT_EQ(t.flagByte(0), v); });
  };
  runPrograms({
      {"SPS jumps after an overflow and clears OS, so a second SPS does not",
       {kLKF, 30000, kLKF, 10000, kAddF, 0x600C, 0x0002, SM(0, 0), 0x600C, 0x0002, SM(0, 1),
        SM(0, 2), BE},
       nullptr,
       flag0(0x06),
       kRunsOn},
      {"OS is stored: SPS jumps after a later addition without overflow",
       {kLKF, 30000, kLKF, 10000, kAddF, kLKF, 1, kLKF, 1, kAddF, 0x600C, 0x0002, SM(0, 0),
        SM(0, 1), BE},
       nullptr,
       flag0(0x02),
       kRunsOn},
      {"OV is not stored: SPO does not jump after a later addition without overflow",
       {kLKF, 30000, kLKF, 10000, kAddF, kLKF, 1, kLKF, 1, kAddF, op(0x0D, 2), SM(0, 0), SM(0, 1),
        BE},
       nullptr,
       flag0(0x03),
       kRunsOn},
      {"a transfer clears OS: SPS does not jump",
       {kLKF, 30000, kLKF, 10000, kAddF, TMW(10), 0x600C, 0x0002, SM(0, 0), SM(0, 1), BE},
       nullptr,
       flag0(0x03),
       kRunsOn},
      {"SPS without overflow",
       {kLKF, 1, kLKF, 1, kAddF, 0x600C, 0x0002, SM(0, 0), SM(0, 1), BE},
       nullptr,
       flag0(0x03),
       kRunsOn},
      {"SPR forwards", {0x700B, 0x0003, SM(0, 0), SM(0, 1), BE}, nullptr, flag0(0x02), kRunsOn},
      {"SPR with distance 0 continues after it",
       {0x700B, 0x0000, SM(0, 0), BE},
       nullptr,
       flag0(0x01),
       kRunsOn},
      {"SPR backwards",
       {op(0x2D, 4), SM(0, 1), SM(0, 2), BE, 0x700B, 0xFFFD},
       nullptr,
       flag0(0x06),
       kRunsOn},
      {"SPR to the last word of the program",
       {0x700B, 0x0003, 0x0000, BE},
       nullptr,
       nullptr,
       kRunsOn},
      {"SPR to the fill level stops", {0x700B, 0x0004, 0x0000, BE}, nullptr, nullptr, 0x083B},
      {"SPR far beyond the program stops", {0x700B, 0x7000, BE}, nullptr, nullptr, 0x083B},
      {"SPR before the memory stops", {0x700B, 0x8000, BE}, nullptr, nullptr, 0x083B},
  });
}

// --- formal operands -----------------------------------------------------------------------------

TEST_F(InterpreterFamily, FormalChecksOfTimersCountersAndBits) {
  struct Row {
    const char* what;
    uint8_t code;    // U =, O =, UN =, ON =
    uint16_t param;  // the second parameter
    bool m10;        // M 1.0, checked first by U =1
    uint16_t t1, z2;
    uint8_t m2, e0;
    bool result;  // M 0.0
  };
  const Row rows[] = {
      {"U = of a timer that is on", 0x07, 0x0201, true, 0x8000, 0, 0, 0, true},
      {"U = of a timer that is off (bits 15 and 14 both 1)", 0x07, 0x0201, true, 0xC000, 0, 0, 0,
       false},
      {"O = of a timer", 0x0F, 0x0201, false, 0x8000, 0, 0, 0, true},
      {"UN = of a timer", 0x27, 0x0201, true, 0xC000, 0, 0, 0, true},
      {"ON = of a timer that is on", 0x2F, 0x0201, false, 0x8000, 0, 0, 0, false},
      {"U = of a counter", 0x07, 0x4202, true, 0, 0x8005, 0, 0, true},
      {"O = of a counter at 0", 0x0F, 0x4202, false, 0, 0, 0, 0, false},
      {"UN = of a counter at 0", 0x27, 0x4202, true, 0, 0, 0, 0, true},
      {"ON = of a counter at 0", 0x2F, 0x4202, false, 0, 0, 0, 0, true},
      {"ON = of a counter not at 0", 0x2F, 0x4202, false, 0, 0x8005, 0, 0, false},
      {"O = of a flag bit", 0x0F, UM(2, 0), false, 0, 0, 0x01, 0, true},
      {"UN = of an input bit", 0x27, UE(0, 3), true, 0, 0, 0, 0x00, true},
      {"ON = of a flag bit", 0x2F, UM(2, 0), false, 0, 0, 0x01, 0, false},
      {"ON = of an input bit that is 0", 0x2F, UE(0, 3), false, 0, 0, 0, 0x00, true},
  };
  std::vector<Program> programs;
  for (const Row& r : rows) {
    programs.push_back(
        {r.what,
         // SPA FB 1 with three parameters: M 1.0, the one under test, M 0.0 (assigned).
         {callFB(1), parameterJump(3), UM(1, 0), r.param, UM(0, 0), BE},
         [r](auto& t) {
           // FB 1: U =1, (operation) =2, = =3
           t.block(kTypeFB, 1, {op(0x07, 1), op(r.code, 2), op(0x1F, 3), BE});
           t.setFlagByte(0, r.result ? 0x00 : 0x01);
           t.setFlagByte(1, r.m10 ? 0x01 : 0x00);
           t.setFlagByte(2, r.m2);
           t.setInputByte(0, r.e0);
           t.setTimerWord(1, r.t1);
           t.setCounterWord(2, r.z2);
         },
         [r](auto& t) { EXPECT_EQ(t.flagByte(0), r.result ? 1 : 0); },
         kRunsOn});
  }
  runPrograms(programs);
}

TEST_F(InterpreterFamily, FormalTimerStarts) {
  struct Row {
    const char* what;
    uint8_t code;
    uint16_t stateWithInput, stateWithoutInput;  // bits 15 and 14 after each of two runs
  };
  const Row rows[] = {
      {"SI = starts a pulse", 0x36, 0x8000, 0x0000},
      {"SE = starts an on delay", 0x26, 0xC000, 0x0000},
      {"SSV = starts a stored on delay", 0x2E, 0xC000, 0xC000},
      {"SAR = starts an off delay at the falling edge", 0x16, 0x4000, 0x8000},
  };
  for (const Row& r : rows) {
    SetUp();
    SCOPED_TRACE(r.what);
    // FB 1: U E 0.0, L KT 020.1, (start) =1; OB1 calls it with T 1.
    block(kTypeFB, 1, {UE(0, 0), kLKT, 0x1020, op(r.code, 1), BE});
    block(kTypeOB, 1, {callFB(1), parameterJump(1), 0x0201, BE});
    setInputByte(0, 0x01);
    run();
    EXPECT_FALSE(stopped());
    EXPECT_EQ(timerWord(1) & 0xC000, r.stateWithInput);
    if (r.stateWithInput & 0x8000) {
      EXPECT_EQ(timerWord(1) & 0x33FF, 0x1014) << "KT 020.1";
    }
    setInputByte(0, 0x00);
    run();
    EXPECT_FALSE(stopped());
    EXPECT_EQ(timerWord(1) & 0xC000, r.stateWithoutInput);
    TearDown();
  }
}

TEST_F(InterpreterFamily, FormalTimerAndCounterOperations) {
  // FB 1 is written by each row; OB1 calls it with one parameter: timer 1 or counter 2.
  const auto fb = [](std::vector<uint16_t> body, Step more) {
    return Step([body, more](InterpreterFamily& t) {
      t.block(kTypeFB, 1, body);
      t.setInputByte(0, 0x01);
      if (more) more(t);
    });
  };
  const std::vector<uint16_t> withTimer = {callFB(1), parameterJump(1), 0x0201, BE};
  const std::vector<uint16_t> withCounter = {callFB(1), parameterJump(1), 0x4202, BE};
  runPrograms({
      {"FR = of a timer: the enable edge", withTimer, fb({UE(0, 0), op(0x06, 1), BE}, nullptr),
       [](auto& t) { EXPECT_NE(t.timerWord(1) & 0x0400, 0); }, kRunsOn},
      {"RD = of a timer resets it", withTimer,
       fb({UE(0, 0), op(0x3E, 1), BE}, [](auto& t) { t.setTimerWord(1, 0xD014); }),
       [](auto& t) { EXPECT_EQ(t.timerWord(1) & 0xF3FF, 0x1000); }, kRunsOn},
      {"LC = of a timer: BCD and time base", withTimer,
       fb({op(0x0E, 1), TMW(0), BE}, [](auto& t) { t.setTimerWord(1, 0x2046); }),
       [](auto& t) { EXPECT_EQ(t.flagWord(0), 0x2070); }, kRunsOn},
      {"L = of a timer: binary", withTimer,
       fb({op(0x46, 1), TMW(0), BE}, [](auto& t) { t.setTimerWord(1, 0x2046); }),
       [](auto& t) { EXPECT_EQ(t.flagWord(0), 70); }, kRunsOn},
      {"U = of a timer parameter started by SE =", withTimer,
       fb({UE(0, 0), kLKT, 0x1020, op(0x26, 1), op(0x07, 1), AssignM(0, 0), BE},
          [](auto& t) { t.setFlagByte(0, 0x01); }),
       [](auto& t) { EXPECT_EQ(t.flagByte(0), 0) << "running: the output is 0"; }, kRunsOn},
      {"SVZ = sets a counter", withCounter, fb({UE(0, 0), kLKZ, 0x0005, op(0x1E, 1), BE}, nullptr),
       [](auto& t) { EXPECT_EQ(t.counterWord(2) & 0x83FF, 0x8005); }, kRunsOn},
      {"RD = of a counter resets it", withCounter,
       fb({UE(0, 0), op(0x3E, 1), BE}, [](auto& t) { t.setCounterWord(2, 0x8005); }),
       [](auto& t) { EXPECT_EQ(t.counterWord(2) & 0x83FF, 0x0000); }, kRunsOn},
      {"FR = of a counter: the enable edge", withCounter, fb({UE(0, 0), op(0x06, 1), BE}, nullptr),
       [](auto& t) { EXPECT_NE(t.counterWord(2) & 0x0400, 0); }, kRunsOn},
      {"LC = of a counter: BCD", withCounter,
       fb({op(0x0E, 1), TMW(0), BE}, [](auto& t) { t.setCounterWord(2, 0x8123); }),
       [](auto& t) { EXPECT_EQ(t.flagWord(0), 0x0291); }, kRunsOn},
      {"U = of a counter parameter set by SVZ =", withCounter,
       fb({UE(0, 0), kLKZ, 0x0005, op(0x1E, 1), UM(1, 0), op(0x07, 1), AssignM(0, 0), BE},
          [](auto& t) { t.setFlagByte(1, 0x01); }),
       [](auto& t) { EXPECT_EQ(t.flagByte(0), 1); }, kRunsOn},
  });
}

TEST_F(InterpreterFamily, FormalTransferLoadWordExecuteAndIndexedParameter) {
  runPrograms({
      {"T = turns L MW into T MW",
       {callFB(1), parameterJump(1), LMW(30), BE},
       [](auto& t) {
         t.block(kTypeFB, 1, {kLKH, 0x4321, op(0x66, 1), BE});
       },
       [](auto& t) { EXPECT_EQ(t.flagWord(30), 0x4321); },
       kRunsOn},
      {"T = turns L MB into T MB",
       {callFB(1), parameterJump(1), op(0x0A, 40), BE},
       [](auto& t) {
         t.block(kTypeFB, 1, {kLKH, 0x4321, op(0x66, 1), BE});
       },
       [](auto& t) { EXPECT_EQ(t.flagByte(40), 0x21); },
       kRunsOn},
      {"T = turns L DW into T DW",
       {callFB(1), parameterJump(1), LDW(2), BE},
       [](auto& t) {
         writeDb5(t);
         t.block(kTypeFB, 1, {ADB(5), kLKH, 0x4321, op(0x66, 1), BE});
       },
       [](auto& t) { EXPECT_EQ(t.dataWord(5, 2), 0x4321); },
       kRunsOn},
      {"LW = loads the parameter word itself, as a load",
       {callFB(1), parameterJump(1), 0x1234, BE},
       [](auto& t) {
         t.block(kTypeFB, 1, {kLKF, 7, op(0x3F, 1), BE});
       },
       [](auto& t) {
         EXPECT_EQ(t.img().ACCU1, 0x1234u);
         EXPECT_EQ(t.img().ACCU2, 7u);
       },
       kRunsOn},
      {"B = executes a block call, and the function block goes on after it",
       {callFB(1), parameterJump(1), op(0x75, 3), BE},
       [](auto& t) {
         t.block(kTypePB, 3, {SM(2, 0), BE});
         t.block(kTypeFB, 1, {op(0x76, 1), UM(2, 0), AssignM(3, 0), BE});
       },
       [](auto& t) { EXPECT_EQ(t.flagByte(3), 0x01); },
       kRunsOn},
      {"B = executes a bit instruction",
       {callFB(1), parameterJump(1), SM(4, 1), BE},
       [](auto& t) {
         t.block(kTypeFB, 1, {op(0x76, 1), BE});
       },
       [](auto& t) { EXPECT_EQ(t.flagByte(4), 0x02); },
       kRunsOn},
      {"BI executes the parameter numbered by ACCU1's low byte",
       {callFB(1), parameterJump(2), SM(4, 0), SM(4, 1), BE},
       [](auto& t) {
         t.block(kTypeFB, 1, {kLKH, 0x0102, op(0x7E, 0), BE});
       },
       [](auto& t) { EXPECT_EQ(t.flagByte(4), 0x02); },
       kRunsOn},
      {"BI with parameter number 0",
       {callFB(1), parameterJump(2), SM(4, 0), SM(4, 1), BE},
       [](auto& t) {
         t.block(kTypeFB, 1, {op(0x28, 0), op(0x7E, 0), BE});
       },
       nullptr,
       0x0EF0},
      {"BI above the parameter count",
       {callFB(1), parameterJump(2), SM(4, 0), SM(4, 1), BE},
       [](auto& t) {
         t.block(kTypeFB, 1, {op(0x28, 3), op(0x7E, 0), BE});
       },
       nullptr,
       0x0EF0},
      {"LD = is illegal in a byte-addressed type",
       {callFB(1), parameterJump(2), 0x1234, 0x5678, BE},
       [](auto& t) {
         t.block(kTypeFB, 1, {op(0x56, 1), BE});
       },
       nullptr,
       0x0C2E},
  });
}

// --- indirect execution --------------------------------------------------------------------------

TEST_F(InterpreterFamily, IndirectExecution) {
  runPrograms({
      {"B DW: the data word's value is the operand",
       {ADB(5), op(0x6E, 1), SM(0, 0), BE},
       [](auto& t) {
         t.block(kTypeDB, 5, {0, 0x0203, 0, 0});
       },
       [](auto& t) { EXPECT_EQ(t.flagByte(3), 0x04) << "S M 3.2"; },
       kRunsOn},
      {"B DW with a word load",
       {ADB(5), op(0x6E, 1), LMW(0), TMW(40), BE},
       [](auto& t) {
         t.block(kTypeDB, 5, {0, 20, 0, 0});
         t.setFlagWord(20, 0xBEEF);
       },
       [](auto& t) { EXPECT_EQ(t.flagWord(40), 0xBEEF); },
       kRunsOn},
      {"B DW beyond the block with range checking on",
       {ADB(5), op(0x6E, 4), SM(0, 0), BE},
       writeDb5,
       nullptr,
       0x0EEB},
      {"B DW beyond the block after AFS skips both words",
       {ADB(5), kAFS, op(0x6E, 4), SM(0, 0), SM(0, 1), BE},
       writeDb5,
       [](auto& t) { EXPECT_EQ(t.flagByte(0), 0x02); },
       kRunsOn},
      {"B BS executes the instruction stored in BS n",
       {op(0x18, 20), BE},
       [](auto& t) { t.setBs(20, SM(4, 5)); },
       [](auto& t) { EXPECT_EQ(t.flagByte(4), 0x20); },
       kRunsOn},
      {"B BS of a BS word that executes itself is an illegal instruction",
       {op(0x18, 20), BE},
       [](auto& t) { t.setBs(20, op(0x18, 20)); },
       nullptr,
       0x0C2E},
      {"B BS may execute B BS of another word",
       {op(0x18, 20), BE},
       [](auto& t) {
         t.setBs(20, op(0x18, 21));
         t.setBs(21, SM(4, 5));
       },
       [](auto& t) { EXPECT_EQ(t.flagByte(4), 0x20); },
       kRunsOn},
      {"B = whose actual parameter is that formal operand again is an illegal instruction",
       {callFB(1), parameterJump(1), op(0x76, 1), BE},
       [](auto& t) {
         t.block(kTypeFB, 1, {op(0x76, 1), BE});
       },
       nullptr,
       0x0C2E},
      {"B MW with an input bit",
       {op(0x4E, 10), UE(0, 0), AssignM(0, 0), BE},
       [](auto& t) {
         t.setFlagWord(10, 0x0105);
         t.setInputByte(5, 0x02);
       },
       [](auto& t) { EXPECT_EQ(t.flagByte(0), 0x01) << "U E 5.1"; },
       kRunsOn},
      {"B MW with operand 0x80 selects the output image",
       {UM(1, 0), op(0x4E, 10), op(0xD8, 0x80), BE},
       [](auto& t) {
         t.setFlagWord(10, 0x0302);
         t.setFlagByte(1, 0x01);
       },
       [](auto& t) { EXPECT_EQ(t.outputByte(2), 0x08) << "= A 2.3"; },
       kRunsOn},
      {"B MW with L AB",
       {op(0x4E, 10), op(0x4A, 0x80), TMW(40), BE},
       [](auto& t) {
         t.setFlagWord(10, 3);
         t.setOutputByte(3, 0x5A);
       },
       [](auto& t) { EXPECT_EQ(t.flagWord(40), 0x005A); },
       kRunsOn},
      {"B MW with an S flag bit: bits 0-9 the byte, 12-14 the bit",
       {UM(1, 0), op(0x4E, 10), kSS, 0x0000, BE},
       [](auto& t) {
         t.setFlagWord(10, 0x5123);
         t.setFlagByte(1, 0x01);
       },
       [](auto& t) { EXPECT_EQ(t.sFlag(0x123), 0x20) << "S S 291.5"; },
       kRunsOn},
      {"B MW with L SY",
       {op(0x4E, 10), kLSY, 0x0000, TMW(40), BE},
       [](auto& t) {
         t.setFlagWord(10, 0x0123);
         t.setSFlag(0x123, 0x77);
       },
       [](auto& t) { EXPECT_EQ(t.flagWord(40), 0x0077); },
       kRunsOn},
      {"B MW with an S flag instruction whose second word is not 0",
       {op(0x4E, 10), kSS, 0x0001, BE},
       nullptr,
       nullptr,
       0x0E75},
      {"B MW with operand 0x80 on a flag instruction",
       {op(0x4E, 10), op(0x90, 0x80), BE},
       nullptr,
       nullptr,
       0x0E75},
      {"B MW with an input byte beyond the image",
       {op(0x4E, 10), UE(0, 0), BE},
       [](auto& t) { t.setFlagWord(10, 0x0080); },
       nullptr,
       0x083B},
  });
}

// --- system operations ---------------------------------------------------------------------------

TEST_F(InterpreterFamily, SystemOperations) {
  runPrograms({
      {"AS disables interrupts",
       {0x0800, BE},
       [](auto& t) { t.img().interruptEnable = 1; },
       [](auto& t) { EXPECT_EQ(t.img().interruptEnable, 0); },
       kRunsOn},
      {"AF enables them",
       {0x0880, BE},
       [](auto& t) { t.img().interruptEnable = 0; },
       [](auto& t) { EXPECT_EQ(t.img().interruptEnable, 1); },
       kRunsOn},
      {"0x08 with another operand is illegal", {0x0801, BE}, nullptr, nullptr, 0x0C2E},
      {"0x08 with operand 0x81 is illegal", {0x0881, BE}, nullptr, nullptr, 0x0C2E},
      {"TAK exchanges the whole accumulators",
       {kLDH, 0x1111, 0x2222, kLDH, 0x3333, 0x4444, 0x7002, BE},
       nullptr,
       [](auto& t) {
         EXPECT_EQ(t.img().ACCU1, 0x11112222u);
         EXPECT_EQ(t.img().ACCU2, 0x33334444u);
       },
       kRunsOn},
      {"STS stops after itself, with error bit 0x10 and no cause",
       {STS, SM(0, 0), BE},
       nullptr,
       [](auto& t) {
         EXPECT_NE(t.img().errorWord & 0x10, 0);
         EXPECT_EQ(t.flagByte(0), 0);
       },
       kFrozen},
      {"STP asks for the stop at the cycle end; the run goes on",
       {0x7003, SM(0, 0), BE},
       nullptr,
       [](auto& t) {
         EXPECT_EQ(t.img().stopRequestedByProgram, 1);
         EXPECT_EQ(t.flagByte(0), 0x01);
       },
       kRunsOn},
      {"NOP 0, NOP 1 and BLD change neither accumulators nor VKE nor ERAB",
       {kLKF, 7, kLKF, 9, UM(1, 0), 0x0000, 0xFFFF, 0x1082, 0x10FF, 0x1000, UM(1, 1), AssignM(0, 0),
        BE},
       [](auto& t) {
         t.setFlagByte(0, 0x01);
         t.setFlagByte(1, 0x02);
       },
       [](auto& t) {
         EXPECT_EQ(t.flagByte(0), 0x00) << "U M 1.1 still combined with M 1.0 by AND";
         EXPECT_EQ(t.img().ACCU1, 9u);
         EXPECT_EQ(t.img().ACCU2, 7u);
       },
       kRunsOn},
  });
}

// --- data blocks ---------------------------------------------------------------------------------

TEST_F(InterpreterFamily, DataBlocks) {
  runPrograms({
      {"AX DX selects a DX",
       {0x7803, 0x1103, LDW(1), TMW(0), STS},
       [](auto& t) {
         t.block(kTypeDX, 3, {0x00D1, 0x00D2});
       },
       [](auto& t) {
         EXPECT_EQ(t.flagWord(0), 0x00D2);
         EXPECT_EQ(t.img().currentDb, 0x0C03);
         EXPECT_EQ(t.img().currentDbWords, 2);
       },
       kFrozen},
      {"AX DX with another high byte is illegal",
       {0x7803, 0x1003, BE},
       [](auto& t) { t.block(kTypeDX, 3, {0x00D1}); },
       nullptr,
       0x0C2E},
      {"AX DX with high byte 0x01 is illegal",
       {0x7803, 0x0103, BE},
       [](auto& t) { t.block(kTypeDX, 3, {0x00D1}); },
       nullptr,
       0x0C2E},
      {"AX DX of a missing DX", {0x7803, 0x1109, BE}, nullptr, nullptr, 0x0C27},
      {"EX DX creates a DX with data words 0 .. ACCU1-L",
       {kLKF, 2, 0x7804, 0x0004, 0x7803, 0x1104, kLKF, 0x4242, op(0x33, 2), BE},
       nullptr,
       [](auto& t) {
         EXPECT_EQ(S5AG_GetBausteinLaenge(kTypeDX, 4), 8);
         EXPECT_EQ(t.headerWord(kTypeDX, 4, 0), 0x7070);
         EXPECT_EQ(t.headerWord(kTypeDX, 4, 1), 0x0C04);
         EXPECT_EQ(t.headerWord(kTypeDX, 4, 2), 0x0000);
         EXPECT_EQ(t.headerWord(kTypeDX, 4, 4), 8);
         EXPECT_EQ(t.dataWords(4, 3, true)[2], 0x4242);
       },
       kRunsOn},
      {"E DB with ACCU1-L 0 erases an existing block",
       {kLKF, 0, 0x7805, 0x0007, BE},
       [](auto& t) {
         t.block(kTypeDB, 7, {1, 2, 3});
       },
       [](auto& t) { EXPECT_FALSE(t.exists(kTypeDB, 7)); },
       kRunsOn},
      {"EX DX with ACCU1-L 0 erases an existing DX",
       {kLKF, 0, 0x7804, 0x0003, BE},
       [](auto& t) { t.block(kTypeDX, 3, {1}); },
       [](auto& t) { EXPECT_FALSE(t.exists(kTypeDX, 3)); },
       kRunsOn},
      {"E DB of an existing block with a length leaves it",
       {kLKF, 10, 0x7805, 0x0007, BE},
       [](auto& t) {
         t.block(kTypeDB, 7, {1, 2, 3});
       },
       [](auto&) { EXPECT_EQ(S5AG_GetBausteinLaenge(kTypeDB, 7), 8); },
       kRunsOn},
      {"E DB without room in the RAM",
       {kLKF, 4090, 0x7805, 0x0007, BE},
       nullptr,
       [](auto& t) { EXPECT_FALSE(t.exists(kTypeDB, 7)); },
       0x0EE4},
  });
}

// E DB 7 with ACCU1-L from MW 0, set to `beyond` words more than the room left in the RAM that
// holds data blocks (one common RAM in the default type).
void createToTheEndOfTheRam(InterpreterFamily& t, int beyond) {
  t.block(kTypeOB, 1, {LMW(0), 0x7805, 0x0007, BE});
  const RamView ram = ramView(engine(), ramFor(engine(), kTypeDB));
  ASSERT_LT(*ram.fill + 6u, ram.size);
  t.setFlagWord(0, static_cast<uint16_t>(ram.size - *ram.fill - 6 + beyond));
  t.run();
}

TEST_F(InterpreterFamily, DataBlockOneWordLongerThanTheRoomLeft) {
  createToTheEndOfTheRam(*this, 1);
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x0EE4);
  EXPECT_FALSE(exists(kTypeDB, 7));
}

TEST_F(InterpreterFamily, DataBlockThatFillsTheRamExactly) {
  // Like every block write, E DB leaves the last word of the RAM unused.
  createToTheEndOfTheRam(*this, 0);
  EXPECT_TRUE(stopped());
  EXPECT_EQ(bs(3), 0x0EE4);
  EXPECT_FALSE(exists(kTypeDB, 7));
}

// --- special functions ---------------------------------------------------------------------------

TEST_F(InterpreterFamily, SpecialFunctionsOnAccumulatorsAndStatus) {
  const auto status = [](uint8_t vke, uint8_t os, uint8_t ov, uint8_t anz0, uint8_t anz1,
                         uint8_t statusBit, uint8_t erab) {
    return [=](InterpreterFamily& t) {
      const SimImage& s = t.img();
      EXPECT_EQ(s.VKE, vke) << "VKE";
      EXPECT_EQ(s.OS, os) << "OS";
      EXPECT_EQ(s.OV, ov) << "OV";
      EXPECT_EQ(s.ANZ0, anz0) << "ANZ0";
      EXPECT_EQ(s.ANZ1, anz1) << "ANZ1";
      EXPECT_EQ(s.STATUS, statusBit) << "STATUS";
      EXPECT_EQ(s.ERAB, erab) << "ERAB";
    };
  };
  const auto low1 = [](uint16_t v) {
    return Step([v](InterpreterFamily& t) { EXPECT_EQ(t.img().ACCU1 & 0xFFFF, v); });
  };
  const Step counting = [](auto& t) {
    t.img().ACCU1 = 1, t.img().ACCU2 = 2, t.img().ACCU3 = 3, t.img().ACCU4 = 4;
  };
  const auto accus = [](uint32_t a1, uint32_t a2, uint32_t a3, uint32_t a4) {
    return Step([=](InterpreterFamily& t) {
      EXPECT_EQ(t.img().ACCU1, a1);
      EXPECT_EQ(t.img().ACCU2, a2);
      EXPECT_EQ(t.img().ACCU3, a3);
      EXPECT_EQ(t.img().ACCU4, a4);
    });
  };
  runPrograms({
      {"AA00: BCD to binary", {kLKH, 0x1234, kASM, 0xAA00, BE}, nullptr, low1(1234), kRunsOn},
      {"AA01: magnitude to seven BCD digits",
       {kLKF, static_cast<uint16_t>(-12345), kASM, 0xAA01, BE},
       nullptr,
       [](auto& t) {
         EXPECT_EQ(t.img().ACCU1 & 0xFFFF, 0x2345u);
         EXPECT_EQ(t.img().ACCU2 & 0xFFFF, 0x0001u);
       },
       kRunsOn},
      {"AA16: cycle monitoring time",
       {kLKF, 500, kASM, 0xAA16, BE},
       nullptr,
       [](auto& t) { EXPECT_EQ(t.img().cycleMonitoringMs, 500u); },
       kRunsOn},
      {"AA17 mode 1 loads VKE, OS, OV, ANZ0, ANZ1 from bits 1, 4, 5, 6, 7",
       {kLKF, 1, kLKH, 0x00B0, kASM, 0xAA17, STS},
       nullptr,
       [status](auto& t) {
         status(0, 1, 1, 0, 1, 1, 0)(t);
         EXPECT_EQ(t.img().ACCU1 & 0xFFFF, 0x00B0u) << "ACCU1 kept";
       },
       kFrozen},
      {"AA17 mode 1 clears what is 0",
       {kLKF, 1, kLKH, 0x0042, kASM, 0xAA17, STS},
       [](auto& t) { t.img().OV = 1, t.img().ANZ1 = 1; },
       status(1, 0, 0, 1, 0, 1, 0),
       kFrozen},
      {"AA17 mode 2 sets bits and reports them in ACCU1-L bits 0-7",
       {kLKF, 2, kLKH, 0xAB40, kASM, 0xAA17, STS},
       nullptr,
       [status](auto& t) {
         status(1, 0, 0, 1, 0, 1, 0)(t);
         EXPECT_EQ(t.img().ACCU1 & 0xFFFF, 0xAB46u);
       },
       kFrozen},
      {"AA17 mode 3 clears bits and reports them",
       {kLKF, 3, kLKH, 0x0002, kASM, 0xAA17, STS},
       [](auto& t) { t.img().OV = 1, t.img().ANZ1 = 1; },
       [status](auto& t) {
         status(0, 0, 1, 0, 1, 1, 0)(t);
         EXPECT_EQ(t.img().ACCU1 & 0xFFFF, 0x00A4u);
       },
       kFrozen},
      {"AA19 clears the accumulators", {kASM, 0xAA19, BE}, counting, accus(0, 0, 0, 0), kRunsOn},
      {"AA1A rotates towards ACCU4", {kASM, 0xAA1A, BE}, counting, accus(4, 1, 2, 3), kRunsOn},
      {"AA1B rotates towards ACCU1", {kASM, 0xAA1B, BE}, counting, accus(2, 3, 4, 1), kRunsOn},
      {"AA1E sign-extends a negative word",
       {kLKH, 0x8001, kASM, 0xAA1E, BE},
       nullptr,
       [](auto& t) { EXPECT_EQ(t.img().ACCU1, 0xFFFF8001u); },
       kRunsOn},
      {"AA1E sign-extends a positive word",
       {kLDH, 0xABCD, 0x0001, kASM, 0xAA1E, BE},
       nullptr,
       [](auto& t) { EXPECT_EQ(t.img().ACCU1, 0x00000001u); },
       kRunsOn},
      {"AA39 divides with a signed remainder",
       {kLKF, 7, kLKF, 2, kASM, 0xAA39, BE},
       nullptr,
       [](auto& t) {
         EXPECT_EQ(t.img().ACCU1 & 0xFFFF, 3u);
         EXPECT_EQ(t.img().ACCU2 & 0xFFFF, 1u);
       },
       kRunsOn},
      {"AA39 by 0",
       {kLKF, 7, kLKF, 0, kASM, 0xAA39, STS},
       nullptr,
       [](auto& t) {
         EXPECT_EQ(t.img().ACCU1 & 0xFFFF, 0u);
         EXPECT_EQ(t.img().ANZ1, 1);
         EXPECT_EQ(t.img().ANZ0, 1);
         EXPECT_EQ(t.img().OV, 1);
       },
       kFrozen},
  });
}

TEST_F(InterpreterFamily, SpecialFunctionsOnPeriodsAndCounters) {
  std::vector<Program> programs;
  for (unsigned i = 0; i < 9; ++i) {
    programs.push_back(
        {"AA30 .. AA38: the period of OB10 .. OB18",
         {kLKF, static_cast<uint16_t>(250 + i), kASM, static_cast<uint16_t>(0xAA30 + i), BE},
         nullptr,
         [i](auto& t) {
           EXPECT_EQ(t.img().obPeriodMs[i], 250 + i) << "OB" << 10 + i;
           EXPECT_NE(t.img().obPeriodMs[(i + 1) % 9], 250 + i) << "only that one";
         },
         kRunsOn});
  }
  for (unsigned i = 0; i < 4; ++i) {
    for (uint16_t before : {uint16_t{2}, uint16_t{1}}) {
      programs.push_back(
          {"AA40 .. AA43: BS 60 .. BS 63 counted down, VKE := not 0, status bits cleared",
           // +F overflows first, so that OV, OS and the condition codes are 1 before.
           {kLKF, 30000, kLKF, 10000, kAddF, kASM, static_cast<uint16_t>(0xAA40 + i), STS},
           [i, before](auto& t) { t.setBs(60 + i, before); },
           [i, before](auto& t) {
             const SimImage& s = t.img();
             EXPECT_EQ(t.bs(60 + i), before - 1);
             EXPECT_EQ(s.VKE, before - 1 != 0 ? 1 : 0);
             EXPECT_EQ(s.STATUS | s.ERAB | s.OS | s.OV | s.ANZ0 | s.ANZ1, 0);
           },
           kFrozen});
    }
  }
  runPrograms(programs);
}

TEST_F(InterpreterFamily, SpecialFunctionsWithoutEffectAndUndefinedOnes) {
  std::vector<Program> programs;
  for (uint16_t code : {0xAA14, 0xAA15, 0xAA18, 0xAA1F, 0xAA20, 0xAA21, 0xAA26, 0xAA27, 0xB010,
                        0xC030, 0xC035, 0xC039}) {
    programs.push_back({"no effect",
                        {kLKF, 7, kLKF, 9, kASM, code, BE},
                        nullptr,
                        [code](auto& t) {
                          EXPECT_EQ(t.img().ACCU1, 9u) << std::hex << code;
                          EXPECT_EQ(t.img().ACCU2, 7u) << std::hex << code;
                        },
                        kRunsOn});
  }
  for (uint16_t code : {0xAA02, 0xAA22, 0xAA28, 0xAA44, 0xB011, 0xC00A, 0xC03A, 0x0000, 0xFFFF}) {
    programs.push_back({"undefined: illegal",
                        {kASM, code, BE},
                        nullptr,
                        [](auto& t) { EXPECT_NE(t.img().errorWord & 0x08, 0); },
                        0x0C2E});
  }
  runPrograms(programs);
}

int userCalls[30];
template <int N>
void countUserCall() {
  ++userCalls[N];
}

TEST_F(InterpreterFamily, UserFunctions) {
  std::fill(std::begin(userCalls), std::end(userCalls), 0);
  Engine& e = engine();
  e.userFunctions[0] = countUserCall<0>;
  e.userFunctions[9] = countUserCall<9>;
  e.userFunctions[10] = countUserCall<10>;
  e.userFunctions[29] = countUserCall<29>;
  // The last two hexadecimal digits read as a decimal number; C015 has no function installed.
  block(kTypeOB, 1,
        {kASM, 0xC000, kASM, 0xC009, kASM, 0xC010, kASM, 0xC029, kASM, 0xC029, kASM, 0xC015, BE});
  run();
  std::fill(std::begin(e.userFunctions), std::end(e.userFunctions), nullptr);
  EXPECT_FALSE(stopped());
  EXPECT_EQ(userCalls[0], 1);
  EXPECT_EQ(userCalls[9], 1);
  EXPECT_EQ(userCalls[10], 1);
  EXPECT_EQ(userCalls[29], 2);
}

TEST_F(InterpreterFamily, EraseABlockByName) {
  struct Row {
    const char* what;
    uint16_t letters, number, result;
    bool pb3Integrated;
    bool pb3After, db5After;
  };
  const Row rows[] = {
      {"PB 3 erased", 'P' << 8 | 'B', 3, 0, false, false, true},
      {"DB 5 erased", 'D' << 8 | 'B', 5, 0, false, true, false},
      {"a missing block", 'P' << 8 | 'B', 9, 240, false, true, true},
      {"an unknown type", 'X' << 8 | 'Y', 3, 241, false, true, true},
      {"lower-case letters are no type", 'p' << 8 | 'b', 3, 241, false, true, true},
      {"a number above 255", 'P' << 8 | 'B', 256, 241, false, true, true},
      {"an integrated block", 'P' << 8 | 'B', 3, 242, true, true, true},
  };
  std::vector<Program> programs;
  for (const Row& r : rows) {
    programs.push_back({r.what,
                        {kLKF, r.number, kLKH, r.letters, kASM, 0xAA11, TMW(0), BE},
                        [r](auto& t) {
                          t.block(kTypePB, 3, {BE});
                          writeDb5(t);
                          if (r.pb3Integrated) {
                            t.img().integratedBlocks[0] = blockIdentifier(kTypePB, 3);
                            t.img().integratedCount = 1;
                          }
                        },
                        [r](auto& t) {
                          EXPECT_EQ(t.flagWord(0), r.result);
                          EXPECT_EQ(t.exists(kTypePB, 3), r.pb3After);
                          EXPECT_EQ(t.exists(kTypeDB, 5), r.db5After);
                          EXPECT_EQ(t.img().compressRequested, r.result == 0 ? 1 : 0);
                        },
                        kRunsOn});
  }
  runPrograms(programs);
}

TEST_F(InterpreterFamily, EraseDataBlockZeroByName) {
  block(kTypeOB, 1, {kLKF, 0, kLKH, 'D' << 8 | 'B', kASM, 0xAA11, TMW(0), BE});
  run();
  EXPECT_FALSE(stopped());
  EXPECT_EQ(flagWord(0), 242);
  EXPECT_EQ(img().compressRequested, 0);
}

TEST_F(InterpreterFamily, DataBlockInformation) {
  const Step blocks = [](auto& t) {
    writeDb5(t);
    t.block(kTypeDX, 3, {1, 2});
  };
  runPrograms({
      {"a DB",
       {kLKH, 0x0105, kASM, 0xAA1C, STS},
       blocks,
       [](auto& t) {
         EXPECT_EQ(t.img().ACCU2 & 0xFFFF, 4u);
         EXPECT_EQ(t.img().ACCU1 & 0xFFFF, t.bodyAddress(kTypeDB, 5));
         EXPECT_EQ(t.img().VKE, 0);
         EXPECT_EQ(t.img().ANZ1, 1);
         EXPECT_EQ(t.img().ANZ0, 0);
       },
       kFrozen},
      {"an integrated DB",
       {kLKH, 0x0105, kASM, 0xAA1C, STS},
       [blocks](auto& t) {
         blocks(t);
         t.img().integratedBlocks[0] = blockIdentifier(kTypeDB, 5);
         t.img().integratedCount = 1;
       },
       [](auto& t) {
         EXPECT_EQ(t.img().VKE, 0);
         EXPECT_EQ(t.img().ANZ1, 0);
         EXPECT_EQ(t.img().ANZ0, 1);
       },
       kFrozen},
      {"a DX",
       {kLKH, 0x0203, kASM, 0xAA1C, STS},
       blocks,
       [](auto& t) {
         EXPECT_EQ(t.img().ACCU2 & 0xFFFF, 2u);
         EXPECT_EQ(t.img().ACCU1 & 0xFFFF, t.bodyAddress(kTypeDX, 3));
         EXPECT_EQ(t.img().VKE, 0);
       },
       kFrozen},
      {"a missing DB",
       {UM(1, 0), kLKH, 0x0109, kASM, 0xAA1C, STS},
       blocks,
       [](auto& t) { EXPECT_EQ(t.img().VKE, 1); },
       kFrozen},
      {"neither DB nor DX",
       {UM(1, 0), kLKH, 0x0305, kASM, 0xAA1C, STS},
       blocks,
       [](auto& t) { EXPECT_EQ(t.img().VKE, 1); },
       kFrozen},
  });
}

TEST_F(InterpreterFamily, NarrowingTheCurrentDataBlock) {
  const auto vkeAndStatus = [](uint8_t vke) {
    return Step([vke](InterpreterFamily& t) {
      const SimImage& s = t.img();
      EXPECT_EQ(s.VKE, vke);
      EXPECT_EQ(s.STATUS | s.ERAB | s.OS | s.OV | s.ANZ0 | s.ANZ1, 0) << "status bits cleared";
    });
  };
  runPrograms({
      {"by one word: DW 0 is the old DW 1",
       {ADB(5), kLKF, 1, kASM, 0xAA1D, LDW(0), TMW(0), BE},
       writeDb5,
       [](auto& t) {
         EXPECT_EQ(t.flagWord(0), 0xB1B2);
         EXPECT_EQ(t.img().VKE, 0);
       },
       kRunsOn},
      {"the block is shorter by as much",
       {ADB(5), kLKF, 1, kASM, 0xAA1D, LDW(2), TMW(0), LDW(3), BE},
       writeDb5,
       [](auto& t) { EXPECT_EQ(t.flagWord(0), 0xD1D2); },
       0x0EEB},
      {"by 0: not narrowed",
       {ADB(5), kLKF, 30000, kLKF, 10000, kAddF, kLKF, 0, kASM, 0xAA1D, STS},
       writeDb5,
       vkeAndStatus(1),
       kFrozen},
      {"by the whole count: not narrowed",
       {ADB(5), kLKF, 30000, kLKF, 10000, kAddF, kLKF, 4, kASM, 0xAA1D, STS},
       writeDb5,
       [vkeAndStatus](auto& t) {
         vkeAndStatus(1)(t);
         EXPECT_EQ(t.img().currentDbWords, 4);
       },
       kFrozen},
      {"by less than the count: status bits cleared too",
       {ADB(5), kLKF, 30000, kLKF, 10000, kAddF, kLKF, 3, kASM, 0xAA1D, STS},
       writeDb5,
       [vkeAndStatus](auto& t) {
         vkeAndStatus(0)(t);
         EXPECT_EQ(t.img().currentDbWords, 1);
       },
       kFrozen},
  });
}

TEST_F(InterpreterFamily, NarrowingSuppressesTheDataBlockRestoreOnce) {
  writeDb5(*this);
  block(kTypeDB, 6, {0x6666});
  block(kTypeDB, 7, {0x7777});
  block(kTypePB, 1, {ADB(5), kLKF, 2, kASM, 0xAA1D, BE});  // DB 5 from its DW 2 on
  block(kTypePB, 2, {ADB(7), BE});
  block(kTypeOB, 1, {ADB(6), op(0x75, 1), LDW(0), TMW(0), op(0x75, 2), LDW(0), TMW(2), BE});
  run();
  EXPECT_FALSE(stopped());
  EXPECT_EQ(flagWord(0), 0xC1C2) << "PB 1's narrowed DB 5 is still current after its end";
  EXPECT_EQ(flagWord(2), 0xC1C2) << "PB 2's end restores the data block again";
}

// --- AA25: a file into a data block --------------------------------------------------------------

struct FileCase {
  const char* what;
  std::string name;  // in DB 3 (20 words) unless the row says otherwise
  uint16_t count;
  uint16_t ky;  // ACCU1-L: target DB in the high byte, name DB in the low byte
  uint16_t result;
  std::vector<uint16_t> target;  // DB 4 afterwards (before: four words 0xEEEE)
};

// Names of 24 characters (no room for the terminating zero) and of 23.
const std::string name24 = "ABCDEFGHIJKLMNOPQRSTUVWX";
const std::string name23 = name24.substr(0, 23);

// Data words of a name block: the name high byte first from DW 0, the count in DW 13.
std::vector<uint16_t> nameBlock(const std::string& name, uint16_t count, unsigned words) {
  std::vector<uint16_t> dw(words, 0);
  for (std::size_t i = 0; i < name.size() && i / 2 < words; ++i)
    dw[i / 2] =
        static_cast<uint16_t>(dw[i / 2] | static_cast<uint8_t>(name[i]) << (i % 2 == 0 ? 8 : 0));
  if (words > 13) dw[13] = count;
  return dw;
}

// The simulator directory "sim" below the test's directory, with the files the names of the
// cases refer to, and OUT.DAT beside it; DB 3 (20 words) and DB 6 (19 words) name the file,
// DB 4 and DB 1 hold four words 0xEEEE. Runs ACCU1-L := ky, AA25, T MW 0.
void runFileCase(InterpreterFamily& t, const FileCase& c) {
  const std::vector<uint16_t> untouched(4, 0xEEEE);
  const std::string words = "\x12\x34\x56\x78\x9A\xBC";
  const auto outside = t.temporaryDirectory();
  const auto dir = outside / "sim";
  std::filesystem::create_directories(dir / "SUB");
  for (const auto& file :
       {std::string("WORDS.DAT"), std::string("SUB/WORDS.DAT"), std::string("SUB\\WORDS.DAT"),
        std::string("..WORDS.DAT"), name24, name23})
    t.writeTextFile(dir / file, words);
  t.writeTextFile(dir / "LONG.DAT", words + words);
  t.writeTextFile(outside / "OUT.DAT", words);
  std::memset(t.img().simulatorDir, 0, sizeof t.img().simulatorDir);
  std::strncpy(t.img().simulatorDir, dir.c_str(), sizeof t.img().simulatorDir - 1);

  t.block(kTypeDB, 3, nameBlock(c.name, c.count, 20));
  t.block(kTypeDB, 6, nameBlock(c.name, c.count, 19));
  t.block(kTypeDB, 4, untouched);
  t.block(kTypeDB, 1, untouched);
  t.block(kTypeOB, 1, {kLKH, c.ky, kASM, 0xAA25, TMW(0), BE});
  t.run();
  EXPECT_FALSE(t.stopped());
  EXPECT_EQ(t.flagWord(0), c.result) << "result";
  EXPECT_EQ(t.img().VKE, c.result == 0 ? 0 : 1);
  EXPECT_EQ(t.dataWords(4, 4), c.target);
  EXPECT_EQ(t.dataWords(1, 4), untouched);
}

TEST_F(InterpreterFamily, ReadAFileIntoADataBlock) {
  const std::vector<uint16_t> untouched(4, 0xEEEE);
  const FileCase cases[] = {
      {"the whole file", "WORDS.DAT", 0, 0x0403, 0, {0x1234, 0x5678, 0x9ABC, 0xEEEE}},
      {"a count of words", "WORDS.DAT", 2, 0x0403, 0, {0x1234, 0x5678, 0xEEEE, 0xEEEE}},
      {"the name in another case", "words.dat", 0, 0x0403, 0, {0x1234, 0x5678, 0x9ABC, 0xEEEE}},
      {"a name of 23 characters", name23, 0, 0x0403, 0, {0x1234, 0x5678, 0x9ABC, 0xEEEE}},
      {"the name DB is missing", "WORDS.DAT", 0, 0x0409, 1, untouched},
      {"the target DB is missing", "WORDS.DAT", 0, 0x0903, 2, untouched},
      {"the name DB is shorter than 20 words", "WORDS.DAT", 0, 0x0406, 3, untouched},
      {"the target is too small for the file", "LONG.DAT", 0, 0x0403, 4, untouched},
      {"the target is too small for the count", "LONG.DAT", 5, 0x0403, 4, untouched},
      {"no such file", "NONE.DAT", 0, 0x0403, 5, untouched},
      {"the file is shorter than the count", "WORDS.DAT", 4, 0x0403, 7, untouched},
      {"target DB 1", "WORDS.DAT", 0, 0x0103, 8, untouched},
      {"target DB 0", "WORDS.DAT", 0, 0x0003, 8, untouched},
      {"a count above 8192", "WORDS.DAT", 8193, 0x0403, 12, untouched},
      // Only files of the simulator directory itself can be read.
      {"a name with '/'", "SUB/WORDS.DAT", 0, 0x0403, 5, untouched},
      {"a name with '\\'", "SUB\\WORDS.DAT", 0, 0x0403, 5, untouched},
      {"a name up to the parent", "../OUT.DAT", 0, 0x0403, 5, untouched},
      {"the name ..", "..", 0, 0x0403, 5, untouched},
      {"a name without its zero within 24 characters", name24, 0, 0x0403, 5, untouched},
      {"an empty name", "", 0, 0x0403, 5, untouched},
  };
  for (const FileCase& c : cases) {
    SetUp();
    SCOPED_TRACE(c.what);
    runFileCase(*this, c);
    TearDown();
  }
}

TEST_F(InterpreterFamily, ReadAFileWhoseNameContainsTwoDots) {
  runFileCase(*this,
              {"a name with ..", "..WORDS.DAT", 0, 0x0403, 5, std::vector<uint16_t>(4, 0xEEEE)});
}

// --- error organisation blocks -------------------------------------------------------------------

// An error block that counts its runs in MW 60 and sets M 7.0; the programs set M 7.1 after
// the failing instruction.
const std::vector<uint16_t> kErrorBlock = {LMW(60), op(0x11, 1), TMW(60), SM(7, 0), BE};
void handledOnce(InterpreterFamily& t) {
  EXPECT_EQ(t.flagWord(60), 1) << "the error block ran once";
  EXPECT_EQ(t.flagByte(7), 0x03) << "and the run went on after the failing instruction";
}
void notHandled(InterpreterFamily& t) {
  EXPECT_EQ(t.flagByte(7), 0x00);
}

TEST_F(InterpreterFamily, ErrorOrganisationBlocks) {
  runPrograms({
      {"a transfer error handled by OB32",
       {ADB(5), LDW(10), SM(7, 1), BE},
       [](auto& t) {
         writeDb5(t);
         t.block(kTypeOB, 32, kErrorBlock);
       },
       handledOnce,
       kRunsOn},
      {"a transfer error without OB32",
       {ADB(5), LDW(10), SM(7, 1), BE},
       writeDb5,
       notHandled,
       0x0EEB},
      {"an addressing error after B MW without OB25",
       {op(0x4E, 10), op(0x02, 0), SM(7, 1), BE},
       [](auto& t) { t.setFlagWord(10, 300); },
       notHandled,
       0x083B},
      {"an addressing error of an S flag without OB25",
       {kLSY, 4096, SM(7, 1), BE},
       nullptr,
       notHandled,
       0x083B},
  });
}

TEST_F(InterpreterFamily, AddressingErrorHandledByOb25GoesOnAfterTheInstruction) {
  runPrograms({
      {"B MW with an operand out of range",
       {op(0x4E, 10), op(0x02, 0), SM(7, 1), BE},
       [](auto& t) {
         t.setFlagWord(10, 300);
         t.block(kTypeOB, 25, kErrorBlock);
       },
       handledOnce,
       kRunsOn},
      {"L SY beyond the S flags",
       {kLSY, 4096, SM(7, 1), BE},
       [](auto& t) { t.block(kTypeOB, 25, kErrorBlock); },
       handledOnce,
       kRunsOn},
  });
}

// --- a word-addressed type -----------------------------------------------------------------------

class InterpreterFamilyWordAddressed : public InterpreterFamily {
 public:
  void SetUp() override {
    InterpreterFamily::SetUp();
    activateType(std::string(TAVRIN_SOURCE_DATA_DIR) + "/S5-115U.AG");
    ASSERT_EQ(img().AddrPerWord, 1);
  }
};

TEST_F(InterpreterFamilyWordAddressed, LoadAndStoreRegisterByNumber) {
  checkRegisterNumbers(true);
}

TEST_F(InterpreterFamilyWordAddressed, RegistersOfTheDataBlockTheStepAddressAndTheLists) {
  checkSpecialRegisters(*this);
}

TEST_F(InterpreterFamilyWordAddressed, LoadDoubleParameter) {
  block(kTypeFB, 1, {kLKF, 7, op(0x56, 1), BE});
  block(kTypeOB, 1, {callFB(1), parameterJump(2), 0x1234, 0x5678, BE});
  run();
  EXPECT_FALSE(stopped());
  EXPECT_EQ(img().ACCU1, 0x12345678u) << "the parameter word and the one after it";
  EXPECT_EQ(img().ACCU2, 7u);
}

TEST_F(InterpreterFamilyWordAddressed, RegisterRelativeDoubleWords) {
  writeDb5(*this);
  const uint16_t db5 = bodyAddress(kTypeDB, 5);
  setFlagWord(50, db5);
  WriteS5Word(img(), 0xFFFE, 0x1357);

  block(kTypeOB, 1, {LMW(50), kMAB, kLRD, 1, BE});
  run();
  EXPECT_EQ(img().ACCU1, 0xB1B2C1C2u) << "LRD: BR high half, BR + 1 low half";

  block(kTypeOB, 2, {LMW(50), kMAB, kLDH, 0x1234, 0x5678, kTRD, 2, BE});
  run(2);
  EXPECT_EQ(dataWords(5, 4), (std::vector<uint16_t>{0xA1A2, 0xB1B2, 0x1234, 0x5678})) << "TRD";

  block(kTypeOB, 3, {kLKH, 0xFFFE, kMAB, kLRD, 0, BE});
  run(3);
  EXPECT_EQ(img().ACCU1, 0x13570000u) << "LRD at 0xFFFE: the word at 0xFFFF reads 0";

  block(kTypeOB, 4, {kLKH, 0xFFFF, kMAB, kLRD, 0, BE});
  run(4);
  EXPECT_EQ(img().ACCU1, 0x0000FFFFu) << "LRD at 0xFFFF: nothing loaded";

  block(kTypeOB, 5, {kLKH, 0xFFFF, kMAB, kLRW, 0, BE});
  run(5);
  EXPECT_EQ(img().ACCU2, 0x0000FFFFu) << "LRW at 0xFFFF still loads";
  EXPECT_FALSE(stopped());
}

}  // namespace
}  // namespace tavrin::simcore::testing
