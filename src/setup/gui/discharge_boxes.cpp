// The hose and nozzle boxes of the discharge lines window. They paint what
// the window laid out for them; pictures and messages never come from here.
#include <QMouseEvent>
#include <QPainter>

#include "setup/gui/frm_dischrg.h"

namespace pumpdrill {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

const QColor kActiveRow(232, 240, 255);

}  // namespace

DischargeBox::DischargeBox(TfrmDischrg& window, int line, bool hose, QWidget* parent)
    : QWidget(parent), window_(window), line_(line), hose_(hose) {
  const char* kind = hose ? "Hose" : "Nz";
  setObjectName(line == 1 ? QString("PBox%1Orig").arg(kind) : QString("PBox%1%2").arg(kind).arg(line));
  setFont(QFont("Arial", 8, QFont::Normal));
}

void DischargeBox::Show(RowKind kind, const HoseBoxText& hose, const NozzleBoxText& nozzle,
                        const QPixmap& picture, bool active) {
  kind_ = kind;
  hoseText_ = hose;
  nozzleText_ = nozzle;
  picture_ = picture;
  active_ = active;
  update();
}

void DischargeBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), active_ ? kActiveRow : QColor(Qt::white));
  p.setPen(Qt::black);
  p.setFont(font());
  if (kind_ != RowKind::Undefined && kind_ != RowKind::Absorbed) {
    if (hose_)
      PaintHose(p);
    else
      PaintNozzle(p);
  }
  // The top edge.
  p.setPen(QColor(96, 96, 96));
  p.drawLine(0, 0, width() - 1, 0);
}

void DischargeBox::PaintHose(QPainter& p) {
  const QFontMetrics m = p.fontMetrics();
  const int h = m.height();
  auto text = [&](int x, int top, const std::string& t) { p.drawText(x, top + m.ascent(), Q(t)); };
  QFont bold = p.font();
  bold.setBold(true);
  p.setFont(bold);
  text(0, 2, hoseText_.Title);
  p.setFont(font());
  if (kind_ != RowKind::Connected) return;
  text(0, 2 + h, hoseText_.LayoutLine);
  if (!hoseText_.PartnerTitle.empty()) text(0, 2 + 2 * h, "+ " + hoseText_.PartnerTitle);
  // The arrangement's picture, its hoses above and beside it, and what the
  // line asks of the pump.
  constexpr int kPictureX = 120, kPictureY = 20, kBesideX = 240;
  if (!picture_.isNull()) p.drawPixmap(kPictureX, kPictureY, picture_);
  if (hoseText_.SecondHose.empty()) {
    text(kBesideX, 20, hoseText_.FirstHose);
  } else {
    text(kPictureX, 4, hoseText_.FirstHose);
    text(kBesideX, 20, hoseText_.SecondHose);
  }
  if (!hoseText_.Summary.empty()) {
    p.setPen(QColor(0, 0, 128));
    text(kBesideX, 22 + h, hoseText_.Summary);
    p.setPen(Qt::black);
  }
}

void DischargeBox::PaintNozzle(QPainter& p) {
  if (kind_ != RowKind::Connected || nozzleText_.Picture.empty()) return;
  const QFontMetrics m = p.fontMetrics();
  if (!picture_.isNull()) {
    // The picture at 0.65 of its size.
    QSizeF size = picture_.deviceIndependentSize() * 0.65;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRectF(QPointF(4, (height() - size.height()) / 2), size), picture_, QRectF(picture_.rect()));
  }
  const int right = width() - 5;
  QRect line1(0, 5, right, m.height());
  QRect line2(0, 5 + m.height(), right, m.height());
  p.drawText(line1, Qt::AlignRight | Qt::AlignTop, Q(nozzleText_.TypeLine));
  p.drawText(line2, Qt::AlignRight | Qt::AlignTop, Q(nozzleText_.SizeLine));
}

void DischargeBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) window_.BoxClick(line_);
}

void DischargeBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (hose_)
    window_.HoseBoxDblClick(line_);
  else
    window_.NozzleBoxDblClick(line_);
}

}  // namespace pumpdrill
