// Pseudo-random lines through the same entry as the fuzz target: requests cut short, with
// wrong characters, unknown jobs and random parameters. The controller must stay whole and
// serve the next proper request.
#include <random>

#include "simcore/fuzz/pg_fuzz_input.h"
#include "simcore/ram.h"
#include "simcore/simcore32.h"
#include "simcore/tests/pg_partner.h"

namespace tavrin::simcore::testing {
namespace {

using PgGarbage = PgServiceTest;

// Pieces of requests: mostly the characters of the protocol, so that the lines reach the jobs.
Bytes randomLine(std::mt19937& random) {
  static const Bytes kJobs = {0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x11, 0x14, 0x15,
                              0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x80, 0x81, 0x42};
  const auto pick = [&](unsigned n) {
    return std::uniform_int_distribution<unsigned>(0, n - 1)(random);
  };
  Bytes line = {static_cast<uint8_t>(pick(8))};  // the controller: RUN, type, cycles
  const unsigned pieces = 1 + pick(40);
  for (unsigned i = 0; i < pieces; ++i) {
    switch (pick(9)) {
      case 0:
        line = line + Bytes{STX, DLE, ACK};
        break;
      case 1:
        line = line + Bytes{STX, kJobs[pick(kJobs.size())], DLE, ETX, DLE, ACK, DLE, ACK};
        break;
      case 2:
        line = line + Bytes{DLE, ACK};
        break;
      case 3:
        line = line + Bytes{DLE, pick(2) != 0 ? ETX : EOT};
        break;
      case 4:
        line = line + Bytes{DLE, DLE};
        break;
      case 5:
        line.push_back(kJobs[pick(kJobs.size())]);
        break;
      case 6:
        line = line + Bytes{0x10, static_cast<uint8_t>(0x30 + pick(8))};  // a request item
        break;
      default: {
        const unsigned n = 1 + pick(12);
        for (unsigned k = 0; k < n; ++k)
          line.push_back(static_cast<uint8_t>(pick(256)));
      }
    }
  }
  return line;
}

TEST_F(PgGarbage, TheControllerStaysWholeAndServesTheNextRequest) {
  std::mt19937 random(20240611);
  for (int n = 0; n < 3000; ++n) {
    const Bytes garbage = randomLine(random);
    SCOPED_TRACE("line " + std::to_string(n));
    const fuzz::PgFeedResult result = fuzz::feedPgService(garbage.data(), garbage.size());
    ASSERT_GE(result.requests, 1u);
    ASSERT_EQ(S5AG_PGAnfragePruefenReady(), 1);
    for (RamKind kind : {RamKind::S5, RamKind::Db}) {
      const RamView ram = ramView(engine(), kind);
      ASSERT_LT(*ram.fill, ram.size) << "a fill level beyond its RAM";
    }
    // The next proper request, from a partner that keeps no status exchange open.
    engine().setClock(&clock_);
    engine().pgStatusOpen = false;
    image().comError = 0;
    installPartner(&line);
    line = PgPartner();
    uint8_t configuration[4];
    memoryConfiguration(engine(), configuration);
    line.acceptedJob(0x19)
        .parameters({})
        .reply(Bytes{0x00} + Bytes(configuration, configuration + 4))
        .closing();
    serve();
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace tavrin::simcore::testing
