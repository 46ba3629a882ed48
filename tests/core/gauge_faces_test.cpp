// Gauge faces: names by gauge, geometry, and graduations that agree with the
// needles.
#include "panel/gauge_faces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

namespace pumpdrill {
namespace {

TEST(GaugeFaces, FaceNamesByGaugeColourAndUnits) {
  struct Case {
    int index, colour;
    bool metric;
    const char* name;
  } const cases[] = {
      {1, 1, false, "GAUGE_SMALL_E"},
      {15, 1, true, "GAUGE_SMALL_M"},
      {7, 2, false, "GAUGE_SMALL_E_WHITE"},
      {3, 2, true, "GAUGE_SMALL_M_WHITE"},
      {4, 0, false, "GAUGE_SMALL_E"},
      {4, 9, true, "GAUGE_SMALL_M"},
      {18, 1, false, "GAUGE_BIG_E"},
      {19, 1, true, "GAUGE_BIG_M"},
      {18, 2, false, "GAUGE_BIG_E_WHITE"},
      {19, 2, true, "GAUGE_BIG_M_WHITE"},
      {20, 2, false, "GAUGE_TEMP_ENGLISH"},
      {20, 1, true, "GAUGE_TEMP_METRIC"},
      {21, 1, false, "GAUGE_OIL_ENGLISH"},
      {21, 2, true, "GAUGE_OIL_METRIC"},
      {22, 1, true, "GAUGE_PRIMER_OIL"},
      {16, 1, false, ""},
      {0, 1, false, ""},
      {23, 1, false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::string(GaugeFaceName(c.index, c.colour, c.metric)), c.name) << c.index;
    if (*c.name) {
      EXPECT_NE(FindGaugeFace(c.name), nullptr) << c.name;
    }
  }
  EXPECT_EQ(GaugeMaskName(18), "GAUGE_BIG_MASK");
  EXPECT_EQ(GaugeMaskName(19), "GAUGE_BIG_MASK");
  EXPECT_EQ(GaugeMaskName(5), "GAUGE_SMALL_MASK");
}

TEST(GaugeFaces, EveryFaceHasItsPictureSizeAndRoomForItsNeedle) {
  for (const GaugeFace& f : kGaugeFaces) {
    const PanelPictureSize* size = FindPanelPictureSize(f.Name);
    ASSERT_NE(size, nullptr) << f.Name;
    EXPECT_EQ(size->Width, f.Width) << f.Name;
    EXPECT_EQ(size->Height, f.Height) << f.Name;
    // The needle's whole sweep stays on the dial, inside the bezel.
    for (double a = 0; a <= 1.0; a += 0.05) {
      const double angle = f.Sweep.AtMinimum + a * (f.Sweep.AtMaximum - f.Sweep.AtMinimum);
      const NeedleTriangle n = FaceNeedle(f, angle);
      for (FacePoint p : {n.Tip, n.Left, n.Right}) {
        EXPECT_GE(p.X, 0) << f.Name;
        EXPECT_LE(p.X, f.Width) << f.Name;
        EXPECT_GE(p.Y, 0) << f.Name;
        EXPECT_LE(p.Y, f.Height) << f.Name;
      }
      EXPECT_LT(f.NeedleLength, f.DialRadius) << f.Name;
    }
    EXPECT_LE(f.Centre.X + f.BezelRadius, f.Width + 0.5) << f.Name;
  }
}

TEST(GaugeFaces, PressureGeometryOfTheGaugeTable) {
  const GaugeFace* small = FindGaugeFace("GAUGE_SMALL_E");
  const GaugeFace* big = FindGaugeFace("GAUGE_BIG_M_WHITE");
  ASSERT_TRUE(small && big);
  EXPECT_EQ(small->Centre.X, 38);
  EXPECT_EQ(small->Centre.Y, 40);
  EXPECT_EQ(small->NeedleLength, 25);
  EXPECT_EQ(big->Centre.X, 51);
  EXPECT_EQ(big->Centre.Y, 49);
  EXPECT_EQ(big->NeedleLength, 30);
  // The needle triangle (length, 0), (-15, 2), (-15, -2) at 90 degrees.
  const NeedleTriangle n = FaceNeedle(*small, std::numbers::pi / 2);
  EXPECT_NEAR(n.Tip.X, 38, 1e-9);
  EXPECT_NEAR(n.Tip.Y, 15, 1e-9);
  EXPECT_NEAR(n.Left.X, 36, 1e-9);
  EXPECT_NEAR(n.Left.Y, 55, 1e-9);
  EXPECT_NEAR(n.Right.X, 40, 1e-9);
}

// Each marked numeral of a ring stands where the needle points for the
// stored value it stands for: 100 psi, 10 bar = 145.05 psi, 30 inHg.
TEST(GaugeFaces, GraduationsAndNeedlesShareOneMapping) {
  struct Case {
    const char* face;
    int ring;
    double marked, stored;
  } const cases[] = {
      {"GAUGE_SMALL_E", 0, 100, 100},           {"GAUGE_SMALL_M", 0, 10, 10 / 0.06894},
      {"GAUGE_SMALL_M", 1, 1000, 1000 / 6.894}, {"GAUGE_BIG_E", 1, 30, -30 / 2.03602},
      {"GAUGE_BIG_M", 0, -1, -1 / 0.06894},     {"GAUGE_TEMP_METRIC", 0, 100, 212},
      {"GAUGE_OIL_METRIC", 0, 4, 4 / 0.06894},  {"PANEL_TACHOMETER", 0, 3, 3000},
  };
  for (const Case& c : cases) {
    const GaugeFace* f = FindGaugeFace(c.face);
    ASSERT_NE(f, nullptr) << c.face;
    const FaceGraduation& g = f->Rings[c.ring];
    EXPECT_NEAR(StoredValue(g, c.marked), c.stored, 1e-9) << c.face;
    EXPECT_GE(c.stored, f->Minimum) << c.face;
    EXPECT_LE(c.stored, f->Maximum) << c.face;
    EXPECT_NEAR(FaceNeedleAngle(*f, c.stored),
                GaugeAngle(f->Sweep, f->Minimum, f->Maximum, c.stored), 1e-12);
  }
  // Every ring's marks lie on the face's sweep.
  for (const GaugeFace& f : kGaugeFaces)
    for (int r = 0; r < f.RingCount; ++r) {
      const FaceGraduation& g = f.Rings[r];
      for (double m : {g.First, g.Last}) {
        const double v = StoredValue(g, m);
        EXPECT_GE(v, f.Minimum - 1e-6) << f.Name << " ring " << r;
        EXPECT_LE(v, f.Maximum + 1e-6) << f.Name << " ring " << r;
      }
    }
}

TEST(GaugeFaces, NumeralsByRing) {
  struct Case {
    const char* face;
    int ring;
    std::vector<double> numerals;
  } const cases[] = {
      {"GAUGE_SMALL_E", 0, {0, 100, 200, 300, 400, 500, 600}},
      {"GAUGE_BIG_M", 0, {0, 10, 20, 30, 40}},  // from -1 bar: the first at 0
      {"GAUGE_BIG_M", 1, {0, 1000, 2000, 3000, 4000}},
      {"GAUGE_TEMP_ENGLISH", 0, {100, 175, 250}},
      {"GAUGE_TEMP_METRIC", 0, {40, 80, 120}},
  };
  for (const Case& c : cases) {
    const GaugeFace* f = FindGaugeFace(c.face);
    ASSERT_NE(f, nullptr) << c.face;
    const std::vector<double> got = NumeralValues(f->Rings[c.ring]);
    ASSERT_EQ(got.size(), c.numerals.size()) << c.face;
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], c.numerals[i], 1e-9) << c.face;
  }
}

