#include "setup/gui/frm_foam.h"

#include <algorithm>
#include <cmath>

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "frame/configuration.h"
#include "frame/run_control.h"
#include "setup/foam_setup_edit.h"
#include "setup/gui/setup_labels.h"
#include "sim/foam_system.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

using setup_ui::Caption;
using setup_ui::Panel;
using setup_ui::RadioGroup;
using setup_ui::Title;

int openWindows = 0;

constexpr const char *kBalancedHint =
    "Balanced Pressure System is not connected";
constexpr const char *kEductorHint = "Eductor System is not connected";

QStringList PercentRanges() {
  QStringList all;
  for (const char *item : kFoamPercentRangeItems)
    all << item;
  return all;
}

// Whole display units from 1 to 10000; other text is refused by the box.
QSpinBox *Spinner(QWidget *parent, const char *name) {
  auto *spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setKeyboardTracking(false);
  spin->setRange(kFoamSpinLeast, kFoamSpinMost);
  spin->setAlignment(Qt::AlignRight);
  spin->setFixedWidth(80);
  return spin;
}

int Shown(double stored, const DisplayUnits &u, int q) {
  const double v = std::round(ToDisplay(u, q, stored));
  return static_cast<int>(
      std::clamp(v, double(kFoamSpinLeast), double(kFoamSpinMost)));
}

QString UnitCaption(const char *text, const DisplayUnits &u, int q) {
  return QString("%1 (%2)").arg(text, QString::fromStdString(u.Label[q]));
}

// The settings that balanced pressure and direct injection share.
struct TankSettings {
  RadioGroup *tanks;
  QSpinBox *capacity;
  QLabel *capacityCaption;
  RadioGroup *range;
  RadioGroup *switchType;
  RadioGroup *style;
};

TankSettings BuildTankSettings(QFrame *panel, QGridLayout *grid,
                               const DisplayUnits &u, const char *tanksName,
                               const char *capName, const char *rangeName,
                               const char *switchName, const char *styleName) {
  TankSettings t{};
  t.tanks =
      new RadioGroup("Number of foam tanks", {"1", "2"}, panel, tanksName);
  t.capacity = Spinner(panel, capName);
  t.capacityCaption =
      Caption(UnitCaption("capacity of each tank", u, kUnitVolume), panel);
  t.range =
      new RadioGroup("Foam percent range", PercentRanges(), panel, rangeName);
  t.switchType = new RadioGroup(
      "Tank switch type", {"manual", "electronic / toggle"}, panel, switchName);
  t.style = new RadioGroup("Proportioner style",
                           {"manual / rotory", "electronic"}, panel, styleName);
  auto *cap = new QHBoxLayout;
  cap->addWidget(t.capacityCaption);
  cap->addWidget(t.capacity);
  cap->addStretch(1);
  grid->addWidget(t.tanks, 0, 0);
  grid->addLayout(cap, 1, 0);
  grid->addWidget(t.range, 0, 1, 2, 1);
  grid->addWidget(t.switchType, 2, 0);
  grid->addWidget(t.style, 2, 1);
  return t;
}

QGridLayout *PanelGrid(QFrame *panel) {
  auto *grid = new QGridLayout(panel);
  grid->setContentsMargins(12, 10, 12, 10);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(8);
  return grid;
}

} // namespace

TfrmFoam::TfrmFoam(State &s, const Configuration &cfg, const RunContext &run,
                   Host &host, QWidget *parent)
    : QWidget(parent), s_(s), cfg_(cfg), run_(run), host_(host) {
  // FormCreate: busy until the controls hold the state.
  busy_ = true;
  ++openWindows;
  setObjectName("frmFoam");
  setWindowTitle("Foam Setup");
  BuildButtons();
  PnlNoFoam = Panel(this, "PnlNoFoam");
  auto *none = new QVBoxLayout(PnlNoFoam);
  none->setContentsMargins(16, 16, 16, 16);
  none->addWidget(Caption("no foam system currently installed", PnlNoFoam), 0,
                  Qt::AlignCenter);
  BuildBalancedPressure();
  BuildDirectInjection();
  BuildInLineEductor();

  // Every system's panel stands where the no-foam panel stands.
  auto *place = new QGridLayout;
  place->setObjectName("SystemPanelPlace");
  for (QFrame *p :
       {PnlNoFoam, PnlBalancedPressure, PnlDirectInjection, PnlInLineEductor})
    place->addWidget(p, 0, 0, Qt::AlignLeft | Qt::AlignTop);
  auto *all = new QVBoxLayout(this);
  all->setContentsMargins(8, 8, 8, 8);
  all->setSpacing(8);
  all->addWidget(PnlFoamOptionBtns, 0, Qt::AlignLeft);
  all->addWidget(LblAddPnlFoamComponents);
  all->addLayout(place);
  all->addStretch(1);

  Connect();
  SpeedButton(s_.FoamSetup.SYS_TYPE)->setChecked(true);
  ShowSystemPanel();
  FillControls();
  AdjustPercentRange();
  SetNote();
  busy_ = false;
}

