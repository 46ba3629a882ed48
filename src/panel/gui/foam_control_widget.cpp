#include "panel/gui/foam_control_widget.h"

#include <QPainter>

#include "panel/gui/panel_pictures.h"
#include "sim/state.h"

namespace pumpdrill {

FoamControl::FoamControl(PanelSurface& surface, QWidget* parent, const char* name,
                         ControlSite& site, QAccessible::Role role, int width, int height)
    : ControlWidget(surface, parent, name, site, role) {
  Place.Width = width;
  Place.Height = height;
  Place.Visible = false;
}

TFoamSetupRec& FoamControl::Foam() const { return site_.ControlState().FoamSetup; }

void FoamControl::TakePlace(TFoamSetupRec& f) {
  const auto [left, top] = PlaceFields(f);
  if (*left + *top > 0) {
    Place.Left = *left;
    Place.Top = *top;
  } else {
    StorePlace(f);
  }
}

void FoamControl::MovedTo(int left, int top) {
  PanelItemWidget::MovedTo(left, top);
  StorePlace(Foam());
}

void FoamControl::StorePlace(TFoamSetupRec& f) const {
  const auto [left, top] = PlaceFields(f);
  *left = static_cast<SmallInt>(Place.Left);
  *top = static_cast<SmallInt>(Place.Top);
}

bool FoamControl::Describe() {
  const std::string words = Description();
  if (words == described_) return false;
  described_ = words;
  const QString text = QString::fromStdString(words);
  setToolTip(text);
  setAccessibleDescription(text);
  return true;
}

void FoamControl::Show(std::string key, bool force) {
  Describe();
  if (!force && key == shown_) return;
  shown_ = std::move(key);
  update();
}

void FoamControl::DrawCentred(QPainter& p, const std::string& picture, double x, double y) {
  PanelPictures& pictures = surface_.Pictures();
  if (!pictures.Has(picture)) return;
  const QSizeF s = pictures.LogicalSize(picture);
  DrawPictureAt(p, picture, QRectF(QPointF(x - s.width() / 2, y - s.height() / 2), s));
}

}  // namespace pumpdrill