// Neighbouring numerals of a ring leave at least half a pixel between their
// boxes. Widths are taken generously: Liberation Sans digits are 0.556 em
// wide, its capitals 0.729 em tall.
TEST(GaugeFaces, NeighbouringNumeralsDoNotTouch) {
  for (const GaugeFace& f : kGaugeFaces)
    for (int r = 0; r < f.RingCount; ++r) {
      const FaceGraduation& g = f.Rings[r];
      struct Box {
        FacePoint at;
        double width;
      };
      std::vector<Box> boxes;
      for (double m : NumeralValues(g)) {
        if (g.Factor < 0 && m == 0) continue;  // the vacuum ring leaves 0 to the pressure ring
        char text[32];
        std::snprintf(text, sizeof text, "%g", m);
        const double width = std::strlen(text) * 0.556 / 0.729 * g.NumeralHeight;
        boxes.push_back({NumeralCentre(f, r, m, width), width});
      }
      for (std::size_t i = 1; i < boxes.size(); ++i) {
        const Box &a = boxes[i - 1], &b = boxes[i];
        const bool apart = std::abs(a.at.X - b.at.X) >= (a.width + b.width) / 2 + 0.5 ||
                           std::abs(a.at.Y - b.at.Y) >= g.NumeralHeight + 0.5;
        EXPECT_TRUE(apart) << f.Name << " ring " << r << " numeral " << i;
      }
    }
}

TEST(GaugeFaces, FlowmeterPositionsSitInTheMiddleOfTheirSectors) {
  // Sectors of the selector: 36-72 total, 72-108 scan, 108-144 line 1 ...
  const double lower[] = {108, 144, 180, 216, 252, 288, 324, 0, 36, 72};
  for (int p = 1; p <= 10; ++p) EXPECT_EQ(FlowmeterSelectorDegrees(p), lower[p - 1] + 18) << p;
}

}  // namespace
}  // namespace pumpdrill
