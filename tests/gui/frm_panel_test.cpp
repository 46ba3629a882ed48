// The operator's panel in the main window: readouts and needles from the
// running simulation, repainting only what changed, the metric faces, the
// zeros of a terminated run; and pictures of it to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>

#include <cmath>
#include <numbers>

#include "frame/configuration.h"
#include "frame/gui/frm_main.h"
#include "main_window_fixture.h"
#include "panel/gui/frm_panel.h"
#include "panel/gauge_needle.h"
#include "panel/gauge_faces.h"
#include "panel/gauge_tag.h"
#include "sim/coefficients.h"
#include "sim/pressure_control.h"
#include "sim/valve_change.h"

namespace pumpdrill {
namespace {

// Counts the paint events of the panel's items.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) w->installEventFilter(this);
  }
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class PanelWindowTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override { OpenMainWindow(); }
  TfrmPanel& panel() { return *w->frmPanel(); }

  void StartRun() {
    w->BtnStart->click();
    ASSERT_TRUE(p.run.SimActive);
  }
  // Opens the intake, and the valve and nozzle of lines 1 to count, at the
  // engine speed.
  void OpenLines(int count, double rpm) {
    State& s = p.S();
    s.Engine.RpmDemand = rpm;
    LimitRpmDemand(s);
    s.Engine.Rpm = s.Engine.RpmDemand;
    s.Discharges[kIntakeLine].ValveOpen = 1;
    ValveChanged(s, false, kIntakeLine, 1, true, host);
    for (int n = 1; n <= count; ++n) {
      s.Discharges[n].ValveOpen = 1;
      ValveChanged(s, false, n, 1, true, host);
      s.Discharges[n].NozzleOpen = 1;
      UpdateNozzleK(s, n);
    }
  }
  // Runs ticks of 0.05 s of the run clock.
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) {
      host.now += 0.05;
      w->Timer1Timer();
    }
    testing::ProcessEventsFor(20);
  }
};

TEST_F(PanelWindowTest, IsTheMaximisedPanelOperationWindow) {
  ASSERT_NE(w->frmPanel(), nullptr);
  EXPECT_EQ(w->panelWindow()->windowTitle().toStdString(), "Panel Operation");
  EXPECT_TRUE(w->panelWindow()->isMaximized());
  EXPECT_TRUE(panel().Built());
  EXPECT_EQ(w->TabSetSetup->currentIndex(), kTabPanel);
  const std::string log = testing::ReadTextFile(dir.path() / "Ini" / "LASTINIT.TXT");
  for (const char* key : {"panel FormCreate1", "panel FormCreate8", "panel FormShow1",
                          "panel FormShow2"})
    EXPECT_NE(log.find(std::string(key) + "=OK"), std::string::npos) << key;
  // Eight lines: gauges 9 to 15 hidden.
  EXPECT_TRUE(panel().Gauge(8)->isVisible());
  EXPECT_FALSE(panel().Gauge(9)->isVisible());
  EXPECT_EQ(p.S().PumpControl.PanelFileName.str(), "TMP.XNL");
}

TEST_F(PanelWindowTest, ReadoutsShowTheLinesAfterTicks) {
  State& s = p.S();
  s.ShowOptions.ShowDigitalPressure = 1;
  s.ShowOptions.ShowDigitalFlow = 1;
  panel().RebuildPanel();
  StartRun();
  OpenLines(2, 1500);
  Ticks(12);
  for (int n : {1, 2}) {
    EXPECT_EQ(panel().PressReadout(n)->Text().toStdString(), FixedText(s.Discharges[n].DischPress, 1));
    EXPECT_EQ(panel().FlowReadout(n)->Text().toStdString(), FixedText(s.Discharges[n].Flow, 1));
    EXPECT_TRUE(panel().PressReadout(n)->isVisible());
  }
  EXPECT_EQ(panel().PressReadout(kMasterGauge)->Text().toStdString(),
            FixedText(s.PumpOutput.DischargePress, 1));
  // The needle points at the gauge pressure: off its rest.
  EXPECT_LT(panel().Gauge(1)->Angle(), 5 * std::numbers::pi / 4 - 0.1);
}

