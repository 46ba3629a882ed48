#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "default_state.h"
#include "sim/coefficients.h"
#include "sim/constants.h"
#include "sim/run_clock.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;
using testing::TestConfiguration;

TEST(StateRecords, SizesOfTheStoredBlocks) {
  struct Size {
    const char* record;
    std::size_t actual, expected;
  };
  const Size sizes[] = {
      {"TDischargeRec", sizeof(TDischargeRec), 1176}, {"TDischargeListRec", sizeof(TDischargeListRec), 4887},
      {"TPumpRec", sizeof(TPumpRec), 1048},           {"TPumpStatusRec", sizeof(TPumpStatusRec), 80},
      {"TEngineRec", sizeof(TEngineRec), 840},        {"TPumpControlRec", sizeof(TPumpControlRec), 952},
      {"TPumpOutputRec", sizeof(TPumpOutputRec), 784}, {"TSupplyRec", sizeof(TSupplyRec), 880},
      {"TTankRec", sizeof(TTankRec), 928},            {"TSimClockRec", sizeof(TSimClockRec), 64},
      {"TDraftSourceRec", sizeof(TDraftSourceRec), 40}, {"TTenderRec", sizeof(TTenderRec), 56},
      {"TIncidentRec", sizeof(TIncidentRec), 160},    {"TShowOptionsRec", sizeof(TShowOptionsRec), 16},
      {"TBurnHouseRec", sizeof(TBurnHouseRec), 496},  {"ShortString", sizeof(ShortString), 256},
  };
  for (const Size& s : sizes) EXPECT_EQ(s.actual, s.expected) << s.record;
  EXPECT_EQ(sizeof(State{}.Discharges), 19 * 1176u);
  EXPECT_EQ(sizeof(State{}.Incidents), 9 * 160u);
}

TEST(StateRecords, ShortStringTruncatesAt255) {
  ShortString t(std::string(300, 'x'));
  EXPECT_EQ(t.length, 255);
  EXPECT_EQ(t.str(), std::string(255, 'x'));
  t = "Deck Gun";
  EXPECT_EQ(t.str(), "Deck Gun");
}

TEST(StateDefaults, PumpStatusAndEngine) {
  auto s = MakeDefaultState();
  const TPumpStatusRec& ps = s->PumpStatus;
  EXPECT_EQ(ps.TankBottomElev, 2);
  EXPECT_EQ(ps.PumpElev, 3);
  EXPECT_EQ(ps.GaugeMaxPress, 600);
  EXPECT_EQ(ps.CompoundMinPress, -15);
  EXPECT_FALSE(ps.Cavitating || ps.WaterAtPump || ps.Primed || ps.PrimedBefore);
  EXPECT_EQ(ps.CavitationTime, 0);

  const TEngineRec& e = s->Engine;
  EXPECT_EQ(e.IdleRpm, 1050);
  EXPECT_EQ(e.Rpm, 1050);
  EXPECT_EQ(e.RpmDemand, 1050);
  EXPECT_EQ(e.MinIdleRpm, 500);
  EXPECT_EQ(e.MaxRpm, 4000);
  EXPECT_EQ(e.Spare328, 2500);
  EXPECT_EQ(e.SoundRefRpm, 4000);
  EXPECT_EQ(e.CavitationRpm, 0);
}

TEST(StateDefaults, Pump) {
  auto s = MakeDefaultState();
  const TPumpRec& p = s->Pump;
  EXPECT_EQ(p.GearRatio, 2.27);
  EXPECT_EQ(p.OilPressSet, 40);
  EXPECT_EQ(p.OilPress, 40);
  EXPECT_EQ(p.OilWarnPress, 20);
  EXPECT_EQ(p.CoolantTempSet, 105);
  EXPECT_EQ(p.CoolantTemp, 105);
  EXPECT_EQ(p.CoolantWarnTemp, 225);
  EXPECT_EQ(p.EngineHeat, 50);
  EXPECT_EQ(p.EngineCooler, 2);
  EXPECT_EQ(p.RatedFlow, 1500);
  EXPECT_EQ(p.TwoStage, 1);
  EXPECT_EQ(p.StageMode, 1);
  // The impeller speeds follow the engine's idle and the gear ratio.
  EXPECT_DOUBLE_EQ(p.IdleImpellerRpm, 1050 * 2.27);
  EXPECT_DOUBLE_EQ(p.RatedImpellerRpm, 1500 * 2.27);
  EXPECT_EQ(p.IdlePress, 20);
  EXPECT_EQ(p.IdlePressVolume, 10);
  EXPECT_EQ(p.Spare380, 4800);
  EXPECT_EQ(p.Spare388, 4800);
  EXPECT_EQ(p.Spare390, 600);
  EXPECT_EQ(p.Spare398, 300);
  EXPECT_DOUBLE_EQ(p.PressPerRpm, 0.138);
  EXPECT_DOUBLE_EQ(p.PressPerRpmVolume, 0.069);
  EXPECT_DOUBLE_EQ(p.PressIntercept, -383.2);
  EXPECT_DOUBLE_EQ(p.PressInterceptSeries, -191.6);
  EXPECT_EQ(p.FlowEfficiency, 0.8);
  EXPECT_EQ(p.PrimeNeedsClosedValves, 1);
  EXPECT_FALSE(p.CoolFromTank || p.EngineTempModel);
}

