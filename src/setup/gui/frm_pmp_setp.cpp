#include "setup/gui/frm_pmp_setp.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

#include "frame/configuration.h"
#include "frame/text_values.h"
#include "setup/gui/incident_time_edit.h"
#include "setup/gui/setup_labels.h"
#include "setup/incident_time.h"
#include "setup/pump_setup.h"
#include "sim/incidents.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

using setup_ui::Caption;
using setup_ui::Panel;
using setup_ui::Title;

// Spinners commit at each arrow step and when typing ends with Enter or by
// leaving the field, never at each typed digit.
template <class Spin>
Spin* Spinner(QWidget* parent, const char* name, double min, double max) {
  auto* spin = new Spin(parent);
  spin->setObjectName(name);
  spin->setKeyboardTracking(false);
  spin->setRange(min, max);
  spin->setAlignment(Qt::AlignRight);
  spin->setMinimumWidth(70);
  return spin;
}

// A grid of captions and fields with the window's spacing.
QGridLayout* Grid(QWidget* parent) {
  auto* grid = new QGridLayout(parent);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  return grid;
}

// The values at the ends of an axis with its unit between them: a column
// beside the graph or a row under it.
QBoxLayout* Scale(QBoxLayout::Direction direction, QLabel* first, QWidget* unit, QLabel* last) {
  auto* scale = new QBoxLayout(direction);
  bool column = direction == QBoxLayout::TopToBottom;
  scale->addWidget(first, 0, column ? Qt::AlignRight | Qt::AlignTop : Qt::Alignment());
  scale->addStretch(1);
  scale->addWidget(unit, 0, column ? Qt::AlignRight : Qt::AlignHCenter);
  scale->addStretch(1);
  scale->addWidget(last, 0, column ? Qt::AlignRight | Qt::AlignBottom : Qt::Alignment());
  return scale;
}

// A graph box with its title above it and its pressure scale to its left;
// the rows under it are added by the caller from row 2 on.
QGridLayout* GraphGrid(QLabel* title, QLayout* pressureScale, QWidget* box) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  grid->addWidget(title, 0, 1, Qt::AlignHCenter);
  grid->addLayout(pressureScale, 1, 0);
  grid->addWidget(box, 1, 1);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(1, 1);
  return grid;
}

QLineEdit* Edit(QWidget* parent, const char* name, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(width);
  return edit;
}

}  // namespace

TfrmPmpSetp::TfrmPmpSetp(State& s, const Configuration& cfg, const RunContext& run, Host& host,
                         QWidget* parent)
    : QWidget(parent), s_(s), cfg_(cfg), run_(run), host_(host) {
  // FormCreate: nothing is committed until the first refresh is over.
  initialising_ = true;
  setObjectName("frmPmpSetp");
  setWindowTitle("Pump and Engine Setup");
  BuildUpper();
  BuildSubPanels();
  BuildLower();
  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(6, 6, 6, 6);
  all->setSpacing(6);
  all->addWidget(PnlUpper);
  all->addWidget(PnlLower, 1);
  // Shown by the first activation, once they hold the state.
  PnlUpper->hide();
  PnlLower->hide();
  Connect();
}

TfrmPmpSetp::~TfrmPmpSetp() {
  // An oil-pressure loss without a time cannot happen: it is switched off.
  ClearUnsetOilLoss(s_);
}

