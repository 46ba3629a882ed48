// The panel's display options (section "Panel" of the configuration file).
// Part of the simulation state: the tick reads the cavitation, primed and
// water-hammer indicators from here.
#pragma once

#include <cstddef>

#include "sim/types.h"

namespace pumpdrill {

struct TShowOptionsRec {
  Boolean ShowDigitalPressure = 0;  // digital pressure readouts
  Boolean ShowDigitalFlow = 0;      // digital flow readouts
  Boolean ShowDigitalRpm = 0;       // digital engine speed
  Boolean IndicateCavitation = 0;   // show the cavitation indicator
  Boolean IndicatePrimed = 0;       // show the primed indicator
  Boolean NeedleVibration = 0;
  Boolean ShowDigitalTankVol = 0;   // tank gallons remaining
  Boolean WaterHammerCheck = 1;     // test valve closures for water hammer
  Double WaterHammerLimit = 400;    // psi surge that counts as water hammer
};
static_assert(sizeof(TShowOptionsRec) == 16);
static_assert(offsetof(TShowOptionsRec, IndicateCavitation) == 3);
static_assert(offsetof(TShowOptionsRec, IndicatePrimed) == 4);
static_assert(offsetof(TShowOptionsRec, WaterHammerCheck) == 7);
static_assert(offsetof(TShowOptionsRec, WaterHammerLimit) == 8);

}  // namespace pumpdrill
