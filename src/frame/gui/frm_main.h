// The main window: a multiple-document parent that holds the panel, the
// setup windows, the chart, the nozzle operation window and the burn-house
// view; the menu bar; the setup tab set along its bottom edge with the run
// panel on it; and the 15 ms timer that drives the simulation.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

#include "frame/gui/evolution_dialogs.h"
#include "frame/program.h"
#include "records/gui/data_file_dialogs.h"
#include "records/run_record.h"
#include "records/run_report.h"
#include "panel/gui/panel_dialogs.h"
#include "panel/image_library.h"

namespace pumpdrill {

class WindowHost;
class SetupTabs;
class TfrmGraph;
class TfrmGrphSet;
class TfrmBurn;
class TfrmNzroll;
class TfrmPanel;
class TfrmOptions;
class TfrmHelp;
class TfrmRecs;

// The strip along the main window's bottom edge: the setup tab set across
// its width and the run panel lying on it at the right.
// The main window's size for a screen's available area when no placement
// is stored: the largest 4:3 size within 85 % of it, at least 640 × 480.
QSize MainWindowSize(QSize available);

class TabSetStrip : public QWidget {
 public:
  using QWidget::QWidget;
  void Place(QTabBar* tabs, QWidget* panel);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTabBar* tabs_ = nullptr;
  QWidget* panel_ = nullptr;
};

// Tabs of the setup tab set, in their order.
enum SetupTab : int { kTabSupply = 0, kTabPanel = 1, kTabPump = 2, kTabDischarges = 3, kTabFoam = 4 };

class TfrmRunReport;
class TfrmAnswerKey;

class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  // showSplash: play the splash while the window is created.
  TfrmMain(Program& program, WindowHost& host, bool showSplash, QWidget* parent = nullptr);
  ~TfrmMain() override;

  Program& program() { return p_; }
  WindowHost& host() { return host_; }
  SetupTabs& setupTabs() { return *setupTabs_; }
  QMdiArea* mdiArea() const { return mdiArea_; }
  const ImageLibrary* miscLibrary() const { return miscLibrary_.get(); }

  // The strip chart, created hidden with the window, and its plot setup
  // (created on first use).
  TfrmGraph* frmGraph() const { return frmGraph_; }
  QMdiSubWindow* graphWindow() const { return graphWindow_; }
  TfrmGrphSet* frmGrphSet() const { return frmGrphSet_; }
  void ShowGraph(bool shown);
  void BtnGraphClick();     // shows the chart, or hides it when it is visible
  void BtnGraphDblClick();  // the plot setup, the chart left shown
  void mGraphSetupClick();  // Setup > Graph
  void mDataOpenClick();    // Data Records > Open...
  void mPrintClick();       // File > Print...: the active window

  // The burn-house window: created hidden at start-up, released when closed.
  TfrmBurn* frmBurn() const;
  QMdiSubWindow* burnWindow() const { return burnWindow_; }
  void BtnBurnHouseClick();  // also Setup > 'BurnHouse': created when missing, brought to the front
  void StartBurnHouseWindow();    // a new run starts
  void RestartBurnHouseWindow();  // the run is initialised again
  // The line the discharge lines window, the line setup and the nozzle
  // setup work on.
  int CurrentLine = 1;

  // The nozzle operation window: the nozzle button opens it, or closes and
  // opens it again; nullptr while it is closed.
  TfrmNzroll* frmNzroll() const;
  void BtnNozzleClick();
  void RefreshNozzleWindow();  // when it is shown
  void RefreshFoamSetup();     // when the foam setup is shown