void TfrmPmpSetp::BuildUpper() {
  PnlUpper = Panel(this, "PnlUpper");

  auto* pump = new QGridLayout;
  pump->setHorizontalSpacing(8);
  pump->setVerticalSpacing(6);
  CBoxPumpEngRatio = new QComboBox(PnlUpper);
  CBoxPumpEngRatio->setObjectName("CBoxPumpEngRatio");
  CBoxPumpEngRatio->setEditable(true);
  CBoxPumpEngRatio->setInsertPolicy(QComboBox::NoInsert);
  // The items in the user's decimal separator.
  QChar separator = QChar::fromLatin1(LocaleDecimalSeparator());
  for (const char* item : kGearRatioItems) CBoxPumpEngRatio->addItem(QString(item).replace('.', separator));
  CBoxPumpEngRatio->setFixedWidth(80);
  EditEngIdleRpm = Edit(PnlUpper, "EditEngIdleRpm", 80);
  LblCapacity = Caption("Capacity: (gpm)", PnlUpper, "LblCapacity");
  CBoxCapacity = new QComboBox(PnlUpper);
  CBoxCapacity->setObjectName("CBoxCapacity");
  CBoxCapacity->setEditable(false);
  CBoxCapacity->setFixedWidth(80);
  SpinFlowEfficiency = Spinner<QSpinBox>(PnlUpper, "SpinFlowEfficiency", 0, 100);
  SpinFlowEfficiency->setFixedWidth(80);
  pump->addWidget(Title("Pump and Engine", PnlUpper), 0, 0, 1, 2);
  pump->addWidget(Caption("pump / engine ratio", PnlUpper), 1, 0);
  pump->addWidget(CBoxPumpEngRatio, 1, 1);
  pump->addWidget(Caption("engine idle (rpm)", PnlUpper), 2, 0);
  pump->addWidget(EditEngIdleRpm, 2, 1);
  pump->addWidget(LblCapacity, 3, 0);
  pump->addWidget(CBoxCapacity, 3, 1);
  pump->addWidget(Caption("flow efficiency (%)", PnlUpper), 4, 0);
  pump->addWidget(SpinFlowEfficiency, 4, 1);
  pump->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 5, 0);

  auto* stages = new QVBoxLayout;
  stages->setSpacing(4);
  RadioBtnSingleStage = new QRadioButton("Single Stage", PnlUpper);
  RadioBtnSingleStage->setObjectName("RadioBtnSingleStage");
  RadioBtn2Stage = new QRadioButton("Two Stage", PnlUpper);
  RadioBtn2Stage->setObjectName("RadioBtn2Stage");
  auto* stageGroup = new QButtonGroup(this);
  stageGroup->addButton(RadioBtnSingleStage);
  stageGroup->addButton(RadioBtn2Stage);
  Bevel2Stage = new QFrame(PnlUpper);
  Bevel2Stage->setObjectName("Bevel2Stage");
  Bevel2Stage->setFrameShape(QFrame::HLine);
  Bevel2Stage->setFrameShadow(QFrame::Sunken);
  Panel2Stage = new QFrame(PnlUpper);
  Panel2Stage->setObjectName("Panel2Stage");
  auto* modes = new QVBoxLayout(Panel2Stage);
  modes->setContentsMargins(12, 0, 0, 0);
  modes->setSpacing(4);
  RadioBtnPress = new QRadioButton("Pressure (series)", Panel2Stage);
  RadioBtnPress->setObjectName("RadioBtnPress");
  RadioBtnVol = new QRadioButton("Volume (parallel)", Panel2Stage);
  RadioBtnVol->setObjectName("RadioBtnVol");
  auto* modeGroup = new QButtonGroup(this);
  modeGroup->addButton(RadioBtnPress);
  modeGroup->addButton(RadioBtnVol);
  modes->addWidget(RadioBtnPress);
  modes->addWidget(RadioBtnVol);
  stages->addWidget(Title("Stages", PnlUpper));
  stages->addWidget(RadioBtnSingleStage);
  stages->addWidget(RadioBtn2Stage);
  stages->addWidget(Bevel2Stage);
  stages->addWidget(Panel2Stage);
  stages->addStretch(1);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(4);
  BitBtnPrimerSetup = new QPushButton("Primer Setup", PnlUpper);
  BitBtnPrimerSetup->setObjectName("BitBtnPrimerSetup");
  Button1 = new QPushButton("Oil", PnlUpper);
  Button1->setObjectName("Button1");
  Button2 = new QPushButton("Coolant", PnlUpper);
  Button2->setObjectName("Button2");
  for (QPushButton* b : {BitBtnPrimerSetup, Button1, Button2}) {
    b->setAutoDefault(false);
    b->setMinimumWidth(96);
    buttons->addWidget(b);
  }
  buttons->addStretch(1);

  auto* upper = new QHBoxLayout(PnlUpper);
  upper->setContentsMargins(10, 8, 10, 8);
  upper->setSpacing(16);
  upper->addLayout(pump);
  upper->addLayout(stages);
  upper->addLayout(buttons);
  // The sub-panels' one place, filled in BuildSubPanels.
  auto* place = new QGridLayout;
  place->setObjectName("SubPanelPlace");
  upper->addLayout(place);
  upper->addStretch(1);
  PnlUpper->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

