// Gauge faces: chrome bezel, dial, graduations and numerals drawn from the
// numbers of panel/gauge_faces.h, so that the panel's needles read what the
// faces say. The faces carry alpha outside the bezel; the masks are the
// bezel's outline, opaque inside.
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "panel/gauge_faces.h"
#include "panel_paint.h"

namespace pumpdrill::imagelib {

namespace {

QPointF At(const GaugeFace& f, double angle, double r) {
  const FacePoint p = FacePointAt(f, angle, r);
  return {p.X, p.Y};
}

double AngleOf(const GaugeFace& f, double stored) { return FaceNeedleAngle(f, stored); }

bool IsMultiple(double value, double step) {
  if (step <= 0) return false;
  const double q = value / step;
  return std::abs(q - std::round(q)) < 1e-6;
}

QString Numeral(double marked) {
  if (std::abs(marked) < 1e-9) return "0";
  return QString::number(marked, 'g', 6);
}

struct Ink {
  QColor marks;
  QColor dialInner;
  QColor dialOuter;
};

Ink InkOf(const GaugeFace& f) {
  if (f.White) return {QColor(20, 20, 22), QColor(252, 252, 250), QColor(222, 222, 218)};
  return {QColor(245, 245, 240), QColor(38, 38, 42), QColor(8, 8, 10)};
}

void Dial(QPainter& p, const GaugeFace& f, const Ink& ink) {
  const QPointF c(f.Centre.X, f.Centre.Y);
  QRadialGradient g(c - QPointF(f.DialRadius * 0.2, f.DialRadius * 0.3), f.DialRadius * 1.2);
  g.setColorAt(0.0, ink.dialInner);
  g.setColorAt(1.0, ink.dialOuter);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, f.DialRadius + 0.2, f.DialRadius + 0.2);
}

void Band(QPainter& p, const GaugeFace& f) {
  if (f.BandFrom == f.BandTo) return;
  const FaceGraduation& g = f.Rings[0];
  const double a0 = AngleOf(f, f.BandFrom), a1 = AngleOf(f, f.BandTo);
  const double r = g.TickRadius - g.MajorLength * 0.5;
  const double width = g.MajorLength * 0.55;
  QPainterPath arc;
  const QRectF box(f.Centre.X - r, f.Centre.Y - r, 2 * r, 2 * r);
  const double deg0 = a0 * 180 / M_PI, deg1 = a1 * 180 / M_PI;
  arc.arcMoveTo(box, deg0);
  arc.arcTo(box, deg0, deg1 - deg0);
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(215, 25, 25), width, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(arc);
  p.restore();
}

void Ring(QPainter& p, const GaugeFace& f, int index, const Ink& ink) {
  const FaceGraduation& g = f.Rings[index];
  const bool vacuum = g.Factor < 0;
  const double dir = g.Inward ? -1 : 1;
  const double finest = g.MinorStep > 0 ? g.MinorStep : g.MajorStep;
  const int count = static_cast<int>(std::floor((g.Last - g.First) / finest + 1e-6));
  const double start = std::ceil(g.First / finest - 1e-6) * finest;
  for (int i = 0; i <= count + 1; ++i) {
    const double m = start + i * finest;
    if (m > g.Last + 1e-6) break;
    if (vacuum && std::abs(m) < 1e-9) continue;  // zero belongs to the pressure ring
    const bool major = IsMultiple(m, g.MajorStep);
    const double length = major ? g.MajorLength : g.MinorLength;
    if (length <= 0) continue;
    const double a = AngleOf(f, StoredValue(g, m));
    p.setPen(QPen(ink.marks, major ? 0.7 : 0.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(At(f, a, g.TickRadius), At(f, a, g.TickRadius + dir * length));
  }
  for (double m : NumeralValues(g)) {
    if (vacuum && std::abs(m) < 1e-9) continue;  // zero belongs to the pressure ring
    const QString text = Numeral(m);
    const FacePoint at =
        NumeralCentre(f, index, m, PanelTextWidth(text, g.NumeralHeight, index == 0));
    PanelText(p, text, {at.X, at.Y}, g.NumeralHeight, vacuum ? QColor(225, 35, 35) : ink.marks,
              index == 0);
  }
}

void Captions(QPainter& p, const GaugeFace& f, const Ink& ink) {
  const double unit = f.Kind == GaugeFaceKind::BigPressure ? 5.2 : 4.0;
  const double engine = 3.6;
  const bool small = f.Kind == GaugeFaceKind::Temperature || f.Kind == GaugeFaceKind::Oil ||
                     f.Kind == GaugeFaceKind::PrimerOil || f.Kind == GaugeFaceKind::Tachometer;
  const double h = small ? engine : unit;
  if (!f.UnitText.empty())
    PanelText(p, QString::fromUtf8(f.UnitText.data(), f.UnitText.size()), {f.UnitAt.X, f.UnitAt.Y},
              h, ink.marks, true);
  if (!f.SecondText.empty()) {
    const bool vac = f.SecondText.find("inHg") != std::string_view::npos;
    PanelText(p, QString::fromUtf8(f.SecondText.data(), f.SecondText.size()),
              {f.SecondAt.X, f.SecondAt.Y}, h * 0.75, vac ? QColor(225, 35, 35) : ink.marks, false);
  }
  if (!f.TitleText.empty())
    PanelText(p, QString::fromUtf8(f.TitleText.data(), f.TitleText.size()),
              {f.TitleAt.X, f.TitleAt.Y}, 3.2, ink.marks.darker(f.White ? 100 : 115), true);
}

void Glass(QPainter& p, const GaugeFace& f) {
  // A soft reflection across the upper left of the glass.
  const QPointF c(f.Centre.X, f.Centre.Y);
  const double r = f.DialRadius;
  QPainterPath glass;
  glass.addEllipse(c, r, r);
  QPainterPath cut;
  cut.addEllipse(c + QPointF(r * 0.35, r * 0.45), r * 1.15, r * 1.15);
  QPainterPath shine = glass.subtracted(cut);
  QRadialGradient g(c - QPointF(r * 0.6, r * 0.6), r);
  g.setColorAt(0.0, QColor(255, 255, 255, 70));
  g.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(shine);
}

QImage Face(const GaugeFace& f) {
  QImage image = PanelCanvas(f.Width, f.Height);
  QPainter p;
  BeginPanelPainting(p, image);
  const Ink ink = InkOf(f);
  const QPointF c(f.Centre.X, f.Centre.Y);
  // Shadow of the bezel on the panel, inside the picture's alpha.
  Dial(p, f, ink);
  Band(p, f);
  for (int i = f.RingCount - 1; i >= 0; --i) Ring(p, f, i, ink);
  Captions(p, f, ink);
  Glass(p, f);
  ChromeRing(p, c, f.BezelRadius, f.DialRadius);
  // The hub under the needle's pivot is drawn by the window with the
  // needle; the face marks the centre with a dark boss.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(c, f.NeedleHalfWidth * 1.6, f.NeedleHalfWidth * 1.6);
  p.end();
  return image;
}

QImage Mask(int w, int h, FacePoint centre, double radius) {
  QImage image = PanelCanvas(w, h);
  QPainter p;
  BeginPanelPainting(p, image);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(centre.X, centre.Y), radius, radius);
  p.end();
  return image;
}

}  // namespace

void AddGaugeFaceImages(DrawnImages& out) {
  for (const GaugeFace& f : kGaugeFaces) AddPanelPicture(out, std::string(f.Name), Face(f));
  AddPanelPicture(out, std::string(kSmallMaskName),
                  Mask(kSmallFaceWidth, kSmallFaceHeight, kSmallFaceCentre, kSmallBezelRadius));
  AddPanelPicture(out, std::string(kBigMaskName),
                  Mask(kBigFaceWidth, kBigFaceHeight, kBigFaceCentre, kBigBezelRadius));
}

}  // namespace pumpdrill::imagelib
