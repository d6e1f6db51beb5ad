// Status through the line: the status of variables and the block status, their records after
// each request, the continuation and the end, and request lists longer than the recorder holds.
#include "simcore/block_kinds.h"
#include "simcore/simcore32.h"
#include "simcore/tests/pg_partner.h"

namespace tavrin::simcore::testing {
namespace {

constexpr uint16_t BE = 0x6500;

class PgStatus : public PgServiceTest {
 protected:
  // Job 0x14 or 0x15 with its parameters; the controller's answer to both.
  void statusJob(uint8_t job, const Bytes& onTheLine) {
    line.acceptedJob(job).partner(onTheLine).controller({DLE, ACK, STX}).partner({DLE, ACK});
    line.controller({DLE, DLE, DLE, ETX}).partner({DLE, ACK});
  }
  // 0x80 or 0x81.
  void continuation(uint8_t job) {
    line.partner({STX}).controller({DLE, ACK}).partner({job, DLE, ETX});
    line.controller({DLE, ACK, STX}).partner({DLE, ACK});
    if (job == 0x81) line.controller({DC1, DLE, ETX}).partner({DLE, ACK});
  }
  // A record as it is sent: DLE doubled data, DLE ETX; the partner acknowledges.
  void record(const Bytes& data) {
    line.controller(doubled(data) + Bytes{DLE, ETX}).partner({DLE, ACK});
  }
  void cycle() {
    clock_.advance(10);
    S5AG_Step5Zyklus();
  }
};

// Undoubles a block status record that ends in DLE ETX into its items.
std::vector<uint16_t> recordItems(const Bytes& sent) {
  Bytes data;
  for (std::size_t i = 0; i < sent.size(); ++i) {
    if (sent[i] == DLE) {
      if (i + 1 < sent.size() && sent[i + 1] == ETX) break;
      ++i;
    }
    data.push_back(sent[i]);
  }
  return fromBigEndian(data.data(), data.size() / 2);
}

TEST_F(PgStatus, VariablesAfterEachRequestUntilTheEnd) {
  S5AG_WriteMerkByte(5, DLE);
  S5AG_WriteMerkByte(6, 0x12);
  S5AG_WriteMerkByte(7, 0x34);
  // Seven bytes the controller does not need, M 5 as a byte, MW 6 as a word, the end.
  const Bytes request = {1,    2,    3,    4,    5,    6,    7,    0x10, 0x30,
                         0x61, 0x05, 0x10, 0x37, 0x61, 0x06, 0x10, 0x03};
  statusJob(0x14, doubled(request));
  record({DLE, 0x00, 0x01, 0x84, 0x03, DLE, 0x00, 0x00, 0x00, 0x00, 0x12, 0x34});
  serve();

  line = PgPartner();
  serveOnly();
  EXPECT_TRUE(line.sent.empty()) << "the next record only after 0x80";

  S5AG_WriteMerkByte(5, 0x22);
  line = PgPartner();
  continuation(0x80);
  record({DLE, 0x00, 0x01, 0x84, 0x03, 0x22, 0x00, 0x00, 0x00, 0x00, 0x12, 0x34});
  serve();

  line = PgPartner();
  continuation(0x81);
  serve();
  EXPECT_EQ(image().blockStatusMode, 0);
  line = PgPartner();
  continuation(0x80);
  serve();  // no record: the status has ended
}

TEST_F(PgStatus, ListEndsWith1004OrADleEotAfterIt) {
  const Bytes items = {0, 0, 0, 0, 0, 0, 0, 0x10, 0x30, 0x61, 0x00};
  for (const Bytes& end : {doubled({0x10, 0x04}), doubled({0x10, 0x03}) + Bytes{DLE, EOT}}) {
    line = PgPartner();
    statusJob(0x14, doubled(items) + end);
    record({DLE, 0x00, 0x01, 0x84, 0x03, 0x00});
    serve();
  }
}

TEST_F(PgStatus, ListsLongerThanTheRecorderHoldsAreReadAndCut) {
  Bytes request = {0, 0, 0, 0, 0, 0, 0};
  for (unsigned i = 0; i < 300; ++i)
    request = request + Bytes{0x10, 0x30, 0x61, static_cast<uint8_t>(i)};
  request = request + Bytes{0x10, 0x03};
  statusJob(0x14, doubled(request));
  line.controllerSendsSomething().partner({DLE, ACK});
  serveOnly();
  EXPECT_TRUE(line.allSent());
  EXPECT_EQ(line.clears, 0u);
  // 99 items with their addresses fill 198 of the 199 words; the list end closes it.
  EXPECT_EQ(image().statusRequests[196], 0x1030);
  EXPECT_EQ(image().statusRequests[197], 0x6162);
  EXPECT_EQ(image().statusRequests[198], 0x1003);
  // The record after the answer: DLE 0, then four bytes per item, then DLE ETX.
  const std::size_t answer = line.expectedFromController().size();
  Bytes recordData;
  for (std::size_t i = answer; i + 2 < line.sent.size(); ++i) {
    recordData.push_back(line.sent[i]);
    if (line.sent[i] == DLE) ++i;
  }
  EXPECT_EQ(recordData.size(), 2u + 99 * 4);
  EXPECT_EQ(Bytes(line.sent.end() - 2, line.sent.end()), (Bytes{DLE, ETX}));

  // The block status list the same way.
  ASSERT_EQ(write(makeBlock(kTypePB, 1, {BE})), 0);
  Bytes blockRequest = {kTypePB, 1, 0, 0};
  for (unsigned i = 0; i < 300; ++i)
    blockRequest = blockRequest + Bytes{0x10, 0x36};
  blockRequest = blockRequest + Bytes{0x10, 0x03};
  line = PgPartner();
  statusJob(0x15, doubled(blockRequest));
  serve();
  EXPECT_EQ(image().statusRequests[198], 0x1036);
  EXPECT_EQ(image().statusRequests[199], 0x1003);
}

TEST_F(PgStatus, BlockStatusRecordAfterTheTriggerRan) {
  // PB1: L KF 7, L KF 9, +F, U M 0.0, BE; the trigger at the +F (offset 8), two requests for
  // the accumulators and the end of the list.
  ASSERT_EQ(write(makeBlock(kTypePB, 1, {0x3004, 7, 0x3004, 9, 0x7900, 0x8000, BE})), 0);
  ASSERT_EQ(write(makeBlock(kTypeOB, 1, {0x7501, BE})), 0);
  S5AG_StartAg(21);
  cycle();
  statusJob(0x15, doubled({kTypePB, 1, 0x00, 0x08, 0x10, 0x36, 0x10, 0x36, 0x10, 0x03}));
  serve();
  EXPECT_EQ(image().blockStatusTarget, 5 + 4) << "body word 5, plus 8 addresses in words";

  const uint16_t pb1 = 0x0100 + 2 * 5;
  const auto checkRecord = [&](const Bytes& sent) {
    const auto items = recordItems(sent);
    ASSERT_EQ(items.size(), 1u + 4 + 4 + 2);
    EXPECT_EQ(items[0], 0) << "no data block";
    EXPECT_EQ(items[1], pb1 + 2 * 4) << "the +F";
    EXPECT_EQ(items[3], 7) << "ACCU2-L";
    EXPECT_EQ(items[4], 16) << "ACCU1-L";
    EXPECT_EQ(items[5], pb1 + 2 * 5) << "U M 0.0";
    EXPECT_EQ(items[9], pb1 + 2 * 6) << "BE";
    EXPECT_EQ(Bytes(sent.end() - 2, sent.end()), (Bytes{DLE, ETX}));
  };
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "first record" : "after 0x80");
    cycle();
    line = PgPartner();
    line.controllerSendsSomething().partner({DLE, ACK});
    serveOnly();
    EXPECT_TRUE(line.allSent());
    checkRecord(line.sent);
    cycle();
    line = PgPartner();
    serveOnly();
    EXPECT_TRUE(line.sent.empty()) << "one record until the partner asks for the next";
    line = PgPartner();
    continuation(0x80);
    serve();
  }
  line = PgPartner();
  continuation(0x81);
  serve();
  cycle();
  line = PgPartner();
  serveOnly();
  EXPECT_TRUE(line.sent.empty()) << "ended";
}

TEST_F(PgStatus, OffsetWithADleOnTheLine) {
  ASSERT_EQ(write(makeBlock(kTypePB, 1, std::vector<uint16_t>(20, BE))), 0);
  statusJob(0x15, doubled({kTypePB, 1, 0x00, 0x10, 0x10, 0x35, 0x10, 0x03}));
  serve();
  EXPECT_EQ(image().blockStatusTarget, 5 + 8);
  EXPECT_EQ(image().statusRequests[0], 0x1035);
  EXPECT_EQ(image().statusRequests[1], 0x1003);
}

}  // namespace
}  // namespace tavrin::simcore::testing
