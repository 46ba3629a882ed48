#include "setup/gui/radio_group.h"

#include <QVBoxLayout>

namespace pumpdrill::setup_ui {

RadioGroup::RadioGroup(const QString &title, const QStringList &items,
                       QWidget *parent, const char *name)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)) {
  setObjectName(name);
  auto *column = new QVBoxLayout(this);
  column->setContentsMargins(8, 4, 8, 6);
  column->setSpacing(3);
  for (const QString &item : items)
    Add(item);
}

void RadioGroup::Add(const QString &text) {
  const int i = Count();
  auto *b = new QRadioButton(text, this);
  b->setObjectName(objectName() + "_" + QString::number(i));
  buttons_->addButton(b, i);
  layout()->addWidget(b);
}

QRadioButton *RadioGroup::Button(int i) const {
  return qobject_cast<QRadioButton *>(buttons_->button(i));
}

void RadioGroup::SetItemIndex(int i) {
  if (QRadioButton *b = Button(i)) {
    b->setChecked(true);
    return;
  }
  // No item checked: the exclusive group must let go first.
  if (QAbstractButton *checked = buttons_->checkedButton()) {
    buttons_->setExclusive(false);
    checked->setChecked(false);
    buttons_->setExclusive(true);
  }
}

void RadioGroup::ShowItems(const QStringList &all, int count) {
  while (Count() > count) {
    QAbstractButton *last = buttons_->button(Count() - 1);
    buttons_->removeButton(last);
    delete last;
  }
  while (Count() < count && Count() < all.size())
    Add(all[Count()]);
}

} // namespace pumpdrill::setup_ui
