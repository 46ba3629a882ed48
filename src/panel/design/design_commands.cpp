#include "panel/design/design_commands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "panel/design/design_menu.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

using I = PanelItem;

constexpr int kShownLeft = 5;  // where a toggled item appears
constexpr int kShownTop = 5;
constexpr int kNewLeft = 10;  // where an added line, plate or foam control appears
constexpr int kNewTop = 5;
constexpr int kNewHandleTop = 20;
constexpr int kMaxLines = 15;
constexpr int kIntakeConnector = 18;

int Lines(const State& s) { return std::clamp<int>(s.DischargeList.LineCount, 0, kMaxLines); }

std::string Title(const State& s, int line) { return s.DischargeList.LineTitle[line].str(); }

bool HasFoamSystem(const State& s) { return s.FoamSetup.SYS_TYPE != kFoamNone; }
bool HasCafs(const State& s) {
  return s.FoamSetup.USE_CAFS != 0 && s.FoamSetup.SYS_TYPE == kFoamDirectInjection;
}

// The foam flags a code sets, with the position it places.
struct FoamSlot {
  Boolean* Selected = nullptr;
  SmallInt* Left = nullptr;
  SmallInt* Top = nullptr;
};
FoamSlot FoamSlotOf(TFoamSetupRec& f, int code) {
  switch (code) {
    case kDesignProportioner:
      return {&f.PROP_SEL, &f.PROP_LEFT, &f.PROP_TOP};
    case kDesignTankSwitch:
      return {&f.TK_SW_SEL, &f.TK_SW_LEFT, &f.TK_SW_TOP};
    case kDesignCafsOnOff:
      return {&f.CAFS_ON_OFF_SEL, &f.CAFS_ON_OFF_LEFT, &f.CAFS_ON_OFF_TOP};
    case kDesignCafsMode:
      return {&f.CAFS_MODE_SEL, &f.CAFS_MODE_LEFT, &f.CAFS_MODE_TOP};
    default:
      return {};
  }
}

bool FoamPresent(const State& s, int code) {
  const TFoamSetupRec& f = s.FoamSetup;
  if (IsAirValveCode(code)) return f.CAFS_AIR_V_SEL.Contains(code - 100);
  switch (code) {
    case kDesignProportioner:
      return f.PROP_SEL != 0;
    case kDesignTankSwitch:
      return f.TK_SW_SEL != 0;
    case kDesignCafsOnOff:
      return f.CAFS_ON_OFF_SEL != 0;
    case kDesignCafsMode:
      return f.CAFS_MODE_SEL != 0;
    default:
      return false;
  }
}

bool IsFoamCode(int code) {
  return code == kDesignProportioner || code == kDesignTankSwitch || code == kDesignCafsOnOff ||
         code == kDesignCafsMode || IsAirValveCode(code);
}

DesignOutcome FoamCommand(State& s, int code) {
  DesignOutcome out;
  if (!DesignCommandEnabled(s, code) && !FoamPresent(s, code)) return out;
  TFoamSetupRec& f = s.FoamSetup;
  const bool present = FoamPresent(s, code);
  if (IsAirValveCode(code)) {
    const int line = code - 100;
    if (present) {
      f.CAFS_AIR_V_SEL.Remove(line);
    } else {
      f.CAFS_AIR_V_SEL.Add(line);
      f.CAFS_AIR_V_LEFT[line] = kNewLeft;
      f.CAFS_AIR_V_TOP[line] = kNewTop;
    }
  } else {
    FoamSlot slot = FoamSlotOf(f, code);
    *slot.Selected = present ? 0 : 1;
    if (!present) {
      *slot.Left = kNewLeft;
      *slot.Top = kNewTop;
    }
  }
  out.Changed = out.FoamChanged = true;
  return out;
}

