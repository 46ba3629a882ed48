// The nozzle operation window: the bail drag and the keys against the same
// openings set through the core, the elevation, the caption bar, and the
// window as the main window's nozzle button opens it during a run.
#include "setup/gui/frm_nzroll.h"
// Before the records, whose EntryValue routine hides its EntryValue.
#include "frame/number_entry.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "../core/running_fixture.h"
#include "main_window_fixture.h"
#include "setup/nozzle_operation.h"
#include "sim/pressure_control.h"
#include "sim/state.h"
#include "sim/valve_change.h"

namespace pumpdrill {
namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint at) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// A press at `from`, a move event per pixel to `to`, and the release there.
void Drag(QWidget* w, QPoint from, QPoint to) {
  Mouse(w, QEvent::MouseButtonPress, from);
  QPoint at = from;
  while (at != to) {
    at += QPoint((to.x() > at.x()) - (to.x() < at.x()), (to.y() > at.y()) - (to.y() < at.y()));
    Mouse(w, QEvent::MouseMove, at);
  }
  Mouse(w, QEvent::MouseButtonRelease, to);
}

// The pump at 1500 RPM on the hydrant with the valve of line 1 open, as
// both runs start.
void ChargeLineOne(State& s, Host& host) {
  s.Discharges[kIntakeLine].ValveOpen = 1;
  ValveChanged(s, false, kIntakeLine, 1.0, true, host);
  s.Engine.RpmDemand = 1500;
  LimitRpmDemand(s);
  s.Engine.Rpm = s.Engine.RpmDemand;
  s.Discharges[1].ValveOpen = 1;
  ValveChanged(s, false, 1, 1.0, true, host);
}

class NozzleWindow : public testing::RunningTest {
 protected:
  void SetUp() override {
    RunningTest::SetUp();
    cfg.Options.AutoNozzleOperation = false;
    ASSERT_EQ(ReadImageLibrary((testing::BuildMainDirectory() / kMiscImageLibrary).string(), misc), 0);
    ChargeLineOne(s, host);
    w = std::make_unique<TfrmNzroll>(s, cfg, run, host, &misc, nullptr);
    w->show();
    QApplication::processEvents();
  }
  // Ticks as the program does, the window refreshed after each.
  void Ticks(int from, int count) {
    for (int n = from; n < from + count; ++n) {
      TickAt(n * 0.015);
      w->Refresh();
    }
  }
  ImageLibrary misc;
  std::unique_ptr<TfrmNzroll> w;
};

// A second run on its own state, worked through the core calls only.
struct CoreRun : testing::RunningTest {
  using RunningTest::run;
  using RunningTest::s;
  using RunningTest::TickAt;
  void TestBody() override {}
  void Start() {
    SetUp();
    cfg.Options.AutoNozzleOperation = false;
    ChargeLineOne(s, host);
  }
};

TEST_F(NozzleWindow, DragOpensAShutNozzleAsTheCoreCallsDo) {
  CoreRun core;
  core.Start();
  Ticks(1, 5);
  for (int n = 1; n <= 5; ++n) core.TickAt(n * 0.015);
  ASSERT_EQ(s.Discharges[1].NozzleOpen, 0);
  ASSERT_EQ(w->ImgNozz.size(), 8u);
  EXPECT_EQ(w->ImgNozz[0]->objectName(), "ImgNozz1");
  EXPECT_EQ(w->ImgNozz[0]->BailShownAt(), 20);

  // 6 px open a shut nozzle 15 %, 40 px fully.
  Drag(w->ImgNozz[0], {30, 30}, {30, 24});
  EXPECT_DOUBLE_EQ(s.Discharges[1].NozzleOpen, 0.15);
  Drag(w->ImgNozz[0], {30, 30}, {30, 0});
  EXPECT_DOUBLE_EQ(s.Discharges[1].NozzleOpen, 0.90);
  OperateNozzle(s, run, 1, 0.0);
  Drag(w->ImgNozz[0], {30, 30}, {30, -10});
  EXPECT_EQ(s.Discharges[1].NozzleOpen, 1.0);
  EXPECT_FALSE(s.Discharges[1].NozzleShut);
  EXPECT_FALSE(run.AutoNozzlePending[1]);
  EXPECT_EQ(w->ImgNozz[0]->BailShownAt(), -20);
  EXPECT_EQ(w->LblNzOpen->text(), "Open: 100  %");

  ASSERT_TRUE(OperateNozzle(core.s, core.run, 1, 1.0));
  for (int n = 6; n < 6 + 20; ++n) {
    Ticks(n, 1);
    core.TickAt(n * 0.015);
    for (int line = 1; line <= 8; ++line) {
      ASSERT_EQ(s.Discharges[line].Flow, core.s.Discharges[line].Flow) << "tick " << n << " line " << line;
      ASSERT_EQ(s.Discharges[line].NozzlePress, core.s.Discharges[line].NozzlePress) << n;
      ASSERT_EQ(s.Discharges[line].DischPress, core.s.Discharges[line].DischPress) << n;
    }
  }
  EXPECT_GT(s.Discharges[1].Flow, 50);
  EXPECT_EQ(w->LblNzPress1->text().toStdString(), FixedText(s.Discharges[1].NozzlePress, 1));
  EXPECT_TRUE(host.messages.empty()) << host.Texts();
}

