// The link library's one connection: the open port, its settings, the trace, and what the
// controller told about itself.
//
// Contents
//   Driver        the state behind the exported functions
//   theDriver     the process's driver
#ifndef OUTSIDE_PGLINK_DRIVER_H
#define OUTSIDE_PGLINK_DRIVER_H

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "outside/pglink/as511_client.h"
#include "outside/pglink/serial_device.h"
#include "simcore/simcore32.h"

namespace tavrin::pglink {

struct Driver {
  std::array<std::string, 4> portDevices = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};
  SerialDevice device;
  LinkTrace trace;
  LinkTiming timing;
  unsigned statusTimeoutMs = 2500;
  unsigned bytesPerPacket = 220;
  unsigned delayPerPacketMs = 0;
  int32_t maxCompressMs = 30000;
  uint16_t lastFunction = 0;
  // From the controller's system parameters, read once per connection.
  std::optional<std::vector<uint8_t>> systemImage;
  // The record that answered the last variable request list, until it is read.
  std::optional<std::vector<uint8_t>> variableRecord;

  // Runs one job on the open port; 3 when no port is open.
  uint16_t run(const std::function<uint16_t(As511Client&)>& job);
  // The 44-byte image (read from the controller when this connection has not read it yet).
  uint16_t systemParameters(std::vector<uint8_t>& image);
  // 1 when the controller counts in words, 2 when in bytes.
  uint16_t addressUnitsPerWord(unsigned& units);
  uint16_t readMemory(uint32_t address, unsigned bytes, uint8_t* buffer);
  uint16_t writeMemory(uint32_t address, unsigned bytes, const uint8_t* buffer);
};

Driver& theDriver();

// Big-endian word `index` of the system parameter image.
inline uint16_t imageWord(const std::vector<uint8_t>& image, unsigned index) {
  return static_cast<uint16_t>(image[2 * index] << 8 | image[2 * index + 1]);
}

}  // namespace tavrin::pglink

#endif
