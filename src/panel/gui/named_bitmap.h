// Pictures by name from an image library (see panel/image_library.h).
#pragma once

#include <QPixmap>

#include <string>

#include "panel/image_library.h"
#include "sim/host.h"

namespace pumpdrill {

// Fills bitmap with the picture name of the library. When the library is not
// open, lacks the name or holds a damaged picture, shows
// "Error: bitmap <name> not found!", leaves bitmap empty and returns false.
bool LoadNamedBitmap(const ImageLibrary* library, const std::string& name, QPixmap& bitmap,
                     Alerts& alerts);
inline bool LoadNamedBitmap(const ImageLibraryHandle& library, const std::string& name,
                            QPixmap& bitmap, Alerts& alerts) {
  return LoadNamedBitmap(library.get(), name, bitmap, alerts);
}

}  // namespace pumpdrill