void TfrmPmpSetp::BuildSubPanels() {
  auto* place = PnlUpper->findChild<QGridLayout*>("SubPanelPlace");

  PnlPrimerSetup = Panel(PnlUpper, "PnlPrimerSetup");
  EditPrimerPumpRate = Edit(PnlPrimerSetup, "EditPrimerPumpRate", 80);
  ChkMustBeClosed = new QCheckBox("discharge valves must be closed to prime", PnlPrimerSetup);
  ChkMustBeClosed->setObjectName("ChkMustBeClosed");
  SpinEditPrimerOilPercent = Spinner<QSpinBox>(PnlPrimerSetup, "SpinEditPrimerOilPercent", 0, 100);
  auto* primer = Grid(PnlPrimerSetup);
  primer->addWidget(Title("Primer", PnlPrimerSetup), 0, 0, 1, 3);
  primer->addWidget(Caption("rate (cu ft / sec)", PnlPrimerSetup), 1, 0);
  primer->addWidget(EditPrimerPumpRate, 1, 1);
  primer->addWidget(ChkMustBeClosed, 2, 0, 1, 3);
  primer->addWidget(Caption("oil reservoir", PnlPrimerSetup), 3, 0);
  primer->addWidget(SpinEditPrimerOilPercent, 3, 1);
  primer->addWidget(Caption("% full", PnlPrimerSetup), 3, 2);
  primer->setColumnStretch(3, 1);
  primer->setRowStretch(4, 1);

  PnlEngineOil = Panel(PnlUpper, "PnlEngineOil");
  SpinEditEngOilPsi = Spinner<QDoubleSpinBox>(PnlEngineOil, "SpinEditEngOilPsi", 0, 10000);
  SpinEditOilPLt = Spinner<QDoubleSpinBox>(PnlEngineOil, "SpinEditOilPLt", 0, 10000);
  LblOilPsiUnits = Caption("psi", PnlEngineOil, "LblOilPsiUnits");
  CheckBoxUseLoseOilPress = new QCheckBox("lose oil pressure at", PnlEngineOil);
  CheckBoxUseLoseOilPress->setObjectName("CheckBoxUseLoseOilPress");
  EditTOilPressLoss = NewIncidentTimeEdit(PnlEngineOil, "EditTOilPressLoss");
  auto* oil = Grid(PnlEngineOil);
  oil->addWidget(Title("Engine Oil", PnlEngineOil), 0, 0, 1, 3);
  oil->addWidget(Caption("initial pressure", PnlEngineOil), 1, 0);
  oil->addWidget(SpinEditEngOilPsi, 1, 1);
  oil->addWidget(LblOilPsiUnits, 1, 2);
  oil->addWidget(Caption("warning light below", PnlEngineOil), 2, 0);
  oil->addWidget(SpinEditOilPLt, 2, 1);
  oil->addWidget(CheckBoxUseLoseOilPress, 3, 0);
  oil->addWidget(EditTOilPressLoss, 3, 1, Qt::AlignLeft);
  oil->addWidget(Caption("min:sec", PnlEngineOil), 3, 2);
  oil->setColumnStretch(3, 1);
  oil->setRowStretch(4, 1);

  PnlEngineCoolant = Panel(PnlUpper, "PnlEngineCoolant");
  SpinEditEngCoolantTemp = Spinner<QSpinBox>(PnlEngineCoolant, "SpinEditEngCoolantTemp", 40, 400);
  SpinEditTempLt = Spinner<QSpinBox>(PnlEngineCoolant, "SpinEditTempLt", 0, 10000);
  for (QSpinBox* spin : {SpinEditEngCoolantTemp, SpinEditTempLt}) spin->setSingleStep(5);
  LblCoolantTemp = Caption("deg F", PnlEngineCoolant, "LblCoolantTemp");
  auto* coolant = Grid(PnlEngineCoolant);
  coolant->addWidget(Title("Engine Coolant", PnlEngineCoolant), 0, 0, 1, 3);
  coolant->addWidget(Caption("initial temperature", PnlEngineCoolant), 1, 0);
  coolant->addWidget(SpinEditEngCoolantTemp, 1, 1);
  coolant->addWidget(LblCoolantTemp, 1, 2);
  coolant->addWidget(Caption("warning light above", PnlEngineCoolant), 2, 0);
  coolant->addWidget(SpinEditTempLt, 2, 1);
  coolant->setColumnStretch(3, 1);
  coolant->setRowStretch(3, 1);

  // One place, at most one of them shown; a click on a panel (or on a label
  // of the oil and coolant panels) closes it.
  for (QFrame* panel : {PnlPrimerSetup, PnlEngineOil, PnlEngineCoolant}) {
    place->addWidget(panel, 0, 0);
    panel->hide();
    panel->installEventFilter(this);
  }
  for (QFrame* panel : {PnlEngineOil, PnlEngineCoolant})
    for (QLabel* label : panel->findChildren<QLabel*>()) label->installEventFilter(this);
}

