// The main window's menu bar. Items whose windows or commands come later are
// present and disabled; each is a member of TfrmMain named after its caption,
// so that the window that serves it connects and enables it.
#include <QMenuBar>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "setup/gui/frm_frict.h"
#include "sound/gui/frm_rad_cnfg.h"

namespace pumpdrill {

namespace {

QAction* Item(QMenu* menu, const char* caption, const char* name, bool enabled = false) {
  QAction* a = menu->addAction(QString::fromUtf8(caption));
  a->setObjectName(name);
  a->setEnabled(enabled);
  return a;
}

QMenu* Submenu(QMenu* menu, const char* caption, const char* name) {
  QMenu* sub = menu->addMenu(QString::fromUtf8(caption));
  sub->setObjectName(name);
  return sub;
}

}  // namespace

void TfrmMain::BuildMenus() {
  QMenuBar* bar = menuBar();

  mnuFile = bar->addMenu("&File");
  mnuFile->setObjectName("mnuFile");
  mOpen = Item(mnuFile, "&Open...", "mOpen");
  mSaveEvo = Item(mnuFile, "&Save Evo", "mSaveEvo");
  mSaveEvoAs = Item(mnuFile, "Save Evo &As...", "mSaveEvoAs");
  mDeleteEvo = Item(mnuFile, "Delete Evo...", "mDeleteEvo");
  mAnswerKey = Item(mnuFile, "Answer &Key...", "mAnswerKey", true);
  mnuFile->addSeparator();
  mPrint = Item(mnuFile, "&Print...", "mPrint");
  mPrintSetup = Item(mnuFile, "P&rint Setup...", "mPrintSetup");
  mnuFile->addSeparator();
  mExit = Item(mnuFile, "E&xit", "mExit", true);
  connect(mExit, &QAction::triggered, this, &QWidget::close);
  ConnectFileMenu();

  mnuSetup = bar->addMenu("&Setup");
  mnuSetup->setObjectName("mnuSetup");
  mSupplySetup = Item(mnuSetup, "Supply/Tank", "mSupplySetup");
  mPumpSetup = Item(mnuSetup, "Pump / Engine", "mPumpSetup");
  mDischargeSetup = Item(mnuSetup, "Discharges", "mDischargeSetup");
  mFoamSetup = Item(mnuSetup, "Foam", "mFoamSetup");
  mnuSetupPanel = Submenu(mnuSetup, "Panel", "mnuSetupPanel");
  mPanelDesign = Item(mnuSetupPanel, "Enable Design", "mPanelDesign");
  mPanelOpen = Item(mnuSetupPanel, "Open...", "mPanelOpen");
  mPanelSave = Item(mnuSetupPanel, "Save", "mPanelSave");
  mPanelSaveAs = Item(mnuSetupPanel, "Save As...", "mPanelSaveAs");
  mPanelDelete = Item(mnuSetupPanel, "Delete...", "mPanelDelete");
  ConnectPanelMenu();
  mnuFrictionAdjust = Submenu(mnuSetup, "Friction Adjust", "mnuFrictionAdjust");
  mFrictionHoses = Item(mnuFrictionAdjust, "Hoses", "mFrictionHoses");
  mFrictionValves = Item(mnuFrictionAdjust, "Valves", "mFrictionValves");
  mFrictionAppliances = Item(mnuFrictionAdjust, "Appliances", "mFrictionAppliances");
  // The friction calculator, modal and released when it closes. Opened from
  // the menu it starts from a 2-1/2 in hose (no current line).
  mFrictionHoses->setEnabled(true);
  connect(mFrictionHoses, &QAction::triggered, this, [this] {
    TfrmFrict frict(p_.S(), p_.config, 0, host_, p_.ConfigPath(), this);
    frict.exec();
  });
  mGraphSetup = Item(mnuSetup, "Graph", "mGraphSetup");
  mBurnHouseSetup = Item(mnuSetup, "BurnHouse", "mBurnHouseSetup");
  // The Setup items only select a tab of the setup tab set.
  connect(mSupplySetup, &QAction::triggered, this, [this] { TabSetSetup->setCurrentIndex(kTabSupply); });
  connect(mPumpSetup, &QAction::triggered, this, [this] { TabSetSetup->setCurrentIndex(kTabPump); });
  connect(mDischargeSetup, &QAction::triggered, this,
          [this] { TabSetSetup->setCurrentIndex(kTabDischarges); });
  connect(mFoamSetup, &QAction::triggered, this, [this] { TabSetSetup->setCurrentIndex(kTabFoam); });

  mnuPanelDesign = bar->addMenu("Panel Design");
  mnuPanelDesign->setObjectName("mnuPanelDesign");
  mnuPanelDesign->menuAction()->setVisible(false);

  mnuActions = bar->addMenu(" &Actions ");
  mnuActions->setObjectName("mnuActions");
  mnuCheck = Submenu(mnuActions, "Check", "mnuCheck");
  mCheckSupplyLine = Item(mnuCheck, "Supply Line", "mCheckSupplyLine");
  mCheckDischargeLines = Item(mnuCheck, "Discharge Lines", "mCheckDischargeLines");
  mCheckAirtightCaps = Item(mnuCheck, "Airtight caps", "mCheckAirtightCaps");
  mCheckAirtightCaps->setVisible(false);
  mCheckAirtightConnections = Item(mnuCheck, "Airtight connections", "mCheckAirtightConnections");
  mCheckAirtightConnections->setVisible(false);
  mnuFill = Submenu(mnuActions, "Fill", "mnuFill");
  mFillTank = Item(mnuFill, "Tank", "mFillTank");
  mFillDumpTank = Item(mnuFill, "Dump Tank", "mFillDumpTank");
  mFillEngineOil = Item(mnuFill, "Engine Oil", "mFillEngineOil");
  mFillPrimerOil = Item(mnuFill, "Primer Oil Reservoir", "mFillPrimerOil");
  mnuReplace = Submenu(mnuActions, "Replace", "mnuReplace");
  mReplaceSupplyLine = Item(mnuReplace, "Supply Line", "mReplaceSupplyLine");
  mReplaceHardSuction = Item(mnuReplace, "Hard Suction", "mReplaceHardSuction");
  mnuReconnect = Submenu(mnuActions, "Reconnect", "mnuReconnect");
  mReconnectDischargeLine = Item(mnuReconnect, "Discharge Line", "mReconnectDischargeLine");
  mReconnectSupplyLine = Item(mnuReconnect, "Supply Line", "mReconnectSupplyLine");
  mnuClean = Submenu(mnuActions, "Clean", "mnuClean");
  mCleanStrainer = Item(mnuClean, "Strainer", "mCleanStrainer");
  ConnectActionsMenu();

  mnuRadio = bar->addMenu(" Ra&dio ");
  mnuRadio->setObjectName("mnuRadio");
  mRadioConfigure = Item(mnuRadio, "Configure", "mRadioConfigure", true);
  connect(mRadioConfigure, &QAction::triggered, this, [this] {
    TfrmRadCnfg dialog(p_, host_, this);
    dialog.exec();
  });

  mnuRun = bar->addMenu("&Run");
  mnuRun->setObjectName("mnuRun");
  mRunInitialize = Item(mnuRun, "Initialize", "mRunInitialize", true);
  mRunStart = Item(mnuRun, "Start/Restart", "mRunStart", true);
  mRunPause = Item(mnuRun, "Pause", "mRunPause", true);
  mRunTerminate = Item(mnuRun, "Terminate", "mRunTerminate", true);
  connect(mRunInitialize, &QAction::triggered, this, &TfrmMain::RunInitializeClick);
  connect(mRunStart, &QAction::triggered, this, [this] { RunButtonPressed(BtnStart, kRunStart); });
  connect(mRunPause, &QAction::triggered, this, [this] { RunButtonPressed(BtnPause, kRunPause); });
  connect(mRunTerminate, &QAction::triggered, this,
          [this] { RunButtonPressed(BtnStop, kRunTerminate); });

  mnuOptions = bar->addMenu("&Options");
  mnuOptions->setObjectName("mnuOptions");
  mOptionsDesktop = Item(mnuOptions, "Desktop", "mOptionsDesktop");
  mOptionsSound = Item(mnuOptions, "Sound", "mOptionsSound");
  mMuteSound = Item(mnuOptions, "Mute Sound", "mMuteSound");
  ConnectSoundMenu();
  ConnectOptionsMenu();

  mnuDataRecords = bar->addMenu("Data Records");
  mnuDataRecords->setObjectName("mnuDataRecords");
  mnuStudents = Submenu(mnuDataRecords, "Students", "mnuStudents");
  mStudentsLogin = Item(mnuStudents, "Login", "mStudentsLogin");
  mStudentsConfigure = Item(mnuStudents, "Configure/View", "mStudentsConfigure");
  mStartRecording = Item(mnuDataRecords, "Start Recording", "mStartRecording");
  mStopRecording = Item(mnuDataRecords, "Stop Recording", "mStopRecording");
  mDataOpen = Item(mnuDataRecords, "Open...", "mDataOpen");
  mDataSaveAs = Item(mnuDataRecords, "Save as...", "mDataSaveAs");
  mDataDelete = Item(mnuDataRecords, "Delete...", "mDataDelete");
  mDataExportCsv = Item(mnuDataRecords, "Export CSV...", "mDataExportCsv");
  mRunReport = Item(mnuDataRecords, "Run Report...", "mRunReport", true);
  mPassword = Item(mnuDataRecords, "Password", "mPassword");
  mPassword->setVisible(false);
  mLockOutIncidents = Item(mnuDataRecords, "Lock out Incidents", "mLockOutIncidents");
  mLockOutIncidents->setVisible(false);
  mnuDataRecords->addSeparator();
  mDataFile = Item(mnuDataRecords, "Data File:", "mDataFile");
  mDataFile->setVisible(false);
  mDataSize = Item(mnuDataRecords, "Size: ", "mDataSize");
  mDataSize->setVisible(false);
  ConnectDataRecordsMenu();

  mnuHelp = bar->addMenu("&Help");
  mnuHelp->setObjectName("mnuHelp");
  mHelpContents = Item(mnuHelp, "&Online Help", "mHelpContents");
  mHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
  mHelpSearch = Item(mnuHelp, "&Search for Help On...", "mHelpSearch");
  mHelpHowTo = Item(mnuHelp, "&How to Use Help", "mHelpHowTo");
  mnuHelp->addSeparator();
  mRunInfo = Item(mnuHelp, "Run Info", "mRunInfo");
  mAbout = Item(mnuHelp, "About", "mAbout");

  mOperator = bar->addAction("Operator:  ");
  mOperator->setObjectName("mOperator");
  mOperator->setVisible(false);

  ConnectHelpMenu();
  ConnectPrintMenu();
  AssignMenuKeys();
}

}  // namespace pumpdrill
