// The programming-device side of AS511 against a scripted controller: the exact bytes of each
// job, data parts with doubled DLE, and how silence, NAK and stray bytes end a request.
#include "outside/pglink/tests/client_fixture.h"

namespace tavrin::pglink {
namespace {

TEST_F(As511ClientTest, SystemParametersAreOneReadJob) {
  Bytes image(45, 0);
  image[5] = 0x10;  // a DLE in the data comes doubled
  Bytes framed(image.begin(), image.end());
  framed.insert(framed.begin() + 6, DLE);
  line.answer(
      concat({kControllerOpening, {DLE, ACK, STX}, framed, {DLE, ETX}, kControllerClosing}));
  Bytes reply;
  ASSERT_EQ(client.systemParameters(reply), 0);
  EXPECT_EQ(reply, image);
  EXPECT_EQ(line.written,
            concat({ourOpening(0x18), {DLE, EOT}, {DLE, ACK}, {DLE, ACK}, kOurClosing}));
  EXPECT_TRUE(line.incoming.empty());
}

TEST_F(As511ClientTest, ReadMemorySendsTheRangeAndTakesTheContents) {
  line.answer(concat({kControllerOpening,
                      {DLE, ACK, STX, 0, 0, 0, 0, 0, 0xAB, DLE, DLE, DLE, ETX},
                      kControllerClosing}));
  Bytes reply;
  ASSERT_EQ(client.readMemory(0x1010, 0x1011, reply), 0);
  EXPECT_EQ(reply, (Bytes{0, 0, 0, 0, 0, 0xAB, 0x10}));
  EXPECT_EQ(line.written, concat({ourOpening(0x04),
                                  {DLE, DLE, DLE, DLE, DLE, DLE, 0x11, DLE, EOT},
                                  {DLE, ACK},
                                  {DLE, ACK},
                                  kOurClosing}));
}

TEST_F(As511ClientTest, WriteBlockWaitsForTheAcceptanceBeforeTheBlock) {
  const Bytes block = {0x70, 0x70, 0x04, 0x05, 0x80, 0x00, 0x00, 0x00, 0x00, 0x06, 0x65, 0x00};
  line.answer(concat({kControllerOpening,
                      {DLE, ACK, STX, 9, DLE, ETX},
                      {DLE, ACK},
                      {DLE, ACK},
                      kControllerClosing}));
  ASSERT_EQ(client.writeBlock(block), 0);
  EXPECT_EQ(line.written, concat({ourOpening(0x08),
                                  {0x04, 0x05, 0x00, 0x06, DLE, ETX},
                                  {DLE, ACK},
                                  {DLE, ACK},
                                  {STX},
                                  {0x00},
                                  block,
                                  {DLE, EOT},
                                  kOurClosing}));
}

TEST_F(As511ClientTest, ARefusedBlockGivesItsReason) {
  const Bytes block = {0x70, 0x70, 0x04, 0x01, 0x80, 0x00, 0x00, 0x00, 0x00, 0x06, 0x65, 0x00};
  const struct {
    uint8_t answer;
    uint16_t result;
  } cases[] = {
      {4, kMemoryFull}, {6, kIntegratedBlock}, {7, kProgramInPb1Only}, {1, kReceiveProtocol}};
  for (const auto& c : cases) {
    line.written.clear();
    line.answer(
        concat({kControllerOpening, {DLE, ACK, STX, c.answer, DLE, ETX}, kControllerClosing}));
    EXPECT_EQ(client.writeBlock(block), c.result) << int{c.answer};
    EXPECT_TRUE(line.incoming.empty()) << "the closing telegram is taken too";
  }
}

TEST_F(As511ClientTest, RefusedJobsEndAfterTheRefusal) {
  line.answer({DLE, ACK, STX, 0x0D, 0x02, DLE, ETX});
  Bytes reply;
  EXPECT_EQ(client.readUstack(reply), kNotInStopForUstack);
  EXPECT_EQ(line.written, (Bytes{STX, 0x1D, DLE, ETX, DLE, ACK, DLE, ACK}));
  line.answer({DLE, ACK, STX, 0x0D, 0x02, DLE, ETX});
  EXPECT_EQ(client.overallReset(), kResetOnlyInStop);
}

TEST_F(As511ClientTest, StartAndStop) {
  line.answer(concat({kControllerOpening, {DLE, ACK, STX}, {0x25, DLE, ETX}, kControllerClosing}));
  ASSERT_EQ(client.start(2), 0);
  EXPECT_EQ(line.written,
            concat({ourOpening(0x1E), {0x02, DLE, ETX}, {DLE, ACK}, {DLE, ACK}, kOurClosing}));
  line.written.clear();
  line.answer(concat({kControllerOpening, {DLE, ACK}, kControllerClosing}));
  ASSERT_EQ(client.stop(), 0);
  EXPECT_EQ(line.written, concat({ourOpening(0x1E), {0x00, DLE, ETX}, kOurClosing}));
}

TEST_F(As511ClientTest, HowARequestFails) {
  Bytes reply;
  // Nobody answers the STX.
  EXPECT_EQ(client.systemParameters(reply), kNoConnection);
  EXPECT_EQ(client.lastFunction(), 0x1801);
  // A NAK instead of the acknowledgement.
  line.answer({NAK});
  EXPECT_EQ(client.compress(), kNotAcknowledged);
  // Silence inside the reply.
  line.answer(concat({kControllerOpening, {DLE, ACK, STX, 0x00, 0x01}}));
  EXPECT_EQ(client.systemParameters(reply), kCharacterTimeout);
  EXPECT_EQ(client.lastFunction(), 0x1806);
  // A stray byte where the acceptance belongs.
  line.answer({DLE, ACK, STX, 0x41});
  EXPECT_EQ(client.systemParameters(reply), kReceiveProtocol);
  // A DLE followed by neither DLE nor ETX.
  line.answer(concat({kControllerOpening, {DLE, ACK, STX, 0x00, DLE, 0x41}}));
  EXPECT_EQ(client.systemParameters(reply), kReceiveProtocol);
  // A failing write.
  line.failWrites = true;
  EXPECT_EQ(client.compress(), kSendProtocol);
  EXPECT_GE(line.discards, 5u) << "every failed request empties the input";
}

TEST_F(As511ClientTest, AReplyLongerThanAnyBlockIsRefused) {
  Bytes huge(20100, 0x55);
  line.answer(concat({kControllerOpening, {DLE, ACK, STX}, huge, {DLE, ETX}}));
  Bytes reply;
  EXPECT_EQ(client.readBlock(0x04, 1, reply), kBufferTooSmall);
}

TEST_F(As511ClientTest, TheTraceShowsBothDirections) {
  const auto file = std::filesystem::temp_directory_path() / "pglink-trace-test.txt";
  ASSERT_TRUE(trace.open(file));
  line.answer({NAK});
  client.compress();
  trace.close();
  std::FILE* f = std::fopen(file.c_str(), "r");
  ASSERT_NE(f, nullptr);
  char text[256] = {};
  const std::size_t n = std::fread(text, 1, sizeof text - 1, f);
  std::fclose(f);
  std::filesystem::remove(file);
  EXPECT_EQ(std::string(text, n), "PG: 02  \nAG: 15  \n");
}

}  // namespace
}  // namespace tavrin::pglink
