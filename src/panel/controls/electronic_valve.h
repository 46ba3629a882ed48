// The electronic valve (handle type 12): an open button above a close
// button at the right of its picture and three lamps, top lime when fully
// open, middle yellow while part open, bottom red when shut. A held button
// moves the valve 0.025 of its travel every 0.04 s of simulated time, the
// first step 0.04 s after the press (full travel in 1.6 s).
#pragma once

#include <array>

#include "panel/controls/control_run.h"
#include "panel/controls/held_cadence.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;

enum class ElectronicValveButton { None, Open, Close };

// The button under a point of the picture: x >= 21, above y 24 opens,
// below it closes.
ElectronicValveButton ElectronicValveButtonAt(ControlPoint p);

struct ElectronicValveHold {
  ElectronicValveButton Button = ElectronicValveButton::None;
  HeldCadence Cadence;
  int Line = 0;
};

inline constexpr double kElectronicValveStep = 0.025;
inline constexpr double kElectronicValveInterval = 0.04;

// A press on the picture at p. Returns whether a button was pressed.
bool ElectronicValvePress(ElectronicValveHold& h, const State& s, const ControlRun& run, int line,
                          ControlPoint p);
inline void ElectronicValveRelease(ElectronicValveHold& h) {
  h.Button = ElectronicValveButton::None;
  h.Cadence.Release();
}
// On each tick: the steps due by now. Returns whether the opening changed.
bool ElectronicValveTick(ElectronicValveHold& h, State& s, const ControlRun& run, Host& host);

enum class LampColour { Grey, Lime, Yellow, Red };
// The three lamps top to bottom; all grey while no run is active.
std::array<LampColour, 3> ElectronicValveLamps(double opening, bool simActive);

}  // namespace pumpdrill
