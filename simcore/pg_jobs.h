// The exchanges of the programming-device jobs, after the controller has accepted the job, and
// the steps they share.
//
// Contents
//   receiveParameters      the partner's parameters of a job, a data part
//   acknowledge            DLE ACK
//   beginReply, endReply   DLE ACK STX, the partner's DLE ACK; DLE ETX, the partner's DLE ACK
//   sendReplyBytes         data bytes of a reply, DLE doubled
//   skipCharacters         characters of the partner that are not looked at
//   the jobs               one function per job code; false when a step of the exchange failed
//   sendStatusRecord       a complete status record, after every request
//
// Every job gets its parameters as one data part (ended by DLE EOT or DLE ETX, whichever the
// partner sends), except the status jobs 0x14 and 0x15, whose request lists end with their
// closing item. A reply is a status byte and data; all data bytes are DLE doubled.
#ifndef SIMCORE_PG_JOBS_H
#define SIMCORE_PG_JOBS_H

#include <cstddef>
#include <cstdint>
#include <optional>

#include "simcore/pg_link.h"

namespace tavrin::simcore {

// Into the record's receive buffer (the first kRequestBytes also into its request field).
// Nothing when the part failed or holds fewer than `minimum` bytes.
std::optional<std::size_t> receiveParameters(PgLink& link, std::size_t minimum);

bool acknowledge(PgLink& link);
bool beginReply(PgLink& link);
bool endReply(PgLink& link);
bool sendReplyBytes(PgLink& link, const uint8_t* bytes, std::size_t count);
bool sendReplyWord(PgLink& link, uint16_t word);
// Characters the partner sends where the exchange does not look at them (its acknowledgements
// within the status and start exchanges).
bool skipCharacters(PgLink& link, unsigned count);

// Memory and system data (pg_jobs_memory.cpp).
bool jobWriteMemory(PgLink& link);          // 0x03
bool jobReadMemory(PgLink& link);           // 0x04
bool jobSystemParameters(PgLink& link);     // 0x18
bool jobMemoryConfiguration(PgLink& link);  // 0x19
bool jobBlockStack(PgLink& link);           // 0x1C
bool jobInterruptStack(PgLink& link);       // 0x1D

// Blocks (pg_jobs_blocks.cpp).
bool jobLoadNewBlock(PgLink& link);    // 0x05
bool jobLoadBlock(PgLink& link);       // 0x08, replaces a block of the same name
bool jobReadBlock(PgLink& link);       // 0x06
bool jobCompress(PgLink& link);        // 0x07
bool jobEraseBlock(PgLink& link);      // 0x09
bool jobReadHeader(PgLink& link);      // 0x1A
bool jobBlockDirectory(PgLink& link);  // 0x1B

// Operating state (pg_jobs_control.cpp).
bool jobOverallReset(PgLink& link);  // 0x11
bool jobStartStop(PgLink& link);     // 0x1E

// Status (pg_jobs_status.cpp).
bool jobVariableStatus(PgLink& link);  // 0x14
bool jobBlockStatus(PgLink& link);     // 0x15
void continueStatus(Engine& engine);   // 0x80: the next record
void endPgStatus(Engine& engine);      // 0x81: the status exchange ends
void sendStatusRecord(PgLink& link);

}  // namespace tavrin::simcore

#endif
