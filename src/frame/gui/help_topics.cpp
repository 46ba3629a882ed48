#include "frame/gui/help_topics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

// The manual's resource lies in a static library: nothing refers to it
// unless it is initialised by name.
static void InitManualResource() { Q_INIT_RESOURCE(manual); }

namespace pumpdrill {

void LoadManual() {
  static const bool loaded = [] {
    InitManualResource();
    return true;
  }();
  (void)loaded;
}

namespace {

// Setup tabs 310 to 345 and 320 for the panel; pages are added here as
// their windows are built.
constexpr HelpTopic kTopics[] = {
    {kHelpMainWindow, "main_window.html"},
    {kHelpOptions, "options.html"},
    {kHelpRunInfo, "run_info.html"},
    {kHelpAbout, "run_info.html"},
    {kHelpChart, "chart.html"},
    {320, "main_window.html"},
    {330, "pump_setup.html"},
    {340, "discharges.html"},
};

QString ReadPage(const QString& page) {
  LoadManual();
  QFile file(QString(kManualRoot) + page);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

QString HelpPageFor(int context) {
  LoadManual();
  for (const HelpTopic& t : kTopics)
    if (t.context == context && QFile::exists(QString(kManualRoot) + t.page)) return t.page;
  return {};
}

QStringList ManualPages() {
  LoadManual();
  // The contents page lists the pages in reading order; any other page
  // follows in name order.
  QStringList pages{kContentsPage};
  const QString contents = ReadPage(kContentsPage);
  static const QRegularExpression link(R"re(href="([a-z_0-9]+\.html)")re");
  for (auto it = link.globalMatch(contents); it.hasNext();) {
    const QString page = it.next().captured(1);
    if (!pages.contains(page)) pages << page;
  }
  const QStringList all = QDir(kManualRoot).entryList({"*.html"}, QDir::Files, QDir::Name);
  for (const QString& page : all)
    if (!pages.contains(page)) pages << page;
  pages.erase(
      std::remove_if(pages.begin(), pages.end(),
                     [](const QString& p) { return !QFile::exists(QString(kManualRoot) + p); }),
      pages.end());
  return pages;
}

QString ManualPageTitle(const QString& page) {
  static const QRegularExpression title("<title>(.*?)</title>",
                                        QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch m = title.match(ReadPage(page));
  return m.hasMatch() ? m.captured(1).trimmed() : page;
}

QStringList SearchManual(const QString& words) {
  const QStringList wanted = words.simplified().split(' ', Qt::SkipEmptyParts);
  QStringList found;
  if (wanted.isEmpty()) return found;
  for (const QString& page : ManualPages()) {
    if (page == kContentsPage) continue;  // it names every topic
    QTextDocument doc;
    doc.setHtml(ReadPage(page));
    const QString text = doc.toPlainText();
    bool all = true;
    for (const QString& w : wanted) all = all && text.contains(w, Qt::CaseInsensitive);
    if (all) found << page;
  }
  return found;
}

}  // namespace pumpdrill
