#include "panel/gui/panel_pop_menus.h"

#include <QContextMenuEvent>

#include "panel/gauge_pop_menu.h"
#include "panel/gui/frm_panel.h"
#include "panel/gui/pop_menu_gauge.h"
#include "panel/gui/pop_menu_valve.h"

namespace pumpdrill {

PanelPopMenus::PanelPopMenus(TfrmPanel& panel) : QObject(&panel), panel_(panel) {
  for (int v = kFirstHandleValve; v <= kLastHandleValve; ++v) {
    panel.ValveHandle(v)->installEventFilter(this);
    panel.ValveTitle(v)->installEventFilter(this);
  }
  for (int g = 1; g < kGaugeSlots; ++g)
    if (GaugeDial* dial = panel.Gauge(g)) dial->installEventFilter(this);
}

QMenu* PanelPopMenus::MenuFor(QObject* item) {
  const DesignEditor edit = [this](const std::function<void()>& change) { DesignEdit(change); };
  const bool design = panel_.Run().DesignMode;
  for (int v = kFirstHandleValve; v <= kLastHandleValve; ++v) {
    if (item != panel_.ValveHandle(v) && item != panel_.ValveTitle(v)) continue;
    return design ? MakePopMenuValve(panel_, v, edit) : nullptr;
  }
  for (int g = 1; g < kGaugeSlots; ++g) {
    if (item != panel_.Gauge(g)) continue;
    if (HasTmpOilMenu(g)) return MakePopMenuTmpOilGauge(panel_, g, edit);
    return design && IsPressureGauge(g) ? MakePopMenuGauge(panel_, g, edit) : nullptr;
  }
  return nullptr;
}

bool PanelPopMenus::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ContextMenu) return QObject::eventFilter(watched, event);
  QMenu* menu = MenuFor(watched);
  if (!menu) return false;  // the panel's own menu, if any
  if (shown_) shown_->close();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  shown_ = menu;
  menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
  event->accept();
  return true;
}

void PanelPopMenus::DesignEdit(const std::function<void()>& change) {
  // The one place where the menus change the panel: undo records the
  // layout before the change, and the layout counts as changed since saved.
  panel_.BeginDesignAction();
  change();
}

}  // namespace pumpdrill