DesignOutcome AddNewDischarge(DesignTarget t) {
  DesignOutcome out;
  const int count = Lines(t.s);
  if (count >= kMaxLines) return out;
  const int line = count + 1;
  t.s.DischargeList.LineCount = static_cast<Byte>(line);
  MoveGaugeParts(t.layout, line, kNewLeft, kNewTop, RetrieveGaugeOffsets(t.layout, line));
  ValvePlace& v = t.layout.Valves[line];
  const int dx = v.Title.Left - v.Handle.Left, dy = v.Title.Top - v.Handle.Top;
  v.Handle.Left = kNewLeft;
  v.Handle.Top = kNewHandleTop;
  v.Title.Left = kNewLeft + dx;
  v.Title.Top = kNewHandleTop + dy;
  KeepOnPanel(v.Title, t.layout);
  GaugeParts& g = t.layout.Gauges[line];
  for (PanelPlace* p : {&g.Gauge, &g.Title, &g.PressReadout, &g.FlowReadout, &v.Handle, &v.Title})
    p->Visible = true;
  out.Changed = true;
  out.Line = line;
  return out;
}

DesignOutcome RemoveDischarge(DesignTarget t) {
  DesignOutcome out;
  const int count = Lines(t.s);
  if (count <= 1) return out;
  if (const int owner = HoseLayoutOwner(t.s, count)) {
    t.host.Message(MsgType::Warning, Buttons::Ok,
                   "Line " + Title(t.s, count) + " is part of the hose layout of " +
                       Title(t.s, owner) + ". Change that layout first.");
    return out;
  }
  t.s.DischargeList.LineCount = static_cast<Byte>(count - 1);
  GaugeParts& g = t.layout.Gauges[count];
  ValvePlace& v = t.layout.Valves[count];
  for (PanelPlace* p : {&g.Gauge, &g.Title, &g.PressReadout, &g.FlowReadout, &v.Handle, &v.Title})
    p->Visible = false;
  out.Changed = true;
  out.Line = count;
  return out;
}

DesignOutcome ToggleItem(PanelLayout& layout, PanelItem item) {
  DesignOutcome out;
  PanelPlace& p = layout.Item(item);
  const bool show = !p.Visible;
  std::vector<PanelItem> companions = ItemCompanions(item);
  if (show) {
    const bool bar = item == I::UpperBar || item == I::LowerBar;
    const int left = bar ? 0 : kShownLeft, top = kShownTop;
    for (PanelItem c : companions) {
      PanelPlace& cp = layout.Item(c);
      cp.Left = left + (cp.Left - p.Left);
      cp.Top = top + (cp.Top - p.Top);
      KeepOnPanel(cp, layout);
    }
    p.Left = left;
    p.Top = top;
    out.Shown = item;
  }
  p.Visible = show;
  for (PanelItem c : companions) layout.Item(c).Visible = show;
  out.Changed = true;
  return out;
}

}  // namespace

std::optional<PanelItem> ToggledItem(int code) {
  switch (code) {
    case kDesignEngineCooler:
      return I::EngCooler;
    case kDesignFlowmeter:
      return I::FlowMeter;
    case kDesignEngTempGauge:
      return I::EngTempGauge;
    case kDesignOilPressGauge:
      return I::OilPressGauge;
    case kDesignPumpOilGauge:
      return I::PumpOilGauge;
    case kDesignChkXmissionLt:
      return I::ChkXmissionLt;
    case kDesignChkEngineLt:
      return I::ChkEngineLt;
    case kDesignStopEngineLt:
      return I::StopEngineLt;
    case kDesignIdBox:
      return I::IdBox;
    case kDesignNarrowBar:
      return I::UpperBar;
    case kDesignWideBar:
      return I::LowerBar;
    default:
      return std::nullopt;
  }
}