TEST_F(PanelWindowTest, ARefreshWithNothingChangedPaintsNothing) {
  StartRun();
  OpenLines(1, 1200);
  Ticks(10);
  panel().RefreshPanel();
  testing::ProcessEventsFor(30);
  PaintCounter counter(&panel());
  panel().RefreshPanel();
  panel().RefreshPanel();
  testing::ProcessEventsFor(30);
  EXPECT_EQ(counter.paints, 0);
  // A changed pressure repaints.
  p.S().Discharges[1].DischPress += 40;
  panel().RefreshPanel();
  testing::ProcessEventsFor(30);
  EXPECT_GT(counter.paints, 0);
}

TEST_F(PanelWindowTest, AUnitsSwitchLoadsTheMetricFaces) {
  EXPECT_EQ(panel().Gauge(3)->Face(), "GAUGE_SMALL_E");
  ApplyUnits(p.config, true);
  panel().RefreshPanel();
  EXPECT_EQ(panel().Gauge(3)->Face(), "GAUGE_SMALL_M");
  EXPECT_EQ(panel().Gauge(kIntakeGauge)->Face(), "GAUGE_BIG_M");
  EXPECT_EQ(panel().Gauge(kEngTempGauge)->Face(), "GAUGE_TEMP_METRIC");
  EXPECT_TRUE(GaugeTagMetric(panel().Gauge(kMasterGauge)->Tag()));
}

TEST_F(PanelWindowTest, TerminateShowsZerosAtOnce) {
  State& s = p.S();
  s.ShowOptions.ShowDigitalPressure = 1;
  s.ShowOptions.ShowDigitalFlow = 1;
  s.PumpControl.ReliefMode = 1;
  panel().RebuildPanel();
  StartRun();
  OpenLines(3, 1500);
  Ticks(12);
  s.PumpOutput.DischargePress = 150;
  s.Discharges[1].DischPress = 140;
  panel().RefreshPanel();
  ASSERT_NE(panel().PressReadout(kMasterGauge)->Text().toStdString(), "0.0");
  w->mRunTerminate->trigger();
  for (int g : {1, 2, 3, kMasterGauge}) {
    EXPECT_EQ(panel().PressReadout(g)->Text().toStdString(), "0.0") << g;
    EXPECT_EQ(panel().FlowReadout(g)->Text().toStdString(), "0.0") << g;
    EXPECT_NEAR(panel().Gauge(g)->Angle(), NeedleAngle(g, 0, false, false), 1e-9) << g;
  }
  EXPECT_EQ(panel().ImgRValveLts->Lamps(), (std::vector<Lamp>{Lamp::Dark, Lamp::Dark}));
  EXPECT_EQ(panel().ImgTankLts->Lamps(), std::vector<Lamp>(4, Lamp::Dark));
}

// Pictures to look at: idle, eight lines flowing from the hydrant at 1500
// RPM, metric, white faces, and the panel at 60 % and 180 % of its layout.
TEST_F(PanelWindowTest, Pictures) {
  State& s = p.S();
  s.ShowOptions.ShowDigitalPressure = 1;
  s.ShowOptions.ShowDigitalFlow = 1;
  s.ShowOptions.ShowDigitalRpm = 1;
  s.ShowOptions.ShowDigitalTankVol = 1;
  panel().RebuildPanel();
  testing::ProcessEventsFor(30);
  testing::Screenshot(*w, "panel_idle");
  StartRun();
  OpenLines(8, 1500);
  Ticks(40);
  testing::Screenshot(*w, "panel_flowing");
  ApplyUnits(p.config, true);
  panel().RefreshPanel(true);
  testing::ProcessEventsFor(30);
  testing::Screenshot(*w, "panel_metric");
  ApplyUnits(p.config, false);
  for (int g = 1; g < kGaugeSlots; ++g) panel().Layout().FaceColour[g] = kFaceWhite;
  for (int g = 1; g < kGaugeSlots; ++g) panel().DrawGaugeFace(g, true);
  testing::ProcessEventsFor(30);
  testing::Screenshot(*w, "panel_white");
  const QSize frame = w->size() - panel().size();
  for (auto [percent, name] : {std::pair{60, "panel_60"}, std::pair{180, "panel_180"}}) {
    w->resize(frame + QSize(636 * percent / 100, 420 * percent / 100));
    testing::ProcessEventsFor(60);
    testing::Screenshot(*w, name);
  }
}

