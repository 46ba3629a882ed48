// Water hammer: a valve shut on a flowing line faster than a pressure wave
// travels to the nozzle and back raises a surge (Joukowsky). The flow each
// line carried is sampled every 0.3 s; a closure is judged against the
// flow and time of the last sample.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// Pressure wave speed in a hose line, ft/s.
inline constexpr double kHoseWaveSpeed = 2000.0;

struct WaterHammer {
  bool IsHammer = false;  // the surge exceeds ShowOptions.WaterHammerLimit
  double Surge = 0;       // psi; 0 when the closure was slower than critical
};

// Judges a closure of line `line` now. Only a closure within the line's
// critical time 2 HoseLength / 2000 s of the last flow sample (and no more
// than 20 s after it) raises a surge: 0.433 c v / 32.2 psi, with v the
// sampled flow's velocity in the hose.
WaterHammer WaterHammerCheck(State& s, int line);

}  // namespace pumpdrill
