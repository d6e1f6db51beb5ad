#include "simcore/pg_trace.h"

#include <cstdio>

#include "simcore/program_files.h"

namespace tavrin::simcore {

namespace {

constexpr uint8_t kSent = 1, kReceived = 2;
constexpr unsigned kCharactersPerLine = 10;

const char* jobLabel(uint8_t c) {
  switch (c) {
    case 0x03:
      return "#ADR Write ";
    case 0x04:
      return "#ADR Read ";
    case 0x18:
      return "#SysInfo ";
    case 0x1A:
      return "#Header Read ";
    default:
      return nullptr;
  }
}

void trace(Engine& engine, uint8_t direction, uint8_t c) {
  Engine::PgLine& line = engine.pgLine;
  if (line.trace == nullptr) return;
  const bool newLine = line.traceDirection != direction || line.traceColumn >= kCharactersPerLine;
  if (newLine) {
    if (line.traceDirection != 0) std::fputs("\r\n", line.trace);
    std::fputs(direction == kSent ? "AG: " : "PC: ", line.trace);
    line.traceDirection = direction;
    line.traceColumn = 0;
  }
  std::fprintf(line.trace, "%02X  ", c);
  if (line.traceColumn == 0 && direction == kReceived)
    if (const char* label = jobLabel(c)) std::fputs(label, line.trace);
  ++line.traceColumn;
}

}  // namespace

bool openTrace(Engine& engine) {
  closeTrace(engine);
  const std::string path = programFile(kTraceFileName).string();
  engine.pgLine.trace = std::fopen(path.c_str(), "w+b");
  return engine.pgLine.trace != nullptr;
}

void closeTrace(Engine& engine) {
  Engine::PgLine& line = engine.pgLine;
  if (line.trace == nullptr) return;
  if (line.traceDirection != 0) std::fputs("\r\n", line.trace);
  std::fclose(line.trace);
  line.trace = nullptr;
  line.traceDirection = 0;
  line.traceColumn = 0;
}

void flushTrace(Engine& engine) {
  if (engine.pgLine.trace != nullptr) std::fflush(engine.pgLine.trace);
}

void traceSent(Engine& engine, uint8_t c) {
  trace(engine, kSent, c);
}

void traceReceived(Engine& engine, uint8_t c) {
  trace(engine, kReceived, c);
}

}  // namespace tavrin::simcore
