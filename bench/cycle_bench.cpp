// Whole cycles per second: S5AG_Step5Zyklus on the built-in controller type.
#include <benchmark/benchmark.h>

#include <vector>

#include "simcore/block_kinds.h"
#include "simcore/block_write.h"
#include "simcore/engine.h"
#include "simcore/simcore32.h"

namespace {

using namespace tavrin::simcore;

bool load(uint8_t type, uint8_t number, const std::vector<uint16_t>& body) {
  std::vector<uint16_t> words = {0x7070, static_cast<uint16_t>(type << 8 | number), 0, 0,
                                 static_cast<uint16_t>(body.size() + 5)};
  words.insert(words.end(), body.begin(), body.end());
  std::vector<uint8_t> bytes;
  for (uint16_t w : words)
    bytes.insert(bytes.end(), {static_cast<uint8_t>(w >> 8), static_cast<uint8_t>(w)});
  return BstWrite(engine(), type, number, static_cast<int>(words.size()), bytes.data(),
                  kWriteNormal) == 0;
}

void runCycles(benchmark::State& state) {
  S5AG_StartAg(21);
  S5AG_Step5Zyklus();
  for (auto _ : state)
    S5AG_Step5Zyklus();
  if (S5AG_RunZustand() == 0) state.SkipWithError("the controller stopped");
  state.SetItemsProcessed(state.iterations());
}

void BM_EmptyOb1(benchmark::State& state) {
  attachPrivate();
  S5AG_SimulatorInit("");
  load(kTypeOB, 1, {0x6500});
  runCycles(state);
}
BENCHMARK(BM_EmptyOb1);

// OB1 of 1,000 statements: bit logic, loads, transfers, arithmetic, timers, counters, and calls
// of a PB and of an FB with two parameters.
void BM_MixedOb1(benchmark::State& state) {
  attachPrivate();
  S5AG_SimulatorInit("");
  load(kTypePB, 1, {0x8000, 0x9801, 0x1200, 0x1302, 0x6500});  // U M0.0, = M1.0, L MW0, T MW2
  load(kTypeFB, 1, {0x0701, 0x1F02, 0x6500});                  // U =1, = =2
  const std::vector<uint16_t> group = {
      0xC000, 0x8101, 0xEA00, 0x9802,  // U E0.0, U M1.1, ON E2.0, = M2.0
      0x1204, 0x1206, 0x7900, 0x1308,  // L MW4, L MW6, +F, T MW8
      0x3002, 0x1020, 0xC100, 0x2401,  // L KT 020.1, U E1.0, SE T1
      0xC101, 0x6C01,                  // U E1.1, ZV Z1
      0x7501,                          // SPA PB1
      0x3D01, 0x2D03, 0xC002, 0xD881,  // SPA FB1, params: U E0.2, = A1.0
  };
  std::vector<uint16_t> ob1;
  for (int i = 0; i < 1000 / 17; ++i)
    ob1.insert(ob1.end(), group.begin(), group.end());
  ob1.push_back(0x6500);
  if (!load(kTypeOB, 1, ob1)) state.SkipWithError("OB1 does not fit");
  runCycles(state);
}
BENCHMARK(BM_MixedOb1);

}  // namespace
