#include "setup/gui/incident_time_edit.h"

#include <QFontMetrics>

#include "setup/incident_time.h"

namespace pumpdrill {

QLineEdit* NewIncidentTimeEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setInputMask(kIncidentTimeMask);
  edit->setText("00:00");
  edit->setAlignment(Qt::AlignCenter);
  edit->setToolTip("minutes : seconds");
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("000:000") + 12);
  return edit;
}

}  // namespace pumpdrill