TEST_F(NozzleWindow, MasterStreamIgnoresTheDrag) {
  ASSERT_TRUE(s.Discharges[4].IsMaster);
  Drag(w->ImgNozz[3], {30, 10}, {30, 50});
  EXPECT_EQ(s.Discharges[4].NozzleOpen, 1.0);
  EXPECT_EQ(w->SelectedLine(), 4);
  QTest::keyClick(w.get(), Qt::Key_Home);
  EXPECT_EQ(s.Discharges[4].NozzleOpen, 1.0);
}

TEST_F(NozzleWindow, KeysSelectAndStepTheNozzle) {
  w->setFocus();
  struct Step {
    Qt::Key key;
    int line;
    double open;
  } steps[] = {
      {Qt::Key_End, 1, 1.0},      {Qt::Key_Left, 1, 0.95},  {Qt::Key_PageDown, 1, 0.70},
      {Qt::Key_Home, 1, 0.0},     {Qt::Key_Left, 1, 0.0},   {Qt::Key_Right, 1, 0.05},
      {Qt::Key_PageUp, 1, 0.30},  {Qt::Key_Down, 2, 0.0},   {Qt::Key_PageUp, 2, 0.25},
      {Qt::Key_Up, 1, 0.30},      {Qt::Key_Up, 1, 0.30},    {Qt::Key_End, 1, 1.0},
  };
  for (const Step& st : steps) {
    QTest::keyClick(w.get(), st.key);
    EXPECT_EQ(w->SelectedLine(), st.line) << st.key;
    EXPECT_NEAR(s.Discharges[st.line].NozzleOpen, st.open, 1e-12) << st.key;
    EXPECT_EQ(static_cast<bool>(s.Discharges[st.line].NozzleShut), st.open <= 0) << st.key;
  }
  EXPECT_FALSE(run.AutoNozzlePending[1]);
  EXPECT_FALSE(run.AutoNozzlePending[2]);
  EXPECT_TRUE(run.AutoNozzlePending[3]);
}

TEST_F(NozzleWindow, ElevationSpinAndEntry) {
  OperateNozzle(s, run, 1, 1.0);
  Ticks(1, 20);
  const double elev = s.Discharges[1].NozzleElev;
  const double flow = s.Discharges[1].Flow;
  QTest::mouseClick(w->SpinElevUp, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(s.Discharges[1].NozzleElev, elev + 1);
  EXPECT_EQ(w->EditNzElev->text().toStdString(), FixedText(elev + 1, 1));
  Ticks(21, 1);
  EXPECT_LT(s.Discharges[1].Flow, flow);

  ApplyUnits(cfg, true);
  w->Refresh();
  EXPECT_EQ(w->LblElevation->text(), "elevation (m)");
  QTest::mouseClick(w->SpinElevDown, Qt::LeftButton);
  EXPECT_NEAR(s.Discharges[1].NozzleElev, elev + 1 - 1 / 0.305, 1e-9);

  // Typed: a text that is no number is refused and changes nothing; a
  // height beyond the hose's reach is kept within it.
  const double before = s.Discharges[1].NozzleElev;
  w->EditNzElev->setFocus();
  w->EditNzElev->setText("abc");
  QTest::keyClick(w->EditNzElev, Qt::Key_Return);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "'abc' is not a valid number");
  EXPECT_EQ(s.Discharges[1].NozzleElev, before);
  w->EditNzElev->setText("900");
  QTest::keyClick(w->EditNzElev, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(s.Discharges[1].NozzleElev, s.Discharges[1].PumpEndElev + 150);
}

TEST_F(NozzleWindow, RefreshThatChangesNothingReplacesNoText) {
  w->Refresh();
  const int updates = w->TextUpdates();
  for (int i = 0; i < 5; ++i) w->Refresh();
  EXPECT_EQ(w->TextUpdates(), updates);
  OperateNozzle(s, run, 1, 0.5);
  w->Refresh();
  EXPECT_EQ(w->TextUpdates(), updates + 1);
  EXPECT_EQ(w->LblNzOpen->text(), "Open: 50  %");
}

TEST_F(NozzleWindow, RolledUpTheCloseButtonShowsTheMenu) {
  const int full = w->height();
  QTest::mouseClick(w->BtnRollUp, Qt::LeftButton);
  EXPECT_TRUE(w->RolledUp());
  EXPECT_LT(w->height(), 30);
  QTest::mouseClick(w->BtnClose, Qt::LeftButton);
  EXPECT_TRUE(w->CloseMenu->isVisible());
  EXPECT_TRUE(w->isVisible());
  ASSERT_EQ(w->CloseMenu->actions().size(), 1);
  EXPECT_EQ(w->CloseMenu->actions()[0]->text(), "&Close");
  w->CloseMenu->hide();
  QTest::mouseClick(w->BtnRollUp, Qt::LeftButton);
  EXPECT_EQ(w->height(), full);
  w->setAttribute(Qt::WA_DeleteOnClose, false);  // the test owns it
  QTest::mouseClick(w->BtnClose, Qt::LeftButton);
  EXPECT_FALSE(w->isVisible());
}

class NozzleButton : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow();
    p.config.Options.AutoNozzleOperation = false;
  }
  void Tick(double seconds) {
    host.now += seconds;
    w->Timer1Timer();
  }
};

