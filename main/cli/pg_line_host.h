// The line a served programming device talks over, as the simulated controller's service sees
// it: the character callbacks on a terminal device (a pseudo-terminal's master side or a serial
// device), with the characters of each telegram collected and written in one piece.
//
// Contents
//   PgLineHost   installs the callbacks for one line and serves requests on it
//
// The service's callbacks carry no context, so one line at a time is served in a process: the
// host that is installed is the one the callbacks reach.
#ifndef MAIN_CLI_PG_LINE_HOST_H
#define MAIN_CLI_PG_LINE_HOST_H

#include <cstdint>
#include <vector>

namespace tavrin::cli {

class PgLineHost {
 public:
  // `fd` stays owned by the caller; `characterTimeoutMs` bounds the wait for a character inside
  // a telegram.
  PgLineHost(int fd, unsigned characterTimeoutMs);
  ~PgLineHost();
  PgLineHost(const PgLineHost&) = delete;
  PgLineHost& operator=(const PgLineHost&) = delete;

  // Waits up to `waitMs` for the start of a request, then serves what arrived.
  void serve(unsigned waitMs);

 private:
  static unsigned char send(unsigned char character);
  // A character for the service: one already waiting, or one within the character time-out.
  static unsigned short receive(bool withinTelegram);
  static unsigned short receiveWaiting();
  static unsigned short receiveWithin();
  static void clear(unsigned char);

  void flush();
  bool readByte(unsigned timeoutMs, uint8_t& byte);

  int fd_;
  unsigned characterTimeoutMs_;
  std::vector<uint8_t> pending_;
};

}  // namespace tavrin::cli

#endif
