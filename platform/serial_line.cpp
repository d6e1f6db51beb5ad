#include "platform/serial_line.h"

namespace tavrin::platform {

speed_t SerialSpeed(uint32_t baud) {
  switch (baud) {
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    default:
      return B0;
  }
}

namespace {

bool sameExceptParity(const termios& wanted, const termios& got) {
  constexpr tcflag_t kCompared = CSIZE | CSTOPB | PARODD | CREAD | CLOCAL | CRTSCTS;
  return (wanted.c_cflag & kCompared) == (got.c_cflag & kCompared) &&
         wanted.c_iflag == got.c_iflag && wanted.c_oflag == got.c_oflag &&
         wanted.c_lflag == got.c_lflag && cfgetispeed(&wanted) == cfgetispeed(&got) &&
         cfgetospeed(&wanted) == cfgetospeed(&got);
}

}  // namespace

bool SetAs511LineSettings(int fd, uint32_t baud) {
  const speed_t speed = SerialSpeed(baud);
  termios tio{};
  if (speed == B0 || ::tcgetattr(fd, &tio) != 0) return false;
  ::cfmakeraw(&tio);
  tio.c_cflag &= ~(CSIZE | CSTOPB | PARODD | CRTSCTS);
  tio.c_cflag |= CS8 | PARENB | CREAD | CLOCAL;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) return false;
  if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
    // The C library reports a dropped parity bit as a refusal; look at what the device took.
    termios got{};
    if (::tcgetattr(fd, &got) != 0 || !sameExceptParity(tio, got)) return false;
  }
  ::tcflush(fd, TCIOFLUSH);
  return true;
}

}  // namespace tavrin::platform