TEST(StateDefaults, SupplyTankAndOutput) {
  auto s = MakeDefaultState();
  const TSupplyRec& u = s->Supply;
  EXPECT_EQ(u.SupplyName.str(), "Hydrant");
  EXPECT_EQ(u.SupplyType, 0);
  EXPECT_EQ(u.WaterTemp, 50);
  EXPECT_EQ(u.StaticPress, 100);
  EXPECT_EQ(u.ResidualPress, 100);
  EXPECT_EQ(u.RatedSupplyFlow, 3000);
  EXPECT_EQ(u.Altitude, 300);
  EXPECT_FALSE(u.IntakePrimed || u.SupplyAvailable);

  const TTankRec& t = s->Tank;
  EXPECT_EQ(t.Capacity, 1500);
  EXPECT_EQ(t.InitialVolume, 1500);
  EXPECT_EQ(t.Volume, 1500);
  EXPECT_EQ(t.Height, 4);
  EXPECT_DOUBLE_EQ(t.BaseArea, 1500 / 7.48 / 4);
  EXPECT_DOUBLE_EQ(t.WaterDepth, 4);  // a full tank
  EXPECT_EQ(t.Spare308, 0.25);
  EXPECT_EQ(t.Spare310, 3.0);
  EXPECT_EQ(t.Spare338, 5);
  EXPECT_EQ(t.Spare348, 6);
  EXPECT_EQ(t.Level1Fraction, 0.05);
  EXPECT_EQ(t.Level2Fraction, 0.26);
  EXPECT_EQ(t.Level3Fraction, 0.51);
  EXPECT_EQ(t.Level4Fraction, 0.76);

  EXPECT_EQ(s->PumpOutput.DischargePress, 0);
  EXPECT_EQ(s->PumpOutput.TotalFlow, 0);
}

TEST(StateDefaults, PumpControl) {
  auto s = MakeDefaultState();
  const TPumpControlRec& c = s->PumpControl;
  EXPECT_TRUE(c.PanelFileName.empty());
  EXPECT_EQ(c.Spare300, 0);
  EXPECT_EQ(c.Spare302, 1);
  EXPECT_EQ(c.ReliefMode, 2);
  EXPECT_EQ(c.ReliefSetPress, 150);
  EXPECT_EQ(c.ReliefMinPress, 50);
  EXPECT_EQ(c.ReliefMaxPress, 300);
  EXPECT_EQ(c.PressureControlMode, 0);
  EXPECT_EQ(c.GovernorMode, 1);
  EXPECT_EQ(c.GovernorSetPress, 150);
  EXPECT_EQ(c.GovernorPressInit, 150);
  EXPECT_EQ(c.GovernorSetRpm, 1050);  // the engine's idle
  EXPECT_EQ(c.GovernorRpmInit, 1050);
  EXPECT_EQ(c.Spare350, 4000);
  EXPECT_EQ(c.GovernorPressBand, 0.4);
  EXPECT_EQ(c.GovernorRpmBand, 0.4);
  EXPECT_EQ(c.Spare372, 1);
  EXPECT_EQ(c.PrimerState, 2);
  EXPECT_EQ(c.PrimerRate, 0.24543671875);
  EXPECT_EQ(c.PrimeHoldTime, 300);
  EXPECT_EQ(c.PrimerOilPercent, 95);
  EXPECT_FALSE(c.PrimeLossArmed);
}

// The lines that differ from the common defaults, as the apparatus is
// delivered: hose, tip, nozzle kind and height of each line.
struct LineDefault {
  int line;
  const char* title;
  double hoseLength, hoseDiam, tipDiam;
  int nozzleType, hoseKind, masterKind;
  bool isMaster;
  double nozzleOpen, nozzleElev, ratedPress;
};

