#include "panel/controls/electronic_throttle.h"

#include <cmath>
#include <cstdio>

#include "panel/controls/throttle_effect.h"
#include "sim/state.h"

namespace pumpdrill {

ThrottleButton ElectronicThrottleButtonAt(ControlPoint p, int width, int height) {
  if (p.x > 0.75 * width) {
    if (p.y < 0.5 * height) return ThrottleButton::Raise;
    if (p.y > 0.5 * height) return ThrottleButton::Lower;
    return ThrottleButton::None;
  }
  if (p.y < 0.25 * height) return ThrottleButton::Idle;
  return ThrottleButton::None;
}

void ElectronicThrottleStep(State& s, ThrottleButton b) {
  switch (b) {
    case ThrottleButton::Raise:
      ApplyThrottleDemand(s, s.Engine.RpmDemand + kElectronicThrottleStepRpm);
      break;
    case ThrottleButton::Lower:
      ApplyThrottleDemand(s, s.Engine.RpmDemand - kElectronicThrottleStepRpm);
      break;
    case ThrottleButton::Idle:
      ApplyThrottleDemand(s, s.Engine.IdleRpm);
      break;
    case ThrottleButton::None:
      break;
  }
}

bool ElectronicThrottlePress(ElectronicThrottleHold& h, State& s, const ControlRun& run,
                             ControlPoint p, int width, int height) {
  if (!run.Acts()) return false;
  const ThrottleButton b = ElectronicThrottleButtonAt(p, width, height);
  if (b == ThrottleButton::None) return false;
  h.Button = b;
  h.Cadence.Press(s.SimClock.Time, 0.0);
  ElectronicThrottleTick(h, s, run);
  return true;
}

bool ElectronicThrottleTick(ElectronicThrottleHold& h, State& s, const ControlRun& run) {
  if (h.Button == ThrottleButton::None || !run.Acts()) return false;
  bool stepped = false;
  while (h.Cadence.Due(s.SimClock.Time, kElectronicThrottleInterval)) {
    ElectronicThrottleStep(s, h.Button);
    stepped = true;
  }
  return stepped;
}

std::string ElectronicThrottleText(const State& s) {
  char buf[32];
  const double rpm = std::isfinite(s.Engine.Rpm) ? s.Engine.Rpm : 0.0;
  std::snprintf(buf, sizeof buf, "%.0f  ", rpm);
  return buf;
}

}  // namespace pumpdrill