std::vector<PanelItem> ItemCompanions(PanelItem item) {
  switch (item) {
    case I::RpmMeter:
      return {I::LblRpmGauge};
    case I::FlowMeter:
      return {I::LblFlowmeter};
    case I::EngTempGauge:
      return {I::TempLt};
    case I::OilPressGauge:
      return {I::OilPressureLt};
    case I::PumpOilGauge:
      return {I::PumpOilLt};
    case I::TankLts:
      return {I::LblGallonsLeft};
    case I::PrimerBack:
      return {I::Primer, I::LblPrimedIndicator};
    default:
      return {};
  }
}

DesignOutcome RunDesignCommand(DesignTarget t, int code) {
  if (code == kDesignAddDischarge) return AddNewDischarge(t);
  if (code == kDesignRemoveDischarge) return RemoveDischarge(t);
  if (std::optional<PanelItem> item = ToggledItem(code)) return ToggleItem(t.layout, *item);
  if (IsFoamCode(code)) return FoamCommand(t.s, code);
  DesignOutcome out;
  if (code >= kDesignReliefWaterous && code <= kDesignGovernorClass1 &&
      code != kDesignGovernorFrc) {
    SelectPressureControl(t.controls, t.layout, t.s, code, t.host);
    out.Changed = out.ControlsChanged = true;
  } else if (code >= kDesignThrottlePierce && code <= kDesignThrottleElectronic) {
    SelectThrottle(t.controls, t.layout, t.s, code, t.host);
    out.Changed = out.ControlsChanged = true;
  }
  return out;
}

bool DesignCommandEnabled(const State& s, int code) {
  if (code == kDesignAddDischarge) return Lines(s) < kMaxLines;
  if (code == kDesignRemoveDischarge) return Lines(s) > 1;
  if (code == kDesignProportioner || code == kDesignTankSwitch) return HasFoamSystem(s);
  if (code == kDesignCafsOnOff || code == kDesignCafsMode) return HasCafs(s);
  if (IsAirValveCode(code)) {
    const int line = code - 100;
    return HasCafs(s) && line <= Lines(s) && s.FoamSetup.FOAM_LINES.Contains(line);
  }
  return code != kDesignGovernorFrc;
}

bool DesignCommandChecked(const State& s, const PanelLayout& layout, const PanelControls& pc,
                          int code) {
  if (std::optional<PanelItem> item = ToggledItem(code)) return layout.Item(*item).Visible;
  if (IsFoamCode(code)) return FoamPresent(s, code);
  const auto present = PresentRotaryKinds(pc);
  auto anyOf = [&](auto pred) {
    for (int k = 1; k < kRotaryKindSlots; ++k)
      if (present[k] && pred(k)) return true;
    return false;
  };
  if (code == kDesignReliefNone || code == kDesignGovernorNone)
    return !anyOf([](int k) { return IsPressureControlKind(k); });
  if (code >= kDesignReliefWaterous && code <= kDesignThrottleElectronic) {
    const int kind = MenuCodeKind(code);
    return kind != kNoneMenuKind && present[kind];
  }
  return false;
}

std::vector<int> ConnectorLines(const State& s) {
  std::vector<int> lines;
  for (int line = 1; line <= Lines(s); ++line) lines.push_back(line);
  lines.push_back(kIntakeConnector);
  return lines;
}

int ConnectorPlateType(double hoseDiamFeet) {
  const double inches = hoseDiamFeet * 12.0;
  // A hundredth of an inch of slack for diameters kept in feet.
  constexpr double kSlack = 1e-6;
  if (inches >= 0.5 - kSlack && inches < 4.0 - kSlack) return kPlateTwoInchAngled;
  if (inches >= 4.0 - kSlack && inches <= 10.0 + kSlack) return kPlateSixInch;
  return kPlateTwoInchAngled;
}

bool AddConnector(const State& s, PanelLayout& layout, int line) {
  if (line < 1 || line > kPlateCount) return false;
  ConnectorPlate& plate = layout.Plates[line];
  if (plate.Present) return false;
  plate.Present = true;
  plate.Type = ConnectorPlateType(s.Discharges[line].HoseDiam);
  plate.Place.Left = kNewLeft;
  plate.Place.Top = kNewTop;
  plate.Place.Visible = true;
  return true;
}

