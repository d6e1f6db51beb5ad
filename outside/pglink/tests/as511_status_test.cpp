// The status jobs against a scripted controller: the request lists as they go on the line, the
// controller's answer, its records, and the continuations.
#include "outside/pglink/tests/client_fixture.h"

namespace tavrin::pglink {
namespace {

// The controller's answer to both status jobs and our acknowledgements of it.
const Bytes kStatusAnswer = {DLE, ACK, STX, DLE, DLE, DLE, ETX};
const Bytes kOurStatusAcks = {DLE, ACK, DLE, ACK};

TEST_F(As511ClientTest, VariableStatusSendsTheListAndTakesTheFirstRecord) {
  // MB 3 at 0x1003 in the flag area: its address word is a DLE and an ETX on the line.
  const Bytes items = {0x10, 0x32, 0x10, 0x03};
  line.answer(concat(
      {kControllerOpening, kStatusAnswer, {DLE, DLE, 0x00, 0x01, 0x84, 0x03, 0x5A, DLE, ETX}}));
  Bytes record;
  ASSERT_EQ(client.variableStatus(items, 100, record), 0);
  EXPECT_EQ(record, (Bytes{0x10, 0x00, 0x01, 0x84, 0x03, 0x5A}));
  EXPECT_EQ(line.written, concat({ourOpening(0x14),
                                  {0, 0, 0, 0, 0, 0, 0},
                                  {DLE, DLE, 0x32, DLE, DLE, 0x03},
                                  {DLE, DLE, 0x03},
                                  kOurStatusAcks,
                                  {DLE, ACK}}));
  EXPECT_TRUE(line.incoming.empty());
}

TEST_F(As511ClientTest, BlockStatusSendsTypeNumberOffsetAndTheList) {
  line.answer(concat({kControllerOpening, kStatusAnswer}));
  const Bytes items = {0x10, 0x36, 0x10, 0x35};
  ASSERT_EQ(client.blockStatus(0x04, 7, 0x0010, items), 0);
  EXPECT_EQ(line.written, concat({ourOpening(0x15),
                                  {0x04, 0x07, 0x00, DLE, DLE},
                                  {DLE, DLE, 0x36, DLE, DLE, 0x35, DLE, DLE, 0x03},
                                  kOurStatusAcks}));
}

TEST_F(As511ClientTest, ContinuationsAndTheEnd) {
  struct Case {
    const char* what;
    uint16_t (As511Client::*job)();
    Bytes controller;
    Bytes ours;
  };
  const Case cases[] = {
      {"continue",
       &As511Client::continueStatus,
       {DLE, ACK, DLE, ACK, STX},
       {STX, 0x80, DLE, ETX, DLE, ACK}},
      {"end",
       &As511Client::endStatus,
       {DLE, ACK, DLE, ACK, STX, DC1, DLE, ETX},
       {STX, 0x81, DLE, ETX, DLE, ACK, DLE, ACK}},
  };
  for (const Case& c : cases) {
    line.written.clear();
    line.answer(c.controller);
    EXPECT_EQ((client.*c.job)(), 0) << c.what;
    EXPECT_EQ(line.written, c.ours) << c.what;
    EXPECT_TRUE(line.incoming.empty()) << c.what;
  }
  // A controller that does not take the end within its telegram.
  line.written.clear();
  line.answer({DLE, ACK, DLE, ACK, STX, DLE, ETX});
  EXPECT_EQ(client.endStatus(), kReceiveProtocol);
  EXPECT_EQ(client.lastFunction(), 0x8103);
}

TEST_F(As511ClientTest, RecordsComeOfTheControllersAccord) {
  Bytes record;
  EXPECT_EQ(client.takeRecord(0, record), kNoRecord);
  EXPECT_TRUE(line.written.empty()) << "nothing asked, nothing acknowledged";
  line.answer({0x00, 0x00, 0x01, DLE, DLE, 0x02, 0x00, DLE, ETX});
  ASSERT_EQ(client.takeRecord(0, record), 0);
  EXPECT_EQ(record, (Bytes{0x00, 0x00, 0x01, 0x10, 0x02, 0x00}));
  EXPECT_EQ(line.written, (Bytes{DLE, ACK}));
  // A record cut off is a time-out, and the rest of the line is dropped.
  line.answer({0x00, 0x01});
  EXPECT_EQ(client.takeRecord(0, record), kCharacterTimeout);
  EXPECT_GT(line.discards, 0u);
}

TEST_F(As511ClientTest, AVariableRecordThatNeverComesIsATimeOut) {
  line.answer(concat({kControllerOpening, kStatusAnswer}));
  Bytes record;
  EXPECT_EQ(client.variableStatus({}, 0, record), kCharacterTimeout);
  line.answer({DLE, ACK, DLE, ACK, STX});
  EXPECT_EQ(client.nextVariableRecord(0, record), kCharacterTimeout);
}

}  // namespace
}  // namespace tavrin::pglink
