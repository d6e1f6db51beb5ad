// A programming device behind the character callbacks, driven by a script: what it sends and
// what the controller is to send in reply, in order.
//
// Each chunk the partner sends becomes available once the controller has sent every byte the
// script puts before it, so the partner never answers before it was asked, as a real one
// waits for the controller. What the controller sent is compared with the script as a whole.
#ifndef SIMCORE_TESTS_PG_PARTNER_H
#define SIMCORE_TESTS_PG_PARTNER_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {

using Bytes = std::vector<uint8_t>;

inline constexpr uint8_t STX = 0x02, ETX = 0x03, EOT = 0x04, ACK = 0x06, DLE = 0x10, DC1 = 0x11,
                         DC2 = 0x12, SYN = 0x16;

// Data bytes as they travel: every DLE twice.
Bytes doubled(const Bytes& data);
Bytes operator+(Bytes a, const Bytes& b);

class PgPartner {
 public:
  PgPartner& partner(const Bytes& bytes);
  PgPartner& controller(const Bytes& bytes);
  // The controller sends something the script does not spell out (at least one byte); the
  // partner's next chunk follows it. Such bytes are left out of expectedFromController.
  PgPartner& controllerSendsSomething();

  // The usual opening: STX, the job code with its DLE ETX, the acceptance.
  PgPartner& acceptedJob(uint8_t job);
  // Parameters as a data part ending in DLE EOT.
  PgPartner& parameters(const Bytes& data);
  // The controller's reply: DLE ACK STX, the partner's DLE ACK, status byte and data, DLE ETX,
  // the partner's DLE ACK.
  PgPartner& reply(const Bytes& statusAndData);
  // The closing telegram: STX, DC2 DLE ETX, each acknowledged.
  PgPartner& closing();

  Bytes expectedFromController() const;
  // Every chunk of the partner was taken (and every reply the script expects was sent).
  bool allSent();

  // The callbacks' side.
  bool receive(uint8_t& c);
  void clearReceived();

  Bytes sent;
  unsigned clears = 0;
  // Sends fail from this many characters on (none: never).
  std::size_t failSendsFrom = SIZE_MAX;

 private:
  struct Step {
    bool fromPartner;
    Bytes bytes;
    bool unspelled = false;
  };
  void release();
  std::vector<Step> steps_;
  std::size_t nextStep_ = 0;
  std::size_t controllerBytesBefore_ = 0;  // the controller bytes of the steps released so far
  std::deque<uint8_t> waiting_;
};

// A controller whose line is a PgPartner: the callbacks installed, the trace off.
class PgServiceTest : public ControllerTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // One S5AG_PGAnfragePruefen on the script; what the controller sent must be what the script
  // says, and the partner must have got rid of everything.
  void serve();
  // As serve, without comparing; for scripts that end in a failure.
  void serveOnly();

  PgPartner line;
};

// The callbacks that read and write the current PgPartner.
void installPartner(PgPartner* partner);

}  // namespace tavrin::simcore::testing

#endif