void TfrmPmpSetp::BuildLower() {
  PnlLower = Panel(this, "PnlLower");

  // Speed graph: the no-flow pressure from idle to the reference speed.
  LblRpmPsiTitle = Title("RPM  vs  PSI  (no flow)", PnlLower, "LblRpmPsiTitle");
  PBoxRPMvsPSI = new PumpRpmGraph(PnlLower);
  PBoxRPMvsPSI->setObjectName("PBoxRPMvsPSI");
  LblPsiRMax = Caption("", PnlLower, "LblPsiRMax");
  LblPsiInRpmPsi = Caption("psi", PnlLower, "LblPsiInRpmPsi");
  LblPsiRMin = Caption("", PnlLower, "LblPsiRMin");
  LblPumpIdleRpm = Caption("", PnlLower, "LblPumpIdleRpm");
  LblPumpHigherRpm = Caption("", PnlLower, "LblPumpHigherRpm");
  LblEngIdleRpm = Caption("", PnlLower, "LblEngIdleRpm");
  LblEngHigherRpm = Caption("1500", PnlLower, "LblEngHigherRpm");
  LblPsiAt = Caption("psi at...", PnlLower, "LblPsiAt");
  LblPsiAtLowRpm = Caption("", PnlLower, "LblPsiAtLowRpm");
  LblPsiAtHighRpm = Caption("", PnlLower, "LblPsiAtHighRpm");
  SpinEditPsiAtLowRpm = Spinner<QDoubleSpinBox>(PnlLower, "SpinEditPsiAtLowRpm", 0, kMaxLowSpeedPress);
  SpinEditPsiAtHighRpm = Spinner<QDoubleSpinBox>(PnlLower, "SpinEditPsiAtHighRpm", 0, kMaxHighSpeedPress);
  auto* settings = new QGridLayout;
  settings->setHorizontalSpacing(6);
  settings->setVerticalSpacing(4);
  settings->addWidget(LblPsiAt, 0, 0, 1, 2);
  settings->addWidget(LblPsiAtLowRpm, 1, 0, Qt::AlignRight);
  settings->addWidget(SpinEditPsiAtLowRpm, 1, 1);
  settings->addWidget(LblPsiAtHighRpm, 2, 0, Qt::AlignRight);
  settings->addWidget(SpinEditPsiAtHighRpm, 2, 1);
  settings->setColumnStretch(2, 1);
  QGridLayout* rpm = GraphGrid(
      LblRpmPsiTitle, Scale(QBoxLayout::TopToBottom, LblPsiRMax, LblPsiInRpmPsi, LblPsiRMin), PBoxRPMvsPSI);
  rpm->addWidget(Caption("pump", PnlLower), 2, 0, Qt::AlignRight);
  rpm->addLayout(Scale(QBoxLayout::LeftToRight, LblPumpIdleRpm, Caption("rpm", PnlLower), LblPumpHigherRpm),
                 2, 1);
  rpm->addWidget(Caption("engine", PnlLower), 3, 0, Qt::AlignRight);
  rpm->addLayout(Scale(QBoxLayout::LeftToRight, LblEngIdleRpm, Caption("rpm", PnlLower), LblEngHigherRpm), 3,
                 1);
  rpm->addLayout(settings, 4, 1);

  // Flow graph: the pressure against flow at five speeds.
  LblGpmPsiTitle = Title("GPM  vs  PSI", PnlLower, "LblGpmPsiTitle");
  PBoxGPMvsPSI = new PumpFlowGraph(PnlLower);
  PBoxGPMvsPSI->setObjectName("PBoxGPMvsPSI");
  LblPsiGMax = Caption("", PnlLower, "LblPsiGMax");
  LblPsiInGpmPsi = Caption("psi", PnlLower, "LblPsiInGpmPsi");
  LblPsiGMin = Caption("0", PnlLower, "LblPsiGMin");
  LblGpmMin = Caption("0", PnlLower, "LblGpmMin");
  lblGpmMax = Caption("", PnlLower, "lblGpmMax");
  LblGpmInGpmPsi = Caption("gpm", PnlLower, "LblGpmInGpmPsi");
  LblTestPointsTitle =
      Title("Engine speed for the acceptance test (net pump pressure)", PnlLower, "LblTestPointsTitle");
  auto* tests = new QVBoxLayout;
  tests->setSpacing(2);
  tests->addWidget(LblTestPointsTitle);
  for (int i = 0; i < 3; ++i) {
    LblTestPoints[i] = Caption("", PnlLower);
    LblTestPoints[i]->setObjectName(QString("LblTestPoint%1").arg(i + 1));
    tests->addWidget(LblTestPoints[i]);
  }
  QGridLayout* gpm = GraphGrid(
      LblGpmPsiTitle, Scale(QBoxLayout::TopToBottom, LblPsiGMax, LblPsiInGpmPsi, LblPsiGMin), PBoxGPMvsPSI);
  gpm->addLayout(Scale(QBoxLayout::LeftToRight, LblGpmMin, LblGpmInGpmPsi, lblGpmMax), 2, 1);
  gpm->addLayout(tests, 3, 1);

  auto* lower = new QHBoxLayout(PnlLower);
  lower->setContentsMargins(10, 8, 10, 8);
  lower->setSpacing(16);
  lower->addLayout(rpm, 2);
  lower->addLayout(gpm, 3);
}

