#include "setup/gui/frm_dischrg.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "frame/configuration.h"
#include "setup/gui/frm_frict.h"
#include "setup/gui/frm_h_setup.h"
#include "setup/gui/frm_nz_setup.h"
#include "setup/gui/incident_time_edit.h"
#include "setup/hose_uncoupling.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

constexpr int kHoseBoxWidth = 390;
constexpr int kNozzleBoxWidth = 200;
constexpr int kBoxGap = 6;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TfrmDischrg::TfrmDischrg(State& s, Configuration& cfg, Host& host, const ImageLibrary* misc, int& currentLine,
                         std::string iniFile, QWidget* parent)
    : QWidget(parent),
      s_(s),
      cfg_(cfg),
      host_(host),
      misc_(misc),
      currentLine_(currentLine),
      iniFile_(std::move(iniFile)),
      pictures_(misc, host, qApp->devicePixelRatio()) {
  // FormCreate.
  initialising_ = true;
  setObjectName("frmDischrg");
  setWindowTitle("Discharge Lines");
  currentLine_ = 1;
  BuildControls();
  BuildIncidentPanel();
  CreateBoxes();
  LayOutRows();
  MakeActive(currentLine_);
  initialising_ = false;
}

TfrmDischrg::~TfrmDischrg() = default;

void TfrmDischrg::BuildControls() {
  LblActiveLine = new QLabel(this);
  LblActiveLine->setObjectName("LblActiveLine");
  QFont big("Arial", 10, QFont::Bold);
  LblActiveLine->setFont(big);
  BitBtnHoseOrig = Button(this, "BitBtnHoseOrig", "Hose Configuration");
  BitBtnNozzOrig = Button(this, "BitBtnNozzOrig", "Nozzle Setup");
  BitBtnTankFillChange = Button(this, "BitBtnTankFillChange", "tank-fill ");
  BitBtnTankToPump = Button(this, "BitBtnTankToPump", "tank-to-pump");
  BitBtnHoseFrictionAdjust = Button(this, "BitBtnHoseFrictionAdjust", "friction adjust");
  BitBtnTankFillChange->setProperty("Tag", kTankFillLine);
  BitBtnTankToPump->setProperty("Tag", kTankToPumpLine);

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setWidgetResizable(false);
  ScrollBox1->setBackgroundRole(QPalette::Base);
  RowsPanel = new QWidget;
  RowsPanel->setObjectName("RowsPanel");
  RowsPanel->setAutoFillBackground(true);
  RowsPanel->setBackgroundRole(QPalette::Base);
  ScrollBox1->setWidget(RowsPanel);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(4);
  for (QPushButton* b : {BitBtnHoseOrig, BitBtnNozzOrig, BitBtnTankFillChange, BitBtnTankToPump,
                         BitBtnHoseFrictionAdjust})
    buttons->addWidget(b);
  buttons->addStretch(1);

  PanelMain = new QFrame(this);
  PanelHoseDecouple = new QFrame(this);
  auto* incident = new QWidget(this);
  incidentStack_ = new QStackedLayout(incident);
  incidentStack_->addWidget(PanelMain);
  incidentStack_->addWidget(PanelHoseDecouple);

  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(6, 6, 6, 6);
  all->setSpacing(4);
  all->addWidget(LblActiveLine);
  all->addLayout(buttons);
  all->addWidget(ScrollBox1, 1);
  all->addWidget(incident);

  connect(BitBtnHoseOrig, &QPushButton::clicked, this, &TfrmDischrg::BitBtnHoseOrigClick);
  connect(BitBtnNozzOrig, &QPushButton::clicked, this, &TfrmDischrg::BitBtnNozzOrigClick);
  connect(BitBtnTankFillChange, &QPushButton::clicked, this, [this] { BitBtnTankLineClick(kTankFillLine); });
  connect(BitBtnTankToPump, &QPushButton::clicked, this, [this] { BitBtnTankLineClick(kTankToPumpLine); });
  connect(BitBtnHoseFrictionAdjust, &QPushButton::clicked, this, &TfrmDischrg::BitBtnHoseFrictionAdjustClick);
}

