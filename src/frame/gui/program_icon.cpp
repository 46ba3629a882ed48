#include "frame/gui/program_icon.h"

#include <QDir>
#include <QFileInfo>

namespace pumpdrill {

namespace {

constexpr const char* kIconName = "tidewarden-pumpdrill";
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace

QIcon ProgramIcon(const QString& programDir) {
  // A build tree keeps the drawn icons in build/icons, an installation in
  // share/icons, both beside the bin folder.
  const QDir bin(programDir);
  const QString roots[] = {bin.absoluteFilePath("../icons/hicolor"),
                           bin.absoluteFilePath("../share/icons/hicolor")};
  QIcon icon;
  for (const QString& root : roots) {
    for (int n : kSizes) {
      const QString file =
          QStringLiteral("%1/%2x%2/apps/%3.png").arg(root).arg(n).arg(QLatin1String(kIconName));
      if (QFileInfo::exists(file)) icon.addFile(file, QSize(n, n));
    }
    if (!icon.isNull()) return icon;
  }
  return QIcon::fromTheme(QLatin1String(kIconName));
}

}  // namespace pumpdrill
