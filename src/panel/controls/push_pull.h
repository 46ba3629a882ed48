// Push-pull valve handles (types 1 to 8): a round handle that slides along
// a slot, opening the valve in proportion to how far it has travelled from
// the slot's closed end. Short slots are 37 x 114, long ones 37 x 170 (both
// turned for the horizontal types), the handle 25 x 26 (turned likewise);
// the handle stays 2 px inside either end of its slot.
#pragma once

#include "panel/controls/control_run.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;

struct PushPullGeometry {
  bool Vertical = true;
  bool OpensAtStart = false;  // open at the top (vertical) or left (horizontal)
  int SlotWidth = 37;         // across the travel
  int SlotLength = 114;       // along the travel
  int HandleWidth = 25;       // across the travel
  int HandleLength = 26;      // along the travel

  int MinPlace() const { return 2; }
  int MaxPlace() const { return SlotLength - HandleLength - 2; }
};

// The geometry of a push-pull type (1 to 8; others give type 1's).
PushPullGeometry PushPullGeometryOf(int type);

// The handle's place along the slot (its top for vertical slots, its left
// for horizontal ones) and the opening it stands for.
double PushPullOpening(const PushPullGeometry& g, double place);
double PushPullPlace(const PushPullGeometry& g, double opening);

// The stick from the slot's closed end of travel to the handle: where it
// starts along the slot and how long it is; hidden below 1 px.
struct StickSpan {
  double Start = 0;
  double Length = 0;
  bool Shown() const { return Length >= 1.0; }
};
StickSpan PushPullStick(const PushPullGeometry& g, double place);

// A drag of one handle. Points are in the slot's logical pixels.
struct PushPullDrag {
  bool Dragging = false;
  double Grab = 0;  // where along the handle it was grabbed
  int Line = 0;
};

// Pressing the handle whose place along the slot is `place`. Nothing while
// the controls do not act.
void PushPullPress(PushPullDrag& d, const ControlRun& run, const PushPullGeometry& g, int line,
                   ControlPoint slotPoint, double place);
// Moving while dragging: the handle's new place (kept inside its travel),
// the line's opening stored and the simulation told. Returns the new place,
// or `place` unchanged when not dragging.
double PushPullMove(PushPullDrag& d, State& s, const ControlRun& run, const PushPullGeometry& g,
                    ControlPoint slotPoint, double place, Host& host);
inline void PushPullRelease(PushPullDrag& d) { d.Dragging = false; }

}  // namespace pumpdrill
