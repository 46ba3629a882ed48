#include "panel/controls/electronic_valve.h"

#include <cmath>

#include "panel/controls/valve_opening.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {
constexpr double kButtonsLeft = 21;
constexpr double kButtonsDivide = 24;

// Sums of 0.025 drift off the decimal grid; an opening that lies on it
// within rounding is put back on it, so that 40 steps open the valve fully
// (its lamp lights at exactly 1).
double OnStepGrid(double opening) {
  const double steps = std::round(opening / kElectronicValveStep);
  const double onGrid = steps / (1.0 / kElectronicValveStep);
  return std::abs(opening - onGrid) < 1e-9 ? onGrid : opening;
}
}  // namespace

ElectronicValveButton ElectronicValveButtonAt(ControlPoint p) {
  if (p.x < kButtonsLeft) return ElectronicValveButton::None;
  if (p.y < kButtonsDivide) return ElectronicValveButton::Open;
  if (p.y > kButtonsDivide) return ElectronicValveButton::Close;
  return ElectronicValveButton::None;
}

bool ElectronicValvePress(ElectronicValveHold& h, const State& s, const ControlRun& run, int line,
                          ControlPoint p) {
  if (!run.Acts()) return false;
  const ElectronicValveButton b = ElectronicValveButtonAt(p);
  if (b == ElectronicValveButton::None) return false;
  h.Button = b;
  h.Line = line;
  h.Cadence.Press(s.SimClock.Time, kElectronicValveInterval);
  return true;
}

bool ElectronicValveTick(ElectronicValveHold& h, State& s, const ControlRun& run, Host& host) {
  if (h.Button == ElectronicValveButton::None || !run.Acts() || h.Line < 1 || h.Line > kIntakeLine)
    return false;
  const double sign = h.Button == ElectronicValveButton::Open ? 1.0 : -1.0;
  bool changed = false;
  while (h.Cadence.Due(s.SimClock.Time, kElectronicValveInterval)) {
    const double before = s.Discharges[h.Line].ValveOpen;
    const double after = SetValveOpening(
        s, h.Line, OnStepGrid(before + sign * kElectronicValveStep), run.SimActive, host);
    changed = changed || after != before;
  }
  return changed;
}

std::array<LampColour, 3> ElectronicValveLamps(double opening, bool simActive) {
  std::array<LampColour, 3> lamps{LampColour::Grey, LampColour::Grey, LampColour::Grey};
  if (!simActive) return lamps;
  if (opening >= 1.0) lamps[0] = LampColour::Lime;
  if (opening > 0.0 && opening < 1.0) lamps[1] = LampColour::Yellow;
  if (opening <= 0.0) lamps[2] = LampColour::Red;
  return lamps;
}

}  // namespace pumpdrill
