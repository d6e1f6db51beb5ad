#include "outside/pglink/driver.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace tavrin::pglink {

namespace {

constexpr std::size_t kSystemImageBytes = 44;
constexpr uint16_t kBadReply = kReceiveProtocol;
// A block header shorter than six addresses is five words: the controller counts in words.
constexpr unsigned kWordAddressedHeaderBelow = 6;
constexpr unsigned kHeaderLengthWord = 20;

}  // namespace

Driver& theDriver() {
  static Driver driver;
  return driver;
}

uint16_t Driver::run(const std::function<uint16_t(As511Client&)>& job) {
  if (!device.isOpen()) return kNoConnection;
  TelegramLink link(device, trace, timing);
  As511Client client(link);
  const uint16_t result = job(client);
  if (result != 0) lastFunction = client.lastFunction();
  return result;
}

uint16_t Driver::systemParameters(std::vector<uint8_t>& image) {
  if (systemImage) {
    image = *systemImage;
    return 0;
  }
  std::vector<uint8_t> reply;
  if (const uint16_t e = run([&](As511Client& c) { return c.systemParameters(reply); })) return e;
  if (reply.size() < 1 + kSystemImageBytes || reply[0] != 0) return kBadReply;
  image.assign(reply.begin() + 1, reply.begin() + 1 + kSystemImageBytes);
  systemImage = image;
  return 0;
}

uint16_t Driver::addressUnitsPerWord(unsigned& units) {
  std::vector<uint8_t> image;
  if (const uint16_t e = systemParameters(image)) return e;
  units = imageWord(image, kHeaderLengthWord) < kWordAddressedHeaderBelow ? 1 : 2;
  return 0;
}

uint16_t Driver::readMemory(uint32_t address, unsigned bytes, uint8_t* buffer) {
  unsigned units = 2;
  if (const uint16_t e = addressUnitsPerWord(units)) return e;
  // A word-addressed controller delivers two bytes per address.
  const unsigned bytesPerAddress = units == 1 ? 2 : 1;
  const unsigned piece =
      std::max(bytesPerAddress, bytesPerPacket / bytesPerAddress * bytesPerAddress);
  for (unsigned done = 0; done < bytes;) {
    const unsigned n =
        std::min(piece, (bytes - done + bytesPerAddress - 1) / bytesPerAddress * bytesPerAddress);
    const uint32_t first = address + done / bytesPerAddress;
    const uint32_t last = first + n / bytesPerAddress - 1;
    if (last > 0xFFFF) return 12;
    std::vector<uint8_t> reply;
    const uint16_t e = run([&](As511Client& c) {
      return c.readMemory(static_cast<uint16_t>(first), static_cast<uint16_t>(last), reply);
    });
    if (e != 0) return e;
    // Status byte, four zero bytes, then the contents.
    if (reply.size() < 5 + n || reply[0] != 0) return kBadReply;
    std::copy_n(reply.begin() + 5, std::min(n, bytes - done), buffer + done);
    done += n;
    if (delayPerPacketMs != 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(delayPerPacketMs));
  }
  return 0;
}

uint16_t Driver::writeMemory(uint32_t address, unsigned bytes, const uint8_t* buffer) {
  unsigned units = 2;
  if (const uint16_t e = addressUnitsPerWord(units)) return e;
  const unsigned bytesPerAddress = units == 1 ? 2 : 1;
  if (bytes % bytesPerAddress != 0) return 11;
  const unsigned piece =
      std::max(bytesPerAddress, bytesPerPacket / bytesPerAddress * bytesPerAddress);
  for (unsigned done = 0; done < bytes;) {
    const unsigned n = std::min(piece, bytes - done);
    const uint32_t first = address + done / bytesPerAddress;
    if (first + n / bytesPerAddress - 1 > 0xFFFF) return 12;
    const uint16_t e = run([&](As511Client& c) {
      return c.writeMemory(static_cast<uint16_t>(first), {buffer + done, n});
    });
    if (e != 0) return e;
    done += n;
    if (delayPerPacketMs != 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(delayPerPacketMs));
  }
  return 0;
}

}  // namespace tavrin::pglink
