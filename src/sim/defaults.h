// The built-in state of the apparatus at start-up: a 1500 gpm two-stage
// pump on a hydrant, a 1500 gal tank, eight discharge lines.
#pragma once

#include <string>

#include "sim/host.h"
#include "sim/sim_settings.h"
#include "sim/state.h"

namespace pumpdrill {

// Fills every record with its defaults, in this order: pump status, engine,
// pump, pump status flags, supply (then the hydrant coefficients), tank,
// pump control, pump output, lines 1 to 18 (each followed by the nozzle
// operability rule), the coefficients of every line, line 19 all zero, the
// nozzle rated pressures, the line titles and count, the finite draft source, the
// tender, the incidents, the burn house (then its reset and
// initialisation), an empty radio-call schedule.
// The display options and MinIntakePress are left as they are: they come
// from the configuration and the site altitude. The clock is zeroed.
void SetDefaultState(State& s, const SimSettings& sim, Host& host);

// A nozzle that cannot be worked by hand (not operable from the nozzle
// roll, a master stream, or no nozzle at all) stands fully open; then
// NozzleShut follows the opening.
void ApplyNozzleOperability(State& s, int line);

// The rated pressure of a nozzle by its kind: handline smooth bore 50 psi,
// master smooth bore 80 psi, every other nozzle 100 psi.
double RatedNozzlePressure(const TDischargeRec& d);

// The default title of line `line` (1..19).
std::string DefaultLineTitle(int line);

}  // namespace pumpdrill
