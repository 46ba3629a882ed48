// A titled group of radio buttons chosen by index, whose list of items can
// be cut and grown again (the foam page's percent ranges).
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace pumpdrill::setup_ui {

class RadioGroup : public QGroupBox {
public:
  RadioGroup(const QString &title, const QStringList &items, QWidget *parent,
             const char *name);

  int Count() const { return static_cast<int>(buttons_->buttons().size()); }
  // The checked item, -1 when none.
  int ItemIndex() const { return buttons_->checkedId(); }
  // Checks item i without a click; -1 or an index beyond the list clears.
  void SetItemIndex(int i);
  // The items from the first up to count are kept, later ones taken away;
  // items of `all` beyond the present count are added back.
  void ShowItems(const QStringList &all, int count);
  QRadioButton *Button(int i) const;
  // Clicks by the user, with the item's index.
  QButtonGroup *Buttons() const { return buttons_; }

private:
  void Add(const QString &text);
  QButtonGroup *buttons_;
};

} // namespace pumpdrill::setup_ui