constexpr double k25 = 2.5 / 12;
constexpr double k1 = 1.0 / 12;
const LineDefault kLines[] = {
    {1, "No. 3 Disch.", 150, k25, k1, 1, 0, 0, false, 0, 3, 100},
    {2, "No. 2 Disch.", 250, k25, k1, 0, 0, 0, false, 0, 3, 50},
    {3, "No. 2 Crosslay", 350, k25, k1, 0, 0, 0, false, 0, 3, 50},
    {4, "Deck Gun", 3, 0.25, 0.125, 0, 1, 0, true, 1, 10, 80},
    {5, "No. 1 Crosslay", 200, k25, k1, 0, 0, 0, false, 0, 3, 50},
    {6, "1-1/2 Preconnect", 200, 0.125, k1, 1, 0, 0, false, 0, 3, 100},
    {7, "No. 1 Disch.", 150, k25, k1, 1, 0, 0, false, 0, 3, 100},
    {8, "Ladder", 30, k25, 0.14583, 0, 1, 2, true, 1, 23, 80},
    {9, "9 Disch.", 150, k25, k1, 1, 0, 0, false, 0, 3, 100},
    {12, "12 Disch.", 150, k25, k1, 1, 0, 0, false, 0, 3, 100},
    {15, "15 Disch.", 150, k25, k1, 1, 0, 0, false, 0, 3, 100},
    {16, "Tank Fill", 3, 0.125, k1, 4, 1, 0, false, 1, 3, 100},
    {17, "Tank to Pump", 1, 0.29167, k1, 4, 1, 0, false, 1, 2, 100},
    {18, "Intake", 100, 0.41667, k1, 4, 0, 0, false, 1, 3, 0.41667},
};

TEST(StateDefaults, EachLineAsDelivered) {
  auto s = MakeDefaultState();
  for (const LineDefault& w : kLines) {
    SCOPED_TRACE("line " + std::to_string(w.line));
    const TDischargeRec& d = s->Discharges[w.line];
    EXPECT_EQ(s->DischargeList.LineTitle[w.line].str(), w.title);
    EXPECT_EQ(d.HoseLength, w.hoseLength);
    EXPECT_DOUBLE_EQ(d.HoseDiam, w.hoseDiam);
    EXPECT_DOUBLE_EQ(d.TipDiam, w.tipDiam);
    EXPECT_EQ(d.NozzleType, w.nozzleType);
    EXPECT_EQ(d.HoseKind, w.hoseKind);
    EXPECT_EQ(d.MasterKind, w.masterKind);
    EXPECT_EQ(d.IsMaster != 0, w.isMaster);
    EXPECT_EQ(d.NozzleOpen, w.nozzleOpen);
    EXPECT_EQ(d.NozzleShut != 0, w.nozzleOpen <= 0);
    EXPECT_EQ(d.PumpEndElev, 3);
    EXPECT_EQ(d.NozzleElev, w.nozzleElev);
    EXPECT_DOUBLE_EQ(d.NozzleRatedPress, w.ratedPress);
    // Derived from the line's own hose.
    EXPECT_EQ(d.HoseDiamSet, d.HoseDiam);
    EXPECT_EQ(d.ShutoffDiam, d.HoseDiam);
    EXPECT_EQ(d.HoseC, DefaultHoseC(TestConfiguration().Sim.HoseFriction, d.HoseDiam * 12));
    for (int k = 1; k <= 3; ++k) {
      EXPECT_EQ(d.BranchDiam[k], d.HoseDiam);
      EXPECT_EQ(d.BranchLength[k], d.HoseLength);
      EXPECT_EQ(d.BranchK[k], -1);
    }
    EXPECT_DOUBLE_EQ(d.ValveDiam, w.line == 18 ? 0.41667 : k25);
    EXPECT_EQ(d.ValveOpen, 0);
    EXPECT_TRUE(d.NozzleOperable);
    EXPECT_EQ(d.Layout, 0);
    EXPECT_EQ(d.Flow, 0);
  }
}

TEST(StateDefaults, MasterGaugeLineStaysEmpty) {
  auto s = MakeDefaultState();
  const TDischargeRec zero{};
  EXPECT_EQ(std::memcmp(&s->Discharges[19], &zero, sizeof zero), 0);
  EXPECT_EQ(s->DischargeList.LineTitle[19].str(), "Master Disch.");
  EXPECT_EQ(s->DischargeList.LineCount, 8);
}

