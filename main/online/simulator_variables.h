// Status and forcing of variables on the simulated controller: values read from and written to
// its memory directly, and the line the status-variable window shows for an entry.
//
// Contents
//   VariableValue         the one or two words of an entry's operand
//   ReadSimulatorValue    the current value; nothing when the data block does not exist
//   ForceOnSimulator      write an entry's value into the controller
//   StatusVariableLine    "EW1  =KH 00FF": the entry and, when known, its value
#ifndef MAIN_ONLINE_SIMULATOR_VARIABLES_H
#define MAIN_ONLINE_SIMULATOR_VARIABLES_H

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "main/online/operand_entry.h"

namespace tavrin::online {

// words[0] is the value (the high word of a double word), words[1] the low word.
using VariableValue = std::array<uint16_t, 2>;

std::optional<VariableValue> ReadSimulatorValue(const OperandEntry& entry);

// False when the operand could not be written (a data word of a block that does not exist).
bool ForceOnSimulator(const OperandEntry& entry);

// The entry as the window lists it, followed by the value in the entry's format.
std::string StatusVariableLine(const OperandEntry& entry,
                               const std::optional<VariableValue>& value);

}  // namespace tavrin::online

#endif
