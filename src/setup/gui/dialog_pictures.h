// The pictures a setup dialog shows, taken from the other-images library
// once each: a missing one is reported the first time it is asked for and
// then stays empty without a further message. On a screen at 2x the
// picture drawn at twice the size (name + "@2X") is taken where the
// library has it.
#pragma once

#include <QPixmap>
#include <map>
#include <string>

#include "panel/image_library.h"
#include "sim/host.h"

namespace pumpdrill {

class DialogPictures {
 public:
  DialogPictures(const ImageLibrary* library, Alerts& alerts, double pixelRatio = 1.0)
      : library_(library), alerts_(alerts), pixelRatio_(pixelRatio) {}
  // The picture of that name; empty for "" and for a missing picture.
  QPixmap Get(const std::string& name);

 private:
  const ImageLibrary* library_;
  Alerts& alerts_;
  double pixelRatio_;
  std::map<std::string, QPixmap> loaded_;
};

}  // namespace pumpdrill
