// A line whose partner has said everything in advance: the bytes it will send are queued, the
// bytes written to it are kept, and silence is an empty queue.
#ifndef OUTSIDE_PGLINK_TESTS_SCRIPTED_CHANNEL_H
#define OUTSIDE_PGLINK_TESTS_SCRIPTED_CHANNEL_H

#include <deque>
#include <vector>

#include "outside/pglink/byte_channel.h"

namespace tavrin::pglink::testing {

class ScriptedChannel final : public ByteChannel {
 public:
  void answer(std::initializer_list<uint8_t> bytes) { incoming.insert(incoming.end(), bytes); }
  void answer(const std::vector<uint8_t>& bytes) {
    incoming.insert(incoming.end(), bytes.begin(), bytes.end());
  }

  bool write(std::span<const uint8_t> bytes) override {
    if (failWrites) return false;
    written.insert(written.end(), bytes.begin(), bytes.end());
    ++writes;
    return true;
  }
  std::optional<uint8_t> read(unsigned) override {
    if (incoming.empty()) return std::nullopt;
    const uint8_t b = incoming.front();
    incoming.pop_front();
    return b;
  }
  void discardInput() override { ++discards; }

  std::deque<uint8_t> incoming;
  std::vector<uint8_t> written;
  unsigned writes = 0;
  unsigned discards = 0;
  bool failWrites = false;
};

}  // namespace tavrin::pglink::testing

#endif
