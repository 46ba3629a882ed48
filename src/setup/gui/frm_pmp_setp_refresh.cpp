// The pump setup's refresh: every control, caption and graph from the state.
#include <cmath>

#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "setup/gui/frm_pmp_setp.h"
#include "setup/incident_time.h"
#include "setup/pump_setup.h"
#include "sim/incidents.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

QString Fixed(double value, int decimals) { return QString::fromStdString(FixedText(value, decimals)); }

// A pressure spinner in the display units: two decimals and steps of 0.1 in
// bar, whole numbers otherwise, with `step` psi or kPa per arrow.
void SetPressureSpinner(QDoubleSpinBox* spin, const DisplayUnits& u, double step) {
  int decimals = PressureDecimals(u);
  spin->setDecimals(decimals);
  spin->setSingleStep(decimals > 0 ? 0.1 : step);
}

}  // namespace

void TfrmPmpSetp::Refresh() {
  refreshing_ = true;
  const DisplayUnits& u = cfg_.Units;
  const TPumpRec& p = s_.Pump;
  const TEngineRec& e = s_.Engine;
  int mode = SetupStageMode(p);
  auto press = [&](double psi) { return ToDisplay(u, kUnitPressure, psi); };

  bool twoStage = p.TwoStage != 0;
  Bevel2Stage->setVisible(twoStage);
  Panel2Stage->setVisible(twoStage);
  if (twoStage) {
    RadioBtn2Stage->setChecked(true);
    (mode == 2 ? RadioBtnVol : RadioBtnPress)->setChecked(true);
  } else {
    RadioBtnSingleStage->setChecked(true);
  }

  LblCapacity->setText("Capacity: (" + QString::fromStdString(u.Label[kUnitFlow]) + ")");
  FillCapacityList();

  EditEngIdleRpm->setText(QString::number(static_cast<long>(std::trunc(e.IdleRpm))));
  SpinFlowEfficiency->setValue(static_cast<int>(std::lround(p.FlowEfficiency * 100)));
  CBoxPumpEngRatio->setCurrentIndex(-1);
  CBoxPumpEngRatio->setEditText(Fixed(p.GearRatio, 2));

  RefreshCaptions();

  SetPressureSpinner(SpinEditPsiAtLowRpm, u, 1);
  SetPressureSpinner(SpinEditPsiAtHighRpm, u, 1);
  double idleShown = press(IdlePressOfMode(p));
  // The curve must rise: the high-speed pressure stays a unit above idle.
  SpinEditPsiAtHighRpm->setMinimum(idleShown + 1);
  SpinEditPsiAtHighRpm->setValue(press(HighSpeedPress(p)));
  SpinEditPsiAtLowRpm->setValue(idleShown);

  SetPressureSpinner(SpinEditEngOilPsi, u, 5);
  SetPressureSpinner(SpinEditOilPLt, u, 5);
  SpinEditEngOilPsi->setValue(press(p.OilPressSet));
  SpinEditOilPLt->setValue(press(p.OilWarnPress));
  SpinEditEngCoolantTemp->setValue(
      static_cast<int>(std::lround(TempToDisplay(u, std::trunc(p.CoolantTempSet)))));
  SpinEditTempLt->setValue(static_cast<int>(std::lround(TempToDisplay(u, std::trunc(p.CoolantWarnTemp)))));

  EditPrimerPumpRate->setText(Fixed(s_.PumpControl.PrimerRate, 3));
  ChkMustBeClosed->setChecked(p.PrimeNeedsClosedValves);
  SpinEditPrimerOilPercent->setValue(s_.PumpControl.PrimerOilPercent);

  // An oil-pressure loss without a time is switched off.
  const TIncidentRec& oilLoss = s_.Incidents[kIncidentOilLoss];
  ClearUnsetOilLoss(s_);
  EditTOilPressLoss->setText(QString::fromStdString(IncidentTimeText(oilLoss.StartTime())));
  CheckBoxUseLoseOilPress->setChecked(oilLoss.Use);
  EditTOilPressLoss->setEnabled(oilLoss.Use);

  refreshing_ = false;
  initialising_ = false;
  RefreshGraphs();
}

