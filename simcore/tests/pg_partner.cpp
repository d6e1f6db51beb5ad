#include "simcore/tests/pg_partner.h"

#include "simcore/pg_trace.h"
#include "simcore/simcore32.h"

namespace tavrin::simcore::testing {

namespace {

PgPartner* current = nullptr;
unsigned char slot = 0;

unsigned char sendFromSlot() {
  if (current == nullptr) return 1;
  if (current->sent.size() >= current->failSendsFrom) return 0;
  current->sent.push_back(slot);
  return 1;
}

unsigned short receiveCharacter() {
  uint8_t c = 0;
  if (current == nullptr || !current->receive(c)) return 0;
  return static_cast<unsigned short>(c << 8 | 1);
}

void clearReceived(unsigned char) {
  if (current != nullptr) current->clearReceived();
}

}  // namespace

Bytes doubled(const Bytes& data) {
  Bytes out;
  for (uint8_t b : data) {
    out.push_back(b);
    if (b == DLE) out.push_back(DLE);
  }
  return out;
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

PgPartner& PgPartner::partner(const Bytes& bytes) {
  steps_.push_back({true, bytes});
  return *this;
}

PgPartner& PgPartner::controller(const Bytes& bytes) {
  steps_.push_back({false, bytes});
  return *this;
}

PgPartner& PgPartner::controllerSendsSomething() {
  steps_.push_back({false, {}, true});
  return *this;
}

PgPartner& PgPartner::acceptedJob(uint8_t job) {
  return partner({STX})
      .controller({DLE, ACK})
      .partner({job, DLE, ETX})
      .controller({STX})
      .partner({DLE, ACK})
      .controller({SYN, DLE, ETX})
      .partner({DLE, ACK});
}

PgPartner& PgPartner::parameters(const Bytes& data) {
  return partner(doubled(data) + Bytes{DLE, EOT});
}

PgPartner& PgPartner::reply(const Bytes& statusAndData) {
  return controller({DLE, ACK, STX})
      .partner({DLE, ACK})
      .controller(doubled(statusAndData) + Bytes{DLE, ETX})
      .partner({DLE, ACK});
}

PgPartner& PgPartner::closing() {
  return controller({STX}).partner({DLE, ACK}).controller({DC2, DLE, ETX}).partner({DLE, ACK});
}

Bytes PgPartner::expectedFromController() const {
  Bytes out;
  for (const Step& s : steps_)
    if (!s.fromPartner) out = out + s.bytes;
  return out;
}

void PgPartner::release() {
  while (waiting_.empty() && nextStep_ < steps_.size()) {
    const Step& s = steps_[nextStep_];
    if (s.unspelled) {
      if (sent.size() <= controllerBytesBefore_) return;
      controllerBytesBefore_ = sent.size();
    } else if (!s.fromPartner) {
      if (sent.size() < controllerBytesBefore_ + s.bytes.size()) return;
      controllerBytesBefore_ += s.bytes.size();
    } else {
      waiting_.insert(waiting_.end(), s.bytes.begin(), s.bytes.end());
    }
    ++nextStep_;
  }
}

bool PgPartner::allSent() {
  release();
  return nextStep_ == steps_.size() && waiting_.empty();
}

bool PgPartner::receive(uint8_t& c) {
  release();
  if (waiting_.empty()) return false;
  c = waiting_.front();
  waiting_.pop_front();
  return true;
}

void PgPartner::clearReceived() {
  ++clears;
  waiting_.clear();
}

void installPartner(PgPartner* partner) {
  current = partner;
  S5AG_SetSendeFachPtr(&slot);
  S5AG_SetFncPtrCharSenden(sendFromSlot);
  S5AG_SetFncPtrCharSendenC(nullptr);
  S5AG_SetFncPtrCharEmpfangen(receiveCharacter);
  S5AG_SetFncPtrCharEmpfangenPoll(receiveCharacter);
  S5AG_SetFncPtrClearComBuffer(clearReceived);
  S5AG_SetFncPtrDelay(nullptr);
}

void PgServiceTest::SetUp() {
  ControllerTest::SetUp();
  installPartner(&line);
  engine().pgStatusOpen = false;
  engine().pgVariablesDue = false;
}

void PgServiceTest::TearDown() {
  closeTrace(engine());
  installPartner(nullptr);
  ControllerTest::TearDown();
}

void PgServiceTest::serve() {
  S5AG_PGAnfragePruefen();
  EXPECT_EQ(line.sent, line.expectedFromController());
  EXPECT_TRUE(line.allSent()) << "the partner has bytes the controller never took";
  EXPECT_EQ(S5AG_PGAnfragePruefenReady(), 1);
}

void PgServiceTest::serveOnly() {
  S5AG_PGAnfragePruefen();
  EXPECT_EQ(S5AG_PGAnfragePruefenReady(), 1);
}

}  // namespace tavrin::simcore::testing