  // The operator's panel: created at start-up, shown maximised.
  TfrmPanel* frmPanel() const;
  QMdiSubWindow* panelWindow() const { return panelWindow_; }
  // Options > 'Desktop' (frm_main_options.cpp): one options window, brought
  // to the front when it is open; nullptr while it is closed.
  TfrmOptions* frmOptions() const;
  void mOptionsDesktopClick();
  // Help menu (frm_main_help.cpp): the manual's window, Run Info, About.
  TfrmHelp* frmHelp();  // created on first use
  void mHelpContentsClick();  // also F1: the topic of the active window
  void mHelpSearchClick();
  void mHelpHowToClick();
  void mRunInfoClick();
  void mAboutClick();
  int ActiveHelpContext() const;  // 0 when the active window has none
  // File > 'Print...' and 'P&rint Setup...' (frm_main_print.cpp). The print
  // dialog's answer; tests put their own.
  std::function<bool(QPrinter& printer, QWidget* parent)> AskPrint;
  void mPrintSetupClick();
  void UpdatePrintItem();  // enabled while a window of the area is active
  // Students, classes and the operator login (frm_main_students.cpp): the
  // students window is a child of the area, open at most once.
  TfrmRecs* frmRecs() const;
  QMdiSubWindow* recsWindow() const;
  void mStudentsLoginClick();
  void mStudentsConfigureClick();
  void CloseStudentsWindow();  // a changed comment is written first
  void RefreshOperatorItem();  // the "Operator:" item after the logged-in student
  // The run report (frm_main_report.cpp): every run is sampled for it; at
  // Terminate it is filed as a PDF in the data folder (a new name, never
  // over a file that is there) and shown; Data Records > 'Run Report...'
  // shows it again. When the run's data file is saved under a name, the
  // filed PDF takes that name too (again never over a file).
  TfrmRunReport* frmRunReport() const;
  void mRunReportClick();
  void NoteWaterHammer();  // the run sounded one
  // File > 'Answer Key...': the key editor of the current Evolution, shown
  // modal; nullptr when there is no Evolution to edit it for.
  TfrmAnswerKey* mAnswerKeyClick();
  const RunRecorder& runRecorder() const { return runRecorder_; }
  const std::string& lastFiledReport() const { return lastFiledReport_; }

  // Display requests of the run control (through WindowHost).
  void ShowRunButtons(RunButton down);
  void EnableTimer(bool on);
  void ShowElapsedTime(const std::string& text);
  void UpdateEvolutionLabel();
  void SelectPanelTab();

  // Run panel.
  QTabBar* TabSetSetup = nullptr;
  QWidget* PnlSimCtrls = nullptr;
  QLabel* LblEvolution = nullptr;
  QLabel* LblEvolutionFName = nullptr;
  QToolButton* BtnBurnHouse = nullptr;
  QToolButton* BtnGraph = nullptr;
  QToolButton* BtnNozzle = nullptr;
  QToolButton* BtnStart = nullptr;
  QToolButton* BtnPause = nullptr;
  QToolButton* BtnStop = nullptr;
  QLabel* LblSimClockTime = nullptr;
  QTimer Timer1;

  // Menu bar: menus and items, named after their captions.
  QMenu* mnuFile = nullptr;
  QAction *mOpen, *mSaveEvo, *mSaveEvoAs, *mDeleteEvo, *mPrint, *mPrintSetup, *mExit;
  QAction* mAnswerKey;  // File > Answer Key...: the current Evolution's key
  QMenu* mnuSetup = nullptr;
  QAction *mSupplySetup, *mPumpSetup, *mDischargeSetup, *mFoamSetup;
  QMenu* mnuSetupPanel = nullptr;
  QAction *mPanelDesign, *mPanelOpen, *mPanelSave, *mPanelSaveAs, *mPanelDelete;
  QMenu* mnuFrictionAdjust = nullptr;
  QAction *mFrictionHoses, *mFrictionValves, *mFrictionAppliances;
  QAction *mGraphSetup, *mBurnHouseSetup;
  QMenu* mnuPanelDesign = nullptr;  // shown only in panel design mode
  QMenu* mnuActions = nullptr;
  QMenu *mnuCheck, *mnuFill, *mnuReplace, *mnuReconnect, *mnuClean;
  QAction *mCheckSupplyLine, *mCheckDischargeLines, *mCheckAirtightCaps, *mCheckAirtightConnections;
  QAction *mFillTank, *mFillDumpTank, *mFillEngineOil, *mFillPrimerOil;
  QAction *mReplaceSupplyLine, *mReplaceHardSuction;
  QAction *mReconnectDischargeLine, *mReconnectSupplyLine;
  QAction* mCleanStrainer;
  QMenu* mnuRadio = nullptr;
  QAction* mRadioConfigure;
  QMenu* mnuRun = nullptr;
  QAction *mRunInitialize, *mRunStart, *mRunPause, *mRunTerminate;
  QMenu* mnuOptions = nullptr;
  QAction *mOptionsDesktop, *mOptionsSound;
  QAction* mMuteSound;  // Options > 'Mute Sound' (Ctrl+M): silence until chosen again
  QMenu* mnuDataRecords = nullptr;
  QMenu* mnuStudents = nullptr;
  QAction *mStudentsLogin, *mStudentsConfigure;
  QAction *mStartRecording, *mStopRecording, *mDataOpen, *mDataSaveAs, *mDataDelete;
  QAction *mPassword, *mLockOutIncidents, *mDataFile, *mDataSize;
  QAction* mDataExportCsv;  // Data Records > Export CSV...
  QAction* mRunReport;      // Data Records > Run Report...
  QMenu* mnuHelp = nullptr;
  QAction *mHelpContents, *mHelpSearch, *mHelpHowTo, *mRunInfo, *mAbout;
  QAction* mOperator;  // the logged-in student; hidden until a login

