#include "panel/gui/pop_menu_gauge.h"

#include "panel/gauge_pop_menu.h"
#include "panel/gui/frm_panel.h"
#include "panel/gui/panel_dialogs.h"

namespace pumpdrill {

namespace {

void Rename(TfrmPanel& panel, int gauge, const DesignEditor& edit) {
  const std::optional<std::string> typed = panel.Dialogs().InputQuery(
      &panel, kGaugeRenameCaption, kGaugeRenamePrompt, GaugeTitle(panel.ControlState(), gauge));
  if (!typed) return;
  edit([&panel, gauge, title = *typed] {
    StoreGaugeTitle(panel.ControlState(), gauge, title);
    panel.RebuildPanel();
  });
}

}  // namespace

QMenu* MakePopMenuGauge(TfrmPanel& panel, int gauge, const DesignEditor& edit) {
  auto* menu = new QMenu(&panel);
  menu->setObjectName("PopMenuGauge");
  const PopMenuEntry description = GaugePopMenu(panel.Layout(), panel.ControlState(), gauge);
  FillPopMenu(*menu, description, [&panel, gauge, edit](int command) {
    if (command == kGaugeRenameCommand) {
      Rename(panel, gauge, edit);
      return;
    }
    const int colour = FaceColourOfCommand(command);
    if (colour == 0) return;
    edit([&panel, gauge, colour] {
      panel.Layout().FaceColour[gauge] = colour;
      panel.DrawGaugeFace(gauge, true);
    });
  });
  return menu;
}

QMenu* MakePopMenuTmpOilGauge(TfrmPanel& panel, int gauge, const DesignEditor& edit) {
  auto* menu = new QMenu(&panel);
  menu->setObjectName("PopMenuTmpOilGauge");
  FillPopMenu(*menu, TmpOilGaugePopMenu(panel.Layout(), gauge), [&panel, gauge, edit](int command) {
    edit([&panel, gauge, command] {
      if (ApplyTmpOilCommand(panel.Layout(), gauge, command)) panel.ApplyLayout();
    });
  });
  return menu;
}

}  // namespace pumpdrill