void TfrmDischrg::BuildIncidentPanel() {
  PanelMain->setObjectName("PanelMain");
  PanelMain->setFrameShape(QFrame::Panel);
  PanelMain->setFrameShadow(QFrame::Raised);
  CheckBoxUseUncoupledLine = new QCheckBox(PanelMain);
  CheckBoxUseUncoupledLine->setObjectName("CheckBoxUseUncoupledLine");
  LblHUncouplingDescr = new QLabel("hose uncoupling", PanelMain);
  LblHUncouplingDescr->setObjectName("LblHUncouplingDescr");
  LblIncidentHoseName = new QLabel(PanelMain);
  LblIncidentHoseName->setObjectName("LblIncidentHoseName");
  BitBtnHUncoupleSetup = Button(PanelMain, "BitBtnHUncoupleSetup", "Setup");
  auto* main = new QHBoxLayout(PanelMain);
  main->setContentsMargins(6, 4, 6, 4);
  main->addWidget(CheckBoxUseUncoupledLine);
  main->addWidget(LblHUncouplingDescr);
  main->addSpacing(8);
  main->addWidget(LblIncidentHoseName);
  main->addStretch(1);
  main->addWidget(BitBtnHUncoupleSetup);

  PanelHoseDecouple->setObjectName("PanelHoseDecouple");
  PanelHoseDecouple->setFrameShape(QFrame::Panel);
  PanelHoseDecouple->setFrameShadow(QFrame::Raised);
  LblHUncouplingSetup = new QLabel(PanelHoseDecouple);
  LblHUncouplingSetup->setObjectName("LblHUncouplingSetup");
  LblDecoupleStart = new QLabel("uncouple at:", PanelHoseDecouple);
  MaskEditDecoupleStart1 = NewIncidentTimeEdit(PanelHoseDecouple, "MaskEditDecoupleStart1");
  BtnDecoupleOK = Button(PanelHoseDecouple, "BtnDecoupleOK", "OK");
  BtnDecoupleCancel = Button(PanelHoseDecouple, "BtnDecoupleCancel", "Cancel");
  auto* setup = new QHBoxLayout(PanelHoseDecouple);
  setup->setContentsMargins(6, 4, 6, 4);
  setup->addWidget(LblHUncouplingSetup);
  setup->addSpacing(8);
  setup->addWidget(LblDecoupleStart);
  setup->addWidget(MaskEditDecoupleStart1);
  setup->addStretch(1);
  setup->addWidget(BtnDecoupleOK);
  setup->addWidget(BtnDecoupleCancel);
  incidentStack_->setCurrentWidget(PanelMain);

  connect(CheckBoxUseUncoupledLine, &QCheckBox::clicked, this, &TfrmDischrg::CheckBoxUseUncoupledLineClick);
  connect(BitBtnHUncoupleSetup, &QPushButton::clicked, this, &TfrmDischrg::BitBtnHUncoupleSetupClick);
  connect(BtnDecoupleOK, &QPushButton::clicked, this, &TfrmDischrg::BtnDecoupleOKClick);
  connect(BtnDecoupleCancel, &QPushButton::clicked, this, &TfrmDischrg::BtnDecoupleCancelClick);
}

void TfrmDischrg::CreateBoxes() {
  // Line 1's boxes and a copy of each for every further line; each knows
  // its line.
  for (int line = 1; line <= kMaxDischarges; ++line) {
    HoseBoxes.push_back(new DischargeBox(*this, line, true, RowsPanel));
    NozzleBoxes.push_back(new DischargeBox(*this, line, false, RowsPanel));
  }
  PBoxHoseOrig = HoseBoxes.front();
  PBoxNzOrig = NozzleBoxes.front();
}

void TfrmDischrg::LayOutRows() {
  rows_ = LayOutDischargeRows(s_, 0);
  std::vector<int> undefined;
  for (std::size_t i = 0; i < HoseBoxes.size(); ++i) {
    DischargeBox* hose = HoseBoxes[i];
    DischargeBox* nozzle = NozzleBoxes[i];
    if (i >= rows_.size()) {
      hose->hide();
      nozzle->hide();
      continue;
    }
    const DischargeRow& r = rows_[i];
    const HoseBoxText ht = HoseBoxTexts(s_, r.Line, r.Kind, cfg_.Units);
    const NozzleBoxText nt = NozzleBoxTexts(s_, r.Line, r.Kind, cfg_.Units);
    const bool active = r.Line == currentLine_;
    hose->setGeometry(0, r.Top, kHoseBoxWidth, r.Height);
    nozzle->setGeometry(kHoseBoxWidth + kBoxGap, r.Top, kNozzleBoxWidth, r.NozzleHeight);
    hose->Show(r.Kind, ht, nt, pictures_.Get(ht.Picture), active);
    nozzle->Show(r.Kind, ht, nt, pictures_.Get(nt.Picture), active);
    // A second line of a siamese has no row of its own.
    const bool shown = r.Kind != RowKind::Absorbed;
    hose->setVisible(shown);
    nozzle->setVisible(shown);
    hose->setEnabled(shown);
    nozzle->setEnabled(shown);
    if (r.Kind == RowKind::Undefined && reported_.insert(r.Line).second) undefined.push_back(r.Line);
  }
  RowsPanel->resize(kHoseBoxWidth + kBoxGap + kNozzleBoxWidth, std::max(DischargeRowsExtent(rows_), 1));
  for (int line : undefined) host_.Message(MsgType::Error, Buttons::Ok, ConnectionStatusMessage(line));
}

