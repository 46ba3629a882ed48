// The manual's window: one top-level window with the page, its contents,
// back and forward, and a search that lists the pages holding the words.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QWidget>

namespace pumpdrill {

class TfrmHelp : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmHelp(QWidget* parent = nullptr);

  // Shows a page of the manual (a file name such as "hydraulics.html"),
  // the contents when there is none of that name.
  void ShowPage(const QString& page);
  // The page of a help context, else the contents.
  void ShowTopic(int context);
  void ShowContents();
  // Lists the pages holding the words; the search box takes the focus.
  void Search(const QString& words);
  void StartSearch();  // Help > Search for Help On...: the box ready for words

  QString CurrentPage() const;  // file name of the page shown

  QTextBrowser* Browser;
  QToolButton* BtnContents;
  QToolButton* BtnBack;
  QToolButton* BtnForward;
  QLineEdit* EditSearch;
  QListWidget* ListFound;
};

}  // namespace pumpdrill
