#include "panel_paint.h"

#include <QConicalGradient>
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <random>

namespace pumpdrill::imagelib {

QImage PanelCanvas(int w, int h) { return Canvas(w * kPanelScale, h * kPanelScale); }

void BeginPanelPainting(QPainter& p, QImage& canvas) {
  p.begin(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(kPanelScale, kPanelScale);
}

void AddPanelPicture(DrawnImages& out, const std::string& name, QImage image) {
  out.push_back({Library::Panel, name, std::move(image), kPanelScale});
}

void BrushedSteel(QPainter& p, const QRectF& r, unsigned seed, double lightness) {
  p.save();
  p.setClipRect(r, Qt::IntersectClip);
  QLinearGradient base(r.topLeft(), r.bottomRight());
  auto grey = [&](int v) {
    int g = std::clamp(static_cast<int>(v * lightness), 0, 255);
    return QColor(g, g, g + 4 > 255 ? 255 : g + 4);
  };
  base.setColorAt(0.0, grey(196));
  base.setColorAt(0.45, grey(178));
  base.setColorAt(0.55, grey(186));
  base.setColorAt(1.0, grey(164));
  p.fillRect(r, base);
  // Grain: thin streaks of random length and lightness, a quarter pixel
  // apart (one device pixel of the 4x picture).
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const double step = 1.0 / kPanelScale;
  for (double y = r.top(); y < r.bottom(); y += step) {
    double x = r.left() - u(rng) * 20;
    while (x < r.right()) {
      const double len = 4 + u(rng) * 26;
      const int shade = static_cast<int>(u(rng) * 36) - 18;
      QColor c = shade > 0 ? QColor(255, 255, 255, shade * 3) : QColor(0, 0, 0, -shade * 3);
      p.setPen(QPen(c, step));
      p.drawLine(QPointF(x, y + step / 2), QPointF(x + len, y + step / 2));
      x += len + u(rng) * 6;
    }
  }
  p.restore();
}

void SteelPlate(QPainter& p, const QRectF& r, unsigned seed, double radius) {
  p.save();
  QPainterPath outline;
  outline.addRoundedRect(r, radius, radius);
  p.setClipPath(outline, Qt::IntersectClip);
  BrushedSteel(p, r, seed);
  p.setClipping(false);
  // Bevel: light upper left edge, dark lower right edge.
  QLinearGradient edge(r.topLeft(), r.bottomRight());
  edge.setColorAt(0.0, QColor(250, 250, 252));
  edge.setColorAt(0.5, QColor(150, 150, 155));
  edge.setColorAt(1.0, QColor(70, 70, 75));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(edge), 0.8));
  p.drawRoundedRect(r.adjusted(0.4, 0.4, -0.4, -0.4), radius, radius);
  p.setPen(QPen(QColor(40, 40, 45, 160), 0.3));
  p.drawRoundedRect(r.adjusted(0.1, 0.1, -0.1, -0.1), radius, radius);
  p.restore();
}

void ChromeRing(QPainter& p, QPointF centre, double outer, double inner) {
  p.save();
  QPainterPath ring;
  ring.addEllipse(centre, outer, outer);
  ring.addEllipse(centre, inner, inner);
  ring.setFillRule(Qt::OddEvenFill);
  QConicalGradient chrome(centre, 135);
  chrome.setColorAt(0.00, QColor(255, 255, 255));
  chrome.setColorAt(0.12, QColor(170, 172, 178));
  chrome.setColorAt(0.30, QColor(90, 92, 98));
  chrome.setColorAt(0.45, QColor(200, 202, 208));
  chrome.setColorAt(0.55, QColor(120, 122, 128));
  chrome.setColorAt(0.72, QColor(70, 72, 78));
  chrome.setColorAt(0.88, QColor(190, 192, 198));
  chrome.setColorAt(1.00, QColor(255, 255, 255));
  p.setPen(Qt::NoPen);
  p.setBrush(chrome);
  p.drawPath(ring);
  // A rolled edge: a light line inside the outer rim, a dark one at the
  // inner rim where the bezel meets the glass.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 40, 45), 0.5));
  p.drawEllipse(centre, outer - 0.25, outer - 0.25);
  p.setPen(QPen(QColor(30, 30, 30), 0.6));
  p.drawEllipse(centre, inner + 0.3, inner + 0.3);
  p.setPen(QPen(QColor(255, 255, 255, 120), 0.4));
  p.drawEllipse(centre, (outer + inner) / 2, (outer + inner) / 2);
  p.restore();
}

