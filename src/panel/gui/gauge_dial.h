// A gauge on the panel: its face (clipped by its mask, composed once per
// scale) and its needle, painted at device resolution. The needle repaints
// only when it would cover other device pixels.
#pragma once

#include <QPolygon>
#include <QPolygonF>

#include "panel/gui/panel_item.h"

namespace pumpdrill {

// Where a gauge's needle turns and how long it is, in layout pixels on the
// gauge picture.
struct NeedleGeometry {
  double CentreX = 0, CentreY = 0;
  double Length = 0;
  double Tail = 15;       // behind the centre
  double HalfWidth = 2;   // at the tail
};

// The needle of a gauge (1 to 15, 18 to 22; 0 the tachometer).
NeedleGeometry NeedleGeometryOf(int gauge);

// The needle's triangle at angle (radians, counter-clockwise, y up), in
// widget pixels for zoom.
QPolygonF NeedlePolygon(const NeedleGeometry& g, double angle, double zoom);

class GaugeDial : public PanelItemWidget {
 public:
  GaugeDial(PanelSurface& surface, QWidget* parent, const char* name, int gauge);
  int Gauge() const { return gauge_; }
  // GaugeTag: index, units system and colour code of the face shown.
  int Tag() const { return tag_; }
  // Shows the face; the needle is drawn again over it.
  void SetFace(const std::string& face, const std::string& mask, int tag);
  const std::string& Face() const { return face_; }
  // Moves the needle; repaints only when it covers other device pixels.
  void SetAngle(double angle, bool force = false);
  double Angle() const { return angle_; }
  // The needle's points in device pixels as last painted.
  const QPolygon& NeedleDevicePixels() const { return devicePixels_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPolygon DevicePixels(double angle) const;

  int gauge_;
  int tag_ = 0;
  std::string face_, mask_;
  double angle_ = -99;  // "none"
  QPolygon devicePixels_;
};

}  // namespace pumpdrill
