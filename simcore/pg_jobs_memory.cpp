// Programming-device jobs on memory and system data: write and read memory, system parameters,
// memory configuration, block stack and interrupt stack.
#include "simcore/memory_transfer.h"
#include "simcore/pg_jobs.h"
#include "simcore/ram.h"
#include "simcore/s5_memory.h"
#include "simcore/stack_images.h"
#include "simcore/system_parameters.h"

namespace tavrin::simcore {

namespace {

constexpr uint8_t kStatusDone = 0;
constexpr uint8_t kMemoryReadPrefix[] = {0, 0, 0, 0};

uint16_t bigEndianAt(const uint8_t* bytes) {
  return static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
}

// A status byte and `count` bytes of `byteAt` as the reply.
template <typename ByteAt>
bool replyWithImage(PgLink& link, unsigned count, ByteAt byteAt) {
  if (!beginReply(link) || !link.sendData(kStatusDone)) return false;
  for (unsigned i = 0; i < count; ++i)
    if (!link.sendData(byteAt(i))) return false;
  return endReply(link);
}

}  // namespace

bool jobWriteMemory(PgLink& link) {
  const auto n = receiveParameters(link, 2);
  if (!n) return false;
  Engine& e = link.engine();
  SimImage& img = e.image();
  const uint8_t* received = img.receiveBuffer;
  const uint16_t address = bigEndianAt(received);
  const uint8_t* data = received + 2;
  const auto length = static_cast<unsigned>(*n - 2);
  if (wordAddressed(img)) {
    writeMemoryWords(e, address, data, length);
  } else {
    writeMemoryBytes(e, address, data, length);
    if (length > 0 && isStartStopAddress(img, address)) startStopCommand(img, data[0]);
  }
  return acknowledge(link);
}

bool jobReadMemory(PgLink& link) {
  if (!receiveParameters(link, 4)) return false;
  Engine& e = link.engine();
  SimImage& img = e.image();
  const uint16_t start = bigEndianAt(img.receiveBuffer);
  const uint16_t end = bigEndianAt(img.receiveBuffer + 2);
  if (start == controlBitsAddress(img)) buildControlBits(e);
  if (!beginReply(link) || !link.sendData(kStatusDone) ||
      !sendReplyBytes(link, kMemoryReadPrefix, sizeof kMemoryReadPrefix))
    return false;
  // An end below the start reads nothing; the count is wide enough for an end of 0xFFFF.
  for (unsigned a = start; a <= end; ++a) {
    const bool sent = wordAddressed(img) ? sendReplyWord(link, ReadS5Word(img, uint16_t(a)))
                                         : link.sendData(ReadS5Byte(img, uint16_t(a)));
    if (!sent) return false;
  }
  return endReply(link);
}

bool jobSystemParameters(PgLink& link) {
  if (!receiveParameters(link, 0)) return false;
  const uint8_t* image = buildSystemParameters(link.engine().image());
  return replyWithImage(link, kSysParamBytes, [&](unsigned i) { return image[i]; });
}

bool jobMemoryConfiguration(PgLink& link) {
  if (!receiveParameters(link, 0)) return false;
  uint8_t configuration[4];
  memoryConfiguration(link.engine(), configuration);
  return replyWithImage(link, sizeof configuration, [&](unsigned i) { return configuration[i]; });
}

bool jobBlockStack(PgLink& link) {
  if (!receiveParameters(link, 0)) return false;
  buildStackImages(link.engine());
  const SimImage& img = link.engine().image();
  return replyWithImage(link, img.bstackImageLength,
                        [&](unsigned i) { return bstackByte(img, i); });
}

// The USTACK area from byte 6 on.
bool jobInterruptStack(PgLink& link) {
  if (!receiveParameters(link, 0)) return false;
  buildStackImages(link.engine());
  const SimImage& img = link.engine().image();
  return replyWithImage(link, ustackImageBytes(img),
                        [&](unsigned i) { return ustackByte(img, 6 + i); });
}

}  // namespace tavrin::simcore
