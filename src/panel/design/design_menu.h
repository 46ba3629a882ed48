// The commands of panel design mode: the main window's "Panel Design" menu
// and the panel's own pop-up menu carry the same codes in their items'
// tags. The connector items (one per line) carry no code of their own.
#pragma once

#include <vector>

namespace pumpdrill {

// Menu codes of the design commands.
enum DesignCode : int {
  kDesignAddDischarge = 3,
  kDesignRemoveDischarge = 4,
  kDesignEngineCooler = 5,
  kDesignFlowmeter = 10,
  kDesignEngTempGauge = 11,
  kDesignOilPressGauge = 12,
  kDesignPumpOilGauge = 13,
  kDesignChkXmissionLt = 25,
  kDesignChkEngineLt = 26,
  kDesignStopEngineLt = 27,
  kDesignIdBox = 35,
  kDesignNarrowBar = 36,
  kDesignWideBar = 37,
  kDesignReliefWaterous = 60,
  kDesignReliefHale = 61,
  kDesignReliefNone = 62,
  kDesignGovernorFrc = 65,
  kDesignGovernorElectronic2 = 66,
  kDesignGovernorNone = 67,
  kDesignGovernorClass1 = 68,
  kDesignThrottlePierce = 70,
  kDesignThrottleHale = 71,
  kDesignThrottleElectronic = 72,
  kDesignProportioner = 91,
  kDesignTankSwitch = 92,
  kDesignCafsOnOff = 94,
  kDesignCafsMode = 95,
  kDesignFirstAirValve = 101,  // line 1's compressed-air valve; line n is 100 + n
  kDesignLastAirValve = 115,
};

// One item of the menu: the sub-menu it stands in (empty for the top
// level, "A/B" for a sub-menu of a sub-menu), its caption and code.
struct DesignMenuEntry {
  const char* Submenu;
  const char* Caption;
  int Code;
  bool PanelMenu;  // also on the panel's own pop-up menu
  bool Shown;      // false: built but hidden
};

// Every coded item in menu order.
const std::vector<DesignMenuEntry>& DesignMenuEntries();

// The sub-menu and captions of the per-line connector items.
inline constexpr const char* kConnectorSubmenu = "Hose Connections";
inline constexpr const char* kAddConnectorCaption = "Add Intake or Disch Connector";
inline constexpr const char* kRemoveConnectorCaption = "Remove Intake or Disch Connector";

}  // namespace pumpdrill
