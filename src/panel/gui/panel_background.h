// The panel's background (pnlBgPanel): brushed stainless steel filling the
// window, on which every item stands at its layout place times the zoom.
// The layout is centred across the width; the bars run the full width.
#pragma once

#include <QWidget>

#include <vector>

#include "panel/gui/panel_item.h"
#include "panel/gui/panel_pictures.h"

namespace pumpdrill {

class PanelBackground : public QWidget, public PanelSurface {
 public:
  PanelBackground(PanelPictures& pictures, QWidget* parent);

  double Zoom() const override { return zoom_; }
  PanelPictures& Pictures() override { return pictures_; }

  // Sets the zoom and the layout's extent, sizes the background to at least
  // the layout at that zoom and at least width × height, and places every
  // item again.
  void Arrange(double zoom, QSize layoutExtent, QSize least);
  // Places one item from its layout place (bars across the whole width).
  void PlaceItem(PanelItemWidget* item);
  void AddItem(PanelItemWidget* item, bool fullWidth = false);
  // The item no longer stands on the background (it is about to go).
  void RemoveItem(PanelItemWidget* item);
  const std::vector<PanelItemWidget*>& Items() const { return items_; }
  int OffsetX() const { return offsetX_; }

  // Layout pixels of a point on the background, and back.
  QPointF ToLayout(QPointF widget) const;
  QPointF FromLayout(QPointF layout) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PanelPictures& pictures_;
  double zoom_ = 1.0;
  int offsetX_ = 0;
  std::vector<PanelItemWidget*> items_;
  std::vector<PanelItemWidget*> fullWidth_;
};

}  // namespace pumpdrill
