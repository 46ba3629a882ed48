// Panel design mode in the main window with real mouse events: the mode
// switch and its refusal during a run, moving items with their companions,
// the design commands from the "Panel Design" menu, the governor presets,
// undo, and the save question before a changed layout would be lost.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QtTest/QTest>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "frame/gui/frm_main.h"
#include "main_window_fixture.h"
#include "panel/design/design_menu.h"
#include "panel/file/panel_file.h"
#include "panel/gui/frm_panel.h"
#include "panel/gui/panel_dialogs.h"
#include "scripted_dialogs.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

using I = PanelItem;

class PanelDesignTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow([this](TfrmMain& win) {
      auto owned = std::make_unique<testing::ScriptedPanelDialogs>();
      dialogs = owned.get();
      win.SetPanelDialogs(std::move(owned));
    });
    host.messages.clear();
  }
  TfrmPanel& panel() { return *w->frmPanel(); }
  State& s() { return p.S(); }
  void DesignOn() {
    w->mPanelDesign->trigger();
    ASSERT_TRUE(p.run.PanelDesign);
  }
  // The menu item of a code in the main window's "Panel Design" menu.
  QAction* MenuItem(QMenu* menu, int code) {
    for (QAction* a : menu->findChildren<QAction*>())
      if (a->data().toInt() == code && !a->menu()) return a;
    for (QMenu* sub : menu->findChildren<QMenu*>())
      for (QAction* a : sub->actions())
        if (a->data().toInt() == code && !a->menu()) return a;
    return nullptr;
  }
  void Command(int code) {
    emit w->mnuPanelDesign->aboutToShow();
    QAction* a = MenuItem(w->mnuPanelDesign, code);
    ASSERT_NE(a, nullptr) << code;
    a->trigger();
  }
  // A point of an item in its widget's pixels, from layout pixels.
  QPoint At(QPointF layout) const {
    const double z = w->frmPanel()->Zoom();
    return QPoint(static_cast<int>(std::lround(layout.x() * z)),
                  static_cast<int>(std::lround(layout.y() * z)));
  }
  // Drags an item with the left button by d layout pixels, in steps.
  void Drag(QWidget* item, QPointF d, int steps = 4) {
    const QPoint from = At({4, 4});
    QTest::mousePress(item, Qt::LeftButton, {}, from);
    const QPoint start = item->pos();
    for (int i = 1; i <= steps; ++i) {
      // The item moves under the mouse: the point is kept where the mouse is.
      const QPoint moved = item->pos() - start;
      QTest::mouseMove(item, from + At(d * (double(i) / steps)) - moved);
    }
    QTest::mouseRelease(item, Qt::LeftButton, {}, from + At(d) - (item->pos() - start));
  }
  bool Said(const std::string& text) const {
    for (const auto& m : host.messages)
      if (m.text == text) return true;
    return false;
  }
  testing::ScriptedPanelDialogs* dialogs = nullptr;
};

TEST_F(PanelDesignTest, EnableDesignTogglesTheModeAndItsMenu) {
  EXPECT_FALSE(p.run.PanelDesign);
  DesignOn();
  EXPECT_TRUE(w->mPanelDesign->isChecked());
  EXPECT_TRUE(w->mnuPanelDesign->menuAction()->isVisible());
  w->mPanelDesign->trigger();
  EXPECT_FALSE(p.run.PanelDesign);
  EXPECT_FALSE(w->mPanelDesign->isChecked());
  EXPECT_FALSE(w->mnuPanelDesign->menuAction()->isVisible());
}

TEST_F(PanelDesignTest, DesignIsRefusedDuringARunAndARunLeavesIt) {
  DesignOn();
  w->BtnStart->click();
  ASSERT_TRUE(p.run.SimActive);
  EXPECT_FALSE(p.run.PanelDesign);
  EXPECT_FALSE(w->mnuPanelDesign->menuAction()->isVisible());
  host.messages.clear();
  w->mPanelDesign->trigger();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Panel design not allowed when simulation is running.");
  EXPECT_EQ(host.messages[0].type, MsgType::Information);
  EXPECT_FALSE(p.run.PanelDesign);
  EXPECT_FALSE(w->mPanelDesign->isChecked());
  emit w->mnuSetupPanel->aboutToShow();
  EXPECT_FALSE(w->mPanelDesign->isEnabled());
}

