// Programming-device jobs on the operating state: overall reset, start and stop.
#include "simcore/memory_reset.h"
#include "simcore/pg_jobs.h"

namespace tavrin::simcore {

namespace {

constexpr uint8_t kStartConfirmed = 0x25;

}  // namespace

// Refused in RUN before it gets here.
bool jobOverallReset(PgLink& link) {
  if (!receiveParameters(link, 0)) return false;
  OverallReset(link.engine());
  return acknowledge(link);
}

// One byte: 0 stops; any other value starts, 1 as after power on.
bool jobStartStop(PgLink& link) {
  if (!receiveParameters(link, 1)) return false;
  SimImage& img = link.engine().image();
  const uint8_t command = img.receiveBuffer[0];
  if (command == 0) {
    img.stopLatch = 1;
    img.stopRequestedByPg = 1;
    return acknowledge(link);
  }
  img.resetRequest = 0;
  img.powerOn = command == 1 ? 1 : 0;
  img.runSwitch = 1;
  img.acceptedRunSwitch = 0;
  img.stopLatch = 0;
  return link.sendSequence({kDLE, kACK, kSTX}) && skipCharacters(link, 2) &&
         link.sendData(kStartConfirmed) && link.sendSequence({kDLE, kETX}) &&
         skipCharacters(link, 2);
}

}  // namespace tavrin::simcore
