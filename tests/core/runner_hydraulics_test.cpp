// Whole runs of the built-in apparatus through the runner, checked against
// values worked out by hand from the pump curve, the loss coefficients and
// the supply rules: a closed-in pump, a line at a hydrant, a tank emptied,
// a draft primed, the relief valve and the governor.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/exercise_run.h"
#include "cli/runner_session.h"
#include "runner_invoke.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

constexpr double kFtPerPsi = 2.3076923076923075;
constexpr double kPsiPerFt = 0.43333333333333335;
constexpr double kGpmPerCfs = 448.8;

// Loss coefficients (ft per cfs^2) by their formulas.
double OrificeK(double diamFt, double opening = 1) {
  const double cv = 0.936 * opening + 1e-6;
  return 8 * (1 / (cv * cv) - 1) / (317.80072484482 * std::pow(diamFt, 4));
}
double HoseFrictionK(double lengthFt, double c, double diamFt) {
  return 4.727 * lengthFt / (std::pow(c, 1.852) * std::pow(diamFt, 4.8704));
}
double SmoothBoreK(double tipFt) { return 8 * (1 / (0.703 * 0.703) - 1) / (317.80072484482 * std::pow(tipFt, 4)); }

// The built-in pump: 20 psi at idle (1050 RPM), 0.138 psi per impeller RPM
// at a gear ratio of 2.27, 0.00003 psi per gpm^2 of internal loss.
double ShutoffPsi(double engineRpm) { return 20 + 0.138 * 2.27 * (engineRpm - 1050); }
double PumpLossPsi(double gpm) { return 0.00003 * gpm * gpm; }

// Line 2 of the built-in apparatus: 2-1/2 in valve, 250 ft of 2-1/2 in hose
// (C 132), 2-1/2 in shut-off and a 1 in smooth bore tip.
constexpr double kD25 = 2.5 / 12;
const double kLine2ValveK = OrificeK(kD25);
const double kLine2HoseK = HoseFrictionK(250, 132, kD25);
const double kLine2R = kLine2ValveK + kLine2HoseK + OrificeK(kD25) + SmoothBoreK(1.0 / 12);

// Line 2's flow (gpm) with the pump at `psi`.
double Line2Gpm(double psi) { return kGpmPerCfs * std::sqrt(psi * kFtPerPsi / kLine2R); }
// Its nozzle pressure at that flow: pump pressure less valve and hose.
double Line2NozzlePsi(double psi, double gpm) {
  const double q = gpm / kGpmPerCfs;
  return psi - (kLine2ValveK + kLine2HoseK) * q * q * kPsiPerFt;
}

// The built-in hydrant (100 psi static, rated 3000 gpm) through 100 ft of
// 5 in hose (C 137) with a 5 in valve: intake pressure at a flow.
double HydrantIntakePsi(double gpm) {
  const double a = 3000 / kGpmPerCfs / 3;
  const double b = 100.0 / 10 * kFtPerPsi;
  const double hydrantK = OrificeK(std::pow(0.00356 * a * a / b, 0.25));
  const double d5 = 0.41667;
  const double intakeK = OrificeK(d5) + HoseFrictionK(100, 137, d5) + OrificeK(d5);
  const double q = gpm / kGpmPerCfs;
  return 100 - (hydrantK + intakeK) * q * q * kPsiPerFt;
}

class RunnerHydraulics : public ::testing::Test {
 protected:
  // Runs a script from the program's start-up state; returns the CSV.
  std::string Run(const std::string& script, double duration, const std::string& columns = "",
                  double sample = 1) {
    session = std::make_unique<RunnerSession>(0.015, err, false);
    EXPECT_TRUE(StartRunnerSession(*session, (dir / "bin" / "pumpdrill-sim").string(), dir.path().string(), err))
        << err.str();
    Script parsed;
    std::string error;
    EXPECT_TRUE(ParseScript(script, parsed, error)) << error;
    ExerciseOptions o;
    o.duration = duration;
    o.sampleInterval = sample;
    if (!columns.empty()) {
      EXPECT_TRUE(ParseColumns(columns, o.columns, error)) << error;
    }
    std::string csv;
    result = RunExercise(S(), session->Config(), session->Run(), session->clock, session->host, parsed, o, csv);
    return csv;
  }
  State& S() { return session->S(); }

  // The CSV's rows as numbers.
  static std::vector<std::vector<double>> Rows(const std::string& csv) {
    std::vector<std::vector<double>> rows;
    std::vector<std::string> lines = testing::Lines(csv);
    for (std::size_t i = 1; i < lines.size(); ++i) {
      std::vector<double> row;
      for (const std::string& c : testing::Cells(lines[i])) row.push_back(std::stod(c));
      rows.push_back(row);
    }
    return rows;
  }

  testing::ScratchDir dir;
  std::ostringstream err;
  std::unique_ptr<RunnerSession> session;
  ExerciseResult result;
};