TEST_F(PanelDesignTest, ThePanelMenuOpensOnTheBackgroundOnlyInDesignMode) {
  QWidget* bg = panel().Background();
  const QPoint empty(bg->width() - 3, bg->height() - 3);
  ASSERT_EQ(bg->childAt(empty), nullptr);
  for (bool design : {false, true}) {
    if (design) DesignOn();
    QContextMenuEvent e(QContextMenuEvent::Mouse, empty, bg->mapToGlobal(empty));
    QApplication::sendEvent(bg, &e);
    EXPECT_EQ(panel().PopMenuPanel->isVisible(), design);
    panel().PopMenuPanel->close();
  }
}

TEST_F(PanelDesignTest, BothMenusCarryTheSameCodesAndThePanelsHidesThePrimerOilGauge) {
  for (const DesignMenuEntry& e : DesignMenuEntries()) {
    QAction* main = MenuItem(w->mnuPanelDesign, e.Code);
    ASSERT_NE(main, nullptr) << e.Caption;
    EXPECT_EQ(main->text().toStdString(), e.Caption);
    EXPECT_EQ(main->isVisible(), e.Code != kDesignGovernorFrc) << e.Caption;
    EXPECT_EQ(MenuItem(panel().PopMenuPanel, e.Code) != nullptr, e.Code != kDesignPumpOilGauge)
        << e.Caption;
  }
}

TEST_F(PanelDesignTest, AGaugeMovesWithItsTitleAndReadoutsAndStaysOnThePanel) {
  s().DischargeList.LineCount = 15;
  panel().RebuildPanel();
  DesignOn();
  const PanelLayout before = panel().Layout();
  Drag(panel().Gauge(15), {-30, 20});
  const PanelLayout& l = panel().Layout();
  const GaugeParts &a = before.Gauges[15], &b = l.Gauges[15];
  const int dx = b.Gauge.Left - a.Gauge.Left, dy = b.Gauge.Top - a.Gauge.Top;
  EXPECT_NEAR(dx, -30, 1);
  EXPECT_NEAR(dy, 20, 1);
  for (auto part : {&GaugeParts::Title, &GaugeParts::PressReadout, &GaugeParts::FlowReadout}) {
    EXPECT_EQ((b.*part).Left - (a.*part).Left, dx);
    EXPECT_EQ((b.*part).Top - (a.*part).Top, dy);
  }
  // Far up and left: stops at 0, and a saved file keeps it there.
  Drag(panel().Gauge(15), {-5000, -5000}, 8);
  EXPECT_EQ(l.Gauges[15].Gauge.Left, 0);
  EXPECT_EQ(l.Gauges[15].Gauge.Top, 0);
  EXPECT_GE(l.Gauges[15].Title.Left, 0);
  EXPECT_GE(l.Gauges[15].Title.Top, 0);
  // Far down and right: 16 pixels stay inside.
  Drag(panel().Gauge(15), {9000, 9000}, 8);
  EXPECT_EQ(l.Gauges[15].Gauge.Left, l.Width - kLeastInside);
  EXPECT_EQ(l.Gauges[15].Gauge.Top, l.Height - kLeastInside);
  EXPECT_FALSE(p.run.SimActive);
}

