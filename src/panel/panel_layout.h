// The panel's layout: where each item of the operator's panel stands, which
// items are shown, the colour of each gauge face, the kind of each valve
// handle and the colours of the valve titles. Positions are layout pixels
// (the panel at 100 %), from the top-left corner of the panel background;
// the window scales them, the panel file reads and writes them, design mode
// moves them.
#pragma once

#include <array>
#include <cstdint>

namespace pumpdrill {

// An item's rectangle in layout pixels and whether the layout shows it.
struct PanelPlace {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = true;

  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
};

// The single items of the panel, by the names the window gives them.
enum class PanelItem : int {
  RpmMeter,      // tachometer
  LblRpmGauge,   // its readout
  FlowMeter,     // master flowmeter with its selector dial
  LblFlowmeter,  // its readout
  EngTempGauge,  // gauge 20
  TempLt,
  OilPressGauge,  // gauge 21
  OilPressureLt,
  PumpOilGauge,  // gauge 22, the primer oil
  PumpOilLt,
  ChkXmissionLt,  // warning lamps
  ChkEngineLt,
  StopEngineLt,
  TankLts,  // tank level lamps
  LblGallonsLeft,
  RValveLts,   // relief valve lamps
  PrimerBack,  // primer backing, handle and primed indicator
  Primer,
  LblPrimedIndicator,
  TransferValve,
  EngCooler,
  IdBox,  // department identification box with the cavitation warning
  UpperBar,
  LowerBar,
  Throttle,         // the throttle control's place (the control is the controls' own)
  PressureControl,  // the relief valve or governor control's place
  Count
};
inline constexpr int kPanelItemCount = static_cast<int>(PanelItem::Count);

// Gauge indices: 1 to 15 discharge gauges, 18 intake, 19 master discharge,
// 20 engine temperature, 21 oil pressure, 22 primer oil.
inline constexpr int kIntakeGauge = 18;
inline constexpr int kMasterGauge = 19;
inline constexpr int kEngTempGauge = 20;
inline constexpr int kOilPressGauge = 21;
inline constexpr int kPumpOilGauge = 22;
inline constexpr int kGaugeSlots = 23;  // indexed 0 .. 22; 0, 16 and 17 are unused

// Face colour codes; other values count as black.
inline constexpr int kFaceBlack = 1;
inline constexpr int kFaceWhite = 2;

// A pressure gauge (1 to 15, 18, 19) with its title panel and readouts.
struct GaugeParts {
  PanelPlace Gauge;
  PanelPlace Title;
  PanelPlace PressReadout;
  PanelPlace FlowReadout;
};

// A companion's offset from its gauge, as the panel file and design mode
// keep it while the gauge moves.
struct PartOffset {
  int Dx = 0;
  int Dy = 0;
};
struct GaugeOffsets {
  PartOffset Title;
  PartOffset PressReadout;
  PartOffset FlowReadout;
};

// Colours as the panel file writes them: red in the lowest byte, then green,
// then blue.
using PanelColour = std::uint32_t;
inline constexpr PanelColour kColourBlack = 0;
inline constexpr PanelColour kColourSilver = 0xC0C0C0;
inline constexpr PanelColour kColourWhite = 0xFFFFFF;
inline constexpr PanelColour RgbColour(int r, int g, int b) {
  return static_cast<PanelColour>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}

// A valve (1 to 18): the handle's place, its kind, and its title label.
struct ValvePlace {
  PanelPlace Handle;
  PanelPlace Title;
  int HandleType = 1;  // ValveHandleType: 1 at creation (short vertical, open at the bottom)
  PanelColour TitleForeground = kColourBlack;
  PanelColour TitleBackground = kColourSilver;
  bool TitleTransparent = true;
};

inline constexpr int kValveCount = 18;

// A hose connection plate (cap) beside a line's connection, 1 to 19.
inline constexpr int kPlateCount = 19;
inline constexpr int kPlateTwoInchAngled = 1;
inline constexpr int kPlateTwoInchStraight = 2;
inline constexpr int kPlateSixInch = 3;
struct ConnectorPlate {
  bool Present = false;
  int Type = kPlateTwoInchAngled;
  PanelPlace Place;  // the window gives it its picture's size
};

struct PanelLayout {
  int Width = 0;  // the layout's extent: the panel at 100 %
  int Height = 0;
  std::array<PanelPlace, kPanelItemCount> Items{};
  std::array<GaugeParts, kGaugeSlots> Gauges{};      // 1..15, 18, 19
  std::array<int, kGaugeSlots> FaceColour{};         // 1..15, 18, 19 (20..22 have one face each)
  std::array<ValvePlace, kValveCount + 1> Valves{};  // 1..18
  std::array<ConnectorPlate, kPlateCount + 1> Plates{};  // 1..19

  PanelPlace& Item(PanelItem i) { return Items[static_cast<int>(i)]; }
  const PanelPlace& Item(PanelItem i) const { return Items[static_cast<int>(i)]; }
};

// Whether gauge carries a pressure needle with a title and readouts
// (1 to 15, 18, 19).
inline bool IsPressureGauge(int gauge) {
  return (gauge >= 1 && gauge <= 15) || gauge == kIntakeGauge || gauge == kMasterGauge;
}

// The face colour code of gauge as it is drawn: 2 stays white, any other
// value is black.
int EffectiveFaceColour(const PanelLayout& layout, int gauge);

// Notes the offsets of a pressure gauge's title and readouts from the gauge.
GaugeOffsets RetrieveGaugeOffsets(const PanelLayout& layout, int gauge);

// Moves a pressure gauge to (left, top) and places its title and readouts
// at the new position plus their offsets.
void MoveGaugeParts(PanelLayout& layout, int gauge, int left, int top, const GaugeOffsets& offsets);

// The built-in layout of the default apparatus (eight discharge lines):
// every item apart from the others, whole in the first main window at 100 %.
// Lines 9 to 15 stand hidden in a block right of the first eight; with
// lineCount above 8 they are shown and the layout grows to hold them.
PanelLayout DefaultPanelLayout(int lineCount = 8);

// The layout pixels of the default layout.
inline constexpr int kDefaultPanelWidth = 636;
inline constexpr int kDefaultPanelHeight = 420;

// The discharge lines a layout places (1 to 15).
inline constexpr int kMaxLayoutLines = 15;
// The farthest a layout reaches, in layout pixels.
inline constexpr int kMostLayoutPosition = 10000;

// The layout grows to hold every shown item (never below the built-in
// extent) and the bars span it; gauges of lines up to lineCount count
// whatever their flag.
void GrowToHoldItems(PanelLayout& l, int lineCount);

}  // namespace pumpdrill