void TfrmDischrg::MakeActive(int line) {
  currentLine_ = line;
  LblActiveLine->setText(Q(s_.DischargeList.LineTitle[std::clamp(line, 1, kIntakeLine)].str()));
  LayOutRows();  // the active row is marked
  RefreshIncident();
}

void TfrmDischrg::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormActivate();
}

void TfrmDischrg::FormActivate() {
  // Each activation shows the lines as they are now (an Evolution may have
  // been loaded meanwhile).
  MakeActive(currentLine_);
}

void TfrmDischrg::BoxClick(int line) {
  if (line != currentLine_) MakeActive(line);
}

void TfrmDischrg::HoseBoxDblClick(int line) {
  MakeActive(line);
  OpenHoseSetup(line);
}

void TfrmDischrg::NozzleBoxDblClick(int line) {
  MakeActive(line);
  OpenNozzleSetup(line);
}

void TfrmDischrg::BitBtnHoseOrigClick() { OpenHoseSetup(currentLine_); }

void TfrmDischrg::BitBtnNozzOrigClick() { OpenNozzleSetup(currentLine_); }

void TfrmDischrg::BitBtnTankLineClick(int line) {
  const int previous = currentLine_;
  currentLine_ = line;
  OpenHoseSetup(line);
  MakeActive(previous);
}

void TfrmDischrg::BitBtnHoseFrictionAdjustClick() {
  if (initialising_) return;
  TfrmFrict frict(s_, cfg_, currentLine_, host_, iniFile_, this);
  frict.exec();
}

void TfrmDischrg::OpenHoseSetup(int line) {
  {
    TfrmHSetup setup(s_, cfg_, line, host_, misc_, this);
    setup.exec();
  }
  SetupReturned(line);
}

void TfrmDischrg::OpenNozzleSetup(int line) {
  {
    TfrmNzSetup setup(s_, cfg_, line, host_, misc_, this);
    setup.exec();
  }
  SetupReturned(line);
}

void TfrmDischrg::SetupReturned(int line) {
  // The dialog may have connected, disconnected or joined lines: the rows
  // are laid out again, and the nozzle operation window follows.
  if (line >= 1 && line <= kMaxDischarges)
    MakeActive(line);
  else
    LayOutRows();
  host_.RefreshNozzleWindow();
}

void TfrmDischrg::RefreshIncident() {
  refreshingIncident_ = true;
  const UncouplingShown shown = ShowUncoupling(s_, currentLine_);
  CheckBoxUseUncoupledLine->setChecked(shown.Checked);
  QFont f = LblHUncouplingDescr->font();
  f.setBold(shown.InUse);
  LblHUncouplingDescr->setFont(f);
  LblHUncouplingDescr->setStyleSheet(shown.InUse ? "color: red;" : "color: black;");
  LblIncidentHoseName->setText(Q(shown.LineTitle));
  LblHUncouplingSetup->setText(Q(shown.SetupCaption));
  MaskEditDecoupleStart1->setText(Q(shown.TimeText));
  refreshingIncident_ = false;
}

void TfrmDischrg::CheckBoxUseUncoupledLineClick() {
  if (initialising_ || refreshingIncident_) return;
  incidentStack_->setCurrentWidget(PanelMain);
  SetUncoupling(s_, currentLine_, CheckBoxUseUncoupledLine->isChecked());
  RefreshIncident();
}

void TfrmDischrg::BitBtnHUncoupleSetupClick() {
  incidentStack_->setCurrentWidget(PanelHoseDecouple);
  RefreshIncident();
  MaskEditDecoupleStart1->setFocus();
}

void TfrmDischrg::BtnDecoupleOKClick() {
  incidentStack_->setCurrentWidget(PanelMain);
  StoreUncouplingTime(s_, currentLine_, MaskEditDecoupleStart1->text().toStdString());
  RefreshIncident();
}

void TfrmDischrg::BtnDecoupleCancelClick() {
  incidentStack_->setCurrentWidget(PanelMain);
  RefreshIncident();
}

}  // namespace pumpdrill
