// The strip chart and the plot setup driven as a trainee drives them: the
// graph button, the grid, the edits, a live run over pages, a stored record
// viewed and paged, a printout to PDF.
#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QPrinter>
#include <QTest>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "main_window_fixture.h"
#include "records/gui/chart_output.h"
#include "records/gui/frm_graph.h"
#include "records/gui/frm_grph_set.h"
#include "records/plot_setup_edit.h"
#include "sim/coefficients.h"
#include "sim/pressure_control.h"
#include "sim/valve_change.h"

namespace pumpdrill::testing {
namespace {

class OpenDialogs : public DataFileDialogs {
 public:
  std::optional<std::string> ChooseOpen(QWidget*, const std::string&) override { return chosen; }
  std::optional<std::string> chosen;
};

class GraphWindow : public MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow([this](TfrmMain& win) {
      auto owned = std::make_unique<OpenDialogs>();
      dialogs = owned.get();
      win.SetDataFileDialogs(std::move(owned));
    });
    host.messages.clear();
  }
  TfrmGraph& graph() { return *w->frmGraph(); }
  TPlotSetupRec& setup() { return p.run.Recording.PlotSetup; }
  TfrmGrphSet& plotSetup() {
    w->mGraphSetup->trigger();
    ProcessEventsFor(10);
    return *w->frmGrphSet();
  }
  QString Cell(int row, int column) {
    QTableWidgetItem* item = w->frmGrphSet()->StrGrid->item(row - 1, column - 1);
    return item ? item->text() : QString("<none %1x%2>").arg(w->frmGrphSet()->StrGrid->rowCount()).arg(w->frmGrphSet()->StrGrid->columnCount());
  }
  void DoubleClickCell(int row, int column) {
    QTableWidget* grid = w->frmGrphSet()->StrGrid;
    const QRect r = grid->visualItemRect(grid->item(row - 1, column - 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, r.center());
  }
  void Enter(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> t;
    for (const ShownMessage& m : host.messages) t.push_back(m.text);
    return t;
  }
  // A run of seconds with four curves, ticked every 0.1 s.
  void RunWithFourCurves(double seconds) {
    for (int e : {kEntryIntakePress, EntryDischPress(1), kEntryPumpPress, kEntryTotalFlow}) {
      setup().Entries[e].Plot = 1;
    }
    setup().Entries[kEntryIntakePress].Colour = kPlotPalette[2];
    setup().Entries[kEntryIntakePress].Symbol = 1;
    setup().Entries[EntryDischPress(1)].Colour = kPlotPalette[3];
    setup().Entries[EntryDischPress(1)].Pattern = 1;
    setup().Entries[EntryDischPress(1)].Symbol = 2;
    w->BtnStart->click();
    State& s = p.S();
    const double start = host.now;
    for (double t = 0; t <= seconds; t += 0.1) {
      // The operator opens the intake and line 1, throttles up, then opens line 2.
      if (t == 0 || std::abs(t - 40) < 0.05 || std::abs(t - 80) < 0.05) {
        const int line = t < 1 ? 1 : 2;
        for (int valve : {kIntakeLine, line}) {
          s.Discharges[valve].ValveOpen = 1;
          ValveChanged(s, false, valve, 1, true, host);
        }
        s.Discharges[line].NozzleOpen = 1;
        UpdateNozzleK(s, line);
        s.Engine.RpmDemand = t < 1 ? 1200 : t < 60 ? 1500 : 1300;
        LimitRpmDemand(s);
      }
      host.now = start + t;
      w->Timer1Timer();
      if (static_cast<int>(t * 10) % 20 == 0) QApplication::processEvents();
    }
    ProcessEventsFor(20);
  }
  OpenDialogs* dialogs = nullptr;
};

TEST_F(GraphWindow, TheGraphButtonShowsAndHidesAndItsDoubleClickOpensThePlotSetup) {
  QWidget* sub = w->graphWindow();
  EXPECT_FALSE(sub->isVisible());  // created hidden
  EXPECT_EQ(graph().windowTitle().toStdString(), "Strip Chart");
  QTest::mouseClick(w->BtnGraph, Qt::LeftButton);
  EXPECT_TRUE(sub->isVisible());
  EXPECT_TRUE(w->mPrint->isEnabled());  // File > Print... prints the chart
  QTest::mouseClick(w->BtnGraph, Qt::LeftButton);
  EXPECT_FALSE(sub->isVisible());
  // A double click: the first click shows it, the double click leaves it shown.
  QTest::mouseDClick(w->BtnGraph, Qt::LeftButton);
  ProcessEventsFor(10);
  EXPECT_TRUE(sub->isVisible());
  ASSERT_NE(w->frmGrphSet(), nullptr);
  EXPECT_TRUE(w->frmGrphSet()->isVisible());
  EXPECT_EQ(w->frmGrphSet()->windowTitle().toStdString(), "Plot Setup");
  QTest::mouseClick(graph().BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(sub->isVisible());
}

TEST_F(GraphWindow, OnlyMasterPressureAndTotalFlowArePlottedByDefaultAndADoubleClickToggles) {
  plotSetup();
  const int rows = PlotGridRows(p.S().DischargeList.LineCount);
  for (int row = 1; row <= rows; ++row)
    for (int column = kGridFlow; column <= kGridNozzlePress; ++column) {
      const bool master = row == 2 && column != kGridNozzlePress;
      const bool none = row <= 4 && column == kGridNozzlePress;
      EXPECT_EQ(Cell(row, column).toStdString(), none ? "" : master ? kPlotCellOn : kPlotCellOff) << row << column;
    }
  DoubleClickCell(5, kGridNozzlePress);  // line 1's nozzle pressure
  EXPECT_EQ(Cell(5, kGridNozzlePress).toStdString(), kPlotCellOn);
  QTest::keyClick(w->frmGrphSet()->StrGrid, Qt::Key_Space);  // Space toggles it back
  EXPECT_EQ(Cell(5, kGridNozzlePress).toStdString(), kPlotCellOff);
  DoubleClickCell(1, kGridPressure);
  EXPECT_FALSE(setup().Entries[kEntryIntakePress].Plot);  // only the working copy so far
  QTest::mouseClick(w->frmGrphSet()->BtnOK, Qt::LeftButton);
  EXPECT_TRUE(setup().Entries[kEntryIntakePress].Plot);
  EXPECT_FALSE(setup().Entries[EntryNozzlePress(1)].Plot);
}

TEST_F(GraphWindow, IntervalAndPageTimeAreStoredAtTheirLeastAndCancelChangesNothing) {
  const TPlotSetupRec before = setup();
  TfrmGrphSet& set = plotSetup();
  Enter(set.EditInterval, "0.1");
  EXPECT_EQ(set.EditInterval->text().toStdString(), "0.25");
  EXPECT_EQ(set.LblEstimate->text().toStdString(), "1.05  MBytes");
  Enter(set.EditPageTime, "2");
  EXPECT_EQ(set.EditPageTime->text().toStdString(), "5");
  DoubleClickCell(3, kGridFlow);
  QTest::mouseClick(set.BtnCancel, Qt::LeftButton);
  EXPECT_EQ(std::memcmp(&before, &setup(), sizeof before), 0);

  plotSetup();
  Enter(set.EditInterval, "2");
  EXPECT_EQ(set.LblEstimate->text().toStdString(), "0.13125  MBytes");
  Enter(set.EditInterval, "0.1");
  Enter(set.EditPageTime, "2");
  QTest::mouseClick(set.BtnOK, Qt::LeftButton);
  EXPECT_EQ(setup().SampleInterval, 0.25);
  EXPECT_EQ(setup().PageLength, 5);
}

TEST_F(GraphWindow, ALimitPairThatDoesNotIncreaseOrIsNoNumberIsRefusedAndKept) {
  TfrmGrphSet& set = plotSetup();
  struct Case {
    QLineEdit* edit;
    const char* text;
    const char* message;
  } cases[] = {
      {set.EditMinimum, "600", kLimitsNotIncreasing},
      {set.EditMaximum, "-5", kLimitsNotIncreasing},
      {set.EditMinimum, "abc", "Invalid value entered."},
      {set.EditInterval, "x", "Invalid value entered."},
  };
  for (const Case& c : cases) {
    host.messages.clear();
    const QString kept = c.edit->text();
    Enter(c.edit, c.text);
    EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.text;
    EXPECT_EQ(c.edit->text(), kept);
  }
  Enter(set.EditMaximum, "400");
  QTest::mouseClick(set.BtnOK, Qt::LeftButton);
  EXPECT_EQ(setup().PressMin, 0);
  EXPECT_EQ(setup().PressMax, 400);
  EXPECT_EQ(setup().SampleInterval, 1);
}

TEST_F(GraphWindow, ThePairChosenMustMatchTheSelectedQuantity) {
  TfrmGrphSet& set = plotSetup();
  EXPECT_EQ(set.LblMinimum->text().toStdString(), "minimum (psi)");
  QTest::mouseClick(set.RadioFlow, Qt::LeftButton);  // the master pressure is selected
  EXPECT_EQ(Texts(), std::vector<std::string>{kUnitsNotCompatible});
  EXPECT_EQ(set.LblMaximum->text().toStdString(), "maximum (gpm)");
  set.ChkPlotEngineSpeed->click();
  QTest::mouseClick(set.BtnOK, Qt::LeftButton);
  EXPECT_TRUE(setup().Entries[kEntryEngineRpm].Plot);
}

TEST_F(GraphWindow, ALiveRunAddsSegmentsAndRepaintsTheWholePageOnlyAtATurn) {
  w->ShowGraph(true);
  w->graphWindow()->resize(900, 620);
  ProcessEventsFor(20);
  RunWithFourCurves(130);
  ChartSurface& surface = graph().Surface();
  EXPECT_GT(surface.SegmentDrawings(), 100);
  EXPECT_LT(surface.FullDrawings(), 12);
  EXPECT_EQ(graph().Browser().PageTotal(), 3);  // two pages in the file, one in memory
  EXPECT_EQ(graph().ScrollBarHorizGraph->maximum(), 2);
  EXPECT_EQ(graph().LblTotalPoints->text().toLongLong(), p.run.Recording.SamplesTotal);
  Screenshot(*w->graphWindow(), "strip_chart_live_run");
  // Scrolled back, the view stays there while the run goes on.
  graph().ScrollBarHorizGraph->setValue(0);
  EXPECT_EQ(graph().Browser().PageStart(p.run.Recording), 0);
  Screenshot(*w->graphWindow(), "strip_chart_live_run_page1");
}

TEST_F(GraphWindow, ALiveRunInBar) {
  ApplyUnits(p.config.Units, true, true);
  w->ShowGraph(true);
  w->graphWindow()->resize(900, 620);
  RunWithFourCurves(130);
  Screenshot(*w->graphWindow(), "strip_chart_live_run_bar");
  plotSetup();
  EXPECT_EQ(w->frmGrphSet()->LblMinimum->text().toStdString(), "minimum (bar)");
  Screenshot(*w->frmGrphSet(), "strip_chart_plot_setup_bar");
}

TEST_F(GraphWindow, AStoredRecordIsViewedAndPagedAsItWasRecorded) {
  RunWithFourCurves(130);
  w->BtnStop->click();
  const std::string saved = (dir.path() / "drill.DTA").string();
  std::filesystem::copy_file(p.run.Recording.DataFileName, saved);
  dialogs->chosen = saved;
  w->mDataOpen->trigger();
  ProcessEventsFor(20);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(w->graphWindow()->isVisible());
  EXPECT_TRUE(graph().Browser().Stored());
  EXPECT_EQ(graph().Browser().PageTotal(), 3);
  EXPECT_EQ(graph().Browser().Current(), 0);
  graph().setFocus();
  QTest::keyClick(&graph(), Qt::Key_End);
  EXPECT_EQ(graph().Browser().Current(), 2);
  QTest::keyClick(&graph(), Qt::Key_PageUp);
  EXPECT_EQ(graph().Browser().Current(), 1);
  EXPECT_EQ(graph().ScrollBarHorizGraph->value(), 1);
  EXPECT_EQ(graph().LblFileName->text().toStdString(), "drill.dta");
  w->graphWindow()->resize(900, 620);
  ProcessEventsFor(20);
  graph().BtnForInfo->click();
  Screenshot(*w->graphWindow(), "strip_chart_viewed_file");

  // A new run: the chart follows it again.
  w->BtnStart->click();
  host.now += 2;
  w->Timer1Timer();
  EXPECT_FALSE(graph().Browser().Stored());
  EXPECT_TRUE(graph().Browser().ShowingLivePage());
  w->BtnStop->click();
  host.messages.clear();

  // A file of the header alone holds no points.
  const std::string empty = (dir.path() / "empty.DTA").string();
  std::filesystem::copy_file(saved, empty);
  std::filesystem::resize_file(empty, kDataHeaderBytes);
  dialogs->chosen = empty;
  w->mDataOpen->trigger();
  EXPECT_EQ(Texts(), std::vector<std::string>{"There are no points in this data file."});
}

TEST_F(GraphWindow, APrintoutToAFileIsAValidPdfAndImagesAreWrittenWhole) {
  w->ShowGraph(true);
  RunWithFourCurves(70);
  for (bool fit : {true, false}) {
    p.config.Options.PlotPrintoutFit = fit;
    const std::string pdf = (dir.path() / (fit ? "fit.pdf" : "window.pdf")).string();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(graph().PrintTo(printer));
    const std::string bytes = ReadTextFile(pdf);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 8), std::string::npos);
  }
  const QString png = QString::fromStdString((dir.path() / "chart.png").string());
  QString reason;
  ASSERT_TRUE(SaveChartImage(png, graph().CurrentView(), QSizeF(800, 500), reason)) << reason.toStdString();
  EXPECT_EQ(QImage(png).size(), QSize(1600, 1000));
  EXPECT_FALSE(SaveChartImage(QString::fromStdString((dir.path() / "no" / "chart.png").string()),
                              graph().CurrentView(), QSizeF(800, 500), reason));
  if (const QByteArray shots = qgetenv("PUMPDRILL_SHOTS"); !shots.isEmpty()) {
    const QString folder = QString::fromUtf8(shots);
    SaveChartImage(folder + "/strip_chart_chart.pdf", graph().CurrentView(), QSizeF(900, 560), reason);
    p.config.Options.PlotPrintoutFit = true;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder + "/strip_chart_printed.pdf");
    printer.setPageOrientation(QPageLayout::Landscape);
    graph().PrintTo(printer);
  }
}

}  // namespace
}  // namespace pumpdrill::testing
