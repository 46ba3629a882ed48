#include "setup/gui/frm_supply.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShowEvent>
#include <QVBoxLayout>

#include "frame/configuration.h"
#include "setup/gui/incident_time_edit.h"
#include "setup/gui/setup_labels.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

using setup_ui::Caption;
using setup_ui::Panel;
using setup_ui::Title;

QLineEdit* Edit(QWidget* parent, const char* name, int width = 80) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(width);
  return edit;
}

QPushButton* Button(const QString& text, QWidget* parent, const char* name) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

QRadioButton* Radio(const QString& text, QWidget* parent, const char* name) {
  auto* r = new QRadioButton(text, parent);
  r->setObjectName(name);
  return r;
}

QCheckBox* Check(const QString& text, QWidget* parent, const char* name) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(name);
  return c;
}

QGridLayout* Grid(QWidget* parent) {
  auto* grid = new QGridLayout(parent);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  grid->setContentsMargins(10, 8, 10, 8);
  return grid;
}

}  // namespace

TfrmSupply::TfrmSupply(State& s, const Configuration& cfg, const RunContext& run, Host& host,
                       const ImageLibrary* misc, int& currentLine, QWidget* parent)
    : QWidget(parent),
      s_(s),
      cfg_(cfg),
      run_(run),
      host_(host),
      currentLine_(currentLine),
      misc_(misc),
      pictures_(misc, host, qApp->devicePixelRatio()) {
  // FormCreate: nothing is committed until the first refresh is over.
  initialising_ = true;
  setObjectName("frmSupply");
  setWindowTitle("Supply Side");
  BuildSupply();
  BuildTank();
  BuildIncidents();
  BuildSubPanels();
  Connect();
  ConnectSubPanels();
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(500);
  connect(Timer1, &QTimer::timeout, this, &TfrmSupply::Timer1Timer);
}

TfrmSupply::~TfrmSupply() = default;

