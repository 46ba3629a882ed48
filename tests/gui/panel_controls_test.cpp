// The panel's working controls driven with real mouse and key events
// during a run: the state changes at once, the hydraulics and readouts
// follow on the ticks, held buttons step on the tick, screen readers get
// names and values.
#include "panel/controls/panel_controls.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QtTest/QTest>
#include <cmath>
#include <numbers>

#include "frame/gui/frm_main.h"
#include "main_window_fixture.h"
#include "panel/controls/electronic_throttle.h"
#include "panel/controls/engine_cooler.h"
#include "panel/controls/governor_set_point.h"
#include "panel/controls/push_pull.h"
#include "panel/controls/relief_setting.h"
#include "panel/controls/throttle_effect.h"
#include "panel/gui/frm_panel.h"
#include "sim/coefficients.h"
#include "sim/pressure_control.h"

namespace pumpdrill {
namespace {

class PanelControlsTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override { OpenMainWindow(); }
  TfrmPanel& panel() { return *w->frmPanel(); }
  State& s() { return p.S(); }

  void StartRun() {
    w->BtnStart->click();
    ASSERT_TRUE(p.run.SimActive);
  }
  // The intake open and line n's nozzle open at the engine speed: only its
  // valve holds the water back.
  void ReadyLine(int n, double rpm) {
    s().Engine.RpmDemand = rpm;
    LimitRpmDemand(s());
    s().Engine.Rpm = s().Engine.RpmDemand;
    OpenValve(kIntakeLine);
    s().Discharges[n].NozzleOpen = 1;
    UpdateNozzleK(s(), n);
  }
  // A point of a control's picture, layout pixels, in its widget's pixels.
  QPoint At(QPointF layout) const {
    const double z = w->frmPanel()->Zoom();
    return QPoint(static_cast<int>(std::lround(layout.x() * z)),
                  static_cast<int>(std::lround(layout.y() * z)));
  }
  // A drag with the left button from a to a + d in steps (layout pixels).
  void Drag(QWidget* c, QPointF a, QPointF d, int steps = 10) {
    QTest::mousePress(c, Qt::LeftButton, {}, At(a));
    for (int i = 1; i <= steps; ++i) QTest::mouseMove(c, At(a + d * (double(i) / steps)));
    QTest::mouseRelease(c, Qt::LeftButton, {}, At(a + d));
  }
  // The mouse taken round a centre, counter-clockwise on the screen or
  // clockwise, `turns` times.
  void Circle(QWidget* c, QPointF centre, double r, int turns, bool ccw) {
    constexpr int kSteps = 32;
    auto point = [&](int i) {
      const double a = (ccw ? 1 : -1) * 2 * std::numbers::pi * i / kSteps;
      return centre + QPointF(r * std::cos(a), -r * std::sin(a));
    };
    QTest::mousePress(c, Qt::LeftButton, {}, At(point(0)));
    for (int i = 1; i <= turns * kSteps; ++i) QTest::mouseMove(c, At(point(i)));
    QTest::mouseRelease(c, Qt::LeftButton, {}, At(point(turns * kSteps)));
  }
  static QString Accessible(QWidget* c, QAccessible::Text t) {
    return QAccessible::queryAccessibleInterface(c)->text(t);
  }
};

TEST_F(PanelControlsTest, DraggingAHandleOpensTheLineAndItsGaugeShowsTheFlow) {
  s().ShowOptions.ShowDigitalFlow = 1;
  panel().RebuildPanel();
  StartRun();
  ReadyLine(1, 1500);
  Ticks(20);
  ASSERT_EQ(panel().FlowReadout(1)->Text().toStdString(), "0.0");
  // Type 1: shut at the top; the handle's middle dragged to the bottom.
  ValveHandleWidget* handle = panel().ValveHandle(1);
  Drag(handle, {18.5, 15}, {0, 120});
  EXPECT_EQ(s().Discharges[1].ValveOpen, 1.0);
  EXPECT_FALSE(s().Discharges[1].ValveShut);
  Ticks(20);
  EXPECT_GT(s().Discharges[1].Flow, 50);
  EXPECT_EQ(panel().FlowReadout(1)->Text().toStdString(), FixedText(s().Discharges[1].Flow, 1));
}

TEST_F(PanelControlsTest, APushPullHandleOpensByItsTravel) {
  struct Case {
    int type;
    QPointF drag;  // layout pixels from the shut handle's middle
    double opening;
  };
  // Short slots travel 84 px, long ones 140; past the end stays open.
  const Case cases[] = {{1, {0, 42}, 0.5},   {2, {0, -42}, 0.5}, {3, {0, 70}, 0.5},
                        {4, {0, -140}, 1.0}, {5, {-42, 0}, 0.5}, {6, {42, 0}, 0.5},
                        {7, {-500, 0}, 1.0}, {8, {35, 0}, 0.25}, {1, {0, -30}, 0.0}};
  // Points are the picture's own: the zoom is divided out.
  panel().ZoomBy(1.5);
  StartRun();
  for (const Case& c : cases) {
    panel().SetValveHandleType(2, c.type);
    s().Discharges[2].ValveOpen = 0;
    panel().SyncControls(true);
    ValveHandleWidget* handle = panel().ValveHandle(2);
    const PushPullGeometry g = PushPullGeometryOf(c.type);
    const double along = PushPullPlace(g, 0) + g.HandleLength / 2.0;
    const QPointF middle =
        g.Vertical ? QPointF(g.SlotWidth / 2.0, along) : QPointF(along, g.SlotWidth / 2.0);
    EXPECT_NEAR(handle->width(), (g.Vertical ? g.SlotWidth : g.SlotLength) * panel().Zoom(), 1)
        << c.type;
    Drag(handle, middle, c.drag);
    EXPECT_NEAR(s().Discharges[2].ValveOpen, c.opening, 0.02) << c.type;
  }
}

TEST_F(PanelControlsTest, AHandWheelTurnsItsValveByItsDirection) {
  s().DischargeList.RotaryOpensCCW[3] = 1;
  panel().SetValveHandleType(3, kHandleWheel);
  ValveHandleWidget* wheel = panel().ValveHandle(3);
  const ControlSize size = panel().Controls().PictureSize[kRotaryFirstWheel];
  EXPECT_NEAR(wheel->width(), size.Width * panel().Zoom(), 1);
  StartRun();
  const QPointF centre(size.Width / 2.0, size.Height / 2.0);
  // A turn at radius 20 moves the mouse 8 x 20 px across and down: four
  // turns open the wheel by 6.4 points of its travel.
  Circle(wheel, centre, 20, 4, true);
  const double opened = s().Discharges[3].ValveOpen;
  EXPECT_NEAR(opened, 0.064, 0.002);
  EXPECT_EQ(Accessible(wheel, QAccessible::Value).toStdString(),
            std::to_string(static_cast<int>(std::lround(opened * 100))) + " % open");
  Circle(wheel, centre, 20, 5, false);
  EXPECT_EQ(s().Discharges[3].ValveOpen, 0.0);
}

TEST_F(PanelControlsTest, TurningTheThrottleRaisesTheEngineAtOnce) {
  RotaryControlWidget* throttle = panel().Throttle;
  ASSERT_EQ(throttle->Kind(), kRotaryPierceThrottle);
  EXPECT_TRUE(throttle->isVisible());
  StartRun();
  const double idle = s().Engine.IdleRpm;
  ASSERT_NEAR(s().Engine.RpmDemand, idle, 1e-9);
  Circle(throttle, {27, 55}, 20, 4, true);
  EXPECT_GT(s().Engine.RpmDemand, idle + 100);
  EXPECT_EQ(s().Engine.Rpm, s().Engine.RpmDemand);
  // Outside a run the throttle does nothing.
  w->mRunTerminate->trigger();
  const double demand = s().Engine.RpmDemand;
  Circle(throttle, {27, 55}, 20, 2, true);
  EXPECT_EQ(s().Engine.RpmDemand, demand);
}

TEST_F(PanelControlsTest, TheElectronicValveStepsWhileItsButtonIsHeld) {
  panel().SetValveHandleType(4, kHandleElectronic);
  ValveHandleWidget* valve = panel().ValveHandle(4);
  StartRun();
  QTest::mousePress(valve, Qt::LeftButton, {}, At({30, 10}));
  // 0.8 s of held open button: 20 steps of 0.025.
  Ticks(54);
  EXPECT_NEAR(s().Discharges[4].ValveOpen, 0.5, 1e-9);
  QTest::mouseRelease(valve, Qt::LeftButton, {}, At({30, 10}));
  Ticks(20);
  EXPECT_NEAR(s().Discharges[4].ValveOpen, 0.5, 1e-9);
  // The window losing the mouse ends the hold as a release does.
  QTest::mousePress(valve, Qt::LeftButton, {}, At({30, 40}));
  Ticks(10);
  const double closing = s().Discharges[4].ValveOpen;
  EXPECT_LT(closing, 0.5);
  QEvent deactivate(QEvent::WindowDeactivate);
  QApplication::sendEvent(valve, &deactivate);
  Ticks(20);
  EXPECT_EQ(s().Discharges[4].ValveOpen, closing);
}

TEST_F(PanelControlsTest, KeysWorkTheControlsTheMouseWould) {
  StartRun();
  struct Case {
    const char* what;
    std::function<void()> keys;
    std::function<bool()> check;
  };
  ValveHandleWidget* v5 = panel().ValveHandle(5);
  const double rpm = s().Engine.RpmDemand;
  const double relief = s().PumpControl.ReliefSetPress;
  const Case cases[] = {
      {"digit 5 then Up",
       [&] {
         QTest::keyClick(&panel(), Qt::Key_5);
         QTest::keyClick(v5, Qt::Key_Up);
       },
       [&] { return v5->hasFocus() && std::abs(s().Discharges[5].ValveOpen - 0.05) < 1e-9; }},
      {"PageUp", [&] { QTest::keyClick(v5, Qt::Key_PageUp); },
       [&] { return std::abs(s().Discharges[5].ValveOpen - 0.30) < 1e-9; }},
      {"End", [&] { QTest::keyClick(v5, Qt::Key_End); },
       [&] { return s().Discharges[5].ValveOpen == 1.0; }},
      {"Down", [&] { QTest::keyClick(v5, Qt::Key_Down); },
       [&] { return std::abs(s().Discharges[5].ValveOpen - 0.95) < 1e-9; }},
      {"Home", [&] { QTest::keyClick(v5, Qt::Key_Home); },
       [&] { return s().Discharges[5].ValveOpen == 0.0; }},
      {"Ctrl+Up on a valve", [&] { QTest::keyClick(v5, Qt::Key_Up, Qt::ControlModifier); },
       [&] { return s().Engine.RpmDemand > rpm + 30 && s().Engine.Rpm == s().Engine.RpmDemand; }},
      {"relief Down", [&] { QTest::keyClick(panel().PressureControl, Qt::Key_Down); },
       [&] { return std::abs(s().PumpControl.ReliefSetPress - (relief - 5)) < 1e-9; }},
      {"P", [&] { QTest::keyClick(v5, Qt::Key_P); },
       [&] {
         return s().PumpControl.PrimerState == 1 && panel().ImgPrimer->Picture() == "PRIMER_ON";
       }},
      {"Space on the primer", [&] { QTest::keyClick(panel().ImgPrimer, Qt::Key_Space); },
       [&] {
         return s().PumpControl.PrimerState == 2 && panel().ImgPrimer->Picture() == "PRIMER_OFF";
       }},
      {"Space on the cooler", [&] { QTest::keyClick(panel().ImgEngCooler, Qt::Key_Space); },
       [&] { return s().Pump.EngineCooler == 1; }},
      {"flowmeter Right", [&] { QTest::keyClick(panel().ImgFlowMeter, Qt::Key_Right); },
       [&] { return panel().Controls().Flowmeter.Position == 10; }},
      {"transfer Down, 3 s later",
       [&] {
         QTest::keyClick(panel().ImgTransferValve, Qt::Key_Down);
         Ticks(201);
       },
       [&] { return s().Pump.StageMode == 2; }},
  };
  for (const Case& c : cases) {
    c.keys();
    EXPECT_TRUE(c.check()) << c.what;
  }
}

TEST_F(PanelControlsTest, ControlsTellScreenReadersTheirNameRoleAndValue) {
  struct Case {
    QWidget* control;
    QAccessible::Role role;
    std::string name, value;
  };
  const std::string title = s().DischargeList.LineTitle[1].str();
  const Case cases[] = {
      {panel().ValveHandle(1), QAccessible::Slider, title + " valve", "shut"},
      {panel().Throttle, QAccessible::Dial, "Throttle", "1050 RPM"},
      {panel().PressureControl, QAccessible::Dial, "Relief valve", "150 psi, off"},
      {panel().ImgPrimer, QAccessible::Button, "Primer", "at rest"},
      {panel().ImgTransferValve, QAccessible::Slider, "Transfer valve", "pressure"},
      {panel().Gauge(1), QAccessible::Indicator, title + " gauge", "0.0 psi"},
  };
  for (const Case& c : cases) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c.control);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), c.role) << c.name;
    EXPECT_EQ(a->text(QAccessible::Name).toStdString(), c.name);
    EXPECT_EQ(a->text(QAccessible::Value).toStdString(), c.value) << c.name;
    EXPECT_EQ(c.control->accessibleName().toStdString(), c.name);
  }
  // The value follows a change; Tab goes on to the next handle.
  StartRun();
  ValveHandleWidget* v1 = panel().ValveHandle(1);
  v1->setFocus();
  QTest::keyClick(v1, Qt::Key_PageUp);
  EXPECT_EQ(Accessible(v1, QAccessible::Value).toStdString(), "25 % open");
  QTest::keyClick(v1, Qt::Key_Tab);
  EXPECT_TRUE(panel().ValveHandle(2)->hasFocus());
}

