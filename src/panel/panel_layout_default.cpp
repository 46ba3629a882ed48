// The built-in layout of the default apparatus: eight discharge lines, four
// on each side in two rows of gauges above a row of their handles; the
// intake and master gauges side by side at the top in the middle with the
// throttle and the pressure control below them; tank lamps, relief valve
// lamps, engine gauges, primer and the identification box between; the tank
// fill and tank-to-pump handles at the lower left of the middle, the intake
// handle at its lower right.
#include <algorithm>

#include "panel/panel_layout.h"

namespace pumpdrill {

namespace {

constexpr int kSmallGauge = 79;
constexpr int kBigGaugeWidth = 103;
constexpr int kBigGaugeHeight = 98;
constexpr int kTitleHeight = 12;
constexpr int kHandleWidth = 37;
constexpr int kHandleHeight = 114;

PanelPlace At(int left, int top, int width, int height, bool visible = true) {
  return {left, top, width, height, visible};
}

// A discharge gauge whose title panel stands above it and whose pressure and
// flow readouts stand side by side below it.
GaugeParts SmallGaugeAt(int left, int top, bool visible) {
  GaugeParts g;
  g.Title = At(left, top, kSmallGauge, kTitleHeight, visible);
  g.Gauge = At(left, top + kTitleHeight, kSmallGauge, kSmallGauge, visible);
  const int readouts = g.Gauge.Bottom() + 1;
  g.PressReadout = At(left + 1, readouts, 38, 12, visible);
  g.FlowReadout = At(left + 40, readouts, 38, 12, visible);
  return g;
}

GaugeParts BigGaugeAt(int left, int top) {
  GaugeParts g;
  g.Title = At(left, top, kBigGaugeWidth, kTitleHeight);
  g.Gauge = At(left, top + kTitleHeight, kBigGaugeWidth, kBigGaugeHeight);
  const int readouts = g.Gauge.Bottom() + 1;
  g.PressReadout = At(left + 1, readouts, 50, 13);
  g.FlowReadout = At(left + 52, readouts, 50, 13);
  return g;
}

// A valve handle with its title label: below the handle, or above it.
ValvePlace ValveAt(int left, int top, bool titleAbove, bool visible) {
  ValvePlace v;
  if (titleAbove) {
    v.Title = At(left, top, kHandleWidth, kTitleHeight, visible);
    v.Handle = At(left, top + kTitleHeight, kHandleWidth, kHandleHeight, visible);
  } else {
    v.Handle = At(left, top, kHandleWidth, kHandleHeight, visible);
    v.Title = At(left, top + kHandleHeight + 1, kHandleWidth, kTitleHeight, visible);
  }
  return v;
}

}  // namespace

PanelLayout DefaultPanelLayout() {
  PanelLayout l;
  l.Width = kDefaultPanelWidth;
  l.Height = kDefaultPanelHeight;
  l.FaceColour.fill(kFaceBlack);

  // Discharge lines 1 to 4 at the left, 5 to 8 at the right. In each block
  // the first column holds the first and second gauge, the second column the
  // third and fourth; the four handles stand in line order below.
  constexpr int kBlockLeft[2] = {2, 476};
  constexpr int kRowTop[2] = {10, 117};
  constexpr int kHandleTop = 225;
  for (int n = 1; n <= 15; ++n) {
    const bool shown = n <= 8;
    const int k = std::min(n, 8) - 1;  // lines above 8 lie hidden where line 8 lies
    const int block = k / 4;
    const int inBlock = k % 4;
    const int column = inBlock / 2;
    const int row = inBlock % 2;
    l.Gauges[n] = SmallGaugeAt(kBlockLeft[block] + column * kSmallGauge, kRowTop[row], shown);
    l.Valves[n] = ValveAt(kBlockLeft[block] + inBlock * 40, kHandleTop, false, shown);
  }

  // The middle: intake and master gauges side by side.
  l.Gauges[kIntakeGauge] = BigGaugeAt(215, 10);
  l.Gauges[kMasterGauge] = BigGaugeAt(320, 10);

  // Tank fill and tank to pump at the lower left of the middle, the intake
  // at its lower right; their titles above them.
  l.Valves[16] = ValveAt(166, 242, true, true);
  l.Valves[17] = ValveAt(206, 242, true, true);
  l.Valves[18] = ValveAt(432, 242, true, true);

  using I = PanelItem;
  l.Item(I::TankLts) = At(162, 12, 52, 81);
  l.Item(I::LblGallonsLeft) = At(162, 95, 52, 13);
  l.Item(I::RValveLts) = At(424, 12, 52, 42);
  l.Item(I::TransferValve) = At(426, 58, 47, 72);
  l.Item(I::EngCooler) = At(424, 58, 52, 50, false);

  l.Item(I::Throttle) = At(253, 140, 56, 110);
  l.Item(I::PressureControl) = At(317, 140, 60, 110);

  l.Item(I::EngTempGauge) = At(164, 140, 58, 57);
  l.Item(I::TempLt) = At(224, 140, 9, 9);
  l.Item(I::ChkEngineLt) = At(164, 200, 52, 41);
  l.Item(I::RpmMeter) = At(381, 140, 60, 59);
  l.Item(I::LblRpmGauge) = At(381, 201, 60, 13);
  l.Item(I::FlowMeter) = At(381, 140, 135, 69, false);
  l.Item(I::LblFlowmeter) = At(405, 150, 70, 17, false);

  l.Item(I::PrimerBack) = At(252, 258, 44, 80);
  l.Item(I::Primer) = At(259, 272, 30, 56);
  l.Item(I::LblPrimedIndicator) = At(248, 341, 52, 12);
  l.Item(I::OilPressGauge) = At(306, 258, 58, 57);
  l.Item(I::OilPressureLt) = At(366, 258, 9, 9);
  l.Item(I::PumpOilGauge) = At(306, 258, 58, 57, false);
  l.Item(I::PumpOilLt) = At(366, 258, 9, 9, false);
  l.Item(I::StopEngineLt) = At(378, 258, 52, 41);
  l.Item(I::ChkXmissionLt) = At(378, 258, 52, 41, false);
  l.Item(I::IdBox) = At(304, 330, 122, 33);

  l.Item(I::UpperBar) = At(1, 0, 625, 8);
  l.Item(I::LowerBar) = At(1, 374, 634, 46);
  return l;
}

}  // namespace pumpdrill
