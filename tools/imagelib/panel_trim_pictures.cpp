// Trim of the panel: the narrow upper bar, the wide lower bar of tread
// plate, a brushed stainless tile for the background, and the master
// flowmeter with its LCD well, selector dial and knob frames.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "panel/gauge_faces.h"
#include "panel_paint.h"

namespace pumpdrill::imagelib {

namespace {

QImage UpperBar() {
  QImage image = PanelCanvas(625, 8);
  QPainter p;
  BeginPanelPainting(p, image);
  QLinearGradient g(QPointF(0, 0), QPointF(0, 8));
  g.setColorAt(0.0, QColor(250, 250, 252));
  g.setColorAt(0.3, QColor(175, 177, 183));
  g.setColorAt(0.55, QColor(235, 236, 240));
  g.setColorAt(1.0, QColor(80, 82, 88));
  p.fillRect(QRectF(0, 0, 625, 8), g);
  p.end();
  return image;
}

// Diamond tread plate between two chrome edges.
QImage LowerBar() {
  QImage image = PanelCanvas(634, 46);
  QPainter p;
  BeginPanelPainting(p, image);
  QLinearGradient base(QPointF(0, 0), QPointF(0, 46));
  base.setColorAt(0.0, QColor(200, 202, 206));
  base.setColorAt(1.0, QColor(150, 152, 158));
  p.fillRect(QRectF(0, 0, 634, 46), base);
  for (int row = 0; row < 10; ++row) {
    for (int col = 0; col < 80; ++col) {
      const double x = col * 8 + (row % 2) * 4, y = 4 + row * 4.2;
      const bool slant = (row + col) % 2 == 0;
      p.save();
      p.translate(x, y);
      p.rotate(slant ? 40 : -40);
      QLinearGradient d(QPointF(0, -1), QPointF(0, 1));
      d.setColorAt(0.0, QColor(255, 255, 255));
      d.setColorAt(1.0, QColor(95, 97, 102));
      p.setPen(Qt::NoPen);
      p.setBrush(d);
      p.drawRoundedRect(QRectF(-2.6, -0.7, 5.2, 1.4), 0.7, 0.7);
      p.restore();
    }
  }
  for (double y : {0.0, 43.0}) {
    QLinearGradient e(QPointF(0, y), QPointF(0, y + 3));
    e.setColorAt(0.0, QColor(250, 250, 252));
    e.setColorAt(1.0, QColor(90, 92, 98));
    p.fillRect(QRectF(0, y, 634, 3), e);
  }
  p.end();
  return image;
}

QImage Background() {
  QImage image = PanelCanvas(128, 128);
  QPainter p;
  BeginPanelPainting(p, image);
  BrushedSteel(p, QRectF(0, 0, 128, 128), 5);
  p.end();
  return image;
}

QImage Flowmeter() {
  QImage image = PanelCanvas(135, 69);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, 135, 69), 81, 3);
  EngravedText(p, "MASTER FLOWMETER", {29, 9}, 3.2, true);
  // The LCD well of the readout.
  // Room for the readout and, right of it, the unit label.
  const QRectF well(kFlowmeterReadout.Left - 1, kFlowmeterReadout.Top - 1.5,
                    kFlowmeterReadout.Width + 15, kFlowmeterReadout.Height + 3);
  QLinearGradient bezel(well.topLeft(), well.bottomRight());
  bezel.setColorAt(0.0, QColor(60, 60, 64));
  bezel.setColorAt(1.0, QColor(235, 236, 240));
  p.setPen(Qt::NoPen);
  p.setBrush(bezel);
  p.drawRoundedRect(well.adjusted(-0.8, -0.8, 0.8, 0.8), 2, 2);
  p.setBrush(QColor(6, 14, 6));
  p.drawRoundedRect(well, 1.5, 1.5);
  EngravedText(p, "LINE  \u00B7  TOTAL  \u00B7  SCAN", {29, 54}, 2.6, false);
  // Selector dial: a dark ring with the ten positions.
  const QPointF c(kFlowmeterDialHub.X, kFlowmeterDialHub.Y);
  p.setBrush(QColor(28, 28, 30));
  const double dial = kFlowmeterDialRadius;
  p.drawEllipse(c, dial - 1, dial - 1);
  ChromeRing(p, c, dial, dial - 1.4);
  const char* labels[10] = {"1", "2", "3", "4", "5", "6", "7", "8", "TOT", "SCAN"};
  for (int pos = 1; pos <= 10; ++pos) {
    const double a = FlowmeterSelectorDegrees(pos) * M_PI / 180;  // clockwise, y down
    const QPointF d(std::cos(a), std::sin(a));
    p.setPen(QPen(QColor(240, 240, 236), 0.5));
    p.drawLine(c + d * (dial - 3.6), c + d * (dial - 1.9));
    const double r = pos >= 9 ? kFlowmeterLabelRadius - 1.5 : kFlowmeterLabelRadius;
    PanelText(p, labels[pos - 1], c + d * r, pos >= 9 ? 2.9 : 4.0, QColor(245, 245, 240), true);
  }
  p.end();
  return image;
}

// The selector knob pointing at position pos.
QImage FlowmeterKnob(int pos) {
  const int s = kFlowmeterKnobSize;
  QImage image = PanelCanvas(s, s);
  QPainter p;
  BeginPanelPainting(p, image);
  const QPointF c(s / 2.0, s / 2.0);
  p.translate(c);
  p.rotate(FlowmeterSelectorDegrees(pos));
  // A black bar knob with a white pointer line.
  QLinearGradient g(QPointF(0, -5), QPointF(0, 5));
  g.setColorAt(0.0, QColor(95, 95, 100));
  g.setColorAt(0.5, QColor(30, 30, 32));
  g.setColorAt(1.0, QColor(8, 8, 10));
  p.setPen(QPen(QColor(0, 0, 0), 0.4));
  p.setBrush(g);
  p.drawEllipse(QPointF(0, 0), 9, 9);
  p.drawRoundedRect(QRectF(-12.5, -3.2, 25, 6.4), 3, 3);
  p.setPen(QPen(QColor(250, 250, 245), 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(3, 0), QPointF(12, 0));
  ChromeDisc(p, QPointF(0, 0), 3.2);
  p.end();
  return image;
}

}  // namespace

void AddPanelTrimImages(DrawnImages& out) {
  AddPanelPicture(out, std::string(kUpperBarName), UpperBar());
  AddPanelPicture(out, std::string(kLowerBarName), LowerBar());
  AddPanelPicture(out, std::string(kBackgroundName), Background());
  AddPanelPicture(out, std::string(kFlowmeterName), Flowmeter());
  for (int pos = 1; pos <= 10; ++pos) {
    char name[32];
    std::snprintf(name, sizeof name, "PANEL_FLOWMETER_KNOB%02d", pos);
    AddPanelPicture(out, name, FlowmeterKnob(pos));
  }
}

}  // namespace pumpdrill::imagelib