TEST_F(PanelControlsTest, TheMouseWorksEverySwitchKnobAndButton) {
  for (PanelItem item : {PanelItem::FlowMeter, PanelItem::EngCooler})
    panel().Layout().Item(item).Visible = true;
  panel().ApplyLayout();
  StartRun();
  auto press = [&](QWidget* c, QPointF at) { QTest::mousePress(c, Qt::LeftButton, {}, At(at)); };
  auto move = [&](QWidget* c, QPointF at) { QTest::mouseMove(c, At(at)); };
  auto release = [&](QWidget* c, QPointF at) {
    QTest::mouseRelease(c, Qt::LeftButton, {}, At(at));
  };
  auto pressure = [&](int code) {
    SelectPressureControl(panel().Controls(), panel().Layout(), s(), code, host);
    panel().ApplyLayout();
  };
  double before = 0;
  struct Case {
    const char* what;
    std::function<void()> act;
    std::function<bool()> check;
  };
  const Case cases[] = {
      {"Waterous switch thrown left: on",
       [&] {
         press(panel().PressureControl, {25, 68});
         move(panel().PressureControl, {19, 68});
       },
       [&] { return s().PumpControl.ReliefMode == 1; }},
      {"and right: off",
       [&] {
         move(panel().PressureControl, {31, 68});
         release(panel().PressureControl, {31, 68});
       },
       [&] { return s().PumpControl.ReliefMode == 2; }},
      {"transfer toggle held down",
       [&] {
         press(panel().ImgTransferValve, {33, 48});
         move(panel().ImgTransferValve, {33, 60});
       },
       [&] { return std::string(panel().ImgTransferValve->TogglePicture()) == "TOGGLE_DN"; }},
      {"let go: volume 3 s after the throw",
       [&] {
         release(panel().ImgTransferValve, {33, 60});
         Ticks(195);
       },
       [&] {
         const bool waiting = s().Pump.StageMode == 1;
         Ticks(6);
         return waiting && s().Pump.StageMode == 2 &&
                std::string(panel().ImgTransferValve->TogglePicture()) == "TOGGLE_MID";
       }},
      {"flowmeter pressed at 126 degrees: line 1",
       [&] {
         press(panel().ImgFlowMeter, {88 - 11.76, 39 + 16.18});
         release(panel().ImgFlowMeter, {88 - 11.76, 39 + 16.18});
       },
       [&] { return panel().Controls().Flowmeter.Position == 1; }},
      {"primer clicked", [&] { QTest::mouseClick(panel().ImgPrimer, Qt::LeftButton); },
       [&] {
         return s().PumpControl.PrimerState == 1 && panel().ImgPrimer->Picture() == "PRIMER_ON";
       }},
      {"cooler clicked", [&] { QTest::mouseClick(panel().ImgEngCooler, Qt::LeftButton); },
       [&] { return EngineCoolerOn(s()) && panel().ImgEngCooler->Picture() == "ENG_COOLER_ON"; }},
      {"Class1 increase: a step at once",
       [&] {
         pressure(68);
         before = s().PumpControl.GovernorSetRpm;
         press(panel().PressureControl, {60, 50});
       },
       [&] { return s().PumpControl.GovernorSetRpm == before + 5; }},
      {"held 0.5 s: the second step",
       [&] {
         Ticks(34);
         release(panel().PressureControl, {60, 50});
         Ticks(40);
       },
       [&] { return s().PumpControl.GovernorSetRpm == before + 10; }},
      {"electronic throttle raise held 0.4 s: six steps",
       [&] {
         pressure(62);  // none: no governor holds the engine
         SelectThrottle(panel().Controls(), panel().Layout(), s(), 72, host);
         panel().ApplyLayout();
         before = s().Engine.RpmDemand;
         const ControlSize size = panel().Controls().PictureSize[kRotaryElectronicThrottle];
         press(panel().Throttle, {size.Width * 0.9, size.Height * 0.25});
         Ticks(27);
         release(panel().Throttle, {size.Width * 0.9, size.Height * 0.25});
       },
       [&] {
         return s().Engine.RpmDemand == before + 60 &&
                panel().Throttle->DisplayText() == ElectronicThrottleText(s());
       }},
  };
  for (const Case& c : cases) {
    c.act();
    EXPECT_TRUE(c.check()) << c.what;
  }
}

