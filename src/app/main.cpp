// sheetwright: the page-layout and printing program for Jw_cad drawings.
// sheetwright [FILE]: FILE, a layout (.swt) or a Jw_cad drawing (.jww), is
// opened once the window is up.
#include <QApplication>

#include "app/Startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The installed desktop entry, sheetwright.desktop, from which desktops
  // (Wayland ones in particular) take the window's name and icon.
  QApplication::setDesktopFileName(QStringLiteral("sheetwright"));
  const QStringList args = QApplication::arguments();
  const std::string file = args.size() >= 2 ? args[1].toStdString() : std::string();
  return sw::RunApplication(sw::ProcessEnvironment(), sw::ShowStartupError, file);
}