TEST_F(RunnerHydraulics, AClosedInPumpReachesItsCurvePlusTheHydrantPressure) {
  Run("0 valve 18 1\n0 throttle 1500\n", 3);
  EXPECT_NEAR(S().Supply.IntakePress, 100, 1e-9);
  EXPECT_EQ(S().PumpOutput.TotalFlow, 0);
  EXPECT_NEAR(S().PumpOutput.DischargePress, ShutoffPsi(1500) + 100, 1e-9);  // 260.967 psi

  // The throttle stops at the engine's highest speed.
  Run("0 valve 18 1\n0 throttle 9000\n", 1);
  EXPECT_EQ(S().Engine.Rpm, 4000);
  EXPECT_NEAR(S().PumpOutput.DischargePress, ShutoffPsi(4000) + 100, 1e-9);
  EXPECT_EQ(err.str(), "");
}

TEST_F(RunnerHydraulics, ALineAtAHydrantSettlesAtTheFlowWorkedOutByHand) {
  // The pump's pressure at flow Q (hydrant, intake losses and pump curve)
  // must drive Q through line 2: found by halving the interval.
  auto pumpPsi = [](double gpm) { return ShutoffPsi(1500) - PumpLossPsi(gpm) + HydrantIntakePsi(gpm); };
  double lo = 0, hi = 1500;
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2;
    (Line2Gpm(pumpPsi(mid)) > mid ? lo : hi) = mid;
  }
  const double gpm = (lo + hi) / 2;
  const double psi = pumpPsi(gpm);
  ASSERT_GT(gpm, 300);
  ASSERT_LT(gpm, 500);

  const std::string csv = Run("0 valve 18 1\n0 throttle 1500\n1 nozzle 2 1\n1 valve 2 1\n", 30,
                              "SimClock.Time,Discharges[2].Flow,Discharges[2].NozzlePress", 5);
  const auto rows = Rows(csv);
  ASSERT_GE(rows.size(), 2u);
  // Steady over the last 5 seconds.
  EXPECT_NEAR(rows[rows.size() - 2][1], rows.back()[1], 1e-9);
  const TDischargeRec& line = S().Discharges[2];
  EXPECT_NEAR(line.Flow, gpm, 1e-6 * gpm);
  EXPECT_NEAR(S().PumpOutput.DischargePress, psi, 1e-6 * psi);
  EXPECT_NEAR(S().Supply.IntakePress, HydrantIntakePsi(gpm), 1e-6 * psi);
  EXPECT_NEAR(line.NozzlePress, Line2NozzlePsi(psi, gpm), 1e-6 * psi);
  EXPECT_NEAR(line.DischPress, psi - kLine2ValveK * std::pow(gpm / kGpmPerCfs, 2) * kPsiPerFt, 1e-6 * psi);
  EXPECT_EQ(S().PumpStatus.Cavitating, 0);
}

TEST_F(RunnerHydraulics, TheTankEmptiesAtTheLinesFlowAndThenThePumpRunsDry) {
  const std::string csv = Run("0 valve 17 1\n0 throttle 1400\n0 nozzle 2 1\n0 valve 2 1\n", 400,
                              "SimClock.Time,Tank.Volume,Discharges[17].Flow,Discharges[2].Flow", 1);
  const auto rows = Rows(csv);
  ASSERT_GT(rows.size(), 100u);
  double emptyAt = -1;
  for (std::size_t i = 1; i < rows.size() && emptyAt < 0; ++i) {
    const auto& a = rows[i - 1];
    const auto& b = rows[i];
    if (b[1] <= 0) {
      emptyAt = b[0];
      break;
    }
    // The tank gives what the line takes, and its volume falls by it.
    ASSERT_GT(b[2], 200) << b[0];
    EXPECT_NEAR(b[2], b[3], 1e-9) << b[0];
    EXPECT_NEAR(a[1] - b[1], (b[0] - a[0]) / 60 * b[2], 1e-3 * (a[1] - b[1])) << b[0];
  }
  // 1500 gal at the line's flow, within the second of the samples.
  const double gpm = rows[1][2];
  EXPECT_NEAR(emptyAt, 1500 / gpm * 60, 0.01 * 1500 / gpm * 60 + 1);
  // Then no water reaches the pump: no flow, no pressure, no prime.
  EXPECT_EQ(S().Tank.Volume, 0);
  EXPECT_EQ(S().Discharges[2].Flow, 0);
  EXPECT_EQ(S().PumpOutput.DischargePress, 0);
  EXPECT_EQ(S().PumpStatus.Primed, 0);
}

