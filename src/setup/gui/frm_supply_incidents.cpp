// The supply setup's incidents: their check boxes, and the sub-panels in
// which their times and values are set, each stored on its OK.
#include <cmath>

#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "frame/run_control.h"
#include "frame/text_values.h"
#include "setup/gui/frm_supply.h"
#include "setup/incident_time.h"
#include "sim/incidents.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

QString Fixed(double value, int decimals) {
  return QString::fromStdString(FixedText(value, decimals));
}

QString TimeText(double seconds, bool blankWhenUnset) {
  return QString::fromStdString(IncidentTimeText(seconds, blankWhenUnset));
}

double Seconds(const QLineEdit* edit) { return IncidentTimeFromText(edit->text().toStdString()); }

}  // namespace

void TfrmSupply::ConnectSubPanels() {
  const std::pair<QPushButton*, QFrame*> setups[] = {
      {BitBtnFluctSetup, PnlFluctuatingSupply},    {BitBtnShiftSetup, PanelLoseSupply},
      {BitBtnRuptureSetup, PanelLineRupture},      {BitBtnLossPrimeSetup, PnlLossPrime},
      {BitBtnHSuctionSetup, PanelHSuctCollapsing}, {BitBtnTenderSetup, PnlTenderSetup},
  };
  for (auto [button, panel] : setups)
    connect(button, &QPushButton::clicked, this, [this, panel] { ShowSubPanel(panel); });
  for (auto& [panel, buttons] : SubPanelButtons) {
    QFrame* p = panel;
    connect(buttons.first, &QPushButton::clicked, this, [this, p] { SubPanelOk(p); });
    connect(buttons.second, &QPushButton::clicked, p, &QWidget::hide);
  }
  const std::pair<QCheckBox*, int> checks[] = {
      {ChkBoxUseSplyFluctuates, kIncidentFluctuatingSupply},
      {CheckBoxShiftingSupply, kIncidentShiftingSupply},
      {CheckBoxUseLineRupture, kIncidentLineRupture},
      {CheckBoxKinkInLine, kIncidentKink},
      {ChkBoxUseLossPrime, kIncidentLossOfPrime},
      {ChkBoxUseHardSuctionCollapse, kIncidentHardSuctionCollapse},
  };
  for (auto [box, record] : checks)
    connect(box, &QCheckBox::clicked, this,
            [this, box, record] { IncidentCheckClick(box, record); });
  connect(ChkBoxUseTender, &QCheckBox::clicked, this, [this](bool on) {
    SetTenderUse(s_, on);
    if (!on) PnlTenderSetup->hide();
    Timer1Timer();
  });
  // The second prime-loss time opens once the first holds one.
  connect(EditTPrimeLoss[0], &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!text.isEmpty()) EditTPrimeLoss[1]->setEnabled(true);
  });
}

void TfrmSupply::IncidentCheckClick(QCheckBox* box, int record) {
  SetIncidentUse(s_, record, box->isChecked());
  Timer1Timer();
}

void TfrmSupply::ShowSubPanel(QFrame* panel) {
  for (auto& [p, buttons] : SubPanelButtons) p->hide();
  FillSubPanel(panel);
  panel->show();
  panel->raise();
}

