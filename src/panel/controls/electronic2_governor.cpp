#include "panel/controls/electronic2_governor.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "panel/controls/governor_set_point.h"
#include "sim/pressure_control.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {
constexpr Byte kGovernorRpmMode = 1;
constexpr Byte kGovernorIdleMode = 2;
constexpr double kToggleThrow = 4;
}  // namespace

Gov2Toggle Gov2ToggleAt(ControlPoint p) {
  if (p.y >= 26 && p.y < 81) return Gov2Toggle::Upper;
  if (p.y >= 81 && p.y < 121) return Gov2Toggle::Lower;
  return Gov2Toggle::None;
}

bool Gov2Press(Gov2Hold& h, const State& s, const ControlRun& run, ControlPoint p) {
  if (!run.Acts()) return false;
  const Gov2Toggle t = Gov2ToggleAt(p);
  if (t == Gov2Toggle::None) return false;
  if (t == Gov2Toggle::Upper && s.PumpControl.GovernorMode == kGovernorIdleMode) return false;
  h.Grabbed = t;
  h.Press = p;
  h.Pos = TogglePos::Mid;
  h.Cadence.Release();
  return true;
}

bool Gov2Move(Gov2Hold& h, State& s, const ControlRun& run, ControlPoint p) {
  if (h.Grabbed == Gov2Toggle::None || !run.Acts()) return false;
  TogglePos pos = TogglePos::Mid;
  if (h.Grabbed == Gov2Toggle::Upper) {
    const double dy = p.y - h.Press.y;
    if (dy < -kToggleThrow) pos = TogglePos::Up;
    if (dy > kToggleThrow) pos = TogglePos::Down;
  } else {
    const double dx = p.x - h.Press.x;
    if (dx < -kToggleThrow) pos = TogglePos::Left;
    if (dx > kToggleThrow) pos = TogglePos::Right;
  }
  if (pos == h.Pos) return false;
  h.Pos = pos;
  h.Cadence.Release();
  if (pos == TogglePos::Up || pos == TogglePos::Down) {
    h.Cadence.Press(s.SimClock.Time, 0.0);
    Gov2Tick(h, s, run);
  } else if (pos == TogglePos::Left) {
    GovernorToPressureMode(s);
  } else if (pos == TogglePos::Right) {
    GovernorToRpmMode(s);
  }
  return true;
}

bool Gov2Tick(Gov2Hold& h, State& s, const ControlRun& run) {
  if (h.Grabbed != Gov2Toggle::Upper || !run.Acts()) return false;
  if (h.Pos != TogglePos::Up && h.Pos != TogglePos::Down) return false;
  const int direction = h.Pos == TogglePos::Up ? 1 : -1;
  bool stepped = false;
  while (h.Cadence.Due(s.SimClock.Time, GovernorStepInterval(h.Cadence.Steps + 1))) {
    StepGovernorSetPoint(s, direction);
    stepped = true;
  }
  return stepped;
}

void Gov2Release(Gov2Hold& h) {
  h.Grabbed = Gov2Toggle::None;
  h.Pos = TogglePos::Mid;
  h.Cadence.Release();
}

std::string Gov2DisplayText(const State& s, const DisplayUnits& u) {
  const TPumpControlRec& c = s.PumpControl;
  if (c.GovernorMode == kGovernorPressureMode) {
    std::string label = u.Label[kUnitPressure];
    for (char& ch : label) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return label + " " + GovernorPressureText(u, c.GovernorSetPress);
  }
  if (c.GovernorMode == kGovernorRpmMode) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "RPM %.0f",
                  std::isfinite(c.GovernorSetRpm) ? c.GovernorSetRpm : 0.0);
    return buf;
  }
  return "IDLE";
}

}  // namespace pumpdrill
