// The steps the programming-device jobs share.
#include <algorithm>
#include <cstring>

#include "simcore/pg_jobs.h"

namespace tavrin::simcore {

std::optional<std::size_t> receiveParameters(PgLink& link, std::size_t minimum) {
  SimImage& img = link.engine().image();
  const auto n = link.receiveData(img.receiveBuffer, sizeof img.receiveBuffer);
  if (!n || *n < minimum) return std::nullopt;
  std::memcpy(img.request, img.receiveBuffer, std::min(*n, sizeof img.request));
  return n;
}

bool acknowledge(PgLink& link) {
  return link.sendSequence({kDLE, kACK});
}

bool beginReply(PgLink& link) {
  return link.sendSequence({kDLE, kACK, kSTX}) && link.expectPair(kDLE, kACK);
}

bool endReply(PgLink& link) {
  return link.sendSequence({kDLE, kETX}) && link.expectPair(kDLE, kACK);
}

bool sendReplyBytes(PgLink& link, const uint8_t* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (!link.sendData(bytes[i])) return false;
  return true;
}

bool sendReplyWord(PgLink& link, uint16_t word) {
  return link.sendData(static_cast<uint8_t>(word >> 8)) &&
         link.sendData(static_cast<uint8_t>(word));
}

bool skipCharacters(PgLink& link, unsigned count) {
  for (unsigned i = 0; i < count; ++i)
    if (!link.receive()) return false;
  return true;
}

}  // namespace tavrin::simcore
