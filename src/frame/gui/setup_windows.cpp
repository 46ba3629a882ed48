// The setup windows of the setup tab set, one registration each.
#include "frame/gui/frm_main.h"
#include "frame/gui/setup_tabs.h"
#include "frame/gui/window_host.h"
#include "setup/gui/frm_dischrg.h"
#include "setup/gui/frm_foam.h"
#include "setup/gui/frm_pmp_setp.h"
#include "setup/gui/frm_supply.h"

namespace pumpdrill {

void RegisterSetupWindows(TfrmMain& main, SetupTabs& tabs) {
  tabs.Register(
      kTabSupply, 310,
      [](TfrmMain& m) {
        Program& p = m.program();
        return new TfrmSupply(p.S(), p.config, p.run, m.host(), m.miscLibrary(), m.CurrentLine);
      },
      main.mSupplySetup);
  tabs.Register(
      kTabPump, 330,
      [](TfrmMain& m) {
        Program& p = m.program();
        return new TfrmPmpSetp(p.S(), p.config, p.run, m.host());
      },
      main.mPumpSetup);
  tabs.Register(
      kTabDischarges, 340,
      [](TfrmMain& m) {
        Program& p = m.program();
        return new TfrmDischrg(p.S(), p.config, m.host(), m.miscLibrary(), m.CurrentLine, p.ConfigPath());
      },
      main.mDischargeSetup);
  tabs.Register(
      kTabFoam, 345,
      [](TfrmMain& m) {
        Program& p = m.program();
        return new TfrmFoam(p.S(), p.config, p.run, m.host());
      },
      main.mFoamSetup);
}

}  // namespace pumpdrill