void TfrmSupply::FillSubPanel(QFrame* panel) {
  const DisplayUnits& u = cfg_.Units;
  const double psiShown = ToDisplay(u, kUnitPressure, 1.0);
  if (panel == PnlFluctuatingSupply) {
    TIncidentRec& r = s_.Incidents[kIncidentFluctuatingSupply];
    if (r.FluctType != 1 && r.FluctType != 2) r.FluctType = 1;
    EditSplyFluctStart->setText(TimeText(r.StartTime(), true));
    EditSplyFluctStop->setText(TimeText(r.StopTime, true));
    EditSplyFluctPercent->setText(Fixed(std::clamp<double>(r.Fraction * 100, 0, 100), 1));
    EditFluctSplyTMean->setText(IncidentTimeSet(r.Period) ? Fixed(r.Period, 1) : Fixed(20, 1));
    RadioFluctPeriodic->setChecked(r.FluctType == 1);
    RadioFluctSporadic->setChecked(r.FluctType == 2);
    RefreshFluctuationStyle();
  } else if (panel == PanelLoseSupply) {
    const TIncidentRec& r = s_.Incidents[kIncidentShiftingSupply];
    for (int i = 0; i < 3; ++i) {
      MaskEditShiftStart[i]->setText(TimeText(r.EventTime[i + 1], true));
      MaskEditShiftEnd[i]->setText(TimeText(r.RecoverTime[i + 1], true));
      EditShiftPsi[i]->setText(Fixed(r.EventPress[i + 1] * psiShown, 1));
    }
  } else if (panel == PanelLineRupture) {
    EditLineRuptureStartTime->setText(
        TimeText(s_.Incidents[kIncidentLineRupture].StartTime(), true));
  } else if (panel == PnlLossPrime) {
    const TIncidentRec& r = s_.Incidents[kIncidentLossOfPrime];
    for (int i = 0; i < 3; ++i) EditTPrimeLoss[i]->setText(TimeText(r.EventTime[i + 1], false));
    EditTPrimeLoss[1]->setEnabled(false);
    EditTPrimeLoss[2]->setEnabled(false);
  } else if (panel == PanelHSuctCollapsing) {
    EditHSuctCollapsing->setText(
        Fixed(s_.Incidents[kIncidentHardSuctionCollapse].EventPress[1] * psiShown, 1));
  } else if (panel == PnlTenderSetup) {
    LblTenderGals->setText(QString::fromStdString(u.Label[kUnitVolume]));
    EditFirstCallMins->setText(TimeText(s_.Tender.FirstCallTime, false));
    EditRefillMins->setText(TimeText(s_.Tender.RoundTripTime, false));
    EditTankCapacityGals->setText(Fixed(ToDisplay(u, kUnitVolume, s_.Tender.TenderCapacity), 1));
  }
}

bool TfrmSupply::StoreSubPanel(QFrame* panel) {
  const DisplayUnits& u = cfg_.Units;
  // Every number of the panel is read before anything is stored: a refused
  // one leaves the panel open and the state as it was.
  auto number = [this](QLineEdit* edit, double& value) {
    try {
      value = ReadNumber(edit->text().toStdString());
      return true;
    } catch (const NumberFormatError& error) {
      host_.Message(MsgType::Error, Buttons::Ok, error.what());
      edit->setFocus();
      return false;
    }
  };
  if (panel == PnlFluctuatingSupply) {
    FluctuationEntry e;
    e.Start = Seconds(EditSplyFluctStart);
    e.Stop = Seconds(EditSplyFluctStop);
    e.Type = RadioFluctSporadic->isChecked() ? 2 : 1;
    if (!number(EditSplyFluctPercent, e.Percent)) return false;
    e.MeanTime = 0;
    if (!EditFluctSplyTMean->text().trimmed().isEmpty() && !number(EditFluctSplyTMean, e.MeanTime))
      return false;
    SetFluctuation(s_, e);
  } else if (panel == PanelLoseSupply) {
    ShiftEvent events[3];
    for (int i = 0; i < 3; ++i) {
      events[i].Start = Seconds(MaskEditShiftStart[i]);
      events[i].End = Seconds(MaskEditShiftEnd[i]);
      double shown = 0;
      if (!number(EditShiftPsi[i], shown)) return false;
      events[i].Press = FromEntry(u, kUnitPressure, shown);
    }
    SetShiftingSupply(s_, events);
  } else if (panel == PanelLineRupture) {
    SetLineRuptureTime(s_, Seconds(EditLineRuptureStartTime));
  } else if (panel == PnlLossPrime) {
    double times[3];
    for (int i = 0; i < 3; ++i) times[i] = Seconds(EditTPrimeLoss[i]);
    SetPrimeLossTimes(s_, times);
  } else if (panel == PanelHSuctCollapsing) {
    double shown = 0;
    if (!number(EditHSuctCollapsing, shown)) return false;
    SetCollapsePress(s_, FromEntry(u, kUnitPressure, shown));
  } else if (panel == PnlTenderSetup) {
    TenderEntry e;
    e.FirstCall = Seconds(EditFirstCallMins);
    e.Refill = Seconds(EditRefillMins);
    double shown = 0;
    if (!number(EditTankCapacityGals, shown)) return false;
    e.Capacity = FromEntry(u, kUnitVolume, shown);
    if (Refused(SetTender(s_, e, run_.SimActive, cfg_.Units))) return false;
  }
  return true;
}

void TfrmSupply::SubPanelOk(QFrame* panel) {
  if (!StoreSubPanel(panel)) return;
  panel->hide();
  Timer1Timer();
}

}  // namespace pumpdrill
