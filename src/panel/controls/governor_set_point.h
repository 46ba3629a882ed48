// The governor's set points as its buttons and toggles change them. The
// pressure set point stays within 0 and the gauges' full scale, the speed
// set point within idle and maximum; in speed mode a step is 5 RPM landing
// on a multiple of 5, in pressure mode 5 psi. Held, the steps come at once,
// then 0.5 s apart for steps 1 to 4, 0.3 s for 5 to 8, 0.1 s for 9 to 12
// and 0.025 s after that.
#pragma once

#include <string>

#include "frame/units.h"

namespace pumpdrill {

struct State;

inline constexpr double kGovernorPressStep = 5.0;
inline constexpr double kGovernorRpmStep = 5.0;

// The seconds from step `taken` (1 for the first) to the next one.
double GovernorStepInterval(int taken);

// One step up (+1) or down (-1) in the present mode; nothing at idle. The
// engine demand is then held between idle and maximum.
void StepGovernorSetPoint(State& s, int direction);

void SetGovernorPressure(State& s, double psi);
void SetGovernorRpm(State& s, double rpm);

// Mode changes that take the present value as the set point.
void GovernorToPressureMode(State& s);  // set point = present discharge pressure
void GovernorToRpmMode(State& s);       // set point = present speed demand
void GovernorToIdle(State& s);          // set point = idle, idle mode

// A pressure as a governor display writes it: display units, no decimals
// (one in bar).
std::string GovernorPressureText(const DisplayUnits& u, double psi);

}  // namespace pumpdrill
