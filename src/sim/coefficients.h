// The loss coefficients of whole lines: recomputed from each line's
// diameters, lengths, openings and hose C after a setup change, after a
// load of the state, and when the friction window closes.
#pragma once

#include "sim/host.h"
#include "sim/sim_settings.h"

namespace pumpdrill {

struct State;

// The default Hazen-Williams C of a hose of diameter `inches`: the table
// is walked in order and the first entry whose midpoint to the next exceeds
// the diameter is chosen (the last entry when none does); its C is the
// default. An empty table, or an entry without a C, gives the built-in C.
double DefaultHoseC(const HoseFrictionTable& table, double inches);

// The C of the diameter list the program ships with, by the same rule; the
// default when the configured lists give none.
double BuiltInHoseC(double inches);

// The index of the table entry that gives the default C of a hose of
// `inches`; -1 when the table is empty.
int HoseFrictionIndex(const HoseFrictionTable& table, double inches);

// ValveDiam4 and ValveK of a line from its valve bore and opening.
void UpdateValveK(State& s, int line);

// ShutoffDiam4, ShutoffK, NozzleK (tip bores outside 0.05 .. 10 ft become
// 0.5 ft) and NozzleShut of a line.
void UpdateNozzleK(State& s, int line);

// HoseK of a line and, for a siamese or wye, its BranchK. A siamese makes
// its partner line the mirror of itself and marks the partner as the
// pair's second line (unless the line is burst, which frees it).
void UpdateLineCoefficients(State& s, int line, Host& host);

// Every coefficient of lines 1 to 18: valve and nozzle coefficients of each
// line, and the hose coefficients of each line that is not the second line
// of a siamese pair (its hose data is the mirror of the first line's).
// Marks of second lines that no longer belong to a siamese pair are
// dropped first, so that a loaded state never leaves a line unsolved.
void UpdateAllLineCoefficients(State& s, Host& host);

// The same for the lines in use: 1 to LineCount and the tank fill, tank to
// pump and intake lines.
void UpdateLinesInUseCoefficients(State& s, Host& host);

}  // namespace pumpdrill
