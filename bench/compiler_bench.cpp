// The block compiler on large input: one block of 4,000 lines, and a project of 200 blocks.
// Every line is compiled from a renumbered copy, and every jump looks for its label, so both
// the renumbering and the label search are inside the measured time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "main/lang/awl_ascii.h"
#include "main/lang/compiler.h"

namespace {

using tavrin::lang::AwlAscii;

// A program block of networks of 20 statement lines, each network with a label at its start,
// a jump back to it and a jump forward to its end: the mix a real plant program has.
AwlAscii programBlock(const char* name, int lines) {
  static const char* const kBody[] = {":U   E  1.0", ":UN  M  10.3", ":O   A  4.1", ":=   A  4.2",
                                      ":L   MW 20",  ":L   KF +100", ":>F",         ":SPB =%s",
                                      ":L   EW 4",   ":T   MW 22",   ":U   T  1",   ":L   KT 050.1",
                                      ":SE  T  1",   ":U   Z  3",    ":ZV  Z  3",   ":L   DW 4",
                                      ":+F",         ":T   DW 5",    ":SPA =%s",    ":BEB"};
  AwlAscii block(name);
  for (const char* l : {"Kommentar :", "Autor     :",
                        "Erstellt  :01.01.2026  Geaendert am:01.01.2026  BIB:     ", ""})
    block.appendLine(l);
  int network = 1;
  for (int written = 0; written < lines; ++network) {
    char label[8];
    std::snprintf(label, sizeof label, "M%03d", network % 1000);
    block.appendLine("NETZWERK   " + std::to_string(network));
    for (int k = 0; k < 20; ++k, ++written) {
      char text[64];
      std::snprintf(text, sizeof text, kBody[k], label);
      std::string line = "0000 " + std::string(k == 0 ? label : "    ") + " " + text;
      block.appendLine(line);
    }
    block.appendLine("0000      :***");
    block.appendLine("");
  }
  block.appendLine("0000      :BE");
  return block;
}

void BM_CompileLargeBlock(benchmark::State& state) {
  const AwlAscii block = programBlock("PB001", static_cast<int>(state.range(0)));
  tavrin::lang::Mc5Buffer buffer;
  for (auto _ : state) {
    const std::string error = tavrin::lang::CompileBlock(block, buffer);
    if (!error.empty()) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(buffer.words.data());
  }
  state.counters["lines"] = static_cast<double>(block.lineCount());
}
BENCHMARK(BM_CompileLargeBlock)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_CompileProject(benchmark::State& state) {
  std::vector<AwlAscii> project;
  for (int i = 1; i <= 200; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "PB%03d", i);
    project.push_back(programBlock(name, 100));
  }
  tavrin::lang::Mc5Buffer buffer;
  for (auto _ : state) {
    for (const AwlAscii& block : project) {
      const std::string error = tavrin::lang::CompileBlock(block, buffer);
      if (!error.empty()) state.SkipWithError(error.c_str());
    }
    benchmark::DoNotOptimize(buffer.words.data());
  }
}
BENCHMARK(BM_CompileProject)->Unit(benchmark::kMillisecond);

}  // namespace
