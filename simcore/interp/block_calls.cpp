#include "simcore/interp/block_calls.h"

#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/org_blocks.h"
#include "simcore/ram.h"

namespace tavrin::simcore::interp {

namespace {

constexpr uint16_t kCycleFromPB1 = 300;

}  // namespace

bool pushFrame(Machine& m, uint16_t returnSaz, uint16_t calledBody) {
  SimImage& s = m.img;
  if (s.blockStackDepth >= kMaxBlockStackDepth) {
    s.errorWord |= kErrStackOverflow;
    m.stopWithoutCause();
    return false;
  }
  BlockStackFrame& f = s.blockStack[++s.blockStackDepth];
  f.returnSaz = returnSaz;
  f.calledBody = calledBody;
  f.callerDb = s.currentDb;
  f.callerDbAddress = s.currentDbAddress;
  f.callerDbLength = s.currentDbLength;
  return true;
}

bool callBlock(Machine& m, uint8_t type, unsigned number, uint16_t at, unsigned length) {
  SimImage& s = m.img;
  if (s.cycleStartKind == kCycleFromPB1) {
    m.stop(kCallFromPb1);
    return false;
  }
  const uint16_t entry = BlockEntry(s, type, static_cast<uint8_t>(number));
  if (entry == 0) return false;
  if (!pushFrame(m, static_cast<uint16_t>(at + length), entry)) return false;
  s.Saz = entry;
  s.ERAB = 1;
  s.OS = 0;
  atBlockBoundary(m.engine, static_cast<int>(number));
  m.refreshDataBlock();
  return true;
}

bool endBlock(Machine& m, uint16_t entryDepth) {
  SimImage& s = m.img;
  if (s.blockStackDepth == 0) return true;
  const BlockStackFrame& f = s.blockStack[s.blockStackDepth];
  if (s.restoreDbOnReturn != 0) {
    s.currentDb = static_cast<uint16_t>(f.callerDb);
    s.currentDbAddress = f.callerDbAddress;
    s.currentDbLength = f.callerDbLength;
    s.currentDbWords = f.callerDbLength >= kHeaderWords ? f.callerDbLength - kHeaderWords : 0;
  } else {
    s.restoreDbOnReturn = 1;
  }
  s.Saz = f.returnSaz;
  --s.blockStackDepth;
  s.OS = 0;
  s.ERAB = 1;
  const bool ended = s.blockStackDepth < entryDepth;
  if (!ended) atBlockBoundary(m.engine, -1);
  m.refreshDataBlock();
  return ended;
}

void selectDataBlock(Machine& m, uint8_t type, unsigned number) {
  SimImage& s = m.img;
  if (type == kTypeDB && number == 0) {
    m.stop(kDb0Selected);
    return;
  }
  if (!blockExists(s, type, static_cast<uint8_t>(number))) {
    m.stop(kDataBlockMissing);
    return;
  }
  s.currentDb = blockIdentifier(type, number);
  refreshCurrentDataBlock(m.engine);
  m.refreshDataBlock();
  s.OS = 0;
}

void createDataBlock(Machine& m, uint8_t type, unsigned number) {
  SimImage& s = m.img;
  Engine& e = m.engine;
  const auto n = static_cast<uint8_t>(number);
  const unsigned lastWord = low(s.ACCU1);
  s.OS = 0;
  if (blockExists(s, type, n)) {
    if (lastWord == 0 && !(type == kTypeDB && n == 0)) EraseBlock(e, type, n);
    return;
  }
  // DB0 is the address list; a block of more words than a block can have cannot be made.
  const unsigned length = lastWord + 6;
  const BlockKind* kind = blockKind(type);
  if ((type == kTypeDB && n == 0) || number >= s.blockCount[kind->count]) {
    m.stop(kOperandOutOfRange);
    return;
  }
  const RamView ram = ramView(e, ramFor(e, type));
  if (length > kMaxBlockWords || *ram.fill + length >= ram.size) {
    m.stop(kNoRoomForDataBlock);
    return;
  }
  const uint16_t at = *ram.fill;
  ram.setWord(at, kBlockMark);
  ram.setWord(static_cast<uint16_t>(at + 1), blockIdentifier(type, n));
  ram.setWord(static_cast<uint16_t>(at + 2), 0);
  ram.setWord(static_cast<uint16_t>(at + 4), static_cast<uint16_t>(length));
  *ram.fill = static_cast<uint16_t>(at + length);
  if (!ramsSeparate(e)) s.dbRamFill = s.s5RamFill;
  RegisterBlock(e, type, n, static_cast<uint16_t>(at + kHeaderWords));
  m.refreshDataBlock();
}

bool formalParameter(Machine& m, unsigned p, uint16_t& word, uint16_t* following) {
  SimImage& s = m.img;
  const uint16_t callSite = s.blockStack[s.blockStackDepth].returnSaz;
  const unsigned count = callSite < m.codeWords ? (m.codeWord(callSite) & 0xFF) : 0;
  if (p == 0 || count == 0 || p > count - 1 || callSite + p + 1u >= m.codeWords) {
    m.stop(kBadParameterNumber);
    return false;
  }
  word = m.codeWord(static_cast<uint16_t>(callSite + p));
  if (following != nullptr) *following = m.codeWord(static_cast<uint16_t>(callSite + p + 1));
  return true;
}

}  // namespace tavrin::simcore::interp
