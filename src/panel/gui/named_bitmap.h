// Pictures by name from an image library (see panel/image_library.h).
//
// A library records each picture's scale: the panel's pictures are stored
// at 4 x 4 pixels per layout pixel so that they stay crisp when the panel
// is zoomed or shown on a high-density screen. LoadNamedBitmap returns a
// QPixmap whose devicePixelRatio is that scale, so that
// deviceIndependentSize() is the picture's size in layout pixels (a gauge
// face 79 x 79, whatever its pixels).
//
// Callers place and draw a picture at its deviceIndependentSize(), never
// at its pixel size(): QPainter::drawPixmap(QPointF, pixmap) and QLabel do
// this by themselves; a target rectangle must be built from
// deviceIndependentSize(). Drawing 4x pixels at their pixel size makes
// every picture four times too large and misplaces the needles.
#pragma once

#include <QPixmap>
#include <string>

#include "panel/image_library.h"
#include "sim/host.h"

namespace pumpdrill {

// Fills bitmap with the picture name of the library, its devicePixelRatio
// set to the picture's scale. When the library is not open, lacks the name
// or holds a damaged picture, shows "Error: bitmap <name> not found!",
// leaves bitmap empty and returns false.
bool LoadNamedBitmap(const ImageLibrary* library, const std::string& name, QPixmap& bitmap,
                     Alerts& alerts);
inline bool LoadNamedBitmap(const ImageLibraryHandle& library, const std::string& name,
                            QPixmap& bitmap, Alerts& alerts) {
  return LoadNamedBitmap(library.get(), name, bitmap, alerts);
}

}  // namespace pumpdrill
