#include "panel/panel_layout.h"

namespace pumpdrill {

int EffectiveFaceColour(const PanelLayout& layout, int gauge) {
  if (gauge < 0 || gauge >= kGaugeSlots) return kFaceBlack;
  return layout.FaceColour[gauge] == kFaceWhite ? kFaceWhite : kFaceBlack;
}

namespace {

PartOffset OffsetOf(const PanelPlace& part, const PanelPlace& gauge) {
  return {part.Left - gauge.Left, part.Top - gauge.Top};
}

void PlaceAt(PanelPlace& part, const PanelPlace& gauge, const PartOffset& offset) {
  part.Left = gauge.Left + offset.Dx;
  part.Top = gauge.Top + offset.Dy;
}

}  // namespace

GaugeOffsets RetrieveGaugeOffsets(const PanelLayout& layout, int gauge) {
  if (!IsPressureGauge(gauge)) return {};
  const GaugeParts& g = layout.Gauges[gauge];
  return {OffsetOf(g.Title, g.Gauge), OffsetOf(g.PressReadout, g.Gauge),
          OffsetOf(g.FlowReadout, g.Gauge)};
}

void MoveGaugeParts(PanelLayout& layout, int gauge, int left, int top,
                    const GaugeOffsets& offsets) {
  if (!IsPressureGauge(gauge)) return;
  GaugeParts& g = layout.Gauges[gauge];
  g.Gauge.Left = left;
  g.Gauge.Top = top;
  PlaceAt(g.Title, g.Gauge, offsets.Title);
  PlaceAt(g.PressReadout, g.Gauge, offsets.PressReadout);
  PlaceAt(g.FlowReadout, g.Gauge, offsets.FlowReadout);
}

}  // namespace pumpdrill
