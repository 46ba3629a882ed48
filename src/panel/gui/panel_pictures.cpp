#include "panel/gui/panel_pictures.h"

#include <QPainter>

#include <cmath>

#include "panel/gui/named_bitmap.h"
#include "panel/image_library.h"

namespace pumpdrill {

namespace {

const QPixmap& NullPixmap() {
  static const QPixmap none;
  return none;
}

QSize DevicePixels(QSizeF logicalSize, double scale) {
  return {std::max(1, static_cast<int>(std::lround(logicalSize.width() * scale))),
          std::max(1, static_cast<int>(std::lround(logicalSize.height() * scale)))};
}

}  // namespace

void PanelPictures::Load(const std::vector<std::string>& names, Alerts& alerts,
                         bool creationWording) {
  ImageLibraryHandle library;
  if (!OpenPanelImageLibrary(mainDirectory_, library, alerts, !creationWording)) return;
  std::set<std::string> reported;
  for (const std::string& name : names) {
    if (reported.count(name)) continue;
    QPixmap picture;
    if (LoadNamedBitmap(library, name, picture, alerts)) {
      sources_[name] = picture;
      // A picture read again replaces its scaled copies.
      std::erase_if(scaled_, [&](const auto& e) { return e.first.rfind(name + "|", 0) == 0; });
    }
    reported.insert(name);  // reported once per operation, found or not
  }
  CloseImageLibrary(library);
}

QSizeF PanelPictures::LogicalSize(const std::string& name) const {
  auto it = sources_.find(name);
  return it == sources_.end() ? QSizeF() : it->second.deviceIndependentSize();
}

const QPixmap& PanelPictures::Scaled(const std::string& name, QSizeF logicalSize, double zoom,
                                     double dpr) {
  return Cached(name, logicalSize, zoom, dpr, name, {});
}

const QPixmap& PanelPictures::Face(const std::string& face, const std::string& mask,
                                   QSizeF logicalSize, double zoom, double dpr) {
  return Cached(face + "+" + mask, logicalSize, zoom, dpr, face, mask);
}

const QPixmap& PanelPictures::Cached(const std::string& key, QSizeF logicalSize, double zoom,
                                     double dpr, const std::string& face,
                                     const std::string& mask) {
  auto source = sources_.find(face);
  if (source == sources_.end()) return NullPixmap();
  const double scale = zoom * dpr;
  // One effective scale at a time: a new zoom or screen drops the old copies.
  if (std::fabs(scale - cacheScale_) > 1e-9) {
    scaled_.clear();
    cacheScale_ = scale;
  }
  const QSize device = DevicePixels(logicalSize, scale);
  const std::string full = key + "|" + std::to_string(device.width()) + "|" +
                           std::to_string(device.height());
  auto it = scaled_.find(full);
  if (it != scaled_.end()) return it->second;

  QPixmap out(device);
  out.fill(Qt::transparent);
  {
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF target(QPointF(0, 0), QSizeF(device));
    // Drawn at its logical size: the source's own device pixel ratio says
    // how many of its pixels make one layout pixel.
    QPixmap src = source->second;
    src.setDevicePixelRatio(1.0);
    p.drawPixmap(target, src, QRectF(src.rect()));
    auto m = mask.empty() ? sources_.end() : sources_.find(mask);
    if (m != sources_.end()) {
      QPixmap clip = m->second;
      clip.setDevicePixelRatio(1.0);
      p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
      p.drawPixmap(target, clip, QRectF(clip.rect()));
    }
  }
  out.setDevicePixelRatio(dpr);
  return scaled_.emplace(full, std::move(out)).first->second;
}

namespace {
template <class Map>
std::size_t PixelBytes(const Map& pictures) {
  std::size_t bytes = 0;
  for (const auto& [key, pixmap] : pictures)
    bytes += static_cast<std::size_t>(pixmap.width()) * pixmap.height() * 4;
  return bytes;
}
}  // namespace

std::size_t PanelPictures::CacheBytes() const { return PixelBytes(scaled_); }

std::size_t PanelPictures::SourceBytes() const { return PixelBytes(sources_); }

}  // namespace pumpdrill
