// The Electronic 2 governor (rotary kind 8, "GOVERN1"): two spring-return
// toggles. The upper one (26 <= y < 81), held up or down, steps the set
// point as the Class1 governor's buttons do; it is refused at idle. The
// lower one (81 <= y < 121) thrown left holds the present pressure, thrown
// right the present speed demand. Toggles throw 4 px past the press point;
// at rest they are drawn "TOGGLE_MID" at (19, 48) and "TOGGLE_VT" at (15, 90).
#pragma once

#include <string>

#include "frame/units.h"
#include "panel/controls/control_run.h"
#include "panel/controls/held_cadence.h"

namespace pumpdrill {

struct State;

enum class Gov2Toggle { None, Upper, Lower };
// Where each toggle stands: upper Up/Mid/Down, lower Left/Mid/Right.
enum class TogglePos { Mid, Up, Down, Left, Right };

Gov2Toggle Gov2ToggleAt(ControlPoint p);

struct Gov2Hold {
  Gov2Toggle Grabbed = Gov2Toggle::None;
  ControlPoint Press;
  TogglePos Pos = TogglePos::Mid;
  HeldCadence Cadence;
};

bool Gov2Press(Gov2Hold& h, const State& s, const ControlRun& run, ControlPoint p);
// A move while a toggle is held. Returns whether the toggle's position
// changed (it is then to be redrawn).
bool Gov2Move(Gov2Hold& h, State& s, const ControlRun& run, ControlPoint p);
// Each tick: the upper toggle's steps due by now.
bool Gov2Tick(Gov2Hold& h, State& s, const ControlRun& run);
// The toggles return to rest.
void Gov2Release(Gov2Hold& h);

// The display: "PSI 150" (the pressure unit's label), "RPM 1500", "IDLE".
std::string Gov2DisplayText(const State& s, const DisplayUnits& u);

}  // namespace pumpdrill
