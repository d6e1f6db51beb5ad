#include "outside/pglink/serial_device.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "platform/serial_line.h"

namespace tavrin::pglink {

bool SerialDevice::supportedBaud(uint32_t baud) {
  return platform::SerialSpeed(baud) != B0;
}

SerialOpen SerialDevice::open(const std::string& path, uint32_t baud) {
  close();
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return SerialOpen::Missing;
  return adopt(fd, baud);
}

SerialOpen SerialDevice::adopt(int fd, uint32_t baud) {
  close();
  fd_ = fd;
  if (!configure(baud)) {
    close();
    return SerialOpen::NotConfigurable;
  }
  return SerialOpen::Opened;
}

bool SerialDevice::configure(uint32_t baud) {
  return platform::SetAs511LineSettings(fd_, baud);
}

void SerialDevice::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool SerialDevice::write(std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::optional<uint8_t> SerialDevice::read(unsigned timeoutMs) {
  if (fd_ < 0) return std::nullopt;
  pollfd p{fd_, POLLIN, 0};
  for (;;) {
    const int ready = ::poll(&p, 1, static_cast<int>(timeoutMs));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0 || (p.revents & POLLIN) == 0) return std::nullopt;
    uint8_t byte = 0;
    const ssize_t n = ::read(fd_, &byte, 1);
    if (n == 1) return byte;
    if (n < 0 && errno == EINTR) continue;
    return std::nullopt;
  }
}

void SerialDevice::discardInput() {
  if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

}  // namespace tavrin::pglink
