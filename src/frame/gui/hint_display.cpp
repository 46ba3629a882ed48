#include "frame/gui/hint_display.h"

#include <QApplication>
#include <QEvent>

namespace pumpdrill {

namespace {

// Swallows every tool tip event while installed.
class HintFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTip) return true;
    return QObject::eventFilter(watched, event);
  }
};

HintFilter* filter = nullptr;

}  // namespace

void SetHintDisplay(bool shown) {
  if (!qApp) return;
  if (shown) {
    if (filter) qApp->removeEventFilter(filter);
    delete filter;
    filter = nullptr;
    return;
  }
  if (filter) return;
  filter = new HintFilter(qApp);
  qApp->installEventFilter(filter);
}

bool HintsShown() { return filter == nullptr; }

}  // namespace pumpdrill
