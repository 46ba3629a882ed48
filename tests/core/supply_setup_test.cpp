#include "setup/supply_setup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "cli/script.h"
#include "default_state.h"
#include "recording_host.h"
#include "setup/incident_time.h"
#include "sim/coefficients.h"
#include "sim/constants.h"
#include "sim/incidents.h"
#include "sim/loss_coefficients.h"
#include "sim/state.h"
#include "sim/supply.h"
#include "sim/tank.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

const HoseFrictionTable kBuiltIn{};

TEST(SupplyTypeChange, DraftAndBackReplaceTheSupplyLineAndItsFriction) {
  auto s = MakeDefaultState();
  NullHost host;
  TDischargeRec& line = s->Discharges[kIntakeLine];
  for (int n :
       {kIncidentFluctuatingSupply, kIncidentShiftingSupply, kIncidentLineRupture, kIncidentKink})
    s->Incidents[n].Use = true;
  s->Supply.IntakePrimed = true;

  ChangeSupplyType(*s, kSupplyDraft, kBuiltIn, host);
  EXPECT_EQ(s->Supply.StaticPress, 0);
  EXPECT_EQ(line.HoseLength, 10);
  EXPECT_EQ(line.HoseDiam, 0.5);
  EXPECT_EQ(line.HoseKind, 2);
  EXPECT_EQ(s->Supply.SupplyName.str(), "Draft");
  // The friction of the new hose, not the old one's.
  EXPECT_DOUBLE_EQ(line.HoseK, HoseFrictionK(10, BuiltInHoseC(6), 0.5, host));
  for (int n :
       {kIncidentFluctuatingSupply, kIncidentShiftingSupply, kIncidentLineRupture, kIncidentKink})
    EXPECT_FALSE(s->Incidents[n].Use) << n;
  EXPECT_FALSE(s->Supply.IntakePrimed);

  s->Incidents[kIncidentLossOfPrime].Use = true;
  s->Incidents[kIncidentHardSuctionCollapse].Use = true;
  s->Tender.Use = true;
  ChangeSupplyType(*s, kSupplyHydrant, kBuiltIn, host);
  EXPECT_EQ(s->Supply.StaticPress, 80);
  EXPECT_EQ(line.HoseLength, 150);
  EXPECT_DOUBLE_EQ(line.HoseDiam, 2.5 / 12);
  EXPECT_EQ(line.HoseKind, 0);
  EXPECT_DOUBLE_EQ(line.HoseC, BuiltInHoseC(2.5));
  EXPECT_DOUBLE_EQ(line.HoseK, HoseFrictionK(150, BuiltInHoseC(2.5), 2.5 / 12, host));
  EXPECT_FALSE(s->Incidents[kIncidentLossOfPrime].Use);
  EXPECT_FALSE(s->Incidents[kIncidentHardSuctionCollapse].Use);
  EXPECT_FALSE(s->Tender.Use);
  EXPECT_GT(s->Supply.SupplyK, 0);

  // A short suction keeps its length.
  line.HoseLength = 20;
  ChangeSupplyType(*s, kSupplyDraft, kBuiltIn, host);
  EXPECT_EQ(line.HoseLength, 20);
}

