// A button or toggle held down steps on a fixed cadence of simulated time:
// each step is due at the previous step's due time plus the interval, not
// at the tick that noticed it plus the interval, so that the 15 ms ticks do
// not stretch the steps (0.04 s stays 0.04 s, not 0.045).
#pragma once

namespace pumpdrill {

struct HeldCadence {
  bool Held = false;
  double Next = 0;  // simulated time the next step is due
  int Steps = 0;    // steps taken since the press

  // Pressed at `now`; the first step is due `firstDelay` seconds later
  // (0: at once, on the first Due call).
  void Press(double now, double firstDelay);
  void Release() { Held = false; }

  // Whether a step is due at `now`; if so it is counted and the next one
  // set `interval` seconds after this one's due time. Callers loop while it
  // answers true, so a late tick catches up.
  bool Due(double now, double interval);
};

}  // namespace pumpdrill
