// The primer handle: a click engages an idle primer ("PRIMER_ON") or
// releases a priming one ("PRIMER_OFF"). With sound, engaging plays the
// primer start (which goes on to the priming or primed loop by the
// intake's prime) and releasing plays the primed or not-primed ending.
#pragma once

#include "panel/controls/control_run.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;

inline constexpr int kPrimerStatePriming = 1;
inline constexpr int kPrimerStateIdle = 2;

// Engages or releases the primer as a click does (`sound`: a wave device
// exists and sound is on). Returns whether it acted.
bool PrimerClick(State& s, const ControlRun& run, bool sound, Host& host);
void EngagePrimer(State& s, bool sound, Host& host);
void ReleasePrimer(State& s, bool sound, Host& host);

// Whether the handle is shown pulled ("PRIMER_ON").
bool PrimerHandlePulled(const State& s);

}  // namespace pumpdrill
