// A serial device (or one side of a pseudo-terminal) set up for AS511: raw bytes, 8 data bits,
// even parity, one stop bit, the given baud rate.
//
// Contents
//   SerialDevice   open, configure, write whole sequences, read with a time-out
#ifndef OUTSIDE_PGLINK_SERIAL_DEVICE_H
#define OUTSIDE_PGLINK_SERIAL_DEVICE_H

#include <cstdint>
#include <string>

#include "outside/pglink/byte_channel.h"

namespace tavrin::pglink {

enum class SerialOpen { Opened, Missing, NotConfigurable };

class SerialDevice final : public ByteChannel {
 public:
  SerialDevice() = default;
  ~SerialDevice() override { close(); }
  SerialDevice(const SerialDevice&) = delete;
  SerialDevice& operator=(const SerialDevice&) = delete;

  // Missing: the device cannot be opened (absent, or held by another program);
  // NotConfigurable: it opened but refuses the line settings (not a terminal, bad baud rate).
  SerialOpen open(const std::string& path, uint32_t baud);
  // Takes over a descriptor that is already open (a pseudo-terminal of a test) and configures it.
  SerialOpen adopt(int fd, uint32_t baud);
  void close();
  bool isOpen() const { return fd_ >= 0; }

  bool write(std::span<const uint8_t> bytes) override;
  std::optional<uint8_t> read(unsigned timeoutMs) override;
  void discardInput() override;

  // The baud rates a line can be set to; false for any other.
  static bool supportedBaud(uint32_t baud);

 private:
  bool configure(uint32_t baud);

  int fd_ = -1;
};

}  // namespace tavrin::pglink

#endif
