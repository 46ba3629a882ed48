// The foam system's settings and the panel's foam and compressed-air
// controls: the proportioner's range and fraction, the tank switch, the
// controls at rest, the capacity refill, the pictures, the lamp, the
// display and the mouse.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "panel/controls/foam_controls.h"
#include "panel/foam_faces.h"
#include "setup/foam_setup_edit.h"
#include "sim/foam_system.h"
#include "sim/foam_use.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

constexpr ControlRun kRunning{true, false};
constexpr ControlRun kIdle{false, false};
constexpr ControlRun kDesigning{true, true};

TEST(FoamSystem, PercentSetHeldInEachRangeOnTenthSteps) {
  struct Case {
    int range;
    double asked, held;
  } cases[] = {
      {kFoamRangeTenthToOne, 0, 0.1},
      {kFoamRangeTenthToOne, 0.55, 0.6},
      {kFoamRangeTenthToOne, 3.0, 1.0},
      {kFoamRangeTenthToSix, 0.04, 0.1},
      {kFoamRangeTenthToSix, 6.2, 6.0},
      {kFoamRangeTenthToSix, 2.34, 2.3},
      {kFoamRangeOneToSix, 0.5, 1.0},
      {kFoamRangeOneToSix, 6.0, 6.0},
      {7, 3.0, 1.0}, // an unknown code counts as the first range
  };
  for (const Case &c : cases) {
    TFoamSetupRec f{};
    f.PCT_RANGE = static_cast<Byte>(c.range);
    SetFoamPercent(f, c.asked);
    EXPECT_DOUBLE_EQ(f.FoamPercentSet, c.held) << c.range << " " << c.asked;
  }
  // A narrower range pulls the setting into it.
  TFoamSetupRec f{};
  f.PCT_RANGE = kFoamRangeOneToSix;
  SetFoamPercent(f, 4.5);
  SetFoamPercentRange(f, kFoamRangeTenthToOne);
  EXPECT_DOUBLE_EQ(f.FoamPercentSet, 1.0);
}

TEST(FoamSystem, FractionOnlyWhileTheProportionerInjects) {
  TFoamSetupRec f{};
  f.PCT_RANGE = kFoamRangeTenthToSix;
  SetFoamPercent(f, 3.0);
  EXPECT_DOUBLE_EQ(f.FoamFraction, 0);
  SetProportionerOn(f, true);
  EXPECT_DOUBLE_EQ(f.FoamFraction, 0.03);
  SetFoamPercent(f, 0.5);
  EXPECT_DOUBLE_EQ(f.FoamFraction, 0.005);
  SetProportionerOn(f, false);
  EXPECT_DOUBLE_EQ(f.FoamFraction, 0);
}

TEST(FoamSystem, TankSwitchStepsWithOneAndTwoTanks) {
  struct Case {
    int tanks;
    Byte from, to;
  } cases[] = {
      {2, kFoamTankA, kFoamTankB}, {2, kFoamTankB, kFoamFlush},
      {2, kFoamFlush, kFoamTankA}, {1, kFoamTankA, kFoamFlush},
      {1, kFoamFlush, kFoamTankA}, {1, kFoamTankB, kFoamFlush},
  };
  for (const Case &c : cases) {
    TFoamSetupRec f{};
    f.NR_TANKS = static_cast<Byte>(c.tanks);
    f.FoamTankSelect = c.from;
    EXPECT_TRUE(FoamTankSwitchClick(f, kRunning));
    EXPECT_EQ(f.FoamTankSelect, c.to) << c.tanks << " " << int(c.from);
  }
  TFoamSetupRec f{};
  f.NR_TANKS = 2;
  for (const ControlRun &run : {kIdle, kDesigning})
    EXPECT_FALSE(FoamTankSwitchClick(f, run));
  EXPECT_EQ(f.FoamTankSelect, kFoamTankA);
  // Choosing one tank moves a switch at B to A; flush stays.
  f.FoamTankSelect = kFoamTankB;
  SetFoamTankCount(f, 1);
  EXPECT_EQ(f.FoamTankSelect, kFoamTankA);
  f.FoamTankSelect = kFoamFlush;
  SetFoamTankCount(f, 1);
  EXPECT_EQ(f.FoamTankSelect, kFoamFlush);
}

