#include "sim/engine_steps.h"

#include "sim/engine.h"

namespace pumpdrill {

void EngineSpeedStep(State& s) { UpdateEngineSpeed(s); }

void EngineTemperatureStep(State& s) { UpdateEngineTemperature(s); }

}  // namespace pumpdrill
