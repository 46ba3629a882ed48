#include "burn/burn_step.h"

namespace pumpdrill {

// The fire model is not in yet; the step only keeps its time mark.
void BurnHouseStep(State& s, Host& host) {
  (void)host;
  s.BurnHouse.LastUpdateTime = s.SimClock.Time;
}

}  // namespace pumpdrill
