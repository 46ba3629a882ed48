#include "setup/gui/frm_frict.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "frame/text_values.h"
#include "sim/coefficients.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

QString Fixed(double value, int decimals) {
  return QString::fromStdString(FixedText(value, decimals));
}

QString Label(const Configuration& cfg, int quantity) {
  return QString::fromStdString(cfg.Units.Label[quantity]);
}

}  // namespace

TfrmFrict::TfrmFrict(State& s, Configuration& cfg, int currentLine, Host& host,
                     std::string iniFile, QWidget* parent)
    : QDialog(parent), s_(s), cfg_(cfg), host_(host), iniFile_(std::move(iniFile)) {
  // FormCreate: the calculator starts from the current line's hose.
  initialising_ = true;
  setObjectName("frmFrict");
  setWindowTitle("Hose Friction Loss Adjustment");
  setModal(true);
  BuildControls();
  calc_.Start(s_, cfg_.Sim, currentLine, host_);
}

void TfrmFrict::BuildControls() {
  PanelHose = new QGroupBox(this);

  LblHDiam = new QLabel("hose diameter (inch)", PanelHose);
  CBoxHDiam = new QComboBox(PanelHose);
  CBoxHDiam->setObjectName("CBoxHDiam");
  CBoxHDiam->setEditable(true);
  CBoxHDiam->setInsertPolicy(QComboBox::NoInsert);
  for (const char* d : {"1", "1-1/2", "1-3/4", "2", "2-1/2", "3", "4", "5", "6"}) {
    CBoxHDiam->addItem(d);
  }
  LblCurrFlow = new QLabel("current flow (gpm)", PanelHose);
  EditCurrFlow = new QLineEdit(PanelHose);
  EditCurrFlow->setObjectName("EditCurrFlow");
  auto* entries = new QVBoxLayout;
  entries->addWidget(LblHDiam);
  entries->addWidget(CBoxHDiam);
  entries->addSpacing(8);
  entries->addWidget(LblCurrFlow);
  entries->addWidget(EditCurrFlow);
  entries->addStretch(1);

  RadioHMaterialType = new QGroupBox(PanelHose);
  RadioHMaterialType->setObjectName("RadioHMaterialType");
  auto* material = new QVBoxLayout(RadioHMaterialType);
  RadioSoftSleeve = new QRadioButton("soft sleeve", RadioHMaterialType);
  RadioRigidPipe = new QRadioButton("rigid pipe", RadioHMaterialType);
  RadioHardSuction = new QRadioButton("hard suction", RadioHMaterialType);
  for (QRadioButton* r : {RadioSoftSleeve, RadioRigidPipe, RadioHardSuction}) {
    material->addWidget(r);
  }
  // The material is shown from the line, never written back.
  RadioHMaterialType->setEnabled(false);

  LblFrictionLoss = new QLabel("Friction Loss", PanelHose);
  QFont bold = LblFrictionLoss->font();
  bold.setBold(true);
  LblFrictionLoss->setFont(bold);
  EditPsiLoss = new QLineEdit(PanelHose);
  EditPsiLoss->setObjectName("EditPsiLoss");
  EditPsiLoss->setToolTip("determines friction coefficient");
  EditPsiLoss->setMaximumWidth(110);
  LblPsiLossUnit = new QLabel("psi", PanelHose);
  LblPer100Ft = new QLabel("per  100  ft  of hose", PanelHose);
  LblAtGivenFlow = new QLabel("(at given flow)", PanelHose);
  auto* loss = new QGridLayout;
  loss->addWidget(LblFrictionLoss, 0, 0, 1, 3);
  loss->addWidget(EditPsiLoss, 1, 0);
  loss->addWidget(LblPsiLossUnit, 1, 1);
  loss->addWidget(LblPer100Ft, 1, 2);
  loss->addWidget(LblAtGivenFlow, 2, 2);
  loss->setColumnStretch(3, 1);

  auto* top = new QHBoxLayout;
  top->addLayout(entries, 1);
  top->addWidget(RadioHMaterialType, 0, Qt::AlignTop);
  auto* hose = new QVBoxLayout(PanelHose);
  hose->addLayout(top);
  hose->addSpacing(10);
  hose->addLayout(loss);

  PanelCoeff = new QGroupBox(this);
  auto* coeff = new QVBoxLayout(PanelCoeff);
  LblCHz = new QLabel(PanelCoeff);
  LblCHz->setObjectName("LblCHz");
  QFont big = LblCHz->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  big.setBold(true);
  LblCHz->setFont(big);
  LblCHz->setAlignment(Qt::AlignCenter);
  LblCHz->setFrameShape(QFrame::Panel);
  LblCHz->setFrameShadow(QFrame::Sunken);
  LblCHz->setMinimumWidth(100);
  LblCoefficient = new QLabel("coefficient", PanelCoeff);
  LblCoefficient->setAlignment(Qt::AlignCenter);
  LblTypically = new QLabel("typically [120-160]", PanelCoeff);
  LblTypically->setAlignment(Qt::AlignCenter);
  BitBtnSaveCoeff = new QPushButton("Save", PanelCoeff);
  BitBtnSaveCoeff->setObjectName("BitBtnSaveCoeff");
  BitBtnSaveCoeff->setAutoDefault(false);
  coeff->addWidget(LblCHz);
  coeff->addWidget(LblCoefficient);
  coeff->addWidget(LblTypically);
  coeff->addStretch(1);
  coeff->addWidget(BitBtnSaveCoeff);

  BtnClose = new QPushButton("Close", this);
  BtnClose->setObjectName("BtnClose");
  BtnClose->setAutoDefault(false);

  auto* panels = new QHBoxLayout;
  panels->addWidget(PanelHose, 1);
  panels->addWidget(PanelCoeff);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtnClose);
  auto* all = new QVBoxLayout(this);
  all->addLayout(panels);
  all->addLayout(buttons);

  connect(EditPsiLoss, &QLineEdit::returnPressed, this, &TfrmFrict::EditPsiLossEnter);
  connect(EditCurrFlow, &QLineEdit::returnPressed, this, &TfrmFrict::EditCurrFlowEnter);
  connect(CBoxHDiam, qOverload<int>(&QComboBox::activated), this, &TfrmFrict::CBoxHDiamPick);
  connect(CBoxHDiam->lineEdit(), &QLineEdit::returnPressed, this, &TfrmFrict::CBoxHDiamPick);
  connect(BitBtnSaveCoeff, &QPushButton::clicked, this, &TfrmFrict::BitBtnSaveCoeffClick);
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmFrict::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  // FormActivate: the diameter list of the current display system, then the
  // display.
  FillDiameterList();
  Refresh();
  initialising_ = false;
}

