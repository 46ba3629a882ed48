#include "panel/controls/keyboard_actions.h"

#include <algorithm>
#include <cmath>

#include "panel/controls/governor_set_point.h"
#include "panel/controls/relief_setting.h"
#include "panel/controls/throttle_effect.h"
#include "panel/controls/valve_opening.h"
#include "sim/state.h"

namespace pumpdrill {

double OpeningAfterKey(double opening, ValveKey key) {
  switch (key) {
    case ValveKey::Up:
      opening += kValveKeyStep;
      break;
    case ValveKey::Down:
      opening -= kValveKeyStep;
      break;
    case ValveKey::PageUp:
      opening += kValveKeyPage;
      break;
    case ValveKey::PageDown:
      opening -= kValveKeyPage;
      break;
    case ValveKey::Home:
      opening = 0;
      break;
    case ValveKey::End:
      opening = 1;
      break;
  }
  // Steps of 5 % land on the 5 % grid, whatever the mouse left.
  const double grid = std::round(opening / kValveKeyStep) * kValveKeyStep;
  if (std::abs(grid - opening) < 1e-9) opening = grid;
  return std::clamp(opening, 0.0, 1.0);
}

bool KeyValve(PanelControls& pc, State& s, const ControlRun& run, int valve, ValveKey key,
              Host& host) {
  if (!run.Acts() || valve < kFirstHandleValve || valve > kLastHandleValve) return false;
  const double opening = OpeningAfterKey(s.Discharges[valve].ValveOpen, key);
  if (RotaryControl* wheel = pc.Find(pc.WheelSlot[valve])) {
    SetRotaryPosition(*wheel, s, opening * 100.0, run.SimActive, host);
  } else {
    SetValveOpening(s, valve, opening, run.SimActive, host);
  }
  return true;
}

bool KeyPressureControl(PanelControls& pc, State& s, const ControlRun& run, int direction) {
  if (!run.Acts()) return false;
  for (int k : {kRotaryWaterousRelief, kRotaryHaleRelief}) {
    if (RotaryControl* rc = pc.Find(k)) {
      SetReliefPressure(s, s.PumpControl.ReliefSetPress + direction * kReliefKeyStepPsi);
      rc->Position = ReliefPositionForPressure(s.PumpControl);
      rc->Angle = RotaryAngle(*rc);
      return true;
    }
  }
  if (pc.Find(kRotaryClass1Governor) || pc.Find(kRotaryElectronic2Governor)) {
    StepGovernorSetPoint(s, direction);
    return true;
  }
  return false;
}

bool KeyThrottle(PanelControls& pc, State& s, const ControlRun& run, int direction, Host& host) {
  if (!run.Acts()) return false;
  for (int k : {kRotaryPierceThrottle, kRotaryHaleThrottle}) {
    if (RotaryControl* rc = pc.Find(k)) {
      // From where the demand stands (a governor may have moved it).
      SetRotaryPosition(*rc, s, ThrottlePositionForDemand(s) + direction * kThrottleKeyStep,
                        run.SimActive, host);
      return true;
    }
  }
  if (pc.Find(kRotaryElectronicThrottle)) {
    ElectronicThrottleStep(s, direction > 0 ? ThrottleButton::Raise : ThrottleButton::Lower);
    return true;
  }
  return false;
}

bool KeyTransfer(PanelControls& pc, const State& s, const ControlRun& run, int direction) {
  if (!run.Acts()) return false;
  ThrowTransferToggle(pc.Transfer, s, direction > 0 ? TransferToggle::Up : TransferToggle::Down);
  TransferRelease(pc.Transfer);
  return true;
}

bool KeyFlowmeter(PanelControls& pc, const ControlRun& run, int direction) {
  if (!run.Acts()) return false;
  pc.Flowmeter.Position = FlowmeterNeighbour(pc.Flowmeter.Position, direction);
  return true;
}

ControlsTickResult ControlsTick(PanelControls& pc, State& s, const ControlRun& run, Host& host) {
  ControlsTickResult r;
  r.ValveChanged = ElectronicValveTick(pc.ElectronicValve, s, run, host);
  r.ThrottleChanged = ElectronicThrottleTick(pc.ElectronicThrottle, s, run);
  r.GovernorChanged = Class1Tick(pc.Class1, s, run);
  r.GovernorChanged = Gov2Tick(pc.Gov2, s, run) || r.GovernorChanged;
  r.TransferChanged = TransferTick(pc.Transfer, s, run);
  return r;
}

void ReleaseControls(PanelControls& pc) {
  PushPullRelease(pc.PushPull);
  LeverRelease(pc.Lever);
  ElectronicValveRelease(pc.ElectronicValve);
  ElectronicThrottleRelease(pc.ElectronicThrottle);
  Class1Release(pc.Class1);
  Gov2Release(pc.Gov2);
  TransferRelease(pc.Transfer);
  FlowmeterRelease(pc.Flowmeter);
  FoamDragRelease(pc.Foam);
  for (auto& rc : pc.Rotary) {
    if (rc) RotaryRelease(*rc);
  }
}

}  // namespace pumpdrill
