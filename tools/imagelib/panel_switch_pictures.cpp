// Switches and handles of the panel: toggle switches in six positions, the
// relief valve's on/off slide, the engine cooler switch, the primer handle
// and its backing, the transfer valve plate and the T-handle.
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

#include "panel/gauge_faces.h"
#include "panel_paint.h"

namespace pumpdrill::imagelib {

namespace {

// A chrome bat lever from base to tip, width w at the base.
void Lever(QPainter& p, QPointF base, QPointF tip, double w) {
  const QPointF d = tip - base;
  const double len = std::hypot(d.x(), d.y());
  if (len > 0.1) {
    const QPointF n(-d.y() / len, d.x() / len);
    QPolygonF bat({base + n * (w / 2), tip + n * (w / 3), tip - n * (w / 3), base - n * (w / 2)});
    QLinearGradient g(base + n * (w / 2), base - n * (w / 2));
    g.setColorAt(0.0, QColor(90, 92, 98));
    g.setColorAt(0.35, QColor(250, 250, 252));
    g.setColorAt(0.6, QColor(170, 172, 178));
    g.setColorAt(1.0, QColor(60, 62, 66));
    p.setPen(QPen(QColor(40, 40, 44), 0.3));
    p.setBrush(g);
    p.drawPolygon(bat);
  }
  ChromeDisc(p, tip, w * 0.42);
}

// The chrome hexagon nut a toggle's lever stands in.
void HexNut(QPainter& p, QPointF c, double radius) {
  QPolygonF nut;
  for (int i = 0; i < 6; ++i) {
    const double a = M_PI / 6 + i * M_PI / 3;
    nut << c + QPointF(radius * std::cos(a), radius * std::sin(a));
  }
  QLinearGradient g(c - QPointF(6, 6), c + QPointF(6, 6));
  g.setColorAt(0.0, QColor(245, 245, 248));
  g.setColorAt(1.0, QColor(85, 87, 92));
  p.setPen(QPen(QColor(40, 40, 44), 0.4));
  p.setBrush(g);
  p.drawPolygon(nut);
}

// A toggle: hex nut and lever; dir is the lever's direction (0, 0 points at
// the viewer).
QImage Toggle(int w, int h, QPointF dir) {
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  const QPointF c(w / 2.0, h / 2.0);
  HexNut(p, c, 6.5);
  p.setBrush(QColor(30, 30, 32));
  p.drawEllipse(c, 3.6, 3.6);
  const double reach = std::max(w, h) / 2.0 - 3.2;
  if (dir.isNull()) {
    ChromeDisc(p, c, 3.3);
  } else {
    Lever(p, c, c + dir * reach, 4.2);
  }
  p.end();
  return image;
}

// The relief valve's on/off slide: a slot with the slide at the left (on)
// or the right (off).
QImage ReliefSwitch(bool on) {
  QImage image = PanelCanvas(44, 16);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, 44, 16), on ? 31 : 32, 2);
  EngravedText(p, "ON", {6, 8}, 3.4, true);
  EngravedText(p, "OFF", {37, 8}, 3.4, true);
  const QRectF slot(12, 5, 20, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(25, 25, 28));
  p.drawRoundedRect(slot, 3, 3);
  const QRectF knob(on ? 12.5 : 23.5, 3, 8, 10);
  QLinearGradient g(knob.topLeft(), knob.bottomLeft());
  g.setColorAt(0.0, on ? QColor(120, 230, 120) : QColor(250, 120, 110));
  g.setColorAt(1.0, on ? QColor(20, 120, 30) : QColor(150, 20, 20));
  p.setPen(QPen(QColor(30, 30, 30), 0.4));
  p.setBrush(g);
  p.drawRoundedRect(knob, 1.5, 1.5);
  p.end();
  return image;
}

QImage EngineCooler(bool on) {
  QImage image = PanelCanvas(52, 50);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, 52, 50), 41);
  EngravedText(p, "ENGINE", {26, 5.5}, 3.4);
  EngravedText(p, "COOLER", {26, 11}, 3.4);
  EngravedText(p, "ON", {39, 19}, 3.0);
  EngravedText(p, "OFF", {39, 41}, 3.0);
  LampLens(p, QRectF(5, 23.5, 9, 9), QColor(40, 220, 70), on);
  // Toggle in the middle of the plate, up for on.
  const QPointF c(26, 30);
  HexNut(p, c, 6);
  Lever(p, c, c + QPointF(0, on ? -11 : 11), 4.2);
  p.end();
  return image;
}

