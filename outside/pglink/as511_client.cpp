#include "outside/pglink/as511_client.h"

namespace tavrin::pglink {

namespace {

// The largest data part a controller sends: a block of 10000 words with its status byte.
constexpr std::size_t kReplyLimit = 20000 + 16;
constexpr uint8_t kRefused = 0x0D;
constexpr uint8_t kBlockAccepted = 9;
constexpr uint8_t kStartConfirmed = 0x25;

uint16_t answerResult(uint8_t answer) {
  switch (answer) {
    case 4:
      return kMemoryFull;
    case 6:
      return kIntegratedBlock;
    case 7:
      return kProgramInPb1Only;
    default:
      return kReceiveProtocol;
  }
}

}  // namespace

uint16_t As511Client::failed(uint16_t code) {
  link_.discardInput();
  return code;
}

uint16_t As511Client::request(uint8_t job) {
  lastFunction_ = static_cast<uint16_t>(job << 8);
  step(1);
  if (const uint16_t e = link_.send({STX})) return failed(e);
  if (const uint16_t e = link_.expect({DLE, ACK}))
    return failed(e == kCharacterTimeout ? uint16_t{kNoConnection} : e);
  step(2);
  if (const uint16_t e = link_.send({job, DLE, ETX})) return failed(e);
  return kOk;
}

uint16_t As511Client::begin(uint8_t job, Acceptance& acceptance) {
  link_.discardInput();
  if (const uint16_t e = request(job)) return e;
  if (const uint16_t e = link_.expect({STX})) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  step(3);
  uint8_t answer = 0;
  if (const uint16_t e = link_.next(answer)) return failed(e);
  if (answer == SYN) {
    acceptance = Acceptance::Accepted;
    if (const uint16_t e = link_.expect({DLE, ETX})) return failed(e);
  } else if (answer == kRefused) {
    acceptance = Acceptance::Refused;
    if (const uint16_t e = link_.expect({0x02, DLE, ETX})) return failed(e);
  } else {
    return failed(answer == NAK ? kNotAcknowledged : kReceiveProtocol);
  }
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  step(4);
  return kOk;
}

uint16_t As511Client::closing() {
  step(9);
  if (link_.expect({STX}) != kOk) return failed(kClosingFailed);
  if (link_.send({DLE, ACK}) != kOk) return failed(kClosingFailed);
  if (link_.expect({DC2, DLE, ETX}) != kOk) return failed(kClosingFailed);
  if (link_.send({DLE, ACK}) != kOk) return failed(kClosingFailed);
  return kOk;
}

uint16_t As511Client::reply(std::vector<uint8_t>& data) {
  step(5);
  if (const uint16_t e = link_.expect({DLE, ACK, STX})) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  step(6);
  if (const uint16_t e = link_.receiveData(data, kReplyLimit)) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  return kOk;
}

uint16_t As511Client::readJob(uint8_t job, std::span<const uint8_t> request,
                              std::vector<uint8_t>& data, uint16_t refusedResult) {
  Acceptance acceptance{};
  if (const uint16_t e = begin(job, acceptance)) return e;
  if (acceptance == Acceptance::Refused) return refusedResult;
  if (const uint16_t e = link_.sendData(request, EOT)) return failed(e);
  if (const uint16_t e = reply(data)) return e;
  return closing();
}

uint16_t As511Client::commandJob(uint8_t job, std::span<const uint8_t> request, uint8_t end,
                                 uint16_t refusedResult) {
  Acceptance acceptance{};
  if (const uint16_t e = begin(job, acceptance)) return e;
  if (acceptance == Acceptance::Refused) return refusedResult;
  if (const uint16_t e = link_.sendData(request, end)) return failed(e);
  step(5);
  if (const uint16_t e = link_.expect({DLE, ACK})) return failed(e);
  return closing();
}

uint16_t As511Client::readMemory(uint16_t first, uint16_t last, std::vector<uint8_t>& data) {
  const uint8_t request[] = {static_cast<uint8_t>(first >> 8), static_cast<uint8_t>(first),
                             static_cast<uint8_t>(last >> 8), static_cast<uint8_t>(last)};
  return readJob(kJobReadMemory, request, data);
}

uint16_t As511Client::writeMemory(uint16_t address, std::span<const uint8_t> bytes) {
  std::vector<uint8_t> request = {static_cast<uint8_t>(address >> 8),
                                  static_cast<uint8_t>(address)};
  request.insert(request.end(), bytes.begin(), bytes.end());
  return commandJob(kJobWriteMemory, request, EOT);
}

uint16_t As511Client::writeBlock(std::span<const uint8_t> block) {
  if (block.size() < 10) return kReceiveProtocol;
  const std::size_t words = block.size() / 2;
  // Type, number and length in words are what the controller checks before it takes the block.
  const uint8_t header[] = {block[2], block[3], static_cast<uint8_t>(words >> 8),
                            static_cast<uint8_t>(words)};
  Acceptance acceptance{};
  if (const uint16_t e = begin(kJobReplaceBlock, acceptance)) return e;
  if (acceptance == Acceptance::Refused) return kWrongMode;
  if (const uint16_t e = link_.sendData(header, ETX)) return failed(e);
  std::vector<uint8_t> answer;
  if (const uint16_t e = reply(answer)) return e;
  if (answer.empty()) return failed(kReceiveProtocol);
  if (answer[0] == kBlockAccepted) {
    step(7);
    if (const uint16_t e = link_.send({STX})) return failed(e);
    if (const uint16_t e = link_.expect({DLE, ACK})) return failed(e);
    std::vector<uint8_t> data = {0x00};
    data.insert(data.end(), block.begin(), block.end());
    if (const uint16_t e = link_.sendData(data, EOT)) return failed(e);
    if (const uint16_t e = link_.expect({DLE, ACK})) return failed(e);
  }
  const uint16_t closed = closing();
  if (answer[0] != kBlockAccepted) return answerResult(answer[0]);
  return closed;
}

uint16_t As511Client::readBlock(uint8_t type, uint8_t number, std::vector<uint8_t>& data) {
  const uint8_t request[] = {type, number};
  return readJob(kJobReadBlock, request, data);
}

uint16_t As511Client::readBlockHeader(uint8_t type, uint8_t number, std::vector<uint8_t>& data) {
  const uint8_t request[] = {type, number};
  return readJob(kJobBlockHeader, request, data);
}

uint16_t As511Client::readDirectory(uint8_t type, std::vector<uint8_t>& data) {
  const uint8_t request[] = {type};
  return readJob(kJobDirectory, request, data);
}

uint16_t As511Client::eraseBlock(uint8_t type, uint8_t number) {
  const uint8_t request[] = {type, number};
  return commandJob(kJobEraseBlock, request, ETX);
}

uint16_t As511Client::compress() {
  return commandJob(kJobCompress, {}, EOT);
}

uint16_t As511Client::overallReset() {
  return commandJob(kJobOverallReset, {}, EOT, kResetOnlyInStop);
}

uint16_t As511Client::start(uint8_t kind) {
  Acceptance acceptance{};
  if (const uint16_t e = begin(kJobStartStop, acceptance)) return e;
  if (acceptance == Acceptance::Refused) return kWrongMode;
  const uint8_t request[] = {kind};
  if (const uint16_t e = link_.sendData(request, ETX)) return failed(e);
  step(5);
  if (const uint16_t e = link_.expect({DLE, ACK, STX})) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  step(6);
  if (const uint16_t e = link_.expect({kStartConfirmed, DLE, ETX})) return failed(e);
  if (const uint16_t e = link_.send({DLE, ACK})) return failed(e);
  return closing();
}

uint16_t As511Client::stop() {
  const uint8_t request[] = {0x00};
  return commandJob(kJobStartStop, request, ETX);
}

uint16_t As511Client::readUstack(std::vector<uint8_t>& data) {
  return readJob(kJobUstack, {}, data, kNotInStopForUstack);
}

uint16_t As511Client::readBstack(std::vector<uint8_t>& data) {
  return readJob(kJobBstack, {}, data, kNotInStopForBstack);
}

}  // namespace tavrin::pglink
