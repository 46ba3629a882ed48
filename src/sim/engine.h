// Engine speed and the engine's coolant temperature.
#pragma once

namespace pumpdrill {

struct State;

// Engine.Rpm follows Engine.RpmDemand at once, within IdleRpm .. MaxRpm.
void UpdateEngineSpeed(State& s);

// The coolant temperature model, one step every 2 s of simulated time: the
// engine heat moves towards a target set by speed, water temperature,
// warm-up and cooling water; the coolant gauge follows it while the engine
// cooler runs with cooling water, and otherwise climbs up to 400 F.
void UpdateEngineTemperature(State& s);

}  // namespace pumpdrill
