// The built-in layout of the default apparatus: eight discharge lines, four
// on each side in two rows of gauges above a row of their handles, lines 9
// to 15 alike in a block at the right; the intake and master gauges side by side at the top in the
// middle with the throttle and the pressure control below them; tank lamps, relief valve lamps,
// engine gauges, primer and the identification box between; the tank fill and tank-to-pump handles
// at the lower left of the middle, the intake handle at its lower right.
#include <algorithm>

#include "panel/gauge_faces.h"
#include "panel/panel_layout.h"

namespace pumpdrill {

namespace {

constexpr int kSmallGauge = kSmallFaceWidth;
constexpr int kTitleHeight = static_cast<int>(kSmallGaugeTitle.Height);
constexpr int kHandleWidth = 37;
constexpr int kHandleHeight = 114;

PanelPlace At(int left, int top, int width, int height, bool visible = true) {
  return {left, top, width, height, visible};
}

// A companion of an item at (left, top), at the box relative to it.
PanelPlace Beside(int left, int top, const FaceBox& b, bool visible = true) {
  return At(left + static_cast<int>(b.Left), top + static_cast<int>(b.Top),
            static_cast<int>(b.Width), static_cast<int>(b.Height), visible);
}

// A gauge whose title panel stands right above it and whose pressure and
// flow readouts stand side by side below it; (left, top) is the title's
// corner.
GaugeParts GaugeAt(int left, int top, int width, int height, const FaceBox& title,
                   const FaceBox& press, const FaceBox& flow, bool visible) {
  GaugeParts g;
  const int gaugeTop = top - static_cast<int>(title.Top);
  g.Gauge = At(left, gaugeTop, width, height, visible);
  g.Title = Beside(left, gaugeTop, title, visible);
  g.PressReadout = Beside(left, gaugeTop, press, visible);
  g.FlowReadout = Beside(left, gaugeTop, flow, visible);
  return g;
}

GaugeParts SmallGaugeAt(int left, int top, bool visible) {
  return GaugeAt(left, top, kSmallFaceWidth, kSmallFaceHeight, kSmallGaugeTitle,
                 kSmallGaugePressReadout, kSmallGaugeFlowReadout, visible);
}

GaugeParts BigGaugeAt(int left, int top) {
  return GaugeAt(left, top, kBigFaceWidth, kBigFaceHeight, kBigGaugeTitle, kBigGaugePressReadout,
                 kBigGaugeFlowReadout, true);
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

PanelLayout DefaultPanelLayout(int lineCount) {
  PanelLayout l;
  l.Width = kDefaultPanelWidth;
  l.Height = kDefaultPanelHeight;
  l.FaceColour.fill(kFaceBlack);

  // Discharge lines 1 to 4 at the left, 5 to 8 at the right, 9 to 15 in a
  // block right of those. In each block the first column holds the first
  // and second gauge, the next the third and fourth, and so on; the handles
  // stand in line order below.
  constexpr int kBlockLeft[3] = {2, 476, kDefaultPanelWidth + 4};
  constexpr int kRowTop[2] = {10, 117};
  constexpr int kHandleTop = 225;
  for (int n = 1; n <= kMaxLayoutLines; ++n) {
    const bool shown = n <= std::max(lineCount, 8);
    const int block = n <= 8 ? (n - 1) / 4 : 2;
    const int inBlock = n <= 8 ? (n - 1) % 4 : n - 9;
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

  l.Item(I::EngTempGauge) = At(164, 140, kEngineFaceWidth, kEngineFaceHeight);
  l.Item(I::TempLt) = Beside(164, 140, kEngineGaugeLamp);
  l.Item(I::ChkEngineLt) = At(164, 200, 52, 41);
  l.Item(I::RpmMeter) = At(381, 140, kTachFaceWidth, kTachFaceHeight);
  l.Item(I::LblRpmGauge) = Beside(381, 140, kTachReadout);
  l.Item(I::FlowMeter) = At(381, 140, 135, 69, false);
  l.Item(I::LblFlowmeter) = At(405, 150, 70, 17, false);

  l.Item(I::PrimerBack) = At(252, 258, 44, 80);
  l.Item(I::Primer) = At(259, 272, 30, 56);
  l.Item(I::LblPrimedIndicator) = At(248, 341, 52, 12);
  l.Item(I::OilPressGauge) = At(306, 258, kEngineFaceWidth, kEngineFaceHeight);
  l.Item(I::OilPressureLt) = Beside(306, 258, kEngineGaugeLamp);
  l.Item(I::PumpOilGauge) = At(306, 258, kEngineFaceWidth, kEngineFaceHeight, false);
  l.Item(I::PumpOilLt) = Beside(306, 258, kEngineGaugeLamp, false);
  l.Item(I::StopEngineLt) = At(378, 258, 52, 41);
  l.Item(I::ChkXmissionLt) = At(378, 258, 52, 41, false);
  l.Item(I::IdBox) = At(304, 330, 122, 33);

  l.Item(I::UpperBar) = At(1, 0, 625, 8);
  l.Item(I::LowerBar) = At(1, 374, 634, 46);
  if (lineCount > 8) GrowToHoldItems(l, lineCount);
  return l;
}

}  // namespace pumpdrill
