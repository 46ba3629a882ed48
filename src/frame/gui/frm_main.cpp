#include "frame/gui/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "frame/gui/frm_splash.h"
#include "frame/gui/setup_tabs.h"
#include "frame/gui/window_host.h"
#include "frame/tick.h"
#include "panel/gui/named_bitmap.h"
#include "sound/gui/sound_system.h"

namespace pumpdrill {

namespace {

const char* kInitSequence = "Init Sequence";

QToolButton* RunPanelButton(QWidget* parent, const char* name, const char* hint, const char* text) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setText(text);
  b->setAutoRaise(false);
  b->setFixedSize(23, 23);
  b->setIconSize(QSize(20, 20));
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

void TabSetStrip::Place(QTabBar* tabs, QWidget* panel) {
  tabs_ = tabs;
  panel_ = panel;
  panel_->raise();
  setMinimumHeight(std::max(tabs_->sizeHint().height(), panel_->sizeHint().height() + 3));
}

QSize TabSetStrip::sizeHint() const {
  int height = std::max(tabs_->sizeHint().height(), panel_->sizeHint().height() + 3);
  return {tabs_->sizeHint().width() + panel_->sizeHint().width(), height};
}

QSize TabSetStrip::minimumSizeHint() const { return {0, minimumHeight()}; }

void TabSetStrip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!tabs_ || !panel_) return;
  // The tabs and the run panel share one middle line.
  QSize panel = panel_->sizeHint();
  const int tabsHeight = tabs_->sizeHint().height();
  panel_->setGeometry(width() - panel.width() - 2, 3, panel.width(), panel.height());
  tabs_->setGeometry(0, std::max(0, 3 + (panel.height() - tabsHeight) / 2), width(), tabsHeight);
}

TfrmMain::TfrmMain(Program& program, WindowHost& host, bool showSplash, QWidget* parent)
    : QMainWindow(parent), p_(program), host_(host) {
  setObjectName("frmMain");
  setFont(QFont("Arial", 8, QFont::Bold));
  mdiArea_ = new QMdiArea;
  mdiArea_->setObjectName("MdiArea");
  mdiArea_->setBackground(QColor(128, 128, 128));
  BuildRunPanel();
  BuildMenus();
  setupTabs_ = new SetupTabs(*this, TabSetSetup, mdiArea_, kTabPanel);
  RegisterSetupWindows(*this, *setupTabs_);
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(mdiArea_, 1);
  layout->addWidget(TabSetSetup->parentWidget());
  setCentralWidget(central);

  Timer1.setInterval(15);
  Timer1.setTimerType(Qt::PreciseTimer);
  connect(&Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);

  host_.SetMainWindow(this);
  FormCreate(showSplash);
  CreateGraphWindow();
  host_.CreateIncidentWindow(this);
  CreateBurnWindow();
  ConnectBurnHouse();
  CreatePanelWindow();
  ConnectPanelDesignMenu();
  ConnectStudents();
  ApplyReadOnlyMainDirectory();
  SetMinimumWindowSize();
}

TfrmMain::~TfrmMain() {
  // FormDestroy: the timer stops, the picture library is released.
  Timer1.stop();
  if (SoundSystem* sound = host_.Sound()) sound->Shutdown();
  CloseImageLibrary(miscLibrary_);
  if (host_.MainWindow() == this) host_.SetMainWindow(nullptr);
}

