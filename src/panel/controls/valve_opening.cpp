#include "panel/controls/valve_opening.h"

#include <algorithm>
#include <cmath>

#include "sim/state.h"
#include "sim/valve_change.h"

namespace pumpdrill {

double SetValveOpening(State& s, int line, double opening, bool simActive, Host& host) {
  if (line < 1 || line > kIntakeLine) return 0.0;
  if (!std::isfinite(opening)) opening = 0.0;
  opening = std::clamp(opening, 0.0, 1.0);
  s.Discharges[line].ValveOpen = opening;
  ValveChanged(s, false, line, opening, simActive, host);
  return opening;
}

}  // namespace pumpdrill
