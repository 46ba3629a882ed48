#include "panel/gui/panel_background.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pumpdrill {

PanelBackground::PanelBackground(PanelPictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
  setObjectName("pnlBgPanel");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelBackground::Arrange(double zoom, QSize layoutExtent, QSize least) {
  zoom_ = zoom;
  const int w = std::max(least.width(), static_cast<int>(std::ceil(layoutExtent.width() * zoom)));
  const int h =
      std::max(least.height(), static_cast<int>(std::ceil(layoutExtent.height() * zoom)));
  offsetX_ = std::max(0, (w - static_cast<int>(std::lround(layoutExtent.width() * zoom))) / 2);
  resize(w, h);
  for (PanelItemWidget* item : items_) PlaceItem(item);
  update();
}

void PanelBackground::AddItem(PanelItemWidget* item, bool fullWidth) {
  items_.push_back(item);
  if (fullWidth) fullWidth_.push_back(item);
  PlaceItem(item);
}

void PanelBackground::RemoveItem(PanelItemWidget* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  fullWidth_.erase(std::remove(fullWidth_.begin(), fullWidth_.end(), item), fullWidth_.end());
}

void PanelBackground::PlaceItem(PanelItemWidget* item) {
  const PanelPlace& p = item->Place;
  const int left = offsetX_ + static_cast<int>(std::lround(p.Left * zoom_));
  const int top = static_cast<int>(std::lround(p.Top * zoom_));
  // Edges are rounded, not sizes, so neighbours stay neighbours.
  const int right = offsetX_ + static_cast<int>(std::lround(p.Right() * zoom_));
  const int bottom = static_cast<int>(std::lround(p.Bottom() * zoom_));
  if (std::find(fullWidth_.begin(), fullWidth_.end(), item) != fullWidth_.end())
    item->setGeometry(0, top, width(), bottom - top);
  else
    item->setGeometry(left, top, right - left, bottom - top);
  item->setVisible(p.Visible);
}

QPointF PanelBackground::ToLayout(QPointF widget) const {
  return {(widget.x() - offsetX_) / zoom_, widget.y() / zoom_};
}

QPointF PanelBackground::FromLayout(QPointF layout) const {
  return {layout.x() * zoom_ + offsetX_, layout.y() * zoom_};
}

void PanelBackground::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect r = event->rect();
  // Brushed stainless: a soft vertical sheen with fine horizontal grain.
  QLinearGradient sheen(0, 0, 0, height());
  sheen.setColorAt(0.0, QColor(176, 180, 184));
  sheen.setColorAt(0.45, QColor(206, 209, 212));
  sheen.setColorAt(1.0, QColor(164, 168, 172));
  p.fillRect(r, sheen);
  const double step = std::max(1.0, 2.0 * zoom_);
  for (double y = std::floor(r.top() / step) * step; y <= r.bottom(); y += step) {
    const int grain = static_cast<int>(y / step) * 2654435761u >> 28;  // a fixed pattern
    p.setPen(QColor(255, 255, 255, 10 + grain * 2));
    p.drawLine(QPointF(r.left(), y), QPointF(r.right() + 1, y));
  }
}

}  // namespace pumpdrill
