// What every foam and compressed-air control of the panel shares: its place
// is kept in the foam setup's position fields (taken from them when they
// name one, written back when it moves), and its tooltip and accessible
// description tell its state in the display units.
#pragma once

#include <string>
#include <utility>

#include "panel/gui/control_widget.h"
#include "sim/foam_setup.h"

namespace pumpdrill {

class FoamControl : public ControlWidget {
 public:
  FoamControl(PanelSurface& surface, QWidget* parent, const char* name, ControlSite& site,
              QAccessible::Role role, int width, int height);

  // Takes the place the record gives (only when left + top is above 0),
  // else writes the widget's place into the record; the size stays the
  // picture's.
  void TakePlace(TFoamSetupRec& f);
  // Writes the widget's place (left, top) into its record fields.
  void StorePlace(TFoamSetupRec& f) const;
  // Moved in design mode: the new place goes into the foam setup.
  void MovedTo(int left, int top) override;

  std::string ValueText() const override { return Description(); }
  // The state in words, for the tooltip and screen readers.
  virtual std::string Description() const = 0;

 protected:
  // The record's left and top of this control.
  virtual std::pair<SmallInt*, SmallInt*> PlaceFields(TFoamSetupRec& f) const = 0;
  TFoamSetupRec& Foam() const;
  // A hidden item shows nothing until it is placed again (a forced sync).
  bool Idle(bool force) const { return !force && isHidden(); }
  // Sets the tooltip and description when the words changed; true then.
  bool Describe();
  // Repaints when what is shown (the key) differs from the last time, or
  // when forced; the tooltip follows.
  void Show(std::string key, bool force);
  // A picture of the library centred at a point of the control.
  void DrawCentred(QPainter& p, const std::string& picture, double x, double y);

 private:
  std::string shown_;
  std::string described_;
};

}  // namespace pumpdrill
