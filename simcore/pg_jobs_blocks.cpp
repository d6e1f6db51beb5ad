// Programming-device jobs on blocks: load, read, compress, erase, header, directory.
#include <algorithm>
#include <vector>

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/block_write.h"
#include "simcore/pg_jobs.h"
#include "simcore/ram.h"

namespace tavrin::simcore {

namespace {

// Answers to a block load.
constexpr uint8_t kLoadAccepted = 9;
constexpr uint8_t kLoadNoRoom = 4;
constexpr uint8_t kLoadExists = 5;
constexpr uint8_t kLoadNotAllowed = 6;
constexpr uint8_t kLoadOnlyPb1 = 7;

// Status bytes of the replies.
constexpr uint8_t kStatusDone = 0;
constexpr uint8_t kBlockAbsent = 5;
constexpr uint8_t kHeaderAbsent = 20;

// The status byte and the block must fit one received data part.
constexpr unsigned kMaxLoadWords = (kMaxReceivedData - 1) / 2;

bool knownBlock(const SimImage& img, uint8_t type, uint8_t number) {
  const BlockKind* kind = blockKind(type);
  return kind != nullptr && number < img.blockCount[kind->count];
}

// The checks in this order, a later failing check deciding the answer.
uint8_t loadAnswer(Engine& engine, bool mayReplace, uint8_t type, uint8_t number, unsigned length) {
  const SimImage& img = engine.image();
  const RamView ram = ramView(engine, ramFor(engine, type));
  uint8_t answer = kLoadAccepted;
  if (length < kHeaderWords || length > kMaxLoadWords || *ram.fill + length >= ram.size)
    answer = kLoadNoRoom;
  if (!mayReplace && blockExists(img, type, number)) answer = kLoadExists;
  if (!knownBlock(img, type, number) || writeProtected(img, type, number)) answer = kLoadNotAllowed;
  if (refusedWhileProgramInPb1(img, type, number)) answer = kLoadOnlyPb1;
  return answer;
}

// Header data: block type, number, length in words (high byte first); what follows (the
// identification bytes of the header) is taken from the block itself.
bool loadBlock(PgLink& link, bool mayReplace) {
  if (!receiveParameters(link, 4)) return false;
  Engine& e = link.engine();
  SimImage& img = e.image();
  const uint8_t type = img.receiveBuffer[0];
  const uint8_t number = img.receiveBuffer[1];
  const unsigned length = img.receiveBuffer[2] << 8 | img.receiveBuffer[3];
  const uint8_t answer = loadAnswer(e, mayReplace, type, number, length);
  if (!beginReply(link) || !link.sendData(answer) || !endReply(link)) return false;
  if (answer != kLoadAccepted) return true;

  const auto stx = link.receive();
  if (!stx || *stx != kSTX || !acknowledge(link)) return false;
  // A status byte, then the block. A block other than the one announced is not stored, and the
  // missing acknowledgement tells the partner so.
  const auto received = link.receiveData(img.receiveBuffer, sizeof img.receiveBuffer);
  if (!received || *received != 1 + 2 * length) return false;
  if (storeBlock(e, type, number, img.receiveBuffer + 1, static_cast<uint16_t>(length)) != 0)
    return false;
  return acknowledge(link);
}

}  // namespace

bool jobLoadNewBlock(PgLink& link) {
  return loadBlock(link, false);
}

bool jobLoadBlock(PgLink& link) {
  return loadBlock(link, true);
}

bool jobReadBlock(PgLink& link) {
  if (!receiveParameters(link, 2)) return false;
  Engine& e = link.engine();
  const uint8_t type = e.image().receiveBuffer[0];
  const uint8_t number = e.image().receiveBuffer[1];
  std::vector<uint8_t> block(2u * kMaxBlockWords);
  uint16_t words = 0;
  const bool found = readBlock(e, type, number, block.data(), kMaxBlockWords, words) == 0;
  return beginReply(link) && link.sendData(found ? kStatusDone : kBlockAbsent) &&
         (!found || sendReplyBytes(link, block.data(), 2u * words)) && endReply(link);
}

bool jobCompress(PgLink& link) {
  if (!receiveParameters(link, 0)) return false;
  link.engine().image().compressRequested = 1;
  return acknowledge(link);
}

bool jobEraseBlock(PgLink& link) {
  if (!receiveParameters(link, 2)) return false;
  Engine& e = link.engine();
  const uint8_t type = e.image().receiveBuffer[0];
  const uint8_t number = e.image().receiveBuffer[1];
  if (!writeProtected(e.image(), type, number)) EraseBlock(e, type, number);
  return acknowledge(link);
}

bool jobReadHeader(PgLink& link) {
  if (!receiveParameters(link, 2)) return false;
  Engine& e = link.engine();
  const uint8_t type = e.image().receiveBuffer[0];
  const uint8_t number = e.image().receiveBuffer[1];
  if (!beginReply(link)) return false;
  if (!blockExists(e.image(), type, number)) return link.sendData(kHeaderAbsent) && endReply(link);
  const uint16_t body = bodyAddress(e, type, number);
  if (!link.sendData(kStatusDone) || (body != 0 && !sendReplyWord(link, body))) return false;
  for (unsigned k = 0; k < kHeaderWords; ++k)
    if (!sendReplyWord(link, headerWord(e, type, number, k))) return false;
  return endReply(link);
}

// One body address per block number from 0 on; with the block list complete flag clear the list
// ends after the last existing block.
bool jobBlockDirectory(PgLink& link) {
  if (!receiveParameters(link, 1)) return false;
  Engine& e = link.engine();
  const SimImage& img = e.image();
  const uint8_t type = img.receiveBuffer[0];
  const BlockKind* kind = blockKind(type);
  unsigned count =
      kind != nullptr ? std::min<unsigned>(img.blockCount[kind->count], kMaxBlockNumbers) : 0;
  if (img.blockListComplete == 0)
    while (count > 0 && !blockExists(img, type, static_cast<uint8_t>(count - 1)))
      --count;
  if (!beginReply(link) || !link.sendData(kStatusDone)) return false;
  for (unsigned n = 0; n < count; ++n) {
    const bool db0 = type == kTypeDB && n == 0;
    if (!sendReplyWord(link, db0 ? 0 : bodyAddress(e, type, static_cast<uint8_t>(n)))) return false;
  }
  return endReply(link);
}

}  // namespace tavrin::simcore
