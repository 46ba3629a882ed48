// Rotary controls and push-pull valve parts: the hand wheel in 18 frames
// (20 degrees apart), the relief valve knob in 10 frames (18 degrees) over
// its backing, the throttle knob in 4 frames (15 degrees) over its backing,
// and the slot, stick and handle of the push-pull discharge valves.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

#include "panel/gauge_faces.h"
#include "panel_paint.h"

namespace pumpdrill::imagelib {

namespace {

std::string Frame(const char* stem, int i) {
  char name[40];
  std::snprintf(name, sizeof name, "%s%02d", stem, i);
  return name;
}

// A chrome hand wheel with spokes and a red grip knob, turned by degrees.
QImage HandWheel(double degrees) {
  const int s = kHandWheelSize;
  QImage image = PanelCanvas(s, s);
  QPainter p;
  BeginPanelPainting(p, image);
  const QPointF c(s / 2.0, s / 2.0);
  const double r = s / 2.0 - 1;
  ChromeRing(p, c, r, r - 5);
  p.save();
  p.translate(c);
  p.rotate(degrees);
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.rotate(i * 120);
    QLinearGradient g(QPointF(0, -2), QPointF(0, 2));
    g.setColorAt(0.0, QColor(250, 250, 252));
    g.setColorAt(1.0, QColor(80, 82, 88));
    p.setPen(QPen(QColor(40, 40, 44), 0.3));
    p.setBrush(g);
    p.drawRect(QRectF(0, -1.8, r - 4.5, 3.6));
    p.restore();
  }
  // Grip knob on the rim shows the turn.
  QRadialGradient red(QPointF(r - 2.5, 0) - QPointF(1, 1), 4);
  red.setColorAt(0.0, QColor(255, 130, 120));
  red.setColorAt(1.0, QColor(140, 10, 10));
  p.setPen(QPen(QColor(60, 0, 0), 0.4));
  p.setBrush(red);
  p.drawEllipse(QPointF(r - 2.5, 0), 3.4, 3.4);
  p.restore();
  ChromeDisc(p, c, 6);
  p.end();
  return image;
}

// A knurled black knob with a white index line at degrees.
QImage Knob(int size, double degrees) {
  QImage image = PanelCanvas(size, size);
  QPainter p;
  BeginPanelPainting(p, image);
  const QPointF c(size / 2.0, size / 2.0);
  const double r = size / 2.0 - 0.6;
  QPainterPath knurl;
  const int teeth = 28;
  for (int i = 0; i <= teeth * 2; ++i) {
    const double a = (i * M_PI / teeth) + degrees * M_PI / 180;
    const double rr = i % 2 ? r : r - 1.2;
    const QPointF q = c + QPointF(rr * std::cos(a), rr * std::sin(a));
    if (i == 0)
      knurl.moveTo(q);
    else
      knurl.lineTo(q);
  }
  QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
  g.setColorAt(0.0, QColor(110, 110, 115));
  g.setColorAt(0.6, QColor(30, 30, 32));
  g.setColorAt(1.0, QColor(5, 5, 6));
  p.setPen(QPen(QColor(0, 0, 0), 0.3));
  p.setBrush(g);
  p.drawPath(knurl);
  ChromeRing(p, c, r * 0.62, r * 0.52);
  p.setBrush(QColor(20, 20, 22));
  p.drawEllipse(c, r * 0.52, r * 0.52);
  p.save();
  p.translate(c);
  p.rotate(degrees);
  p.setPen(QPen(QColor(250, 250, 245), std::max(0.8, r * 0.07), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(0, -r * 0.15), QPointF(0, -r * 0.95));
  p.restore();
  p.end();
  return image;
}

QImage Backing(int w, int h, const char* title, const char* lower, unsigned seed) {
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, w, h), seed, 3);
  EngravedText(p, title, {w / 2.0, 4.5}, 3.2);
  if (*lower) EngravedText(p, lower, {w / 2.0, h - 4.5}, 2.8);
  p.end();
  return image;
}