 public slots:
  void BtnStartClick();
  void BtnPauseClick();
  void BtnStopClick();
  void Timer1Timer();
  void RunInitializeClick();
  void TabSetSetupChange(int index);
  // File menu: Evolution commands.
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  void Delete1Click();
  // Data Records menu.
  void mStartRecordingClick();
  void mStopRecordingClick();
  void mDataSaveAsClick();
  void mDataDeleteClick();
  void mDataExportCsvClick();
  // Options menu: the sound options dialog and the mute switch.
  void mOptionsSoundClick();
  void mMuteSoundClick(bool muted);

 public:
  // The dialogs that choose the files of the File menu (tests put their own).
  void SetEvolutionDialogs(std::unique_ptr<EvolutionDialogs> dialogs);
  // The dialogs that choose the files of the Data Records menu (tests put their own).
  void SetDataFileDialogs(std::unique_ptr<DataFileDialogs> dialogs);
  DataFileDialogs& dataFileDialogs() { return *dataFileDialogs_; }
  // Setup > Panel: the dialogs that choose the panel files (tests put
  // their own), and the commands (frm_main_panel_file.cpp).
  void SetPanelDialogs(std::unique_ptr<PanelDialogs> dialogs);
  void mPanelOpenClick();
  void mPanelSaveClick();
  bool mPanelSaveAsClick();  // true when the panel was saved
  void mPanelDeleteClick();
  // Loads the panel file of PumpControl.PanelFileName and rebuilds the panel.
  void AttachPanelFile();
  // Panel design mode (frm_main_design.cpp): 'Enable Design' toggles it
  // (refused during a run), the "Panel Design" menu follows it.
  void mPanelDesignClick();
  void SetPanelDesign(bool on);
  // A layout changed since it was saved or loaded is offered for saving:
  // false when the user cancelled (the command stops).
  bool OfferPanelLayoutSave();

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormCloseQuery
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate(bool showSplash);
  void BuildRunPanel();
  void BuildMenus();
  void ConnectActionsMenu();
  void ConnectFileMenu();
  void ActionsMenuShow();  // enables the working Actions while a run is active
  void ConnectDataRecordsMenu();
  void ConnectSoundMenu();
  void DataRecordsMenuShow();  // enable rules and the data file's name and size
  void LoadRunPanelGlyphs();
  void CreateGraphWindow();
  void CreateBurnWindow();
  void CreatePanelWindow();
  void PlaceMainWindow();
  void ConnectBurnHouse();
  void ApplyPlotSetup();
  void RunButtonPressed(QToolButton* button, int mode);
  void ConnectOptionsMenu();
  void ConnectHelpMenu();
  void ConnectPrintMenu();
  void SetMinimumWindowSize();
  void AssignMenuKeys();
  void ApplyReadOnlyMainDirectory();

  void TrackRunReport(bool wasActive);  // after every run state change and tick
  void FileAndShowRunReport();
  RunReport ComputeLastRunReport();
  void ReportFollowsDataFile(const std::string& savedFrom);  // after a Save as of the data file
  Program& p_;
  WindowHost& host_;
  RunRecorder runRecorder_;
  std::string lastFiledReport_;
  std::string lastReportDataFile_;  // the data file the filed report belongs to
  QMdiArea* mdiArea_ = nullptr;
  ImageLibraryHandle miscLibrary_;
  int setupTab_ = kTabPanel;
  bool shownOnce_ = false;
  std::unique_ptr<EvolutionDialogs> evolutionDialogs_;
  SetupTabs* setupTabs_ = nullptr;  // child of this window
  std::unique_ptr<DataFileDialogs> dataFileDialogs_;
  TfrmGraph* frmGraph_ = nullptr;
  QMdiSubWindow* graphWindow_ = nullptr;
  TfrmGrphSet* frmGrphSet_ = nullptr;
  QPointer<TfrmBurn> frmBurn_;
  QPointer<QMdiSubWindow> burnWindow_;
  QPointer<TfrmNzroll> frmNzroll_;
  QPointer<TfrmPanel> frmPanel_;
  QPointer<QMdiSubWindow> panelWindow_;
  QPointer<TfrmOptions> frmOptions_;
  QPointer<TfrmHelp> frmHelp_;
  void ConnectStudents();
  void ConnectPanelMenu();
  void PanelMenuShow();
  void ConnectPanelDesignMenu();
  std::unique_ptr<PanelDialogs> panelDialogs_;
  QPointer<TfrmRecs> frmRecs_;
  QPointer<QMdiSubWindow> recsWindow_;
};

}  // namespace pumpdrill
