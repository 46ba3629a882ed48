// Loss coefficients of the elements of a line: valve, hose, shut-off and
// nozzle tip, each in feet of head per cfs squared.
#pragma once

#include "sim/configuration_fwd.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// ValveDiam4 and ValveK of line `line` (1..19) from its bore and opening.
void UpdateValveK(State& s, int line);

// ShutoffDiam4, ShutoffK, NozzleK, NozzleCd and NozzleShut of line `line`.
void UpdateNozzleK(State& s, int line);

// Recomputes the hose (and branch) coefficients of line `line` from its
// lengths, diameters and HoseC.
void UpdateLineCoefficients(State& s, const Configuration& cfg, int line, Host& host);

// The Hazen-Williams C that the configured friction list gives a hose of
// inside diameter diamFt (feet).
double DefaultHoseC(const Configuration& cfg, double diamFt);

}  // namespace pumpdrill
