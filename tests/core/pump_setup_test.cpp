#include "setup/pump_setup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "default_state.h"
#include "setup/incident_time.h"
#include "setup/pump_graph.h"
#include "sim/constants.h"
#include "sim/pump_curve.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

TEST(PumpGraph, DefaultPumpCurvesInBothModes) {
  struct Case {
    int mode;
    double topAtZero, topAtRated;
  };
  for (Case c : {Case{1, 161.0, 93.5}, Case{2, 80.5, 72.0}}) {
    SCOPED_TRACE(c.mode);
    auto s = MakeDefaultState();
    SetStageMode(*s, c.mode);
    PumpGraph g = PumpGraphPoints(*s);
    ASSERT_TRUE(g.Drawable);
    const PumpGraphCurve& top = g.Curves[4];
    EXPECT_NEAR(top.PumpRpm, 1500 * 2.27, 1e-9);
    EXPECT_NEAR(top.Points[0].Psi, c.topAtZero, 0.05);
    EXPECT_NEAR(top.Points[10].Gpm, 1500, 1e-9);
    EXPECT_NEAR(top.Points[10].Psi, c.topAtRated, 0.05);
    EXPECT_NEAR(g.HighPress, top.Points[0].Psi, 1e-9);
    // Five curves by index, evenly between idle and the reference speed.
    for (int k = 0; k < 5; ++k)
      EXPECT_NEAR(g.Curves[k].PumpRpm, 1050 * 2.27 + (k + 1) * 450 * 2.27 / 5, 1e-9);
  }
}

TEST(PumpGraph, NetPressureIgnoresIntakeAndNeverFallsBelowZero) {
  auto s = MakeDefaultState();
  s->Supply.IntakePress = 60;
  s->Pump.IdlePress = 0;  // the lowest curve falls below 0 at capacity
  SetLowSpeedPress(*s, 0);
  PumpGraph g = PumpGraphPoints(*s);
  EXPECT_NEAR(g.Curves[4].Points[0].Psi, HighSpeedPress(s->Pump), 1e-9);
  EXPECT_EQ(g.Curves[0].Points[10].Psi, 0);
}

TEST(PumpGraph, ZeroSpanOrPressureStillGivesFiveCurves) {
  auto s = MakeDefaultState();
  s->Pump.RatedImpellerRpm = s->Pump.IdleImpellerRpm;  // a zero step
  s->Pump.IdlePress = 0;
  s->Pump.PressPerRpm = 0;
  PumpGraph g = PumpGraphPoints(*s);
  EXPECT_FALSE(g.Drawable);
  EXPECT_EQ(g.Curves.size(), 5u);
}

TEST(AcceptanceTest, SpeedsGiveTheTestPressuresInEitherMode) {
  auto s = MakeDefaultState();
  auto speeds = AcceptanceTestSpeeds(*s);
  const long expected[] = {1680, 1730, 1838};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(std::lround(speeds[i].EngineRpm), expected[i]) << i;
  for (int mode : {1, 2}) {
    SetStageMode(*s, mode);
    for (const TestPointSpeed& t : AcceptanceTestSpeeds(*s)) {
      ASSERT_TRUE(t.Reachable);
      double q = t.Gpm / kGpmPerCfs;
      EXPECT_NEAR(PumpPressure(*s, q, mode, 2.27, s->Pump.PumpLossK[1], t.EngineRpm), t.NetPsi, 1e-6);
    }
  }
  s->Engine.MaxRpm = 1700;
  SetStageMode(*s, 1);
  speeds = AcceptanceTestSpeeds(*s);
  EXPECT_TRUE(speeds[0].Reachable);
  EXPECT_FALSE(speeds[1].Reachable);
}

TEST(PumpSetup, GearRatioMovesBothImpellerSpeeds) {
  auto s = MakeDefaultState();
  ASSERT_TRUE(SetGearRatio(*s, 1.88));
  EXPECT_DOUBLE_EQ(s->Pump.IdleImpellerRpm, 1050 * 1.88);
  EXPECT_DOUBLE_EQ(s->Pump.RatedImpellerRpm, 1500 * 1.88);
  EXPECT_DOUBLE_EQ(ReferenceEngineRpm(s->Pump), 1500);
  for (double bad : {0.0, -1.0, std::nan("")}) EXPECT_FALSE(SetGearRatio(*s, bad));
  EXPECT_DOUBLE_EQ(s->Pump.GearRatio, 1.88);
}

TEST(PumpSetup, LowSpeedPressureKeepsTheSlopeInEitherMode) {
  for (int mode : {1, 2}) {
    SCOPED_TRACE(mode);
    auto s = MakeDefaultState();
    SetStageMode(*s, mode);
    double slope = s->Pump.PressPerRpm;
    double rise = HighSpeedPress(s->Pump) - IdlePressOfMode(s->Pump);
    ASSERT_TRUE(SetLowSpeedPress(*s, 100));
    EXPECT_DOUBLE_EQ(s->Pump.IdlePress, mode == 2 ? 200 : 100);
    EXPECT_DOUBLE_EQ(s->Pump.IdlePressVolume, mode == 2 ? 100 : 50);
    EXPECT_NEAR(s->Pump.PressPerRpm, slope, 1e-12);
    EXPECT_NEAR(HighSpeedPress(s->Pump), 100 + rise, 1e-9);
  }
}

