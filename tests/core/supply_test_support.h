// A small apparatus for the supply tests: the records the supply, tank,
// priming and incident routines read, with the default geometry of the
// tank and supply lines and round loss coefficients that make the expected
// numbers easy to work by hand.
#pragma once

#include "recording_host.h"
#include "sim/constants.h"
#include "sim/host.h"
#include "sim/state.h"
#include "sim/supply.h"

namespace pumpdrill::supply_test {

// The shared recording host of the core tests.
using ::pumpdrill::RecordingHost;

// The apparatus with its defaults as far as the supply is concerned: pump
// centre line 3 ft, tank outlet 2 ft; a 1500 gal tank, 4 ft high, full; a
// hydrant of 100 psi; eight discharges, all shut; every incident unset.
inline State MakeState() {
  State s{};
  s.PumpStatus.PumpElev = 3;
  s.PumpStatus.TankBottomElev = 2;
  s.DischargeList.LineCount = 8;
  for (int i = 1; i <= kLineCount; ++i) {
    TDischargeRec& d = s.Discharges[i];
    d.PumpEndElev = 3;
    d.NozzleElev = 3;
    d.HoseLength = 100;
    d.HoseDiam = 2.5 / 12;
  }
  TDischargeRec& tankLine = s.Discharges[kTankToPumpLine];
  tankLine.HoseKind = 1;
  tankLine.HoseLength = 1;
  tankLine.HoseDiam = 3.5 / 12;
  tankLine.NozzleOpen = 1;
  tankLine.NozzleElev = 2;
  tankLine.ValveK = 0.5;
  tankLine.HoseK = 0.1;
  tankLine.ShutoffK = 0.4;

  TDischargeRec& intake = s.Discharges[kIntakeLine];
  intake.HoseKind = 0;
  intake.HoseLength = 100;
  intake.HoseDiam = 5.0 / 12;
  intake.NozzleOpen = 1;
  intake.ValveK = 0.2;
  intake.HoseK = 0.6;
  intake.ShutoffK = 0.2;

  s.Discharges[kTankFillLine].NozzleOpen = 1;

  s.Supply.SupplyType = kSupplyHydrant;
  s.Supply.StaticPress = 100;
  s.Supply.ResidualPress = 100;
  s.Supply.RatedSupplyFlow = 3000;
  s.Supply.Altitude = 300;
  s.Supply.WaterTemp = 50;
  s.MinIntakePress = -14.52;

  TTankRec& t = s.Tank;
  t.Capacity = 1500;
  t.InitialVolume = 1500;
  t.Volume = 1500;
  t.Height = 4;
  t.Level1Fraction = 0.05;
  t.Level2Fraction = 0.26;
  t.Level3Fraction = 0.51;
  t.Level4Fraction = 0.76;

  s.Pump.OilPressSet = 40;
  s.Pump.OilPress = 40;
  s.Pump.PrimeNeedsClosedValves = true;

  TPumpControlRec& pc = s.PumpControl;
  pc.PrimerState = 2;
  pc.PrimerRate = 0.24543671875;
  pc.PrimeHoldTime = 300;
  pc.PrimerOilPercent = 95;

  s.DraftSource.Capacity = 2200;
  s.Tender.FirstCallTime = 300;
  s.Tender.RoundTripTime = 300;
  s.Tender.NextArrival = 300;
  s.Tender.TenderCapacity = 1500;

  for (int n = 1; n <= kIncidentCount; ++n) {
    TIncidentRec& r = s.Incidents[n];
    for (int e = 1; e <= 3; ++e) {
      r.EventTime[e] = kNeverTime;
      r.RecoverTime[e] = kNeverTime;
    }
    r.StopTime = kNeverTime;
    r.Period = 20;
    r.NextChange = kNeverTime;
    r.Fraction = 0.05;
    r.FluctType = 1;
  }
  s.Incidents[8].EventPress[1] = -5;
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
