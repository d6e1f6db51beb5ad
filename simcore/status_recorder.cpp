#include "simcore/status_recorder.h"

#include <algorithm>

#include "simcore/block_kinds.h"
#include "simcore/interp/machine.h"
#include "simcore/s5_memory.h"

namespace tavrin::simcore {

namespace {

constexpr unsigned kMaxRequests = kStatusRequestItems - 1;  // room for the closing 0x1003
constexpr unsigned kMaxReplyItems = (kStatusReplyBytes - 1) / 2;

// Stores big-endian request words, held to the list's room, and closes the list.
void storeRequests(SimImage& s, const uint8_t* words, unsigned count) {
  count = std::min(count, kMaxRequests);
  for (unsigned i = 0; i < count; ++i)
    s.statusRequests[i] = static_cast<uint16_t>(words[2 * i] << 8 | words[2 * i + 1]);
  s.statusRequests[count] = kEndOfRequests;
}

void setReplyItem(SimImage& s, unsigned i, uint16_t value) {
  s.statusReply[1 + 2 * i] = static_cast<uint8_t>(value);
  s.statusReply[2 + 2 * i] = static_cast<uint8_t>(value >> 8);
}

uint16_t statusWord(const SimImage& s) {
  return static_cast<uint16_t>(s.ERAB << 8 | s.VKE << 9 | s.STATUS << 10 | s.OS << 12 | s.OV << 13 |
                               s.ANZ0 << 14 | s.ANZ1 << 15);
}

uint16_t timerOrWord(const SimImage& s, uint16_t address) {
  const uint16_t timers = s.areaStart[kTimers];
  if (address >= timers && unsigned(address - timers) / s.AddrPerWord < kMaxTimers)
    return areaWord(s, kTimers, (address - timers) / s.AddrPerWord);
  return ReadS5Word(s, address);
}

uint16_t counterWordAt(const SimImage& s, uint16_t address) {
  return areaWord(s, kCounters,
                  static_cast<uint16_t>(address - s.areaStart[kCounters]) / s.AddrPerWord);
}

// Items a request code adds after the instruction's address and status word.
unsigned extraItems(uint16_t code, unsigned addrPerWord) {
  if (code == 0x1033 || code == 0x1034) return 1;
  if (code == 0x1036) return addrPerWord == 1 ? 4 : 2;
  return 0;
}

void stopRecording(SimImage& s) {
  s.blockStatusArmed = 0;
  s.errorWord &= static_cast<uint16_t>(~interp::kErrBlockStatus);
}

}  // namespace

bool requestHasAddress(uint16_t code) {
  return (code >= 0x1030 && code <= 0x1034) || code == 0x1037;
}

uint16_t replyItem(const SimImage& s, unsigned i) {
  return static_cast<uint16_t>(s.statusReply[1 + 2 * i] | s.statusReply[2 + 2 * i] << 8);
}

void armBlockStatus(Engine& engine, const uint8_t* request, int length, uint16_t offset) {
  SimImage& s = engine.image();
  if (request == nullptr || length < 2) return;
  const uint8_t type = request[0], number = request[1];
  storeRequests(s, request + 2, static_cast<unsigned>(length - 2) / 2);
  // The trigger is a word index of S5 RAM: the block's body plus the offset in words.
  const BlockKind* kind = blockKind(type);
  const uint16_t body = kind != nullptr ? areaWord(s, kind->list, number) : 0;
  // Without the block the offset would count from the start of RAM and meet some other block:
  // target 0, the first header word of the RAM, is no instruction and never triggers.
  s.blockStatusTarget = body != 0 ? static_cast<uint16_t>(body + offset / s.AddrPerWord) : 0;
  s.statusReplyWrite = 0;
  s.statusRequestRead = 0;
  s.blockStatusArmed = 0;
  s.statusRecordComplete = 0;
  s.blockStatusMode = kBlockStatusMode;
  s.errorWord |= interp::kErrBlockStatus;
  engine.lastRecordedSaz = -1;
}

void recordBlockStatus(Engine& engine) {
  SimImage& s = engine.image();
  if (s.blockStatusMode != kBlockStatusMode) return;
  if (engine.lastRecordedSaz == s.SazOld) return;
  engine.lastRecordedSaz = s.SazOld;
  if (s.blockStatusTarget != 0 && s.SazOld == s.blockStatusTarget) {
    s.statusReplyWrite = 0;
    s.statusRequestRead = 0;
    s.statusRecordComplete = 0;
    s.blockStatusArmed = 1;
    setReplyItem(s, s.statusReplyWrite++, s.currentDb != 0 ? s.currentDbAddress : 0);
  }
  if (s.blockStatusArmed == 0 || s.statusRecordComplete != 0) return;
  const uint16_t code = s.statusRequestRead < kStatusRequestItems
                            ? s.statusRequests[s.statusRequestRead]
                            : kEndOfRequests;
  const bool withAddress = requestHasAddress(code);
  const unsigned extra = extraItems(code, s.AddrPerWord);
  // The whole group must fit, not only its first item.
  if (s.statusRequestRead + (withAddress ? 2u : 1u) > kMaxRequests + 1 ||
      s.statusReplyWrite + 2u + extra > kMaxReplyItems) {
    stopRecording(s);
    return;
  }
  ++s.statusRequestRead;
  const uint16_t address = withAddress ? s.statusRequests[s.statusRequestRead++] : 0;
  setReplyItem(s, s.statusReplyWrite++,
               static_cast<uint16_t>(s.areaStart[kS5Ram] + s.SazOld * s.AddrPerWord));
  const unsigned statusAt = s.statusReplyWrite++;
  uint16_t status = statusWord(s);
  switch (code) {
    case 0x1030:
    case 0x1031:
    case 0x1032:
      status |= ReadS5Byte(s, address);
      break;
    case 0x1033:
      setReplyItem(s, s.statusReplyWrite++, counterWordAt(s, address));
      break;
    case 0x1034:
      setReplyItem(s, s.statusReplyWrite++, timerOrWord(s, address));
      break;
    case 0x1036:
      if (s.AddrPerWord == 1) {
        setReplyItem(s, s.statusReplyWrite++, static_cast<uint16_t>(s.ACCU2 >> 16));
        setReplyItem(s, s.statusReplyWrite++, static_cast<uint16_t>(s.ACCU2));
        setReplyItem(s, s.statusReplyWrite++, static_cast<uint16_t>(s.ACCU1 >> 16));
        setReplyItem(s, s.statusReplyWrite++, static_cast<uint16_t>(s.ACCU1));
      } else {
        setReplyItem(s, s.statusReplyWrite++, static_cast<uint16_t>(s.ACCU2));
        setReplyItem(s, s.statusReplyWrite++, static_cast<uint16_t>(s.ACCU1));
      }
      break;
    case kEndOfRequests:
      s.statusRecordComplete = 1;
      s.errorWord &= static_cast<uint16_t>(~interp::kErrBlockStatus);
      break;
    default:
      break;  // 0x1035 and unknown codes add nothing
  }
  setReplyItem(s, statusAt, status);
}

BlockStatusCollect collectBlockStatus(Engine& engine, uint8_t* buffer, int maxItems) {
  SimImage& s = engine.image();
  s.errorWord |= interp::kErrBlockStatus;
  if (s.statusRecordComplete == 0) {
    const bool started = s.blockStatusArmed != 0 && s.statusReplyWrite > 0;
    return {!started, !started, 0};
  }
  const unsigned items =
      std::min<unsigned>(s.statusReplyWrite, static_cast<unsigned>(std::max(maxItems, 0)));
  if (buffer != nullptr)
    for (unsigned i = 0; i < items; ++i) {
      const uint16_t v = replyItem(s, i);
      buffer[2 * i] = static_cast<uint8_t>(v);
      buffer[2 * i + 1] = static_cast<uint8_t>(v >> 8);
    }
  resetStatusRecord(engine);
  return {false, true, static_cast<uint16_t>(items * 2)};
}

void resetStatusRecord(Engine& engine) {
  SimImage& s = engine.image();
  s.statusReplyWrite = 0;
  s.statusRequestRead = 0;
  s.blockStatusArmed = 0;
  s.statusRecordComplete = 0;
  engine.lastRecordedSaz = -1;
}

void rearmBlockStatus(Engine& engine) {
  SimImage& s = engine.image();
  if (s.blockStatusMode != kBlockStatusMode) return;
  resetStatusRecord(engine);
  s.errorWord |= interp::kErrBlockStatus;
}

void endStatus(Engine& engine) {
  SimImage& s = engine.image();
  resetStatusRecord(engine);
  s.blockStatusMode = 0;
  s.errorWord &= static_cast<uint16_t>(~interp::kErrBlockStatus);
}

void setVariableRequests(Engine& engine, const uint8_t* request, int length) {
  SimImage& s = engine.image();
  storeRequests(s, request,
                request == nullptr || length < 0 ? 0 : static_cast<unsigned>(length) / 2);
  s.blockStatusMode = kVariableStatusMode;
}

unsigned readVariables(Engine& engine) {
  SimImage& s = engine.image();
  unsigned out = 0;
  const auto put = [&](std::initializer_list<uint8_t> bytes) {
    if (out + bytes.size() > kStatusReplyBytes) return false;
    for (uint8_t b : bytes)
      s.statusReply[out++] = b;
    return true;
  };
  for (unsigned i = 0; i < kStatusRequestItems;) {
    const uint16_t code = s.statusRequests[i++];
    const uint16_t address =
        requestHasAddress(code) && i < kStatusRequestItems ? s.statusRequests[i++] : 0;
    bool fits = true;
    if (code >= 0x1030 && code <= 0x1032) {
      fits = put({0x01, 0x84, 0x03, ReadS5Byte(s, address)});
    } else if (code == 0x1033 || code == 0x1034 || code == 0x1037) {
      const uint16_t v = code == 0x1033   ? counterWordAt(s, address)
                         : code == 0x1034 ? timerOrWord(s, address)
                                          : ReadS5Word(s, address);
      const uint8_t marker = code == 0x1037 ? 0x00 : 0x01;
      fits = put({marker, static_cast<uint8_t>(code == 0x1037 ? 0x00 : 0x84),
                  static_cast<uint8_t>(code == 0x1037 ? 0x00 : 0x03), 0x00,
                  static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)});
    } else if (code != 0x1035 && code != 0x1036) {
      break;  // 0x1003 or an unknown code completes the reply
    }
    if (!fits) break;
  }
  s.statusReplyWrite = static_cast<uint16_t>(out);
  s.statusRecordComplete = 1;
  return out;
}

}  // namespace tavrin::simcore
