// The water supplies of the supply setup ("misc04.dll"), each a small scene
// seen from the side with the pump's intake off to the left:
//   SUPPLY_HYDRANT_AA, _A, _B, _C   a hydrant, its bonnet in the colour of
//                                   its rating class (light blue, green,
//                                   orange, red)
//   SUPPLY_DRAFT                    hard suction into open water
//   SUPPLY_RELAY                    a supply line from another pumper
// all 200 x 130, and each at twice the size under its name + "@2X". Every
// picture is drawn in units of the 1x picture on a scaled painter, so any
// further size is one more scale.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "drawn_images.h"

namespace pumpdrill::imagelib {

namespace {

constexpr int kSupplyW = 200, kSupplyH = 130;
constexpr double kGround = 100;  // the ground line

const QColor kSky(206, 226, 244);
const QColor kGrass(112, 156, 84);
const QColor kSoil(150, 120, 84);
const QColor kHydrantBody(218, 196, 40);  // chrome yellow barrel
const QColor kIron(70, 70, 74);
const QColor kJacket(214, 196, 150);
const QColor kJacketEdge(120, 100, 60);
const QColor kSuction(40, 40, 44);
const QColor kWater(70, 130, 210);
const QColor kRed(190, 24, 28);

// The bonnet colours of the four rating classes, AA first.
const QColor kClassColours[] = {QColor(96, 170, 230), QColor(40, 150, 70), QColor(236, 130, 30),
                                QColor(200, 30, 30)};

// Sky and ground of every scene.
void Scene(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kGround);
  sky.setColorAt(0, kSky.lighter(108));
  sky.setColorAt(1, kSky);
  p.fillRect(QRectF(0, 0, kSupplyW, kGround), sky);
  p.fillRect(QRectF(0, kGround, kSupplyW, kSupplyH - kGround), kSoil);
  p.fillRect(QRectF(0, kGround, kSupplyW, 5), kGrass);
}

void Hose(QPainter& p, const QPainterPath& path, double width, QColor jacket, QColor edge) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(edge, width + 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(jacket, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(path);
}

// The pump's intake at the left edge: the side of the apparatus.
void Intake(QPainter& p, double y) {
  p.setPen(QPen(kRed.darker(160), 1));
  p.setBrush(kRed);
  p.drawRect(QRectF(0.5, y - 22, 10, 44));
  p.setBrush(QColor(200, 200, 208));
  p.drawRect(QRectF(10.5, y - 7, 6, 14));
}

void Hydrant(QPainter& p, QColor bonnet) {
  const double cx = 140;
  QLinearGradient barrel(cx - 12, 0, cx + 12, 0);
  barrel.setColorAt(0, kHydrantBody.darker(130));
  barrel.setColorAt(0.4, kHydrantBody.lighter(120));
  barrel.setColorAt(1, kHydrantBody.darker(140));
  p.setPen(QPen(kHydrantBody.darker(200), 1));
  p.setBrush(barrel);
  p.drawRoundedRect(QRectF(cx - 12, 44, 24, kGround - 44 + 2), 3, 3);
  // Base flange and the top rim.
  p.drawRect(QRectF(cx - 17, kGround - 6, 34, 7));
  p.drawRect(QRectF(cx - 15, 42, 30, 6));
  // Bonnet in the class colour, with its operating nut.
  QPainterPath dome;
  dome.moveTo(cx - 14, 43);
  dome.cubicTo(cx - 14, 24, cx + 14, 24, cx + 14, 43);
  dome.closeSubpath();
  p.setPen(QPen(bonnet.darker(170), 1));
  p.setBrush(bonnet);
  p.drawPath(dome);
  p.setBrush(kIron);
  p.drawRect(QRectF(cx - 4, 23, 8, 7));
  // Side outlets: the pumper outlet faces the intake.
  p.setPen(QPen(kHydrantBody.darker(200), 1));
  p.setBrush(kHydrantBody.darker(110));
  p.drawRect(QRectF(cx - 24, 60, 12, 14));
  p.setBrush(bonnet);
  p.drawRect(QRectF(cx - 28, 59, 5, 16));
  p.setBrush(kHydrantBody.darker(110));
  p.drawRect(QRectF(cx + 12, 62, 8, 9));
  p.setBrush(bonnet);
  p.drawRect(QRectF(cx + 19, 61, 4, 11));
}

QImage HydrantScene(int cls, int scale) {
  QImage image = Canvas(kSupplyW * scale, kSupplyH * scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  Scene(p);
  Intake(p, 78);
  QPainterPath hose(QPointF(16, 78));
  hose.cubicTo(QPointF(50, 78), QPointF(60, kGround - 3), QPointF(85, kGround - 3));
  hose.cubicTo(QPointF(100, kGround - 3), QPointF(100, 67), QPointF(112, 67));
  Hose(p, hose, 7, kJacket, kJacketEdge);
  Hydrant(p, kClassColours[cls]);
  return image;
}

QImage DraftScene(int scale) {
  QImage image = Canvas(kSupplyW * scale, kSupplyH * scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  Scene(p);
  // A bank falling away to open water.
  QPainterPath water;
  water.moveTo(90, kGround);
  water.cubicTo(QPointF(105, kGround + 2), QPointF(110, kGround + 8), QPointF(118, kGround + 8));
  water.lineTo(kSupplyW, kGround + 8);
  water.lineTo(kSupplyW, kSupplyH);
  water.lineTo(78, kSupplyH);
  water.closeSubpath();
  p.fillRect(QRectF(88, kGround, kSupplyW - 88, kSupplyH - kGround), kSoil.darker(115));
  QLinearGradient deep(0, kGround + 8, 0, kSupplyH);
  deep.setColorAt(0, kWater.lighter(125));
  deep.setColorAt(1, kWater.darker(140));
  p.setPen(Qt::NoPen);
  p.setBrush(deep);
  p.drawRect(QRectF(100, kGround + 8, kSupplyW - 100, kSupplyH - kGround - 8));
  p.setPen(QPen(kWater.lighter(160), 1));
  for (double x : {120.0, 150.0, 178.0})
    p.drawLine(QPointF(x, kGround + 11), QPointF(x + 12, kGround + 11));
  // Hard suction from the intake over the bank, down into the water.
  QPainterPath suction(QPointF(16, 78));
  suction.cubicTo(QPointF(70, 78), QPointF(110, 76), QPointF(128, 96));
  suction.lineTo(QPointF(140, 116));
  Hose(p, suction, 9, kSuction, QColor(10, 10, 12));
  p.setPen(QPen(QColor(110, 110, 116), 1));
  for (double t = 0.08; t < 0.95; t += 0.07) {
    QPointF at = suction.pointAtPercent(t);
    double angle = suction.angleAtPercent(t);
    p.save();
    p.translate(at);
    p.rotate(-angle);
    p.drawLine(QPointF(0, -4.5), QPointF(0, 4.5));
    p.restore();
  }
  // The strainer at its end, below the surface.
  p.save();
  p.translate(suction.pointAtPercent(1));
  p.rotate(-suction.angleAtPercent(1));
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(QColor(170, 170, 176));
  p.drawRoundedRect(QRectF(-2, -7, 14, 14), 3, 3);
  for (double x : {2.0, 5.0, 8.0}) p.drawLine(QPointF(x, -6), QPointF(x, 6));
  p.restore();
  return image;
}

QImage RelayScene(int scale) {
  QImage image = Canvas(kSupplyW * scale, kSupplyH * scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  Scene(p);
  Intake(p, 78);
  // The supplying pumper, seen from its side: body, cab and wheels.
  p.setPen(QPen(kRed.darker(170), 1));
  p.setBrush(kRed);
  p.drawRect(QRectF(104, 52, 70, 38));
  QPainterPath cab;
  cab.moveTo(174, 90);
  cab.lineTo(174, 46);
  cab.lineTo(186, 46);
  cab.lineTo(196, 64);
  cab.lineTo(196, 90);
  cab.closeSubpath();
  p.drawPath(cab);
  p.setBrush(QColor(190, 220, 240));
  p.drawPolygon(
      QPolygonF({QPointF(177, 50), QPointF(185, 50), QPointF(192, 63), QPointF(177, 63)}));
  p.setBrush(QColor(200, 200, 208));
  p.drawRect(QRectF(108, 58, 26, 22));  // its pump panel
  p.setPen(QPen(QColor(40, 40, 40), 1));
  for (double x : {114.0, 124.0}) p.drawEllipse(QPointF(x, 64), 3, 3);
  p.setBrush(QColor(30, 30, 32));
  for (double x : {124.0, 182.0}) p.drawEllipse(QPointF(x, 92), 8, 8);
  p.setBrush(QColor(160, 160, 166));
  for (double x : {124.0, 182.0}) p.drawEllipse(QPointF(x, 92), 3, 3);
  // Its discharge to the intake: large-diameter supply hose.
  QPainterPath hose(QPointF(16, 78));
  hose.cubicTo(QPointF(45, 78), QPointF(50, kGround - 4), QPointF(72, kGround - 4));
  hose.cubicTo(QPointF(94, kGround - 4), QPointF(94, 74), QPointF(108, 74));
  Hose(p, hose, 8, QColor(236, 228, 90), QColor(140, 130, 30));
  return image;
}

}  // namespace

void AddSupplyImages(DrawnImages& out) {
  static constexpr const char* kClassNames[] = {"AA", "A", "B", "C"};
  for (int scale : {1, 2}) {
    const std::string suffix = scale == 1 ? "" : "@2X";
    auto add = [&](const std::string& name, QImage image) {
      out.push_back({Library::Misc, name + suffix, std::move(image)});
    };
    for (int cls = 0; cls < 4; ++cls)
      add(std::string("SUPPLY_HYDRANT_") + kClassNames[cls], HydrantScene(cls, scale));
    add("SUPPLY_DRAFT", DraftScene(scale));
    add("SUPPLY_RELAY", RelayScene(scale));
  }
}

}  // namespace pumpdrill::imagelib
