#include "setup/gui/setup_labels.h"

#include <QFrame>
#include <QLabel>

namespace pumpdrill::setup_ui {

QLabel* Caption(const QString& text, QWidget* parent, const char* name) {
  auto* label = new QLabel(text, parent);
  if (name) label->setObjectName(name);
  return label;
}

QLabel* Title(const QString& text, QWidget* parent, const char* name) {
  QLabel* label = Caption(text, parent, name);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QFrame* Panel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Raised);
  return panel;
}

}  // namespace pumpdrill::setup_ui
