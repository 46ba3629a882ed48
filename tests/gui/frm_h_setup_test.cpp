#include "setup/gui/frm_h_setup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>
#include <cstring>
#include <memory>

#include "../core/running_fixture.h"
#include "frame/configuration.h"
#include "setup/gui/frm_nz_setup.h"
#include "sim/coefficients.h"
#include "sim/operating_point.h"
#include "sim/pressure_control.h"
#include "sim/state.h"
#include "sim/valve_change.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

class HSetupWindow : public testing::RunningTest {
 protected:
  void SetUp() override {
    RunningTest::SetUp();
    ASSERT_EQ(ReadImageLibrary((testing::BuildMainDirectory() / kMiscImageLibrary).string(), misc),
              0);
  }
  std::unique_ptr<TfrmHSetup> Open(int line) {
    auto w = std::make_unique<TfrmHSetup>(s, cfg, line, host, &misc);
    w->show();
    QApplication::processEvents();
    return w;
  }
  // Types text into a field and presses Enter.
  static void Type(QWidget* field, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (auto* box = qobject_cast<QComboBox*>(field)) edit = box->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  static void Pick(QComboBox* box, int item) {
    box->setCurrentIndex(item);
    emit box->activated(item);
  }
  void OpenValveAndNozzle(int line) {
    s.Discharges[line].ValveOpen = 1;
    ValveChanged(s, true, line, 1.0, false, host);
    s.Discharges[line].NozzleOpen = 1;
    UpdateNozzleK(s, line);
  }

  ImageLibrary misc;
};

TEST_F(HSetupWindow, LineTwoOf1_3_4InchWithA7_8Tip) {
  auto w = Open(2);
  EXPECT_EQ(w->windowTitle(), "Line  Setup");
  EXPECT_EQ(w->LblHoseLeft->text(), "250 ft  of  2-1/2  inch");
  EXPECT_EQ(w->LblLineSummary->text(), "at 209 gpm: friction 27.2 psi, pump 77.5 psi");
  EXPECT_FALSE(w->CBoxHLenRt->isVisibleTo(w.get()));
  EXPECT_FALSE(w->CBoxInlet1->isVisibleTo(w.get()));
  EXPECT_TRUE(w->ImgNzPic->isVisibleTo(w.get()));
  EXPECT_FALSE(w->ImgHoseConfig->pixmap().isNull());
  Type(w->CBoxHLenLeft, "200");
  Type(w->CBoxHDiamLeft, "1-3/4");
  EXPECT_TRUE(w->isVisible());  // Enter in a field commits it only
  EXPECT_EQ(w->LblHoseLeft->text(), "200 ft  of  1-3/4  inch");
  testing::Screenshot(*w, "h_setup_single");
  QTest::mouseClick(w->BtnOK, Qt::LeftButton);
  ASSERT_FALSE(w->isVisible());
  EXPECT_TRUE(host.messages.empty()) << host.Texts();

  TfrmNzSetup nz(s, cfg, 2, host, &misc);
  nz.show();
  QApplication::processEvents();
  QListWidget* bores = nz.ListBoxNzBorePsiAttrs;
  QTest::mouseClick(bores->viewport(), Qt::LeftButton, {},
                    bores->visualItemRect(bores->item(3)).center());
  ASSERT_EQ(bores->currentItem()->text(), "7/8");
  QTest::mouseClick(nz.BtnOK, Qt::LeftButton);
  ASSERT_FALSE(nz.isVisible());

  const TDischargeRec& d = s.Discharges[2];
  EXPECT_EQ(d.HoseC, 139);
  // By hand: open 2-1/2 in valve and shut-off K = 8 (1/0.936001^2 - 1) /
  // (317.8 (2.5/12)^4) = 1.890 each; 200 ft of 1-3/4 in at C 139:
  // K = 4.727 x 200 / (139^1.852 (1.75/12)^4.8704) = 1199.8; 7/8 in smooth
  // bore: K = 8 (1/0.703^2 - 1) / (317.8 (0.875/12)^4) = 911.4. At 150 psi
  // (346.2 ft) q = sqrt(346.2 / 2114.9) = 0.4046 cfs = 181.6 gpm.
  const double sumK = 2 * 1.8898450 + 1199.78663 + 911.356558;
  OpenValveAndNozzle(2);
  EXPECT_NEAR(SolveLinesAtPressure(s, 150, host).Flow[2], 181.568, 0.01);
  // In a run whose relief valve holds 150 psi the line flows the same.
  s.PumpControl.PressureControlMode = kReliefValve;
  s.PumpControl.ReliefMode = kReliefInService;
  s.PumpControl.ReliefSetPress = 150;
  s.Engine.Rpm = s.Engine.RpmDemand = 2200;
  OpenValveAndNozzle(kIntakeLine);  // the pump takes its water from the hydrant
  for (int i = 1; i <= 20; ++i) TickAt(0.015 * i);
  ASSERT_DOUBLE_EQ(s.PumpOutput.DischargePress, 150);
  EXPECT_NEAR(d.Flow, 448.8 * std::sqrt(150 * 2.3076923076923075 / sumK), 0.01);
}

TEST_F(HSetupWindow, OutletNoHigherThanTheHose) {
  s.Discharges[5].HoseLength = 100;
  auto before = std::make_unique<State>(s);
  auto w = Open(5);
  Type(w->EditInletElev, "0");
  Type(w->EditOutletElev, "120");
  QTest::mouseClick(w->BtnOK, Qt::LeftButton);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(host.Texts(),
            "Difference in hose inlet-to-outlet elevation cannot be greater than hose length.\n");
  EXPECT_EQ(std::memcmp(before.get(), &s, sizeof(State)), 0);
  Type(w->EditOutletElev, "100");
  QTest::mouseClick(w->BtnOK, Qt::LeftButton);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(s.Discharges[5].NozzleElev - s.Discharges[5].PumpEndElev, 100);
}

TEST_F(HSetupWindow, SiameseThenWyeFreesThePartner) {
  cfg.Options.UseBars = true;
  ApplyUnits(cfg, true);
  s.Discharges[7].LineBurst = true;
  s.DischargeList.LineTitle[7] = s.DischargeList.LineTitle[6];  // two lines, one title
  auto w = Open(3);
  Pick(w->CBoxHConfig, 1);
  EXPECT_TRUE(w->CBoxInlet2->isVisibleTo(w.get()));
  EXPECT_FALSE(w->EditHDescription->isEnabled());
  ASSERT_EQ(w->CBoxInlet1->count(), 2);
  QTest::mouseClick(w->BtnOK, Qt::LeftButton);
  EXPECT_EQ(host.Texts(), "Both siamese intakes must be connected\n");
  int item = w->CBoxInlet2->findData(7);
  ASSERT_GT(item, 0);
  Pick(w->CBoxInlet2, item);
  testing::Screenshot(*w, "h_setup_siamese_metric");
  QTest::mouseClick(w->BtnOK, Qt::LeftButton);
  ASSERT_FALSE(w->isVisible());
  EXPECT_TRUE(s.SiameseSecondary.Contains(7));
  EXPECT_FALSE(s.Discharges[7].LineBurst);

  auto wye = Open(3);
  Pick(wye->CBoxHConfig, 2);
  QTest::mouseClick(wye->BtnOK, Qt::LeftButton);
  ASSERT_FALSE(wye->isVisible());
  EXPECT_FALSE(s.SiameseSecondary.Contains(7));
  EXPECT_TRUE(s.Discharges[7].LineBurst);
  EXPECT_EQ(s.Discharges[7].Layout, 0);
}

TEST_F(HSetupWindow, BadTextsAndCancelLeaveTheState) {
  auto before = std::make_unique<State>(s);
  auto w = Open(2);
  Type(w->CBoxHLenLeft, "1O0");
  EXPECT_EQ(host.Texts(), "Invalid character in number\n");
  EXPECT_EQ(w->CBoxHLenLeft->currentText(), "250");
  EXPECT_EQ(w->Setup().Copy().HoseLength, 250);
  Type(w->EditOutletElev, "");
  EXPECT_EQ(w->EditOutletElev->text(), "3.0");
  // A bad diameter still typed when OK is pressed.
  host.messages.clear();
  w->CBoxHDiamLeft->setEditText("2-1/2x");
  QTest::mouseClick(w->BtnOK, Qt::LeftButton);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(host.Texts(), "Hose Diameter: Invalid character in number\n");
  w->EditOutletElev->setFocus();
  QTest::keyClick(w->EditOutletElev, Qt::Key_Escape);
  EXPECT_TRUE(w->isVisible());
  Type(w->CBoxHLenLeft, "500");
  w->close();  // the title bar's close is Cancel
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(std::memcmp(before.get(), &s, sizeof(State)), 0);
}

TEST_F(HSetupWindow, OkDuringARunKeepsTheRun) {
  OpenValveAndNozzle(2);
  for (int i = 1; i <= 10; ++i) TickAt(0.015 * i);
  s.Discharges[2].Trapped = true;
  const TDischargeRec d0 = s.Discharges[2];
  auto w = Open(2);
  Type(w->CBoxHLenLeft, "300");
  QTest::mouseClick(w->RadioDisconnected, Qt::LeftButton);
  QTest::mouseClick(w->BtnOK, Qt::LeftButton);
  ASSERT_FALSE(w->isVisible());
  const TDischargeRec& d = s.Discharges[2];
  EXPECT_EQ(d.HoseLength, 300);
  EXPECT_EQ(d.ValveOpen, d0.ValveOpen);
  EXPECT_EQ(d.NozzleOpen, d0.NozzleOpen);
  EXPECT_EQ(d.Trapped, d0.Trapped);
  EXPECT_EQ(d.Flow, d0.Flow);
  EXPECT_TRUE(d.LineBurst);
}

// The panel hears of a line connected or disconnected in its setup.
TEST_F(HSetupWindow, ChangedConnectionRedrawsThePanelLine) {
  struct PanelHost : RecordingHost {
    void RedrawPanelLine(int line) override { redrawn.push_back(line); }
    std::vector<int> redrawn;
  } panel;
  for (bool change : {false, true}) {
    TfrmHSetup w(s, cfg, 5, panel, &misc);
    w.show();
    QApplication::processEvents();
    if (change) QTest::mouseClick(w.RadioDisconnected, Qt::LeftButton);
    QTest::mouseClick(w.BtnOK, Qt::LeftButton);
    ASSERT_FALSE(w.isVisible());
  }
  EXPECT_EQ(panel.redrawn, std::vector<int>{5});
  // A master stream without a nozzle says so.
  s.Discharges[4].NozzleType = 4;
  TfrmHSetup w(s, cfg, 4, panel, &misc);
  EXPECT_EQ(panel.Texts(), "No nozzle defined for discharge 4\n");
  EXPECT_FALSE(w.ImgNzPic->isVisibleTo(&w));
}

TEST_F(HSetupWindow, TankAndIntakeLinesNameTheirEnds) {
  struct Case {
    int line;
    const char* inlet;
    const char* outlet;
    bool material;
  };
  for (const Case& c : {Case{16, "pump discharge", "tank", false},
                        {17, "tank", "pump", false},
                        {18, "Hydrant", nullptr, true}}) {
    auto w = Open(c.line);
    EXPECT_FALSE(w->ImgNzPic->isVisibleTo(w.get()));
    EXPECT_EQ(w->CBoxInlet1->currentText(), c.inlet);
    if (c.outlet) {
      EXPECT_EQ(w->CBoxOutlet1->currentText(), c.outlet);
    }
    EXPECT_FALSE(w->CBoxHConfig->isEnabled());
    EXPECT_FALSE(w->RadioHConnected->isEnabled());
    // Only the intake's material may change, and not at draft.
    EXPECT_EQ(w->RadioHMaterialType->isEnabled(), c.material) << c.line;
    EXPECT_EQ(w->LblLineSummary->text(), "");
  }
  s.Supply.SupplyType = 1;  // draft
  auto w = Open(kIntakeLine);
  EXPECT_FALSE(w->RadioHMaterialType->isEnabled());
  EXPECT_EQ(w->Setup().Copy().Layout, 0);
}

}  // namespace
}  // namespace pumpdrill

namespace pumpdrill {
namespace {

// Pictures of a single line and a siamese in both unit systems, for
// looking at.
TEST_F(HSetupWindow, ScreenshotsInBothUnits) {
  s.Discharges[7].LineBurst = true;
  for (bool metric : {false, true}) {
    cfg.Options.UseBars = true;
    ApplyUnits(cfg, metric);
    const std::string units = metric ? "metric_bar" : "english";
    auto single = Open(2);
    QImage shot = testing::Screenshot(*single, ("h_single_" + units).c_str());
    EXPECT_GT(testing::ColourCount(shot), 20);
    auto siamese = Open(3);
    Pick(siamese->CBoxHConfig, 1);
    Pick(siamese->CBoxInlet2, siamese->CBoxInlet2->findData(7));
    testing::Screenshot(*siamese, ("h_siamese_" + units).c_str());
  }
  EXPECT_TRUE(host.messages.empty()) << host.Texts();
}

}  // namespace
}  // namespace pumpdrill
