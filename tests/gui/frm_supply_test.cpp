// The supply and tank setup, driven through its widgets as the instructor
// uses it, in English and metric units; and as the 'Supply/Tank' tab of the
// main window during a run.
#include "setup/gui/frm_supply.h"

#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <memory>

#include "../core/default_state.h"
#include "frame/configuration.h"
#include "frame/gui/setup_tabs.h"
#include "frame/run_control.h"
#include "main_window_fixture.h"
#include "setup/supply_setup.h"
#include "sim/coefficients.h"
#include "sim/constants.h"
#include "sim/incidents.h"
#include "sim/supply.h"
#include "sim/valve_change.h"

namespace pumpdrill {
namespace {

using testing::ProcessEventsFor;

void TypeAndEnter(QWidget* field, const QString& text) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

// A click on a radio button or check box lands on its indicator: a wide
// button takes clicks only on its indicator and text.
void ClickBox(QWidget* box) {
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

// A masked time field: its places cleared, then the digits typed.
void TypeTime(QLineEdit* field, const QString& digits) {
  field->setFocus();
  field->clear();
  field->home(false);
  QTest::keyClicks(field, digits);
}

class SupplyWindow : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    w.reset();
    s = testing::MakeDefaultState();
    host.messages.clear();
    ApplyUnits(cfg.Units, Metric(), false);  // metric in kPa
  }
  bool Metric() const { return GetParam(); }
  void Open() {
    w = std::make_unique<TfrmSupply>(*s, cfg, run, host, nullptr, currentLine);
    w->resize(1100, 700);
    w->show();
    ProcessEventsFor(10);
  }
  QString Shown(int q, double stored, int decimals) const {
    return QString::number(ToDisplay(cfg.Units, q, stored), 'f', decimals);
  }
  std::unique_ptr<State> s;
  Configuration cfg;
  RunContext run;
  testing::TestWindowHost host;
  int currentLine = 1;
  std::unique_ptr<TfrmSupply> w;
};

INSTANTIATE_TEST_SUITE_P(Units, SupplyWindow, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Metric" : "English"; });

TEST_P(SupplyWindow, ShowsTheStateWithItsUnits) {
  Open();
  EXPECT_EQ(w->windowTitle(), "Supply Side");
  EXPECT_EQ(w->CBoxSupplyType->currentText(), "Hydrant");
  EXPECT_EQ(w->LblStaticPsi->text(), Metric() ? "Static KPa" : "Static psi");
  EXPECT_EQ(w->LblTankCapacity->text(), Metric() ? "tank capacity (L)" : "tank capacity (gal)");
  EXPECT_EQ(w->EdSrcStaticPsi->text(), Shown(kUnitPressure, 100, 1));
  EXPECT_EQ(w->EditAltitude->text(), Shown(kUnitLength, 300, 0));
  EXPECT_EQ(w->RadioClassAA->text(), Metric() ? "AA       5685 +" : "AA       1500 + ");
  EXPECT_TRUE(w->RadioClassAA->isChecked());
  EXPECT_FALSE(w->RadioClassAA->isEnabled());
  EXPECT_EQ(w->LblAvailFlow->text(), Metric() ? "available at 138 KPa residual: 10720 lpm"
                                              : "available at 20 psi residual: 2828 gpm");
  EXPECT_FALSE(w->ChkBoxUseFilterClog->isEnabled());
  EXPECT_TRUE(w->PanelIncidents->isVisible());
  EXPECT_FALSE(w->PanelDraftIncidents->isVisible());
  EXPECT_FALSE(w->LblResidualPsi->isVisible());
  EXPECT_EQ(w->Timer1->interval(), 500);
}

TEST_P(SupplyWindow, TypedValuesCommitThroughTheCore) {
  struct Case {
    QLineEdit* TfrmSupply::*field;
    const char* english;
    const char* metric;
    double (*stored)(const State&);
    double expected;  // English; metric: the metric text converted, or the old value when refused
    const char* message;
  };
  auto altitude = [](const State& s) { return +s.Supply.Altitude; };
  auto staticPress = [](const State& s) { return +s.Supply.StaticPress; };
  const Case cases[] = {
      {&TfrmSupply::EdSrcStaticPsi, "72.5", "500", staticPress, 72.5, ""},
      {&TfrmSupply::EditAltitude, "20000", "6000", altitude, 20000, ""},
      {&TfrmSupply::EditAltitude, "-10000", "-3000", altitude, -10000, ""},
      {&TfrmSupply::EditAltitude, "20001", "6200", altitude, 300, kAltitudeRefusedText},
      {&TfrmSupply::EdTankCapacityGall, "abc", "abc",
       [](const State& s) { return +s.Tank.Capacity; }, 1500, "'abc' is not a valid number"},
      {&TfrmSupply::EdTankHt, "0", "0", [](const State& s) { return +s.Tank.Height; }, 4,
       kTankHeightRefusedText},
      {&TfrmSupply::EdSrcStaticPsi, "-3", "-3", staticPress, 100, kStaticRefusedText},
  };
  for (const Case& c : cases) {
    SetUp();
    Open();
    SCOPED_TRACE(c.english);
    QLineEdit* field = (*w).*c.field;
    TypeAndEnter(field, Metric() ? c.metric : c.english);
    double expected = c.expected;
    if (Metric() && !*c.message) {
      const int q = field == w->EdSrcStaticPsi ? kUnitPressure : kUnitLength;
      expected = FromEntry(cfg.Units, q, QString(c.metric).toDouble());
    }
    EXPECT_NEAR(c.stored(*s), expected, 0.05);
    ASSERT_EQ(host.messages.size(), *c.message ? 1u : 0u);
    if (*c.message) {
      EXPECT_EQ(host.messages[0].text, c.message);
    }
  }
}

TEST_P(SupplyWindow, RatedFlowArrowsStepFiftyGpm) {
  s->Supply.RatedSupplyFlow = 300;
  Open();
  QTest::mouseClick(w->SpinButton1Down, Qt::LeftButton);
  EXPECT_EQ(s->Supply.RatedSupplyFlow, 300);
  EXPECT_TRUE(w->RadioClassC->isChecked());
  s->Supply.RatedSupplyFlow = 1450;
  QTest::mouseClick(w->SpinButton1Up, Qt::LeftButton);
  EXPECT_EQ(s->Supply.RatedSupplyFlow, 1500);
  EXPECT_TRUE(w->RadioClassAA->isChecked());
  EXPECT_EQ(w->ImgSupply->property("Picture").toString(), "SUPPLY_HYDRANT_AA");
  EXPECT_EQ(w->LblRatedSupplyGpm->text(), Metric() ? "5685  lpm" : "1500  gpm");
}

TEST_P(SupplyWindow, UnchangedFieldsCommitNothingWhenTheWindowIsLeft) {
  Open();
  s->Tank.Volume = 123;
  w->FormDeactivate();
  w->hide();
  EXPECT_EQ(s->Tank.Volume, 123);
  EXPECT_TRUE(host.messages.empty());
}

TEST_P(SupplyWindow, DraftWithDumpTankAndTender) {
  Open();
  w->CBoxSupplyType->setCurrentIndex(kSupplyDraft);
  emit w->CBoxSupplyType->activated(kSupplyDraft);
  ProcessEventsFor(10);
  EXPECT_EQ(s->Supply.StaticPress, 0);
  EXPECT_FALSE(w->EdSrcStaticPsi->isEnabled());
  EXPECT_TRUE(w->PanelDraftIncidents->isVisible());
  EXPECT_EQ(w->LblHose->text(), Metric() ? "3 m  of  153.00  mm" : "10 ft  of  6  inch");
  ClickBox(w->RadioDumpTank);
  ProcessEventsFor(10);
  EXPECT_EQ(s->Supply.FiniteDraftSource, 2);
  EXPECT_TRUE(w->PnlDraftTankSpecs->isVisible());
  ClickBox(w->RadioStartFull);
  EXPECT_TRUE(s->DraftSource.StartFull);
  s->DraftSource.Capacity = s->DraftSource.Volume = 3000;
  w->Timer1Timer();
  TypeAndEnter(w->EditDumpTankCapacityGals, Shown(kUnitVolume, 2000, 0));
  EXPECT_NEAR(s->DraftSource.Capacity, 2000, 0.5);
  EXPECT_NEAR(s->DraftSource.Volume, 2000, 0.5);
  EXPECT_EQ(w->ShapeWaterRemaining->height(), w->ShapeOuterBox->height() - 10);

  // The tender during a run at 600 s: first call in 5 minutes.
  run.SimActive = true;
  s->SimClock.Time = 600;
  w->Timer1Timer();
  ASSERT_TRUE(w->BitBtnTenderSetup->isEnabled());
  QTest::mouseClick(w->BitBtnTenderSetup, Qt::LeftButton);
  ProcessEventsFor(10);
  ASSERT_TRUE(w->PnlTenderSetup->isVisible());
  TypeTime(w->EditFirstCallMins, "0500");
  EXPECT_EQ(w->EditFirstCallMins->text(), "05:00");
  TypeTime(w->EditRefillMins, "0000");
  QTest::mouseClick(w->SubPanelButtons[w->PnlTenderSetup].first, Qt::LeftButton);
  // A refill interval of nothing is refused and the panel stays open.
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, kRefillRefusedText);
  EXPECT_TRUE(w->PnlTenderSetup->isVisible());
  TypeTime(w->EditRefillMins, "1000");
  QTest::mouseClick(w->SubPanelButtons[w->PnlTenderSetup].first, Qt::LeftButton);
  EXPECT_FALSE(w->PnlTenderSetup->isVisible());
  EXPECT_EQ(s->Tender.FirstCallTime, 300);
  EXPECT_EQ(s->Tender.RoundTripTime, 600);
  EXPECT_EQ(s->Tender.NextArrival, 900);

  // Back to a hydrant: 80 psi on 150 ft of soft sleeve.
  w->CBoxSupplyType->setCurrentIndex(kSupplyHydrant);
  emit w->CBoxSupplyType->activated(kSupplyHydrant);
  EXPECT_EQ(s->Supply.StaticPress, 80);
  EXPECT_EQ(s->Discharges[kIntakeLine].HoseLength, 150);
  EXPECT_TRUE(w->EdSrcStaticPsi->isEnabled());
}

TEST_P(SupplyWindow, FluctuationSubPanelRefusesABadNumber) {
  Open();
  QTest::mouseClick(w->BitBtnFluctSetup, Qt::LeftButton);
  ProcessEventsFor(10);
  ASSERT_TRUE(w->PnlFluctuatingSupply->isVisible());
  EXPECT_EQ(w->EditFluctSplyTMean->text(), "20.0");
  TypeTime(w->EditSplyFluctStart, "0100");
  TypeAndEnter(w->EditSplyFluctPercent, "12x");
  QTest::mouseClick(w->SubPanelButtons[w->PnlFluctuatingSupply].first, Qt::LeftButton);
  EXPECT_TRUE(w->PnlFluctuatingSupply->isVisible());
  EXPECT_EQ(s->Incidents[kIncidentFluctuatingSupply].StartTime(), kNeverTime);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "'12x' is not a valid number");
  TypeAndEnter(w->EditSplyFluctPercent, "150");
  ClickBox(w->RadioFluctSporadic);
  QTest::mouseClick(w->SubPanelButtons[w->PnlFluctuatingSupply].first, Qt::LeftButton);
  EXPECT_FALSE(w->PnlFluctuatingSupply->isVisible());
  const TIncidentRec& f = s->Incidents[kIncidentFluctuatingSupply];
  EXPECT_EQ(f.StartTime(), 60);
  EXPECT_EQ(f.Fraction, 1.0);
  EXPECT_EQ(f.FluctType, 2);
  ClickBox(w->ChkBoxUseSplyFluctuates);
  EXPECT_TRUE(f.Use);
  EXPECT_EQ(w->LblSplyFluctsStyle->text(), "sporadic");
}