TfrmFoam::~TfrmFoam() { --openWindows; }

bool TfrmFoam::WindowOpen() { return openWindows > 0; }

void TfrmFoam::BuildButtons() {
  PnlFoamOptionBtns = Panel(this, "PnlFoamOptionBtns");
  auto *row = new QHBoxLayout(PnlFoamOptionBtns);
  row->setContentsMargins(6, 4, 6, 4);
  row->setSpacing(4);
  auto *group = new QButtonGroup(this);
  group->setObjectName("FoamOptionGroup");
  group->setExclusive(true);
  struct Item {
    QToolButton **button;
    const char *name;
    const char *caption;
  } items[] = {{&SpdBtnNoFoam, "SpdBtnNoFoam", "No Foam"},
               {&SpdBtnBalPressure, "SpdBtnBalPressure", "Balanced Pressure"},
               {&SpdBtnDirectInject, "SpdBtnDirectInject", "Direct Injection"},
               {&SpdBtnInLine, "SpdBtnInLine", "In-Line"}};
  int tag = 0;
  for (const Item &i : items) {
    auto *b = new QToolButton(PnlFoamOptionBtns);
    b->setObjectName(i.name);
    b->setText(i.caption);
    b->setCheckable(true);
    b->setProperty("Tag", tag);
    b->setMinimumWidth(120);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    group->addButton(b, tag++);
    row->addWidget(b);
    *i.button = b;
  }
  // Not connected in this program: shown disabled with the reason.
  SpdBtnBalPressure->setToolTip(kBalancedHint);
  SpdBtnInLine->setToolTip(kEductorHint);
  LblAddPnlFoamComponents = Caption("", this, "LblAddPnlFoamComponents");
  LblAddPnlFoamComponents->setWordWrap(true);
  LblAddPnlFoamComponents->setMaximumWidth(640);
}

void TfrmFoam::BuildBalancedPressure() {
  PnlBalancedPressure = Panel(this, "PnlBalancedPressure");
  QGridLayout *grid = PanelGrid(PnlBalancedPressure);
  grid->addWidget(Title("Balanced Pressure", PnlBalancedPressure), 0, 0, 1, 2);
  auto *inner = new QGridLayout;
  inner->setHorizontalSpacing(12);
  inner->setVerticalSpacing(8);
  TankSettings t = BuildTankSettings(
      PnlBalancedPressure, inner, cfg_.Units, "RadioNrFoamTanksBalancedP",
      "SpinTankCapBalancedP", "RadioPercentRangeBalancedP",
      "RadioTankSwTypeBalP", "RadioProportionerStyleBalP");
  RadioNrFoamTanksBalancedP = t.tanks;
  SpinTankCapBalancedP = t.capacity;
  LblTankCapUnits[0] = t.capacityCaption;
  RadioPercentRangeBalancedP = t.range;
  RadioTankSwTypeBalP = t.switchType;
  RadioProportionerStyleBalP = t.style;
  grid->addLayout(inner, 1, 0);
  grid->addWidget(Caption("All lines can use foam", PnlBalancedPressure), 2, 0);
  PnlBalancedPressure->setToolTip(kBalancedHint);
  PnlBalancedPressure->setEnabled(false);
}

