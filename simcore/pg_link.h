// The programming-device line as the controller side of AS511 uses it: characters in and out
// through the callbacks the host installed, DLE doubling inside data, the trace.
//
// Contents
//   control characters, limits, failure codes
//   PgLink              one request's view of the line
//     send, sendSequence, sendData     raw characters, a control sequence, a data byte
//     receiveStart, receiveIfWaiting   the start of a request, a character that already waits
//     receive, expectPair              a character within a telegram, a control pair
//     takeWaitingEnd                   an end of telegram that follows at once, when it does
//     receiveData, DataReader          a received data part, whole or byte by byte
//     clearReceiveBuffer               after a protocol error
//
// Sending: before every character the delay callback runs; the character goes to the slot
// callback (placed in the send slot first) when both are installed, else to the character
// callback; without either it counts as sent. A callback result other than 1 is a failed send.
// Receiving: the start callback is polled for the first character of a request (low byte
// non-zero: a character, in the high byte); within a telegram the receive callback is asked
// (low byte 1: a character). Without a callback a receive yields the character 0.
// While the record's communication error flag is set every send and every receive within a
// telegram fails; only the poll for the start of a request still works.
#ifndef SIMCORE_PG_LINK_H
#define SIMCORE_PG_LINK_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "simcore/engine.h"

namespace tavrin::simcore {

inline constexpr uint8_t kSTX = 0x02, kETX = 0x03, kEOT = 0x04, kACK = 0x06, kDLE = 0x10,
                         kDC1 = 0x11, kDC2 = 0x12, kSYN = 0x16;

// The most bytes one received data part may carry.
inline constexpr std::size_t kMaxReceivedData = 10000;

inline constexpr uint16_t kSendFailed = 11;
inline constexpr uint16_t kReceiveFailed = 64;

class PgLink {
 public:
  explicit PgLink(Engine& engine) : engine_(engine) {}

  bool send(uint8_t c);
  // The characters of one control sequence or telegram, one after the other without a pause.
  bool sendSequence(std::initializer_list<uint8_t> characters);
  // A byte of a data part: a DLE goes out twice.
  bool sendData(uint8_t byte);

  // The first character of a request, when one has arrived.
  std::optional<uint8_t> receiveStart();
  // A character that is already waiting, from the start callback; nothing when none waits.
  std::optional<uint8_t> receiveIfWaiting();
  // Nothing when the receive failed.
  std::optional<uint8_t> receive();
  bool expectPair(uint8_t first, uint8_t second);
  // A DLE ETX or DLE EOT that already waits is taken; false when something else waits.
  bool takeWaitingEnd();

  // A data part up to its DLE ETX or DLE EOT, undoubled, into `buffer` (`capacity` bytes, at
  // most kMaxReceivedData are taken). Nothing when a receive failed, a DLE stood before any
  // other character than DLE, ETX or EOT, or the part was longer.
  std::optional<std::size_t> receiveData(uint8_t* buffer, std::size_t capacity);

  void clearReceiveBuffer();

  // The failure of the last character operation that failed (kSendFailed, kReceiveFailed).
  uint16_t lastError() const { return lastError_; }
  Engine& engine() { return engine_; }

 private:
  Engine& engine_;
  uint16_t lastError_ = 0;
};

// A received data part read byte by byte, for jobs that end their parameters by content.
class DataReader {
 public:
  enum class Result { Byte, End, Failed };
  explicit DataReader(PgLink& link) : link_(link) {}
  Result next(uint8_t& byte);
  // A big-endian word; End or Failed when the part ends or fails within it.
  Result nextWord(uint16_t& word);
  bool ended() const { return ended_; }

 private:
  PgLink& link_;
  std::size_t count_ = 0;
  bool ended_ = false;
};

}  // namespace tavrin::simcore

#endif
