// The electronic controls of the panel and the ball valve lever: the
// electronic throttle with its keys and speed window, the Electronic 2
// governor with its display and two toggle sockets, the Class1 governor's
// keypad, the electronic discharge valve with its keys and three lamps, and
// the quarter-turn ball valve lever. The keys stand where the controls'
// press regions are (panel/controls); the window paints the displays' text,
// the toggles and the lamps' light over these pictures.
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

#include "panel/gauge_faces.h"
#include "panel_paint.h"

namespace pumpdrill::imagelib {

namespace {

QRectF Box(const FaceBox& b) { return {b.Left, b.Top, b.Width, b.Height}; }

// A black rubber key in a chrome-edged recess, lit from above.
void Key(QPainter& p, const QRectF& r) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 22, 150));
  p.drawRoundedRect(r.adjusted(-0.7, -0.7, 0.7, 0.9), 2.4, 2.4);
  QLinearGradient rim(r.topLeft(), r.bottomLeft());
  rim.setColorAt(0.0, QColor(235, 236, 240));
  rim.setColorAt(1.0, QColor(85, 87, 92));
  p.setBrush(rim);
  p.drawRoundedRect(r, 2, 2);
  const QRectF top = r.adjusted(0.7, 0.7, -0.7, -0.9);
  QLinearGradient g(top.topLeft(), top.bottomLeft());
  g.setColorAt(0.0, QColor(88, 88, 94));
  g.setColorAt(0.18, QColor(52, 52, 57));
  g.setColorAt(1.0, QColor(18, 18, 20));
  p.setBrush(g);
  p.drawRoundedRect(top, 1.6, 1.6);
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawRoundedRect(QRectF(top.left() + 0.6, top.top() + 0.4, top.width() - 1.2, 1.2), 0.6, 0.6);
  p.restore();
}

// A solid triangle pointing up (or down) centred at c.
void Arrow(QPainter& p, QPointF c, double size, bool up, QColor colour) {
  const double h = size * 0.87, s = up ? -1 : 1;
  QPolygonF tri({c + QPointF(0, s * h / 2), c + QPointF(-size / 2, -s * h / 2),
                 c + QPointF(size / 2, -s * h / 2)});
  p.save();
  p.setPen(QPen(colour.darker(160), 0.25));
  p.setBrush(colour);
  p.drawPolygon(tri);
  p.restore();
}

// A recessed display window: a bevel dark at the top left and light at the
// bottom right, around glass of the given colour with a faint reflection.
void DisplayWell(QPainter& p, const QRectF& r, QColor glass) {
  p.save();
  QLinearGradient bezel(r.topLeft(), r.bottomRight());
  bezel.setColorAt(0.0, QColor(55, 55, 60));
  bezel.setColorAt(1.0, QColor(238, 239, 242));
  p.setPen(Qt::NoPen);
  p.setBrush(bezel);
  p.drawRoundedRect(r.adjusted(-1, -1, 1, 1), 2, 2);
  p.setBrush(glass);
  p.drawRoundedRect(r, 1.3, 1.3);
  QLinearGradient shine(r.topLeft(), r.bottomLeft());
  shine.setColorAt(0.0, QColor(255, 255, 255, 45));
  shine.setColorAt(0.45, QColor(255, 255, 255, 0));
  p.setBrush(shine);
  p.drawRoundedRect(r, 1.3, 1.3);
  p.restore();
}

// The dark round socket a toggle's hex nut stands in, with a chrome ring.
void ToggleSocket(QPainter& p, QPointF c) {
  ChromeRing(p, c, 9, 7.4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(24, 24, 27));
  p.drawEllipse(c, 7.4, 7.4);
}

const QColor kWhiteInk(238, 238, 232);
const QColor kSilver(192, 192, 192);
const QColor kOpenGreen(70, 215, 90);
const QColor kCloseRed(235, 60, 50);

// Electronic throttle: raise key at the upper right, lower key at the lower
// right (x > 60, above and below y 30), idle key along the top left
// (y < 15), the engine speed window below it.
QImage ElectronicThrottle() {
  const int w = kElecThrottleWidth, h = kElecThrottleHeight;
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, w, h), 121, 3);
  const double split = 0.75 * w;  // 60
  // A dark inset behind the two speed keys.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(35, 35, 38));
  p.drawRoundedRect(QRectF(split + 0.8, 1.6, w - split - 2.4, h - 3.2), 2.2, 2.2);
  const QRectF raise(split + 2, 2.8, w - split - 4.8, h / 2.0 - 4.2);
  const QRectF lower(split + 2, h / 2.0 + 1.4, w - split - 4.8, h / 2.0 - 4.2);
  Key(p, raise);
  Key(p, lower);
  Arrow(p, raise.center() - QPointF(0, 3), 6, true, kOpenGreen);
  PanelText(p, "INC", raise.center() + QPointF(0, 5.5), 2.9, kWhiteInk, true);
  Arrow(p, lower.center() + QPointF(0, 3), 6, false, kWhiteInk);
  PanelText(p, "DEC", lower.center() - QPointF(0, 5.5), 2.9, kWhiteInk, true);
  // Idle key.
  const QRectF idle(3, 2.4, split - 6, 0.25 * h - 4.4);
  Key(p, idle);
  PanelText(p, "IDLE", idle.center(), 3.8, QColor(255, 200, 60), true);
  // The speed window: the window writes the speed in black on silver at
  // (22, 29).
  const QRectF display = Box(kElecThrottleDisplayWindow);
  EngravedText(p, "ENGINE RPM", {display.center().x(), 21}, 2.5);
  DisplayWell(p, display, kSilver);
  EngravedText(p, "THROTTLE", {display.center().x(), h - 7.5}, 2.9);
  // The control's power lamp, lit green.
  LampLens(p, QRectF(4.5, display.center().y() - 4, 8, 8), QColor(40, 220, 70), true);
  EngravedText(p, "PWR", {8.5, display.center().y() + 7}, 2.0, false);
  for (QPointF s : {QPointF(4.5, h - 4.5), QPointF(split - 4.5, h - 4.5)}) Screw(p, s, 1.8);
  p.end();
  return image;
}

