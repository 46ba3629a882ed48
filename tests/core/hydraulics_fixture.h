// A pump and its lines set up by hand for the line-solution tests: the
// default pump curve (20 psi at idle, 0.138 psi per impeller RPM, gear ratio
// 2.27, internal loss 0.00003 psi per gpm^2, 1500 gpm rated) at 1500 engine
// RPM, whose shut-off pressure is
//   S = 0.138 x 2.27 x 1500 + (20 - 0.138 x 2.27 x 1050) = 469.89 - 308.923
//     = 160.967 psi.
// Every line starts open with no resistance at all (and so no flow); each
// test gives its lines their coefficients. The pump centre line and every
// line end stand at 3 ft.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill::testing {

inline constexpr double kShutoffAt1500 = 160.967;
inline constexpr double kFeetPer100Psi = 230.76923076923077;

// Records the messages and sound cues the solution asks for.
class HydraulicsHost : public NullHost {
 public:
  Answer Message(MsgType type, Buttons buttons, const std::string& text) override {
    (void)type;
    (void)buttons;
    messages.push_back(text);
    return Answer::Ok;
  }
  void SoundCue(int cue, int param, bool flag, const std::string& file) override {
    (void)param;
    (void)flag;
    (void)file;
    cues.push_back(cue);
  }
  std::vector<std::string> messages;
  std::vector<int> cues;
};

class HydraulicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.DischargeList.LineCount = 8;
    s.Pump.GearRatio = 2.27;
    s.Pump.IdlePress = 20;
    s.Pump.IdleImpellerRpm = 1050 * 2.27;
    s.Pump.PressPerRpm = 0.138;
    s.Pump.PumpLossK[1] = 0.00003;
    s.Pump.RatedFlow = 1500;
    s.Pump.StageMode = 1;
    s.Engine.Rpm = 1500;
    s.PumpStatus.PumpElev = 3;
    s.PumpStatus.Primed = true;
    s.ShowOptions.WaterHammerCheck = true;
    s.ShowOptions.WaterHammerLimit = 400;
    for (int i = 1; i <= 19; ++i) {
      s.Discharges[i].PumpEndElev = 3;
      s.Discharges[i].NozzleElev = 3;
      s.Discharges[i].ValveOpen = 1;
      s.Discharges[i].NozzleOpen = 1;
    }
  }

  // Line i as a chain of the given coefficients (ft per cfs^2).
  TDischargeRec& Chain(int i, double valveK, double hoseK, double shutoffK, double nozzleK) {
    TDischargeRec& d = s.Discharges[i];
    d.ValveK = valveK;
    d.HoseK = hoseK;
    d.ShutoffK = shutoffK;
    d.NozzleK = nozzleK;
    return d;
  }

  void ShutValve(int i) {
    s.Discharges[i].ValveOpen = 0;
    s.Discharges[i].ValveShut = true;
  }
  void ShutNozzle(int i) {
    s.Discharges[i].NozzleOpen = 0;
    s.Discharges[i].NozzleShut = true;
  }

  // Lines a (first) and b (second) as a siamese pair feeding a's nozzle.
  void Siamese(int a, int b) {
    TDischargeRec& d = s.Discharges[a];
    TDischargeRec& p = s.Discharges[b];
    d.Layout = p.Layout = 1;
    d.Partner[1] = static_cast<SmallInt>(a);
    d.Partner[2] = static_cast<SmallInt>(b);
    p.Partner[1] = static_cast<SmallInt>(b);
    p.Partner[2] = static_cast<SmallInt>(a);
    s.SiameseSecondary.Add(b);
  }

  State s{};
  HydraulicsHost host;
};

}  // namespace pumpdrill::testing
