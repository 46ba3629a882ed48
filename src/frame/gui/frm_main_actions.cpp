// The Actions menu: the operator's checks, refills and repairs during a run.
// Each command is the core's operator action, the same one a scripted run
// of the headless runner performs.
#include <QMenu>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "sim/operator_actions.h"

namespace pumpdrill {

void TfrmMain::ConnectActionsMenu() {
  const std::pair<QAction*, OperatorAction> commands[] = {
      {mCheckSupplyLine, OperatorAction::CheckSupplyLine},
      {mCheckDischargeLines, OperatorAction::CheckDischargeLines},
      {mFillTank, OperatorAction::FillTank},
      {mFillDumpTank, OperatorAction::FillDumpTank},
      {mFillEngineOil, OperatorAction::FillEngineOil},
      {mFillPrimerOil, OperatorAction::FillPrimerOil},
      {mReplaceSupplyLine, OperatorAction::ReplaceSupplyLine},
      {mReplaceHardSuction, OperatorAction::ReplaceHardSuction},
      {mReconnectDischargeLine, OperatorAction::ReconnectDischargeLine},
  };
  for (const auto& [item, action] : commands) {
    const OperatorAction a = action;
    connect(item, &QAction::triggered, this, [this, a] {
      // Into the run's report under the runner's name for the command.
      if (p_.run.SimActive) runRecorder_.NoteAction(p_.S().SimClock.Time, OperatorActionCommand(a));
      RunOperatorAction(p_.S(), a, p_.run.SimActive, host_);
    });
  }
  connect(mnuActions, &QMenu::aboutToShow, this, &TfrmMain::ActionsMenuShow);
}

void TfrmMain::ActionsMenuShow() {
  const bool active = p_.run.SimActive;
  for (QAction* item : {mCheckSupplyLine, mCheckDischargeLines, mFillTank, mFillDumpTank, mFillEngineOil,
                        mFillPrimerOil, mReplaceSupplyLine, mReplaceHardSuction, mReconnectDischargeLine}) {
    item->setEnabled(active);
  }
}

}  // namespace pumpdrill
