#include "records/gui/chart_output.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace pumpdrill {

namespace {

constexpr double kLogicalDpi = 96.0;

void PaintScaled(QPainter& p, const ChartPageView& view, QSizeF logical, double scale) {
  p.save();
  p.scale(scale, scale);
  PaintChart(p, view, LayOutChart(view, logical, true));
  p.restore();
}

}  // namespace

QPrinter& ProgramPrinter() {
  static QPrinter* printer = [] {
    auto* p = new QPrinter(QPrinter::HighResolution);
    p->setPageOrientation(QPageLayout::Landscape);
    return p;
  }();
  return *printer;
}

bool PrintChart(QPrinter& printer, const ChartPageView& view, QSizeF windowSize, bool fit) {
  QPainter p;
  if (!p.begin(&printer)) return false;
  const QRectF area = printer.pageRect(QPrinter::DevicePixel);
  const double perLogical = printer.resolution() / kLogicalDpi;
  QSizeF logical = area.size() / perLogical;
  double scale = perLogical;
  if (!fit) {
    // The window's own size, unless the paper is smaller.
    const double shrink = std::min({1.0, logical.width() / windowSize.width(), logical.height() / windowSize.height()});
    logical = windowSize;
    scale = perLogical * shrink;
  }
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  for (int i = 0; i < copies; ++i) {
    if (i > 0) printer.newPage();
    PaintScaled(p, view, logical, scale);
  }
  return p.end();
}

bool SaveChartImage(const QString& path, const ChartPageView& view, QSizeF size, QString& reason) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    reason = file.errorString();
    return false;
  }
  if (path.endsWith(".pdf", Qt::CaseInsensitive)) {
    QPdfWriter pdf(&file);
    pdf.setResolution(static_cast<int>(kLogicalDpi) * 4);
    pdf.setPageSize(QPageSize(size * 25.4 / kLogicalDpi, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p(&pdf);
    PaintScaled(p, view, size, pdf.resolution() / kLogicalDpi);
  } else {
    QImage image((size * 2).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    QPainter p(&image);
    PaintChart(p, view, LayOutChart(view, size, true));
    p.end();
    if (!image.save(&file, "PNG")) {
      reason = "the image could not be written";
      file.cancelWriting();
      return false;
    }
  }
  if (!file.commit()) {
    reason = file.errorString();
    return false;
  }
  return true;
}

}  // namespace pumpdrill
