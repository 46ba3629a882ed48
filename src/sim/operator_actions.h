// The operator's actions during a run (the Actions menu): checking the
// supply and discharge lines, refilling tank, dump tank and oil, and
// repairing what the scheduled incidents broke. Every action does nothing
// unless a run is active. A repair ends its incident from the next tick on.
#pragma once

#include "sim/host.h"

namespace pumpdrill {

struct State;

// Check > Supply Line: offers to straighten a kink, then reports a burst
// supply line and a collapsing hard suction, or that nothing is wrong.
void ActionCheckSupplyLine(State& s, bool simActive, Host& host);
// Check > Discharge Lines: reports an uncoupled discharge line.
void ActionCheckDischargeLines(State& s, bool simActive, Host& host);
// Fill > Tank: the booster tank is full at once.
void ActionFillTank(State& s, bool simActive);
// Fill > Dump Tank: one tender delivery at once.
void ActionFillDumpTank(State& s, bool simActive, Host& host);
// Fill > Engine Oil: the oil pressure returns and a running oil loss ends.
void ActionFillEngineOil(State& s, bool simActive);
// Fill > Primer Oil Reservoir.
void ActionFillPrimerOil(State& s, bool simActive);
// Replace > Supply Line and Replace > Hard Suction.
void ActionReplaceSupplyLine(State& s, bool simActive, Host& host);
void ActionReplaceHardSuction(State& s, bool simActive, Host& host);
// Reconnect > Discharge Line: recouples an uncoupled discharge line.
void ActionReconnectDischargeLine(State& s, bool simActive, Host& host);

// The working commands of the Actions menu, for callers that name them.
enum class OperatorAction {
  CheckSupplyLine,
  CheckDischargeLines,
  FillTank,
  FillDumpTank,
  FillEngineOil,
  FillPrimerOil,
  ReplaceSupplyLine,
  ReplaceHardSuction,
  ReconnectDischargeLine,
};

// The command's name in the headless runner's script ("fill tank"), as
// the run report lists it.
const char* OperatorActionCommand(OperatorAction action);

void RunOperatorAction(State& s, OperatorAction action, bool simActive, Host& host);

}  // namespace pumpdrill