void TfrmMain::BuildRunPanel() {
  // The setup tab set along the bottom edge; the run panel lies on it, 3
  // pixels from its top, against the window's right edge.
  auto* strip = new TabSetStrip;
  strip->setObjectName("TabSetStrip");
  TabSetSetup = new QTabBar(strip);
  TabSetSetup->setObjectName("TabSetSetup");
  TabSetSetup->setShape(QTabBar::RoundedSouth);
  TabSetSetup->setDrawBase(false);
  TabSetSetup->setExpanding(false);
  TabSetSetup->setUsesScrollButtons(false);
  TabSetSetup->setStyleSheet("QTabBar::tab { padding: 2px 4px 3px 4px; }");
  for (const char* caption : {"Supply/Tank", "Panel", "Pump/Engine", "Discharges", "Foam"})
    TabSetSetup->addTab(caption);
  TabSetSetup->setCurrentIndex(kTabPanel);
  connect(TabSetSetup, &QTabBar::currentChanged, this, &TfrmMain::TabSetSetupChange);

  PnlSimCtrls = new QWidget(strip);
  PnlSimCtrls->setObjectName("PnlSimCtrls");
  auto* controls = new QHBoxLayout(PnlSimCtrls);
  controls->setContentsMargins(0, 3, 0, 1);
  controls->setSpacing(1);
  LblEvolution = new QLabel("evolution", PnlSimCtrls);
  LblEvolution->setObjectName("LblEvolution");
  LblEvolutionFName = new QLabel("defaults.evo", PnlSimCtrls);
  LblEvolutionFName->setObjectName("LblEvolutionFName");
  LblEvolutionFName->setToolTip("current evolution file");
  LblEvolutionFName->setFrameShape(QFrame::Panel);
  LblEvolutionFName->setFrameShadow(QFrame::Sunken);
  LblEvolutionFName->setMinimumWidth(66);
  BtnBurnHouse = RunPanelButton(PnlSimCtrls, "BtnBurnHouse", "burn house", "B");
  BtnGraph = RunPanelButton(PnlSimCtrls, "BtnGraph", "graph", "G");
  BtnNozzle = RunPanelButton(PnlSimCtrls, "BtnNozzle", "nozzle operation", "N");
  connect(BtnNozzle, &QToolButton::clicked, this, &TfrmMain::BtnNozzleClick);
  BtnStart = RunPanelButton(PnlSimCtrls, "BtnStart", "start/cont. simulation", ">");
  BtnPause = RunPanelButton(PnlSimCtrls, "BtnPause", "pause simulation", "||");
  BtnStop = RunPanelButton(PnlSimCtrls, "BtnStop", "terminate simulation", "[]");
  for (QToolButton* b : {BtnStart, BtnPause, BtnStop}) b->setCheckable(true);
  connect(BtnStart, &QToolButton::clicked, this, &TfrmMain::BtnStartClick);
  connect(BtnPause, &QToolButton::clicked, this, &TfrmMain::BtnPauseClick);
  connect(BtnStop, &QToolButton::clicked, this, &TfrmMain::BtnStopClick);
  LblSimClockTime = new QLabel("00:00", PnlSimCtrls);
  LblSimClockTime->setObjectName("LblSimClockTime");
  LblSimClockTime->setToolTip("elapsed simulation time");
  LblSimClockTime->setFrameShape(QFrame::Panel);
  LblSimClockTime->setFrameShadow(QFrame::Sunken);
  LblSimClockTime->setMinimumWidth(40);
  LblSimClockTime->setAlignment(Qt::AlignCenter);

  controls->addWidget(LblEvolution);
  controls->addWidget(LblEvolutionFName);
  controls->addSpacing(3);
  for (QWidget* w : {static_cast<QWidget*>(BtnBurnHouse), static_cast<QWidget*>(BtnGraph),
                     static_cast<QWidget*>(BtnNozzle)})
    controls->addWidget(w);
  controls->addSpacing(3);
  for (QWidget* w : {static_cast<QWidget*>(BtnStart), static_cast<QWidget*>(BtnPause),
                     static_cast<QWidget*>(BtnStop)})
    controls->addWidget(w);
  controls->addSpacing(3);
  controls->addWidget(LblSimClockTime);
  strip->Place(TabSetSetup, PnlSimCtrls);
}