// Pictures to look at: every handle type shut, half and open; the
// throttles at idle, half and full; the relief valves and governors.
class PanelControlPictures : public PanelControlsTest {
 protected:
  struct Shot {
    std::string label;
    QPixmap picture;
  };
  Shot Grab(QWidget* c, std::string label) {
    testing::ProcessEventsFor(10);
    return {std::move(label), c->grab()};
  }
  void SaveSheet(const std::vector<Shot>& shots, int columns, const char* name) {
    const double dpr = panel().devicePixelRatioF();
    int cellW = 0, cellH = 0;
    for (const Shot& s : shots) {
      cellW = std::max(cellW, static_cast<int>(s.picture.deviceIndependentSize().width()) + 12);
      cellH = std::max(cellH, static_cast<int>(s.picture.deviceIndependentSize().height()) + 26);
    }
    const int rows = (static_cast<int>(shots.size()) + columns - 1) / columns;
    QImage sheet(QSize(cellW * columns, cellH * rows) * dpr, QImage::Format_ARGB32);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(QColor(196, 199, 202));
    QPainter painter(&sheet);
    QFont f("Liberation Sans");
    f.setPixelSize(10);
    painter.setFont(f);
    for (std::size_t i = 0; i < shots.size(); ++i) {
      const QPoint cell(static_cast<int>(i % columns) * cellW,
                        static_cast<int>(i / columns) * cellH);
      painter.drawPixmap(cell + QPoint(6, 4), shots[i].picture);
      painter.drawText(QRect(cell + QPoint(0, cellH - 20), QSize(cellW, 18)), Qt::AlignCenter,
                       QString::fromStdString(shots[i].label));
    }
    painter.end();
    const testing::fs::path dir = testing::BuildMainDirectory() / "tests" / "screenshots";
    testing::fs::create_directories(dir);
    const std::string scale = qEnvironmentVariable("QT_SCALE_FACTOR") == "2" ? "_2x" : "";
    sheet.save(QString::fromStdString((dir / (std::string(name) + scale + ".png")).string()));
  }
};