// The window as a tab of the main window, and what it sets in a run.
class SupplyTab : public testing::MainWindowFixture {
 protected:
  void SetUp() override { OpenMainWindow(); }
  TfrmSupply* Window() const { return qobject_cast<TfrmSupply*>(w->setupTabs().Window()); }
};

TEST_F(SupplyTab, StaticPressureGivesTheResidualOfAFlowingLine) {
  w->mSupplySetup->trigger();
  ProcessEventsFor(20);
  ASSERT_NE(Window(), nullptr);
  EXPECT_EQ(w->TabSetSetup->currentIndex(), kTabSupply);
  EXPECT_TRUE(w->setupTabs().SubWindow()->isMaximized());
  EXPECT_EQ(Window()->property(kHelpContextProperty).toInt(), 310);
  TypeAndEnter(Window()->EdSrcStaticPsi, "65");
  State& s = p.S();
  EXPECT_EQ(s.Supply.StaticPress, 65);

  w->mRunStart->trigger();
  OpenValve(kIntakeLine);
  OpenValve(2);
  s.Discharges[2].NozzleOpen = 1;
  UpdateNozzleK(s, 2);
  s.Engine.RpmDemand = 1200;
  Ticks(40);
  ASSERT_GT(s.Discharges[2].Flow, 50);
  Window()->Timer1Timer();
  const double q = s.PumpOutput.TotalFlow / kGpmPerCfs;
  const double byHand = 65 - s.Supply.SupplyK * q * q * kPsiPerFoot;
  EXPECT_NEAR(s.Supply.ResidualPress, byHand, 1e-9);
  EXPECT_TRUE(Window()->LblResidualPsi->isVisible());
  EXPECT_EQ(Window()->LblResidualPsi->text(), QString::number(byHand, 'f', 1) + "  psi");

  // Another tab closes the window; nothing typed, nothing changes.
  const double volume = s.Tank.Volume;
  w->TabSetSetup->setCurrentIndex(kTabPanel);
  ProcessEventsFor(20);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(s.Tank.Volume, volume);
}

