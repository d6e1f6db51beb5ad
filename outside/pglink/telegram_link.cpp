#include "outside/pglink/telegram_link.h"

#include <chrono>
#include <thread>
#include <utility>

namespace tavrin::pglink {

LinkError TelegramLink::write(std::span<const uint8_t> bytes) {
  trace_.sent(bytes);
  return channel_.write(bytes) ? kOk : kSendProtocol;
}

LinkError TelegramLink::send(std::initializer_list<uint8_t> bytes) {
  return write({bytes.begin(), bytes.size()});
}

bool TelegramLink::dataWaiting(unsigned ms) {
  if (!held_) held_ = channel_.read(ms);
  return held_.has_value();
}

LinkError TelegramLink::next(uint8_t& byte) {
  const auto received =
      held_ ? std::exchange(held_, std::nullopt) : channel_.read(timing_.timeoutMs);
  if (!received) return kCharacterTimeout;
  trace_.received(*received);
  byte = *received;
  return kOk;
}

LinkError TelegramLink::expect(std::initializer_list<uint8_t> bytes) {
  for (uint8_t wanted : bytes) {
    uint8_t byte = 0;
    if (const LinkError e = next(byte); e != kOk) return e;
    if (byte == wanted) continue;
    return byte == NAK ? kNotAcknowledged : kReceiveProtocol;
  }
  return kOk;
}

LinkError TelegramLink::sendData(std::span<const uint8_t> bytes, uint8_t end) {
  return sendFramed(bytes, end);
}

LinkError TelegramLink::sendDataOnly(std::span<const uint8_t> bytes) {
  return sendFramed(bytes, std::nullopt);
}

LinkError TelegramLink::sendFramed(std::span<const uint8_t> bytes, std::optional<uint8_t> end) {
  std::vector<uint8_t> framed;
  framed.reserve(bytes.size() + 4);
  for (uint8_t b : bytes) {
    framed.push_back(b);
    if (b == DLE) framed.push_back(DLE);
  }
  if (end) {
    framed.push_back(DLE);
    framed.push_back(*end);
  }
  if (timing_.delayPerCharMs == 0) return write(framed);
  for (uint8_t b : framed) {
    if (const LinkError e = write({&b, 1}); e != kOk) return e;
    std::this_thread::sleep_for(std::chrono::milliseconds(timing_.delayPerCharMs));
  }
  return kOk;
}

LinkError TelegramLink::receiveData(std::vector<uint8_t>& bytes, std::size_t limit) {
  bytes.clear();
  for (;;) {
    uint8_t byte = 0;
    if (const LinkError e = next(byte); e != kOk) return e;
    if (byte == DLE) {
      if (const LinkError e = next(byte); e != kOk) return e;
      if (byte == ETX || byte == EOT) return kOk;
      if (byte != DLE) return kReceiveProtocol;
    }
    if (bytes.size() == limit) return kBufferTooSmall;
    bytes.push_back(byte);
  }
}

}  // namespace tavrin::pglink
