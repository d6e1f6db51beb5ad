// Line settings of a serial device for AS511: raw bytes both ways, 8 data bits, even parity,
// one stop bit, no flow control, reads that return at once.
//
// Contents
//   SerialSpeed          the termios speed of a baud rate (B0 for one a line cannot take)
//   SetAs511LineSettings configure an open terminal descriptor and discard what it holds
#ifndef PLATFORM_SERIAL_LINE_H
#define PLATFORM_SERIAL_LINE_H

#include <termios.h>

#include <cstdint>

namespace tavrin::platform {

speed_t SerialSpeed(uint32_t baud);

// False when the descriptor is not a terminal or refuses the settings. A pseudo-terminal has no
// parity and silently drops it; that is accepted, as every other setting holds there.
bool SetAs511LineSettings(int fd, uint32_t baud);

}  // namespace tavrin::platform

#endif
