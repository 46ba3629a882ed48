#include "sim/cavitation.h"

#include "sim/state.h"

namespace pumpdrill {

namespace {

// An opening above this counts as open.
constexpr double kOpenThreshold = 0.0002;

bool LineOpen(const TDischargeRec& d) {
  return d.ValveOpen > kOpenThreshold && d.NozzleOpen > kOpenThreshold;
}

// Some solved line (1 to LineCount, or the tank fill line 16) is open at
// both its valve and its nozzle.
bool AnyLineOpen(const State& s) {
  int count = s.DischargeList.LineCount;
  if (count > 15) count = 15;
  for (int i = 1; i <= count; ++i) {
    if (LineOpen(s.Discharges[i])) return true;
  }
  return LineOpen(s.Discharges[16]);
}

}  // namespace

bool CheckCavitation(State& s, Host& host) {
  const TSupplyRec& sup = s.Supply;
  double total = s.PumpOutput.TotalFlow;
  bool cavitating = false;
  if (sup.SupplyAvailable) {
    // Short by more than 1 gpm, or no supply at all while a line is open.
    cavitating = (total > 0 && sup.SupplyFlow + 1 < total) ||
                 (sup.SupplyFlow <= 0 && AnyLineOpen(s));
  }
  TPumpStatusRec& ps = s.PumpStatus;
  double now = s.SimClock.Time;
  if (cavitating) {
    if (!ps.Cavitating) {
      ps.CavitationStart = now;
      if (s.ShowOptions.IndicateCavitation) host.CavitationIndicator(true);
    }
    ps.CavitationTime = now - ps.CavitationStart;
  } else {
    host.CavitationIndicator(false);
    s.Engine.CavitationRpm = s.Engine.Rpm;
    ps.PressBeforeCavitation = s.PumpOutput.DischargePress;
  }
  return cavitating;
}

void ResetCavitationForRun(State& s) {
  s.Engine.CavitationRpm = s.Engine.Rpm;
  s.PumpStatus.PressBeforeCavitation = 0;
}

}  // namespace pumpdrill
