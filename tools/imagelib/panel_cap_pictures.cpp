// Hose connection plates: a discharge outlet's coupling on a small plate,
// two-inch angled, two-inch straight and six-inch. The OFF pictures show
// the line coupled; the ON pictures show it burst, water spraying from the
// coupling.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <random>

#include "panel_paint.h"

namespace pumpdrill::imagelib {

namespace {

enum class Outlet { Angle, Straight, Six };

// Rocker lugs around a coupling of radius r.
void Lugs(QPainter& p, QPointF c, double r, int count, double startDeg) {
  for (int i = 0; i < count; ++i) {
    const double a = (startDeg + i * 360.0 / count) * M_PI / 180;
    const QPointF d(std::cos(a), std::sin(a));
    const QPointF n(-d.y(), d.x());
    QPolygonF lug({c + d * (r - 1) + n * (r * 0.22), c + d * (r + r * 0.32) + n * (r * 0.15),
                   c + d * (r + r * 0.32) - n * (r * 0.15), c + d * (r - 1) - n * (r * 0.22)});
    QLinearGradient g(c + n * r * 0.2, c - n * r * 0.2);
    g.setColorAt(0.0, QColor(250, 230, 170));
    g.setColorAt(1.0, QColor(140, 110, 40));
    p.setPen(QPen(QColor(70, 55, 20), 0.3));
    p.setBrush(g);
    p.drawPolygon(lug);
  }
}

// A brass coupling: knurled ring with lugs and a dark bore or a cap.
void Coupling(QPainter& p, QPointF c, double r, double squash) {
  p.save();
  p.translate(c);
  p.scale(1, squash);
  Lugs(p, {0, 0}, r, 3, -90);
  QRadialGradient brass(QPointF(-r * 0.3, -r * 0.3), r * 1.4);
  brass.setColorAt(0.0, QColor(255, 240, 190));
  brass.setColorAt(0.5, QColor(205, 165, 70));
  brass.setColorAt(1.0, QColor(110, 80, 25));
  p.setPen(QPen(QColor(80, 60, 20), 0.4));
  p.setBrush(brass);
  p.drawEllipse(QPointF(0, 0), r, r);
  // Knurling.
  p.setPen(QPen(QColor(100, 75, 25, 150), 0.25));
  for (int i = 0; i < 36; ++i) {
    const double a = i * M_PI / 18;
    p.drawLine(QPointF(r * 0.82 * std::cos(a), r * 0.82 * std::sin(a)),
               QPointF(r * 0.98 * std::cos(a), r * 0.98 * std::sin(a)));
  }
  // Hose: red jacket in the coupling.
  QRadialGradient hose(QPointF(-r * 0.2, -r * 0.2), r);
  hose.setColorAt(0.0, QColor(235, 70, 60));
  hose.setColorAt(1.0, QColor(120, 15, 10));
  p.setPen(QPen(QColor(60, 10, 10), 0.4));
  p.setBrush(hose);
  p.drawEllipse(QPointF(0, 0), r * 0.72, r * 0.72);
  p.restore();
}

void Spray(QPainter& p, QPointF c, double r, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  p.save();
  for (int i = 0; i < 70; ++i) {
    const double a = u(rng) * 2 * M_PI;
    const double from = r * (0.5 + 0.3 * u(rng)), to = r * (1.3 + 0.9 * u(rng));
    p.setPen(QPen(QColor(150 + static_cast<int>(u(rng) * 100), 210, 255, 200), 0.35 + u(rng) * 0.5,
                  Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(from * std::cos(a), from * std::sin(a)),
               c + QPointF(to * std::cos(a), to * std::sin(a)));
  }
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 40; ++i) {
    const double a = u(rng) * 2 * M_PI, d = r * (0.9 + 1.2 * u(rng));
    p.setBrush(QColor(220, 240, 255, 210));
    p.drawEllipse(c + QPointF(d * std::cos(a), d * std::sin(a)), 0.5, 0.5);
  }
  p.restore();
}

QImage Cap(Outlet outlet, bool burst) {
  const int size = outlet == Outlet::Six ? 56 : 40;
  QImage image = PanelCanvas(size, size);
  QPainter p;
  BeginPanelPainting(p, image);
  SteelPlate(p, QRectF(0, 0, size, size), 70 + static_cast<unsigned>(outlet), 3);
  const double s = size;
  for (QPointF corner :
       {QPointF(3.5, 3.5), QPointF(s - 3.5, 3.5), QPointF(3.5, s - 3.5), QPointF(s - 3.5, s - 3.5)})
    Screw(p, corner, 1.6);
  const QPointF c(s / 2, s / 2);
  const double r = outlet == Outlet::Six ? 17 : 11;
  if (burst) {
    // A red warning ring round the outlet.
    p.setPen(QPen(QColor(230, 25, 25), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r + 5, r + 5);
  }
  Coupling(p, c, r, outlet == Outlet::Angle ? 0.7 : 1.0);
  if (burst) Spray(p, c, r, 90 + static_cast<unsigned>(outlet));
  p.end();
  return image;
}

}  // namespace

void AddPanelCapImages(DrawnImages& out) {
  const struct {
    Outlet outlet;
    const char* suffix;
  } outlets[] = {
      {Outlet::Angle, "2IN_ANGLE"}, {Outlet::Straight, "2IN_STRAIGHT"}, {Outlet::Six, "6IN"}};
  for (const auto& o : outlets) {
    AddPanelPicture(out, std::string("CAP_OFF_") + o.suffix, Cap(o.outlet, false));
    AddPanelPicture(out, std::string("CAP_ON_") + o.suffix, Cap(o.outlet, true));
  }
}

}  // namespace pumpdrill::imagelib
