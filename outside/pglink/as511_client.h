// The programming-device side of AS511: one request per call, from the STX that opens it to the
// closing telegram, over a TelegramLink.
//
// Contents
//   As511Client   the jobs: system parameters, memory, blocks, directory, start and stop, stacks,
//                 the status of variables and the block status (in as511_status.cpp)
//
// Every job returns a result code of the link library (0 done). `lastFunction()` tells which job
// and which step failed last (job code in the high byte, step in the low byte), for the title
// of the error message.
#ifndef OUTSIDE_PGLINK_AS511_CLIENT_H
#define OUTSIDE_PGLINK_AS511_CLIENT_H

#include <cstdint>
#include <span>
#include <vector>

#include "outside/pglink/telegram_link.h"

namespace tavrin::pglink {

// Result codes of refused or failed jobs, beyond the link's own.
enum JobError : uint16_t {
  kNotInStopForUstack = 26,
  kBlockMissing = 27,
  kMemoryFull = 33,
  kWrongMode = 34,
  kNotInStopForBstack = 35,
  kIntegratedBlock = 80,
  kProgramInPb1Only = 25,
  kResetOnlyInStop = 82,
  kClosingFailed = 23,
  kNoRecord = 0x7FFF,  // no status record arrived; never leaves the library
};

// Job codes of the requests.
enum Job : uint8_t {
  kJobWriteMemory = 0x03,
  kJobReadMemory = 0x04,
  kJobLoadBlock = 0x05,
  kJobReplaceBlock = 0x08,
  kJobReadBlock = 0x06,
  kJobCompress = 0x07,
  kJobEraseBlock = 0x09,
  kJobOverallReset = 0x11,
  kJobVariableStatus = 0x14,
  kJobBlockStatus = 0x15,
  kJobSystemParameters = 0x18,
  kJobMemoryConfiguration = 0x19,
  kJobBlockHeader = 0x1A,
  kJobDirectory = 0x1B,
  kJobBstack = 0x1C,
  kJobUstack = 0x1D,
  kJobStartStop = 0x1E,
  kJobStatusContinue = 0x80,
  kJobStatusEnd = 0x81,
};

class As511Client {
 public:
  explicit As511Client(TelegramLink& link) : link_(link) {}

  // The reply data of the jobs that read (status byte first).
  uint16_t systemParameters(std::vector<uint8_t>& reply) {
    return readJob(kJobSystemParameters, {}, reply);
  }
  uint16_t memoryConfiguration(std::vector<uint8_t>& reply) {
    return readJob(kJobMemoryConfiguration, {}, reply);
  }
  // `first` to `last` inclusive, in the controller's addresses (bytes or words).
  uint16_t readMemory(uint16_t first, uint16_t last, std::vector<uint8_t>& reply);
  uint16_t writeMemory(uint16_t address, std::span<const uint8_t> data);
  // The whole block, header included, as big-endian words; replaces a block of the same name.
  uint16_t writeBlock(std::span<const uint8_t> block);
  uint16_t readBlock(uint8_t type, uint8_t number, std::vector<uint8_t>& reply);
  uint16_t readBlockHeader(uint8_t type, uint8_t number, std::vector<uint8_t>& reply);
  uint16_t readDirectory(uint8_t type, std::vector<uint8_t>& reply);
  uint16_t eraseBlock(uint8_t type, uint8_t number);
  uint16_t compress();
  uint16_t overallReset();
  // `kind` 1: restart with the power-on flag, 2: restart.
  uint16_t start(uint8_t kind);
  uint16_t stop();
  uint16_t readUstack(std::vector<uint8_t>& reply);
  uint16_t readBstack(std::vector<uint8_t>& reply);

  // Status of variables: `items` are request codes each followed by the address word. The
  // controller answers with the first record at once (its first byte within `recordWaitMs`);
  // each continuation brings the next.
  uint16_t variableStatus(std::span<const uint8_t> items, unsigned recordWaitMs,
                          std::vector<uint8_t>& record);
  // Block status: the trigger at `offset` (S5 addresses) in the block's body, then the request
  // items. The controller sends a record of its own accord once the trigger ran.
  uint16_t blockStatus(uint8_t type, uint8_t number, uint16_t offset,
                       std::span<const uint8_t> items);
  // The continuation of the status of variables and the record it brings.
  uint16_t nextVariableRecord(unsigned recordWaitMs, std::vector<uint8_t>& record);
  // The next record of the status that is on (a variable record follows at once, the block
  // status is armed again), or its end.
  uint16_t continueStatus();
  uint16_t endStatus();
  // A record the controller sent, taken and acknowledged; `waitMs` for its first byte.
  // kNoRecord when none came.
  uint16_t takeRecord(unsigned waitMs, std::vector<uint8_t>& record);

  uint16_t lastFunction() const { return lastFunction_; }

 private:
  enum class Acceptance { Accepted, Refused };
  // STX, the controller's DLE ACK, the job code with DLE ETX.
  uint16_t request(uint8_t job);
  // The request and the controller's acceptance.
  uint16_t begin(uint8_t job, Acceptance& acceptance);
  uint16_t closing();
  // The controller's DLE ACK, STX, its data part, our DLE ACK.
  uint16_t reply(std::vector<uint8_t>& data);
  // A job that sends `request` (DLE EOT) and reads one reply.
  uint16_t readJob(uint8_t job, std::span<const uint8_t> request, std::vector<uint8_t>& data,
                   uint16_t refusedResult = kWrongMode);
  // A job that sends `request` ended by `end` and waits for the controller's DLE ACK.
  uint16_t commandJob(uint8_t job, std::span<const uint8_t> request, uint8_t end,
                      uint16_t refusedResult = kWrongMode);
  uint16_t failed(uint16_t code);
  // The controller's answer to both status jobs, ours around it.
  uint16_t statusAnswer();
  // The request of a continuation and the controller's DLE ACK STX.
  uint16_t continuation(uint8_t job);
  // A record that must come: silence is a time-out.
  uint16_t awaitRecord(unsigned waitMs, std::vector<uint8_t>& record);
  void step(uint8_t n) { lastFunction_ = static_cast<uint16_t>((lastFunction_ & 0xFF00) | n); }

  TelegramLink& link_;
  uint16_t lastFunction_ = 0;
};

}  // namespace tavrin::pglink

#endif
