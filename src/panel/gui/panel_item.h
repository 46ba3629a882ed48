// The items standing on the panel background: each a child widget placed at
// its layout rectangle times the panel's zoom. An item repaints only when
// what it shows changed.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

#include "panel/panel_layout.h"
#include "panel/panel_readings.h"

namespace pumpdrill {

class PanelPictures;

// What the items ask of the panel they stand on.
class PanelSurface {
 public:
  virtual ~PanelSurface() = default;
  virtual double Zoom() const = 0;
  virtual PanelPictures& Pictures() = 0;
};

class PanelItemWidget : public QWidget {
 public:
  PanelItemWidget(PanelSurface& surface, QWidget* parent, const char* name);
  PanelPlace Place;  // in layout pixels
  // Where the panel keeps this item's place (a layout entry), or none.
  PanelPlace* Stored = nullptr;
  // Design mode moved the item to (left, top), layout pixels: the item and
  // the place it is kept in follow. Items kept elsewhere write their own.
  virtual void MovedTo(int left, int top);
  // Layout pixels per widget pixel.
  double Zoom() const { return surface_.Zoom(); }

 protected:
  // Draws the named picture over the whole item, scaled from the cache;
  // false when the library gave no such picture.
  bool DrawPicture(QPainter& p, const std::string& name);
  // Draws the named picture into a rectangle of the painter's coordinates
  // (layout pixels when the painter is scaled by the zoom), from a copy
  // scaled once to the picture's own size; false when there is none.
  bool DrawPictureAt(QPainter& p, const std::string& name, const QRectF& target);
  PanelSurface& surface_;
};

// A picture (bars, lamps, primer, transfer valve, ...) that changes only
// when another picture is set.
class PicturePlate : public PanelItemWidget {
 public:
  PicturePlate(PanelSurface& surface, QWidget* parent, const char* name, std::string picture);
  void SetPicture(const std::string& picture);
  const std::string& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string picture_;
};

// A digital readout: light text on a dark LCD window.
class Readout : public PanelItemWidget {
 public:
  Readout(PanelSurface& surface, QWidget* parent, const char* name, QColor text,
          double fontPixels);
  // Repaints only when the text differs from the one shown.
  void SetText(const std::string& text);
  const QString& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor colour_;
  double fontPixels_;
};

// A title plate or label: text on a coloured plate (or on the panel).
class TitlePlate : public PanelItemWidget {
 public:
  TitlePlate(PanelSurface& surface, QWidget* parent, const char* name, double fontPixels,
             bool bold);
  void SetText(const std::string& text);
  void SetColours(QColor text, QColor plate, bool transparent);
  const QString& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor textColour_ = Qt::black;
  QColor plate_ = QColor(192, 192, 192);
  bool transparent_ = false;
  double fontPixels_;
  bool bold_;
};

// A picture with lamps drawn on it at fixed layout positions (tank level
// lamps, relief valve lamps).
class LampBank : public PanelItemWidget {
 public:
  struct Spot {
    int X, Y;  // layout pixels on the picture
  };
  LampBank(PanelSurface& surface, QWidget* parent, const char* name, std::string background,
           std::vector<Spot> spots);
  // Repaints only when a lamp changed (or when forced).
  void SetLamps(const std::vector<Lamp>& lamps, bool force = false);
  const std::vector<Lamp>& Lamps() const { return lamps_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string background_;
  std::vector<Spot> spots_;
  std::vector<Lamp> lamps_;
};

// The picture names of the lamps.
const char* LampPicture(Lamp lamp);       // "GRN_LIGHT_PIC", "RED_LIGHT_PIC", "DARK_LIGHT_PIC"
const char* SmallLampPicture(bool lit);  // "SM_RED_LIGHT_PIC" or "SM_OFF_LIGHT_PIC"

QColor ToQColor(PanelColour c);

}  // namespace pumpdrill
