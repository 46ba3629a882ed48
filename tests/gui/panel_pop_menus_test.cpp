// The panel's item menus opened with a real right click: the valve menu's
// marks and what its choices do to the handle, the title and the saved
// panel file; the gauge menu's rename and face colour; the temperature and
// oil gauge menu; and which of them open outside design mode.
#include "panel/gui/panel_pop_menus.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QtTest/QTest>
#include <optional>
#include <string>
#include <vector>

#include "frame/gui/frm_main.h"
#include "main_window_fixture.h"
#include "panel/controls/valve_handle_tag.h"
#include "panel/gauge_tag.h"
#include "panel/gui/frm_panel.h"
#include "scripted_dialogs.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

using Paths = std::vector<std::string>;
using testing::ScriptedPanelDialogs;

// The action at a path of captions in a menu and its sub-menus.
QAction* Find(QMenu* menu, const Paths& path) {
  QAction* found = nullptr;
  for (const std::string& caption : path) {
    if (!menu) return nullptr;
    found = nullptr;
    for (QAction* a : menu->actions())
      if (a->text().toStdString() == caption) found = a;
    if (!found) return nullptr;
    menu = found->menu();
  }
  return found;
}

// The captions down to every checked action, joined with " > ".
void Checked(QMenu* menu, const std::string& prefix, Paths& out) {
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) continue;
    const std::string path =
        prefix.empty() ? a->text().toStdString() : prefix + " > " + a->text().toStdString();
    if (a->isChecked()) out.push_back(path);
    if (a->menu()) Checked(a->menu(), path, out);
  }
}
std::string CheckedText(QMenu* menu) {
  Paths out;
  Checked(menu, "", out);
  std::string all;
  for (const std::string& path : out) all += (all.empty() ? "" : " | ") + path;
  return all;
}

class PanelPopMenusTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow([this](TfrmMain& win) {
      auto owned = std::make_unique<ScriptedPanelDialogs>();
      dialogs = owned.get();
      win.SetPanelDialogs(std::move(owned));
    });
    host.messages.clear();
    p.run.PanelDesign = true;
  }
  void TearDown() override {
    CloseMenu();
    MainWindowFixture::TearDown();
  }
  TfrmPanel& panel() { return *w->frmPanel(); }
  State& s() { return p.S(); }

  // A right click in the middle of the item: the menu it opened, or nullptr.
  QMenu* RightClick(QWidget* item) {
    CloseMenu();
    EXPECT_TRUE(item->isVisible()) << item->objectName().toStdString();
    // Through the window, as the platform delivers it: a right press there
    // makes the item's context menu event.
    QWidget* top = item->window();
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, item->mapTo(top, Uncovered(item)));
    QApplication::processEvents();
    return panel().PopMenus()->Shown();
  }
  // A point of the item that no other item covers (the middle when it is
  // free), in the item's pixels.
  static QPoint Uncovered(QWidget* item) {
    QWidget* top = item->window();
    const QPoint middle = item->rect().center();
    if (top->childAt(item->mapTo(top, middle)) == item) return middle;
    for (int y = 1; y < item->height(); y += 2)
      for (int x = 1; x < item->width(); x += 2)
        if (top->childAt(item->mapTo(top, QPoint(x, y))) == item) return {x, y};
    ADD_FAILURE() << item->objectName().toStdString() << " is covered";
    return middle;
  }
  void CloseMenu() {
    if (w && panel().PopMenus()->Shown()) panel().PopMenus()->Shown()->close();
    QApplication::processEvents();
  }
  // Opens the item's menu and chooses the item at path.
  void Choose(QWidget* item, const Paths& path) {
    QMenu* menu = RightClick(item);
    ASSERT_NE(menu, nullptr);
    QAction* a = Find(menu, path);
    ASSERT_NE(a, nullptr) << path.back();
    ASSERT_TRUE(a->isEnabled()) << path.back();
    a->trigger();
    QApplication::processEvents();
  }
  std::string Section(const std::string& text, const std::string& name) {
    const std::size_t at = text.find("[" + name + "]\n");
    if (at == std::string::npos) return {};
    const std::size_t end = text.find("\n[", at + 1);
    return text.substr(at, end == std::string::npos ? std::string::npos : end - at + 1);
  }

  ScriptedPanelDialogs* dialogs = nullptr;
};

