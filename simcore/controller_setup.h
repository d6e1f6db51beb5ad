// Bringing the controller into a defined state: a new record, the built-in type, a type file.
//
// Contents
//   initialiseNewRecord    what the creator of the record sets once, then InitDefaults
//   InitDefaults           the built-in type "S5-95U" with an empty memory
//   SimulatorInit          InitDefaults, the memory reset and the simulator directory
//   ActivateTypeFile       read and apply a controller type file (*.AG)
//   fitAreasToSpace        hold every count to its array and every area inside the space
#ifndef SIMCORE_CONTROLLER_SETUP_H
#define SIMCORE_CONTROLLER_SETUP_H

#include <cstdint>
#include <string_view>

#include "simcore/engine.h"

namespace tavrin::simcore {

void initialiseNewRecord(Engine& engine);
void InitDefaults(Engine& engine);
void SimulatorInit(Engine& engine, std::string_view directory);

// 0, 4 in RUN, 10 missing, 22 unreadable or too long, 23 integrated blocks not loadable. On any
// failure the controller is left exactly as it was.
uint16_t ActivateTypeFile(Engine& engine, std::string_view path);

void fitAreasToSpace(SimImage& img);

// The length of DB0 for the current layout.
uint16_t db0LengthFor(const SimImage& img);

}  // namespace tavrin::simcore

#endif
