// Opens the panel's item menus on a right click: PopMenuValve on a valve's
// handle or title and PopMenuGauge on a pressure gauge while design mode
// is on, PopMenuTmpOilGauge on the engine temperature, oil pressure and
// primer oil gauges at any time. A right click they do not take goes on
// to the panel.
#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>

namespace pumpdrill {

class TfrmPanel;

class PanelPopMenus : public QObject {
 public:
  // Watches the panel's valve handles and titles and its gauges.
  explicit PanelPopMenus(TfrmPanel& panel);

  // The menu shown now, or nullptr.
  QMenu* Shown() const { return shown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The menu for an item, or nullptr when it has none now.
  QMenu* MenuFor(QObject* item);
  // Every change the menus make passes here, one design action each.
  void DesignEdit(const std::function<void()>& change);

  TfrmPanel& panel_;
  QPointer<QMenu> shown_;
};

}  // namespace pumpdrill
