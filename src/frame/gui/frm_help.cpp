#include "frame/gui/frm_help.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>

#include "frame/gui/help_topics.h"

namespace pumpdrill {

namespace {

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& text, const char* hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setText(text);
  b->setToolTip(hint);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

}  // namespace

TfrmHelp::TfrmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
  LoadManual();
  setObjectName("frmHelp");
  setWindowTitle("Pumpdrill Help");
  setAttribute(Qt::WA_DeleteOnClose);
  resize(860, 640);

  BtnContents = ToolButton(this, "BtnContents", "Contents", "the manual's contents");
  BtnBack = ToolButton(this, "BtnBack", QString::fromUtf8("◀ Back"), "the page shown before");
  BtnForward =
      ToolButton(this, "BtnForward", QString::fromUtf8("Forward ▶"), "the next page again");
  EditSearch = new QLineEdit(this);
  EditSearch->setObjectName("EditSearch");
  EditSearch->setPlaceholderText("Search the manual for words");
  EditSearch->setToolTip("type words and press Enter: the pages holding all of them are listed");
  EditSearch->setClearButtonEnabled(true);
  auto* bar = new QHBoxLayout;
  bar->addWidget(BtnContents);
  bar->addWidget(BtnBack);
  bar->addWidget(BtnForward);
  bar->addSpacing(12);
  bar->addWidget(EditSearch, 1);

  ListFound = new QListWidget(this);
  ListFound->setObjectName("ListFound");
  ListFound->setToolTip("pages holding the words searched for");
  Browser = new QTextBrowser(this);
  Browser->setObjectName("Browser");
  Browser->setOpenExternalLinks(true);
  Browser->setSearchPaths({kManualRoot});
  auto* found = new QWidget(this);
  auto* foundLayout = new QVBoxLayout(found);
  foundLayout->setContentsMargins(0, 0, 0, 0);
  foundLayout->addWidget(new QLabel("Pages found:", found));
  foundLayout->addWidget(ListFound);
  auto* split = new QSplitter(this);
  split->addWidget(found);
  split->addWidget(Browser);
  split->setStretchFactor(1, 1);
  split->setSizes({200, 660});
  found->hide();

  auto* all = new QVBoxLayout(this);
  all->addLayout(bar);
  all->addWidget(split, 1);

  connect(BtnContents, &QToolButton::clicked, this, &TfrmHelp::ShowContents);
  connect(BtnBack, &QToolButton::clicked, Browser, &QTextBrowser::backward);
  connect(BtnForward, &QToolButton::clicked, Browser, &QTextBrowser::forward);
  connect(Browser, &QTextBrowser::backwardAvailable, BtnBack, &QToolButton::setEnabled);
  connect(Browser, &QTextBrowser::forwardAvailable, BtnForward, &QToolButton::setEnabled);
  connect(EditSearch, &QLineEdit::returnPressed, this, [this] { Search(EditSearch->text()); });
  connect(ListFound, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item && item->data(Qt::UserRole).isValid()) ShowPage(item->data(Qt::UserRole).toString());
  });
  connect(ListFound, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (item->data(Qt::UserRole).isValid()) ShowPage(item->data(Qt::UserRole).toString());
  });
  BtnBack->setEnabled(false);
  BtnForward->setEnabled(false);
  ShowContents();
}

void TfrmHelp::ShowPage(const QString& page) {
  const QString name = QFile::exists(QString(kManualRoot) + page) ? page : QString(kContentsPage);
  if (CurrentPage() == name) return;
  Browser->setSource(QUrl("qrc" + QString(kManualRoot) + name));
}

void TfrmHelp::ShowTopic(int context) {
  const QString page = HelpPageFor(context);
  ShowPage(page.isEmpty() ? QString(kContentsPage) : page);
}

void TfrmHelp::ShowContents() { ShowPage(kContentsPage); }

QString TfrmHelp::CurrentPage() const { return Browser->source().fileName(); }

void TfrmHelp::Search(const QString& words) {
  EditSearch->setText(words);
  ListFound->parentWidget()->show();
  const QSignalBlocker block(ListFound);
  ListFound->clear();
  const QStringList pages = SearchManual(words);
  for (const QString& page : pages) {
    auto* item = new QListWidgetItem(ManualPageTitle(page), ListFound);
    item->setData(Qt::UserRole, page);
  }
  if (pages.isEmpty()) {
    ListFound->addItem(words.trimmed().isEmpty() ? "Type words to look for."
                                                 : "No page holds all of these words.");
    return;
  }
  ListFound->setCurrentRow(0);
  ShowPage(pages.front());
}

void TfrmHelp::StartSearch() {
  ListFound->parentWidget()->show();
  EditSearch->setFocus();
  EditSearch->selectAll();
}

}  // namespace pumpdrill
