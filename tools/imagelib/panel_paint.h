// Drawing helpers shared by the panel pictures: a 4x canvas drawn in layout
// pixels, brushed stainless, chrome bezels and rims, screws, lamp lenses and
// text in Liberation Sans sized by its cap height.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <string>

#include "drawn_images.h"

namespace pumpdrill::imagelib {

// Panel pictures hold 4 x 4 pixels per layout pixel.
inline constexpr int kPanelScale = 4;

// A transparent canvas for a picture of w x h layout pixels.
QImage PanelCanvas(int w, int h);

// Begins painting on a panel canvas in layout pixels, antialiased.
void BeginPanelPainting(QPainter& p, QImage& canvas);

// Adds a finished picture to the panel library.
void AddPanelPicture(DrawnImages& out, const std::string& name, QImage image);

// Grey brushed stainless: fine horizontal grain over a soft gradient.
// seed varies the grain between pictures.
void BrushedSteel(QPainter& p, const QRectF& r, unsigned seed, double lightness = 1.0);

// A plate of brushed stainless with a bevelled edge and rounded corners.
void SteelPlate(QPainter& p, const QRectF& r, unsigned seed, double radius = 2.0);

// A chrome ring between the radii about centre, lit from the upper left.
void ChromeRing(QPainter& p, QPointF centre, double outer, double inner);

// A round chrome knob or hub.
void ChromeDisc(QPainter& p, QPointF centre, double radius);

// A cross-head screw.
void Screw(QPainter& p, QPointF centre, double radius);

// A round glass lens in a dark bezel, lit in colour or dark.
void LampLens(QPainter& p, const QRectF& r, QColor colour, bool lit);

enum class TextAnchor { Centre, Left, Right };

// Text whose capital letters are capHeight layout pixels tall, centred
// vertically on at.y and placed horizontally by anchor.
void PanelText(QPainter& p, const QString& text, QPointF at, double capHeight, QColor colour,
               bool bold = false, TextAnchor anchor = TextAnchor::Centre);

// The width that PanelText gives the text.
double PanelTextWidth(const QString& text, double capHeight, bool bold = false);

// Engraved label: dark text with a light shadow below, as on a stamped plate.
void EngravedText(QPainter& p, const QString& text, QPointF at, double capHeight, bool bold = true,
                  TextAnchor anchor = TextAnchor::Centre);

}  // namespace pumpdrill::imagelib
