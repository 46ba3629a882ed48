// What the pump setup's two graphs plot: the no-flow pressure line over
// speed and five pressure-against-flow curves between idle and the
// reference high speed, in the mode being edited; and the engine speeds the
// pump needs for the standard acceptance test points.
#pragma once

#include <array>

namespace pumpdrill {

struct State;

struct GraphPoint {
  double Gpm = 0;
  double Psi = 0;
};

struct PumpGraphCurve {
  double PumpRpm = 0;                   // impeller speed of the curve
  std::array<GraphPoint, 11> Points{};  // flows 0, 0.1, ... 1.0 × capacity
};

struct PumpGraph {
  double IdlePress = 0;  // no-flow pressure at idle
  double HighPress = 0;  // no-flow pressure at the reference high speed: the top of the scale
  double Capacity = 0;   // rated flow, gpm: the right end of the scale
  // Five curves, at idle + k/5 × (high − idle) impeller rpm for k = 1..5.
  // Their pressures are the pump's net rise, never below 0: the intake
  // pressure is left out so that the graph stands still during a run.
  std::array<PumpGraphCurve, 5> Curves{};
  // False when there is nothing to plot (no high pressure above 0 or no
  // capacity): the graph shows its frame only.
  bool Drawable = false;
};

PumpGraph PumpGraphPoints(const State& s);

// One acceptance test point: a fraction of the rated capacity at a net
// pump pressure.
struct TestPoint {
  double CapacityFraction;
  double NetPsi;
};
inline constexpr std::array<TestPoint, 3> kAcceptanceTestPoints{{{1.0, 150}, {0.7, 200}, {0.5, 250}}};

struct TestPointSpeed {
  double Gpm = 0;
  double NetPsi = 0;
  double EngineRpm = 0;    // the speed needed; at least the idle speed
  bool Reachable = false;  // false: above the engine's maximum, or no rising pump line
};

// The engine speed that gives each acceptance test point in the current
// mode, from the no-flow line and the loss (no derating at or below rated
// flow).
std::array<TestPointSpeed, 3> AcceptanceTestSpeeds(const State& s);

}  // namespace pumpdrill
