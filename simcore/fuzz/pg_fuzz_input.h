// Arbitrary bytes from a programming device, served by a private controller: the entry of the
// fuzz target and of the test that feeds pseudo-random lines.
//
// The first byte chooses the controller (bit 0 RUN, bit 1 the word-addressed S5-115U, bit 2 a
// cycle after every request); the rest is what the partner sends, all of it waiting at once.
// The controller serves requests until every byte is taken. It stays attached afterwards, with
// the line's callbacks removed, so that the caller can look at it.
#ifndef SIMCORE_FUZZ_PG_FUZZ_INPUT_H
#define SIMCORE_FUZZ_PG_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>

namespace tavrin::simcore::fuzz {

struct PgFeedResult {
  std::size_t requests = 0;  // calls of S5AG_PGAnfragePruefen
  std::size_t sent = 0;      // characters the controller sent
  std::size_t clears = 0;    // times it emptied the receive buffer
};

PgFeedResult feedPgService(const uint8_t* data, std::size_t size);

}  // namespace tavrin::simcore::fuzz

#endif
