#include "app/HelpFile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace sw {

QString FindHelpFile() {
  const QString exe = QCoreApplication::applicationDirPath();
  const QStringList candidates = {
      exe + "/manual.html",
      exe + "/../share/doc/sheetwright/manual.html",
      exe + "/../../docs/manual.html",
#ifdef SW_SOURCE_DIR
      QStringLiteral(SW_SOURCE_DIR "/docs/manual.html"),
#endif
  };
  for (const QString& c : candidates)
    if (QFileInfo(c).isFile()) return QDir::cleanPath(QFileInfo(c).absoluteFilePath());
  return {};
}

void OpenHelpFile(const QString& path) {
  if (path.isEmpty()) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace sw
