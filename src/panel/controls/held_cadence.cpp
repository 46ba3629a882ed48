#include "panel/controls/held_cadence.h"

namespace pumpdrill {

namespace {
// Ticks and due times are sums of decimals: a step due within this much of
// the tick counts as reached.
constexpr double kTimeSlack = 1e-9;
}  // namespace

void HeldCadence::Press(double now, double firstDelay) {
  Held = true;
  Next = now + firstDelay;
  Steps = 0;
}

bool HeldCadence::Due(double now, double interval) {
  if (!Held || now + kTimeSlack < Next) return false;
  ++Steps;
  Next += interval;
  return true;
}

}  // namespace pumpdrill