TEST(StateDefaults, DraftSourceTenderAndIncidents) {
  auto s = MakeDefaultState();
  EXPECT_EQ(s->DraftSource.Capacity, 2200);
  EXPECT_EQ(s->DraftSource.Spare20, 3);
  EXPECT_FALSE(s->Tender.Use);
  EXPECT_EQ(s->Tender.FirstCallTime, 300);
  EXPECT_EQ(s->Tender.RoundTripTime, 300);
  EXPECT_EQ(s->Tender.Spare28, 1500);
  EXPECT_EQ(s->Tender.TenderCapacity, 1500);

  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE("incident " + std::to_string(n));
    const TIncidentRec& r = s->Incidents[n];
    EXPECT_FALSE(r.Use);
    for (int e = 1; e <= 3; ++e) {
      EXPECT_FALSE(r.Done[e]);
      EXPECT_EQ(r.EventTime[e], kNeverTime);
      EXPECT_EQ(r.RecoverTime[e], kNeverTime);
    }
    EXPECT_EQ(r.StartTime(), kNeverTime);
    EXPECT_EQ(r.StopTime, kNeverTime);
    EXPECT_EQ(r.NextChange, kNeverTime);
    EXPECT_EQ(r.Period, 20);
    EXPECT_EQ(r.Spare88, 1);
    EXPECT_EQ(r.Fraction, 0.05);
    EXPECT_EQ(r.FluctType, 1);
    EXPECT_EQ(r.EventPress[1], n == 8 ? -5 : 0);
  }
}

TEST(StateDefaults, BurnHouseInputs) {
  auto s = MakeDefaultState();
  const TBurnHouseRec& b = s->BurnHouse;
  EXPECT_TRUE(b.StayOnTop);
  EXPECT_EQ(b.AmbientTemp, 60);
  EXPECT_EQ(b.Length, 100);
  EXPECT_EQ(b.Width, 40);
  EXPECT_EQ(b.Height, 30);
  EXPECT_EQ(b.VentArea, 56.25);
  EXPECT_EQ(b.VentHeight, 15);
  EXPECT_EQ(b.TotalFireLoad, 20000);
  EXPECT_EQ(b.AppEfficiency, 0.1);
  EXPECT_EQ(b.HeatFactor, 1.0);
  EXPECT_EQ(b.CombustionEfficiency, 0.8);
  EXPECT_EQ(b.Description.str(), "old warehouse");
  // The provisional 10.0 is replaced by the reset: a tenth burned.
  EXPECT_EQ(b.BurnedFraction, 0.1);
  EXPECT_EQ(b.NetHeat, 0);
  EXPECT_EQ(b.LastUpdateTime, 0);
}

// The defaults do not depend on what the records held before, and they
// leave the display options (read from the configuration) alone.
TEST(StateDefaults, OverwriteWhateverWasThere) {
  auto clean = MakeDefaultState();

  auto dirty = std::make_unique<State>();
  std::memset(static_cast<void*>(dirty.get()), 0xA5, sizeof(State));
  dirty->ShowOptions = clean->ShowOptions;
  dirty->MinIntakePress = clean->MinIntakePress;
  dirty->DischargeList = clean->DischargeList;
  dirty->FoamSetup = clean->FoamSetup;  // the panel's, like the line list
  dirty->PadAfterDischargeList = {};
  dirty->PadAfterSiameseSecondary = {};
  NullHost host;
  SetDefaultState(*dirty, TestConfiguration().Sim, host);
  EXPECT_EQ(std::memcmp(dirty.get(), clean.get(), sizeof(State)), 0);

  auto opts = std::make_unique<State>();
  opts->ShowOptions.WaterHammerLimit = 123;
  opts->ShowOptions.IndicatePrimed = 1;
  opts->MinIntakePress = -14.52;
  SetDefaultState(*opts, TestConfiguration().Sim, host);
  EXPECT_EQ(opts->ShowOptions.WaterHammerLimit, 123);
  EXPECT_EQ(opts->ShowOptions.IndicatePrimed, 1);
  EXPECT_EQ(opts->MinIntakePress, -14.52);
}

TEST(RunClock, ResetZeroesTheClockAndSchedulesTheTender) {
  auto s = MakeDefaultState();
  s->SimClock = {1, 2, 3, 4, 5, 6, 7, 8};
  s->Pump.NextTempUpdate = 9;
  s->PumpStatus.CavitationStart = 10;
  s->PumpStatus.CavitationTime = 11;
  s->PumpStatus.CavitationRatio = 0.5;
  s->Tender.FirstCallTime = 420;
  s->Tender.NextArrival = 5;
  s->BurnHouse.LastUpdateTime = 12;
  ResetRunClock(*s);
  const TSimClockRec zero{};
  EXPECT_EQ(std::memcmp(&s->SimClock, &zero, sizeof zero), 0);
  EXPECT_EQ(s->Pump.NextTempUpdate, 0);
  EXPECT_EQ(s->PumpStatus.CavitationStart, 0);
  EXPECT_EQ(s->PumpStatus.CavitationTime, 0);
  EXPECT_EQ(s->PumpStatus.CavitationRatio, 0.5);  // not a clock
  EXPECT_EQ(s->Tender.NextArrival, 420);
  EXPECT_EQ(s->BurnHouse.LastUpdateTime, 0);
}

}  // namespace
}  // namespace pumpdrill