TEST_F(NozzleButton, OpensOverTheChildWindowsAndFollowsTheRun) {
  ASSERT_TRUE(w->BtnNozzle->isEnabled());
  p.S().Discharges[2].NozzleType = 4;  // no nozzle on line 2
  QTest::mouseClick(w->BtnNozzle, Qt::LeftButton);
  TfrmNzroll* nz = w->frmNzroll();
  ASSERT_NE(nz, nullptr);
  EXPECT_EQ(nz->parentWidget(), w->mdiArea());
  EXPECT_EQ(nz->y(), 20);
  EXPECT_EQ(nz->geometry().right(), w->mdiArea()->width() - 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "No nozzle defined for discharge: No. 2 Disch.");
  nz->Refresh();
  EXPECT_EQ(host.messages.size(), 1u);

  // The caption bar moves it where its outline was let go.
  const QPoint before = nz->pos();
  Mouse(nz->CaptionPanel, QEvent::MouseButtonPress, {40, 8});
  Mouse(nz->CaptionPanel, QEvent::MouseMove, {10, 38});
  ASSERT_NE(nz->CaptionPanel->Outline(), nullptr);
  EXPECT_TRUE(nz->CaptionPanel->Outline()->isVisible());
  EXPECT_EQ(nz->pos(), before);
  Mouse(nz->CaptionPanel, QEvent::MouseButtonRelease, {10, 38});
  EXPECT_FALSE(nz->CaptionPanel->Outline()->isVisible());
  EXPECT_EQ(nz->pos(), before + QPoint(-30, 30));

  // During a run the tick refreshes it through the host.
  p.S().Discharges[2].NozzleType = 1;
  ChargeLineOne(p.S(), host);
  w->BtnStart->click();
  Drag(nz->ImgNozz[0], {30, 30}, {30, 10});
  EXPECT_DOUBLE_EQ(p.S().Discharges[1].NozzleOpen, 0.5);
  for (int i = 0; i < 20; ++i) Tick(0.015);
  EXPECT_EQ(nz->LblNzPress1->text().toStdString(), FixedText(p.S().Discharges[1].NozzlePress, 1));
  EXPECT_GT(p.S().Discharges[1].NozzlePress, 1);
  testing::ProcessEventsFor(20);
  testing::Screenshot(*w, "nzroll_run_half_open");
  QTest::mouseClick(nz->BtnRollUp, Qt::LeftButton);
  testing::ProcessEventsFor(20);
  testing::Screenshot(*w, "nzroll_rolled_up");

  // Pressed again, it closes the window and opens a new one.
  QTest::mouseClick(w->BtnNozzle, Qt::LeftButton);
  EXPECT_NE(w->frmNzroll(), nullptr);
  EXPECT_FALSE(w->frmNzroll()->RolledUp());
  EXPECT_EQ(host.messages.size(), 1u);
}

}  // namespace
}  // namespace pumpdrill
