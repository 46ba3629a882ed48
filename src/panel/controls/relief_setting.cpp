#include "panel/controls/relief_setting.h"

#include <algorithm>
#include <cmath>

#include "sim/pressure_control.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {
constexpr Byte kReliefSwitchOff = 2;
}  // namespace

double ReliefPressureForPosition(const TPumpControlRec& c, double position) {
  return c.ReliefMinPress + (c.ReliefMaxPress - c.ReliefMinPress) * position / 100.0;
}

double ReliefPositionForPressure(const TPumpControlRec& c) {
  const double span = c.ReliefMaxPress - c.ReliefMinPress;
  if (!(span > 0)) return 0.0;
  const double position = (c.ReliefSetPress - c.ReliefMinPress) / span * 100.0;
  return std::isfinite(position) ? std::clamp(position, 0.0, 100.0) : 0.0;
}

void SetReliefPressure(State& s, double psi) {
  TPumpControlRec& c = s.PumpControl;
  const double lo = std::min(c.ReliefMinPress, c.ReliefMaxPress);
  const double hi = std::max(c.ReliefMinPress, c.ReliefMaxPress);
  c.ReliefSetPress = std::clamp(psi, lo, hi);
}

bool SetReliefSwitch(State& s, bool on) {
  const Byte mode = on ? kReliefInService : kReliefSwitchOff;
  if (s.PumpControl.ReliefMode == mode) return false;
  s.PumpControl.ReliefMode = mode;
  return true;
}

bool ReliefSwitchOn(const State& s) { return s.PumpControl.ReliefMode == kReliefInService; }

}  // namespace pumpdrill
