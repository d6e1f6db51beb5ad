// The client against a scripted controller: the bytes around every accepted job.
#ifndef OUTSIDE_PGLINK_TESTS_CLIENT_FIXTURE_H
#define OUTSIDE_PGLINK_TESTS_CLIENT_FIXTURE_H

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "outside/pglink/as511_client.h"
#include "outside/pglink/tests/scripted_channel.h"

namespace tavrin::pglink {

using Bytes = std::vector<uint8_t>;

inline Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts)
    out.insert(out.end(), p.begin(), p.end());
  return out;
}

// What the controller says around every accepted job, and what we say.
inline const Bytes kControllerOpening = {DLE, ACK, STX, SYN, DLE, ETX};
inline const Bytes kControllerClosing = {STX, DC2, DLE, ETX};
inline Bytes ourOpening(uint8_t job) {
  return {STX, job, DLE, ETX, DLE, ACK, DLE, ACK};
}
inline const Bytes kOurClosing = {DLE, ACK, DLE, ACK};

class As511ClientTest : public ::testing::Test {
 protected:
  testing::ScriptedChannel line;
  LinkTrace trace;
  TelegramLink link{line, trace, LinkTiming{}};
  As511Client client{link};
};

}  // namespace tavrin::pglink

#endif
