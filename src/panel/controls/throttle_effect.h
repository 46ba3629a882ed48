// What a throttle does to the engine: the speed demand, held between idle
// and maximum, with the engine at that speed at once. The rotary throttles
// (Pierce and Hale) span Engine.MinIdleRpm to Engine.MaxRpm over positions
// 0 to 100; a demand below idle is raised to idle.
#pragma once

namespace pumpdrill {

struct State;

// Engine.RpmDemand := rpm, limited to IdleRpm..MaxRpm; Engine.Rpm follows.
void ApplyThrottleDemand(State& s, double rpm);

// The rotary throttle's demand for a position (0..100), before limiting.
double ThrottleDemandForPosition(const State& s, double position);
// The position (0..100) a rotary throttle takes for the present demand.
double ThrottlePositionForDemand(const State& s);

}  // namespace pumpdrill
