#include "panel/gauge_pop_menu.h"

#include "sim/state.h"

namespace pumpdrill {

int GaugeTitleLine(int gauge) { return IsPressureGauge(gauge) ? gauge : 0; }

std::string GaugeTitle(const State& s, int gauge) {
  const int line = GaugeTitleLine(gauge);
  return line == 0 ? std::string() : s.DischargeList.LineTitle[line].str();
}

PopMenuEntry GaugePopMenu(const PanelLayout& layout, const State& s, int gauge) {
  const int face = EffectiveFaceColour(layout, gauge);
  PopMenuEntry menu;
  menu.Items.push_back(
      PopMenuEntry::Item("Rename:  " + GaugeTitle(s, gauge) + "  (# " + std::to_string(gauge) + ")",
                         kGaugeRenameCommand));
  menu.Items.push_back(PopMenuEntry::Menu(
      "Color",
      {PopMenuEntry::Item("Black Background", kGaugeBlackFaceCommand, true, face == kFaceBlack),
       PopMenuEntry::Item("White Background", kGaugeWhiteFaceCommand, true, face == kFaceWhite)}));
  menu.Items.push_back(PopMenuEntry::Item("Size", kNoMenuCommand, false));
  return menu;
}

void StoreGaugeTitle(State& s, int gauge, std::string_view title) {
  const int line = GaugeTitleLine(gauge);
  if (line == 0) return;
  s.DischargeList.LineTitle[line] = title.substr(0, Utf8PrefixLength(title, kMostGaugeTitle));
}

int FaceColourOfCommand(int command) {
  return command == kGaugeBlackFaceCommand   ? kFaceBlack
         : command == kGaugeWhiteFaceCommand ? kFaceWhite
                                             : 0;
}

bool HasTmpOilMenu(int gauge) {
  return gauge == kEngTempGauge || gauge == kOilPressGauge || gauge == kPumpOilGauge;
}

PanelItem EngineGaugeItem(int gauge) {
  return gauge == kEngTempGauge    ? PanelItem::EngTempGauge
         : gauge == kOilPressGauge ? PanelItem::OilPressGauge
                                   : PanelItem::PumpOilGauge;
}

PanelItem EngineGaugeLamp(int gauge) {
  return gauge == kEngTempGauge    ? PanelItem::TempLt
         : gauge == kOilPressGauge ? PanelItem::OilPressureLt
                                   : PanelItem::PumpOilLt;
}

PopMenuEntry TmpOilGaugePopMenu(const PanelLayout& layout, int gauge) {
  PopMenuEntry menu;
  menu.Items.push_back(PopMenuEntry::Item("Show Indicator Lt", kShowGaugeLampCommand, true,
                                          layout.Item(EngineGaugeLamp(gauge)).Visible));
  menu.Items.push_back(PopMenuEntry::Item("Visible", kGaugeVisibleCommand, true,
                                          layout.Item(EngineGaugeItem(gauge)).Visible));
  return menu;
}

bool ApplyTmpOilCommand(PanelLayout& layout, int gauge, int command) {
  if (!HasTmpOilMenu(gauge)) return false;
  PanelPlace& lamp = layout.Item(EngineGaugeLamp(gauge));
  PanelPlace& item = layout.Item(EngineGaugeItem(gauge));
  if (command == kShowGaugeLampCommand) {
    lamp.Visible = !lamp.Visible;
    return true;
  }
  if (command == kGaugeVisibleCommand && (item.Visible || lamp.Visible)) {
    item.Visible = false;
    lamp.Visible = false;
    return true;
  }
  return false;
}

}  // namespace pumpdrill
