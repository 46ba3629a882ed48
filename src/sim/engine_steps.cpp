#include "sim/engine_steps.h"

namespace pumpdrill {

// Engine speed and temperature are not modelled yet.
void EngineSpeedStep(State& s) { (void)s; }

void EngineTemperatureStep(State& s) { (void)s; }

}  // namespace pumpdrill
