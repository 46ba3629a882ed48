#include "panel/gui/pop_menu_valve.h"

#include "panel/gui/frm_panel.h"
#include "panel/valve_pop_menu.h"

namespace pumpdrill {

QMenu* MakePopMenuValve(TfrmPanel& panel, int valve, const DesignEditor& edit) {
  auto* menu = new QMenu(&panel);
  menu->setObjectName("PopMenuValve");
  const State& s = panel.ControlState();
  const PopMenuEntry description =
      ValvePopMenu(panel.Layout().Valves[valve], s.DischargeList.RotaryOpensCCW[valve] != 0);
  FillPopMenu(*menu, description, [&panel, valve, edit](int command) {
    const ValveMenuChoice choice = DecodeValveMenuCommand(command);
    if (choice.What == ValveMenuChoice::Kind::Handle) {
      edit([&panel, valve, choice] {
        const int type = PrepareValveHandle(panel.ControlState(), valve, choice);
        panel.SetValveHandleType(valve, type);
      });
    } else if (choice.What != ValveMenuChoice::Kind::None) {
      edit([&panel, valve, choice] {
        ValvePlace& v = panel.Layout().Valves[valve];
        if (!ApplyTitleColour(v, choice)) return;
        panel.ValveTitle(valve)->SetColours(ToQColor(v.TitleForeground),
                                            ToQColor(v.TitleBackground), v.TitleTransparent);
      });
    }
  });
  return menu;
}

}  // namespace pumpdrill