TEST_F(PanelDesignTest, BarsMoveUpAndDownOnlyAndTheIdBoxByEitherLabel) {
  DesignOn();
  const PanelPlace bar = panel().Layout().Item(I::LowerBar);
  Drag(panel().PnlLower, {40, -30});
  EXPECT_EQ(panel().Layout().Item(I::LowerBar).Left, 0);
  EXPECT_NEAR(panel().Layout().Item(I::LowerBar).Top, bar.Top - 30, 1);

  const PanelPlace box = panel().Layout().Item(I::IdBox);
  panel().CavitationIndicator(true);
  Drag(panel().LblCavitating, {12, 8});
  EXPECT_NEAR(panel().Layout().Item(I::IdBox).Left, box.Left + 12, 1);
  EXPECT_EQ(panel().Pnl_ID->Place.Left, panel().LblCavitating->Place.Left);
  EXPECT_EQ(panel().Pnl_ID->Place.Top, panel().LblCavitating->Place.Top);
}

TEST_F(PanelDesignTest, AMoveOutsideDesignModeWorksTheControlNotThePlace) {
  const PanelPlace before = panel().Layout().Item(I::EngCooler);
  Drag(panel().ImgEngCooler, {30, 30});
  EXPECT_EQ(panel().Layout().Item(I::EngCooler).Left, before.Left);
  EXPECT_EQ(panel().Layout().Item(I::EngCooler).Top, before.Top);
  EXPECT_FALSE(panel().LayoutChanged());
}

TEST_F(PanelDesignTest, AddNewDischargeShowsLineNineAndASaveWritesIt) {
  ASSERT_EQ(s().DischargeList.LineCount, 8);
  DesignOn();
  Command(kDesignAddDischarge);
  EXPECT_EQ(s().DischargeList.LineCount, 9);
  const PanelLayout& l = panel().Layout();
  EXPECT_EQ(l.Gauges[9].Gauge.Left, 10);
  EXPECT_EQ(l.Gauges[9].Gauge.Top, 5);
  EXPECT_EQ(l.Valves[9].Handle.Left, 10);
  EXPECT_EQ(l.Valves[9].Handle.Top, 20);
  EXPECT_TRUE(panel().Gauge(9)->isVisible());
  EXPECT_TRUE(panel().ValveHandle(9)->isVisible());
  EXPECT_EQ(panel().ValveTitle(9)->Text().toStdString(), s().DischargeList.LineTitle[9].str());
  ASSERT_TRUE(panel().TransferPanelConfiguration("NINE.PNL", kPanelFileSave));
  EXPECT_NE(testing::ReadTextFile(p.Dirs().PanelsDirectory + "NINE.PNL").find("NR_DISCHARGES=9\n"),
            std::string::npos);
}

TEST_F(PanelDesignTest, DischargeLinesStopAtFifteenAndOneAndAPartnerIsNotRemoved) {
  DesignOn();
  struct Case {
    int lines, code, after;
  } cases[] = {{15, kDesignAddDischarge, 15},
               {1, kDesignRemoveDischarge, 1},
               {5, kDesignRemoveDischarge, 4},
               {14, kDesignAddDischarge, 15}};
  for (const Case& c : cases) {
    s().DischargeList.LineCount = static_cast<Byte>(c.lines);
    panel().RebuildPanel();
    emit w->mnuPanelDesign->aboutToShow();
    EXPECT_EQ(MenuItem(w->mnuPanelDesign, c.code)->isEnabled(), c.after != c.lines);
    Command(c.code);
    EXPECT_EQ(s().DischargeList.LineCount, c.after) << c.lines << " " << c.code;
  }
  // Line 4 feeds line 3's siamese: refused, nothing changes.
  s().DischargeList.LineCount = 4;
  panel().RebuildPanel();
  s().Discharges[3].Layout = 1;
  s().Discharges[3].Partner[1] = 3;
  s().Discharges[3].Partner[2] = 4;
  host.messages.clear();
  Command(kDesignRemoveDischarge);
  EXPECT_EQ(s().DischargeList.LineCount, 4);
  EXPECT_TRUE(Said("Line " + s().DischargeList.LineTitle[4].str() +
                   " is part of the hose layout of " + s().DischargeList.LineTitle[3].str() +
                   ". Change that layout first."));
  EXPECT_TRUE(panel().Gauge(4)->isVisible());
}

