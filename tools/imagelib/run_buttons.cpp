// Glyphs of the main window's run panel: start, pause and stop, and the
// burn-house, graph and nozzle buttons. 20 x 20 pixels each.
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "drawn_images.h"

namespace pumpdrill::imagelib {

namespace {

constexpr int kSize = 20;

QImage Glyph(void (*draw)(QPainter&)) {
  QImage image = Canvas(kSize, kSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return image;
}

void Start(QPainter& p) {
  p.setPen(QPen(QColor(0, 90, 0), 1.2));
  p.setBrush(QColor(30, 170, 40));
  p.drawPolygon(QPolygonF({QPointF(5, 3), QPointF(17, 10), QPointF(5, 17)}));
}

void Pause(QPainter& p) {
  p.setPen(QPen(QColor(120, 90, 0), 1.0));
  p.setBrush(QColor(235, 180, 20));
  p.drawRect(QRectF(4.5, 3.5, 4, 13));
  p.drawRect(QRectF(11.5, 3.5, 4, 13));
}

void Stop(QPainter& p) {
  p.setPen(QPen(QColor(110, 0, 0), 1.0));
  p.setBrush(QColor(210, 30, 30));
  p.drawRect(QRectF(4.5, 4.5, 11, 11));
}

void BurnHouse(QPainter& p) {
  // A small house with a flame out of its window.
  p.setPen(QPen(QColor(60, 40, 30), 1.0));
  p.setBrush(QColor(170, 140, 110));
  p.drawPolygon(QPolygonF({QPointF(2.5, 10), QPointF(10, 3.5), QPointF(17.5, 10), QPointF(17.5, 18.5),
                           QPointF(2.5, 18.5)}));
  QPainterPath flame;
  flame.moveTo(7, 18);
  flame.cubicTo(4, 13, 9, 12, 8, 7);
  flame.cubicTo(12, 10, 15, 13, 12, 18);
  flame.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 110, 10));
  p.drawPath(flame);
  p.setBrush(QColor(255, 220, 60));
  p.drawEllipse(QRectF(8, 13, 3, 4.5));
}

void Graph(QPainter& p) {
  p.setPen(QPen(QColor(40, 40, 40), 1.0));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2.5, 2.5, 15, 15));
  p.setPen(QPen(QColor(0, 0, 200), 1.6));
  p.drawPolyline(QPolygonF({QPointF(4, 14), QPointF(8, 9), QPointF(11, 11), QPointF(16, 5)}));
  p.setPen(QPen(QColor(200, 0, 0), 1.2));
  p.drawPolyline(QPolygonF({QPointF(4, 10), QPointF(9, 12), QPointF(12, 7), QPointF(16, 9)}));
}

void Nozzle(QPainter& p) {
  // A hand line nozzle with its bail, spraying to the right.
  p.setPen(QPen(QColor(30, 30, 30), 1.0));
  p.setBrush(QColor(190, 190, 200));
  p.drawPolygon(QPolygonF({QPointF(1.5, 8), QPointF(8, 8), QPointF(12.5, 9), QPointF(12.5, 12),
                           QPointF(8, 13), QPointF(1.5, 13)}));
  p.setBrush(QColor(200, 30, 30));
  p.drawRect(QRectF(8.5, 7.5, 2, 6));
  p.setPen(QPen(QColor(30, 30, 30), 1.2));
  p.drawLine(QPointF(6, 8), QPointF(9, 3));
  p.setPen(QPen(QColor(40, 120, 230), 1.2));
  p.drawLine(QPointF(14, 10.5), QPointF(19, 10.5));
  p.drawLine(QPointF(14, 9.5), QPointF(18.5, 6.5));
  p.drawLine(QPointF(14, 11.5), QPointF(18.5, 14.5));
}

}  // namespace

void AddRunButtonImages(DrawnImages& out) {
  out.push_back({Library::Misc, "BTN_START", Glyph(Start)});
  out.push_back({Library::Misc, "BTN_PAUSE", Glyph(Pause)});
  out.push_back({Library::Misc, "BTN_STOP", Glyph(Stop)});
  out.push_back({Library::Misc, "BTN_BURNHOUSE", Glyph(BurnHouse)});
  out.push_back({Library::Misc, "BTN_GRAPH", Glyph(Graph)});
  out.push_back({Library::Misc, "BTN_NOZZLE", Glyph(Nozzle)});
}

}  // namespace pumpdrill::imagelib
