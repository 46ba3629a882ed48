// Pressure control's part of the main tick: the relief valve (a second
// solution at the relief pressure) or the governor (a correction of the
// engine speed demand).
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

struct Configuration;

void PressureControlStep(State& s, const Configuration& cfg, Host& host);

}  // namespace pumpdrill