TEST(PumpSetup, HighSpeedPressureSetsTheSlopeOfTheCurrentMode) {
  for (int mode : {1, 2}) {
    SCOPED_TRACE(mode);
    auto s = MakeDefaultState();
    SetStageMode(*s, mode);
    ASSERT_TRUE(SetHighSpeedPress(*s, 250));
    EXPECT_NEAR(HighSpeedPress(s->Pump), 250, 1e-9);
    EXPECT_NEAR(s->Pump.PressPerRpmVolume * 2, s->Pump.PressPerRpm, 1e-12);
    EXPECT_FALSE(SetHighSpeedPress(*s, IdlePressOfMode(s->Pump)));  // a flat curve
    EXPECT_NEAR(HighSpeedPress(s->Pump), 250, 1e-9);
  }
}

TEST(PumpSetup, StagesAndEfficiency) {
  auto s = MakeDefaultState();
  SetStageMode(*s, 2);
  SetTwoStage(*s, false);
  EXPECT_EQ(s->Pump.StageMode, 1);
  EXPECT_EQ(s->Pump.TwoStage, 0);
  SetTwoStage(*s, true);
  SetStageMode(*s, 2);
  SetFlowEfficiency(*s, 0.5);
  // The solution reads the pressure mode's loss in either mode.
  EXPECT_DOUBLE_EQ(s->Pump.PumpLossK[1], 0.000075);
  EXPECT_DOUBLE_EQ(s->Pump.PumpLossK[2], 0.000075);
}

// A ratio or capacity no pump has is refused with its range; the ends are taken.
TEST(PumpSetup, RatioAndCapacityKeepToTheirRange) {
  struct Case {
    bool metric;
    PumpSetting setting;
    double typed;         // as the window shows it
    const char* message;  // "" when stored
  };
  const Case cases[] = {
      {false, PumpSetting::Ratio, 12,
       "Pump / engine ratio 12 is outside its range, 0.1 to 10.  Value unchanged."},
      {false, PumpSetting::Ratio, 0.05,
       "Pump / engine ratio 0.05 is outside its range, 0.1 to 10.  Value unchanged."},
      {true, PumpSetting::Ratio, 12,
       "Pump / engine ratio 12 is outside its range, 0.1 to 10.  Value unchanged."},
      {false, PumpSetting::Ratio, 10, ""},
      {false, PumpSetting::Capacity, 25000,
       "Capacity 25000 gpm is outside its range, 0 to 20000 gpm.  Value unchanged."},
      {false, PumpSetting::Capacity, 20000, ""},
      {true, PumpSetting::Capacity, 80000,
       "Capacity 80000 lpm is outside its range, 0 to 75800 lpm.  Value unchanged."},
      {true, PumpSetting::Capacity, 75000, ""},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    DisplayUnits u;
    ApplyUnits(u, c.metric, false);
    const double value =
        c.setting == PumpSetting::Capacity ? FromEntry(u, kUnitFlow, c.typed) : c.typed;
    const auto before = std::make_unique<State>(*s);
    const PumpCommit commit = CommitPumpSetting(*s, c.setting, value, u);
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(commit.Message, c.message);
    EXPECT_EQ(commit.Stored, std::string(c.message).empty());
    if (!commit.Stored) {
      EXPECT_EQ(std::memcmp(before.get(), s.get(), sizeof(State)), 0);
    }
  }
}

TEST(PumpSetup, RangesOfPrimerOilAndCoolant) {
  auto s = MakeDefaultState();
  EXPECT_TRUE(SetPrimerRate(*s, 0));
  EXPECT_TRUE(SetPrimerRate(*s, 10000));
  EXPECT_FALSE(SetPrimerRate(*s, 10000.5));
  EXPECT_FALSE(SetPrimerRate(*s, -1));
  EXPECT_EQ(s->PumpControl.PrimerRate, 10000);
  EXPECT_TRUE(SetOilPressSet(*s, 60, true));  // during a run the gauge goes on
  EXPECT_EQ(s->Pump.OilPress, 40);
  EXPECT_TRUE(SetOilPressSet(*s, 55, false));
  EXPECT_EQ(s->Pump.OilPress, 55);
  EXPECT_FALSE(SetOilWarnPress(*s, -5));
  EXPECT_FALSE(SetCoolantTempSet(*s, -1, false));
  EXPECT_EQ(s->Pump.CoolantTempSet, 105);
}

TEST(IncidentTime, TextsAndSeconds) {
  struct Case {
    const char* text;
    double seconds;
  };
  for (Case c : {Case{"07:05", 425}, Case{"7:05", 425}, Case{" 7:05", 425}, Case{"_7:05", 425},
                 Case{"00:00", kNeverTime}, Case{"  :  ", kNeverTime}, Case{"00:90", 90},
                 Case{"1x:00", kNeverTime}, Case{"1200", kNeverTime}}) {
    EXPECT_EQ(IncidentTimeFromText(c.text), c.seconds) << c.text;
  }
  EXPECT_EQ(IncidentTimeText(425), "07:05");
  EXPECT_EQ(IncidentTimeText(kNeverTime), "00:00");
  EXPECT_EQ(IncidentTimeText(0, true), "");
}

}  // namespace
}  // namespace pumpdrill
