// The programming-device jobs through the line: memory, system data, blocks, start and stop.
#include <string>

#include "simcore/block_kinds.h"
#include "simcore/memory_transfer.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"
#include "simcore/stack_images.h"
#include "simcore/tests/pg_partner.h"

namespace tavrin::simcore::testing {
namespace {

class PgJobs : public PgServiceTest {
 protected:
  // A job whose parameters end in DLE EOT and whose controller only acknowledges them.
  void acknowledgedJob(uint8_t job, const Bytes& parameters) {
    line = PgPartner();
    line.acceptedJob(job).parameters(parameters).controller({DLE, ACK}).closing();
    serve();
  }
  // A job that answers with a reply telegram.
  void replyJob(uint8_t job, const Bytes& parameters, const Bytes& reply) {
    line = PgPartner();
    line.acceptedJob(job).parameters(parameters).reply(reply).closing();
    serve();
  }
  void useWordAddressedType() {
    ASSERT_EQ(S5AG_AGAktivieren((std::string(TAVRIN_SOURCE_DATA_DIR) + "/S5-115U.AG").c_str()), 0);
    ASSERT_EQ(image().AddrPerWord, 1);
  }
};

// --- memory ------------------------------------------------------------------------------------

TEST_F(PgJobs, ReadMemoryByteAddressed) {
  const uint8_t flags[] = {0x10, 0x55, 0x00, 0xAA};
  for (unsigned i = 0; i < 4; ++i)
    S5AG_WriteMerkByte(static_cast<short>(i), flags[i]);
  unsigned char word[] = {0x12, 0x34};
  S5AG_WriteAdr(0x1010, 2, word);
  WriteS5Byte(image(), 0xFFFE, 0x77);
  struct Case {
    const char* what;
    Bytes range;
    Bytes contents;
  };
  const Case cases[] = {
      {"flag bytes, a DLE among them", {0x61, 0x00, 0x61, 0x03}, {0x10, 0x55, 0x00, 0xAA}},
      {"addresses that are DLEs", {0x10, 0x10, 0x10, 0x11}, {0x12, 0x34}},
      {"up to 0xFFFF", {0xFF, 0xFE, 0xFF, 0xFF}, {0x77, 0x00}},
      {"end below start", {0x61, 0x03, 0x61, 0x00}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    replyJob(0x04, c.range, Bytes{0x00, 0x00, 0x00, 0x00, 0x00} + c.contents);
  }
}

TEST_F(PgJobs, ReadMemoryWordAddressedGivesWordsHighByteFirst) {
  useWordAddressedType();
  unsigned char words[] = {0x10, 0x20, 0x30, 0x40};
  S5AG_WriteAdr(0x0200, 4, words);
  replyJob(0x04, {0x02, 0x00, 0x02, 0x01}, {0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x20, 0x30, 0x40});
}

TEST_F(PgJobs, ReadingTheControlBitsRebuildsThem) {
  for (unsigned i = 0; i < 6; ++i)
    WriteS5Byte(image(), static_cast<uint16_t>(0x5D0A + i), 0xEE);
  image().stopLatch = 1;
  image().stopRequestedByPg = 1;
  replyJob(0x04, {0x5D, 0x0A, 0x5D, 0x0F}, {0, 0, 0, 0, 0, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00});
}

TEST_F(PgJobs, ReadingTheControlBitsOfAWordAddressedType) {
  useWordAddressedType();
  const uint16_t at = controlBitsAddress(image());
  EXPECT_EQ(at, 0xEA05);
  image().stopLatch = 1;
  image().runState = 0;
  replyJob(0x04, {0xEA, 0x05, 0xEA, 0x05}, {0, 0, 0, 0, 0, 0x80, 0x00});
}

TEST_F(PgJobs, WriteMemoryBytesWordsAndTimers) {
  acknowledgedJob(0x03, {0x61, 0x00, 0x11, 0x22, 0x10});
  uint8_t m = 0;
  const uint8_t expected[] = {0x11, 0x22, 0x10};
  for (short i = 0; i < 3; ++i) {
    S5AG_ReadMerkByte(i, &m);
    EXPECT_EQ(m, expected[i]) << "flag byte " << i;
  }
  // Timer 1 of the S5-95U at 0x5F02: 105 in time base 2 (1 s), started.
  acknowledgedJob(0x03, {0x5F, 0x02, 0x21, 0x05});
  EXPECT_EQ(S5AG_GetTimerWord(1), 0xC000 | 0x2000 | 105);
  EXPECT_NE(image().timerRunningBits[0] & 0x0002, 0);
}

TEST_F(PgJobs, WriteMemoryWordAddressed) {
  useWordAddressedType();
  acknowledgedJob(0x03, {0x02, 0x00, 0x12, 0x34, 0x56, 0x78});
  EXPECT_EQ(ReadS5Word(image(), 0x0200), 0x1234);
  EXPECT_EQ(ReadS5Word(image(), 0x0201), 0x5678);
  // Timer 3 at 0xED03: 42 in time base 1.
  acknowledgedJob(0x03, {0xED, 0x03, 0x10, 0x42});
  EXPECT_EQ(S5AG_GetTimerWord(3), 0xC000 | 0x1000 | 42);
}

TEST_F(PgJobs, WriteToTheStartStopAddress) {
  ASSERT_EQ(write(makeBlock(kTypeOB, 1, {0x6500})), 0);
  struct Case {
    const char* what;
    Bytes parameters;
  };
  for (const Case& c : {Case{"BS start + 12", {0x5D, 0x0C, 0x00, 0x00}},
                        Case{"the fixed address", {0xEA, 0x0C, 0x00, 0x00}}}) {
    SCOPED_TRACE(c.what);
    S5AG_SetRunSchalter(0);
    S5AG_Step5Zyklus();
    ASSERT_EQ(S5AG_RunZustand(), 0);
    image().stopLatch = 1;
    acknowledgedJob(0x03, c.parameters);
    EXPECT_EQ(image().runSwitch, 1);
    EXPECT_EQ(image().stopLatch, 0);
    S5AG_Step5Zyklus();
    EXPECT_EQ(S5AG_RunZustand(), 1) << "the next cycle call restarts";
  }
  // In RUN a first data byte with bit 7 asks for the stop.
  acknowledgedJob(0x03, {0x5D, 0x0C, 0x80, 0x00});
  EXPECT_EQ(image().stopLatch, 1);
  EXPECT_EQ(image().stopRequestedByPg, 1);
}

TEST_F(PgJobs, SystemDataImages) {
  ASSERT_EQ(write(makeBlock(kTypePB, 2, {0x6500})), 0);
  // The RAM start, then the fill level's address: 0x0100 + 6 words.
  replyJob(0x19, {}, {0x00, 0x01, 0x00, 0x01, 0x0C});

  // The stacks as the exports give them, after a stop two calls deep.
  image().savedBlockStackDepth = 3;
  image().blockStack[2] = {};
  image().blockStack[2].callerDbAddress = 0x1234;
  image().blockStack[3].callerDbAddress = 0x1010;
  std::vector<uint8_t> bstack(64);
  short bstackLength = 0;
  ASSERT_EQ(S5AG_BStack(bstack.data(), &bstackLength), 0);
  ASSERT_GT(bstackLength, 0);
  bstack.resize(static_cast<std::size_t>(bstackLength));
  replyJob(0x1C, {}, Bytes{0x00} + bstack);

  image().ACCU1 = 0x1010;
  std::vector<uint8_t> ustack(64);
  short ustackLength = 0;
  ASSERT_EQ(S5AG_RdUStack(ustack.data(), &ustackLength), 0);
  ASSERT_EQ(ustackLength, 26);
  // From byte 6 on: bytes 6 and 7, then what S5AG_RdUStack gives from byte 8, 26 in all.
  const Bytes reply = Bytes{0x00, ustackByte(image(), 6), ustackByte(image(), 7)} +
                      Bytes(ustack.begin(), ustack.begin() + 24);
  replyJob(0x1D, {}, reply);
}

// --- blocks ------------------------------------------------------------------------------------

struct LoadCase {
  const char* what;
  uint8_t job;
  std::vector<uint16_t> block;
  uint8_t answer;
  void (*prepare)(SimImage&);
  Bytes header;  // empty: type, number, length and the two identification words of the block
};

Bytes headerOf(const std::vector<uint16_t>& block) {
  const auto type = static_cast<uint8_t>(block[1] >> 8 & 0x3F);
  const auto number = static_cast<uint8_t>(block[1]);
  return Bytes{type, number, static_cast<uint8_t>(block[4] >> 8), static_cast<uint8_t>(block[4])} +
         bigEndian({block[2], block[3]});
}

class PgLoad : public PgJobs {
 protected:
  void load(const LoadCase& c) {
    const Bytes header = c.header.empty() ? headerOf(c.block) : c.header;
    line = PgPartner();
    line.acceptedJob(c.job).partner(doubled(header) + Bytes{DLE, ETX}).reply({c.answer});
    if (c.answer == 9) {
      line.partner({STX}).controller({DLE, ACK});
      line.partner(doubled(Bytes{0x00} + bigEndian(c.block)) + Bytes{DLE, EOT});
      line.controller({DLE, ACK});
    }
    line.closing();
    serve();
  }
};

const std::vector<uint16_t> kPb16 = makeBlock(kTypePB, 16, {0x1010, 0x6500}, 0x0010, 0x1000);
const std::vector<uint16_t> kPb16New = makeBlock(kTypePB, 16, {0x7010, 0x1010, 0x6500});

TEST_F(PgLoad, AnswersAndTheLaterCheckDecides) {
  const LoadCase cases[] = {
      {"a new block", 0x05, kPb16, 9, nullptr, {}},
      {"existing, not to be replaced",
       0x05,
       kPb16,
       5,
       [](SimImage&) { ASSERT_EQ(writeBlock(kPb16), 0); },
       {}},
      {"existing, replaced",
       0x08,
       kPb16New,
       9,
       [](SimImage&) { ASSERT_EQ(writeBlock(kPb16), 0); },
       {}},
      {"integrated, even when it exists",
       0x05,
       makeBlock(kTypeFB, 250, {0x6500}),
       6,
       [](SimImage& img) {
         img.integratedBlocks[0] = 0x08FA;
         img.integratedCount = 1;
         ASSERT_EQ(writeBlock(makeBlock(kTypeFB, 250, {0x6500}), 1), 0);
       },
       {}},
      {"DB0", 0x08, makeBlock(kTypeDB, 0, {1}), 6, nullptr, {}},
      {"unknown type", 0x08, makeBlock(0x03, 1, {1}), 6, nullptr, {}},
      {"number beyond the block count",
       0x08,
       makeBlock(kTypePB, 12, {0x6500}),
       6,
       [](SimImage& img) { img.blockCount[kCountPB] = 10; },
       {}},
      {"no room", 0x05, makeBlock(kTypeDB, 2, std::vector<uint16_t>(4091)), 4, nullptr, {}},
      {"shorter than a header", 0x05, {}, 4, nullptr, {kTypePB, 3, 0x00, 0x03}},
      {"program in PB1: another block",
       0x05,
       makeBlock(kTypeOB, 1, {0x6500}),
       7,
       [](SimImage& img) { img.cycleStartKind = 300; },
       {}},
      {"program in PB1: PB1 itself",
       0x08,
       makeBlock(kTypePB, 1, {0x6500}),
       9,
       [](SimImage& img) { img.cycleStartKind = 300; },
       {}},
      {"program in PB1 decides over an existing block",
       0x05,
       makeBlock(kTypeOB, 1, {0x6500}),
       7,
       [](SimImage& img) {
         ASSERT_EQ(writeBlock(makeBlock(kTypeOB, 1, {0x6500})), 0);
         img.cycleStartKind = 300;
       },
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    attachPrivate();
    S5AG_SimulatorInit("");
    if (c.prepare != nullptr) c.prepare(image());
    const auto before = c.block.empty() ? std::vector<uint16_t>{}
                                        : stored(static_cast<uint8_t>(c.block[1] >> 8 & 0x3F),
                                                 static_cast<uint8_t>(c.block[1]));
    load(c);
    if (c.block.empty()) continue;
    const auto after =
        stored(static_cast<uint8_t>(c.block[1] >> 8 & 0x3F), static_cast<uint8_t>(c.block[1]));
    EXPECT_EQ(after, c.answer == 9 ? c.block : before);
  }
}

TEST_F(PgLoad, LongerThanAReceivedDataPartIsRefused) {
  useWordAddressedType();  // a RAM of 0x6000 words, so only the receive limit refuses
  load({"5000 words", 0x05, makeBlock(kTypeDB, 2, std::vector<uint16_t>(4995)), 4, nullptr, {}});
  load({"4999 words",
        0x05,
        makeBlock(kTypeDB, 3, std::vector<uint16_t>(4994, 0x1010)),
        9,
        nullptr,
        {}});
  EXPECT_EQ(S5AG_GetBausteinLaenge(kTypeDB, 3), 4999);
}

TEST_F(PgLoad, ABlockOtherThanAnnouncedIsNotStored) {
  Bytes twoBytesShort = Bytes{0x00} + bigEndian(kPb16);
  twoBytesShort.resize(twoBytesShort.size() - 2);
  const std::pair<const char*, Bytes> cases[] = {
      {"two bytes short", twoBytesShort},
      {"the header names PB17", Bytes{0x00} + bigEndian(makeBlock(kTypePB, 17, {0x1010, 0x6500}))},
  };
  for (const auto& [what, data] : cases) {
    SCOPED_TRACE(what);
    line = PgPartner();
    line.acceptedJob(0x05).partner(doubled(headerOf(kPb16)) + Bytes{DLE, ETX}).reply({9});
    line.partner({STX}).controller({DLE, ACK}).partner(doubled(data) + Bytes{DLE, EOT});
    serveOnly();
    EXPECT_EQ(line.sent, line.expectedFromController()) << "no acknowledgement";
    EXPECT_EQ(line.clears, 1u);
    EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 16), 0);
    EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 17), 0);
  }
}

