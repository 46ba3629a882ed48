// The panel's foam and compressed-air items driven with real mouse events
// during a run: shown and placed from the foam setup, worked through the
// foam controls, drawing concentrate on the ticks.
#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "main_window_fixture.h"
#include "panel/file/panel_file.h"
#include "panel/gui/frm_panel.h"
#include "setup/foam_setup_edit.h"
#include "sim/coefficients.h"
#include "sim/foam_system.h"
#include "sim/pressure_control.h"

namespace pumpdrill {
namespace {

class PanelFoamTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow();
    // Exactly twice the layout: the thresholds in layout pixels hold.
    panel().SetZoom(2.0);
    TFoamSetupRec& f = foam();
    f.SYS_TYPE = kFoamDirectInjection;
    f.TANK_CAP = 20;
    SetFoamTankCount(f, 2);
    SetFoamTankCapacity(f, 20, false);
    f.USE_CAFS = true;
    f.TK_SW_SEL = f.PROP_SEL = f.CAFS_ON_OFF_SEL = f.CAFS_MODE_SEL = true;
    f.TK_SW_LEFT = 20, f.TK_SW_TOP = 200;
    f.PROP_LEFT = 90, f.PROP_TOP = 200;
    f.CAFS_ON_OFF_LEFT = 220, f.CAFS_ON_OFF_TOP = 200;
    f.CAFS_MODE_LEFT = 260, f.CAFS_MODE_TOP = 200;
    for (int n : {1, 2}) {
      f.FOAM_LINES.Add(n);
      f.CAFS_AIR_V_SEL.Add(n);
      f.CAFS_AIR_V_LEFT[n] = static_cast<SmallInt>(360 + 44 * n);
      f.CAFS_AIR_V_TOP[n] = 200;
    }
    host.FoamSetupChanged();
  }
  TfrmPanel& panel() { return *w->frmPanel(); }
  State& s() { return p.S(); }
  TFoamSetupRec& foam() { return p.S().FoamSetup; }
  void StartRun() {
    w->BtnStart->click();
    ASSERT_TRUE(p.run.SimActive);
  }
  QPoint At(QPointF layout) const {
    const double z = w->frmPanel()->Zoom();
    return QPoint(static_cast<int>(std::lround(layout.x() * z)),
                  static_cast<int>(std::lround(layout.y() * z)));
  }
  void Drag(QWidget* c, QPointF a, QPointF d, int steps = 4) {
    QTest::mousePress(c, Qt::LeftButton, {}, At(a));
    for (int i = 1; i <= steps; ++i) QTest::mouseMove(c, At(a + d * (double(i) / steps)));
    QTest::mouseRelease(c, Qt::LeftButton, {}, At(a + d));
  }
  void Click(QWidget* c, QPointF a) { QTest::mouseClick(c, Qt::LeftButton, {}, At(a)); }
};

TEST_F(PanelFoamTest, ItemsStandWhereTheFoamSetupPlacesThem) {
  struct Case {
    FoamControl* item;
    int left, top;
  };
  const Case cases[] = {{panel().ImgFoamTankValve, 20, 200}, {panel().ProportionerImg, 90, 200},
                        {panel().ImgCAFSOnOff, 220, 200},    {panel().ImgCAFSRunLoad, 260, 200},
                        {panel().AirValve(1), 404, 200},     {panel().AirValve(2), 448, 200}};
  for (const Case& c : cases) {
    ASSERT_NE(c.item, nullptr);
    EXPECT_TRUE(c.item->isVisible()) << c.item->objectName().toStdString();
    EXPECT_EQ(c.item->Place.Left, c.left);
    EXPECT_EQ(c.item->Place.Top, c.top);
    EXPECT_EQ(c.item->x(), panel().Background()->OffsetX() + 2 * c.left);
  }
  EXPECT_EQ(panel().AirValve(2)->Tag(), 102);
  EXPECT_EQ(panel().AirValve(2)->objectName(), "ImgCAFSAirValve02");
  // A moved item writes its place back; a place of 0, 0 is not applied.
  panel().ImgCAFSOnOff->Place.Left = 230;
  panel().ImgCAFSOnOff->StorePlace(foam());
  EXPECT_EQ(foam().CAFS_ON_OFF_LEFT, 230);
  foam().TK_SW_LEFT = foam().TK_SW_TOP = 0;
  host.FoamSetupChanged();
  EXPECT_EQ(panel().ImgFoamTankValve->Place.Left, 20);
  EXPECT_EQ(foam().TK_SW_LEFT, 20);
}