TEST_F(RunnerHydraulics, ThrottlingPastWhatTheTankLineGivesCavitates) {
  std::string script = "0 valve 17 1\n0 throttle 1500\n";
  for (int n = 1; n <= 8; ++n) script += "0 nozzle " + std::to_string(n) + " 1\n0 valve " + std::to_string(n) + " 1\n";
  script += "10 throttle 2200\n20 throttle 3000\n";
  const std::string csv = Run(script, 30, "SimClock.Time,PumpStatus.Cavitating,PumpOutput.DischargePress", 1);
  const auto rows = Rows(csv);
  ASSERT_EQ(rows.size(), 31u);  // 0 s to 30 s
  EXPECT_EQ(rows[9][1], 0);  // 8 lines at 1500 RPM: the tank keeps up
  EXPECT_EQ(rows[29][1], 1);
  EXPECT_EQ(S().PumpStatus.Cavitating, 1);
  // The pump takes all the tank line gives at the vacuum limit, and more
  // throttle no longer raises its pressure.
  EXPECT_EQ(S().Supply.IntakePress, S().MinIntakePress);
  EXPECT_EQ(S().PumpOutput.TotalFlow, S().Supply.SupplyFlow);
  EXPECT_EQ(S().Discharges[kTankToPumpLine].Flow, S().Supply.SupplyFlow);
  EXPECT_EQ(S().PumpOutput.DischargePress, rows[21][2]);
  EXPECT_LE(rows[21][2], rows[9][2]);
}

TEST_F(RunnerHydraulics, ADraftPrimesOnlyWithThePrimerAndEveryDischargeShut) {
  // 20 ft of 6 in hard suction: pi x 0.25^2 x 20 / 0.2454 = 16.0 s of priming.
  const std::string draft =
      "0 set Supply.SupplyType 1\n0 set Discharges[18].HoseKind 2\n0 set Discharges[18].HoseLength 20\n"
      "0 set Discharges[18].HoseDiam 0.5\n0 valve 18 1\n0 throttle 1200\n";
  const double needed = 3.14159265358979 * 0.25 * 0.25 * 20 / 0.24543671875;
  ASSERT_NEAR(needed, 16.0, 0.05);

  // Without the primer, or with a discharge open, it never primes.
  Run(draft, 40);
  EXPECT_EQ(S().Supply.IntakePrimed, 0);
  Run(draft + "1 valve 2 0.5\n2 primer on\n", 40);
  EXPECT_EQ(S().Supply.IntakePrimed, 0);
  EXPECT_EQ(S().PumpOutput.DischargePress, 0);

  // With every discharge shut it primes once the time is up (the prime is
  // looked at with the gauges, every 0.15 s).
  const std::string csv = Run(draft + "2 primer on\n", 25, "SimClock.Time,Supply.IntakePrimed", 0.015);
  double primedAt = -1;
  for (const auto& row : Rows(csv)) {
    if (row[1] == 1) {
      primedAt = row[0];
      break;
    }
  }
  EXPECT_GE(primedAt, 2 + needed - 1e-9);
  EXPECT_LE(primedAt, 2 + needed + 0.15 + 0.015);
  EXPECT_GT(S().PumpOutput.DischargePress, 0);
}

TEST_F(RunnerHydraulics, TheReliefValveCapsThePressureAndTheGovernorHoldsItsSetPoint) {
  // Relief valve at 150 psi with the throttle far above: line 2 flows as if
  // the pump gave exactly 150 psi.
  Run("0 valve 18 1\n0 throttle 2500\n0 relief 150\n0 relief on\n1 nozzle 2 1\n1 valve 2 1\n", 10);
  EXPECT_DOUBLE_EQ(S().PumpOutput.DischargePress, 150);
  EXPECT_NEAR(S().Discharges[2].Flow, Line2Gpm(150), 1e-9 * Line2Gpm(150));
  EXPECT_NEAR(S().Discharges[2].NozzlePress, Line2NozzlePsi(150, Line2Gpm(150)), 1e-9 * 150);
  EXPECT_EQ(S().Engine.Rpm, 2500);  // the relief valve leaves the engine alone
  // Out of service it caps nothing.
  Run("0 valve 18 1\n0 throttle 2500\n0 relief 150\n0 relief off\n", 2);
  EXPECT_NEAR(S().PumpOutput.DischargePress, ShutoffPsi(2500) + 100, 1e-9);

  // Governor in pressure mode: the engine speed is moved until the pump
  // gives 150 psi, within its 0.4 psi dead band; then in speed mode it
  // holds 1800 RPM.
  const std::string csv = Run(
      "0 valve 18 1\n0 control governor\n0 governor pressure 150\n1 nozzle 2 1\n1 valve 2 1\n"
      "20 governor rpm 1800\n",
      40, "SimClock.Time,PumpOutput.DischargePress,Engine.Rpm", 1);
  const auto rows = Rows(csv);
  const auto& at19 = rows.at(19);
  EXPECT_NEAR(at19[1], 150, 0.4);
  EXPECT_NEAR(S().Engine.Rpm, 1800, 0.4);
  EXPECT_GE(S().Engine.Rpm, S().Engine.IdleRpm);
  // The pump's pressure at 1800 RPM with line 2 open: above 150 psi.
  EXPECT_GT(S().PumpOutput.DischargePress, 150.4);
}

}  // namespace
}  // namespace pumpdrill
