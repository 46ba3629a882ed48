#include "panel/gui/control_widget.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace pumpdrill {

namespace {

// Screen readers ask a control for its role, name and value here.
class ControlAccessible : public QAccessibleWidget {
 public:
  explicit ControlAccessible(ControlWidget* w) : QAccessibleWidget(w, w->Role()) {}
  QString text(QAccessible::Text t) const override {
    const auto* control = static_cast<const ControlWidget*>(widget());
    if (t == QAccessible::Name) return QString::fromStdString(control->Title());
    if (t == QAccessible::Value) return QString::fromStdString(control->ValueText());
    return QAccessibleWidget::text(t);
  }
};

constexpr const char* kReadingRole = "pumpdrillAccessibleRole";
constexpr const char* kReadingValue = "pumpdrillAccessibleValue";

// A gauge or readout: its name is the widget's, its value a property.
class ReadingAccessible : public QAccessibleWidget {
 public:
  explicit ReadingAccessible(QWidget* w)
      : QAccessibleWidget(w, static_cast<QAccessible::Role>(w->property(kReadingRole).toInt())) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return widget()->property(kReadingValue).toString();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* ControlAccessibleFactory(const QString&, QObject* object) {
  if (auto* control = dynamic_cast<ControlWidget*>(object)) return new ControlAccessible(control);
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget && widget->property(kReadingRole).isValid()) return new ReadingAccessible(widget);
  return nullptr;
}

void InstallFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(ControlAccessibleFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace

ControlWidget::ControlWidget(PanelSurface& surface, QWidget* parent, const char* name,
                             ControlSite& site, QAccessible::Role role)
    : PanelItemWidget(surface, parent, name), site_(site), role_(role) {
  InstallFactory();
  setFocusPolicy(Qt::StrongFocus);
}

void ControlWidget::Announce() {
  const QString name = QString::fromStdString(Title());
  const QString value = QString::fromStdString(ValueText());
  if (name != announcedName_) {
    announcedName_ = name;
    setAccessibleName(name);
  }
  if (value != announcedValue_) {
    announcedValue_ = value;
    if (QAccessible::isActive()) {
      QAccessibleValueChangeEvent e(this, value);
      QAccessible::updateAccessibility(&e);
    }
  }
}

void ControlWidget::Changed() {
  Sync(false);
  Announce();
}

ControlPoint ControlWidget::ToLayout(QPointF widget) const {
  const double z = Zoom() > 0 ? Zoom() : 1.0;
  return {widget.x() / z, widget.y() / z};
}

void ControlWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.save();
  p.scale(Zoom(), Zoom());
  Paint(p);
  p.restore();
  if (hasFocus()) {
    // The focus ring: amber on a dark edge, seen on steel and on black.
    const double w = std::max(1.5, 1.5 * Zoom());
    const QRectF r = QRectF(rect()).adjusted(w, w, -w, -w);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 20, 20, 200), w * 2));
    p.drawRoundedRect(r, 3 * Zoom(), 3 * Zoom());
    p.setPen(QPen(QColor(255, 190, 0), w));
    p.drawRoundedRect(r, 3 * Zoom(), 3 * Zoom());
  }
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || site_.Run().DesignMode) {
    event->ignore();
    return;
  }
  setFocus(Qt::MouseFocusReason);
  if (Press(ToLayout(event->position()))) Changed();
  update();
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
  if (site_.Run().DesignMode) {
    event->ignore();
    return;
  }
  if (Move(ToLayout(event->position()))) Changed();
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (site_.Run().DesignMode) {
    event->ignore();
    return;
  }
  site_.ReleaseAllControls();
}

void ControlWidget::keyPressEvent(QKeyEvent* event) {
  if (Key(event)) {
    Changed();
    return;
  }
  if (site_.PanelKey(event)) return;
  event->ignore();
}

void ControlWidget::focusInEvent(QFocusEvent* event) {
  PanelItemWidget::focusInEvent(event);
  update();
}

void ControlWidget::focusOutEvent(QFocusEvent* event) {
  PanelItemWidget::focusOutEvent(event);
  // A message box or another window took the keyboard: nothing stays held.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
    site_.ReleaseAllControls();
  update();
}

bool ControlWidget::event(QEvent* event) {
  // The window lost the mouse: a drag or held button ends.
  if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide)
    site_.ReleaseAllControls();
  return PanelItemWidget::event(event);
}

void SetAccessibleReading(QWidget* item, QAccessible::Role role, const QString& name,
                          const QString& value) {
  InstallFactory();
  if (!item->property(kReadingRole).isValid()) item->setProperty(kReadingRole, int(role));
  if (item->accessibleName() != name) item->setAccessibleName(name);
  if (item->property(kReadingValue).toString() == value) return;
  item->setProperty(kReadingValue, value);
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent e(item, value);
    QAccessible::updateAccessibility(&e);
  }
}

void PictureControl::SetPicture(const std::string& picture) {
  if (picture == picture_) return;
  picture_ = picture;
  update();
}

void PictureControl::Paint(QPainter& p) {
  DrawPictureAt(p, picture_, QRectF(0, 0, Place.Width, Place.Height));
}

}  // namespace pumpdrill
