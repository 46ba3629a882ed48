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

TEST(DefaultHoseC, MidpointsOfTheConfiguredList) {
  Configuration cfg;
  EXPECT_EQ(DefaultHoseC(cfg, 2.6), 132);  // below the midpoint 2.625
  EXPECT_EQ(DefaultHoseC(cfg, 2.7), 133);  // above it: "2-3/4"
  EXPECT_EQ(DefaultHoseC(cfg, 2.625), 133);
  EXPECT_EQ(DefaultHoseC(cfg, 1.75), 139);
  EXPECT_EQ(DefaultHoseC(cfg, 0.5), 125);
  EXPECT_EQ(DefaultHoseC(cfg, 10), 137);  // beyond the list: the last entry
}

TEST(DefaultHoseC, FollowsTheEditedFrictionList) {
  Configuration cfg;
  cfg.HoseFriction[5] = "150";  // "2-1/2"
  EXPECT_EQ(DefaultHoseC(cfg, 2.5), 150);
  EXPECT_EQ(DefaultHoseC(cfg, 2.75), 133);
}

TEST(DefaultHoseC, MetricListIsComparedInInches) {
  Configuration cfg = Metric();
  // 65 mm is 2.55 in at 25.5 mm per inch: the C of "65" (132); 70 mm
  // takes "70" (133).
  EXPECT_EQ(DefaultHoseC(cfg, 65 / 25.5), 132);
  EXPECT_EQ(DefaultHoseC(cfg, 70 / 25.5), 133);
  EXPECT_EQ(DefaultHoseC(cfg, 2.5), 132);
  EXPECT_EQ(DefaultHoseC(cfg, 45 / 25.5), 139);
}

TEST(DefaultHoseC, DamagedListsFallBackToTheBuiltInTable) {
  Configuration cfg;
  cfg.HoseFriction.resize(3);  // too short for 2-1/2 in
  EXPECT_EQ(DefaultHoseC(cfg, 2.5), 132);
  cfg = Configuration{};
  cfg.HoseFriction[5] = "abc";
  EXPECT_EQ(DefaultHoseC(cfg, 2.5), 132);
  cfg.HoseFriction[5] = "-4";
  EXPECT_EQ(DefaultHoseC(cfg, 2.5), 132);
  cfg = Configuration{};
  cfg.HoseDiamEnglish[2] = "one and a half";
  EXPECT_EQ(DefaultHoseC(cfg, 1.75), 139);
  cfg.HoseDiamEnglish.clear();
  EXPECT_EQ(DefaultHoseC(cfg, 1.75), 139);
}

TEST(FrictionCalculator, StartsFromTheCurrentLine) {
  auto s = testing::MakeDefaultState();
  Configuration cfg;
  NullHost host;
  FrictionCalculator calc;
  s->Discharges[6].HoseKind = 1;
  calc.Start(*s, cfg, 6, host);  // 1-1/2 in hose
  EXPECT_NEAR(calc.DiamInches, 1.5, 1e-12);
  EXPECT_EQ(calc.Material, 1);
  EXPECT_EQ(calc.FlowGpm, 100);
  EXPECT_EQ(calc.C, 125);
  calc.Start(*s, cfg, 0, host);  // no current line
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
  calc.PickDiameter(cfg, 2.5, host);
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
  EXPECT_EQ(HoseFrictionIndex(cfg, 2.6), 5);
  ASSERT_TRUE(StoreHoseFriction(cfg, 2.6, 141.4));
  EXPECT_EQ(cfg.HoseFriction[5], "141");
  EXPECT_EQ(DefaultHoseC(cfg, 2.5), 141);
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
  EXPECT_EQ(HoseFrictionIndex(cfg, 2.5), -1);
  EXPECT_FALSE(StoreHoseFriction(cfg, 2.5, 130));
}

}  // namespace
}  // namespace pumpdrill
