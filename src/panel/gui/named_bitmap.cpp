#include "panel/gui/named_bitmap.h"

namespace pumpdrill {

bool LoadNamedBitmap(const ImageLibrary* library, const std::string& name, QPixmap& bitmap,
                     Alerts& alerts) {
  bitmap = QPixmap();
  const std::string* bytes = library ? library->Find(name) : nullptr;
  if (bytes) {
    QPixmap picture;
    if (picture.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                             static_cast<uint>(bytes->size()), "PNG")) {
      picture.setDevicePixelRatio(library->Scale(name));
      bitmap = picture;
      return true;
    }
  }
  alerts.Message(MsgType::Plain, Buttons::Ok, "Error: bitmap " + name + " not found!");
  return false;
}

}  // namespace pumpdrill
