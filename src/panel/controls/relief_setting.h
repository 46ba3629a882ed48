// The relief valve's setting as its knob or hand wheel gives it: positions
// 0 to 100 span ReliefMinPress to ReliefMaxPress. The Waterous knob also
// carries the valve's on/off switch.
#pragma once

namespace pumpdrill {

struct State;
struct TPumpControlRec;

double ReliefPressureForPosition(const TPumpControlRec& c, double position);
// The position (0..100) for the present ReliefSetPress.
double ReliefPositionForPressure(const TPumpControlRec& c);

// ReliefSetPress := psi, kept within the valve's lowest and highest setting.
void SetReliefPressure(State& s, double psi);

// The on/off switch (ReliefMode 1 on, 2 off). Returns whether it changed.
bool SetReliefSwitch(State& s, bool on);
bool ReliefSwitchOn(const State& s);

}  // namespace pumpdrill