void TfrmFoam::BuildDirectInjection() {
  PnlDirectInjection = Panel(this, "PnlDirectInjection");
  QGridLayout *grid = PanelGrid(PnlDirectInjection);
  grid->addWidget(Title("Direct Injection", PnlDirectInjection), 0, 0, 1, 2);
  auto *inner = new QGridLayout;
  inner->setHorizontalSpacing(12);
  inner->setVerticalSpacing(8);
  TankSettings t = BuildTankSettings(
      PnlDirectInjection, inner, cfg_.Units, "RadioNrFoamTanks",
      "SpinTankCapDirInject", "RadioPercentRangeDirInject", "RadioTankSwType",
      "RadioProportionerStyle");
  RadioNrFoamTanks = t.tanks;
  SpinTankCapDirInject = t.capacity;
  LblTankCapUnits[1] = t.capacityCaption;
  RadioPercentRangeDirInject = t.range;
  RadioTankSwType = t.switchType;
  RadioProportionerStyle = t.style;
  grid->addLayout(inner, 1, 0);

  auto *lines =
      new QGroupBox("select discharge lines that use foam", PnlDirectInjection);
  lines->setObjectName("GrpFoamLines");
  auto *boxes = new QGridLayout(lines);
  boxes->setHorizontalSpacing(14);
  boxes->setVerticalSpacing(3);
  for (int n = 1; n <= kMaxDischarges; ++n) {
    auto *box = new QCheckBox(QString("Line %1").arg(n), lines);
    box->setObjectName(QString("ChkBoxLine%1").arg(n));
    box->setProperty("Tag", n);
    boxes->addWidget(box, (n - 1) % 5, (n - 1) / 5);
    ChkBoxLine[n] = box;
  }
  grid->addWidget(lines, 1, 1);
  RadioCAFSinstalled =
      new RadioGroup("Compressed Air Foam (CAFS)", {"Yes", "No"},
                     PnlDirectInjection, "RadioCAFSinstalled");
  grid->addWidget(RadioCAFSinstalled, 2, 1, Qt::AlignLeft);
}

void TfrmFoam::BuildInLineEductor() {
  PnlInLineEductor = Panel(this, "PnlInLineEductor");
  QGridLayout *grid = PanelGrid(PnlInLineEductor);
  const DisplayUnits &u = cfg_.Units;
  SpinEductorInletPSIRating =
      Spinner(PnlInLineEductor, "SpinEductorInletPSIRating");
  SpinEductorFlowRating = Spinner(PnlInLineEductor, "SpinEductorFlowRating");
  SpinEductorPSIDrop = Spinner(PnlInLineEductor, "SpinEductorPSIDrop");
  SpinTankCapInLine = Spinner(PnlInLineEductor, "SpinTankCapInLine");
  LblEductorPsiUnits[0] = Caption(
      UnitCaption("rated inlet pressure", u, kUnitPressure), PnlInLineEductor);
  LblEductorFlowUnits =
      Caption(UnitCaption("flow rating", u, kUnitFlow), PnlInLineEductor);
  LblEductorPsiUnits[1] =
      Caption(UnitCaption("pressure drop at rated flow", u, kUnitPressure),
              PnlInLineEductor);
  LblTankCapUnits[2] = Caption(
      UnitCaption("foam tank capacity", u, kUnitVolume), PnlInLineEductor);
  grid->addWidget(Title("In-Line Eductor", PnlInLineEductor), 0, 0, 1, 2);
  QWidget *rows[][2] = {{LblEductorPsiUnits[0], SpinEductorInletPSIRating},
                        {LblEductorFlowUnits, SpinEductorFlowRating},
                        {LblEductorPsiUnits[1], SpinEductorPSIDrop},
                        {LblTankCapUnits[2], SpinTankCapInLine}};
  int r = 1;
  for (auto &row : rows) {
    grid->addWidget(row[0], r, 0);
    grid->addWidget(row[1], r++, 1);
  }
}

