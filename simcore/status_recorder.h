// The block status recorder and the status of variables.
//
// Contents
//   armBlockStatus       a request list and the trigger instruction (S5AG_StBstParam)
//   recordBlockStatus    after every instruction while armed: one record item group
//   collectBlockStatus   the record, once it is complete (S5AG_StatBstZyk)
//   setVariableRequests  the request list of the variable status (S5AG_StatusVarDaten)
//   readVariables        one pass over the list into the reply bytes
//   resetStatusRecord    after a record was delivered: indexes 0, trigger released
//   rearmBlockStatus     record again at the next pass of the trigger
//   endStatus            neither status mode any longer
//   requestHasAddress    which request codes an S5 address follows in a list
//
// Request items (16-bit codes, some followed by an S5 address) name what the recorder writes per
// instruction: 0x1030..0x1032 a byte, 0x1033 a counter word, 0x1034 a word or timer word,
// 0x1035 nothing more, 0x1036 the accumulators, 0x1037 a word (variable status only); 0x1003 ends
// the list. Lists from callers and from the programming device are held to the request list's
// 200 items, and a record or reply never grows past its buffer.
#ifndef SIMCORE_STATUS_RECORDER_H
#define SIMCORE_STATUS_RECORDER_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

inline constexpr uint8_t kBlockStatusMode = 2;
inline constexpr uint8_t kVariableStatusMode = 1;
inline constexpr uint16_t kEndOfRequests = 0x1003;

// `request`: block type, block number, then `length` - 2 bytes of big-endian request words.
void armBlockStatus(Engine& engine, const uint8_t* request, int length, uint16_t offset);

void recordBlockStatus(Engine& engine);

struct BlockStatusCollect {
  bool notTriggered;
  bool ready;
  uint16_t bytes;
};
BlockStatusCollect collectBlockStatus(Engine& engine, uint8_t* buffer, int maxItems);

void setVariableRequests(Engine& engine, const uint8_t* request, int length);

// Returns the number of reply bytes.
unsigned readVariables(Engine& engine);

void resetStatusRecord(Engine& engine);
// Only in block status mode; the request list and the trigger stay.
void rearmBlockStatus(Engine& engine);
void endStatus(Engine& engine);

bool requestHasAddress(uint16_t code);

// Items as they are stored in the reply buffer: 16-bit, from its second byte on.
uint16_t replyItem(const SimImage& s, unsigned i);

}  // namespace tavrin::simcore

#endif
