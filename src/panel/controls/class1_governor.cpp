#include "panel/controls/class1_governor.h"

#include <cmath>
#include <cstdio>

#include "panel/controls/governor_set_point.h"
#include "sim/pressure_control.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {
constexpr Byte kGovernorRpmMode = 1;

int Direction(Class1Button b) { return b == Class1Button::Increase ? 1 : -1; }
}  // namespace

Class1Button Class1ButtonAt(ControlPoint p) {
  if (p.y < 20) {
    if (p.x < 37) return Class1Button::Mode;
    if (p.x >= 38) return Class1Button::Idle;
    return Class1Button::None;
  }
  if (p.x < 9 && p.y >= 25 && p.y < 41) return Class1Button::Preset;
  if (p.y >= 42) {
    if (p.x < 37) return Class1Button::Decrease;
    if (p.x >= 38) return Class1Button::Increase;
  }
  return Class1Button::None;
}

bool Class1Press(Class1Hold& h, State& s, const ControlRun& run, ControlPoint p) {
  if (!run.Acts()) return false;
  TPumpControlRec& c = s.PumpControl;
  switch (Class1ButtonAt(p)) {
    case Class1Button::None:
      return false;
    case Class1Button::Mode:
      if (c.GovernorMode == kGovernorRpmMode) {
        GovernorToPressureMode(s);
      } else {
        GovernorToRpmMode(s);
      }
      return true;
    case Class1Button::Idle:
      GovernorToIdle(s);
      return true;
    case Class1Button::Preset:
      if (c.GovernorMode == kGovernorRpmMode) SetGovernorRpm(s, c.GovernorRpmInit);
      if (c.GovernorMode == kGovernorPressureMode) SetGovernorPressure(s, c.GovernorPressInit);
      return true;
    case Class1Button::Decrease:
    case Class1Button::Increase:
      h.Button = Class1ButtonAt(p);
      h.Cadence.Press(s.SimClock.Time, 0.0);
      Class1Tick(h, s, run);
      return true;
  }
  return false;
}

bool Class1Tick(Class1Hold& h, State& s, const ControlRun& run) {
  if ((h.Button != Class1Button::Decrease && h.Button != Class1Button::Increase) || !run.Acts())
    return false;
  bool stepped = false;
  // The interval after a step depends on how many have been taken.
  while (h.Cadence.Due(s.SimClock.Time, GovernorStepInterval(h.Cadence.Steps + 1))) {
    StepGovernorSetPoint(s, Direction(h.Button));
    stepped = true;
  }
  return stepped;
}

void Class1FirstDisplay(State& s) { s.PumpControl.GovernorMode = kGovernorRpmMode; }

std::string Class1DisplayText(const State& s, const DisplayUnits& u) {
  const TPumpControlRec& c = s.PumpControl;
  if (c.GovernorMode == kGovernorPressureMode)
    return "P=" + GovernorPressureText(u, c.GovernorSetPress);
  if (c.GovernorMode == kGovernorRpmMode) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "R=%.0f",
                  std::isfinite(s.Engine.RpmDemand) ? s.Engine.RpmDemand : 0.0);
    return buf;
  }
  return " Class1 ";
}

}  // namespace pumpdrill