void TfrmPmpSetp::Connect() {
  connect(CBoxPumpEngRatio, qOverload<int>(&QComboBox::activated), this,
          &TfrmPmpSetp::CBoxPumpEngRatioChange);
  connect(CBoxPumpEngRatio->lineEdit(), &QLineEdit::editingFinished, this,
          &TfrmPmpSetp::CBoxPumpEngRatioChange);
  connect(EditEngIdleRpm, &QLineEdit::editingFinished, this, &TfrmPmpSetp::EditEngIdleRpmExit);
  connect(SpinEditPsiAtHighRpm, &QDoubleSpinBox::valueChanged, this,
          &TfrmPmpSetp::SpinEditPsiAtHighRpmChange);
  connect(SpinEditPsiAtLowRpm, &QDoubleSpinBox::valueChanged, this, &TfrmPmpSetp::SpinEditPsiAtLowRpmChange);
  connect(CBoxCapacity, qOverload<int>(&QComboBox::activated), this, &TfrmPmpSetp::CBoxCapacityChange);
  for (QRadioButton* r : {RadioBtnSingleStage, RadioBtn2Stage})
    connect(r, &QRadioButton::clicked, this, &TfrmPmpSetp::RadioStageClick);
  for (QRadioButton* r : {RadioBtnPress, RadioBtnVol})
    connect(r, &QRadioButton::clicked, this, &TfrmPmpSetp::RadioModeClick);
  connect(SpinFlowEfficiency, &QSpinBox::valueChanged, this, &TfrmPmpSetp::SpinFlowEfficiencyChange);
  connect(BitBtnPrimerSetup, &QPushButton::clicked, this, &TfrmPmpSetp::BitBtnPrimerSetupClick);
  connect(Button1, &QPushButton::clicked, this, &TfrmPmpSetp::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TfrmPmpSetp::Button2Click);
  connect(EditPrimerPumpRate, &QLineEdit::editingFinished, this, &TfrmPmpSetp::EditPrimerPumpRateExit);
  connect(ChkMustBeClosed, &QCheckBox::clicked, this, &TfrmPmpSetp::ChkMustBeClosedClick);
  connect(SpinEditPrimerOilPercent, &QSpinBox::valueChanged, this,
          &TfrmPmpSetp::SpinEditPrimerOilPercentChange);
  connect(SpinEditEngOilPsi, &QDoubleSpinBox::valueChanged, this, &TfrmPmpSetp::SpinEditEngOilPsiChange);
  connect(SpinEditOilPLt, &QDoubleSpinBox::valueChanged, this, &TfrmPmpSetp::SpinEditOilPLtChange);
  connect(SpinEditEngCoolantTemp, &QSpinBox::valueChanged, this, &TfrmPmpSetp::SpinEditEngCoolantTempChange);
  connect(SpinEditTempLt, &QSpinBox::valueChanged, this, &TfrmPmpSetp::SpinEditTempLtChange);
  connect(CheckBoxUseLoseOilPress, &QCheckBox::clicked, this, &TfrmPmpSetp::CheckBoxUseLoseOilPressClick);
  connect(EditTOilPressLoss, &QLineEdit::textEdited, this, &TfrmPmpSetp::EditTOilPressLossChange);
}

void TfrmPmpSetp::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  FormActivate();
}

void TfrmPmpSetp::FormActivate() {
  Refresh();
  PnlUpper->show();
  PnlLower->show();
}

bool TfrmPmpSetp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == PnlPrimerSetup) {
      BitBtnPrimerSetupClick();
      return true;
    }
    for (QFrame* panel : {PnlEngineOil, PnlEngineCoolant}) {
      if (watched == panel || (qobject_cast<QLabel*>(watched) && watched->parent() == panel)) {
        ToggleSubPanel(panel);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace pumpdrill
