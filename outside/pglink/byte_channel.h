// The line a programming device talks over: bytes out, bytes in with a time-out.
//
// Contents
//   ByteChannel   the interface the AS511 client speaks through (a serial device, a test's pipe)
#ifndef OUTSIDE_PGLINK_BYTE_CHANNEL_H
#define OUTSIDE_PGLINK_BYTE_CHANNEL_H

#include <cstdint>
#include <optional>
#include <span>

namespace tavrin::pglink {

class ByteChannel {
 public:
  virtual ~ByteChannel() = default;
  // All bytes in one write, so that a control sequence reaches the partner in one piece.
  virtual bool write(std::span<const uint8_t> bytes) = 0;
  // The next byte; nothing when none arrived within `timeoutMs`.
  virtual std::optional<uint8_t> read(unsigned timeoutMs) = 0;
  // Drops whatever has arrived and not been read (after a protocol error).
  virtual void discardInput() = 0;
};

}  // namespace tavrin::pglink

#endif
