#include "setup/gui/dialog_pictures.h"

#include "panel/gui/named_bitmap.h"

namespace pumpdrill {

QPixmap DialogPictures::Get(const std::string& name) {
  if (name.empty()) return {};
  auto it = loaded_.find(name);
  if (it == loaded_.end()) {
    QPixmap pixmap;
    LoadNamedBitmap(library_, name, pixmap, alerts_);
    it = loaded_.emplace(name, pixmap).first;
  }
  return it->second;
}

}  // namespace pumpdrill
