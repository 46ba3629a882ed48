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
using supply_test::RecordingHost;
using Texts = std::vector<std::string>;

Texts Shown(const RecordingHost& host) {
  Texts t;
  for (const ShownMessage& m : host.messages) t.push_back(m.text);
  return t;
}

struct Actions : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    s.SimClock.Time = 100;
    s.DischargeList.LineTitle[3] = "No. 2 Crosslay";
  }
  void Activate(int n, double start = 50, double stop = kNeverTime) {
    s.Incidents[n].Use = true;
    s.Incidents[n].StartTime() = start;
    s.Incidents[n].StopTime = stop;
  }
  State s;
  RecordingHost host;
};

TEST_F(Actions, EveryCommandIsSilentWithoutAnActiveRun) {
  for (int n : {4, 5, 6, 8, 9}) Activate(n);
  s.Incidents[9].Line = 3;
  s.Discharges[kIntakeLine].NozzleOpen = 0.05;
  s.Tank.Volume = 10;
  s.Pump.OilPress = 3;
  s.PumpControl.PrimerOilPercent = 4;
  s.Tender.TenderCapacity = 500;
  const State before = s;
  for (OperatorAction a : {OperatorAction::CheckSupplyLine, OperatorAction::CheckDischargeLines,
                           OperatorAction::FillTank, OperatorAction::FillDumpTank, OperatorAction::FillEngineOil,
                           OperatorAction::FillPrimerOil, OperatorAction::ReplaceSupplyLine,
                           OperatorAction::ReplaceHardSuction, OperatorAction::ReconnectDischargeLine}) {
    RunOperatorAction(s, a, false, host);
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.cues.empty());
  EXPECT_EQ(std::memcmp(&s, &before, sizeof(State)), 0);
}

TEST_F(Actions, CheckSupplyLineWithNothingWrong) {
  ActionCheckSupplyLine(s, true, host);
  EXPECT_EQ(Shown(host), Texts{"No supply line problem is visible. "});
  EXPECT_EQ(host.messages[0].type, MsgType::Information);
  EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
}

TEST_F(Actions, StraighteningAKinkRepairsIt) {
  Activate(kIncidentKink, 0);
  s.Discharges[kIntakeLine].NozzleOpen = 0.05;
  ActionCheckSupplyLine(s, true, host);
  EXPECT_EQ(Shown(host), Texts{"There is a kink in the supply line. Straighted it out NOW?"});
  EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesCancel);
  EXPECT_EQ(s.Incidents[kIncidentKink].StopTime, 100);
}

TEST_F(Actions, ADeclinedKinkStaysAndTheOtherChecksFollow) {
  Activate(kIncidentKink, 0);
  Activate(kIncidentLineRupture);
  Activate(kIncidentHardSuctionCollapse);
  s.Discharges[kIntakeLine].NozzleOpen = 0.05;
  host.answers = {Answer::Cancel};
  ActionCheckSupplyLine(s, true, host);
  EXPECT_EQ(Shown(host), (Texts{"There is a kink in the supply line. Straighted it out NOW?",
                                 "The supply line has burst. ", "Hard suction is collapsing. "}));
  EXPECT_EQ(s.Incidents[kIncidentKink].StopTime, kNeverTime);
}

TEST_F(Actions, AnIncidentNotYetStartedIsNotVisible) {
  Activate(kIncidentLineRupture, 100.5);
  ActionCheckSupplyLine(s, true, host);
  EXPECT_EQ(Shown(host), Texts{"No supply line problem is visible. "});
}

TEST_F(Actions, CheckAndReconnectAnUncoupledLine) {
  ActionCheckDischargeLines(s, true, host);
  ActionReconnectDischargeLine(s, true, host);
  Activate(kIncidentUncoupling);
  s.Incidents[kIncidentUncoupling].Line = 3;
  ActionCheckDischargeLines(s, true, host);
  host.answers = {Answer::Cancel};
  ActionReconnectDischargeLine(s, true, host);
  EXPECT_EQ(s.Incidents[kIncidentUncoupling].StopTime, kNeverTime);
  ActionReconnectDischargeLine(s, true, host);
  EXPECT_EQ(s.Incidents[kIncidentUncoupling].StopTime, 100);
  EXPECT_EQ(Shown(host), (Texts{"No discharge line problem is visible. ", "No need to reconnect any discharge lines.",
                                 "Discharge line No. 2 Crosslayhas uncoupled. ", "Recouple No. 2 Crosslay?",
                                 "Recouple No. 2 Crosslay?"}));
}