TEST(FoamSystem, CapacityChangeRefillsOnlyWhileNoRun) {
  TFoamSetupRec f{};
  f.TANK_CAP = 20;
  f.FoamTankA = 20;
  f.FoamTankB = 12;
  SetFoamTankCapacity(f, 5, false);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 5);
  EXPECT_DOUBLE_EQ(f.FoamTankB, 5);
  SetFoamTankCapacity(f, 40, false);
  EXPECT_DOUBLE_EQ(f.FoamTankB, 40);
  // During a run the tanks keep what they hold, never more than a tank holds.
  f.FoamTankB = 30;
  SetFoamTankCapacity(f, 60, true);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 40);
  EXPECT_DOUBLE_EQ(f.FoamTankB, 30);
  SetFoamTankCapacity(f, 10, true);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 10);
  EXPECT_DOUBLE_EQ(f.FoamTankB, 10);
}

TEST(FoamSystem, InitialisationPutsTheControlsAtRest) {
  auto s = std::make_unique<State>();
  TFoamSetupRec &f = s->FoamSetup;
  f.TANK_CAP = 25;
  f.PCT_RANGE = kFoamRangeOneToSix;
  f.FoamPercentSet = 0.3; // below the range
  f.PropLever = 1;
  f.FoamTankSelect = kFoamFlush;
  f.PropDisplayMode = 3;
  f.CafsAirOn = true;
  f.CafsMode = 1;
  f.CafsAirValve[4] = 0.7;
  f.FoamUsed = 2;
  ResetFoamUse(*s);
  EXPECT_EQ(f.PropLever, 0);
  EXPECT_EQ(f.FoamTankSelect, kFoamTankA);
  EXPECT_EQ(f.PropDisplayMode, 0);
  EXPECT_FALSE(f.CafsAirOn);
  EXPECT_EQ(f.CafsMode, 0);
  for (int n = 1; n <= kMaxDischarges; ++n)
    EXPECT_DOUBLE_EQ(f.CafsAirValve[n], 0) << n;
  EXPECT_DOUBLE_EQ(f.FoamPercentSet, 1.0);
  EXPECT_DOUBLE_EQ(f.FoamFraction, 0);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 25);
  EXPECT_DOUBLE_EQ(f.FoamUsed, 0);
}

// Every picture choice, as one table.
TEST(FoamPictures, ChoicesByState) {
  struct Case {
    const char *what;
    void (*set)(TFoamSetupRec &);
    std::string_view (*picture)(const TFoamSetupRec &);
    std::string_view expected;
  } cases[] = {
      {"switch A", [](TFoamSetupRec &f) { f.FoamTankSelect = kFoamTankA; },
       FoamTankSwitchPicture, "FOAM_2TANK_SW_A"},
      {"switch B", [](TFoamSetupRec &f) { f.FoamTankSelect = kFoamTankB; },
       FoamTankSwitchPicture, "FOAM_12TANK_SW_B"},
      {"one-tank flush",
       [](TFoamSetupRec &f) {
         f.NR_TANKS = 1;
         f.FoamTankSelect = kFoamFlush;
       },
       FoamTankSwitchPicture, "FOAM_1TANK_SW_FLUSH"},
      {"two-tank flush",
       [](TFoamSetupRec &f) {
         f.NR_TANKS = 2;
         f.FoamTankSelect = kFoamFlush;
       },
       FoamTankSwitchPicture, "FOAM_2TANK_SW_FLUSH"},
      {"manual", [](TFoamSetupRec &f) { f.PROP_TYPE = 0; }, ProportionerPicture,
       "FOAM_MAN_PROPORTONER"},
      {"electronic", [](TFoamSetupRec &f) { f.PROP_TYPE = 1; },
       ProportionerPicture, "FOAM_ELEC_PROPORTONER"},
      {"lever down", [](TFoamSetupRec &f) { f.PropLever = 0; },
       ProportionerLeverPicture, "TOGGLE_DN"},
      {"lever up", [](TFoamSetupRec &f) { f.PropLever = 1; },
       ProportionerLeverPicture, "TOGGLE_UP"},
      {"air off", [](TFoamSetupRec &f) { f.CafsAirOn = false; },
       CafsOnOffLeverPicture, "TOGGLE_DN"},
      {"air on", [](TFoamSetupRec &f) { f.CafsAirOn = true; },
       CafsOnOffLeverPicture, "TOGGLE_UP"},
      {"mode 0", [](TFoamSetupRec &f) { f.CafsMode = 0; }, CafsModeDialPicture,
       "CAFS_DIAL_SW_LEFT"},
      {"mode 1", [](TFoamSetupRec &f) { f.CafsMode = 1; }, CafsModeDialPicture,
       "CAFS_DIAL_SW_RT"},
  };
  for (const Case &c : cases) {
    TFoamSetupRec f{};
    f.NR_TANKS = 2;
    c.set(f);
    EXPECT_EQ(c.picture(f), c.expected) << c.what;
  }
}

