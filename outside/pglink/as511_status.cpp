// The status jobs of the programming device: the request lists, the controller's records and
// the continuations that ask for the next one or end the status.
#include "outside/pglink/as511_client.h"

namespace tavrin::pglink {

namespace {

// Bytes in front of a variable request list that the controller does not read.
constexpr std::size_t kVariableListHeader = 7;
const std::vector<uint8_t> kListEnd = {0x10, 0x03};
// The largest record: every request answered, with a DLE and a 0 in front.
constexpr std::size_t kRecordLimit = 2 + 4 * 200;

std::vector<uint8_t> closedList(std::vector<uint8_t> head, std::span<const uint8_t> items) {
  head.insert(head.end(), items.begin(), items.end());
  head.insert(head.end(), kListEnd.begin(), kListEnd.end());
  return head;
}

}  // namespace

uint16_t As511Client::statusAnswer() {
  step(5);
  if (const uint16_t e = link_.expect({DLE, ACK, STX})) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  step(6);
  if (const uint16_t e = link_.expect({DLE, DLE, DLE, ETX})) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  return kOk;
}

uint16_t As511Client::variableStatus(std::span<const uint8_t> items, unsigned recordWaitMs,
                                     std::vector<uint8_t>& record) {
  Acceptance acceptance{};
  if (const uint16_t e = begin(kJobVariableStatus, acceptance)) return e;
  if (acceptance == Acceptance::Refused) return kWrongMode;
  const std::vector<uint8_t> list = closedList(std::vector<uint8_t>(kVariableListHeader, 0), items);
  if (const uint16_t e = link_.sendDataOnly(list)) return failed(e);
  if (const uint16_t e = statusAnswer()) return e;
  return awaitRecord(recordWaitMs, record);
}

uint16_t As511Client::nextVariableRecord(unsigned recordWaitMs, std::vector<uint8_t>& record) {
  if (const uint16_t e = continueStatus()) return e;
  return awaitRecord(recordWaitMs, record);
}

uint16_t As511Client::awaitRecord(unsigned waitMs, std::vector<uint8_t>& record) {
  const uint16_t taken = takeRecord(waitMs, record);
  return taken == kNoRecord ? failed(kCharacterTimeout) : taken;
}

uint16_t As511Client::blockStatus(uint8_t type, uint8_t number, uint16_t offset,
                                  std::span<const uint8_t> items) {
  Acceptance acceptance{};
  if (const uint16_t e = begin(kJobBlockStatus, acceptance)) return e;
  if (acceptance == Acceptance::Refused) return kWrongMode;
  const std::vector<uint8_t> list = closedList(
      {type, number, static_cast<uint8_t>(offset >> 8), static_cast<uint8_t>(offset)}, items);
  if (const uint16_t e = link_.sendDataOnly(list)) return failed(e);
  return statusAnswer();
}

uint16_t As511Client::continuation(uint8_t job) {
  if (const uint16_t e = request(job)) return e;
  if (const uint16_t e = link_.expect({DLE, ACK, STX})) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  return kOk;
}

uint16_t As511Client::continueStatus() {
  return continuation(kJobStatusContinue);
}

uint16_t As511Client::endStatus() {
  if (const uint16_t e = continuation(kJobStatusEnd)) return e;
  step(3);
  if (const uint16_t e = link_.expect({DC1, DLE, ETX})) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  return kOk;
}

uint16_t As511Client::takeRecord(unsigned waitMs, std::vector<uint8_t>& record) {
  step(7);
  if (!link_.dataWaiting(waitMs)) return kNoRecord;
  if (const uint16_t e = link_.receiveData(record, kRecordLimit)) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  return kOk;
}

}  // namespace tavrin::pglink