TEST_F(PgJobs, ReadBlockAndItsHeader) {
  ASSERT_EQ(writeBlock(kPb16), 0);
  replyJob(0x06, {kTypePB, 16}, Bytes{0x00} + bigEndian(kPb16));
  replyJob(0x06, {kTypePB, 17}, {0x05});
  replyJob(0x06, {0x03, 1}, {0x05});
  // The body of the first block begins after its header, at 0x0100 + 5 words.
  replyJob(0x1A, {kTypePB, 16},
           Bytes{0x00, 0x01, 0x0A} + bigEndian({kPb16.begin(), kPb16.begin() + 5}));
  replyJob(0x1A, {kTypePB, 17}, {20});
}

TEST_F(PgJobs, BlockDirectory) {
  ASSERT_EQ(writeBlock(makeBlock(kTypePB, 2, {0x6500})), 0);  // words 0..5, body 0x010A
  ASSERT_EQ(writeBlock(kPb16), 0);                            // words 6..12, body 0x0116
  const auto directory = [](unsigned count) {
    Bytes d = {0x00};
    for (unsigned n = 0; n < count; ++n) {
      const uint16_t a = n == 2 ? 0x010A : n == 16 ? 0x0116 : 0;
      d.push_back(static_cast<uint8_t>(a >> 8));
      d.push_back(static_cast<uint8_t>(a));
    }
    return d;
  };
  replyJob(0x1B, {kTypePB}, directory(256));
  S5AG_SetBuchAGKomplett(0);
  replyJob(0x1B, {kTypePB}, directory(17));  // ends after the last block
  ASSERT_EQ(writeBlock(makeBlock(kTypeDB, 0, {1}), 1), 0);
  ASSERT_EQ(writeBlock(makeBlock(kTypeDB, 1, {1})), 0);
  replyJob(0x1B, {kTypeDB}, {0x00, 0x00, 0x00, 0x01, 0x30});  // DB0 is always 0
  replyJob(0x1B, {0x03}, {0x00});                             // an unknown type has no blocks
}

