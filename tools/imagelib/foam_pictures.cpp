// The foam and compressed-air pictures of the panel: the foam tank
// selector in its four positions, the manual and electronic proportioner
// plates, the CAFS on/off plate, the CAFS mode plate and its dial, and the
// compressed-air valve in seven openings. The levers, lamps and texts that
// change are drawn by the panel over these.
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

#include "panel/foam_faces.h"
#include "panel_paint.h"

namespace pumpdrill::imagelib {

namespace {

constexpr QColor kSocket(30, 30, 32);
constexpr QColor kFoamRed(196, 32, 28);

QPointF Polar(QPointF centre, double radius, double degreesFromUp) {
  const double a = degreesFromUp * M_PI / 180;
  return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

// A black selector knob with a bar grip and a white pointer line, turned
// to the angle (degrees clockwise from up).
void SelectorKnob(QPainter& p, QPointF c, double radius, double degrees) {
  ChromeRing(p, c, radius, radius - 2.2);
  QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.4);
  g.setColorAt(0.0, QColor(90, 90, 96));
  g.setColorAt(1.0, QColor(14, 14, 16));
  p.setPen(QPen(QColor(5, 5, 6), 0.4));
  p.setBrush(g);
  p.drawEllipse(c, radius - 2.2, radius - 2.2);
  p.save();
  p.translate(c);
  p.rotate(degrees);
  const double w = radius * 0.55;
  QLinearGradient bar(QPointF(-w / 2, 0), QPointF(w / 2, 0));
  bar.setColorAt(0.0, QColor(20, 20, 22));
  bar.setColorAt(0.4, QColor(110, 110, 118));
  bar.setColorAt(1.0, QColor(10, 10, 12));
  p.setBrush(bar);
  p.drawRoundedRect(QRectF(-w / 2, -radius + 1.2, w, 2 * radius - 2.4), w / 2, w / 2);
  p.setPen(QPen(QColor(250, 250, 250), 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(0, -radius + 2.4), QPointF(0, -radius * 0.25));
  p.restore();
}

// The dark round socket a toggle stands in, for the lever drawn over it.
void ToggleSocket(QPainter& p, QPointF c) {
  p.setPen(Qt::NoPen);
  p.setBrush(kSocket);
  p.drawEllipse(c, 7.6, 7.6);
}

// The foam tank selector: the knob at position 0 (A), 1 (B) or 2 (flush);
// a one-tank plate marks TANK and FLUSH only.
constexpr double kTankSwAngle[3] = {-60, 60, 180};

QImage TankSwitch(bool twoTanks, int position) {
  const int w = kFoamTankSwWidth, h = kFoamTankSwHeight;
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, w, h), 71 + position);
  EngravedText(p, "FOAM TANK", {w / 2.0, 6}, 3.4);
  const QPointF c(w / 2.0, 38);
  for (int i = 0; i < 3; ++i) {
    if (!twoTanks && i == 1) continue;
    p.setPen(QPen(QColor(40, 40, 44), 0.8));
    p.drawLine(Polar(c, 15, kTankSwAngle[i]), Polar(c, 18, kTankSwAngle[i]));
  }
  if (twoTanks) {
    EngravedText(p, "A", Polar(c, 22.5, kTankSwAngle[0]), 3.6);
    EngravedText(p, "B", Polar(c, 22.5, kTankSwAngle[1]), 3.6);
  } else {
    EngravedText(p, "TANK", Polar(c, 22, kTankSwAngle[0]) + QPointF(2, 0), 2.8);
  }
  EngravedText(p, "FLUSH", {c.x(), 66}, 3.0);
  SelectorKnob(p, c, 13, kTankSwAngle[position]);
  p.end();
  return image;
}

// The proportioners' shared plate: title, the low lamp's socket and label.
void ProportionerPlate(QPainter& p, unsigned seed) {
  const int w = kProportionerWidth, h = kProportionerHeight;
  SteelPlate(p, QRectF(0, 0, w, h), seed);
  p.setPen(Qt::NoPen);
  p.setBrush(kFoamRed);
  p.drawRoundedRect(QRectF(3, 2.5, w - 6, 9), 1.5, 1.5);
  PanelText(p, "FOAM PROPORTIONER", {w / 2.0, 7}, 3.6, QColor(255, 250, 245), true);
  const QPointF lamp(kFoamLowLampAt.X, kFoamLowLampAt.Y);
  p.setBrush(kSocket);
  p.drawEllipse(lamp, 5.6, 5.6);
  EngravedText(p, "FOAM", lamp + QPointF(0, -15), 2.6);
  EngravedText(p, "LOW", lamp + QPointF(0, -9.5), 2.6);
}

QImage ManualProportioner() {
  QImage image = PanelCanvas(kProportionerWidth, kProportionerHeight);
  QPainter p;
  BeginPanelPainting(p, image);
  ProportionerPlate(p, 81);
  const QPointF lever(kProportionerLeverAt.X, kProportionerLeverAt.Y);
  ToggleSocket(p, lever);
  EngravedText(p, "ON", lever + QPointF(12.5, -9), 2.8);
  EngravedText(p, "OFF", lever + QPointF(13.5, 9), 2.8);
  // The setting window the panel writes the percentage into, with arrows
  // that tell which way a drag turns it.
  const QRectF window(kManualSettingWindow.Left, kManualSettingWindow.Top,
                      kManualSettingWindow.Width, kManualSettingWindow.Height);
  p.setPen(QPen(QColor(60, 60, 64), 0.6));
  p.setBrush(QColor(236, 234, 222));
  p.drawRoundedRect(window, 1.5, 1.5);
  EngravedText(p, "PERCENT", {window.center().x(), window.top() - 4}, 2.6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 60, 64));
  const double ax = window.right() + 4.5;
  p.drawPolygon(QPolygonF({QPointF(ax - 2.5, 35), QPointF(ax + 2.5, 35), QPointF(ax, 31)}));
  p.drawPolygon(QPolygonF({QPointF(ax - 2.5, 41), QPointF(ax + 2.5, 41), QPointF(ax, 45)}));
  EngravedText(p, "DRAG TO SET", {window.center().x(), window.bottom() + 5}, 2.4);
  EngravedText(p, "LEVER UP INJECTS", {kProportionerWidth / 2.0, 65}, 2.6);
  p.end();
  return image;
}

