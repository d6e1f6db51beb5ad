// AS511 telegrams on a byte channel: control sequences, data parts with DLE doubling, and the
// waits for the partner's answers.
//
// Contents
//   control characters   STX, ETX, EOT, ACK, NAK, DLE, DC1, DC2, SYN
//   LinkError            what went wrong, as the link library's result codes
//   TelegramLink         send and expect sequences, send and receive data parts
#ifndef OUTSIDE_PGLINK_TELEGRAM_LINK_H
#define OUTSIDE_PGLINK_TELEGRAM_LINK_H

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

#include "outside/pglink/byte_channel.h"
#include "outside/pglink/link_trace.h"

namespace tavrin::pglink {

inline constexpr uint8_t STX = 0x02;
inline constexpr uint8_t ETX = 0x03;
inline constexpr uint8_t EOT = 0x04;
inline constexpr uint8_t ACK = 0x06;
inline constexpr uint8_t DLE = 0x10;
inline constexpr uint8_t DC1 = 0x11;
inline constexpr uint8_t DC2 = 0x12;
inline constexpr uint8_t NAK = 0x15;
inline constexpr uint8_t SYN = 0x16;

// The result codes of the link library that the link itself produces.
enum LinkError : uint16_t {
  kOk = 0,
  kNotAcknowledged = 2,   // the controller answered NAK
  kNoConnection = 3,      // no answer at all to the start of a request
  kSendProtocol = 4,      // a write to the line failed
  kReceiveProtocol = 5,   // the controller sent something other than the protocol's next step
  kCharacterTimeout = 9,  // the controller fell silent within a telegram
  kBufferTooSmall = 29,   // a data part longer than the caller's buffer
};

struct LinkTiming {
  unsigned timeoutMs = 2500;    // the longest wait for the controller's next byte
  unsigned delayPerCharMs = 0;  // a pause after every byte of a data part
};

class TelegramLink {
 public:
  TelegramLink(ByteChannel& channel, LinkTrace& trace, const LinkTiming& timing)
      : channel_(channel), trace_(trace), timing_(timing) {}

  // One write, so that the sequence reaches the partner in one piece.
  LinkError send(std::initializer_list<uint8_t> bytes);
  // The partner's next bytes must be these.
  LinkError expect(std::initializer_list<uint8_t> bytes);
  // The next byte, whatever it is.
  LinkError next(uint8_t& byte);
  // A data part: the bytes with every DLE doubled, then DLE and `end` (ETX or EOT).
  LinkError sendData(std::span<const uint8_t> bytes, uint8_t end);
  // The bytes with every DLE doubled and no end: for data that closes itself (a status list).
  LinkError sendDataOnly(std::span<const uint8_t> bytes);
  // A data part up to DLE ETX (or DLE EOT), DLE DLE taken as one DLE; at most `limit` bytes.
  LinkError receiveData(std::vector<uint8_t>& bytes, std::size_t limit);

  // True when the partner has started to send within `ms` (the byte is kept for the next read):
  // how a record the controller sends of its own accord is noticed.
  bool dataWaiting(unsigned ms);
  void discardInput() {
    held_.reset();
    channel_.discardInput();
  }
  unsigned timeoutMs() const { return timing_.timeoutMs; }
  void setTimeout(unsigned ms) { timing_.timeoutMs = ms; }

 private:
  LinkError write(std::span<const uint8_t> bytes);
  LinkError sendFramed(std::span<const uint8_t> bytes, std::optional<uint8_t> end);

  ByteChannel& channel_;
  LinkTrace& trace_;
  LinkTiming timing_;
  std::optional<uint8_t> held_;
};

}  // namespace tavrin::pglink

#endif
