// The parts of the nozzle operation window: the nozzle images with their
// bails, the line titles and the caption bar.
#include <QMouseEvent>
#include <QPainter>

#include "setup/gui/frm_nzroll.h"
#include "setup/nozzle_operation.h"

namespace pumpdrill {

NozzleImage::NozzleImage(TfrmNzroll& window, int line, QWidget* parent)
    : QWidget(parent), window_(window), line_(line) {
  setObjectName(QString("ImgNozz%1").arg(line));
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void NozzleImage::ShowBail(bool shown, int offset) {
  if (shown == bail_ && offset == offset_) return;
  bail_ = shown;
  offset_ = offset;
  update();
}

void NozzleImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!picture_.isNull()) {
    // The picture fitted into the image and centred.
    QSizeF size = picture_.deviceIndependentSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(target, picture_, QRectF(picture_.rect()));
  }
  if (!bail_) return;
  const BailEnd end = BailEndAt(offset_);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 44), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPoint(kBailPivotX, kBailPivotY - 1), QPoint(end.x, end.y));
  p.setPen(QPen(QColor(190, 20, 24), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPoint(kBailPivotX, kBailPivotY - 1), QPoint(end.x, end.y));
}

void NozzleImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) window_.NozzlePressed(line_, event->position().toPoint().y());
}

void NozzleImage::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) window_.NozzleMoved(event->position().toPoint().y());
}

void NozzleImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) window_.NozzleReleased();
}

void NozzleTitles::paintEvent(QPaintEvent*) {
  QPainter p(this);
  window_.PaintTitles(p);
}

void NozzleTitles::mousePressEvent(QMouseEvent* event) {
  int line = window_.LineAtTitle(event->position().toPoint().y());
  if (line > 0) window_.SelectLine(line);
}

NozzleCaption::NozzleCaption(TfrmNzroll& window, QWidget* parent) : QFrame(parent), window_(window) {
  setObjectName("CaptionPanel");
  setCursor(Qt::SizeAllCursor);
}

void NozzleCaption::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !window_.parentWidget()) return;
  capturing_ = true;
  grabMouse();
  pressAt_ = mapTo(window_.parentWidget(), event->position().toPoint());
  outlineStart_ = window_.geometry();
  if (!outline_) outline_ = new QRubberBand(QRubberBand::Rectangle, window_.parentWidget());
  outline_->setGeometry(outlineStart_);
  outline_->show();
  outline_->raise();
}

void NozzleCaption::mouseMoveEvent(QMouseEvent* event) {
  if (!capturing_ || !outline_) return;
  QPoint now = mapTo(window_.parentWidget(), event->position().toPoint());
  outline_->setGeometry(outlineStart_.translated(now - pressAt_));
}

void NozzleCaption::mouseReleaseEvent(QMouseEvent* event) {
  if (!capturing_ || event->button() != Qt::LeftButton) return;
  capturing_ = false;
  releaseMouse();
  if (!outline_) return;
  QPoint now = mapTo(window_.parentWidget(), event->position().toPoint());
  outline_->hide();
  window_.MoveTo(outlineStart_.topLeft() + (now - pressAt_));
}

}  // namespace pumpdrill