TEST_F(PanelDesignTest, TheFlowmeterShowsAtFiveFiveWithItsReadoutAndHidesWithIt) {
  DesignOn();
  PanelLayout& l = panel().Layout();
  if (l.Item(I::FlowMeter).Visible) Command(kDesignFlowmeter);
  ASSERT_FALSE(l.Item(I::FlowMeter).Visible);
  const int dx = l.Item(I::LblFlowmeter).Left - l.Item(I::FlowMeter).Left;
  const int dy = l.Item(I::LblFlowmeter).Top - l.Item(I::FlowMeter).Top;
  Command(kDesignFlowmeter);
  EXPECT_EQ(l.Item(I::FlowMeter).Left, 5);
  EXPECT_EQ(l.Item(I::FlowMeter).Top, 5);
  EXPECT_EQ(l.Item(I::LblFlowmeter).Left, 5 + dx);
  EXPECT_EQ(l.Item(I::LblFlowmeter).Top, 5 + dy);
  EXPECT_TRUE(panel().ImgFlowMeter->isVisible());
  EXPECT_TRUE(panel().LblFlowmeter->isVisible());
  emit w->mnuPanelDesign->aboutToShow();
  EXPECT_TRUE(MenuItem(w->mnuPanelDesign, kDesignFlowmeter)->isChecked());
  Command(kDesignFlowmeter);
  EXPECT_FALSE(panel().ImgFlowMeter->isVisible());
  EXPECT_FALSE(panel().LblFlowmeter->isVisible());
}

TEST_F(PanelDesignTest, ConnectorsFollowTheHoseAndListTheLinesWithAndWithoutPlates) {
  DesignOn();
  struct Case {
    int line;
    double inches;
    int type;
  } cases[] = {{1, 5, kPlateSixInch}, {2, 1.75, kPlateTwoInchAngled}, {3, 12, kPlateTwoInchAngled}};
  for (const Case& c : cases) s().Discharges[c.line].HoseDiam = c.inches / 12.0;
  auto sub = [&](const char* name) { return w->mnuPanelDesign->findChild<QMenu*>(name); };
  for (const Case& c : cases) {
    emit w->mnuPanelDesign->aboutToShow();
    QAction* add = nullptr;
    for (QAction* a : sub("mnuAddConnector")->actions())
      if (a->property("connectorLine").toInt() == c.line) add = a;
    ASSERT_NE(add, nullptr) << c.line;
    EXPECT_EQ(add->text().toStdString(), s().DischargeList.LineTitle[c.line].str());
    add->trigger();
    EXPECT_TRUE(panel().Layout().Plates[c.line].Present);
    EXPECT_EQ(panel().Layout().Plates[c.line].Type, c.type) << c.inches;
    ASSERT_NE(panel().Plate(c.line), nullptr);
    EXPECT_EQ(panel().Layout().Plates[c.line].Place.Left, 10);
  }
  emit w->mnuPanelDesign->aboutToShow();
  EXPECT_EQ(sub("mnuRemoveConnector")->actions().size(), 3);
  // One item per line with a connection: 1 to LineCount and the intake.
  EXPECT_EQ(sub("mnuAddConnector")->actions().size(), 8 - 3 + 1);
  sub("mnuRemoveConnector")->actions().front()->trigger();
  EXPECT_FALSE(panel().Layout().Plates[1].Present);
  EXPECT_EQ(panel().Plate(1), nullptr);
}

TEST_F(PanelDesignTest, ThrottleAndPressureControlChoicesAreCheckedWhilePresent) {
  DesignOn();
  struct Case {
    int code;
    int throttleStyle, pressureStyle;
  } cases[] = {{kDesignThrottleHale, 6, -1},
               {kDesignGovernorClass1, -1, 10},
               {kDesignReliefHale, -1, 2},
               {kDesignGovernorNone, -1, kNoPressureControlStyle}};
  for (const Case& c : cases) {
    Command(c.code);
    if (c.throttleStyle >= 0) {
      EXPECT_EQ(s().DischargeList.ThrottleStyle, c.throttleStyle);
    }
    if (c.pressureStyle >= 0) {
      EXPECT_EQ(s().DischargeList.PressureControlStyle, c.pressureStyle);
    }
    emit w->mnuPanelDesign->aboutToShow();
    EXPECT_TRUE(MenuItem(w->mnuPanelDesign, c.code)->isChecked()) << c.code;
  }
}