void ChromeDisc(QPainter& p, QPointF centre, double radius) {
  p.save();
  QRadialGradient g(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
  g.setColorAt(0.0, QColor(255, 255, 255));
  g.setColorAt(0.35, QColor(200, 202, 208));
  g.setColorAt(0.8, QColor(110, 112, 118));
  g.setColorAt(1.0, QColor(60, 62, 66));
  p.setPen(QPen(QColor(35, 35, 38), std::min(0.5, radius / 6)));
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  p.restore();
}

void Screw(QPainter& p, QPointF centre, double radius) {
  ChromeDisc(p, centre, radius);
  p.save();
  p.setPen(QPen(QColor(50, 50, 55), radius * 0.28, Qt::SolidLine, Qt::RoundCap));
  const double a = radius * 0.55;
  p.drawLine(centre + QPointF(-a, -a * 0.4), centre + QPointF(a, a * 0.4));
  p.drawLine(centre + QPointF(-a * 0.4, a), centre + QPointF(a * 0.4, -a));
  p.restore();
}

void LampLens(QPainter& p, const QRectF& r, QColor colour, bool lit) {
  p.save();
  const QPointF c = r.center();
  const double outer = std::min(r.width(), r.height()) / 2;
  ChromeRing(p, c, outer, outer * 0.72);
  const double glass = outer * 0.72;
  QRadialGradient g(c - QPointF(glass * 0.3, glass * 0.3), glass * 1.4);
  if (lit) {
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.15, colour.lighter(160));
    g.setColorAt(0.6, colour);
    g.setColorAt(1.0, colour.darker(170));
  } else {
    QColor dim = colour.isValid() ? colour.darker(420) : QColor(45, 45, 45);
    g.setColorAt(0.0, dim.lighter(220));
    g.setColorAt(0.5, dim);
    g.setColorAt(1.0, QColor(15, 15, 15));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, glass, glass);
  // Highlight on the glass.
  p.setBrush(QColor(255, 255, 255, lit ? 150 : 90));
  p.drawEllipse(c + QPointF(-glass * 0.35, -glass * 0.4), glass * 0.28, glass * 0.18);
  p.restore();
}

namespace {

QPainterPath TextPath(const QString& text, double capHeight, bool bold) {
  QFont font("Liberation Sans");
  font.setPixelSize(100);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  QPainterPath path;
  path.addText(0, 0, font, text);
  // Liberation Sans capitals are 72.9 % of the em.
  const double scale = capHeight / 72.9;
  QTransform t;
  t.scale(scale, scale);
  return t.map(path);
}

}  // namespace

double PanelTextWidth(const QString& text, double capHeight, bool bold) {
  return TextPath(text, capHeight, bold).boundingRect().width();
}

void PanelText(QPainter& p, const QString& text, QPointF at, double capHeight, QColor colour,
               bool bold, TextAnchor anchor) {
  QPainterPath path = TextPath(text, capHeight, bold);
  const QRectF box = path.boundingRect();
  double x = at.x() - box.left();
  if (anchor == TextAnchor::Centre) x -= box.width() / 2;
  if (anchor == TextAnchor::Right) x -= box.width();
  path.translate(x, at.y() + capHeight / 2);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
  p.restore();
}

void EngravedText(QPainter& p, const QString& text, QPointF at, double capHeight, bool bold,
                  TextAnchor anchor) {
  PanelText(p, text, at + QPointF(0, 0.3), capHeight, QColor(255, 255, 255, 170), bold, anchor);
  PanelText(p, text, at, capHeight, QColor(25, 25, 30), bold, anchor);
}

}  // namespace pumpdrill::imagelib
