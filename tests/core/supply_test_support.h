// The apparatus of the supply tests: the built-in one with round loss
// coefficients on its supply lines, so that the expected numbers are easy
// to work by hand.
#pragma once

#include "default_state.h"
#include "recording_host.h"
#include "sim/constants.h"
#include "sim/host.h"
#include "sim/state.h"
#include "sim/supply.h"

namespace pumpdrill::supply_test {

// The shared recording host of the core tests.
using ::pumpdrill::RecordingHost;

// The built-in apparatus (a 1500 gal tank, 4 ft high, full; a hydrant of
// 100 psi; eight shut discharges; every incident unset) at 300 ft, with
// round loss coefficients on the tank line (summing to 1) and the intake
// (summing to 1, no hydrant loss).
inline State MakeState() {
  State s = *testing::MakeDefaultState();
  UpdateAltitude(s);
  TDischargeRec& tankLine = s.Discharges[kTankToPumpLine];
  tankLine.ValveK = 0.5;
  tankLine.HoseK = 0.1;
  tankLine.ShutoffK = 0.4;
  TDischargeRec& intake = s.Discharges[kIntakeLine];
  intake.ValveK = 0.2;
  intake.HoseK = 0.6;
  intake.ShutoffK = 0.2;
  s.Supply.SupplyK = 0;
  return s;
}

// A draft from an unlimited source through 20 ft of 6 in hard suction.
inline void MakeDraft(State& s) {
  s.Supply.SupplyType = kSupplyDraft;
  s.Supply.StaticPress = 0;
  TDischargeRec& intake = s.Discharges[kIntakeLine];
  intake.HoseKind = 2;
  intake.HoseDiam = 0.5;
  intake.HoseLength = 20;
}

}  // namespace pumpdrill::supply_test