TEST_F(PanelPopMenusTest, ValveMenuMarksThePresentHandleAndTitle) {
  struct Case {
    int Valve, Type;
    bool Ccw, ForegroundEnabled, BackgroundEnabled;
    const char* Checked;
  };
  const Case cases[] = {
      {1, kHandleShortOpenBottom, false, true, true,
       "Vertical | Vertical > 'Short' | Vertical > 'Short' > Open Btm | Title Foreground > Black | "
       "Title Background > Transparent"},
      {2, kHandleWheel, true, false, true,
       "Rotory | Rotory > Small | Rotory > Small > Open Counter-Clockwise | "
       "Title Foreground > Black | Title Background > Transparent"},
      {3, kHandleElectronic, false, true, false,
       "Electronic | Title Foreground > Black | Title Background > Transparent"},
  };
  for (const Case& c : cases) {
    s().DischargeList.RotaryOpensCCW[c.Valve] = c.Ccw ? 1 : 0;
    panel().SetValveHandleType(c.Valve, c.Type);
    QMenu* menu = RightClick(panel().ValveHandle(c.Valve));
    ASSERT_NE(menu, nullptr) << c.Valve;
    EXPECT_EQ(menu->objectName(), "PopMenuValve");
    EXPECT_EQ(CheckedText(menu), c.Checked) << c.Valve;
    EXPECT_EQ(Find(menu, {"Title Foreground", "White"})->isEnabled(), c.ForegroundEnabled);
    EXPECT_EQ(Find(menu, {"Title Background", "Purple"})->isEnabled(), c.BackgroundEnabled);
    EXPECT_FALSE(Find(menu, {"Rotory", "Large"})->isEnabled());
    EXPECT_EQ(Find(menu, {"Title Foreground", "Transparent"}), nullptr);
    EXPECT_NE(Find(menu, {"Title Background", "Transparent"}), nullptr);
  }
}

TEST_F(PanelPopMenusTest, ATypeChangeKeepsThePlaceAndTheTitle) {
  struct Case {
    Paths Choice;
    int Type;
    bool Ccw;
  };
  const Case cases[] = {
      {{"Horizontal", "'Long'", "Open Right"}, kHandleLongOpenRight, false},
      {{"Rotory", "Small", "Open Counter-Clockwise"}, kHandleWheel, true},
      {{"Rotory", "Small", "Open Clockwise"}, kHandleWheel, false},
      {{"T-Handle"}, kHandleTee, false},
      {{"Vertical", "'Short'", "Open Top"}, kHandleShortOpenTop, false},
  };
  const int v = 4;
  const PanelPlace handle = panel().Layout().Valves[v].Handle;
  const PanelPlace title = panel().Layout().Valves[v].Title;
  const QString text = panel().ValveTitle(v)->Text();
  const QPoint titleAt = panel().ValveTitle(v)->pos();
  for (const Case& c : cases) {
    Choose(panel().ValveHandle(v), c.Choice);
    const ValvePlace& now = panel().Layout().Valves[v];
    EXPECT_EQ(now.HandleType, c.Type) << c.Choice.back();
    EXPECT_EQ(panel().ValveHandle(v)->HandleType(), c.Type);
    EXPECT_EQ(now.Handle.Left, handle.Left) << c.Choice.back();
    EXPECT_EQ(now.Handle.Top, handle.Top) << c.Choice.back();
    EXPECT_TRUE(panel().ValveHandle(v)->isVisible());
    if (c.Type == kHandleWheel) {
      EXPECT_EQ(s().DischargeList.RotaryOpensCCW[v] != 0, c.Ccw);
      EXPECT_EQ(TagRotarySlot(panel().ValveHandle(v)->Tag()), kFirstWheelSlot);
      // The wheel turns the way it was chosen.
      const RotaryControl* wheel = panel().Controls().Find(kFirstWheelSlot);
      ASSERT_NE(wheel, nullptr);
      EXPECT_EQ(wheel->Left, handle.Left);
      EXPECT_EQ(wheel->Ccw, c.Ccw);
    }
    EXPECT_EQ(now.Title.Left, title.Left);
    EXPECT_EQ(now.Title.Top, title.Top);
    EXPECT_EQ(panel().ValveTitle(v)->Text(), text);
    EXPECT_EQ(panel().ValveTitle(v)->pos(), titleAt);
    // The menu opened again marks the new type.
    QMenu* again = RightClick(panel().ValveTitle(v));
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(Find(again, c.Choice)->isChecked()) << c.Choice.back();
  }
  EXPECT_TRUE(host.messages.empty());
  // Each change is a design step: undo gives back the type before the last.
  EXPECT_TRUE(panel().LayoutChanged());
  ASSERT_TRUE(panel().UndoDesign());
  EXPECT_EQ(panel().Layout().Valves[v].HandleType, kHandleTee);
  EXPECT_EQ(panel().ValveHandle(v)->HandleType(), kHandleTee);
}

