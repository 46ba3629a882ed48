// The engine's part of the main tick.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// Engine.Rpm follows the speed demand.
void EngineSpeedStep(State& s);

// The coolant temperature model, when the pump setup enables it.
void EngineTemperatureStep(State& s);

}  // namespace pumpdrill
