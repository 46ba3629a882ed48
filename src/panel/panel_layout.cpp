#include "panel/panel_layout.h"

#include <algorithm>

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

void GrowToHoldItems(PanelLayout& l, int lineCount) {
  using I = PanelItem;
  int right = kDefaultPanelWidth, bottom = kDefaultPanelHeight;
  // A gauge's own flag may still be the one of the previous line count.
  auto hold = [&](const PanelPlace& p, bool always = false) {
    if (!p.Visible && !always) return;
    right = std::max(right, std::min(p.Right(), kMostLayoutPosition));
    bottom = std::max(bottom, std::min(p.Bottom(), kMostLayoutPosition));
  };
  for (int i = 0; i < kPanelItemCount; ++i)
    if (i != static_cast<int>(I::UpperBar) && i != static_cast<int>(I::LowerBar)) hold(l.Items[i]);
  for (int g = 1; g < kGaugeSlots; ++g)
    if (IsPressureGauge(g) && (g > kMaxLayoutLines || g <= lineCount)) {
      hold(l.Gauges[g].Gauge, true);
      hold(l.Gauges[g].Title, true);
    }
  for (int v = 1; v <= kValveCount; ++v) {
    hold(l.Valves[v].Handle);
    hold(l.Valves[v].Title);
  }
  if (right == l.Width && bottom == l.Height) return;
  l.Width = right;
  l.Height = bottom;
  for (I bar : {I::UpperBar, I::LowerBar}) l.Item(bar).Width = l.Width - l.Item(bar).Left;
}

}  // namespace pumpdrill