TEST_F(PanelPopMenusTest, TitleColoursReachTheSavedPanelFile) {
  struct Case {
    int Valve;
    Paths Foreground, Background;
    std::string Fg, Bg, Transparent;
  };
  const Case cases[] = {
      // Orange is (255, 128, 0): 255 + 128 × 256.
      {2, {"Title Foreground", "White"}, {"Title Background", "Orange"}, "16777215", "33023", "0"},
      {5, {"Title Foreground", "Gray"}, {"Title Background", "Blue"}, "12632256", "16711680", "0"},
      {6, {"Title Foreground", "Black"}, {"Title Background", "Transparent"}, "0", "12632256", "1"},
  };
  for (const Case& c : cases) {
    // Through the title for the text, through the handle for the background.
    Choose(panel().ValveTitle(c.Valve), c.Foreground);
    Choose(panel().ValveHandle(c.Valve), c.Background);
  }
  dialogs->choices = {p.Dirs().PanelsDirectory + "COLOURS.PNL"};
  w->mPanelSaveAs->trigger();
  const std::string text = testing::ReadTextFile(p.Dirs().PanelsDirectory + "COLOURS.PNL");
  for (const Case& c : cases) {
    const std::string section = Section(text, "VALVE HANDLE" + std::to_string(c.Valve));
    EXPECT_NE(section.find("\nLABEL FG=" + c.Fg + "\n"), std::string::npos) << section;
    EXPECT_NE(section.find("\nLABEL BG=" + c.Bg + "\n"), std::string::npos) << section;
    EXPECT_NE(section.find("\nLABEL BG TRANSP=" + c.Transparent + "\n"), std::string::npos)
        << section;
    QMenu* menu = RightClick(panel().ValveHandle(c.Valve));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Find(menu, c.Background)->isChecked());
  }
}

