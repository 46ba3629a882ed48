// The runner's soak: random operator actions checked every sample.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "cli/soak.h"
#include "default_state.h"
#include "runner_invoke.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

TEST(RunnerSoak, SampleFaultsNameWhatMustNeverHappen) {
  const struct {
    const char* what;
    void (*damage)(State&);
    const char* fault;
  } kCases[] = {
      {"sound", [](State&) {}, ""},
      {"NaN speed", [](State& s) { s.Engine.Rpm = std::nan(""); }, "Engine.Rpm is nan"},
      {"backward flow", [](State& s) { s.Discharges[3].Flow = -5; }, "Discharges[3].Flow is -5"},
      {"over-pressure", [](State& s) { s.PumpOutput.DischargePress = 2500; },
       "PumpOutput.DischargePress is 2500"},
      {"nozzle over-pressure", [](State& s) { s.Discharges[2].NozzlePress = 2001; },
       "Discharges[2].NozzlePress"},
      {"overfull tank", [](State& s) { s.Tank.Volume = s.Tank.Capacity + 1; }, "Tank.Volume is "},
      {"tank below 0", [](State& s) { s.Tank.Volume = -1; }, "Tank.Volume is -1"},
  };
  for (const auto& c : kCases) {
    auto s = testing::MakeDefaultState();
    c.damage(*s);
    const std::string fault = SoakSampleFault(*s);
    EXPECT_EQ(fault.substr(0, std::string(c.fault).size()), c.fault) << c.what << ": " << fault;
    EXPECT_EQ(fault.empty(), std::string(c.fault).empty()) << c.what << ": " << fault;
  }
}

TEST(RunnerSoak, AMinuteOfRandomActionsStaysSound) {
  testing::ScratchDir dir;
  std::ostringstream err;
  RunnerSession rs(0.015, err, true);
  ASSERT_TRUE(StartRunnerSession(rs, (dir.path() / "bin" / "pumpdrill-sim").string(),
                                 dir.path().string(), err))
      << err.str();
  SoakOptions o;
  o.hours = 1.0 / 60;
  o.actionEvery = 0.5;  // many actions in a short run
  SoakResult r = RunSoak(rs, o);
  EXPECT_EQ(r.fault, "");
  EXPECT_GE(r.ticks, 4000);
  EXPECT_GE(r.actions, 119);  // every half second, some lines holding two
  EXPECT_GE(r.samples, 60);
}

TEST(RunnerSoak, CommandLineRefusesHoursThatAreNoneOrTooMany) {
  testing::ScratchDir dir;
  for (const char* hours : {"0", "-1", "x", "nan", "1e9"}) {
    testing::RunnerOutput r =
        testing::InvokeRunner({"--main-dir", dir.path().string(), "--soak", hours});
    EXPECT_EQ(r.status, 2) << hours;
    EXPECT_EQ(testing::Lines(r.err).size(), 1u) << r.err;
  }
}

}  // namespace
}  // namespace pumpdrill
