// The burn house's fire model: one fully involved enclosure with a single
// equivalent vent. The record keeps the instructor's inputs in English
// units; the model works in metres, kilograms and kelvin.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// Recomputes every derived field of the burn house from its inputs and
// starts the fire fully involved at its ventilation-limited maximum.
void InitBurnHouse(State& s);

// Puts the fire back to its start: 10 % burned, at ambient temperature,
// burning at the base rate; then InitBurnHouse.
void ResetBurnHouse(State& s);

// One model step over the simulated time since the last step (the tick
// runs it every half second): the fire's heat less the vent loss and the
// water applied (the pump's total flow less the tank fill) moves the gas
// temperature.
void StepBurnHouse(State& s);

// Temperature conversions of the model.
double FahrenheitToKelvin(double f);
double KelvinToFahrenheit(double k);

}  // namespace pumpdrill