void TfrmPmpSetp::RefreshCaptions() {
  const DisplayUnits& u = cfg_.Units;
  const TPumpRec& p = s_.Pump;
  const TEngineRec& e = s_.Engine;
  int mode = SetupStageMode(p);
  int pressDecimals = PressureDecimals(u);
  QString pressUnit = QString::fromStdString(u.Label[kUnitPressure]);
  QString flowUnit = QString::fromStdString(u.Label[kUnitFlow]);
  auto press = [&](double psi) { return Fixed(ToDisplay(u, kUnitPressure, psi), pressDecimals); };

  LblPsiInRpmPsi->setText(pressUnit);
  LblPsiInGpmPsi->setText(pressUnit);
  LblGpmInGpmPsi->setText(flowUnit);
  LblPsiAt->setText(pressUnit + " at...");
  LblPsiAtLowRpm->setText(Fixed(e.IdleRpm, 0) + " rpm");
  LblPsiAtHighRpm->setText(Fixed(ReferenceEngineRpm(p), 0) + " rpm");
  LblOilPsiUnits->setText(pressUnit);
  LblCoolantTemp->setText(QString::fromStdString(u.TempLabel));

  LblRpmPsiTitle->setText("RPM  vs  " + pressUnit.toUpper() + "  (no flow)");
  QString flowTitle = flowUnit.toUpper() + "  vs  " + pressUnit.toUpper();
  if (p.TwoStage) flowTitle += mode == 2 ? "  (parallel)" : "  (series)";
  LblGpmPsiTitle->setText(flowTitle);

  LblPsiRMin->setText(press(IdlePressOfMode(p)));
  LblPsiRMax->setText(press(HighSpeedPress(p)));
  LblPsiGMax->setText(press(HighSpeedPress(p)));
  LblPsiGMin->setText(press(0));  // the flow graph's scale starts at 0
  LblPumpIdleRpm->setText(Fixed(p.IdleImpellerRpm, 0));
  LblPumpHigherRpm->setText(Fixed(p.RatedImpellerRpm, 0));
  LblEngIdleRpm->setText(Fixed(e.IdleRpm, 0));
  LblEngHigherRpm->setText(Fixed(ReferenceEngineRpm(p), 0));
  LblGpmMin->setText("0");
  lblGpmMax->setText(Fixed(ToDisplay(u, kUnitFlow, p.RatedFlow), 0));
}

void TfrmPmpSetp::FillCapacityList() {
  const DisplayUnits& u = cfg_.Units;
  double shown = std::round(ToDisplay(u, kUnitFlow, s_.Pump.RatedFlow));
  CBoxCapacity->clear();
  capacityExtra_ = -1;
  int selected = -1;
  for (int item : u.Metric ? kCapacityItemsMetric : kCapacityItemsEnglish) {
    if (item == shown) selected = CBoxCapacity->count();
    CBoxCapacity->addItem(QString::number(item));
  }
  if (selected < 0) {
    // A capacity that is none of the choices shows as it is stored.
    capacityExtra_ = shown;
    CBoxCapacity->insertItem(0, Fixed(shown, 0));
    selected = 0;
  }
  CBoxCapacity->setCurrentIndex(selected);
}

void TfrmPmpSetp::RefreshGraphs() {
  const DisplayUnits& u = cfg_.Units;
  auto speeds = AcceptanceTestSpeeds(s_);
  PBoxGPMvsPSI->SetGraph(PumpGraphPoints(s_), speeds);
  PBoxRPMvsPSI->update();
  int pressDecimals = PressureDecimals(u);
  QString flowUnit = QString::fromStdString(u.Label[kUnitFlow]);
  QString pressUnit = QString::fromStdString(u.Label[kUnitPressure]);
  for (int i = 0; i < 3; ++i) {
    const TestPointSpeed& t = speeds[i];
    QString point = QString("%1:  %2 %3 at %4 %5:  ")
                        .arg(i + 1)
                        .arg(Fixed(ToDisplay(u, kUnitFlow, t.Gpm), 0), flowUnit,
                             Fixed(ToDisplay(u, kUnitPressure, t.NetPsi), pressDecimals), pressUnit);
    LblTestPoints[i]->setText(point +
                              (t.Reachable ? Fixed(t.EngineRpm, 0) + " rpm" : "above the engine's maximum"));
  }
}

}  // namespace pumpdrill
