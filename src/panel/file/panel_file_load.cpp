#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "frame/ini_file.h"
#include "panel/file/panel_file_reader.h"
#include "panel/file/panel_file_steps.h"
#include "panel/file/panel_file_values.h"
#include "sim/foam_system.h"

namespace pumpdrill {

namespace {

using I = PanelItem;

constexpr int kDefaultStyleCode = 23;  // what a missing STYLE stands for
constexpr int kThrottleLeft = 253, kThrottleTop = 119;
constexpr int kPressureLeft = 317, kPressureTop = 119;
constexpr std::size_t kListedUnreadable = 10;

// Why a file cannot be a panel file, or empty when it may be one.
std::string WhyUnreadable(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return ec.message();
  if (size > kMaxPanelFileBytes) return "it is larger than 1 MB, too large for a panel file";
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::strerror(errno);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  if (in.bad()) return "a read failed";
  if (bytes.find('\0') != std::string::npos) return "it is not a text file";
  return {};
}

PartOffset OffsetFrom(const PanelPlace& part, const PanelPlace& item) {
  return {part.Left - item.Left, part.Top - item.Top};
}

void Follow(PanelPlace& part, const PanelPlace& item, PartOffset o) {
  part.Left = item.Left + o.Dx;
  part.Top = item.Top + o.Dy;
}

// An item with companions that keep their offsets from it.
void ReadWithCompanions(PanelFileReader& r, PanelLayout& l, const char* section, I item,
                        std::initializer_list<I> companions) {
  PanelPlace& p = l.Item(item);
  std::vector<PartOffset> offsets;
  for (I c : companions) offsets.push_back(OffsetFrom(l.Item(c), p));
  r.Place(section, p);
  std::size_t k = 0;
  for (I c : companions) Follow(l.Item(c), p, offsets[k++]);
}

void ReadShown(PanelFileReader& r, PanelLayout& l, const char* section, I item, bool shown) {
  PanelPlace& p = l.Item(item);
  p.Visible = r.Bool(section, "VISIBLE", shown);
  r.Place(section, p);
}

void ReadGauge(PanelFileReader& r, PanelFileTarget& t, const std::string& section, int gauge,
               int titleLine) {
  TDischargeListRec& list = t.s.DischargeList;
  if (titleLine != 0)
    list.LineTitle[titleLine] = r.Text(section, "CAPTION", list.LineTitle[titleLine].str());
  const GaugeOffsets offsets = RetrieveGaugeOffsets(t.layout, gauge);
  const PanelPlace& g = t.layout.Gauges[gauge].Gauge;
  const int left = r.Position(section, "LEFT", g.Left);
  const int top = r.Position(section, "TOP", g.Top);
  MoveGaugeParts(t.layout, gauge, left, top, offsets);
  const int colour = r.Int(section, "COLOR", kFaceBlack, INT_MIN, INT_MAX);
  t.layout.FaceColour[gauge] = colour == kFaceWhite ? kFaceWhite : kFaceBlack;
}

// An engine gauge and its lamp, which keeps its offset from the gauge.
void ReadEngineGauge(PanelFileReader& r, PanelLayout& l, const char* section, I gauge, I lamp) {
  const PartOffset o = OffsetFrom(l.Item(lamp), l.Item(gauge));
  ReadShown(r, l, section, gauge, false);
  l.Item(lamp).Visible = r.Bool(std::string(section) + " LT", "VISIBLE", false);
  Follow(l.Item(lamp), l.Item(gauge), o);
}

void ReadBar(PanelFileReader& r, PanelLayout& l, const char* section, I bar) {
  PanelPlace& p = l.Item(bar);
  p.Visible = r.Bool(section, "VISIBLE", true);
  p.Left = 0;
  p.Width = l.Width;
  p.Top = r.Position(section, "TOP", p.Top);
}

bool IsLabelledHandle(int type) {
  return (type >= 1 && type <= 8) || type == 12 || type == 14 || type == 15;
}

void ReadValve(PanelFileReader& r, PanelFileTarget& t, int v, Host& host) {
  const std::string section = "VALVE HANDLE" + std::to_string(v);
  TDischargeListRec& list = t.s.DischargeList;
  ValvePlace& vp = t.layout.Valves[v];
  list.LineTitle[v] = r.Text(section, "CAPTION", list.LineTitle[v].str());
  const int type = r.Int(section, "TYPE", vp.HandleType, 0, 1000);
  r.Place(section, vp.Handle);
  if (IsLabelledHandle(type) || type == 10 || type == 11) {
    vp.Title.Left = r.Position(section, "LABEL LEFT", vp.Title.Left);
    vp.Title.Top = r.Position(section, "LABEL TOP", vp.Title.Top);
  }
  if (IsLabelledHandle(type)) {
    vp.TitleBackground = r.Colour(section, "LABEL BG", vp.TitleBackground);
    vp.TitleTransparent = r.Bool(section, "LABEL BG TRANSP", true);
    vp.TitleForeground = r.Colour(section, "LABEL FG", vp.TitleForeground);
  }
  if (type == 14 || type == 15) list.RotaryOpensCCW[v] = r.Bool(section, "OPENS CCW", false);
  SetValveHandleType(t.controls, t.layout, t.s, v, type, host);
  const bool shown = v > kMaxDischarges || v <= list.LineCount;
  vp.Handle.Visible = shown;
  vp.Title.Visible = shown;
}

void ReadThrottle(PanelFileReader& r, PanelFileTarget& t, Host& host) {
  const char* section = "RPM CTRL";
  int style = r.Int(section, "STYLE", kDefaultStyleCode, INT_MIN, INT_MAX);
  if (style != 6 && style != 7 && style != kNoThrottleStyle) style = 5;
  t.s.DischargeList.ThrottleStyle = static_cast<Byte>(style);
  if (style == kNoThrottleStyle) return;
  const int left = r.Position(section, "LEFT", kThrottleLeft);
  const int top = r.Position(section, "TOP", kThrottleTop);
  PlaceRotaryControl(t.controls, t.layout, t.s, style, left, top, false, host);
}

void ReadPressureControl(PanelFileReader& r, PanelFileTarget& t, Host& host) {
  const char* section = "RELIEF VALVE ADJUSTM";
  int style = r.Int(section, "STYLE", kDefaultStyleCode, INT_MIN, INT_MAX);
  if (style == 9) style = 8;  // the FRC governor is not built: the electronic one stands in
  if (style != 2 && style != 8 && style != 10 && style != kNoPressureControlStyle) style = 1;
  int left = 0, top = 0;
  if (style != kNoPressureControlStyle) {
    left = r.Position(section, "LEFT", kPressureLeft);
    top = r.Position(section, "TOP", kPressureTop);
  }
  ApplyPressureControlStyle(t.controls, t.layout, t.s, style, left, top, host);
  t.layout.Item(I::RValveLts).Visible = ReliefLampsShown(t.s);
}

Byte ReadByte(PanelFileReader& r, const char* key, Byte fallback, int least = 0, int most = 255) {
  return static_cast<Byte>(r.Int("FOAM", key, fallback, least, most));
}

SmallInt ReadFoamPosition(PanelFileReader& r, const std::string& key, int fallback) {
  return static_cast<SmallInt>(r.Position("FOAM", key, fallback));
}

LineSet ReadLineSet(PanelFileReader& r, const char* key) {
  const std::string text = r.Raw("FOAM", key, ",");
  LineSet set;
  for (int n = 1; n <= kMaxDischarges; ++n)
    if (PanelSetHas(text, n)) set.Add(n);
  return set;
}

void ReadFoam(PanelFileReader& r, TFoamSetupRec& f, bool simActive) {
  constexpr double kMostFoamValue = 1e6;
  // A system, tank count or range the program does not know counts as
  // none, one tank and the first range.
  f.SYS_TYPE = static_cast<Byte>(
      r.Code("FOAM", "SYS_TYPE", f.SYS_TYPE, kFoamNone, kFoamNone, kFoamInLineEductor));
  SetFoamTankCount(f, r.Code("FOAM", "NR_TANKS", f.NR_TANKS, 1, 1, 2));
  const double capacity = r.Real("FOAM", "TANK_CAP", f.TANK_CAP, 0, kMostFoamValue);
  if (capacity != f.TANK_CAP) SetFoamTankCapacity(f, capacity, simActive);
  f.USE_CAFS = r.Bool("FOAM", "USE_CAFS", f.USE_CAFS != 0);
  f.CTRL_MFG = ReadByte(r, "CTRL_MFG", f.CTRL_MFG);
  f.EDU_INLET_PSI = r.Real("FOAM", "EDU_INLET_PSI", f.EDU_INLET_PSI, 0, kMostFoamValue);
  f.EDU_RATED_GPM = r.Real("FOAM", "EDU_RATED_GPM", f.EDU_RATED_GPM, 0, kMostFoamValue);
  f.EDU_PSI_LOSS = r.Real("FOAM", "EDU_PSI_LOSS", f.EDU_PSI_LOSS, 0, kMostFoamValue);
  f.TK_SW_TYPE = ReadByte(r, "TK_SW_TYPE", f.TK_SW_TYPE);
  f.TK_SW_TOP = ReadFoamPosition(r, "TK_SW_TOP", 5);
  f.TK_SW_LEFT = ReadFoamPosition(r, "TK_SW_LEFT", 10);
  f.TK_SW_SEL = r.Bool("FOAM", "TK_SW_SEL", false);
  f.PROP_TYPE = ReadByte(r, "PROP_TYPE", f.PROP_TYPE);
  f.PROP_TOP = ReadFoamPosition(r, "PROP_TOP", 5);
  f.PROP_LEFT = ReadFoamPosition(r, "PROP_LEFT", 10);
  f.PROP_SEL = r.Bool("FOAM", "PROP_SEL", false);
  SetFoamPercentRange(
      f, r.Code("FOAM", "%_RANGE", f.PCT_RANGE, kFoamRangeTenthToOne, 0, kFoamRangeCount - 1));
  f.FOAM_LINES = ReadLineSet(r, "FOAM_LINES");
  f.CAFS_AIR_V_SEL = ReadLineSet(r, "CAFS_AIR_V_SEL");
  for (int n = 1; n <= kMaxDischarges; ++n) {
    if (!f.FOAM_LINES.Contains(n) || !f.CAFS_AIR_V_SEL.Contains(n)) continue;
    f.CAFS_AIR_V_TOP[n] = ReadFoamPosition(r, NumberedKey("CAFS_AIR_V_TOP", n), 5);
    f.CAFS_AIR_V_LEFT[n] = ReadFoamPosition(r, NumberedKey("CAFS_AIR_V_LEFT", n), 10);
  }
  f.CAFS_ON_OFF_TOP = ReadFoamPosition(r, "CAFS_ON_OFF_TOP", 5);
  f.CAFS_ON_OFF_LEFT = ReadFoamPosition(r, "CAFS_ON_OFF_LEFT", 10);
  f.CAFS_ON_OFF_SEL = r.Bool("FOAM", "CAFS_ON_OFF_SEL", false);
  f.CAFS_MODE_TOP = ReadFoamPosition(r, "CAFS_MODE_TOP", 5);
  f.CAFS_MODE_LEFT = ReadFoamPosition(r, "CAFS_MODE_LEFT", 10);
  f.CAFS_MODE_SEL = r.Bool("FOAM", "CAFS_MODE_SEL", false);
}

void ReadPlates(PanelFileReader& r, PanelLayout& l) {
  const std::string selected = r.Raw("PLATES", "PLATES_SEL", ",");
  for (int p = 1; p <= kPlateCount; ++p) {
    ConnectorPlate& plate = l.Plates[p];
    plate.Present = PanelSetHas(selected, p);
    plate.Place.Visible = plate.Present;
    if (!plate.Present) continue;
    plate.Type = r.Int("PLATES", NumberedKey("PLATE_TYPE", p), kPlateTwoInchAngled,
                       kPlateTwoInchAngled, kPlateSixInch);
    plate.Place.Top = r.Position("PLATES", NumberedKey("PLATE_TOP", p), 5);
    plate.Place.Left = r.Position("PLATES", NumberedKey("PLATE_LEFT", p), 10);
  }
}

ScreenRect Inside(ScreenRect w, const ScreenRect& area) {
  if (area.Width <= 0 || area.Height <= 0) return w;
  w.Width = std::clamp(w.Width, 1, area.Width);
  w.Height = std::clamp(w.Height, 1, area.Height);
  w.Left = std::clamp(w.Left, area.Left, area.Left + area.Width - w.Width);
  w.Top = std::clamp(w.Top, area.Top, area.Top + area.Height - w.Height);
  return w;
}

// The main window's place and the resolution check.
void ReadScreen(PanelFileReader& r, PanelFileTarget& t, PanelFileOutcome& out, Host& host) {
  const PanelScreen& sc = t.screen;
  const char* placement = "PANEL PLACEMENT";
  constexpr int kMostPixels = 100000;
  ScreenRect saved = sc.MainWindow;
  saved.Left = r.Int(placement, "LEFT", saved.Left, -kMostPixels, kMostPixels);
  saved.Top = r.Int(placement, "TOP", saved.Top, -kMostPixels, kMostPixels);
  saved.Height = r.Int(placement, "HEIGHT", saved.Height, 0, kMostPixels);
  saved.Width = r.Int(placement, "WIDTH", saved.Width, 0, kMostPixels);
  if (sc.MainVisible || sc.RunStarted) out.MainWindow = Inside(saved, sc.Available);

  const char* resolution = "SCREEN RESOLUTION";
  const int savedHeight = r.Int(resolution, "HEIGHT", sc.ScreenHeight, 0, kMostPixels);
  const int savedWidth = r.Int(resolution, "WIDTH", sc.ScreenWidth, 0, kMostPixels);
  if (!sc.MainVisible) return;
  const bool fits = (sc.ScreenHeight >= saved.Height && sc.ScreenWidth >= saved.Width) ||
                    (sc.ScreenHeight >= savedHeight && sc.ScreenWidth >= savedWidth);
  const bool scales = t.layout.Width * sc.LeastZoom <= sc.Available.Width &&
                      t.layout.Height * sc.LeastZoom <= sc.Available.Height;
  if (fits || scales) return;
  host.Message(MsgType::Information, Buttons::Ok,
               "Panel configuration file  cannot be fully displayed with current video driver "
               "resolution.  It was last saved using a screen (video driver) resolution of " +
                   std::to_string(savedWidth) + " X " + std::to_string(savedHeight));
  out.Scroll = true;
  out.ScrollRange = savedHeight + 100;
  ScreenRect moved = out.MainWindow.value_or(sc.MainWindow);
  moved.Left = sc.Available.Left;
  moved.Top = sc.Available.Top;
  out.MainWindow = Inside(moved, sc.Available);
}

void ApplyFile(PanelFileReader& r, PanelFileTarget& t, PanelFileOutcome& out, Host& host) {
  PanelLayout& l = t.layout;
  TDischargeListRec& list = t.s.DischargeList;
  RemoveRotaryControls(t.controls, l);
  ReadScreen(r, t, out, host);
  list.LineCount = static_cast<Byte>(
      r.Int("DISCHARGE LINES", "NR_DISCHARGES", list.LineCount, 1, kMaxDischarges));
  ReadGauge(r, t, "MASTERDISCHARGE GAUGE", kMasterGauge, kMasterLine);
  ReadGauge(r, t, "SUCTION GAUGE", kIntakeGauge, kIntakeLine);
  for (int g = 1; g <= kMaxDischarges; ++g) ReadGauge(r, t, "GAUGE " + std::to_string(g), g, 0);
  ReadWithCompanions(r, l, "PRIMER", I::PrimerBack, {I::Primer, I::LblPrimedIndicator});
  r.Place("TRANSFER VALVE", l.Item(I::TransferValve));
  ReadWithCompanions(r, l, "TANK VOLUME", I::TankLts, {I::LblGallonsLeft});
  ReadThrottle(r, t, host);
  ReadPressureControl(r, t, host);
  r.Place("RELIEF VALVE LAMPS", l.Item(I::RValveLts));
  ReadShown(r, l, "ENGINE COOLER", I::EngCooler, false);
  ReadWithCompanions(r, l, "RPM METER", I::RpmMeter, {I::LblRpmGauge});
  ReadWithCompanions(r, l, "FLOW METER", I::FlowMeter, {I::LblFlowmeter});
  l.Item(I::FlowMeter).Visible = r.Bool("FLOW METER", "VISIBLE", false);
  l.Item(I::LblFlowmeter).Visible = l.Item(I::FlowMeter).Visible;
  for (int v = 1; v <= kValveCount; ++v) ReadValve(r, t, v, host);
  ReadBar(r, l, "UPPER BAR", I::UpperBar);
  ReadBar(r, l, "LOWER BAR", I::LowerBar);
  ReadShown(r, l, "ID BOX", I::IdBox, true);
  ReadEngineGauge(r, l, "ENG TEMP GAUGE", I::EngTempGauge, I::TempLt);
  ReadEngineGauge(r, l, "OIL PRESSURE GAUGE", I::OilPressGauge, I::OilPressureLt);
  ReadEngineGauge(r, l, "PUMP OIL GAUGE", I::PumpOilGauge, I::PumpOilLt);
  ReadShown(r, l, "CHECK TRANSMISSION LT", I::ChkXmissionLt, false);
  ReadShown(r, l, "CHECK ENGINE LT", I::ChkEngineLt, false);
  ReadShown(r, l, "STOP ENGINE LT", I::StopEngineLt, false);
  ReadFoam(r, t.s.FoamSetup, t.simActive);
  ReadPlates(r, l);
  GrowToHoldItems(l, list.LineCount);
}

}  // namespace

bool LoadPanelFile(PanelFileTarget& t, const std::string& path, PanelFileOutcome& out, Host& host) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    if (std::filesystem::exists(path, ec)) {
      host.Message(MsgType::Error, Buttons::Ok,
                   PanelFileQuoted(path) + "  could not be read: it is not a file");
    } else {
      host.Message(MsgType::Information, Buttons::Ok, PanelFileQuoted(path) + "  not found.");
    }
    return false;
  }
  IniFile ini(path);
  std::string why = WhyUnreadable(path);
  if (why.empty() && !ini.Load()) why = ini.Error();
  if (!why.empty()) {
    host.Message(MsgType::Error, Buttons::Ok,
                 PanelFileQuoted(path) + "  could not be read: " + why);
    return false;
  }
  PanelFileReader r(ini);
  ApplyFile(r, t, out, host);
  out.Unreadable = r.Unreadable();
  if (!out.Unreadable.empty()) {
    std::string text =
        PanelFileQuoted(path) + "  has values that could not be read; they were left as they were:";
    for (std::size_t i = 0; i < out.Unreadable.size() && i < kListedUnreadable; ++i)
      text += "\n" + out.Unreadable[i];
    host.Message(MsgType::Warning, Buttons::Ok, text);
  }
  return true;
}

}  // namespace pumpdrill