TEST(FoamPictures, AirValveFramesAtEveryThreshold) {
  struct Case {
    double opening;
    const char *frame;
  } cases[] = {
      {0.0, "00"},  {0.05, "00"}, {0.054, "00"}, {0.055, "01"}, {0.06, "01"},
      {0.24, "01"}, {0.25, "02"}, {0.43, "02"},  {0.44, "03"},  {0.62, "03"},
      {0.63, "04"}, {0.81, "04"}, {0.82, "05"},  {0.93, "05"},  {0.94, "06"},
      {1.0, "06"},  {1.5, "06"},  {-0.2, "00"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(CafsAirValvePicture(c.opening),
              std::string("CAFS_AIR_VALVE") + c.frame)
        << c.opening;
}

TEST(FoamPictures, LowLampAfterTheLampTest) {
  struct Case {
    const char *what;
    bool simActive;
    double time;
    Byte tank;
    bool low;
    bool lit;
  } cases[] = {
      {"lamp test", true, 1.9, kFoamTankA, false, true},
      {"lamp test at flush", true, 0.5, kFoamFlush, false, true},
      {"A not low", true, 2.0, kFoamTankA, false, false},
      {"A low", true, 5, kFoamTankA, true, true},
      {"B low", true, 5, kFoamTankB, true, true},
      {"flush", true, 5, kFoamFlush, true, false},
      {"no run", false, 0.5, kFoamTankA, true, false},
  };
  for (const Case &c : cases) {
    TFoamSetupRec f{};
    f.FoamTankSelect = c.tank;
    f.FoamLow = c.low;
    EXPECT_EQ(FoamLowLampLit(f, c.simActive, c.time), c.lit) << c.what;
  }
}

TEST(FoamControls, SwitchesThrowBeyondTwelvePixels) {
  struct Case {
    const char *what;
    FoamGrip grip;
    double dx, dy;
    bool air;
    Byte mode;
  } cases[] = {
      {"up 13", FoamGrip::CafsOnOff, 0, -13, true, 0},
      {"up 12", FoamGrip::CafsOnOff, 0, -12, false, 0},
      {"right 13", FoamGrip::CafsMode, 13, 0, false, 1},
      {"right 12", FoamGrip::CafsMode, 12, 0, false, 0},
      {"up on the mode switch", FoamGrip::CafsMode, 0, -30, false, 0},
  };
  for (const Case &c : cases) {
    TFoamSetupRec f{};
    FoamDrag d;
    const ControlPoint at{18, 30};
    if (c.grip == FoamGrip::CafsOnOff) {
      CafsOnOffPress(d, kRunning, at);
    } else {
      CafsModePress(d, kRunning, at);
    }
    FoamDragMove(d, f, kRunning, {at.x + c.dx, at.y + c.dy});
    EXPECT_EQ(f.CafsAirOn != 0, c.air) << c.what;
    EXPECT_EQ(f.CafsMode, c.mode) << c.what;
  }
  // Back down and left by more than 12 px.
  TFoamSetupRec f{};
  f.CafsAirOn = true;
  f.CafsMode = 1;
  FoamDrag d;
  CafsOnOffPress(d, kRunning, {18, 30});
  EXPECT_TRUE(FoamDragMove(d, f, kRunning, {18, 43}));
  EXPECT_FALSE(f.CafsAirOn);
  CafsModePress(d, kRunning, {50, 20});
  EXPECT_TRUE(FoamDragMove(d, f, kRunning, {37, 20}));
  EXPECT_EQ(f.CafsMode, 0);
  // Without a run the press grips nothing.
  CafsOnOffPress(d, kIdle, {18, 30});
  EXPECT_FALSE(FoamDragMove(d, f, kIdle, {18, 0}));
  EXPECT_FALSE(f.CafsAirOn);
}

TEST(FoamControls, AirValveOpensAsTheMouseMovesUp) {
  TFoamSetupRec f{};
  f.CafsAirValve[3] = 0.2;
  FoamDrag d;
  AirValvePress(d, f, kRunning, 3, {20, 24});
  FoamDragMove(d, f, kRunning, {20, 14}); // 10 px up
  EXPECT_NEAR(f.CafsAirValve[3], 0.6, 1e-12);
  FoamDragMove(d, f, kRunning, {20, -40});
  EXPECT_DOUBLE_EQ(f.CafsAirValve[3], 1.0);
  FoamDragMove(d, f, kRunning, {20, 40});
  EXPECT_DOUBLE_EQ(f.CafsAirValve[3], 0.0);
  EXPECT_DOUBLE_EQ(f.CafsAirValve[2], 0.0);
}

TEST(FoamControls, ManualProportionerLeverAndSetting) {
  TFoamSetupRec f{};
  f.PCT_RANGE = kFoamRangeTenthToSix;
  SetFoamPercent(f, 1.0);
  FoamDrag d;
  ManualProportionerPress(d, f, kRunning, {20, 38});
  EXPECT_FALSE(FoamDragMove(d, f, kRunning, {20, 26}));
  EXPECT_TRUE(FoamDragMove(d, f, kRunning, {20, 25}));
  EXPECT_EQ(f.PropLever, 1);
  EXPECT_DOUBLE_EQ(f.FoamFraction, 0.01);
  FoamDragRelease(d);
  // Elsewhere: 0.1 % per 8 px, up raises.
  ManualProportionerPress(d, f, kRunning, {60, 40});
  FoamDragMove(d, f, kRunning, {60, 23}); // 17 px: two steps
  EXPECT_DOUBLE_EQ(f.FoamPercentSet, 1.2);
  EXPECT_DOUBLE_EQ(f.FoamFraction, 0.012);
  FoamDragMove(d, f, kRunning, {60, 40 + 8 * 20});
  EXPECT_DOUBLE_EQ(f.FoamPercentSet, 0.1);
  EXPECT_EQ(ManualSettingText(f), "0.1%");
}

TEST(FoamControls, ElectronicKeys) {
  TFoamSetupRec f{};
  f.PCT_RANGE = kFoamRangeOneToSix;
  SetFoamPercent(f, 0);
  const double keyY = kElecKeysTop + 8;
  auto key = [&](int k) { return ControlPoint{kElecKeyLeft[k] + 5.0, keyY}; };
  EXPECT_TRUE(ElecProportionerClick(f, kRunning, key(0)));
  EXPECT_EQ(f.PropLever, 1);
  EXPECT_FALSE(ElecProportionerClick(f, kRunning, key(3))); // already at 1.0 %
  for (int k = 0; k < 3; ++k)
    ElecProportionerClick(f, kRunning, key(2));
  EXPECT_DOUBLE_EQ(f.FoamPercentSet, 1.3);
  EXPECT_DOUBLE_EQ(f.FoamFraction, 0.013);
  for (int m = 1; m <= 4; ++m) {
    ElecProportionerClick(f, kRunning, key(1));
    EXPECT_EQ(f.PropDisplayMode, m % 4);
  }
  EXPECT_FALSE(ElecProportionerClick(f, kRunning, {60, 20})); // the display
  EXPECT_FALSE(ElecProportionerClick(f, kIdle, key(0)));
  EXPECT_EQ(f.PropLever, 1);
}

TEST(FoamControls, ElectronicDisplayByMode) {
  auto s = std::make_unique<State>();
  TFoamSetupRec &f = s->FoamSetup;
  s->DischargeList.LineCount = 2;
  f.FOAM_LINES.Add(1);
  s->Discharges[1].Flow = 151.6;
  s->Discharges[2].Flow = 400;
  f.FoamUsed = 2.4;
  f.FoamWaterTotal = 312.7;
  f.PCT_RANGE = kFoamRangeTenthToSix;
  SetFoamPercent(f, 0.5);
  DisplayUnits english;
  DisplayUnits metric;
  ApplyUnits(metric, true, true);
  struct Case {
    Byte mode;
    const DisplayUnits *units;
    const char *text;
    bool pr;
  } cases[] = {
      {0, &english, "152", false}, {1, &english, "2", false},
      {2, &english, "0.5", true},  {3, &english, "313", false},
      {0, &metric, "575", false},  {3, &metric, "1185", false},
  };
  for (const Case &c : cases) {
    f.PropDisplayMode = c.mode;
    const ProportionerDisplay d = ProportionerDisplayFor(*s, *c.units, true);
    EXPECT_EQ(d.Text, c.text) << int(c.mode);
    EXPECT_EQ(d.ShowsPr, c.pr) << int(c.mode);
    EXPECT_EQ(d.Brightness, DisplayBrightness::Dim);
  }
  SetProportionerOn(f, true);
  EXPECT_EQ(ProportionerDisplayFor(*s, english, true).Brightness,
            DisplayBrightness::Bright);
  const ProportionerDisplay idle = ProportionerDisplayFor(*s, english, false);
  EXPECT_EQ(idle.Brightness, DisplayBrightness::Blank);
  EXPECT_TRUE(idle.Text.empty());
}

TEST(FoamControls, Descriptions) {
  TFoamSetupRec f{};
  f.NR_TANKS = 2;
  f.FoamTankSelect = kFoamTankB;
  f.FoamTankB = 18.24;
  f.PCT_RANGE = kFoamRangeTenthToOne;
  SetFoamPercent(f, 0.5);
  SetProportionerOn(f, true);
  f.CafsAirValve[2] = 0.4;
  DisplayUnits u;
  EXPECT_EQ(FoamTankSwitchDescription(f, u), "Tank B selected, 18.2 gal left");
  EXPECT_EQ(ProportionerDescription(f), "Proportioner on, 0.5 %");
  EXPECT_EQ(CafsAirValveDescription(f, 2), "Line 2 air valve 40 % open");
  EXPECT_EQ(CafsAirValveDescription(f, 3), "Line 3 air valve shut");
  EXPECT_EQ(CafsOnOffDescription(f), "Compressed air off");
}

TEST(FoamSetupEdit, SystemChangeRemovesWhatTheSystemCannotCarry) {
  TFoamSetupRec f{};
  f.SYS_TYPE = kFoamDirectInjection;
  f.TK_SW_SEL = f.PROP_SEL = f.CAFS_ON_OFF_SEL = f.CAFS_MODE_SEL = true;
  f.CAFS_AIR_V_SEL.Add(2);
  EXPECT_TRUE(FoamSystemChangeAsks(f, kFoamNone));
  EXPECT_FALSE(FoamSystemChangeAsks(f, kFoamDirectInjection));
  ChangeFoamSystem(f, kFoamInLineEductor);
  EXPECT_TRUE(f.TK_SW_SEL && f.PROP_SEL);
  EXPECT_FALSE(f.CAFS_ON_OFF_SEL || f.CAFS_MODE_SEL);
  EXPECT_EQ(f.CAFS_AIR_V_SEL.bits, 0);
  ChangeFoamSystem(f, kFoamNone);
  EXPECT_FALSE(f.TK_SW_SEL || f.PROP_SEL);
  EXPECT_FALSE(
      FoamSystemChangeAsks(f, kFoamDirectInjection)); // nothing installed
  ChangeFoamSystem(f, 9);
  EXPECT_EQ(f.SYS_TYPE, kFoamNone);
}

TEST(FoamControls, KeysWorkEachControl) {
  struct Case {
    FoamGrip control;
    int direction;
    double before, after; // the control's value
    bool changed;
  };
  const Case cases[] = {
      {FoamGrip::CafsOnOff, 1, 0, 1, true},
      {FoamGrip::CafsOnOff, 1, 1, 1, false},
      {FoamGrip::CafsOnOff, -1, 1, 0, true},
      {FoamGrip::CafsMode, 1, 0, 1, true},
      {FoamGrip::CafsMode, -1, 0, 0, false},
      {FoamGrip::ProportionerLever, 1, 0, 1, true},
      {FoamGrip::PercentSetting, 1, 0.5, 0.6, true},
      {FoamGrip::PercentSetting, 1, 1.0, 1.0, false}, // the range's top
      {FoamGrip::AirValve, 1, 0.36, 0.5, true},       // back on the tenths
      {FoamGrip::AirValve, -1, 0.05, 0.0, true},
      {FoamGrip::AirValve, 1, 1.0, 1.0, false},
  };
  for (const Case &c : cases) {
    TFoamSetupRec f{};
    SetFoamPercentRange(f, kFoamRangeTenthToOne);
    auto value = [&]() -> double {
      switch (c.control) {
      case FoamGrip::CafsOnOff:
        return f.CafsAirOn;
      case FoamGrip::CafsMode:
        return f.CafsMode;
      case FoamGrip::ProportionerLever:
        return f.PropLever;
      case FoamGrip::PercentSetting:
        return f.FoamPercentSet;
      default:
        return f.CafsAirValve[3];
      }
    };
    f.CafsAirOn = f.CafsMode = f.PropLever = static_cast<Byte>(c.before);
    SetFoamPercent(f, c.before);
    f.CafsAirValve[3] = c.before;
    EXPECT_FALSE(FoamKey(f, kIdle, c.control, 3, c.direction));
    EXPECT_EQ(FoamKey(f, kRunning, c.control, 3, c.direction), c.changed)
        << static_cast<int>(c.control) << " " << c.before;
    EXPECT_NEAR(value(), c.after, 1e-9) << static_cast<int>(c.control);
  }
  TFoamSetupRec f{};
  EXPECT_FALSE(FoamKey(f, kRunning, FoamGrip::AirValve, 16, 1));
  EXPECT_TRUE(FoamKey(f, kRunning, FoamGrip::ProportionerLever, 0, 1));
  EXPECT_TRUE(ProportionerInjects(f));
}

TEST(FoamSetupEdit, ManualStyleKeepsOnlyTheFirstRange) {
  TFoamSetupRec f{};
  f.PROP_TYPE = kProportionerElectronic;
  f.PCT_RANGE = kFoamRangeOneToSix;
  SetFoamPercent(f, 4);
  SetProportionerStyle(f, kProportionerManual);
  EXPECT_EQ(f.PCT_RANGE, kFoamRangeTenthToOne);
  EXPECT_DOUBLE_EQ(f.FoamPercentSet, 1.0);
  EXPECT_EQ(FoamPercentRangeCount(f.PROP_TYPE), 1);
  SetProportionerStyle(f, kProportionerElectronic);
  EXPECT_EQ(FoamPercentRangeCount(f.PROP_TYPE), 3);
}

TEST(FoamSetupEdit, CapacityInDisplayUnits) {
  DisplayUnits metric;
  ApplyUnits(metric, true, false);
  TFoamSetupRec f{};
  f.TANK_CAP = 20;
  EXPECT_EQ(FoamCapacityShown(f, metric), 76); // 75.8 L
  EXPECT_NEAR(FoamCapacityEntered(metric, 76), 20.05, 0.01);
  f.TANK_CAP = 1e7;
  EXPECT_EQ(FoamCapacityShown(f, DisplayUnits{}), kFoamSpinMost);
}

} // namespace
} // namespace pumpdrill
