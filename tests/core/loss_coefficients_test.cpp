#include <gtest/gtest.h>

#include <cmath>

#include "recording_host.h"
#include "sim/loss_coefficients.h"

namespace pumpdrill {
namespace {

TEST(HoseFrictionK, HundredFeetOfTwoAndAHalfInchHose) {
  NullHost host;
  double d = 2.5 / 12;
  double k = HoseFrictionK(100, 132, d, host);
  EXPECT_DOUBLE_EQ(k, 4.727 * 100 / (std::pow(132.0, 1.852) * std::pow(d, 4.8704)));
  // The loss the friction window shows at 250 gpm: about 15.6 psi per
  // 100 ft, close to the fire-ground rule 2Q^2 + Q = 15 psi.
  double lossPsi = k * std::pow(250 / 448.8, 2) * 0.43333333333333335;
  EXPECT_NEAR(lossPsi, 15.62, 0.01);
  // Friction grows linearly with length.
  EXPECT_DOUBLE_EQ(HoseFrictionK(300, 132, d, host), 3 * k);
}

TEST(HoseFrictionK, NoLengthOrDiameterMeansNoFrictionWithoutAWarning) {
  RecordingHost host;
  EXPECT_EQ(HoseFrictionK(0, 132, 0.2, host), 0.0);
  EXPECT_EQ(HoseFrictionK(-5, 132, 0.2, host), 0.0);
  EXPECT_EQ(HoseFrictionK(100, 132, 0, host), 0.0);
  EXPECT_EQ(HoseFrictionK(100, 132, -0.1, host), 0.0);
  EXPECT_TRUE(host.messages.empty());
}

TEST(HoseFrictionK, NonPositiveCoefficientWarnsAndGivesZero) {
  for (double c : {0.0, -120.0}) {
    RecordingHost host;
    EXPECT_EQ(HoseFrictionK(100, c, 0.2, host), 0.0) << c;
    ASSERT_EQ(host.messages.size(), 1u) << c;
    EXPECT_EQ(host.messages[0].text, "calculating HKFr--denom. <= 0. ");
    EXPECT_EQ(host.messages[0].type, MsgType::Warning);
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
  }
}

TEST(ValveLossK, OrificeOfTheOpening) {
  double d4 = std::pow(2.5 / 12, 4);
  double cv = 0.936 * 1.0 + 1e-06;
  EXPECT_DOUBLE_EQ(ValveLossK(d4, 1.0), 8 * (1 / (cv * cv) - 1) / (317.80072484482 * d4));
  // Half open loses far more than full open.
  EXPECT_GT(ValveLossK(d4, 0.5), 10 * ValveLossK(d4, 1.0));
  EXPECT_EQ(ValveLossK(0, 1.0), 0.0);
  EXPECT_EQ(ValveLossK(-1, 1.0), 0.0);
}

TEST(ValveLossK, ShutValveIsHugeButFinite) {
  double d4 = std::pow(2.5 / 12, 4);
  double k = ValveLossK(d4, 0.0);
  EXPECT_TRUE(std::isfinite(k));
  EXPECT_DOUBLE_EQ(k, 8 * (1 / (1e-06 * 1e-06) - 1) / (317.80072484482 * d4));
  // 150 psi across it passes a few thousandths of a gpm, far below the
  // 0.002 cfs (0.9 gpm) under which the solution counts no flow.
  double q = std::sqrt(150 * 2.3076923076923075 / k) * 448.8;
  EXPECT_LT(q, 0.01);
}

TEST(NozzleLossK, DischargeCoefficientByType) {
  double d4 = std::pow(1.0 / 12, 4);
  auto orifice = [&](double cd) { return 8 * (1 / (cd * cd) - 1) / (317.80072484482 * d4); };
  Double cd = 0.5;
  EXPECT_DOUBLE_EQ(NozzleLossK(0, d4, cd), orifice(0.703));
  EXPECT_EQ(cd, 0.703);
  for (int t = 1; t <= 3; ++t) {
    cd = 0.5;
    EXPECT_DOUBLE_EQ(NozzleLossK(t, d4, cd), orifice(0.313)) << t;
    EXPECT_EQ(cd, 0.313);
  }
  // No nozzle: no tip loss; the stored coefficient stays.
  cd = 0.45;
  EXPECT_EQ(NozzleLossK(4, d4, cd), 0.0);
  EXPECT_EQ(cd, 0.45);
  // Any other type keeps its stored coefficient.
  cd = 0.6;
  EXPECT_DOUBLE_EQ(NozzleLossK(7, d4, cd), orifice(0.6));
  EXPECT_EQ(cd, 0.6);
}

TEST(NozzleLossK, SmoothBoreTipFlowsItsRatedFlow) {
  // A 1 in smooth bore at 50 psi passes about 210 gpm (29.7 d^2 sqrt(P)).
  Double cd = 0;
  double k = NozzleLossK(0, std::pow(1.0 / 12, 4), cd);
  double gpm = std::sqrt(50 * 2.3076923076923075 / k) * 448.8;
  EXPECT_NEAR(gpm, 210, 8);
}

TEST(AutoNozzleK, PassesItsTargetAtItsPressure) {
  Double k = 0;
  double diam = AutoNozzleK(k, 150, 100);
  double q = 150 / 448.8;
  EXPECT_DOUBLE_EQ(k, 2.3076923076923075 * 100 / (q * q));
  // The head of 100 psi across K passes exactly 150 gpm.
  EXPECT_NEAR(std::sqrt(100 * 2.3076923076923075 / k) * 448.8, 150, 1e-9);
  EXPECT_DOUBLE_EQ(diam, std::pow(73.65848380610193 / (317.80072484482 * k), 0.25));
  EXPECT_NEAR(diam * 12, 1.235, 0.001);
  // More flow at the same pressure needs a wider tip.
  Double k2 = 0;
  EXPECT_GT(AutoNozzleK(k2, 250, 100), diam);
}

}  // namespace
}  // namespace pumpdrill