void TfrmSupply::BuildSupply() {
  // The supply type, its static pressure and picture.
  CBoxSupplyType = new QComboBox(this);
  CBoxSupplyType->setObjectName("CBoxSupplyType");
  CBoxSupplyType->addItems({"Hydrant", "Draft", "Relay"});
  CBoxSupplyType->setFixedWidth(110);
  LblStaticPsi = Caption("Static psi", this, "LblStaticPsi");
  EdSrcStaticPsi = Edit(this, "EdSrcStaticPsi");
  ImgSupply = Caption("", this, "ImgSupply");
  ImgSupply->setFixedSize(202, 132);
  ImgSupply->setAlignment(Qt::AlignCenter);
  ImgSupply->setStyleSheet("QLabel#ImgSupply { border: 1px solid black; }");

  PnlHydrantSource = Panel(this, "PnlHydrantSource");
  LblHydrantRatingFlow = Caption("rating        gpm", PnlHydrantSource, "LblHydrantRatingFlow");
  LblRatedSupplyGpm = Caption("", PnlHydrantSource, "LblRatedSupplyGpm");
  LblRatedSupplyGpm->setMinimumWidth(90);
  LblRatedSupplyGpm->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SpinButton1 = new QWidget(PnlHydrantSource);
  SpinButton1->setObjectName("SpinButton1");
  auto* arrows = new QVBoxLayout(SpinButton1);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  SpinButton1Up = new QToolButton(SpinButton1);
  SpinButton1Up->setObjectName("SpinButton1Up");
  SpinButton1Up->setArrowType(Qt::UpArrow);
  SpinButton1Down = new QToolButton(SpinButton1);
  SpinButton1Down->setObjectName("SpinButton1Down");
  SpinButton1Down->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {SpinButton1Up, SpinButton1Down}) {
    b->setFixedSize(22, 13);
    b->setAutoRepeat(true);
    arrows->addWidget(b);
  }
  RadioClassAA = Radio("", PnlHydrantSource, "RadioClassAA");
  RadioClassA = Radio("", PnlHydrantSource, "RadioClassA");
  RadioClassB = Radio("", PnlHydrantSource, "RadioClassB");
  RadioClassC = Radio("", PnlHydrantSource, "RadioClassC");
  LblAvailFlow = Caption("", PnlHydrantSource, "LblAvailFlow");
  LblResidDescr = Caption("residual pressure", PnlHydrantSource, "LblResidDescr");
  LblResidualPsi = Caption("", PnlHydrantSource, "LblResidualPsi");
  QFont mono = RadioClassAA->font();
  mono.setFamily("monospace");
  mono.setStyleHint(QFont::Monospace);
  auto* hydrant = Grid(PnlHydrantSource);
  hydrant->addWidget(Title("Hydrant", PnlHydrantSource), 0, 0, 1, 3);
  hydrant->addWidget(LblHydrantRatingFlow, 1, 0);
  hydrant->addWidget(LblRatedSupplyGpm, 1, 1);
  hydrant->addWidget(SpinButton1, 1, 2, Qt::AlignLeft);
  int row = 2;
  for (QRadioButton* r : {RadioClassAA, RadioClassA, RadioClassB, RadioClassC}) {
    r->setEnabled(false);
    r->setAutoExclusive(false);
    r->setFont(mono);
    hydrant->addWidget(r, row++, 0, 1, 3);
  }
  hydrant->addWidget(LblAvailFlow, row++, 0, 1, 4);
  hydrant->addWidget(LblResidDescr, row, 0);
  hydrant->addWidget(LblResidualPsi, row++, 1, 1, 2);
  hydrant->setColumnStretch(3, 1);

  PnlDraftSources = Panel(this, "PnlDraftSources");
  RadioUnlimited = Radio("Lake / River", PnlDraftSources, "RadioUnlimited");
  RadioSwimmingPool = Radio("Swimming Pool", PnlDraftSources, "RadioSwimmingPool");
  RadioDumpTank = Radio("Dump Tank", PnlDraftSources, "RadioDumpTank");
  auto* sources = new QButtonGroup(this);
  sources->addButton(RadioUnlimited, 0);
  sources->addButton(RadioSwimmingPool, 1);
  sources->addButton(RadioDumpTank, 2);
  connect(sources, &QButtonGroup::idClicked, this, &TfrmSupply::DraftSourceClick);
  PnlDraftTankSpecs = new QFrame(PnlDraftSources);
  PnlDraftTankSpecs->setObjectName("PnlDraftTankSpecs");
  EditDumpTankCapacityGals = Edit(PnlDraftTankSpecs, "EditDumpTankCapacityGals");
  LblDumpTankGalsStr = Caption("(gal)", PnlDraftTankSpecs, "LblDumpTankGalsStr");
  LblDumpTankGals = Caption("", PnlDraftTankSpecs, "LblDumpTankGals");
  LblDumpTankGals->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  LblGalsRemainingStr = Caption("gal", PnlDraftTankSpecs, "LblGalsRemainingStr");
  ShapeOuterBox = new QFrame(PnlDraftTankSpecs);
  ShapeOuterBox->setObjectName("ShapeOuterBox");
  ShapeOuterBox->setFixedSize(34, 70);
  ShapeOuterBox->setStyleSheet(
      "QFrame#ShapeOuterBox { background: white; border: 1px solid black; }");
  ShapeWaterRemaining = new QFrame(ShapeOuterBox);
  ShapeWaterRemaining->setObjectName("ShapeWaterRemaining");
  ShapeWaterRemaining->setStyleSheet(
      "QFrame#ShapeWaterRemaining { background: rgb(70, 130, 210); }");
  RadioStartFull = Radio("start full", PnlDraftTankSpecs, "RadioStartFull");
  RadioStartEmpty = Radio("start empty", PnlDraftTankSpecs, "RadioStartEmpty");
  auto* start = new QButtonGroup(this);
  start->addButton(RadioStartFull, 1);
  start->addButton(RadioStartEmpty, 0);
  connect(start, &QButtonGroup::idClicked, this, [this](int id) { StartFullClick(id == 1); });
  auto* specs = new QGridLayout(PnlDraftTankSpecs);
  specs->setContentsMargins(0, 4, 0, 0);
  specs->setHorizontalSpacing(8);
  specs->addWidget(Caption("capacity", PnlDraftTankSpecs), 0, 0);
  specs->addWidget(EditDumpTankCapacityGals, 0, 1);
  specs->addWidget(LblDumpTankGalsStr, 0, 2);
  specs->addWidget(Caption("water now", PnlDraftTankSpecs), 1, 0);
  specs->addWidget(LblDumpTankGals, 1, 1);
  specs->addWidget(LblGalsRemainingStr, 1, 2);
  specs->addWidget(RadioStartFull, 2, 0, 1, 2);
  specs->addWidget(RadioStartEmpty, 3, 0, 1, 2);
  specs->addWidget(ShapeOuterBox, 0, 3, 4, 1, Qt::AlignCenter);
  specs->setColumnStretch(4, 1);
  auto* draft = Grid(PnlDraftSources);
  draft->addWidget(Title("Draft source", PnlDraftSources), 0, 0);
  draft->addWidget(RadioUnlimited, 1, 0);
  draft->addWidget(RadioSwimmingPool, 2, 0);
  draft->addWidget(RadioDumpTank, 3, 0);
  draft->addWidget(PnlDraftTankSpecs, 4, 0);

  PnlRelay = Panel(this, "PnlRelay");
  auto* relay = Grid(PnlRelay);
  relay->addWidget(Title("Relay", PnlRelay), 0, 0);
  QLabel* relayText = Caption(
      "Water arrives from another pumper through the supply line.\n"
      "The static pressure is that pumper's discharge pressure.",
      PnlRelay);
  relay->addWidget(relayText, 1, 0);

  // The supply line and the site.
  ImageSupplyHose = Caption("", this, "ImageSupplyHose");
  ImageSupplyHose->setFixedSize(112, 34);
  LblHose = Caption("", this, "LblHose");
  BitBtnChangeSupplyHose = Button("Setup", this, "BitBtnChangeSupplyHose");
  BitBtnChangeSupplyHose->setProperty("Tag", 18);
  LblElevation = Caption("elevation (ft)", this, "LblElevation");
  EditSplyElev = Edit(this, "EditSplyElev");
  LblAltitude = Caption("altitude (ft)", this, "LblAltitude");
  EditAltitude = Edit(this, "EditAltitude");
  LblWaterTemp = Caption("temp (deg F)", this, "LblWaterTemp");
  SpinEditWaterTemp = new QSpinBox(this);
  SpinEditWaterTemp->setObjectName("SpinEditWaterTemp");
  SpinEditWaterTemp->setRange(0, 200);
  SpinEditWaterTemp->setKeyboardTracking(false);
  SpinEditWaterTemp->setAlignment(Qt::AlignRight);
  SpinEditWaterTemp->setFixedWidth(80);
}

