// The strip chart window: the samples of a page drawn against simulated
// time, one curve per chosen quantity, with the record's description, the
// data file's information, paging, printing and saving an image. In a run
// it follows the recording; a stored record opened from Data Records is
// viewed from its own copy.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QWidget>

#include "frame/program.h"
#include "records/chart_browser.h"
#include "records/gui/chart_painter.h"
#include "sim/host.h"

namespace pumpdrill {

class TfrmGraph;

// The drawing surface: the page kept in a picture, new segments added to it.
class ChartSurface : public QWidget {
 public:
  explicit ChartSurface(TfrmGraph& graph, QWidget* parent = nullptr);
  // The whole page is drawn again at the next paint.
  void Invalidate();
  // Adds the segments from prev to cur; only their area is repainted.
  void AddSegments(const TDataSampleRec& prev, const TDataSampleRec& cur);
  // How many full drawings and segment additions were made (for tests).
  int FullDrawings() const { return fullDrawings_; }
  int SegmentDrawings() const { return segmentDrawings_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Rebuild();
  TfrmGraph& graph_;
  QPixmap page_;
  ChartLayout layout_;
  bool stale_ = true;
  int fullDrawings_ = 0;
  int segmentDrawings_ = 0;
};

class TfrmGraph : public QWidget {
  Q_OBJECT

 public:
  TfrmGraph(Program& program, Host& host, QWidget* parent = nullptr);

  QWidget* PBoxGraph = nullptr;
  QFrame* PnlDescription = nullptr;
  QLabel* LblTitle = nullptr;
  QLabel* LblOperator = nullptr;
  QLabel* LblDate = nullptr;
  QLabel* LblEvolution = nullptr;
  QToolButton* BtnForInfo = nullptr;
  QFrame* PnlInfoBox = nullptr;
  QLabel* LblFileName = nullptr;
  QLabel* LblKBytes = nullptr;
  QLabel* LblTotalPoints = nullptr;
  QPushButton* SpeedBtnGraphSetup = nullptr;
  QPushButton* SpeedButton1 = nullptr;
  QPushButton* BtnSaveImage = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QScrollBar* ScrollBarHorizGraph = nullptr;

  // The notifications of the recording (through the host).
  void AddPoint();
  void RepaintPage();
  void RefreshInfo();
  void Finish();
  // Setup, units or line titles changed: the page is drawn again.
  void SetupChanged();

  // Data Records > Open... once a file is chosen: read and viewed; false
  // when it could not be read (already reported).
  bool OpenStored(const std::string& path);

  // The page shown, as the painter draws it.
  ChartPageView CurrentView() const;
  // The plot setup the chart is drawn with (the run's, or the stored record's copy).
  TPlotSetupRec& Setup();
  ChartBrowser& Browser() { return browser_; }
  ChartSurface& Surface() { return *surface_; }

  // Prints on printer without asking (the dialog's OK ends here).
  bool PrintTo(QPrinter& printer);

 signals:
  void SetupRequested();  // 'Setup': the plot setup is to be shown
  void CloseRequested();  // '&Close': the chart is to be hidden

 public slots:
  void BtnForInfoClick();
  void SpeedButton1Click();  // Print
  void BtnSaveImageClick();
  void ScrollBarHorizGraphChange(int value);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void RefreshDescription();
  void RefreshScrollBar();
  void ShowPage(int page);
  // False while a stored record is viewed; a new run's data file ends that.
  bool FollowsRun() const;

  Program& p_;
  Host& host_;
  ChartBrowser browser_;
  ChartSurface* surface_ = nullptr;
  mutable std::vector<TDataSampleRec> shownSamples_;
};

}  // namespace pumpdrill
