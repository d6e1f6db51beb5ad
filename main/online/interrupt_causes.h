// The names of the fault causes an interrupt stack level records: what made the controller stop.
//
// Contents
//   InterruptCauseNames   the named bits of cause bytes 1 and 2 of one level
#ifndef MAIN_ONLINE_INTERRUPT_CAUSES_H
#define MAIN_ONLINE_INTERRUPT_CAUSES_H

#include <cstdint>
#include <string>
#include <vector>

namespace tavrin::online {

// Bit 0 first; unnamed bits ("---") and clear bits are left out. Byte- and word-addressed
// controllers name the bits differently.
std::vector<std::string> InterruptCauseNames(uint8_t causeByte1, uint8_t causeByte2,
                                             bool wordAddressed);

}  // namespace tavrin::online

#endif