TEST_F(PgJobs, EraseCompressAndOverallReset) {
  ASSERT_EQ(writeBlock(kPb16), 0);
  ASSERT_EQ(writeBlock(makeBlock(kTypeDB, 0, {1}), 1), 0);
  image().integratedBlocks[0] = 0x08FA;
  image().integratedCount = 1;
  ASSERT_EQ(writeBlock(makeBlock(kTypeFB, 250, {0x6500}), 1), 0);
  const auto erase = [&](uint8_t type, uint8_t number) {
    line = PgPartner();
    line.acceptedJob(0x09).partner(doubled({type, number}) + Bytes{DLE, ETX});
    line.controller({DLE, ACK}).closing();
    serve();
  };
  erase(kTypePB, 16);
  erase(kTypeDB, 0);
  erase(kTypeFB, 250);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypePB, 16), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeDB, 0), 1);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeFB, 250), 1);

  const uint16_t fill = image().s5RamFill;
  acknowledgedJob(0x07, {});
  EXPECT_EQ(image().compressRequested, 1);
  S5AG_Step5Zyklus();
  EXPECT_EQ(image().s5RamFill, fill - kPb16.size()) << "the gap is gone";

  ASSERT_EQ(writeBlock(makeBlock(kTypeOB, 1, {0x6500})), 0);
  acknowledgedJob(0x11, {});
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeOB, 1), 0);
  EXPECT_EQ(S5AG_BausteinVorhandenB(kTypeFB, 250), 1) << "integrated blocks stay";
}

// --- operating state ---------------------------------------------------------------------------

TEST_F(PgJobs, StartAndStop) {
  struct Case {
    uint8_t command;
    uint8_t powerOn;
  };
  for (const Case& c : {Case{1, 1}, Case{2, 0}}) {
    SCOPED_TRACE(int(c.command));
    image().runSwitch = 0;
    image().stopLatch = 1;
    image().resetRequest = 1;
    line = PgPartner();
    line.acceptedJob(0x1E).parameters({c.command}).controller({DLE, ACK, STX});
    line.partner({DLE, ACK}).controller({0x25, DLE, ETX}).partner({DLE, ACK}).closing();
    serve();
    EXPECT_EQ(image().runSwitch, 1);
    EXPECT_EQ(image().stopLatch, 0);
    EXPECT_EQ(image().resetRequest, 0);
    EXPECT_EQ(image().powerOn, c.powerOn);
  }
  acknowledgedJob(0x1E, {0});
  EXPECT_EQ(image().stopLatch, 1);
}

}  // namespace
}  // namespace tavrin::simcore::testing
