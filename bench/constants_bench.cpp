// Parsing and writing of constant operands: the statement-line check runs these for every line a
// user types and every line a block file holds.
#include <benchmark/benchmark.h>

#include "main/lang/constant_formats.h"
#include "main/lang/kg_constant.h"
#include "utilkit/utilkit40.h"

namespace {

using tavrin::lang::ConstFormat;

void BM_ParseConstant(benchmark::State& state, ConstFormat format, const char* text) {
  for (auto _ : state)
    benchmark::DoNotOptimize(tavrin::lang::parseConstant(text, format));
}
BENCHMARK_CAPTURE(BM_ParseConstant, KF, ConstFormat::KF, "-12345");
BENCHMARK_CAPTURE(BM_ParseConstant, KT, ConstFormat::KT, "100.2");
BENCHMARK_CAPTURE(BM_ParseConstant, KH, ConstFormat::KH, "ABCD");
BENCHMARK_CAPTURE(BM_ParseConstant, KM, ConstFormat::KM, "10101010 01010101");
BENCHMARK_CAPTURE(BM_ParseConstant, KG, ConstFormat::KG, "+1234567+02");
BENCHMARK_CAPTURE(BM_ParseConstant, KGDecimal, ConstFormat::KG, "12.5");

void BM_WordToKFStr(benchmark::State& state) {
  char buffer[16];
  unsigned short value = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(U_WordToKFStr(buffer, value++));
}
BENCHMARK(BM_WordToKFStr);

void BM_KgTextFromFloat(benchmark::State& state) {
  float value = 1.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tavrin::lang::kgTextFromFloat(value));
    value *= 1.001f;
  }
}
BENCHMARK(BM_KgTextFromFloat);

}  // namespace
