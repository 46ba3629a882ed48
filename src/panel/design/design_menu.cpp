#include "panel/design/design_menu.h"

namespace pumpdrill {

const std::vector<DesignMenuEntry>& DesignMenuEntries() {
  static const std::vector<DesignMenuEntry> entries = [] {
    std::vector<DesignMenuEntry> e = {
        {"Discharge Line", "Add New Discharge", kDesignAddDischarge, true, true},
        {"Discharge Line", "Remove Discharge", kDesignRemoveDischarge, true, true},
        {"", "Engine Cooler", kDesignEngineCooler, true, true},
        {"", "Master Flowmeter", kDesignFlowmeter, true, true},
        {"Misc. Gauges", "Engine Temp Gauge", kDesignEngTempGauge, true, true},
        {"Misc. Gauges", "Oil Pressure Gauge", kDesignOilPressGauge, true, true},
        {"Misc. Gauges", "Primer Oil Gauge", kDesignPumpOilGauge, false, true},
        {"Panel Lamps", "Check Transmission Lt", kDesignChkXmissionLt, true, true},
        {"Panel Lamps", "Check Engine Lt", kDesignChkEngineLt, true, true},
        {"Panel Lamps", "Stop Engine Lt", kDesignStopEngineLt, true, true},
        {"Other", "Dept. ID Box", kDesignIdBox, true, true},
        {"Other", "Narrow Bar", kDesignNarrowBar, true, true},
        {"Other", "Wide Bar", kDesignWideBar, true, true},
        {"Relief Valve", "Waterous", kDesignReliefWaterous, true, true},
        {"Relief Valve", "Hale", kDesignReliefHale, true, true},
        {"Relief Valve", "None", kDesignReliefNone, true, true},
        {"Governor", "FRC", kDesignGovernorFrc, true, false},
        {"Governor", "Electronic 2", kDesignGovernorElectronic2, true, true},
        {"Governor", "None", kDesignGovernorNone, true, true},
        {"Governor", "Class1", kDesignGovernorClass1, true, true},
        {"Throttle", "Pierce", kDesignThrottlePierce, true, true},
        {"Throttle", "Hale", kDesignThrottleHale, true, true},
        {"Throttle", "Electronic / FRC", kDesignThrottleElectronic, true, true},
        {"Foam Components", "Proportioner Ctrl", kDesignProportioner, true, true},
        {"Foam Components", "Tank Switch", kDesignTankSwitch, true, true},
        {"Foam Components", "CAFS Air On / Off", kDesignCafsOnOff, true, true},
        {"Foam Components", "CAFS Air Mode Ctrl", kDesignCafsMode, true, true},
    };
    static const char* const kLines[] = {"Line 1",  "Line 2",  "Line 3",  "Line 4",  "Line 5",
                                         "Line 6",  "Line 7",  "Line 8",  "Line 9",  "Line 10",
                                         "Line 11", "Line 12", "Line 13", "Line 14", "Line 15"};
    for (int n = 1; n <= 15; ++n)
      e.push_back({"Foam Components/CAFS Air Valves", kLines[n - 1], 100 + n, true, true});
    return e;
  }();
  return entries;
}

}  // namespace pumpdrill