TEST(HydrantRating, ClassesPicturesAndArrows) {
  struct Case {
    double gpm;
    HydrantClass cls;
    const char* picture;
  };
  const Case cases[] = {{1500, kClassAA, "SUPPLY_HYDRANT_AA"}, {1499, kClassA, "SUPPLY_HYDRANT_A"},
                        {1000, kClassA, "SUPPLY_HYDRANT_A"},   {999, kClassB, "SUPPLY_HYDRANT_B"},
                        {500, kClassB, "SUPPLY_HYDRANT_B"},    {499, kClassC, "SUPPLY_HYDRANT_C"}};
  auto s = MakeDefaultState();
  for (const Case& c : cases) {
    EXPECT_EQ(HydrantClassOf(c.gpm), c.cls) << c.gpm;
    s->Supply.RatedSupplyFlow = c.gpm;
    EXPECT_EQ(SupplyPictureName(*s), c.picture) << c.gpm;
  }
  s->Supply.RatedSupplyFlow = 300;
  StepRatedFlow(*s, -1);
  EXPECT_EQ(s->Supply.RatedSupplyFlow, 300);
  s->Supply.RatedSupplyFlow = 1450;
  StepRatedFlow(*s, +1);
  EXPECT_EQ(s->Supply.RatedSupplyFlow, 1500);
  EXPECT_EQ(SupplyPictureName(*s), "SUPPLY_HYDRANT_AA");
  s->Supply.SupplyType = kSupplyDraft;
  EXPECT_EQ(SupplyPictureName(*s), "SUPPLY_DRAFT");
}

TEST(HydrantRating, AvailableFlowAt20PsiResidual) {
  auto s = MakeDefaultState();  // 3000 gpm at 100 psi
  std::optional<double> q = AvailableFlowAt20(*s);
  ASSERT_TRUE(q);
  EXPECT_NEAR(*q, 2828, 1);
  s->Supply.StaticPress = 20;
  EXPECT_FALSE(AvailableFlowAt20(*s));
}

TEST(IncidentTimeText, UnsetAndMinutes) {
  EXPECT_EQ(IncidentTimeFromText("00:00"), kNeverTime);
  EXPECT_EQ(IncidentTimeText(kNeverTime), "00:00");
  EXPECT_EQ(IncidentTimeFromText("05:30"), 330);
  EXPECT_EQ(IncidentTimeText(330), "05:30");
}

// Each commit with its refusal and the values it keeps in step.
TEST(SupplyCommit, RefusalsAndFollowUps) {
  struct Case {
    SupplySetting setting;
    double value;
    bool running;
    const char* message;  // "" when stored
    double (*field)(const State&);
    double expected;
  };
  const Case cases[] = {
      {SupplySetting::Altitude, 20000, false, "", [](const State& s) { return +s.MinIntakePress; },
       -14.7 + 20 * 0.46},
      {SupplySetting::Altitude, 20001, false, kAltitudeRefusedText,
       [](const State& s) { return +s.Supply.Altitude; }, 300},
      {SupplySetting::Altitude, -10000, false, "",
       [](const State& s) { return +s.Supply.Altitude; }, -10000},
      {SupplySetting::StaticPress, -1, false, kStaticRefusedText,
       [](const State& s) { return +s.Supply.StaticPress; }, 100},
      {SupplySetting::TankCapacity, 0, false, kTankCapacityRefusedText,
       [](const State& s) { return +s.Tank.Capacity; }, 500},
      {SupplySetting::TankHeight, -2, false, kTankHeightRefusedText,
       [](const State& s) { return +s.Tank.Height; }, 5},
      // A full 500 gal tank made 750 gal starts full, with 750 gal.
      {SupplySetting::TankCapacity, 750, false, "", [](const State& s) { return +s.Tank.Volume; },
       750},
      // During a run the water stays in the larger tank; in a smaller one
      // it is what fits.
      {SupplySetting::TankCapacity, 750, true, "", [](const State& s) { return +s.Tank.Volume; },
       400},
      {SupplySetting::TankCapacity, 300, true, "", [](const State& s) { return +s.Tank.Volume; },
       300},
      {SupplySetting::TankHeight, 10, true, "", [](const State& s) { return +s.Tank.Volume; }, 400},
      {SupplySetting::TankHeight, 10, true, "", [](const State& s) { return +s.Tank.WaterDepth; },
       8},
      {SupplySetting::TankHeight, 10, false, "", [](const State& s) { return +s.Tank.Volume; },
       500},
      {SupplySetting::DumpTankCapacity, 2000, true, "",
       [](const State& s) { return +s.DraftSource.Volume; }, 2000},
      {SupplySetting::DumpTankCapacity, 0, true,
       "Dump tank size must be greater than zero  gal .  Value unchanged.",
       [](const State& s) { return +s.DraftSource.Capacity; }, 3000},
      // Beyond what any apparatus has: refused with the range.
      {SupplySetting::TankCapacity, 150000, false,
       "Tank capacity 150000 gal is outside its range, 0 to 100000 gal.  Value unchanged.",
       [](const State& s) { return +s.Tank.Capacity; }, 500},
      {SupplySetting::TankHeight, 150, false,
       "Tank height 150 ft is outside its range, 0.1 to 100 ft.  Value unchanged.",
       [](const State& s) { return +s.Tank.Height; }, 5},
      {SupplySetting::StaticPress, 1200, false,
       "Static pressure 1200 psi is outside its range, -100 to 1000 psi.  Value unchanged.",
       [](const State& s) { return +s.Supply.StaticPress; }, 100},
      {SupplySetting::Elevation, 6000, false,
       "Elevation 6000 ft is outside its range, -5000 to 5000 ft.  Value unchanged.",
       [](const State& s) { return +s.Discharges[kIntakeLine].PumpEndElev; }, 3},
      {SupplySetting::WaterTemp, 300, false,
       "Water temperature 300 F is outside its range, 0 to 250 F.  Value unchanged.",
       [](const State& s) { return +s.Supply.WaterTemp; }, 50},
      {SupplySetting::TankState, 2, false, "", [](const State& s) { return +s.Tank.Volume; }, 250},
      {SupplySetting::TankState, 2, true, "", [](const State& s) { return +s.Tank.Volume; }, 400},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    RecordingHost host;
    s->Tank.Capacity = s->Tank.InitialVolume = 500;
    s->Tank.Height = 5;
    UpdateTank(*s, true, host);
    s->Tank.Volume = 400;
    s->DraftSource.Capacity = s->DraftSource.Volume = 3000;
    SupplyCommit commit = CommitSupplySetting(*s, c.setting, c.value, c.running, host);
    SCOPED_TRACE(int(c.setting));
    SCOPED_TRACE(c.value);
    EXPECT_EQ(commit.Stored, std::string(c.message).empty());
    EXPECT_EQ(commit.Message, c.message);
    EXPECT_NEAR(c.field(*s), c.expected, 1e-9);
  }
}

