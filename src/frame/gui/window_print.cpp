#include "frame/gui/window_print.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace pumpdrill {

bool PrintWindowPicture(QPrinter& printer, QWidget& window, const QString& title) {
  // The window drawn at twice its pixels, so that the print stays sharp.
  const qreal ratio = 2.0;
  QPixmap picture(window.size() * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::white);
  window.render(&picture);

  QPainter p;
  if (!p.begin(&printer)) return false;
  const QRectF page = printer.pageRect(QPrinter::DevicePixel)
                          .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft());
  QFont font("Arial", 12, QFont::Bold);
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  for (int copy = 0; copy < copies; ++copy) {
    if (copy > 0) printer.newPage();
    p.setFont(font);
    const QRectF titleBox(page.left(), page.top(), page.width(), p.fontMetrics().height() * 1.5);
    p.drawText(titleBox, Qt::AlignLeft | Qt::AlignTop, title);
    const QRectF area(page.left(), titleBox.bottom(), page.width(),
                      page.height() - titleBox.height());
    const QSizeF size = QSizeF(window.size()).scaled(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.left() + (area.width() - size.width()) / 2, area.top(), size.width(),
                        size.height());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(target, picture, QRectF(QPointF(0, 0), QSizeF(picture.size())));
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(target);
  }
  return p.end();
}

}  // namespace pumpdrill