// One key of the electronic proportioner: a raised grey button.
void Key(QPainter& p, const QRectF& r, const QString& label, int arrow) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, QColor(96, 98, 104));
  g.setColorAt(1.0, QColor(40, 41, 44));
  p.setPen(QPen(QColor(12, 12, 14), 0.5));
  p.setBrush(g);
  p.drawRoundedRect(r, 2.2, 2.2);
  const QPointF c = r.center();
  if (arrow != 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 240));
    const double d = 3.2 * arrow;  // 1 points up, -1 down
    p.drawPolygon(
        QPolygonF({c + QPointF(-4, d * 0.6), c + QPointF(4, d * 0.6), c - QPointF(0, d)}));
  } else {
    PanelText(p, label, c, 2.6, QColor(240, 240, 240), true);
  }
}

QImage ElectronicProportioner() {
  QImage image = PanelCanvas(kProportionerWidth, kProportionerHeight);
  QPainter p;
  BeginPanelPainting(p, image);
  ProportionerPlate(p, 82);
  // The display window: the panel writes its digits over it.
  const QRectF window(kElecDisplayWindow.Left, kElecDisplayWindow.Top, kElecDisplayWindow.Width,
                      kElecDisplayWindow.Height);
  p.setPen(QPen(QColor(20, 20, 22), 1.2));
  p.setBrush(QColor(16, 22, 18));
  p.drawRoundedRect(window.adjusted(-1.5, -1.5, 1.5, 1.5), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(8, 14, 10));
  p.drawRect(window);
  const char* labels[4] = {"ON/OFF", "MODE", "", ""};
  const int arrows[4] = {0, 0, 1, -1};
  for (int k = 0; k < 4; ++k)
    Key(p, QRectF(kElecKeyLeft[k] + 1, kElecKeysTop + 2, kElecKeyWidth - 2, 16), labels[k],
        arrows[k]);
  p.end();
  return image;
}

QImage CafsOnOffPlate() {
  const int w = kCafsOnOffWidth, h = kCafsOnOffHeight;
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, w, h), 91);
  const QPointF lever(kCafsOnOffLeverAt.X, kCafsOnOffLeverAt.Y);
  ToggleSocket(p, lever);
  EngravedText(p, "ON", {4.5, 6}, 2.4);
  EngravedText(p, "OFF", {4.8, 28}, 2.4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 80, 170));
  p.drawRoundedRect(QRectF(3, 35, w - 6, 17), 1.5, 1.5);
  PanelText(p, "CAFS", {w / 2.0, 40}, 3.4, QColor(250, 250, 255), true);
  PanelText(p, "AIR", {w / 2.0, 47.5}, 3.0, QColor(250, 250, 255), true);
  p.end();
  return image;
}

