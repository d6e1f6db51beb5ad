// MC5 instructions per second of the interpreter, on the built-in controller type.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "simcore/block_kinds.h"
#include "simcore/block_write.h"
#include "simcore/engine.h"
#include "simcore/interpreter.h"

namespace {

using namespace tavrin::simcore;

std::vector<uint8_t> blockBytes(uint8_t type, uint8_t number, const std::vector<uint16_t>& body) {
  std::vector<uint16_t> words = {0x7070, static_cast<uint16_t>(type << 8 | number), 0, 0,
                                 static_cast<uint16_t>(body.size() + 5)};
  words.insert(words.end(), body.begin(), body.end());
  std::vector<uint8_t> bytes;
  for (uint16_t w : words)
    bytes.insert(bytes.end(), {static_cast<uint8_t>(w >> 8), static_cast<uint8_t>(w)});
  return bytes;
}

// The blocks must fit the 4096 words of the built-in type's memory.
bool load(uint8_t type, uint8_t number, const std::vector<uint16_t>& body) {
  auto bytes = blockBytes(type, number, body);
  return BstWrite(engine(), type, number, static_cast<int>(body.size() + 5), bytes.data(),
                  kWriteNormal) == 0;
}

std::vector<uint16_t> repeated(const std::vector<uint16_t>& pattern, std::size_t times) {
  std::vector<uint16_t> body;
  for (std::size_t i = 0; i < times; ++i)
    body.insert(body.end(), pattern.begin(), pattern.end());
  body.push_back(0x6500);  // BE
  return body;
}

// Runs OB1 again and again; reports instructions per second.
void runOb1(benchmark::State& state) {
  SimImage& s = engine().image();
  s.runState = 1;
  uint64_t instructions = 0;
  for (auto _ : state) {
    s.stopLatch = 0;
    s.ERAB = 1;
    s.cycleMonitoringStartMs = engine().nowMs();
    pushOrganisationFrame(engine());
    RunOrganisationBlock(engine(), 1);
    instructions += s.instructionsThisRun;
  }
  if (s.stopLatch != 0) {
    const std::string cause =
        "the controller stopped with cause " +
        std::to_string(s.Space[s.areaStart[kBs] + 6] | s.Space[s.areaStart[kBs] + 7] << 8);
    state.SkipWithError(cause.c_str());
  }
  state.SetItemsProcessed(static_cast<int64_t>(instructions));
}

void BM_BitLogic(benchmark::State& state) {
  attachPrivate();
  // U M 0.0, O M 0.1, UN E 0.2, U M 3.1, = M 1.0, S M 2.0, R M 2.1, ON E 1.3
  load(kTypeOB, 1, repeated({0x8000, 0x8901, 0xE200, 0x8103, 0x9801, 0x9002, 0xB102, 0xEB01}, 480));
  runOb1(state);
}
BENCHMARK(BM_BitLogic);

void BM_LoadTransferArithmetic(benchmark::State& state) {
  attachPrivate();
  // L MW 0, L MW 2, +F, T MW 4, L KF 5, -F, T MW 6, L EW 0, UW, T AW 2
  load(kTypeOB, 1,
       repeated({0x1200, 0x1202, 0x7900, 0x1304, 0x3004, 5, 0x5900, 0x1306, 0x5200, 0x4100, 0x5382},
                320));
  runOb1(state);
}
BENCHMARK(BM_LoadTransferArithmetic);

void BM_JumpsAndCalls(benchmark::State& state) {
  attachPrivate();
  load(kTypePB, 1, {0x2D01, 0x6500});  // SPA = +1 (the next word), BE
  load(kTypeFB, 1, {0x2D01, 0x6500});
  // SPA PB 1, U M 0.0, SPB = +2, SPA = +1, SPA FB 1, SPA = +1 (the parameter jump word)
  load(kTypeOB, 1, repeated({0x7501, 0x8000, 0xFA02, 0x2D01, 0x3D01, 0x2D01}, 640));
  runOb1(state);
}
BENCHMARK(BM_JumpsAndCalls);

}  // namespace
