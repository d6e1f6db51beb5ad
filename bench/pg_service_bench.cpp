// The programming-device service through its character callbacks: whole requests per second,
// with the partner's side of each request queued in advance.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "simcore/block_kinds.h"
#include "simcore/engine.h"
#include "simcore/simcore32.h"

namespace {

using namespace tavrin::simcore;

constexpr uint8_t STX = 0x02, ETX = 0x03, EOT = 0x04, ACK = 0x06, DLE = 0x10;

// The partner's bytes of one request and what the controller sent, for the callbacks.
struct Line {
  std::vector<uint8_t> partner;
  std::size_t next = 0;
  std::size_t sent = 0;
};
Line line;

unsigned char send(unsigned char) {
  ++line.sent;
  return 1;
}
unsigned short receive() {
  if (line.next == line.partner.size()) return 0;
  return static_cast<unsigned short>(line.partner[line.next++] << 8 | 1);
}
void clear(unsigned char) {}

void install() {
  attachPrivate();
  S5AG_SimulatorInit("");
  S5AG_SetFncPtrCharSendenC(send);
  S5AG_SetFncPtrCharEmpfangen(receive);
  S5AG_SetFncPtrCharEmpfangenPoll(receive);
  S5AG_SetFncPtrClearComBuffer(clear);
}

// Our side of a job that sends parameters and reads one reply: the opening, the parameters with
// DLE EOT, the acknowledgements of the reply and of the closing telegram.
std::vector<uint8_t> readJob(uint8_t job, const std::vector<uint8_t>& parameters) {
  std::vector<uint8_t> bytes = {STX, job, DLE, ETX, DLE, ACK, DLE, ACK};
  for (uint8_t p : parameters)
    bytes.push_back(p);
  bytes.insert(bytes.end(), {DLE, EOT, DLE, ACK, DLE, ACK, DLE, ACK, DLE, ACK});
  return bytes;
}

void serve(benchmark::State& state) {
  std::size_t sent = 0;
  for (auto _ : state) {
    line.next = 0;
    line.sent = 0;
    S5AG_PGAnfragePruefen();
    sent += line.sent;
  }
  if (line.next != line.partner.size()) state.SkipWithError("the request did not run to its end");
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(sent));
}

// A block of `words` words read back (job 0x06), every byte through the send callback.
void BM_ReadBlock(benchmark::State& state) {
  install();
  const auto words = static_cast<uint16_t>(state.range(0));
  std::vector<uint8_t> block = {0x70,
                                0x70,
                                kTypePB,
                                1,
                                0x80,
                                0,
                                0,
                                0,
                                static_cast<uint8_t>(words >> 8),
                                static_cast<uint8_t>(words)};
  for (unsigned i = 5; i + 1 < words; ++i)
    block.insert(block.end(), {0x12, static_cast<uint8_t>(i)});  // L MW i
  block.insert(block.end(), {0x65, 0x00});
  if (S5AG_BstWrite(kTypePB, 1, static_cast<short>(words), block.data(), 0) != 0)
    state.SkipWithError("the block was not written");
  line.partner = readJob(0x06, {kTypePB, 1});
  serve(state);
}
BENCHMARK(BM_ReadBlock)->Arg(100)->Arg(4000);

// The system parameters (job 0x18), the request every connection starts with.
void BM_SystemParameters(benchmark::State& state) {
  install();
  line.partner = readJob(0x18, {});
  serve(state);
}
BENCHMARK(BM_SystemParameters);

}  // namespace
