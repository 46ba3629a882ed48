#include "setup/nozzle_operation.h"

#include <algorithm>
#include <cmath>

#include "frame/run_control.h"
#include "frame/text_values.h"
#include "setup/hose_descriptions.h"
#include "sim/coefficients.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

bool IsDischargeInUse(const State& s, int line) {
  return line >= 1 && line <= std::min<int>(s.DischargeList.LineCount, kMaxDischarges);
}

}  // namespace

int BailOffset(double nozzleOpen) {
  // Rounded rather than cut: an opening a drag stored gives back the
  // offset it came from.
  return static_cast<int>(std::lround(40.0 * (1.0 - std::clamp(nozzleOpen, 0.0, 1.0)) - kBailTravel));
}

double OpeningAtOffset(int y) {
  y = std::clamp(y, -kBailTravel, kBailTravel);
  return (kBailTravel - y) / 40.0;
}

int DraggedOffset(int offsetAtPress, int pressY, int mouseY) {
  return std::clamp(offsetAtPress + (mouseY - pressY), -kBailTravel, kBailTravel);
}

BailEnd BailEndAt(int y) {
  const double s = std::clamp(y, -kBailTravel, kBailTravel) / static_cast<double>(kBailLength);
  const double c = std::sqrt(1.0 - s * s);
  return {kBailPivotX + static_cast<int>(std::trunc(kBailLength * s)),
          kBailPivotY - static_cast<int>(std::trunc(kBailLength * c))};
}

bool HandOperable(const TDischargeRec& d) { return d.NozzleOperable && !d.IsMaster; }

void StoreNozzleOpening(State& s, int line, double opening) {
  // A value that is not a number shuts the nozzle.
  s.Discharges[line].NozzleOpen = opening > 0 ? std::min(opening, 1.0) : 0.0;
  UpdateNozzleK(s, line);
}

void ClearAutoNozzlePending(RunContext& run, int line) {
  if (line >= 1 && line <= kMaxDischarges) run.AutoNozzlePending[line] = false;
}

bool OperateNozzle(State& s, RunContext& run, int line, double opening) {
  if (!IsDischargeInUse(s, line) || !HandOperable(s.Discharges[line])) return false;
  StoreNozzleOpening(s, line, opening);
  ClearAutoNozzlePending(run, line);
  return true;
}

double StoreNozzleElevation(State& s, int line, double feet) {
  TDischargeRec& d = s.Discharges[line];
  if (!std::isfinite(feet)) return d.NozzleElev;
  d.NozzleElev = ElevationWithinReach(d.PumpEndElev, HoseReach(d), feet);
  return d.NozzleElev;
}

bool StoreNozzleElevationText(State& s, int line, const DisplayUnits& units, const std::string& text,
                              std::string& error) {
  try {
    StoreNozzleElevation(s, line, FromEntry(units, kUnitLength, ReadNumber(text)));
    return true;
  } catch (const NumberFormatError& e) {
    error = e.what();
    return false;
  }
}

void StepNozzleElevation(State& s, int line, const DisplayUnits& units, int steps) {
  StoreNozzleElevation(s, line, s.Discharges[line].NozzleElev + steps * FromEntry(units, kUnitLength, 1.0));
}

std::string NozzlePressCaption(const DisplayUnits& units) {
  return "pressure (" + units.Label[kUnitPressure] + ")";
}

std::string NozzleElevCaption(const DisplayUnits& units) { return "elevation (" + units.Label[kUnitLength] + ")"; }

std::string NozzleOpenText(long percent) { return "Open: " + std::to_string(percent) + "  %"; }

long NozzleOpenPercent(double nozzleOpen) { return std::lround(std::clamp(nozzleOpen, 0.0, 1.0) * 100.0); }

}  // namespace pumpdrill
