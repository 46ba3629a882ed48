// What a line's hose means for the pump operator: the nozzle's rated flow
// (doubled for a wye), the hose friction at that flow, and the pump
// pressure that flow needs with valve and shut-off fully open, elevation
// included. Worked from the coefficients the line solution uses, so that
// solving the line at the pressure given yields the flow given.
#pragma once

#include <optional>
#include <string>

#include "frame/units.h"

namespace pumpdrill {

struct State;

struct LineSummary {
  double Gpm = 0;
  double FrictionPsi = 0;
  double PumpPsi = 0;
};

// Nothing for a line without a nozzle (type 4, the tank and intake lines)
// or a nozzle without a flow (an automatic range or gallonage setting of 0).
std::optional<LineSummary> SummarizeLine(const State& s, int line);

// "at 209 gpm: friction 27.2 psi, pump 77.5 psi" in display units; "" for
// no summary.
std::string LineSummaryText(const std::optional<LineSummary>& summary, const DisplayUnits& units);
// The same figures in short, as the discharge lines window shows them under
// a line: "209 gpm at 77.5 psi pump"; "" for no summary.
std::string LineSummaryShortText(const std::optional<LineSummary>& summary, const DisplayUnits& units);

}  // namespace pumpdrill
