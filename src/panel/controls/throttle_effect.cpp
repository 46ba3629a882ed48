#include "panel/controls/throttle_effect.h"

#include <algorithm>

#include "sim/pressure_control.h"
#include "sim/state.h"

namespace pumpdrill {

void ApplyThrottleDemand(State& s, double rpm) {
  s.Engine.RpmDemand = rpm;
  LimitRpmDemand(s);
  s.Engine.Rpm = s.Engine.RpmDemand;
}

double ThrottleDemandForPosition(const State& s, double position) {
  const double e = s.Engine.MinIdleRpm;
  return e + (s.Engine.MaxRpm - e) * position / 100.0;
}

double ThrottlePositionForDemand(const State& s) {
  const double e = s.Engine.MinIdleRpm;
  const double span = s.Engine.MaxRpm - e;
  if (!(span > 0)) return 0.0;
  return std::clamp((s.Engine.RpmDemand - e) / span * 100.0, 0.0, 100.0);
}

}  // namespace pumpdrill