// A metric window's refusals give the typed value and the range in the
// units it shows.
TEST(SupplyCommit, MetricRefusalsInTheUnitsShown) {
  DisplayUnits kpa, bar;
  ApplyUnits(kpa, true, false);
  ApplyUnits(bar, true, true);
  struct Case {
    const DisplayUnits& units;
    SupplySetting setting;
    double stored;
    const char* message;
  };
  const Case cases[] = {
      {kpa, SupplySetting::StaticPress, FromEntry(kpa, kUnitPressure, 8000),
       "Static pressure 8000 KPa is outside its range, -689.4 to 6894 KPa.  Value unchanged."},
      {bar, SupplySetting::StaticPress, FromEntry(bar, kUnitPressure, 80),
       "Static pressure 80 bar is outside its range, -6.89 to 68.94 bar.  Value unchanged."},
      {kpa, SupplySetting::Elevation, FromEntry(kpa, kUnitLength, -2000),
       "Elevation -2000 m is outside its range, -1525 to 1525 m.  Value unchanged."},
      {kpa, SupplySetting::TankCapacity, FromEntry(kpa, kUnitVolume, 400000),
       "Tank capacity 400000 L is outside its range, 0 to 379000 L.  Value unchanged."},
      {kpa, SupplySetting::TankHeight, FromEntry(kpa, kUnitLength, 40),
       "Tank height 40 m is outside its range, 0.03 to 30.5 m.  Value unchanged."},
      {kpa, SupplySetting::DumpTankCapacity, FromEntry(kpa, kUnitVolume, 4e9),
       "Dump tank capacity 4000000000 L is outside its range, 0 to 3790000000 L.  Value "
       "unchanged."},
      {kpa, SupplySetting::WaterTemp, TempFromEntry(kpa, 130),
       "Water temperature 130 deg C is outside its range, -17.78 to 121.11 deg C.  Value "
       "unchanged."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    auto s = MakeDefaultState();
    const auto before = std::make_unique<State>(*s);
    RecordingHost host;
    SupplyCommit commit = CommitSupplySetting(*s, c.setting, c.stored, false, host, c.units);
    EXPECT_FALSE(commit.Stored);
    EXPECT_EQ(commit.Message, c.message);
    EXPECT_EQ(std::memcmp(before.get(), s.get(), sizeof(State)), 0);
  }
}

TEST(SupplyIncidents, SubPanelsStoreWithTheirLimits) {
  auto s = MakeDefaultState();
  SetFluctuation(*s, {kNeverTime, 120, 150, 2, 0});
  const TIncidentRec& f = s->Incidents[kIncidentFluctuatingSupply];
  EXPECT_EQ(f.Fraction, 1.0);
  EXPECT_EQ(f.Period, 20);
  EXPECT_EQ(f.FluctType, 2);
  EXPECT_EQ(f.StopTime, 120);
  SetFluctuation(*s, {60, 120, -5, 7, 12.5});
  EXPECT_EQ(f.Fraction, 0);
  EXPECT_EQ(f.FluctType, 1);
  EXPECT_EQ(f.Period, 12.5);

  s->SimClock.Time = 600;
  EXPECT_TRUE(SetTender(*s, {300, 600, 1000}, true).Stored);
  EXPECT_EQ(s->Tender.NextArrival, 900);
  EXPECT_EQ(SetTender(*s, {300, kNeverTime, 1000}, true).Message, kRefillRefusedText);
  EXPECT_EQ(SetTender(*s, {300, 60, 0}, true).Message, kTenderCapacityRefusedText);
  EXPECT_EQ(SetTender(*s, {300, 60, 2e5}, true).Message,
            "Tender tank 200000 gal is outside its range, 0 to 100000 gal.  Value unchanged.");
  DisplayUnits metric;
  ApplyUnits(metric, true, false);
  EXPECT_EQ(SetTender(*s, {300, 60, FromEntry(metric, kUnitVolume, 400000)}, true, metric).Message,
            "Tender tank 400000 L is outside its range, 0 to 379000 L.  Value unchanged.");
  EXPECT_EQ(s->Tender.TenderCapacity, 1000);

  // A collapse or shift pressure no supply has keeps the one before.
  SetCollapsePress(*s, -8);
  SetCollapsePress(*s, 1e20);
  EXPECT_EQ(s->Incidents[kIncidentHardSuctionCollapse].EventPress[1], -8);

  s->Incidents[kIncidentKink].StartTime() = 50;
  SetIncidentUse(*s, kIncidentKink, true);
  EXPECT_EQ(s->Incidents[kIncidentKink].StartTime(), 0);
}

TEST(SupplyScript, TypeAndSettingsAsTheWindowCommitsThem) {
  auto s = MakeDefaultState();
  RecordingHost host;
  Script script;
  std::string error;
  ASSERT_TRUE(
      ParseScript("0 supply type draft\n1 supply altitude 30000\n2 supply type relay\n"
                  "3 supply static 65\n4 supply rated down",
                  script, error))
      << error;
  for (const ScriptAction& a : script.actions) ApplyScriptAction(*s, a, true, host);
  EXPECT_EQ(s->Supply.SupplyType, kSupplyRelay);
  EXPECT_EQ(s->Discharges[kIntakeLine].HoseLength, 150);
  EXPECT_EQ(s->Supply.StaticPress, 65);
  EXPECT_EQ(s->Supply.RatedSupplyFlow, 2950);
  EXPECT_EQ(host.Texts(), std::string(kAltitudeRefusedText) + "\n");
  EXPECT_FALSE(ParseScript("0 supply type lake", script, error));
}

}  // namespace
}  // namespace pumpdrill
