#include "panel/gui/panel_item.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "panel/gui/panel_pictures.h"

namespace pumpdrill {

QColor ToQColor(PanelColour c) { return QColor(c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF); }

const char* LampPicture(Lamp lamp) {
  switch (lamp) {
    case Lamp::Green:
      return "GRN_LIGHT_PIC";
    case Lamp::Red:
      return "RED_LIGHT_PIC";
    case Lamp::Dark:
      break;
  }
  return "DARK_LIGHT_PIC";
}

const char* SmallLampPicture(bool lit) { return lit ? "SM_RED_LIGHT_PIC" : "SM_OFF_LIGHT_PIC"; }

PanelItemWidget::PanelItemWidget(PanelSurface& surface, QWidget* parent, const char* name)
    : QWidget(parent), surface_(surface) {
  setObjectName(name);
}

void PanelItemWidget::MovedTo(int left, int top) {
  Place.Left = left;
  Place.Top = top;
  if (Stored) {
    Stored->Left = left;
    Stored->Top = top;
  }
}

bool PanelItemWidget::DrawPicture(QPainter& p, const std::string& name) {
  PanelPictures& pictures = surface_.Pictures();
  if (!pictures.Has(name)) return false;
  const QSizeF logical(Place.Width, Place.Height);
  const QPixmap& scaled = pictures.Scaled(name, logical, Zoom(), devicePixelRatioF());
  p.drawPixmap(QRectF(rect()), scaled, QRectF(scaled.rect()));
  return true;
}

bool PanelItemWidget::DrawPictureAt(QPainter& p, const std::string& name, const QRectF& target) {
  PanelPictures& pictures = surface_.Pictures();
  if (!pictures.Has(name)) return false;
  const QPixmap& scaled =
      pictures.Scaled(name, pictures.LogicalSize(name), Zoom(), devicePixelRatioF());
  p.drawPixmap(target, scaled, QRectF(scaled.rect()));
  return true;
}

PicturePlate::PicturePlate(PanelSurface& surface, QWidget* parent, const char* name,
                           std::string picture)
    : PanelItemWidget(surface, parent, name), picture_(std::move(picture)) {}

void PicturePlate::SetPicture(const std::string& picture) {
  if (picture == picture_) return;
  picture_ = picture;
  update();
}

void PicturePlate::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawPicture(p, picture_);
}

Readout::Readout(PanelSurface& surface, QWidget* parent, const char* name, QColor text,
                 double fontPixels)
    : PanelItemWidget(surface, parent, name), colour_(text), fontPixels_(fontPixels) {}

void Readout::SetText(const std::string& text) {
  QString t = QString::fromStdString(text);
  if (t == text_) return;
  text_ = t;
  update();
}

void Readout::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(QColor(12, 22, 14));
  p.drawRoundedRect(r, 2 * Zoom(), 2 * Zoom());
  QFont f("Liberation Sans");
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(fontPixels_ * Zoom()))));
  f.setBold(true);
  p.setFont(f);
  p.setPen(colour_);
  p.drawText(r.adjusted(2 * Zoom(), 0, -2 * Zoom(), 0), Qt::AlignRight | Qt::AlignVCenter, text_);
}

TitlePlate::TitlePlate(PanelSurface& surface, QWidget* parent, const char* name, double fontPixels,
                       bool bold)
    : PanelItemWidget(surface, parent, name), fontPixels_(fontPixels), bold_(bold) {}

void TitlePlate::SetText(const std::string& text) {
  QString t = QString::fromStdString(text);
  if (t == text_) return;
  text_ = t;
  update();
}

void TitlePlate::SetColours(QColor text, QColor plate, bool transparent) {
  if (text == textColour_ && plate == plate_ && transparent == transparent_) return;
  textColour_ = text;
  plate_ = plate;
  transparent_ = transparent;
  update();
}

void TitlePlate::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (!transparent_) {
    p.setPen(QPen(plate_.darker(160), 1));
    p.setBrush(plate_);
    p.drawRoundedRect(r, 2 * Zoom(), 2 * Zoom());
  }
  QFont f("Liberation Sans");
  f.setBold(bold_);
  // A title wider than its plate (a handle's narrow column) is set smaller,
  // down to two thirds of its size, and only then shortened with an ellipsis.
  const double room = r.width() - 2 * Zoom();
  double pixels = fontPixels_ * Zoom();
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  const double wide = QFontMetricsF(f).horizontalAdvance(text_);
  if (wide > room && wide > 0) {
    pixels = std::max(pixels * 2 / 3, pixels * room / wide);
    f.setPixelSize(std::max(1, static_cast<int>(std::floor(pixels))));
  }
  p.setFont(f);
  p.setPen(textColour_);
  const QString shown = QFontMetricsF(f).elidedText(text_, Qt::ElideRight, room);
  p.drawText(r, Qt::AlignCenter, shown);
}

LampBank::LampBank(PanelSurface& surface, QWidget* parent, const char* name, std::string background,
                   std::vector<Spot> spots)
    : PanelItemWidget(surface, parent, name),
      background_(std::move(background)),
      spots_(std::move(spots)),
      lamps_(spots_.size(), Lamp::Dark) {}

void LampBank::SetLamps(const std::vector<Lamp>& lamps, bool force) {
  if (!force && lamps == lamps_) return;
  lamps_ = lamps;
  lamps_.resize(spots_.size(), Lamp::Dark);
  update();
}

void LampBank::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPicture(p, background_);
  PanelPictures& pictures = surface_.Pictures();
  const double z = Zoom();
  for (std::size_t i = 0; i < spots_.size(); ++i) {
    const std::string name = LampPicture(lamps_[i]);
    const QPointF at(spots_[i].X * z, spots_[i].Y * z);
    if (pictures.Has(name)) {
      const QSizeF size = pictures.LogicalSize(name);
      const QPixmap& lamp = pictures.Scaled(name, size, z, devicePixelRatioF());
      p.drawPixmap(QRectF(at, size * z), lamp, QRectF(lamp.rect()));
    } else {
      // Without the picture a plain lamp shows the state.
      const QColor c = lamps_[i] == Lamp::Green ? QColor(40, 220, 60)
                       : lamps_[i] == Lamp::Red ? QColor(230, 30, 30)
                                                : QColor(50, 50, 50);
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(c);
      p.drawEllipse(QRectF(at, QSizeF(14 * z, 14 * z)));
    }
  }
}

}  // namespace pumpdrill
