#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "default_state.h"
#include "frame/configuration.h"
#include "sim/coefficients.h"
#include "sim/friction_calculator.h"
#include "sim/loss_coefficients.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

Configuration Metric() {
  Configuration cfg;
  ApplyUnits(cfg, true);
  return cfg;
}

// A configuration changed by `edit`, its lists then copied for the
// simulation as the frame does after any change.
struct ListCase {
  const char* what;
  void (*edit)(Configuration&);
  double inches;
  double c;
};

void Unchanged(Configuration&) {}
void ToMetric(Configuration& cfg) { ApplyUnits(cfg, true); }

const ListCase kListCases[] = {
    {"below the midpoint 2.625", Unchanged, 2.6, 132},
    {"above it: 2-3/4", Unchanged, 2.7, 133},
    {"on the midpoint", Unchanged, 2.625, 133},
    {"1-3/4", Unchanged, 1.75, 139},
    {"below the list", Unchanged, 0.5, 125},
    {"beyond the list: the last entry", Unchanged, 10, 137},
    {"edited 2-1/2", [](Configuration& c) { c.HoseFriction[5] = "150"; }, 2.5, 150},
    {"beside the edited entry", [](Configuration& c) { c.HoseFriction[5] = "150"; }, 2.75, 133},
    // 65 mm is 2.55 in at 25.5 mm per inch: the C of "65" (132); 70 mm
    // takes "70" (133).
    {"metric 65 mm", ToMetric, 65 / 25.5, 132},
    {"metric 70 mm", ToMetric, 70 / 25.5, 133},
    {"metric 2-1/2 in", ToMetric, 2.5, 132},
    {"metric 45 mm", ToMetric, 45 / 25.5, 139},
    // A damaged list falls back to the built-in table.
    {"friction list too short", [](Configuration& c) { c.HoseFriction.resize(3); }, 2.5, 132},
    {"C not a number", [](Configuration& c) { c.HoseFriction[5] = "abc"; }, 2.5, 132},
    {"C negative", [](Configuration& c) { c.HoseFriction[5] = "-4"; }, 2.5, 132},
    {"diameter not a number", [](Configuration& c) { c.HoseDiamEnglish[2] = "one and a half"; }, 1.75, 139},
    {"no diameter list", [](Configuration& c) { c.HoseDiamEnglish.clear(); }, 1.75, 139},
};

TEST(DefaultHoseC, FollowsTheConfiguredLists) {
  for (const ListCase& k : kListCases) {
    SCOPED_TRACE(k.what);
    Configuration cfg;
    k.edit(cfg);
    RefreshSimSettings(cfg);
    EXPECT_EQ(DefaultHoseC(cfg.Sim.HoseFriction, k.inches), k.c);
  }
}

TEST(DefaultHoseC, SimulationCopyFollowsEveryChangeOfTheConfiguration) {
  Configuration cfg;  // filled from the default lists from the start
  EXPECT_EQ(cfg.Sim.HoseFriction.size(), cfg.HoseDiamEnglish.size());
  EXPECT_EQ(DefaultHoseC(cfg.Sim.HoseFriction, 2.5), 132);
  ApplyUnits(cfg, true);
  EXPECT_EQ(DefaultHoseC(cfg.Sim.HoseFriction, 65 / 25.5), 132);
  EXPECT_NEAR(cfg.Sim.HoseFriction.front().Inches * 25.5, std::stod(cfg.HoseDiamMetric.front()), 1e-9);
  ApplyUnits(cfg, false);
  ASSERT_TRUE(StoreHoseFriction(cfg, 2.5, 144));
  EXPECT_EQ(DefaultHoseC(cfg.Sim.HoseFriction, 2.5), 144);
}

