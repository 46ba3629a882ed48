// The burn house's figures that follow from the instructor's inputs: the
// enclosure's volume and surfaces, the fire severity and the
// ventilation-limited maximum temperature, the base burning rate and the
// energy of the whole fire load. The record keeps the inputs in English
// units; the figures are worked in metres, kilograms and kelvin. The fire
// model that steps the fire during a run builds on these.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// Recomputes every derived field of the burn house from its inputs and
// starts the fire fully involved at its ventilation-limited maximum.
void InitBurnHouse(State& s);

// Puts the fire back to its start: 10 % burned, at ambient temperature,
// burning at the base rate; then InitBurnHouse.
void ResetBurnHouse(State& s);

// Temperature conversions of the model.
double FahrenheitToKelvin(double f);
double KelvinToFahrenheit(double k);

}  // namespace pumpdrill