// Pictures of the window as the instructor sees it.
class SupplyPictures : public testing::MainWindowFixture {
 protected:
  QImage Shoot(const std::string& name) {
    ProcessEventsFor(50);
    Window()->Timer1Timer();
    ProcessEventsFor(20);
    return testing::Screenshot(*w, name.c_str());
  }
  void OpenTab() {
    w->resize(1180, 760);
    w->TabSetSetup->setCurrentIndex(kTabSupply);
    ProcessEventsFor(30);
  }
  void ChooseType(int type) {
    Window()->CBoxSupplyType->setCurrentIndex(type);
    emit Window()->CBoxSupplyType->activated(type);
  }
  TfrmSupply* Window() const { return qobject_cast<TfrmSupply*>(w->setupTabs().Window()); }
};

TEST_F(SupplyPictures, HydrantInEnglishDuringARun) {
  OpenMainWindow();
  OpenTab();
  w->mRunStart->trigger();
  QTest::mouseClick(Window()->BitBtnShiftSetup, Qt::LeftButton);
  QImage shot = Shoot("supply_hydrant_english_run");
  EXPECT_GT(testing::ColourCount(shot), 20);
  EXPECT_TRUE(Window()->LblResidualPsi->isVisible());
}

TEST_F(SupplyPictures, DraftWithDumpTankAndTenderInBar) {
  OpenMainWindow();
  ApplyUnits(p.config.Units, true, true);
  OpenTab();
  ChooseType(kSupplyDraft);
  ProcessEventsFor(20);
  ClickBox(Window()->RadioDumpTank);
  ProcessEventsFor(20);
  p.S().DraftSource.Volume = p.S().DraftSource.Capacity * 0.6;
  ClickBox(Window()->ChkBoxUseTender);
  QTest::mouseClick(Window()->BitBtnTenderSetup, Qt::LeftButton);
  QImage shot = Shoot("supply_draft_dump_tank_metric_bar");
  EXPECT_TRUE(Window()->PnlTenderSetup->isVisible());
  EXPECT_GT(testing::ColourCount(shot), 20);
}

TEST_F(SupplyPictures, Relay) {
  OpenMainWindow();
  OpenTab();
  ChooseType(kSupplyRelay);
  QImage shot = Shoot("supply_relay");
  EXPECT_TRUE(Window()->PnlRelay->isVisible());
  EXPECT_GT(testing::ColourCount(shot), 20);
}

}  // namespace
}  // namespace pumpdrill
