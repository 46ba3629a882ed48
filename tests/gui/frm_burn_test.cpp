// The burn-house window driven as an instructor and a trainee drive it: the
// setup and its Save before a run, the meters during one, the show-setup
// button, 'Stay On Top', closing and opening again.
#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QTest>
#include <cstring>

#include "burn/burn_window_values.h"
#include "burn/gui/frm_burn.h"
#include "frame/configuration.h"
#include "main_window_fixture.h"
#include "sim/coefficients.h"
#include "sim/pressure_control.h"
#include "sim/valve_change.h"

namespace pumpdrill::testing {
namespace {

class BurnWindow : public MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow();
    host.messages.clear();
  }
  TfrmBurn& burn() { return *w->frmBurn(); }
  TBurnHouseRec& house() { return p.S().BurnHouse; }
  void Open() {
    QTest::mouseClick(w->BtnBurnHouse, Qt::LeftButton);
    ProcessEventsFor(20);
  }
  void Type(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  // The run ticks on for seconds; with flowing, lines 1 to 4 discharge
  // from the hydrant at 1500 RPM.
  void Run(double seconds, bool flowing) {
    State& s = p.S();
    if (flowing) {
      for (int line : {kIntakeLine, 1, 2, 3, 4}) {
        s.Discharges[line].ValveOpen = 1;
        ValveChanged(s, false, line, 1, true, host);
        if (line != kIntakeLine) {
          s.Discharges[line].NozzleOpen = 1;
          UpdateNozzleK(s, line);
        }
      }
      s.Engine.RpmDemand = 1500;
      LimitRpmDemand(s);
    }
    const double start = host.now;
    for (double t = 0.015; t <= seconds; t += 0.015) {
      host.now = start + t;
      w->Timer1Timer();
    }
  }
  bool Shows(QWidget* widget) { return widget->isVisibleTo(&burn()); }
};

TEST_F(BurnWindow, CreatedHiddenAndOpenedIdleWithTheSetupAndSave) {
  ASSERT_NE(w->frmBurn(), nullptr);
  EXPECT_FALSE(w->burnWindow()->isVisible());
  EXPECT_FALSE(burn().BurnWindowShown());
  EXPECT_NE(ReadTextFile(p.StartupLogPath()).find("burn FormCreate=OK"), std::string::npos);
  Open();
  EXPECT_TRUE(w->burnWindow()->isVisible());
  EXPECT_TRUE(burn().BurnWindowShown());
  EXPECT_EQ(w->burnWindow()->windowTitle().toStdString(), "Fully-Involved Structure");
  for (QWidget* shown : {static_cast<QWidget*>(burn().StructDimsSetupPnl), static_cast<QWidget*>(burn().OtherParamsSetupPnl),
                         static_cast<QWidget*>(burn().BtnSave)})
    EXPECT_TRUE(Shows(shown)) << shown->objectName().toStdString();
  for (QWidget* hidden : {static_cast<QWidget*>(burn().ActivePanel), static_cast<QWidget*>(burn().BtnShowSetup)})
    EXPECT_FALSE(Shows(hidden)) << hidden->objectName().toStdString();
  EXPECT_EQ(burn().EditLen->text(), "100.0");
  EXPECT_EQ(burn().LblFireSeverity->text(), "5.7");
  EXPECT_TRUE(burn().EditFireLoad->isEnabled());
  EXPECT_FALSE(burn().EditTotFireLoad->isEnabled());
  Screenshot(*w->burnWindow(), "burn_setup_english");
}

TEST_F(BurnWindow, MetricSetupSavesEnglishValues) {
  ApplyUnits(p.config, true);
  Open();
  EXPECT_EQ(burn().LblStructDims->text(), "Dimensions  (m)");
  EXPECT_EQ(burn().LblVentArea->text(), "area  (sq. m)");
  EXPECT_EQ(burn().EditTotFireLoad->text(), "9091");
  Screenshot(*w->burnWindow(), "burn_setup_metric");
  // The total load is chosen and entered in kilograms.
  QTest::mouseClick(burn().RadioTotFireLoad, Qt::LeftButton);
  EXPECT_FALSE(burn().EditFireLoad->isEnabled());
  Type(burn().EditTotFireLoad, "5000");
  QTest::mouseClick(burn().BtnSave, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(house().TotalFireLoad, 5000 * 2.2);
  EXPECT_EQ(burn().EditFireLoad->text(), "13.4");  // filled again from the record
}

TEST_F(BurnWindow, ABadEntryIsNamedFocusedAndNothingIsStored) {
  Open();
  const TBurnHouseRec before = house();
  Type(burn().EditLen, "60");
  Type(burn().EditAppEfficiency, "120");
  QTest::mouseClick(burn().BtnSave, Qt::LeftButton);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Enter a number from 0 to 100 for % efficiency of water application.");
  EXPECT_EQ(std::memcmp(&before, &house(), sizeof before), 0);
  EXPECT_TRUE(burn().EditAppEfficiency->hasFocus());
  EXPECT_EQ(burn().EditLen->text(), "60");  // what was typed stays to be mended
}

TEST_F(BurnWindow, ARunShowsTheMetersAndTheTimerFollowsTheFire) {
  Open();
  QTest::mouseClick(w->BtnStart, Qt::LeftButton);
  ProcessEventsFor(10);
  ASSERT_TRUE(p.run.SimActive);
  EXPECT_TRUE(Shows(burn().ActivePanel));
  EXPECT_TRUE(Shows(burn().BtnShowSetup));
  EXPECT_FALSE(Shows(burn().BtnSave));
  EXPECT_FALSE(burn().EditDescription->isEnabled());
  EXPECT_EQ(burn().tempMeterCaption->text(), "1041");

  Run(4, true);
  EXPECT_LT(house().Temp, house().MaxTemp - 100);  // the water cools the fire
  EXPECT_EQ(burn().tempMeterCaption->text(), "1041");  // until the timer comes
  burn().TimerMetersTimer();
  const BurnMeters m = BurnMetersOf(house(), p.config.Units);
  EXPECT_EQ(burn().tempMeterCaption->text().toStdString(), m.TempCaption);
  EXPECT_EQ(burn().tempMeter->value(), m.TempPosition);
  EXPECT_LT(m.TempPosition, 100);
  EXPECT_FALSE(Shows(burn().LblFireOut));
  Screenshot(*w->burnWindow(), "burn_meters_cooling");

  // The show-setup button shows the structure's data, read-only.
  QTest::mouseClick(burn().BtnShowSetup, Qt::LeftButton);
  EXPECT_TRUE(Shows(burn().StructDimsSetupPnl));
  EXPECT_FALSE(Shows(burn().ActivePanel));
  EXPECT_FALSE(Shows(burn().BtnSave));
  EXPECT_TRUE(burn().EditLen->isReadOnly());
  EXPECT_FALSE(burn().RadioTotFireLoad->isEnabled());
  Screenshot(*w->burnWindow(), "burn_setup_during_run");
  QTest::mouseClick(burn().BtnShowSetup, Qt::LeftButton);
  EXPECT_TRUE(Shows(burn().ActivePanel));

  Run(60, false);
  burn().TimerMetersTimer();
  EXPECT_EQ(house().BurnRate, 0);
  EXPECT_TRUE(Shows(burn().LblFireOut));
  Screenshot(*w->burnWindow(), "burn_fire_out");

  // After the run the timer leaves the meters alone.
  QTest::mouseClick(w->BtnStop, Qt::LeftButton);
  ProcessEventsFor(10);
  ASSERT_FALSE(p.run.SimActive);
  const QString shown = burn().tempMeterCaption->text();
  house().Temp = 900;
  burn().TimerMetersTimer();
  EXPECT_EQ(burn().tempMeterCaption->text(), shown);
  // Run > 'Initialize' brings the fire back and the setup with Save.
  w->RunInitializeClick();
  ProcessEventsFor(10);
  EXPECT_TRUE(Shows(burn().BtnSave));
  EXPECT_FALSE(burn().EditLen->isReadOnly());
}

TEST_F(BurnWindow, StayOnTopSetsTheRecordAndTheFrameAtOnce) {
  // Before the window is first shown a click is ignored.
  burn().CheckBoxStayOnTop->click();
  EXPECT_EQ(house().StayOnTop, 1);
  EXPECT_TRUE(burn().CheckBoxStayOnTop->isChecked());
  Open();
  EXPECT_TRUE(w->burnWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QTest::mouseClick(burn().CheckBoxStayOnTop, Qt::LeftButton);
  EXPECT_EQ(house().StayOnTop, 0);
  EXPECT_FALSE(w->burnWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(w->burnWindow()->isVisible());
  QTest::mouseClick(burn().CheckBoxStayOnTop, Qt::LeftButton);
  // Another window activated stays below it.
  w->ShowGraph(true);
  ProcessEventsFor(20);
  const QList<QMdiSubWindow*> order = w->mdiArea()->subWindowList(QMdiArea::StackingOrder);
  EXPECT_EQ(order.back(), w->burnWindow());
}

TEST_F(BurnWindow, ClosingReleasesTheWindowAndTheButtonOrMenuMakesANewOne) {
  Open();
  QPointer<TfrmBurn> first = w->frmBurn();
  w->burnWindow()->close();
  ProcessEventsFor(20);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(w->frmBurn(), nullptr);
  // A run starting without the window refreshes nothing and fails nothing.
  house().Length = 80;
  ASSERT_TRUE(w->mBurnHouseSetup->isEnabled());
  w->mBurnHouseSetup->trigger();
  ProcessEventsFor(20);
  ASSERT_NE(w->frmBurn(), nullptr);
  EXPECT_TRUE(burn().BurnWindowShown());
  EXPECT_EQ(burn().EditLen->text(), "80.0");
}

}  // namespace
}  // namespace pumpdrill::testing
