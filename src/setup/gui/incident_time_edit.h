// The masked field of an incident time: minutes, a colon and seconds.
#pragma once

#include <QLineEdit>

namespace pumpdrill {

// A field with the incident time mask, wide enough for "00:00".
QLineEdit* NewIncidentTimeEdit(QWidget* parent, const char* name);

}  // namespace pumpdrill