void TfrmFoam::Connect() {
  auto *options = findChild<QButtonGroup *>("FoamOptionGroup");
  connect(options, &QButtonGroup::idClicked, this, &TfrmFoam::SpdBtnClick);
  for (RadioGroup *g : {RadioNrFoamTanksBalancedP, RadioNrFoamTanks})
    connect(g->Buttons(), &QButtonGroup::idClicked, this,
            &TfrmFoam::RadioNrFoamTanksClick);
  for (RadioGroup *g : {RadioPercentRangeBalancedP, RadioPercentRangeDirInject})
    connect(g->Buttons(), &QButtonGroup::idClicked, this,
            &TfrmFoam::RadioPercentRangeClick);
  for (RadioGroup *g : {RadioTankSwTypeBalP, RadioTankSwType})
    connect(g->Buttons(), &QButtonGroup::idClicked, this,
            &TfrmFoam::RadioTankSwTypeClick);
  for (RadioGroup *g : {RadioProportionerStyleBalP, RadioProportionerStyle})
    connect(g->Buttons(), &QButtonGroup::idClicked, this,
            &TfrmFoam::RadioProportionerStyleClick);
  connect(RadioCAFSinstalled->Buttons(), &QButtonGroup::idClicked, this,
          &TfrmFoam::RadioCAFSinstalledClick);
  for (QSpinBox *spin :
       {SpinTankCapBalancedP, SpinTankCapDirInject, SpinTankCapInLine})
    connect(spin, &QSpinBox::valueChanged, this, &TfrmFoam::SpinTankCapChange);
  connect(SpinEductorInletPSIRating, &QSpinBox::valueChanged, this,
          &TfrmFoam::SpinEductorInletChange);
  connect(SpinEductorFlowRating, &QSpinBox::valueChanged, this,
          &TfrmFoam::SpinEductorFlowChange);
  connect(SpinEductorPSIDrop, &QSpinBox::valueChanged, this,
          &TfrmFoam::SpinEductorDropChange);
  for (int n = 1; n <= kMaxDischarges; ++n)
    connect(ChkBoxLine[n], &QCheckBox::clicked, this,
            [this, n](bool on) { ChkBoxLineClick(n, on); });
}

QToolButton *TfrmFoam::SpeedButton(int tag) const {
  switch (tag) {
  case kFoamBalancedPressure:
    return SpdBtnBalPressure;
  case kFoamDirectInjection:
    return SpdBtnDirectInject;
  case kFoamInLineEductor:
    return SpdBtnInLine;
  default:
    return SpdBtnNoFoam;
  }
}

void TfrmFoam::FormActivate() {
  const bool idle = !run_.SimActive;
  PnlFoamOptionBtns->setEnabled(idle);
  PnlNoFoam->setEnabled(idle);
  PnlDirectInjection->setEnabled(idle);
  // An eductor system from a panel file stays editable; its button and the
  // balanced-pressure one stay disabled, as that panel does.
  PnlInLineEductor->setEnabled(idle);
  PnlBalancedPressure->setEnabled(false);
  SpdBtnBalPressure->setEnabled(false);
  SpdBtnInLine->setEnabled(false);
  SetNote();
}

void TfrmFoam::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  FormActivate();
}

void TfrmFoam::SetNote() {
  LblAddPnlFoamComponents->setText(run_.SimActive ? kFoamNoteRunning
                                                  : kFoamNoteIdle);
}

void TfrmFoam::ShowSystemPanel() {
  const int type = s_.FoamSetup.SYS_TYPE;
  PnlNoFoam->setVisible(type == kFoamNone);
  PnlBalancedPressure->setVisible(type == kFoamBalancedPressure);
  PnlDirectInjection->setVisible(type == kFoamDirectInjection);
  PnlInLineEductor->setVisible(type == kFoamInLineEductor);
}

void TfrmFoam::FillControls() {
  filling_ = true;
  const TFoamSetupRec &f = s_.FoamSetup;
  const DisplayUnits &u = cfg_.Units;
  for (RadioGroup *g : {RadioNrFoamTanksBalancedP, RadioNrFoamTanks})
    g->SetItemIndex(f.NR_TANKS == 2 ? 1 : 0);
  for (QSpinBox *spin :
       {SpinTankCapBalancedP, SpinTankCapDirInject, SpinTankCapInLine})
    spin->setValue(FoamCapacityShown(f, u));
  RadioCAFSinstalled->SetItemIndex(f.USE_CAFS ? 0 : 1);
  for (RadioGroup *g : {RadioTankSwTypeBalP, RadioTankSwType})
    g->SetItemIndex(f.TK_SW_TYPE);
  for (RadioGroup *g : {RadioProportionerStyleBalP, RadioProportionerStyle})
    g->SetItemIndex(f.PROP_TYPE);
  for (RadioGroup *g :
       {RadioPercentRangeBalancedP, RadioPercentRangeDirInject}) {
    g->ShowItems(PercentRanges(), kFoamRangeCount);
    g->SetItemIndex(f.PCT_RANGE);
  }
  SpinEductorInletPSIRating->setValue(Shown(f.EDU_INLET_PSI, u, kUnitPressure));
  SpinEductorFlowRating->setValue(Shown(f.EDU_RATED_GPM, u, kUnitFlow));
  SpinEductorPSIDrop->setValue(Shown(f.EDU_PSI_LOSS, u, kUnitPressure));
  const int lines = s_.DischargeList.LineCount;
  for (int n = 1; n <= kMaxDischarges; ++n) {
    QCheckBox *box = ChkBoxLine[n];
    box->setVisible(n <= lines);
    const QString title =
        QString::fromStdString(s_.DischargeList.LineTitle[n].str());
    box->setText(title.isEmpty() ? QString("Line %1").arg(n) : title);
    box->setChecked(f.FOAM_LINES.Contains(n));
  }
  filling_ = false;
}

