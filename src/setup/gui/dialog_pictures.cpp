#include "setup/gui/dialog_pictures.h"

#include "panel/gui/named_bitmap.h"

namespace pumpdrill {

QPixmap DialogPictures::Get(const std::string& name) {
  if (name.empty()) return {};
  auto it = loaded_.find(name);
  if (it == loaded_.end()) {
    QPixmap pixmap;
    const std::string* sharp =
        library_ && pixelRatio_ > 1.0 ? library_->Find(name + "@2X") : nullptr;
    if (sharp && pixmap.loadFromData(reinterpret_cast<const uchar*>(sharp->data()),
                                     static_cast<uint>(sharp->size()), "PNG")) {
      pixmap.setDevicePixelRatio(2.0);
    } else {
      LoadNamedBitmap(library_, name, pixmap, alerts_);
    }
    it = loaded_.emplace(name, pixmap).first;
  }
  return it->second;
}

}  // namespace pumpdrill
