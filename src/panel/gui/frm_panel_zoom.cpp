// The panel's zoom: fitted to the window with its aspect kept (the
// background and bars fill the width), or the user's own; below 50 % the
// panel scrolls.
#include <QEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

#include "panel/gui/frm_panel.h"

namespace pumpdrill {

void TfrmPanel::Arrange() {
  const QSize view = scroll_->viewport()->size();
  const QSize extent(layout_.Width, layout_.Height);
  double zoom = userZoom_;
  if (fit_) {
    zoom = std::min(view.width() / static_cast<double>(extent.width()),
                    view.height() / static_cast<double>(extent.height()));
    zoom = std::max(zoom, kLeastFitZoom);
  }
  zoom = std::clamp(zoom, 0.25, 8.0);
  background_->Arrange(zoom, extent, view);
  // The needles' device pixels follow the new scale.
  for (GaugeDial* dial : gauges_)
    if (dial) dial->SetAngle(dial->Angle(), true);
  ImgRpmMeter->SetAngle(ImgRpmMeter->Angle(), true);
}

void TfrmPanel::ZoomToFit() {
  fit_ = true;
  Arrange();
}

void TfrmPanel::ZoomBy(double factor) {
  userZoom_ = std::clamp(Zoom() * factor, 0.25, 8.0);
  fit_ = false;
  Arrange();
}

void TfrmPanel::SetZoom(double zoom) {
  userZoom_ = std::clamp(zoom, 0.25, 8.0);
  fit_ = false;
  Arrange();
}

void TfrmPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Arrange();
}

bool TfrmPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Resize) Arrange();
  if (background_ && DesignEvent(watched, event)) return true;
  return QWidget::eventFilter(watched, event);
}

void TfrmPanel::keyPressEvent(QKeyEvent* event) {
  if (PanelKey(event)) return;
  QWidget::keyPressEvent(event);
}

}  // namespace pumpdrill
