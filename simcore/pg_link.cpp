#include "simcore/pg_link.h"

#include "simcore/pg_trace.h"

namespace tavrin::simcore {

bool PgLink::send(uint8_t c) {
  Engine::PgLine& line = engine_.pgLine;
  if (engine_.image().comError != 0) {
    lastError_ = kSendFailed;
    return false;
  }
  if (engine_.delayCallback != nullptr) engine_.delayCallback();
  bool sent = true;
  if (line.sendSlotted != nullptr && line.sendSlot != nullptr) {
    *line.sendSlot = c;
    sent = line.sendSlotted() == 1;
  } else if (line.sendCharacter != nullptr) {
    sent = line.sendCharacter(c) == 1;
  }
  if (!sent) {
    lastError_ = kSendFailed;
    return false;
  }
  traceSent(engine_, c);
  return true;
}

bool PgLink::sendSequence(std::initializer_list<uint8_t> characters) {
  for (uint8_t c : characters)
    if (!send(c)) return false;
  return true;
}

bool PgLink::sendData(uint8_t byte) {
  if (byte == kDLE && !send(kDLE)) return false;
  return send(byte);
}

std::optional<uint8_t> PgLink::receiveStart() {
  const Engine::PgLine& line = engine_.pgLine;
  const unsigned short r = line.receiveStart != nullptr ? line.receiveStart() : 0x0001;
  if ((r & 0xFF) == 0) return std::nullopt;
  const auto c = static_cast<uint8_t>(r >> 8);
  traceReceived(engine_, c);
  return c;
}

std::optional<uint8_t> PgLink::receiveIfWaiting() {
  if (engine_.image().comError != 0) return std::nullopt;
  return receiveStart();
}

std::optional<uint8_t> PgLink::receive() {
  const Engine::PgLine& line = engine_.pgLine;
  if (engine_.image().comError != 0) {
    lastError_ = kReceiveFailed;
    return std::nullopt;
  }
  const unsigned short r = line.receiveWithin != nullptr ? line.receiveWithin() : 0x0001;
  if ((r & 0xFF) != 1) {
    lastError_ = kReceiveFailed;
    return std::nullopt;
  }
  const auto c = static_cast<uint8_t>(r >> 8);
  traceReceived(engine_, c);
  return c;
}

bool PgLink::expectPair(uint8_t first, uint8_t second) {
  const auto a = receive();
  if (!a) return false;
  const auto b = receive();
  return b && *a == first && *b == second;
}

bool PgLink::takeWaitingEnd() {
  const auto c = receiveIfWaiting();
  if (!c) return true;
  const auto d = *c == kDLE ? receive() : std::nullopt;
  return d && (*d == kETX || *d == kEOT);
}

std::optional<std::size_t> PgLink::receiveData(uint8_t* buffer, std::size_t capacity) {
  DataReader reader(*this);
  std::size_t n = 0;
  for (uint8_t byte = 0;;) {
    switch (reader.next(byte)) {
      case DataReader::Result::End:
        return n;
      case DataReader::Result::Failed:
        return std::nullopt;
      case DataReader::Result::Byte:
        if (n >= capacity) return std::nullopt;
        buffer[n++] = byte;
        break;
    }
  }
}

void PgLink::clearReceiveBuffer() {
  if (engine_.pgLine.clearReceiveBuffer != nullptr) engine_.pgLine.clearReceiveBuffer(1);
}

DataReader::Result DataReader::next(uint8_t& byte) {
  if (ended_) return Result::End;
  const auto c = link_.receive();
  if (!c) return Result::Failed;
  if (*c == kDLE) {
    const auto d = link_.receive();
    if (!d) return Result::Failed;
    if (*d == kETX || *d == kEOT) {
      ended_ = true;
      return Result::End;
    }
    if (*d != kDLE) return Result::Failed;
  }
  if (count_ >= kMaxReceivedData) return Result::Failed;
  ++count_;
  byte = *c;
  return Result::Byte;
}

DataReader::Result DataReader::nextWord(uint16_t& word) {
  uint8_t high = 0, low = 0;
  Result r = next(high);
  if (r != Result::Byte) return r;
  r = next(low);
  if (r != Result::Byte) return r;
  word = static_cast<uint16_t>(high << 8 | low);
  return Result::Byte;
}

}  // namespace tavrin::simcore