TEST_F(PanelPopMenusTest, RenameThenCancelKeepsTheTitleAndOkRenames) {
  const int g = 3;
  const std::string before = s().DischargeList.LineTitle[g].str();
  QMenu* menu = RightClick(panel().Gauge(g));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->objectName(), "PopMenuGauge");
  EXPECT_EQ(menu->actions()[0]->text().toStdString(), "Rename:  " + before + "  (# 3)");
  EXPECT_FALSE(Find(menu, {"Size"})->isEnabled());

  struct Case {
    std::optional<std::string> Answer;
    std::string Title;
  };
  const Case cases[] = {{std::nullopt, before}, {"Bumper", "Bumper"}, {std::nullopt, "Bumper"}};
  std::string shown = before;
  for (const Case& c : cases) {
    dialogs->choices = {c.Answer};
    dialogs->offered.clear();
    Choose(panel().Gauge(g), {"Rename:  " + shown + "  (# 3)"});
    ASSERT_EQ(dialogs->offered.size(), 1u);
    EXPECT_EQ(dialogs->offered[0], "input New Gauge Title?|Enter new gauge panel title?|" + shown);
    EXPECT_EQ(s().DischargeList.LineTitle[g].str(), c.Title);
    // The panel was rebuilt: the gauge's and the valve's titles show it.
    EXPECT_EQ(panel().GaugeTitle(g)->Text().toStdString(), c.Title);
    EXPECT_EQ(panel().ValveTitle(g)->Text().toStdString(), c.Title);
    shown = c.Title;
  }
}

TEST_F(PanelPopMenusTest, FaceColourSetsTheGaugeTagAndReloadsTheFace) {
  struct Case {
    int Gauge;
    Paths Choice;
    int Colour;
    const char* Unchecked;
  };
  const Case cases[] = {
      {5, {"Color", "White Background"}, kFaceWhite, "Black Background"},
      {5, {"Color", "Black Background"}, kFaceBlack, "White Background"},
      {kIntakeGauge, {"Color", "White Background"}, kFaceWhite, "Black Background"},
  };
  for (const Case& c : cases) {
    Choose(panel().Gauge(c.Gauge), c.Choice);
    const int tag = panel().Gauge(c.Gauge)->Tag();
    EXPECT_EQ(GaugeTagColour(tag), c.Colour);
    EXPECT_EQ(GaugeTagIndex(tag), c.Gauge);
    EXPECT_EQ(panel().Layout().FaceColour[c.Gauge], c.Colour);
    EXPECT_EQ(panel().Gauge(c.Gauge)->Face().ends_with("_WHITE"), c.Colour == kFaceWhite);
    QMenu* menu = RightClick(panel().Gauge(c.Gauge));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Find(menu, c.Choice)->isChecked());
    EXPECT_FALSE(Find(menu, {"Color", c.Unchecked})->isChecked());
  }
}

TEST_F(PanelPopMenusTest, OnlyTheTemperatureAndOilMenuOpensOutsideDesignMode) {
  PanelLayout& l = panel().Layout();
  l.Item(PanelItem::EngTempGauge).Visible = l.Item(PanelItem::OilPressGauge).Visible = true;
  panel().ApplyLayout();
  struct Case {
    QWidget* Item;
    const char* InDesign;
    const char* Outside;
  };
  const Case cases[] = {
      {panel().ValveHandle(1), "PopMenuValve", nullptr},
      {panel().ValveTitle(7), "PopMenuValve", nullptr},
      {panel().Gauge(4), "PopMenuGauge", nullptr},
      {panel().Gauge(kMasterGauge), "PopMenuGauge", nullptr},
      {panel().Gauge(kEngTempGauge), "PopMenuTmpOilGauge", "PopMenuTmpOilGauge"},
      {panel().Gauge(kOilPressGauge), "PopMenuTmpOilGauge", "PopMenuTmpOilGauge"},
  };
  for (bool design : {true, false}) {
    p.run.PanelDesign = design;
    for (const Case& c : cases) {
      QMenu* menu = RightClick(c.Item);
      const char* expected = design ? c.InDesign : c.Outside;
      if (!expected) {
        EXPECT_EQ(menu, nullptr) << c.Item->objectName().toStdString();
      } else {
        ASSERT_NE(menu, nullptr) << c.Item->objectName().toStdString();
        EXPECT_EQ(menu->objectName().toStdString(), expected);
        EXPECT_TRUE(menu->isVisible());
      }
    }
  }
}

