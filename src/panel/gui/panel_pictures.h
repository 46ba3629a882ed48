// The panel's pictures: read from "panel04.dll" once per operation (window
// creation, rebuild, units switch, ...), kept at the resolution they were
// drawn at, and scaled smoothly once per effective scale (zoom × device
// pixel ratio) into a cache. A tick never scales a picture.
#pragma once

#include <QPixmap>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "sim/host.h"

namespace pumpdrill {

class PanelPictures {
 public:
  explicit PanelPictures(std::string mainDirectory) : mainDirectory_(std::move(mainDirectory)) {}

  // One operation's lookups: opens the library once (reporting "Cannot open
  // " + path, or "Cannot open picture library " + path, once), reads each
  // name, reporting a name it lacks once. A name that cannot be read keeps
  // the picture it had.
  void Load(const std::vector<std::string>& names, Alerts& alerts, bool creationWording);

  bool Has(const std::string& name) const { return sources_.count(name) != 0; }
  // The picture's size in layout pixels.
  QSizeF LogicalSize(const std::string& name) const;

  // The picture for drawing at logicalSize × zoom on a device of ratio dpr:
  // a pixmap of that many device pixels whose device pixel ratio is dpr.
  // Null when the name was never read.
  const QPixmap& Scaled(const std::string& name, QSizeF logicalSize, double zoom, double dpr);

  // A gauge face clipped by its mask, scaled alike (the mask's alpha keeps
  // the face inside the bezel).
  const QPixmap& Face(const std::string& face, const std::string& mask, QSizeF logicalSize,
                      double zoom, double dpr);

  // Bytes held by the scaled pictures.
  std::size_t CacheBytes() const;
  // Bytes held by the pictures as read (at the scale they were drawn at).
  std::size_t SourceBytes() const;
  void ClearCache() { scaled_.clear(); }

 private:
  const QPixmap& Cached(const std::string& key, QSizeF logicalSize, double zoom, double dpr,
                        const std::string& face, const std::string& mask);

  std::string mainDirectory_;
  std::map<std::string, QPixmap> sources_;
  std::map<std::string, QPixmap> scaled_;  // "name|w|h|scale"
  double cacheScale_ = 0;
};

}  // namespace pumpdrill
