// The hose arrangements and nozzles of the setup windows ("misc04.dll"):
// each seen from the side, water running from left to right.
//   HOSE_SINGLE, HOSE_DRAFT, HOSE_SIAMESE, HOSE_WYE   112 x 34
//   NZ_STR_TIP, NZ_FOG_TIP (bail and pistol grip)     96 x 72
//   NZ_STR_TIP_NO_HND, NZ_FOG_TIP_NO_HND              80 x 34
//   NZ_{STR,FOG}_{DECK,PORT,ELEV}                      96 x 72
// and each at twice the size under its name + "@2X".
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "drawn_images.h"

namespace pumpdrill::imagelib {

namespace {

constexpr int kHoseW = 112, kHoseH = 34;
constexpr int kTipW = 96, kTipH = 72;
constexpr int kBareW = 80, kBareH = 34;

const QColor kJacket(214, 196, 150);  // double-jacket hose
const QColor kJacketEdge(120, 100, 60);
const QColor kBrass(196, 160, 60);
const QColor kBrassEdge(110, 82, 20);
const QColor kChrome(196, 200, 208);
const QColor kChromeEdge(80, 84, 92);
const QColor kPanelRed(190, 20, 24);
const QColor kGrip(40, 40, 44);
const QColor kWater(70, 140, 230);

void Smooth(QPainter& p) { p.setRenderHint(QPainter::Antialiasing); }

// A hose along a path: the jacket with a darker edge.
void Hose(QPainter& p, const QPainterPath& path, double width, QColor jacket = kJacket,
          QColor edge = kJacketEdge) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(edge, width + 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(jacket, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(path);
}

// A brass coupling centred at (x, y).
void Coupling(QPainter& p, double x, double y, double h) {
  QRectF r(x - 3.5, y - h / 2, 7, h);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, kBrass.lighter(140));
  g.setColorAt(0.5, kBrass);
  g.setColorAt(1, kBrassEdge);
  p.setPen(QPen(kBrassEdge, 1));
  p.setBrush(g);
  p.drawRoundedRect(r, 1.5, 1.5);
  p.setPen(QPen(kBrassEdge, 1));
  p.drawLine(QPointF(x, y - h / 2 + 1), QPointF(x, y + h / 2 - 1));
}

// The pump side: a red panel edge with a discharge outlet at height y.
void PumpOutlet(QPainter& p, double y) {
  p.setPen(QPen(kPanelRed.darker(160), 1));
  p.setBrush(kPanelRed);
  p.drawRect(QRectF(0.5, y - 10, 6, 20));
  Coupling(p, 10, y, 12);
}

QPainterPath Line(QPointF a, QPointF b) {
  QPainterPath path(a);
  path.lineTo(b);
  return path;
}

QPainterPath Curve(QPointF a, QPointF c1, QPointF c2, QPointF b) {
  QPainterPath path(a);
  path.cubicTo(c1, c2, b);
  return path;
}

// A metal fitting drawn as a filled outline.
void Fitting(QPainter& p, const QPainterPath& shape, QColor face = kChrome,
             QColor edge = kChromeEdge) {
  QRectF r = shape.boundingRect();
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, face.lighter(125));
  g.setColorAt(0.5, face);
  g.setColorAt(1, face.darker(140));
  p.setPen(QPen(edge, 1));
  p.setBrush(g);
  p.drawPath(shape);
}

QImage SingleHose(int scale) {
  QImage image = Canvas(kHoseW * scale, kHoseH * scale);
  QPainter p(&image);
  p.scale(scale, scale);
  Smooth(p);
  PumpOutlet(p, 17);
  Hose(p, Curve({14, 17}, {45, 17}, {60, 25}, {100, 17}), 6);
  Coupling(p, 103, 17, 10);
  return image;
}

QImage DraftHose(int scale) {
  QImage image = Canvas(kHoseW * scale, kHoseH * scale);
  QPainter p(&image);
  p.scale(scale, scale);
  Smooth(p);
  // The water the pump drafts from, at the right.
  p.setPen(Qt::NoPen);
  p.setBrush(kWater.lighter(130));
  p.drawRect(QRectF(70, 22, 42, 12));
  p.setPen(QPen(kWater.darker(130), 1));
  for (double x = 72; x < 110; x += 8) p.drawLine(QPointF(x, 22.5), QPointF(x + 4, 22.5));
  PumpOutlet(p, 10);
  // Hard suction: black, ribbed, dropping into the water.
  QPainterPath suction = Curve({14, 10}, {60, 10}, {80, 10}, {90, 26});
  Hose(p, suction, 7, QColor(50, 50, 54), QColor(15, 15, 15));
  p.setPen(QPen(QColor(110, 110, 116), 1));
  for (double t = 0.06; t < 0.95; t += 0.07) {
    QPointF c = suction.pointAtPercent(t);
    double a = suction.angleAtPercent(t);
    QLineF rib = QLineF::fromPolar(3.2, a + 90).translated(c);
    QLineF back = QLineF::fromPolar(3.2, a - 90).translated(c);
    p.drawLine(rib.p2(), back.p2());
  }
  // Strainer at the end.
  QPainterPath strainer;
  strainer.addRoundedRect(QRectF(86, 25, 9, 8), 2, 2);
  Fitting(p, strainer);
  p.setPen(QPen(kChromeEdge, 0.8));
  for (double x = 88; x < 94; x += 2) p.drawLine(QPointF(x, 26), QPointF(x, 32));
  return image;
}

// The siamese: two hoses from two outlets join in a siamese appliance.
QImage SiameseHose(int scale) {
  QImage image = Canvas(kHoseW * scale, kHoseH * scale);
  QPainter p(&image);
  p.scale(scale, scale);
  Smooth(p);
  for (double y : {7.0, 27.0}) {
    p.setPen(QPen(kPanelRed.darker(160), 1));
    p.setBrush(kPanelRed);
    p.drawRect(QRectF(0.5, y - 6, 6, 12));
    Coupling(p, 10, y, 10);
  }
  Hose(p, Curve({14, 7}, {30, 7}, {40, 13}, {54, 14}), 5);
  Hose(p, Curve({14, 27}, {30, 27}, {40, 21}, {54, 20}), 5);
  QPainterPath body;
  body.moveTo(52, 10);
  body.lineTo(62, 14);
  body.lineTo(64, 14);
  body.lineTo(64, 20);
  body.lineTo(62, 20);
  body.lineTo(52, 24);
  body.closeSubpath();
  Fitting(p, body, kBrass, kBrassEdge);
  Hose(p, Line({63, 17}, {100, 17}), 6);
  Coupling(p, 103, 17, 10);
  return image;
}

// The wye: one hose into a gated wye, two lines out.
QImage WyeHose(int scale) {
  QImage image = Canvas(kHoseW * scale, kHoseH * scale);
  QPainter p(&image);
  p.scale(scale, scale);
  Smooth(p);
  PumpOutlet(p, 17);
  Hose(p, Line({14, 17}, {50, 17}), 6);
  QPainterPath body;
  body.moveTo(48, 13);
  body.lineTo(56, 13);
  body.lineTo(64, 8);
  body.lineTo(66, 11);
  body.lineTo(60, 17);
  body.lineTo(66, 23);
  body.lineTo(64, 26);
  body.lineTo(56, 21);
  body.lineTo(48, 21);
  body.closeSubpath();
  Fitting(p, body, kBrass, kBrassEdge);
  // The gate handles.
  p.setPen(QPen(QColor(30, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(60, 10), QPointF(57, 5));
  p.drawLine(QPointF(60, 24), QPointF(57, 29));
  Hose(p, Curve({66, 9.5}, {76, 5}, {86, 5}, {100, 5}), 4);
  Hose(p, Curve({66, 24.5}, {76, 29}, {86, 29}, {100, 29}), 4);
  Coupling(p, 103, 5, 8);
  Coupling(p, 103, 29, 8);
  return image;
}

// The tip of a nozzle from x0 rightwards around height y, h high at its
// base: a smooth bore tapers to its bore, a fog nozzle ends in a wide
// bumper with teeth.
void Tip(QPainter& p, double x0, double y, double h, bool fog) {
  QPainterPath tip;
  if (fog) {
    tip.moveTo(x0, y - h / 2);
    tip.lineTo(x0 + h * 0.9, y - h / 2);
    tip.lineTo(x0 + h * 1.1, y - h * 0.7);
    tip.lineTo(x0 + h * 1.6, y - h * 0.7);
    tip.lineTo(x0 + h * 1.6, y + h * 0.7);
    tip.lineTo(x0 + h * 1.1, y + h * 0.7);
    tip.lineTo(x0 + h * 0.9, y + h / 2);
    tip.lineTo(x0, y + h / 2);
    tip.closeSubpath();
    Fitting(p, tip);
    // Rubber bumper with its teeth.
    QRectF bumper(x0 + h * 1.6, y - h * 0.75, h * 0.35, h * 1.5);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(60, 60, 64));
    p.drawRoundedRect(bumper, 1.5, 1.5);
    p.setPen(QPen(QColor(140, 140, 146), 0.8));
    for (double t = 0.2; t < 0.9; t += 0.2) {
      double ty = bumper.top() + t * bumper.height();
      p.drawLine(QPointF(bumper.left() + 1, ty), QPointF(bumper.right() - 0.5, ty));
    }
  } else {
    tip.moveTo(x0, y - h / 2);
    tip.lineTo(x0 + h * 1.9, y - h * 0.2);
    tip.lineTo(x0 + h * 1.9, y + h * 0.2);
    tip.lineTo(x0, y + h / 2);
    tip.closeSubpath();
    Fitting(p, tip, kBrass, kBrassEdge);
  }
}

// The shut-off body of a handline nozzle between x0 and x1 around height y.
void ShutoffBody(QPainter& p, double x0, double x1, double y, double h) {
  QPainterPath body;
  body.addRoundedRect(QRectF(x0, y - h / 2, x1 - x0, h), 2, 2);
  Fitting(p, body);
}

// A handline: hose, coupling, shut-off with its bail and pistol grip, tip.
QImage HandlineNozzle(bool fog, int scale) {
  QImage image = Canvas(kTipW * scale, kTipH * scale);
  QPainter p(&image);
  p.scale(scale, scale);
  Smooth(p);
  const double y = 30;
  Hose(p, Curve({0, 44}, {12, 44}, {14, y}, {26, y}), 8);
  Coupling(p, 28, y, 14);
  ShutoffBody(p, 31, 52, y, 11);
  // The bail: a lever from the body's pivot forward over the nozzle.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGrip, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath bail(QPointF(46, y - 5));
  bail.lineTo(40, y - 16);
  bail.lineTo(62, y - 16);
  p.drawPath(bail);
  p.setBrush(kChrome);
  p.setPen(QPen(kChromeEdge, 1));
  p.drawEllipse(QPointF(46, y - 5), 2.5, 2.5);
  // The pistol grip under the body.
  QPainterPath grip;
  grip.moveTo(34, y + 5);
  grip.lineTo(44, y + 5);
  grip.lineTo(41, y + 26);
  grip.quadTo(36, y + 29, 31, y + 25);
  grip.closeSubpath();
  p.setPen(QPen(QColor(10, 10, 10), 1));
  p.setBrush(kGrip);
  p.drawPath(grip);
  p.setPen(QPen(QColor(90, 90, 96), 1));
  for (double gy = y + 10; gy < y + 24; gy += 4) p.drawLine(QPointF(35, gy), QPointF(41, gy));
  Tip(p, 52, y, 11, fog);
  return image;
}

// A handline nozzle without handle or bail, 34 px high: as the nozzle
// operation window shows it.
QImage BareNozzle(bool fog, int scale) {
  QImage image = Canvas(kBareW * scale, kBareH * scale);
  QPainter p(&image);
  p.scale(scale, scale);
  Smooth(p);
  const double y = 17;
  Hose(p, Line({0, y}, {16, y}), 9);
  Coupling(p, 18, y, 16);
  ShutoffBody(p, 21, 44, y, 13);
  Tip(p, 44, y, 13, fog);
  return image;
}

// The barrel of a master stream from `base` at `angle` degrees (0 right,
// up positive), `len` long, ending in its tip.
void MasterBarrel(QPainter& p, QPointF base, double angle, double len, bool fog) {
  p.save();
  p.translate(base);
  p.rotate(-angle);
  QPainterPath barrel;
  barrel.addRoundedRect(QRectF(0, -4, len, 8), 2, 2);
  Fitting(p, barrel);
  Tip(p, len, 0, 8, fog);
  p.restore();
}

// A deck gun on the pumper's top: the deck, a riser pipe and the gun.
QImage DeckGun(bool fog, int scale) {
  QImage image = Canvas(kTipW * scale, kTipH * scale);
  QPainter p(&image);
  p.scale(scale, scale);
  Smooth(p);
  // The apparatus body under the deck.
  QLinearGradient red(0, 52, 0, 72);
  red.setColorAt(0, kPanelRed.lighter(120));
  red.setColorAt(1, kPanelRed.darker(130));
  p.setPen(QPen(kPanelRed.darker(170), 1));
  p.setBrush(red);
  p.drawRect(QRectF(0.5, 54.5, 95, 17));
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(QColor(150, 150, 156));
  p.drawRect(QRectF(0.5, 51.5, 95, 3));
  // Riser and the gun's swivel.
  QPainterPath riser;
  riser.addRect(QRectF(24, 34, 10, 18));
  Fitting(p, riser, kPanelRed, kPanelRed.darker(170));
  QPainterPath swivel;
  swivel.addEllipse(QPointF(29, 32), 8, 8);
  Fitting(p, swivel);
  MasterBarrel(p, {31, 30}, 30, 34, fog);
  // The handle that aims it.
  p.setPen(QPen(kGrip, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(26, 30), QPointF(12, 24));
  return image;
}

// A portable monitor on the ground: its base with two inlets and legs.
QImage PortableMonitor(bool fog, int scale) {
  QImage image = Canvas(kTipW * scale, kTipH * scale);
  QPainter p(&image);
  p.scale(scale, scale);
  Smooth(p);
  p.setPen(QPen(QColor(90, 110, 70), 1));
  p.drawLine(QPointF(0, 66.5), QPointF(96, 66.5));
  // Two supply hoses into the base.
  Hose(p, Line({0, 58}, {18, 58}), 6);
  Hose(p, Curve({0, 48}, {8, 48}, {12, 54}, {18, 54}), 6);
  // Legs.
  p.setPen(QPen(kChromeEdge, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(30, 60), QPointF(14, 66));
  p.drawLine(QPointF(34, 60), QPointF(52, 66));
  QPainterPath base;
  base.addRoundedRect(QRectF(18, 50, 22, 12), 3, 3);
  Fitting(p, base, kPanelRed, kPanelRed.darker(170));
  QPainterPath riser;
  riser.addRect(QRectF(25, 38, 8, 13));
  Fitting(p, riser);
  QPainterPath swivel;
  swivel.addEllipse(QPointF(29, 37), 6, 6);
  Fitting(p, swivel);
  MasterBarrel(p, {31, 35}, 25, 34, fog);
  return image;
}

// An elevated master stream at the top of an aerial ladder.
QImage ElevatedMaster(bool fog, int scale) {
  QImage image = Canvas(kTipW * scale, kTipH * scale);
  QPainter p(&image);
  p.scale(scale, scale);
  Smooth(p);
  // The ladder: two rails with rungs, rising to the right.
  const QPointF foot(4, 68), top(52, 24);
  QLineF rail(foot, top);
  QLineF normal = rail.normalVector().unitVector();
  QPointF off = (normal.p2() - normal.p1()) * 6.5;
  p.setPen(QPen(QColor(70, 70, 76), 1.6));
  for (double t = 0.05; t < 0.97; t += 0.09) {
    QPointF c = rail.pointAt(t);
    p.drawLine(c - off, c + off);
  }
  p.setPen(QPen(QColor(90, 90, 96), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(foot - off, top - off);
  p.drawLine(foot + off, top + off);
  QPainterPath swivel;
  swivel.addEllipse(top, 5, 5);
  Fitting(p, swivel);
  MasterBarrel(p, top, -15, 22, fog);
  return image;
}

}  // namespace

void AddHoseAndNozzleImages(DrawnImages& out) {
  // Each picture also drawn at twice its size, "@2X", for screens at 2x.
  for (int scale : {1, 2}) {
    const std::string suffix = scale == 1 ? "" : "@2X";
    auto add = [&](const std::string& name, QImage image) {
      out.push_back({Library::Misc, name + suffix, std::move(image)});
    };
    add("HOSE_SINGLE", SingleHose(scale));
    add("HOSE_DRAFT", DraftHose(scale));
    add("HOSE_SIAMESE", SiameseHose(scale));
    add("HOSE_WYE", WyeHose(scale));
    for (bool fog : {false, true}) {
      const std::string kind = fog ? "FOG" : "STR";
      add("NZ_" + kind + "_TIP", HandlineNozzle(fog, scale));
      add("NZ_" + kind + "_TIP_NO_HND", BareNozzle(fog, scale));
      add("NZ_" + kind + "_DECK", DeckGun(fog, scale));
      add("NZ_" + kind + "_PORT", PortableMonitor(fog, scale));
      add("NZ_" + kind + "_ELEV", ElevatedMaster(fog, scale));
    }
  }
}

}  // namespace pumpdrill::imagelib