void TfrmFrict::FillDiameterList() {
  const auto& list = cfg_.Units.Metric ? cfg_.HoseDiamMetric : cfg_.HoseDiamEnglish;
  CBoxHDiam->blockSignals(true);
  CBoxHDiam->clear();
  for (const auto& item : list) CBoxHDiam->addItem(QString::fromStdString(item));
  CBoxHDiam->blockSignals(false);
}

void TfrmFrict::Refresh() {
  LblHDiam->setText("hose diameter (" + Label(cfg_, kUnitDiameter) + ")");
  LblCurrFlow->setText("current flow (" + Label(cfg_, kUnitFlow) + ")");
  LblPsiLossUnit->setText(Label(cfg_, kUnitPressure));
  EditCurrFlow->setText(Fixed(ToDisplay(cfg_.Units, kUnitFlow, calc_.FlowGpm), 0));

  // The diameter: the list entry within a hundredth of an inch (a
  // millimetre in metric), else the value typed into the box.
  double shown = ToDisplay(cfg_.Units, kUnitDiameter, calc_.DiamInches);
  double tolerance = cfg_.Units.Metric ? 1.0 : 0.01;
  int match = -1;
  for (int i = 0; i < CBoxHDiam->count(); ++i) {
    EntryValue entry = TextToDiameter(CBoxHDiam->itemText(i).toStdString());
    if (entry.ErrorCode == kErrNone && std::fabs(entry.Value - shown) <= tolerance) {
      match = i;
      break;
    }
  }
  CBoxHDiam->blockSignals(true);
  if (match >= 0) {
    CBoxHDiam->setCurrentIndex(match);
  } else {
    CBoxHDiam->setCurrentIndex(-1);
    CBoxHDiam->setEditText(QString::fromStdString(DiameterToText(shown, cfg_.Units.Metric).Text));
  }
  CBoxHDiam->blockSignals(false);

  for (auto [radio, kind] : {std::pair{RadioSoftSleeve, 0}, {RadioRigidPipe, 1},
                             {RadioHardSuction, 2}}) {
    radio->setChecked(calc_.Material == kind);
  }

  EditPsiLoss->setText(Fixed(ToDisplay(cfg_.Units, kUnitPressure, calc_.LossPsi), 2));
  calc_.CFromLoss(host_);
  LblCHz->setText(Fixed(calc_.C, 0));
}

bool TfrmFrict::EnteredNumber(QLineEdit* edit, double& value) {
  std::optional<double> v = TryReadNumber(edit->text().toStdString());
  if (!v || !(*v > 0)) {
    host_.Message(MsgType::Warning, Buttons::Ok, ErrorCodeText(kErrInvalidValue));
    Refresh();  // the field shows the value in use again
    return false;
  }
  value = *v;
  return true;
}

void TfrmFrict::EditPsiLossEnter() {
  double v = 0;
  if (!EnteredNumber(EditPsiLoss, v)) return;
  calc_.LossPsi = FromEntry(cfg_.Units, kUnitPressure, v);
  Refresh();
}

void TfrmFrict::EditCurrFlowEnter() {
  double v = 0;
  if (!EnteredNumber(EditCurrFlow, v)) return;
  calc_.FlowGpm = FromEntry(cfg_.Units, kUnitFlow, v);
  Refresh();
}

void TfrmFrict::CBoxHDiamPick() {
  EntryValue v = TextToDiameter(CBoxHDiam->currentText().toStdString());
  if (v.ErrorCode != kErrNone || !(v.Value > 0)) {
    int code = v.ErrorCode != kErrNone ? v.ErrorCode : kErrInvalidValue;
    host_.Message(MsgType::Warning, Buttons::Ok, ErrorCodeText(code));
    Refresh();
    return;
  }
  calc_.PickDiameter(cfg_.Sim, FromEntry(cfg_.Units, kUnitDiameter, v.Value), host_);
  Refresh();
}

void TfrmFrict::BitBtnSaveCoeffClick() {
  if (!StoreHoseFriction(cfg_, calc_.DiamInches, calc_.C)) return;
  ConfigReport r = WriteIniList(iniFile_, kSectionHoseFriction, cfg_.HoseFriction);
  if (!r.Ok) {
    std::string text = "The hose friction coefficients could not be saved.";
    for (const auto& p : r.Problems) text += "\n" + p;
    host_.Message(MsgType::Error, Buttons::Ok, text);
  }
}

void TfrmFrict::done(int result) {
  // FormClose: every line in use is recomputed.
  if (!initialising_) UpdateLinesInUseCoefficients(s_, host_);
  QDialog::done(result);
}

}  // namespace pumpdrill