// Fifteen lines: lines 9 to 15 stand in their own block right of the first
// eight, and the panel widens to hold them.
TEST_F(PanelWindowTest, FifteenLinesStandApart) {
  p.S().DischargeList.LineCount = 15;
  panel().RebuildPanel();
  const QSize frame = w->size() - panel().size();
  w->resize(frame + QSize(956, 420));
  testing::ProcessEventsFor(60);
  testing::Screenshot(*w, "panel_15_lines");
  EXPECT_EQ(panel().Layout().Width, 956);
  for (int g = 9; g <= 15; ++g) {
    ASSERT_TRUE(panel().Gauge(g)->isVisible()) << g;
    for (int other = 1; other < g; ++other)
      EXPECT_FALSE(panel().Gauge(g)->geometry().intersects(panel().Gauge(other)->geometry()))
          << g << " and " << other;
  }
}

class PanelWithoutLibraryTest : public testing::MainWindowFixture {
 protected:
  PanelWithoutLibraryTest() : MainWindowFixture(false) {}
  void SetUp() override { OpenMainWindow(); }
};

// Without "panel04.dll" the panel says so once, names no picture, and
// every item stands at its layout place with its layout size.
TEST_F(PanelWithoutLibraryTest, SaysSoOnceAndItemsKeepTheirPlaces) {
  int panelReports = 0;
  for (const auto& m : host.messages) {
    if (m.text.find("panel04.dll") != std::string::npos) ++panelReports;
    EXPECT_EQ(m.text.find("Error: bitmap"), std::string::npos) << m.text;
  }
  EXPECT_EQ(panelReports, 2);  // "Error 2: loading ..." and "Cannot open ..."
  TfrmPanel& panel = *w->frmPanel();
  testing::ProcessEventsFor(30);
  const double zoom = panel.Zoom();
  auto expectPlaced = [&](QWidget* item, const PanelPlace& place, const std::string& what) {
    ASSERT_NE(item, nullptr) << what;
    const QPointF at = panel.Background()->FromLayout(QPointF(place.Left, place.Top));
    EXPECT_NEAR(item->x(), at.x(), 1.0) << what;
    EXPECT_NEAR(item->y(), at.y(), 1.0) << what;
    EXPECT_NEAR(item->width(), place.Width * zoom, 1.0) << what;
    EXPECT_NEAR(item->height(), place.Height * zoom, 1.0) << what;
  };
  const PanelLayout& l = panel.Layout();
  for (int g : {1, 8, kIntakeGauge, kMasterGauge}) {
    expectPlaced(panel.Gauge(g), l.Gauges[g].Gauge, "gauge " + std::to_string(g));
    expectPlaced(panel.GaugeTitle(g), l.Gauges[g].Title, "title " + std::to_string(g));
  }
  for (int v : {1, 8, 16, 18})
    expectPlaced(panel.ValveHandle(v), l.Valves[v].Handle, "valve " + std::to_string(v));
  expectPlaced(panel.ImgTankLts, l.Item(PanelItem::TankLts), "tank lamps");
  expectPlaced(panel.ImgPrimer, l.Item(PanelItem::Primer), "primer");
  testing::Screenshot(*w, "panel_no_library");
}

TEST(MainWindowSize, FillsMostOfTheScreenAtFourToThree) {
  const std::pair<QSize, QSize> cases[] = {
      {{1920, 1040}, {1178, 884}}, {{800, 560}, {640, 480}}, {{2560, 1400}, {1586, 1190}}};
  for (const auto& [available, size] : cases) EXPECT_EQ(MainWindowSize(available), size);
}

}  // namespace
}  // namespace pumpdrill
