// Priming: the primer that draws the air out of a hard suction at draft,
// the prime of the intake (Supply.IntakePrimed) and of the pump
// (PumpStatus.Primed), and the pump pressure when no water reaches it.
#pragma once

#include "sim/host.h"

namespace pumpdrill {

struct State;

// PrimerAction codes.
enum PrimerCode : int { kPrimerUpdate = 0, kPrimerEngage = 1, kPrimerRelease = 2 };

// The primer and the prime of a drafting pump. kPrimerEngage and
// kPrimerRelease come from the panel's primer control; kPrimerUpdate runs
// with the simulation at draft. A prime gained or lost in the call plays
// the primer loop of its kind.
void PrimerAction(State& s, int action, Host& host);

// The seconds of priming the intake needs: the air in a hard suction over
// the primer's rate, 2 s for any other intake. A primer that moves no air
// never primes (the "never" time).
double PrimingTimeNeeded(const State& s);

// Whether every solved discharge line (1 to LineCount and the tank fill)
// has its valve shut.
bool AllDischargeValvesShut(const State& s);

// The panel's primed indicator at draft, when the options ask for it.
void UpdatePrimedIndicator(State& s, bool running, Host& host);

// The pump's prime and water at the pump after the cavitation test. A
// closed-in pump keeps its prime.
void UpdatePumpPrime(State& s);

// The pump pressure when no water reaches the pump, for a pump that does
// not cavitate and that the supply limit does not already stop (supply
// giving nothing while lines demand flow). Runs after UpdatePumpPrime and
// before the supply limit.
void PumpPressureWithoutWater(State& s);

}  // namespace pumpdrill
