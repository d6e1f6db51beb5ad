// Blocks in the controller's memory: address lists, writing, erasing, finding, scanning and
// compressing.
//
// Contents
//   BlockEntry, setBlockEntry   the address list entry of a block (0: absent)
//   BlockLength, headerWord     a stored block's header
//   RegisterBlock, EraseBlock   enter a block in its list, mark it deleted
//   storeBlock                  write a complete block at the fill level of its RAM
//   readBlock                   a stored block as a big-endian byte stream
//   FindBlockAt                 the block that holds a word of a RAM
//   ScanMemory                  rebuild the address lists from the memory
//   CompressMemory              close the gaps of deleted blocks
//   IsIntegratedBlock           whether a block belongs to the controller type
//
// The address list of a type holds for each number the word index of the block's body (the word
// after its five header words) within the RAM that holds it.
#ifndef SIMCORE_BLOCK_STORE_H
#define SIMCORE_BLOCK_STORE_H

#include <cstdint>

#include "simcore/engine.h"

namespace tavrin::simcore {

// 0 for an absent block, an unknown type, or a number beyond the list.
uint16_t BlockEntry(const SimImage& img, uint8_t type, uint8_t number);
void setBlockEntry(SimImage& img, uint8_t type, uint8_t number, uint16_t entry);
bool blockExists(const SimImage& img, uint8_t type, uint8_t number);

// Header word k (0..4) of an existing block; 0 when absent.
uint16_t headerWord(Engine& engine, uint8_t type, uint8_t number, unsigned k);
uint16_t BlockLength(Engine& engine, uint8_t type, uint8_t number);
// The S5 address of an existing block's body; 0 when absent.
uint16_t bodyAddress(Engine& engine, uint8_t type, uint8_t number);

// Refused (false) when the block's body would not lie inside its RAM.
bool RegisterBlock(Engine& engine, uint8_t type, uint8_t number, uint16_t entry);
void EraseBlock(Engine& engine, uint8_t type, uint8_t number);

// `bytes` holds `length` big-endian words, header included. 0 stored; 33 no room; 6 the header
// is not a valid header of this type, number and length. A refused block changes nothing.
uint16_t storeBlock(Engine& engine, uint8_t type, uint8_t number, const uint8_t* bytes,
                    uint16_t length);

// Copies an existing block into `bytes` (room for `maxWords` words). 0 done, 27 absent, 33 too
// long for the buffer.
uint16_t readBlock(Engine& engine, uint8_t type, uint8_t number, uint8_t* bytes, uint16_t maxWords,
                   uint16_t& length);

// The identifier of the block whose body holds word `position`, 0 when none.
uint16_t FindBlockAt(Engine& engine, uint16_t position, bool dataBlocksOnly);

void ScanMemory(Engine& engine);
// Refused (false) while blocks are being processed in RUN, unless forced.
bool CompressMemory(Engine& engine, bool force);

bool IsIntegratedBlock(const SimImage& img, uint8_t type, uint8_t number);

// The current data block's body, length and data words, read again from its header.
void refreshCurrentDataBlock(Engine& engine);

}  // namespace tavrin::simcore

#endif
