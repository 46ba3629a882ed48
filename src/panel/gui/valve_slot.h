// The place of a valve handle until the panel's controls stand there: the
// short vertical slot of handle type 1 with its handle pushed in.
#pragma once

#include "panel/gui/panel_item.h"

namespace pumpdrill {

class ValveSlot : public PanelItemWidget {
 public:
  using PanelItemWidget::PanelItemWidget;
  int HandleType = 1;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pumpdrill
