// The panel's refresh: gauges, readouts and lamps from the simulation state,
// each item repainted only when what it shows changed.
#include "panel/gauge_faces.h"
#include "panel/gauge_tag.h"
#include "panel/gui/frm_panel.h"
#include "panel/gui/panel_picture_names.h"

namespace pumpdrill {

void TfrmPanel::DrawGaugeFace(int gauge, bool force) {
  GaugeDial* dial = gauge >= 0 && gauge < kGaugeSlots ? gauges_[gauge] : nullptr;
  if (!dial) return;
  const bool metric = MetricUnits();
  const int colour = EffectiveFaceColour(layout_, gauge);
  const int tag = GaugeTag(gauge, metric, gauge >= kEngTempGauge ? kFaceBlack : colour);
  const bool unitsChanged = dial->Face().empty() || GaugeTagMetric(dial->Tag()) != metric;
  if (!force && !unitsChanged && dial->Tag() == tag) return;
  const std::string face(GaugeFaceName(gauge, colour, metric));
  if (face.empty()) {
    host_.Message(MsgType::Warning, Buttons::Ok, "No Gauge name found for  ");
    return;
  }
  dial->SetFace(face, gauge >= kEngTempGauge ? std::string() : std::string(GaugeMaskName(gauge)), tag);
  dial->SetAngle(dial->Angle(), true);
}

void TfrmPanel::DrawGauges(bool runActive) {
  FlowmeterState unchanged = flowmeter_;
  const PanelReading r =
      ReadPanel(p_.S(), p_.config.Units, {runActive, vibrationRaised_}, unchanged);
  for (int g = 1; g < kGaugeSlots; ++g)
    if (IsPressureGauge(g) && gauges_[g]) gauges_[g]->SetAngle(r.Needle[g]);
}

void TfrmPanel::ShowReadoutOptions() {
  for (int line = 1; line <= kLineCount; ++line) ShowLine(line, true);
}

void TfrmPanel::RefreshPanel(bool force) {
  const State& s = p_.S();
  const bool active = p_.run.SimActive;
  // A units switch reloads every face.
  for (int g = 1; g < kGaugeSlots; ++g) DrawGaugeFace(g, false);
  if (force) ShowReadoutOptions();

  // The flowmeter shows the position its selector was turned to.
  flowmeter_.Position = Controls_.Flowmeter.Position;
  const PanelReading r =
      ReadPanel(s, p_.config.Units, {active, vibrationRaised_}, flowmeter_);
  if (s.ShowOptions.NeedleVibration) vibrationRaised_ = !vibrationRaised_;

  // 1. Relief valve lamps.
  ImgRValveLts->SetLamps({r.ReliefLamps[0], r.ReliefLamps[1]}, force);
  // 2. Master discharge readouts.
  pressReadouts_[kMasterGauge]->SetText(r.Pressure[kMasterGauge]);
  flowReadouts_[kMasterGauge]->SetText(r.Flow[kMasterGauge]);
  // 3. Pressure needles.
  const QString pressureUnit = QString::fromStdString(" " + p_.config.Units.Label[kUnitPressure]);
  for (int g = 1; g < kGaugeSlots; ++g) {
    if (!IsPressureGauge(g)) continue;
    gauges_[g]->SetAngle(r.Needle[g], force);
    SetAccessibleReading(gauges_[g], QAccessible::Indicator, gaugeTitles_[g]->Text() + " gauge",
                         QString::fromStdString(r.Pressure[g]) + pressureUnit);
  }
  // 4. Flowmeter, with the flow unit after the number.
  LblFlowmeter->SetText(r.Flowmeter + " " + FlowUnitText(p_.config.Units));
  // 5. The controls' own displays: the throttle's and the governor's among
  // them; forced, every control.
  SyncControls(force);
  if (RefreshControlDisplays) RefreshControlDisplays();
  // 6. Engine speed.
  LblRpmGauge->SetText(r.Rpm);
  ImgRpmMeter->SetAngle(r.Tachometer, force);
  SetAccessibleReading(ImgRpmMeter, QAccessible::Indicator, "Engine speed",
                       QString::fromStdString(r.Rpm + " RPM"));
  // 7. Engine gauges and lamps.
  for (int g : {kEngTempGauge, kOilPressGauge, kPumpOilGauge})
    gauges_[g]->SetAngle(r.Needle[g], force);
  ImgTempLt->SetPicture(SmallLampPicture(r.TempLamp));
  ImgOilPressureLt->SetPicture(SmallLampPicture(r.OilLamp));
  ImgPumpOilLt->SetPicture(SmallLampPicture(r.PrimerOilLamp));
  ImgChkXmissionLt->SetPicture(WarningLampPicture(kCheckTransmissionPicture, r.CheckTransmission));
  ImgChkEngineLt->SetPicture(WarningLampPicture(kCheckEnginePicture, r.CheckEngine));
  ImgStopEngineLt->SetPicture(WarningLampPicture(kStopEnginePicture, r.StopEngine));
  // 8. The draft prime update runs in the simulation's tick.
  // 9. Intake readouts.
  pressReadouts_[kIntakeGauge]->SetText(r.Pressure[kIntakeGauge]);
  flowReadouts_[kIntakeGauge]->SetText(r.Flow[kIntakeGauge]);
  // 10. Tank level lamps, lit from the bottom.
  std::vector<Lamp> tank(4, Lamp::Dark);
  for (int i = 0; i < r.TankLampsLit; ++i) tank[i] = Lamp::Green;
  ImgTankLts->SetLamps(tank, force);
  // 11. Gallons left.
  if (s.ShowOptions.ShowDigitalTankVol) LblGallonsLeft->SetText(r.GallonsLeft);
  // 12. Discharge readouts (the gauge pressures are the simulation's), and
  // the hose connection plates by LineBurst.
  for (int n = 1; n <= kMaxDischarges; ++n) {
    pressReadouts_[n]->SetText(r.Pressure[n]);
    flowReadouts_[n]->SetText(r.Flow[n]);
  }
  for (auto& [plate, entry] : plates_)
    entry.second->SetPicture(PlatePicture(entry.first, s.Discharges[plate].LineBurst != 0));
}

void TfrmPanel::TankLevelChanged() {
  std::vector<Lamp> tank(4, Lamp::Dark);
  const int lit = p_.run.SimActive ? std::clamp(static_cast<int>(p_.S().Tank.LevelState), 0, 4) : 0;
  for (int i = 0; i < lit; ++i) tank[i] = Lamp::Green;
  ImgTankLts->SetLamps(tank);
}

void TfrmPanel::RunTerminated() { RefreshPanel(true); }

}  // namespace pumpdrill
