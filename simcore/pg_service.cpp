#include "simcore/pg_service.h"

#include <array>

#include "simcore/pg_jobs.h"
#include "simcore/pg_link.h"
#include "simcore/pg_trace.h"

namespace tavrin::simcore {

namespace {

constexpr uint8_t kNextStatusRecord = 0x80;
constexpr uint8_t kEndOfStatus = 0x81;

struct PgJob {
  uint8_t code;
  bool refusedInRun;
  bool closingTelegram;
  bool (*exchange)(PgLink&);
};

constexpr std::array<PgJob, 17> kJobs = {{
    {0x03, false, true, jobWriteMemory},
    {0x04, false, true, jobReadMemory},
    {0x05, false, true, jobLoadNewBlock},
    {0x06, false, true, jobReadBlock},
    {0x07, false, true, jobCompress},
    {0x08, false, true, jobLoadBlock},
    {0x09, false, true, jobEraseBlock},
    {0x11, true, true, jobOverallReset},
    {0x14, false, false, jobVariableStatus},
    {0x15, false, false, jobBlockStatus},
    {0x18, false, true, jobSystemParameters},
    {0x19, false, true, jobMemoryConfiguration},
    {0x1A, false, true, jobReadHeader},
    {0x1B, false, true, jobBlockDirectory},
    {0x1C, true, true, jobBlockStack},
    {0x1D, true, true, jobInterruptStack},
    {0x1E, false, true, jobStartStop},
}};

constexpr bool jobCodesUnique() {
  for (std::size_t i = 0; i < kJobs.size(); ++i)
    for (std::size_t j = i + 1; j < kJobs.size(); ++j)
      if (kJobs[i].code == kJobs[j].code) return false;
  return true;
}
static_assert(jobCodesUnique());

const PgJob* findJob(uint8_t code) {
  for (const PgJob& job : kJobs)
    if (job.code == code) return &job;
  return nullptr;
}

// The partner's DLE ACK. A partner whose DLE ETX after the job code had not yet arrived when
// the controller looked for it sends it before.
bool awaitAcknowledgement(PgLink& link) {
  auto a = link.receive();
  auto b = a ? link.receive() : std::nullopt;
  if (a == kDLE && b == kETX) {
    a = link.receive();
    b = a ? link.receive() : std::nullopt;
  }
  return a == kDLE && b == kACK;
}

bool serveStatusContinuation(PgLink& link, uint8_t job) {
  if (!link.sendSequence({kDLE, kACK, kSTX}) || !awaitAcknowledgement(link)) return false;
  if (job == kNextStatusRecord) {
    continueStatus(link.engine());
    return true;
  }
  const bool confirmed = link.sendSequence({kDC1, kDLE, kETX}) && link.expectPair(kDLE, kACK);
  endPgStatus(link.engine());
  return confirmed;
}

bool serveJob(PgLink& link, uint8_t code) {
  if (!link.takeWaitingEnd()) return false;
  if (code == kNextStatusRecord || code == kEndOfStatus) return serveStatusContinuation(link, code);
  const PgJob* job = findJob(code);
  const bool refused = job == nullptr || (job->refusedInRun && link.engine().image().runState != 0);
  if (!link.send(kSTX) || !awaitAcknowledgement(link)) return false;
  const bool answered =
      refused ? link.sendSequence({0x0D, 0x02, kDLE, kETX}) : link.sendSequence({kSYN, kDLE, kETX});
  if (!answered || !link.expectPair(kDLE, kACK)) return false;
  if (refused) return true;
  if (!job->exchange(link)) return false;
  if (!job->closingTelegram) return true;
  return link.send(kSTX) && link.expectPair(kDLE, kACK) && link.sendSequence({kDC2, kDLE, kETX}) &&
         link.expectPair(kDLE, kACK);
}

}  // namespace

void servePgRequest(Engine& engine) {
  SimImage& img = engine.image();
  img.serviceIdle = 0;
  PgLink link(engine);
  if (const auto first = link.receiveStart()) {
    if (*first != kSTX) {
      link.clearReceiveBuffer();
    } else {
      img.comError = 0;
      const auto job = link.sendSequence({kDLE, kACK}) ? link.receive() : std::nullopt;
      if (!job || !serveJob(link, *job)) link.clearReceiveBuffer();
    }
  }
  sendStatusRecord(link);
  flushTrace(engine);
  img.serviceIdle = 1;
}

}  // namespace tavrin::simcore