TEST_F(Actions, AnUncouplingWithoutAValidLineIsNotShown) {
  Activate(kIncidentUncoupling);
  s.Incidents[kIncidentUncoupling].Line = 0;
  ActionCheckDischargeLines(s, true, host);
  s.Incidents[kIncidentUncoupling].Line = 200;
  ActionReconnectDischargeLine(s, true, host);
  EXPECT_EQ(Shown(host), (Texts{"No discharge line problem is visible. ", "No need to reconnect any discharge lines."}));
}

TEST_F(Actions, FillsTankDumpTankAndPrimerOil) {
  s.Tank.Volume = 12;
  ActionFillTank(s, true);
  EXPECT_EQ(s.Tank.Volume, 1500);
  s.DraftSource.Volume = 2000;
  ActionFillDumpTank(s, true, host);
  EXPECT_EQ(s.DraftSource.Volume, 2200) << "never beyond its capacity";
  ActionFillDumpTank(s, true, host);
  EXPECT_EQ(s.DraftSource.Volume, 2200);
  ASSERT_EQ(host.cues.size(), 2u);
  EXPECT_EQ(host.cues[0].file, "ictender.wav");
  s.PumpControl.PrimerOilPercent = 3;
  ActionFillPrimerOil(s, true);
  EXPECT_EQ(s.PumpControl.PrimerOilPercent, 100);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Actions, EngineOilEndsARunningOilLossButNotAScheduledOne) {
  Activate(kIncidentOilLoss, 500);
  s.Pump.OilPress = 12;
  ActionFillEngineOil(s, true);
  EXPECT_EQ(s.Pump.OilPress, 40);
  EXPECT_EQ(s.Incidents[kIncidentOilLoss].StopTime, kNeverTime);
  s.Incidents[kIncidentOilLoss].EventTime[2] = 90;
  ActionFillEngineOil(s, true);
  EXPECT_EQ(s.Incidents[kIncidentOilLoss].StopTime, 100);
}

TEST_F(Actions, ReplacingTheSupplyLineAtDraftEndsTheHardSuctionCollapse) {
  Activate(kIncidentHardSuctionCollapse);
  Activate(kIncidentLineRupture);
  ActionReplaceSupplyLine(s, true, host);
  EXPECT_EQ(s.Incidents[kIncidentHardSuctionCollapse].StopTime, 100);
  EXPECT_EQ(s.Incidents[kIncidentLineRupture].StopTime, kNeverTime);
  ActionReplaceHardSuction(s, true, host);
  EXPECT_EQ(s.Incidents[kIncidentLineRupture].StopTime, 100);
  EXPECT_EQ(Shown(host), (Texts{"Replace the supply line?", "Replace the hard suction?"}));
  s.SimClock.Time = 101;
  ActionReplaceSupplyLine(s, true, host);
  ActionReplaceHardSuction(s, true, host);
  EXPECT_EQ(host.messages[2].text, "There is no need to replace the supply line.");
  EXPECT_EQ(host.messages[3].text, "There is no need to replace the hard suction.");
}

TEST_F(Actions, ReplacingARupturedSupplyLine) {
  Activate(kIncidentLineRupture);
  host.answers = {Answer::Cancel};
  ActionReplaceSupplyLine(s, true, host);
  EXPECT_EQ(s.Incidents[kIncidentLineRupture].StopTime, kNeverTime);
  ActionReplaceSupplyLine(s, true, host);
  EXPECT_EQ(s.Incidents[kIncidentLineRupture].StopTime, 100);
}

}  // namespace
}  // namespace pumpdrill
