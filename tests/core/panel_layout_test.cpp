#include "panel/panel_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "panel/gauge_faces.h"

namespace pumpdrill {
namespace {

struct Named {
  std::string name;
  PanelPlace place;
};

// Every shown place of the layout, named for the messages.
std::vector<Named> ShownPlaces(const PanelLayout& l) {
  std::vector<Named> all;
  for (int i = 0; i < kPanelItemCount; ++i) {
    all.push_back({"item " + std::to_string(i), l.Items[i]});
  }
  for (int g = 1; g < kGaugeSlots; ++g) {
    if (!IsPressureGauge(g)) continue;
    const GaugeParts& p = l.Gauges[g];
    const std::string n = "gauge " + std::to_string(g);
    all.push_back({n, p.Gauge});
    all.push_back({n + " title", p.Title});
    all.push_back({n + " pressure", p.PressReadout});
    all.push_back({n + " flow", p.FlowReadout});
  }
  for (int v = 1; v <= kValveCount; ++v) {
    all.push_back({"valve " + std::to_string(v), l.Valves[v].Handle});
    all.push_back({"valve " + std::to_string(v) + " title", l.Valves[v].Title});
  }
  std::erase_if(all, [](const Named& n) { return !n.place.Visible; });
  return all;
}

bool Overlap(const PanelPlace& a, const PanelPlace& b) {
  return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

// The primer handle and the flowmeter's readout lie on their own pictures.
bool LiesOn(const Named& a, const Named& b) {
  auto is = [&](const Named& n, PanelItem i) {
    return n.name == "item " + std::to_string(static_cast<int>(i));
  };
  return (is(a, PanelItem::Primer) && is(b, PanelItem::PrimerBack)) ||
         (is(b, PanelItem::Primer) && is(a, PanelItem::PrimerBack)) ||
         (is(a, PanelItem::LblFlowmeter) && is(b, PanelItem::FlowMeter)) ||
         (is(b, PanelItem::LblFlowmeter) && is(a, PanelItem::FlowMeter));
}

// Lines above 8 stand in a block right of the first eight; the layout
// grows to hold them and nothing shown overlaps.
TEST(DefaultPanelLayout, ShowsItsLinesWithinItsExtentAndNothingOverlaps) {
  const struct {
    int lineCount;
    int width;
  } cases[] = {{8, 636}, {1, 636}, {12, 798}, {15, 956}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lineCount);
    const PanelLayout l = DefaultPanelLayout(c.lineCount);
    EXPECT_EQ(l.Width, c.width);
    EXPECT_EQ(l.Height, 420);
    const std::vector<Named> shown = ShownPlaces(l);
    for (const Named& a : shown) {
      EXPECT_GE(a.place.Left, 0) << a.name;
      EXPECT_GE(a.place.Top, 0) << a.name;
      EXPECT_LE(a.place.Right(), l.Width) << a.name;
      EXPECT_LE(a.place.Bottom(), l.Height) << a.name;
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
      for (std::size_t j = i + 1; j < shown.size(); ++j)
        if (!LiesOn(shown[i], shown[j])) {
          EXPECT_FALSE(Overlap(shown[i].place, shown[j].place))
              << shown[i].name << " and " << shown[j].name;
        }
    for (int n = 1; n <= 15; ++n) {
      const bool on = n <= std::max(c.lineCount, 8);
      EXPECT_EQ(l.Gauges[n].Gauge.Visible, on) << n;
      EXPECT_EQ(l.Valves[n].Handle.Visible, on) << n;
      EXPECT_EQ(l.Valves[n].HandleType, 1) << n;
    }
  }
}

// More lines move nothing of the first eight or the middle; only the bars
// span the wider panel.
TEST(DefaultPanelLayout, MoreLinesKeepEverythingElseInPlace) {
  const PanelLayout eight = DefaultPanelLayout();
  const PanelLayout fifteen = DefaultPanelLayout(15);
  auto same = [](const PanelPlace& a, const PanelPlace& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height &&
           a.Visible == b.Visible;
  };
  for (int i = 0; i < kPanelItemCount; ++i) {
    const PanelItem item = static_cast<PanelItem>(i);
    if (item == PanelItem::UpperBar || item == PanelItem::LowerBar) continue;
    EXPECT_TRUE(same(eight.Items[i], fifteen.Items[i])) << "item " << i;
  }
  for (int g = 1; g < kGaugeSlots; ++g) {
    if (!IsPressureGauge(g) || (g > 8 && g <= 15)) continue;
    EXPECT_TRUE(same(eight.Gauges[g].Gauge, fifteen.Gauges[g].Gauge)) << g;
    EXPECT_TRUE(same(eight.Gauges[g].Title, fifteen.Gauges[g].Title)) << g;
  }
  for (int v = 1; v <= kValveCount; ++v) {
    if (v > 8 && v <= 15) continue;
    EXPECT_TRUE(same(eight.Valves[v].Handle, fifteen.Valves[v].Handle)) << v;
  }
  EXPECT_EQ(eight.Item(PanelItem::UpperBar).Right(), 626);
  EXPECT_EQ(fifteen.Item(PanelItem::UpperBar).Right(), fifteen.Width);
  EXPECT_EQ(fifteen.Item(PanelItem::LowerBar).Right(), fifteen.Width);
}

TEST(DefaultPanelLayout, EachDischargeGaugeStandsAboveItsHandle) {
  const PanelLayout l = DefaultPanelLayout();
  for (int n = 1; n <= 8; ++n) {
    const PanelPlace& g = l.Gauges[n].Gauge;
    const PanelPlace& h = l.Valves[n].Handle;
    EXPECT_LT(g.Bottom(), h.Top) << n;
    EXPECT_TRUE(h.Left < g.Right() && g.Left < h.Right()) << n;  // the columns meet
  }
}

// Titles, readouts and lamps stand where the faces' header puts them
// beside their gauge, so that the pictures and the layout agree.
TEST(DefaultPanelLayout, CompanionsStandWhereTheFacesHeaderPutsThem) {
  const PanelLayout l = DefaultPanelLayout();
  auto expectAt = [](const PanelPlace& item, const PanelPlace& gauge, const FaceBox& box,
                     const std::string& what) {
    EXPECT_EQ(item.Left - gauge.Left, box.Left) << what;
    EXPECT_EQ(item.Top - gauge.Top, box.Top) << what;
    EXPECT_EQ(item.Width, box.Width) << what;
    EXPECT_EQ(item.Height, box.Height) << what;
  };
  for (int g : {1, 4, 8, 15, kIntakeGauge, kMasterGauge}) {
    const GaugeParts& p = l.Gauges[g];
    const bool big = g >= kIntakeGauge;
    const std::string n = "gauge " + std::to_string(g);
    expectAt(p.Title, p.Gauge, big ? kBigGaugeTitle : kSmallGaugeTitle, n + " title");
    expectAt(p.PressReadout, p.Gauge, big ? kBigGaugePressReadout : kSmallGaugePressReadout,
             n + " pressure");
    expectAt(p.FlowReadout, p.Gauge, big ? kBigGaugeFlowReadout : kSmallGaugeFlowReadout,
             n + " flow");
  }
  using I = PanelItem;
  const struct {
    I item, gauge;
    FaceBox box;
  } companions[] = {{I::TempLt, I::EngTempGauge, kEngineGaugeLamp},
                    {I::OilPressureLt, I::OilPressGauge, kEngineGaugeLamp},
                    {I::PumpOilLt, I::PumpOilGauge, kEngineGaugeLamp},
                    {I::LblRpmGauge, I::RpmMeter, kTachReadout}};
  for (const auto& c : companions)
    expectAt(l.Item(c.item), l.Item(c.gauge), c.box, "item " + std::to_string(int(c.item)));
}

TEST(GaugeParts, MoveWithTheirGaugeByTheOffsetsNotedBefore) {
  PanelLayout l = DefaultPanelLayout();
  for (int gauge : {1, 8, 15, kIntakeGauge, kMasterGauge}) {
    const GaugeParts before = l.Gauges[gauge];
    const GaugeOffsets offsets = RetrieveGaugeOffsets(l, gauge);
    MoveGaugeParts(l, gauge, before.Gauge.Left + 30, before.Gauge.Top - 7, offsets);
    const GaugeParts& after = l.Gauges[gauge];
    EXPECT_EQ(after.Gauge.Left, before.Gauge.Left + 30);
    for (auto [a, b] : {std::pair{&after.Title, &before.Title},
                        std::pair{&after.PressReadout, &before.PressReadout},
                        std::pair{&after.FlowReadout, &before.FlowReadout}}) {
      EXPECT_EQ(a->Left, b->Left + 30) << gauge;
      EXPECT_EQ(a->Top, b->Top - 7) << gauge;
      EXPECT_EQ(a->Width, b->Width) << gauge;
    }
  }
  // Not a pressure gauge: nothing moves.
  const PanelLayout unchanged = l;
  MoveGaugeParts(l, 20, 5, 5, {});
  EXPECT_EQ(l.Items[static_cast<int>(PanelItem::EngTempGauge)].Left,
            unchanged.Items[static_cast<int>(PanelItem::EngTempGauge)].Left);
}

TEST(FaceColour, AnyCodeButWhiteIsBlack) {
  PanelLayout l;
  const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 1}, {-4, 1}};
  for (auto [code, shown] : cases) {
    l.FaceColour[5] = code;
    EXPECT_EQ(EffectiveFaceColour(l, 5), shown) << code;
  }
  EXPECT_EQ(EffectiveFaceColour(l, 99), kFaceBlack);
}

}  // namespace
}  // namespace pumpdrill
