// The electronic throttle (rotary kind 7, "ELEC_THROTTLE1"): a raise button
// at the upper right, a lower button at the lower right and an idle strip
// along the top left. A held button steps on the press and then every
// 0.08 s of simulated time: +10 RPM, -10 RPM or back to idle (125 RPM a
// second while held). Its display shows the engine speed at (22, 29).
#pragma once

#include <string>

#include "panel/controls/control_run.h"
#include "panel/controls/held_cadence.h"

namespace pumpdrill {

struct State;

enum class ThrottleButton { None, Raise, Lower, Idle };

// The button under p on a picture of width x height.
ThrottleButton ElectronicThrottleButtonAt(ControlPoint p, int width, int height);

struct ElectronicThrottleHold {
  ThrottleButton Button = ThrottleButton::None;
  HeldCadence Cadence;
};

inline constexpr double kElectronicThrottleStepRpm = 10.0;
inline constexpr double kElectronicThrottleInterval = 0.08;

// One step of a button: the demand changed and limited, the engine at it.
void ElectronicThrottleStep(State& s, ThrottleButton b);

// A press: the button's first step at once. Returns whether a button was
// pressed (the display is then to be redrawn).
bool ElectronicThrottlePress(ElectronicThrottleHold& h, State& s, const ControlRun& run,
                             ControlPoint p, int width, int height);
// Each tick: the steps due by now. Returns whether any step was taken.
bool ElectronicThrottleTick(ElectronicThrottleHold& h, State& s, const ControlRun& run);
inline void ElectronicThrottleRelease(ElectronicThrottleHold& h) {
  h.Button = ThrottleButton::None;
  h.Cadence.Release();
}

// The display's text: the engine speed without decimals and two blanks.
std::string ElectronicThrottleText(const State& s);

}  // namespace pumpdrill