TEST_F(PanelPopMenusTest, IndicatorLampTogglesAndVisibleTakesTheGaugeOff) {
  p.run.PanelDesign = false;
  PanelLayout& l = panel().Layout();
  l.Item(PanelItem::EngTempGauge).Visible = l.Item(PanelItem::TempLt).Visible = true;
  panel().ApplyLayout();
  QWidget* gauge = panel().Gauge(kEngTempGauge);
  struct Step {
    Paths Choice;
    bool GaugeShown, LampShown;
  };
  const Step steps[] = {{{"Show Indicator Lt"}, true, false},
                        {{"Show Indicator Lt"}, true, true},
                        {{"Visible"}, false, false}};
  for (const Step& st : steps) {
    QMenu* menu = RightClick(gauge);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Find(menu, {"Show Indicator Lt"})->isChecked(), !panel().ImgTempLt->isHidden());
    EXPECT_TRUE(Find(menu, {"Visible"})->isChecked());
    Choose(gauge, st.Choice);
    EXPECT_EQ(!gauge->isHidden(), st.GaugeShown) << st.Choice[0];
    EXPECT_EQ(!panel().ImgTempLt->isHidden(), st.LampShown) << st.Choice[0];
    EXPECT_EQ(l.Item(PanelItem::TempLt).Visible, st.LampShown);
  }
  // The saved panel has neither.
  dialogs->choices = {p.Dirs().PanelsDirectory + "NOTEMP.PNL"};
  w->mPanelSaveAs->trigger();
  const std::string text = testing::ReadTextFile(p.Dirs().PanelsDirectory + "NOTEMP.PNL");
  EXPECT_NE(Section(text, "ENG TEMP GAUGE").find("VISIBLE=0"), std::string::npos);
  EXPECT_NE(Section(text, "ENG TEMP GAUGE LT").find("VISIBLE=0"), std::string::npos);
}

TEST_F(PanelPopMenusTest, Screenshots) {
  // Each menu with the path given opened by the keys, over the panel where
  // it stands on the screen.
  struct Shot {
    const char* Name;
    QWidget* Item;
    std::vector<Paths> Open;
  };
  const Shot shots[] = {
      {"pop_menu_valve", panel().ValveHandle(1), {{"Vertical"}, {"Vertical", "'Short'"}}},
      {"pop_menu_valve_background", panel().ValveTitle(2), {{"Title Background"}}},
      {"pop_menu_gauge", panel().Gauge(3), {{"Color"}}},
  };
  for (const Shot& shot : shots) {
    QMenu* menu = RightClick(shot.Item);
    ASSERT_NE(menu, nullptr) << shot.Name;
    std::vector<QMenu*> open = {menu};
    for (const Paths& path : shot.Open) {
      QAction* a = Find(menu, path);
      open.back()->setActiveAction(a);
      QTest::keyClick(open.back(), Qt::Key_Right);
      testing::ProcessEventsFor(50);
      ASSERT_TRUE(a->menu()->isVisible()) << shot.Name;
      open.push_back(a->menu());
    }
    // The screen with the window and the menus where they stand on it.
    QWidget& shown = *panel().window();
    const QImage window = shown.grab().toImage();
    QImage image(shown.screen()->geometry().size() * window.devicePixelRatio(),
                 QImage::Format_ARGB32);
    image.setDevicePixelRatio(window.devicePixelRatio());
    image.fill(QColor(40, 40, 40));
    QPainter painter(&image);  // in logical pixels of the screen
    painter.drawImage(shown.mapToGlobal(QPoint(0, 0)), window);
    for (QMenu* m : open) painter.drawImage(m->pos(), m->grab().toImage());
    painter.end();
    const std::string scale = qEnvironmentVariable("QT_SCALE_FACTOR") == "2" ? "_2x" : "";
    const auto dir = testing::BuildMainDirectory() / "tests" / "screenshots";
    std::filesystem::create_directories(dir);
    image.save(QString::fromStdString((dir / (shot.Name + scale + ".png")).string()));
    EXPECT_GT(testing::ColourCount(image), 50);
  }
}

}  // namespace
}  // namespace pumpdrill
