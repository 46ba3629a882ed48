// Panel lamps: glass lenses in chrome rims, lit green or red, or dark; the
// plates that carry the tank level and relief valve lamps; the three
// warning lamps, dark and lit.
#include <QLinearGradient>
#include <QPainterPath>

#include "panel/gauge_faces.h"
#include "panel_paint.h"

namespace pumpdrill::imagelib {

namespace {

const QColor kGreen(40, 220, 70), kRed(235, 30, 30), kAmber(255, 170, 20);

QImage Lamp(int size, QColor lens, bool lit) {
  QImage image = PanelCanvas(size, size);
  QPainter p;
  BeginPanelPainting(p, image);
  LampLens(p, QRectF(0.2, 0.2, size - 0.4, size - 0.4), lens, lit);
  p.end();
  return image;
}

QImage TankLights() {
  QImage image = PanelCanvas(52, 81);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, 52, 81), 11);
  EngravedText(p, "TANK", {26, 6}, 3.6);
  const char* marks[4] = {"1/4", "1/2", "3/4", "F"};
  for (int i = 0; i < 4; ++i) {
    const double y = kTankLampY[i] + kLampSize / 2.0;
    // The window draws the lamps; the plate carries their sockets.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 32));
    p.drawEllipse(QPointF(kTankLampX + 7.5, y), 7.6, 7.6);
    EngravedText(p, marks[i], {kTankLampX + kLampSize + 3.0, y}, 3.4, true, TextAnchor::Left);
  }
  Screw(p, {5, 5}, 1.6);
  Screw(p, {5, 76}, 1.6);
  p.end();
  return image;
}

QImage ReliefLights() {
  QImage image = PanelCanvas(52, 42);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, 52, 42), 12);
  EngravedText(p, "RELIEF VALVE", {26, 5.5}, 3.0);
  const char* marks[2] = {"OPEN", "SET"};
  for (int i = 0; i < 2; ++i) {
    const FacePoint at = kReliefLampAt[i];
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 32));
    p.drawEllipse(QPointF(at.X + 7.5, at.Y + 7.5), 7.6, 7.6);
    EngravedText(p, marks[i], {at.X + 7.5, 34}, 3.0);
  }
  p.end();
  return image;
}

// A warning lamp: a rectangular lens with its words under a chrome frame.
QImage WarningLamp(const QString& line1, const QString& line2, QColor colour, bool lit,
                   unsigned seed) {
  QImage image = PanelCanvas(52, 41);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, 52, 41), seed);
  const QRectF lens(4, 4, 44, 33);
  QLinearGradient frame(lens.topLeft(), lens.bottomRight());
  frame.setColorAt(0.0, QColor(250, 250, 252));
  frame.setColorAt(0.5, QColor(120, 122, 128));
  frame.setColorAt(1.0, QColor(60, 60, 65));
  p.setPen(Qt::NoPen);
  p.setBrush(frame);
  p.drawRoundedRect(lens, 3, 3);
  const QRectF glass = lens.adjusted(1.6, 1.6, -1.6, -1.6);
  QLinearGradient g(glass.topLeft(), glass.bottomLeft());
  if (lit) {
    g.setColorAt(0.0, colour.lighter(150));
    g.setColorAt(0.5, colour);
    g.setColorAt(1.0, colour.darker(130));
  } else {
    g.setColorAt(0.0, colour.darker(330));
    g.setColorAt(1.0, colour.darker(520));
  }
  p.setBrush(g);
  p.drawRoundedRect(glass, 2, 2);
  const QColor words = lit ? QColor(25, 10, 0) : colour.darker(200);
  PanelText(p, line1, {26, 15}, 5.0, words, true);
  PanelText(p, line2, {26, 26}, 5.0, words, true);
  // Highlight on the glass.
  p.setBrush(QColor(255, 255, 255, lit ? 70 : 35));
  p.drawRoundedRect(QRectF(glass.left() + 1.5, glass.top() + 1, glass.width() - 3, 4), 2, 2);
  p.end();
  return image;
}

}  // namespace

void AddPanelLampImages(DrawnImages& out) {
  AddPanelPicture(out, "GRN_LIGHT_PIC", Lamp(kLampSize, kGreen, true));
  AddPanelPicture(out, "RED_LIGHT_PIC", Lamp(kLampSize, kRed, true));
  AddPanelPicture(out, "DARK_LIGHT_PIC", Lamp(kLampSize, QColor(), false));
  AddPanelPicture(out, "SM_GRN_LIGHT_PIC", Lamp(kSmallLampSize, kGreen, true));
  AddPanelPicture(out, "SM_RED_LIGHT_PIC", Lamp(kSmallLampSize, kRed, true));
  AddPanelPicture(out, "SM_OFF_LIGHT_PIC", Lamp(kSmallLampSize, QColor(), false));
  AddPanelPicture(out, std::string(kTankLightsName), TankLights());
  AddPanelPicture(out, std::string(kReliefLightsName), ReliefLights());
  struct Warning {
    std::string_view dark, lit;
    const char *line1, *line2;
    QColor colour;
  } const warnings[] = {
      {kCheckXmissionDarkName, kCheckXmissionLitName, "CHECK", "TRANS", kAmber},
      {kCheckEngineDarkName, kCheckEngineLitName, "CHECK", "ENGINE", kAmber},
      {kStopEngineDarkName, kStopEngineLitName, "STOP", "ENGINE", kRed},
  };
  unsigned seed = 20;
  for (const Warning& w : warnings) {
    AddPanelPicture(out, std::string(w.dark), WarningLamp(w.line1, w.line2, w.colour, false, seed));
    AddPanelPicture(out, std::string(w.lit), WarningLamp(w.line1, w.line2, w.colour, true, seed));
    ++seed;
  }
}

}  // namespace pumpdrill::imagelib
