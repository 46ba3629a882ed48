// The Class1 governor (rotary kind 10, "GOVERN_CLASS1"): a mode button and
// an idle button along the top, a preset button at the left, decrease and
// increase buttons along the bottom, and a display on a black box at
// (17, 28) reading "P=" and the pressure set point, "R=" and the speed
// demand, or " Class1 " at idle.
#pragma once

#include <string>

#include "frame/units.h"
#include "panel/controls/control_run.h"
#include "panel/controls/held_cadence.h"

namespace pumpdrill {

struct State;

enum class Class1Button { None, Mode, Idle, Preset, Decrease, Increase };

Class1Button Class1ButtonAt(ControlPoint p);

struct Class1Hold {
  Class1Button Button = Class1Button::None;  // Decrease or Increase while held
  HeldCadence Cadence;
};

// A press: mode, idle and preset act at once; decrease and increase take
// their first step at once and go on while held. Returns whether a button
// was pressed.
bool Class1Press(Class1Hold& h, State& s, const ControlRun& run, ControlPoint p);
// Each tick: the held button's steps due by now. Returns whether any.
bool Class1Tick(Class1Hold& h, State& s, const ControlRun& run);
inline void Class1Release(Class1Hold& h) {
  h.Button = Class1Button::None;
  h.Cadence.Release();
}

// The governor's first display puts it in speed mode.
void Class1FirstDisplay(State& s);

std::string Class1DisplayText(const State& s, const DisplayUnits& u);

}  // namespace pumpdrill
