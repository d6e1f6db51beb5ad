// Programming-device status jobs: the status of variables, the block status, their
// continuation and end, and the records sent after every request.
#include <vector>

#include "simcore/pg_jobs.h"
#include "simcore/status_recorder.h"

namespace tavrin::simcore {

namespace {

constexpr uint16_t kListEnd = 0x1003;
constexpr uint16_t kListEndAlternative = 0x1004;
constexpr unsigned kVariableHeaderBytes = 7;
// Words of a request list; the recorder closes it with 0x1003 in the last item.
constexpr unsigned kMaxListWords = kStatusRequestItems - 1;

// A request list in the recorder's form, held to the list's room: an item that does not fit
// whole is read and dropped, so that a long list can neither overrun the list nor leave a code
// without its address.
class RequestList {
 public:
  void add(uint16_t code, uint16_t address) {
    const unsigned words = requestHasAddress(code) ? 2 : 1;
    if (words_ + words > kMaxListWords) return;
    put(code);
    if (words == 2) put(address);
    words_ += words;
  }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t>& bytes() { return bytes_; }

 private:
  void put(uint16_t w) {
    bytes_.push_back(static_cast<uint8_t>(w >> 8));
    bytes_.push_back(static_cast<uint8_t>(w));
  }
  std::vector<uint8_t> bytes_;
  unsigned words_ = 0;
};

bool isListEnd(uint16_t code) {
  return code == kListEnd || code == kListEndAlternative;
}

// Items up to the closing item (or the end of the data part). With `addressAfterEvery` every
// item on the line carries an address word, otherwise only those the recorder reads one for.
bool readRequestItems(PgLink& link, DataReader& reader, bool addressAfterEvery, RequestList& list) {
  for (;;) {
    uint16_t code = 0, address = 0;
    DataReader::Result r = reader.nextWord(code);
    if (r == DataReader::Result::Failed) return false;
    if (r == DataReader::Result::End || isListEnd(code)) break;
    if (addressAfterEvery || requestHasAddress(code)) {
      r = reader.nextWord(address);
      if (r == DataReader::Result::Failed) return false;
      if (r == DataReader::Result::End) break;
    }
    list.add(code, address);
  }
  // Some partners end the list with a DLE EOT as well.
  return reader.ended() || link.takeWaitingEnd();
}

// The controller's answer to both status jobs.
bool answerStatusJob(PgLink& link) {
  return link.sendSequence({kDLE, kACK, kSTX}) && skipCharacters(link, 2) &&
         link.sendSequence({kDLE, kDLE, kDLE, kETX}) && skipCharacters(link, 2);
}

}  // namespace

// Seven bytes the controller does not need, then items with an address word each.
bool jobVariableStatus(PgLink& link) {
  DataReader reader(link);
  for (unsigned i = 0; i < kVariableHeaderBytes; ++i) {
    uint8_t ignored = 0;
    if (reader.next(ignored) != DataReader::Result::Byte) return false;
  }
  RequestList list;
  if (!readRequestItems(link, reader, true, list)) return false;
  Engine& e = link.engine();
  setVariableRequests(e, list.bytes().data(), static_cast<int>(list.bytes().size()));
  e.pgStatusOpen = true;
  e.pgVariablesDue = true;
  return answerStatusJob(link);
}

// Block type, number and the trigger's offset within the body in S5 addresses, then the items.
bool jobBlockStatus(PgLink& link) {
  DataReader reader(link);
  uint8_t head[4] = {};
  for (uint8_t& b : head)
    if (reader.next(b) != DataReader::Result::Byte) return false;
  RequestList list;
  if (!readRequestItems(link, reader, false, list)) return false;
  std::vector<uint8_t>& request = list.bytes();
  request.insert(request.begin(), {head[0], head[1]});
  Engine& e = link.engine();
  armBlockStatus(e, request.data(), static_cast<int>(request.size()),
                 static_cast<uint16_t>(head[2] << 8 | head[3]));
  e.pgStatusOpen = true;
  e.pgVariablesDue = false;
  return answerStatusJob(link);
}

void continueStatus(Engine& engine) {
  if (!engine.pgStatusOpen) return;
  if (engine.image().blockStatusMode == kVariableStatusMode)
    engine.pgVariablesDue = true;
  else
    rearmBlockStatus(engine);
}

void endPgStatus(Engine& engine) {
  if (!engine.pgStatusOpen) return;
  engine.pgStatusOpen = false;
  engine.pgVariablesDue = false;
  endStatus(engine);
}

// Variable mode: the data are a DLE and a 0 byte, then the reply bytes. Block status mode: the
// record's items, high byte first. Either way DLE doubled, then DLE ETX and the partner's
// acknowledgement; the recorder is reset for the next record whatever the partner answered.
void sendStatusRecord(PgLink& link) {
  Engine& e = link.engine();
  SimImage& s = e.image();
  if (!e.pgStatusOpen) return;
  bool sent = false;
  if (s.blockStatusMode == kVariableStatusMode) {
    if (!e.pgVariablesDue) return;
    e.pgVariablesDue = false;
    const unsigned bytes = readVariables(e);
    sent = link.sendData(kDLE) && link.sendData(0) && sendReplyBytes(link, s.statusReply, bytes) &&
           endReply(link);
  } else if (s.blockStatusMode == kBlockStatusMode && s.statusRecordComplete != 0) {
    sent = true;
    for (unsigned i = 0; i < s.statusReplyWrite && sent; ++i)
      sent = sendReplyWord(link, replyItem(s, i));
    sent = sent && endReply(link);
  } else {
    return;
  }
  resetStatusRecord(e);
  if (!sent) link.clearReceiveBuffer();
}

}  // namespace tavrin::simcore