// Electronic 2 governor: display at the top, the set-point toggle (26 <= y
// < 81) and the mode toggle (81 <= y < 121) in their sockets, engraved.
QImage Electronic2Governor() {
  const int w = kGovern1Width, h = kGovern1Height;
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, w, h), 131, 3);
  DisplayWell(p, Box(kGovern1Display), QColor(6, 14, 6));
  EngravedText(p, "PRESSURE GOVERNOR", {w / 2.0, 25}, 2.5);
  // Upper toggle: TOGGLE_MID is 18 x 28, its nut at the picture's centre.
  const QPointF upper(kGovern1UpperToggleAt.X + 9, kGovern1UpperToggleAt.Y + 14);
  ToggleSocket(p, upper);
  EngravedText(p, "INC", {upper.x(), 44.5}, 3.2);
  Arrow(p, {upper.x() + 13, 52}, 4, true, QColor(40, 40, 44));
  Arrow(p, {upper.x() + 13, 72}, 4, false, QColor(40, 40, 44));
  EngravedText(p, "SET", {upper.x() - 15.5, 62}, 2.5);
  EngravedText(p, "DEC", {upper.x(), 81.5}, 3.2);
  // A groove between the two toggles.
  p.setPen(QPen(QColor(70, 70, 75, 160), 0.4));
  p.drawLine(QPointF(4, 88.6), QPointF(w - 4, 88.6));
  p.setPen(QPen(QColor(255, 255, 255, 150), 0.4));
  p.drawLine(QPointF(4, 89.0), QPointF(w - 4, 89.0));
  // Lower toggle: TOGGLE_VT is 28 x 18.
  const QPointF lower(kGovern1LowerToggleAt.X + 14, kGovern1LowerToggleAt.Y + 9);
  ToggleSocket(p, lower);
  EngravedText(p, "PSI", {7.5, lower.y()}, 2.9);
  EngravedText(p, "RPM", {w - 9, lower.y()}, 2.9);
  EngravedText(p, "MODE", {lower.x(), 113.5}, 3.2);
  for (QPointF s :
       {QPointF(5, h - 5), QPointF(w - 5, h - 5), QPointF(5, 36.5), QPointF(w - 5, 36.5)})
    Screw(p, s, 1.8);
  p.end();
  return image;
}

// Class1 governor: mode (x < 37) and idle (x >= 38) keys above y 20, the
// preset key left of x 9 between y 25 and 41, decrease and increase below
// y 42; the display's black box at (17, 28).
QImage Class1Governor() {
  const int w = kGovernClass1Width, h = kGovernClass1Height;
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  // A dark blue-black keypad overlay on the steel, as such controllers wear.
  SteelPlate(p, QRectF(0, 0, w, h), 141, 3);
  QLinearGradient overlay(QPointF(0, 0), QPointF(0, h));
  overlay.setColorAt(0.0, QColor(38, 46, 66));
  overlay.setColorAt(1.0, QColor(16, 20, 30));
  p.setPen(QPen(QColor(10, 10, 14), 0.4));
  p.setBrush(overlay);
  p.drawRoundedRect(QRectF(0.9, 0.9, w - 1.8, h - 1.8), 2.4, 2.4);
  const QRectF mode(2.2, 2.2, 33.6, 16.2), idle(39.2, 2.2, 33.6, 16.2);
  const QRectF dec(2.2, 43.6, 33.6, 16.2), inc(39.2, 43.6, 33.6, 16.2);
  const QRectF preset(1.6, 25.6, 6.6, 14.8);
  for (const QRectF& k : {mode, idle, dec, inc, preset}) Key(p, k);
  PanelText(p, "MODE", mode.center() + QPointF(0, -2.6), 3.6, kWhiteInk, true);
  PanelText(p, "PSI / RPM", mode.center() + QPointF(0, 3.9), 2.4, QColor(150, 190, 255), true);
  PanelText(p, "IDLE", idle.center(), 3.8, QColor(255, 200, 60), true);
  Arrow(p, dec.center() - QPointF(8, 0), 5.5, false, kWhiteInk);
  PanelText(p, "DEC", dec.center() + QPointF(4, 0), 3.6, kWhiteInk, true);
  Arrow(p, inc.center() - QPointF(8, 0), 5.5, true, kWhiteInk);
  PanelText(p, "INC", inc.center() + QPointF(4, 0), 3.6, kWhiteInk, true);
  PanelText(p, "P", preset.center(), 2.8, kWhiteInk, true);
  // The display: a recess a little larger than the black box the window
  // draws with its ring.
  const QRectF box = Box(kGovernClass1Display);
  DisplayWell(p, box.adjusted(-2.2, -2.2, 2.2, 2.2), QColor(4, 4, 5));
  PanelText(p, "CLASS", {67.6, 30.2}, 2.2, QColor(150, 190, 255), true);
  PanelText(p, "1", {67.6, 36.4}, 4.0, QColor(150, 190, 255), true);
  p.end();
  return image;
}

