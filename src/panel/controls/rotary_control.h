// Rotary controls: the relief valve knob and hand wheel, the throttles, the
// governors and the valve hand wheels. The knobs and wheels turn with the
// mouse moved around their centre; the frame shown follows the turn. The
// electronic throttle and the governors are worked by their buttons (their
// own files); they are rotary controls only in where they stand.
#pragma once

#include "panel/controls/control_run.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;

// RotaryControl kinds.
enum RotaryKind : int {
  kRotaryWaterousRelief = 1,
  kRotaryHaleRelief = 2,
  kRotaryPierceThrottle = 5,
  kRotaryHaleThrottle = 6,
  kRotaryElectronicThrottle = 7,
  kRotaryElectronic2Governor = 8,
  kRotaryFrcGovernor = 9,
  kRotaryClass1Governor = 10,
  kRotaryFirstWheel = 15,
  kRotaryLastWheel = 22,
};
inline constexpr int kRotaryKindSlots = 23;  // kinds index 1..22

inline bool IsReliefKind(int k) { return k == kRotaryWaterousRelief || k == kRotaryHaleRelief; }
inline bool IsRotaryThrottleKind(int k) {
  return k == kRotaryPierceThrottle || k == kRotaryHaleThrottle;
}
inline bool IsThrottleKind(int k) {
  return IsRotaryThrottleKind(k) || k == kRotaryElectronicThrottle;
}
inline bool IsGovernorKind(int k) {
  return k >= kRotaryElectronic2Governor && k <= kRotaryClass1Governor;
}
inline bool IsPressureControlKind(int k) { return IsReliefKind(k) || IsGovernorKind(k); }
inline bool IsWheelKind(int k) { return k >= kRotaryFirstWheel && k <= kRotaryLastWheel; }
// The kinds the panel can build (FRC is not among them).
bool IsBuildableRotaryKind(int kind);

// How a turning kind's pictures follow its turn; Frames 0 for the kinds
// worked by buttons.
struct RotaryKindInfo {
  int Frames = 0;
  double DegreesPerFrame = 0;
  double Turns = 0;  // turns over the travel from position 0 to 100
};
RotaryKindInfo RotaryKindOf(int kind);

struct RotaryControl {
  int Kind = 0;
  int Left = 0;  // on the panel, layout pixels
  int Top = 0;
  int Width = 0;  // the picture
  int Height = 0;
  ControlPoint Centre;
  ControlPoint Last;
  bool Ccw = true;      // the direction flag: counter-clockwise raises
  double Position = 0;  // 0..100
  double Angle = 0;     // degrees turned
  bool Dragging = false;
  int Valve = 0;  // wheels: the valve they work
  // The Waterous knob's on/off switch, grabbed below y 55.
  bool SwitchGrabbed = false;
  double SwitchPressX = 0;
};

// Sets up a control of `kind` at (left, top) with a picture of width x
// height: its centre, direction (throttles counter-clockwise, relief valves
// clockwise, wheels by `wheelCcw`) and position from the state.
RotaryControl MakeRotaryControl(const State& s, int kind, int left, int top, int width, int height,
                                int valve, bool wheelCcw);

// The position the state gives the control (relief setting, throttle
// demand, valve opening); 0 for the kinds worked by buttons.
double RotaryPositionFromState(const State& s, const RotaryControl& rc);

// The frame for the present turn: frames repeat every frames x degrees per
// frame, counted backwards when the control turns clockwise. -1 for kinds
// without frames. A frame outside the set (only from a broken turn) is
// reported as "Rotary valve picture # N: out of bounds." and gives -1.
int RotaryFrame(const RotaryControl& rc, Host& host);

// The turn (degrees) a position gives.
double RotaryAngle(const RotaryControl& rc);

void RotaryPress(RotaryControl& rc, const ControlRun& run, ControlPoint p);
struct RotaryMoveResult {
  bool Moved = false;          // the position changed and the effect was applied
  bool SwitchChanged = false;  // the Waterous switch changed: redraw it at (3, 60)
};
// A move while dragging: the position follows the motion around the centre
// (100 px of counter-clockwise travel raise it by 1 when the control turns
// counter-clockwise), then the effect reaches the state.
RotaryMoveResult RotaryMove(RotaryControl& rc, State& s, const ControlRun& run, ControlPoint p,
                            Host& host);
inline void RotaryRelease(RotaryControl& rc) {
  rc.Dragging = false;
  rc.SwitchGrabbed = false;
}

// Sets the control's position (kept 0..100) and applies its effect: the
// relief setting, the throttle demand with the engine following, or the
// valve opening with the simulation told.
void SetRotaryPosition(RotaryControl& rc, State& s, double position, bool simActive, Host& host);

}  // namespace pumpdrill