TEST_F(PanelDesignTest, FoamItemsFollowTheFoamSystem) {
  DesignOn();
  TFoamSetupRec& f = s().FoamSetup;
  f.SYS_TYPE = kFoamNone;
  emit w->mnuPanelDesign->aboutToShow();
  EXPECT_FALSE(MenuItem(w->mnuPanelDesign, kDesignProportioner)->isEnabled());
  f.SYS_TYPE = kFoamDirectInjection;
  f.USE_CAFS = 1;
  f.FOAM_LINES.Add(2);
  emit w->mnuPanelDesign->aboutToShow();
  EXPECT_TRUE(MenuItem(w->mnuPanelDesign, kDesignCafsOnOff)->isEnabled());
  EXPECT_TRUE(MenuItem(w->mnuPanelDesign, 102)->isEnabled());
  EXPECT_FALSE(MenuItem(w->mnuPanelDesign, 103)->isEnabled());
  Command(102);
  EXPECT_TRUE(f.CAFS_AIR_V_SEL.Contains(2));
  EXPECT_EQ(f.CAFS_AIR_V_LEFT[2], 10);
  EXPECT_EQ(f.CAFS_AIR_V_TOP[2], 5);
  Command(kDesignTankSwitch);
  EXPECT_EQ(f.TK_SW_SEL, 1);
  // It stands at (10, 5); a move goes into the foam setup, undo takes it back.
  FoamTankSwitch* sw = panel().ImgFoamTankValve;
  ASSERT_FALSE(sw->isHidden());
  EXPECT_EQ(sw->Place.Left, 10);
  EXPECT_EQ(sw->Place.Top, 5);
  Drag(sw, {30, 20});
  EXPECT_EQ(f.TK_SW_LEFT, 40);
  EXPECT_EQ(f.TK_SW_TOP, 25);
  ASSERT_TRUE(panel().UndoDesign());
  EXPECT_EQ(f.TK_SW_LEFT, 10);
  EXPECT_EQ(sw->Place.Left, 10);
  Command(kDesignTankSwitch);  // checked: removed
  EXPECT_EQ(f.TK_SW_SEL, 0);
}

TEST_F(PanelDesignTest, PresetsOpenOnTheClass1GovernorOnlyAndCheckTheirInput) {
  DesignOn();
  Command(kDesignGovernorClass1);
  s().Engine.IdleRpm = 700;
  s().Engine.MaxRpm = 2200;
  std::vector<std::string> asked;
  std::deque<std::optional<std::string>> answers = {"abc", "2500", "1200", std::nullopt};
  panel().AskText = [&](const std::string& caption, const std::string& prompt,
                        const std::string&) -> std::optional<std::string> {
    asked.push_back(caption + "|" + prompt);
    auto a = answers.front();
    answers.pop_front();
    return a;
  };
  const double press = s().PumpControl.GovernorPressInit;
  QTest::mouseClick(panel().PressureControl, Qt::LeftButton, {}, At({4, 30}));
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_EQ(asked[0], "Enter new value|Preset RPM");
  EXPECT_EQ(asked[3], "Enter new value|Preset psi");
  EXPECT_TRUE(Said("Enter a number from 700 to 2200."));
  EXPECT_EQ(s().PumpControl.GovernorRpmInit, 1200);
  EXPECT_EQ(s().PumpControl.GovernorPressInit, press);  // cancelled
  // The cooler's corner only starts a move.
  asked.clear();
  if (!panel().Layout().Item(I::EngCooler).Visible) Command(kDesignEngineCooler);
  QTest::mouseClick(panel().ImgEngCooler, Qt::LeftButton, {}, At({4, 30}));
  EXPECT_TRUE(asked.empty());
}

