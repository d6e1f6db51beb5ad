#include "platform/serial_line.h"

#include <fcntl.h>
#include <stdlib.h>

#include <gtest/gtest.h>

#include "platform/unique_fd.h"

namespace tavrin::platform {
namespace {

// The slave side of a fresh pseudo-terminal, as a programming device would open it.
struct PseudoTerminal {
  PseudoTerminal() : master(::posix_openpt(O_RDWR | O_NOCTTY)) {
    if (master.valid() && ::grantpt(master.get()) == 0 && ::unlockpt(master.get()) == 0)
      slave.reset(::open(::ptsname(master.get()), O_RDWR | O_NOCTTY));
  }
  UniqueFd master;
  UniqueFd slave;
};

TEST(SerialLine, APseudoTerminalTakesTheSettingsWithoutItsParity) {
  PseudoTerminal pty;
  ASSERT_TRUE(pty.slave.valid());
  ASSERT_TRUE(SetAs511LineSettings(pty.slave.get(), 19200));
  termios got{};
  ASSERT_EQ(::tcgetattr(pty.slave.get(), &got), 0);
  EXPECT_EQ(got.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(got.c_cflag & CSTOPB, 0u);
  EXPECT_EQ(got.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_EQ(got.c_iflag & (IXON | ICRNL), 0u);
  EXPECT_EQ(got.c_cc[VMIN], 0);
  EXPECT_EQ(cfgetospeed(&got), static_cast<speed_t>(B19200));
  // Set twice: the second call meets the settings of the first.
  EXPECT_TRUE(SetAs511LineSettings(pty.slave.get(), 9600));
}

TEST(SerialLine, RefusesWhatIsNoLineOrNoBaudRateOfOne) {
  PseudoTerminal pty;
  ASSERT_TRUE(pty.slave.valid());
  EXPECT_FALSE(SetAs511LineSettings(pty.slave.get(), 14400));
  EXPECT_FALSE(SetAs511LineSettings(pty.slave.get(), 0));
  UniqueFd file(::open("/dev/null", O_RDWR));
  ASSERT_TRUE(file.valid());
  EXPECT_FALSE(SetAs511LineSettings(file.get(), 9600));
  EXPECT_FALSE(SetAs511LineSettings(-1, 9600));
}

}  // namespace
}  // namespace tavrin::platform
