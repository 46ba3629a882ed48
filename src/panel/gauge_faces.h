// The panel's gauge faces and the pictures around them, as plain numbers.
//
// The image tool draws the faces from these numbers and the panel window
// places needles, readouts and lamps with them, so a needle pivots where its
// face has its hub and points at the graduation of the value it shows.
//
// All sizes and points are layout pixels (the pictures are stored larger,
// see panel/gui/named_bitmap.h), with x to the right and y downwards from
// the picture's top-left corner. Needle angles follow panel/gauge_scale.h:
// radians, counter-clockwise from the positive x axis with y pointing up;
// a point at angle a and distance r from the centre lies at
// (Centre.X + r cos a, Centre.Y - r sin a).
//
// Values are held in stored (English) units: psi, degrees Fahrenheit,
// percent, RPM. A face marks them in its own units through a linear
// conversion: marked = stored * Factor + Offset.
#pragma once

#include <string_view>
#include <vector>

#include "panel/gauge_scale.h"

namespace pumpdrill {

struct FacePoint {
  double X;
  double Y;
};

struct FaceBox {
  double Left;
  double Top;
  double Width;
  double Height;
};

// Conversions from stored to marked units.
inline constexpr double kPsiToBar = 0.06894;
inline constexpr double kPsiToKpa = 6.894;
inline constexpr double kPsiToInHg = 2.03602;  // vacuum: inHg below atmosphere

// One ring of graduations. Ticks are marked at every multiple of MinorStep
// and MajorStep from First to Last (marked units); numerals at
// NumeralOrigin plus every multiple of NumeralStep. Radii are distances
// from the needle centre.
struct FaceGraduation {
  double Factor;  // marked = stored * Factor + Offset
  double Offset;
  double First;  // marked values where the ring begins and ends
  double Last;
  double MinorStep;  // 0: no minor ticks
  double MajorStep;
  double NumeralStep;  // 0: no numerals
  double TickRadius;   // ticks run inwards (outer ring) or outwards (inner
                       // ring) from here
  double MajorLength;
  double MinorLength;
  double NumeralRadius;  // distance of the numerals' centres
  double NumeralHeight;  // cap height of the numerals
  bool Inward;           // ticks run inwards from TickRadius
  double NumeralOrigin = 0;
};

// The stored value that a marked value of ring g stands for.
constexpr double StoredValue(const FaceGraduation& g, double marked) {
  return (marked - g.Offset) / g.Factor;
}

enum class GaugeFaceKind {
  SmallPressure,  // discharge gauges 1 to 15
  BigPressure,    // intake (18) and master discharge (19): compound
  Temperature,    // engine coolant, gauge 20
  Oil,            // engine oil pressure, gauge 21
  PrimerOil,      // primer oil reservoir, gauge 22
  Tachometer,     // engine speed
};

inline constexpr int kMaxFaceRings = 3;

struct GaugeFace {
  std::string_view Name;  // picture name in the panel library
  GaugeFaceKind Kind;
  bool Metric;
  bool White;  // white dial with black marks (else black with white marks)
  int Width;   // picture size
  int Height;
  FacePoint Centre;        // needle pivot and hub
  double NeedleLength;     // tip, from the centre
  double NeedleTail;       // counterweight, behind the centre
  double NeedleHalfWidth;  // at the tail
  double BezelRadius;      // outer edge of the chrome bezel
  double DialRadius;       // the dial inside the bezel
  GaugeSweep Sweep;
  double Minimum;  // stored units at the ends of the sweep
  double Maximum;
  FaceGraduation Rings[kMaxFaceRings];
  int RingCount;
  // A band along the outer ring from BandFrom to BandTo (stored units),
  // red: the vacuum sector of the compound faces, the hot and low-oil
  // zones of the engine gauges. BandFrom == BandTo: none.
  double BandFrom;
  double BandTo;
  std::string_view UnitText;    // under the hub, e.g. "PSI"
  FacePoint UnitAt;             // centre of that text
  std::string_view SecondText;  // second caption ("kPa", "inHg"), may be empty
  FacePoint SecondAt;
  std::string_view TitleText;  // "WATER", "OIL" ... on the engine faces
  FacePoint TitleAt;
};

// ---------------------------------------------------------------------------
// Geometry of the three sizes of face.

// Discharge gauges: 79 x 79.
inline constexpr int kSmallFaceWidth = 79;
inline constexpr int kSmallFaceHeight = 79;
inline constexpr FacePoint kSmallFaceCentre{38, 40};
inline constexpr double kSmallNeedleLength = 25;
inline constexpr double kSmallBezelRadius = 37.5;
inline constexpr double kSmallDialRadius = 33.5;

// Intake and master discharge gauges: 103 x 98.
inline constexpr int kBigFaceWidth = 103;
inline constexpr int kBigFaceHeight = 98;
inline constexpr FacePoint kBigFaceCentre{51, 49};
inline constexpr double kBigNeedleLength = 30;
inline constexpr double kBigBezelRadius = 48.5;
inline constexpr double kBigDialRadius = 43.5;

// Pressure needles: the triangle (length, 0), (-15, 2), (-15, -2).
inline constexpr double kPressureNeedleTail = 15;
inline constexpr double kPressureNeedleHalfWidth = 2;

// Engine temperature, oil and primer oil gauges (20 to 22): 58 x 57, a
// round bezel with the needle pivot at its centre; the 108 degree sweep
// uses the upper half of the dial, the captions the lower half.
inline constexpr int kEngineFaceWidth = 58;
inline constexpr int kEngineFaceHeight = 57;
inline constexpr FacePoint kEngineFaceCentre{29, 28.5};
inline constexpr FacePoint kEngineBezelCentre = kEngineFaceCentre;
inline constexpr double kEngineNeedleLength = 20;
inline constexpr double kEngineNeedleTail = 5;
inline constexpr double kEngineNeedleHalfWidth = 1.5;
inline constexpr double kEngineBezelRadius = 28;
inline constexpr double kEngineDialRadius = 24.5;

// Tachometer: 60 x 59, 0 to 4000 RPM over the pressure gauges' sweep.
inline constexpr int kTachFaceWidth = 60;
inline constexpr int kTachFaceHeight = 59;
inline constexpr FacePoint kTachFaceCentre{30, 29.5};
inline constexpr double kTachNeedleLength = 20;
inline constexpr double kTachNeedleTail = 6;
inline constexpr double kTachNeedleHalfWidth = 1.5;
inline constexpr double kTachBezelRadius = 29;
inline constexpr double kTachDialRadius = 25.5;

// Value ranges of the faces (stored units).
inline constexpr double kFacePrimerOilMaxPercent = 100.0;

// ---------------------------------------------------------------------------
// The faces. Twelve of the gauge table, the primer oil face and the
// tachometer.

namespace gauge_faces_detail {

// Pressure rings. Small faces: 0 to 600 psi; the metric ones with kPa
// numerals inside the bar ticks (no kPa ticks: too close on 79 pixels).
inline constexpr FaceGraduation kSmallPsi{1, 0, 0, 600, 10, 50, 100, 32.5, 5, 2.5, 23, 5.2, true};
inline constexpr FaceGraduation kSmallBar{
    kPsiToBar, 0, 0, 600 * kPsiToBar, 1, 5, 10, 32.5, 5, 2.5, 24, 5.2, true};
inline constexpr FaceGraduation kSmallKpa{
    kPsiToKpa, 0, 0, 600 * kPsiToKpa, 0, 500, 1000, 16.5, 0, 0, 12.5, 3.0, false};

// Big (compound) faces: -15 to 600 psi; the vacuum sector in inHg.
inline constexpr FaceGraduation kBigPsi{1, 0, 0, 600, 10, 50, 100, 42.5, 6, 3, 31, 6.6, true};
inline constexpr FaceGraduation kBigInHg{-kPsiToInHg, 0, 0, 30, 10,  10,  30,
                                         42.5,        4, 4, 34, 4.2, true};
inline constexpr FaceGraduation kBigBar{kPsiToBar, 0,   -1,  600 * kPsiToBar, 1, 5, 10, 42.5, 6, 3,
                                        32,        6.6, true};
inline constexpr FaceGraduation kBigKpa{
    kPsiToKpa, 0, -100, 600 * kPsiToKpa, 100, 500, 1000, 23, 4, 2, 18, 4.0, false};

// Engine faces: a few numerals above the ticks.
// The Fahrenheit face has room for three numerals: 100, 175 and 250.
inline constexpr FaceGraduation kTempF{1,    0, 100, 250, 12.5, 25,   75,
                                       22.5, 4, 2,   15,  4.6,  true, 100};
inline constexpr FaceGraduation kTempC{5.0 / 9.0, -160.0 / 9.0, 40,  120, 5, 20, 40, 22.5, 4,
                                       2,         15,           4.6, true};
inline constexpr FaceGraduation kOilPsi{1, 0, 0, 80, 5, 20, 40, 22.5, 4, 2, 15, 4.6, true};
inline constexpr FaceGraduation kOilBar{kPsiToBar, 0,   0,   80 * kPsiToBar, 0.5, 1, 2, 22.5, 4, 2,
                                        15,        4.6, true};
inline constexpr FaceGraduation kPrimerPct{1, 0, 0, 100, 12.5, 50, 50, 22.5, 4, 2, 15, 4.6, true};

// Tachometer: hundreds of RPM as minor ticks, thousands as numerals.
inline constexpr FaceGraduation kTachRpm{0.001, 0, 0, 4, 0.1, 0.5, 1, 23.5, 4, 2, 16.5, 5.0, true};

constexpr GaugeFace SmallFace(std::string_view name, bool metric, bool white) {
  GaugeFace f{name,
              GaugeFaceKind::SmallPressure,
              metric,
              white,
              kSmallFaceWidth,
              kSmallFaceHeight,
              kSmallFaceCentre,
              kSmallNeedleLength,
              kPressureNeedleTail,
              kPressureNeedleHalfWidth,
              kSmallBezelRadius,
              kSmallDialRadius,
              kPressureSweep,
              0,
              kFacePressureMaxPsi,
              {metric ? kSmallBar : kSmallPsi, kSmallKpa, kSmallKpa},
              metric ? 2 : 1,
              0,
              0,
              metric ? "bar" : "PSI",
              {38, 62.5},
              metric ? "kPa" : "",
              {38, 52},
              "",
              {0, 0}};
  return f;
}

constexpr GaugeFace BigFace(std::string_view name, bool metric, bool white) {
  GaugeFace f{name,
              GaugeFaceKind::BigPressure,
              metric,
              white,
              kBigFaceWidth,
              kBigFaceHeight,
              kBigFaceCentre,
              kBigNeedleLength,
              kPressureNeedleTail,
              kPressureNeedleHalfWidth,
              kBigBezelRadius,
              kBigDialRadius,
              kPressureSweep,
              kFaceCompoundMinPsi,
              kFacePressureMaxPsi,
              {metric ? kBigBar : kBigPsi, metric ? kBigKpa : kBigInHg, kBigKpa},
              2,
              kFaceCompoundMinPsi,
              0,
              metric ? "bar" : "PSI",
              {51, 78},
              metric ? "kPa" : "inHg VAC",
              metric ? FacePoint{51, 65} : FacePoint{51, 87},
              "",
              {0, 0}};
  return f;
}

constexpr GaugeFace EngineFace(std::string_view name, GaugeFaceKind kind, bool metric,
                               FaceGraduation ring, double minimum, double maximum, double bandFrom,
                               double bandTo, std::string_view unit, std::string_view title) {
  GaugeFace f{name,
              kind,
              metric,
              false,
              kEngineFaceWidth,
              kEngineFaceHeight,
              kEngineFaceCentre,
              kEngineNeedleLength,
              kEngineNeedleTail,
              kEngineNeedleHalfWidth,
              kEngineBezelRadius,
              kEngineDialRadius,
              kEngineSweep,
              minimum,
              maximum,
              {ring, ring, ring},
              1,
              bandFrom,
              bandTo,
              unit,
              {29, 37.5},
              "",
              {0, 0},
              title,
              {29, 45}};
  return f;
}

}  // namespace gauge_faces_detail

inline constexpr GaugeFace kGaugeFaces[] = {
    gauge_faces_detail::SmallFace("GAUGE_SMALL_E", false, false),
    gauge_faces_detail::SmallFace("GAUGE_SMALL_M", true, false),
    gauge_faces_detail::SmallFace("GAUGE_SMALL_E_WHITE", false, true),
    gauge_faces_detail::SmallFace("GAUGE_SMALL_M_WHITE", true, true),
    gauge_faces_detail::BigFace("GAUGE_BIG_E", false, false),
    gauge_faces_detail::BigFace("GAUGE_BIG_M", true, false),
    gauge_faces_detail::BigFace("GAUGE_BIG_E_WHITE", false, true),
    gauge_faces_detail::BigFace("GAUGE_BIG_M_WHITE", true, true),
    gauge_faces_detail::EngineFace("GAUGE_TEMP_ENGLISH", GaugeFaceKind::Temperature, false,
                                   gauge_faces_detail::kTempF, kFaceTempMinF, kFaceTempMaxF, 220,
                                   kFaceTempMaxF, "\u00B0F", "WATER"),
    gauge_faces_detail::EngineFace("GAUGE_TEMP_METRIC", GaugeFaceKind::Temperature, true,
                                   gauge_faces_detail::kTempC, kFaceTempMinF, kFaceTempMaxF, 220,
                                   kFaceTempMaxF, "\u00B0C", "WATER"),
    gauge_faces_detail::EngineFace("GAUGE_OIL_ENGLISH", GaugeFaceKind::Oil, false,
                                   gauge_faces_detail::kOilPsi, 0, kFaceOilMaxPsi, 0, 10, "PSI",
                                   "OIL"),
    gauge_faces_detail::EngineFace("GAUGE_OIL_METRIC", GaugeFaceKind::Oil, true,
                                   gauge_faces_detail::kOilBar, 0, kFaceOilMaxPsi, 0, 10, "bar",
                                   "OIL"),
    gauge_faces_detail::EngineFace("GAUGE_PRIMER_OIL", GaugeFaceKind::PrimerOil, false,
                                   gauge_faces_detail::kPrimerPct, 0, kFacePrimerOilMaxPercent, 0,
                                   5, "%", "PRIMER"),
    {"PANEL_TACHOMETER",
     GaugeFaceKind::Tachometer,
     false,
     false,
     kTachFaceWidth,
     kTachFaceHeight,
     kTachFaceCentre,
     kTachNeedleLength,
     kTachNeedleTail,
     kTachNeedleHalfWidth,
     kTachBezelRadius,
     kTachDialRadius,
     kPressureSweep,
     0,
     kFaceTachMaxRpm,
     {gauge_faces_detail::kTachRpm, gauge_faces_detail::kTachRpm, gauge_faces_detail::kTachRpm},
     1,
     3500,
     kFaceTachMaxRpm,
     "RPM",
     {30, 41},
     "x1000",
     {30, 47},
     "",
     {0, 0}},
};

// The face of that picture name (letter case counts), or nullptr.
constexpr const GaugeFace* FindGaugeFace(std::string_view name) {
  for (const GaugeFace& f : kGaugeFaces)
    if (f.Name == name) return &f;
  return nullptr;
}

// Gauge indexes of the panel.
inline constexpr int kIntakeGaugeIndex = 18;
inline constexpr int kMasterGaugeIndex = 19;
inline constexpr int kEngineTempGaugeIndex = 20;
inline constexpr int kOilPressGaugeIndex = 21;
inline constexpr int kPrimerOilGaugeIndex = 22;

// The face picture of a gauge: index 1 to 15, 18, 19 by colour code (1
// black, 2 white, any other value counts as 1) and units; 20 and 21 by
// units only; 22 the primer oil face. Empty for any other index.
constexpr std::string_view GaugeFaceName(int gaugeIndex, int colourCode, bool metric) {
  const bool white = colourCode == 2;
  if ((gaugeIndex >= 1 && gaugeIndex <= 15) || gaugeIndex == kIntakeGaugeIndex ||
      gaugeIndex == kMasterGaugeIndex) {
    const bool big = gaugeIndex >= kIntakeGaugeIndex;
    if (big) {
      if (white) return metric ? "GAUGE_BIG_M_WHITE" : "GAUGE_BIG_E_WHITE";
      return metric ? "GAUGE_BIG_M" : "GAUGE_BIG_E";
    }
    if (white) return metric ? "GAUGE_SMALL_M_WHITE" : "GAUGE_SMALL_E_WHITE";
    return metric ? "GAUGE_SMALL_M" : "GAUGE_SMALL_E";
  }
  if (gaugeIndex == kEngineTempGaugeIndex)
    return metric ? "GAUGE_TEMP_METRIC" : "GAUGE_TEMP_ENGLISH";
  if (gaugeIndex == kOilPressGaugeIndex) return metric ? "GAUGE_OIL_METRIC" : "GAUGE_OIL_ENGLISH";
  if (gaugeIndex == kPrimerOilGaugeIndex) return "GAUGE_PRIMER_OIL";
  return {};
}

// Masks of the round face outlines: opaque inside the bezel, transparent
// outside. A face picture already carries the same outline in its alpha;
// the masks serve whoever composes a face on another background.
inline constexpr std::string_view kSmallMaskName = "GAUGE_SMALL_MASK";
inline constexpr std::string_view kBigMaskName = "GAUGE_BIG_MASK";
constexpr std::string_view GaugeMaskName(int gaugeIndex) {
  return gaugeIndex == kIntakeGaugeIndex || gaugeIndex == kMasterGaugeIndex ? kBigMaskName
                                                                            : kSmallMaskName;
}

// Where the needle of face f points for value (stored units). The big
// faces are compound faces from -15 psi, so the master discharge needle is
// mapped on the same scale as the intake's: a needle reads what its face
// says.
inline double FaceNeedleAngle(const GaugeFace& f, double value) {
  return GaugeAngle(f.Sweep, f.Minimum, f.Maximum, value);
}

// A point at distance r from the face centre in the direction of angle.
FacePoint FacePointAt(const GaugeFace& f, double angle, double r);

// The marked values that ring g carries numerals for, in rising order.
std::vector<double> NumeralValues(const FaceGraduation& g);

// The centre of the numeral for marked value m of ring `ring` of face f,
// for a numeral textWidth wide and the ring's NumeralHeight tall: at the
// ring's numeral radius, or nearer the hub where the numeral's box would
// reach the ticks. The vacuum ring's numeral stands at the end of the red
// band, just beyond the sweep's start.
FacePoint NumeralCentre(const GaugeFace& f, int ring, double m, double textWidth);

// The needle triangle of face f at angle: tip, then the two tail corners.
struct NeedleTriangle {
  FacePoint Tip;
  FacePoint Left;
  FacePoint Right;
};
NeedleTriangle FaceNeedle(const GaugeFace& f, double angle);

// ---------------------------------------------------------------------------
// The pictures around the gauges (names of ours where the table of panel
// pictures has none). Sizes in layout pixels.

struct PanelPictureSize {
  std::string_view Name;
  int Width;
  int Height;
};

// Lamps: 15 x 15 ("GRN_LIGHT_PIC", "RED_LIGHT_PIC", "DARK_LIGHT_PIC"),
// 9 x 9 ("SM_..._LIGHT_PIC").
inline constexpr int kLampSize = 15;
inline constexpr int kSmallLampSize = 9;

// Tank level lamps plate 52 x 81: four 15 x 15 lamps at x 17, y 62, 45, 29,
// 13 (bottom to top), marked 1/4, 1/2, 3/4, F to their right.
inline constexpr std::string_view kTankLightsName = "PANEL_TANK_LIGHTS";
inline constexpr int kTankLampX = 17;
inline constexpr int kTankLampY[4] = {62, 45, 29, 13};

// Relief valve lamps plate 52 x 42: lamps at (7, 12) "OPEN" and (29, 12)
// "SET" (lit red while the pressure is below the set pressure).
inline constexpr std::string_view kReliefLightsName = "PANEL_RELIEF_LIGHTS";
inline constexpr FacePoint kReliefLampAt[2] = {{7, 12}, {29, 12}};

// Warning lamps, 52 x 41 each, dark and lit.
inline constexpr std::string_view kCheckXmissionDarkName = "PANEL_CHECK_XMISSION_DARK";
inline constexpr std::string_view kCheckXmissionLitName = "PANEL_CHECK_XMISSION_LIT";
inline constexpr std::string_view kCheckEngineDarkName = "PANEL_CHECK_ENGINE_DARK";
inline constexpr std::string_view kCheckEngineLitName = "PANEL_CHECK_ENGINE_LIT";
inline constexpr std::string_view kStopEngineDarkName = "PANEL_STOP_ENGINE_DARK";
inline constexpr std::string_view kStopEngineLitName = "PANEL_STOP_ENGINE_LIT";

// Transfer valve plate 47 x 72: toggle ("TOGGLE_UP"/"_MID"/"_DN", 18 x 28)
// at (24, 34); lamps 15 x 15 at (3, 21) "PRESS" and (3, 44) "VOLUME".
inline constexpr std::string_view kTransferValveName = "PANEL_TRANSFER_VALVE";
inline constexpr FacePoint kTransferToggleAt{24, 34};
inline constexpr FacePoint kTransferLampAt[2] = {{3, 21}, {3, 44}};

// Primer: backing plate 44 x 80 with the handle ("PRIMER_OFF"/"PRIMER_ON",
// 30 x 56) at (7, 14) on it; the "not primed" indicator fits below.
inline constexpr std::string_view kPrimerBackName = "PANEL_PRIMER_BACK";
inline constexpr FacePoint kPrimerHandleAt{7, 14};

// Master flowmeter 135 x 69: the readout's LCD well, where the window puts
// its lime readout, the unit label written 3 pixels right of it and 6 below
// its top, and the selector dial about (88, 39) with ten positions. Dial
// positions are read in screen degrees (clockwise from the positive x axis,
// y downwards), 36 degrees each; SelectorDegrees gives each position's
// middle. The knob pictures "PANEL_FLOWMETER_KNOB01" .. "10" (27 x 27)
// point at their position and are drawn centred on the dial centre.
inline constexpr std::string_view kFlowmeterName = "PANEL_FLOWMETER";
inline constexpr FaceBox kFlowmeterReadout{3, 27, 40, 17};
inline constexpr FacePoint kFlowmeterDialHub{88, 39};
inline constexpr double kFlowmeterLabelRadius = 19.5;
inline constexpr double kFlowmeterDialRadius = 26;
inline constexpr int kFlowmeterKnobSize = 27;
constexpr double FlowmeterSelectorDegrees(int position) {
  if (position == 9) return 54;
  if (position == 10) return 90;
  const double d = 126 + 36.0 * (position - 1);
  return d >= 360 ? d - 360 : d;
}

// Decorative bars: the narrow upper bar (625 x 8) and the wide lower bar
// (634 x 46), and a brushed stainless tile for the panel background.
inline constexpr std::string_view kUpperBarName = "PANEL_BAR_UPPER";
inline constexpr std::string_view kLowerBarName = "PANEL_BAR_LOWER";
inline constexpr std::string_view kBackgroundName = "PANEL_BACKGROUND";

// Rotary controls, drawn centred on the control's centre: the hand wheel
// frames "HAND_WHEEL00" .. "17" (20 degrees apart), the relief valve knob
// "RV_KNOB00" .. "09" (18 degrees) over "RV_PIERCE_KNOB_BG" (its on/off
// switch at (3, 60)), the throttle knob "MAN_THROT00" .. "03" (15 degrees)
// over "MAN_THROT_BKGND" (centre (27, 55)).
inline constexpr int kHandWheelSize = 56;
inline constexpr int kRvKnobSize = 44;
inline constexpr int kRvKnobBackWidth = 50;
inline constexpr int kRvKnobBackHeight = 80;
inline constexpr int kThrottleKnobSize = 44;
inline constexpr int kThrottleBackWidth = 54;
inline constexpr int kThrottleBackHeight = 84;

// Push-pull valves: the slot plate (37 wide, 114 short or 170 long) with a
// 15 wide opening, the stick (7 x 68) and the round handle (25 x 26);
// "_H" names are the horizontal ones.
inline constexpr int kSlotWidth = 37;
inline constexpr int kShortSlotLength = 114;
inline constexpr int kLongSlotLength = 170;
inline constexpr int kPushPullOpeningWidth = 15;
inline constexpr int kPushPullStickWidth = 7;
inline constexpr int kPushPullStickLength = 68;
inline constexpr int kPushPullHandleWidth = 25;
inline constexpr int kPushPullHandleHeight = 26;

// The electronic controls (the press regions are those of
// panel/controls): the electronic throttle 80 x 60 (raise and lower keys in
// its right quarter, the idle key along the top left, the speed display at
// (22, 29) in a silver window); the Electronic 2 governor 64 x 124 (its
// display at the top, the upper toggle at (19, 48), the lower at (15, 90));
// the Class1 governor 75 x 62 (mode and idle keys along the top, the preset
// key at the left, decrease and increase along the bottom, the display's
// black box at (17, 28)); the electronic valve 37 x 50 (open and close keys
// right of x 21, above and below y 24; three lamps stacked at the left,
// whose glass the window lights: LampAt are their centres); the ball valve
// lever 44 x 44, drawn shut with its hub at the picture's centre, so that it
// turns about the centre as it opens.
inline constexpr int kElecThrottleWidth = 80;
inline constexpr int kElecThrottleHeight = 60;
inline constexpr FacePoint kElecThrottleDisplayAt{22, 29};
inline constexpr FaceBox kElecThrottleDisplayWindow{19, 26, 40, 18};
inline constexpr int kGovern1Width = 64;
inline constexpr int kGovern1Height = 124;
inline constexpr FaceBox kGovern1Display{5, 4, 54, 16};
inline constexpr FacePoint kGovern1UpperToggleAt{19, 48};
inline constexpr FacePoint kGovern1LowerToggleAt{15, 90};
inline constexpr int kGovernClass1Width = 75;
inline constexpr int kGovernClass1Height = 62;
inline constexpr FaceBox kGovernClass1Display{17, 28, 42, 12};
inline constexpr int kElecValveWidth = 37;
inline constexpr int kElecValveHeight = 50;
inline constexpr FacePoint kElecValveLampAt[3] = {{10, 10}, {10, 25}, {10, 40}};
inline constexpr double kElecValveLampRadius = 3.6;
inline constexpr int kBallHandleSize = 44;

// Every panel picture the image tool draws, with its layout size.
inline constexpr PanelPictureSize kPanelPictureSizes[] = {
    {"GRN_LIGHT_PIC", 15, 15},
    {"RED_LIGHT_PIC", 15, 15},
    {"DARK_LIGHT_PIC", 15, 15},
    {"SM_GRN_LIGHT_PIC", 9, 9},
    {"SM_RED_LIGHT_PIC", 9, 9},
    {"SM_OFF_LIGHT_PIC", 9, 9},
    {"RV_SW_ON", 44, 16},
    {"RV_SW_OFF", 44, 16},
    {"PRIMER_OFF", 30, 56},
    {"PRIMER_ON", 30, 56},
    {"ENG_COOLER_OFF", 52, 50},
    {"ENG_COOLER_ON", 52, 50},
    {"TOGGLE_UP", 18, 28},
    {"TOGGLE_MID", 18, 28},
    {"TOGGLE_DN", 18, 28},
    {"TOGGLE_RT", 28, 18},
    {"TOGGLE_VT", 28, 18},
    {"TOGGLE_LF", 28, 18},
    {"T_HANDLE", 44, 40},
    {"GAUGE_SMALL_E", 79, 79},
    {"GAUGE_SMALL_M", 79, 79},
    {"GAUGE_SMALL_E_WHITE", 79, 79},
    {"GAUGE_SMALL_M_WHITE", 79, 79},
    {"GAUGE_BIG_E", 103, 98},
    {"GAUGE_BIG_M", 103, 98},
    {"GAUGE_BIG_E_WHITE", 103, 98},
    {"GAUGE_BIG_M_WHITE", 103, 98},
    {"GAUGE_TEMP_ENGLISH", 58, 57},
    {"GAUGE_TEMP_METRIC", 58, 57},
    {"GAUGE_OIL_ENGLISH", 58, 57},
    {"GAUGE_OIL_METRIC", 58, 57},
    {"GAUGE_PRIMER_OIL", 58, 57},
    {"GAUGE_SMALL_MASK", 79, 79},
    {"GAUGE_BIG_MASK", 103, 98},
    {"CAP_OFF_2IN_ANGLE", 40, 40},
    {"CAP_ON_2IN_ANGLE", 40, 40},
    {"CAP_OFF_2IN_STRAIGHT", 40, 40},
    {"CAP_ON_2IN_STRAIGHT", 40, 40},
    {"CAP_OFF_6IN", 56, 56},
    {"CAP_ON_6IN", 56, 56},
    {"PANEL_TACHOMETER", 60, 59},
    {"PANEL_FLOWMETER", 135, 69},
    {"PANEL_TANK_LIGHTS", 52, 81},
    {"PANEL_RELIEF_LIGHTS", 52, 42},
    {"PANEL_CHECK_XMISSION_DARK", 52, 41},
    {"PANEL_CHECK_XMISSION_LIT", 52, 41},
    {"PANEL_CHECK_ENGINE_DARK", 52, 41},
    {"PANEL_CHECK_ENGINE_LIT", 52, 41},
    {"PANEL_STOP_ENGINE_DARK", 52, 41},
    {"PANEL_STOP_ENGINE_LIT", 52, 41},
    {"PANEL_TRANSFER_VALVE", 47, 72},
    {"PANEL_PRIMER_BACK", 44, 80},
    {"PANEL_BAR_UPPER", 625, 8},
    {"PANEL_BAR_LOWER", 634, 46},
    {"PANEL_BACKGROUND", 128, 128},
    {"PANEL_FLOWMETER_KNOB01", 27, 27},
    {"PANEL_FLOWMETER_KNOB02", 27, 27},
    {"PANEL_FLOWMETER_KNOB03", 27, 27},
    {"PANEL_FLOWMETER_KNOB04", 27, 27},
    {"PANEL_FLOWMETER_KNOB05", 27, 27},
    {"PANEL_FLOWMETER_KNOB06", 27, 27},
    {"PANEL_FLOWMETER_KNOB07", 27, 27},
    {"PANEL_FLOWMETER_KNOB08", 27, 27},
    {"PANEL_FLOWMETER_KNOB09", 27, 27},
    {"PANEL_FLOWMETER_KNOB10", 27, 27},
    {"HAND_WHEEL00", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL01", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL02", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL03", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL04", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL05", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL06", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL07", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL08", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL09", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL10", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL11", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL12", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL13", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL14", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL15", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL16", kHandWheelSize, kHandWheelSize},
    {"HAND_WHEEL17", kHandWheelSize, kHandWheelSize},
    {"RV_KNOB00", kRvKnobSize, kRvKnobSize},
    {"RV_KNOB01", kRvKnobSize, kRvKnobSize},
    {"RV_KNOB02", kRvKnobSize, kRvKnobSize},
    {"RV_KNOB03", kRvKnobSize, kRvKnobSize},
    {"RV_KNOB04", kRvKnobSize, kRvKnobSize},
    {"RV_KNOB05", kRvKnobSize, kRvKnobSize},
    {"RV_KNOB06", kRvKnobSize, kRvKnobSize},
    {"RV_KNOB07", kRvKnobSize, kRvKnobSize},
    {"RV_KNOB08", kRvKnobSize, kRvKnobSize},
    {"RV_KNOB09", kRvKnobSize, kRvKnobSize},
    {"RV_PIERCE_KNOB_BG", kRvKnobBackWidth, kRvKnobBackHeight},
    {"MAN_THROT00", kThrottleKnobSize, kThrottleKnobSize},
    {"MAN_THROT01", kThrottleKnobSize, kThrottleKnobSize},
    {"MAN_THROT02", kThrottleKnobSize, kThrottleKnobSize},
    {"MAN_THROT03", kThrottleKnobSize, kThrottleKnobSize},
    {"MAN_THROT_BKGND", kThrottleBackWidth, kThrottleBackHeight},
    {"PUSHPULL_SLOT_SHORT", kSlotWidth, kShortSlotLength},
    {"PUSHPULL_SLOT_LONG", kSlotWidth, kLongSlotLength},
    {"PUSHPULL_SLOT_SHORT_H", kShortSlotLength, kSlotWidth},
    {"PUSHPULL_SLOT_LONG_H", kLongSlotLength, kSlotWidth},
    {"PUSHPULL_STICK", kPushPullStickWidth, kPushPullStickLength},
    {"PUSHPULL_STICK_H", kPushPullStickLength, kPushPullStickWidth},
    {"PUSHPULL_HANDLE", kPushPullHandleWidth, kPushPullHandleHeight},
    {"ELEC_THROTTLE1", kElecThrottleWidth, kElecThrottleHeight},
    {"GOVERN1", kGovern1Width, kGovern1Height},
    {"GOVERN_CLASS1", kGovernClass1Width, kGovernClass1Height},
    {"ELEC_VALVE_AKRON_PIC", kElecValveWidth, kElecValveHeight},
    {"BALL_HANDLE", kBallHandleSize, kBallHandleSize},
};

// The layout size of a panel picture of the list above, or nullptr.
constexpr const PanelPictureSize* FindPanelPictureSize(std::string_view name) {
  for (const PanelPictureSize& p : kPanelPictureSizes)
    if (p.Name == name) return &p;
  return nullptr;
}

// The places of a gauge's companions relative to its picture's top-left
// corner, as the default layout puts them (a panel file may move them):
// the title plate right above, the pressure and flow readouts side by side
// right below; the lamp of an engine gauge at its upper right; the
// tachometer's readout below it.
inline constexpr FaceBox kSmallGaugeTitle{0, -12, 79, 12};
inline constexpr FaceBox kSmallGaugePressReadout{1, 80, 38, 12};
inline constexpr FaceBox kSmallGaugeFlowReadout{40, 80, 38, 12};
inline constexpr FaceBox kBigGaugeTitle{0, -12, 103, 12};
inline constexpr FaceBox kBigGaugePressReadout{1, 99, 50, 13};
inline constexpr FaceBox kBigGaugeFlowReadout{52, 99, 50, 13};
inline constexpr FaceBox kEngineGaugeLamp{60, 0, 9, 9};
inline constexpr FaceBox kTachReadout{0, 61, 60, 13};

}  // namespace pumpdrill
