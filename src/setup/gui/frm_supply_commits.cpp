// The supply setup's refresh and commits: each commit writes the state
// through the core and shows the result.
#include <QEvent>
#include <algorithm>
#include <cmath>

#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "frame/run_control.h"
#include "frame/text_values.h"
#include "setup/gui/frm_h_setup.h"
#include "setup/gui/frm_supply.h"
#include "setup/hose_descriptions.h"
#include "setup/incident_time.h"
#include "sim/hydrant.h"
#include "sim/incidents.h"
#include "sim/state.h"
#include "sim/supply.h"
#include "sim/tank.h"

namespace pumpdrill {

namespace {

QString Fixed(double value, int decimals) {
  return QString::fromStdString(FixedText(value, decimals));
}

struct FieldFormat {
  int quantity;
  int decimals;
};

FieldFormat FormatOf(SupplySetting setting) {
  switch (setting) {
    case SupplySetting::StaticPress:
      return {kUnitPressure, 1};
    case SupplySetting::Elevation:
    case SupplySetting::TankHeight:
      return {kUnitLength, 1};
    case SupplySetting::Altitude:
      return {kUnitLength, 0};
    default:
      return {kUnitVolume, 0};
  }
}

}  // namespace

void TfrmSupply::Connect() {
  connect(CBoxSupplyType, qOverload<int>(&QComboBox::activated), this, &TfrmSupply::TypeChange);
  const std::pair<QLineEdit*, SupplySetting> fields[] = {
      {EdSrcStaticPsi, SupplySetting::StaticPress},
      {EditSplyElev, SupplySetting::Elevation},
      {EditAltitude, SupplySetting::Altitude},
      {EdTankCapacityGall, SupplySetting::TankCapacity},
      {EdTankHt, SupplySetting::TankHeight},
      {EditDumpTankCapacityGals, SupplySetting::DumpTankCapacity},
  };
  for (auto [edit, setting] : fields)
    connect(edit, &QLineEdit::editingFinished, this,
            [this, edit, setting] { CommitField(edit, setting); });
  for (QLineEdit* edit : {EdSrcStaticPsi, EditDumpTankCapacityGals}) edit->installEventFilter(this);
  connect(SpinButton1Up, &QToolButton::clicked, this, [this] { RatedFlowStep(+1); });
  connect(SpinButton1Down, &QToolButton::clicked, this, [this] { RatedFlowStep(-1); });
  connect(BitBtnChangeSupplyHose, &QPushButton::clicked, this,
          &TfrmSupply::BitBtnChangeSupplyHoseClick);
  connect(TankStateButtons, &QButtonGroup::idClicked, this, &TfrmSupply::TankStateClick);
  connect(SpinEditWaterTemp, &QSpinBox::valueChanged, this, &TfrmSupply::WaterTempChange);
}

bool TfrmSupply::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    // While the user types, the timer and the dump tank display leave the
    // field alone.
    if (watched == EdSrcStaticPsi) staticEditing_ = true;
    if (watched == EditDumpTankCapacityGals) dumpCapacityEditing_ = true;
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmSupply::Fill(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  filled_[edit] = text;
}

QString TfrmSupply::ShownText(SupplySetting setting) const {
  double stored = 0;
  switch (setting) {
    case SupplySetting::StaticPress:
      stored = s_.Supply.StaticPress;
      break;
    case SupplySetting::Elevation:
      stored = s_.Discharges[kIntakeLine].PumpEndElev;
      break;
    case SupplySetting::Altitude:
      stored = s_.Supply.Altitude;
      break;
    case SupplySetting::TankCapacity:
      stored = s_.Tank.Capacity;
      break;
    case SupplySetting::TankHeight:
      stored = s_.Tank.Height;
      break;
    case SupplySetting::DumpTankCapacity:
      stored = s_.DraftSource.Capacity;
      break;
    default:
      return {};
  }
  FieldFormat f = FormatOf(setting);
  return Fixed(ToDisplay(cfg_.Units, f.quantity, stored), f.decimals);
}

double TfrmSupply::EntryValue(SupplySetting setting, double typed) const {
  return FromEntry(cfg_.Units, FormatOf(setting).quantity, typed);
}

bool TfrmSupply::TypedNumber(QLineEdit* edit, double& value, const QString& storedText) {
  try {
    value = ReadNumber(edit->text().toStdString());
    return true;
  } catch (const NumberFormatError& error) {
    // The field shows the stored value again before the box takes the focus.
    Fill(edit, storedText);
    host_.Message(MsgType::Error, Buttons::Ok, error.what());
    return false;
  }
}

bool TfrmSupply::Refused(const SupplyCommit& commit) {
  if (commit.Stored) return false;
  if (!commit.Message.empty()) host_.Message(MsgType::Error, Buttons::Ok, commit.Message);
  return true;
}

void TfrmSupply::CommitField(QLineEdit* edit, SupplySetting setting) {
  if (initialising_ || committing_) return;
  CommitFieldNow(edit, setting);
}

void TfrmSupply::CommitFieldNow(QLineEdit* edit, SupplySetting setting) {
  if (setting == SupplySetting::StaticPress) staticEditing_ = false;
  if (setting == SupplySetting::DumpTankCapacity) dumpCapacityEditing_ = false;
  const QString stored = ShownText(setting);
  auto it = filled_.find(edit);
  // A text as the window filled it in commits nothing: switching tabs never
  // resets the tank.
  if (it != filled_.end() && it->second == edit->text()) return;
  if (edit->text().trimmed().isEmpty()) {
    Fill(edit, stored);
    return;
  }
  committing_ = true;
  double typed = 0;
  if (TypedNumber(edit, typed, stored)) {
    SupplyCommit commit = CommitSupplySetting(s_, setting, EntryValue(setting, typed),
                                              run_.SimActive, host_, cfg_.Units);
    Refused(commit);
  }
  Fill(edit, ShownText(setting));
  committing_ = false;
  RefreshRating();
  RefreshPictures();
  RefreshDraftSource();
}

void TfrmSupply::FormDeactivate() {
  if (initialising_ || committing_) return;
  CommitFieldNow(EdSrcStaticPsi, SupplySetting::StaticPress);
  CommitFieldNow(EditSplyElev, SupplySetting::Elevation);
  CommitFieldNow(EditAltitude, SupplySetting::Altitude);
  if (s_.Supply.SupplyType == kSupplyDraft && !PnlDraftTankSpecs->isHidden())
    CommitFieldNow(EditDumpTankCapacityGals, SupplySetting::DumpTankCapacity);
  CommitFieldNow(EdTankCapacityGall, SupplySetting::TankCapacity);
}

void TfrmSupply::RefreshCaptions() {
  const DisplayUnits& u = cfg_.Units;
  const QString psi = QString::fromStdString(u.Label[kUnitPressure]);
  const QString ft = QString::fromStdString(u.Label[kUnitLength]);
  const QString gal = QString::fromStdString(u.Label[kUnitVolume]);
  LblStaticPsi->setText("Static " + psi);
  LblElevation->setText("elevation (" + ft + ")");
  LblTankCapacity->setText("tank capacity (" + gal + ")");
  LblTankHt->setText("tank height (" + ft + ")");
  LblAltitude->setText("altitude (" + ft + ")");
  LblWaterTemp->setText("temp (" + QString::fromStdString(u.TempLabel) + ")");
  LblNewPsiShiftSupply->setText("(" + psi + ")");
  LblHSuctionPsi->setText("(" + psi + ")");
  LblDumpTankGalsStr->setText("(" + gal + ")");
  LblGalsRemainingStr->setText(gal);
  LblTenderGals->setText(gal);
}

void TfrmSupply::RefreshRating() {
  const DisplayUnits& u = cfg_.Units;
  if (s_.Supply.SupplyType == kSupplyHydrant) CalcHydrantCoefficients(s_);
  const QString flowUnit = QString::fromStdString(u.Label[kUnitFlow]);
  LblRatedSupplyGpm->setText(Fixed(ToDisplay(u, kUnitFlow, s_.Supply.RatedSupplyFlow), 0) + "  " +
                             flowUnit);
  LblHydrantRatingFlow->setText("rating        " + flowUnit);
  QRadioButton* classes[] = {RadioClassAA, RadioClassA, RadioClassB, RadioClassC};
  const HydrantClass c = HydrantClassOf(s_.Supply.RatedSupplyFlow);
  for (int i = 0; i < 4; ++i) {
    classes[i]->setText(HydrantClassCaption(HydrantClass(i), u.Metric));
    classes[i]->setChecked(i == c);
  }
  std::optional<double> avail = AvailableFlowAt20(s_);
  if (avail && s_.Supply.SupplyType == kSupplyHydrant) {
    const int pd = PressureDecimals(u);
    LblAvailFlow->setText(
        "available at " + Fixed(ToDisplay(u, kUnitPressure, kAvailableFlowResidual), pd) + " " +
        QString::fromStdString(u.Label[kUnitPressure]) +
        " residual: " + Fixed(ToDisplay(u, kUnitFlow, *avail), 0) + " " + flowUnit);
  } else {
    LblAvailFlow->setText(QString::fromUtf8("\u2013"));
  }
}

void TfrmSupply::RefreshPictures() {
  const int type = s_.Supply.SupplyType;
  const std::string name = SupplyPictureName(s_);
  if (name.empty()) {
    ImgSupply->hide();
    return;
  }
  // Without a library there are no pictures to show (nor to miss).
  if (misc_) ImgSupply->setPixmap(pictures_.Get(name));
  ImgSupply->setProperty("Tag", type);
  ImgSupply->setProperty("Picture", QString::fromStdString(name));
  ImgSupply->show();
  const TDischargeRec& line = s_.Discharges[kIntakeLine];
  if (misc_ && ImageSupplyHose->property("Tag") != QVariant(type)) {
    ImageSupplyHose->setPixmap(pictures_.Get(LayoutPictureName(s_, kIntakeLine, line.Layout)));
    ImageSupplyHose->setProperty("Tag", type);
  }
}

void TfrmSupply::RefreshDraftSource() {
  const DisplayUnits& u = cfg_.Units;
  const TDraftSourceRec& d = s_.DraftSource;
  const int source = s_.Supply.FiniteDraftSource;
  RadioUnlimited->setChecked(source == 0);
  RadioSwimmingPool->setChecked(source == 1);
  RadioDumpTank->setChecked(source == 2);
  PnlDraftTankSpecs->setVisible(source != 0);
  RadioStartFull->setChecked(d.StartFull);
  RadioStartEmpty->setChecked(!d.StartFull);
  LblDumpTankGals->setText(Fixed(ToDisplay(u, kUnitVolume, d.Volume), 0));
  if (!dumpCapacityEditing_)
    Fill(EditDumpTankCapacityGals, ShownText(SupplySetting::DumpTankCapacity));
  const int inner = ShapeOuterBox->height() - 10;
  const double fraction = d.Capacity > 0 ? std::clamp<double>(d.Volume / d.Capacity, 0, 1) : 0;
  const int h = static_cast<int>(std::lround(fraction * inner));
  ShapeWaterRemaining->setGeometry(1, ShapeOuterBox->height() - 1 - h, ShapeOuterBox->width() - 2,
                                   h);
}

void TfrmSupply::Refresh() {
  refreshing_ = true;
  RefreshCaptions();
  const int type = s_.Supply.SupplyType;
  RefreshPictures();
  PanelIncidents->setVisible(type != kSupplyDraft);
  PanelDraftIncidents->setVisible(type == kSupplyDraft);
  PnlHydrantSource->setVisible(type == kSupplyHydrant);
  PnlDraftSources->setVisible(type == kSupplyDraft);
  PnlRelay->setVisible(type == kSupplyRelay);
  Fill(EdTankHt, ShownText(SupplySetting::TankHeight));
  Fill(EdTankCapacityGall, ShownText(SupplySetting::TankCapacity));
  Fill(EdSrcStaticPsi, ShownText(SupplySetting::StaticPress));
  RefreshRating();
  EdSrcStaticPsi->setEnabled(type != kSupplyDraft);
  Fill(EditSplyElev, ShownText(SupplySetting::Elevation));
  Fill(EditAltitude, ShownText(SupplySetting::Altitude));
  SpinEditWaterTemp->setValue(
      static_cast<int>(std::lround(TempToDisplay(cfg_.Units, std::trunc(s_.Supply.WaterTemp)))));
  const TDischargeRec& line = s_.Discharges[kIntakeLine];
  LblHose->setText(
      QString::fromStdString(HoseDescription(cfg_.Units, line.HoseLength, line.HoseDiam)));
  const int state = s_.Tank.LevelState;
  if (state >= 0 && state <= 4) {
    TankStateButtons->button(4 - state)->setChecked(true);
  } else {
    host_.Message(MsgType::Information, Buttons::Ok, "Tank full state not initialized.");
  }
  CBoxSupplyType->setCurrentIndex(type <= kSupplyRelay ? type : -1);
  RefreshDraftSource();
  refreshing_ = false;
  Timer1Timer();
}

void TfrmSupply::TypeChange(int index) {
  if (index < 0 || index > kSupplyRelay) return;
  ChangeSupplyType(s_, index, cfg_.Sim.HoseFriction, host_);
  if (index != kSupplyDraft) {
    for (QFrame* p : {PnlLossPrime, PnlTenderSetup, PanelHSuctCollapsing}) p->hide();
    for (QFrame* p : {PanelLineRupture, PanelLoseSupply, PnlFluctuatingSupply}) p->hide();
  } else {
    for (QFrame* p : {PanelLineRupture, PanelLoseSupply, PnlFluctuatingSupply}) p->hide();
  }
  // The follow-up of the new supply: line, tank, vacuum limit, source.
  UpdateTank(s_, !run_.SimActive, host_);
  UpdateAltitude(s_);
  ResetDraftSource(s_, run_.SimActive);
  host_.RefreshPanelDisplays();
  ImageSupplyHose->setProperty("Tag", QVariant());
  Refresh();
}

void TfrmSupply::RatedFlowStep(int direction) {
  StepRatedFlow(s_, direction);
  RefreshRating();
  RefreshPictures();
}

void TfrmSupply::BitBtnChangeSupplyHoseClick() {
  if (initialising_) return;
  currentLine_ = kIntakeLine;
  {
    TfrmHSetup setup(s_, cfg_, kIntakeLine, host_, misc_, this);
    setup.exec();
  }
  ImageSupplyHose->setProperty("Tag", QVariant());
  Refresh();
}

void TfrmSupply::TankStateClick(int id) {
  if (initialising_) return;
  CommitSupplySetting(s_, SupplySetting::TankState, 4 - id, run_.SimActive, host_);
}

void TfrmSupply::WaterTempChange(int value) {
  if (initialising_ || refreshing_ || value < 0) return;
  CommitSupplySetting(s_, SupplySetting::WaterTemp, TempFromEntry(cfg_.Units, value),
                      run_.SimActive, host_);
}

void TfrmSupply::DraftSourceClick(int source) {
  CommitSupplySetting(s_, SupplySetting::DraftSource, source, run_.SimActive, host_);
  // The tender's controls follow the source at once.
  Timer1Timer();
}

void TfrmSupply::StartFullClick(bool full) {
  CommitSupplySetting(s_, SupplySetting::StartFull, full ? 1 : 0, run_.SimActive, host_);
  RefreshDraftSource();
}

void TfrmSupply::Timer1Timer() {
  const DisplayUnits& u = cfg_.Units;
  const int type = s_.Supply.SupplyType;
  if (type == kSupplyHydrant) {
    PnlDraftSources->hide();
    PnlRelay->hide();
    PnlHydrantSource->show();
    LblResidDescr->setVisible(run_.SimActive);
    LblResidualPsi->setVisible(run_.SimActive);
    if (run_.SimActive)
      LblResidualPsi->setText(Fixed(ToDisplay(u, kUnitPressure, s_.Supply.ResidualPress), 1) +
                              "  " + QString::fromStdString(u.Label[kUnitPressure]));
  } else if (type == kSupplyRelay) {
    PnlDraftSources->hide();
    PnlHydrantSource->hide();
    PnlRelay->show();
  }
  if (type == kSupplyDraft) {
    PnlDraftSources->show();
    ChkBoxUseLossPrime->setChecked(s_.Incidents[kIncidentLossOfPrime].Use);
    ChkBoxUseHardSuctionCollapse->setChecked(s_.Incidents[kIncidentHardSuctionCollapse].Use);
    const bool dumpTank = s_.Supply.FiniteDraftSource == 2;
    RefreshDraftSource();
    ChkBoxUseTender->setEnabled(dumpTank);
    BitBtnTenderSetup->setEnabled(dumpTank);
    ChkBoxUseTender->setChecked(dumpTank && s_.Tender.Use);
    LblNextArriveTimeDescr->setVisible(ChkBoxUseTender->isChecked());
    LblNextArriveMins->setVisible(ChkBoxUseTender->isChecked());
    LblNextArriveMins->setText(IncidentTimeSet(s_.Tender.NextArrival)
                                   ? QString::fromStdString(IncidentTimeText(s_.Tender.NextArrival))
                                   : QString("not defined"));
  } else {
    ChkBoxUseSplyFluctuates->setChecked(s_.Incidents[kIncidentFluctuatingSupply].Use);
    CheckBoxShiftingSupply->setChecked(s_.Incidents[kIncidentShiftingSupply].Use);
    CheckBoxUseLineRupture->setChecked(s_.Incidents[kIncidentLineRupture].Use);
    CheckBoxKinkInLine->setChecked(s_.Incidents[kIncidentKink].Use);
    RefreshFluctuationStyle();
    if (run_.SimActive && !staticEditing_)
      Fill(EdSrcStaticPsi, ShownText(SupplySetting::StaticPress));
  }
}

void TfrmSupply::RefreshFluctuationStyle() {
  const TIncidentRec& f = s_.Incidents[kIncidentFluctuatingSupply];
  LblSplyFluctsStyle->setVisible(f.Use);
  if (!IncidentTimeSet(f.StartTime()))
    LblSplyFluctsStyle->setText("not defined");
  else
    LblSplyFluctsStyle->setText(f.FluctType == 2 ? "sporadic" : "continuous");
  LblPeriodOrSporadicID->setText(f.FluctType == 2 ? "mean time" : "period");
}

}  // namespace pumpdrill