TEST_F(PanelFoamTest, TheFoamSystemDecidesWhichItemsStay) {
  // Balanced pressure: no compressed air, the air valves but line 1's go.
  foam().SYS_TYPE = kFoamBalancedPressure;
  host.FoamSetupChanged();
  EXPECT_TRUE(panel().ImgFoamTankValve->isVisible());
  EXPECT_FALSE(panel().ImgCAFSOnOff->isVisible());
  EXPECT_FALSE(panel().ImgCAFSRunLoad->isVisible());
  EXPECT_EQ(foam().CAFS_AIR_V_SEL.bits, 0);
  EXPECT_EQ(panel().AirValve(1), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(panel().findChild<QWidget*>("ImgCAFSAirValve02"), nullptr);
  EXPECT_NE(panel().findChild<QWidget*>("ImgCAFSAirValve01"), nullptr);
  // No foam: the tank switch and the proportioner leave the panel.
  foam().SYS_TYPE = kFoamNone;
  host.FoamSetupChanged();
  EXPECT_FALSE(foam().TK_SW_SEL);
  EXPECT_FALSE(foam().PROP_SEL);
  EXPECT_FALSE(panel().ImgFoamTankValve->isVisible());
  EXPECT_FALSE(panel().ProportionerImg->isVisible());
}

TEST_F(PanelFoamTest, WithoutCompressedAirTheSwitchesHideAndTheFileKeepsTheirPlaces) {
  foam().USE_CAFS = false;
  host.FoamSetupChanged();
  for (QWidget* item :
       {static_cast<QWidget*>(panel().ImgCAFSOnOff), static_cast<QWidget*>(panel().ImgCAFSRunLoad),
        static_cast<QWidget*>(panel().AirValve(1)), static_cast<QWidget*>(panel().AirValve(2))})
    EXPECT_FALSE(item->isVisible()) << item->objectName().toStdString();
  EXPECT_TRUE(panel().ProportionerImg->isVisible());
  ASSERT_TRUE(panel().TransferPanelConfiguration("FOAM.PNL", kPanelFileSave));
  std::ifstream in(std::filesystem::path(p.Dirs().PanelsDirectory) / "FOAM.PNL");
  std::stringstream text;
  text << in.rdbuf();
  for (const char* key :
       {"CAFS_ON_OFF_LEFT=220", "CAFS_ON_OFF_TOP=200", "CAFS_MODE_LEFT=260",
        "CAFS_AIR_V_LEFT02=448", "CAFS_AIR_V_TOP01=200", "CAFS_ON_OFF_SEL=1", "USE_CAFS=0"})
    EXPECT_NE(text.str().find(key), std::string::npos) << key;
}

TEST_F(PanelFoamTest, TheCafsSwitchesThrowPastTwelvePixels) {
  StartRun();
  struct Case {
    QWidget* item;
    QPointF from, drag;
    Byte TFoamSetupRec::*field;
    Byte before, after;
  };
  const Case cases[] = {
      {panel().ImgCAFSOnOff, {18, 30}, {0, -13}, &TFoamSetupRec::CafsAirOn, 0, 1},
      {panel().ImgCAFSOnOff, {18, 30}, {0, -12}, &TFoamSetupRec::CafsAirOn, 0, 0},
      {panel().ImgCAFSOnOff, {18, 10}, {0, 13}, &TFoamSetupRec::CafsAirOn, 1, 0},
      {panel().ImgCAFSRunLoad, {50, 18}, {13, 0}, &TFoamSetupRec::CafsMode, 0, 1},
      {panel().ImgCAFSRunLoad, {80, 18}, {-12, 0}, &TFoamSetupRec::CafsMode, 1, 1},
  };
  for (const Case& c : cases) {
    foam().*c.field = c.before;
    Drag(c.item, c.from, c.drag);
    EXPECT_EQ(foam().*c.field, c.after) << c.drag.x() << "," << c.drag.y();
  }
  EXPECT_EQ(panel().ImgCAFSOnOff->toolTip(), "Compressed air off");
}

TEST_F(PanelFoamTest, AnAirValveOpensFourHundredthsAPixelUp) {
  StartRun();
  CafsAirValveHandle* valve = panel().AirValve(2);
  struct Case {
    double drag;  // layout pixels, up is negative
    double opening;
    const char* tip;
  };
  const Case cases[] = {{-5, 0.2, "Line 2 air valve 20 % open"},
                        {-10, 0.6, "Line 2 air valve 60 % open"},
                        {-30, 1.0, "Line 2 air valve 100 % open"},
                        {5, 0.8, "Line 2 air valve 80 % open"},
                        {40, 0.0, "Line 2 air valve shut"}};
  for (const Case& c : cases) {
    Drag(valve, {20, 24}, {0, c.drag});
    EXPECT_NEAR(foam().CafsAirValve[2], c.opening, 1e-9) << c.drag;
    EXPECT_EQ(valve->toolTip().toStdString(), c.tip);
    EXPECT_EQ(valve->accessibleDescription().toStdString(), c.tip);
  }
  EXPECT_EQ(foam().CafsAirValve[1], 0.0);
}

TEST_F(PanelFoamTest, TheKeysWorkTheFoamControls) {
  StartRun();
  struct Case {
    QWidget* item;
    Qt::Key key;
  };
  const Case cases[] = {
      {panel().ImgCAFSOnOff, Qt::Key_Up},       {panel().ImgCAFSRunLoad, Qt::Key_Right},
      {panel().AirValve(2), Qt::Key_Up},        {panel().AirValve(2), Qt::Key_Up},
      {panel().ProportionerImg, Qt::Key_Space}, {panel().ImgFoamTankValve, Qt::Key_Space}};
  for (const Case& c : cases) QTest::keyClick(c.item, c.key);
  EXPECT_EQ(foam().CafsAirOn, 1);
  EXPECT_EQ(foam().CafsMode, 1);
  EXPECT_NEAR(foam().CafsAirValve[2], 0.2, 1e-9);
  EXPECT_TRUE(ProportionerInjects(foam()));
  EXPECT_EQ(foam().FoamTankSelect, kFoamTankB);
  EXPECT_EQ(panel().AirValve(2)->toolTip(), "Line 2 air valve 20 % open");
}

TEST_F(PanelFoamTest, TheTankSwitchStepsAtEachClick) {
  struct Case {
    int tanks;
    std::vector<Byte> steps;
  };
  const Case cases[] = {{2, {kFoamTankB, kFoamFlush, kFoamTankA}}, {1, {kFoamFlush, kFoamTankA}}};
  for (const Case& c : cases) {
    SetFoamTankCount(foam(), c.tanks);
    host.FoamSetupChanged();
    StartRun();
    for (Byte step : c.steps) {
      Click(panel().ImgFoamTankValve, {32, 40});
      EXPECT_EQ(foam().FoamTankSelect, step) << c.tanks;
    }
    w->mRunTerminate->trigger();
  }
  StartRun();
  EXPECT_EQ(panel().ImgFoamTankValve->toolTip(), "Foam tank selected, 20.0 gal left");
  // In the display units (3.79 L to the gallon).
  ApplyUnits(p.config.Units, true, false);
  panel().RefreshPanel(true);
  EXPECT_EQ(panel().ImgFoamTankValve->toolTip().toStdString(), "Foam tank selected, 75.8 L left");
  EXPECT_EQ(panel().ImgFoamTankValve->accessibleDescription().toStdString(),
            "Foam tank selected, 75.8 L left");
}

TEST_F(PanelFoamTest, TheElectronicProportionerSetsAndDraws) {
  SetProportionerStyle(foam(), kProportionerElectronic);
  SetFoamPercentRange(foam(), kFoamRangeTenthToSix);
  host.FoamSetupChanged();
  StartRun();
  FoamProportioner* prop = panel().ProportionerImg;
  const double start = foam().FoamPercentSet;
  // Keys along the bottom: ON/OFF, MODE, raise, lower.
  struct Press {
    double x;
    double percent;  // after the press, from the start
  };
  const Press presses[] = {{19, 0}, {75, 0.1}, {75, 0.2}, {75, 0.3}, {103, 0.2}};
  for (const Press& k : presses) {
    Click(prop, {k.x, 57});
    EXPECT_NEAR(foam().FoamPercentSet, start + k.percent, 1e-9) << k.x;
  }
  EXPECT_TRUE(ProportionerInjects(foam()));
  // In the first 2 s the low lamp is tested.
  EXPECT_EQ(prop->toolTip().toStdString(),
            "Proportioner on, " + FixedText(start + 0.2, 1) + " %, foam tank low lamp lit");
  // Line 1 flows foam: the tank goes down on the ticks, the display shows
  // the line's flow.
  s().Engine.RpmDemand = 1200;
  LimitRpmDemand(s());
  s().Engine.Rpm = s().Engine.RpmDemand;
  OpenValve(kIntakeLine);
  s().Discharges[1].NozzleOpen = 1;
  UpdateNozzleK(s(), 1);
  OpenValve(1);
  Ticks(300);
  EXPECT_GT(s().Discharges[1].Flow, 50);
  EXPECT_GT(foam().FoamUsed, 0);
  EXPECT_NEAR(foam().FoamTankA, 20 - foam().FoamUsed, 1e-9);
  EXPECT_FALSE(prop->DisplayText().empty());
  EXPECT_EQ(prop->toolTip().toStdString(), "Proportioner on, " + FixedText(start + 0.2, 1) + " %");
  Click(prop, {47, 57});  // MODE twice: the percent with PR
  Click(prop, {47, 57});
  EXPECT_EQ(prop->DisplayText(), FixedText(start + 0.2, 1));
}

TEST_F(PanelFoamTest, TheManualLeverThrowsAndADragSetsThePercent) {
  StartRun();
  FoamProportioner* prop = panel().ProportionerImg;
  const double start = foam().FoamPercentSet;
  Drag(prop, {20, 45}, {0, -12});
  EXPECT_FALSE(ProportionerInjects(foam()));
  Drag(prop, {20, 45}, {0, -13});
  EXPECT_TRUE(ProportionerInjects(foam()));
  Drag(prop, {60, 40}, {0, -17});  // two steps of 8 px
  EXPECT_NEAR(foam().FoamPercentSet, start + 0.2, 1e-9);
}

}  // namespace
}  // namespace pumpdrill