void TfrmSupply::BuildTank() {
  LblTankCapacity = Caption("tank capacity (gal)", this, "LblTankCapacity");
  EdTankCapacityGall = Edit(this, "EdTankCapacityGall");
  LblTankHt = Caption("tank height (ft)", this, "LblTankHt");
  EdTankHt = Edit(this, "EdTankHt");
  RadioTankInitFullState = new QGroupBox("starts", this);
  RadioTankInitFullState->setObjectName("RadioTankInitFullState");
  TankStateButtons = new QButtonGroup(this);
  auto* states = new QHBoxLayout(RadioTankInitFullState);
  states->setSpacing(10);
  const char* names[] = {"RadioTankFull", "RadioTank34", "RadioTank12", "RadioTank14",
                         "RadioTankEmpty"};
  const char* items[] = {"Full", "3/4", "1/2", "1/4", "Empty"};
  for (int i = 0; i < 5; ++i) {
    QRadioButton* r = Radio(items[i], RadioTankInitFullState, names[i]);
    TankStateButtons->addButton(r, i);
    states->addWidget(r);
  }
}

void TfrmSupply::BuildIncidents() {
  PanelIncidents = Panel(this, "PanelIncidents");
  ChkBoxUseSplyFluctuates = Check("Supply Fluctuates", PanelIncidents, "ChkBoxUseSplyFluctuates");
  BitBtnFluctSetup = Button("Setup", PanelIncidents, "BitBtnFluctSetup");
  LblSplyFluctsStyle = Caption("not defined", PanelIncidents, "LblSplyFluctsStyle");
  CheckBoxShiftingSupply = Check("\"Shifting\" Supply", PanelIncidents, "CheckBoxShiftingSupply");
  BitBtnShiftSetup = Button("Setup", PanelIncidents, "BitBtnShiftSetup");
  CheckBoxUseLineRupture = Check("Line Rupture", PanelIncidents, "CheckBoxUseLineRupture");
  BitBtnRuptureSetup = Button("Setup", PanelIncidents, "BitBtnRuptureSetup");
  CheckBoxKinkInLine = Check("Kink in Line on Startup", PanelIncidents, "CheckBoxKinkInLine");
  auto* inc = Grid(PanelIncidents);
  inc->addWidget(Title("Supply incidents", PanelIncidents), 0, 0, 1, 3);
  inc->addWidget(ChkBoxUseSplyFluctuates, 1, 0);
  inc->addWidget(BitBtnFluctSetup, 1, 1);
  inc->addWidget(LblSplyFluctsStyle, 1, 2);
  inc->addWidget(CheckBoxShiftingSupply, 2, 0);
  inc->addWidget(BitBtnShiftSetup, 2, 1);
  inc->addWidget(CheckBoxUseLineRupture, 3, 0);
  inc->addWidget(BitBtnRuptureSetup, 3, 1);
  inc->addWidget(CheckBoxKinkInLine, 4, 0, 1, 2);
  inc->setColumnStretch(3, 1);

  PanelDraftIncidents = Panel(this, "PanelDraftIncidents");
  ChkBoxUseLossPrime = Check("Loss of Prime", PanelDraftIncidents, "ChkBoxUseLossPrime");
  BitBtnLossPrimeSetup = Button("Setup", PanelDraftIncidents, "BitBtnLossPrimeSetup");
  ChkBoxUseHardSuctionCollapse =
      Check("Hard Suction Collapsing", PanelDraftIncidents, "ChkBoxUseHardSuctionCollapse");
  BitBtnHSuctionSetup = Button("Setup", PanelDraftIncidents, "BitBtnHSuctionSetup");
  ChkBoxUseTender = Check("Use Tender as Resupply", PanelDraftIncidents, "ChkBoxUseTender");
  BitBtnTenderSetup = Button("Setup", PanelDraftIncidents, "BitBtnTenderSetup");
  LblNextArriveTimeDescr =
      Caption("next arrival (min:sec)", PanelDraftIncidents, "LblNextArriveTimeDescr");
  LblNextArriveMins = Caption("not defined", PanelDraftIncidents, "LblNextArriveMins");
  ChkBoxUseFilterClog = Check("Filter Clog", PanelDraftIncidents, "ChkBoxUseFilterClog");
  BitBtnFilterClogSetup = Button("Setup", PanelDraftIncidents, "BitBtnFilterClogSetup");
  ChkBoxUseFilterClog->setEnabled(false);
  BitBtnFilterClogSetup->setEnabled(false);
  auto* draft = Grid(PanelDraftIncidents);
  draft->addWidget(Title("Draft incidents", PanelDraftIncidents), 0, 0, 1, 3);
  draft->addWidget(ChkBoxUseLossPrime, 1, 0);
  draft->addWidget(BitBtnLossPrimeSetup, 1, 1);
  draft->addWidget(ChkBoxUseHardSuctionCollapse, 2, 0);
  draft->addWidget(BitBtnHSuctionSetup, 2, 1);
  draft->addWidget(ChkBoxUseTender, 3, 0);
  draft->addWidget(BitBtnTenderSetup, 3, 1);
  draft->addWidget(LblNextArriveTimeDescr, 4, 0, Qt::AlignRight);
  draft->addWidget(LblNextArriveMins, 4, 1, 1, 2);
  draft->addWidget(ChkBoxUseFilterClog, 5, 0);
  draft->addWidget(BitBtnFilterClogSetup, 5, 1);
  draft->setColumnStretch(3, 1);
}