// The primer handle: a red pull knob on a chrome rod, pulled out (on) or
// at rest.
QImage Primer(bool on) {
  QImage image = PanelCanvas(30, 56);
  QPainter p;
  BeginPanelPainting(p, image);
  const double rodTop = on ? 22 : 38;
  QLinearGradient rod(QPointF(12, 0), QPointF(18, 0));
  rod.setColorAt(0.0, QColor(90, 92, 98));
  rod.setColorAt(0.4, QColor(250, 250, 252));
  rod.setColorAt(1.0, QColor(70, 72, 78));
  p.setPen(QPen(QColor(40, 40, 44), 0.3));
  p.setBrush(rod);
  p.drawRect(QRectF(12.5, rodTop, 5, 50 - rodTop));
  // Bushing.
  ChromeRing(p, {15, 50}, 5.5, 2.4);
  // The knob: a red T grip.
  const QRectF grip(2, rodTop - 14, 26, 14);
  QLinearGradient red(grip.topLeft(), grip.bottomLeft());
  red.setColorAt(0.0, QColor(255, 110, 100));
  red.setColorAt(0.45, QColor(210, 25, 25));
  red.setColorAt(1.0, QColor(110, 10, 10));
  p.setPen(QPen(QColor(60, 0, 0), 0.5));
  p.setBrush(red);
  p.drawRoundedRect(grip, 5, 5);
  PanelText(p, "PULL", grip.center(), 3.2, QColor(255, 240, 230), true);
  p.end();
  return image;
}

QImage PrimerBack() {
  QImage image = PanelCanvas(44, 80);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, 44, 80), 51);
  EngravedText(p, "PRIMER", {22, 6}, 3.8);
  // Socket of the handle's bushing.
  const QPointF bush(kPrimerHandleAt.X + 15, kPrimerHandleAt.Y + 50);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 32));
  p.drawEllipse(bush, 6.2, 6.2);
  EngravedText(p, "PULL TO PRIME", {22, 74}, 2.6);
  p.end();
  return image;
}

QImage TransferValve() {
  QImage image = PanelCanvas(47, 72);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, 47, 72), 61);
  EngravedText(p, "TRANSFER", {23.5, 5}, 3.2);
  EngravedText(p, "PRESS", {10.5, 16.5}, 2.7);
  EngravedText(p, "VOLUME", {12, 39.5}, 2.7);
  for (const FacePoint& lamp : kTransferLampAt) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 32));
    p.drawEllipse(QPointF(lamp.X + 7.5, lamp.Y + 7.5), 7.6, 7.6);
  }
  // Socket of the toggle.
  p.setBrush(QColor(30, 30, 32));
  p.drawEllipse(QPointF(kTransferToggleAt.X + 9, kTransferToggleAt.Y + 14), 7.4, 7.4);
  EngravedText(p, "PRESS", {33, 30}, 2.4);
  EngravedText(p, "VOL", {33, 66}, 2.4);
  p.end();
  return image;
}

// A T-handle seen from the front: a chrome cross bar on a stem.
QImage THandle() {
  QImage image = PanelCanvas(44, 40);
  QPainter p;
  BeginPanelPainting(p, image);
  ChromeRing(p, {22, 30}, 8, 3.5);
  QLinearGradient stem(QPointF(19, 0), QPointF(25, 0));
  stem.setColorAt(0.0, QColor(90, 92, 98));
  stem.setColorAt(0.45, QColor(250, 250, 252));
  stem.setColorAt(1.0, QColor(70, 72, 78));
  p.setPen(QPen(QColor(40, 40, 44), 0.3));
  p.setBrush(stem);
  p.drawRect(QRectF(19.5, 9, 5, 21));
  const QRectF bar(2, 3, 40, 9);
  QLinearGradient g(bar.topLeft(), bar.bottomLeft());
  g.setColorAt(0.0, QColor(255, 255, 255));
  g.setColorAt(0.4, QColor(190, 192, 198));
  g.setColorAt(1.0, QColor(70, 72, 78));
  p.setBrush(g);
  p.drawRoundedRect(bar, 4.5, 4.5);
  p.end();
  return image;
}

}  // namespace

void AddPanelSwitchImages(DrawnImages& out) {
  AddPanelPicture(out, "TOGGLE_UP", Toggle(18, 28, {0, -1}));
  AddPanelPicture(out, "TOGGLE_MID", Toggle(18, 28, {0, 0}));
  AddPanelPicture(out, "TOGGLE_DN", Toggle(18, 28, {0, 1}));
  AddPanelPicture(out, "TOGGLE_RT", Toggle(28, 18, {1, 0}));
  AddPanelPicture(out, "TOGGLE_VT", Toggle(28, 18, {0, 0}));
  AddPanelPicture(out, "TOGGLE_LF", Toggle(28, 18, {-1, 0}));
  AddPanelPicture(out, "RV_SW_ON", ReliefSwitch(true));
  AddPanelPicture(out, "RV_SW_OFF", ReliefSwitch(false));
  AddPanelPicture(out, "ENG_COOLER_OFF", EngineCooler(false));
  AddPanelPicture(out, "ENG_COOLER_ON", EngineCooler(true));
  AddPanelPicture(out, "PRIMER_OFF", Primer(false));
  AddPanelPicture(out, "PRIMER_ON", Primer(true));
  AddPanelPicture(out, std::string(kPrimerBackName), PrimerBack());
  AddPanelPicture(out, std::string(kTransferValveName), TransferValve());
  AddPanelPicture(out, "T_HANDLE", THandle());
}

}  // namespace pumpdrill::imagelib