// The slot of a push-pull valve: a bevelled plate with the opening in it,
// 16 from either end (the short slot's opening is 15 x 82).
QImage Slot(int w, int h, bool vertical) {
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, w, h), static_cast<unsigned>(w * 7 + h), 3);
  const QRectF opening =
      vertical ? QRectF((w - kPushPullOpeningWidth) / 2.0, 16, kPushPullOpeningWidth, h - 32)
               : QRectF(16, (h - kPushPullOpeningWidth) / 2.0, w - 32, kPushPullOpeningWidth);
  QLinearGradient g(opening.topLeft(), vertical ? opening.topRight() : opening.bottomLeft());
  g.setColorAt(0.0, QColor(5, 5, 6));
  g.setColorAt(1.0, QColor(45, 45, 48));
  p.setPen(QPen(QColor(235, 235, 238), 0.5));
  p.setBrush(g);
  p.drawRoundedRect(opening, kPushPullOpeningWidth / 2.0, kPushPullOpeningWidth / 2.0);
  const QPointF screws[2] = {vertical ? QPointF(w / 2.0, 5.5) : QPointF(5.5, h / 2.0),
                             vertical ? QPointF(w / 2.0, h - 5.5) : QPointF(w - 5.5, h / 2.0)};
  for (QPointF s : screws) Screw(p, s, 2);
  p.end();
  return image;
}

// The chrome stick between handle and slot end.
QImage Stick(int w, int h) {
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  const bool vertical = h > w;
  QLinearGradient g(QPointF(0, 0), vertical ? QPointF(w, 0) : QPointF(0, h));
  g.setColorAt(0.0, QColor(80, 82, 88));
  g.setColorAt(0.4, QColor(252, 252, 254));
  g.setColorAt(1.0, QColor(70, 72, 78));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRect(QRectF(0, 0, w, h));
  p.end();
  return image;
}

// The round handle: a black knob with a chrome ring.
QImage Handle() {
  QImage image = PanelCanvas(kPushPullHandleWidth, kPushPullHandleHeight);
  QPainter p;
  BeginPanelPainting(p, image);
  const QPointF c(kPushPullHandleWidth / 2.0, kPushPullHandleHeight / 2.0);
  const double r = kPushPullHandleWidth / 2.0 - 0.4;
  ChromeRing(p, c, r, r - 2.2);
  QRadialGradient g(c - QPointF(r * 0.3, r * 0.35), r * 1.2);
  g.setColorAt(0.0, QColor(120, 120, 126));
  g.setColorAt(0.5, QColor(30, 30, 34));
  g.setColorAt(1.0, QColor(5, 5, 6));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, r - 2.2, r - 2.2);
  p.end();
  return image;
}

}  // namespace

void AddPanelRotaryImages(DrawnImages& out) {
  for (int i = 0; i < 18; ++i) AddPanelPicture(out, Frame("HAND_WHEEL", i), HandWheel(i * 20.0));
  for (int i = 0; i < 10; ++i)
    AddPanelPicture(out, Frame("RV_KNOB", i), Knob(kRvKnobSize, i * 18.0));
  AddPanelPicture(out, "RV_PIERCE_KNOB_BG",
                  Backing(kRvKnobBackWidth, kRvKnobBackHeight, "RELIEF", "", 101));
  for (int i = 0; i < 4; ++i)
    AddPanelPicture(out, Frame("MAN_THROT", i), Knob(kThrottleKnobSize, i * 15.0));
  AddPanelPicture(
      out, "MAN_THROT_BKGND",
      Backing(kThrottleBackWidth, kThrottleBackHeight, "THROTTLE", "INCREASE \u21BB", 102));
  AddPanelPicture(out, "PUSHPULL_SLOT_SHORT", Slot(kSlotWidth, kShortSlotLength, true));
  AddPanelPicture(out, "PUSHPULL_SLOT_LONG", Slot(kSlotWidth, kLongSlotLength, true));
  AddPanelPicture(out, "PUSHPULL_SLOT_SHORT_H", Slot(kShortSlotLength, kSlotWidth, false));
  AddPanelPicture(out, "PUSHPULL_SLOT_LONG_H", Slot(kLongSlotLength, kSlotWidth, false));
  AddPanelPicture(out, "PUSHPULL_STICK", Stick(kPushPullStickWidth, kPushPullStickLength));
  AddPanelPicture(out, "PUSHPULL_STICK_H", Stick(kPushPullStickLength, kPushPullStickWidth));
  AddPanelPicture(out, "PUSHPULL_HANDLE", Handle());
}

}  // namespace pumpdrill::imagelib
