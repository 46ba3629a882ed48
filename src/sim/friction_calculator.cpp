#include "sim/friction_calculator.h"

#include <cmath>

#include "sim/coefficients.h"
#include "sim/constants.h"
#include "sim/loss_coefficients.h"
#include "sim/state.h"

namespace pumpdrill {

void FrictionCalculator::Start(const State& s, const SimSettings& sim, int currentLine,
                               Host& host) {
  if (currentLine >= 1 && currentLine <= kIntakeLine) {
    const TDischargeRec& d = s.Discharges[currentLine];
    DiamInches = d.HoseDiam * 12;
    Material = d.HoseKind;
  } else {
    DiamInches = 2.5;
    Material = 0;
  }
  FlowGpm = 100;
  PickDiameter(sim, DiamInches, host);
}

void FrictionCalculator::PickDiameter(const SimSettings& sim, double inches, Host& host) {
  DiamInches = inches;
  C = DefaultHoseC(sim.HoseFriction, inches);
  K100 = HoseFrictionK(kCalculatorLength, C, inches / 12, host);
  LossFromC();
}

void FrictionCalculator::LossFromC() {
  double q = FlowGpm / kGpmPerCfs;
  LossPsi = K100 * q * q * kPsiPerFoot;
}

bool FrictionCalculator::CFromLoss(Host& host) {
  double head = kFeetPerPsi * LossPsi;
  double d = DiamInches / 12;
  double q = FlowGpm / kGpmPerCfs;
  // Without a loss, a flow or a bore no coefficient follows (the formula
  // would divide by zero or give 0).
  if (!(head > 0) || !(q > 0) || !(d > 0)) return false;
  C = std::pow((4.727 * kCalculatorLength / (std::pow(d, 4.8704) * head)) * q * q, 0.54);
  K100 = HoseFrictionK(kCalculatorLength, C, d, host);
  return true;
}

}  // namespace pumpdrill
