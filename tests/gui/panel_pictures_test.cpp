// The panel's pictures as the window gets them: every name at its layout
// size, faces round with their hub at the needle centre, and a contact
// sheet of all of them (with needles) at 1x and 2x to look at.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "panel/gauge_faces.h"
#include "panel/gui/named_bitmap.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

using testing::TestWindowHost;

ImageLibraryHandle PanelLibrary(TestWindowHost& host) {
  ImageLibraryHandle lib;
  OpenPanelImageLibrary(testing::BuildMainDirectory().string() + "/", lib, host);
  return lib;
}

TEST(PanelPictures, EveryNameComesAtItsLayoutSizeFromFourTimesThePixels) {
  TestWindowHost host;
  ImageLibraryHandle lib = PanelLibrary(host);
  ASSERT_TRUE(lib);
  for (const PanelPictureSize& s : kPanelPictureSizes) {
    const std::string name(s.Name);
    QPixmap picture;
    ASSERT_TRUE(LoadNamedBitmap(lib, name, picture, host)) << name;
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(s.Width, s.Height)) << name;
    EXPECT_EQ(picture.size(), QSize(4 * s.Width, 4 * s.Height)) << name;
  }
  EXPECT_TRUE(host.messages.empty());
}

// A face is transparent outside its bezel and opaque inside; its bezel is
// round about the needle centre (equal reach left, right, up and down).
TEST(PanelPictures, FacesAreRoundAboutTheirNeedleCentre) {
  TestWindowHost host;
  ImageLibraryHandle lib = PanelLibrary(host);
  ASSERT_TRUE(lib);
  for (const GaugeFace& f : kGaugeFaces) {
    QPixmap picture;
    ASSERT_TRUE(LoadNamedBitmap(lib, std::string(f.Name), picture, host)) << f.Name;
    const QImage image = picture.toImage();
    const double cx = f.Centre.X * 4, cy = f.Centre.Y * 4;
    auto alpha = [&](double x, double y) { return qAlpha(image.pixel(int(x), int(y))); };
    EXPECT_EQ(alpha(cx, cy), 255) << f.Name;
    EXPECT_EQ(alpha(0, 0), 0) << f.Name;
    EXPECT_EQ(alpha(image.width() - 1, image.height() - 1), 0) << f.Name;
    const struct { int dx, dy; } directions[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& d : directions) {
      int reach = 0;
      while (true) {
        const double x = cx + d.dx * (reach + 1), y = cy + d.dy * (reach + 1);
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height() || alpha(x, y) < 128) break;
        ++reach;
      }
      EXPECT_NEAR(reach / 4.0, f.BezelRadius, 0.75) << f.Name << " " << d.dx << "," << d.dy;
    }
  }
}

void DrawNeedle(QPainter& p, const GaugeFace& f, QPointF at, double value) {
  const NeedleTriangle n = FaceNeedle(f, FaceNeedleAngle(f, value));
  QPolygonF tri(
      {QPointF(n.Tip.X, n.Tip.Y), QPointF(n.Left.X, n.Left.Y), QPointF(n.Right.X, n.Right.Y)});
  tri.translate(at);
  p.setPen(QPen(QColor(60, 0, 0), 0.5));
  p.setBrush(QColor(225, 20, 20));
  p.drawPolygon(tri);
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(at + QPointF(f.Centre.X, f.Centre.Y), f.NeedleHalfWidth * 1.3,
                f.NeedleHalfWidth * 1.3);
}

// Values to show on the contact sheet: a round number of each face's
// graduation, so that a needle that misses its mark is seen at once.
double SheetValue(const GaugeFace& f) {
  switch (f.Kind) {
    case GaugeFaceKind::SmallPressure:
    case GaugeFaceKind::BigPressure:
      return f.Metric ? 20 / kPsiToBar : 200;
    case GaugeFaceKind::Temperature:
      return f.Metric ? 180 : 200;  // 82.2 C
    case GaugeFaceKind::Oil:
      return f.Metric ? 2 / kPsiToBar : 40;
    case GaugeFaceKind::PrimerOil:
      return 50;
    case GaugeFaceKind::Tachometer:
      return 1500;
  }
  return 0;
}

QImage ContactSheet(const ImageLibrary& lib, double ratio, TestWindowHost& host) {
  const int width = 1000, columns = 8;
  QImage sheet(int(width * ratio), int(1560 * ratio), QImage::Format_ARGB32_Premultiplied);
  sheet.setDevicePixelRatio(ratio);
  sheet.fill(QColor(128, 128, 128));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font("Liberation Sans");
  font.setPixelSize(9);
  p.setFont(font);
  double x = 6, y = 6, rowHeight = 0;
  int column = 0;
  for (const PanelPictureSize& s : kPanelPictureSizes) {
    QPixmap picture;
    LoadNamedBitmap(&lib, std::string(s.Name), picture, host);
    const QSizeF size = picture.deviceIndependentSize();
    const double cell = std::max(size.width(), 110.0);
    if (x + cell > width || column == columns) {
      x = 6;
      y += rowHeight + 16;
      rowHeight = 0;
      column = 0;
    }
    p.drawPixmap(QPointF(x, y), picture);
    if (const GaugeFace* f = FindGaugeFace(s.Name))
      DrawNeedle(p, *f, QPointF(x, y), SheetValue(*f));
    p.setPen(Qt::black);
    p.drawText(QPointF(x, y + size.height() + 11), QString::fromUtf8(s.Name.data(), s.Name.size()));
    x += cell + 8;
    rowHeight = std::max(rowHeight, size.height());
    ++column;
  }
  return sheet;
}

TEST(PanelPictures, ContactSheetAtOneAndTwoTimes) {
  TestWindowHost host;
  ImageLibraryHandle lib = PanelLibrary(host);
  ASSERT_TRUE(lib);
  const std::filesystem::path dir = testing::BuildMainDirectory() / "tests" / "screenshots";
  std::filesystem::create_directories(dir);
  for (double ratio : {1.0, 2.0}) {
    const QImage sheet = ContactSheet(*lib, ratio, host);
    EXPECT_GT(testing::ColourCount(sheet), 1000);
    const std::string name = ratio == 1.0 ? "panel_pictures.png" : "panel_pictures_2x.png";
    EXPECT_TRUE(sheet.save(QString::fromStdString((dir / name).string())));
  }
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pumpdrill
