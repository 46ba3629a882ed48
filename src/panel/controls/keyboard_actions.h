// What the panel's keys do, through the same code as the mouse: on a valve
// Up/Down open or close 5 %, PageUp/PageDown 25 %, Home shuts and End
// opens; on the relief valve or governor Up/Down step the setting;
// Ctrl+Up/Down work the throttle; the primer, cooler, transfer valve and
// flowmeter dial have their own keys. Each answers whether it acted (the
// control is then to be redrawn); none acts unless the controls do.
#pragma once

#include "panel/controls/control_run.h"
#include "panel/controls/panel_controls.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct PanelLayout;

enum class ValveKey { Up, Down, PageUp, PageDown, Home, End };

inline constexpr double kValveKeyStep = 0.05;
inline constexpr double kValveKeyPage = 0.25;
// A key step of the relief valve's setting.
inline constexpr double kReliefKeyStepPsi = 5.0;
// A key step of a rotary throttle, in positions (0..100).
inline constexpr double kThrottleKeyStep = 1.0;

// The opening a key gives a valve open by `opening`.
double OpeningAfterKey(double opening, ValveKey key);

bool KeyValve(PanelControls& pc, State& s, const ControlRun& run, int valve, ValveKey key,
              Host& host);
// direction +1 raises, -1 lowers.
bool KeyPressureControl(PanelControls& pc, State& s, const ControlRun& run, int direction);
bool KeyThrottle(PanelControls& pc, State& s, const ControlRun& run, int direction, Host& host);
// direction +1 up (pressure), -1 down (volume): the toggle thrown and let
// go; the change-over follows after its delay.
bool KeyTransfer(PanelControls& pc, const State& s, const ControlRun& run, int direction);
// direction +1 clockwise round the dial, -1 counter-clockwise.
bool KeyFlowmeter(PanelControls& pc, const ControlRun& run, int direction);

// What the tick's control step changed, to be redrawn.
struct ControlsTickResult {
  bool ValveChanged = false;     // the held electronic valve: its valve
  bool ThrottleChanged = false;  // the electronic throttle's display
  bool GovernorChanged = false;  // a governor's display
  bool TransferChanged = false;  // transfer lamps and toggle
};
// Every tick of a run: the held buttons' steps and a transfer under way.
ControlsTickResult ControlsTick(PanelControls& pc, State& s, const ControlRun& run, Host& host);

// Any release, or the window losing the mouse: every drag and held button
// ends (a transfer under way goes on). Rotary controls keep their place.
void ReleaseControls(PanelControls& pc);

}  // namespace pumpdrill