void TfrmFoam::AdjustPercentRange() {
  filling_ = true;
  TFoamSetupRec &f = s_.FoamSetup;
  const int count = FoamPercentRangeCount(f.PROP_TYPE);
  if (count == 1)
    SetFoamPercentRange(f, kFoamRangeTenthToOne);
  RadioGroup *visible = f.SYS_TYPE == kFoamBalancedPressure
                            ? RadioPercentRangeBalancedP
                            : RadioPercentRangeDirInject;
  visible->ShowItems(PercentRanges(), count);
  visible->SetItemIndex(f.PCT_RANGE);
  filling_ = false;
}

void TfrmFoam::PanelChanged() { host_.FoamSetupChanged(); }

void TfrmFoam::SpdBtnClick(int tag) {
  if (busy_)
    return;
  TFoamSetupRec &f = s_.FoamSetup;
  if (tag == f.SYS_TYPE)
    return;
  busy_ = true;
  if (FoamSystemChangeAsks(f, tag) &&
      host_.Message(MsgType::Confirmation, Buttons::OkCancel,
                    kFoamSystemChangeQuestion) != Answer::Ok) {
    SpeedButton(f.SYS_TYPE)->setChecked(true);
    busy_ = false;
    return;
  }
  ChangeFoamSystem(f, tag);
  ShowSystemPanel();
  FillControls();
  AdjustPercentRange();
  SetNote();
  busy_ = false;
  PanelChanged();
}

void TfrmFoam::RadioNrFoamTanksClick(int index) {
  if (Quiet())
    return;
  SetFoamTankCount(s_.FoamSetup, index + 1);
  PanelChanged();
}

void TfrmFoam::RadioPercentRangeClick(int index) {
  if (Quiet())
    return;
  SetFoamPercentRange(s_.FoamSetup, index);
  PanelChanged();
}

void TfrmFoam::RadioTankSwTypeClick(int index) {
  if (Quiet())
    return;
  s_.FoamSetup.TK_SW_TYPE = static_cast<Byte>(index);
  PanelChanged();
}

void TfrmFoam::RadioProportionerStyleClick(int index) {
  if (Quiet())
    return;
  SetProportionerStyle(s_.FoamSetup, index);
  AdjustPercentRange();
  PanelChanged();
}

void TfrmFoam::RadioCAFSinstalledClick(int index) {
  if (Quiet())
    return;
  s_.FoamSetup.USE_CAFS = index == 0;
  PanelChanged();
}

void TfrmFoam::SpinTankCapChange(int value) {
  if (Quiet())
    return;
  SetFoamTankCapacity(s_.FoamSetup, FoamCapacityEntered(cfg_.Units, value),
                      run_.SimActive);
  PanelChanged();
}

void TfrmFoam::SpinEductorInletChange(int value) {
  if (Quiet())
    return;
  s_.FoamSetup.EDU_INLET_PSI = FromEntry(cfg_.Units, kUnitPressure, value);
}

void TfrmFoam::SpinEductorFlowChange(int value) {
  if (Quiet())
    return;
  s_.FoamSetup.EDU_RATED_GPM = FromEntry(cfg_.Units, kUnitFlow, value);
}

void TfrmFoam::SpinEductorDropChange(int value) {
  if (Quiet())
    return;
  s_.FoamSetup.EDU_PSI_LOSS = FromEntry(cfg_.Units, kUnitPressure, value);
}

void TfrmFoam::ChkBoxLineClick(int tag, bool checked) {
  if (Quiet())
    return;
  SetFoamLine(s_.FoamSetup, tag, checked);
  PanelChanged();
}

} // namespace pumpdrill
