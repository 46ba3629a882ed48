// The main tick: every 15 ms while a run is Running, the simulation is
// advanced to the present run time and every periodic refresh is asked for,
// always in the same order. The windowed program calls it from its timer,
// the headless runner from its loop of simulated time.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

struct Configuration;
struct RunContext;

// Throttles on SimClock.Time of the steps that need not run every tick.
inline constexpr double kGaugeInterval = 0.15;         // gauges (and the prime update at draft)
inline constexpr double kFlowSnapshotInterval = 0.3;   // water-hammer reference flows
inline constexpr double kBurnHouseInterval = 0.5;      // fire model

// Flow above which a discharge counts as charged for the automatic nozzle.
inline constexpr double kAutoNozzleValveOpen = 0.0002;

// One tick. Each step announces itself through host.TickStep before it runs.
void SimulationTick(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Tick step: with "Auto-Nozzle Operation" on, the pending nozzle of each
// charged discharge (valve open and pump pressure above 0) opens fully,
// once per initialisation; master streams and nozzles that cannot be
// worked from the nozzle roll are left as they are.
void AutoNozzleStep(State& s, const Configuration& cfg, RunContext& run, Host& host);

}  // namespace pumpdrill