void TfrmMain::FormCreate(bool showSplash) {
  StartupLog& log = p_.log;
  log.WriteInitLog(kInitSequence, "main form create1", "OK");
  // 2. The sound layer with the program's own sounds.
  if (SoundSystem* sound = host_.Sound())
    sound->Start(p_.run.WaveDevices, p_.config.Options.EngVolPercent, p_.Dirs().SoundsDirectory);

  // 3. Splash: wait until the truck has stopped.
  if (showSplash) {
    auto* splash = new TfrmSplash(p_.Dirs().LibraryDirectory(), log, host_);
    QEventLoop wait;
    connect(splash, &TfrmSplash::truckStopped, &wait, &QEventLoop::quit);
    connect(splash, &QObject::destroyed, &wait, &QEventLoop::quit);
    splash->Start();
    wait.exec();
  }

  // 4. Size and place: as large as suits the screen while no panel file
  // stores a placement.
  PlaceMainWindow();

  // 5. Internal defaults.
  setWindowTitle(QString::fromStdString(MainCaption()));
  LoadInternalDefaults(p_, host_);
  UpdateEvolutionLabel();

  // 6.
  QGuiApplication::setApplicationDisplayName(windowTitle());

  // 7. The picture library of the setup windows and the run panel.
  OpenMiscImageLibrary(p_.Dirs().LibraryDirectory(), miscLibrary_, host_);
  LoadRunPanelGlyphs();

  // 8.
  log.WriteInitLog(kInitSequence, "main form create2", "OK");
}

void TfrmMain::LoadRunPanelGlyphs() {
  if (!miscLibrary_) return;  // the buttons keep their text
  const std::pair<QToolButton*, const char*> glyphs[] = {
      {BtnBurnHouse, "BTN_BURNHOUSE"}, {BtnGraph, "BTN_GRAPH"}, {BtnNozzle, "BTN_NOZZLE"},
      {BtnStart, "BTN_START"},         {BtnPause, "BTN_PAUSE"}, {BtnStop, "BTN_STOP"}};
  for (const auto& [button, name] : glyphs) {
    QPixmap glyph;
    if (LoadNamedBitmap(miscLibrary_.get(), name, glyph, host_)) button->setIcon(QIcon(glyph));
  }
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    p_.log.WriteInitLog(kInitSequence, "main form show1", "OK");
  }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (!OfferPanelLayoutSave()) {
    event->ignore();
    return;
  }
  if (MainWindowCloseQuery(p_.S(), p_.config, p_.run, host_))
    event->accept();
  else
    event->ignore();
}

void TfrmMain::ShowRunButtons(RunButton down) {
  BtnStart->setChecked(down == RunButton::Start);
  BtnPause->setChecked(down == RunButton::Pause);
  BtnStop->setChecked(down == RunButton::Stop);
}

void TfrmMain::EnableTimer(bool on) {
  if (on)
    Timer1.start();
  else
    Timer1.stop();
}

void TfrmMain::ShowElapsedTime(const std::string& text) {
  LblSimClockTime->setText(QString::fromStdString(text));
}

void TfrmMain::UpdateEvolutionLabel() {
  const std::string& path = p_.run.CurrentEvolution;
  QString name = path.empty()
                     ? QString("default")
                     : QString::fromStdString(std::filesystem::path(path).filename().string());
  LblEvolutionFName->setText(name);
  LblEvolutionFName->setToolTip(name);
}

void TfrmMain::SelectPanelTab() {
  TabSetSetup->setCurrentIndex(kTabPanel);
  if (panelWindow_) {
    panelWindow_->show();
    mdiArea_->setActiveSubWindow(panelWindow_);
  }
}

void TfrmMain::RunButtonPressed(QToolButton* button, int mode) {
  // Speed buttons of one group: the pressed one shows down, the others up;
  // the run control may then show it up again.
  ShowRunButtons(button == BtnStart   ? RunButton::Start
                 : button == BtnPause ? RunButton::Pause
                                      : RunButton::Stop);
  const bool wasActive = p_.run.SimActive;
  SetRunState(p_.S(), p_.config, p_.run, host_, mode);
  TrackRunReport(wasActive);
}

void TfrmMain::BtnStartClick() { RunButtonPressed(BtnStart, kRunStart); }
void TfrmMain::BtnPauseClick() { RunButtonPressed(BtnPause, kRunPause); }
void TfrmMain::BtnStopClick() { RunButtonPressed(BtnStop, kRunTerminate); }

void TfrmMain::Timer1Timer() {
  const bool wasActive = p_.run.SimActive;
  SimulationTick(p_.S(), p_.config, p_.run, host_);
  TrackRunReport(wasActive);
}

void TfrmMain::RunInitializeClick() { ReinitializeSimulation(p_.S(), p_.config, p_.run, host_); }

void TfrmMain::TabSetSetupChange(int index) {
  setupTab_ = index;
  setupTabs_->Change(index);
}

}  // namespace pumpdrill
