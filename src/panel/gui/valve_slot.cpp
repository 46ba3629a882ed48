#include "panel/gui/valve_slot.h"

#include <QPainter>

namespace pumpdrill {

void ValveSlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double z = Zoom();
  // Bevelled plate 37 × 114 with a 15 × 82 opening.
  QLinearGradient plate(0, 0, width(), 0);
  plate.setColorAt(0, QColor(225, 228, 230));
  plate.setColorAt(1, QColor(150, 154, 158));
  p.setPen(QPen(QColor(90, 92, 95), 1));
  p.setBrush(plate);
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3 * z, 3 * z);
  const QRectF opening(11 * z, 16 * z, 15 * z, 82 * z);
  p.setBrush(QColor(28, 28, 30));
  p.drawRoundedRect(opening, 7 * z, 7 * z);
  // The handle pushed in (valve shut): the stick hidden, the knob at the top.
  QRadialGradient knob(QPointF(15 * z, 20 * z), 16 * z);
  knob.setColorAt(0, QColor(255, 255, 255));
  knob.setColorAt(1, QColor(110, 112, 116));
  p.setPen(QPen(QColor(40, 40, 40), 0.8 * z));
  p.setBrush(knob);
  p.drawEllipse(QRectF(6 * z, 6 * z, 25 * z, 26 * z));
}

}  // namespace pumpdrill