void TfrmSupply::BuildSubPanels() {
  auto panel = [this](const char* name, const QString& title, QGridLayout*& grid) {
    QFrame* p = Panel(this, name);
    p->setFrameShadow(QFrame::Plain);
    p->setLineWidth(1);
    grid = Grid(p);
    grid->addWidget(Title(title, p), 0, 0, 1, 4);
    p->hide();
    return p;
  };
  auto okCancel = [this](QFrame* p, QGridLayout* grid, int row, const QString& stem) {
    QPushButton* ok = Button("OK", p, ("Btn" + stem + "Ok").toLatin1().constData());
    QPushButton* cancel = Button("Cancel", p, ("Btn" + stem + "Cancel").toLatin1().constData());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, row, 0, 1, 4);
    SubPanelButtons[p] = {ok, cancel};
  };
  auto time = [](QWidget* p, const char* name) { return NewIncidentTimeEdit(p, name); };
  QGridLayout* g = nullptr;

  PnlFluctuatingSupply = panel("PnlFluctuatingSupply", "Supply fluctuates", g);
  EditSplyFluctStart = time(PnlFluctuatingSupply, "EditSplyFluctStart");
  EditSplyFluctStop = time(PnlFluctuatingSupply, "EditSplyFluctStop");
  EditSplyFluctPercent = Edit(PnlFluctuatingSupply, "EditSplyFluctPercent", 70);
  EditFluctSplyTMean = Edit(PnlFluctuatingSupply, "EditFluctSplyTMean", 70);
  RadioFluctPeriodic = Radio("periodic, continuous", PnlFluctuatingSupply, "RadioFluctPeriodic");
  RadioFluctSporadic = Radio("sporadic", PnlFluctuatingSupply, "RadioFluctSporadic");
  LblPeriodOrSporadicID = Caption("period", PnlFluctuatingSupply, "LblPeriodOrSporadicID");
  g->addWidget(Caption("start (min:sec)", PnlFluctuatingSupply), 1, 0);
  g->addWidget(EditSplyFluctStart, 1, 1);
  g->addWidget(Caption("stop (min:sec)", PnlFluctuatingSupply), 2, 0);
  g->addWidget(EditSplyFluctStop, 2, 1);
  g->addWidget(Caption("fluctuation (%)", PnlFluctuatingSupply), 3, 0);
  g->addWidget(EditSplyFluctPercent, 3, 1);
  g->addWidget(RadioFluctPeriodic, 1, 2);
  g->addWidget(RadioFluctSporadic, 2, 2);
  g->addWidget(LblPeriodOrSporadicID, 3, 2, Qt::AlignRight);
  g->addWidget(EditFluctSplyTMean, 3, 3);
  g->addWidget(Caption("(sec)", PnlFluctuatingSupply), 3, 4);
  okCancel(PnlFluctuatingSupply, g, 4, "Fluct");

  PanelLoseSupply = panel("PanelLoseSupply", "\"Shifting\" supply", g);
  LblNewPsiShiftSupply = Caption("(psi)", PanelLoseSupply, "LblNewPsiShiftSupply");
  g->addWidget(Caption("event", PanelLoseSupply), 1, 0);
  g->addWidget(Caption("start", PanelLoseSupply), 1, 1);
  g->addWidget(Caption("end", PanelLoseSupply), 1, 2);
  auto* pressHead = new QHBoxLayout;
  pressHead->addWidget(Caption("new pressure", PanelLoseSupply));
  pressHead->addWidget(LblNewPsiShiftSupply);
  g->addLayout(pressHead, 1, 3);
  for (int i = 0; i < 3; ++i) {
    MaskEditShiftStart[i] =
        time(PanelLoseSupply, ("MaskEditShiftStart" + std::to_string(i + 1)).c_str());
    MaskEditShiftEnd[i] =
        time(PanelLoseSupply, ("MaskEditShiftEnd" + std::to_string(i + 1)).c_str());
    EditShiftPsi[i] = Edit(PanelLoseSupply, ("EditShiftPsi" + std::to_string(i + 1)).c_str(), 70);
    g->addWidget(Caption(QString::number(i + 1), PanelLoseSupply), 2 + i, 0, Qt::AlignCenter);
    g->addWidget(MaskEditShiftStart[i], 2 + i, 1);
    g->addWidget(MaskEditShiftEnd[i], 2 + i, 2);
    g->addWidget(EditShiftPsi[i], 2 + i, 3);
  }
  QLabel* note =
      Caption("1st event occurs first, and event times must not overlap.", PanelLoseSupply);
  note->setWordWrap(true);
  g->addWidget(note, 5, 0, 1, 4);
  okCancel(PanelLoseSupply, g, 6, "Shift");

  PanelLineRupture = panel("PanelLineRupture", "Line rupture", g);
  EditLineRuptureStartTime = time(PanelLineRupture, "EditLineRuptureStartTime");
  g->addWidget(Caption("rupture at (min:sec)", PanelLineRupture), 1, 0);
  g->addWidget(EditLineRuptureStartTime, 1, 1);
  okCancel(PanelLineRupture, g, 2, "Rupture");

  PnlLossPrime = panel("PnlLossPrime", "Loss of prime", g);
  for (int i = 0; i < 3; ++i) {
    EditTPrimeLoss[i] = time(PnlLossPrime, ("EditTPrimeLoss" + std::to_string(i + 1)).c_str());
    g->addWidget(Caption(QString("loss %1 at (min:sec)").arg(i + 1), PnlLossPrime), 1 + i, 0);
    g->addWidget(EditTPrimeLoss[i], 1 + i, 1);
  }
  okCancel(PnlLossPrime, g, 4, "LossPrime");

  PanelHSuctCollapsing = panel("PanelHSuctCollapsing", "Hard suction collapsing", g);
  EditHSuctCollapsing = Edit(PanelHSuctCollapsing, "EditHSuctCollapsing", 70);
  LblHSuctionPsi = Caption("(psi)", PanelHSuctCollapsing, "LblHSuctionPsi");
  g->addWidget(Caption("collapses below", PanelHSuctCollapsing), 1, 0);
  g->addWidget(EditHSuctCollapsing, 1, 1);
  g->addWidget(LblHSuctionPsi, 1, 2);
  okCancel(PanelHSuctCollapsing, g, 2, "HSuct");

  PnlTenderSetup = panel("PnlTenderSetup", "Tender", g);
  EditFirstCallMins = time(PnlTenderSetup, "EditFirstCallMins");
  EditRefillMins = time(PnlTenderSetup, "EditRefillMins");
  EditTankCapacityGals = Edit(PnlTenderSetup, "EditTankCapacityGals", 70);
  LblTenderGals = Caption("gal", PnlTenderSetup, "LblTenderGals");
  g->addWidget(Caption("first call (min:sec)", PnlTenderSetup), 1, 0);
  g->addWidget(EditFirstCallMins, 1, 1);
  g->addWidget(Caption("refill every (min:sec)", PnlTenderSetup), 2, 0);
  g->addWidget(EditRefillMins, 2, 1);
  g->addWidget(Caption("tender tank", PnlTenderSetup), 3, 0);
  g->addWidget(EditTankCapacityGals, 3, 1);
  g->addWidget(LblTenderGals, 3, 2);
  okCancel(PnlTenderSetup, g, 4, "Tender");

  // The window's layout: supply and tank at the left, the picture and the
  // incidents at the right with the sub-panels' one place below them.
  auto* supply = new QGridLayout;
  supply->setHorizontalSpacing(8);
  supply->setVerticalSpacing(6);
  int row = 0;
  supply->addWidget(Title("Supply", this), row++, 0, 1, 3);
  supply->addWidget(Caption("type", this), row, 0);
  supply->addWidget(CBoxSupplyType, row++, 1);
  supply->addWidget(LblStaticPsi, row, 0);
  supply->addWidget(EdSrcStaticPsi, row++, 1);
  supply->addWidget(PnlHydrantSource, row, 0, 1, 3);
  supply->addWidget(PnlDraftSources, row, 0, 1, 3);
  supply->addWidget(PnlRelay, row++, 0, 1, 3);
  supply->addWidget(Title("Supply line", this), row++, 0, 1, 3);
  auto* hose = new QHBoxLayout;
  hose->addWidget(ImageSupplyHose);
  hose->addWidget(LblHose, 1);
  hose->addWidget(BitBtnChangeSupplyHose);
  supply->addLayout(hose, row++, 0, 1, 3);
  supply->addWidget(LblElevation, row, 0);
  supply->addWidget(EditSplyElev, row++, 1);
  supply->addWidget(Title("Site and water", this), row++, 0, 1, 3);
  supply->addWidget(LblAltitude, row, 0);
  supply->addWidget(EditAltitude, row++, 1);
  supply->addWidget(LblWaterTemp, row, 0);
  supply->addWidget(SpinEditWaterTemp, row++, 1);
  supply->addWidget(Title("Booster tank", this), row++, 0, 1, 3);
  supply->addWidget(LblTankCapacity, row, 0);
  supply->addWidget(EdTankCapacityGall, row++, 1);
  supply->addWidget(LblTankHt, row, 0);
  supply->addWidget(EdTankHt, row++, 1);
  supply->addWidget(RadioTankInitFullState, row++, 0, 1, 3);
  supply->setRowStretch(row, 1);
  supply->setColumnStretch(2, 1);

  auto* right = new QVBoxLayout;
  right->setSpacing(8);
  right->addWidget(ImgSupply, 0, Qt::AlignLeft);
  // Only one of the two incident panels shows, in the same place.
  auto* incidents = new QGridLayout;
  incidents->addWidget(PanelIncidents, 0, 0);
  incidents->addWidget(PanelDraftIncidents, 0, 0);
  right->addLayout(incidents);
  auto* place = new QGridLayout;
  for (QFrame* p : {PnlFluctuatingSupply, PanelLoseSupply, PanelLineRupture, PnlLossPrime,
                    PanelHSuctCollapsing, PnlTenderSetup})
    place->addWidget(p, 0, 0, Qt::AlignTop | Qt::AlignLeft);
  right->addLayout(place);
  right->addStretch(1);

  auto* all = new QHBoxLayout(this);
  all->setContentsMargins(10, 8, 10, 8);
  all->setSpacing(20);
  all->addLayout(supply);
  all->addLayout(right);
  all->addStretch(1);
}

void TfrmSupply::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  // The main window's child window: leaving it commits as a deactivation.
  if (!sub_) {
    for (QWidget* w = parentWidget(); w && !sub_; w = w->parentWidget())
      sub_ = qobject_cast<QMdiSubWindow*>(w);
    if (sub_ && sub_->mdiArea()) {
      connect(sub_->mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* now) {
        if (now != sub_) FormDeactivate();
      });
    }
  }
  FormActivate();
  Timer1->start();
}

void TfrmSupply::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  // Closing the window (another tab chosen) commits as a deactivation.
  Timer1->stop();
  FormDeactivate();
}

void TfrmSupply::FormActivate() {
  Refresh();
  initialising_ = false;
}

}  // namespace pumpdrill