TEST_F(PanelControlPictures, HandlesThrottlesAndPressureControls) {
  StartRun();
  std::vector<Shot> handles;
  for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 14}) {
    panel().SetValveHandleType(1, type);
    for (double open : {0.0, 0.5, 1.0}) {
      s().Discharges[1].ValveOpen = open;
      panel().SyncControls(true);
      handles.push_back(Grab(
          panel().ValveHandle(1),
          std::to_string(type) + " at " + std::to_string(static_cast<int>(open * 100)) + " %"));
    }
  }
  SaveSheet(handles, 9, "panel_control_handles");

  std::vector<Shot> rotary;
  for (int code : {70, 71, 72}) {
    SelectThrottle(panel().Controls(), panel().Layout(), s(), code, host);
    panel().ApplyLayout();
    for (double rpm : {s().Engine.IdleRpm, 1800.0, double(s().Engine.MaxRpm)}) {
      ApplyThrottleDemand(s(), rpm);
      panel().SyncControls(true);
      rotary.push_back(Grab(panel().Throttle, "code " + std::to_string(code) + " at " +
                                                  std::to_string(static_cast<int>(rpm))));
    }
  }
  for (int code : {60, 61, 66, 68}) {
    SelectPressureControl(panel().Controls(), panel().Layout(), s(), code, host);
    panel().ApplyLayout();
    for (double psi : {117.0, 233.0}) {
      SetReliefPressure(s(), psi);
      SetGovernorPressure(s(), psi);
      panel().SyncControls(true);
      rotary.push_back(Grab(panel().PressureControl,
                            "code " + std::to_string(code) + " " + std::to_string(int(psi))));
    }
  }
  SaveSheet(rotary, 6, "panel_control_rotary");
  panel().ValveHandle(6)->setFocus(Qt::TabFocusReason);
  testing::ProcessEventsFor(20);
  testing::Screenshot(*w, "panel_controls_running");
}

}  // namespace
}  // namespace pumpdrill
