#include "main/cli/pg_line_host.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "simcore/simcore32.h"

namespace tavrin::cli {

namespace {
PgLineHost* installed = nullptr;
}

PgLineHost::PgLineHost(int fd, unsigned characterTimeoutMs)
    : fd_(fd), characterTimeoutMs_(characterTimeoutMs) {
  installed = this;
  S5AG_SetFncPtrCharSendenC(&PgLineHost::send);
  S5AG_SetFncPtrCharEmpfangen(&PgLineHost::receiveWaiting);
  S5AG_SetFncPtrCharEmpfangenPoll(&PgLineHost::receiveWithin);
  S5AG_SetFncPtrClearComBuffer(&PgLineHost::clear);
}

PgLineHost::~PgLineHost() {
  S5AG_SetFncPtrCharSendenC(nullptr);
  S5AG_SetFncPtrCharEmpfangen(nullptr);
  S5AG_SetFncPtrCharEmpfangenPoll(nullptr);
  S5AG_SetFncPtrClearComBuffer(nullptr);
  if (installed == this) installed = nullptr;
}

void PgLineHost::serve(unsigned waitMs) {
  pollfd p{fd_, POLLIN, 0};
  const int ready = ::poll(&p, 1, static_cast<int>(waitMs));
  if (ready == 0 || (p.revents & POLLIN) != 0) {
    // Also without a request: a status record that became complete goes out now.
    S5AG_PGAnfragePruefen();
  } else if (ready > 0) {
    // The partner side is closed (a pseudo-terminal nobody holds): nothing to serve yet.
    ::usleep(waitMs * 1000);
  }
  flush();
}

void PgLineHost::flush() {
  std::size_t done = 0;
  while (done < pending_.size()) {
    const ssize_t n = ::write(fd_, pending_.data() + done, pending_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  pending_.clear();
}

bool PgLineHost::readByte(unsigned timeoutMs, uint8_t& byte) {
  flush();  // the partner answers what it has seen; a telegram must be out before we wait
  pollfd p{fd_, POLLIN, 0};
  for (;;) {
    const int ready = ::poll(&p, 1, static_cast<int>(timeoutMs));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0 || (p.revents & POLLIN) == 0) return false;
    const ssize_t n = ::read(fd_, &byte, 1);
    if (n == 1) return true;
    if (n < 0 && errno == EINTR) continue;
    return false;
  }
}

unsigned char PgLineHost::send(unsigned char character) {
  if (installed == nullptr) return 0;
  installed->pending_.push_back(character);
  return 1;
}

unsigned short PgLineHost::receive(bool withinTelegram) {
  uint8_t byte = 0;
  if (installed == nullptr) return 0;
  const unsigned timeoutMs = withinTelegram ? installed->characterTimeoutMs_ : 0;
  if (!installed->readByte(timeoutMs, byte)) return 0;
  return static_cast<unsigned short>(byte << 8 | 1);
}

unsigned short PgLineHost::receiveWaiting() {
  return receive(false);
}

unsigned short PgLineHost::receiveWithin() {
  return receive(true);
}

void PgLineHost::clear(unsigned char) {
  if (installed == nullptr) return;
  installed->flush();
  ::tcflush(installed->fd_, TCIFLUSH);
}

}  // namespace tavrin::cli
