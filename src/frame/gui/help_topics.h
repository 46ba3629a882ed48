// The manual's topics: the pages compiled into the program under
// ":/manual/", and the help contexts of the windows that open them.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace pumpdrill {

inline constexpr const char* kManualRoot = ":/manual/";
inline constexpr const char* kContentsPage = "index.html";
inline constexpr const char* kUsingHelpPage = "using_help.html";

// Help contexts of the windows.
inline constexpr int kHelpMainWindow = 1;
inline constexpr int kHelpOptions = 150;
inline constexpr int kHelpChart = 500;
inline constexpr int kHelpRunInfo = 160;
inline constexpr int kHelpAbout = 170;

struct HelpTopic {
  int context;
  const char* page;
};

// Makes the compiled-in pages available (done by every routine here).
void LoadManual();

// The page of a help context; empty when the context has no page yet.
QString HelpPageFor(int context);

// The pages of the manual, file names below kManualRoot.
QStringList ManualPages();
// The title of a page (its <title>), or the file name.
QString ManualPageTitle(const QString& page);
// The pages whose text holds every one of the words (case ignored), in
// the manual's order.
QStringList SearchManual(const QString& words);

}  // namespace pumpdrill
