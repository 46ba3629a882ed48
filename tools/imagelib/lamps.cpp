// Panel lamps: round lenses in a dark bezel, lit green or red, or dark.
#include <QPainter>
#include <QRadialGradient>

#include "drawn_images.h"

namespace pumpdrill::imagelib {

namespace {

QImage Lamp(int size, QColor lens, bool lit) {
  QImage image = Canvas(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF outer(0.5, 0.5, size - 1.0, size - 1.0);
  p.setPen(QPen(QColor(40, 40, 40), 1.0));
  p.setBrush(QColor(90, 90, 90));
  p.drawEllipse(outer);
  qreal inset = size >= 12 ? 2.5 : 1.5;
  QRectF glass = outer.adjusted(inset, inset, -inset, -inset);
  QRadialGradient g(glass.center() - QPointF(glass.width() / 5, glass.height() / 5),
                    glass.width() / 1.6);
  if (lit) {
    g.setColorAt(0.0, lens.lighter(190));
    g.setColorAt(0.45, lens);
    g.setColorAt(1.0, lens.darker(150));
  } else {
    g.setColorAt(0.0, QColor(110, 110, 110));
    g.setColorAt(1.0, QColor(35, 35, 35));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(glass);
  return image;
}

}  // namespace

void AddLampImages(DrawnImages& out) {
  const QColor green(40, 210, 60), red(230, 30, 30);
  out.push_back({Library::Panel, "GRN_LIGHT_PIC", Lamp(15, green, true)});
  out.push_back({Library::Panel, "RED_LIGHT_PIC", Lamp(15, red, true)});
  out.push_back({Library::Panel, "DARK_LIGHT_PIC", Lamp(15, QColor(), false)});
  out.push_back({Library::Panel, "SM_GRN_LIGHT_PIC", Lamp(9, green, true)});
  out.push_back({Library::Panel, "SM_RED_LIGHT_PIC", Lamp(9, red, true)});
  out.push_back({Library::Panel, "SM_OFF_LIGHT_PIC", Lamp(9, QColor(), false)});
}

}  // namespace pumpdrill::imagelib