TEST_F(PanelDesignTest, UndoTakesBackAMoveAndAnAddedLineAndRedoRepeats) {
  DesignOn();
  const PanelLayout start = panel().Layout();
  Drag(panel().ImgRpmMeter, {25, 15});
  ASSERT_NE(panel().Layout().Item(I::RpmMeter).Left, start.Item(I::RpmMeter).Left);
  Command(kDesignAddDischarge);
  ASSERT_EQ(s().DischargeList.LineCount, 9);
  QTest::keyClick(&panel(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(s().DischargeList.LineCount, 8);
  EXPECT_FALSE(panel().Gauge(9)->isVisible());
  panel().UndoDesign();
  EXPECT_EQ(panel().Layout().Item(I::RpmMeter).Left, start.Item(I::RpmMeter).Left);
  EXPECT_EQ(panel().Layout().Item(I::LblRpmGauge).Top, start.Item(I::LblRpmGauge).Top);
  EXPECT_EQ(panel().ImgRpmMeter->Place.Left, start.Item(I::RpmMeter).Left);
  EXPECT_FALSE(panel().UndoDesign());  // back to the switching on
  EXPECT_TRUE(panel().History().CanRedo());
  QTest::keyClick(&panel(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_NE(panel().Layout().Item(I::RpmMeter).Left, start.Item(I::RpmMeter).Left);
}

TEST_F(PanelDesignTest, AChangedLayoutIsOfferedForSavingBeforeOpen) {
  DesignOn();
  Command(kDesignAddDischarge);
  ASSERT_TRUE(panel().LayoutChanged());
  struct Case {
    Answer answer;
    bool opened;
  } cases[] = {{Answer::Cancel, false}, {Answer::No, true}};
  for (const Case& c : cases) {
    host.messages.clear();
    host.answers = {c.answer};
    dialogs->choices = {std::nullopt};
    dialogs->offered.clear();
    w->mPanelOpenClick();
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages[0].text, "The panel layout has changed. Save it first?");
    EXPECT_EQ(host.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dialogs->offered.size(), c.opened ? 1u : 0u);
  }
  // Yes saves as Save does (a name is chosen for the temporary panel).
  host.messages.clear();
  host.answers = {Answer::Yes};
  dialogs->choices = {std::string("KEPT.PNL"), std::nullopt};
  w->mPanelOpenClick();
  EXPECT_TRUE(std::filesystem::exists(p.Dirs().PanelsDirectory + "KEPT.PNL"));
  EXPECT_FALSE(panel().LayoutChanged());
  host.messages.clear();
  dialogs->choices = {std::nullopt};
  w->mPanelOpenClick();
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PanelDesignTest, AnEvolutionsPanelIsLoadedOnlyAfterTheChangedLayoutIsSavedUnderItsOwnName) {
  const std::string panels = p.Dirs().PanelsDirectory;
  struct Case {
    Answer answer;
    int linesAfter;     // 5: the Evolution's panel came in
    bool oldFileSaved;  // the changed layout went to OLD.PNL
  } cases[] = {{Answer::Cancel, 9, false}, {Answer::No, 5, false}, {Answer::Yes, 5, true}};
  for (const Case& c : cases) {
    s().DischargeList.LineCount = 8;
    panel().RebuildPanel();
    ASSERT_TRUE(panel().TransferPanelConfiguration("OLD.PNL", kPanelFileSave));
    {
      std::ofstream evo(panels + "EVO.PNL", std::ios::binary);
      evo << "[DISCHARGE LINES]\nNR_DISCHARGES=5\n";
    }
    if (!p.run.PanelDesign) DesignOn();
    Command(kDesignAddDischarge);
    ASSERT_EQ(s().DischargeList.LineCount, 9);
    s().PumpControl.PanelFileName = "EVO.PNL";  // as the Evolution brought it
    host.messages.clear();
    host.answers = {c.answer};
    host.AttachEvolutionPanel();
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages[0].text, "The panel layout has changed. Save it first?");
    EXPECT_EQ(s().DischargeList.LineCount, c.linesAfter);
    EXPECT_EQ(s().PumpControl.PanelFileName.str(), "EVO.PNL");
    EXPECT_EQ(
        testing::ReadTextFile(panels + "OLD.PNL").find("NR_DISCHARGES=9\n") != std::string::npos,
        c.oldFileSaved);
    // The Evolution's own file is never written over.
    EXPECT_NE(testing::ReadTextFile(panels + "EVO.PNL").find("NR_DISCHARGES=5\n"),
              std::string::npos);
  }
}

TEST_F(PanelDesignTest, ClosingWithAChangedLayoutAsksAndCancelKeepsTheProgram) {
  DesignOn();
  Drag(panel().ImgRpmMeter, {10, 10});
  ASSERT_TRUE(panel().LayoutChanged());
  host.messages.clear();
  host.answers = {Answer::Cancel};
  EXPECT_FALSE(w->close());
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages[0].text, "The panel layout has changed. Save it first?");
  EXPECT_TRUE(w->isVisible());
}

}  // namespace
}  // namespace pumpdrill