// Electronic discharge valve: open key above close key right of x 21
// (divided at y 24), three lamps down the left, shown unlit.
QImage ElectronicValve() {
  const int w = kElecValveWidth, h = kElecValveHeight;
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, w, h), 151, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(32, 32, 35));
  p.drawRoundedRect(QRectF(20.6, 1.6, w - 22.2, h - 3.2), 2.2, 2.2);
  const QRectF open(22, 3, w - 25, 19.6), close(22, 26.4, w - 25, 20.6);
  Key(p, open);
  Key(p, close);
  Arrow(p, open.center() - QPointF(0, 2.6), 6, true, kOpenGreen);
  PanelText(p, "OPEN", open.center() + QPointF(0, 5), 2.2, kWhiteInk, true);
  Arrow(p, close.center() + QPointF(0, 2.6), 6, false, kCloseRed);
  PanelText(p, "CLOSE", close.center() - QPointF(0, 5), 2.0, kWhiteInk, true);
  // Lamp rims; the window lights the glass (lime, yellow, red or grey).
  for (const FacePoint& c : kElecValveLampAt) {
    const QPointF at(c.X, c.Y);
    const double r = kElecValveLampRadius / 0.72;
    LampLens(p, QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), QColor(128, 128, 128), false);
  }
  p.end();
  return image;
}

// A quarter-turn ball valve lever, shut: a chrome hub and nut at the
// centre, the flat lever pointing up with a red vinyl grip.
QImage BallHandle() {
  const int s = kBallHandleSize;
  QImage image = PanelCanvas(s, s);
  QPainter p;
  BeginPanelPainting(p, image);
  const QPointF c(s / 2.0, s / 2.0);
  // The lever's shadow on the panel.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 55));
  p.drawRoundedRect(QRectF(c.x() - 3.2, 1.6, 7.4, c.y()), 3.4, 3.4);
  // The steel arm from the hub to the grip.
  QLinearGradient arm(QPointF(c.x() - 3.4, 0), QPointF(c.x() + 3.4, 0));
  arm.setColorAt(0.0, QColor(90, 92, 98));
  arm.setColorAt(0.4, QColor(250, 250, 252));
  arm.setColorAt(1.0, QColor(70, 72, 78));
  p.setPen(QPen(QColor(40, 40, 44), 0.3));
  p.setBrush(arm);
  p.drawRoundedRect(QRectF(c.x() - 3.4, 8, 6.8, c.y() - 6), 1.2, 1.2);
  // The grip over the outer half.
  const QRectF grip(c.x() - 4.2, 1, 8.4, 15);
  QLinearGradient red(grip.topLeft(), grip.topRight());
  red.setColorAt(0.0, QColor(120, 10, 10));
  red.setColorAt(0.4, QColor(235, 60, 50));
  red.setColorAt(1.0, QColor(100, 8, 8));
  p.setPen(QPen(QColor(60, 0, 0), 0.4));
  p.setBrush(red);
  p.drawRoundedRect(grip, 4, 4);
  // Hub: a chrome boss with a hex nut.
  ChromeDisc(p, c, 7.2);
  QPolygonF nut;
  for (int i = 0; i < 6; ++i) {
    const double a = M_PI / 6 + i * M_PI / 3;
    nut << c + QPointF(3.8 * std::cos(a), 3.8 * std::sin(a));
  }
  QLinearGradient g(c - QPointF(4, 4), c + QPointF(4, 4));
  g.setColorAt(0.0, QColor(245, 245, 248));
  g.setColorAt(1.0, QColor(85, 87, 92));
  p.setPen(QPen(QColor(40, 40, 44), 0.35));
  p.setBrush(g);
  p.drawPolygon(nut);
  p.end();
  return image;
}

}  // namespace

void AddPanelControlImages(DrawnImages& out) {
  AddPanelPicture(out, "ELEC_THROTTLE1", ElectronicThrottle());
  AddPanelPicture(out, "GOVERN1", Electronic2Governor());
  AddPanelPicture(out, "GOVERN_CLASS1", Class1Governor());
  AddPanelPicture(out, "ELEC_VALVE_AKRON_PIC", ElectronicValve());
  AddPanelPicture(out, "BALL_HANDLE", BallHandle());
}

}  // namespace pumpdrill::imagelib
