// The programming-device service on its line: the framing of a request, the habits of other
// programming devices, refusals, failures that end a request, the callbacks, the trace.
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "simcore/simcore32.h"
#include "simcore/tests/pg_partner.h"

namespace tavrin::simcore::testing {
namespace {

using PgService = PgServiceTest;

// The system parameters of the built-in S5-95U, high byte first.
const Bytes kSysParams95U = {0x00, 0x00, 0x00, 0x00, 0x63, 0x00, 0x63, 0x80, 0x61, 0x00, 0x5F,
                             0x00, 0x60, 0x00, 0x5D, 0x00, 0x28, 0x03, 0x21, 0x00, 0x00, 0x00,
                             0x02, 0x00, 0x02, 0x00, 0x02, 0x00, 0x02, 0x00, 0x02, 0x00, 0x02,
                             0x00, 0x02, 0x00, 0x07, 0x08, 0xFF, 0x01, 0x00, 0x0A, 0x00, 0x00};

// The whole system parameter exchange, byte by byte as it runs on the line.
TEST_F(PgService, SystemParametersRequestRunsAsOnTheLine) {
  line.partner({STX})
      .controller({DLE, ACK})
      .partner({0x18, DLE, ETX})
      .controller({STX})
      .partner({DLE, ACK})
      .controller({SYN, DLE, ETX})
      .partner({DLE, ACK})
      .partner({DLE, EOT})
      .controller({DLE, ACK, STX})
      .partner({DLE, ACK})
      .controller(Bytes{0x00} + kSysParams95U + Bytes{DLE, ETX})
      .partner({DLE, ACK})
      .controller({STX})
      .partner({DLE, ACK})
      .controller({DC2, DLE, ETX})
      .partner({DLE, ACK});
  serve();
  EXPECT_EQ(line.clears, 0u);
  // Where other programming devices look for the area starts: data offsets 5, 7, 9, 11, 13, 15.
  const Bytes& data = line.sent;
  const std::size_t first = 3 + 3 + 3;  // DLE ACK, STX, SYN DLE ETX, DLE ACK STX: data begins
  ASSERT_GT(data.size(), first + 16);
  EXPECT_EQ(data[first], 0x00) << "status byte";
  const uint16_t starts[] = {0x6300, 0x6380, 0x6100, 0x5F00, 0x6000, 0x5D00};
  for (unsigned i = 0; i < 6; ++i)
    EXPECT_EQ(data[first + 5 + 2 * i] << 8 | data[first + 6 + 2 * i], starts[i]) << i;
}

// Other programming devices send the job code alone and wait for the STX; a DLE ETX that
// arrives only after the controller's STX is taken before the acknowledgement.
TEST_F(PgService, JobCodeWithOrWithoutItsDleEtx) {
  for (bool lateDleEtx : {false, true}) {
    SCOPED_TRACE(lateDleEtx ? "DLE ETX after the STX" : "job code alone");
    line = PgPartner();
    line.partner({STX}).controller({DLE, ACK}).partner({0x19}).controller({STX});
    line.partner(lateDleEtx ? Bytes{DLE, ETX, DLE, ACK} : Bytes{DLE, ACK});
    line.controller({SYN, DLE, ETX}).partner({DLE, ACK});
    line.parameters({}).reply({0x00, 0x01, 0x00, 0x01, 0x00}).closing();
    serve();
  }
}

TEST_F(PgService, RequestsNotBeginningWithStxAreDiscarded) {
  for (uint8_t first : {uint8_t{0x00}, uint8_t{DLE}, uint8_t{ETX}, uint8_t{0x18}, uint8_t{0xFF}}) {
    line = PgPartner();
    line.partner({first, DLE, ETX});
    serveOnly();
    EXPECT_TRUE(line.sent.empty()) << int(first);
    EXPECT_EQ(line.clears, 1u) << "the receive buffer is emptied";
  }
  line = PgPartner();
  serveOnly();
  EXPECT_EQ(line.clears, 0u) << "nothing arrived: nothing to empty";
}

TEST_F(PgService, JobsRefusedInRunAndUnknownJobs) {
  struct Case {
    uint8_t job;
    bool run;
  };
  const Case cases[] = {{0x11, true}, {0x1C, true}, {0x1D, true}, {0x42, false}, {0x00, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.job));
    image().runState = c.run ? 1 : 0;
    line = PgPartner();
    line.partner({STX})
        .controller({DLE, ACK})
        .partner({c.job, DLE, ETX})
        .controller({STX})
        .partner({DLE, ACK})
        .controller({0x0D, 0x02, DLE, ETX})
        .partner({DLE, ACK});
    serve();
  }
}

TEST_F(PgService, InterruptStackIsRefusedInRunWithoutData) {
  image().runState = 1;
  line.partner({STX}).controller({DLE, ACK}).partner({0x1D, DLE, ETX});
  line.controller({STX}).partner({DLE, ACK}).controller({0x0D, 0x02, DLE, ETX});
  line.partner({DLE, ACK});
  serve();
}

// Every point of the exchange at which the partner falls silent or answers wrongly ends the
// request with the receive buffer emptied; the next request is served whole.
TEST_F(PgService, AFailedStepEndsTheRequestAndTheNextIsServed) {
  // The memory configuration exchange after the STX: each partner chunk with the controller's
  // reply to it.
  const std::pair<Bytes, Bytes> exchange[] = {
      {{0x19, DLE, ETX}, {STX}},
      {{DLE, ACK}, {SYN, DLE, ETX}},
      {{DLE, ACK}, {}},
      {{DLE, EOT}, {DLE, ACK, STX}},
      {{DLE, ACK}, {0x00, 0x01, 0x00, 0x01, 0x00, DLE, ETX}},
      {{DLE, ACK}, {STX}},
      {{DLE, ACK}, {DC2, DLE, ETX}},
  };
  for (unsigned cut = 0; cut < std::size(exchange); ++cut) {
    for (bool wrong : {false, true}) {
      SCOPED_TRACE("partner stops after chunk " + std::to_string(cut) +
                   (wrong ? " with a DLE NAK" : ""));
      line = PgPartner();
      line.partner({STX}).controller({DLE, ACK});
      for (unsigned i = 0; i < cut; ++i)
        line.partner(exchange[i].first).controller(exchange[i].second);
      if (wrong) line.partner({DLE, 0x15});
      serveOnly();
      EXPECT_EQ(line.sent, line.expectedFromController());
      EXPECT_EQ(line.clears, 1u);

      line = PgPartner();
      line.acceptedJob(0x19).parameters({}).reply({0x00, 0x01, 0x00, 0x01, 0x00}).closing();
      serve();
      EXPECT_EQ(line.clears, 0u) << "the next request";
    }
  }
}

TEST_F(PgService, FailedSendEndsTheRequest) {
  line.acceptedJob(0x18).parameters({}).reply(Bytes{0x00} + kSysParams95U).closing();
  line.failSendsFrom = 5;  // DLE ACK, STX, SYN, DLE: the ETX fails
  serveOnly();
  EXPECT_EQ(line.sent, (Bytes{DLE, ACK, STX, SYN, DLE}));
  EXPECT_EQ(line.clears, 1u);
}

TEST_F(PgService, CommunicationErrorFailsCharactersUntilTheNextRequest) {
  EXPECT_EQ(S5AG_SetComError(), 1);
  EXPECT_EQ(S5AG_DebugZeichenSenden('A'), 0);
  line.partner({'B'});
  EXPECT_EQ(S5AG_DebugZeichenEmpfangenPoll(), 0);
  EXPECT_TRUE(line.sent.empty());
  line = PgPartner();
  line.acceptedJob(0x19).parameters({}).reply({0x00, 0x01, 0x00, 0x01, 0x00}).closing();
  serve();
  EXPECT_EQ(image().comError, 0) << "cleared by the STX";
  EXPECT_EQ(S5AG_DebugZeichenSenden('A'), 1);
}

TEST_F(PgService, DebugCharactersPassWithoutDoubling) {
  EXPECT_EQ(S5AG_DebugZeichenSenden(DLE), 1);
  EXPECT_EQ(line.sent, Bytes{DLE});
  line.failSendsFrom = 1;
  EXPECT_EQ(S5AG_DebugZeichenSenden('x'), 11);
  line.partner({DLE, 'q'});
  EXPECT_EQ(S5AG_DebugZeichenEmpfangenPoll(), DLE << 8 | 1);
  EXPECT_EQ(S5AG_DebugZeichenEmpfangenPoll(), 'q' << 8 | 1);
  EXPECT_EQ(S5AG_DebugZeichenEmpfangenPoll(), 0) << "nothing more came";
}

namespace callbacks {
Bytes viaCharacter;
unsigned delays = 0;
unsigned char slotSeen = 0;
unsigned slotCalls = 0;
unsigned char sendCharacter(unsigned char c) {
  viaCharacter.push_back(c);
  return 1;
}
unsigned char sendSlot() {
  ++slotCalls;
  return 1;
}
void delay() {
  ++delays;
}
}  // namespace callbacks

TEST_F(PgService, SendCallbacksSlotFirstThenCharacterThenNone) {
  using namespace callbacks;
  EXPECT_EQ(S5AG_SetFncPtrCharSenden(nullptr), 1);
  EXPECT_EQ(S5AG_SetFncPtrCharSendenC(sendCharacter), 1);
  EXPECT_EQ(S5AG_SetFncPtrDelay(delay), 1);
  viaCharacter.clear();
  delays = 0;
  EXPECT_EQ(S5AG_DebugZeichenSenden(0x41), 1);
  EXPECT_EQ(S5AG_DebugZeichenSenden(0x42), 1);
  EXPECT_EQ(viaCharacter, (Bytes{0x41, 0x42})) << "no slot callback: the character callback";
  EXPECT_EQ(delays, 2u) << "the delay before every character";

  EXPECT_EQ(S5AG_SetSendeFachPtr(&slotSeen), 1);
  EXPECT_EQ(S5AG_SetFncPtrCharSenden(sendSlot), 1);
  slotCalls = 0;
  EXPECT_EQ(S5AG_DebugZeichenSenden(0x43), 1);
  EXPECT_EQ(slotSeen, 0x43);
  EXPECT_EQ(slotCalls, 1u);
  EXPECT_EQ(viaCharacter.size(), 2u) << "the slot callback is preferred";

  S5AG_SetFncPtrCharSenden(nullptr);
  S5AG_SetFncPtrCharSendenC(nullptr);
  EXPECT_EQ(S5AG_DebugZeichenSenden(0x44), 1) << "without a send callback a send counts as done";
  S5AG_SetFncPtrCharEmpfangenPoll(nullptr);
  EXPECT_EQ(S5AG_DebugZeichenEmpfangenPoll(), 0x0001) << "character 0 without a callback";
  S5AG_SetFncPtrDelay(nullptr);
}

std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class PgTrace : public PgServiceTest {
 protected:
  void SetUp() override {
    PgServiceTest::SetUp();
    home_.emplace(tempDir());
  }
  void TearDown() override {
    PgServiceTest::TearDown();  // closes the trace
    home_.reset();
  }

 private:
  std::optional<ScopedProgramDirectory> home_;
};

TEST_F(PgTrace, EveryCharacterInLinesOfTenPerDirection) {
  EXPECT_EQ(S5AG_TraceOn('x'), 1);
  EXPECT_FALSE(std::filesystem::exists(tempDir() / "TRACE_S5.TXT")) << "only with the key";
  EXPECT_EQ(S5AG_TraceOn(0x22), 1);
  line.acceptedJob(0x18).parameters({}).reply(Bytes{0x00} + kSysParams95U).closing();
  serve();
  EXPECT_EQ(S5AG_TraceOff(0x22), 1);
  const std::string text = readText(tempDir() / "TRACE_S5.TXT");
  const std::string expected =
      "PC: 02  \r\n"
      "AG: 10  06  \r\n"
      "PC: 18  #SysInfo 10  03  \r\n"
      "AG: 02  \r\n"
      "PC: 10  06  \r\n"
      "AG: 16  10  03  \r\n"
      "PC: 10  06  10  04  \r\n"
      "AG: 10  06  02  \r\n"
      "PC: 10  06  \r\n"
      "AG: 00  00  00  00  00  63  00  63  80  61  \r\n"
      "AG: 00  5F  00  60  00  5D  00  28  03  21  \r\n"
      "AG: 00  00  00  02  00  02  00  02  00  02  \r\n"
      "AG: 00  02  00  02  00  02  00  07  08  FF  \r\n"
      "AG: 01  00  0A  00  00  10  03  \r\n"
      "PC: 10  06  \r\n"
      "AG: 02  \r\n"
      "PC: 10  06  \r\n"
      "AG: 12  10  03  \r\n"
      "PC: 10  06  \r\n";
  EXPECT_EQ(text, expected);
}

TEST_F(PgTrace, JobLabelsOfReceivedLines) {
  S5AG_TraceOn(0x22);
  for (uint8_t c : {uint8_t{0x03}, uint8_t{0x04}, uint8_t{0x1A}, uint8_t{0x05}}) {
    S5AG_DebugZeichenSenden(0x00);
    line.partner({c});
    S5AG_DebugZeichenEmpfangenPoll();
  }
  S5AG_TraceOff(0x22);
  EXPECT_EQ(readText(tempDir() / "TRACE_S5.TXT"),
            "AG: 00  \r\nPC: 03  #ADR Write \r\nAG: 00  \r\nPC: 04  #ADR Read \r\n"
            "AG: 00  \r\nPC: 1A  #Header Read \r\nAG: 00  \r\nPC: 05  \r\n");
}

}  // namespace
}  // namespace tavrin::simcore::testing
