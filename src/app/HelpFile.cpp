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
      exe + "/../share/sheetwright/manual.html",
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

#ifndef _WIN32
namespace {

// The manual in the desktop's browser.
class ManualHelp : public HelpLibrary {
 public:
  ManualHelp() : path_(FindHelpFile()) {}
  QString target() const override { return path_; }
  QString showContents(QWidget*) const override {
    if (path_.isEmpty()) {
      // Where an installed program keeps it.
      const QString installed =
          QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/sheetwright/manual.html");
      return QString::fromUtf8(kMsgManualMissing) + "\n" + installed;
    }
    // The desktop's handler for HTML (xdg-open); false where there is none.
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path_))) return {};
    return QString::fromUtf8(kMsgManualNotOpened) + "\n" + path_;
  }

 private:
  QString path_;
};

}  // namespace

std::unique_ptr<HelpLibrary> HelpLibrary::Load() { return std::make_unique<ManualHelp>(); }
#endif

}  // namespace sw
