#include "frame/ini_file.h"
#include "panel/file/panel_file_steps.h"
#include "panel/file/panel_file_values.h"

namespace pumpdrill {

namespace {

using I = PanelItem;

class Writer {
 public:
  explicit Writer(IniFile& ini) : ini_(ini) {}
  void Text(const std::string& section, const std::string& key, const std::string& value) {
    ini_.Set(section, key, value);
  }
  void Int(const std::string& section, const std::string& key, int value) {
    ini_.Set(section, key, std::to_string(value));
  }
  void Bool(const std::string& section, const std::string& key, bool value) {
    ini_.Set(section, key, PanelBoolText(value));
  }
  void Real(const std::string& section, const std::string& key, double value) {
    ini_.Set(section, key, PanelRealText(value));
  }
  void LeftTop(const std::string& section, const PanelPlace& p) {
    Int(section, "LEFT", p.Left);
    Int(section, "TOP", p.Top);
  }
  void TopLeft(const std::string& section, const PanelPlace& p) {
    Int(section, "TOP", p.Top);
    Int(section, "LEFT", p.Left);
  }
  void Shown(const std::string& section, const PanelPlace& p) {
    Bool(section, "VISIBLE", p.Visible);
    LeftTop(section, p);
  }

 private:
  IniFile& ini_;
};

bool IsLabelledHandle(int type) {
  return (type >= 1 && type <= 8) || type == 12 || type == 14 || type == 15;
}

// Styles a panel file does not know become the default throttle and relief
// valve at their default places.
void NormaliseStyles(PanelFileTarget& t, Host& host) {
  TDischargeListRec& list = t.s.DischargeList;
  const int throttle = list.ThrottleStyle;
  if (throttle != 5 && throttle != 6 && throttle != 7 && throttle != kNoThrottleStyle) {
    list.ThrottleStyle = 5;
    PlaceRotaryControl(t.controls, t.layout, t.s, 5, 253, 119, false, host);
  }
  const int pressure = list.PressureControlStyle;
  if (pressure != 1 && pressure != 2 && pressure != 8 && pressure != 10 &&
      pressure != kNoPressureControlStyle) {
    ApplyPressureControlStyle(t.controls, t.layout, t.s, 1, 317, 119, host);
  }
}

void WriteGauge(Writer& w, const PanelFileTarget& t, const std::string& section, int gauge,
                int titleLine) {
  const PanelPlace& g = t.layout.Gauges[gauge].Gauge;
  if (titleLine != 0) {
    w.Text(section, "CAPTION", t.s.DischargeList.LineTitle[titleLine].str());
    w.LeftTop(section, g);
  } else {
    w.TopLeft(section, g);
  }
  w.Int(section, "COLOR", EffectiveFaceColour(t.layout, gauge));
}

void WriteValve(Writer& w, const PanelFileTarget& t, int v) {
  const std::string section = "VALVE HANDLE" + std::to_string(v);
  const ValvePlace& vp = t.layout.Valves[v];
  w.Text(section, "CAPTION", t.s.DischargeList.LineTitle[v].str());
  w.Int(section, "TYPE", vp.HandleType);
  w.LeftTop(section, vp.Handle);
  const int type = vp.HandleType;
  if (IsLabelledHandle(type) || type == 10 || type == 11) {
    w.Int(section, "LABEL LEFT", vp.Title.Left);
    w.Int(section, "LABEL TOP", vp.Title.Top);
  }
  if (!IsLabelledHandle(type)) return;
  w.Int(section, "LABEL BG", static_cast<int>(vp.TitleBackground));
  w.Bool(section, "LABEL BG TRANSP", vp.TitleTransparent);
  w.Int(section, "LABEL FG", static_cast<int>(vp.TitleForeground));
  if (type == 14 || type == 15) {
    w.Bool(section, "OPENS CCW", t.s.DischargeList.RotaryOpensCCW[v] != 0);
  } else {
    w.Text(section, "OPENS CCW", "");
  }
}

void WriteFoam(Writer& w, const PanelFileTarget& t) {
  const TFoamSetupRec& f = t.s.FoamSetup;
  const std::string s = "FOAM";
  w.Int(s, "SYS_TYPE", f.SYS_TYPE);
  w.Int(s, "NR_TANKS", f.NR_TANKS == 2 ? 2 : 1);  // as the program takes the count
  w.Real(s, "TANK_CAP", f.TANK_CAP);
  w.Bool(s, "USE_CAFS", f.USE_CAFS != 0);
  w.Int(s, "CTRL_MFG", f.CTRL_MFG);
  w.Real(s, "EDU_INLET_PSI", f.EDU_INLET_PSI);
  w.Real(s, "EDU_RATED_GPM", f.EDU_RATED_GPM);
  w.Real(s, "EDU_PSI_LOSS", f.EDU_PSI_LOSS);
  w.Int(s, "TK_SW_TYPE", f.TK_SW_TYPE);
  w.Int(s, "TK_SW_TOP", f.TK_SW_TOP);
  w.Int(s, "TK_SW_LEFT", f.TK_SW_LEFT);
  w.Bool(s, "TK_SW_SEL", f.TK_SW_SEL != 0);
  w.Int(s, "PROP_TYPE", f.PROP_TYPE);
  w.Int(s, "PROP_TOP", f.PROP_TOP);
  w.Int(s, "PROP_LEFT", f.PROP_LEFT);
  w.Bool(s, "PROP_SEL", f.PROP_SEL != 0);
  w.Int(s, "%_RANGE", f.PCT_RANGE);
  w.Text(s, "FOAM_LINES", PanelSetText(f.FOAM_LINES.bits, 1, kMaxDischarges));
  w.Text(s, "CAFS_AIR_V_SEL", PanelSetText(f.CAFS_AIR_V_SEL.bits, 1, kMaxDischarges));
  for (int n = 1; n <= t.s.DischargeList.LineCount && n <= kMaxDischarges; ++n) {
    if (!f.FOAM_LINES.Contains(n) || !f.CAFS_AIR_V_SEL.Contains(n)) continue;
    w.Int(s, NumberedKey("CAFS_AIR_V_TOP", n), f.CAFS_AIR_V_TOP[n]);
    w.Int(s, NumberedKey("CAFS_AIR_V_LEFT", n), f.CAFS_AIR_V_LEFT[n]);
  }
  w.Int(s, "CAFS_ON_OFF_TOP", f.CAFS_ON_OFF_TOP);
  w.Int(s, "CAFS_ON_OFF_LEFT", f.CAFS_ON_OFF_LEFT);
  w.Bool(s, "CAFS_ON_OFF_SEL", f.CAFS_ON_OFF_SEL != 0);
  w.Int(s, "CAFS_MODE_TOP", f.CAFS_MODE_TOP);
  w.Int(s, "CAFS_MODE_LEFT", f.CAFS_MODE_LEFT);
  w.Bool(s, "CAFS_MODE_SEL", f.CAFS_MODE_SEL != 0);
}

void WritePlates(Writer& w, const PanelLayout& l) {
  std::uint32_t selected = 0;
  for (int p = 1; p <= kPlateCount; ++p)
    if (l.Plates[p].Present) selected |= 1u << p;
  w.Text("PLATES", "PLATES_SEL", PanelSetText(selected, 1, kPlateCount));
  for (int p = 1; p <= kPlateCount; ++p) {
    const ConnectorPlate& plate = l.Plates[p];
    if (!plate.Present) continue;
    w.Int("PLATES", NumberedKey("PLATE_TYPE", p), plate.Type);
    w.Int("PLATES", NumberedKey("PLATE_TOP", p), plate.Place.Top);
    w.Int("PLATES", NumberedKey("PLATE_LEFT", p), plate.Place.Left);
  }
}

void WriteAll(Writer& w, const PanelFileTarget& t) {
  const PanelLayout& l = t.layout;
  const TDischargeListRec& list = t.s.DischargeList;
  const PanelScreen& sc = t.screen;
  if (sc.MainVisible) {
    w.Int("PANEL PLACEMENT", "LEFT", sc.MainWindow.Left);
    w.Int("PANEL PLACEMENT", "TOP", sc.MainWindow.Top);
    w.Int("PANEL PLACEMENT", "HEIGHT", sc.MainWindow.Height);
    w.Int("PANEL PLACEMENT", "WIDTH", sc.MainWindow.Width);
  }
  w.Int("SCREEN RESOLUTION", "HEIGHT", sc.ScreenHeight);
  w.Int("SCREEN RESOLUTION", "WIDTH", sc.ScreenWidth);
  w.Int("DISCHARGE LINES", "NR_DISCHARGES", list.LineCount);
  WriteGauge(w, t, "MASTERDISCHARGE GAUGE", kMasterGauge, kMasterLine);
  WriteGauge(w, t, "SUCTION GAUGE", kIntakeGauge, kIntakeLine);
  for (int g = 1; g <= kMaxDischarges; ++g) WriteGauge(w, t, "GAUGE " + std::to_string(g), g, 0);
  w.TopLeft("PRIMER", l.Item(I::PrimerBack));
  w.LeftTop("TRANSFER VALVE", l.Item(I::TransferValve));
  w.LeftTop("TANK VOLUME", l.Item(I::TankLts));
  w.Int("RPM CTRL", "STYLE", list.ThrottleStyle);
  if (list.ThrottleStyle != kNoThrottleStyle) w.LeftTop("RPM CTRL", l.Item(I::Throttle));
  w.Int("RELIEF VALVE ADJUSTM", "STYLE", list.PressureControlStyle);
  if (list.PressureControlStyle != kNoPressureControlStyle)
    w.LeftTop("RELIEF VALVE ADJUSTM", l.Item(I::PressureControl));
  w.LeftTop("RELIEF VALVE LAMPS", l.Item(I::RValveLts));
  w.Shown("ENGINE COOLER", l.Item(I::EngCooler));
  w.LeftTop("RPM METER", l.Item(I::RpmMeter));
  w.Shown("FLOW METER", l.Item(I::FlowMeter));
  for (int v = 1; v <= kValveCount; ++v) WriteValve(w, t, v);
  w.Shown("UPPER BAR", l.Item(I::UpperBar));
  w.Shown("LOWER BAR", l.Item(I::LowerBar));
  w.Shown("ID BOX", l.Item(I::IdBox));
  w.Shown("ENG TEMP GAUGE", l.Item(I::EngTempGauge));
  w.Shown("ENG TEMP GAUGE LT", l.Item(I::TempLt));
  w.Shown("OIL PRESSURE GAUGE", l.Item(I::OilPressGauge));
  w.Shown("OIL PRESSURE GAUGE LT", l.Item(I::OilPressureLt));
  w.Shown("PUMP OIL GAUGE", l.Item(I::PumpOilGauge));
  w.Shown("PUMP OIL GAUGE LT", l.Item(I::PumpOilLt));
  w.Shown("CHECK TRANSMISSION LT", l.Item(I::ChkXmissionLt));
  w.Shown("CHECK ENGINE LT", l.Item(I::ChkEngineLt));
  w.Shown("STOP ENGINE LT", l.Item(I::StopEngineLt));
  WriteFoam(w, t);
  WritePlates(w, l);
}

}  // namespace

bool SavePanelFile(PanelFileTarget& t, const std::string& path, Host& host) {
  NormaliseStyles(t, host);
  IniFile ini(path);
  bool ok = ini.Load();
  if (ok) {
    Writer w(ini);
    WriteAll(w, t);
    ok = ini.Save();
  }
  if (!ok) {
    host.Message(MsgType::Error, Buttons::Ok,
                 PanelFileQuoted(path) + "  could not be saved: " + ini.Error());
  }
  return ok;
}

}  // namespace pumpdrill
