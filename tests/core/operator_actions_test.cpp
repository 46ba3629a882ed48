// The operator's Actions: their texts and questions, their guard on an
// active run, and the repairs they make.
#include <gtest/gtest.h>

#include <cstring>

#include "sim/incidents.h"
#include "sim/operator_actions.h"
#include "supply_test_support.h"

namespace pumpdrill {
namespace {

using supply_test::MakeState;
using Texts = std::vector<std::string>;

struct Actions : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    s.SimClock.Time = 100;
    s.DischargeList.LineTitle[3] = "No. 2 Crosslay";
  }
  void Activate(int n, double start = 50) {
    s.Incidents[n].Use = true;
    s.Incidents[n].StartTime() = start;
  }
  void Run(OperatorAction a, std::initializer_list<Answer> answers = {}) {
    host.answers = answers;
    RunOperatorAction(s, a, true, host);
  }
  Texts Shown() const {
    Texts t;
    for (const ShownMessage& m : host.messages) t.push_back(m.text);
    return t;
  }
  double Stop(int n) const { return s.Incidents[n].StopTime; }
  State s;
  RecordingHost host;
};

TEST_F(Actions, EveryCommandIsSilentWithoutAnActiveRun) {
  for (int n : {4, 5, 6, 8, 9}) Activate(n);
  s.Incidents[9].Line = 3;
  s.Discharges[kIntakeLine].NozzleOpen = 0.05;
  s.Tank.Volume = 10;
  s.Pump.OilPress = 3;
  const State before = s;
  for (int a = 0; a <= static_cast<int>(OperatorAction::ReconnectDischargeLine); ++a)
    RunOperatorAction(s, static_cast<OperatorAction>(a), false, host);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.cues.empty());
  EXPECT_EQ(std::memcmp(&s, &before, sizeof(State)), 0);
}

TEST_F(Actions, CheckSupplyLine) {
  Run(OperatorAction::CheckSupplyLine);
  EXPECT_EQ(Shown(), Texts{"No supply line problem is visible. "});
  EXPECT_EQ(host.messages[0].type, MsgType::Information);

  // A kink the trainee declines stays; the other checks follow.
  Activate(kIncidentKink, 0);
  Activate(kIncidentLineRupture);
  Activate(kIncidentHardSuctionCollapse, 100.5);  // not yet
  s.Discharges[kIntakeLine].NozzleOpen = 0.05;
  host.messages.clear();
  Run(OperatorAction::CheckSupplyLine, {Answer::Cancel});
  EXPECT_EQ(Shown(), (Texts{"There is a kink in the supply line. Straighted it out NOW?", "The supply line has burst. "}));
  EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesCancel);
  EXPECT_EQ(Stop(kIncidentKink), kNeverTime);
  Run(OperatorAction::CheckSupplyLine, {Answer::Yes});
  EXPECT_EQ(Stop(kIncidentKink), 100);
}

TEST_F(Actions, CheckAndReconnectAnUncoupledLine) {
  Run(OperatorAction::CheckDischargeLines);
  Run(OperatorAction::ReconnectDischargeLine);
  Activate(kIncidentUncoupling);
  s.Incidents[kIncidentUncoupling].Line = 200;  // a damaged record names no line
  Run(OperatorAction::CheckDischargeLines);
  s.Incidents[kIncidentUncoupling].Line = 3;
  Run(OperatorAction::CheckDischargeLines);
  Run(OperatorAction::ReconnectDischargeLine, {Answer::Cancel});
  EXPECT_EQ(Stop(kIncidentUncoupling), kNeverTime);
  Run(OperatorAction::ReconnectDischargeLine, {Answer::Yes});
  EXPECT_EQ(Stop(kIncidentUncoupling), 100);
  EXPECT_EQ(Shown(), (Texts{"No discharge line problem is visible. ", "No need to reconnect any discharge lines.",
                            "No discharge line problem is visible. ", "Discharge line No. 2 Crosslayhas uncoupled. ",
                            "Recouple No. 2 Crosslay?", "Recouple No. 2 Crosslay?"}));
}

TEST_F(Actions, Fills) {
  s.Tank.Volume = 12;
  Run(OperatorAction::FillTank);
  EXPECT_EQ(s.Tank.Volume, 1500);
  s.DraftSource.Volume = 2000;
  Run(OperatorAction::FillDumpTank);
  EXPECT_EQ(s.DraftSource.Volume, 2200) << "never beyond its capacity";
  EXPECT_EQ(host.cues.at(0).file, "ictender.wav");
  s.PumpControl.PrimerOilPercent = 3;
  Run(OperatorAction::FillPrimerOil);
  EXPECT_EQ(s.PumpControl.PrimerOilPercent, 100);

  // Oil ends a running oil loss, not one still to come.
  Activate(kIncidentOilLoss, 500);
  s.Pump.OilPress = 12;
  Run(OperatorAction::FillEngineOil);
  EXPECT_EQ(s.Pump.OilPress, 40);
  EXPECT_EQ(Stop(kIncidentOilLoss), kNeverTime);
  s.Incidents[kIncidentOilLoss].EventTime[2] = 90;
  Run(OperatorAction::FillEngineOil);
  EXPECT_EQ(Stop(kIncidentOilLoss), 100);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Actions, ReplacingTheSupplyLineAtDraftEndsTheHardSuctionCollapse) {
  Activate(kIncidentHardSuctionCollapse);
  Activate(kIncidentLineRupture);
  Run(OperatorAction::ReplaceSupplyLine);
  EXPECT_EQ(Stop(kIncidentHardSuctionCollapse), 100);
  EXPECT_EQ(Stop(kIncidentLineRupture), kNeverTime);
  Run(OperatorAction::ReplaceHardSuction, {Answer::Cancel});
  EXPECT_EQ(Stop(kIncidentLineRupture), kNeverTime);
  Run(OperatorAction::ReplaceHardSuction);
  EXPECT_EQ(Stop(kIncidentLineRupture), 100);
  s.Incidents[kIncidentHardSuctionCollapse].Use = false;
  s.SimClock.Time = 101;
  Run(OperatorAction::ReplaceSupplyLine);
  Run(OperatorAction::ReplaceHardSuction);
  EXPECT_EQ(Shown(), (Texts{"Replace the supply line?", "Replace the hard suction?", "Replace the hard suction?",
                            "There is no need to replace the supply line.",
                            "There is no need to replace the hard suction."}));
}

}  // namespace
}  // namespace pumpdrill
