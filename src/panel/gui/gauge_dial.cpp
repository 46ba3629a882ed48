#include "panel/gui/gauge_dial.h"

#include <QPainter>

#include <cmath>

#include "panel/gauge_needle.h"
#include "panel/gui/panel_pictures.h"

namespace pumpdrill {

NeedleGeometry NeedleGeometryOf(int gauge) {
  const GaugeFace& f = NeedleFace(gauge);
  return {f.Centre.X, f.Centre.Y, f.NeedleLength, f.NeedleTail, f.NeedleHalfWidth};
}

QPolygonF NeedlePolygon(const NeedleGeometry& g, double angle, double zoom) {
  const double c = std::cos(angle), s = std::sin(angle);
  auto at = [&](double x, double y) {
    // y up in needle coordinates, down on the screen.
    return QPointF((g.CentreX + x * c - y * s) * zoom, (g.CentreY - (x * s + y * c)) * zoom);
  };
  return QPolygonF({at(g.Length, 0), at(-g.Tail, g.HalfWidth), at(-g.Tail, -g.HalfWidth)});
}

GaugeDial::GaugeDial(PanelSurface& surface, QWidget* parent, const char* name, int gauge)
    : PanelItemWidget(surface, parent, name), gauge_(gauge) {}

void GaugeDial::SetFace(const std::string& face, const std::string& mask, int tag) {
  face_ = face;
  mask_ = mask;
  tag_ = tag;
  devicePixels_ = DevicePixels(angle_);
  update();
}

QPolygon GaugeDial::DevicePixels(double angle) const {
  const double scale = Zoom() * devicePixelRatioF();
  return NeedlePolygon(NeedleGeometryOf(gauge_), angle, scale).toPolygon();
}

void GaugeDial::SetAngle(double angle, bool force) {
  const QPolygon pixels = DevicePixels(angle);
  angle_ = angle;
  if (!force && pixels == devicePixels_) return;
  devicePixels_ = pixels;
  update();
}

void GaugeDial::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  PanelPictures& pictures = surface_.Pictures();
  const double z = Zoom();
  if (pictures.Has(face_)) {
    const QPixmap& face = pictures.Face(face_, mask_, QSizeF(Place.Width, Place.Height), z,
                                        devicePixelRatioF());
    p.drawPixmap(QRectF(rect()), face, QRectF(face.rect()));
  }
  if (angle_ == -99) return;
  const NeedleGeometry g = NeedleGeometryOf(gauge_);
  p.setPen(QPen(QColor(60, 0, 0), std::max(0.6, 0.8 * z), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin));
  p.setBrush(QColor(215, 20, 20));
  p.drawPolygon(NeedlePolygon(g, angle_, z));
  // The hub over the needle's root.
  const double hub = (gauge_ == kIntakeGauge || gauge_ == kMasterGauge ? 4.5 : 3.5) * z;
  QRadialGradient chrome(QPointF(g.CentreX * z - hub / 3, g.CentreY * z - hub / 3), hub * 1.5);
  chrome.setColorAt(0, QColor(250, 250, 250));
  chrome.setColorAt(1, QColor(70, 70, 70));
  p.setPen(QPen(QColor(30, 30, 30), 0.6 * z));
  p.setBrush(chrome);
  p.drawEllipse(QPointF(g.CentreX * z, g.CentreY * z), hub, hub);
}

}  // namespace pumpdrill
