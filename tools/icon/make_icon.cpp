// make-icon OUT_DIR: draws the program's icon, a pressure gauge on a fire-red
// tile with a blue water line, from one list of shapes into OUT_DIR as
// tidewarden-pumpdrill.svg and hicolor/NxN/apps/tidewarden-pumpdrill.png for
// the usual sizes from 16 to 256 pixels. The SVG and the PNGs come from the
// same shapes, so they always agree.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kCanvas = 256;  // the shapes' coordinate space
constexpr const char* kName = "tidewarden-pumpdrill";

struct Shape {
  enum Kind { Tile, Circle, Line, Polygon } kind;
  std::vector<double> v;  // Tile: x y w h r; Circle: cx cy r; Line: x1 y1 x2 y2;
                          // Polygon: x y ...
  const char* fill;       // "" for none
  const char* stroke;     // "" for none
  double width;           // stroke width
};

// The needle and the scale: 270 degrees of arc, from the lower left round to
// the lower right; the needle stands at two thirds.
constexpr double kCx = 128, kCy = 122, kFace = 80;

double Angle(double fraction) {  // radians, screen coordinates (y down)
  const double pi = std::acos(-1.0);
  return (135.0 + 270.0 * fraction) * pi / 180.0;
}

std::vector<Shape> IconShapes() {
  std::vector<Shape> s;
  s.push_back({Shape::Tile, {8, 8, 240, 240, 44}, "#b3261e", "#7a1712", 6});
  s.push_back({Shape::Circle, {kCx, kCy, kFace + 10}, "#d9d9d9", "#2b2b2b", 6});
  s.push_back({Shape::Circle, {kCx, kCy, kFace}, "#ffffff", "", 0});
  for (int i = 0; i <= 6; ++i) {
    const double a = Angle(i / 6.0);
    const double r1 = kFace - 6, r2 = kFace - (i % 3 == 0 ? 26 : 18);
    s.push_back({Shape::Line,
                 {kCx + r1 * std::cos(a), kCy + r1 * std::sin(a), kCx + r2 * std::cos(a),
                  kCy + r2 * std::sin(a)},
                 "",
                 "#2b2b2b",
                 i % 3 == 0 ? 9.0 : 6.0});
  }
  const double a = Angle(2.0 / 3.0), n = Angle(2.0 / 3.0) + std::acos(-1.0) / 2;
  s.push_back(
      {Shape::Polygon,
       {kCx + (kFace - 14) * std::cos(a), kCy + (kFace - 14) * std::sin(a), kCx + 9 * std::cos(n),
        kCy + 9 * std::sin(n), kCx - 9 * std::cos(n), kCy - 9 * std::sin(n)},
       "#c62828",
       "",
       0});
  s.push_back({Shape::Circle, {kCx, kCy, 13}, "#2b2b2b", "", 0});
  s.push_back({Shape::Tile, {44, 208, 168, 22, 11}, "#1e88e5", "#ffffff", 4});
  return s;
}

std::string Num(double x) {
  std::ostringstream o;
  o << std::round(x * 100) / 100;
  return o.str();
}

std::string Paint(const Shape& sh) {
  std::string a = std::string(" fill=\"") + (*sh.fill ? sh.fill : "none") + "\"";
  if (*sh.stroke)
    a += std::string(" stroke=\"") + sh.stroke + "\" stroke-width=\"" + Num(sh.width) +
         "\" stroke-linecap=\"round\"";
  return a;
}

std::string Svg(const std::vector<Shape>& shapes) {
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
      "viewBox=\"0 0 256 256\">\n";
  for (const Shape& sh : shapes) {
    const std::vector<double>& v = sh.v;
    switch (sh.kind) {
      case Shape::Tile:
        svg += "  <rect x=\"" + Num(v[0]) + "\" y=\"" + Num(v[1]) + "\" width=\"" + Num(v[2]) +
               "\" height=\"" + Num(v[3]) + "\" rx=\"" + Num(v[4]) + "\"" + Paint(sh) + "/>\n";
        break;
      case Shape::Circle:
        svg += "  <circle cx=\"" + Num(v[0]) + "\" cy=\"" + Num(v[1]) + "\" r=\"" + Num(v[2]) +
               "\"" + Paint(sh) + "/>\n";
        break;
      case Shape::Line:
        svg += "  <line x1=\"" + Num(v[0]) + "\" y1=\"" + Num(v[1]) + "\" x2=\"" + Num(v[2]) +
               "\" y2=\"" + Num(v[3]) + "\"" + Paint(sh) + "/>\n";
        break;
      case Shape::Polygon: {
        std::string pts;
        for (size_t i = 0; i + 1 < v.size(); i += 2) pts += Num(v[i]) + "," + Num(v[i + 1]) + " ";
        pts.pop_back();
        svg += "  <polygon points=\"" + pts + "\"" + Paint(sh) + "/>\n";
        break;
      }
    }
  }
  return svg + "</svg>\n";
}

void Draw(QPainter& p, const Shape& sh) {
  const std::vector<double>& v = sh.v;
  p.setBrush(*sh.fill ? QBrush(QColor(sh.fill)) : QBrush(Qt::NoBrush));
  if (*sh.stroke) {
    p.setPen(QPen(QColor(sh.stroke), sh.width, Qt::SolidLine, Qt::RoundCap));
  } else {
    p.setPen(Qt::NoPen);
  }
  switch (sh.kind) {
    case Shape::Tile:
      p.drawRoundedRect(QRectF(v[0], v[1], v[2], v[3]), v[4], v[4]);
      break;
    case Shape::Circle:
      p.drawEllipse(QPointF(v[0], v[1]), v[2], v[2]);
      break;
    case Shape::Line:
      p.drawLine(QPointF(v[0], v[1]), QPointF(v[2], v[3]));
      break;
    case Shape::Polygon: {
      QPolygonF poly;
      for (size_t i = 0; i + 1 < v.size(); i += 2) poly << QPointF(v[i], v[i + 1]);
      p.drawPolygon(poly);
      break;
    }
  }
}

QImage Png(const std::vector<Shape>& shapes, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kCanvas, size / kCanvas);
  for (const Shape& sh : shapes) Draw(p, sh);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-icon OUT_DIR\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  namespace fs = std::filesystem;
  const fs::path out = argv[1];
  const std::vector<Shape> shapes = IconShapes();
  std::error_code ec;
  fs::create_directories(out, ec);
  std::ofstream svg(out / (std::string(kName) + ".svg"), std::ios::binary);
  svg << Svg(shapes);
  if (!svg.flush()) {
    std::fprintf(stderr, "make-icon: cannot write the SVG into %s\n", out.c_str());
    return 1;
  }
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const std::string dim = std::to_string(size) + "x" + std::to_string(size);
    const fs::path dir = out / "hicolor" / dim / "apps";
    fs::create_directories(dir, ec);
    const fs::path png = dir / (std::string(kName) + ".png");
    if (!Png(shapes, size).save(QString::fromStdString(png.string()), "PNG")) {
      std::fprintf(stderr, "make-icon: cannot write %s\n", png.c_str());
      return 1;
    }
  }
  return 0;
}
