#include "sim/operator_actions.h"

#include <string>

#include "sim/incidents.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

void Inform(Host& host, const std::string& text) { host.Message(MsgType::Information, Buttons::Ok, text); }

bool Confirm(Host& host, const std::string& text) {
  return host.Message(MsgType::Confirmation, Buttons::YesCancel, text) == Answer::Yes;
}

// A repair ends the incident now.
void Repair(State& s, int n) { s.Incidents[n].StopTime = s.SimClock.Time; }

// The uncoupled discharge line, when the incident is active and names a line.
int UncoupledLine(const State& s) {
  if (!IncidentActive(s, kIncidentUncoupling)) return 0;
  const int line = s.Incidents[kIncidentUncoupling].Line;
  return line >= 1 && line <= kLineCount ? line : 0;
}

std::string LineTitle(const State& s, int line) { return s.DischargeList.LineTitle[line].str(); }

// Whether any of the oil loss's events has begun.
bool OilLossBegun(const State& s) {
  const TIncidentRec& r = s.Incidents[kIncidentOilLoss];
  const double now = s.SimClock.Time;
  if (!r.Use || !(now < r.StopTime)) return false;
  for (int e = 1; e <= 3; ++e) {
    if (r.EventTime[e] <= now) return true;
  }
  return false;
}

// Replace: offers to end incident n when it is active.
void OfferReplacement(State& s, int n, const std::string& question, const std::string& noNeed, Host& host) {
  if (IncidentActive(s, n)) {
    if (Confirm(host, question)) Repair(s, n);
  } else {
    Inform(host, noNeed);
  }
}

}  // namespace

void ActionCheckSupplyLine(State& s, bool simActive, Host& host) {
  if (!simActive) return;
  bool found = false;
  if (s.Incidents[kIncidentKink].Use && s.Discharges[kIntakeLine].NozzleOpen < 1) {
    found = true;
    if (Confirm(host, "There is a kink in the supply line. Straighted it out NOW?")) Repair(s, kIncidentKink);
  }
  if (IncidentActive(s, kIncidentLineRupture)) {
    found = true;
    Inform(host, "The supply line has burst. ");
  }
  if (IncidentActive(s, kIncidentHardSuctionCollapse)) {
    found = true;
    Inform(host, "Hard suction is collapsing. ");
  }
  if (!found) Inform(host, "No supply line problem is visible. ");
}

void ActionCheckDischargeLines(State& s, bool simActive, Host& host) {
  if (!simActive) return;
  const int line = UncoupledLine(s);
  if (line != 0) {
    Inform(host, "Discharge line " + LineTitle(s, line) + "has uncoupled. ");
  } else {
    Inform(host, "No discharge line problem is visible. ");
  }
}

void ActionFillTank(State& s, bool simActive) {
  if (!simActive) return;
  s.Tank.Volume = s.Tank.Capacity;
}

void ActionFillDumpTank(State& s, bool simActive, Host& host) {
  if (!simActive) return;
  TenderArrives(s, host);
}

void ActionFillEngineOil(State& s, bool simActive) {
  if (!simActive) return;
  s.Pump.OilPress = s.Pump.OilPressSet;
  // Oil added before the loss begins does not cancel the instructor's
  // scheduled incident.
  if (OilLossBegun(s)) Repair(s, kIncidentOilLoss);
}

void ActionFillPrimerOil(State& s, bool simActive) {
  if (!simActive) return;
  s.PumpControl.PrimerOilPercent = 100;
}

void ActionReplaceSupplyLine(State& s, bool simActive, Host& host) {
  if (!simActive) return;
  // At draft the supply line is the hard suction.
  const int n = s.Incidents[kIncidentHardSuctionCollapse].Use ? kIncidentHardSuctionCollapse : kIncidentLineRupture;
  OfferReplacement(s, n, "Replace the supply line?", "There is no need to replace the supply line.", host);
}

void ActionReplaceHardSuction(State& s, bool simActive, Host& host) {
  if (!simActive) return;
  OfferReplacement(s, kIncidentLineRupture, "Replace the hard suction?",
                   "There is no need to replace the hard suction.", host);
}

void ActionReconnectDischargeLine(State& s, bool simActive, Host& host) {
  if (!simActive) return;
  const int line = UncoupledLine(s);
  if (line != 0) {
    if (Confirm(host, "Recouple " + LineTitle(s, line) + "?")) Repair(s, kIncidentUncoupling);
  } else {
    Inform(host, "No need to reconnect any discharge lines.");
  }
}

const char* OperatorActionCommand(OperatorAction action) {
  switch (action) {
    case OperatorAction::CheckSupplyLine: return "check supply";
    case OperatorAction::CheckDischargeLines: return "check discharge";
    case OperatorAction::FillTank: return "fill tank";
    case OperatorAction::FillDumpTank: return "fill dump";
    case OperatorAction::FillEngineOil: return "fill oil";
    case OperatorAction::FillPrimerOil: return "fill primer-oil";
    case OperatorAction::ReplaceSupplyLine: return "replace supply";
    case OperatorAction::ReplaceHardSuction: return "replace suction";
    case OperatorAction::ReconnectDischargeLine: return "reconnect discharge";
  }
  return "";
}

void RunOperatorAction(State& s, OperatorAction action, bool simActive, Host& host) {
  switch (action) {
    case OperatorAction::CheckSupplyLine: ActionCheckSupplyLine(s, simActive, host); break;
    case OperatorAction::CheckDischargeLines: ActionCheckDischargeLines(s, simActive, host); break;
    case OperatorAction::FillTank: ActionFillTank(s, simActive); break;
    case OperatorAction::FillDumpTank: ActionFillDumpTank(s, simActive, host); break;
    case OperatorAction::FillEngineOil: ActionFillEngineOil(s, simActive); break;
    case OperatorAction::FillPrimerOil: ActionFillPrimerOil(s, simActive); break;
    case OperatorAction::ReplaceSupplyLine: ActionReplaceSupplyLine(s, simActive, host); break;
    case OperatorAction::ReplaceHardSuction: ActionReplaceHardSuction(s, simActive, host); break;
    case OperatorAction::ReconnectDischargeLine: ActionReconnectDischargeLine(s, simActive, host); break;
  }
}

}  // namespace pumpdrill