namespace pumpdrill {
namespace {

// Design mode with the "Panel Design" menu and one of its sub-menus open,
// drawn into one picture (the menus are windows of their own), when
// PUMPDRILL_SHOTS names a folder.
TEST_F(PanelDesignTest, ScreenshotWithThePanelDesignMenuOpen) {
  const QByteArray shots = qgetenv("PUMPDRILL_SHOTS");
  if (shots.isEmpty()) GTEST_SKIP() << "PUMPDRILL_SHOTS not set";
  w->resize(1024, 768);
  DesignOn();
  testing::ProcessEventsFor(50);
  QMenuBar* bar = w->menuBar();
  QMenu* menu = w->mnuPanelDesign;
  const QRect item = bar->actionGeometry(menu->menuAction());
  menu->popup(bar->mapToGlobal(item.bottomLeft()));
  testing::ProcessEventsFor(50);
  QMenu* sub = nullptr;
  for (QAction* a : menu->actions())
    if (a->menu() && a->text() == "Misc. Gauges") sub = a->menu();
  ASSERT_NE(sub, nullptr);
  menu->setActiveAction(sub->menuAction());
  sub->popup(menu->mapToGlobal(menu->actionGeometry(sub->menuAction()).topRight()));
  testing::ProcessEventsFor(50);
  QPixmap picture = w->grab();
  {
    QPainter painter(&picture);
    for (QMenu* m : {menu, sub})
      painter.drawPixmap(w->mapFromGlobal(m->mapToGlobal(QPoint(0, 0))), m->grab());
  }
  const QString folder = QString::fromUtf8(shots);
  picture.save(folder + "/panel_design_menu.png");
  sub->close();
  menu->close();

  // The panel's own menu on the background, after the tachometer was moved.
  Drag(panel().ImgRpmMeter, {-60, 40});
  QWidget* bg = panel().Background();
  QPoint at(bg->width() / 2, 60);
  while (at.y() < bg->height() && bg->childAt(at)) at.ry() += 10;
  QContextMenuEvent e(QContextMenuEvent::Mouse, at, bg->mapToGlobal(at));
  QApplication::sendEvent(bg, &e);
  testing::ProcessEventsFor(50);
  ASSERT_TRUE(panel().PopMenuPanel->isVisible());
  QPixmap second = w->grab();
  {
    QPainter painter(&second);
    painter.drawPixmap(w->mapFromGlobal(panel().PopMenuPanel->mapToGlobal(QPoint(0, 0))),
                       panel().PopMenuPanel->grab());
  }
  second.save(folder + "/panel_design_popup.png");
  panel().PopMenuPanel->close();
}

}  // namespace
}  // namespace pumpdrill
