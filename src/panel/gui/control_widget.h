// The panel's working controls as widgets: each takes the mouse in its
// picture's layout pixels (the zoom divided out) and the keys, hands them
// to the controls' own arithmetic (panel/controls) and shows the result at
// once. A control can be reached with Tab, shows a ring while it has the
// keyboard, and tells screen readers its name, role and value.
#pragma once

#include <QAccessible>
#include <string>

#include "frame/units.h"
#include "panel/controls/control_run.h"
#include "panel/controls/panel_controls.h"
#include "panel/gui/panel_item.h"
#include "sim/host.h"

class QKeyEvent;
class QMouseEvent;

namespace pumpdrill {

struct State;
struct PanelLayout;

// What a control asks of the panel it stands on.
class ControlSite {
 public:
  virtual ~ControlSite() = default;
  virtual PanelControls& Controls() = 0;
  virtual PanelLayout& Layout() = 0;
  virtual State& ControlState() = 0;
  virtual ControlRun Run() const = 0;
  virtual Host& ControlHost() = 0;
  // A wave device exists and sound is on.
  virtual bool SoundOn() const = 0;
  virtual const DisplayUnits& Units() const = 0;
  // The keys that work anywhere on the panel (valve digits, Ctrl+Up/Down
  // for the throttle, P for the primer); true when the key was used.
  virtual bool PanelKey(QKeyEvent* event) = 0;
  // Every drag and held button ends, and the controls show it.
  virtual void ReleaseAllControls() = 0;
};

class ControlWidget : public PanelItemWidget {
 public:
  ControlWidget(PanelSurface& surface, QWidget* parent, const char* name, ControlSite& site,
                QAccessible::Role role);

  QAccessible::Role Role() const { return role_; }
  // What a screen reader says: the control's title and its value.
  virtual std::string Title() const = 0;
  virtual std::string ValueText() const = 0;
  // Shows what the state holds now (changed by this control or elsewhere),
  // repainting only when that differs from what is shown; force repaints.
  virtual void Sync(bool force) = 0;
  // The control's name and value as screen readers have them, told when
  // they change.
  void Announce();

 protected:
  // Paints in layout pixels: the painter is scaled by the zoom.
  virtual void Paint(QPainter& p) = 0;
  // The mouse in layout pixels; each returns whether the state changed.
  virtual bool Press(ControlPoint) { return false; }
  virtual bool Move(ControlPoint) { return false; }
  virtual bool Key(QKeyEvent*) { return false; }
  // After a press, move or key changed something: shown at once.
  void Changed();

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;

  ControlSite& site_;

 private:
  ControlPoint ToLayout(QPointF widget) const;

  QAccessible::Role role_;
  QString announcedName_, announcedValue_;
};

// Gives a panel item that is not a control (a gauge, the tachometer) a
// screen reader's role, name and value; each told when it changes.
void SetAccessibleReading(QWidget* item, QAccessible::Role role, const QString& name,
                          const QString& value);

// A control that shows one picture at a time (primer, engine cooler).
class PictureControl : public ControlWidget {
 public:
  using ControlWidget::ControlWidget;
  void SetPicture(const std::string& picture);
  const std::string& Picture() const { return picture_; }

 protected:
  void Paint(QPainter& p) override;

 private:
  std::string picture_;
};

}  // namespace pumpdrill