QImage CafsModePlate() {
  const int w = kCafsModeWidth, h = kCafsModeHeight;
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, w, h), 92);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 80, 170));
  p.drawRoundedRect(QRectF(3, 6, 40, 24), 1.5, 1.5);
  PanelText(p, "CAFS", {23, 13}, 3.4, QColor(250, 250, 255), true);
  PanelText(p, "MODE", {23, 22.5}, 3.4, QColor(250, 250, 255), true);
  const QPointF dial(kCafsDialAt.X, kCafsDialAt.Y);
  p.setBrush(kSocket);
  p.drawEllipse(dial, kCafsDialSize / 2.0 + 0.8, kCafsDialSize / 2.0 + 0.8);
  EngravedText(p, "RUN", dial + QPointF(-13, 18), 2.6);
  EngravedText(p, "UNLOAD", dial + QPointF(14, 18), 2.6);
  EngravedText(p, "DRAG LEFT / RIGHT", {23, 35.5}, 2.2);
  p.end();
  return image;
}

QImage CafsDial(bool right) {
  QImage image = PanelCanvas(kCafsDialSize, kCafsDialSize);
  QPainter p;
  BeginPanelPainting(p, image);
  SelectorKnob(p, QPointF(kCafsDialSize / 2.0, kCafsDialSize / 2.0), kCafsDialSize / 2.0 - 0.5,
               right ? 45 : -45);
  p.end();
  return image;
}

// The compressed-air valve of a line: a yellow quarter-turn handle across
// the pipe when shut, along it when open; frame 0 to 6.
QImage AirValve(int frame) {
  const int w = kCafsAirValveWidth, h = kCafsAirValveHeight;
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, w, h), 101 + frame);
  const QPointF c(w / 2.0, 21);
  // The opening scale: a quarter arc from SHUT (left) to OPEN (up).
  p.setPen(QPen(QColor(50, 50, 54), 0.7));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - 16, c.y() - 16, 32, 32), 90 * 16, 90 * 16);
  p.setPen(QPen(QColor(200, 40, 30), 1.4));
  p.drawArc(QRectF(c.x() - 16, c.y() - 16, 32, 32), 180 * 16, -15 * frame * 16);
  EngravedText(p, "SHUT", {c.x() - 13, c.y() + 4.5}, 2.2);
  EngravedText(p, "OPEN", {c.x() + 8, c.y() - 15}, 2.2);
  ChromeRing(p, c, 6, 3);
  const double degrees = -90 + 15 * frame;  // from across (left) to up
  p.save();
  p.translate(c);
  p.rotate(degrees);
  QLinearGradient g(QPointF(-2.2, 0), QPointF(2.2, 0));
  g.setColorAt(0.0, QColor(150, 110, 0));
  g.setColorAt(0.45, QColor(255, 220, 60));
  g.setColorAt(1.0, QColor(140, 100, 0));
  p.setPen(QPen(QColor(70, 50, 0), 0.4));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(-2.4, -14, 4.8, 17), 2.2, 2.2);
  p.restore();
  ChromeDisc(p, c, 2.6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 80, 170));
  p.drawRoundedRect(QRectF(3, 36, w - 6, 9), 1.5, 1.5);
  PanelText(p, "AIR", {w / 2.0, 40.5}, 3.2, QColor(250, 250, 255), true);
  p.end();
  return image;
}

}  // namespace

void AddFoamImages(DrawnImages& out) {
  AddPanelPicture(out, std::string(kFoam2TankSwA), TankSwitch(true, 0));
  AddPanelPicture(out, std::string(kFoam12TankSwB), TankSwitch(true, 1));
  AddPanelPicture(out, std::string(kFoam1TankSwFlush), TankSwitch(false, 2));
  AddPanelPicture(out, std::string(kFoam2TankSwFlush), TankSwitch(true, 2));
  AddPanelPicture(out, std::string(kFoamManProportioner), ManualProportioner());
  AddPanelPicture(out, std::string(kFoamElecProportioner), ElectronicProportioner());
  AddPanelPicture(out, std::string(kCafsOnOffSw), CafsOnOffPlate());
  AddPanelPicture(out, std::string(kCafsRunUnloadPlate), CafsModePlate());
  AddPanelPicture(out, std::string(kCafsDialLeft), CafsDial(false));
  AddPanelPicture(out, std::string(kCafsDialRight), CafsDial(true));
  for (int frame = 0; frame < kCafsAirValveFrames; ++frame) {
    char name[24];
    std::snprintf(name, sizeof name, "CAFS_AIR_VALVE%02d", frame);
    AddPanelPicture(out, name, AirValve(frame));
  }
}

}  // namespace pumpdrill::imagelib
