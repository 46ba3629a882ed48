// Pictures of the burn-house window: the glyph of the small button that
// shows the structure's data during a run, an "i" on a blue disc. Drawn at
// four times its 16 x 16 screen size, so that it stays crisp on fine screens.
#include <QPainter>
#include <QPainterPath>

#include "drawn_images.h"

namespace pumpdrill::imagelib {

namespace {

constexpr int kScale = 4;
constexpr int kSize = 16;

QImage ShowSetupGlyph() {
  QImage image = Canvas(kSize * kScale, kSize * kScale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kScale, kScale);
  QRadialGradient disc(QPointF(6, 5), 10);
  disc.setColorAt(0, QColor(90, 150, 235));
  disc.setColorAt(1, QColor(20, 70, 170));
  p.setPen(QPen(QColor(10, 40, 110), 0.75));
  p.setBrush(disc);
  p.drawEllipse(QRectF(0.75, 0.75, 14.5, 14.5));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(6.75, 3.0, 2.5, 2.5));  // the dot
  QPainterPath stem;
  stem.moveTo(6.0, 6.8);
  stem.lineTo(9.2, 6.8);
  stem.lineTo(9.2, 11.6);
  stem.lineTo(10.2, 11.6);
  stem.lineTo(10.2, 13.0);
  stem.lineTo(5.8, 13.0);
  stem.lineTo(5.8, 11.6);
  stem.lineTo(6.8, 11.6);
  stem.lineTo(6.8, 8.2);
  stem.lineTo(6.0, 8.2);
  stem.closeSubpath();
  p.drawPath(stem);
  return image;
}

}  // namespace

void AddBurnHouseImages(DrawnImages& out) {
  out.push_back({Library::Misc, "BTN_SHOW_SETUP", ShowSetupGlyph()});
}

}  // namespace pumpdrill::imagelib
