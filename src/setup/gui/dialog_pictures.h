// The pictures a setup dialog shows, taken from the other-images library
// once each: a missing one is reported the first time it is asked for and
// then stays empty without a further message.
#pragma once

#include <QPixmap>
#include <map>
#include <string>

#include "panel/image_library.h"
#include "sim/host.h"

namespace pumpdrill {

class DialogPictures {
 public:
  DialogPictures(const ImageLibrary* library, Alerts& alerts)
      : library_(library), alerts_(alerts) {}
  // The picture of that name; empty for "" and for a missing picture.
  QPixmap Get(const std::string& name);

 private:
  const ImageLibrary* library_;
  Alerts& alerts_;
  std::map<std::string, QPixmap> loaded_;
};

}  // namespace pumpdrill