TEST(FrictionCalculator, StartsFromTheCurrentLine) {
  auto s = testing::MakeDefaultState();
  Configuration cfg;
  NullHost host;
  FrictionCalculator calc;
  s->Discharges[6].HoseKind = 1;
  calc.Start(*s, cfg.Sim, 6, host);  // 1-1/2 in hose
  EXPECT_NEAR(calc.DiamInches, 1.5, 1e-12);
  EXPECT_EQ(calc.Material, 1);
  EXPECT_EQ(calc.FlowGpm, 100);
  EXPECT_EQ(calc.C, 125);
  calc.Start(*s, cfg.Sim, 0, host);  // no current line
  EXPECT_EQ(calc.DiamInches, 2.5);
  EXPECT_EQ(calc.Material, 0);
  EXPECT_EQ(calc.C, 132);
  double k = HoseFrictionK(100, 132, 2.5 / 12, host);
  EXPECT_DOUBLE_EQ(calc.K100, k);
  EXPECT_DOUBLE_EQ(calc.LossPsi, k * std::pow(100 / 448.8, 2) * 0.43333333333333335);
}

TEST(FrictionCalculator, LossAtTwoHundredFiftyGallons) {
  Configuration cfg;
  NullHost host;
  FrictionCalculator calc;
  calc.FlowGpm = 250;
  calc.PickDiameter(cfg.Sim, 2.5, host);
  double k = 4.727 * 100 / (std::pow(132, 1.852) * std::pow(2.5 / 12, 4.8704));
  EXPECT_DOUBLE_EQ(calc.LossPsi, k * std::pow(250 / 448.8, 2) * 0.43333333333333335);
}

TEST(FrictionCalculator, CoefficientFromAMeasuredLoss) {
  NullHost host;
  FrictionCalculator calc;
  calc.DiamInches = 2.5;
  calc.FlowGpm = 250;
  // The loss of C 132 gives back C 132 (the exponent 0.54 rounds 1/1.852).
  calc.LossPsi = HoseFrictionK(100, 132, 2.5 / 12, host) * std::pow(250 / 448.8, 2) *
                 0.43333333333333335;
  ASSERT_TRUE(calc.CFromLoss(host));
  EXPECT_NEAR(calc.C, 132, 0.1);
  EXPECT_DOUBLE_EQ(calc.K100, HoseFrictionK(100, calc.C, 2.5 / 12, host));
  // More loss at the same flow means a rougher hose: a lower C.
  calc.LossPsi *= 1.5;
  ASSERT_TRUE(calc.CFromLoss(host));
  EXPECT_LT(calc.C, 110);
  // No loss or no flow implies no C: it stays.
  double c = calc.C;
  calc.LossPsi = 0;
  EXPECT_FALSE(calc.CFromLoss(host));
  EXPECT_EQ(calc.C, c);
  calc.LossPsi = 10;
  calc.FlowGpm = 0;
  EXPECT_FALSE(calc.CFromLoss(host));
  EXPECT_EQ(calc.C, c);
}

TEST(FrictionCalculator, SavedCoefficientBecomesTheDefault) {
  Configuration cfg;
  EXPECT_EQ(HoseFrictionIndex(cfg.Sim.HoseFriction, 2.6), 5);
  ASSERT_TRUE(StoreHoseFriction(cfg, 2.6, 141.4));
  EXPECT_EQ(cfg.HoseFriction[5], "141");
  EXPECT_EQ(DefaultHoseC(cfg.Sim.HoseFriction, 2.5), 141);
  EXPECT_EQ(cfg.HoseFriction.size(), 13u);
  // A list that stops short is filled up with the built-in coefficients.
  cfg.HoseFriction.resize(2);
  ASSERT_TRUE(StoreHoseFriction(cfg, 5, 120));
  ASSERT_EQ(cfg.HoseFriction.size(), 12u);
  EXPECT_EQ(cfg.HoseFriction[3], "139");
  EXPECT_EQ(cfg.HoseFriction[11], "120");
  // Metric: the entry of the millimetre list.
  Configuration m = Metric();
  ASSERT_TRUE(StoreHoseFriction(m, 45 / 25.5, 135));
  EXPECT_EQ(m.HoseFriction[3], "135");
  // No list to place it in.
  cfg.HoseDiamEnglish.clear();
  RefreshSimSettings(cfg);
  EXPECT_EQ(HoseFrictionIndex(cfg.Sim.HoseFriction, 2.5), -1);
  EXPECT_FALSE(StoreHoseFriction(cfg, 2.5, 130));
}

}  // namespace
}  // namespace pumpdrill