bool RemoveConnector(PanelLayout& layout, int line) {
  if (line < 1 || line > kPlateCount || !layout.Plates[line].Present) return false;
  layout.Plates[line].Present = false;
  layout.Plates[line].Place.Visible = false;
  return true;
}

int HoseLayoutOwner(const State& s, int line) {
  auto usesPartner = [&](int i) {
    const TDischargeRec& d = s.Discharges[i];
    return (d.Layout == 1 || d.Layout == 2) && d.Partner[2] == line;
  };
  for (int i = 1; i <= kLineCount; ++i)
    if (i != line && usesPartner(i)) return i;
  const TDischargeRec& own = s.Discharges[line];
  const int p = own.Partner[2];
  if ((own.Layout == 1 || own.Layout == 2) && p >= 1 && p <= kLineCount && p != line) return p;
  return 0;
}

void KeepOnPanel(PanelPlace& place, const PanelLayout& layout) {
  const int w = layout.Width > 0 ? layout.Width : kDefaultPanelWidth;
  const int h = layout.Height > 0 ? layout.Height : kDefaultPanelHeight;
  const int insideX = std::clamp(place.Width, 0, kLeastInside);
  const int insideY = std::clamp(place.Height, 0, kLeastInside);
  place.Left = std::clamp(place.Left, 0, std::max(0, w - insideX));
  place.Top = std::clamp(place.Top, 0, std::max(0, h - insideY));
}

void FollowLayoutPlaces(PanelControls& pc, const PanelLayout& layout) {
  for (int k = 1; k < kRotaryKindSlots; ++k) {
    RotaryControl* rc = pc.Find(k);
    if (!rc) continue;
    const PanelPlace* p = IsThrottleKind(k)          ? &layout.Item(I::Throttle)
                          : IsPressureControlKind(k) ? &layout.Item(I::PressureControl)
                          : rc->Valve >= 1 && rc->Valve <= kValveCount
                              ? &layout.Valves[rc->Valve].Handle
                              : nullptr;
    if (!p) continue;
    rc->Left = p->Left;
    rc->Top = p->Top;
  }
}

PresetRange PresetRpmRange(const State& s) { return {s.Engine.IdleRpm, s.Engine.MaxRpm, 0}; }

PresetRange PresetPressureRange(const State& s, const DisplayUnits& units) {
  const double full = s.PumpStatus.GaugeMaxPress > 0 ? s.PumpStatus.GaugeMaxPress : 600.0;
  return {0.0, ToDisplay(units, kUnitPressure, full), PressureDecimals(units)};
}

std::string PresetText(double value, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  return buf;
}

std::optional<double> CheckPreset(const std::string& text, const PresetRange& range, Host& host) {
  std::string t = text;
  t.erase(0, t.find_first_not_of(" \t"));
  t.erase(t.find_last_not_of(" \t") + 1);
  std::replace(t.begin(), t.end(), ',', '.');
  double v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  const bool number =
      !t.empty() && ec == std::errc() && end == t.data() + t.size() && std::isfinite(v);
  // The range as shown, so that a value shown as the limit passes.
  const double slack = 0.5 * std::pow(10.0, -range.Decimals);
  if (number && v >= range.Low - slack && v <= range.High + slack) return v;
  host.Message(MsgType::Warning, Buttons::Ok,
               "Enter a number from " + PresetText(range.Low, range.Decimals) + " to " +
                   PresetText(range.High, range.Decimals) + ".");
  return std::nullopt;
}

void StorePressurePreset(State& s, const DisplayUnits& units, double shown) {
  s.PumpControl.GovernorPressInit = std::max(0.0, FromEntry(units, kUnitPressure, shown));
}

double ShownPressurePreset(const State& s, const DisplayUnits& units) {
  return ToDisplay(units, kUnitPressure, s.PumpControl.GovernorPressInit);
}

}  // namespace pumpdrill
