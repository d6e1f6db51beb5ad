// The trace of the programming-device line: every character sent and received, in the text file
// TRACE_S5.TXT of the program directory.
//
// Contents
//   openTrace, closeTrace   start a new trace file, end it
//   flushTrace              write out what is buffered
//   traceSent, traceReceived   one character
//
// Each character is written as two hexadecimal digits and two spaces. A line holds at most ten
// characters of one direction and begins with "AG: " for characters the controller sent and
// "PC: " for characters it received; a received line whose first character is a job code of
// memory writing (03), memory reading (04), system parameters (18) or header reading (1A) names
// it after the code ("#ADR Write ", "#ADR Read ", "#SysInfo ", "#Header Read "). Lines end in
// CR LF.
#ifndef SIMCORE_PG_TRACE_H
#define SIMCORE_PG_TRACE_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

inline constexpr char kTraceFileName[] = "C:\\TRACE_S5.TXT";

// Creates the file anew (an open trace is closed first); false when it cannot be created.
bool openTrace(Engine& engine);
void closeTrace(Engine& engine);

// Writes out what is buffered, so that the file can be read while the trace goes on.
void flushTrace(Engine& engine);

void traceSent(Engine& engine, uint8_t c);
void traceReceived(Engine& engine, uint8_t c);

}  // namespace tavrin::simcore

#endif
