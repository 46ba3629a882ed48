// The pump setup's commits: each writes the state through the core and
// shows the result.
#include <QRegularExpression>
#include <cmath>

#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "frame/run_control.h"
#include "frame/text_values.h"
#include "setup/gui/frm_pmp_setp.h"
#include "setup/incident_time.h"
#include "setup/pump_setup.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

QString Fixed(double value, int decimals) { return QString::fromStdString(FixedText(value, decimals)); }

}  // namespace

bool TfrmPmpSetp::TypedNumber(QLineEdit* edit, double& value, const QString& storedText) {
  try {
    value = ReadNumber(edit->text().toStdString());
    return true;
  } catch (const NumberFormatError& error) {
    // The field shows the stored value again before the box takes the focus.
    edit->setText(storedText);
    host_.Message(MsgType::Error, Buttons::Ok, error.what());
    return false;
  }
}

void TfrmPmpSetp::CommitTyped(QLineEdit* edit, PumpSetting setting, const QString& storedText) {
  if (initialising_ || committing_) return;
  committing_ = true;
  double value = 0;
  if (edit->text() != storedText && TypedNumber(edit, value, storedText)) {
    PumpCommit commit = CommitPumpSetting(s_, setting, value, cfg_.Units);
    if (!commit.Stored) {
      edit->setText(storedText);
      host_.Message(MsgType::Error, Buttons::Ok, commit.Message);
    }
  }
  committing_ = false;
  Refresh();
}

void TfrmPmpSetp::CBoxPumpEngRatioChange() {
  CommitTyped(CBoxPumpEngRatio->lineEdit(), PumpSetting::Ratio, Fixed(s_.Pump.GearRatio, 2));
}

void TfrmPmpSetp::EditEngIdleRpmExit() {
  CommitTyped(EditEngIdleRpm, PumpSetting::IdleRpm,
              QString::number(static_cast<long>(std::trunc(s_.Engine.IdleRpm))));
}

void TfrmPmpSetp::SpinEditPsiAtHighRpmChange(double value) {
  if (Quiet()) return;
  CommitPumpSetting(s_, PumpSetting::HighPress, FromEntry(cfg_.Units, kUnitPressure, value));
  Refresh();
}

void TfrmPmpSetp::SpinEditPsiAtLowRpmChange(double value) {
  if (Quiet()) return;
  CommitPumpSetting(s_, PumpSetting::LowPress, FromEntry(cfg_.Units, kUnitPressure, value));
  Refresh();
}

void TfrmPmpSetp::CBoxCapacityChange(int index) {
  if (initialising_ || index < 0) return;
  if (capacityExtra_ >= 0 && index == 0) return;  // the stored capacity itself
  double shown = CBoxCapacity->itemText(index).toDouble();
  CommitPumpSetting(s_, PumpSetting::Capacity, FromEntry(cfg_.Units, kUnitFlow, shown));
  Refresh();
}

void TfrmPmpSetp::RadioStageClick() {
  if (Quiet()) return;
  CommitPumpSetting(s_, PumpSetting::Stages, RadioBtn2Stage->isChecked() ? 2 : 1);
  Refresh();
}

void TfrmPmpSetp::RadioModeClick() {
  if (Quiet()) return;
  SetStageMode(s_, RadioBtnVol->isChecked() ? 2 : 1);
  Refresh();
}

void TfrmPmpSetp::SpinFlowEfficiencyChange(int value) {
  if (Quiet()) return;
  CommitPumpSetting(s_, PumpSetting::Efficiency, value);
  Refresh();
}

void TfrmPmpSetp::ToggleSubPanel(QFrame* panel) {
  bool show = !panel->isVisible();
  for (QFrame* other : {PnlPrimerSetup, PnlEngineOil, PnlEngineCoolant}) other->setVisible(false);
  panel->setVisible(show);
}

void TfrmPmpSetp::BitBtnPrimerSetupClick() {
  ToggleSubPanel(PnlPrimerSetup);
  Refresh();
}

void TfrmPmpSetp::Button1Click() { ToggleSubPanel(PnlEngineOil); }

void TfrmPmpSetp::Button2Click() { ToggleSubPanel(PnlEngineCoolant); }

void TfrmPmpSetp::EditPrimerPumpRateExit() {
  if (initialising_ || committing_) return;
  committing_ = true;
  QString stored = Fixed(s_.PumpControl.PrimerRate, 3);
  double rate = 0;
  if (EditPrimerPumpRate->text() != stored && TypedNumber(EditPrimerPumpRate, rate, stored)) {
    if (!SetPrimerRate(s_, rate)) {
      EditPrimerPumpRate->setText(stored);
      host_.Message(MsgType::Error, Buttons::Ok, "Primer pump rate entered is invalid.  Value unchanged.");
    }
  }
  committing_ = false;
  EditPrimerPumpRate->setText(Fixed(s_.PumpControl.PrimerRate, 3));
}

void TfrmPmpSetp::ChkMustBeClosedClick() {
  if (initialising_) return;
  s_.Pump.PrimeNeedsClosedValves = ChkMustBeClosed->isChecked();
}

void TfrmPmpSetp::SpinEditPrimerOilPercentChange(int value) {
  if (Quiet() || value < 0 || value > 100) return;
  s_.PumpControl.PrimerOilPercent = static_cast<SmallInt>(value);
}

void TfrmPmpSetp::SpinEditEngOilPsiChange(double value) {
  if (Quiet()) return;
  if (SetOilPressSet(s_, FromEntry(cfg_.Units, kUnitPressure, value), run_.SimActive))
    host_.RefreshPanelDisplays();
}

void TfrmPmpSetp::SpinEditOilPLtChange(double value) {
  if (Quiet()) return;
  if (SetOilWarnPress(s_, FromEntry(cfg_.Units, kUnitPressure, value))) host_.RefreshPanelDisplays();
}

void TfrmPmpSetp::SpinEditEngCoolantTempChange(int value) {
  if (Quiet()) return;
  if (value >= 0 && SetCoolantTempSet(s_, TempFromEntry(cfg_.Units, value), run_.SimActive))
    host_.RefreshPanelDisplays();
}

void TfrmPmpSetp::SpinEditTempLtChange(int value) {
  if (Quiet()) return;
  if (value >= 0 && SetCoolantWarnTemp(s_, TempFromEntry(cfg_.Units, value))) host_.RefreshPanelDisplays();
}

void TfrmPmpSetp::CheckBoxUseLoseOilPressClick() {
  if (refreshing_) return;
  bool use = CheckBoxUseLoseOilPress->isChecked();
  SetOilLossUse(s_, use);
  EditTOilPressLoss->setEnabled(use);
  if (!use) EditTOilPressLoss->setText("00:00");
}

void TfrmPmpSetp::EditTOilPressLossChange() {
  if (refreshing_) return;
  // A time is stored once it is whole ("02:3_" is not yet 2:30, and during
  // a run would start the loss at once); an emptied field unsets it.
  QString text = EditTOilPressLoss->text();
  bool empty = !text.contains(QRegularExpression("[0-9]"));
  if (EditTOilPressLoss->hasAcceptableInput() || empty)
    SetOilLossTime(s_, IncidentTimeFromText(text.toStdString()));
}

}  // namespace pumpdrill
